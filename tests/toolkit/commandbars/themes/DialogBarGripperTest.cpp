// A dialog bar's caption row gets the narrow control gripper in every theme,
// docked or floating, where a tool bar gets its position's gripper or the
// floating caption.
#include "themes/ThemeTestSupport.h"

#include "toolkit/commandbars/docking/XTPDialogBar.h"
#include "toolkit/commandbars/themes/XTPOffice2000Theme.h"
#include "toolkit/commandbars/themes/XTPOffice2003Theme.h"
#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"
#include "toolkit/commandbars/themes/XTPWinXPTheme.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct ThemeCase
{
    const char* pszName;
    std::function<CXTPPaintManager*()> create;
};

const ThemeCase kThemes[] = {
    {"Office XP", [] { return (CXTPPaintManager*)new CXTPOfficeXPTheme; }},
    {"Office 2003", [] { return (CXTPPaintManager*)new CXTPOffice2003Theme; }},
    {"Office 2000", [] { return (CXTPPaintManager*)new CXTPOffice2000Theme; }},
    {"Windows XP", [] { return (CXTPPaintManager*)new CXTPWinXPTheme; }},
};

const XTPBarPosition kPositions[] = {xtpBarTop, xtpBarLeft, xtpBarFloating};

TEST(DialogBarGripper, EveryThemeDrawsTheControlGripperInEveryPosition)
{
    CTestWindow host;
    CXTPDialogBar* pDialogBar = new CXTPDialogBar;
    ASSERT_TRUE(pDialogBar->CreateToolBar(WS_VISIBLE | XTP_BARSTYLE_GRIPPER, &host));
    pDialogBar->MoveWindow(0, 0, 120, 80);
    CThemeTestToolBar toolBar;
    ASSERT_TRUE(toolBar.CreateToolBar(WS_VISIBLE, &host));
    toolBar.MoveWindow(0, 100, 120, 80);

    for (const ThemeCase& theme : kThemes)
    {
        std::unique_ptr<CXTPPaintManager> pTheme(theme.create());
        MarkColors(*pTheme);
        for (XTPBarPosition position : kPositions)
        {
            SCOPED_TRACE(std::string(theme.pszName) + " at position " + std::to_string(position));
            pDialogBar->SetBarPosition(position);
            PixelCanvas measure(120, 80);
            const CSize szControlGripper = pTheme->DrawControlGripper(&measure.dc(), pDialogBar, FALSE);
            EXPECT_EQ(szControlGripper, pTheme->DrawCommandBarGripper(&measure.dc(), pDialogBar, FALSE));
            EXPECT_GE(szControlGripper.cy, 22) << "a caption row at least a control high";

            PixelCanvas expected(120, 80), actual(120, 80);
            pTheme->DrawControlGripper(&expected.dc(), pDialogBar, TRUE);
            pTheme->DrawCommandBarGripper(&actual.dc(), pDialogBar, TRUE);
            EXPECT_TRUE(expected.SameAs(actual));
            EXPECT_GT(actual.CountOther(kWhite), 0) << "a gripper is drawn";
        }
        toolBar.Place(xtpBarFloating);
        PixelCanvas canvas(120, 80);
        EXPECT_NE(pTheme->DrawControlGripper(&canvas.dc(), &toolBar, FALSE),
                  pTheme->DrawCommandBarGripper(&canvas.dc(), &toolBar, FALSE))
            << theme.pszName << ": a floating tool bar has its caption";
    }
    toolBar.DestroyWindow();
    pDialogBar->InternalRelease();
}

} // namespace
