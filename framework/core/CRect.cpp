#include "framework/core/CRect.h"

#include <algorithm>

void CRect::NormalizeRect()
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

BOOL CRect::IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
    CRect result(std::max(lpRect1->left, lpRect2->left), std::max(lpRect1->top, lpRect2->top),
                 std::min(lpRect1->right, lpRect2->right), std::min(lpRect1->bottom, lpRect2->bottom));
    if (result.IsRectEmpty())
        result.SetRectEmpty();
    *this = result;
    return !IsRectEmpty();
}

BOOL CRect::UnionRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
    CRect r1(lpRect1), r2(lpRect2);
    if (r1.IsRectEmpty())
        *this = r2.IsRectEmpty() ? CRect() : r2;
    else if (r2.IsRectEmpty())
        *this = r1;
    else
        SetRect(std::min(r1.left, r2.left), std::min(r1.top, r2.top), std::max(r1.right, r2.right),
                std::max(r1.bottom, r2.bottom));
    return !IsRectEmpty();
}

BOOL CRect::SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2)
{
    CRect source(lpRectSrc1), cut;
    if (source.IsRectEmpty())
    {
        SetRectEmpty();
        return FALSE;
    }
    if (!cut.IntersectRect(&source, lpRectSrc2))
    {
        *this = source;
        return TRUE;
    }
    // Only a cut spanning the whole width or height leaves a rectangle behind.
    if (cut.left == source.left && cut.right == source.right)
    {
        if (cut.top == source.top)
            source.top = cut.bottom;
        else if (cut.bottom == source.bottom)
            source.bottom = cut.top;
    }
    else if (cut.top == source.top && cut.bottom == source.bottom)
    {
        if (cut.left == source.left)
            source.left = cut.right;
        else if (cut.right == source.right)
            source.right = cut.left;
    }
    if (source.IsRectEmpty())
    {
        SetRectEmpty();
        return FALSE;
    }
    *this = source;
    return TRUE;
}
