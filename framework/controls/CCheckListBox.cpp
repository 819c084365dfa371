#include "framework/controls/CCheckListBox.h"

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

namespace {

const int kBoxSize = 13;
const int kBoxMargin = 2;

BOOL IsOwnerDrawn(DWORD dwStyle)
{
    return (dwStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

} // namespace

CCheckListBox::CCheckListBox() : m_nStyle(BS_AUTOCHECKBOX)
{}

int CCheckListBox::CheckBoxWidth()
{
    return kBoxSize + 2 * kBoxMargin;
}

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!IsOwnerDrawn(dwStyle))
        dwStyle |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    if (!CListBox::Create(dwStyle, rect, pParentWnd, nID))
        return FALSE;
    EnsureItemHeight();
    return TRUE;
}

void CCheckListBox::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    m_checks.assign(GetCount() > 0 ? GetCount() : 0, ItemCheck{0, TRUE});
    EnsureItemHeight();
}

// The box must fit in an item, whatever font measured the list.
void CCheckListBox::EnsureItemHeight()
{
    if ((GetStyle() & LBS_OWNERDRAWVARIABLE) == 0 && GetItemHeight(0) < kBoxSize + kBoxMargin)
        SetItemHeight(0, kBoxSize + kBoxMargin);
}

CCheckListBox::ItemCheck* CCheckListBox::Find(int nIndex)
{
    return nIndex >= 0 && nIndex < (int)m_checks.size() ? &m_checks[nIndex] : NULL;
}

const CCheckListBox::ItemCheck* CCheckListBox::Find(int nIndex) const
{
    return nIndex >= 0 && nIndex < (int)m_checks.size() ? &m_checks[nIndex] : NULL;
}

void CCheckListBox::InvalidateItem(int nIndex)
{
    CRect rect;
    if (GetItemRect(nIndex, &rect) != LB_ERR)
        InvalidateRect(&rect, FALSE);
}

void CCheckListBox::SetCheck(int nIndex, int nCheck)
{
    ItemCheck* pCheck = Find(nIndex);
    if (pCheck == NULL || nCheck < 0 || nCheck > 2)
        return;
    pCheck->nCheck = nCheck;
    InvalidateItem(nIndex);
}

int CCheckListBox::GetCheck(int nIndex) const
{
    const ItemCheck* pCheck = Find(nIndex);
    return pCheck != NULL ? pCheck->nCheck : 0;
}

void CCheckListBox::Enable(int nIndex, BOOL bEnabled)
{
    ItemCheck* pCheck = Find(nIndex);
    if (pCheck == NULL)
        return;
    pCheck->bEnabled = bEnabled;
    InvalidateItem(nIndex);
}

BOOL CCheckListBox::IsEnabled(int nIndex) const
{
    const ItemCheck* pCheck = Find(nIndex);
    return pCheck != NULL && pCheck->bEnabled;
}

// The checks follow the items: an added item (wherever sorting put it)
// starts unchecked and enabled, a deleted one takes its check along.
void CCheckListBox::KeepChecksInStep(UINT message, WPARAM wParam, LRESULT result)
{
    switch (message)
    {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
        if (result >= 0 && result <= (LRESULT)m_checks.size())
            m_checks.insert(m_checks.begin() + result, ItemCheck{0, TRUE});
        break;
    case LB_DELETESTRING:
        if (result != LB_ERR && wParam < m_checks.size())
            m_checks.erase(m_checks.begin() + wParam);
        break;
    case LB_RESETCONTENT:
        m_checks.clear();
        break;
    }
}

BOOL CCheckListBox::ClickedBox(LPARAM lParam, int& nIndex) const
{
    CPoint point((DWORD)lParam);
    BOOL bOutside = TRUE;
    nIndex = (int)ItemFromPoint(point, bOutside);
    return !bOutside && point.x < CheckBoxWidth() && IsEnabled(nIndex);
}

// Check boxes cycle unchecked, checked (and indeterminate with three states);
// plain (non-auto) boxes only notify, leaving the change to the parent.
void CCheckListBox::ToggleByUser(int nIndex)
{
    if (!IsEnabled(nIndex))
        return;
    UINT nType = m_nStyle & 0x0F;
    if (nType == BS_AUTOCHECKBOX)
        SetCheck(nIndex, GetCheck(nIndex) == 1 ? 0 : 1);
    else if (nType == BS_AUTO3STATE)
        SetCheck(nIndex, (GetCheck(nIndex) + 1) % 3);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE), (LPARAM)m_hWnd);
}

LRESULT CCheckListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    int nIndex = -1;
    if ((message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) && ClickedBox(lParam, nIndex))
    {
        LRESULT result = CListBox::WindowProc(message, wParam, lParam);
        ToggleByUser(nIndex);
        return result;
    }
    if (message == WM_KEYDOWN && wParam == VK_SPACE)
    {
        ToggleByUser(GetCaretIndex());
        return 0;
    }
    LRESULT result = CListBox::WindowProc(message, wParam, lParam);
    KeepChecksInStep(message, wParam, result);
    return result;
}

void CCheckListBox::PreDrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    int nIndex = (int)lpDrawItemStruct->itemID;
    if (nIndex >= 0)
    {
        CRect box(lpDrawItemStruct->rcItem);
        box.right = box.left + CheckBoxWidth();
        ::FillRect(lpDrawItemStruct->hDC, &box, ::GetSysColorBrush(COLOR_WINDOW));
        int top = box.top + (box.Height() - kBoxSize) / 2;
        CRect frame(box.left + kBoxMargin, top, box.left + kBoxMargin + kBoxSize, top + kBoxSize);
        UINT nState = DFCS_BUTTONCHECK;
        if (GetCheck(nIndex) == 1)
            nState |= DFCS_CHECKED;
        else if (GetCheck(nIndex) == 2)
            nState = DFCS_BUTTON3STATE | DFCS_CHECKED;
        if (!IsEnabled(nIndex))
            nState |= DFCS_INACTIVE;
        ::DrawFrameControl(lpDrawItemStruct->hDC, &frame, DFC_BUTTON, nState);
    }
    DRAWITEMSTRUCT rest = *lpDrawItemStruct;
    rest.rcItem.left += CheckBoxWidth();
    DrawItem(&rest);
}

// Items with strings draw their text, highlighted when selected; lists
// without strings draw nothing unless a derived class does.
void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if ((GetStyle() & LBS_HASSTRINGS) == 0 || (int)lpDrawItemStruct->itemID < 0)
        return;
    HDC hDC = lpDrawItemStruct->hDC;
    BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    int nBack = bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW;
    int nText = !IsEnabled(lpDrawItemStruct->itemID) ? COLOR_GRAYTEXT
                : bSelected                          ? COLOR_HIGHLIGHTTEXT
                                                     : COLOR_WINDOWTEXT;
    ::FillRect(hDC, &lpDrawItemStruct->rcItem, ::GetSysColorBrush(nBack));
    COLORREF oldText = ::SetTextColor(hDC, ::GetSysColor(nText));
    int oldMode = ::SetBkMode(hDC, TRANSPARENT);
    CString text;
    GetText(lpDrawItemStruct->itemID, text);
    CRect rect(lpDrawItemStruct->rcItem);
    rect.left += kBoxMargin;
    ::DrawText(hDC, text, text.GetLength(), &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::SetBkMode(hDC, oldMode);
    ::SetTextColor(hDC, oldText);
    if (lpDrawItemStruct->itemState & ODS_FOCUS)
        ::DrawFocusRect(hDC, &lpDrawItemStruct->rcItem);
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->itemHeight < (UINT)(kBoxSize + kBoxMargin))
        lpMeasureItemStruct->itemHeight = kBoxSize + kBoxMargin;
}

BOOL CCheckListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CListBox::OnChildNotify(message, wParam, lParam, pResult);
    PreDrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult != NULL)
        *pResult = TRUE;
    return TRUE;
}
