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

BOOL IsShownInTopLevel(HWND hWnd)
{
    RECT visible = ClientOnScreen(hWnd);
    for (HWND hChild = hWnd; IsChildWindow(hChild); hChild = ::GetParent(hChild))
    {
        if ((::GetWindowLongA(hChild, GWL_STYLE) & WS_VISIBLE) == 0)
            return FALSE;
        const HWND hParent = ::GetParent(hChild);
        if (!IsChildWindow(hParent))
            break;
        const RECT parent = ClientOnScreen(hParent);
        if (!::IntersectRect(&visible, &visible, &parent))
            return FALSE;
    }
    return !::IsRectEmpty(&visible);
}

std::vector<HWND> ShownPanesIn(HWND hParent)
{
    std::vector<HWND> shown;
    AppendShownPanes(hParent, shown);
    return shown;
}
