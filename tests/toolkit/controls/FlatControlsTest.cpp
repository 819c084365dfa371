// Flat combo box and the flat-control themes: the theme factory, the
// Office 2003 scheme colours, frame pixels per state, the hover states under
// the mouse, the flat look's styles and the combo's auto-completion.
#include "tests/toolkit/controls/ScopedThemes.h"
#include "NotifyRecorderWnd.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/controls/XTFlatComboBox.h"
#include "toolkit/foundation/XTAuxData.h"
#include <gtest/gtest.h>
#include <memory>
#include <typeinfo>
#include <vector>

namespace {

struct FlatFactoryCase
{
    const char* name;
    int nTheme;
    const std::type_info& type;
};

class FlatThemeFactoryTest : public ::testing::TestWithParam<FlatFactoryCase>
{};

TEST_P(FlatThemeFactoryTest, MakesTheThemeOfTheId)
{
    const FlatFactoryCase& c = GetParam();
    CXTFlatControlsThemeFactory factory;
    std::unique_ptr<CXTThemeManagerStyle> pTheme(factory.CreateTheme(c.nTheme));
    ASSERT_NE(pTheme.get(), nullptr);
    EXPECT_EQ(typeid(*pTheme), c.type);
    EXPECT_EQ(pTheme->GetThemeId(), c.nTheme);
}

const FlatFactoryCase kFlatFactoryCases[] = {
    {"ClassicForZero", 0, typeid(CXTFlatControlsTheme)},
    {"OfficeXP", 1, typeid(CXTFlatControlsThemeOfficeXP)},
    {"Office2003", 2, typeid(CXTFlatControlsThemeOffice2003)},
    {"ClassicForThree", 3, typeid(CXTFlatControlsTheme)},
    {"ClassicForAnyOther", -1, typeid(CXTFlatControlsTheme)},
};

INSTANTIATE_TEST_SUITE_P(Ids, FlatThemeFactoryTest, ::testing::ValuesIn(kFlatFactoryCases),
                         [](const ::testing::TestParamInfo<FlatFactoryCase>& info) {
                             return info.param.name;
                         });

struct SchemeCase
{
    const char* name;
    int nScheme;
    COLORREF crFrame;
    COLORREF crFrameHot;
};

class FlatOffice2003SchemeTest : public ::testing::TestWithParam<SchemeCase>
{};

TEST_P(FlatOffice2003SchemeTest, FrameColoursFollowTheScheme)
{
    const SchemeCase& c = GetParam();
    CScopedColorScheme scheme(c.nScheme);
    CXTFlatControlsThemeOffice2003 theme;
    theme.RefreshMetrics();
    COLORREF crFrame = c.crFrame == CLR_NONE ? XTPGetColor(COLOR_3DSHADOW) : c.crFrame;
    COLORREF crFrameHot = c.crFrameHot == CLR_NONE ? XTPGetColor(32) : c.crFrameHot;
    EXPECT_EQ((COLORREF)theme.m_clrFrame, crFrame);
    EXPECT_EQ((COLORREF)theme.m_clrEditFrame, crFrame);
    EXPECT_EQ((COLORREF)theme.m_clrFrameHot, crFrameHot);
}

// CLR_NONE: the Office XP value (the frame falls back to colour 16).
const SchemeCase kSchemeCases[] = {
    {"Blue", xtpSystemThemeBlue, RGB(127, 157, 185), RGB(0, 0, 128)},
    {"Olive", xtpSystemThemeOlive, RGB(164, 185, 127), RGB(63, 93, 56)},
    {"Silver", xtpSystemThemeSilver, RGB(165, 172, 178), RGB(75, 75, 111)},
    {"None", xtpSystemThemeNone, CLR_NONE, CLR_NONE},
};

INSTANTIATE_TEST_SUITE_P(Schemes, FlatOffice2003SchemeTest, ::testing::ValuesIn(kSchemeCases),
                         [](const ::testing::TestParamInfo<SchemeCase>& info) { return info.param.name; });

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
        host = &TestHost();
        host->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN, CRect(20, 20, 220, 200),
                                 host, IDC_LIST_EDIT_TEST));
        combo.AddString("abc");
        combo.AddString("hello");
        combo.AddString("world");
        edit = ::GetWindow(combo.m_hWnd, GW_CHILD);
        ASSERT_NE(edit, (HWND)NULL);
        PumpPending();
    }
    void TearDown() override
    {
        combo.DestroyWindow();
        ::SetCursorPos(1000, 900);
    }

    void MoveCursorTo(CWnd& wnd, CPoint ptClient)
    {
        wnd.ClientToScreen(&ptClient);
        ::SetCursorPos(ptClient.x, ptClient.y);
    }
    void Hover()
    {
        combo.m_states.clear();
        combo.SendMessage(WM_TIMER, XT_FLAT_TIMER);
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

    NotifyRecorderWnd* host = nullptr;
    CStateRecorder<CXTFlatComboBox> combo;
    HWND edit = NULL;
};

struct TypingCase
{
    const char* name;
    const char* keys;
    const char* text;
    int nSelStart, nSelEnd;
};

class FlatComboTypingTest : public FlatComboTest, public ::testing::WithParamInterface<TypingCase>
{};

TEST_P(FlatComboTypingTest, CompletesFromTheList)
{
    const TypingCase& c = GetParam();
    combo.EnableAutoCompletion(TRUE);
    Type(c.keys);
    CString text;
    combo.GetWindowText(text);
    EXPECT_EQ(text, c.text);
    DWORD dwSel = combo.GetEditSel();
    EXPECT_EQ((int)LOWORD(dwSel), c.nSelStart);
    EXPECT_EQ((int)HIWORD(dwSel), c.nSelEnd);
}

// The list holds "abc", "hello" and "world".
const TypingCase kTypingCases[] = {
    {"CompletesAndHighlightsTheRest", "ab", "abc", 2, 3},
    {"BackspaceDoesNotCompleteAgain", "ab\b", "ab", 2, 2},
    {"TypingAfterBackspaceCompletesAgain", "ab\bc", "abc", 3, 3},
    {"TextBeginningNoEntryKeepsItsCaret", "xy", "xy", 2, 2},
};

INSTANTIATE_TEST_SUITE_P(Keys, FlatComboTypingTest, ::testing::ValuesIn(kTypingCases),
                         [](const ::testing::TestParamInfo<TypingCase>& info) { return info.param.name; });

TEST_F(FlatComboTest, HoverDrawsHotOnceAndNormalWhenTheMouseLeaves)
{
    // Mouse moves of earlier cases may have started the hover already: end it.
    MoveCursorTo(*host, CPoint(400, 350));
    Hover();
    MoveCursorTo(combo, CPoint(5, 5));
    Hover();
    EXPECT_EQ(combo.m_states, std::vector<int>{xtFlatHot});
    Hover();
    EXPECT_TRUE(combo.m_states.empty());
    MoveCursorTo(*host, CPoint(400, 350));
    Hover();
    EXPECT_EQ(combo.m_states, std::vector<int>{xtFlatNormal});
    Hover();
    EXPECT_TRUE(combo.m_states.empty());
}

TEST_F(FlatComboTest, CoveredComboDrawsNormalUnderTheCursor)
{
    PixelCanvas canvas(200, 30);
    MoveCursorTo(combo, CPoint(5, 5));
    combo.m_states.clear();
    combo.DrawFlat(&canvas.dc());
    EXPECT_EQ(combo.m_states, std::vector<int>{xtFlatHot});

    CRect rc;
    combo.GetWindowRect(&rc);
    CWnd cover;
    ASSERT_TRUE(
        cover.CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(0), "cover", WS_POPUP | WS_VISIBLE, rc, NULL, 0));
    combo.m_states.clear();
    combo.DrawFlat(&canvas.dc());
    EXPECT_EQ(combo.m_states, std::vector<int>{xtFlatNormal});
    cover.DestroyWindow();
}

TEST_F(FlatComboTest, FlatLookStripsAndRestoresExactlyTheBorderBits)
{
    // A combo box drops WS_BORDER at creation: the bits are given afterwards.
    combo.ModifyStyle(0, WS_BORDER);
    combo.ModifyStyleEx(0, WS_EX_CLIENTEDGE);
    combo.DisableFlatLook(FALSE);
    EXPECT_TRUE(combo.GetStyle() & WS_BORDER);
    EXPECT_TRUE(combo.GetExStyle() & WS_EX_CLIENTEDGE);

    combo.DisableFlatLook(TRUE);
    EXPECT_FALSE(combo.IsFlat());
    combo.DisableFlatLook(FALSE);
    EXPECT_TRUE(combo.IsFlat());
    EXPECT_FALSE(combo.GetStyle() & WS_BORDER);
    EXPECT_FALSE(combo.GetExStyle() & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));

    combo.DisableFlatLook(TRUE);
    EXPECT_TRUE(combo.GetStyle() & WS_BORDER);
    EXPECT_TRUE(combo.GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(combo.GetExStyle() & WS_EX_STATICEDGE);
}

// The frames of a combo box drawn by a theme into a canvas of its client size.
class FlatComboFrameTest : public FlatComboTest
{
protected:
    void Draw(CXTFlatControlsTheme& theme, int nState, PixelCanvas& canvas)
    {
        canvas.Fill(kWhite);
        theme.RefreshMetrics();
        theme.DrawComboFrame(&canvas.dc(), &combo, nState);
    }
    // The middle of the drop-down button (inside both outer rings).
    CPoint ButtonMiddle()
    {
        CRect rc;
        combo.GetClientRect(&rc);
        return CPoint(rc.right - 2 - XTAuxData()->cxHThumb / 2, rc.Height() / 2);
    }
};

TEST_F(FlatComboFrameTest, ClassicStatesRaiseOrSinkTheButtonOnlyWhenEnabled)
{
    CRect rc;
    combo.GetClientRect(&rc);
    CXTFlatControlsTheme theme;
    PixelCanvas hot(rc.Width(), rc.Height()), pressed(rc.Width(), rc.Height());
    Draw(theme, xtFlatHot, hot);
    Draw(theme, xtFlatPressed, pressed);
    EXPECT_FALSE(hot.SameAs(pressed));
    // Raised: the button's top edge is highlighted, its bottom shadowed.
    EXPECT_EQ(hot.Pixel(ButtonMiddle().x, 2), XTPGetColor(COLOR_3DHIGHLIGHT));
    EXPECT_EQ(hot.Pixel(ButtonMiddle().x, rc.bottom - 3), XTPGetColor(COLOR_3DSHADOW));

    combo.EnableWindow(FALSE);
    Draw(theme, xtFlatHot, hot);
    Draw(theme, xtFlatPressed, pressed);
    EXPECT_TRUE(hot.SameAs(pressed));
    combo.EnableWindow(TRUE);
}

TEST_F(FlatComboFrameTest, OfficeXPButtonTakesTheStateColour)
{
    CRect rc;
    combo.GetClientRect(&rc);
    CXTFlatControlsThemeOfficeXP theme;
    theme.m_clrButtonNormal.SetCustomValue(kRed);
    theme.m_clrButtonHot.SetCustomValue(kGreen);
    theme.m_clrButtonDropped.SetCustomValue(kBlue);
    theme.m_clrFrameHot.SetCustomValue(RGB(9, 9, 9));
    PixelCanvas canvas(rc.Width(), rc.Height());
    CPoint pt(ButtonMiddle().x, 3);
    Draw(theme, xtFlatNormal, canvas);
    EXPECT_EQ(canvas.Pixel(pt.x, pt.y), kRed);
    Draw(theme, xtFlatHot, canvas);
    EXPECT_EQ(canvas.Pixel(pt.x, pt.y), kGreen);
    EXPECT_EQ(canvas.Pixel(1, rc.Height() / 2), RGB(9, 9, 9));
    Draw(theme, xtFlatPressed, canvas);
    EXPECT_EQ(canvas.Pixel(pt.x, pt.y), kGreen);

    combo.ShowDropDown(TRUE);
    ASSERT_TRUE(combo.GetDroppedState());
    Draw(theme, xtFlatNormal, canvas);
    combo.ShowDropDown(FALSE);
    EXPECT_EQ(canvas.Pixel(pt.x, pt.y), kBlue);
    EXPECT_EQ(canvas.Pixel(1, rc.Height() / 2), RGB(9, 9, 9));
}

} // namespace
