// CFrameSplitterWnd: the main window's two splitters: bars and gaps of 4
// pixels, client border 2, flat look, no full drag.
#pragma once
#include "toolkit/controls/XTSplitterWnd.h"

class CFrameSplitterWnd : public CXTSplitterWnd
{
public:
    CFrameSplitterWnd();
};
