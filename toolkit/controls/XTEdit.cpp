#include "toolkit/controls/XTEdit.h"

#include "toolkit/commandbars/XTTrackPopupMenu.h"
#include "toolkit/controls/XTListEditResource.h"
#include "toolkit/foundation/XTAuxData.h"
#include "toolkit/foundation/XTPBufferDC.h"
#include "toolkit/foundation/XTPResourceManager.h"

IMPLEMENT_DYNAMIC(CXTEdit, CEdit)

BEGIN_MESSAGE_MAP(CXTEdit, CEdit)
ON_WM_CONTEXTMENU()
ON_COMMAND(XT_ID_EDIT_UNDO, OnEditUndo)
ON_COMMAND(XT_ID_EDIT_CUT, OnEditCut)
ON_COMMAND(XT_ID_EDIT_COPY, OnEditCopy)
ON_COMMAND(XT_ID_EDIT_PASTE, OnEditPaste)
ON_COMMAND(XT_ID_EDIT_CLEAR, OnEditClear)
ON_COMMAND(XT_ID_EDIT_SELECT_ALL, OnEditSelectAll)
ON_UPDATE_COMMAND_UI(XT_ID_EDIT_UNDO, OnUpdateEditUndo)
ON_UPDATE_COMMAND_UI(XT_ID_EDIT_CUT, OnUpdateNeedsSelection)
ON_UPDATE_COMMAND_UI(XT_ID_EDIT_COPY, OnUpdateNeedsSelection)
ON_UPDATE_COMMAND_UI(XT_ID_EDIT_PASTE, OnUpdateEditPaste)
ON_UPDATE_COMMAND_UI(XT_ID_EDIT_CLEAR, OnUpdateNeedsSelection)
ON_UPDATE_COMMAND_UI(XT_ID_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
ON_WM_INITMENUPOPUP()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CXTEdit::CXTEdit() : m_pParentWnd(NULL)
{}

BOOL CXTEdit::CanPaste()
{
    return ::IsClipboardFormatAvailable(CF_TEXT);
}

BOOL CXTEdit::HasSelection()
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    return nStart < nEnd;
}

BOOL CXTEdit::Initialize(CWnd* pParentWnd)
{
    if (!::IsWindow(m_hWnd) || pParentWnd == NULL || !::IsWindow(pParentWnd->m_hWnd))
        return FALSE;
    SetFont(&XTAuxData()->font, TRUE);
    m_pParentWnd = pParentWnd;
    return TRUE;
}

// ---------------------------------------------------------------------------
// Context menu and its commands

CPoint CXTEdit::ContextMenuPoint(CPoint point)
{
    if (point.x != -1 || point.y != -1)
        return point;
    CPoint ptCorner(0, 0);
    ClientToScreen(&ptCorner);
    return ptCorner + CSize(5, 5);
}

void CXTEdit::OnContextMenu(CWnd*, CPoint point)
{
    point = ContextMenuPoint(point);
    CMenu menu;
    if (!XTPResourceManager()->LoadMenu(&menu, XT_IDM_POPUP))
        return;
    CMenu* pPopup = menu.GetSubMenu(XT_IDM_POPUP_EDIT);
    // Its commands (and, as a system menu, its update) come to this edit.
    if (pPopup != NULL)
        XTTrackPopupMenu(pPopup, TPM_RIGHTBUTTON, point.x, point.y, this, XT_IDR_TBAR_EDITMENU);
}

void CXTEdit::OnEditUndo()
{
    Undo();
}

void CXTEdit::OnEditCut()
{
    Cut();
}

void CXTEdit::OnEditCopy()
{
    Copy();
}

void CXTEdit::OnEditPaste()
{
    Paste();
}

void CXTEdit::OnEditClear()
{
    Clear();
}

void CXTEdit::OnEditSelectAll()
{
    SetSel(0, -1);
    SendMessage(EM_SCROLLCARET);
}

void CXTEdit::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanUndo());
}

void CXTEdit::OnUpdateNeedsSelection(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HasSelection());
}

void CXTEdit::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanPaste());
}

void CXTEdit::OnUpdateEditSelectAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetWindowTextLength() > 0);
}

void CXTEdit::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    Default();
    if (!bSysMenu)
        CCmdUI::UpdateMenu(pPopupMenu, this, TRUE);
}

// ---------------------------------------------------------------------------
// Painting

void CXTEdit::PaintBuffered(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    CXTMemDC memDC(pDC, rc, CXTFlatLook::PaintBackColor(this));
    DefWindowProc(WM_PAINT, (WPARAM)memDC.m_hDC, 0);
}

void CXTEdit::OnPaint()
{
    CPaintDC dc(this);
    PaintBuffered(&dc);
}

BOOL CXTEdit::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

// ---------------------------------------------------------------------------
// Flat edit

IMPLEMENT_DYNAMIC(CXTFlatEdit, CXTEdit)

BEGIN_MESSAGE_MAP(CXTFlatEdit, CXTFlatControlT<CXTEdit>)
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_PAINT()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

namespace {

// A device context over the whole window whose origin is the client area's
// top-left corner: rings drawn around the client rectangle land on the
// non-client frame, where they show.
class CFrameDC : public CWindowDC
{
public:
    explicit CFrameDC(CWnd* pWnd) : CWindowDC(pWnd)
    {
        CPoint ptClient(0, 0);
        pWnd->ClientToScreen(&ptClient);
        CRect rcWindow;
        pWnd->GetWindowRect(&rcWindow);
        SetViewportOrg(ptClient.x - rcWindow.left, ptClient.y - rcWindow.top);
    }
};

} // namespace

void CXTFlatEdit::DrawFrame(CDC* pDC, int nState)
{
    CXTFlatControlsTheme* pTheme = GetTheme();
    if (pTheme != NULL)
        pTheme->DrawEditFrame(pDC, this, nState);
}

void CXTFlatEdit::OnHoverTimer()
{
    if (!IsMouseOver() && !m_bHasFocus)
    {
        KillTimer(XT_FLAT_TIMER);
        DrawFrameNow(xtFlatNormal);
    }
    else
    {
        DrawFrameNow(xtFlatHot);
    }
}

void CXTFlatEdit::DrawFrameNow(int nState)
{
    CFrameDC dc(this);
    DrawFrame(&dc, nState);
}

void CXTFlatEdit::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    Default();
    if (IsFlat())
        ::InflateRect(&lpncsp->rgrc[0], -XT_FLAT_EDIT_FRAME, -XT_FLAT_EDIT_FRAME);
}

void CXTFlatEdit::OnNcPaint()
{
    Default();
    CFrameDC dc(this);
    DrawFlat(&dc);
}

void CXTFlatEdit::OnPaint()
{
    {
        CPaintDC dc(this);
        PaintBuffered(&dc);
    }
    // A focus change repaints the client area only: the frame follows.
    CFrameDC dc(this);
    DrawFlat(&dc);
}

void CXTFlatEdit::OnSetFocus(CWnd*)
{
    Default();
    if (IsFlat())
    {
        m_bHasFocus = TRUE;
        Invalidate();
    }
}

void CXTFlatEdit::OnKillFocus(CWnd*)
{
    Default();
    if (IsFlat())
    {
        m_bHasFocus = FALSE;
        Invalidate();
    }
}
