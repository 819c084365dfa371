// Group items: hosted controls kept in step with their group (shown in
// place, hidden with a picture while it moves or is closed), selection
// following the focus, and the three item layouts measured and drawn by the
// base painter, measuring agreeing with drawing.
#include "TaskPanelTestSupport.h"

#include "toolkit/foundation/XTPColorManager.h"

#include <gtest/gtest.h>

namespace {

// The pixels of the colour within the rectangle.
int CountOf(PixelCanvas& canvas, COLORREF clr, const CRect& rc)
{
    return rc.Width() * rc.Height() - canvas.CountOther(rc, clr);
}

class HostedControlTest : public TaskPanelTest
{
protected:
    void SetUp() override
    {
        TaskPanelTest::SetUp();
        group = AddGroup(1, 1);
        // A black rectangle, 24 high: easy to find in a picture.
        control.Create(NULL, WS_CHILD | SS_BLACKRECT, CRect(0, 0, 50, 24), panel, 500);
        item = group->AddControlItem(control.GetSafeHwnd());
    }
    // The control's rectangle in the panel's client coordinates.
    std::string Placed()
    {
        return control.IsWindowVisible() ? Text(RectInParent(&control)) : "hidden";
    }
    CXTPTaskPanelGroup* group = nullptr;
    CXTPTaskPanelGroupItem* item = nullptr;
    CStatic control;
};

TEST_F(HostedControlTest, ControlTakesItsItemsPlace)
{
    EXPECT_EQ(xtpTaskItemTypeControl, item->GetType());
    EXPECT_EQ(24, item->GetItemSize().cy) << "as high as the window's client area";
    // Below the link (6 + 18) in the client area starting at 32; inner margins 5 and 7.
    EXPECT_EQ("16 56 180 80", Placed());
    item->SetItemSize(100, 24);
    EXPECT_EQ("16 56 116 80", Placed()) << "a fixed width";
    item->SetItemSize(500, 24);
    EXPECT_EQ("16 56 180 80", Placed()) << "a wider one is cut to the group";
    EXPECT_FALSE(item->IsAcceptFocus()) << "never hot, pressed or focused";
    Mouse(WM_MOUSEMOVE, CPoint(60, 60));
    EXPECT_EQ(NULL, panel->GetHotItem());
}

TEST_F(HostedControlTest, CollapsingHidesTheControlAndOpeningShowsItWhenTheGroupStands)
{
    panel->SetAnimation(0);
    group->SetExpanded(FALSE);
    EXPECT_EQ("hidden", Placed()) << "at once";
    EXPECT_TRUE(item->GetPreviewBitmap() != NULL) << "its picture stands in";
    Tick(3);
    PixelCanvas picture(200, 300);
    PrintPanel(panel, picture);
    const CRect rcClient = group->GetClientRect();
    const COLORREF clrPicture = picture.Pixel(rcClient.CenterPoint().x, rcClient.bottom - 12);
    EXPECT_TRUE(clrPicture != kWhite && GetRValue(clrPicture) == GetBValue(clrPicture) && GetRValue(clrPicture) < 200)
        << std::hex << clrPicture << ": the black picture moves, fading, with the group";
    Tick(10);
    EXPECT_EQ("hidden", Placed());
    group->SetExpanded(TRUE);
    Tick(5);
    EXPECT_EQ("hidden", Placed()) << "still moving";
    Tick(6);
    EXPECT_EQ("16 56 180 80", Placed()) << "back at its place when the movement ends";
    EXPECT_TRUE(item->GetPreviewBitmap() == NULL);
}

TEST_F(HostedControlTest, ScrollingMovesTheControl)
{
    for (UINT nID = 2; nID <= 5; nID++)
        AddGroup(nID, 3);
    ASSERT_NE(0, panel->GetStyle() & WS_VSCROLL);
    panel->SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ("16 50 163 74", Placed()) << "narrower beside the scroll bar";
    panel->SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(56 - panel->GetScrollOffset(), RectInParent(&control).top) << "out of sight with its group";
}

// WM_PRINT draws the panel and, with PRF_CHILDREN, each shown child window
// at its place in the client area, also when the panel is scrolled.
TEST_F(HostedControlTest, PrintingWithChildrenDrawsTheControlAtItsPlace)
{
    for (UINT nID = 2; nID <= 5; nID++)
        AddGroup(nID, 3);
    // The control's own colour, as it prints itself.
    PixelCanvas alone(10, 10);
    control.SendMessage(WM_PRINT, (WPARAM)alone.dc().GetSafeHdc(), PRF_CLIENT);
    const COLORREF clrControl = alone.Pixel(3, 3);
    ASSERT_NE(kWhite, clrControl);
    struct Row
    {
        const char* name;
        UINT nScrolls;
        LPARAM nFlags;
        bool bControlShown;
    } rows[] = {
        {"with children", 0, PRF_CLIENT | PRF_CHILDREN, true},
        {"with children, scrolled", 1, PRF_CLIENT | PRF_CHILDREN, true},
        {"the client area alone", 0, PRF_CLIENT, false},
    };
    for (const Row& row : rows)
    {
        panel->SendMessage(WM_VSCROLL, SB_TOP, 0);
        for (UINT i = 0; i < row.nScrolls; i++)
            panel->SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
        const CRect rcControl = RectInParent(&control);
        PixelCanvas canvas(200, 300);
        panel->SendMessage(WM_PRINT, (WPARAM)canvas.dc().GetSafeHdc(), row.nFlags);
        EXPECT_EQ(row.bControlShown ? rcControl.Width() * rcControl.Height() : 0,
                  CountOf(canvas, clrControl, rcControl))
            << row.name;
        CRect rcAround = rcControl;
        rcAround.InflateRect(0, 2);
        EXPECT_EQ(CountOf(canvas, clrControl, rcControl), CountOf(canvas, clrControl, rcAround))
            << row.name << ": nothing of its colour above or below it";
    }
}

TEST_F(HostedControlTest, RemovingTheItemHidesItsWindow)
{
    ASSERT_TRUE(control.IsWindowVisible());
    item->Remove();
    EXPECT_FALSE(control.IsWindowVisible());
    EXPECT_TRUE(::IsWindow(control.GetSafeHwnd())) << "the window is not the item's to destroy";
}

TEST_F(TaskPanelTest, ControlItemWithoutItsWindowDrawsNothing)
{
    // As a control item comes back from saved settings: its window is not
    // stored, its size is.
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 0);
    CXTPTaskPanelGroupItem* pItem = pGroup->AddTextItem("Placeholder");
    pItem->SetType(xtpTaskItemTypeControl);
    pItem->SetItemSize(0, 24);
    const COLORREF clrClient = painter->GetGroupColors(FALSE)->clrClient;
    PixelCanvas canvas(200, 300, kRed);
    PrintPanel(panel, canvas);
    const CRect rcItem = pItem->GetHitTestRect();
    ASSERT_EQ(24, rcItem.Height());
    EXPECT_EQ(0, canvas.CountOther(rcItem, clrClient)) << "only the group's face where the window would be";
}

TEST_F(TaskPanelTest, SelectionFollowsFocusWhenAsked)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 3);
    panel->SetSingleSelection(TRUE);
    pGroup->GetAt(1)->SetItemSelected(TRUE);
    EXPECT_EQ(pGroup->GetAt(1), panel->GetFocusedItem()) << "selecting focuses";
    EXPECT_TRUE(pGroup->GetAt(1)->IsItemSelected());
    pGroup->GetAt(1)->SetItemSelected(FALSE);
    EXPECT_TRUE(pGroup->GetAt(1)->IsItemSelected()) << "deselecting does nothing";
    panel->SetFocusedItem(pGroup->GetAt(2));
    EXPECT_FALSE(pGroup->GetAt(1)->IsItemSelected());

    panel->SetSingleSelection(FALSE);
    panel->SetSelectItemOnFocus(TRUE);
    panel->SetFocusedItem(pGroup->GetAt(0));
    EXPECT_TRUE(pGroup->GetAt(0)->IsItemSelected()) << "focusing a link selects it";
    EXPECT_FALSE(pGroup->GetAt(2)->IsItemSelected());
}

// Items drawn by the base painter in each layout, with an image list of
// 16 x 16 icons (ids 0 to 3) on the panel.
class ItemDrawingTest : public TaskPanelTest
{
protected:
    void SetUp() override
    {
        TaskPanelTest::SetUp();
        panel->SetTheme(xtpTaskPanelThemeBase);
        base = panel->GetPaintManager();
        images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 1);
        HICON hIcon = SolidIcon(kBlue);
        images.Add(hIcon);
        ::DestroyIcon(hIcon);
        panel->SetImageList(&images);
        group = AddGroup(1, 0);
        link = group->AddLinkItem(101, 0);
        link->SetCaption("A link");
        bare = group->AddLinkItem(102);
        bare->SetCaption("A link");
        text = group->AddTextItem("A link");
    }
    CRect Measure(CXTPTaskPanelItem* pItem, CRect rc = CRect(10, 20, 190, 20))
    {
        CClientDC dc(panel);
        return base->DrawGroupItem(&dc, pItem, rc, FALSE);
    }
    // The item drawn on white in its measured rectangle: what it painted.
    CRect DrawnBounds(CXTPTaskPanelItem* pItem, CRect* pMeasured = NULL)
    {
        const CRect rc = Measure(pItem);
        if (pMeasured != NULL)
            *pMeasured = rc;
        PixelCanvas canvas(200, 120);
        base->DrawGroupItem(&canvas.dc(), pItem, rc, TRUE);
        return canvas.PaintedBounds(kWhite);
    }
    CXTPTaskPanelPainter* base = nullptr;
    CImageList images;
    CXTPTaskPanelGroup* group = nullptr;
    CXTPTaskPanelGroupItem *link = nullptr, *bare = nullptr, *text = nullptr;
};

TEST_F(ItemDrawingTest, ImageBesideTextMeasuresWhatItDraws)
{
    const CRect rcLink = Measure(link), rcBare = Measure(bare), rcText = Measure(text);
    EXPECT_EQ(rcLink.Width(), rcBare.Width()) << "a link without an image keeps the image's room";
    EXPECT_EQ(rcText.Width() + 16 + 7, rcLink.Width()) << "the icon and 7 pixels before the text";
    EXPECT_GE(rcLink.Height(), 16 + 4) << "at least the icon and the inner margins";
    EXPECT_EQ(10, rcText.left);
    panel->SetHotTrackStyle(xtpTaskPanelHighlightItem);
    EXPECT_EQ("10 20 190", Text(Measure(link)).substr(0, 9)) << "the whole width under hot-track style 3";
    panel->SetHotTrackStyle(xtpTaskPanelHighlightText);

    CRect rcMeasured;
    const CRect rcDrawn = DrawnBounds(link, &rcMeasured);
    EXPECT_EQ(rcDrawn, rcDrawn & rcMeasured) << Text(rcDrawn) << " within " << Text(rcMeasured);
    EXPECT_EQ(rcMeasured.left + 2, rcDrawn.left) << "the image at the inner margin";
    const CRect rcTextDrawn = DrawnBounds(text);
    EXPECT_GE(rcTextDrawn.left, 12) << "a text starts at the inner margin";
    EXPECT_LT(rcTextDrawn.left, 12 + 16) << "with no image's room";
}

TEST_F(ItemDrawingTest, ImageAboveTextMeasuresWhatItDraws)
{
    group->SetItemLayout(xtpTaskItemLayoutImagesWithTextBelow);
    const CRect rcLink = Measure(link), rcBare = Measure(bare), rcText = Measure(text);
    EXPECT_EQ(rcText.Height() + 16 + 3, rcLink.Height());
    EXPECT_EQ(rcLink.Height(), rcBare.Height()) << "a link without an image keeps the image's room above";
    EXPECT_NEAR(100, rcLink.CenterPoint().x, 1) << "centred on the band";
    for (CXTPTaskPanelGroupItem* pItem : {link, bare, text})
    {
        CRect rcMeasured;
        const CRect rcDrawn = DrawnBounds(pItem, &rcMeasured);
        EXPECT_EQ(rcDrawn, rcDrawn & rcMeasured) << Text(rcDrawn) << " within " << Text(rcMeasured) << " for "
                                                 << (pItem == link ? "the link" : pItem == bare ? "the bare link" : "the text");
    }
    const CRect rc = Measure(link);
    PixelCanvas canvas(200, 120);
    base->DrawGroupItem(&canvas.dc(), link, rc, TRUE);
    // The blue icon's columns along its middle row, and its top.
    int nLeft = -1, nRight = -1;
    for (int x = 0; x < 200; x++)
    {
        if (canvas.Pixel(x, rc.top + 10) != kBlue)
            continue;
        if (nLeft < 0)
            nLeft = x;
        nRight = x;
    }
    EXPECT_EQ(kBlue, canvas.Pixel(nLeft, rc.top + 2)) << "the image at the top";
    EXPECT_NE(kBlue, canvas.Pixel(nLeft, rc.top + 1));
    const CRect rcIcon(nLeft, rc.top + 2, nRight + 1, rc.top + 18);
    EXPECT_NEAR(100, rcIcon.CenterPoint().x, 1) << "centred";
}

TEST_F(ItemDrawingTest, WrappedCaptionFitsTheMeasuredItemAtEveryWidth)
{
    // Drawn text that wraps to more lines than were measured is cut off: at
    // every band width the caption as drawn ends inside the item.
    link->SetCaption("Open the news page of this keyword");
    struct Row
    {
        const char* name;
        int nLayout;
        int nHotTrackStyle;
    } rows[] = {{"beside, whole-item highlight", xtpTaskItemLayoutImagesWithText, xtpTaskPanelHighlightItem},
                {"beside, underlined links", xtpTaskItemLayoutImagesWithText, xtpTaskPanelHighlightText},
                {"above, whole-item highlight", xtpTaskItemLayoutImagesWithTextBelow, xtpTaskPanelHighlightItem},
                {"above, image highlight", xtpTaskItemLayoutImagesWithTextBelow, xtpTaskPanelHighlightImage}};
    for (const Row& row : rows)
    {
        group->SetItemLayout(row.nLayout);
        panel->SetHotTrackStyle(row.nHotTrackStyle);
        for (int nRight = 60; nRight <= 190; nRight++)
        {
            const CRect rcItem = Measure(link, CRect(10, 20, nRight, 20));
            PixelCanvas canvas(200, 200);
            base->DrawGroupItem(&canvas.dc(), link, rcItem, TRUE);
            CRect rcText;
            link->GetTextRect(&rcText);
            ASSERT_LE(rcText.bottom, rcItem.bottom - base->GetItemInnerMargins(link).bottom)
                << row.name << ", band 10 to " << nRight << ": the text ends below the item "
                << Text(rcItem);
        }
    }
}

TEST_F(ItemDrawingTest, ImageOnlyIsCentredAndHighlightedUnlessStyle4)
{
    group->SetItemLayout(xtpTaskItemLayoutImages);
    EXPECT_EQ("90 20 110 40", Text(Measure(link, CRect(80, 20, 120, 20)))) << "the icon with its margins, centred";
    const CRect rcCell(10, 10, 38, 38);
    PixelCanvas canvas(60, 60);
    panel->SetHotItem(link);
    base->DrawGroupItem(&canvas.dc(), link, rcCell, TRUE);
    EXPECT_NE(kWhite, canvas.Pixel(rcCell.left, rcCell.top + 5)) << "the hot frame";
    canvas.Fill(kWhite);
    panel->SetHotTrackStyle(xtpTaskPanelHighlightNone);
    base->DrawGroupItem(&canvas.dc(), link, rcCell, TRUE);
    EXPECT_EQ(kWhite, canvas.Pixel(rcCell.left, rcCell.top + 5)) << "no highlight under style 4";
    EXPECT_EQ(CRect(16, 16, 32, 32), canvas.PaintedBounds(kWhite) & CRect(16, 16, 32, 32)) << "the icon centred";
}

TEST_F(ItemDrawingTest, HotLinkIsUnderlinedInTheHotColourUnderStyle1)
{
    const COLORREF clrHot = base->GetGroupColors(FALSE)->clrClientLinkHot;
    const COLORREF clrLink = base->GetGroupColors(FALSE)->clrClientLink;
    ASSERT_NE(clrHot, clrLink);
    const CRect rc = Measure(bare);
    PixelCanvas plain(200, 120), hot(200, 120);
    base->DrawGroupItem(&plain.dc(), bare, rc, TRUE);
    panel->SetHotItem(bare);
    base->DrawGroupItem(&hot.dc(), bare, rc, TRUE);
    EXPECT_GT(CountOf(plain, clrLink, rc), 0);
    EXPECT_EQ(0, CountOf(plain, clrHot, rc));
    EXPECT_GT(CountOf(hot, clrHot, rc), CountOf(plain, clrLink, rc)) << "the hot colour, and more of it: underlined";
    panel->SetHotTrackStyle(xtpTaskPanelHighlightImage);
    PixelCanvas other(200, 120);
    base->DrawGroupItem(&other.dc(), bare, rc, TRUE);
    EXPECT_EQ(0, CountOf(other, clrHot, rc)) << "other styles keep the link colour";
}

TEST_F(ItemDrawingTest, DisabledTextIsGreyAndEmbossedWhereTheThemeSaysSo)
{
    text->SetEnabled(FALSE);
    const CRect rc = Measure(text);
    PixelCanvas canvas(200, 120, kBlack);
    base->DrawGroupItem(&canvas.dc(), text, rc, TRUE);
    EXPECT_GT(CountOf(canvas, XTPGetColor(COLOR_GRAYTEXT), rc), 0);
    EXPECT_EQ(0, CountOf(canvas, XTPGetColor(COLOR_BTNHIGHLIGHT), rc));
    panel->SetTheme(xtpTaskPanelThemeDarkButton);
    canvas.Fill(kBlack);
    panel->GetPaintManager()->DrawGroupItem(&canvas.dc(), text, rc, TRUE);
    EXPECT_GT(CountOf(canvas, XTPGetColor(COLOR_BTNHIGHLIGHT), rc), 0) << "the light copy beneath";
}

} // namespace
