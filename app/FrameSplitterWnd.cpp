#include "app/FrameSplitterWnd.h"

CFrameSplitterWnd::CFrameSplitterWnd()
{
    m_cxSplitter = m_cySplitter = 4;
    m_cxSplitterGap = m_cySplitterGap = 4;
    m_cxBorderShare = m_cyBorderShare = 0;
    m_cxBorder = m_cyBorder = 2;
    EnableFlatLook(TRUE);
    SetFullDrag(FALSE);
    SetSplitterStyle(SplitterNoFullDrag | SplitterPlainBorder);
}
