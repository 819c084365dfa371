// The customize mode of the command-bars manager: the mode itself, the Alt+drag
// quick customize, the control selected for customizing and the drag source.
#include "toolkit/commandbars/XTPCommandBars.h"

#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/input/XTPCustomizeDropSource.h"

void CXTPCommandBars::SetCustomizeMode(BOOL bMode)
{
    m_pOptions->bDirty = TRUE;
    m_bCustomizeMode = bMode;
    SetDragControl(NULL);
    for (CXTPToolBar* pBar : m_arrBars)
        pBar->UpdateCommandBar(TRUE);
    RecalcFrameLayout();
}

void CXTPCommandBars::SetQuickCustomizeMode(BOOL bMode)
{
    m_pOptions->bDirty = TRUE;
    m_bQuickCustomizeMode = bMode;
    m_bCustomizeMode = bMode;
    SetDragControl(NULL);
}

void CXTPCommandBars::SetDragControl(CXTPControl* pControl)
{
    if (pControl != m_pDragControl)
    {
        if (m_pDragControl != NULL)
        {
            InvalidateBarOf(m_pDragControl);
            m_pDragControl->InternalRelease();
        }
        m_pDragControl = pControl;
        if (m_pDragControl != NULL)
        {
            InvalidateBarOf(m_pDragControl);
            m_pDragControl->InternalAddRef();
        }
    }
    CXTPCustomizeSheetLink* pSheet = m_pDropSource->GetSheet();
    CWnd* pNotified = pSheet != NULL ? pSheet->GetSheetWindow() : m_pFrame;
    if (pNotified != NULL && pNotified->GetSafeHwnd() != NULL)
        pNotified->SendMessage(WM_XTP_DRAGCONTROLCHANGED, 0, 0);
}

void CXTPCommandBars::InvalidateBarOf(CXTPControl* pControl)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar != NULL && pBar->GetSafeHwnd() != NULL)
        pBar->Invalidate(FALSE);
}

BOOL CXTPCommandBars::IsCustomizeSheetOpen() const
{
    return m_pDropSource->GetSheet() != NULL;
}
