#include "app/LinkStatic.h"
#include "DialogDriver.h"
#include "RecordingShell.h"
#include "resources/Resource.h"
#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

TEST(LinkStaticFit, FitsTheRectangleToTheText)
{
    struct Row
    {
        const char* name;
        CRect rect;
        DWORD style;
        CRect expected;
    } rows[] = {
        {"left", CRect(10, 20, 210, 60), SS_LEFT, CRect(10, 20, 60, 33)},
        {"centre", CRect(10, 20, 210, 60), SS_CENTER, CRect(85, 20, 135, 33)},
        {"right", CRect(10, 20, 210, 60), SS_RIGHT, CRect(160, 20, 210, 33)},
        {"left, vertically centred", CRect(10, 20, 210, 60), SS_LEFT | SS_CENTERIMAGE, CRect(10, 33, 60, 47)},
        {"centre, vertically centred", CRect(10, 20, 210, 60), SS_CENTER | SS_CENTERIMAGE,
         CRect(85, 33, 135, 47)},
        {"centre, text wider than the control", CRect(10, 20, 40, 60), SS_CENTER, CRect(0, 20, 50, 33)},
        {"notify and other flags do not count", CRect(10, 20, 210, 60), SS_RIGHT | SS_NOTIFY | SS_NOPREFIX,
         CRect(160, 20, 210, 33)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.expected, CLinkStatic::FitToText(row.rect, CSize(50, 13), row.style)) << row.name;
}

namespace {

const UINT kLinkId = 2000;
const CRect kLinkRect(10, 100, 210, 140);

// Links bound to static controls of a modeless dialog.
class LinkStaticTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Create(IDD_ABOUT));
        host.ShowWindow(SW_SHOW);
    }
    void TearDown() override { host.DestroyWindow(); }

    // A static control of the style and text, in the dialog's font, bound to link.
    void Bind(CLinkStatic& link, LPCSTR text, DWORD style = SS_LEFT)
    {
        HWND hWnd = ::CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, kLinkRect.left,
                                      kLinkRect.top, kLinkRect.Width(), kLinkRect.Height(), host.m_hWnd,
                                      (HMENU)(UINT_PTR)kLinkId, NULL, NULL);
        ASSERT_TRUE(hWnd != NULL);
        ::SendMessageA(hWnd, WM_SETFONT, host.SendMessage(WM_GETFONT), FALSE);
        ASSERT_TRUE(link.SubclassWindow(hWnd));
    }
    // The text colour the dialog's colour message sets for the link.
    COLORREF TextColour(CLinkStatic& link)
    {
        HDC hDC = ::CreateCompatibleDC(NULL);
        ::SetTextColor(hDC, RGB(7, 7, 7));
        HBRUSH hBrush = (HBRUSH)host.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hDC, (LPARAM)link.m_hWnd);
        EXPECT_EQ((HBRUSH)::GetStockObject(HOLLOW_BRUSH), hBrush);
        EXPECT_EQ(TRANSPARENT, ::GetBkMode(hDC));
        COLORREF colour = ::GetTextColor(hDC);
        ::DeleteDC(hDC);
        return colour;
    }
    void MouseMove(CLinkStatic& link, int x, int y) { link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
    void Click(CLinkStatic& link)
    {
        host.SendMessage(WM_COMMAND, MAKEWPARAM(kLinkId, STN_CLICKED), (LPARAM)link.m_hWnd);
    }

    CDialog host{IDD_ABOUT};
};

const COLORREF kLink = RGB(1, 2, 3), kVisited = RGB(4, 5, 6), kHover = RGB(7, 8, 9);

} // namespace

TEST_F(LinkStaticTest, BindingAddsNotifyStyle)
{
    CLinkStatic link;
    Bind(link, "Home");
    EXPECT_TRUE(link.GetStyle() & SS_NOTIFY);
}

TEST_F(LinkStaticTest, TextAndTargetFillEachOther)
{
    struct Row
    {
        const char* name;
        const char* text;
        const char* url; // set before binding
        const char* expectedText;
        const char* expectedUrl;
    } rows[] = {
        {"empty text takes the target", "", "http://t/", "http://t/", "http://t/"},
        {"empty target takes the text", "Home", "", "Home", "Home"},
        {"both given stay", "Home", "http://t/", "Home", "http://t/"},
        {"both empty stay empty", "", "", "", ""},
    };
    for (const Row& row : rows)
    {
        CLinkStatic link;
        link.SetURL(row.url);
        Bind(link, row.text);
        CString text;
        link.GetWindowText(text);
        EXPECT_STREQ(row.expectedText, text) << row.name;
        EXPECT_STREQ(row.expectedUrl, link.GetURL()) << row.name;
        link.DestroyWindow();
    }
}

TEST_F(LinkStaticTest, WindowFitsTheTextByAlignment)
{
    struct Row
    {
        const char* name;
        DWORD style;
    } rows[] = {{"left", SS_LEFT}, {"centre", SS_CENTER}, {"right", SS_RIGHT}};
    std::vector<CRect> fitted;
    for (const Row& row : rows)
    {
        CLinkStatic link;
        Bind(link, "Tidewatch forum", row.style);
        fitted.push_back(RectInParent(&link));
        link.DestroyWindow();
    }
    const CRect &left = fitted[0], &centre = fitted[1], &right = fitted[2];
    EXPECT_EQ(kLinkRect.left, left.left);
    EXPECT_NEAR(kLinkRect.CenterPoint().x, centre.CenterPoint().x, 1);
    EXPECT_EQ(kLinkRect.right, right.right);
    for (const CRect& rect : fitted)
    {
        EXPECT_EQ(kLinkRect.top, rect.top);
        EXPECT_GT(rect.Height(), 0);
        EXPECT_LT(rect.Height(), kLinkRect.Height());
        EXPECT_GT(rect.Width(), 0);
        EXPECT_LT(rect.Width(), kLinkRect.Width());
        EXPECT_NEAR(left.Width(), rect.Width(), 1); // the same text in each
    }
}

TEST_F(LinkStaticTest, WithoutAutoSizeTheWindowKeepsItsRectangle)
{
    CLinkStatic link;
    link.SetAutoSize(FALSE);
    Bind(link, "Tidewatch forum", SS_CENTER);
    EXPECT_EQ(kLinkRect, RectInParent(&link));
}

TEST_F(LinkStaticTest, TextIsUnderlinedUntilTurnedOff)
{
    CLinkStatic link;
    Bind(link, "Home");
    LOGFONT logFont;
    ASSERT_TRUE(link.GetFont() != NULL && link.GetFont()->GetLogFont(&logFont));
    EXPECT_TRUE(logFont.lfUnderline);
    link.SetUnderline(FALSE);
    ASSERT_TRUE(link.GetFont()->GetLogFont(&logFont));
    EXPECT_FALSE(logFont.lfUnderline);
}

TEST_F(LinkStaticTest, HoverColourWhileTheMouseIsOver)
{
    CLinkStatic link;
    link.SetColours(kLink, kVisited, kHover);
    Bind(link, "Home");
    EXPECT_EQ(kLink, TextColour(link));

    MouseMove(link, 2, 2);
    EXPECT_EQ(kHover, TextColour(link));
    EXPECT_EQ(link.m_hWnd, ::GetCapture());
    MouseMove(link, 3, 3); // still over it
    EXPECT_EQ(kHover, TextColour(link));

    MouseMove(link, -4, 300);
    EXPECT_EQ(kLink, TextColour(link));
    EXPECT_NE(link.m_hWnd, ::GetCapture());

    link.SetVisited(TRUE);
    MouseMove(link, 2, 2);
    EXPECT_EQ(kHover, TextColour(link));
    MouseMove(link, -4, 300);
    EXPECT_EQ(kVisited, TextColour(link));
}

TEST_F(LinkStaticTest, UnsetHoverColourIsTheHighlight)
{
    CLinkStatic link;
    link.SetColours(kLink, kVisited, (COLORREF)-1);
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), link.GetHoverColour());
}

TEST_F(LinkStaticTest, ClickOpensTheTargetAndTheLinkStaysVisited)
{
    CRecordingShell shell;
    CLinkStatic link;
    link.SetColours(kLink, kVisited, kHover);
    link.SetURL("http://t/");
    Bind(link, "Home");
    Click(link);
    EXPECT_EQ(std::vector<std::string>{"http://t/"}, shell.opened);
    EXPECT_TRUE(link.GetVisited());
    EXPECT_EQ(kVisited, TextColour(link));
}

TEST_F(LinkStaticTest, FailedOpenIsReportedAndTheLinkNotVisited)
{
    CRecordingShell shell;
    shell.shellResult = SE_ERR_FNF;
    CLinkStatic link;
    link.SetURL("http://t/");
    Bind(link, "Home");
    CDialogDriver driver;
    Click(link);
    // The host dialog is seen too when it becomes active again.
    std::vector<std::string> messages;
    for (const DrivenWindow& window : driver.seen)
    {
        if (window.caption != "About Tidewatch")
            messages.push_back(window.text);
    }
    EXPECT_EQ(std::vector<std::string>{"Unable to open hyperlink:\n\nThe specified file was not found."},
              messages);
    EXPECT_FALSE(link.GetVisited());
}

TEST_F(LinkStaticTest, OwnCursorIsShownOverTheLink)
{
    HCURSOR hCross = ::LoadCursorA(NULL, (LPCSTR)IDC_CROSS);
    CLinkStatic link;
    link.SetLinkCursor(hCross);
    Bind(link, "Home");
    EXPECT_TRUE(link.SendMessage(WM_SETCURSOR, (WPARAM)link.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(hCross, ::GetCursor());
}
