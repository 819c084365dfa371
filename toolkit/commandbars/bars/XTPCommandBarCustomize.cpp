// The customize mode of a command bar: it takes dragged controls (the
// insertion marker, the drop), selects controls for customizing with the
// right button, outlines the selected one and lets an Alt+drag move a
// control without the customize sheet.
#include "toolkit/commandbars/bars/XTPCommandBar.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPCustomizeDropSource.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/foundation/XTPColorManager.h"

#include <climits>
#include <cstdlib>

namespace {

// The marker is 6 pixels across.
const int kMarkerWidth = 6;
// A control dropped on itself moves to a new group only when dragged this far.
const int kSelfDropAcross = 5;
const int kSelfDropAlong = 4;

} // namespace

// ---- Registration with the drag source --------------------------------------------

void CXTPCommandBar::RegisterAsDropTarget()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars != NULL && m_barPosition != xtpBarListBox)
        pCommandBars->GetDropSource()->Register(this);
}

void CXTPCommandBar::RevokeDropTarget()
{
    if (m_pDropSource != NULL)
        m_pDropSource->Unregister(this);
}

// ---- The insertion point ---------------------------------------------------------------

BOOL CXTPCommandBar::IsVerticalForCustomize() const
{
    return m_barPosition == xtpBarLeft || m_barPosition == xtpBarRight || m_barType == xtpBarTypePopup;
}

void CXTPCommandBar::CalcInsertPosition(CXTPControl* pControl, CPoint point, CRect& rcMarker, int& nIndex,
                                        BOOL& bAfter) const
{
    const BOOL bVertical = IsVerticalForCustomize();
    CXTPCommandBars* pCommandBars = GetCommandBars();
    const BOOL bDragControl = pCommandBars != NULL && pCommandBars->GetDragControl() != NULL;
    CXTPControl* pNearest = NULL;
    // Nearest first across the rows, then along the bar. Deliberately not
    // the distance along the bar alone: on a bar wrapped into rows that
    // would as soon pick a control of another row that lines up with the
    // point as the one in the row under it.
    long nBestAcross = LONG_MAX, nBestAlong = LONG_MAX;
    for (int i = 0; i < m_pControls->GetCount(); i++)
    {
        CXTPControl* pItem = m_pControls->GetAt(i);
        if (!pItem->IsVisible() || (pItem->GetFlags() & XTP_CONTROLFLAG_NOMOVABLE))
            continue;
        CRect rc = pItem->GetRect();
        if (bDragControl && (bVertical ? rc.left > point.x : rc.top > point.y))
            break;
        CPoint ptCenter = rc.CenterPoint();
        long nAlong = bVertical ? labs(ptCenter.y - point.y) : labs(ptCenter.x - point.x);
        long nLow = bVertical ? rc.left : rc.top, nHigh = bVertical ? rc.right : rc.bottom;
        long nCross = bVertical ? point.x : point.y;
        long nAcross = nCross < nLow ? nLow - nCross : (nCross >= nHigh ? nCross - nHigh + 1 : 0);
        if (nAcross < nBestAcross || (nAcross == nBestAcross && nAlong < nBestAlong))
        {
            pNearest = pItem;
            nBestAcross = nAcross;
            nBestAlong = nAlong;
        }
    }

    CRect rcClient;
    GetClientRect(&rcClient);
    if (pNearest == NULL)
    {
        rcMarker.SetRect(rcClient.left + 2, rcClient.top + 2, rcClient.left + 8, rcClient.bottom - 2);
        nIndex = -1;
        bAfter = TRUE;
        return;
    }
    nIndex = pNearest->GetIndex();
    CRect rc = pNearest->GetRect();
    CPoint ptCenter = rc.CenterPoint();
    bAfter = bVertical ? point.y > ptCenter.y : point.x > ptCenter.x;
    if (pNearest == pControl)
    {
        rcMarker.SetRectEmpty();
        return;
    }
    // The marker lies on the leading edge, or on the trailing edge: outside it
    // when the next control follows on in the same group, else inside.
    int nStart = bVertical ? rc.top : rc.left;
    if (bAfter)
    {
        // The next control the user could move (not a bar's own button).
        CXTPControl* pNext = m_pControls->GetAt(nIndex + 1);
        while (pNext != NULL && (!pNext->IsVisible() || (pNext->GetFlags() & XTP_CONTROLFLAG_NOMOVABLE)))
            pNext = m_pControls->GetAt(pNext->GetIndex() + 1);
        BOOL bNextFollows = pNext != NULL && !pNext->GetBeginGroup()
                            && (pCommandBars == NULL || pNext != pCommandBars->GetDragControl());
        int nEnd = bVertical ? rc.bottom : rc.right;
        nStart = bNextFollows ? nEnd : nEnd - kMarkerWidth;
    }
    if (bVertical)
        rcMarker.SetRect(rc.left, nStart, rc.right, nStart + kMarkerWidth);
    else
        rcMarker.SetRect(nStart, rc.top, nStart + kMarkerWidth, rc.bottom);
}

// ---- Drag and drop ---------------------------------------------------------------------

DROPEFFECT CXTPCommandBar::OnCustomizeDragEnter(CXTPControl* pDataObject, CPoint point)
{
    m_rcMarker.SetRectEmpty();
    return OnCustomizeDragOver(pDataObject, point);
}

DROPEFFECT CXTPCommandBar::OnCustomizeDragOver(CXTPControl* pDataObject, CPoint point)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars == NULL || !IsCustomizable() || m_hWnd == NULL || !IsWindowVisible())
        return DROPEFFECT_NONE;
    DROPEFFECT effect = pCommandBars->GetDropSource()->IsMoving() ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
    CRect rcMarker;
    int nIndex = -1;
    BOOL bAfter = FALSE;
    CalcInsertPosition(pDataObject, point, rcMarker, nIndex, bAfter);

    CXTPControl* pOver = HitTest(point);
    if (pOver != NULL && pOver != GetControl(m_nPopuped))
    {
        // A submenu under the cursor opens so the control can go into it; on
        // a bar of its own, menus open elsewhere close first.
        if (GetControlPopup() == NULL)
            XTPMouseManager()->SendTrackLost();
        pOver->OnCustomizeDragOver(pDataObject, point);
    }
    if (!pDataObject->IsCustomizeDragOverAvail(this, point, effect))
    {
        OnCustomizeDragLeave();
        return DROPEFFECT_NONE;
    }
    if (rcMarker != m_rcMarker)
    {
        m_rcMarker = rcMarker;
        m_bVerticalMarker = IsVerticalForCustomize();
        Invalidate(FALSE);
    }
    return effect;
}

void CXTPCommandBar::OnCustomizeDragLeave()
{
    if (m_rcMarker.IsRectEmpty())
        return;
    m_rcMarker.SetRectEmpty();
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CXTPCommandBar::OnCustomizeDrop(CXTPControl* pDataObject, DROPEFFECT& dropEffect, CPoint ptDrop,
                                     CPoint ptDrag)
{
    CRect rcMarker;
    int nIndex = -1;
    BOOL bAfter = FALSE;
    CalcInsertPosition(pDataObject, ptDrop, rcMarker, nIndex, bAfter);
    if (pDataObject->GetParent() == this && nIndex == pDataObject->GetIndex() && rcMarker.IsRectEmpty())
    {
        // Dropped on itself: dragged far enough, it starts or joins a group.
        if (abs(ptDrop.x - ptDrag.x) >= kSelfDropAcross || abs(ptDrop.y - ptDrag.y) > kSelfDropAlong)
            pDataObject->SetBeginGroup(bAfter && nIndex != 0);
        dropEffect = XTP_DROPEFFECT_CANCEL;
    }
    else
    {
        if (bAfter)
            nIndex++;
        SetPopuped(-1);
        SetSelected(-1);
        CXTPControl* pAtIndex = m_pControls->GetAt(nIndex);
        BOOL bBeginGroup = pAtIndex != NULL && pAtIndex->GetBeginGroup();
        if (bBeginGroup)
            pAtIndex->SetBeginGroup(FALSE);
        CXTPControl* pDropped = m_pControls->AddClone(pDataObject, nIndex, TRUE);
        pDropped->SetBeginGroup(bBeginGroup);
        CXTPCommandBars* pCommandBars = GetCommandBars();
        if (pCommandBars != NULL)
            pCommandBars->SetDragControl(pDropped);
    }
    OnRecalcLayout();
    m_rcMarker.SetRectEmpty();
    Invalidate(FALSE);
}

// ---- Drawing -------------------------------------------------------------------------------

void CXTPCommandBar::DrawDropMarker(CDC* pDC) const
{
    CBrush brush(XTPGetColor(COLOR_BTNFACE));
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    const CRect& rc = m_rcMarker;
    // An I-beam: two caps at each end and a stem of two pixels.
    if (!m_bVerticalMarker)
    {
        pDC->PatBlt(rc.left, rc.top, rc.Width(), 1, PATINVERT);
        pDC->PatBlt(rc.left + 1, rc.top + 1, rc.Width() - 2, 1, PATINVERT);
        pDC->PatBlt(rc.left + 2, rc.top + 2, 2, rc.Height() - 4, PATINVERT);
        pDC->PatBlt(rc.left, rc.bottom - 1, rc.Width(), 1, PATINVERT);
        pDC->PatBlt(rc.left + 1, rc.bottom - 2, rc.Width() - 2, 1, PATINVERT);
    }
    else
    {
        pDC->PatBlt(rc.left, rc.top, 1, rc.Height(), PATINVERT);
        pDC->PatBlt(rc.left + 1, rc.top + 1, 1, rc.Height() - 2, PATINVERT);
        pDC->PatBlt(rc.left + 2, rc.top + 2, rc.Width() - 4, 2, PATINVERT);
        pDC->PatBlt(rc.right - 1, rc.top, 1, rc.Height(), PATINVERT);
        pDC->PatBlt(rc.right - 2, rc.top + 1, 1, rc.Height() - 2, PATINVERT);
    }
    pDC->SelectObject(pOldBrush);
}

void CXTPCommandBar::DrawCustomizeFrame(CDC* pDC, CXTPControl* pControl)
{
    CRect rc = pControl->GetRect();
    pDC->Draw3dRect(rc, RGB(0, 0, 0), RGB(0, 0, 0));
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(rc, RGB(0, 0, 0), RGB(0, 0, 0));
}

// ---- Mouse ------------------------------------------------------------------------------------

void CXTPCommandBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    CXTPControl* pControl = IsCustomizeMode() && IsCustomizable() ? HitTest(point) : NULL;
    if (pControl == NULL || (pControl->GetFlags() & XTP_CONTROLFLAG_NOMOVABLE))
    {
        CWnd::OnRButtonDown(nFlags, point);
        return;
    }
    CXTPCommandBars* pCommandBars = GetCommandBars();
    SetPopuped(-1);
    SetSelected(-1);
    pCommandBars->SetDragControl(pControl);
    CXTPCustomizeSheetLink* pSheet = pCommandBars->GetDropSource()->GetSheet();
    if (pSheet != NULL)
    {
        ClientToScreen(&point);
        pSheet->ContextMenu(point.x, point.y);
    }
}

BOOL CXTPCommandBar::SetCustomizeCursor(CPoint point)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    CXTPControl* pControl = pCommandBars != NULL ? pCommandBars->GetDragControl() : NULL;
    if (pControl == NULL || pControl->GetParent() != this || !pControl->IsCustomizeResizeAllow()
        || !pControl->IsOnResizeEdge(point))
        return FALSE;
    ::SetCursor(CXTPControl::GetResizeCursor());
    return TRUE;
}

BOOL CXTPCommandBar::QuickCustomize(CXTPControl* pControl, CPoint point)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (IsCustomizeMode() || pCommandBars == NULL || !pCommandBars->IsCustomizeAvail()
        || !pCommandBars->GetCommandBarsOptions()->bAltDragCustomization || !IsKindOf(RUNTIME_CLASS(CXTPToolBar))
        || !IsCustomizable() || (pControl->GetFlags() & XTP_CONTROLFLAG_NOMOVABLE) || ::GetKeyState(VK_MENU) >= 0)
        return FALSE;
    pCommandBars->SetQuickCustomizeMode(TRUE);
    SetPopuped(-1);
    SetSelected(-1);
    pControl->OnCustomizeMouseDown(point);
    pCommandBars->SetQuickCustomizeMode(FALSE);
    pCommandBars->RecalcFrameLayout();
    XTPMouseManager()->SendTrackLost();
    return TRUE;
}
