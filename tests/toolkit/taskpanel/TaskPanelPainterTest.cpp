// The base painter's picture, probed pixel by pixel where the look is
// given: caption and client colours, the client border, the hidden
// caption's strip, the expand button's room, the fade of a closing group,
// and its metrics.
#include "TaskPanelTestIds.h"
#include "TaskPanelTestSupport.h"

#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelShellStylePainter.h"

#include <gtest/gtest.h>

namespace {

class BasePainterTest : public TaskPanelTest
{
protected:
    void SetUp() override
    {
        TaskPanelTest::SetUp();
        panel->SetTheme(xtpTaskPanelThemeBase);
        base = panel->GetPaintManager();
    }
    CXTPTaskPanelPainter* base = nullptr;
};

TEST_F(BasePainterTest, CaptionsAndClientAreasTakeTheirColours)
{
    CXTPTaskPanelGroup* pOrdinary = AddGroup(1, 2);
    CXTPTaskPanelGroup* pSpecial = AddGroup(2, 1);
    pSpecial->SetSpecial(TRUE);
    PixelCanvas canvas(200, 300);
    PrintPanel(panel, canvas);

    const CRect rcCaption = pOrdinary->GetCaptionRect(), rcClient = pOrdinary->GetClientRect();
    EXPECT_EQ(XTPGetColor(COLOR_WINDOW), canvas.Pixel(2, 2)) << "the panel's background";
    EXPECT_EQ(XTPGetColor(COLOR_BTNFACE), canvas.Pixel(rcCaption.left + 3, rcCaption.top + 3));
    EXPECT_EQ(XTPGetColor(COLOR_ACTIVECAPTION),
              canvas.Pixel(pSpecial->GetCaptionRect().left + 3, pSpecial->GetCaptionRect().top + 3));
    EXPECT_EQ(XTPGetColor(COLOR_WINDOW), canvas.Pixel(rcClient.CenterPoint().x, rcClient.bottom - 3));
    // The border: left, bottom and right sides in the client border colour.
    EXPECT_EQ(XTPGetColor(COLOR_BTNFACE), canvas.Pixel(rcClient.left, rcClient.bottom - 5));
    EXPECT_EQ(XTPGetColor(COLOR_BTNFACE), canvas.Pixel(rcClient.CenterPoint().x, rcClient.bottom - 1));
    EXPECT_EQ(XTPGetColor(COLOR_BTNFACE), canvas.Pixel(rcClient.right - 1, rcClient.bottom - 5));
    EXPECT_EQ(XTPGetColor(COLOR_ACTIVECAPTION),
              canvas.Pixel(pSpecial->GetClientRect().left, pSpecial->GetClientRect().bottom - 5));
    // The caption text in the caption text colour somewhere left of the button.
    CRect rcText = rcCaption;
    rcText.right -= 23;
    EXPECT_GT(rcText.Width() * rcText.Height() - canvas.CountOther(rcText, XTPGetColor(COLOR_BTNTEXT)), 0);
}

TEST_F(BasePainterTest, CaptionIsNeverLowerThan25)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 0);
    EXPECT_GE(pGroup->GetCaptionHeight(), 25);
    EXPECT_EQ(base->GetCaptionHeight(), pGroup->GetCaptionHeight());
}

TEST_F(BasePainterTest, HiddenCaptionIsAStripOfTheBorderColour)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 1);
    pGroup->SetCaptionVisible(FALSE);
    EXPECT_EQ(1, pGroup->GetCaptionHeight());
    PixelCanvas canvas(200, 300);
    PrintPanel(panel, canvas);
    const CRect rc = pGroup->GetCaptionRect();
    EXPECT_EQ(0, canvas.CountOther(rc, XTPGetColor(COLOR_BTNFACE)));
    EXPECT_EQ(XTPGetColor(COLOR_WINDOW), canvas.Pixel(rc.left + 5, rc.top + 3)) << "below it the client area";
}

TEST_F(BasePainterTest, NarrowCaptionHasNoExpandButton)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 0);
    EXPECT_EQ(0, base->GetExpandButtonWidth(pGroup, CRect(0, 0, 25, 20)));
    EXPECT_EQ(23, base->GetExpandButtonWidth(pGroup, CRect(0, 0, 26, 20)));
    PixelCanvas canvas(60, 30, kRed);
    EXPECT_EQ("0 0 25 20", Text(base->DrawExpandButton(&canvas.dc(), pGroup, CRect(0, 0, 25, 20))));
    EXPECT_EQ(0, canvas.CountOther(kRed)) << "nothing drawn";
    EXPECT_EQ("0 0 37 30", Text(base->DrawExpandButton(&canvas.dc(), pGroup, CRect(0, 0, 60, 30))))
        << "the text ends at the button";
    EXPECT_GT(canvas.CountOther(CRect(37, 0, 60, 30), kRed), 0) << "the chevron is drawn";
    pGroup->SetExpandable(FALSE);
    EXPECT_EQ(0, base->GetExpandButtonWidth(pGroup, CRect(0, 0, 60, 30)));
}

TEST_F(BasePainterTest, ClosedGroupFaceHasNoBorderAndNoItems)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 3);
    pGroup->GetItems()->GetAt(0)->SetCaption("Wide caption of the first link");
    PixelCanvas open(200, 120, kRed), closed(200, 120, kRed);
    const CRect rc(0, 0, 200, 120);
    base->FillGroupClientFace(&open.dc(), pGroup, rc);
    pGroup->SetExpanded(FALSE);
    base->FillGroupClientFace(&closed.dc(), pGroup, rc);
    EXPECT_EQ(0, closed.CountOther(XTPGetColor(COLOR_WINDOW))) << "only the background";
    EXPECT_GT(open.CountOther(XTPGetColor(COLOR_WINDOW)), 200) << "a border and the links";
}

TEST_F(BasePainterTest, ClosingGroupFadesItsFace)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 4);
    base->GetGroupColors(FALSE)->clrClient.SetCustomValue(kBlue);
    panel->SetAnimation(0);
    pGroup->SetExpanded(FALSE);
    Tick(5);
    const CRect rc = pGroup->GetClientRect();
    ASSERT_GT(rc.Height(), 4);
    PixelCanvas canvas(200, 300);
    PrintPanel(panel, canvas);
    const COLORREF clr = canvas.Pixel(rc.right - 5, rc.top + 2);
    EXPECT_EQ(255, GetBValue(clr));
    EXPECT_GT(GetRValue(clr), 0) << "partly transparent";
    EXPECT_LT(GetRValue(clr), 255);
    // Removing the items while it moves leaves a face of no height: drawn
    // without a fade, not divided by zero.
    pGroup->GetInnerMargins().SetRect(0, 0, 0, 0);
    pGroup->GetItems()->Clear();
    EXPECT_EQ(0, pGroup->GetClientHeight());
    PrintPanel(panel, canvas);
    Tick(10);
    EXPECT_FALSE(pGroup->IsDirty());
}

// A group's icon comes from the panel's image manager at the group icon
// size, its bottom on the caption's, at the caption's left; a caption no
// wider than the icon has none.
TEST_F(BasePainterTest, CaptionShowsTheGroupsIconAtTheGroupIconSize)
{
    const COLORREF kIconColour = RGB(10, 200, 30);
    CImageList images;
    images.Create(32, 32, ILC_COLOR32 | ILC_MASK, 0, 1);
    HICON hIcon = SolidIcon(kIconColour);
    images.Add(hIcon);
    ::DestroyIcon(hIcon);
    panel->SetGroupImageList(&images, CSize(32, 32));
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 1);
    struct Row
    {
        const char* name;
        int nPanelWidth;
        int nIconIndex;
        bool bShown;
    } rows[] = {
        {"the group's icon", 200, 0, true},
        {"no icon", 200, -1, false},
        {"a caption no wider than the icon", 56, 0, false},
    };
    for (const Row& row : rows)
    {
        panel->MoveWindow(0, 0, row.nPanelWidth, 300);
        pGroup->SetIconIndex(row.nIconIndex);
        panel->Reposition(FALSE);
        PixelCanvas canvas(200, 300);
        PrintPanel(panel, canvas);
        const CRect rcCaption = pGroup->GetCaptionRect();
        const CRect rcIcon(rcCaption.left, rcCaption.bottom - 32, rcCaption.left + 32, rcCaption.bottom);
        EXPECT_EQ(row.bShown ? rcIcon : CRect(0, 0, 0, 0), canvas.BoundsOf(kIconColour)) << row.name;
    }
}

// The client bitmap sits in the bottom-right corner of the client area,
// under the border, with its mask colour or its transparent pixels letting
// the client background through.
TEST_F(TaskPanelTest, ClientBitmapSitsInTheClientAreasCorner)
{
    struct Row
    {
        const char* name;
        UINT nID;
        BOOL bAlpha;
        COLORREF clrPicture;
    } rows[] = {
        {"a 24-bit picture with a mask colour", IDB_CLIENT_MASKED, FALSE, RGB(0, 160, 0)},
        {"a 32-bit picture with alpha", IDB_CLIENT_ALPHA, TRUE, RGB(0, 0, 160)},
    };
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 2);
    for (const Row& row : rows)
    {
        pGroup->SetClientBitmap(row.nID, RGB(255, 0, 255), row.bAlpha);
        EXPECT_EQ(CSize(12, 10), pGroup->GetClientBitmapSize()) << row.name;
        PixelCanvas canvas(200, 300);
        PrintPanel(panel, canvas);
        const CRect rc = pGroup->GetClientRect();
        const COLORREF clrClient = canvas.Pixel(rc.right - 20, rc.bottom - 3);
        EXPECT_EQ(row.clrPicture, canvas.Pixel(rc.right - 3, rc.bottom - 3)) << row.name;
        EXPECT_EQ(row.clrPicture, canvas.Pixel(rc.right - 12, rc.bottom - 3)) << row.name << ": its left edge";
        EXPECT_EQ(row.clrPicture, canvas.Pixel(rc.right - 3, rc.bottom - 10)) << row.name << ": its top edge";
        EXPECT_EQ(clrClient, canvas.Pixel(rc.right - 13, rc.bottom - 3)) << row.name << ": left of it";
        EXPECT_EQ(clrClient, canvas.Pixel(rc.right - 3, rc.bottom - 11)) << row.name << ": above it";
        EXPECT_EQ(clrClient, canvas.Pixel(rc.right - 11, rc.bottom - 9)) << row.name << ": its corner lets it through";
        EXPECT_NE(row.clrPicture, canvas.Pixel(rc.right - 1, rc.bottom - 1)) << row.name << ": the border goes over it";
    }
    pGroup->SetClientBitmap(IDS_TASK_MISSING, 0, FALSE);
    EXPECT_EQ(CSize(0, 0), pGroup->GetClientBitmapSize()) << "a missing bitmap leaves none";
    PixelCanvas canvas(200, 300);
    PrintPanel(panel, canvas);
    const CRect rc = pGroup->GetClientRect();
    EXPECT_EQ(canvas.Pixel(rc.right - 20, rc.bottom - 3), canvas.Pixel(rc.right - 3, rc.bottom - 3));
}

TEST_F(BasePainterTest, MarginsComeFromTheOwnersUnlessUnset)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 1);
    CXTPTaskPanelGroupItem* pItem = pGroup->GetAt(0);
    EXPECT_EQ("12 12 12 12", Text(base->GetControlMargins(panel)));
    EXPECT_EQ(15, base->GetGroupSpacing(panel));
    EXPECT_EQ("0 0 0 0", Text(base->GetGroupOuterMargins(pGroup)));
    EXPECT_EQ("11 8 11 8", Text(base->GetGroupInnerMargins(pGroup)));
    EXPECT_EQ("0 0 0 0", Text(base->GetItemOuterMargins(pItem)));
    EXPECT_EQ("2 2 2 2", Text(base->GetItemInnerMargins(pItem)));
    panel->SetMargins(1, 2, 3, 4, 5);
    pGroup->GetInnerMargins().SetRect(6, 7, 8, 9);
    pItem->GetMargins().SetRect(1, 1, 1, 1);
    EXPECT_EQ("1 2 3 4", Text(base->GetControlMargins(panel)));
    EXPECT_EQ(5, base->GetGroupSpacing(panel));
    EXPECT_EQ("6 7 8 9", Text(base->GetGroupInnerMargins(pGroup)));
    EXPECT_EQ("1 1 1 1", Text(base->GetItemOuterMargins(pItem)));
}

TEST(TaskPanelPainter, BlendColorsWeighsTheFirstColourOutOf255)
{
    EXPECT_EQ(RGB(255, 0, 0), CXTPTaskPanelPainter::BlendColors(RGB(255, 0, 0), RGB(0, 0, 255), 255));
    EXPECT_EQ(RGB(0, 0, 255), CXTPTaskPanelPainter::BlendColors(RGB(255, 0, 0), RGB(0, 0, 255), 0));
    EXPECT_EQ(RGB(128, 0, 127), CXTPTaskPanelPainter::BlendColors(RGB(255, 0, 0), RGB(0, 0, 255), 128));
    EXPECT_EQ(RGB(100, 150, 200), CXTPTaskPanelPainter::BlendColors(RGB(100, 150, 200), RGB(100, 150, 200), 77));
}

TEST_F(TaskPanelTest, ThemeIdsOutsideTheRangeGiveTheDefault)
{
    for (int nTheme : {0, 5, 12})
    {
        panel->SetTheme(nTheme);
        EXPECT_EQ(nTheme, panel->GetCurrentTheme());
    }
    for (int nTheme : {-1, 13, 99})
    {
        panel->SetTheme(xtpTaskPanelThemeBase);
        panel->SetTheme(nTheme);
        EXPECT_TRUE(dynamic_cast<CXTPTaskPanelShellStylePainter*>(panel->GetPaintManager()) != NULL)
            << nTheme << " draws with the default painter";
        EXPECT_EQ(nTheme, panel->GetCurrentTheme()) << "the id is kept as it was given";
    }
    CXTPTaskPanelPainter* pCustom = new CFixedPainter;
    panel->SetCustomTheme(pCustom);
    EXPECT_EQ(xtpTaskPanelThemeCustom, panel->GetCurrentTheme());
    EXPECT_EQ(pCustom, panel->GetPaintManager());
}

using CCountedPainter = CLiveCounted<CFixedPainter>;

TEST_F(TaskPanelTest, GivingTheCurrentCustomPainterAgainKeepsIt)
{
    CCountedPainter* pPainter = new CCountedPainter;
    panel->SetCustomTheme(pPainter);
    AddGroup(1, 2);
    panel->SetCustomTheme(pPainter);
    EXPECT_EQ(1, CCountedPainter::live) << "not deleted";
    EXPECT_EQ(pPainter, panel->GetPaintManager());
    EXPECT_EQ(xtpTaskPanelThemeCustom, panel->GetCurrentTheme());
    panel->SetTheme(xtpTaskPanelThemeBase);
    EXPECT_EQ(0, CCountedPainter::live) << "replaced, it goes";
}

TEST_F(TaskPanelTest, SettingTheCurrentImageManagerAgainKeepsIt)
{
    CXTPImageManager* pManager = panel->GetImageManager();
    panel->SetImageManager(pManager);
    EXPECT_EQ(pManager, panel->GetImageManager());
    EXPECT_EQ(1, pManager->m_dwRef) << "neither released nor deleted";
}

} // namespace
