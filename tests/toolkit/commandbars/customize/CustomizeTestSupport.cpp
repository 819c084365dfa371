#include "CustomizeTestSupport.h"

BEGIN_MESSAGE_MAP(CCustomizeFrame, CCommandBarsFrame)
ON_COMMAND(XTP_ID_CUSTOMIZE, OnCustomize)
ON_MESSAGE(WM_XTP_DRAGCONTROLCHANGED, OnDragControlChanged)
END_MESSAGE_MAP()

void CustomizeTest::Prepare()
{
    frame->BuildBars();
    PumpPending();
}

void CustomizeTest::TearDown()
{
    if (Bars()->IsCustomizeMode())
        Bars()->SetCustomizeMode(FALSE);
    XTPMouseManager()->SendTrackLost();
    FrameTest::TearDown();
}

std::vector<int> CustomizeTest::IdsOf(CXTPCommandBar* pBar)
{
    std::vector<int> ids;
    for (int i = 0; i < pBar->GetControlCount(); i++)
    {
        if (!pBar->GetControl(i)->IsTemporary())
            ids.push_back(pBar->GetControl(i)->GetID());
    }
    return ids;
}

CPoint CustomizeTest::ScreenPointOf(CXTPControl* pControl, int dx, int dy)
{
    CPoint pt = pControl->GetRect().CenterPoint() + CPoint(dx, dy);
    pControl->GetParent()->ClientToScreen(&pt);
    return pt;
}

void CustomizeTest::PostMouse(UINT nMessage, CPoint ptScreen, WPARAM wKeys, CWnd* pCapture)
{
    CWnd* pWnd = pCapture != NULL ? pCapture : frame;
    CPoint pt = ptScreen;
    pWnd->ScreenToClient(&pt);
    pWnd->PostMessage(nMessage, wKeys, MAKELPARAM(pt.x, pt.y));
}

void CustomizeTest::PostDragTo(CPoint ptScreen, WPARAM wKeys, CWnd* pCapture)
{
    PostMouse(WM_MOUSEMOVE, ptScreen, wKeys, pCapture);
    PostMouse(WM_LBUTTONUP, ptScreen, wKeys & ~MK_LBUTTON, pCapture);
}

bool PutPlainBitmapOnClipboard(HWND hOwner, CPoint ptRed)
{
    HDC hScreen = ::GetDC(NULL);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 16, 16);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    RECT rc = {0, 0, 16, 16};
    ::FillRect(hDC, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    ::SetPixel(hDC, ptRed.x, ptRed.y, RGB(255, 0, 0));
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::ReleaseDC(NULL, hScreen);
    if (!::OpenClipboard(hOwner))
    {
        ::DeleteObject(hBitmap);
        return false;
    }
    ::EmptyClipboard();
    ::SetClipboardData(CF_BITMAP, hBitmap);
    ::CloseClipboard();
    return true;
}
