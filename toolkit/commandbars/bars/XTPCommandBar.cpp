#include "toolkit/commandbars/bars/XTPCommandBar.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPHoldReference.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPHookManager.h"
#include "toolkit/commandbars/input/XTPKeyboardManager.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPCommandBarAccessible.h"
#include "toolkit/commandbars/bars/XTPCommandBarList.h"
#include "toolkit/commandbars/state/XTPStoredPlace.h"
#include "toolkit/foundation/XTPPropExchange.h"
#include "toolkit/foundation/XTPBufferDC.h"
#include "toolkit/foundation/XTPImageManager.h"

IMPLEMENT_SERIAL(CXTPCommandBar, CWnd, VERSIONABLE_SCHEMA | 8)

BEGIN_MESSAGE_MAP(CXTPCommandBar, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_NCMOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONUP()
ON_WM_RBUTTONDOWN()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
ON_WM_TIMER()
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdate)
ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
ON_WM_NCHITTEST()
ON_WM_NCLBUTTONDOWN()
ON_MESSAGE(WM_GETOBJECT, OnGetObject)
END_MESSAGE_MAP()

namespace {

// The toolkit's own update query, offered to the command target before the
// command's update handler.
const int kToolkitUpdateCode = (int)0xBD11FFFF;
const UINT kHoverDelay = 300;
const UINT kFullMenusDelay = 800;

TCHAR ToUpper(TCHAR ch)
{
    return (TCHAR)(DWORD_PTR)::CharUpperA((LPSTR)(DWORD_PTR)(BYTE)ch);
}

// The character after the first '&' that stands before the caption's last
// character, upper-cased; 0 when there is none.
TCHAR MnemonicOf(const CString& strCaption)
{
    int nAmpersand = strCaption.Find('&');
    if (nAmpersand < 0 || nAmpersand >= strCaption.GetLength() - 1)
        return 0;
    return ToUpper(strCaption[nAmpersand + 1]);
}

} // namespace

CXTPCommandBar::CXTPCommandBar()
    : m_nMRUWidth(32767), m_nSelected(-1), m_nPopuped(-1), m_hwndFocus(NULL), m_nBarID(0), m_bVisible(TRUE),
      m_nTrackingMode(xtpTrackingOff), m_pOwner(NULL), m_dwPending(0), m_dwFlags(0), m_dwStyle(0),
      m_barType(xtpBarTypeNormal), m_pKeyControl(NULL), m_pControls(NULL), m_barPosition(xtpBarNone),
      m_pCommandBars(NULL), m_pCommandTarget(NULL), m_szIcons(0, 0), m_szButtons(0, 0), m_nTextBelowIcons(2),
      m_bRightButtonTracking(FALSE), m_bNoNotifications(FALSE), m_bKeyboardSelection(FALSE),
      m_bCloseable(FALSE), m_bCustomizable(TRUE), m_bContextMenuPresent(TRUE), m_bTrackingWithoutInput(FALSE),
      m_nLockRedraw(0), m_bAnimatePopup(TRUE), m_pPaintManager(NULL), m_pImageManager(NULL),
      m_pAccessible(NULL), m_rcMarker(0, 0, 0, 0), m_bVerticalMarker(FALSE),
      m_pDropSource(NULL)
{
    m_pControls = new CXTPControls;
    m_pControls->SetParent(this);
    XTPAccessibility::BindWinEvents();
}

CXTPCommandBar::~CXTPCommandBar()
{
    if (m_nTrackingMode != xtpTrackingOff)
        SetTrackingMode(xtpTrackingOff, FALSE, FALSE);
    XTPKeyboardManager()->UnhookKeyboard(this);
    XTPHookManager()->RemoveAll(this);
    XTPMouseManager()->RemoveSelected(this);
    if (m_hWnd != NULL)
        DestroyWindow();
    RevokeDropTarget();
    m_pControls->RemoveAll();
    m_pControls->SetParent(NULL);
    m_pControls->InternalRelease();
    if (m_pPaintManager != NULL)
        m_pPaintManager->InternalRelease();
    if (m_pImageManager != NULL)
        m_pImageManager->InternalRelease();
    if (m_pAccessible != NULL)
    {
        m_pAccessible->Detach();
        m_pAccessible->Release();
    }
}

void CXTPCommandBar::OnFinalRelease()
{
    if (m_hWnd != NULL)
        DestroyWindow();
    delete this;
}

// ---- Relations ------------------------------------------------------------

CXTPCommandBars* CXTPCommandBar::GetCommandBars() const
{
    for (const CXTPCommandBar* pBar = this; pBar != NULL;)
    {
        if (pBar->m_pCommandBars != NULL)
            return pBar->m_pCommandBars;
        CXTPControlPopup* pPopup = pBar->GetControlPopup();
        pBar = pPopup != NULL ? pPopup->GetParent() : NULL;
    }
    return NULL;
}

CXTPCommandBar* CXTPCommandBar::GetRootParent() const
{
    const CXTPCommandBar* pBar = this;
    for (;;)
    {
        CXTPControlPopup* pPopup = pBar->GetControlPopup();
        if (pPopup == NULL || pPopup->GetParent() == NULL)
            return const_cast<CXTPCommandBar*>(pBar);
        pBar = pPopup->GetParent();
    }
}

CWnd* CXTPCommandBar::GetOwnerSite() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars != NULL)
        return pCommandBars->GetSite();
    CXTPCommandBar* pRoot = GetRootParent();
    if (pRoot->m_pOwner != NULL)
        return pRoot->m_pOwner;
    if (pRoot->m_hWnd != NULL)
    {
        HWND hWndOwner = ::GetWindow(pRoot->m_hWnd, GW_OWNER);
        if (hWndOwner != NULL)
            return CWnd::FromHandle(hWndOwner);
    }
    return AfxGetMainWnd();
}

CWnd* CXTPCommandBar::GetCommandTarget() const
{
    CXTPCommandBar* pRoot = GetRootParent();
    if (pRoot->m_pCommandTarget != NULL)
        return pRoot->m_pCommandTarget;
    return GetOwnerSite();
}

BOOL CXTPCommandBar::IsCustomizeMode() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars != NULL && pCommandBars->IsCustomizeMode();
}

CXTPPaintManager* CXTPCommandBar::GetPaintManager() const
{
    if (m_pPaintManager != NULL)
        return m_pPaintManager;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars != NULL)
        return pCommandBars->GetPaintManager();
    CXTPCommandBar* pRoot = GetRootParent();
    if (pRoot->m_pPaintManager != NULL)
        return pRoot->m_pPaintManager;
    return XTPPaintManager();
}

CXTPImageManager* CXTPCommandBar::GetImageManager() const
{
    if (m_pImageManager != NULL)
        return m_pImageManager;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars != NULL)
        return pCommandBars->GetImageManager();
    CXTPCommandBar* pRoot = GetRootParent();
    if (pRoot->m_pImageManager != NULL)
        return pRoot->m_pImageManager;
    return XTPImageManager();
}

void CXTPCommandBar::SetPaintManager(CXTPPaintManager* pPaintManager)
{
    if (m_pPaintManager != NULL)
        m_pPaintManager->InternalRelease();
    m_pPaintManager = pPaintManager;
}

void CXTPCommandBar::SetImageManager(CXTPImageManager* pImageManager)
{
    if (m_pImageManager != NULL)
        m_pImageManager->InternalRelease();
    m_pImageManager = pImageManager;
}

// ---- Plain state ----------------------------------------------------------

CXTPControl* CXTPCommandBar::GetControl(int nIndex) const
{
    return m_pControls->GetAt(nIndex);
}

int CXTPCommandBar::GetControlCount() const
{
    return m_pControls->GetCount();
}

void CXTPCommandBar::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    if (m_hWnd != NULL && m_nLockRedraw == 0)
        Invalidate(FALSE);
}

void CXTPCommandBar::SetFlags(DWORD dwFlagsAdd, DWORD dwFlagsRemove)
{
    m_dwFlags |= dwFlagsAdd;
    m_dwFlags &= ~dwFlagsRemove;
}

BOOL CXTPCommandBar::IsLayoutRTL() const
{
    return m_hWnd != NULL && (GetExStyle() & WS_EX_LAYOUTRTL) != 0;
}

CSize CXTPCommandBar::GetIconSize() const
{
    if (m_szIcons != CSize(0, 0))
        return m_szIcons;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars == NULL)
        return CSize(16, 16);
    CXTPCommandBarsOptions* pOptions = pCommandBars->GetCommandBarsOptions();
    if (m_barType == xtpBarTypePopup)
        return pOptions->szPopupIcons;
    CSize szIcons = pOptions->szIcons != CSize(0, 0) ? pOptions->szIcons : CSize(16, 16);
    if (!pOptions->bLargeIcons)
        return szIcons;
    return pOptions->szLargeIcons != CSize(0, 0) ? pOptions->szLargeIcons
                                                 : CSize(szIcons.cx * 2, szIcons.cy * 2);
}

void CXTPCommandBar::SetIconSize(CSize size)
{
    m_szIcons = size;
    DelayLayout();
}

CSize CXTPCommandBar::GetButtonSize() const
{
    if (m_szButtons != CSize(0, 0))
        return m_szButtons;
    CSize szIcons = GetIconSize();
    return CSize(szIcons.cx + 7, szIcons.cy + 7);
}

void CXTPCommandBar::SetButtonSize(CSize size)
{
    m_szButtons = size;
    DelayLayout();
}

BOOL CXTPCommandBar::IsTextBelowIcons() const
{
    if (m_nTextBelowIcons != 2)
        return m_nTextBelowIcons;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars != NULL && pCommandBars->GetCommandBarsOptions()->bShowTextBelowIcons;
}

void CXTPCommandBar::SetTextBelowIcons(BOOL bTextBelow)
{
    m_nTextBelowIcons = bTextBelow;
    DelayLayout();
}

void CXTPCommandBar::UnlockRedraw()
{
    if (--m_nLockRedraw > 0)
        return;
    m_nLockRedraw = 0;
    if (m_dwPending & pendingRedraw)
    {
        m_dwPending &= ~pendingRedraw;
        if (m_hWnd != NULL)
            Invalidate(FALSE);
    }
}

void CXTPCommandBar::DelayRedraw()
{
    m_dwPending |= pendingRedraw;
}

// ---- Tracking mode ----------------------------------------------------------

BOOL CXTPCommandBar::SetTrackingMode(int nMode, BOOL bSelectFirst, BOOL bKeyboard)
{
    if ((m_nTrackingMode != xtpTrackingOff && nMode != xtpTrackingOff) || nMode == m_nTrackingMode)
    {
        m_nTrackingMode = nMode;
        return FALSE;
    }
    m_nTrackingMode = nMode;
    CXTPMouseManager* pMouseManager = XTPMouseManager();
    if (nMode != xtpTrackingOff)
    {
        if (m_barType == xtpBarTypeMenuBar)
        {
            CWnd* pSite = GetOwnerSite();
            if (pSite != NULL && pSite->m_hWnd != NULL)
                pSite->SendMessage(WM_XTP_INITMENUBARTRACKING, (WPARAM)this, 0);
        }
        m_bTrackingWithoutInput = !bSelectFirst && !bKeyboard;
        m_bAnimatePopup = TRUE;
        m_hwndFocus = ::GetFocus();
        if (m_hwndFocus == NULL)
            m_hwndFocus = m_hWnd;
        ::HideCaret(m_hwndFocus);
        pMouseManager->SetTrack(this);
        XTPKeyboardManager()->HookKeyboard(this);
        ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
        if (bSelectFirst)
            SetSelected(m_pControls->GetNextSelectable(-1, +1, TRUE), TRUE);
        return TRUE;
    }

    m_bTrackingWithoutInput = FALSE;
    pMouseManager->RemoveTrack(this);
    XTPKeyboardManager()->UnhookKeyboard(this);
    SetPopuped(-1);
    if (bSelectFirst)
        SetSelected(-1);
    if (m_hwndFocus != NULL)
    {
        ::ShowCaret(m_hwndFocus);
        m_hwndFocus = NULL;
    }
    if (m_dwPending & pendingRedraw)
    {
        m_dwPending &= ~pendingRedraw;
        if (m_hWnd != NULL)
            Invalidate(FALSE);
    }
    if (!pMouseManager->IsTrackedLock(NULL))
        pMouseManager->SetExpanded(FALSE);
    if (m_hWnd != NULL && ::GetFocus() == m_hWnd)
    {
        HWND hWndParent = ::GetParent(m_hWnd);
        if (hWndParent != NULL && ::IsWindowEnabled(hWndParent))
            ::SetFocus(hWndParent);
    }
    return TRUE;
}

BOOL CXTPCommandBar::SetSelected(int nIndex, BOOL bKeyboard)
{
    if (nIndex == m_nSelected || m_hWnd == NULL)
        return FALSE;
    LockRedraw();
    m_bKeyboardSelection = bKeyboard;
    CXTPControl* pOld = GetControl(m_nSelected);
    if (pOld != NULL)
        pOld->OnSetSelected(0);
    m_nSelected = nIndex;
    CXTPControl* pControl = GetControl(nIndex);
    if (pControl == NULL)
    {
        m_nSelected = -1;
        KillTimer(XTP_TID_HOVER);
    }
    else
    {
        if (bKeyboard)
            XTPAccessibility::NotifyWinEvent(EVENT_OBJECT_FOCUS, m_hWnd, OBJID_MENU, nIndex + 1);
        pControl->OnSetSelected(bKeyboard ? 2 : 1);
        XTPMouseManager()->SetSelected(this);
        if (!bKeyboard)
            SetTimer(XTP_TID_HOVER, kHoverDelay);
    }
    UnlockRedraw();
    return TRUE;
}

BOOL CXTPCommandBar::SetPopuped(int nIndex, BOOL bKeyboard)
{
    if (nIndex == m_nPopuped)
        return FALSE;
    LockRedraw();
    CXTPControl* pOpen = GetControl(m_nPopuped);
    m_nPopuped = -1;
    if (pOpen != NULL)
        pOpen->OnSetPopup(FALSE);
    if (nIndex < 0)
    {
        UnlockRedraw();
        return TRUE;
    }
    CXTPControl* pControl = GetControl(nIndex);
    if (pControl == NULL || !pControl->IsKindOf(RUNTIME_CLASS(CXTPControlPopup)) || !pControl->GetEnabled())
    {
        UnlockRedraw();
        return FALSE;
    }
    m_nPopuped = nIndex;
    SetTrackingMode(xtpTrackingPopup, FALSE, bKeyboard);
    if (bKeyboard)
        SelectByKey(nIndex);
    else
        SetSelected(nIndex, FALSE);
    pControl->OnSetPopup(TRUE);
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars != NULL && pCommandBars->GetCommandBarsOptions()->bShowFullAfterDelay && m_hWnd != NULL)
        SetTimer(XTP_TID_EXPANDED_POPUP, kFullMenusDelay);
    UnlockRedraw();
    return TRUE;
}

// ---- Keyboard ---------------------------------------------------------------

int CXTPCommandBar::OnHookMessage(HWND, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT&)
{
    if (nMessage == WM_KEYDOWN && m_nTrackingMode != xtpTrackingOff)
        return OnHookKeyDown((UINT)wParam, lParam);
    return hookNotHandled;
}

int CXTPCommandBar::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    (void)lParam;
    if (IsCustomizeMode())
        return 0;
    if (nChar == VK_TAB)
        return ProcessSpecialKey(::GetKeyState(VK_SHIFT) < 0 ? xtpKeyPrev : xtpKeyNext);
    if (nChar == VK_RETURN)
        return ProcessSpecialKey(xtpKeyReturn);
    if (m_pKeyControl != NULL)
    {
        // 1: the control used the key; 2: the key goes on to its window.
        const int nResult = m_pKeyControl->OnHookKeyDown(nChar);
        if (nResult != 0)
            return nResult;
    }

    BOOL bHorizontal =
        m_barPosition == xtpBarTop || m_barPosition == xtpBarBottom || m_barPosition == xtpBarFloating;
    BOOL bRTL = IsLayoutRTL();
    switch (nChar)
    {
    case VK_ESCAPE:
        return ProcessSpecialKey(xtpKeyEscape);
    case VK_END:
        return ProcessSpecialKey(xtpKeyEnd);
    case VK_HOME:
        return ProcessSpecialKey(xtpKeyHome);
    case VK_LEFT:
        if (bHorizontal)
            return ProcessSpecialKey(bRTL ? xtpKeyNext : xtpKeyPrev);
        return ProcessSpecialKey(bRTL ? xtpKeyPopup : xtpKeyBack);
    case VK_RIGHT:
        if (bHorizontal)
            return ProcessSpecialKey(bRTL ? xtpKeyPrev : xtpKeyNext);
        return ProcessSpecialKey(bRTL ? xtpKeyBack : xtpKeyPopup);
    case VK_UP:
        return ProcessSpecialKey(bHorizontal ? xtpKeyBack : xtpKeyPrev);
    case VK_DOWN:
        return ProcessSpecialKey(bHorizontal ? xtpKeyPopup : xtpKeyNext);
    default:
        break;
    }

    TCHAR ch = ToUpper((TCHAR)::MapVirtualKeyA(nChar, 2));
    if (ch != 0 && ::GetKeyState(VK_CONTROL) >= 0)
    {
        BOOL bAmbiguous = FALSE;
        int nIndex = FindAccel(ch, bAmbiguous);
        if (nIndex >= 0)
        {
            SelectByKey(nIndex);
            CXTPControl* pControl = GetControl(nIndex);
            if (!bAmbiguous && pControl != NULL)
            {
                CXTPHoldReference holdBar(this), holdControl(pControl);
                pControl->OnClick(TRUE, CPoint(0, 0));
            }
            return 1;
        }
    }
    if (nChar != VK_SHIFT && nChar != VK_CONTROL)
        ::MessageBeep(0);
    return 1;
}

BOOL CXTPCommandBar::ProcessSpecialKey(XTPSpecialKey key)
{
    switch (key)
    {
    case xtpKeyNext:
        return SelectByKey(m_pControls->GetNextSelectable(m_nSelected, +1, TRUE));
    case xtpKeyPrev:
        return SelectByKey(m_pControls->GetNextSelectable(m_nSelected, -1, TRUE));
    case xtpKeyBack:
        if (m_nPopuped < 0)
            return FALSE;
        SetPopuped(-1);
        SetTrackingMode(xtpTrackingOn, FALSE, TRUE);
        return TRUE;
    case xtpKeyPopup:
    {
        CXTPControl* pControl = GetControl(m_nSelected);
        if (pControl == NULL || m_nPopuped == m_nSelected)
            return FALSE;
        pControl->OnSetSelected(2);
        return SetPopuped(m_nSelected, TRUE);
    }
    case xtpKeyEscape:
    {
        CXTPControlPopup* pPopup = GetControlPopup();
        if (pPopup != NULL && pPopup->GetParent() != NULL)
            pPopup->GetParent()->SetTrackingMode(xtpTrackingOn, FALSE, TRUE);
        SetTrackingMode(xtpTrackingOff, TRUE, TRUE);
        return TRUE;
    }
    case xtpKeyReturn:
    {
        CXTPControl* pControl = GetControl(m_nSelected);
        if (pControl != NULL)
        {
            CXTPHoldReference holdBar(this), holdControl(pControl);
            pControl->OnSetSelected(2);
            pControl->OnClick(TRUE, CPoint(0, 0));
        }
        return TRUE;
    }
    case xtpKeyHome:
        return SelectByKey(m_pControls->GetNextSelectable(-1, +1, TRUE));
    case xtpKeyEnd:
        return SelectByKey(m_pControls->GetNextSelectable(m_pControls->GetCount(), -1, TRUE));
    }
    return FALSE;
}

BOOL CXTPCommandBar::SelectByKey(int nIndex)
{
    if (!SetSelected(nIndex, TRUE) && nIndex >= 0 && nIndex == m_nSelected && !m_bKeyboardSelection)
    {
        // The control the mouse rests on becomes the keyboard's: its letter
        // then opens its menu with the first command selected, as any
        // letter does, instead of a menu with nothing selected.
        m_bKeyboardSelection = TRUE;
        GetControl(nIndex)->OnSetSelected(2);
    }
    // The key is the bar's even when the selection stays: an open menu
    // whose first command is selected keeps Home, and a menu of one command
    // keeps Up and Down, instead of handing them to the menu bar below,
    // which would move to another menu or close this one.
    return nIndex >= 0;
}

int CXTPCommandBar::FindAccel(TCHAR chUpper, BOOL& bAmbiguous) const
{
    bAmbiguous = FALSE;
    int nCount = m_pControls->GetCount();
    int nStart = m_pControls->GetNextSelectable(m_nSelected, +1, TRUE);
    if (nStart < 0 || nCount == 0)
        return -1;
    int nAmpersandMatch = -1;
    int nFirstCharMatch = -1;
    for (int i = 0; i < nCount; i++)
    {
        int nIndex = (nStart + i) % nCount;
        CXTPControl* pControl = m_pControls->GetAt(nIndex);
        if ((pControl->GetHideFlags() & ~xtpHideScroll) != 0)
            continue;
        CString strCaption = pControl->GetCaption();
        if (strCaption.IsEmpty())
            continue;
        TCHAR chMnemonic = MnemonicOf(strCaption);
        if (chMnemonic != 0)
        {
            if (chMnemonic != chUpper)
                continue;
            if (nAmpersandMatch >= 0)
            {
                bAmbiguous = TRUE;
                return nAmpersandMatch;
            }
            nAmpersandMatch = nIndex;
        }
        else if (ToUpper(strCaption[0]) == chUpper)
        {
            if (nFirstCharMatch >= 0)
                bAmbiguous = TRUE;
            else
                nFirstCharMatch = nIndex;
        }
    }
    if (nAmpersandMatch >= 0)
        return nAmpersandMatch;
    return nFirstCharMatch;
}

int CXTPCommandBar::FindAccelFirst(TCHAR chUpper) const
{
    for (int i = 0; i < m_pControls->GetCount(); i++)
    {
        if (MnemonicOf(m_pControls->GetAt(i)->GetCaption()) == chUpper)
            return i;
    }
    return -1;
}

// ---- Menus ------------------------------------------------------------------

BOOL CXTPCommandBar::LoadMenu(CMenu* pMenu, BOOL bRemoveControls)
{
    if (pMenu == NULL || !::IsMenu(pMenu->GetSafeHmenu()))
        return FALSE;
    if (bRemoveControls)
        m_pControls->RemoveAll();
    BuildFromMenu(pMenu);
    if (m_hWnd != NULL)
    {
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL)
            pFrame->DelayRecalcLayout();
    }
    return TRUE;
}

void CXTPCommandBar::BuildFromMenu(CMenu* pMenu)
{
    BOOL bBeginGroup = FALSE;
    int nCount = (int)pMenu->GetMenuItemCount();
    for (int i = 0; i < nCount; i++)
    {
        MENUITEMINFOA info;
        ZeroMemory(&info, sizeof(info));
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_TYPE;
        pMenu->GetMenuItemInfo(i, &info, TRUE);
        if ((info.fType & MFT_SEPARATOR) != 0 || pMenu->GetMenuItemID(i) == 0)
        {
            bBeginGroup = TRUE;
            continue;
        }
        CXTPControl* pControl = m_pControls->AddMenuItem(pMenu, i);
        if (pControl == NULL)
            continue;
        if (bBeginGroup)
            pControl->SetBeginGroup(TRUE);
        bBeginGroup = FALSE;
        if (info.fState & MFS_CHECKED)
            pControl->SetChecked(TRUE);
        if (info.fState & (MFS_DISABLED | MFS_GRAYED))
            pControl->SetEnabled(FALSE);
    }
}

void CXTPCommandBar::OnStatusBarText(CXTPControl* pControl, UINT nID)
{
    CWnd* pSite = GetOwnerSite();
    if (pSite == NULL || pSite->m_hWnd == NULL)
        return;
    CString strText = pControl != NULL ? pControl->GetDescription() : CString();
    if (!strText.IsEmpty())
        pSite->SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)(LPCTSTR)strText);
    else
        pSite->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE, 0);
    pSite->SendMessage(WM_XTP_CONTROLSELECTED, pControl != NULL ? nID : 0, 0);
}

// ---- Overridables with a plain base -----------------------------------------

BOOL CXTPCommandBar::LoadToolBar(UINT, BOOL)
{
    return FALSE;
}

BOOL CXTPCommandBar::Popup(CXTPControlPopup*, BOOL)
{
    return FALSE;
}

void CXTPCommandBar::SetVisible(BOOL)
{}

BOOL CXTPCommandBar::IsVisible() const
{
    return FALSE;
}

BOOL CXTPCommandBar::SetPosition(XTPBarPosition)
{
    return FALSE;
}

BOOL CXTPCommandBar::IsCustomizable() const
{
    return m_bCustomizable;
}

void CXTPCommandBar::OnRecalcLayout()
{}

CXTPControlPopup* CXTPCommandBar::GetControlPopup() const
{
    return NULL;
}

BOOL CXTPCommandBar::IsDialogBar() const
{
    return FALSE;
}

void CXTPCommandBar::DoPropExchange(CXTPPropExchange* pPX)
{
    int nType = m_barType;
    PX_Enum(pPX, "Type", nType, xtpBarTypeNormal);
    m_barType = (XTPBarType)nType;
    int nPosition = m_barPosition;
    PX_Enum(pPX, "Position", nPosition, xtpBarTop);
    m_barPosition = (XTPBarPosition)nPosition;
    DWORD dwBarID = m_nBarID;
    PX_DWord(pPX, "BarID", dwBarID, 0);
    m_nBarID = dwBarID;
    PX_DWord(pPX, "Flags", m_dwFlags, 0);
    PX_DWord(pPX, "Style", m_dwStyle, 0);
    PX_String(pPX, "Title", m_strTitle, "");
    PX_Bool(pPX, "Customizable", m_bCustomizable, TRUE);
    // A remembered width from damaged data (a combo's drop-down width of
    // 2^31-1) would overflow the bar's placing: the bar keeps its own.
    int nMRUWidth = m_nMRUWidth;
    PX_Int(pPX, "MRUWidth", nMRUWidth, 0);
    if (XTPIsStoredWidth(nMRUWidth))
        m_nMRUWidth = nMRUWidth;
    if (pPX->GetSchema() > 2)
        XTPExchangeStoredIconSize(pPX, "IconSize", m_szIcons, CSize(0, 0));
    CXTPPropExchangeSectionPtr pSection(pPX->GetSection("Controls"));
    m_pControls->DoPropExchange(pSection);
}

namespace {
// Calls fn for each popup control of the bar's saved collections and of
// their original sets.
template <class Fn>
void ForEachPopupControl(const CXTPCommandBar* pBar, Fn fn)
{
    std::vector<CXTPControls*> arrControls;
    pBar->GetSavedControls(arrControls);
    for (CXTPControls* pControls : arrControls)
    {
        for (CXTPControls* pSet : {pControls, pControls->GetOriginalControls()})
        {
            for (int i = 0; pSet != NULL && i < pSet->GetCount(); i++)
            {
                CXTPControlPopup* pPopup = DYNAMIC_DOWNCAST(CXTPControlPopup, pSet->GetAt(i));
                if (pPopup != NULL)
                    fn(pPopup);
            }
        }
    }
}
} // namespace

void CXTPCommandBar::GetSavedControls(std::vector<CXTPControls*>& arrControls) const
{
    arrControls.push_back(m_pControls);
}

void CXTPCommandBar::GenerateCommandBarList(CXTPCommandBarList* pList)
{
    if (pList->Contains(this))
        return;
    pList->Add(this);
    ForEachPopupControl(this, [&](CXTPControlPopup* pPopup) {
        CXTPCommandBar* pBar = pPopup->GetCommandBar();
        if (pBar != NULL)
            pBar->GenerateCommandBarList(pList);
    });
}

void CXTPCommandBar::RestoreCommandBarList(CXTPCommandBarList* pList)
{
    if (!pList->BeginRestore(this))
        return;
    std::vector<CXTPControlPopup*> arrRefused;
    ForEachPopupControl(this, [&](CXTPControlPopup* pPopup) {
        if (!pPopup->RestoreCommandBarList(pList))
            arrRefused.push_back(pPopup);
    });
    // A control that refused the bar its state names leaves the loaded bar.
    for (CXTPControlPopup* pPopup : arrRefused)
        pPopup->GetControls()->Remove(pPopup);
    pList->EndRestore(this);
}

CSize CXTPCommandBar::CalcDynamicLayout(int, DWORD)
{
    return CSize(0, 0);
}

void CXTPCommandBar::OnControlsChanged()
{
    m_nSelected = -1;
    m_nPopuped = -1;
    m_dwPending |= pendingLayout;
}

int CXTPCommandBar::PtInBar(POINT point) const
{
    CRect rc;
    GetWindowRect(&rc);
    return rc.PtInRect(point) ? 1 : 0;
}

void CXTPCommandBar::Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive)
{
    m_barType = pCommandBar->m_barType;
    m_barPosition = pCommandBar->m_barPosition;
    m_nBarID = pCommandBar->m_nBarID;
    m_dwFlags = pCommandBar->m_dwFlags;
    m_dwStyle = pCommandBar->m_dwStyle;
    m_strTitle = pCommandBar->m_strTitle;
    m_bCustomizable = pCommandBar->m_bCustomizable;
    m_nMRUWidth = pCommandBar->m_nMRUWidth;
    m_szIcons = pCommandBar->m_szIcons;
    m_szButtons = pCommandBar->m_szButtons;
    m_pCommandBars = pCommandBar->m_pCommandBars;

    CXTPControls* pOld = ExchangeControls(pCommandBar->m_pControls->Duplicate(bRecursive));
    pOld->RemoveAll();
    pOld->InternalRelease();
}

CXTPControls* CXTPCommandBar::ExchangeControls(CXTPControls* pControls)
{
    CXTPControls* pOld = m_pControls;
    pOld->SetCommandBars(GetCommandBars());
    pOld->SetParent(NULL);
    m_pControls = pControls;
    m_pControls->SetParent(this);
    return pOld;
}

CXTPCommandBar* CXTPCommandBar::Clone(BOOL bRecursive)
{
    CXTPCommandBar* pBar = (CXTPCommandBar*)GetRuntimeClass()->CreateObject();
    pBar->Copy(this, bRecursive);
    // A clone is a bar of its own (a popup copied with its control, a bar
    // reset from its original controls): with its original's number the
    // next load would open one bar for both controls. It gets a number of
    // its own when it is saved.
    pBar->m_nBarID = 0;
    return pBar;
}

// ---- Command-state updates --------------------------------------------------

void CXTPCommandBar::UpdateCommandBar(BOOL bDisableIfNoHandler)
{
    if (m_hWnd == NULL || !IsWindowVisible())
        return;
    RefreshHiddenFlags();
    CWnd* pTarget = GetCommandTarget();
    if (pTarget != NULL)
        OnUpdateCmdUI(pTarget, bDisableIfNoHandler);
    if (m_dwPending & pendingRedraw)
        Invalidate(FALSE);
    BOOL bLayout = (m_dwPending & pendingLayout) != 0;
    m_dwPending &= ~(pendingRedraw | pendingLayout);
    if (bLayout)
        OnRecalcLayout();
    if (pTarget != NULL)
        UpdateDialogControls(pTarget, bDisableIfNoHandler);
}

void CXTPCommandBar::RefreshHiddenFlags()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars == NULL)
        return;
    UINT nMenuID = 0;
    BOOL bMenuIDRead = FALSE;
    for (int i = 0; i < m_pControls->GetCount(); i++)
    {
        CXTPControl* pControl = m_pControls->GetAt(i);
        CXTPControl::CDocTemplateMap& assigned = pControl->GetDocTemplatesAssigned();
        CXTPControl::CDocTemplateMap& excluded = pControl->GetDocTemplatesExcluded();
        if (assigned.empty() && excluded.empty())
            continue;
        if (!bMenuIDRead)
        {
            nMenuID = pCommandBars->GetActiveMenuID();
            bMenuIDRead = TRUE;
        }
        BOOL bHide = (!assigned.empty() && assigned.count(nMenuID) == 0)
                     || (!excluded.empty() && excluded.count(nMenuID) != 0);
        DWORD dwFlags = pControl->GetHideFlags();
        DWORD dwNew = bHide ? (dwFlags | xtpHideDocTemplate) : (dwFlags & ~xtpHideDocTemplate);
        if (dwNew != dwFlags)
        {
            pControl->SetHideFlags(dwNew);
            m_dwPending |= pendingLayout;
        }
    }
}

void CXTPCommandBar::OnUpdateCmdUI(CWnd* pTarget, BOOL bDisableIfNoHandler)
{
    BOOL bNotify = !GetRootParent()->m_bNoNotifications;
    BOOL bCustomize = IsCustomizeMode();
    for (int i = 0; i < m_pControls->GetCount(); i++)
    {
        CXTPControl* pControl = m_pControls->GetAt(i);
        if (pControl->GetPressed() == 2)
        {
            // The press of the last execution shows until this pass.
            pControl->SetPressed(0);
            DelayRedraw();
        }
        if (!bNotify || (pControl->GetFlags() & xtpFlagManualUpdate))
            continue;
        CXTPCommandBarCmdUI state(pControl);
        state.m_nIndex = i;
        state.m_nIndexMax = m_pControls->GetCount();
        state.m_pOther = this;
        if (pTarget->OnCmdMsg(0, kToolkitUpdateCode, &state, NULL))
            continue;
        if (pTarget->OnCmdMsg(state.m_nID, (int)CN_UPDATE_COMMAND_UI, &state, NULL))
            continue;
        if (bCustomize)
            pControl->SetEnabled(TRUE);
        else
            state.DoUpdate(pTarget, bDisableIfNoHandler);
    }
}

CXTPCommandBarCmdUI::CXTPCommandBarCmdUI(CXTPControl* pControl) : m_pControl(pControl)
{
    m_nID = (UINT)pControl->GetID();
}

void CXTPCommandBarCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    m_pControl->SetEnabled(bOn);
}

void CXTPCommandBarCmdUI::SetCheck(int nCheck)
{
    m_pControl->SetChecked(nCheck != 0);
}

void CXTPCommandBarCmdUI::SetText(LPCTSTR lpszText)
{
    m_pControl->SetCaption(CString(lpszText));
}

// ---- Drawing ----------------------------------------------------------------

void CXTPCommandBar::DrawCommandBar(CDC* pDC, CRect rcClipBox)
{
    (void)rcClipBox;
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager == NULL)
        return;
    pPaintManager->FillCommandBarEntry(pDC, this);
    if (m_dwStyle & XTP_BARSTYLE_GRIPPER)
        pPaintManager->DrawCommandBarGripper(pDC, this, TRUE);

    CXTPCommandBars* pCommandBars = GetCommandBars();
    const BOOL bCustomize = pCommandBars != NULL && pCommandBars->IsCustomizeMode();
    BOOL bFirst = TRUE;
    for (int i = 0; i < m_pControls->GetCount(); i++)
    {
        CXTPControl* pControl = m_pControls->GetAt(i);
        if (!pControl->IsVisible())
            continue;
        if (pControl->GetBeginGroup() && !bFirst)
            pPaintManager->DrawCommandBarSeparator(pDC, this, pControl, TRUE);
        bFirst = FALSE;
        CFont* pFont = pPaintManager->GetCommandBarFont(this, pControl->IsItemDefault());
        CFont* pOldFont = pFont != NULL ? pDC->SelectObject(pFont) : NULL;
        pControl->Draw(pDC);
        if (pOldFont != NULL)
            pDC->SelectObject(pOldFont);
        if (bCustomize && pControl == pCommandBars->GetDragControl())
            DrawCustomizeFrame(pDC, pControl);
    }
    if (bCustomize && !m_rcMarker.IsRectEmpty())
        DrawDropMarker(pDC);
}

// ---- Messages ---------------------------------------------------------------

CXTPControl* CXTPCommandBar::HitTest(CPoint point) const
{
    return m_pControls->HitTest(point);
}

int CXTPCommandBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    RegisterAsDropTarget();
    if (m_barPosition != xtpBarPopup)
        EnableToolTips(TRUE);
    return 0;
}

void CXTPCommandBar::OnDestroy()
{
    RevokeDropTarget();
    if (m_nTrackingMode != xtpTrackingOff)
        SetTrackingMode(xtpTrackingOff, FALSE, FALSE);
    CWnd::OnDestroy();
}

void CXTPCommandBar::OnMouseMove(UINT, CPoint point)
{
    CXTPMouseManager* pMouseManager = XTPMouseManager();
    if (m_hWnd == NULL || pMouseManager->IsTrackedLock(this) || pMouseManager->IsMouseLocked())
        return;
    if (m_nTrackingMode == xtpTrackingOff && !CXTPMouseManager::IsTopParentActive(m_hWnd)
        && m_barPosition != xtpBarPopup)
        return;
    if (IsCustomizeMode())
    {
        SetCustomizeCursor(point);
        return;
    }

    int nHot = -1;
    if (m_nTrackingMode != xtpTrackingOff
        && !(m_barPosition == xtpBarPopup && m_nPopuped < 0 && !m_bKeyboardSelection))
        nHot = m_nSelected;
    for (int i = 0; i < m_pControls->GetCount(); i++)
    {
        CXTPControl* pControl = m_pControls->GetAt(i);
        if (pControl->IsVisible() && pControl->GetRect().PtInRect(point))
        {
            nHot = i;
            pMouseManager->TrackMouseLeave(m_hWnd);
            pControl->OnMouseMove(point);
        }
    }
    SetSelected(nHot, FALSE);
}

void CXTPCommandBar::OnMouseLeave()
{
    if (XTPMouseManager()->IsMouseLocked())
        return;
    if (m_nTrackingMode == xtpTrackingOff)
        SetSelected(-1);
    else if (m_barPosition == xtpBarPopup && m_nPopuped < 0)
        SetSelected(-1);
}

void CXTPCommandBar::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    OnMouseLeave();
    CWnd::OnNcMouseMove(nHitTest, point);
}

void CXTPCommandBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    CXTPControl* pControl = HitTest(point);
    if (pControl == NULL)
    {
        CWnd::OnLButtonDown(nFlags, point);
        return;
    }
    if (IsCustomizeMode() && !(IsCustomizable() && !(pControl->GetFlags() & XTP_CONTROLFLAG_NOMOVABLE)))
        return;
    CXTPHoldReference holdBar(this), holdControl(pControl);
    if (!QuickCustomize(pControl, point))
        pControl->OnClick(FALSE, point);
}

void CXTPCommandBar::OnLButtonDblClk(UINT, CPoint point)
{
    if (IsCustomizeMode())
        return;
    CXTPControl* pControl = HitTest(point);
    if (pControl == NULL)
        return;
    CXTPHoldReference holdBar(this), holdControl(pControl);
    pControl->OnLButtonDblClk(point);
}

void CXTPCommandBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    CXTPControl* pControl = IsCustomizeMode() ? NULL : HitTest(point);
    if (pControl == NULL)
    {
        CWnd::OnLButtonUp(nFlags, point);
        return;
    }
    CXTPHoldReference holdBar(this), holdControl(pControl);
    pControl->OnLButtonUp(point);
}

void CXTPCommandBar::OnRButtonUp(UINT nFlags, CPoint point)
{
    CXTPControl* pControl = IsCustomizeMode() ? NULL : HitTest(point);
    if (pControl == NULL)
    {
        CWnd::OnRButtonUp(nFlags, point);
        return;
    }
    CXTPHoldReference holdBar(this), holdControl(pControl);
    if (GetRootParent()->m_bRightButtonTracking)
        pControl->OnLButtonUp(point);
    else
        pControl->OnRButtonUp(point);
}

BOOL CXTPCommandBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTPCommandBar::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    CRect rcClient;
    GetClientRect(&rcClient);
    {
        CXTPBufferDC dc(hDC, rcClient);
        DrawCommandBar(&dc, CRect(ps.rcPaint));
    }
    ::EndPaint(m_hWnd, &ps);
}

LRESULT CXTPCommandBar::OnPrintClient(WPARAM wParam, LPARAM)
{
    CDC* pDC = CDC::FromHandle((HDC)wParam);
    CRect rcClient;
    GetClientRect(&rcClient);
    DrawCommandBar(pDC, rcClient);
    return TRUE;
}

void CXTPCommandBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == XTP_TID_HOVER)
    {
        KillTimer(XTP_TID_HOVER);
        CXTPControl* pControl = GetControl(m_nSelected);
        if (pControl != NULL)
        {
            CXTPHoldReference holdBar(this), holdControl(pControl);
            pControl->OnMouseHover();
        }
        return;
    }
    if (nIDEvent == XTP_TID_EXPANDED_POPUP)
    {
        // Full menus after a delay: the submenu still open under the cursor
        // shows all its commands (a drop-down or split button's popup keeps
        // its short menu).
        KillTimer(XTP_TID_EXPANDED_POPUP);
        CXTPControlPopup* pPopup = DYNAMIC_DOWNCAST(CXTPControlPopup, GetControl(m_nPopuped));
        if (pPopup != NULL && pPopup->GetType() == xtpControlPopup && m_nPopuped == m_nSelected
            && pPopup->IsCursorOver())
        {
            CXTPPopupBar* pPopupBar = DYNAMIC_DOWNCAST(CXTPPopupBar, (CObject*)pPopup->GetCommandBar());
            if (pPopupBar != NULL && pPopupBar->IsTrackingMode())
                pPopupBar->ExpandBar();
        }
        return;
    }
    CWnd::OnTimer(nIDEvent);
}

LRESULT CXTPCommandBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    UpdateCommandBar((BOOL)wParam);
    return 0;
}

LRESULT CXTPCommandBar::OnInitialUpdate(WPARAM, LPARAM)
{
    UpdateCommandBar(TRUE);
    return 0;
}

LRESULT CXTPCommandBar::OnHelpHitTest(WPARAM, LPARAM lParam)
{
    CPoint point((short)LOWORD(lParam), (short)HIWORD(lParam));
    CXTPControl* pControl = HitTest(point);
    if (pControl != NULL)
        return 0x10000 + pControl->GetID();
    int nID = GetDlgCtrlID();
    return nID != 0 ? 0x50000 + nID : 0;
}

BOOL CXTPCommandBar::IsInHelpMode() const
{
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, GetOwnerSite());
    return pFrame != NULL && pFrame->m_bHelpMode;
}

LRESULT CXTPCommandBar::OnNcHitTest(CPoint point)
{
    if (!IsInHelpMode())
        return (LRESULT)Default();
    CPoint ptClient = point;
    ScreenToClient(&ptClient);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (!rcClient.PtInRect(ptClient))
        return (LRESULT)Default();
    CXTPControl* pControl = HitTest(ptClient);
    if (pControl != NULL && IsPopupControlType(pControl->GetType()) && pControl->GetID() < 1)
        return HTMENU;
    return HTCLIENT;
}

void CXTPCommandBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (!IsInHelpMode())
    {
        CWnd::OnNcLButtonDown(nHitTest, point);
        return;
    }
    ScreenToClient(&point);
    OnLButtonDown(MK_LBUTTON, point);
}

LRESULT CXTPCommandBar::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    // The client object, and the menu object the focus events name.
    if ((LONG)lParam != OBJID_CLIENT && (LONG)lParam != OBJID_MENU)
        return Default();
    if (m_pAccessible == NULL)
        m_pAccessible = new CXTPCommandBarAccessible(this);
    return m_pAccessible->GetObjectResult(wParam);
}
