// The tab painter: appearances and colour sets by id, fonts, row heights,
// tab lengths in the four layouts and the rectangles of the four positions.
#include "TabTestHost.h"

#include "toolkit/tabs/themes/XTPTabStripColorSets.h"
#include "toolkit/tabs/themes/XTPTabStripShapes.h"
#include "toolkit/foundation/XTPSelectScopes.h"

#include "tests/support/PixelCanvas.h"

#include <gtest/gtest.h>

#include <typeinfo>

namespace {

LOGFONT FontOfHeight(LONG nHeight)
{
    LOGFONT lf = {};
    lf.lfHeight = nHeight;
    lstrcpyA(lf.lfFaceName, "Arial");
    return lf;
}

LONG HeightOf(CFont* pFont)
{
    LOGFONT lf;
    pFont->GetLogFont(&lf);
    return lf.lfHeight;
}

TEST(TabPainter, EachAppearanceBringsItsColourSet)
{
    struct Row
    {
        int nAppearance;
        const std::type_info& shape;
        int nColorId;
        const std::type_info& colors;
    } rows[] = {
        {0, typeid(CXTPTabShape3D), 1, typeid(CXTPTabColorsDefault)},
        {1, typeid(CXTPTabShape3DHot), 1, typeid(CXTPTabColorsDefault)},
        {2, typeid(CXTPTabShapeRounded), 1, typeid(CXTPTabColorsDefault)},
        {3, typeid(CXTPTabShapeSlanted), 4, typeid(CXTPTabColorsScheme)},
        {4, typeid(CXTPTabShapeButtons), 2, typeid(CXTPTabColorsToolkit)},
        {5, typeid(CXTPTabShapeRaised), 2, typeid(CXTPTabColorsToolkit)},
        {6, typeid(CXTPTabShapeBoxes), 2, typeid(CXTPTabColorsToolkit)},
        {7, typeid(CXTPTabShapeTrapezoid), 2, typeid(CXTPTabColorsToolkit)},
        {8, typeid(CXTPTabShapeStacked), 1, typeid(CXTPTabColorsDefault)},
        {9, typeid(CXTPTabShape3D), 1, typeid(CXTPTabColorsDefault)},
        {-1, typeid(CXTPTabShape3D), 1, typeid(CXTPTabColorsDefault)},
    };
    CXTPTabStripPainter painter;
    for (const Row& row : rows)
    {
        painter.SetColorById(xtpTabColorVisualStyle); // something else before
        painter.SetAppearanceById(row.nAppearance);
        EXPECT_EQ(row.nAppearance, painter.GetAppearanceId());
        EXPECT_EQ(row.shape, typeid(*painter.GetAppearanceSet())) << row.nAppearance;
        EXPECT_EQ(row.nColorId, painter.GetColorId()) << row.nAppearance;
        EXPECT_EQ(row.colors, typeid(*painter.GetColorSet())) << row.nAppearance;
        EXPECT_EQ(&painter, painter.GetAppearanceSet()->GetPainter());
        EXPECT_EQ(&painter, painter.GetColorSet()->GetPainter());
    }
}

TEST(TabPainter, ColourSetsById)
{
    struct Row
    {
        int nColorId;
        const std::type_info& colors;
    } rows[] = {
        {1, typeid(CXTPTabColorsDefault)},       {2, typeid(CXTPTabColorsToolkit)},
        {3, typeid(CXTPTabColorsDefault)},       {4, typeid(CXTPTabColorsScheme)},
        {8, typeid(CXTPTabColorsVisualStyle)},   {16, typeid(CXTPTabColorsSchemePlain)},
        {0, typeid(CXTPTabColorsDefault)},
    };
    CXTPTabStripPainter painter;
    for (const Row& row : rows)
    {
        painter.SetColorById(row.nColorId);
        EXPECT_EQ(row.colors, typeid(*painter.GetColorSet())) << row.nColorId;
        EXPECT_EQ(row.nColorId, painter.GetColorId());
    }
}

TEST(TabPainter, NullSetsChangeNothingButStillTellTheStrips)
{
    CXTPTabStripPainter painter;
    CTabTestStrip strip;
    painter.RegisterStrip(&strip);
    painter.RegisterStrip(&strip);
    CXTPTabStripColors* pColors = painter.GetColorSet();
    CXTPTabStripShape* pShape = painter.GetAppearanceSet();
    const int nLayouts = strip.m_nLayouts;
    painter.SetColorSet(NULL);
    painter.SetAppearanceSet(NULL);
    EXPECT_EQ(pColors, painter.GetColorSet());
    EXPECT_EQ(pShape, painter.GetAppearanceSet());
    EXPECT_EQ(nLayouts + 2, strip.m_nLayouts) << "registered once, told twice";
    painter.UnregisterStrip(&strip);
    painter.SetPosition(xtpTabPositionLeft);
    EXPECT_EQ(nLayouts + 2, strip.m_nLayouts);
}

TEST(TabPainter, VerticalCaptionsAreAtLeastElevenPixelsHigh)
{
    struct Row
    {
        LONG nHeight, nVertical;
    } rows[] = {{-8, -11}, {-10, -11}, {-1, -11}, {-11, -11}, {-12, -12}, {8, 8}, {0, 0}};
    CXTPTabStripPainter painter;
    for (const Row& row : rows)
    {
        LOGFONT lf = FontOfHeight(row.nHeight);
        painter.SetFontIndirect(&lf);
        EXPECT_EQ(row.nHeight, HeightOf(painter.GetFont(FALSE))) << row.nHeight;
        EXPECT_EQ(row.nVertical, HeightOf(painter.GetFont(TRUE))) << row.nHeight;
        EXPECT_EQ(row.nVertical, HeightOf(painter.GetBoldFont(TRUE))) << row.nHeight;
    }
}

TEST(TabPainter, FontsTakeWeightsAndTheTurnedFaceFromTheirRoles)
{
    CXTPTabStripPainter painter;
    LOGFONT lf = FontOfHeight(-13);
    lstrcpyA(lf.lfFaceName, "Courier New");
    painter.SetFontIndirect(&lf);
    LOGFONT normal, bold, vertical, verticalBold;
    painter.GetFont(FALSE)->GetLogFont(&normal);
    painter.GetBoldFont(FALSE)->GetLogFont(&bold);
    painter.GetFont(TRUE)->GetLogFont(&vertical);
    painter.GetBoldFont(TRUE)->GetLogFont(&verticalBold);
    EXPECT_EQ(FW_NORMAL, normal.lfWeight);
    EXPECT_EQ(FW_BOLD, bold.lfWeight);
    EXPECT_STREQ("Courier New", bold.lfFaceName) << "horizontal fonts keep the face";
    EXPECT_STRNE("Courier New", vertical.lfFaceName) << "turned fonts take the toolkit's face";
    EXPECT_EQ(2700, vertical.lfEscapement);
    EXPECT_EQ(900, vertical.lfOrientation);
    EXPECT_EQ(FW_BOLD, verticalBold.lfWeight);

    painter.m_bBoldNormal = TRUE;
    painter.SetFontIndirect(&lf);
    painter.GetFont(FALSE)->GetLogFont(&normal);
    painter.GetFont(TRUE)->GetLogFont(&vertical);
    EXPECT_EQ(FW_BOLD, normal.lfWeight);
    EXPECT_EQ(FW_BOLD, vertical.lfWeight);
}

// A strip whose painter has an 8-pixel font and no icons.
class SmallFontStrip : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LOGFONT lf = FontOfHeight(-8);
        strip.m_painter.SetFontIndirect(&lf);
        strip.m_painter.ShowIcons(FALSE);
    }
    int RowHeight() { return strip.m_painter.GetAppearanceSet()->GetRowHeight(&strip); }

    CTabTestStrip strip;
};

TEST_F(SmallFontStrip, RowsAreAtLeast18High)
{
    EXPECT_EQ(18, RowHeight());
    strip.m_painter.ShowIcons(TRUE);
    EXPECT_EQ(20, RowHeight()) << "16-pixel icons and 2 pixels either side";
    strip.m_painter.m_szIcon = CSize(24, 20);
    EXPECT_EQ(28, RowHeight()) << "the larger icon side";
    strip.m_painter.m_rcItemInset = CRect(0, 3, 0, 4);
    EXPECT_EQ(35, RowHeight()) << "the inset adds to the icon row";
    strip.m_painter.ShowIcons(FALSE);
    EXPECT_EQ(25, RowHeight()) << "and to the text row";
    strip.SetTabSizes(70, 18, 0, 40, 0, 0);
    EXPECT_EQ(40, RowHeight()) << "the minimum tab height";
}

TEST_F(SmallFontStrip, CompressedTabsShrinkFromTheLongest)
{
    strip.AddTabs({"a", "b", "c"});
    const int lengths[] = {100, 80, 50};
    for (int i = 0; i < 3; i++)
        strip.GetItem(i)->SetLength(lengths[i]);
    strip.m_painter.ShrinkTabsToFit(&strip, 200);
    EXPECT_EQ(75, strip.GetItem(0)->GetLength());
    EXPECT_EQ(75, strip.GetItem(1)->GetLength());
    EXPECT_EQ(50, strip.GetItem(2)->GetLength());
}

TEST_F(SmallFontStrip, FixedTabsAreTheNormalSizeAndTheInset)
{
    strip.m_painter.m_rcItemInset = CRect(3, 0, 4, 0);
    strip.m_painter.SetLayout(xtpTabLayoutFixed);
    strip.AddTabs({"x", "a much longer caption"});
    EXPECT_EQ(77, strip.GetItem(0)->GetLength());
    EXPECT_EQ(77, strip.GetItem(1)->GetLength());
    EXPECT_EQ(7, strip.m_painter.CalcTabLength(0, 0, 0));
}

TEST_F(SmallFontStrip, WithSelectedTextOnlyTheSelectedTabShowsTheWidestCaption)
{
    strip.m_painter.SetLayout(xtpTabLayoutSelectedText);
    strip.AddTabs({"x", "a much longer caption", "y"});
    strip.GetItem(2)->Select();
    CWindowDC dc(NULL);
    CXTPFontDC font(&dc, strip.m_painter.GetFont(FALSE));
    const int nWidest = dc.GetTextExtent("a much longer caption").cx;
    EXPECT_EQ(16 + 8, strip.GetItem(0)->GetLength()) << "icon width and 8";
    EXPECT_EQ(16 + 8, strip.GetItem(1)->GetLength());
    EXPECT_NEAR(nWidest + 12, strip.GetItem(2)->GetLength(), 1) << "no icons shown: caption and 12";
}

TEST_F(SmallFontStrip, SizedTabsFollowTheirCaptionWithinTheBounds)
{
    strip.AddTabs({"x", "a much longer caption"});
    CWindowDC dc(NULL);
    CXTPFontDC font(&dc, strip.m_painter.GetFont(FALSE));
    EXPECT_NEAR(dc.GetTextExtent("a much longer caption").cx + 12, strip.GetItem(1)->GetLength(), 1);
    strip.SetTabSizes(70, 18, 40, 0, 60, 0);
    EXPECT_EQ(40, strip.GetItem(0)->GetLength());
    EXPECT_EQ(60, strip.GetItem(1)->GetLength());
}

TEST_F(SmallFontStrip, MnemonicMarksAreMeasuredAsShown)
{
    CWindowDC dc(NULL);
    CXTPFontDC font(&dc, strip.m_painter.GetFont(FALSE));
    CXTPTabStripPainter& painter = strip.m_painter;
    EXPECT_EQ(dc.GetTextExtent("A&B").cx, painter.GetTextWidth(&dc, "A&&B", 0));
    EXPECT_EQ(dc.GetTextExtent("AB").cx, painter.GetTextWidth(&dc, "&AB", 0));
    EXPECT_EQ(dc.GetTextExtent("&AB").cx, painter.GetTextWidth(&dc, "&AB", DT_NOPREFIX));
}

TEST_F(SmallFontStrip, APathIsShortenedAsAPath)
{
    CWindowDC screen(NULL);
    PixelCanvas shown(120, 20), expected(120, 20);
    CXTPFontDC font(&shown.dc(), strip.m_painter.GetFont(FALSE));
    CXTPFontDC fontExpected(&expected.dc(), strip.m_painter.GetFont(FALSE));
    const CString strPath = "C:\\documents\\reports\\quarterly.txt";
    const CRect rc(0, 0, 90, 20);
    strip.m_painter.DrawTextMiddleEllipsis(&shown.dc(), strPath, rc, DT_SINGLELINE);
    CRect rcExpected = rc;
    expected.dc().DrawText(strPath, rcExpected, DT_SINGLELINE | DT_PATH_ELLIPSIS);
    EXPECT_TRUE(shown.SameAs(expected));
}

// The four positions: a strip of 300 x 200, tabs of 70 in rows 30 high.
TEST(TabPainter, TabRectanglesFollowThePosition)
{
    struct Row
    {
        const char* name;
        int nPosition;
        CRect first, second, header, client;
    } rows[] = {
        {"top", xtpTabPositionTop, CRect(2, 3, 72, 33), CRect(72, 3, 142, 33), CRect(0, 0, 299, 33),
         CRect(2, 34, 298, 198)},
        {"left", xtpTabPositionLeft, CRect(3, 2, 33, 72), CRect(3, 72, 33, 142), CRect(0, 0, 33, 199),
         CRect(34, 2, 298, 198)},
        {"bottom", xtpTabPositionBottom, CRect(2, 167, 72, 197), CRect(72, 167, 142, 197), CRect(0, 167, 299, 200),
         CRect(2, 2, 298, 166)},
        {"right", xtpTabPositionRight, CRect(267, 2, 297, 72), CRect(267, 72, 297, 142), CRect(267, 0, 300, 199),
         CRect(2, 2, 266, 198)},
    };
    for (const Row& row : rows)
    {
        CTabTestStrip strip(CRect(0, 0, 300, 200));
        strip.UseFixedTabs();
        strip.SetPosition(row.nPosition);
        strip.AddTabs({"One", "Two"});
        EXPECT_EQ(row.first, strip.GetItem(0)->GetRect()) << row.name;
        EXPECT_EQ(row.second, strip.GetItem(1)->GetRect()) << row.name;
        EXPECT_EQ(row.header, strip.GetHeaderRect()) << row.name;
        EXPECT_EQ(row.client, strip.GetClientRect()) << row.name;
    }
}

TEST(TabPainter, AClientFrameAndMarginsNarrowTheStrip)
{
    CTabTestStrip strip(CRect(0, 0, 300, 200));
    strip.UseFixedTabs();
    strip.m_painter.m_bClientFrame = TRUE;
    strip.m_painter.m_rcHeaderMargin = CRect(1, 1, 1, 1);
    strip.SetPosition(xtpTabPositionBottom);
    strip.AddTabs({"One"});
    // Frame (2, 1, 2, 2) turned for the bottom: 2 at the top, 1 at the bottom;
    // then the header margin of 1.
    EXPECT_EQ(CRect(5, 165, 75, 195), strip.GetItem(0)->GetRect());
    EXPECT_EQ(CRect(5, 5, 295, 164), strip.GetClientRect());
}

TEST(TabPainter, TheSlantedAndTrapezoidAppearancesWidenTheirMargins)
{
    CTabTestStrip strip;
    strip.SetAppearanceById(xtpTabAppearanceSlanted);
    const int nRow = strip.m_painter.GetAppearanceSet()->GetRowHeightSetting();
    EXPECT_EQ(CRect(2 + nRow, 3, 6, 0), strip.m_painter.GetAppearanceSet()->GetMargins());
    strip.SetAppearanceById(xtpTabAppearanceTrapezoid);
    EXPECT_EQ(CRect(2 + nRow / 2, 3, 2 + nRow / 2, 0), strip.m_painter.GetAppearanceSet()->GetMargins());
}

TEST(TabPainter, StackedRowsLeaveTheClientBetweenThem)
{
    CTabTestStrip strip(CRect(0, 0, 200, 300));
    strip.SetAppearanceById(xtpTabAppearanceStacked);
    strip.m_painter.ShowIcons(FALSE);
    strip.SetTabSizes(70, 18, 0, 25, 0, 0);
    strip.AddTabs({"One", "Two", "Three"});
    strip.GetItem(1)->Select();
    EXPECT_EQ(CRect(1, 1, 200, 26), strip.GetItem(0)->GetRect());
    EXPECT_EQ(CRect(1, 26, 200, 51), strip.GetItem(1)->GetRect());
    EXPECT_EQ(CRect(1, 275, 200, 300), strip.GetItem(2)->GetRect()) << "at the bottom edge";
    EXPECT_EQ(CRect(1, 51, 199, 275), strip.GetClientRect());
    EXPECT_TRUE(strip.GetHeaderRect().IsRectEmpty());
    EXPECT_STREQ("Three", strip.HitTest(CPoint(50, 280))->GetCaption());
}

} // namespace
