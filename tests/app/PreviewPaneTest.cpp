// The preview pane: the column of the right-hand texts, folding by a double
// click on the band only, and the band's texts drawn only while expanded (the
// summary's way into the edit control is checked by the news list's click).
#include "ViewsFixture.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

namespace {

TEST(PreviewColumns, TheRightTextsStartAfterTheKeywordOrAt110)
{
    std::vector<int> x;
    for (int keywordWidth : {0, 94, 95, 200})
        x.push_back(CPreviewPane::RightColumnX(keywordWidth));
    EXPECT_EQ(std::vector<int>({110, 110, 111, 216}), x);
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

TEST_F(PreviewPaneTest, ShowsItsFixedCaptionAndSubtitle)
{
    EXPECT_STREQ(m_pPreview->GetCaption() + "/" + m_pPreview->GetSubtitle(),
                 "News Abstract/Some words about this news");
}

// It starts expanded; a double click on the band (above y 5 when folded)
// folds and unfolds it.
TEST_F(PreviewPaneTest, StartsExpandedAndADoubleClickOnTheBandFoldsAndUnfoldsIt)
{
    m_pPreview->UpdateWindow();
    CRect rcClient;
    m_pPreview->GetClientRect(&rcClient);
    std::vector<std::string> states;
    for (int y : {10, 20, 2})
    {
        states.push_back(std::to_string(m_pPreview->IsExpanded()) + " " + std::to_string(EditRect().top));
        DoubleClick(CPoint(20, y));
        m_pPreview->UpdateWindow();
    }
    states.push_back(std::to_string(m_pPreview->IsExpanded()) + " " + std::to_string(EditRect().top));
    EXPECT_EQ(std::vector<std::string>({"1 35", "0 5", "0 5", "1 35"}), states);
    EXPECT_EQ(EditRect(), CRect(0, 35, rcClient.Width(), rcClient.Height()));
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

// The band's 3-D frame follows the window rectangle, one pixel wider than the
// client area on each side: its left and top lines are the client's first
// column and row, its right line the client's last column, except under the
// Windows XP look, whose right line falls outside.
TEST_F(PreviewPaneTest, TheBandFrameFollowsTheWindowRectangle)
{
    CXTPPaintManager* pCurrent = XTPPaintManager();
    const int nPrevious = pCurrent != NULL ? pCurrent->GetThemeId() : xtpThemeOffice2003;
    CRect rcClient;
    m_pPreview->GetClientRect(&rcClient);
    const int w = rcClient.Width();
    const COLORREF hilight = XTPGetColor(COLOR_3DHILIGHT);
    const COLORREF dark = CPreviewPane::GetBorderColor(TRUE);
    for (int nTheme : {xtpThemeOfficeXP, xtpThemeNativeWinXP})
    {
        CXTPPaintManager::SetTheme(nTheme);
        const COLORREF face = XTPPaintManager()->GetColor(51);
        PixelCanvas canvas(w, 40, RGB(1, 2, 3));
        m_pPreview->DrawHeader(&canvas.dc());
        const std::vector<COLORREF> expected = {hilight, hilight, nTheme == xtpThemeNativeWinXP ? face : dark};
        EXPECT_EQ(expected,
                  std::vector<COLORREF>({canvas.Pixel(0, 20), canvas.Pixel(w / 2, 0), canvas.Pixel(w - 1, 20)}))
            << "theme " << nTheme;
    }
    CXTPPaintManager::SetTheme(nPrevious);
}

} // namespace
