#include "framework/window/ShownPanes.h"
#include "framework/window/StandardIds.h"

#include <algorithm>

namespace {

BOOL IsChildWindow(HWND hWnd)
{
    return (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) != 0;
}

RECT ClientOnScreen(HWND hWnd)
{
    RECT rect;
    ::GetClientRect(hWnd, &rect);
    ::MapWindowPoints(hWnd, NULL, (LPPOINT)&rect, 2);
    return rect;
}

BOOL IsPaneId(int nId)
{
    return nId >= AFX_IDW_PANE_FIRST && nId <= AFX_IDW_PANE_LAST;
}

// The children of hParent with pane ids, by id.
std::vector<HWND> PanesOf(HWND hParent)
{
    std::vector<HWND> panes;
    for (HWND hChild = ::GetWindow(hParent, GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (IsPaneId(::GetDlgCtrlID(hChild)))
            panes.push_back(hChild);
    }
    std::sort(panes.begin(), panes.end(),
              [](HWND a, HWND b) { return ::GetDlgCtrlID(a) < ::GetDlgCtrlID(b); });
    return panes;
}

// The part of the window's client area inside the client area of every
// parent below its top-level window, on the screen.
RECT VisibleClient(HWND hWnd)
{
    RECT visible = ClientOnScreen(hWnd);
    for (HWND hParent = ::GetParent(hWnd); IsChildWindow(hWnd) && IsChildWindow(hParent);
         hWnd = hParent, hParent = ::GetParent(hParent))
    {
        const RECT parent = ClientOnScreen(hParent);
        if (!::IntersectRect(&visible, &visible, &parent))
            break;
    }
    return visible;
}

BOOL IsReadable(const RECT& visible)
{
    const SIZE readable = ReadablePaneSize();
    return visible.right - visible.left >= readable.cx && visible.bottom - visible.top >= readable.cy;
}

void AppendShownPanes(HWND hParent, std::vector<HWND>& shown)
{
    for (HWND hPane : PanesOf(hParent))
    {
        if (!IsShownInTopLevel(hPane))
            continue;
        if (PanesOf(hPane).empty())
            shown.push_back(hPane);
        else
            AppendShownPanes(hPane, shown);
    }
}

} // namespace

SIZE ReadablePaneSize()
{
    SIZE size = {::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON)};
    return size;
}

BOOL IsShownInTopLevel(HWND hWnd)
{
    for (HWND hChild = hWnd; IsChildWindow(hChild); hChild = ::GetParent(hChild))
    {
        if ((::GetWindowLongA(hChild, GWL_STYLE) & WS_VISIBLE) == 0)
            return FALSE;
        if (IsPaneId(::GetDlgCtrlID(hChild)) && !IsReadable(VisibleClient(hChild)))
            return FALSE;
    }
    const RECT visible = VisibleClient(hWnd);
    return !::IsRectEmpty(&visible);
}

std::vector<HWND> ShownPanesIn(HWND hParent)
{
    std::vector<HWND> shown;
    AppendShownPanes(hParent, shown);
    return shown;
}
