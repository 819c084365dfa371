#include "toolkit/commandbars/customize/XTPCustomizeSheet.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/customize/XTPCustomizeCommandsPage.h"
#include "toolkit/commandbars/customize/XTPCustomizeHookGuard.h"
#include "toolkit/commandbars/customize/XTPCustomizeToolbarsPage.h"
#include "toolkit/commandbars/input/XTPAccelManager.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/layout/XTPDialogPlace.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPMultiMonitor.h"
#include "toolkit/foundation/XTPResourceManager.h"

#include <vector>

IMPLEMENT_DYNAMIC(CXTPCustomizeSheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CXTPCustomizeSheet, CPropertySheet)
ON_WM_SYSKEYDOWN()
ON_MESSAGE(WM_XTP_INITPOPUP, OnInitPopup)
ON_MESSAGE(WM_XTP_CONTROL_EXECUTE, OnControlExecute)
ON_COMMAND(XTP_ID_CUSTOMIZE_RESET, OnCustomizeReset)
ON_COMMAND(XTP_ID_CUSTOMIZE_DELETE, OnCustomizeDelete)
ON_COMMAND(XTP_ID_CUSTOMIZE_COPYBUTTONIMAGE, OnCustomizeCopyImage)
ON_COMMAND(XTP_ID_CUSTOMIZE_PASTEBUTTONIMAGE, OnCustomizePasteImage)
ON_COMMAND(XTP_ID_CUSTOMIZE_RESETBUTTONIMAGE, OnCustomizeResetImage)
ON_COMMAND(XTP_ID_CUSTOMIZE_EDITBUTTONIMAGE, OnCustomizeEditImage)
ON_COMMAND_RANGE(XTP_ID_CUSTOMIZE_DEFAULTSTYLE, XTP_ID_CUSTOMIZE_TEXTONLY, OnCustomizeStyle)
ON_COMMAND(XTP_ID_CUSTOMIZE_BEGINAGROUP, OnCustomizeBeginGroup)
ON_UPDATE_COMMAND_UI(XTP_ID_CUSTOMIZE_RESET, OnUpdateCustomizeReset)
ON_UPDATE_COMMAND_UI(XTP_ID_CUSTOMIZE_DELETE, OnUpdateCustomizeAlways)
ON_UPDATE_COMMAND_UI(XTP_ID_CUSTOMIZE_NAME, OnUpdateCustomizeAlways)
ON_UPDATE_COMMAND_UI(XTP_ID_CUSTOMIZE_COPYBUTTONIMAGE, OnUpdateCustomizeImage)
ON_UPDATE_COMMAND_UI(XTP_ID_CUSTOMIZE_PASTEBUTTONIMAGE, OnUpdateCustomizePasteImage)
ON_UPDATE_COMMAND_UI(XTP_ID_CUSTOMIZE_RESETBUTTONIMAGE, OnUpdateCustomizeResetImage)
ON_UPDATE_COMMAND_UI(XTP_ID_CUSTOMIZE_EDITBUTTONIMAGE, OnUpdateCustomizeImage)
ON_UPDATE_COMMAND_UI(XTP_ID_CUSTOMIZE_CHANGEBUTTONIMAGE, OnUpdateCustomizeImage)
ON_UPDATE_COMMAND_UI_RANGE(XTP_ID_CUSTOMIZE_DEFAULTSTYLE, XTP_ID_CUSTOMIZE_TEXTONLY, OnUpdateCustomizeStyle)
ON_UPDATE_COMMAND_UI(XTP_ID_CUSTOMIZE_BEGINAGROUP, OnUpdateCustomizeBeginGroup)
END_MESSAGE_MAP()

namespace {

const CSize kStockImageSize(16, 16);

CString LoadToolkitString(UINT nID)
{
    CString str;
    XTPResourceManager()->LoadString(&str, nID);
    return str;
}

// hWnd is the window or lies below it.
BOOL IsWithin(HWND hWnd, HWND hAncestor)
{
    return hAncestor != NULL && (hWnd == hAncestor || ::IsChild(hAncestor, hWnd));
}

CXTPCommandBar* CommandBarOf(HWND hWnd)
{
    return DYNAMIC_DOWNCAST(CXTPCommandBar, CWnd::FromHandlePermanent(hWnd));
}

// The command bar the window is, or else the one its parent is.
CXTPCommandBar* CommandBarAtOrAbove(HWND hWnd)
{
    CXTPCommandBar* pBar = CommandBarOf(hWnd);
    return pBar != NULL || hWnd == NULL ? pBar : CommandBarOf(::GetParent(hWnd));
}

// The sheet's window was made, at the size of its pages and not yet shown:
// it opens centred over the frame that owns it, on that frame's work area
// (the system would leave it at the frame's top-left corner, over the bars
// the user drags commands onto).
int CALLBACK PlaceSheetOverOwner(HWND hWndSheet, UINT nMessage, LPARAM)
{
    if (nMessage != PSCB_INITIALIZED)
        return 0;
    HWND hWndOwner = ::GetWindow(hWndSheet, GW_OWNER);
    if (hWndOwner == NULL || !::IsWindowVisible(hWndOwner) || ::IsIconic(hWndOwner))
        return 0;
    CRect rcOwner, rcSheet;
    ::GetWindowRect(hWndOwner, &rcOwner);
    ::GetWindowRect(hWndSheet, &rcSheet);
    const CRect rcPlace =
        XTPCenterOverOwner(rcSheet.Size(), rcOwner, XTPMultiMonitor()->GetWorkArea(rcOwner));
    ::SetWindowPos(hWndSheet, NULL, rcPlace.left, rcPlace.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

} // namespace

BOOL IsCustomizeMenuCommand(UINT nID)
{
    return nID >= XTP_ID_CUSTOMIZE_RESET && nID <= XTP_ID_CUSTOMIZE_BEGINAGROUP;
}

CXTPCustomizeSheet::CXTPCustomizeSheet(CXTPCommandBars* pCommandBars, UINT iSelectPage)
    : CPropertySheet(LoadToolkitString(XTP_IDS_CUSTOMIZE), pCommandBars->GetSite(), iSelectPage),
      m_pToolbarsPage(NULL), m_pCommandsPage(NULL), m_pWndParent(pCommandBars->GetSite()),
      m_pCommandBars(pCommandBars), m_pContextMenu(NULL), m_pCustomIcons(NULL)
{
    m_pToolbarsPage = new CXTPCustomizeToolbarsPage(this);
    AddPage(m_pToolbarsPage);
    m_pCommandsPage = new CXTPCustomizeCommandsPage(this);
    AddPage(m_pCommandsPage);

    // The stock images of "Change Button Image": icons 1..n of 16 x 16.
    m_pCustomIcons = new CXTPImageManager;
    CBitmap bmpImages;
    if (XTPResourceManager()->LoadBitmap(&bmpImages, XTP_IDB_BUTTONIMAGES))
    {
        BITMAP bm;
        bmpImages.GetBitmap(&bm);
        std::vector<UINT> ids;
        for (int i = 1; i <= bm.bmWidth / kStockImageSize.cx; i++)
            ids.push_back((UINT)i);
        if (!ids.empty())
            m_pCustomIcons->SetIcons(bmpImages, &ids[0], (int)ids.size(), kStockImageSize);
    }
    m_psh.dwFlags |= PSH_NOAPPLYNOW | PSH_USECALLBACK;
    m_psh.pfnCallback = PlaceSheetOverOwner;
    CreateContextMenu();
}

CXTPCustomizeSheet::~CXTPCustomizeSheet()
{
    delete m_pToolbarsPage;
    delete m_pCommandsPage;
    if (m_pContextMenu != NULL)
        m_pContextMenu->InternalRelease();
    m_pCustomIcons->InternalRelease();
}

void CXTPCustomizeSheet::AddPage(CPropertyPage* pPage)
{
    CPropertySheet::AddPage(pPage);
    LPCDLGTEMPLATE pTemplate = XTPResourceManager()->LoadDialogTemplate(pPage->m_psp.pszTemplate);
    if (pTemplate != NULL)
    {
        pPage->m_psp.dwFlags |= PSP_DLGINDIRECT;
        pPage->m_psp.pResource = pTemplate;
    }
}

BOOL CXTPCustomizeSheet::OnInitDialog()
{
    CPropertySheet::OnInitDialog();
    CWnd* pOK = GetDlgItem(IDOK);
    if (pOK != NULL)
        pOK->ShowWindow(SW_HIDE);
    CWnd* pCancel = GetDlgItem(IDCANCEL);
    if (pCancel != NULL)
        pCancel->SetWindowText(LoadToolkitString(XTP_IDS_CUSTOMIZE_CLOSE));
    return TRUE;
}

BOOL CXTPCustomizeSheet::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The frame's own handlers serve its bars while the sheet runs.
    if (!IsCustomizeMenuCommand(nID) && m_pWndParent != NULL)
        return m_pWndParent->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    return CPropertySheet::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---- Alt and a page's mnemonic --------------------------------------------------------

int CXTPCustomizeSheet::FindPageByMnemonic(UINT nChar)
{
    CTabCtrl* pTabs = GetTabControl();
    for (int i = 0; pTabs != NULL && i < pTabs->GetItemCount(); i++)
    {
        char szText[256] = {0};
        TCITEMA item;
        ZeroMemory(&item, sizeof(item));
        item.mask = TCIF_TEXT;
        item.pszText = szText;
        item.cchTextMax = 256;
        if (!pTabs->GetItem(i, &item))
            continue;
        const char* pAmpersand = strchr(szText, '&');
        if (pAmpersand != NULL && pAmpersand[1] != 0 && (UINT)(BYTE)CXTPAccelManager::ToUpper(pAmpersand[1]) == nChar)
            return i;
    }
    return -1;
}

BOOL CXTPCustomizeSheet::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_SYSKEYDOWN)
    {
        int nPage = FindPageByMnemonic((UINT)pMsg->wParam);
        if (nPage >= 0)
        {
            SetActivePage(nPage);
            return TRUE;
        }
    }
    return CPropertySheet::PreTranslateMessage(pMsg);
}

void CXTPCustomizeSheet::OnSysKeyDown(UINT, UINT, UINT)
{
    Default();
}

// ---- The modal run ---------------------------------------------------------------------------

INT_PTR CXTPCustomizeSheet::DoModal()
{
    if (CXTPCustomizeHookGuard::IsActive())
        return IDCANCEL;
    CXTPCustomizeDropSource* pDropSource = m_pCommandBars->GetDropSource();
    m_pCommandBars->SetCustomizeMode(TRUE);
    pDropSource->SetSheet(this);

    ::InitCommonControls();
    BuildPropPageArray();
    // The application's windows stay enabled: its main window is the site,
    // whose bars must take the customizing clicks (the application's
    // EnableModeless would disable it).
    HWND hWndParent = m_pWndParent->GetSafeHwnd();
    m_psh.hwndParent = hWndParent;

    INT_PTR nResult = IDCANCEL;
    {
        CXTPCustomizeHookGuard guard(this);
        if (hWndParent != NULL)
            guard.Install();
        HWND hWndCapture = ::GetCapture();
        if (hWndCapture != NULL)
            ::SendMessageA(hWndCapture, WM_CANCELMODE, 0, 0);

        m_psh.dwFlags |= PSH_MODELESS;
        HWND hWndSheet = (HWND)::PropertySheet(&m_psh);
        m_psh.dwFlags &= ~PSH_MODELESS;
        m_nModalResult = IDCANCEL;
        if (AttachSheet(hWndSheet))
        {
            // Clicks in the sheet leave a menu opened for customizing open.
            XTPMouseManager()->AddTrustedWindow(m_hWnd);
            nResult = RunModalLoop();
            XTPMouseManager()->RemoveTrustedWindow(m_hWnd);
        }
        else if (hWndSheet != NULL && hWndSheet != (HWND)-1)
        {
            ::DestroyWindow(hWndSheet);
        }
        if (m_hWnd != NULL)
        {
            SetWindowPos(NULL, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
            guard.Remove();
            BOOL bActive = ::GetActiveWindow() == m_hWnd;
            DestroyWindow();
            if (bActive && hWndParent != NULL)
                ::SetActiveWindow(hWndParent);
        }
        m_pCommandBars->SetCustomizeMode(FALSE);
        pDropSource->SetSheet(NULL);
    }
    return nResult;
}

// ---- The input guard -------------------------------------------------------------------------

BOOL CXTPCustomizeSheet::IsInSiteFrame(HWND hWnd) const
{
    return IsWithin(hWnd, m_pWndParent->GetSafeHwnd());
}

BOOL CXTPCustomizeSheet::IsOwnCommandBar(HWND hWnd) const
{
    CXTPCommandBar* pBar = CommandBarOf(hWnd);
    return pBar != NULL && pBar->GetCommandBars() == m_pCommandBars;
}

BOOL CXTPCustomizeSheet::FilterMouseMessage(UINT nMessage, const MOUSEHOOKSTRUCT* pInfo)
{
    if (nMessage == WM_MOUSEMOVE || nMessage == WM_NCMOUSEMOVE)
        return TRUE;
    HWND hWnd = pInfo->hwnd;
    CXTPMouseManager* pMouseManager = XTPMouseManager();
    if (pMouseManager->GetTrackedCount() > 0)
    {
        // The context menu belongs to no manager: it takes its own clicks and
        // closes on clicks elsewhere, which the bars' own hook may not see.
        CXTPCommandBar* pBar = CommandBarAtOrAbove(hWnd);
        if (pBar != NULL && pBar->GetCommandBars() == NULL)
            return TRUE;
        pMouseManager->NotifyTrackedBarsOfNoManager(nMessage, pInfo->pt);
    }
    if (!IsInSiteFrame(hWnd) || IsWithin(hWnd, m_hWnd))
        return TRUE;
    // A customize drag or resize holds the capture: its end must reach it,
    // wherever the mouse is.
    HWND hWndCapture = ::GetCapture();
    if (hWndCapture != NULL && (hWndCapture == m_hWnd || IsOwnCommandBar(hWndCapture)))
        return TRUE;
    // Inside the frame only this manager's bars (and what they host) take the mouse.
    return IsOwnCommandBar(hWnd) || IsOwnCommandBar(::GetParent(hWnd));
}

BOOL CXTPCustomizeSheet::FilterKeyboardMessage()
{
    HWND hWndFocus = ::GetFocus();
    if (IsWithin(hWndFocus, m_hWnd))
        return TRUE;
    if (hWndFocus != NULL && IsOwnCommandBar(::GetParent(hWndFocus)))
        return TRUE;
    if (!IsInSiteFrame(hWndFocus) && IsWithin(hWndFocus, ::GetForegroundWindow()))
        return TRUE;
    return ::GetCapture() != NULL;
}
