#include "framework/controls/CToolBar.h"
#include "framework/window/CFrameWnd.h"
#include "framework/core/ModuleState.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
END_MESSAGE_MAP()

// The resource type of toolbar layouts.
static LPCTSTR const kToolBarResourceType = MAKEINTRESOURCE(241);

CToolBar::CToolBar() : m_hbmImageWell(NULL), m_sizeImage(16, 15)
{}

CToolBar::~CToolBar()
{
    if (m_hbmImageWell != NULL)
        ::DeleteObject(m_hbmImageWell);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, CRect(0, 0, 0, 0), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    SetBorders(rcBorders.left, rcBorders.top, rcBorders.right, rcBorders.bottom);
    DWORD dwWindowStyle =
        TakeBarStyle(dwStyle) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    if (m_dwStyle & CBRS_TOOLTIPS)
        dwWindowStyle |= TBSTYLE_TOOLTIPS;
    if (!CWnd::Create(TOOLBARCLASSNAME, NULL, dwWindowStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeImage = sizeImage;
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELONG(sizeButton.cx, sizeButton.cy));
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    while (GetCount() > 0)
        SendMessage(TB_DELETEBUTTON, 0);
    int nImage = 0;
    for (int i = 0; i < nIDCount; i++)
    {
        TBBUTTON button;
        ZeroMemory(&button, sizeof(button));
        button.idCommand = lpIDArray != NULL ? (int)lpIDArray[i] : 0;
        if (button.idCommand == 0)
        {
            button.fsStyle = TBSTYLE_SEP;
        }
        else
        {
            button.fsStyle = TBSTYLE_BUTTON;
            button.fsState = TBSTATE_ENABLED;
            button.iBitmap = nImage++;
        }
        if (!SendMessage(TB_ADDBUTTONS, 1, (LPARAM)&button))
            return FALSE;
    }
    return TRUE;
}

BOOL CToolBar::LoadBitmap(UINT nIDResource)
{
    return LoadBitmap(MAKEINTRESOURCE(nIDResource));
}

BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName)
{
    HINSTANCE hInstance = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    HBITMAP hbm = ::CreateMappedBitmap(hInstance, (INT_PTR)lpszResourceName, 0, NULL, 0);
    if (hbm == NULL)
        return FALSE;
    BITMAP info;
    ::GetObject(hbm, sizeof(info), &info);
    TBADDBITMAP add = {NULL, (UINT_PTR)hbm};
    int nImages = m_sizeImage.cx > 0 ? info.bmWidth / m_sizeImage.cx : 0;
    if (SendMessage(TB_ADDBITMAP, nImages, (LPARAM)&add) == -1)
    {
        ::DeleteObject(hbm);
        return FALSE;
    }
    if (m_hbmImageWell != NULL)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbm;
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource)
{
    return LoadToolBar(MAKEINTRESOURCE(nIDResource));
}

BOOL CToolBar::LoadToolBar(LPCTSTR lpszResourceName)
{
    HINSTANCE hInstance = AfxFindResourceHandle(lpszResourceName, kToolBarResourceType);
    HRSRC hResource = ::FindResource(hInstance, lpszResourceName, kToolBarResourceType);
    HGLOBAL hGlobal = hResource != NULL ? ::LoadResource(hInstance, hResource) : NULL;
    const WORD* pData = hGlobal != NULL ? (const WORD*)::LockResource(hGlobal) : NULL;
    DWORD cbData = hResource != NULL ? ::SizeofResource(hInstance, hResource) : 0;
    // version, width, height, count, then count ids; the count is held to the resource's size.
    if (pData == NULL || cbData < 4 * sizeof(WORD) || pData[0] != 1)
        return FALSE;
    int nCount = std::min((int)pData[3], (int)(cbData / sizeof(WORD)) - 4);
    UINT* pIDs = new UINT[nCount > 0 ? nCount : 1];
    for (int i = 0; i < nCount; i++)
        pIDs[i] = pData[4 + i];
    CSize sizeImage(pData[1], pData[2]);
    SetSizes(CSize(sizeImage.cx + 7, sizeImage.cy + 7), sizeImage);
    BOOL bResult = SetButtons(pIDs, nCount);
    delete[] pIDs;
    return bResult && LoadBitmap(lpszResourceName);
}

int CToolBar::GetCount() const
{
    return (int)::SendMessage(m_hWnd, TB_BUTTONCOUNT, 0, 0);
}

BOOL CToolBar::GetButton(int nIndex, TBBUTTON* pButton) const
{
    ZeroMemory(pButton, sizeof(TBBUTTON));
    return (BOOL)::SendMessage(m_hWnd, TB_GETBUTTON, nIndex, (LPARAM)pButton);
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    return (int)::SendMessage(m_hWnd, TB_COMMANDTOINDEX, nIDFind, 0);
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button;
    return GetButton(nIndex, &button) ? (UINT)button.idCommand : 0;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    ::SetRectEmpty(lpRect);
    ::SendMessage(m_hWnd, TB_GETITEMRECT, nIndex, (LPARAM)lpRect);
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON button;
    if (!GetButton(nIndex, &button))
        return 0;
    return MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    if (GetButtonStyle(nIndex) == nStyle)
        return;
    TBBUTTONINFO info;
    ZeroMemory(&info, sizeof(info));
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_STYLE | TBIF_STATE | TBIF_BYINDEX;
    info.fsStyle = (BYTE)LOWORD(nStyle);
    info.fsState = (BYTE)(HIWORD(nStyle) ^ TBSTATE_ENABLED);
    SendMessage(TB_SETBUTTONINFO, nIndex, (LPARAM)&info);
}

CSize CToolBar::CalcFixedLayout(BOOL, BOOL)
{
    CRect extent(0, 0, 0, 0);
    for (int i = 0; i < GetCount(); i++)
    {
        CRect item;
        GetItemRect(i, item);
        extent.right = std::max(extent.right, item.right);
        extent.bottom = std::max(extent.bottom, item.bottom);
    }
    return CSize(extent.right + m_cxLeftBorder + m_cxRightBorder,
                 extent.bottom + m_cyTopBorder + m_cyBottomBorder);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)GetCount();
    for (int i = 0; i < GetCount(); i++)
    {
        TBBUTTON button;
        if (!GetButton(i, &button) || (button.fsStyle & TBSTYLE_SEP))
            continue;
        state.m_nID = (UINT)button.idCommand;
        state.m_nIndex = i;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

// ---- CToolCmdUI -------------------------------------------------------------------------------

void CToolCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    CToolBar* pBar = (CToolBar*)m_pOther;
    UINT nStyle = pBar->GetButtonStyle(m_nIndex) & ~TBBS_DISABLED;
    if (!bOn)
        nStyle |= TBBS_DISABLED;
    pBar->SetButtonStyle(m_nIndex, nStyle);
}

void CToolCmdUI::SetCheck(int nCheck)
{
    CToolBar* pBar = (CToolBar*)m_pOther;
    UINT nStyle = pBar->GetButtonStyle(m_nIndex) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
    if (nCheck == 1)
        nStyle |= TBBS_CHECKED;
    else if (nCheck == 2)
        nStyle |= TBBS_INDETERMINATE;
    pBar->SetButtonStyle(m_nIndex, nStyle | TBBS_CHECKBOX);
}

void CToolCmdUI::SetText(LPCTSTR)
{
    // Toolbar buttons show images only.
}
