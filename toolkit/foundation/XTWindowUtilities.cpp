#include "toolkit/foundation/XTWindowUtilities.h"

namespace {

// Average character width, and character height with external leading, of
// the font (the system font when NULL) on the window's DC.
CSize AverageCharSize(HWND hWnd, HFONT hFont)
{
    HDC hDC = ::GetDC(hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont != NULL ? hFont : ::GetStockObject(SYSTEM_FONT));
    TEXTMETRICA tm;
    ZeroMemory(&tm, sizeof(tm));
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hWnd, hDC);
    return CSize(tm.tmAveCharWidth, tm.tmHeight + tm.tmExternalLeading);
}

CRect Scaled(const CRect& rc, CSize sizeNew, CSize sizeOld)
{
    return CRect(rc.left * sizeNew.cx / sizeOld.cx, rc.top * sizeNew.cy / sizeOld.cy,
                 rc.right * sizeNew.cx / sizeOld.cx, rc.bottom * sizeNew.cy / sizeOld.cy);
}

BOOL IsComboBox(HWND hWnd)
{
    char szClass[16] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    return lstrcmpiA(szClass, "ComboBox") == 0;
}

// The child's rectangle in its parent's client coordinates; a combo box is
// measured with its drop-down list.
CRect ChildRect(HWND hParent, HWND hChild)
{
    CRect rc;
    if (!IsComboBox(hChild) || !::SendMessageA(hChild, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&rc))
        ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(NULL, hParent, reinterpret_cast<LPPOINT>(&rc), 2);
    return rc;
}

} // namespace

void XTChangeWindowFont(CWnd* pWnd, CFont* pFont)
{
    HWND hWnd = pWnd->GetSafeHwnd();
    if (hWnd == NULL || pFont == NULL)
        return;
    HFONT hOldFont = reinterpret_cast<HFONT>(::SendMessageA(hWnd, WM_GETFONT, 0, 0));
    CSize sizeOld = AverageCharSize(hWnd, hOldFont);
    CSize sizeNew = AverageCharSize(hWnd, static_cast<HFONT>(pFont->GetSafeHandle()));
    BOOL bScale = sizeOld.cx > 0 && sizeOld.cy > 0;

    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        ::SendMessageA(hChild, WM_SETFONT, (WPARAM)pFont->GetSafeHandle(), FALSE);
        if (bScale)
        {
            CRect rc = Scaled(ChildRect(hWnd, hChild), sizeNew, sizeOld);
            ::MoveWindow(hChild, rc.left, rc.top, rc.Width(), rc.Height(), FALSE);
        }
    }
    pWnd->SetFont(pFont, FALSE);

    if (bScale)
    {
        CRect rcWindow;
        ::GetWindowRect(hWnd, &rcWindow);
        CPoint ptCentre = rcWindow.CenterPoint();
        CSize size(rcWindow.Width() * sizeNew.cx / sizeOld.cx, rcWindow.Height() * sizeNew.cy / sizeOld.cy);
        CRect rcNew(CPoint(ptCentre.x - size.cx / 2, ptCentre.y - size.cy / 2), size);
        HWND hParent = (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) ? ::GetParent(hWnd) : NULL;
        ::MapWindowPoints(NULL, hParent, reinterpret_cast<LPPOINT>(&rcNew), 2);
        ::MoveWindow(hWnd, rcNew.left, rcNew.top, rcNew.Width(), rcNew.Height(), FALSE);
    }
    ::InvalidateRect(hWnd, NULL, TRUE);
}

CWnd* XTCreateView(CWnd* pParentWnd, CRuntimeClass* pViewClass, CDocument* pDocument,
                   CCreateContext* pContext, DWORD dwStyle, CWnd* pOwnerWnd, UINT nID)
{
    if (pViewClass == NULL || !pViewClass->IsDerivedFrom(RUNTIME_CLASS(CWnd)))
        return NULL;
    CCreateContext context;
    if (pContext == NULL)
    {
        context.m_pNewViewClass = pViewClass;
        context.m_pCurrentDoc = pDocument;
        pContext = &context;
    }
    CWnd* pView = static_cast<CWnd*>(pViewClass->CreateObject());
    if (pView == NULL)
        return NULL;

    // A window class that cannot be had fails before the window exists, so
    // no window message would ever free the object: it is freed here.
    CREATESTRUCT cs = {};
    cs.style = dwStyle | WS_CHILD;
    cs.hwndParent = pParentWnd->GetSafeHwnd();
    cs.hMenu = (HMENU)(UINT_PTR)nID;
    cs.hInstance = AfxGetInstanceHandle();
    WNDCLASSA wc;
    if (!pView->PreCreateWindow(cs) || cs.lpszClass == NULL
        || (!::GetClassInfoA(cs.hInstance, cs.lpszClass, &wc) && !::GetClassInfoA(NULL, cs.lpszClass, &wc)))
    {
        delete pView;
        return NULL;
    }

    if (!pView->Create(NULL, NULL, dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID, pContext))
        return NULL;
    if (pOwnerWnd != NULL)
        pView->SetOwner(pOwnerWnd);
    return pView;
}
