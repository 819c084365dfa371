// The task panel's window: creation, groups, look, images, the items it
// remembers, notifications and painting. Layout and scrolling are in
// XTPTaskPanelScrolling.cpp, mouse and keyboard in XTPTaskPanelInput.cpp.
#include "toolkit/taskpanel/XTPTaskPanel.h"
#include "toolkit/taskpanel/XTPTaskPanelDropTarget.h"
#include "toolkit/taskpanel/XTPTaskPanelEditItem.h"
#include "toolkit/taskpanel/XTPTaskPanelResource.h"

#include "framework/Window.h"
#include "toolkit/commandbars/XTPHoldReference.h"
#include "toolkit/foundation/XTPBufferDC.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPResourceManager.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"
#include "toolkit/foundation/XTPWindowRect.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelThemes.h"

IMPLEMENT_DYNAMIC(CXTPTaskPanel, CWnd)

BEGIN_MESSAGE_MAP(CXTPTaskPanel, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_PRINT, OnPrint)
    ON_WM_SIZE()
    ON_WM_VSCROLL()
    ON_WM_TIMER()
    ON_WM_MOUSEWHEEL()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_SETCURSOR()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_CAPTURECHANGED()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// The cursor resource of a hand, for systems without IDC_HAND.
const UINT kHandCursorResource = XTP_IDC_TASKPANEL_HAND;
// How far an insertion mark reaches above or below its group.
const int kMarkReach = 4;

} // namespace

CXTPTaskPanel::CXTPTaskPanel()
    : m_pPaintManager(NULL), m_nTheme(xtpTaskPanelThemeShellStyle), m_nLockRedraw(0), m_nClientHeight(0),
      m_rcMargins(XTPUnsetRect), m_nGroupSpacing((int)0x80000000), m_bScrollVisible(FALSE), m_pItemHot(NULL),
      m_pItemFocused(NULL), m_pItemPressed(NULL), m_pItemDragging(NULL), m_pItemDragOver(NULL),
      m_bAnimation(TRUE), m_nAnimationMode(0), m_nAnimateTimer(0), m_nAnimationStep(10), m_pImageManager(NULL),
      m_bExpandable(TRUE), m_bFocusRectAllowed(TRUE), m_bDrawFocusRect(FALSE), m_szItemIcon(16, 16),
      m_szGroupIcon(32, 32), m_bSelectItemOnFocus(FALSE), m_ptPressed(0, 0), m_nAllowDrag(0), m_bAllowDrop(TRUE),
      m_nItemLayout(xtpTaskItemLayoutDefault), m_nHotTrackStyle(xtpTaskPanelHighlightDefault),
      m_nBehaviour(xtpTaskPanelBehaviourExplorer), m_pActiveGroup(NULL), m_pDropTarget(NULL),
      m_bHoverTimerArmed(FALSE), m_bOleInitialized(FALSE),
      m_pScrollButtonDown(NULL), m_pScrollButtonUp(NULL), m_bSingleSelection(FALSE), m_nArrivalBatches(0),
      m_pLayoutDC(NULL), m_pRenameEdit(NULL)
{
    // S_FALSE (already initialised) counts too and is balanced the same way.
    m_bOleInitialized = SUCCEEDED(::OleInitialize(NULL));
    m_pGroups = new CXTPTaskPanelGroups(this);
    m_pGroups->SetOwner(this);
    m_pImageManager = new CXTPImageManager;
    m_pDropTarget = new CXTPTaskPanelDropTarget;
    m_pScrollButtonDown = new CXTPTaskPanelScrollButton(FALSE);
    m_pScrollButtonUp = new CXTPTaskPanelScrollButton(TRUE);
    m_hHandCursor = ::LoadCursor(NULL, IDC_HAND);
    if (m_hHandCursor == NULL)
        m_hHandCursor = XTPLoadCursor(kHandCursorResource);
    SetAnimation(0);
    SetTheme(xtpTaskPanelThemeShellStyle);
}

CXTPTaskPanel::~CXTPTaskPanel()
{
    if (m_hWnd != NULL)
        DestroyWindow();
    Remember(m_pItemHot, NULL);
    Remember(m_pItemFocused, NULL);
    Remember(m_pItemDragging, NULL);
    SetActiveGroup(NULL);
    ForgetArrivedGroups();
    // Groups that someone else still holds must not reach the panel later:
    // they (and their items) leave it before the collection lets them go.
    m_pGroups->SetTaskPanel(NULL);
    m_pGroups->Clear(FALSE);
    m_pGroups->InternalRelease();
    if (m_pImageManager != NULL)
        m_pImageManager->InternalRelease();
    delete m_pPaintManager;
    delete m_pDropTarget;
    delete m_pScrollButtonDown;
    delete m_pScrollButtonUp;
    if (m_bOleInitialized)
        ::OleUninitialize();
}

BOOL CXTPTaskPanel::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), NULL, NULL);
    if (!CWnd::Create(lpszClass, NULL, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    m_pDropTarget->Register(this);
    EnableToolTips(TRUE);
    Reposition(FALSE);
    return TRUE;
}

void CXTPTaskPanel::OnDestroy()
{
    // The registration is revoked while the window still exists: revoked
    // after it, the system kept it (a handle per panel ever made).
    m_pDropTarget->Revoke();
    CWnd::OnDestroy();
}

// ---- groups ----

CXTPTaskPanelGroup* CXTPTaskPanel::AddGroup(UINT nID, int nIconIndex)
{
    CXTPTaskPanelGroup* pGroup = new CXTPTaskPanelGroup(this);
    m_pGroups->Add(pGroup, nID);
    pGroup->SetIconIndex(nIconIndex);
    return pGroup;
}

CXTPTaskPanelGroup* CXTPTaskPanel::FindGroup(UINT nID) const
{
    return DYNAMIC_DOWNCAST(CXTPTaskPanelGroup, m_pGroups->Find(nID));
}

CXTPTaskPanelGroup* CXTPTaskPanel::GetAt(int nIndex) const
{
    return DYNAMIC_DOWNCAST(CXTPTaskPanelGroup, m_pGroups->GetAt(nIndex));
}

// ---- look ----

void CXTPTaskPanel::SetTheme(int nTheme)
{
    delete m_pPaintManager;
    // Any id outside 0 to 12 makes the default painter; the id is kept as given.
    m_pPaintManager = XTPTaskPanelCreatePainter(nTheme);
    m_nTheme = nTheme;
    Reposition(TRUE);
}

void CXTPTaskPanel::SetCustomTheme(CXTPTaskPanelPainter* pPainter)
{
    ASSERT(pPainter != NULL);
    // The current painter given again stays: the panel already owns it.
    if (pPainter != m_pPaintManager)
        delete m_pPaintManager;
    m_pPaintManager = pPainter;
    m_nTheme = xtpTaskPanelThemeCustom;
    Reposition(TRUE);
}

void CXTPTaskPanel::SetAnimation(int nMode)
{
    m_nAnimationMode = nMode;
    if (nMode == 0)
        m_bAnimation = TRUE;
    else if (nMode == 1)
        m_bAnimation = FALSE;
    else
        ReadSystemAnimation();
}

void CXTPTaskPanel::ReadSystemAnimation()
{
    BOOL bAnimation = FALSE;
    ::SystemParametersInfo(SPI_GETMENUANIMATION, 0, &bAnimation, 0);
    m_bAnimation = bAnimation;
}

void CXTPTaskPanel::SetBehaviour(int nBehaviour)
{
    m_nBehaviour = nBehaviour;
    Reposition(TRUE);
}

void CXTPTaskPanel::SetItemLayout(int nLayout)
{
    m_nItemLayout = nLayout;
    Reposition(TRUE);
}

int CXTPTaskPanel::GetItemLayout() const
{
    if (m_nItemLayout != xtpTaskItemLayoutDefault)
        return m_nItemLayout;
    return m_nBehaviour == xtpTaskPanelBehaviourList ? xtpTaskItemLayoutImagesWithTextBelow
                                                      : xtpTaskItemLayoutImagesWithText;
}

void CXTPTaskPanel::SetHotTrackStyle(int nStyle)
{
    m_nHotTrackStyle = nStyle;
    Reposition(TRUE);
}

int CXTPTaskPanel::GetHotTrackStyle() const
{
    if (m_nHotTrackStyle != xtpTaskPanelHighlightDefault)
        return m_nHotTrackStyle;
    if (m_nBehaviour == xtpTaskPanelBehaviourExplorer)
        return xtpTaskPanelHighlightText;
    return m_nBehaviour == xtpTaskPanelBehaviourToolbox ? xtpTaskPanelHighlightItem : xtpTaskPanelHighlightImage;
}

void CXTPTaskPanel::SetMargins(int nLeft, int nTop, int nRight, int nBottom, int nGroupSpacing)
{
    m_rcMargins.SetRect(nLeft, nTop, nRight, nBottom);
    m_nGroupSpacing = nGroupSpacing;
    Reposition(TRUE);
}

// ---- images ----

void CXTPTaskPanel::SetImageManager(CXTPImageManager* pImageManager)
{
    if (pImageManager == m_pImageManager)
        return;
    if (m_pImageManager != NULL)
        m_pImageManager->InternalRelease();
    m_pImageManager = pImageManager;
    Reposition(TRUE);
}

CXTPImageManager* CXTPTaskPanel::GetImageManager() const
{
    return m_pImageManager != NULL ? m_pImageManager : XTPImageManager();
}

void CXTPTaskPanel::SetImageList(CImageList* pImageList, CSize szIcon)
{
    if (pImageList != NULL)
        GetImageManager()->SetIcons(*pImageList, NULL, pImageList->GetImageCount(), szIcon, xtpImageNormal);
    m_szItemIcon = szIcon;
    Reposition(TRUE);
}

void CXTPTaskPanel::SetGroupImageList(CImageList* pImageList, CSize szIcon)
{
    if (pImageList != NULL)
        GetImageManager()->SetIcons(*pImageList, NULL, pImageList->GetImageCount(), szIcon, xtpImageNormal);
    m_szGroupIcon = szIcon;
    Reposition(TRUE);
}

// ---- remembered items ----

void CXTPTaskPanel::Remember(CXTPTaskPanelItem*& pField, CXTPTaskPanelItem* pItem)
{
    if (pItem != NULL)
        pItem->InternalAddRef();
    CXTPTaskPanelItem* pOld = pField;
    pField = pItem;
    if (pOld != NULL)
        pOld->InternalRelease();
}

void CXTPTaskPanel::SetActiveGroup(CXTPTaskPanelGroup* pGroup)
{
    CXTPTaskPanelItem* pActive = m_pActiveGroup;
    Remember(pActive, pGroup);
    m_pActiveGroup = pGroup;
}

BOOL CXTPTaskPanel::IsGoneWith(const CXTPTaskPanelItem* pItem, const CXTPTaskPanelItem* pRemoved)
{
    if (pItem == NULL)
        return FALSE;
    return pItem == pRemoved || (pRemoved->IsGroup() && pItem->GetItemGroup() == pRemoved);
}

void CXTPTaskPanel::OnItemRemoved(CXTPTaskPanelItem* pItem)
{
    if (IsGoneWith(m_pItemHot, pItem))
        Remember(m_pItemHot, NULL);
    if (IsGoneWith(m_pItemFocused, pItem))
        Remember(m_pItemFocused, NULL);
    if (IsGoneWith(m_pActiveGroup, pItem))
        SetActiveGroup(NULL);
    if (IsGoneWith(m_pItemPressed, pItem))
        m_pItemPressed = NULL;
    if (IsGoneWith(m_pItemDragging, pItem))
        Remember(m_pItemDragging, NULL);
    if (m_pRenameEdit != NULL && IsGoneWith(m_pRenameEdit->GetItem(), pItem))
        m_pRenameEdit->Cancel();
    if (IsGoneWith(m_pItemDragOver, pItem))
        m_pItemDragOver = NULL;
    for (CXTPTaskPanelScrollButton* pButton : {m_pScrollButtonUp, m_pScrollButtonDown})
    {
        if (pButton->pScrollGroup == pItem || pButton->pCaptionGroup == pItem)
            pButton->Reset();
    }
}

void CXTPTaskPanel::SetHotItem(CXTPTaskPanelItem* pItem)
{
    if (pItem == m_pItemHot)
        return;
    Remember(m_pItemHot, pItem);
    if (m_hWnd == NULL)
        return;
    if (pItem != NULL)
        TrackMouseLeave();
    Invalidate(FALSE);
}

void CXTPTaskPanel::SetFocusedItem(CXTPTaskPanelItem* pItem, BOOL bDrawFocusRect)
{
    if (pItem == m_pItemFocused)
    {
        if (m_hWnd != NULL)
            SetFocus();
        return;
    }
    if (m_bSelectItemOnFocus && pItem != NULL && pItem->GetType() == xtpTaskItemTypeLink && !m_bSingleSelection)
    {
        if (CXTPTaskPanelGroup* pGroup = pItem->GetItemGroup())
            pGroup->SetSelectedItem(pItem);
    }
    Remember(m_pItemFocused, pItem);
    if (bDrawFocusRect)
        m_bDrawFocusRect = m_bFocusRectAllowed;
    if (m_hWnd == NULL)
        return;
    EnsureVisible(pItem);
    SetFocus();
    Invalidate(FALSE);
    NotifyOwner(TPN_FOCUSEDITEMCHANGED, 0);
}

BOOL CXTPTaskPanel::IsDrawFocusRect() const
{
    return m_bDrawFocusRect && m_hWnd != NULL && ::GetFocus() == m_hWnd;
}

// ---- notifications ----

LRESULT CXTPTaskPanel::NotifyOwner(WPARAM wParam, LPARAM lParam)
{
    if (m_hWnd == NULL)
        return 0;
    CWnd* pOwner = GetOwner();
    return pOwner != NULL ? pOwner->SendMessage(WM_TASKPANEL_NOTIFY, wParam, lParam) : 0;
}

LRESULT CXTPTaskPanel::NotifyItem(UINT nCode, CXTPTaskPanelItem* pItem, LPARAM lParam)
{
    CXTPHoldReference hold(pItem);
    return NotifyOwner(nCode, lParam);
}

void CXTPTaskPanel::OnClick(CXTPTaskPanelItem* pItem)
{
    NotifyItem(TPN_CLICK, pItem, (LPARAM)pItem);
}

void CXTPTaskPanel::OnGroupArrived(CXTPTaskPanelGroup* pGroup)
{
    pGroup->InternalAddRef();
    m_arrArrivedGroups.push_back(pGroup);
    if (m_nArrivalBatches == 0)
        NotifyArrivedGroups();
}

CXTPTaskPanel::CArrivalBatch::CArrivalBatch(CXTPTaskPanel* pPanel) : m_pPanel(pPanel)
{
    m_pPanel->m_nArrivalBatches++;
}

CXTPTaskPanel::CArrivalBatch::~CArrivalBatch()
{
    // The owner may change the groups when told: never in the middle of a
    // layout or an animation tick that walks them.
    if (--m_pPanel->m_nArrivalBatches == 0)
        m_pPanel->NotifyArrivedGroups();
}

void CXTPTaskPanel::NotifyArrivedGroups()
{
    // Each group is held until its owner returns, and one that left the
    // panel meanwhile is not reported.
    while (!m_arrArrivedGroups.empty())
    {
        CXTPTaskPanelGroup* pGroup = m_arrArrivedGroups.front();
        m_arrArrivedGroups.erase(m_arrArrivedGroups.begin());
        if (pGroup->GetParentItems() == m_pGroups)
            NotifyOwner(TPN_GROUPEXPANDED, (LPARAM)pGroup);
        pGroup->InternalRelease();
    }
}

void CXTPTaskPanel::ForgetArrivedGroups()
{
    for (CXTPTaskPanelGroup* pGroup : m_arrArrivedGroups)
        pGroup->InternalRelease();
    m_arrArrivedGroups.clear();
}

// ---- painting ----

void CXTPTaskPanel::OnDraw(CDC* pDC)
{
    m_pPaintManager->FillTaskPanel(pDC, this);
    CRect rcClip;
    pDC->GetClipBox(&rcClip);
    for (int i = 0; i < GetGroupCount(); i++)
    {
        CXTPTaskPanelGroup* pGroup = GetAt(i);
        if (pGroup == NULL)
            continue;
        // Only what the update region reaches is drawn; insertion marks
        // reach a few pixels past a group.
        CRect rcGroup = pGroup->GetCurrentRect();
        rcGroup.InflateRect(0, kMarkReach);
        if (CRect().IntersectRect(rcGroup, rcClip))
            pGroup->OnPaint(pDC);
    }
    m_pPaintManager->DrawScrollButton(pDC, m_pScrollButtonUp);
    m_pPaintManager->DrawScrollButton(pDC, m_pScrollButtonDown);
}

void CXTPTaskPanel::OnPaint()
{
    CPaintDC dc(this);
    const CXTPClientRect rcClient(this);
    CXTPBufferDC buffer(dc, rcClient);
    buffer.SetWindowOrg(0, GetScrollOffset());
    OnDraw(&buffer);
    // The buffer copies itself back in device coordinates.
    buffer.SetWindowOrg(0, 0);
}

BOOL CXTPTaskPanel::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

LRESULT CXTPTaskPanel::OnPrint(WPARAM wParam, LPARAM lParam)
{
    CDC* pDC = CDC::FromHandle((HDC)wParam);
    const CPoint ptOrigin = pDC->OffsetViewportOrg(0, -GetScrollOffset());
    OnDraw(pDC);
    pDC->SetViewportOrg(ptOrigin);
    if (lParam & PRF_CHILDREN)
    {
        for (CWnd* pChild = GetWindow(GW_CHILD); pChild != NULL; pChild = pChild->GetWindow(GW_HWNDNEXT))
        {
            if (pChild->IsWindowVisible())
                PrintChild(pDC, pChild, lParam);
        }
    }
    return 1;
}

void CXTPTaskPanel::PrintChild(CDC* pDC, CWnd* pChild, LPARAM lFlags)
{
    // Standard controls clip what they print to their client rectangle in
    // device coordinates, so a viewport origin moved to their place would
    // clip them away: each prints into a picture of its own, laid over what
    // the panel drew there, which then goes to its place.
    const CRect rcChild = RectInClient(pChild);
    CDC dcChild;
    CBitmap bmpChild;
    if (!dcChild.CreateCompatibleDC(pDC) || !bmpChild.CreateCompatibleBitmap(pDC, rcChild.Width(), rcChild.Height()))
        return;
    CBitmap* pOld = dcChild.SelectObject(&bmpChild);
    dcChild.BitBlt(0, 0, rcChild.Width(), rcChild.Height(), pDC, rcChild.left, rcChild.top, SRCCOPY);
    pChild->SendMessage(WM_PRINT, (WPARAM)dcChild.GetSafeHdc(), lFlags);
    pDC->BitBlt(rcChild.left, rcChild.top, rcChild.Width(), rcChild.Height(), &dcChild, 0, 0, SRCCOPY);
    dcChild.SelectObject(pOld);
}

CRect CXTPTaskPanel::RectInClient(CWnd* pChild) const
{
    CRect rc;
    pChild->GetWindowRect(&rc);
    ScreenToClient(&rc);
    return rc;
}

// ---- system changes ----

void CXTPTaskPanel::OnSysColorChange()
{
    m_pPaintManager->RefreshMetrics();
    Reposition(TRUE);
    CWnd::OnSysColorChange();
}

void CXTPTaskPanel::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);
    if (m_nAnimationMode == 2)
        ReadSystemAnimation();
    m_pPaintManager->RefreshMetrics();
    Reposition(TRUE);
}
