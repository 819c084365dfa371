#include "toolkit/controls/XTTreeBase.h"
#include "framework/window/CPaintDC.h"
#include "toolkit/foundation/XTPBufferDC.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTWinVersion.h"

namespace {

// A letter (in the multibyte sense of the ANSI code page) or "_" joins a word.
BOOL IsWordCharacter(LPCTSTR lpszChar)
{
    if (*lpszChar == '_')
        return TRUE;
    int nLength = ::IsDBCSLeadByte((BYTE)*lpszChar) && lpszChar[1] != 0 ? 2 : 1;
    WORD types[2] = {0, 0};
    return ::GetStringTypeExA(LOCALE_USER_DEFAULT, CT_CTYPE1, lpszChar, nLength, types)
           && (types[0] & C1_ALPHA);
}

} // namespace

CXTTreeBase::CXTTreeBase()
    : m_bBandTextOnly(TRUE), m_bMultiSelect(FALSE), m_hAnchor(NULL), m_hEditItem(NULL), m_hHotItem(NULL),
      m_mapItemSettings(10), m_pTreeCtrl(NULL), m_bActionDone(0), m_bNotifyGuard(0), m_bEditOnClick(1)
{}

CXTTreeBase::~CXTTreeBase()
{
    m_mapItemSettings.RemoveAll();
}

// ---- walking the tree ----

HTREEITEM CXTTreeBase::GetNextItem(HTREEITEM hItem, UINT nCode)
{
    return Tree().GetNextItem(hItem, nCode);
}

HTREEITEM CXTTreeBase::GetNextItemInTree(HTREEITEM hItem)
{
    HTREEITEM hChild = GetNextItem(hItem, TVGN_CHILD);
    if (hChild != NULL)
        return hChild;
    for (HTREEITEM hUp = hItem; hUp != NULL; hUp = GetNextItem(hUp, TVGN_PARENT))
    {
        HTREEITEM hNext = GetNextItem(hUp, TVGN_NEXT);
        if (hNext != NULL)
            return hNext;
    }
    return NULL;
}

HTREEITEM CXTTreeBase::GetPrevItemInTree(HTREEITEM hItem)
{
    HTREEITEM hPrev = GetNextItem(hItem, TVGN_PREVIOUS);
    return hPrev != NULL ? GetLastItemInTree(hPrev) : GetNextItem(hItem, TVGN_PARENT);
}

HTREEITEM CXTTreeBase::GetLastItemInTree(HTREEITEM hStart)
{
    // From NULL the descent starts above the top-level items, so the result
    // is the last item of the whole tree even with several top-level items.
    HTREEITEM hItem = hStart;
    HTREEITEM hChild = hStart != NULL ? GetNextItem(hStart, TVGN_CHILD) : GetNextItem(NULL, TVGN_ROOT);
    while (hChild != NULL)
    {
        for (HTREEITEM hNext = hChild; hNext != NULL; hNext = GetNextItem(hNext, TVGN_NEXT))
            hChild = hNext;
        hItem = hChild;
        hChild = GetNextItem(hItem, TVGN_CHILD);
    }
    return hItem;
}

// ---- search ----

BOOL CXTTreeBase::MatchesText(HTREEITEM hItem, const CString& strSearch, BOOL bCaseSensitive,
                              BOOL bWholeWord) const
{
    CString strText = Tree().GetItemText(hItem);
    if (!bCaseSensitive)
        strText.MakeUpper();
    LPCTSTR lpszText = strText;
    int nLength = strSearch.GetLength();
    // Every hit is judged on the item's whole text, so the characters around
    // a later hit are the real ones.
    for (int nHit = strText.Find(strSearch); nHit >= 0; nHit = strText.Find(strSearch, nHit + 1))
    {
        if (!bWholeWord)
            return TRUE;
        LPCTSTR lpszHit = lpszText + nHit;
        BOOL bStartsWord = nHit == 0 || !IsWordCharacter(::CharPrevA(lpszText, lpszHit));
        BOOL bEndsWord = lpszHit[nLength] == 0 || !IsWordCharacter(lpszHit + nLength);
        if (bStartsWord && bEndsWord)
            return TRUE;
    }
    return FALSE;
}

BOOL CXTTreeBase::AcceptFoundItem(HTREEITEM /*hItem*/)
{
    return TRUE;
}

HTREEITEM CXTTreeBase::NextMatch(HTREEITEM hItem, const CString& strSearch, BOOL bCaseSensitive,
                                 BOOL bWholeWord)
{
    return MatchesText(hItem, strSearch, bCaseSensitive, bWholeWord) && AcceptFoundItem(hItem) ? hItem : NULL;
}

HTREEITEM CXTTreeBase::FindItem(LPCTSTR lpszSearch, BOOL bCaseSensitive, BOOL bDownward, BOOL bWholeWord,
                                HTREEITEM hStart)
{
    if (lpszSearch == NULL || *lpszSearch == 0)
        return NULL;
    if (hStart == NULL)
        hStart = GetFocusedItem();
    if (hStart == NULL)
        hStart = GetNextItem(NULL, TVGN_ROOT);
    if (hStart == NULL)
        return NULL;
    CString strSearch(lpszSearch);
    if (!bCaseSensitive)
        strSearch.MakeUpper();

    HTREEITEM hItem = hStart;
    do
    {
        if (NextMatch(hItem, strSearch, bCaseSensitive, bWholeWord) != NULL)
            return hItem;
        hItem = bDownward ? GetNextItemInTree(hItem) : GetPrevItemInTree(hItem);
        if (hItem == NULL)
            hItem = bDownward ? GetNextItem(NULL, TVGN_ROOT) : GetLastItemInTree(NULL);
    } while (hItem != hStart && hItem != NULL);
    return NULL;
}

HTREEITEM CXTTreeBase::FindItemInChildren(LPCTSTR lpszSearch, BOOL bCaseSensitive, BOOL bWholeWord,
                                          HTREEITEM hParent)
{
    if (lpszSearch == NULL || *lpszSearch == 0)
        return NULL;
    CString strSearch(lpszSearch);
    if (!bCaseSensitive)
        strSearch.MakeUpper();
    for (HTREEITEM hChild = GetNextItem(hParent, TVGN_CHILD); hChild != NULL;
         hChild = GetNextItem(hChild, TVGN_NEXT))
    {
        if (GetNextItem(hChild, TVGN_CHILD) != NULL)
        {
            HTREEITEM hFound = FindItemInChildren(lpszSearch, bCaseSensitive, bWholeWord, hChild);
            if (hFound != NULL)
                return hFound;
        }
        if (NextMatch(hChild, strSearch, bCaseSensitive, bWholeWord) != NULL)
            return hChild;
    }
    return NULL;
}

// ---- fonts and colours of items ----

XTItemSettings& CXTTreeBase::SettingsOf(HTREEITEM hItem)
{
    XTItemSettings unset;
    if (!m_mapItemSettings.Lookup(hItem, unset))
    {
        ZeroMemory(&unset, sizeof(unset));
        unset.crText = 0xFFFFFFFF;
        m_mapItemSettings.SetAt(hItem, unset);
    }
    return m_mapItemSettings[hItem];
}

void CXTTreeBase::SetItemFont(HTREEITEM hItem, LOGFONTA* pLogFont)
{
    SettingsOf(hItem).logFont = *pLogFont;
}

BOOL CXTTreeBase::GetItemFont(HTREEITEM hItem, LOGFONTA* pLogFont)
{
    XTItemSettings settings;
    if (!m_mapItemSettings.Lookup(hItem, settings) || settings.logFont.lfFaceName[0] == 0)
        return FALSE;
    *pLogFont = settings.logFont;
    return TRUE;
}

void CXTTreeBase::SetItemBold(HTREEITEM hItem, BOOL bBold)
{
    Tree().CTreeCtrl::SetItemState(hItem, bBold ? TVIS_BOLD : 0, TVIS_BOLD);
    Tree().Invalidate();
}

BOOL CXTTreeBase::GetItemBold(HTREEITEM hItem)
{
    return (Tree().CTreeCtrl::GetItemState(hItem, TVIS_BOLD) & TVIS_BOLD) != 0;
}

void CXTTreeBase::SetItemColor(HTREEITEM hItem, COLORREF clr)
{
    SettingsOf(hItem).crText = clr;
    Tree().Invalidate();
}

COLORREF CXTTreeBase::GetItemColor(HTREEITEM hItem)
{
    XTItemSettings settings;
    return m_mapItemSettings.Lookup(hItem, settings) ? settings.crText : 0xFFFFFFFF;
}

// ---- the control ----

BOOL CXTTreeBase::IsEditLabels() const
{
    return (Tree().GetStyle() & TVS_EDITLABELS) != 0;
}

HTREEITEM CXTTreeBase::GetFocusedItem() const
{
    return Tree().GetNextItem(NULL, TVGN_CARET);
}

BOOL CXTTreeBase::IsSelected(HTREEITEM hItem) const
{
    return (Tree().CTreeCtrl::GetItemState(hItem, TVIS_SELECTED) & TVIS_SELECTED) != 0;
}

HWND CXTTreeBase::GetEditHwnd() const
{
    return (HWND)Tree().SendMessage(TVM_GETEDITCONTROL);
}

COLORREF CXTTreeBase::GetTreeBackColor() const
{
    if (!Tree().IsWindowEnabled())
        return XTPGetColor(COLOR_3DFACE);
    COLORREF clr = Tree().GetBkColor();
    return clr == 0xFFFFFFFF ? XTPGetColor(COLOR_WINDOW) : clr;
}

COLORREF CXTTreeBase::GetTreeTextColor() const
{
    if (!Tree().IsWindowEnabled())
        return XTPGetColor(COLOR_GRAYTEXT);
    COLORREF clr = Tree().GetTextColor();
    return clr == 0xFFFFFFFF ? XTPGetColor(COLOR_WINDOWTEXT) : clr;
}

COLORREF CXTTreeBase::GetItemBackColor(UINT nState, BOOL bHasFocus, DWORD dwStyle, COLORREF clrDefault) const
{
    if ((nState & (TVIS_SELECTED | TVIS_DROPHILITED)) == 0)
        return clrDefault;
    BOOL bEnabled = Tree().IsWindowEnabled();
    if (bHasFocus)
        return XTPGetColor(bEnabled ? COLOR_HIGHLIGHT : COLOR_GRAYTEXT);
    if (dwStyle & TVS_SHOWSELALWAYS)
        return XTPGetColor(bEnabled ? COLOR_3DFACE : COLOR_GRAYTEXT);
    return clrDefault;
}

COLORREF CXTTreeBase::GetItemTextColor(UINT nState, BOOL bHasFocus, DWORD dwStyle, COLORREF clrDefault) const
{
    if ((nState & (TVIS_SELECTED | TVIS_DROPHILITED)) == 0)
        return clrDefault;
    BOOL bEnabled = Tree().IsWindowEnabled();
    if (bHasFocus)
        return XTPGetColor(bEnabled ? COLOR_HIGHLIGHTTEXT : COLOR_3DFACE);
    if (dwStyle & TVS_SHOWSELALWAYS)
        return XTPGetColor(bEnabled ? COLOR_WINDOWTEXT : COLOR_3DFACE);
    return clrDefault;
}

LRESULT CXTTreeBase::NotifyOwner(NMHDR* pHeader)
{
    CWnd* pOwner = Tree().GetOwner();
    if (pOwner == NULL || !::IsWindow(pOwner->m_hWnd))
        return 0;
    BYTE bGuard = m_bNotifyGuard;
    LRESULT lResult = pOwner->SendMessage(WM_NOTIFY, pHeader->idFrom, (LPARAM)pHeader);
    m_bNotifyGuard = bGuard;
    return lResult;
}

// ---- painting ----

void CXTTreeBase::PaintItems(CDC* pDC, BOOL bDrawItems)
{
    CRect rcClient;
    Tree().GetClientRect(&rcClient);
    CXTMemDC memDC(pDC, rcClient, GetTreeBackColor());
    Tree().DefWindowProc(WM_PAINT, (WPARAM)memDC.GetSafeHdc(), 0);
    if (!bDrawItems)
        return;

    int nSavedDC = memDC.SaveDC();
    BOOL bEditing = IsEditLabels() && GetEditHwnd() != NULL;
    if (!bEditing)
        m_hEditItem = NULL;
    UINT nLeft = Tree().GetVisibleCount() + 1;
    for (HTREEITEM hItem = Tree().GetFirstVisibleItem(); hItem != NULL && nLeft > 0;
         hItem = Tree().GetNextVisibleItem(hItem), nLeft--)
        DrawItem(&memDC, hItem, rcClient, bEditing);
    memDC.RestoreDC(nSavedDC);
}

void CXTTreeBase::DrawItem(CDC* pDC, HTREEITEM hItem, const CRect& rcClient, BOOL bEditing)
{
    COLORREF clrTreeBack = GetTreeBackColor();
    COLORREF clrTreeText = GetTreeTextColor();
    BOOL bEnabled = Tree().IsWindowEnabled();
    BOOL bHasFocus = HasFocus();
    DWORD dwStyle = Tree().GetStyle();

    CRect rcItem;
    Tree().GetItemRect(hItem, &rcItem, TRUE);
    pDC->FillSolidRect(rcItem.left, rcItem.top, rcClient.right - rcItem.left, rcItem.Height(), clrTreeBack);

    UINT nState = GetItemState(hItem, TVIS_XT_HOT | TVIS_DROPHILITED | TVIS_SELECTED | TVIS_FOCUSED);
    BOOL bSelected = (nState & (TVIS_SELECTED | TVIS_DROPHILITED)) != 0;
    COLORREF clrBack = GetItemBackColor(nState, bHasFocus, dwStyle, clrTreeBack);
    COLORREF clrText = GetItemTextColor(nState, bHasFocus, dwStyle, clrTreeText);
    if (hItem == m_hEditItem)
        clrBack = clrText = clrTreeBack;

    LOGFONTA lf;
    HFONT hFont = (HFONT)Tree().SendMessage(WM_GETFONT);
    ::GetObjectA(hFont != NULL ? (HGDIOBJ)hFont : ::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    XTItemSettings settings;
    if (m_mapItemSettings.Lookup(hItem, settings))
    {
        if (settings.crText != 0xFFFFFFFF && !bSelected && bEnabled)
            clrText = settings.crText;
        if (settings.logFont.lfFaceName[0] != 0)
            lf = settings.logFont;
    }
    if (GetItemBold(hItem))
        lf.lfWeight = FW_BOLD;
    if ((dwStyle & TVS_TRACKSELECT) && (nState & TVIS_XT_HOT) && !bSelected)
    {
        CXTWinVersion* pVersion = XTOSVersionInfo();
        clrText = XTPGetColor(pVersion->IsWin95() || pVersion->IsWinNT4() ? COLOR_HIGHLIGHT : COLOR_HOTLIGHT);
    }

    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* pOldFont = pDC->SelectObject(&font);
    CString strText = Tree().GetItemText(hItem);
    CSize sizeText = pDC->GetTextExtent(strText);
    if (rcItem.Width() < sizeText.cx)
        rcItem.right = rcItem.left + sizeText.cx + 2;

    pDC->SetBkColor(clrBack);
    pDC->SetTextColor(clrText);
    if (bSelected)
        pDC->FillSolidRect(rcItem, clrBack);
    pDC->DrawText(strText, rcItem, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if ((nState & TVIS_FOCUSED) && !bEditing && bEnabled && bHasFocus)
    {
        pDC->SetTextColor(clrTreeText);
        pDC->DrawFocusRect(rcItem);
    }
    pDC->SelectObject(pOldFont);
}

void CXTTreeBase::OnPaint()
{
    CPaintDC dc(m_pTreeCtrl);
    PaintItems(&dc, TRUE);
}

void CXTTreeBase::OnSize()
{
    Tree().Default();
    HWND hEdit = GetEditHwnd();
    if (!IsEditLabels() || m_hEditItem == NULL || !::IsWindow(hEdit))
        return;
    CRect rcItem;
    CRect rcEdit;
    Tree().GetItemRect(m_hEditItem, &rcItem, TRUE);
    ::GetWindowRect(hEdit, &rcEdit);
    ::MoveWindow(hEdit, rcItem.left - 3, rcItem.top - 1, rcEdit.Width(), rcEdit.Height(), TRUE);
}

// ---- hot tracking ----

void CXTTreeBase::SetHot(HTREEITEM hItem, BOOL bHot)
{
    if (hItem != NULL && ((Tree().CTreeCtrl::GetItemState(hItem, TVIS_XT_HOT) & TVIS_XT_HOT) != 0) != bHot)
        Tree().CTreeCtrl::SetItemState(hItem, bHot ? TVIS_XT_HOT : 0, TVIS_XT_HOT);
}

void CXTTreeBase::OnMouseMove(CPoint point)
{
    if (Tree().GetStyle() & TVS_TRACKSELECT)
    {
        UINT nHitFlags = 0;
        HTREEITEM hHit = Tree().HitTest(point, &nHitFlags);
        SetHot(hHit, (nHitFlags & TVHT_ONITEM) != 0);
        if (m_hHotItem != NULL && m_hHotItem != hHit)
            SetHot(m_hHotItem, FALSE);
        m_hHotItem = hHit;
        Tree().SetTimer(TimerHotTrack, HotTrackElapse);
    }
    Tree().Default();
}

void CXTTreeBase::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != TimerHotTrack || (Tree().GetStyle() & TVS_TRACKSELECT) == 0)
    {
        Tree().Default();
        return;
    }
    Tree().KillTimer(TimerHotTrack);
    CRect rcWindow;
    Tree().GetWindowRect(&rcWindow);
    DWORD dwPos = ::GetMessagePos();
    if (rcWindow.PtInRect(CPoint((short)LOWORD(dwPos), (short)HIWORD(dwPos))))
        return;
    for (HTREEITEM hItem = Tree().GetFirstVisibleItem(); hItem != NULL;
         hItem = Tree().GetNextVisibleItem(hItem))
        SetHot(hItem, FALSE);
}

void CXTTreeBase::OnNcMouseMove(UINT nHitTest)
{
    if ((Tree().GetStyle() & TVS_TRACKSELECT) && nHitTest == HTBORDER)
        SetHot(Tree().GetFirstVisibleItem(), FALSE);
    Tree().Default();
}

// ---- label editing, tool tips and keys ----

void CXTTreeBase::OnBeginLabelEdit(NMHDR* pHeader, LRESULT* pResult)
{
    m_hEditItem = ((NMTVDISPINFOA*)pHeader)->item.hItem;
    *pResult = 0;
}

void CXTTreeBase::OnEndLabelEdit(NMHDR* /*pHeader*/, LRESULT* pResult)
{
    m_hEditItem = NULL;
    *pResult = 0;
}

void CXTTreeBase::OnDeleteItem(NMHDR* pHeader, LRESULT* pResult)
{
    // The control sends this for every item it deletes, children included.
    // An anchor kept past its item would name nothing (or a later item given
    // the same handle), and the range of the next Shift selection would
    // start nowhere: a deleted anchor is no anchor, and that range starts at
    // the caret.
    HTREEITEM hDeleted = ((NMTREEVIEWA*)pHeader)->itemOld.hItem;
    m_mapItemSettings.RemoveKey(hDeleted);
    if (m_hAnchor == hDeleted)
        m_hAnchor = NULL;
    *pResult = 0;
}

void CXTTreeBase::OnSystemKey()
{
    const MSG* pMsg = CWnd::GetCurrentMessage();
    ::DefWindowProcA(TreeHwnd(), pMsg->message, pMsg->wParam, pMsg->lParam);
}

BOOL CXTTreeBase::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN)
    {
        if (IsEditLabels() && GetEditHwnd() != NULL)
        {
            ::TranslateMessage(pMsg);
            ::DispatchMessageA(pMsg);
            return TRUE;
        }
        if (pMsg->wParam == VK_RETURN)
        {
            HTREEITEM hCaret = GetFocusedItem();
            if (hCaret != NULL)
                Tree().Expand(hCaret, TVE_TOGGLE);
        }
    }
    return BasePreTranslateMessage(pMsg);
}

BOOL CXTTreeBase::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (((NMHDR*)lParam)->code == TTN_SHOW)
    {
        HWND hTip = (HWND)Tree().SendMessage(TVM_GETTOOLTIPS);
        if (hTip != NULL)
            ::SetWindowPos(hTip, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    }
    return BaseOnNotify(wParam, lParam, pResult);
}
