#include "TaskPanelTestSupport.h"

#include <fstream>
#include <sstream>

std::string Text(const CRect& rc)
{
    std::ostringstream os;
    os << rc.left << " " << rc.top << " " << rc.right << " " << rc.bottom;
    return os.str();
}

std::string CPanelOwner::Codes() const
{
    std::string text;
    for (const Note& note : notes)
        text += (text.empty() ? "" : " ") + std::to_string(note.nCode);
    return text;
}

int CPanelOwner::Count(UINT nCode) const
{
    int nCount = 0;
    for (const Note& note : notes)
        nCount += note.nCode == nCode ? 1 : 0;
    return nCount;
}

void CPanelOwner::Reset()
{
    notes.clear();
    answers.clear();
    onNotify = nullptr;
}

LRESULT CPanelOwner::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_TASKPANEL_NOTIFY)
        return CTestWindow::WindowProc(message, wParam, lParam);
    Note note = {(UINT)wParam, lParam, "", FALSE};
    if (wParam == TPN_GROUPEXPANDING)
    {
        const TPNGROUPEXPANDING* pExpanding = (const TPNGROUPEXPANDING*)lParam;
        note.strCaption = pExpanding->pGroup->GetCaption();
        note.bExpanding = pExpanding->bExpanding;
    }
    else if (lParam != 0)
        note.strCaption = ((CXTPTaskPanelItem*)lParam)->GetCaption();
    notes.push_back(note);
    if (onNotify)
        onNotify((UINT)wParam, lParam);
    auto it = answers.find((UINT)wParam);
    return it == answers.end() ? 0 : it->second;
}

CPanelOwner& PanelOwner()
{
    static CPanelOwner* pOwner = new CPanelOwner;
    pOwner->Reset();
    pOwner->SetForegroundWindow();
    pOwner->SetActiveWindow();
    return *pOwner;
}

CFixedPainter::CFixedPainter()
{
    CFixedPainter::RefreshMetrics();
}

void CFixedPainter::RefreshMetrics()
{
    CXTPTaskPanelPainter::RefreshMetrics();
    m_nCaptionHeight = kCaption;
    m_rcControlMargins.SetRect(10, 10, 10, 10);
    m_nGroupSpacing = 6;
    m_rcGroupOuterMargins.SetRect(1, 2, 3, 4);
    m_rcGroupInnerMargins.SetRect(5, 6, 7, 8);
    m_rcItemOuterMargins.SetRect(0, 0, 0, 0);
}

CRect CFixedPainter::DrawGroupItem(CDC* pDC, CXTPTaskPanelItem* pItem, CRect rc, BOOL bDraw)
{
    if (bDraw)
        return CXTPTaskPanelPainter::DrawGroupItem(pDC, pItem, rc, bDraw);
    return CRect(rc.left, rc.top, rc.right, rc.top + kItem);
}

void TaskPanelTest::SetUp()
{
    panel = new CXTPTaskPanel;
    painter = new CFixedPainter;
    panel->SetCustomTheme(painter);
    panel->SetAnimation(1);
    ASSERT_TRUE(panel->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 300), &owner, 77));
}

void TaskPanelTest::TearDown()
{
    panel->DestroyWindow();
    delete panel;
    owner.Reset();
}

CXTPTaskPanelGroup* TaskPanelTest::AddGroup(UINT nID, int nLinks)
{
    CXTPTaskPanelGroup* pGroup = panel->AddGroup(nID);
    pGroup->SetCaption(("Group " + std::to_string(nID)).c_str());
    for (int i = 1; i <= nLinks; i++)
    {
        CXTPTaskPanelGroupItem* pItem = pGroup->AddLinkItem(nID * 100 + i);
        pItem->SetCaption(("Link " + std::to_string(nID) + "." + std::to_string(i)).c_str());
    }
    return pGroup;
}

std::string TaskPanelTest::Targets() const
{
    std::string text;
    for (int i = 0; i < panel->GetGroupCount(); i++)
        text += (i ? "; " : "") + Text(panel->GetAt(i)->GetTargetRect());
    return text;
}

void TaskPanelTest::Tick(int nTicks)
{
    for (int i = 0; i < nTicks; i++)
        panel->SendMessage(WM_TIMER, xtpTaskPanelTimerAnimation, 0);
}

void TaskPanelTest::Mouse(UINT message, CPoint pt, UINT nFlags)
{
    panel->SendMessage(message, nFlags, MAKELPARAM(pt.x, pt.y));
}

void TaskPanelTest::Key(UINT nChar)
{
    panel->SendMessage(WM_KEYDOWN, nChar, 0);
}

CPoint TaskPanelTest::CenterOf(CXTPTaskPanelItem* pItem) const
{
    CRect rc = pItem->IsGroup() ? ((CXTPTaskPanelGroup*)pItem)->GetCaptionRect() : pItem->GetHitTestRect();
    if (pItem->IsGroup())
        rc.OffsetRect(0, -panel->GetScrollOffset());
    return rc.CenterPoint();
}

void OneOpenGroupTest::SetUp()
{
    TaskPanelTest::SetUp();
    panel->SetBehaviour(xtpTaskPanelBehaviourList);
    a = AddGroup(1, 20);
    b = AddGroup(2, 3);
    c = AddGroup(3, 2);
    owner.Reset();
}

void PrintPanel(CXTPTaskPanel* pPanel, PixelCanvas& canvas)
{
    pPanel->SendMessage(WM_PRINT, (WPARAM)canvas.dc().GetSafeHdc(), PRF_CLIENT);
}

void SaveShotIfAsked(CWnd* pWnd, const std::string& strName)
{
    if (getenv("TW_TASKPANEL_SHOTS") == NULL)
        return;
    pWnd->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    CRect rc;
    pWnd->GetWindowRect(&rc);
    PixelCanvas canvas(rc.Width(), rc.Height());
    // The window's own DC reads what it painted, whenever the display shows it.
    HDC hWindow = ::GetWindowDC(pWnd->GetSafeHwnd());
    ::BitBlt(canvas.dc().GetSafeHdc(), 0, 0, rc.Width(), rc.Height(), hWindow, 0, 0, SRCCOPY);
    ::ReleaseDC(pWnd->GetSafeHwnd(), hWindow);
    SaveCanvasIfAsked(canvas, strName);
}

void SaveCanvasIfAsked(PixelCanvas& canvas, const std::string& strName)
{
    const char* pszFolder = getenv("TW_TASKPANEL_SHOTS");
    if (pszFolder == NULL)
        return;
    const CRect rc(0, 0, canvas.width(), canvas.height());
    // A 24-bit bottom-up BMP.
    const int nStride = (rc.Width() * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + nStride * rc.Height();
    info.biSize = sizeof(info);
    info.biWidth = rc.Width();
    info.biHeight = rc.Height();
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::ofstream out(std::string(pszFolder) + "\\" + strName + ".bmp", std::ios::binary);
    out.write((const char*)&file, sizeof(file));
    out.write((const char*)&info, sizeof(info));
    std::vector<char> row(nStride, 0);
    for (int y = rc.Height() - 1; y >= 0; y--)
    {
        for (int x = 0; x < rc.Width(); x++)
        {
            const COLORREF clr = canvas.Pixel(x, y);
            row[x * 3] = (char)GetBValue(clr);
            row[x * 3 + 1] = (char)GetGValue(clr);
            row[x * 3 + 2] = (char)GetRValue(clr);
        }
        out.write(row.data(), nStride);
    }
}

void FillThreeGroupsAndTenItems(CXTPTaskPanel& panel, CImageList& images)
{
    images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 1);
    HICON hIcon = ::LoadIcon(NULL, IDI_INFORMATION);
    for (int i = 0; i < 4; i++)
        images.Add(hIcon);
    panel.SetImageList(&images);
    const char* captions[3][4] = {{"Check all keywords", "Add a keyword", "Import keywords", "Export keywords"},
                                  {"Mark all as read", "Open the news page", "Show the preview", NULL},
                                  {"Nothing is selected.", "Last check: never", "Next check in 30 minutes", NULL}};
    for (int g = 0; g < 3; g++)
    {
        CXTPTaskPanelGroup* pGroup = panel.AddGroup(g + 1);
        pGroup->SetCaption(g == 0 ? "Keyword tasks" : g == 1 ? "News tasks" : "Details");
        pGroup->SetSpecial(g == 0);
        for (int i = 0; i < 4 && captions[g][i] != NULL; i++)
        {
            CXTPTaskPanelGroupItem* pItem =
                g == 2 ? pGroup->AddTextItem(captions[g][i]) : pGroup->AddLinkItem(100 * (g + 1) + i, i);
            pItem->SetCaption(captions[g][i]);
        }
    }
}

HICON SolidIcon(COLORREF clr)
{
    PixelCanvas colour(16, 16, clr);
    CBitmap bmpColor, bmpMask;
    colour.CopyInto(bmpColor);
    bmpMask.CreateBitmap(16, 16, 1, 1, NULL);
    {
        CDC dc;
        dc.CreateCompatibleDC(NULL);
        CBitmap* pOld = dc.SelectObject(&bmpMask);
        dc.PatBlt(0, 0, 16, 16, BLACKNESS); // black mask: opaque everywhere
        dc.SelectObject(pOld);
    }
    ICONINFO info = {TRUE, 0, 0, (HBITMAP)bmpMask.GetSafeHandle(), (HBITMAP)bmpColor.GetSafeHandle()};
    return ::CreateIconIndirect(&info);
}
