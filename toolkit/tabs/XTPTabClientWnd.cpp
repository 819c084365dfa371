// The tab client's life (attaching, detaching), its groups and tabs, the
// item refresh that keeps one tab per visible MDI child, the theme it
// follows and the tab-group commands.
#include "toolkit/tabs/XTPTabClientWnd.h"

#include "toolkit/tabs/XTPTabWorkspaceWnd.h"
#include "toolkit/tabs/XTPTabsResource.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"
#include "toolkit/tabs/themes/XTPTabStripShape.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPResourceManager.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTPTabClientWnd, CXTPTabClientInterface)

BEGIN_MESSAGE_MAP(CXTPTabClientWnd, CXTPTabClientInterface)
    ON_MESSAGE(WM_MDIACTIVATE, OnMDIActivate)
    ON_MESSAGE(WM_MDICREATE, OnMDICreate)
    ON_MESSAGE(WM_MDIDESTROY, OnMDIDestroy)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCACTIVATE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_SETCURSOR()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_NCDESTROY()
    ON_COMMAND_RANGE(XTP_ID_WORKSPACE_MOVEPREVIOUS, XTP_ID_WORKSPACE_NEWVERTICAL, OnWorkspaceCommand)
    ON_UPDATE_COMMAND_UI_RANGE(XTP_ID_WORKSPACE_MOVEPREVIOUS, XTP_ID_WORKSPACE_NEWVERTICAL,
                               OnUpdateWorkspaceCommand)
END_MESSAGE_MAP()

namespace {

// The mask colour of the workspace commands' images.
const COLORREF kIconMask = RGB(0, 255, 0);

// Gives the images of the new-group commands to the image manager.
void AddWorkspaceIcons()
{
    CBitmap bitmap;
    if (!XTPResourceManager()->LoadBitmap(&bitmap, XTP_IDB_WORKSPACE_ICONS))
        return;
    CImageList images;
    images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 1);
    images.Add(&bitmap, kIconMask);
    UINT ids[] = {XTP_ID_WORKSPACE_NEWHORIZONTAL, XTP_ID_WORKSPACE_NEWVERTICAL};
    XTPImageManager()->SetIcons(images, ids, 2, CSize(16, 16));
}

} // namespace

CXTPTabClientWnd::CXTPTabClientWnd()
    : m_dropTarget(this), m_painterListener(this), m_pFrame(NULL), m_bLayoutPending(FALSE), m_bRefreshLock(FALSE),
      m_bMouseLock(FALSE), m_pPainter(new CXTPTabStripPainter), m_nThemeInUse(xtpThemeOffice2000), m_bFollowTheme(TRUE),
      m_pActiveWorkspace(NULL), m_bGroupsStacked(TRUE),
      m_hcurSplitColumn(XTPLoadCursor(XTP_IDC_SPLITTER_COLUMN)),
      m_hcurSplitRow(XTPLoadCursor(XTP_IDC_SPLITTER_ROW)),
      m_hcurDragIn(XTPLoadCursor(XTP_IDC_WORKSPACE_DRAGIN)),
      m_hcurDragOut(XTPLoadCursor(XTP_IDC_WORKSPACE_DRAGOUT)), m_bThemedBackground(TRUE), m_bGrouping(FALSE),
      m_dwButtonFlags(0), m_bAllowReorder(TRUE), m_bShowTabs(TRUE), m_bToolTips(FALSE), m_bRefreshGuard(FALSE),
      m_rcDrop(0, 0, 0, 0), m_pDropWorkspace(NULL), m_bMouseMark(FALSE), m_nDropMode(xtpTabDropNone),
      m_rcLastDrag(0, 0, 0, 0), m_szLastDragFrame(0, 0), m_pScreenDC(NULL), m_bLockedUpdates(FALSE)
{
    m_pPainter->m_bBoldSelected = TRUE;
    AddWorkspaceIcons();
}

CXTPTabClientWnd::~CXTPTabClientWnd()
{
    Detach();
    DeleteWorkspaces();
    delete m_pPainter;
}

// ---- Attaching -------------------------------------------------------------------------------------

BOOL CXTPTabClientWnd::Attach(CMDIFrameWnd* pFrame, BOOL bGrouping)
{
    if (m_pFrame != NULL || pFrame == NULL || !pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) ||
        pFrame->m_hWndMDIClient == NULL)
        return FALSE;
    if (!SubclassWindow(pFrame->m_hWndMDIClient))
        return FALSE;
    // The mode is taken only by an attach that succeeds: a second attach
    // must not change the mode of the client that stands.
    m_bGrouping = bGrouping;
    m_pFrame = pFrame;
    ApplyToolTips();
    RefreshTheme();
    m_pPainter->RefreshMetrics();
    SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pFrame->RecalcLayout(TRUE);
    RefreshItems();
    return TRUE;
}

BOOL CXTPTabClientWnd::Detach()
{
    if (m_pFrame == NULL)
        return FALSE;
    m_dropTarget.Revoke();
    DeleteWorkspaces();
    const HWND hClient = UnsubclassWindow();
    RestoreChildFrames(hClient);
    // The border of grouping mode goes with the subclass.
    ::SetWindowPos(hClient, NULL, 0, 0, 0, 0,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
    if (::IsWindow(m_pFrame->m_hWnd))
        m_pFrame->RecalcLayout(TRUE);
    m_pFrame = NULL;
    return TRUE;
}

void CXTPTabClientWnd::RestoreChildFrames(HWND hClient)
{
    for (const auto& stripped : m_mapStrippedStyles)
    {
        const HWND hChild = stripped.first;
        if (!::IsWindow(hChild) || ::GetParent(hChild) != hClient)
            continue;
        CWnd::ModifyStyle(hChild, 0, stripped.second.first, 0);
        CWnd::ModifyStyleEx(hChild, 0, stripped.second.second, 0);
        ::SetWindowPos(hChild, NULL, 0, 0, 0, 0,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
    }
    m_mapStrippedStyles.clear();
}

void CXTPTabClientWnd::OnNcDestroy()
{
    m_mapStrippedStyles.clear();
    // The frame goes: nothing of it may be used any more.
    m_dropTarget.Revoke();
    DeleteWorkspaces();
    m_pFrame = NULL;
    CXTPTabClientInterface::OnNcDestroy();
}

void CXTPTabClientWnd::DeleteWorkspaces()
{
    std::vector<CXTPTabWorkspace*> arrWorkspaces;
    arrWorkspaces.swap(m_arrWorkspaces);
    m_pActiveWorkspace = NULL;
    m_pDropWorkspace = NULL;
    for (CXTPTabWorkspace* pWorkspace : arrWorkspaces)
        delete pWorkspace;
}

// ---- Settings --------------------------------------------------------------------------------------

void CXTPTabClientWnd::ShowTabs(BOOL bShow)
{
    if (m_bGrouping)
        return;
    m_bShowTabs = bShow;
    for (CXTPTabWorkspace* pWorkspace : m_arrWorkspaces)
    {
        CWnd* pWindow = pWorkspace->GetHostWindow();
        if (pWindow != this && pWindow->GetSafeHwnd() != NULL)
            pWindow->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    }
    RecalcFrameLayout();
}

BOOL CXTPTabClientWnd::EnableToolTips(BOOL bEnable)
{
    m_bToolTips = bEnable;
    ApplyToolTips();
    return TRUE;
}

void CXTPTabClientWnd::ApplyToolTips()
{
    // Not only the group windows made from now on take the setting: the
    // setting would otherwise change nothing, while answering TRUE, for as
    // long as the tabs that stand now do. So does the client attached after
    // the call.
    CWnd::EnableToolTips(m_bGrouping && m_bToolTips);
    for (CXTPTabWorkspace* pWorkspace : m_arrWorkspaces)
    {
        CWnd* pWindow = pWorkspace->GetHostWindow();
        if (pWindow != this && pWindow->GetSafeHwnd() != NULL)
            pWindow->EnableToolTips(m_bToolTips);
    }
}

void CXTPTabClientWnd::SetButtonFlags(DWORD dwFlags)
{
    m_dwButtonFlags = dwFlags;
    for (CXTPTabWorkspace* pWorkspace : m_arrWorkspaces)
        ApplyButtonFlags(pWorkspace);
    m_painterListener.RecalcHostLayout();
}

void CXTPTabClientWnd::ApplyButtonFlags(CXTPTabWorkspace* pWorkspace)
{
    const int nScrollMode =
        (m_dwButtonFlags & xtpTabClientScrollWhenNeeded) ? xtpTabButtonWhenNeeded : xtpTabButtonAlways;
    pWorkspace->FindButton(xtpTabButtonScrollBack)->SetShowMode(nScrollMode);
    pWorkspace->FindButton(xtpTabButtonScrollForward)->SetShowMode(nScrollMode);
    pWorkspace->FindButton(xtpTabButtonClose)
        ->SetShowMode((m_dwButtonFlags & xtpTabClientNoCloseButton) ? xtpTabButtonHidden : xtpTabButtonAlways);
}

void CXTPTabClientWnd::SetPainter(CXTPTabStripPainter* pPainter)
{
    ASSERT(pPainter != NULL);
    if (pPainter != m_pPainter)
        delete m_pPainter;
    m_pPainter = pPainter;
    m_pPainter->RefreshMetrics();
    m_nThemeInUse = xtpThemeCustom;
    m_bFollowTheme = FALSE;
    UpdateContents(TRUE);
}

void CXTPTabClientWnd::SetThemedBackground(BOOL bThemed)
{
    m_bThemedBackground = bThemed;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CXTPTabClientWnd::RecalcFrameLayout()
{
    if (m_pFrame != NULL && ::IsWindow(m_pFrame->m_hWnd))
        m_pFrame->RecalcLayout(TRUE);
}

void CXTPTabClientWnd::FlushLayout()
{
    if (m_bLayoutPending && !m_bRefreshLock)
    {
        m_bLayoutPending = FALSE;
        RecalcFrameLayout();
    }
}

// ---- Tabs and groups --------------------------------------------------------------------------------

CXTPTabStripItem* CXTPTabClientWnd::GetActiveItem() const
{
    return m_pActiveWorkspace != NULL ? m_pActiveWorkspace->GetSelectedItem() : NULL;
}

int CXTPTabClientWnd::GetItemCount() const
{
    int nCount = 0;
    for (CXTPTabWorkspace* pWorkspace : m_arrWorkspaces)
        nCount += pWorkspace->GetItemCount();
    return nCount;
}

CXTPTabStripItem* CXTPTabClientWnd::GetItem(int nIndex) const
{
    for (CXTPTabWorkspace* pWorkspace : m_arrWorkspaces)
    {
        if (nIndex >= 0 && nIndex < pWorkspace->GetItemCount())
            return pWorkspace->GetItem(nIndex);
        nIndex -= pWorkspace->GetItemCount();
    }
    return NULL;
}

CXTPTabWorkspace* CXTPTabClientWnd::GetWorkspace(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetWorkspaceCount() ? m_arrWorkspaces[nIndex] : NULL;
}

int CXTPTabClientWnd::FindWorkspaceIndex(const CXTPTabWorkspace* pWorkspace) const
{
    auto it = std::find(m_arrWorkspaces.begin(), m_arrWorkspaces.end(), pWorkspace);
    return it != m_arrWorkspaces.end() ? (int)(it - m_arrWorkspaces.begin()) : -1;
}

CXTPTabStripItem* CXTPTabClientWnd::FindItem(HWND hWnd) const
{
    for (CXTPTabWorkspace* pWorkspace : m_arrWorkspaces)
        if (CXTPTabStripItem* pItem = pWorkspace->FindItem(hWnd))
            return pItem;
    return NULL;
}

CXTPTabWorkspace* CXTPTabClientWnd::GroupOfItem(const CXTPTabStripItem* pItem) const
{
    for (CXTPTabWorkspace* pWorkspace : m_arrWorkspaces)
        if (pItem != NULL && pWorkspace->HasItem(pItem))
            return pWorkspace;
    return NULL;
}

void CXTPTabClientWnd::EnsureItemVisible(CXTPTabStripItem* pItem)
{
    CXTPTabWorkspace* pWorkspace = GroupOfItem(pItem);
    if (pWorkspace != NULL)
        m_pPainter->EnsureVisible(pWorkspace, pItem);
}

CXTPTabStripItem* CXTPTabClientWnd::HitTest(CPoint point) const
{
    if (!m_bShowTabs)
        return NULL;
    for (CXTPTabWorkspace* pWorkspace : m_arrWorkspaces)
        if (CXTPTabStripItem* pItem = pWorkspace->HitTest(point))
            return pItem;
    return NULL;
}

void CXTPTabClientWnd::SetActiveWorkspace(CXTPTabWorkspace* pWorkspace)
{
    if (pWorkspace == m_pActiveWorkspace)
        return;
    if (m_pActiveWorkspace != NULL)
        m_pActiveWorkspace->SetActive(FALSE);
    m_pActiveWorkspace = pWorkspace;
    if (pWorkspace != NULL)
        pWorkspace->SetActive(TRUE);
}

HWND CXTPTabClientWnd::GetActiveChild() const
{
    return m_hWnd != NULL ? (HWND)::SendMessageA(m_hWnd, WM_MDIGETACTIVE, 0, 0) : NULL;
}

CXTPTabWorkspace* CXTPTabClientWnd::AddWorkspace(int nIndex)
{
    m_dropTarget.Revoke();
    CXTPTabWorkspace* pWorkspace;
    if (m_bGrouping)
    {
        pWorkspace = new CXTPTabWorkspace;
        m_dropTarget.Register(this);
    }
    else
    {
        CXTPTabWorkspaceWnd* pWindow = new CXTPTabWorkspaceWnd;
        pWindow->SetTabClient(this);
        if (!pWindow->Create(m_pFrame))
        {
            delete pWindow;
            return NULL;
        }
        pWindow->EnableToolTips(m_bToolTips);
        m_dropTarget.Register(pWindow);
        pWorkspace = pWindow;
    }
    pWorkspace->SetTabClient(this);
    if (nIndex < 0 || nIndex > GetWorkspaceCount())
        nIndex = GetWorkspaceCount();
    m_arrWorkspaces.insert(m_arrWorkspaces.begin() + nIndex, pWorkspace);
    pWorkspace->SetActive(FALSE);
    pWorkspace->SetTabSizes(70, 18, 0, 0, 220, 0);
    ApplyButtonFlags(pWorkspace);
    m_bLayoutPending = TRUE;
    return pWorkspace;
}

void CXTPTabClientWnd::RemoveWorkspace(CXTPTabWorkspace* pWorkspace)
{
    const int nIndex = FindWorkspaceIndex(pWorkspace);
    if (nIndex < 0)
        return;
    if (m_pActiveWorkspace == pWorkspace)
        m_pActiveWorkspace = NULL;
    if (m_pDropWorkspace == pWorkspace)
        m_pDropWorkspace = NULL;
    if (GetWorkspaceCount() > 1)
        GetWorkspace(nIndex > 0 ? nIndex - 1 : 1)->m_dSplitWeight += pWorkspace->m_dSplitWeight;
    m_arrWorkspaces.erase(m_arrWorkspaces.begin() + nIndex);
    delete pWorkspace;
    m_bLayoutPending = TRUE;
}

CXTPTabStripItem* CXTPTabClientWnd::AddItem(CWnd* pChild)
{
    if (m_arrWorkspaces.empty() && AddWorkspace(-1) == NULL)
        return NULL;
    CXTPTabWorkspace* pWorkspace = m_pActiveWorkspace != NULL ? m_pActiveWorkspace : m_arrWorkspaces.back();
    return pWorkspace->AddItem(pChild);
}

// ---- What the tabs show --------------------------------------------------------------------------

CString CXTPTabClientWnd::GetItemText(CWnd* pChild)
{
    CString strText = (LPCTSTR)pChild->SendMessage(WM_XTP_GETWINDOWTEXT);
    if (strText.IsEmpty())
    {
        CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(pChild->GetSafeHwnd()));
        CDocument* pDocument = pFrame != NULL ? pFrame->GetActiveDocument() : NULL;
        if (pDocument != NULL)
            strText = pDocument->GetTitle();
    }
    if (strText.IsEmpty())
        pChild->GetWindowText(strText);
    return strText;
}

COLORREF CXTPTabClientWnd::GetItemColor(CXTPTabStripItem* pItem)
{
    const COLORREF clr = (COLORREF)::SendMessageA((HWND)pItem->GetData(), WM_XTP_GETTABCOLOR, 0, 0);
    // Asked while the tab is painted: kept without another repaint.
    if (clr != 0)
        pItem->StoreColor(clr);
    return clr;
}

HICON CXTPTabClientWnd::GetItemIcon(const CXTPTabStripItem* pItem)
{
    const HWND hChild = (HWND)pItem->GetData();
    HICON hIcon = (HICON)::SendMessageA(hChild, WM_XTP_GETTABICON, 0, 0);
    if (hIcon == NULL)
        hIcon = (HICON)::GetClassLongPtrA(hChild, GCLP_HICONSM);
    if (hIcon == NULL)
        hIcon = (HICON)::SendMessageA(hChild, WM_GETICON, ICON_SMALL, 0);
    if (hIcon == NULL)
        hIcon = (HICON)::GetClassLongPtrA(hChild, GCLP_HICON);
    if (hIcon == NULL)
        hIcon = (HICON)::SendMessageA(hChild, WM_GETICON, ICON_BIG, 0);
    return hIcon != NULL ? hIcon : ::LoadIcon(NULL, IDI_WINLOGO);
}

CXTPCommandBars* CXTPTabClientWnd::GetCommandBars()
{
    if (m_pFrame == NULL || !::IsWindow(m_pFrame->m_hWnd))
        return NULL;
    CXTPDockBar* pDockBar =
        DYNAMIC_DOWNCAST(CXTPDockBar, CWnd::FromHandlePermanent(::GetDlgItem(m_pFrame->m_hWnd, AFX_IDW_DOCKBAR_TOP)));
    return pDockBar != NULL ? pDockBar->GetCommandBars() : NULL;
}

// ---- The item refresh -------------------------------------------------------------------------------

void CXTPTabClientWnd::RefreshItems()
{
    if (m_hWnd == NULL || !m_bShowTabs || m_bMouseLock || m_pFrame == NULL || m_bRefreshGuard)
        return;
    RefreshTheme();
    m_bRefreshGuard = TRUE;
    m_bRefreshLock = TRUE;
    const HWND hActive = GetActiveChild();

    for (CXTPTabWorkspace* pWorkspace : m_arrWorkspaces)
        for (int i = 0; i < pWorkspace->GetItemCount(); i++)
            pWorkspace->GetItem(i)->m_bFound = FALSE;
    CXTPTabStripItem* pLastAdded = NULL;
    CXTPTabStripItem* pActiveItem = RefreshChildTabs(hActive, pLastAdded);
    RemoveUnfoundTabs();
    if (pActiveItem != NULL)
    {
        CXTPTabWorkspace* pWorkspace = GroupOfItem(pActiveItem);
        if (!pActiveItem->IsSelected())
            pWorkspace->SelectItem(pActiveItem);
        SetActiveWorkspace(pWorkspace);
    }

    m_bRefreshLock = FALSE;
    if (m_bLayoutPending && ::IsWindow(m_pFrame->m_hWnd))
    {
        m_pFrame->RecalcLayout(TRUE);
        EnsureItemVisible(pLastAdded);
        m_bLayoutPending = FALSE;
    }
    m_bRefreshGuard = FALSE;
}

CXTPTabStripItem* CXTPTabClientWnd::RefreshChildTabs(HWND hActive, CXTPTabStripItem*& pLastAdded)
{
    CXTPTabStripItem* pActiveItem = NULL;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        CWnd* pChild = CWnd::FromHandle(hChild);
        CXTPTabStripItem* pItem = FindItem(hChild);
        const BOOL bVisible = ::IsWindowVisible(hChild);
        if (pItem != NULL && bVisible)
        {
            pItem->SetText(GetItemText(pChild));
        }
        else if (pItem != NULL)
        {
            GroupOfItem(pItem)->DeleteItem(pItem->GetIndex());
            continue;
        }
        else if (bVisible)
        {
            pItem = AddItem(pChild);
            if (pItem == NULL)
                continue;
            m_pFrame->SendMessage(WM_XTP_NEWTABITEM, (WPARAM)pItem);
            pLastAdded = pItem;
        }
        else
        {
            continue;
        }
        pItem->m_bFound = TRUE;
        if (hChild == hActive)
            pActiveItem = pItem;
    }
    return pActiveItem;
}

void CXTPTabClientWnd::RemoveUnfoundTabs()
{
    for (int nGroup = GetWorkspaceCount() - 1; nGroup >= 0; nGroup--)
    {
        CXTPTabWorkspace* pWorkspace = m_arrWorkspaces[nGroup];
        for (int i = pWorkspace->GetItemCount() - 1; i >= 0; i--)
            if (!pWorkspace->GetItem(i)->m_bFound)
                pWorkspace->DeleteItem(i);
        if (pWorkspace->GetItemCount() == 0)
            RemoveWorkspace(pWorkspace);
    }
}

void CXTPTabClientWnd::OnUpdateContents(BOOL bRecalc)
{
    if (m_pFrame == NULL)
        return;
    RefreshItems();
    if (!m_arrWorkspaces.empty())
    {
        // Hot tracking follows what now lies under the mouse.
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        GetTabsWindow()->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    }
    if (!bRecalc)
        return;
    if (m_bGrouping)
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars != NULL)
        pCommandBars->RecalcFrameLayout(FALSE);
    else
        m_pFrame->RecalcLayout(TRUE);
}

// ---- The command bars' view of the groups ----------------------------------------------------------

int CXTPTabClientWnd::GetGroupCount() const
{
    return GetWorkspaceCount();
}

int CXTPTabClientWnd::GetActiveGroupIndex() const
{
    if (!m_bGrouping)
        return -1;
    return FindWorkspaceIndex(GroupOfItem(FindItem(GetActiveChild())));
}

void* CXTPTabClientWnd::GetGroup(int nIndex) const
{
    return GetWorkspace(nIndex);
}

int CXTPTabClientWnd::GetGroupItemCount(int nIndex) const
{
    CXTPTabWorkspace* pWorkspace = GetWorkspace(nIndex);
    return pWorkspace != NULL ? pWorkspace->GetItemCount() : 0;
}

BOOL CXTPTabClientWnd::IsHorizontalGroups() const
{
    return m_bGroupsStacked;
}

// ---- Moving tabs between groups -----------------------------------------------------------------

void CXTPTabClientWnd::MoveItemToGroup(CXTPTabStripItem* pItem, CXTPTabWorkspace* pTarget, int nMode)
{
    CXTPTabWorkspace* pSource = GroupOfItem(pItem);
    if (pSource == NULL || FindWorkspaceIndex(pTarget) < 0)
        return;
    m_bRefreshLock = TRUE;
    m_bMouseLock = TRUE;
    if (nMode == xtpTabDropNewBelow || nMode == xtpTabDropNewRight)
    {
        CXTPTabWorkspace* pNew = AddWorkspace(FindWorkspaceIndex(pTarget) + 1);
        if (pNew != NULL)
        {
            pTarget->m_dSplitWeight /= 2;
            pNew->m_dSplitWeight = pTarget->m_dSplitWeight;
            m_bGroupsStacked = nMode == xtpTabDropNewBelow;
            pTarget = pNew;
        }
    }
    // The tab itself travels, with its colour.
    const COLORREF clrItem = pItem->GetOwnColor();
    pSource->TakeItem(pItem->GetIndex());
    pTarget->InsertItem(-1, pItem);
    pItem->StoreColor(clrItem);
    pTarget->SelectItem(pItem);
    if (pSource->GetItemCount() == 0)
        RemoveWorkspace(pSource);
    m_bRefreshLock = FALSE;
    m_bMouseLock = FALSE;
    m_bLayoutPending = TRUE;
    RefreshItems();
    FlushLayout();
    // The selections of both groups were made before their layout: now
    // that the tabs stand where they go, both come into view.
    if (FindWorkspaceIndex(pSource) >= 0 && pSource->GetSelectedItem() != NULL)
        m_pPainter->EnsureVisible(pSource, pSource->GetSelectedItem());
    EnsureItemVisible(pItem);
}

// ---- The commands of the tab groups ----------------------------------------------------------------

void CXTPTabClientWnd::OnWorkspaceCommand(UINT nID)
{
    void* pGroup = NULL;
    if (!IsWorkspaceCommandEnabled(nID, &pGroup))
        return;
    CXTPTabWorkspace* pWorkspace = (CXTPTabWorkspace*)pGroup;
    CXTPTabStripItem* pItem = FindItem(GetActiveChild());
    const int nIndex = FindWorkspaceIndex(pWorkspace);
    switch (nID)
    {
    case XTP_ID_WORKSPACE_MOVEPREVIOUS:
        MoveItemToGroup(pItem, GetWorkspace(nIndex - 1), xtpTabDropIntoGroup);
        break;
    case XTP_ID_WORKSPACE_MOVENEXT:
        MoveItemToGroup(pItem, GetWorkspace(nIndex + 1), xtpTabDropIntoGroup);
        break;
    case XTP_ID_WORKSPACE_NEWHORIZONTAL:
        MoveItemToGroup(pItem, pWorkspace, xtpTabDropNewBelow);
        break;
    default:
        MoveItemToGroup(pItem, pWorkspace, xtpTabDropNewRight);
        break;
    }
}

void CXTPTabClientWnd::OnUpdateWorkspaceCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsWorkspaceCommandEnabled(pCmdUI->m_nID));
}

// ---- The theme -------------------------------------------------------------------------------------

void CXTPTabClientWnd::RefreshTheme()
{
    CXTPCommandBars* pCommandBars = m_bFollowTheme ? GetCommandBars() : NULL;
    if (pCommandBars == NULL)
        return;
    const int nTheme = pCommandBars->GetPaintManager()->GetThemeId();
    if (nTheme == m_nThemeInUse)
        return;
    CXTPTabStripPainter* p = m_pPainter;
    p->SetItemColors(FALSE);
    p->m_nClientFrameStyle = 0;
    p->m_bClientFrame = FALSE;
    p->m_bHotTracking = FALSE;
    switch (nTheme)
    {
    case xtpThemeOfficeXP:
        p->SetAppearanceById(xtpTabAppearanceRaised);
        p->m_nClientFrameStyle = 1;
        p->m_bClientFrame = TRUE;
        break;
    case xtpThemeOffice2003:
        p->SetLunaColorsDisabled(FALSE);
        p->SetItemColors(TRUE);
        p->m_bHotTracking = TRUE;
        p->SetAppearanceById(xtpTabAppearanceSlanted);
        break;
    case xtpThemeNativeWinXP:
        p->SetAppearanceById(xtpTabAppearance3D);
        p->SetColorById(xtpTabColorVisualStyle);
        p->m_bHotTracking = TRUE;
        break;
    case xtpThemeOffice2003Luna:
        p->m_nClientFrameStyle = 1;
        p->m_bClientFrame = TRUE;
        p->SetLunaColorsDisabled(TRUE);
        p->SetAppearanceById(xtpTabAppearanceSlanted);
        p->SetColorById(xtpTabColorSchemePlain);
        break;
    default:
        p->SetAppearanceById(xtpTabAppearance3D);
        break;
    }
    m_nThemeInUse = nTheme;
    UpdateContents(TRUE);
}

void CXTPTabClientWnd::OnSysColorChange()
{
    Default();
    m_pPainter->RefreshMetrics();
    UpdateContents(TRUE);
}
