// The task panel's layout, the opening and closing of groups with their
// animation (timer 200), the scroll bar and the scroll buttons of the open
// group. The arithmetic is in XTPTaskPanelLayout.h.
#include "toolkit/taskpanel/XTPTaskPanel.h"
#include "toolkit/taskpanel/XTPTaskPanelEditItem.h"

#include "toolkit/commandbars/XTPHoldReference.h"
#include "toolkit/foundation/XTPCaptureLoop.h"
#include "toolkit/foundation/XTPWindowRect.h"
#include "toolkit/taskpanel/XTPTaskPanelLayout.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelPainter.h"

#include <algorithm>
#include <memory>

namespace {

const UINT kAnimationPeriod = 30;
// A held scroll button repeats after this delay, then at this period.
const UINT kScrollRepeatDelay = 500;
const UINT kScrollRepeatPeriod = 50;
// A movement takes this many timer ticks.
const int kAnimationSteps = 10;

} // namespace

// ---- layout ----

BOOL CXTPTaskPanel::IsLayoutAllowed() const
{
    return m_hWnd != NULL && m_nLockRedraw == 0;
}

void CXTPTaskPanel::LockRedraw(BOOL bLock)
{
    m_nLockRedraw += bLock ? 1 : -1;
    ASSERT(m_nLockRedraw >= 0);
    if (!bLock && m_nLockRedraw == 0)
        Reposition(TRUE);
}

void CXTPTaskPanel::Reposition(BOOL bAnimate)
{
    if (!IsLayoutAllowed())
        return;
    CArrivalBatch batch(this);
    const CXTPClientRect rcClient(this);
    const CRect rcMargins = m_pPaintManager->GetControlMargins(this);
    const int nSpacing = m_pPaintManager->GetGroupSpacing(this);
    // Every caption and item is measured on this one DC.
    CClientDC dcLayout(this);
    CDC* pOuterLayoutDC = m_pLayoutDC;
    m_pLayoutDC = &dcLayout;
    if (!IsExplorerBehaviour())
        MeasureGroupsBesideOpenOne(rcClient.left + rcMargins.left, rcClient.right - rcMargins.right);

    int y = rcMargins.top;
    for (int i = 0; i < GetGroupCount(); i++)
    {
        CXTPTaskPanelGroup* pGroup = GetAt(i);
        const CRect rcBand(rcClient.left + rcMargins.left, y, rcClient.right - rcMargins.right, y);
        const CRect rcTarget = pGroup->OnReposition(rcBand, bAnimate);
        y = rcTarget.bottom + m_pPaintManager->GetGroupOuterMargins(pGroup).bottom;
        if (i < GetGroupCount() - 1)
            y += nSpacing;
    }
    m_nClientHeight = y + rcMargins.bottom;
    m_pLayoutDC = pOuterLayoutDC;

    RepositionScrollButtons();
    m_nAnimationStep = kAnimationSteps;
    StartOrStopAnimation();
    UpdateScrollBar();
    if (!m_bAnimation)
        AnimateGroups(0);
    // Hosted windows of a group that starts to move hide at once.
    for (int i = 0; i < GetGroupCount(); i++)
        GetAt(i)->OnAnimateItems(m_nAnimationStep);
    Invalidate(FALSE);
}

void CXTPTaskPanel::MeasureGroupsBesideOpenOne(int nLeft, int nRight)
{
    // The open group fills what the others leave: their captions and items
    // are measured first, at the width they are about to take (a caption may
    // wrap), so that it never counts with an old size.
    for (int i = 0; i < GetGroupCount(); i++)
    {
        CXTPTaskPanelGroup* pGroup = GetAt(i);
        const CRect rcOuter = m_pPaintManager->GetGroupOuterMargins(pGroup);
        pGroup->m_rcGroupTarget.left = nLeft + rcOuter.left;
        pGroup->m_rcGroupTarget.right = nRight - rcOuter.right;
        pGroup->m_nCaptionHeight = m_pPaintManager->DrawGroupCaption(m_pLayoutDC, pGroup, FALSE);
        if (pGroup == m_pActiveGroup || pGroup->m_bExpandPending || !IsGroupExpanded(pGroup))
            continue;
        pGroup->m_nClientHeight = pGroup->OnCalcClientHeight();
    }
}

int CXTPTaskPanel::CalcGroupMinClientHeight() const
{
    std::vector<XTPTaskPanelGroupShare> shares;
    for (int i = 0; i < GetGroupCount(); i++)
    {
        CXTPTaskPanelGroup* pGroup = GetAt(i);
        const CRect rcOuter = m_pPaintManager->GetGroupOuterMargins(pGroup);
        const BOOL bOtherOpen = pGroup != m_pActiveGroup && IsGroupExpanded(pGroup);
        shares.push_back({pGroup->m_nCaptionHeight, rcOuter.top, rcOuter.bottom,
                          bOtherOpen ? pGroup->m_nClientHeight : 0});
    }
    const CRect rcMargins = m_pPaintManager->GetControlMargins(const_cast<CXTPTaskPanel*>(this));
    return XTPTaskPanelMinClientHeight(CXTPClientRect(this).Height(), shares,
                                       m_pPaintManager->GetGroupSpacing(const_cast<CXTPTaskPanel*>(this)),
                                       rcMargins.top, rcMargins.bottom);
}

void CXTPTaskPanel::OnSize(UINT nType, int cx, int cy)
{
    Reposition(IsExplorerBehaviour());
    CWnd::OnSize(nType, cx, cy);
}

// ---- opening and closing ----

BOOL CXTPTaskPanel::IsGroupExpanded(const CXTPTaskPanelGroup* pGroup) const
{
    if (IsExplorerBehaviour())
        return pGroup->m_bExpanded;
    return pGroup == m_pActiveGroup || (pGroup->m_bExpanded && !pGroup->m_bExpandable);
}

void CXTPTaskPanel::ExpandGroup(CXTPTaskPanelGroup* pGroup, BOOL bExpanded)
{
    if (pGroup == NULL)
        return;
    if (!IsExplorerBehaviour() && !bExpanded)
    {
        // The open group stays open.
        Reposition(TRUE);
        return;
    }
    // The owner may remove the group while it decides: it stays alive here,
    // and a group that left its collection meanwhile is left alone.
    pGroup->InternalAddRef();
    CXTPTaskPanelItems* pParent = pGroup->GetParentItems();
    TPNGROUPEXPANDING expanding = {pGroup, bExpanded};
    if (NotifyOwner(TPN_GROUPEXPANDING, (LPARAM)&expanding) != -1 && pGroup->GetParentItems() == pParent)
    {
        if (!IsExplorerBehaviour())
            CloseActiveGroupFor(pGroup);
        pGroup->m_bExpanded = bExpanded;
        pGroup->m_bExpandPending = TRUE;
        Reposition(TRUE);
    }
    pGroup->InternalRelease();
}

void CXTPTaskPanel::OnItemsLoaded(CXTPTaskPanelItems* pItems)
{
    if (pItems != m_pGroups)
    {
        RestoreLoadedSelection(pItems);
        return;
    }
    // The owner hears of each group that opens and may change the groups
    // meanwhile: each is held, and one that left the panel is left alone.
    std::vector<CXTPTaskPanelGroup*> loaded;
    std::vector<std::unique_ptr<CXTPHoldReference>> hold;
    for (int i = 0; i < GetGroupCount(); i++)
    {
        loaded.push_back(GetAt(i));
        hold.emplace_back(new CXTPHoldReference(loaded.back()));
    }
    if (IsExplorerBehaviour())
    {
        for (CXTPTaskPanelGroup* pGroup : loaded)
        {
            if (pGroup->GetParentItems() == m_pGroups)
                pGroup->SetExpanded(pGroup->m_bExpanded);
        }
    }
    else if (CXTPTaskPanelGroup* pOpen = LoadedOpenGroup(loaded))
        ExpandGroup(pOpen, TRUE);
    for (CXTPTaskPanelGroup* pGroup : loaded)
    {
        if (pGroup->GetParentItems() == m_pGroups)
            RestoreLoadedSelection(pGroup->GetItems());
    }
}

CXTPTaskPanelGroup* CXTPTaskPanel::LoadedOpenGroup(const std::vector<CXTPTaskPanelGroup*>& loaded)
{
    // One group open at a time: the states were stored as IsExpanded gave
    // them, TRUE for the open group and for the groups that cannot close and
    // show open. Opening each loaded group in turn would let such a group,
    // after the open one, take its place: only the open group is opened,
    // the others keep the state they loaded.
    CXTPTaskPanelGroup* pFirstOpen = NULL;
    for (CXTPTaskPanelGroup* pGroup : loaded)
    {
        if (!pGroup->m_bExpanded)
            continue;
        if (pGroup->m_bExpandable)
            return pGroup;
        if (pFirstOpen == NULL)
            pFirstOpen = pGroup;
    }
    return pFirstOpen;
}

void CXTPTaskPanel::RestoreLoadedSelection(CXTPTaskPanelItems* pItems)
{
    // Only a selection that follows the focus reaches the panel: the item
    // takes the focus.
    if (!m_bSingleSelection)
        return;
    for (int i = 0; i < pItems->GetCount(); i++)
    {
        CXTPTaskPanelGroupItem* pItem = DYNAMIC_DOWNCAST(CXTPTaskPanelGroupItem, pItems->GetAt(i));
        if (pItem != NULL && pItem->m_bSelected)
            pItem->SetItemSelected(TRUE);
    }
}

void CXTPTaskPanel::CloseActiveGroupFor(CXTPTaskPanelGroup* pGroup)
{
    if (m_pActiveGroup != NULL && m_pActiveGroup->IsExpandable())
    {
        m_pActiveGroup->m_bExpanded = FALSE;
        m_pActiveGroup->m_bExpandPending = TRUE;
    }
    SetActiveGroup(pGroup);
}

// ---- animation ----

void CXTPTaskPanel::AnimateGroups(int nStep)
{
    for (int i = 0; i < GetGroupCount(); i++)
        GetAt(i)->OnAnimate(nStep);
}

void CXTPTaskPanel::StartOrStopAnimation()
{
    BOOL bDirty = FALSE;
    for (int i = 0; i < GetGroupCount() && !bDirty; i++)
        bDirty = GetAt(i)->IsDirty();
    if (bDirty && m_nAnimateTimer == 0)
        m_nAnimateTimer = SetTimer(xtpTaskPanelTimerAnimation, kAnimationPeriod);
    else if (!bDirty && m_nAnimateTimer != 0)
    {
        KillTimer(xtpTaskPanelTimerAnimation);
        m_nAnimateTimer = 0;
    }
}

void CXTPTaskPanel::OnAnimationTimer()
{
    CArrivalBatch batch(this);
    BOOL bMoved = FALSE;
    for (int i = 0; i < GetGroupCount(); i++)
    {
        CXTPTaskPanelGroup* pGroup = GetAt(i);
        if (!pGroup->IsDirty())
            continue;
        pGroup->OnAnimate(m_nAnimationStep);
        bMoved = TRUE;
    }
    RepositionScrollButtons();
    // A rename under way ends when the groups move: its edit would stand
    // in the wrong place.
    if (m_pRenameEdit != NULL && ::GetFocus() == m_pRenameEdit->GetSafeHwnd())
        SetFocus();
    Invalidate(FALSE);
    m_nAnimationStep--;
    if (!bMoved && m_nAnimateTimer != 0)
    {
        KillTimer(xtpTaskPanelTimerAnimation);
        m_nAnimateTimer = 0;
    }
}

void CXTPTaskPanel::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == xtpTaskPanelTimerAnimation)
        OnAnimationTimer();
    else if (nIDEvent == xtpTaskPanelTimerDragHover)
        OnDragHoverTimer();
    CWnd::OnTimer(nIDEvent);
}

// ---- the scroll bar ----

void CXTPTaskPanel::UpdateScrollBar()
{
    CArrivalBatch batch(this);
    const CXTPClientRect rcClient(this);
    const BOOL bShow = rcClient.Height() < m_nClientHeight;
    if (bShow != m_bScrollVisible)
    {
        m_bScrollVisible = bShow;
        ShowScrollBar(SB_VERT, bShow);
    }
    if (m_bScrollVisible)
    {
        const int nPage = CXTPClientRect(this).Height();
        SCROLLINFO si = {sizeof(SCROLLINFO), SIF_PAGE | SIF_RANGE, 0, 0, 0, 0, 0};
        GetScrollInfo(SB_VERT, &si, SIF_PAGE | SIF_RANGE);
        if ((int)si.nPage != nPage || si.nMin != 0 || si.nMax != m_nClientHeight - 1)
        {
            si.fMask = SIF_PAGE | SIF_RANGE;
            si.nPage = nPage;
            si.nMin = 0;
            si.nMax = m_nClientHeight - 1;
            SetScrollInfo(SB_VERT, &si, TRUE);
            AnimateGroups(m_nAnimationStep);
        }
    }
    EnableScrollBar(SB_VERT, ESB_ENABLE_BOTH);
}

int CXTPTaskPanel::GetScrollOffset() const
{
    return m_bScrollVisible ? CWnd::GetScrollPos(SB_VERT) : 0;
}

int CXTPTaskPanel::GetScrollLimit() const
{
    return std::max(0, m_nClientHeight - CXTPClientRect(this).Height());
}

void CXTPTaskPanel::ScrollTo(int nPos)
{
    CArrivalBatch batch(this);
    CWnd::SetScrollPos(SB_VERT, nPos, TRUE);
    AnimateGroups(m_nAnimationStep);
    Invalidate(FALSE);
}

void CXTPTaskPanel::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    ScrollTo(XTPTaskPanelScrollRequest(nSBCode, (int)nPos, GetScrollOffset(), CXTPClientRect(this).Height(),
                                       GetScrollLimit()));
    CWnd::OnVScroll(nSBCode, nPos, pScrollBar);
}

BOOL CXTPTaskPanel::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (m_bScrollVisible)
    {
        ScrollTo(XTPTaskPanelWheelScroll(GetScrollOffset(), zDelta, GetScrollLimit()));
    }
    else if (!IsExplorerBehaviour() && m_pActiveGroup != NULL)
    {
        const BOOL bUp = zDelta > 0;
        for (int i = 0; i < 3 && GetScrollButton(bUp)->bEnabled; i++)
            ScrollGroupByRows(m_pActiveGroup, bUp);
        Invalidate(FALSE);
    }
    return CWnd::OnMouseWheel(nFlags, zDelta, pt);
}

void CXTPTaskPanel::EnsureVisible(CXTPTaskPanelItem* pItem)
{
    if (pItem == NULL || m_hWnd == NULL)
        return;
    if (CXTPTaskPanelGroup* pGroup = DYNAMIC_DOWNCAST(CXTPTaskPanelGroup, pItem))
    {
        ScrollIntoView(pGroup->GetCaptionRect());
        return;
    }
    CXTPTaskPanelGroupItem* pGroupItem = DYNAMIC_DOWNCAST(CXTPTaskPanelGroupItem, pItem);
    CXTPTaskPanelGroup* pGroup = pItem->GetItemGroup();
    if (pGroupItem == NULL || pGroup == NULL)
        return;
    if (!pGroup->IsExpanded())
        pGroup->SetExpanded(TRUE);
    if (IsExplorerBehaviour())
    {
        CRect rcItem = pGroupItem->GetItemRect();
        rcItem.OffsetRect(0, pGroup->GetTargetClientRect().top);
        ScrollIntoView(rcItem);
        return;
    }
    CRect rcGroup = pGroup->GetTargetClientRect();
    rcGroup.top -= pGroup->GetCaptionHeight();
    ScrollIntoView(rcGroup);
    pGroup->EnsureVisible(pGroupItem);
}

void CXTPTaskPanel::ScrollIntoView(const CRect& rc)
{
    if (!m_bScrollVisible)
        return;
    const int nPos = std::max(0, std::min(XTPTaskPanelScrollToShow(rc, GetScrollOffset(), CXTPClientRect(this).Height()),
                                          GetScrollLimit()));
    if (nPos != GetScrollOffset())
        ScrollTo(nPos);
}

// ---- the scroll buttons of the open group ----

void CXTPTaskPanel::RepositionScrollButtons()
{
    m_pScrollButtonUp->Reset();
    m_pScrollButtonDown->Reset();
    if (IsExplorerBehaviour() || m_pActiveGroup == NULL)
        return;
    const CXTPClientRect rcClient(this);
    const CRect rcMargins = m_pPaintManager->GetControlMargins(this);
    const int nRight = rcClient.right - rcMargins.right;
    CXTPTaskPanelGroup* pNext = GetAt(m_pActiveGroup->GetIndex() + 1);

    XTPTaskPanelScrollButtonFrame frame;
    frame.bCaptionButtons = m_pPaintManager->IsCaptionScrollButton();
    frame.rcCaption = m_pActiveGroup->GetCaptionRect();
    frame.rcClient = m_pActiveGroup->GetClientRect();
    frame.nCaptionRight = nRight - m_pPaintManager->GetGroupOuterMargins(m_pActiveGroup).right;
    frame.bNextGroup = pNext != NULL;
    frame.rcNextCaption = pNext != NULL ? pNext->GetCaptionRect() : CRect(0, 0, 0, 0);
    frame.nNextCaptionRight = pNext != NULL ? nRight - m_pPaintManager->GetGroupOuterMargins(pNext).right : 0;
    frame.nBottom = std::max((int)rcClient.bottom, m_nClientHeight) - rcMargins.bottom;
    BOOL bDownInNext = FALSE;
    XTPTaskPanelPlaceScrollButtons(frame, m_pScrollButtonUp->rcButton, m_pScrollButtonDown->rcButton, bDownInNext);

    m_pScrollButtonUp->pScrollGroup = m_pScrollButtonDown->pScrollGroup = m_pActiveGroup;
    m_pScrollButtonUp->pCaptionGroup = frame.bCaptionButtons ? m_pActiveGroup : NULL;
    m_pScrollButtonDown->pCaptionGroup = bDownInNext ? pNext : NULL;
    RefreshScrollButtonStates();
}

void CXTPTaskPanel::RefreshScrollButtonStates()
{
    for (CXTPTaskPanelScrollButton* pButton : {m_pScrollButtonUp, m_pScrollButtonDown})
    {
        CXTPTaskPanelGroup* pGroup = pButton->pScrollGroup;
        pButton->bEnabled = pGroup != NULL && pGroup->GetItemCount() > 0
                            && pGroup->IsScrollButtonEnabled(pButton->bScrollUp);
    }
}

CXTPTaskPanelScrollButton* CXTPTaskPanel::HitTestScrollButton(CPoint pt) const
{
    pt.y += GetScrollOffset();
    const BOOL bCaptionButtons = m_pPaintManager->IsCaptionScrollButton();
    for (CXTPTaskPanelScrollButton* pButton : {m_pScrollButtonUp, m_pScrollButtonDown})
    {
        if (pButton->IsVisible(bCaptionButtons) && pButton->rcButton.PtInRect(pt))
            return pButton;
    }
    return NULL;
}

void CXTPTaskPanel::ScrollGroupByRows(CXTPTaskPanelGroup* pGroup, BOOL bUp)
{
    const int nRow = pGroup->GetItemsInRow();
    pGroup->Scroll(bUp ? -nRow : nRow);
}

void CXTPTaskPanel::TrackScrollButton(CXTPTaskPanelScrollButton* pButton)
{
    CXTPTaskPanelGroup* pGroup = pButton->pScrollGroup;
    pButton->bPressed = TRUE;
    ScrollGroupByRows(pGroup, pButton->bScrollUp);
    Invalidate(FALSE);
    SetTimer(xtpTaskPanelTimerScrollButton, kScrollRepeatDelay);
    BOOL bFirstTick = TRUE;
    CXTPCaptureLoop loop(m_hWnd, CXTPCaptureLoop::captureMouse | CXTPCaptureLoop::endOnEscape);
    loop.Run(
        [&](MSG& msg) {
            if (msg.message == WM_TIMER && msg.hwnd == m_hWnd && msg.wParam == xtpTaskPanelTimerScrollButton)
            {
                // The group may have left the panel meanwhile.
                if (pButton->pScrollGroup == pGroup)
                    ScrollGroupByRows(pGroup, pButton->bScrollUp);
                Invalidate(FALSE);
                if (bFirstTick)
                    SetTimer(xtpTaskPanelTimerScrollButton, kScrollRepeatPeriod);
                bFirstTick = FALSE;
                return CXTPCaptureLoop::handled;
            }
            if (msg.message == WM_LBUTTONUP)
                return CXTPCaptureLoop::finish;
            if (msg.message == WM_MOUSEMOVE || msg.message == WM_KEYDOWN)
                return CXTPCaptureLoop::handled;
            return CXTPCaptureLoop::dispatch;
        },
        [&] { return pButton->bEnabled && pButton->pScrollGroup == pGroup; });
    KillTimer(xtpTaskPanelTimerScrollButton);
    pButton->bPressed = FALSE;
    Invalidate(FALSE);
}

void CXTPTaskPanel::UpdateScrollButtonsHot(CPoint pt)
{
    CXTPTaskPanelScrollButton* pHot = pt == CPoint(-1, -1) ? NULL : HitTestScrollButton(pt);
    BOOL bChanged = FALSE;
    for (CXTPTaskPanelScrollButton* pButton : {m_pScrollButtonUp, m_pScrollButtonDown})
    {
        const BOOL bHot = pButton == pHot;
        if (pButton->bHot == bHot)
            continue;
        pButton->bHot = bHot;
        bChanged = TRUE;
    }
    if (!bChanged)
        return;
    Invalidate(FALSE);
    if (pHot != NULL)
        TrackMouseLeave();
}
