// The preview pane: the column of the right-hand texts, folding by a double
// click on the band only, and the band's texts drawn only while expanded (the
// summary's way into the edit control is checked by the news list's click).
#include "ViewsFixture.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/commandbars/XTPPaintManager.h"

namespace {

TEST(PreviewColumns, TheRightTextsStartAfterTheKeywordOrAt110)
{
    const struct
    {
        int keywordWidth, x;
    } rows[] = {{0, 110}, {94, 110}, {95, 111}, {200, 216}};
    for (const auto& row : rows)
        EXPECT_EQ(CPreviewPane::RightColumnX(row.keywordWidth), row.x) << row.keywordWidth;
}

class PreviewPaneTest : public ViewsTest
{
public:
    void SetUp() override { Open({}); }

    CRect EditRect() { return RectInParent(&m_pPreview->GetEdit()); }
    void DoubleClick(CPoint point)
    {
        m_pPreview->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(point.x, point.y));
    }
};

TEST_F(PreviewPaneTest, StartsExpandedWithItsFixedTexts)
{
    EXPECT_TRUE(m_pPreview->IsExpanded());
    EXPECT_STREQ(m_pPreview->GetCaption(), "News Abstract");
    EXPECT_STREQ(m_pPreview->GetSubtitle(), "Some words about this news");
    CRect rcClient;
    m_pPreview->GetClientRect(&rcClient);
    EXPECT_EQ(EditRect(), CRect(0, 35, rcClient.Width(), rcClient.Height()));
}

TEST_F(PreviewPaneTest, ADoubleClickOnTheBandFoldsAndUnfoldsIt)
{
    m_pPreview->UpdateWindow();
    CRect rcClient;
    m_pPreview->GetClientRect(&rcClient);
    DoubleClick(CPoint(20, 10));
    EXPECT_FALSE(m_pPreview->IsExpanded());
    EXPECT_EQ(EditRect(), CRect(0, 5, rcClient.Width(), rcClient.Height()));
    m_pPreview->UpdateWindow();
    DoubleClick(CPoint(20, 20));
    EXPECT_FALSE(m_pPreview->IsExpanded());
    DoubleClick(CPoint(20, 2));
    EXPECT_TRUE(m_pPreview->IsExpanded());
    EXPECT_EQ(EditRect().top, 35);
}

TEST_F(PreviewPaneTest, TheBandShowsTextsOnlyWhenExpanded)
{
    m_pPreview->SetKeyword("alpha");
    m_pPreview->SetTitle("title");
    CRect rcClient;
    m_pPreview->GetClientRect(&rcClient);
    PixelCanvas canvas(rcClient.Width(), 40);
    auto textPixels = [&]() {
        canvas.Fill(RGB(1, 2, 3));
        m_pPreview->DrawHeader(&canvas.dc());
        COLORREF text = XTPGetColor(COLOR_BTNTEXT);
        int count = 0;
        for (int y = 4; y < 33; ++y)
            for (int x = 4; x < rcClient.Width() - 4; ++x)
                count += canvas.Pixel(x, y) == text;
        return count;
    };
    EXPECT_GT(textPixels(), 20);
    DoubleClick(CPoint(20, 10));
    EXPECT_EQ(textPixels(), 0);
}

} // namespace
