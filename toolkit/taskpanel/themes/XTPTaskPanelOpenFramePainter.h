#pragma once
// Theme 1, CXTPTaskPanelOpenFramePainter: captions in a large bold font
// without expand buttons, a caption gradient and client area in the
// Windows XP scheme's colours (or blends of the face and window colours),
// client areas framed on three sides, special groups drawn as ordinary ones.
#include "toolkit/taskpanel/themes/XTPTaskPanelPainter.h"

class CXTPTaskPanelOpenFramePainter : public CXTPTaskPanelPainter
{
public:
    // Flat highlights in the scheme's colours, margins (8, 8, 0, 8), spacing 15.
    CXTPTaskPanelOpenFramePainter();
    void RefreshMetrics() override;
};
