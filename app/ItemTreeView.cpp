#include "app/ItemTreeView.h"

#include "app/AddDlg.h"
#include "app/AppMessages.h"
#include "app/KeywordExchange.h"
#include "app/KeywordPaneHost.h"
#include "app/NewsFetch.h"
#include "app/NewsQuery.h"
#include "app/RepKeywordDlg.h"
#include "app/SkellrunView.h"
#include "app/TreeBoldMarks.h"
#include "app/TreeRedrawBatch.h"
#include "framework/Controls.h"
#include "toolkit/commandbars/XTPCommandBars.h"

BOOL g_bUpdatingNews = FALSE;

namespace {

// The tree's icons in image-index order: the root uses 0, keywords 1.
const UINT kTreeIcons[] = {131, 133, 134, 137, 138, 132, 141, 136, 139, 140, 135};
const int kRootImage = 0;
const int kKeywordImage = 1;

const char kRefuseEdit[] = "Tidewatch is getting updated news,\nso you can't remove or add keywords for now";
const char kRefuseChange[] = "Tidewatch is getting updated news,\nso you can't change keywords for now";
const char kRefuseImport[] =
    "Tidewatch is getting updated news,\nso you can't apply the import feature for now";
const char kRefuseExport[] =
    "Tidewatch is getting updated news,\nso you can't apply the export feature for now";
const char kInformation[] = "Information";

// Adds the 16 x 16 icons to the list in one step: each icon's picture and
// mask are drawn side by side into two bitmaps of this process's memory, and
// the list takes both at once. Added one by one, each icon costs the list a
// round trip to the display for its mask. A missing icon leaves its place
// empty, so the later ones keep their index.
void AddIconStrip(CImageList& list, const HICON* icons, int nIcons)
{
    BITMAPINFO colorInfo = {};
    colorInfo.bmiHeader.biSize = sizeof(colorInfo.bmiHeader);
    colorInfo.bmiHeader.biWidth = 16 * nIcons;
    colorInfo.bmiHeader.biHeight = 16;
    colorInfo.bmiHeader.biPlanes = 1;
    colorInfo.bmiHeader.biBitCount = 32;
    struct
    {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } maskInfo = {colorInfo.bmiHeader, {{0, 0, 0, 0}, {255, 255, 255, 0}}};
    maskInfo.header.biBitCount = 1;
    void* pBits = NULL;
    CBitmap color, mask;
    color.Attach(::CreateDIBSection(NULL, &colorInfo, DIB_RGB_COLORS, &pBits, NULL, 0));
    mask.Attach(::CreateDIBSection(NULL, (BITMAPINFO*)&maskInfo, DIB_RGB_COLORS, &pBits, NULL, 0));
    if (color.GetSafeHandle() == NULL || mask.GetSafeHandle() == NULL)
        return;
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    CBitmap* pOld = dc.SelectObject(&mask);
    dc.FillSolidRect(0, 0, 16 * nIcons, 16, RGB(255, 255, 255)); // an empty place is transparent
    for (int i = 0; i < nIcons; ++i)
        ::DrawIconEx(dc.m_hDC, 16 * i, 0, icons[i], 16, 16, 0, NULL, DI_MASK);
    dc.SelectObject(&color);
    for (int i = 0; i < nIcons; ++i)
        ::DrawIconEx(dc.m_hDC, 16 * i, 0, icons[i], 16, 16, 0, NULL, DI_IMAGE);
    dc.SelectObject(pOld);
    list.Add(&color, &mask);
}

} // namespace

IMPLEMENT_DYNCREATE(CItemTreeView, CView)

BEGIN_MESSAGE_MAP(CItemTreeView, CView)
ON_WM_CREATE()
ON_WM_SETFOCUS()
ON_WM_WINDOWPOSCHANGED()
ON_WM_SYSCOLORCHANGE()
ON_COMMAND(IDC_CAPTION, OnCaptionClick)
ON_NOTIFY(NM_CLICK, IDC_TREE, OnTreeClick)
ON_NOTIFY(NM_DBLCLK, IDC_TREE, OnTreeDblClk)
ON_NOTIFY(NM_RCLICK, IDC_TREE, OnTreeRClick)
ON_NOTIFY(TVN_SELCHANGEDA, IDC_TREE, OnTreeSelChanged)
ON_NOTIFY(TVN_SELCHANGEDW, IDC_TREE, OnTreeSelChanged)
ON_COMMAND(ID_REMOVE_KEYWORD, OnRemoveKeyword)
ON_UPDATE_COMMAND_UI(ID_REMOVE_KEYWORD, OnUpdateKeywordCommand)
ON_COMMAND(ID_CHANGE_KEYWORD, OnChangeKeyword)
ON_UPDATE_COMMAND_UI(ID_CHANGE_KEYWORD, OnUpdateKeywordCommand)
ON_COMMAND(ID_MARK_READ, OnMarkRead)
ON_COMMAND(ID_REMOVE_ALL, OnRemoveAllKeywords)
ON_COMMAND(ID_ADD_KEYWORD, OnAddKeyword)
ON_COMMAND(ID_CHECK_NEWS, OnCheckNews)
ON_UPDATE_COMMAND_UI(ID_CHECK_NEWS, OnUpdateKeywordCommand)
ON_COMMAND(ID_CHECK_ALL, OnCheckEveryKeyword)
ON_WM_TIMER()
ON_WM_DESTROY()
ON_MESSAGE(WM_CHECK_ALL, OnStartupCheck)
ON_MESSAGE(WM_NEWS_FETCHED, OnNewsFetched)
END_MESSAGE_MAP()

CItemTreeView::CItemTreeView()
    : AutoCheckEvery(TRUE), PlaySoundOnNews(TRUE), AutoCheckOnStart(TRUE), ShowSummary(TRUE),
      ShowSummaryOnStart(FALSE), AutoCheckInterval(30), AlertTime(10), CheckUpgrade(FALSE),
      m_bStartedAtStartup(FALSE), m_hRoot(NULL), m_bPassRunning(FALSE), m_bPassRequested(FALSE),
      m_nPercent(0), m_pListView(NULL), m_passWorkers(1), m_nPassTurn(0), m_bPassStepBegun(FALSE),
      m_nPassNext(0), m_bPassFoundNews(FALSE),
      m_nSingleChecks(0), m_bStopped(FALSE)
{}

void CItemTreeView::SetOptions(BOOL playSoundOnNews, BOOL autoCheckEvery, BOOL autoCheckOnStart,
                               BOOL showSummaryOnStart, BOOL showSummary, int autoCheckInterval,
                               int alertTime, BOOL checkUpgrade)
{
    PlaySoundOnNews = playSoundOnNews;
    AutoCheckEvery = autoCheckEvery;
    AutoCheckOnStart = autoCheckOnStart;
    ShowSummaryOnStart = showSummaryOnStart;
    ShowSummary = showSummary;
    AutoCheckInterval = autoCheckInterval;
    AlertTime = alertTime;
    CheckUpgrade = checkUpgrade;
}

BOOL CItemTreeView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return CView::PreCreateWindow(cs);
}

void CItemTreeView::OnDraw(CDC*)
{}

// ---------------------------------------------------------------------------
// Creation, loading and layout.

int CItemTreeView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndCaption.CreateCaption(this, "Keyword List", CaptionStyleRaised,
                                    WS_VISIBLE | SS_CENTERIMAGE | SS_CENTER, CRect(0, 0, 0, 0), IDC_CAPTION))
        return -1;
    if (!m_wndTree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                          CRect(0, 0, 0, 0), this, IDC_TREE))
        return -1;
    if (!BuildImageList())
        return -1;
    LoadTree();
    return 0;
}

BOOL CItemTreeView::BuildImageList()
{
    if (!m_imageList.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 1))
        return FALSE;
    const int nIcons = (int)(sizeof(kTreeIcons) / sizeof(kTreeIcons[0]));
    HICON icons[nIcons];
    HINSTANCE hInstance = AfxGetResourceHandle();
    for (int nImage = 0; nImage < nIcons; ++nImage)
        icons[nImage] = (HICON)::LoadImageA(hInstance, MAKEINTRESOURCEA(kTreeIcons[nImage]), IMAGE_ICON, 16, 16, 0);
    AddIconStrip(m_imageList, icons, nIcons);
    for (HICON hIcon : icons)
    {
        if (hIcon != NULL)
            ::DestroyIcon(hIcon);
    }
    return TRUE;
}

void CItemTreeView::LoadTree()
{
    m_wndTree.SetImageList(&m_imageList, TVSIL_NORMAL);
    InsertRoot();
    m_group.LoadFromProgramFolder();
    FillTree();
}

void CItemTreeView::InsertRoot()
{
    CString strRoot;
    strRoot.LoadString(IDS_ROOT);
    m_hRoot = m_wndTree.InsertItem(strRoot, kRootImage, kRootImage, TVI_ROOT, TVI_LAST);
    m_wndTree.SetItemData(m_hRoot, 0);
}

HTREEITEM CItemTreeView::InsertKeywordItem(Keyword* pKeyword)
{
    // One message with the data and the bold mark: every later message about
    // the item costs the tree a search through all its items.
    const UINT nState = pKeyword->unreadCount > 0 ? TVIS_BOLD : 0;
    HTREEITEM hItem = m_wndTree.InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE,
                                           pKeyword->name, kKeywordImage, kKeywordImage, nState, TVIS_BOLD,
                                           (LPARAM)pKeyword, m_hRoot, TVI_LAST);
    pKeyword->treeItem = hItem;
    return hItem;
}

void CItemTreeView::FillTree()
{
    ASSERT(m_wndTree.GetChildItem(m_hRoot) == NULL);
    // The root is selected alone while it is the only item: among many
    // items that takes a look at each, a message per item that costs the
    // tree a search through all its items. The keyword items come in
    // unselected.
    m_wndTree.SelectOnlyItem(m_hRoot);
    {
        TreeRedrawBatch batch(m_wndTree, TreeRedrawBatch::ManyItems);
        for (Keyword* pKeyword = m_group.GetFirst(); pKeyword != NULL; pKeyword = m_group.GetNext(pKeyword))
            InsertKeywordItem(pKeyword);
        m_wndTree.SetItemBold(m_hRoot, m_group.totalUnread != 0);
        m_wndTree.Expand(m_hRoot, TVE_EXPAND);
    }
    m_wndTree.EnableMultiSelect(TRUE);
}

void CItemTreeView::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CView::OnWindowPosChanged(lpwndpos);
    CRect rcClient;
    GetClientRect(&rcClient);
    const UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    m_wndCaption.SetWindowPos(NULL, 0, 0, rcClient.Width(), CAPTION_HEIGHT, nFlags);
    m_wndTree.SetWindowPos(NULL, 0, CAPTION_HEIGHT, rcClient.Width(), rcClient.Height() - CAPTION_HEIGHT,
                           nFlags);
}

void CItemTreeView::OnSetFocus(CWnd* pOldWnd)
{
    // The focus the frame gives its active view (when a keyword dialog
    // closes, when the window is activated, on a click into the pane) goes on
    // to the tree: the view has nothing to type into, and the tree paints
    // its selection as selected only while it has the focus.
    if (m_wndTree.GetSafeHwnd() != NULL)
        m_wndTree.SetFocus();
    else
        CView::OnSetFocus(pOldWnd);
}

void CItemTreeView::OnSysColorChange()
{
    CView::OnSysColorChange();
    m_wndCaption.SetCaptionColors(::GetSysColor(COLOR_3DFACE), ::GetSysColor(COLOR_3DFACE),
                                  ::GetSysColor(COLOR_BTNTEXT));
}

// ---------------------------------------------------------------------------
// Items, selection and the tree's clicks.

Keyword* CItemTreeView::KeywordOf(HTREEITEM hItem) const
{
    if (hItem == NULL || hItem == m_hRoot)
        return NULL;
    return (Keyword*)m_wndTree.GetItemData(hItem);
}

HTREEITEM CItemTreeView::CurrentItem() const
{
    HTREEITEM hItem = m_wndTree.GetSelectedItem();
    if (hItem == NULL && m_pListView != NULL && m_pListView->GetKeyword() != NULL)
        hItem = m_pListView->GetKeyword()->treeItem;
    return hItem;
}

void CItemTreeView::SelectTreeItem(HTREEITEM hItem, UINT nCode)
{
    if (nCode == TVGN_CARET)
        m_wndTree.SelectOnlyItem(hItem);
    else
        m_wndTree.Select(hItem, nCode);
}

void CItemTreeView::OnCaptionClick()
{
    if (CKeywordPaneHost* pHost = dynamic_cast<CKeywordPaneHost*>(GetParentFrame()))
        pHost->HideKeywordPane();
}

void CItemTreeView::OnTreeClick(NMHDR*, LRESULT* pResult)
{
    HTREEITEM hItem = CurrentItem();
    if (hItem != NULL)
        m_wndTree.Select(hItem, TVGN_CARET);
    *pResult = 0;
}

void CItemTreeView::OnTreeDblClk(NMHDR*, LRESULT* pResult)
{
    EditKeyword();
    *pResult = 0;
}

void CItemTreeView::OnTreeRClick(NMHDR*, LRESULT* pResult)
{
    HTREEITEM hItem = CurrentItem();
    if (hItem != NULL)
        m_wndTree.Select(hItem, TVGN_CARET);
    CMenu menu;
    if (menu.LoadMenu(IDR_CONTEXT_MENU))
    {
        CPoint point;
        ::GetCursorPos(&point);
        CXTPCommandBars::TrackPopupMenu(menu.GetSubMenu(0), TPM_RIGHTBUTTON, point.x, point.y, this);
    }
    *pResult = 0;
}

void CItemTreeView::OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    HTREEITEM hItem = ((NMTREEVIEWA*)pNMHDR)->itemNew.hItem;
    if (hItem == NULL)
        return;
    if (CKeywordPaneHost* pHost = dynamic_cast<CKeywordPaneHost*>(GetParentFrame()))
    {
        int nImage = 0, nSelected = 0;
        m_wndTree.GetItemImage(hItem, nImage, nSelected);
        HICON hIcon = m_imageList.ExtractIcon(nImage);
        pHost->OnKeywordSelChanged(m_wndTree.GetItemText(hItem), hIcon);
        if (hIcon != NULL)
            ::DestroyIcon(hIcon);
    }
    // The news list shows the keyword and names it in the caption; the root
    // leaves both as they are.
    Keyword* pKeyword = KeywordOf(hItem);
    if (pKeyword != NULL && m_pListView != NULL)
        m_pListView->ShowKeyword(pKeyword);
}

void CItemTreeView::OnUpdateKeywordCommand(CCmdUI* pCmdUI)
{
    HTREEITEM hItem = m_wndTree.GetSelectedItem();
    if (hItem != NULL)
        pCmdUI->Enable(hItem != m_hRoot);
}

// ---------------------------------------------------------------------------
// Bold marks and the unread total.

void CItemTreeView::SetKeywordBold(Keyword* pKeyword, BOOL bBold)
{
    HTREEITEM hItem = pKeyword != NULL ? pKeyword->treeItem : m_hRoot;
    if (hItem == NULL || m_wndTree.GetItemBold(hItem) == !!bBold)
        return;
    TreeRedrawBatch batch(m_wndTree);
    m_wndTree.SetItemBold(hItem, bBold);
}

void CItemTreeView::UnreadTotalChanged(int nTotalBefore)
{
    SetKeywordBold(NULL, m_group.totalUnread != 0);
    if (nTotalBefore != 0 && m_group.totalUnread == 0)
        PostToTopLevel(this, WM_ALL_READ, 0, 0);
}

void CItemTreeView::ShowFirstKeyword()
{
    if (m_pListView != NULL)
        m_pListView->ShowKeyword(m_group.GetFirst());
}

// ---------------------------------------------------------------------------
// The keyword commands.

BOOL CItemTreeView::RefuseWhileUpdating(LPCTSTR lpszText, LPCTSTR lpszCaption)
{
    if (!g_bUpdatingNews)
        return FALSE;
    ::MessageBoxA(m_hWnd, lpszText, lpszCaption, MB_OK);
    return TRUE;
}

void CItemTreeView::Report(LPCTSTR lpszText, LPCTSTR lpszCaption)
{
    ::MessageBoxA(m_hWnd, lpszText, lpszCaption, MB_OK | MB_ICONEXCLAMATION);
}

void CItemTreeView::OnAddKeyword()
{
    if (!RefuseWhileUpdating(kRefuseEdit, AppTitle()))
        AddKeyword();
}

void CItemTreeView::AddKeyword()
{
    CAddDlg dlg;
    dlg.SetSearchHost(SearchHost());
    if (dlg.DoModal() != IDOK)
        return;
    if (m_group.FindNoCase(dlg.m_strKeyword) != NULL)
    {
        Report("The keyword \"" + dlg.m_strKeyword + "\" is already in the list.", AppTitle());
        return;
    }
    Keyword* pKeyword = new Keyword(dlg.m_strKeyword);
    m_group.Add(pKeyword);
    m_wndTree.SelectOnlyItem(InsertKeywordItem(pKeyword));
    StartSingleCheck(pKeyword);
}

void CItemTreeView::OnChangeKeyword()
{
    EditKeyword();
}

void CItemTreeView::EditKeyword()
{
    if (RefuseWhileUpdating(kRefuseChange, AppTitle()))
        return;
    Keyword* pKeyword = KeywordOf(CurrentItem());
    if (pKeyword == NULL)
        return;
    CRepKeywordDlg dlg;
    dlg.SetKeyword(pKeyword->name);
    dlg.SetSearchHost(SearchHost());
    if (dlg.DoModal() != IDOK)
        return;
    CString strNew = dlg.GetKeyword();
    Keyword* pSame = m_group.FindNoCase(strNew);
    if (pSame != NULL && pSame != pKeyword)
    {
        Report("The keyword \"" + strNew + "\" is already in the list.", AppTitle());
        return;
    }
    pKeyword->name = strNew;
    m_wndTree.SetItemText(pKeyword->treeItem, strNew);
    m_wndTree.SelectOnlyItem(pKeyword->treeItem);
    // The caption and the preview pane name it anew.
    if (m_pListView != NULL)
        m_pListView->KeywordChanged(pKeyword, CSkellrunView::SAME_ITEMS);
    CheckRenamedKeyword(pKeyword); // the old items stay until it finds news
}

void CItemTreeView::ForgetKeyword(Keyword* pKeyword)
{
    ForgetKeywordChecks(pKeyword);
    if (m_pListView != NULL)
        m_pListView->ForgetKeyword(pKeyword);
}

void CItemTreeView::RemoveKeyword(Keyword* pKeyword)
{
    ForgetKeyword(pKeyword);
    m_wndTree.DeleteItem(pKeyword->treeItem);
    m_group.totalUnread -= pKeyword->unreadCount;
    m_group.Remove(pKeyword);
    delete pKeyword;
}

void CItemTreeView::OnRemoveKeyword()
{
    if (RefuseWhileUpdating(kRefuseEdit, AppTitle()))
        return;
    const int nTotalBefore = m_group.totalUnread;
    TreeRedrawBatch batch(m_wndTree);
    HTREEITEM hItem = m_wndTree.GetFirstSelectedItem();
    while (hItem != NULL)
    {
        HTREEITEM hNext = m_wndTree.GetNextSelectedItem(hItem);
        if (Keyword* pKeyword = KeywordOf(hItem))
            RemoveKeyword(pKeyword);
        hItem = hNext;
    }
    // The first keyword (the root when none is left) is selected alone, the
    // one the news list shows: the tree would otherwise have moved the caret
    // from a removed item to a neighbour, which a following Remove would
    // take unseen.
    m_wndTree.SelectOnlyItem(m_group.GetFirst() != NULL ? m_group.GetFirst()->treeItem : m_hRoot);
    ShowFirstKeyword();
    UnreadTotalChanged(nTotalBefore);
}

void CItemTreeView::OnRemoveAllKeywords()
{
    if (RefuseWhileUpdating(kRefuseEdit, AppTitle()))
        return;
    const int nTotalBefore = m_group.totalUnread;
    ClearKeywords();
    UnreadTotalChanged(nTotalBefore);
}

void CItemTreeView::ClearKeywords()
{
    // The root goes with every keyword item in one message, and a new root
    // takes its place: the tree deletes an item's children for a small part
    // of what a message per item costs (on this platform each one has the
    // tree search all its items for the one it names). No keyword becomes
    // the caret on the way, which the news list would show: with the root,
    // the caret goes to no item. Selecting the new root alone then looks at
    // no other item.
    {
        TreeRedrawBatch batch(m_wndTree, TreeRedrawBatch::ManyItems);
        m_wndTree.DeleteItem(m_hRoot);
        InsertRoot();
    }
    m_wndTree.SelectOnlyItem(m_hRoot);
    for (Keyword* pKeyword = m_group.GetFirst(); pKeyword != NULL; pKeyword = m_group.GetNext(pKeyword))
        ForgetKeyword(pKeyword);
    m_group.RemoveAllKeywords();
    m_group.totalUnread = 0;
}

void CItemTreeView::OnMarkRead()
{
    HTREEITEM hItem = m_wndTree.GetSelectedItem();
    if (hItem == NULL)
        return;
    if (hItem == m_hRoot)
    {
        MarkAllRead();
        PostToTopLevel(this, WM_ALL_READ, 0, 0);
        return;
    }
    Keyword* pKeyword = KeywordOf(hItem);
    if (pKeyword == NULL || pKeyword->unreadCount <= 0)
        return;
    const int nTotalBefore = m_group.totalUnread;
    MarkKeywordRead(pKeyword);
    UnreadTotalChanged(nTotalBefore);
}

void CItemTreeView::MarkAllRead()
{
    // Only the keywords with unread items have bold items to clear.
    std::vector<HTREEITEM> unread;
    for (Keyword* pKeyword = m_group.GetFirst(); pKeyword != NULL; pKeyword = m_group.GetNext(pKeyword))
    {
        if (pKeyword->unreadCount > 0)
            unread.push_back(pKeyword->treeItem);
    }
    m_group.MarkAllRead();
    TreeRedrawBatch batch(m_wndTree);
    SetChildrenBold(m_wndTree, m_hRoot, unread, FALSE);
    SetKeywordBold(NULL, FALSE);
    if (m_pListView != NULL && m_pListView->GetKeyword() != NULL)
        m_pListView->ShowKeyword(m_pListView->GetKeyword());
}

void CItemTreeView::MarkKeywordRead(Keyword* pKeyword)
{
    m_group.MarkKeywordRead(*pKeyword);
    SetKeywordBold(pKeyword, FALSE);
    if (m_pListView != NULL && m_pListView->GetKeyword() == pKeyword)
        m_pListView->ShowKeyword(pKeyword);
    if (m_group.totalUnread == 0)
        SetKeywordBold(NULL, FALSE);
}

BOOL CItemTreeView::MarkItemRead(NewsItem* pItem)
{
    const int nTotalBefore = m_group.totalUnread;
    if (!m_group.MarkItemRead(*pItem))
        return FALSE;
    if (pItem->owner->unreadCount == 0)
        SetKeywordBold(pItem->owner, FALSE);
    SetKeywordBold(NULL, m_group.totalUnread != 0);
    return nTotalBefore != 0 && m_group.totalUnread == 0;
}

// ---------------------------------------------------------------------------
// The store, import and export.

BOOL CItemTreeView::SaveKeywords()
{
    if (m_group.SaveToProgramFolder())
        return TRUE;
    Report("Tidewatch could not write its keyword store \"conf.xml\".\nThe keywords of this session are not "
           "saved.",
           AppTitle());
    return FALSE;
}

void CItemTreeView::ImportKeywords()
{
    if (RefuseWhileUpdating(kRefuseImport, kInformation))
        return;
    CFileDialog dlg(TRUE, NULL, NULL, OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_OVERWRITEPROMPT,
                    "XML File (*.xml)|*.xml|All Files (*.*)|*.*||", this);
    dlg.m_ofn.lpstrTitle = "Load Keyword Group For XML File";
    if (dlg.DoModal() == IDOK)
        ImportKeywordsFrom(dlg.GetPathName());
}

BOOL CItemTreeView::ImportKeywordsFrom(LPCTSTR lpszPath)
{
    KeywordGroup imported;
    bool bComplete = false;
    if (!imported.ConfReader(lpszPath, bComplete) || !bComplete)
    {
        Report(CString("The keyword group could not be read from \"") + lpszPath
                   + "\".\nThe keyword list is unchanged.",
               kInformation);
        return FALSE;
    }
    const int nTotalBefore = m_group.totalUnread;
    ClearKeywords();
    m_group.TakeAll(imported);
    FillTree();
    UnreadTotalChanged(nTotalBefore);
    ReportUnsearchableKeywords();
    return TRUE;
}

void CItemTreeView::ReportUnsearchableKeywords()
{
    const CString host = SearchHost();
    std::vector<CString> tooLong;
    for (Keyword* pKeyword = m_group.GetFirst(); pKeyword != NULL; pKeyword = m_group.GetNext(pKeyword))
    {
        if (!CanSendNewsQuery(host, pKeyword->name))
            tooLong.push_back(pKeyword->name);
    }
    if (!tooLong.empty())
        Report(ImportedKeywordsTooLongMessage(tooLong), kInformation);
}

void CItemTreeView::ExportKeywords()
{
    if (RefuseWhileUpdating(kRefuseExport, kInformation))
        return;
    CFileDialog dlg(FALSE, "xml", "KeywordList", OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT,
                    "XML Files (*.xml)|*.xml|All Files (*.*)|*.*||", this);
    dlg.m_ofn.lpstrTitle = "Save Keyword Group For XML File";
    if (dlg.DoModal() == IDOK)
        ExportKeywordsTo(dlg.GetPathName());
}

BOOL CItemTreeView::ExportKeywordsTo(LPCTSTR lpszPath)
{
    if (m_group.ConfWriter(lpszPath))
        return TRUE;
    Report(CString("The keyword group could not be written to \"") + lpszPath + "\".", kInformation);
    return FALSE;
}
