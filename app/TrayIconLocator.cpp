#include "app/TrayIconLocator.h"

#include <commctrl.h>
#include <string.h>

namespace {

// The shell's button record (32-bit TBBUTTON): the state byte at offset 8, the
// data word at offset 12.
const SIZE_T kButtonRecordSize = 20;
const int kButtonStateOffset = 8;
const int kButtonDataOffset = 12;
static_assert(sizeof(TBBUTTON) == kButtonRecordSize, "the 32-bit button record");
// The fallback when no window is left: the screen's bottom-right corner.
const int kCornerWidth = 40;
const int kCornerHeight = 20;

// The first child of hParent whose class is exactly lpszClass.
HWND FindChildOfClass(HWND hParent, LPCSTR lpszClass)
{
    for (HWND hChild = ::GetWindow(hParent, GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        char szClass[64] = "";
        ::GetClassNameA(hChild, szClass, sizeof szClass);
        if (strcmp(szClass, lpszClass) == 0)
            return hChild;
    }
    return NULL;
}

BOOL ReadExactly(HANDLE hProcess, LPCVOID pRemote, void* pLocal, SIZE_T nBytes)
{
    SIZE_T nRead = 0;
    return ::ReadProcessMemory(hProcess, pRemote, pLocal, nBytes, &nRead) && nRead >= nBytes;
}

void FallbackRect(HWND hNotifyWnd, RECT* pRect)
{
    if (::GetWindowRect(hNotifyWnd, pRect))
        return;
    const int cx = ::GetSystemMetrics(SM_CXSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYSCREEN);
    ::SetRect(pRect, cx - kCornerWidth, cy - kCornerHeight, cx, cy);
}

} // namespace

void TrayIconLocator::SetIcon(HWND hOwner, UINT nIconId)
{
    m_hOwner = hOwner;
    m_nIconId = nIconId;
}

HWND TrayIconLocator::FindNotifyWindow(HWND hTrayWnd)
{
    HWND hNotify = hTrayWnd != NULL ? FindChildOfClass(hTrayWnd, "TrayNotifyWnd") : NULL;
    if (hNotify == NULL)
        return NULL;
    HWND hToolbar = FindChildOfClass(hNotify, "ToolbarWindow32");
    return hToolbar != NULL ? hToolbar : hNotify;
}

BOOL TrayIconLocator::GetIconRect(RECT* pRect) const
{
    return GetIconRectIn(FindNotifyWindow(::FindWindowA("Shell_TrayWnd", NULL)), pRect);
}

BOOL TrayIconLocator::GetIconRectIn(HWND hNotifyWnd, RECT* pRect) const
{
    if (hNotifyWnd == NULL)
        return FALSE;
    DWORD dwProcessId = 0;
    ::GetWindowThreadProcessId(hNotifyWnd, &dwProcessId);
    if (dwProcessId == 0)
        return FALSE;
    HANDLE hProcess = ::OpenProcess(PROCESS_ALL_ACCESS, FALSE, dwProcessId);
    if (hProcess == NULL)
        return FALSE;
    const int nCount = (int)::SendMessageA(hNotifyWnd, TB_BUTTONCOUNT, 0, 0);
    void* pBuffer = ::VirtualAllocEx(hProcess, NULL, kButtonRecordSize, MEM_COMMIT, PAGE_READWRITE);
    BOOL bFound = FALSE;
    if (pBuffer != NULL && nCount >= 1)
    {
        bFound = FindButton(hNotifyWnd, hProcess, pBuffer, nCount, pRect);
        if (!bFound)
            FallbackRect(hNotifyWnd, pRect);
    }
    if (pBuffer != NULL)
        ::VirtualFreeEx(hProcess, pBuffer, 0, MEM_RELEASE);
    ::CloseHandle(hProcess);
    return bFound;
}

BOOL TrayIconLocator::FindButton(HWND hToolbar, HANDLE hProcess, void* pBuffer, int nCount, RECT* pRect) const
{
    for (int i = 0; i < nCount; i++)
    {
        BYTE button[kButtonRecordSize];
        ::SendMessageA(hToolbar, TB_GETBUTTON, i, (LPARAM)pBuffer);
        if (!ReadExactly(hProcess, pBuffer, button, sizeof button))
            continue;
        DWORD_PTR dwData;
        memcpy(&dwData, button + kButtonDataOffset, sizeof dwData);
        DWORD owner[2]; // the owner window and the icon id
        if (!ReadExactly(hProcess, (LPCVOID)dwData, owner, sizeof owner))
            continue;
        if ((HWND)(DWORD_PTR)owner[0] != m_hOwner || owner[1] != m_nIconId)
            continue;
        if (button[kButtonStateOffset] & TBSTATE_HIDDEN)
            return FALSE;
        RECT rect;
        ::SendMessageA(hToolbar, TB_GETITEMRECT, i, (LPARAM)pBuffer);
        if (!ReadExactly(hProcess, pBuffer, &rect, sizeof rect))
            continue;
        ::MapWindowPoints(hToolbar, NULL, (POINT*)&rect, 2);
        *pRect = rect;
        return TRUE;
    }
    return FALSE;
}
