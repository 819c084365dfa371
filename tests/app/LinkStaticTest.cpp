#include "app/HyperlinkShell.h"
#include "app/LinkStatic.h"
#include "tests/support/DialogDriver.h"
#include "resources/Resource.h"
#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// Opens nothing: answers from its fields and records the targets and the
// command lines it was given. The process's shell while it lives.
class CRecordingShell : public CHyperlinkShell
{
public:
    CRecordingShell() : m_pPrevious(CHyperlinkShell::Replace(this)) {}
    ~CRecordingShell() override { CHyperlinkShell::Replace(m_pPrevious); }

    int ShellOpen(LPCTSTR lpszTarget, int) override
    {
        opened.push_back(lpszTarget);
        return shellResult;
    }
    BOOL ReadClassesRootDefault(LPCTSTR lpszKey, CString& value) override
    {
        auto found = classes.find(lpszKey);
        value = found != classes.end() ? found->second.c_str() : "";
        return found != classes.end();
    }
    UINT Run(LPCTSTR lpszCommandLine, int) override
    {
        runs.push_back(lpszCommandLine);
        return runResult;
    }

    int shellResult = 42;
    UINT runResult = 33;
    std::map<std::string, std::string> classes; // key below HKEY_CLASSES_ROOT -> default value
    std::vector<std::string> opened, runs;

private:
    CHyperlinkShell* m_pPrevious;
};

TEST(BrowserCommandLine, CutsAtThePlaceholderAndQuotesTheTarget)
{
    struct Row
    {
        const char *name, *registered, *target, *expected;
    } rows[] = {
        {"quoted placeholder", "\"C:\\Web\\b.exe\" -new \"%1\" -nohome", "http://a/",
         "\"C:\\Web\\b.exe\" -new \"http://a/\""},
        {"bare placeholder", "C:\\b.exe -url %1", "http://a/", "C:\\b.exe -url \"http://a/\""},
        {"quoted one wins over an earlier bare one", "b.exe -a %1x \"%1\"", "t", "b.exe -a %1x \"t\""},
        {"no placeholder: nothing cut", "C:\\b.exe -nohome", "http://a/", "C:\\b.exe -nohome \"http://a/\""},
        {"quotes stay inside the argument", "b.exe \"%1\"", "http://a/\" -evil",
         "b.exe \"http://a/%22 -evil\""},
        {"control characters dropped", "b.exe %1", "http://a/\r\nb", "b.exe \"http://a/b\""},
        {"placeholder alone: no program", "\"%1\"", "http://a/", ""},
        {"bare placeholder first: no program", "%1 -x", "calc.exe", ""},
        {"empty registered line", "", "http://a/", ""},
        {"empty target", "\"C:\\b.exe\" \"%1\"", "", ""},
    };
    for (const Row& row : rows)
        EXPECT_STREQ(row.expected, BrowserCommandLine(row.registered, row.target)) << row.name;
}

TEST(HyperlinkErrorText, KnownCodesAndUnknownOnes)
{
    std::vector<std::string> texts;
    for (int code : {0, 26, 32, 33, -5})
        texts.push_back((LPCTSTR)HyperlinkErrorText(code));
    EXPECT_EQ(std::vector<std::string>({"The operating system is out\nof memory or resources.",
                                        "A sharing violation occurred. ",
                                        "The specified dynamic-link library was not found.",
                                        "Unknown Error (33) occurred.", "Unknown Error (-5) occurred."}),
              texts);
}

TEST(OpenHyperlink, TriesTheShellThenTheRegisteredBrowser)
{
    struct Row
    {
        const char* name;
        int shellResult;
        const char* command; // the browser's, NULL: none registered
        UINT runResult;
        const char* target;
        int expected;
        const char* expectedRun; // NULL: nothing run
    } rows[] = {
        {"the shell opens it", 42, "b.exe \"%1\"", 33, "http://a/", 42, NULL},
        {"the browser starts", SE_ERR_NOASSOC, "b.exe \"%1\"", 33, "http://a/", 33, "b.exe \"http://a/\""},
        {"the browser fails", SE_ERR_NOASSOC, "b.exe \"%1\"", 2, "http://a/", 2, "b.exe \"http://a/\""},
        {"no browser registered", SE_ERR_NOASSOC, NULL, 33, "http://a/", SE_ERR_NOASSOC, NULL},
        {"an empty target is not run", 2, "b.exe \"%1\"", 33, "", 2, NULL},
    };
    for (const Row& row : rows)
    {
        CRecordingShell shell;
        shell.shellResult = row.shellResult;
        shell.runResult = row.runResult;
        shell.classes[".htm"] = "htmlfile";
        if (row.command != NULL)
            shell.classes["htmlfile\\shell\\open\\command"] = row.command;
        EXPECT_EQ(row.expected, OpenHyperlink(row.target, SW_SHOW)) << row.name;
        EXPECT_EQ(std::vector<std::string>{row.target}, shell.opened) << row.name;
        EXPECT_EQ(row.expectedRun ? std::vector<std::string>{row.expectedRun} : std::vector<std::string>(),
                  shell.runs)
            << row.name;
    }
}

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
        {"right", CRect(10, 20, 210, 60), SS_RIGHT | SS_NOTIFY, CRect(160, 20, 210, 33)},
        {"left, vertically centred", CRect(10, 20, 210, 60), SS_LEFT | SS_CENTERIMAGE, CRect(10, 33, 60, 47)},
        {"centre, text wider than the control", CRect(10, 20, 40, 60), SS_CENTER, CRect(0, 20, 50, 33)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.expected, CLinkStatic::FitToText(row.rect, CSize(50, 13), row.style)) << row.name;
}

const UINT kLinkId = 2000;
const CRect kLinkRect(10, 100, 210, 140);
const COLORREF kLink = RGB(1, 2, 3), kVisited = RGB(4, 5, 6), kHover = RGB(7, 8, 9);

// Links bound to static controls of a modeless dialog.
class LinkStaticTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(host.Create(IDD_ABOUT)); }
    void TearDown() override { host.DestroyWindow(); }

    // A static control of the style and text, in the dialog's font, bound to link.
    void Bind(CLinkStatic& link, LPCSTR text, DWORD style = SS_LEFT)
    {
        HWND hWnd = ::CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, kLinkRect.left,
                                      kLinkRect.top, kLinkRect.Width(), kLinkRect.Height(), host.m_hWnd,
                                      (HMENU)(UINT_PTR)kLinkId, NULL, NULL);
        ::SendMessageA(hWnd, WM_SETFONT, host.SendMessage(WM_GETFONT), FALSE);
        ASSERT_TRUE(link.SubclassWindow(hWnd));
    }
    // The text colour the dialog's colour message sets for the link.
    COLORREF TextColour(CLinkStatic& link)
    {
        HDC hDC = ::CreateCompatibleDC(NULL);
        HBRUSH hBrush = (HBRUSH)host.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hDC, (LPARAM)link.m_hWnd);
        EXPECT_EQ((HBRUSH)::GetStockObject(HOLLOW_BRUSH), hBrush);
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

TEST_F(LinkStaticTest, BindingAddsNotifyAndFillsTextAndTargetFromEachOther)
{
    struct Row
    {
        const char *name, *text, *url, *expected; // text, then target
    } rows[] = {
        {"empty text takes the target", "", "http://t/", "http://t/ -> http://t/"},
        {"empty target takes the text", "Home", "", "Home -> Home"},
        {"both given stay", "Home", "http://t/", "Home -> http://t/"},
        {"both empty stay empty", "", "", " -> "},
    };
    for (const Row& row : rows)
    {
        CLinkStatic link;
        link.SetURL(row.url);
        Bind(link, row.text);
        CString text;
        link.GetWindowText(text);
        EXPECT_EQ(row.expected, std::string((LPCTSTR)(text + " -> " + link.GetURL()))) << row.name;
        EXPECT_TRUE(link.GetStyle() & SS_NOTIFY) << row.name;
        link.DestroyWindow();
    }
}

// Fitted to its text (the alignment's geometry is FitToText's, above) unless
// told otherwise.
TEST_F(LinkStaticTest, WindowFitsTheTextUnlessAutoSizeIsOff)
{
    CLinkStatic fixed, fitted;
    fixed.SetAutoSize(FALSE);
    Bind(fixed, "Tidewatch forum", SS_CENTER);
    EXPECT_EQ(kLinkRect, RectInParent(&fixed));
    fixed.DestroyWindow();
    Bind(fitted, "Tidewatch forum", SS_CENTER);
    const CRect rect = RectInParent(&fitted);
    EXPECT_EQ(kLinkRect.top, rect.top);
    EXPECT_NEAR(kLinkRect.CenterPoint().x, rect.CenterPoint().x, 1);
    EXPECT_TRUE(rect.Height() > 0 && rect.Height() < kLinkRect.Height());
    EXPECT_TRUE(rect.Width() > 0 && rect.Width() < kLinkRect.Width());
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
    MouseMove(link, -4, 300);
    EXPECT_EQ(kLink, TextColour(link));
    EXPECT_NE(link.m_hWnd, ::GetCapture());
}

// A click opens the target; an opened link stays visited, a failed one is
// reported and stays unvisited.
TEST_F(LinkStaticTest, ClickOpensTheTargetAndTheLinkIsVisitedOnlyWhenItOpened)
{
    for (int shellResult : {42, SE_ERR_FNF})
    {
        CRecordingShell shell;
        shell.shellResult = shellResult;
        CLinkStatic link;
        link.SetColours(kLink, kVisited, kHover);
        link.SetURL("http://t/");
        Bind(link, "Home");
        CDialogDriver driver;
        Click(link);
        EXPECT_EQ(std::vector<std::string>{"http://t/"}, shell.opened);
        const bool opened = shellResult == 42;
        EXPECT_EQ(opened ? 0u : 1u, driver.seen.size());
        EXPECT_EQ(opened ? "" : "Unable to open hyperlink:\n\nThe specified file was not found.",
                  driver.seen.empty() ? "" : driver.seen[0].text);
        MouseMove(link, 2, 2);
        MouseMove(link, -4, 300);
        EXPECT_EQ(opened ? kVisited : kLink, TextColour(link));
        link.DestroyWindow();
    }
}

} // namespace
