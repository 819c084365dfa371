#include "app/SkellrunView.h"

#include "app/AppMessages.h"
#include "app/ItemTreeView.h"
#include "app/PreviewPane.h"
#include "app/WebAddress.h"
#include "framework/window/StandardIds.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/controls/XTListSorter.h"

namespace {

const char* const kColumnNames[] = {"Time", "Title", "Url"};
const int kColumnWidths[] = {110, 200, 200};

} // namespace

IMPLEMENT_DYNCREATE(CSkellrunView, CXTListView)

BEGIN_MESSAGE_MAP(CSkellrunView, CXTListView)
ON_WM_CREATE()
ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblClk)
ON_NOTIFY_REFLECT(NM_RCLICK, OnRClick)
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
ON_COMMAND(ID_GOTO_URL, OnGotoUrl)
ON_UPDATE_COMMAND_UI(ID_GOTO_URL, OnUpdateGotoUrl)
ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
END_MESSAGE_MAP()

CSkellrunView::CSkellrunView()
    : m_pKeyword(NULL), m_pPreview(NULL), m_pTreeView(NULL), m_pPreviewKeyword(NULL)
{}

BOOL CSkellrunView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= LVS_REPORT;
    return CXTListView::PreCreateWindow(cs);
}

void CSkellrunView::OnDraw(CDC*)
{}

BOOL CSkellrunView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

int CSkellrunView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CXTListView::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_imageList.Create(IDB_IMAGES, 14, 1, RGB(255, 0, 255)))
        return -1;
    CString names[COLUMN_COUNT];
    int widths[COLUMN_COUNT];
    for (int nCol = 0; nCol < COLUMN_COUNT; ++nCol)
    {
        names[nCol] = kColumnNames[nCol];
        widths[nCol] = kColumnWidths[nCol];
    }
    BuildColumns(COLUMN_COUNT, widths, names);
    SubclassHeader(FALSE);
    if (CXTFlatHeaderCtrl* pHeader = GetFlatHeaderCtrl())
    {
        pHeader->EnableSortArrow(TRUE);
        pHeader->SetTheme((CXTThemeManagerStyle*)NULL);
    }
    // No sorted-column shading: this view's own custom draw takes the place
    // of the list base's cell colours, so the rows keep the list's colours,
    // and the shaded strip would show only in the empty area below them.
    ModifyExtendedStyle(0, LVS_EX_FULLROWSELECT);
    SetMinColumnWidth(15);
    return 0;
}

// ---------------------------------------------------------------------------
// Rows.

void CSkellrunView::ShowKeyword(Keyword* pKeyword)
{
    CListCtrl& list = GetListCtrl();
    m_pKeyword = pKeyword;
    list.DeleteAllItems();
    if (pKeyword != NULL)
    {
        int nRow = 0;
        for (NewsItem* pItem = pKeyword->firstItem; pItem != NULL; pItem = pItem->next, ++nRow)
        {
            list.InsertItem(nRow, "");
            SetRowTexts(nRow, pItem);
            list.SetItemData(nRow, (DWORD_PTR)pItem);
        }
        KeepShownSortOrder();
    }
    NameKeywordInCaption();
    Invalidate();
}

void CSkellrunView::SetRowTexts(int nRow, const NewsItem* pItem)
{
    CListCtrl& list = GetListCtrl();
    list.SetItemText(nRow, COLUMN_TIME, pItem->displayTime);
    list.SetItemText(nRow, COLUMN_TITLE, pItem->title);
    list.SetItemText(nRow, COLUMN_URL, pItem->link);
}

void CSkellrunView::ForgetKeyword(const Keyword* pKeyword)
{
    if (pKeyword == m_pKeyword)
        ShowKeyword(NULL);
    if (pKeyword == m_pPreviewKeyword)
        ShowInPreview(NULL, NULL);
}

void CSkellrunView::KeywordChanged(Keyword* pKeyword, KeywordChange change)
{
    if (pKeyword == m_pKeyword)
    {
        if (change == NEW_ITEMS)
        {
            ShowKeyword(pKeyword);
        }
        else
        {
            RefreshRowTexts();
            NameKeywordInCaption();
        }
    }
    // The pane's story is looked up by title and link: after NEW_ITEMS the
    // NewsItem it was shown from is gone.
    if (pKeyword == m_pPreviewKeyword)
        ShowInPreview(pKeyword, pKeyword->FindStory(m_strPreviewTitle, m_strPreviewLink));
}

void CSkellrunView::RefreshRowTexts()
{
    // Walks the keyword's items, not the rows' item data: each item's row is
    // found by its pointer, so nothing is read through a row.
    int nItems = 0;
    for (const NewsItem* pItem = m_pKeyword->firstItem; pItem != NULL; pItem = pItem->next, ++nItems)
    {
        const int nRow = RowOfItem(pItem);
        ASSERT(nRow >= 0);
        if (nRow >= 0)
            SetRowTexts(nRow, pItem);
    }
    ASSERT(nItems == GetListCtrl().GetItemCount());
    KeepShownSortOrder();
    Invalidate();
}

void CSkellrunView::KeepShownSortOrder()
{
    // The rows come in list order; the header's arrow still promises the
    // order the user chose.
    BOOL bAscending = TRUE;
    const int nSortColumn = GetSortColumn(&bAscending);
    if (nSortColumn >= 0)
        SortList(nSortColumn, bAscending);
}

void CSkellrunView::NameKeywordInCaption()
{
    if (m_pTreeView != NULL)
        m_pTreeView->SetCaptionText(m_pKeyword != NULL ? (LPCTSTR)m_pKeyword->name : "Keyword");
}

NewsItem* CSkellrunView::ItemOfRow(int nRow) const
{
    CListCtrl& list = GetListCtrl();
    if (nRow < 0 || nRow >= list.GetItemCount())
        return NULL;
    return (NewsItem*)list.GetItemData(nRow);
}

BOOL CSkellrunView::SortList(int nCol, BOOL bAscending)
{
    CXTListSorter sorter(&GetListCtrl(), nCol);
    sorter.Sort(bAscending, xtSortString);
    return TRUE;
}

int CSkellrunView::HitTestCursor() const
{
    LVHITTESTINFO hit = {};
    ::GetCursorPos(&hit.pt);
    ::ScreenToClient(m_hWnd, &hit.pt);
    int nRow = (int)::SendMessageA(m_hWnd, LVM_HITTEST, 0, (LPARAM)&hit);
    return (hit.flags & LVHT_ONITEM) != 0 ? nRow : -1;
}

int CSkellrunView::RowOfItem(const NewsItem* pItem) const
{
    if (pItem == NULL)
        return -1;
    LVFINDINFOA find = {};
    find.flags = LVFI_PARAM;
    find.lParam = (LPARAM)pItem;
    return (int)::SendMessageA(m_hWnd, LVM_FINDITEMA, (WPARAM)-1, (LPARAM)&find);
}

int CSkellrunView::RememberedRow() const
{
    if (m_pKeyword == NULL)
        return -1;
    // Row 0 of a keyword never clicked is the top row as the list shows it,
    // whatever story a sort or a check has put there.
    if (!m_pKeyword->rowClicked)
        return GetListCtrl().GetItemCount() > 0 ? 0 : -1;
    return RowOfItem(m_pKeyword->LastClickedItem());
}

int CSkellrunView::ClickedRow()
{
    int nRow = HitTestCursor();
    if (nRow < 0)
    {
        nRow = RememberedRow();
        if (nRow < 0)
            return -1;
        GetListCtrl().SetItemState(nRow, LVIS_SELECTED, LVIS_SELECTED);
    }
    m_pKeyword->SetLastClickedItem(ItemOfRow(nRow));
    return nRow;
}

// ---------------------------------------------------------------------------
// Clicks and commands.

void CSkellrunView::Preview(NewsItem* pItem)
{
    ShowInPreview(pItem->owner != NULL ? pItem->owner : m_pKeyword, pItem);
}

void CSkellrunView::ShowInPreview(const Keyword* pKeyword, const NewsItem* pItem)
{
    const bool bStory = pKeyword != NULL && pItem != NULL;
    m_pPreviewKeyword = bStory ? pKeyword : NULL;
    m_strPreviewTitle = bStory ? pItem->title : CString();
    m_strPreviewLink = bStory ? pItem->link : CString();
    if (m_pPreview == NULL)
        return;
    m_pPreview->SetKeyword(bStory ? (LPCTSTR)pKeyword->name : "");
    m_pPreview->SetTitle(m_strPreviewTitle);
    m_pPreview->SetSummary(bStory ? (LPCTSTR)pItem->summary : "");
    m_pPreview->Invalidate();
}

void CSkellrunView::MarkItemRead(NewsItem* pItem)
{
    if (m_pTreeView != NULL && m_pTreeView->MarkItemRead(pItem))
        PostToTopLevel(this, WM_ALL_READ, 0, 0);
}

void CSkellrunView::OnClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (m_pKeyword == NULL || GetListCtrl().GetItemCount() == 0)
        return;
    const int nRow = ClickedRow();
    if (nRow < 0)
        return;
    NewsItem* pItem = ItemOfRow(nRow);
    Preview(pItem);
    MarkItemRead(pItem);
    GetListCtrl().RedrawItems(nRow, nRow);
}

void CSkellrunView::OnDblClk(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (NewsItem* pItem = ItemOfRow(HitTestCursor()))
        OpenUrlInNewBrowser(pItem->link);
}

void CSkellrunView::OnGotoUrl()
{
    if (NewsItem* pItem = ItemOfRow(RememberedRow()))
        OpenUrlInNewBrowser(pItem->link);
}

void CSkellrunView::OnUpdateGotoUrl(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pKeyword != NULL);
}

void CSkellrunView::OnRClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (m_pKeyword == NULL)
        return;
    ClickedRow();
    CMenu menu;
    if (!menu.LoadMenu(IDR_LIST_MENU))
        return;
    CPoint point;
    ::GetCursorPos(&point);
    CXTPCommandBars::TrackPopupMenu(menu.GetSubMenu(0), TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CSkellrunView::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVCUSTOMDRAW* pDraw = (NMLVCUSTOMDRAW*)pNMHDR;
    *pResult = 0;
    if (pDraw->nmcd.dwDrawStage == CDDS_PREPAINT)
    {
        UpdateBoldFont();
        *pResult = CDRF_NOTIFYITEMDRAW;
        return;
    }
    if (pDraw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT)
        return;
    NewsItem* pItem = (NewsItem*)pDraw->nmcd.lItemlParam;
    if (pItem != NULL && pItem->unread && m_fontBold.GetSafeHandle() != NULL)
    {
        ::SelectObject(pDraw->nmcd.hdc, m_fontBold.GetSafeHandle());
        *pResult = CDRF_NEWFONT;
    }
}

void CSkellrunView::UpdateBoldFont()
{
    LOGFONTA lf = {};
    HFONT hListFont = (HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0);
    ::GetObjectA(hListFont != NULL ? (HGDIOBJ)hListFont : ::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.DeleteObject();
    m_fontBold.CreateFontIndirect(&lf);
}
