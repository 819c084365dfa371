#include "toolkit/commandbars/controls/XTPControlComboBox.h"

#include "toolkit/commandbars/XTPHoldReference.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"
#include "toolkit/foundation/XTPStartup.h"

#include <algorithm>
#include <vector>

IMPLEMENT_SERIAL(CXTPControlComboBoxList, CXTPPopupBar, VERSIONABLE_SCHEMA | 8)
IMPLEMENT_SERIAL(CXTPControlComboBox, CXTPControlPopup, VERSIONABLE_SCHEMA | 8)

XTP_STARTUP_CLASSES(ControlComboBoxClasses, xtpStartupControlClasses, XTP_STARTUP_CLASS(CXTPControlComboBox),
                    XTP_STARTUP_CLASS(CXTPControlComboBoxList));

namespace {

// The list's frame colour in the paint manager.
const int kListFrameColor = 43;

} // namespace

// ---- The drop-down list ------------------------------------------------------------

BEGIN_MESSAGE_MAP(CXTPControlComboBoxList, CXTPPopupBar)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_NCPAINT()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CXTPControlComboBoxList::CXTPControlComboBoxList() : m_pComboBox(NULL), m_nStoredSelection(-1)
{
    // No remembered width: the list is as wide as its combo.
    m_nMRUWidth = 0;
}

int CXTPControlComboBoxList::DropDownHeight(int nCount, int nItemHeight)
{
    const int nRows = std::min(std::max(nCount, 1), kMaxVisibleRows);
    return nRows * nItemHeight + 4;
}

BOOL CXTPControlComboBoxList::CreateListWindow()
{
    if (m_hWnd != NULL)
        return TRUE;
    CWnd* pSite = GetOwnerSite();
    if (!CreateEx(WS_EX_STATICEDGE | WS_EX_TOOLWINDOW, "LISTBOX", NULL,
                  WS_POPUP | WS_CLIPCHILDREN | WS_BORDER | WS_VSCROLL, 0, 0, 0, 0,
                  pSite != NULL ? pSite->GetSafeHwnd() : NULL, NULL))
        return FALSE;
    std::vector<CString> items;
    items.swap(m_storedItems);
    for (const CString& strItem : items)
        SendMessage(LB_ADDSTRING, 0, (LPARAM)(LPCTSTR)strItem);
    SendMessage(LB_SETCURSEL, m_nStoredSelection);
    m_nStoredSelection = -1;
    return TRUE;
}

int CXTPControlComboBoxList::AddItem(LPCTSTR lpszText)
{
    if (m_hWnd != NULL)
        return (int)SendMessage(LB_ADDSTRING, 0, (LPARAM)lpszText);
    m_storedItems.push_back(lpszText);
    return (int)m_storedItems.size() - 1;
}

int CXTPControlComboBoxList::GetItemCount() const
{
    return m_hWnd != NULL ? (int)SendMessage(LB_GETCOUNT) : (int)m_storedItems.size();
}

BOOL CXTPControlComboBoxList::GetItemText(int nIndex, CString& strText) const
{
    strText.Empty();
    if (m_hWnd == NULL)
    {
        if (nIndex < 0 || nIndex >= (int)m_storedItems.size())
            return FALSE;
        strText = m_storedItems[(size_t)nIndex];
        return TRUE;
    }
    const int nLength = (int)SendMessage(LB_GETTEXTLEN, nIndex);
    if (nLength < 0)
        return FALSE;
    std::vector<char> text((size_t)nLength + 1, '\0');
    SendMessage(LB_GETTEXT, nIndex, (LPARAM)text.data());
    strText = text.data();
    return TRUE;
}

int CXTPControlComboBoxList::GetSelection() const
{
    return m_hWnd != NULL ? (int)SendMessage(LB_GETCURSEL) : m_nStoredSelection;
}

void CXTPControlComboBoxList::SetSelection(int nIndex)
{
    if (m_hWnd != NULL)
        SendMessage(LB_SETCURSEL, nIndex);
    else if (nIndex >= -1 && nIndex < (int)m_storedItems.size())
        m_nStoredSelection = nIndex;
}

BOOL CXTPControlComboBoxList::Popup(CXTPControlPopup* pControlPopup, BOOL /*bSelectFirst*/)
{
    CXTPControlComboBox* pComboBox = DYNAMIC_DOWNCAST(CXTPControlComboBox, pControlPopup);
    ASSERT(pComboBox != NULL);
    if (pComboBox == NULL || !CreateListWindow())
        return FALSE;
    CXTPHoldReference hold(this);
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager != NULL)
        SetFont(pPaintManager->GetRegularFont(), FALSE);
    m_pComboBox = pComboBox;
    m_pControlPopup = pComboBox;

    // The owner may refill the list now.
    CWnd* pSite = GetOwnerSite();
    if (pSite != NULL && pSite->GetSafeHwnd() != NULL)
        pSite->SendMessage(WM_XTP_INITPOPUP, 0, (LPARAM)this);
    if (m_pComboBox == NULL)
        return FALSE;

    SetTrackingMode(xtpTrackingOn, FALSE);
    const int nCount = (int)SendMessage(LB_GETCOUNT);
    const int nItemHeight = (int)SendMessage(LB_GETITEMHEIGHT, 0);
    const CSize sz(m_nMRUWidth > 0 ? m_nMRUWidth : pComboBox->GetRect().Width(),
                   DropDownHeight(nCount, nItemHeight));
    UpdateFlags();
    UpdateLocation(sz);
    EnableWindow(TRUE);
    return TRUE;
}

BOOL CXTPControlComboBoxList::SetTrackingMode(int nMode, BOOL bSelectFirst, BOOL bKeyboard)
{
    if (!CXTPPopupBar::SetTrackingMode(nMode, bSelectFirst, bKeyboard))
        return FALSE;
    if (nMode != xtpTrackingOff)
    {
        XTPMouseManager()->LockMouseMove();
        return TRUE;
    }
    // The popup bar's closing has told the combo's bar to close its popup.
    XTPMouseManager()->UnlockMouseMove();
    if (m_hWnd != NULL)
        EnableWindow(FALSE);
    m_pComboBox = NULL;
    return TRUE;
}

int CXTPControlComboBoxList::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    if (m_pComboBox == NULL || nChar == VK_ESCAPE)
        return CXTPPopupBar::OnHookKeyDown(nChar, lParam);
    if (nChar == VK_TAB)
        return 0;
    CXTPControlComboBox* pComboBox = m_pComboBox;
    CXTPHoldReference hold(pComboBox);
    if (nChar == VK_RETURN)
    {
        pComboBox->OnExecute();
        return 1;
    }
    const int nOldSel = (int)SendMessage(LB_GETCURSEL);
    SendMessage(WM_KEYDOWN, nChar, 0);
    if ((int)SendMessage(LB_GETCURSEL) != nOldSel)
        pComboBox->OnSelChanged();
    return 1;
}

BOOL CXTPControlComboBoxList::SelectItemAt(CPoint point)
{
    const DWORD dwHit = (DWORD)SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (HIWORD(dwHit) != 0)
        return FALSE;
    if ((int)SendMessage(LB_GETCURSEL) != (int)LOWORD(dwHit))
        SendMessage(LB_SETCURSEL, LOWORD(dwHit));
    return TRUE;
}

void CXTPControlComboBoxList::OnPaint()
{
    Default();
}

BOOL CXTPControlComboBoxList::OnEraseBkgnd(CDC* /*pDC*/)
{
    return (BOOL)Default();
}

void CXTPControlComboBoxList::OnNcPaint()
{
    Default();
    CWindowDC dc(this);
    CRect rc;
    GetWindowRect(&rc);
    rc.OffsetRect(-rc.left, -rc.top);
    CXTPPaintManager* pPaintManager = GetPaintManager();
    const COLORREF clrFrame =
        pPaintManager != NULL ? pPaintManager->GetColor(kListFrameColor) : ::GetSysColor(COLOR_WINDOWFRAME);
    dc.Draw3dRect(rc, clrFrame, clrFrame);
    rc.DeflateRect(1, 1);
    dc.Draw3dRect(rc, ::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_WINDOW));
}

void CXTPControlComboBoxList::OnMouseMove(UINT nFlags, CPoint point)
{
    SelectItemAt(point);
    CXTPPopupBar::OnMouseMove(nFlags, point);
}

void CXTPControlComboBoxList::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    // The list box's own handling would take the focus from the field.
    SelectItemAt(point);
}

void CXTPControlComboBoxList::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    if (m_pComboBox == NULL)
        return;
    CXTPControlComboBox* pComboBox = m_pComboBox;
    CXTPHoldReference hold(pComboBox);
    pComboBox->OnSelChanged();
    pComboBox->OnExecute();
}

BOOL CXTPControlComboBoxList::OnMouseWheel(UINT /*nFlags*/, short /*zDelta*/, CPoint /*point*/)
{
    return (BOOL)Default();
}

void CXTPControlComboBoxList::Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive)
{
    CXTPPopupBar::Copy(pCommandBar, bRecursive);
    CXTPControlComboBoxList* pSource = DYNAMIC_DOWNCAST(CXTPControlComboBoxList, (CObject*)pCommandBar);
    if (pSource == NULL)
        return;
    const int nCount = pSource->GetItemCount();
    for (int i = 0; i < nCount; i++)
    {
        CString strItem;
        pSource->GetItemText(i, strItem);
        AddItem(strItem);
    }
}

void CXTPControlComboBoxList::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPPopupBar::DoPropExchange(pPX);
    ExchangeItemsSection(pPX);
}

void CXTPControlComboBoxList::ExchangeItemsSection(CXTPPropExchange* pPX)
{
    CXTPPropExchangeSectionPtr pSection(pPX->GetSection("Items"));
    ExchangeItems(pSection);
}

void CXTPControlComboBoxList::ExchangeItems(CXTPPropExchange* pPX)
{
    std::vector<CString> items;
    if (pPX->IsStoring())
    {
        items.resize((size_t)GetItemCount());
        for (size_t i = 0; i < items.size(); i++)
            GetItemText((int)i, items[i]);
    }
    ExchangeItemTexts(pPX, items);
    if (pPX->IsStoring())
        return;
    for (const CString& strItem : items)
    {
        if (AddItem(strItem) < 0)
            break;
    }
}

void CXTPControlComboBoxList::ExchangeItemTexts(CXTPPropExchange* pPX, std::vector<CString>& items)
{
    if (pPX->IsStoring())
    {
        pPX->WriteCount((DWORD)items.size());
        for (size_t i = 0; i < items.size(); i++)
            PX_String(pPX, ItemName(i), items[i], "");
        return;
    }
    const DWORD nCount = pPX->ReadCount();
    items.clear();
    CXTPPropExchangeArchive* pArchiveExchange = dynamic_cast<CXTPPropExchangeArchive*>(pPX);
    if (pArchiveExchange == NULL)
    {
        ReadNamedItemTexts(pPX, nCount, items);
        return;
    }
    // Every stored entry takes at least its length byte in an archive.
    pArchiveExchange->GetArchive("Items")->CheckCount(nCount, 1);
    items.resize(nCount);
    for (DWORD i = 0; i < nCount; i++)
        PX_String(pPX, ItemName(i), items[i], "");
}

void CXTPControlComboBoxList::ReadNamedItemTexts(CXTPPropExchange* pPX, DWORD nCount,
                                                 std::vector<CString>& items)
{
    // One past the last entry the store holds.
    DWORD nEnd = 0;
    for (DWORD i = 0; i < nCount; i++)
    {
        if (i - nEnd > kMaxMissingRun)
        {
            items.resize(nEnd);
            return;
        }
        CString strItem;
        // Without a default: FALSE when the store lacks the entry.
        if (PX_String(pPX, ItemName(i), strItem))
            nEnd = i + 1;
        items.push_back(strItem);
    }
}

CString CXTPControlComboBoxList::ItemName(size_t nIndex)
{
    CString strName;
    strName.Format("Item%i", (int)nIndex);
    return strName;
}

// ---- The edit window -----------------------------------------------------------------

CXTPControlComboBoxEditWnd::CXTPControlComboBoxEditWnd(CXTPControlComboBox* pComboBox)
    : m_pComboBox(pComboBox)
{
    SetHost(pComboBox);
}

void CXTPControlComboBoxEditWnd::FillBackground(CDC* pDC, CRect rcClient)
{
    pDC->FillSolidRect(rcClient, ::GetSysColor(m_pComboBox->GetEnabled() ? COLOR_WINDOW : COLOR_BTNFACE));
}

// ---- The combo box ---------------------------------------------------------------------

CXTPControlComboBox::CXTPControlComboBox()
    : m_pEdit(NULL), m_bDropDown(FALSE), m_dwComboStyle(0), m_nWidth(100), m_nLastSel(-1),
      m_bDelayReposition(FALSE), m_nLabelWidth(0), m_nButtonWidth(0)
{
    m_controlType = xtpControlComboBox;
    CXTPControlComboBoxList* pList = new CXTPControlComboBoxList();
    SetCommandBar(pList);
    pList->InternalRelease();
}

CXTPControlComboBox::~CXTPControlComboBox()
{
    DestroyEditWnd();
    delete m_pEdit;
}

CXTPControlComboBoxList* CXTPControlComboBox::GetListBar() const
{
    return DYNAMIC_DOWNCAST(CXTPControlComboBoxList, (CObject*)m_pCommandBar);
}

HWND CXTPControlComboBox::GetListHwnd()
{
    CXTPControlComboBoxList* pList = GetListBar();
    return pList != NULL && pList->CreateListWindow() ? pList->m_hWnd : NULL;
}

void CXTPControlComboBox::DestroyEditWnd()
{
    if (m_pEdit != NULL && m_pEdit->m_hWnd != NULL)
        m_pEdit->DestroyWindow(); // its text comes back through OnEditDestroy
}

int CXTPControlComboBox::AddString(LPCTSTR lpszString)
{
    CXTPControlComboBoxList* pList = GetListBar();
    return pList != NULL ? pList->AddItem(lpszString) : LB_ERR;
}

int CXTPControlComboBox::GetCount() const
{
    CXTPControlComboBoxList* pList = GetListBar();
    return pList != NULL ? pList->GetItemCount() : 0;
}

void CXTPControlComboBox::GetLBText(int nIndex, CString& strText) const
{
    strText.Empty();
    CXTPControlComboBoxList* pList = GetListBar();
    if (pList != NULL)
        pList->GetItemText(nIndex, strText);
}

int CXTPControlComboBox::GetCurSel() const
{
    CXTPControlComboBoxList* pList = GetListBar();
    return pList != NULL ? pList->GetSelection() : LB_ERR;
}

void CXTPControlComboBox::SetCurSel(int nIndex)
{
    CXTPControlComboBoxList* pList = GetListBar();
    if (pList == NULL || nIndex == GetCurSel())
        return;
    pList->SetSelection(nIndex);
    OnSelChanged();
}

void CXTPControlComboBox::SetDropDownWidth(int nWidth)
{
    if (m_pCommandBar != NULL)
        m_pCommandBar->SetWidth(nWidth);
}

BOOL CXTPControlComboBox::IsDroppedDown() const
{
    CXTPControlComboBoxList* pList = GetListBar();
    return pList != NULL && pList->IsTrackingMode() && pList->GetComboBox() == this;
}

CString CXTPControlComboBox::GetListBoxText() const
{
    CString strText;
    const int nSel = GetCurSel();
    if (nSel >= 0)
        GetLBText(nSel, strText);
    return strText;
}

void CXTPControlComboBox::OnSelChanged()
{
    const CString strText = GetListBoxText();
    m_strEditText = strText;
    if (m_pEdit != NULL && m_pEdit->m_hWnd != NULL)
        m_pEdit->SetWindowText(strText);
    DelayRedrawParent();
}

CString CXTPControlComboBox::GetEditText() const
{
    if (m_pEdit != NULL && m_pEdit->m_hWnd != NULL)
    {
        CString strText;
        m_pEdit->GetWindowText(strText);
        const_cast<CXTPControlComboBox*>(this)->m_strEditText = strText;
    }
    return m_strEditText;
}

void CXTPControlComboBox::SetEditText(LPCTSTR lpszText, BOOL bExact)
{
    HWND hWndList = GetListHwnd();
    if (hWndList != NULL)
    {
        const int nFound = (int)::SendMessage(hWndList, bExact ? LB_FINDSTRINGEXACT : LB_FINDSTRING,
                                              (WPARAM)-1, (LPARAM)lpszText);
        ::SendMessage(hWndList, LB_SETCURSEL, nFound, 0);
    }
    const CString strText = lpszText;
    if (m_pEdit != NULL && m_pEdit->m_hWnd != NULL)
    {
        CString strCurrent;
        m_pEdit->GetWindowText(strCurrent);
        if (strCurrent != strText)
            m_pEdit->SetWindowText(strText);
    }
    m_strEditText = strText;
    DelayRedrawParent();
}

void CXTPControlComboBox::SetDropDownListStyle(BOOL bDropDown)
{
    m_bDropDown = bDropDown;
    if (bDropDown && m_pEdit == NULL)
        m_pEdit = CreateEditWnd();
    else if (!bDropDown && m_pEdit != NULL)
    {
        DestroyEditWnd();
        delete m_pEdit;
        m_pEdit = NULL;
    }
    m_bDelayReposition = TRUE;
    DelayLayoutParent();
}

CXTPControlComboBoxEditWnd* CXTPControlComboBox::CreateEditWnd()
{
    return new CXTPControlComboBoxEditWnd(this);
}

void CXTPControlComboBox::SetRect(CRect rcControl)
{
    if (m_rcControl == rcControl && !m_bDelayReposition && (m_pEdit == NULL || m_pEdit->IsPlacedOn(this)))
        return;
    m_rcControl = rcControl;
    if (m_pEdit != NULL)
        m_pEdit->Place(this,
                       CRect(rcControl.left + m_nLabelWidth + 4, rcControl.top + 3,
                             rcControl.right - m_nButtonWidth - 3, rcControl.bottom - 3),
                       m_strEditText);
    m_bDelayReposition = FALSE;
}

void CXTPControlComboBox::SetLabelWidth(int nWidth)
{
    m_bDelayReposition |= nWidth != m_nLabelWidth;
    m_nLabelWidth = nWidth;
}

void CXTPControlComboBox::SetButtonWidth(int nWidth)
{
    m_bDelayReposition |= nWidth != m_nButtonWidth;
    m_nButtonWidth = nWidth;
}

void CXTPControlComboBox::SetEnabled(BOOL bEnabled)
{
    CXTPControlPopup::SetEnabled(bEnabled);
    XTPFollowControlState(m_pEdit, this);
}

void CXTPControlComboBox::SetHideFlags(DWORD dwFlags)
{
    const BOOL bChanged = dwFlags != m_dwHideFlags;
    CXTPControlPopup::SetHideFlags(dwFlags);
    XTPFollowControlState(m_pEdit, this);
    if (bChanged)
        DelayLayoutParent();
}

void CXTPControlComboBox::SetParent(CXTPCommandBar* pParent)
{
    if (pParent == NULL)
        DestroyEditWnd();
    else if (pParent != m_pParent)
    {
        m_bDelayReposition = TRUE;
        // The list belongs to the new bar's manager and opens over its site.
        if (m_pCommandBar != NULL)
        {
            m_pCommandBar->SetCommandBars(pParent->GetCommandBars());
            m_pCommandBar->SetOwner(pParent);
        }
    }
    CXTPControlPopup::SetParent(pParent);
}

void CXTPControlComboBox::OnCalcDynamicSize(DWORD dwMode)
{
    HideWhenDockedVertically(dwMode);
}

void CXTPControlComboBox::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (m_pParent != NULL && m_pParent->IsCustomizeMode())
    {
        m_pParent->SetPopuped(-1);
        m_pParent->SetSelected(-1);
        OnCustomizeMouseDown(pt);
        return;
    }
    if (bKeyboard && m_pEdit != NULL && m_pEdit->m_hWnd != NULL)
    {
        if (::GetFocus() == m_pEdit->m_hWnd)
            OnExecute();
        else
            m_pEdit->SetFocus();
        return;
    }
    CXTPControlPopup::OnClick(bKeyboard, pt);
}

BOOL CXTPControlComboBox::OnSetPopup(BOOL bPopup)
{
    if (m_pEdit == NULL)
    {
        // Closing without a choice puts the old one back.
        if (bPopup)
            m_nLastSel = GetCurSel();
        else
            SetCurSel(m_nLastSel);
    }
    return CXTPControlPopup::OnSetPopup(bPopup);
}

void CXTPControlComboBox::OnExecute()
{
    m_nLastSel = GetCurSel();
    CXTPControlPopup::OnExecute();
}

BOOL CXTPControlComboBox::OnSetSelected(int bSelected)
{
    if (!CXTPControl::OnSetSelected(bSelected))
        return FALSE;
    if (!bSelected && CXTPEditFocus::HasFocus(this))
        m_focus.ReturnFocus(this);
    return TRUE;
}

void CXTPControlComboBox::OnMouseHover()
{
    if (XTPMouseManager()->IsMouseLocked())
        return;
    // The list does not open by hovering.
    if (GetListBar() != NULL)
        CXTPControl::OnMouseHover();
    else
        CXTPControlPopup::OnMouseHover();
}

int CXTPControlComboBox::OnHookKeyDown(UINT nChar)
{
    if (m_pEdit == NULL || m_pEdit->m_hWnd == NULL)
        return 1;
    if (nChar == VK_ESCAPE)
    {
        if (::GetFocus() != m_pEdit->m_hWnd)
            return 0;
        m_focus.ReturnFocus(this);
        return 1;
    }
    if (nChar == VK_F4)
        OnClick(FALSE);
    return 2;
}

void CXTPControlComboBox::OnEditSetFocus(HWND hWndLost)
{
    m_focus.OnSetFocus(this, hWndLost);
}

void CXTPControlComboBox::OnEditKillFocus()
{
    m_focus.OnKillFocus(this);
}

void CXTPControlComboBox::SetWidth(int nWidth)
{
    m_nWidth = nWidth;
    DelayLayoutParent();
}

void CXTPControlComboBox::Copy(CXTPControl* pControl, BOOL bRecursive)
{
    CXTPControlComboBox* pSource = DYNAMIC_DOWNCAST(CXTPControlComboBox, pControl);
    if (pSource != NULL)
    {
        m_dwComboStyle = pSource->m_dwComboStyle;
        m_nWidth = pSource->m_nWidth;
        m_strEditText = pSource->GetEditText();
        SetDropDownListStyle(pSource->m_pEdit != NULL);
    }
    CXTPControlPopup::Copy(pControl, bRecursive);
}

BOOL CXTPControlComboBox::Compare(CXTPControl* pOther)
{
    CXTPControlComboBox* pComboBox = DYNAMIC_DOWNCAST(CXTPControlComboBox, pOther);
    return CXTPControlPopup::Compare(pOther) && pComboBox != NULL && pComboBox->m_nWidth == m_nWidth;
}

void CXTPControlComboBox::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControlPopup::DoPropExchange(pPX);
    BOOL bDropDown = m_bDropDown;
    PX_Bool(pPX, "DropDown", bDropDown, TRUE);
    PX_Int(pPX, "Width", m_nWidth, 0);
    int nComboStyle = (int)m_dwComboStyle;
    PX_Enum(pPX, "ComboStyle", nComboStyle, 0);
    if (pPX->IsLoading())
    {
        m_dwComboStyle = (DWORD)nComboStyle;
        SetDropDownListStyle(bDropDown);
    }
    // The entries go both ways alike, whatever bar the combo opens: one
    // written without them could never be read back.
    CXTPControlComboBoxList* pList = GetListBar();
    if (pList != NULL)
        pList->ExchangeItemsSection(pPX);
    else
    {
        std::vector<CString> none;
        CXTPPropExchangeSectionPtr pSection(pPX->GetSection("Items"));
        CXTPControlComboBoxList::ExchangeItemTexts(pSection, none);
    }
}

BOOL CXTPControlComboBox::IsLoadedBarAccepted(CXTPCommandBar* pBar) const
{
    return pBar->IsKindOf(RUNTIME_CLASS(CXTPControlComboBoxList));
}
