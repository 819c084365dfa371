// Flat combo box and the flat-control themes: the theme factory, the
// Office 2003 scheme colours, frame pixels per state, the hover states under
// the mouse, the flat look's styles, the combo's auto-completion and the
// flat edit's frame rings.
#include "tests/toolkit/controls/ScopedThemes.h"
#include "NotifyRecorderWnd.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/controls/XTEdit.h"
#include "toolkit/controls/XTFlatComboBox.h"
#include "toolkit/foundation/XTAuxData.h"
#include <gtest/gtest.h>
#include <memory>
#include <typeinfo>
#include <vector>

namespace {

TEST(FlatControlsTheme, FactoryMakesTheThemeOfTheId)
{
    EXPECT_EQ("CXTFlatControlsTheme 0|CXTFlatControlsThemeOfficeXP 1|CXTFlatControlsThemeOffice2003 2|"
              "CXTFlatControlsTheme 3|CXTFlatControlsTheme -1|",
              ThemesMade<CXTFlatControlsThemeFactory>({0, 1, 2, 3, -1}));
}

TEST(FlatControlsTheme, Office2003FramesFollowTheScheme)
{
    struct Row
    {
        int nScheme;
        std::vector<COLORREF> expected; // frame, edit frame, hot frame
    } rows[] = {
        {xtpSystemThemeBlue, {RGB(127, 157, 185), RGB(127, 157, 185), RGB(0, 0, 128)}},
        {xtpSystemThemeOlive, {RGB(164, 185, 127), RGB(164, 185, 127), RGB(63, 93, 56)}},
        {xtpSystemThemeSilver, {RGB(165, 172, 178), RGB(165, 172, 178), RGB(75, 75, 111)}},
        // The Office XP values: the frame falls back to colour 16.
        {xtpSystemThemeNone, {XTPGetColor(COLOR_3DSHADOW), XTPGetColor(COLOR_3DSHADOW), XTPGetColor(32)}},
    };
    for (const Row& row : rows)
    {
        CScopedColorScheme scheme(row.nScheme);
        CXTFlatControlsThemeOffice2003 theme;
        theme.RefreshMetrics();
        EXPECT_EQ(row.expected,
                  std::vector<COLORREF>({theme.m_clrFrame, theme.m_clrEditFrame, theme.m_clrFrameHot}))
            << row.nScheme;
    }
}

// A flat combo box that records the frame states it is asked to draw.
template <class TControl>
class CStateRecorder : public TControl
{
public:
    std::vector<int> m_states;
    void DrawFrame(CDC* pDC, int nState) override
    {
        m_states.push_back(nState);
        TControl::DrawFrame(pDC, nState);
    }
};

class FlatComboTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN, CRect(20, 20, 220, 200),
                                 &host, IDC_LIST_EDIT_TEST));
        for (const char* text : {"abc", "hello", "world"})
            combo.AddString(text);
        edit = ::GetWindow(combo.m_hWnd, GW_CHILD);
        combo.GetClientRect(&rc);
        xButton = rc.right - 2 - XTAuxData()->cxHThumb / 2;
        PumpPending();
    }
    void TearDown() override { ::SetCursorPos(1000, 900); }

    void MoveCursorTo(CWnd& wnd, CPoint ptClient)
    {
        wnd.ClientToScreen(&ptClient);
        ::SetCursorPos(ptClient.x, ptClient.y);
    }
    // Types the keys into the combo's edit as the keyboard would; '\b' is
    // Backspace, down and up through the combo's pre-translation as the
    // message pump hands them on.
    void Type(const char* pszKeys)
    {
        for (; *pszKeys != 0; pszKeys++)
        {
            if (*pszKeys != '\b')
            {
                ::SendMessageA(edit, WM_CHAR, (BYTE)*pszKeys, 1);
                continue;
            }
            MSG msg = {edit, WM_KEYDOWN, VK_BACK, 1, 0, {0, 0}};
            EXPECT_TRUE(combo.PreTranslateMessage(&msg));
            PumpPending();
            msg.message = WM_KEYUP;
            EXPECT_TRUE(combo.PreTranslateMessage(&msg));
        }
    }

    // The frame of the combo drawn by a theme into a canvas of its client size.
    void Draw(CXTFlatControlsTheme& theme, int nState, PixelCanvas& canvas)
    {
        canvas.Fill(kWhite);
        theme.RefreshMetrics();
        theme.DrawComboFrame(&canvas.dc(), &combo, nState);
    }

    NotifyRecorderWnd& host = TestHost();
    CStateRecorder<CXTFlatComboBox> combo;
    CRect rc;
    int xButton = 0; // the middle of the drop-down button, inside both outer rings
    HWND edit = NULL;
};

TEST_F(FlatComboTest, TypingCompletesFromTheList)
{
    struct Row
    {
        const char* keys;
        const char* expected; // the text, then the selection
    } rows[] = {
        {"ab", "abc 2-3"},    // completes and highlights the rest
        {"ab\b", "ab 2-2"},   // Backspace does not complete again
        {"ab\bc", "abc 3-3"}, // typing after Backspace completes again
        {"xy", "xy 2-2"},     // text that begins no entry keeps its caret
    };
    combo.EnableAutoCompletion(TRUE);
    for (const Row& row : rows)
    {
        combo.SetWindowText("");
        Type(row.keys);
        CString text;
        combo.GetWindowText(text);
        DWORD dwSel = combo.GetEditSel();
        text.AppendFormat(" %d-%d", LOWORD(dwSel), HIWORD(dwSel));
        EXPECT_STREQ(row.expected, text) << row.keys;
    }
}

TEST_F(FlatComboTest, HoverDrawsHotOnceAndNormalOnceWhenTheMouseLeaves)
{
    // Mouse moves of earlier cases may have started the hover already: end it.
    MoveCursorTo(host, CPoint(400, 350));
    combo.SendMessage(WM_TIMER, XT_FLAT_TIMER);
    combo.m_states.clear();
    for (CWnd* pUnder : {(CWnd*)&combo, (CWnd*)&combo, (CWnd*)&host, (CWnd*)&host})
    {
        MoveCursorTo(*pUnder, pUnder == &host ? CPoint(400, 350) : CPoint(5, 5));
        combo.SendMessage(WM_TIMER, XT_FLAT_TIMER);
    }
    EXPECT_EQ(std::vector<int>({xtFlatHot, xtFlatNormal}), combo.m_states);

    // A window over the combo: normal under the cursor too.
    CRect rc;
    combo.GetWindowRect(&rc);
    CWnd cover;
    ASSERT_TRUE(
        cover.CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(0), "cover", WS_POPUP | WS_VISIBLE, rc, NULL, 0));
    MoveCursorTo(combo, CPoint(5, 5));
    PixelCanvas canvas(200, 30);
    combo.DrawFlat(&canvas.dc());
    cover.DestroyWindow();
    combo.DrawFlat(&canvas.dc());
    EXPECT_EQ(std::vector<int>({xtFlatHot, xtFlatNormal, xtFlatNormal, xtFlatHot}), combo.m_states);
}

TEST_F(FlatComboTest, FlatLookStripsAndRestoresExactlyTheBorderBits)
{
    // A combo box drops WS_BORDER at creation: the bits are given afterwards.
    combo.ModifyStyle(0, WS_BORDER);
    combo.ModifyStyleEx(0, WS_EX_CLIENTEDGE);
    combo.DisableFlatLook(FALSE);
    EXPECT_TRUE((combo.GetStyle() & WS_BORDER) && (combo.GetExStyle() & WS_EX_CLIENTEDGE)) << "already flat";
    combo.DisableFlatLook(TRUE);
    EXPECT_FALSE(combo.IsFlat());
    combo.DisableFlatLook(FALSE);
    EXPECT_TRUE(combo.IsFlat());
    EXPECT_EQ(0u,
              (combo.GetStyle() & WS_BORDER) | (combo.GetExStyle() & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)));

    combo.DisableFlatLook(TRUE);
    EXPECT_TRUE(combo.GetStyle() & WS_BORDER);
    EXPECT_EQ((DWORD)WS_EX_CLIENTEDGE, combo.GetExStyle() & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
}

TEST_F(FlatComboTest, ClassicStatesRaiseOrSinkTheButtonOnlyWhenEnabled)
{
    CXTFlatControlsTheme theme;
    PixelCanvas hot(rc.Width(), rc.Height()), pressed(rc.Width(), rc.Height());
    Draw(theme, xtFlatHot, hot);
    Draw(theme, xtFlatPressed, pressed);
    EXPECT_FALSE(hot.SameAs(pressed));
    // Raised: the button's top edge is highlighted, its bottom shadowed.
    EXPECT_EQ(XTPGetColor(COLOR_3DHIGHLIGHT), hot.Pixel(xButton, 2));
    EXPECT_EQ(XTPGetColor(COLOR_3DSHADOW), hot.Pixel(xButton, rc.bottom - 3));

    combo.EnableWindow(FALSE);
    Draw(theme, xtFlatHot, hot);
    Draw(theme, xtFlatPressed, pressed);
    EXPECT_TRUE(hot.SameAs(pressed));
    combo.EnableWindow(TRUE);
}

TEST_F(FlatComboTest, OfficeXPButtonTakesTheStateColour)
{
    CXTFlatControlsThemeOfficeXP theme;
    theme.m_clrButtonNormal.SetCustomValue(kRed);
    theme.m_clrButtonHot.SetCustomValue(kGreen);
    theme.m_clrButtonDropped.SetCustomValue(kBlue);
    theme.m_clrFrameHot.SetCustomValue(RGB(9, 9, 9));
    PixelCanvas canvas(rc.Width(), rc.Height());
    // The button's colour and the frame's left edge in each state; the last one dropped down.
    std::vector<COLORREF> colours;
    for (int nState : {(int)xtFlatNormal, (int)xtFlatHot, (int)xtFlatPressed, -1})
    {
        combo.ShowDropDown(nState < 0);
        Draw(theme, nState < 0 ? xtFlatNormal : nState, canvas);
        colours.push_back(canvas.Pixel(xButton, 3));
        colours.push_back(canvas.Pixel(1, rc.Height() / 2));
    }
    combo.ShowDropDown(FALSE);
    COLORREF kFrame = RGB(9, 9, 9), kNormalFrame = colours[1];
    EXPECT_EQ(std::vector<COLORREF>({kRed, kNormalFrame, kGreen, kFrame, kGreen, kFrame, kBlue, kFrame}),
              colours);
    EXPECT_NE(kFrame, kNormalFrame);
}

// The flat edit keeps a frame of two pixels outside its client area, where
// the theme's rings show: the outer one in the frame colour of the state,
// the inner one in the window colour.
TEST(FlatEdit, FrameRingsShowAroundTheClientArea)
{
    NotifyRecorderWnd& host = TestHost();
    host.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetCursorPos(1000, 900);
    CXTFlatEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(20, 20, 140, 44), &host, IDC_LIST_EDIT_TEST));
    CXTFlatControlsThemeOfficeXP* pTheme = new CXTFlatControlsThemeOfficeXP;
    edit.SetTheme(pTheme);
    pTheme->m_clrEditFrame.SetCustomValue(kRed);
    pTheme->m_clrFrameHot.SetCustomValue(RGB(9, 9, 9));
    CRect rcClient;
    edit.GetClientRect(&rcClient);
    EXPECT_EQ(CSize(120 - 4, 24 - 4), rcClient.Size());

    // The outer ring at the left, top and right, and the inner ring at the left.
    auto rings = [&]() {
        edit.RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        CWindowDC dc(&edit);
        return std::vector<COLORREF>(
            {dc.GetPixel(0, 12), dc.GetPixel(60, 0), dc.GetPixel(119, 12), dc.GetPixel(1, 12)});
    };
    const COLORREF window = XTPGetColor(COLOR_WINDOW), hot = RGB(9, 9, 9);
    host.SetFocus();
    EXPECT_EQ(std::vector<COLORREF>({kRed, kRed, kRed, window}), rings()) << "normal";
    edit.SetFocus();
    EXPECT_EQ(std::vector<COLORREF>({hot, hot, hot, window}), rings()) << "with the focus";
    host.SetFocus();
    edit.DestroyWindow();
}

} // namespace
