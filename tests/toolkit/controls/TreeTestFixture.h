#pragma once
// A CXTTreeCtrl in the shared test host, filled with named items:
//   Alpha { "alpha beta", "x ab", "abc" }, Beta { "x_ab", "ab.", "abab" }, Gamma
// with Alpha and Beta expanded.
#include "NotifyRecorderWnd.h"
#include "toolkit/controls/XTTreeCtrl.h"
#include <map>
#include <string>

struct TreeFixture
{
    static const UINT kTreeId = 1000;

    NotifyRecorderWnd& host = TestHost();
    CXTTreeCtrl tree;
    std::map<std::string, HTREEITEM> items;

    explicit TreeFixture(DWORD dwStyle = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS)
    {
        tree.Create(WS_CHILD | WS_VISIBLE | dwStyle, CRect(0, 0, 300, 300), &host, kTreeId);
        HTREEITEM hAlpha = Add("Alpha", TVI_ROOT);
        Add("alpha beta", hAlpha);
        Add("x ab", hAlpha);
        Add("abc", hAlpha);
        HTREEITEM hBeta = Add("Beta", TVI_ROOT);
        Add("x_ab", hBeta);
        Add("ab.", hBeta);
        Add("abab", hBeta);
        Add("Gamma", TVI_ROOT);
        tree.Expand(hAlpha, TVE_EXPAND);
        tree.Expand(hBeta, TVE_EXPAND);
        host.m_messages.clear();
    }
    ~TreeFixture() { tree.DestroyWindow(); }

    HTREEITEM Add(const char* name, HTREEITEM hParent)
    {
        HTREEITEM hItem = tree.InsertItem(name, hParent);
        items[name] = hItem;
        return hItem;
    }
    HTREEITEM operator[](const std::string& name) { return name.empty() ? NULL : items.at(name); }
    std::string NameOf(HTREEITEM hItem)
    {
        return hItem == NULL ? std::string() : std::string((LPCTSTR)tree.GetItemText(hItem));
    }
    CPoint LabelCenter(const std::string& name)
    {
        CRect rc;
        tree.GetItemRect(items.at(name), &rc, TRUE);
        return rc.CenterPoint();
    }
    // The names of the selected items in visible order.
    std::string Selected()
    {
        std::string names;
        for (HTREEITEM h = tree.GetRootItem(); h != NULL; h = tree.GetNextVisibleItem(h))
            if (tree.CTreeCtrl::GetItemState(h, TVIS_SELECTED) & TVIS_SELECTED)
                names += (names.empty() ? "" : ",") + NameOf(h);
        return names;
    }
};
