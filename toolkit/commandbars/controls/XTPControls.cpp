#include "toolkit/commandbars/controls/XTPControls.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlCustom.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/controls/XTPControlLabel.h"
#include "toolkit/commandbars/controls/XTPControlOleItems.h"
#include "toolkit/commandbars/layout/XTPControlLayout.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControlRecentFileList.h"
#include "toolkit/commandbars/controls/XTPControlToolbars.h"
#include "toolkit/commandbars/controls/XTPControlWindowList.h"
#include "toolkit/commandbars/controls/XTPControlWorkspaceActions.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/commandbars/state/XTPPropExchangeParam.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CXTPControls, CCmdTarget)

namespace {

// The MDI window list placeholder of menu resources: it gives no control.
const UINT kMdiWindowListId = 0xFF00;

// "&&" becomes "&", a single "&" goes.
CString CleanMnemonics(const CString& strCaption)
{
    CString strClean = strCaption;
    CXTPPaintManager::StripMnemonics(strClean);
    return strClean;
}

// A submenu wrapped for the length of one call. The framework's GetSubMenu
// hands out temporary wrappers that live until the thread next idles: a
// frame made and destroyed without idling in between (start-up, a program
// that opens frames in a loop) kept one for each popup menu it loaded.
class CScopedSubMenu
{
public:
    CScopedSubMenu() {}
    ~CScopedSubMenu() { m_menu.Detach(); }
    // The submenu at the position of hMenu; NULL when there is none.
    CMenu* Open(HMENU hMenu, int nPos)
    {
        m_menu.Detach();
        HMENU hSubMenu = hMenu != NULL ? ::GetSubMenu(hMenu, nPos) : NULL;
        return hSubMenu != NULL && m_menu.Attach(hSubMenu) ? &m_menu : NULL;
    }

private:
    CScopedSubMenu(const CScopedSubMenu&);
    void operator=(const CScopedSubMenu&);
    CMenu m_menu;
};

// Reserved command ids that give list-expanding placeholders.
const int kWindowListId = 35000;
const int kRecentFileListId = 35003;
const int kToolbarsListId = 59392;

// The class of a type-1 control for the id: the list-expanding placeholders
// for their reserved ids (a menu's recent-file list comes as 57616, one
// added by the program as 35003; a menu's object verbs as 57872 with their
// placeholder caption), else a plain button.
CXTPControl* CreateButtonForId(int nId, BOOL bFromMenu, const CString& strCaption = CString())
{
    if (bFromMenu && nId == CXTPControlOleItems::kCommandId && strCaption == CXTPControlOleItems::kCaption)
        return new CXTPControlOleItems();
    switch (nId)
    {
    case kWindowListId:
        return new CXTPControlWindowList();
    case CXTPControlWorkspaceActions::kCommandId:
        return new CXTPControlWorkspaceActions();
    case kToolbarsListId:
        return new CXTPControlToolbars();
    default:
        break;
    }
    const int nRecentFileListId = bFromMenu ? CXTPControlRecentFileList::kFirstFileId : kRecentFileListId;
    if (nId == nRecentFileListId)
        return new CXTPControlRecentFileList();
    return new CXTPControlButton();
}

// The class of a control that is neither a button nor a popup: combo box,
// edit, hosted window or label; NULL for any other type.
CXTPControl* CreateFieldControl(XTPControlType type)
{
    switch (type)
    {
    case xtpControlComboBox:
        return new CXTPControlComboBox();
    case xtpControlEdit:
        return new CXTPControlEdit();
    case xtpControlCustom:
        return new CXTPControlCustom();
    case xtpControlLabel:
        return new CXTPControlLabel();
    default:
        return NULL;
    }
}

} // namespace

CXTPControls::CXTPControls() : m_pParent(NULL), m_pCommandBars(NULL), m_pOriginalControls(NULL)
{}

CXTPControls::~CXTPControls()
{
    RemoveAll();
    ClearOriginalControls();
}

CXTPControl* CXTPControls::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrControls[nIndex] : NULL;
}

void CXTPControls::GetNext(CXTPControl*& pControl) const
{
    pControl = pControl != NULL ? GetAt(pControl->GetIndex() + 1) : NULL;
}

CXTPCommandBars* CXTPControls::GetCommandBars() const
{
    return m_pParent != NULL ? m_pParent->GetCommandBars() : m_pCommandBars;
}

CWnd* CXTPControls::GetSite() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars != NULL && pCommandBars->GetSite() != NULL)
        return pCommandBars->GetSite();
    return m_pParent != NULL ? m_pParent->GetOwnerSite() : NULL;
}

void CXTPControls::SetParent(CXTPCommandBar* pParent)
{
    m_pParent = pParent;
    if (GetCount() > 0)
        RefreshIndexes();
}

void CXTPControls::InsertAt(CXTPControl* pControl, int nBefore)
{
    if (nBefore < 0 || nBefore >= GetCount())
        nBefore = GetCount();
    m_arrControls.insert(m_arrControls.begin() + nBefore, pControl);
}

void CXTPControls::RefreshIndexes()
{
    for (int i = 0; i < GetCount(); i++)
    {
        m_arrControls[i]->SetIndexAndOwner(i, this);
        m_arrControls[i]->SetParent(m_pParent);
    }
    if (m_pParent != NULL)
        m_pParent->OnControlsChanged();
}

CXTPControl* CXTPControls::CreatePopupControl(XTPControlType type, int nId, CString& strAsked,
                                              CMenu* pSubMenu, BOOL bAskSite)
{
    CXTPControlPopup* pPopup = new CXTPControlPopup();
    pPopup->SetType(type);

    CXTPCommandBar* pBar = NULL;
    if (bAskSite)
    {
        CWnd* pSite = GetSite();
        if (pSite != NULL && pSite->GetSafeHwnd() != NULL)
        {
            CreateCommandBarRequest request = {NULL, TRUE, FALSE, FALSE, FALSE, (LPCTSTR)strAsked, (UINT)nId};
            const LRESULT lResult = pSite->SendMessage(WM_XTP_CREATECOMMANDBAR, 0, (LPARAM)&request);
            if (request.lpcstrCaption != NULL && request.lpcstrCaption != (LPCTSTR)strAsked)
                strAsked = CString(request.lpcstrCaption);
            if (lResult != 0 && request.pCommandBar != NULL)
            {
                // Any popup bar opens here, one laid out as a tool bar too;
                // another bar is given back.
                if (request.pCommandBar->IsKindOf(RUNTIME_CLASS(CXTPPopupBar)))
                    pBar = request.pCommandBar;
                else
                    request.pCommandBar->InternalRelease();
            }
        }
    }
    if (pBar == NULL)
        pBar = CXTPControlPopup::CreatePopupBar(GetCommandBars());
    if (pBar != NULL)
    {
        if (pSubMenu != NULL)
            pBar->LoadMenu(pSubMenu);
        pPopup->SetCommandBar(pBar);
        pBar->InternalRelease();
    }
    return pPopup;
}

CXTPControl* CXTPControls::Add(XTPControlType controlType, int nId, const CString& strParameter, int nBefore,
                               BOOL bTemporary)
{
    CXTPControl* pControl = NULL;
    switch (controlType)
    {
    case xtpControlButton:
        pControl = CreateButtonForId(nId, FALSE);
        pControl->SetID(nId);
        break;
    case xtpControlPopup:
    case xtpControlButtonPopup:
    case xtpControlSplitButtonPopup:
    {
        CString strCaption;
        CMenu menu;
        CScopedSubMenu subMenu;
        CMenu* pSubMenu = NULL;
        if (nId > 0 && menu.LoadMenu((UINT)nId))
        {
            pSubMenu = subMenu.Open(menu.m_hMenu, 0);
            menu.GetMenuString(0, strCaption, MF_BYPOSITION);
        }
        // The site is asked with the menu's own text, and that text, tab
        // part and all, is the caption.
        CString strAsked = strCaption;
        pControl = CreatePopupControl(controlType, nId, strAsked, pSubMenu, nId > 0);
        pControl->m_strCaption = strCaption;
        if (controlType != xtpControlPopup)
            pControl->SetID(nId);
        break;
    }
    default:
        pControl = CreateFieldControl(controlType);
        if (pControl == NULL)
            return NULL;
        pControl->SetID(nId);
        break;
    }
    pControl->SetType(controlType);
    pControl->SetParameter(strParameter);
    pControl->SetTemporary(bTemporary);
    InsertAt(pControl, nBefore);
    RefreshIndexes();
    return pControl;
}

CXTPControl* CXTPControls::AddControl(CXTPControl* pControl, int nId, const CString& strParameter,
                                      int nBefore, BOOL bTemporary)
{
    pControl->SetParameter(strParameter);
    pControl->SetTemporary(bTemporary);
    pControl->SetID(nId);
    InsertAt(pControl, nBefore);
    RefreshIndexes();
    return pControl;
}

CXTPControl* CXTPControls::AddClone(CXTPControl* pControl, int nBefore, BOOL bRecursive)
{
    CXTPControl* pClone = pControl->Clone(bRecursive);
    InsertAt(pClone, nBefore);
    RefreshIndexes();
    return pClone;
}

CXTPControl* CXTPControls::AddMenuItem(CMenu* pMenu, int nIndex)
{
    CScopedSubMenu subMenu;
    CMenu* pSubMenu = subMenu.Open(pMenu->GetSafeHmenu(), nIndex);
    int nId = (int)pMenu->GetMenuItemID(nIndex);
    if ((UINT)nId == kMdiWindowListId)
        return NULL;
    const BOOL bDefault = (int)::GetMenuDefaultItem(pMenu->GetSafeHmenu(), TRUE, GMDI_USEDISABLED) == nIndex;

    CString strCaption;
    pMenu->GetMenuString((UINT)nIndex, strCaption, MF_BYPOSITION);
    XTPControlType type = pSubMenu != NULL ? xtpControlPopup : xtpControlButton;
    XTPButtonStyle style = xtpButtonAutomatic;
    CXTPControl* pControl = NULL;

    CWnd* pSite = GetSite();
    if (pSite != NULL && pSite->GetSafeHwnd() != NULL)
    {
        CreateControlRequest request;
        request.nID = nId;
        request.pControl = NULL;
        request.bReserved = FALSE;
        request.nIndex = nIndex;
        request.pMenu = pMenu;
        request.pCommandBar = m_pParent;
        request.strCaption = strCaption;
        request.controlType = type;
        request.buttonStyle = style;
        if (pSite->SendMessage(WM_XTP_CREATE_CONTROL, 0, (LPARAM)&request) != 0)
        {
            pControl = request.pControl;
            type = request.controlType;
            strCaption = request.strCaption;
            nId = request.nID;
            style = request.buttonStyle;
        }
    }

    if (pControl == NULL)
    {
        if (type == xtpControlButton)
            pControl = CreateButtonForId(nId, TRUE, strCaption);
        else if (IsPopupControlType(type))
        {
            CMenu menu;
            if (pSubMenu == NULL && nId > 0 && menu.LoadMenu((UINT)nId))
                pSubMenu = subMenu.Open(menu.m_hMenu, 0);
            // A menu item's site sees its caption without mnemonic markers;
            // the bar's title is what the site leaves or answers.
            CString strTitle = CleanMnemonics(strCaption);
            pControl = CreatePopupControl(type, nId, strTitle, pSubMenu, TRUE);
            if (pControl->GetCommandBar() != NULL)
                pControl->GetCommandBar()->SetTitle(strTitle);
        }
        else if ((pControl = CreateFieldControl(type)) == NULL)
            return NULL;
        pControl->SetType(type);
        pControl->SetStyle(style);
    }
    pControl->SetID(nId);
    pControl->SetCaption(strCaption);
    pControl->SetItemDefault(bDefault);
    InsertAt(pControl, -1);
    RefreshIndexes();
    return pControl;
}

void CXTPControls::Detach(CXTPControl* pControl)
{
    m_arrControls.erase(m_arrControls.begin() + pControl->GetIndex());
    pControl->SetIndexAndOwner(0, NULL);
    pControl->SetParent(NULL);
    pControl->InternalRelease();
}

void CXTPControls::Remove(CXTPControl* pControl)
{
    // A control whose stored index is stale (it stands elsewhere, or in no
    // collection of this one) is left alone.
    if (pControl == NULL || GetAt(pControl->GetIndex()) != pControl)
        return;
    if (pControl->GetSelected() && m_pParent != NULL)
        m_pParent->SetSelected(-1);
    Detach(pControl);
    RefreshIndexes();
}

void CXTPControls::RemoveAll()
{
    std::vector<CXTPControl*> arrControls;
    arrControls.swap(m_arrControls);
    for (CXTPControl* pControl : arrControls)
    {
        pControl->SetIndexAndOwner(0, NULL);
        pControl->SetParent(NULL);
        pControl->InternalRelease();
    }
}

void CXTPControls::MoveControl(CXTPControl* pControl, int nBefore)
{
    if (pControl == NULL || GetAt(pControl->GetIndex()) != pControl)
        return;
    const int nOld = pControl->GetIndex();
    m_arrControls.erase(m_arrControls.begin() + nOld);
    if (nOld < nBefore)
        nBefore--;
    InsertAt(pControl, nBefore);
    RefreshIndexes();
}

CXTPControl* CXTPControls::SetControlType(CXTPControl* pControl, XTPControlType type)
{
    if (pControl == NULL || GetAt(pControl->GetIndex()) != pControl)
        return NULL;
    if (IsPopupControlType(pControl->GetType()) && IsPopupControlType(type))
    {
        pControl->SetType(type);
        return pControl;
    }
    CXTPControl* pNew = Add(type, pControl->GetID(), CString(), pControl->GetIndex() + 1);
    if (pNew == NULL)
        return pControl;
    pNew->Copy(pControl);
    pNew->SetType(type);
    Remove(pControl);
    return pNew;
}

CXTPControl* CXTPControls::FindControl(XTPControlType type, int nId, BOOL bVisible, BOOL bRecursive) const
{
    for (CXTPControl* pControl : m_arrControls)
    {
        if ((type == xtpControlError || pControl->GetType() == type) && (!bVisible || pControl->IsVisible())
            && (nId == -1 || pControl->GetID() == nId))
            return pControl;
        if (bRecursive && IsPopupControlType(pControl->GetType()) && pControl->GetCommandBar() != NULL)
        {
            CXTPControl* pFound =
                pControl->GetCommandBar()->GetControls()->FindControl(type, nId, bVisible, bRecursive);
            if (pFound != NULL)
                return pFound;
        }
    }
    return NULL;
}

CXTPControl* CXTPControls::HitTest(CPoint point) const
{
    for (CXTPControl* pControl : m_arrControls)
    {
        if (pControl->IsVisible() && pControl->GetRect().PtInRect(point))
            return pControl;
    }
    return NULL;
}

int CXTPControls::GetNextSelectable(int nIndex, int nDirection, BOOL bKeyboard, BOOL bSkipTemporary,
                                    BOOL bSkipCollapsed) const
{
    const int nCount = GetCount();
    if (nCount == 0)
        return -1;
    const DWORD dwIgnored = bSkipCollapsed ? xtpHideScroll : (xtpHideScroll | xtpHideExpandedOnce);
    int nNext = (nIndex == -1 && nDirection == -1) ? nCount - 1 : nIndex + nDirection;
    int nWraps = 0;
    for (;;)
    {
        if (nNext < 0 || nNext >= nCount)
        {
            if (nIndex == -1 || ++nWraps > 1)
                return -1;
            nNext = nNext < 0 ? nCount - 1 : 0;
        }
        if (nNext == nIndex)
            return nNext;
        const CXTPControl* pControl = m_arrControls[nNext];
        if ((pControl->GetHideFlags() & ~dwIgnored) == 0
            && !(bKeyboard && (pControl->GetFlags() & xtpFlagSkipFocus))
            && !(bSkipTemporary && pControl->IsTemporary()))
            return nNext;
        nNext += nDirection;
    }
}

int CXTPControls::GetVisibleCount(BOOL bStrict) const
{
    int nCount = 0;
    for (const CXTPControl* pControl : m_arrControls)
    {
        DWORD dwHide = pControl->GetHideFlags();
        if (!bStrict)
            dwHide &= ~xtpHideWrap;
        if (dwHide == 0)
            nCount++;
    }
    return nCount;
}

CXTPControls* CXTPControls::Duplicate(BOOL bRecursive)
{
    CXTPControls* pCopy = (CXTPControls*)GetRuntimeClass()->CreateObject();
    pCopy->m_pCommandBars = GetCommandBars();
    for (CXTPControl* pControl : m_arrControls)
    {
        if (!pControl->IsTemporary())
            pCopy->InsertAt(pControl->Clone(bRecursive), -1);
    }
    pCopy->RefreshIndexes();
    if (m_pOriginalControls != NULL)
        pCopy->m_pOriginalControls = m_pOriginalControls->Duplicate(bRecursive);
    return pCopy;
}

void CXTPControls::CreateOriginalControls()
{
    ClearOriginalControls();
    m_pOriginalControls = Duplicate(TRUE);
}

void CXTPControls::ClearOriginalControls()
{
    if (m_pOriginalControls != NULL)
        m_pOriginalControls->InternalRelease();
    m_pOriginalControls = NULL;
}

BOOL CXTPControls::IsChanged()
{
    return m_pOriginalControls == NULL || !Compare(m_pOriginalControls);
}

BOOL CXTPControls::Compare(const CXTPControls* pOther) const
{
    int i = 0, j = 0;
    for (;;)
    {
        while (i < GetCount() && m_arrControls[i]->IsTemporary())
            i++;
        while (j < pOther->GetCount() && pOther->m_arrControls[j]->IsTemporary())
            j++;
        const BOOL bLeft = i < GetCount(), bRight = j < pOther->GetCount();
        if (bLeft != bRight)
            return FALSE;
        if (!bLeft)
            return TRUE;
        if (!m_arrControls[i]->Compare(pOther->m_arrControls[j]))
            return FALSE;
        i++;
        j++;
    }
}

CSize CXTPControls::CalcDynamicSize(CDC* pDC, int nLength, DWORD dwMode, CRect rcBorder, int nMinimum,
                                    int* pnRows)
{
    for (int i = GetCount() - 1; i >= 0; i--)
        m_arrControls[i]->OnCalcDynamicSize(dwMode);

    if (pnRows != NULL)
        *pnRows = 0;
    if (GetVisibleCount(FALSE) == 0)
    {
        CSize size(23 + rcBorder.left + rcBorder.right, 22 + rcBorder.top + rcBorder.bottom);
        if (!(dwMode & xtpLayoutHorzDock))
            size.cx = std::max((int)size.cx, nMinimum);
        else
            size.cy = std::max((int)size.cy, nMinimum);
        return size;
    }

    CXTPControlLayout layout(dwMode);
    for (CXTPControl* pControl : m_arrControls)
    {
        XTPControlLayoutRecord record;
        record.rcControl = pControl->GetRect();
        record.rcRow.SetRectEmpty();
        record.szControl = pControl->GetSize(pDC);
        record.bVisible = (pControl->GetHideFlags() & ~xtpHideWrap) == 0;
        record.bWrap = FALSE;
        record.bHidden = FALSE;
        record.bBeginGroup = pControl->GetBeginGroup();
        record.dwFlags = pControl->GetFlags();
        layout.Add(record);
    }

    if ((dwMode & xtpLayoutMRUWidth) && m_pParent != NULL)
        nLength = m_pParent->GetWidth();

    if (dwMode & xtpLayoutPopup)
    {
        layout.WrapToolBar(m_pParent != NULL ? m_pParent->GetWidth() : nLength);
        layout.WrapToolBar(layout.CalcSize(FALSE).cx);
    }
    else if (dwMode & xtpLayoutHorzDock)
        layout.WrapToolBar(nLength - rcBorder.left - rcBorder.right);
    else if (dwMode & xtpLayoutVertDock)
        layout.WrapToolBar(nLength - rcBorder.top - rcBorder.bottom);
    else
        layout.SizeToolBar((dwMode & xtpLayoutLengthIsHeight) ? nLength - rcBorder.top - rcBorder.bottom
                                                              : nLength - rcBorder.left - rcBorder.right);

    if (pnRows != NULL)
        *pnRows = layout.GetPlacedRowCount();
    const BOOL bVertical = (dwMode & xtpLayoutVertDock) != 0;
    CSize size = layout.CalcSize(bVertical);
    if (nMinimum > 0)
    {
        if (!(dwMode & xtpLayoutHorzDock))
            size.cx = std::max((int)size.cx, (int)(nMinimum - rcBorder.left - rcBorder.right));
        else
            size.cy = std::max((int)size.cy, (int)(nMinimum - rcBorder.top - rcBorder.bottom));
    }
    if (layout.GetMode() & xtpLayoutStretch)
    {
        if (!bVertical)
            size.cx = std::max((int)size.cx, (int)(nLength - rcBorder.left - rcBorder.right));
        else
            size.cy = std::max((int)size.cy, (int)(nLength - rcBorder.top - rcBorder.bottom));
    }
    size = layout.AdjustRows(size, rcBorder);

    if (dwMode & xtpLayoutCommit)
    {
        layout.AlignStretchedControls(size, rcBorder);
        for (int i = 0; i < GetCount(); i++)
        {
            CXTPControl* pControl = m_arrControls[i];
            const XTPControlLayoutRecord& record = layout[i];
            DWORD dwHide = pControl->GetHideFlags();
            dwHide = record.bHidden ? (dwHide | xtpHideWrap) : (dwHide & ~xtpHideWrap);
            pControl->SetHideFlags(dwHide);
            pControl->SetRowRect(record.rcRow);
            if (!record.bHidden)
                pControl->SetRect(record.rcControl);
            pControl->SetWrap(record.bWrap);
        }
    }
    return size;
}

// ---- Settings exchange -------------------------------------------------------------

void CXTPControls::SetOriginalControls(CXTPControls* pOriginalControls)
{
    ClearOriginalControls();
    m_pOriginalControls = pOriginalControls;
}

namespace {
// Stored sets nest a level or two (a bar's controls, their original set);
// deeper nesting is damaged data that would only use up the stack.
const int kMaxLoadNesting = 8;
int g_nLoadNesting = 0;

class CLoadNesting
{
public:
    CLoadNesting()
    {
        if (g_nLoadNesting >= kMaxLoadNesting)
            AfxThrowArchiveException(CArchiveException::badSchema);
        g_nLoadNesting++;
    }
    ~CLoadNesting() { g_nLoadNesting--; }
};
} // namespace

void CXTPControls::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPPropExchangeEnumeratorPtr pEnum(pPX->GetEnumerator("Control"));
    if (pPX->IsStoring())
    {
        DWORD nCount = 0;
        for (CXTPControl* pControl : m_arrControls)
            nCount += pControl->IsTemporary() ? 0 : 1;
        POSITION pos = pEnum->GetPosition(nCount);
        for (CXTPControl* pControl : m_arrControls)
        {
            if (pControl->IsTemporary() || pos == NULL)
                continue;
            CXTPPropExchangeSectionPtr pItem(pEnum->GetNext(pos));
            CObject* pObject = pControl;
            pItem->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CXTPControl));
            pControl->DoPropExchange(pItem);
        }
        BOOL bOriginal = m_pOriginalControls != NULL && CXTPPropExchangeParam::Of(pPX).bSaveOriginalControls;
        PX_Bool(pPX, "OriginalControls", bOriginal, FALSE);
        if (bOriginal)
        {
            CXTPPropExchangeSectionPtr pSection(pPX->GetSection("OriginalControls"));
            m_pOriginalControls->DoPropExchange(pSection);
        }
        BOOL bCustomized = FALSE;
        PX_Bool(pPX, "CustomizedControls", bCustomized, FALSE);
        return;
    }

    CLoadNesting nesting;
    RemoveAll();
    POSITION pos = pEnum->GetPosition();
    while (pos != NULL)
    {
        CXTPPropExchangeSectionPtr pItem(pEnum->GetNext(pos));
        CObject* pObject = NULL;
        if (!pItem->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CXTPControl)) || pObject == NULL)
            AfxThrowArchiveException(CArchiveException::badClass);
        // The collection owns the control before it reads, so a throw
        // inside its keys leaves nothing behind.
        CXTPControl* pControl = (CXTPControl*)pObject;
        InsertAt(pControl, -1);
        pControl->SetIndexAndOwner(GetCount() - 1, this);
        pControl->SetParent(m_pParent);
        pControl->DoPropExchange(pItem);
    }
    RefreshIndexes();
    if (pPX->GetSchema() <= 2)
        return;
    BOOL bOriginal = FALSE;
    PX_Bool(pPX, "OriginalControls", bOriginal, FALSE);
    if (bOriginal)
    {
        CXTPControls* pOriginal = new CXTPControls;
        pOriginal->SetCommandBars(GetCommandBars());
        SetOriginalControls(pOriginal);
        CXTPPropExchangeSectionPtr pSection(pPX->GetSection("OriginalControls"));
        pOriginal->DoPropExchange(pSection);
    }
    BOOL bCustomized = FALSE;
    PX_Bool(pPX, "CustomizedControls", bCustomized, FALSE);
    if (bCustomized)
    {
        // Read to keep the stored order; nothing here uses that set.
        CXTPControls* pCustomized = new CXTPControls;
        pCustomized->SetCommandBars(GetCommandBars());
        try
        {
            CXTPPropExchangeSectionPtr pSection(pPX->GetSection("CustomizedControls"));
            pCustomized->DoPropExchange(pSection);
        }
        catch (...)
        {
            pCustomized->InternalRelease();
            throw;
        }
        pCustomized->InternalRelease();
    }
}
