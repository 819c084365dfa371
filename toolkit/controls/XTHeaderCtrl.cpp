#include "toolkit/controls/XTHeaderCtrl.h"
#include "toolkit/controls/XTSharedTheme.h"
#include "framework/window/CPaintDC.h"

#include "toolkit/commandbars/XTTrackPopupMenu.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/controls/XTListEditResource.h"
#include "toolkit/foundation/XTAuxData.h"
#include "toolkit/foundation/XTPBufferDC.h"
#include "toolkit/foundation/XTPResourceManager.h"

namespace {

const UINT_PTR kHotTimer = 1;
const UINT kHotTimerElapse = 10;
const UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
const UINT kRedrawParent = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;

BOOL IsListWindow(HWND hWnd)
{
    char szClass[32];
    return hWnd != NULL && ::GetClassNameA(hWnd, szClass, sizeof(szClass)) > 0
           && lstrcmpiA(szClass, WC_LISTVIEWA) == 0;
}

} // namespace

IMPLEMENT_DYNAMIC(CXTHeaderCtrl, CHeaderCtrl)

BEGIN_MESSAGE_MAP(CXTHeaderCtrl, CHeaderCtrl)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_TIMER()
ON_WM_SETCURSOR()
ON_WM_RBUTTONDOWN()
ON_COMMAND(XT_IDC_SORTASC, OnSortAsc)
ON_COMMAND(XT_IDC_SORTDSC, OnSortDsc)
ON_COMMAND(XT_IDC_ALIGNLEFT, OnAlignLeft)
ON_COMMAND(XT_IDC_ALIGNCENTER, OnAlignCenter)
ON_COMMAND(XT_IDC_ALIGNRIGHT, OnAlignRight)
ON_NOTIFY_REFLECT_EX(HDN_ITEMCHANGINGA, OnItemChanging)
ON_NOTIFY_REFLECT_EX(HDN_ITEMCHANGINGW, OnItemChanging)
ON_WM_WINDOWPOSCHANGING()
ON_MESSAGE(HDM_LAYOUT, OnLayout)
ON_WM_SYSCOLORCHANGE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CXTHeaderCtrl::CXTHeaderCtrl()
    : CXTThemeManagerStyleHost(RUNTIME_CLASS(CXTHeaderThemeFactory)), m_nMinColumnWidth(0),
      m_nCustomMenuPopup(0), m_nHotColumn(-1), m_nSortColumn(-1), m_bRightToLeft(IsRightToLeftReading()),
      m_bAutoFit(0), m_bContextMenu(TRUE), m_bSortAscending(TRUE), m_bLeftButtonDown(FALSE),
      m_bHotDrawn(FALSE), m_nCustomMenuID(0), m_ptContextMenu(0, 0), m_listLocked(10), m_bHotAtRest(FALSE)
{}

CXTHeaderCtrl::~CXTHeaderCtrl()
{
    EndHotRest();
    m_listLocked.RemoveAll();
    DestroyColumnImages();
}

CXTHeaderTheme* CXTHeaderCtrl::GetTheme()
{
    return (CXTHeaderTheme*)GetSafeTheme();
}

CXTHeaderTheme* CXTHeaderCtrl::GetSharedTheme()
{
    return XTSharedTheme<CXTHeaderTheme>(RUNTIME_CLASS(CXTHeaderThemeFactory));
}

void CXTHeaderCtrl::SetSharedTheme(int nTheme)
{
    XTSetSharedTheme(RUNTIME_CLASS(CXTHeaderThemeFactory), nTheme);
}

void CXTHeaderCtrl::SetSharedTheme(CXTThemeManagerStyle* pTheme)
{
    XTSetSharedTheme(RUNTIME_CLASS(CXTHeaderThemeFactory), pTheme);
}

// ---------------------------------------------------------------------------
// Settings and queries

void CXTHeaderCtrl::LockColumn(int iCol)
{
    m_listLocked.AddTail(iCol);
}

void CXTHeaderCtrl::UnlockColumn(int iCol)
{
    POSITION pos = m_listLocked.Find(iCol);
    if (pos != NULL)
        m_listLocked.RemoveAt(pos);
}

BOOL CXTHeaderCtrl::IsColumnLocked(int iCol) const
{
    return m_listLocked.Find(iCol) != NULL;
}

int CXTHeaderCtrl::HitTest(int x, int y, UINT* pFlags) const
{
    HDHITTESTINFO hti;
    ZeroMemory(&hti, sizeof(hti));
    hti.pt.x = x;
    hti.pt.y = y;
    int iCol = (int)SendMessage(HDM_HITTEST, 0, (LPARAM)&hti);
    if (pFlags != NULL)
        *pFlags = hti.flags;
    return iCol;
}

BOOL CXTHeaderCtrl::IsColumnPressed(int iCol)
{
    if (!m_bLeftButtonDown)
        return FALSE;
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    UINT nFlags = 0;
    return HitTest(pt.x, pt.y, &nFlags) == iCol && (nFlags & HHT_ONHEADER) != 0;
}

int CXTHeaderCtrl::SetSortColumn(int iCol, BOOL bAscending)
{
    int nPrevious = m_nSortColumn;
    m_nSortColumn = iCol;
    m_bSortAscending = bAscending;
    if (::IsWindow(m_hWnd))
        RedrawNow();
    return nPrevious;
}

int CXTHeaderCtrl::GetSortColumn(BOOL* pbAscending) const
{
    if (pbAscending != NULL)
        *pbAscending = m_bSortAscending;
    return m_nSortColumn;
}

BOOL CXTHeaderCtrl::IsSortArrowEnabled()
{
    CXTHeaderTheme* pTheme = GetTheme();
    return pTheme != NULL && (pTheme->GetDrawStyle() & XTTHEME_SORTARROW) != 0;
}

void CXTHeaderCtrl::EnableSortArrow(BOOL bEnable)
{
    CXTHeaderTheme* pTheme = GetTheme();
    if (pTheme == NULL)
        return;
    DWORD dwStyle = pTheme->GetDrawStyle();
    dwStyle = bEnable ? (dwStyle | XTTHEME_SORTARROW) : (dwStyle & ~XTTHEME_SORTARROW);
    pTheme->SetDrawStyle(dwStyle, this);
}

void CXTHeaderCtrl::SetCustomMenu(UINT nMenuID, int nPopup)
{
    m_nCustomMenuID = nMenuID;
    m_nCustomMenuPopup = nPopup;
}

void CXTHeaderCtrl::SelectBoldFont(BOOL bBold)
{
    SetFont(bBold ? &XTAuxData()->fontBold : &XTAuxData()->font, FALSE);
}

void CXTHeaderCtrl::ApplyBoldFont(BOOL bBold)
{
    SelectBoldFont(bBold);
    RedrawNow();
}

BYTE CXTHeaderCtrl::IsRightToLeftReading()
{
    HWND hDesktop = ::GetDesktopWindow();
    HDC hDC = ::GetWindowDC(hDesktop);
    UINT nAlign = ::GetTextAlign(hDC);
    ::ReleaseDC(hDesktop, hDC);
    return (BYTE)(nAlign != GDI_ERROR && (nAlign & TA_RTLREADING) != 0);
}

void CXTHeaderCtrl::RedrawNow()
{
    RedrawWindow(NULL, NULL, kRedrawNow);
}

CWnd* CXTHeaderCtrl::GetParentList() const
{
    CWnd* pParent = GetParent();
    return pParent != NULL && IsListWindow(pParent->m_hWnd) ? pParent : NULL;
}

// ---------------------------------------------------------------------------
// Column widths

int CXTHeaderCtrl::GetLockedColumnsWidth()
{
    int nWidth = 0;
    for (POSITION pos = m_listLocked.GetHeadPosition(); pos != NULL;)
    {
        CRect rc;
        if (GetItemRect(m_listLocked.GetNext(pos), &rc))
            nWidth += rc.Width();
    }
    return nWidth;
}

void CXTHeaderCtrl::ShareWidthAmongColumns(int cx)
{
    int nCount = GetItemCount();
    int nUnlocked = 0;
    for (int iCol = 0; iCol < nCount; iCol++)
        nUnlocked += IsColumnLocked(iCol) ? 0 : 1;
    if (nUnlocked < 1)
        return;
    int nShare = cx / nUnlocked;
    if (nShare <= m_nMinColumnWidth)
        return;
    CWnd* pParent = GetParent();
    for (int iCol = 0; iCol < nCount; iCol++)
    {
        if (!IsColumnLocked(iCol) && pParent != NULL)
            pParent->SendMessage(LVM_SETCOLUMNWIDTH, iCol, MAKELPARAM(nShare, 0));
    }
}

void CXTHeaderCtrl::FitColumnsToWidth(int cx)
{
    if (cx < 1)
    {
        CRect rc;
        GetWindowRect(&rc);
        cx = rc.Width();
    }
    CWnd* pParent = GetParent();
    if (pParent != NULL && (pParent->GetStyle() & WS_VSCROLL))
        cx -= ::GetSystemMetrics(SM_CXVSCROLL);
    ShareWidthAmongColumns(cx - GetLockedColumnsWidth());
}

BOOL CXTHeaderCtrl::OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult)
{
    // HDITEMA and HDITEMW share their leading mask and width fields.
    NMHEADERA* pHeader = (NMHEADERA*)pNMHDR;
    BOOL bRefuse = IsColumnLocked(pHeader->iItem);
    if (!bRefuse && pHeader->pitem != NULL && (pHeader->pitem->mask & HDI_WIDTH))
        bRefuse = pHeader->pitem->cxy < m_nMinColumnWidth;
    *pResult = bRefuse;
    return bRefuse;
}

void CXTHeaderCtrl::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    if (!m_bAutoFit)
    {
        Default();
        return;
    }
    CRect rc;
    GetWindowRect(&rc);
    if (GetItemCount() > 0 && (lpwndpos->flags & SWP_NOSIZE) == 0 && lpwndpos->cx != rc.Width())
        FitColumnsToWidth(lpwndpos->cx);
}

// ---------------------------------------------------------------------------
// Column images

HIMAGELIST CXTHeaderCtrl::GetColumnImageList(int iCol) const
{
    HIMAGELIST hImageList = NULL;
    return m_mapColumnImages.Lookup(iCol, hImageList) ? hImageList : NULL;
}

HIMAGELIST CXTHeaderCtrl::SetColumnImageList(int iCol, HIMAGELIST hImageList)
{
    HIMAGELIST hOld = GetColumnImageList(iCol);
    if (hImageList != NULL)
        m_mapColumnImages.SetAt(iCol, hImageList);
    else
        m_mapColumnImages.RemoveKey(iCol);
    return hOld;
}

void CXTHeaderCtrl::DestroyColumnImages()
{
    int iCol;
    HIMAGELIST hImageList;
    for (POSITION pos = m_mapColumnImages.GetStartPosition(); pos != NULL;)
    {
        m_mapColumnImages.GetNextAssoc(pos, iCol, hImageList);
        ImageList_Destroy(hImageList);
    }
    m_mapColumnImages.RemoveAll();
}

BOOL CXTHeaderCtrl::SetColumnBitmap(int iCol, UINT nID, DWORD dwRemoveFmt)
{
    if (dwRemoveFmt != 0)
    {
        HDITEM hdi;
        hdi.mask = HDI_FORMAT;
        if (GetItem(iCol, &hdi))
        {
            hdi.fmt &= ~(int)dwRemoveFmt;
            SetItem(iCol, &hdi);
        }
    }
    return SetColumnBitmap(iCol, nID, FALSE, RGB(0xC0, 0xC0, 0xC0));
}

BOOL CXTHeaderCtrl::SetColumnBitmap(int iCol, UINT nID, BOOL bRemove, COLORREF crMask)
{
    CXTHeaderTheme* pTheme = GetTheme();
    if (pTheme != NULL)
        return pTheme->SetColumnBitmap(iCol, nID, bRemove, crMask, this);

    // Without a theme the control draws the column's own bitmap, which it
    // owns: the previous one is deleted whenever it is replaced or removed.
    HDITEM hdi;
    hdi.mask = HDI_FORMAT | HDI_BITMAP;
    if (!GetItem(iCol, &hdi))
        return FALSE;
    HBITMAP hOld = (hdi.fmt & HDF_BITMAP) ? hdi.hbm : NULL;
    if (bRemove)
    {
        hdi.fmt &= ~HDF_BITMAP;
        hdi.hbm = NULL;
    }
    else
    {
        hdi.hbm =
            (HBITMAP)::LoadImageA(XTGetResourceHandle() ? XTGetResourceHandle() : ::GetModuleHandleA(NULL),
                                  MAKEINTRESOURCEA(nID), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS);
        if (hdi.hbm == NULL)
            return FALSE;
        hdi.fmt |= HDF_BITMAP;
    }
    BOOL bSet = SetItem(iCol, &hdi);
    if (hOld != NULL)
        ::DeleteObject(hOld);
    return bSet;
}

// ---------------------------------------------------------------------------
// Painting, layout and themes

void CXTHeaderCtrl::OnPaint()
{
    CPaintDC dc(this);
    CXTHeaderTheme* pTheme = GetTheme();
    if (pTheme == NULL)
    {
        DefWindowProc(WM_PAINT, (WPARAM)dc.m_hDC, 0);
        return;
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTPBufferDC memDC(dc.m_hDC, rcClient);
    pTheme->DrawHeader(&memDC, this);
}

BOOL CXTHeaderCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

LRESULT CXTHeaderCtrl::OnLayout(WPARAM, LPARAM lParam)
{
    CXTHeaderTheme* pTheme = GetTheme();
    if (pTheme == NULL)
        return Default();
    return pTheme->LayoutHeader((LPHDLAYOUT)lParam, this);
}

void CXTHeaderCtrl::OnSysColorChange()
{
    CHeaderCtrl::OnSysColorChange();
    CXTHeaderTheme* pTheme = GetTheme();
    if (pTheme != NULL)
        pTheme->RefreshMetrics();
}

void CXTHeaderCtrl::OnDestroy()
{
    CXTHeaderTheme* pTheme = GetTheme();
    if (pTheme != NULL)
        pTheme->ReleaseColumnImages(this);
    DestroyColumnImages();
    EndHotRest();
    CHeaderCtrl::OnDestroy();
}

void CXTHeaderCtrl::OnThemeChanged()
{
    if (!::IsWindow(m_hWnd))
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    WINDOWPOS wp;
    ZeroMemory(&wp, sizeof(wp));
    HDLAYOUT layout = {&rcClient, &wp};
    if (SendMessage(HDM_LAYOUT, 0, (LPARAM)&layout))
        ::SetWindowPos(m_hWnd, wp.hwndInsertAfter, wp.x, wp.y, wp.cx, wp.cy, wp.flags | SWP_SHOWWINDOW);

    // A list lays out its header and rows again when its size changes: grow
    // it by a pixel and give it back its size.
    CWnd* pParent = GetParent();
    if (pParent == NULL)
        return;
    CRect rcParent;
    pParent->GetWindowRect(&rcParent);
    const UINT nFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    pParent->SetWindowPos(NULL, 0, 0, rcParent.Width() + 1, rcParent.Height() + 1, nFlags);
    pParent->SetWindowPos(NULL, 0, 0, rcParent.Width(), rcParent.Height(), nFlags);
    pParent->RedrawWindow(NULL, NULL, kRedrawParent);
}

// ---------------------------------------------------------------------------
// Mouse

void CXTHeaderCtrl::OnLButtonDown(UINT, CPoint)
{
    m_bLeftButtonDown = TRUE;
    Default();
}

void CXTHeaderCtrl::OnLButtonUp(UINT, CPoint)
{
    m_bLeftButtonDown = FALSE;
    Default();
}

void CXTHeaderCtrl::OnMouseMove(UINT, CPoint)
{
    CXTHeaderTheme* pTheme = GetTheme();
    if (pTheme != NULL && pTheme->UseVisualStyle(this))
        StartHotTimer();
    Default();
}

// The system's notice that the pointer left the header (also onto a window
// above it, where the column stays hot): polling tells where it went.
void CXTHeaderCtrl::OnMouseLeave()
{
    if (m_bHotAtRest)
        StartHotTimer();
    Default();
}

void CXTHeaderCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kHotTimer)
    {
        Default();
        return;
    }
    CPoint ptScreen;
    ::GetCursorPos(&ptScreen);
    CPoint pt = ptScreen;
    ScreenToClient(&pt);
    int iCol = HitTest(pt.x, pt.y);
    if (iCol < 0)
    {
        EndHotRest();
        KillTimer(kHotTimer);
        if (m_bHotDrawn)
            RedrawNow();
        m_bHotDrawn = FALSE;
        return;
    }
    if (iCol != m_nHotColumn)
    {
        m_nHotColumn = iCol;
        m_bHotDrawn = FALSE;
    }
    if (!m_bHotDrawn)
    {
        RedrawNow();
        m_bHotDrawn = TRUE;
    }
    RestHotTracking(ptScreen);
}

void CXTHeaderCtrl::StartHotTimer()
{
    EndHotRest();
    SetTimer(kHotTimer, kHotTimerElapse);
}

// Only a mouse message or the pointer leaving can change the hot column of
// a pointer at rest on the header itself: each tick would find the same
// column. Each tick is also a message that wakes the whole program (a
// frame's idle update runs after it), so the timer stops; the system's
// leave notice and the mouse manager's next-input call start it again.
void CXTHeaderCtrl::RestHotTracking(CPoint ptScreen)
{
    if (::WindowFromPoint(ptScreen) != m_hWnd)
        return;
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
    if (!::TrackMouseEvent(&tme))
        return;
    KillTimer(kHotTimer);
    m_bHotAtRest = TRUE;
    XTPMouseManager()->WakeOnMouseInput(this, [this] { StartHotTimer(); });
}

void CXTHeaderCtrl::EndHotRest()
{
    if (!m_bHotAtRest)
        return;
    m_bHotAtRest = FALSE;
    XTPMouseManager()->CancelWakeOnMouseInput(this);
}

BOOL CXTHeaderCtrl::OnSetCursor(CWnd*, UINT, UINT)
{
    if (!m_listLocked.IsEmpty())
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        int iCol = HitTest(pt.x, pt.y);
        if (iCol >= 0)
        {
            BOOL bArrow = IsColumnLocked(iCol);
            // The divider on this column's near side belongs to the neighbour.
            int iNeighbour = m_bRightToLeft ? iCol + 1 : iCol - 1;
            CRect rc;
            if (!bArrow && iNeighbour >= 0 && IsColumnLocked(iNeighbour) && GetItemRect(iCol, &rc))
            {
                int xMiddle = rc.left + rc.Width() / 2;
                bArrow = m_bRightToLeft ? pt.x >= xMiddle : pt.x <= xMiddle;
            }
            if (bArrow)
            {
                ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
                return TRUE;
            }
        }
    }
    return (BOOL)Default();
}

// ---------------------------------------------------------------------------
// Context menu and its commands

void CXTHeaderCtrl::OnRButtonDown(UINT, CPoint point)
{
    m_ptContextMenu = point;
    CPoint ptScreen(point);
    ClientToScreen(&ptScreen);
    CWnd* pParent = GetParent();
    if ((pParent != NULL && (pParent->GetStyle() & LVS_NOSORTHEADER)) || !m_bContextMenu)
    {
        Default();
        return;
    }
    if (m_nCustomMenuID != 0)
    {
        CMenu menu;
        CMenu* pPopup = XTPResourceManager()->LoadMenu(&menu, m_nCustomMenuID)
                            ? menu.GetSubMenu(m_nCustomMenuPopup)
                            : NULL;
        if (pPopup != NULL)
            pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, GetOwner());
        return;
    }
    int iCol = HitTest(point.x, point.y);
    if (iCol >= 0)
        ShowHeaderMenu(iCol, ptScreen);
}

CMenu* CXTHeaderCtrl::LoadHeaderMenu(CMenu& menu, int iCol)
{
    if (!XTPResourceManager()->LoadMenu(&menu, XT_IDM_POPUP))
        return NULL;
    CMenu* pPopup = menu.GetSubMenu(XT_IDM_POPUP_HEADER);
    if (pPopup == NULL)
        return NULL;
    if (iCol == m_nSortColumn)
    {
        pPopup->CheckMenuItem(m_bSortAscending ? XT_IDC_SORTASC : XT_IDC_SORTDSC, MF_BYCOMMAND | MF_CHECKED);
    }
    CWnd* pList = GetParentList();
    if (pList != NULL)
    {
        LVCOLUMN lvc;
        lvc.mask = LVCF_FMT;
        if (pList->SendMessage(LVM_GETCOLUMN, iCol, (LPARAM)&lvc))
        {
            UINT nAlignID = XT_IDC_ALIGNLEFT;
            if ((lvc.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT)
                nAlignID = XT_IDC_ALIGNRIGHT;
            else if ((lvc.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER)
                nAlignID = XT_IDC_ALIGNCENTER;
            pPopup->CheckMenuItem(nAlignID, MF_BYCOMMAND | MF_CHECKED);
        }
    }
    return pPopup;
}

void CXTHeaderCtrl::ShowHeaderMenu(int iCol, CPoint ptScreen)
{
    CMenu menu;
    CMenu* pPopup = LoadHeaderMenu(menu, iCol);
    // Its commands come to this header.
    if (pPopup != NULL)
        XTTrackPopupMenu(pPopup, TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, this, XT_IDR_TBAR_HDRMENU);
}

void CXTHeaderCtrl::OnSortAsc()
{
    SortMenuColumn(TRUE);
}

void CXTHeaderCtrl::OnSortDsc()
{
    SortMenuColumn(FALSE);
}

void CXTHeaderCtrl::SortMenuColumn(BOOL bAscending)
{
    int iCol = HitTest(m_ptContextMenu.x, m_ptContextMenu.y);
    if (iCol < 0)
        return;
    if (iCol == m_nSortColumn && m_bSortAscending == bAscending)
        return;
    m_bSortAscending = bAscending;
    m_nSortColumn = iCol;
    SendColumnClick(iCol);
}

void CXTHeaderCtrl::SendColumnClick(int iCol)
{
    CWnd* pList = GetParentList();
    if (pList == NULL)
        return;
    char szText[256] = "";
    HDITEMA hdi;
    ZeroMemory(&hdi, sizeof(hdi));
    hdi.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_BITMAP | HDI_IMAGE | HDI_ORDER;
    hdi.pszText = szText;
    hdi.cchTextMax = sizeof(szText);
    GetItem(iCol, &hdi);

    NMHEADERA nm;
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = GetDlgCtrlID();
    nm.hdr.code = HDN_ITEMCLICKA;
    nm.iItem = iCol;
    nm.iButton = 1;
    nm.pitem = &hdi;
    pList->SendMessage(WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
    CWnd::SendMessageToDescendants(pList->m_hWnd, WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm, TRUE, FALSE);
}

void CXTHeaderCtrl::OnAlignLeft()
{
    AlignMenuColumn(LVCFMT_LEFT);
}

void CXTHeaderCtrl::OnAlignCenter()
{
    AlignMenuColumn(LVCFMT_CENTER);
}

void CXTHeaderCtrl::OnAlignRight()
{
    AlignMenuColumn(LVCFMT_RIGHT);
}

void CXTHeaderCtrl::AlignMenuColumn(int nFormat)
{
    int iCol = HitTest(m_ptContextMenu.x, m_ptContextMenu.y);
    CWnd* pList = GetParentList();
    if (iCol < 0 || pList == NULL)
        return;
    LVCOLUMN lvc;
    lvc.mask = LVCF_FMT;
    if (!pList->SendMessage(LVM_GETCOLUMN, iCol, (LPARAM)&lvc))
        return;
    lvc.fmt = (lvc.fmt & ~LVCFMT_JUSTIFYMASK) | nFormat;
    pList->SendMessage(LVM_SETCOLUMN, iCol, (LPARAM)&lvc);
    pList->SendMessage(LVM_SETWORKAREAS, 0, 0);
}

IMPLEMENT_DYNAMIC(CXTFlatHeaderCtrl, CXTHeaderCtrl)

CXTFlatHeaderCtrl::CXTFlatHeaderCtrl()
{
    CXTHeaderThemeOfficeXP* pTheme = new CXTHeaderThemeOfficeXP;
    pTheme->SetThemeId(1);
    SetTheme(pTheme);
}
