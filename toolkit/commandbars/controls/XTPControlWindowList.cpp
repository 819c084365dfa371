#include "toolkit/commandbars/controls/XTPControlWindowList.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlExpansion.h"

#include "toolkit/foundation/XTPStartup.h"

#include "framework/Controls.h"

IMPLEMENT_SERIAL(CXTPControlWindowList, CXTPControlButton, VERSIONABLE_SCHEMA | 8)

XTP_STARTUP_CLASSES(ControlWindowListClass, xtpStartupControlClasses,
                    XTP_STARTUP_CLASS(CXTPControlWindowList));

UINT CXTPControlWindowList::m_nFirstMDIChild = 0xFF00;
int CXTPControlWindowList::m_nItemCount = 9;

namespace {

BOOL IsWindowItem(const CXTPControl* pControl)
{
    return (UINT)pControl->GetID() >= CXTPControlWindowList::m_nFirstMDIChild;
}

// The MDI client of the bar's site frame, or NULL.
HWND FindMDIClient(CXTPCommandBar* pBar)
{
    CWnd* pSite = pBar != NULL ? pBar->GetOwnerSite() : NULL;
    CMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, pSite);
    return pFrame != NULL ? pFrame->m_hWndMDIClient : NULL;
}

} // namespace

void CXTPControlWindowList::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    XTPRemoveExpansionItems(this, IsWindowItem);
    if (XTPShowPlaceholderWhileCustomizing(this))
        return;
    HWND hWndClient = FindMDIClient(GetParent());
    if (hWndClient == NULL)
    {
        SetHideFlags(xtpHideNone);
        return;
    }
    SetHideFlags(xtpHideGeneric);
    InsertWindowItems(hWndClient);
}

void CXTPControlWindowList::InsertWindowItems(HWND hWndClient)
{
    HWND hWndActive = (HWND)::SendMessage(hWndClient, WM_MDIGETACTIVE, 0, 0);
    if (hWndActive != NULL)
    {
        // Clients that number their children from 0x8000 or from 1.
        UINT nActiveId = (UINT)::GetDlgCtrlID(hWndActive);
        if (nActiveId >= 0x8000 && nActiveId <= 0x800E)
            m_nFirstMDIChild = 0x8000;
        else if (nActiveId >= 1 && nActiveId <= 14)
            m_nFirstMDIChild = 1;
    }

    int nNumber = 0;
    for (UINT nId = m_nFirstMDIChild;; nId++)
    {
        HWND hWndChild = ::GetDlgItem(hWndClient, (int)nId);
        if (hWndChild == NULL)
            break;
        if (!::IsWindowVisible(hWndChild))
            continue;
        char szTitle[256 + 1] = "";
        ::GetWindowTextA(hWndChild, szTitle, 256);
        CString strCaption;
        strCaption.Format("&%i %s", nNumber + 1, szTitle);
        CXTPControl* pItem = XTPAddExpansionItem(this, nNumber, (int)nId, strCaption);
        pItem->SetBeginGroup(nNumber == 0);
        pItem->SetChecked(hWndChild == hWndActive);
        if (++nNumber > m_nItemCount)
            break;
    }
}

BOOL CXTPControlWindowList::IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint /*point*/, DROPEFFECT& dropEffect)
{
    return AllowDropOnPopupBarOnly(pCommandBar, dropEffect);
}
