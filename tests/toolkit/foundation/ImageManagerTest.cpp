// The image manager: icon sets by width, state rules, toolbar resources,
// bitmap strips, icon resources and files, and the generated images.
#include "ImageTestSupport.h"
#include "tests/support/PixelCanvas.h"
#include "tests/support/TempFolder.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPDisplayDepth.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {
// An owned icon image of one colour.
struct SolidIcon
{
    SolidIcon(int nWidth, int nHeight, COLORREF clrFill) { handle = MakeIcon(nWidth, nHeight, clrFill); }
    CXTPImageManagerIconHandle handle;
};

// Taking another handle's images: owned images move without a copy and the
// other is left empty; a view's images are copied and the view keeps them.
TEST(ImageManagerIconHandle, TakingMovesOwnedImagesAndCopiesAViewsImages)
{
    HICON hOwned = MakeIcon(16, 15, RGB(200, 0, 0));
    CXTPImageManagerIconHandle owner;
    owner.Own(hOwned, CSize(16, 15));
    CXTPImageManagerIconHandle taken;
    taken.TakeHandle(owner);
    EXPECT_EQ(hOwned, taken.GetIcon());
    EXPECT_TRUE(owner.IsEmpty());
    EXPECT_EQ(CSize(16, 15), taken.GetExtent());

    HICON hKept = MakeIcon(16, 16, RGB(0, 200, 0));
    CXTPImageManagerIconHandle view(hKept);
    CXTPImageManagerIconHandle copied;
    copied.TakeHandle(view);
    EXPECT_EQ(hKept, view.GetIcon()) << "the view keeps its image";
    EXPECT_NE(hKept, copied.GetIcon());
    EXPECT_EQ(RGB(0, 200, 0), IconPixel(copied.GetIcon(), 8, 8));
    ::DestroyIcon(hKept);
}

// The extent is asked of the system once; a handle given its images' size
// takes that; clearing forgets it.
TEST(ImageManagerIconHandle, TheExtentIsKeptUntilTheImagesChange)
{
    CXTPImageManagerIconHandle handle;
    handle = MakeIcon(24, 20, RGB(0, 0, 200));
    EXPECT_EQ(CSize(24, 20), handle.GetExtent());
    handle.Own(MakeIcon(16, 16, RGB(0, 0, 200)), CSize(16, 15));
    EXPECT_EQ(CSize(16, 15), handle.GetExtent()) << "the size it was given";
    handle.Clear();
    EXPECT_EQ(CSize(0, 0), handle.GetExtent());
    handle = MakeAlphaBitmap(12, 10, 0xFF102030);
    EXPECT_EQ(CSize(12, 10), handle.GetExtent());
}

// A manager's own images go into their icons without a copy: the icon of a
// toolbar image is the one the manager extracted, at the list's image size.
TEST(ImageManager, ToolbarImagesKeepTheSizeOfTheirList)
{
    CXTPImageManager manager;
    CImageList images;
    ASSERT_TRUE(images.Create(16, 15, ILC_COLOR24 | ILC_MASK, 0, 1));
    HICON hIcon = MakeIcon(16, 15, RGB(10, 20, 30));
    images.Add(hIcon);
    ::DestroyIcon(hIcon);
    UINT nCommand = 9001;
    ASSERT_TRUE(manager.SetIcons(images, &nCommand, 1, CSize(16, 16), xtpImageNormal));
    CXTPImageManagerIcon* pIcon = manager.GetImage(nCommand, 16);
    ASSERT_TRUE(pIcon != NULL);
    EXPECT_EQ(15, pIcon->GetHeight()) << "the list's images are 15 high whatever size they are filed under";
    EXPECT_EQ(RGB(10, 20, 30), IconPixel(pIcon->GetIcon(), 8, 7));
}

TEST(ImageManager, ExactWidthOrANearestScaledCopy)
{
    CXTPImageManager manager;
    SolidIcon icon16(16, 16, RGB(255, 0, 0));
    SolidIcon icon32(32, 32, RGB(0, 0, 255));
    ASSERT_TRUE(manager.SetIcon(icon16.handle, 1));
    ASSERT_TRUE(manager.SetIcon(icon32.handle, 1));
    EXPECT_FALSE(manager.GetImage(1, 32)->IsScaled());

    // A tie keeps the first icon in the map's order (width 16).
    CXTPImageManagerIcon* pScaled = manager.GetImage(1, 24);
    EXPECT_TRUE(pScaled->IsScaled());
    EXPECT_EQ("16x16 0000FF hot 0000FF; 24x24 0000FF hot 0000FF; 32x32 FF0000 hot FF0000; ",
              DescribeIconSet(manager, 1));
    EXPECT_EQ(pScaled, manager.GetImage(1, 24)) << "the copy is kept";

    manager.RefreshAll();
    EXPECT_EQ("16x16 0000FF hot 0000FF; 32x32 FF0000 hot FF0000; ", DescribeIconSet(manager, 1));
    EXPECT_EQ(16, manager.GetImage(1, 0)->GetWidth()) << "width 0 is never scaled";
    EXPECT_TRUE(manager.GetImage(2, 16) == NULL);
    CXTPImageManagerIconHandle alpha;
    alpha = MakeAlphaBitmap(16, 16, 0x80102030);
    ASSERT_TRUE(manager.SetIcon(alpha, 5));
    EXPECT_EQ(16, manager.GetImage(5, 24)->GetWidth());
    EXPECT_EQ("16x16 alpha 80102030; ", DescribeIconSet(manager, 5)) << "a deep copy";
}

// Scaled copies are bounded: none wider than the widest icon a set scales
// to (a width from damaged stored data would cost seconds and megabytes
// an icon), and only so many are kept; other widths get the nearest icon as
// it is, which drawing stretches.
TEST(ImageManager, ScaledCopiesAreBoundedInWidthAndNumber)
{
    CXTPImageManager manager;
    SolidIcon icon16(16, 16, RGB(255, 0, 0));
    ASSERT_TRUE(manager.SetIcon(icon16.handle, 1));
    const int nWidest = CXTPImageManagerIconSet::kMaxScaledWidth;
    // Name, width asked for, width answered.
    const std::tuple<const char*, int, int> rows[] = {
        {"wider than any icon is scaled to", 8192, 16},
        {"the widest scaled copy", nWidest, nWidest},
        {"a narrow copy", 20, 20},
        {"another", 24, 24},
        {"the last copy kept", 28, 28},
        {"the set is full: the nearest copy", 30, 28},
        {"a copy kept before", 20, 20},
    };
    for (const auto& [name, nAsked, nAnswered] : rows)
        EXPECT_EQ(nAnswered, manager.GetImage(1, nAsked)->GetWidth()) << name;
    EXPECT_EQ(1 + CXTPImageManagerIconSet::kMaxScaledCopies, (int)manager.GetIconSet(1)->GetIcons().size());
    manager.RefreshAll();
    EXPECT_EQ(30, manager.GetImage(1, 30)->GetWidth()) << "refreshed, the set scales again";
}

// Icon sizes from stored data: each side from 0 to the widest scaled icon.
TEST(ImageManager, IconSizesFromStoredDataAreBounded)
{
    const int nWidest = CXTPImageManagerIconSet::kMaxScaledWidth;
    const std::pair<CSize, bool> rows[] = {
        {CSize(0, 0), true},        {CSize(24, 24), true},           {CSize(nWidest, nWidest), true},
        {CSize(8192, 8192), false}, {CSize(16, nWidest + 1), false}, {CSize(-1, 16), false},
    };
    for (const auto& [size, bAllowed] : rows)
        EXPECT_EQ(bAllowed, (bool)CXTPImageManager::IsIconSizeAllowed(size)) << size.cx << " x " << size.cy;
}

TEST(ImageManager, StateImagesFallBackAndANewNormalImageClearsThem)
{
    CXTPImageManager manager;
    SolidIcon normal(16, 16, RGB(10, 10, 10));
    SolidIcon hot(16, 16, RGB(20, 20, 20));
    SolidIcon checked(16, 16, RGB(30, 30, 30));
    SolidIcon disabled(16, 16, RGB(40, 40, 40));

    EXPECT_FALSE(manager.SetIcon(hot.handle, 9, CSize(16, 16), xtpImageHot));
    EXPECT_FALSE(manager.Lookup(9)) << "a hot image needs an existing set";
    EXPECT_FALSE(manager.SetIcon(CXTPImageManagerIconHandle(), 9));
    EXPECT_FALSE(manager.Lookup(9));

    ASSERT_TRUE(manager.SetIcon(normal.handle, 9));
    CXTPImageManagerIcon* pIcon = manager.GetImage(9, 16);
    // The grey levels of the hot and checked images.
    auto levels = [pIcon]() {
        return std::vector<int>({GetRValue(IconPixel(pIcon->GetHotIcon(), 1, 1)),
                                 GetRValue(IconPixel(pIcon->GetCheckedIcon(), 1, 1))});
    };
    // Hot falls back to normal, checked to hot; the disabled image is generated.
    EXPECT_EQ(std::vector<int>({10, 10}), levels());
    EXPECT_NE(RGB(10, 10, 10), IconPixel(pIcon->GetDisabledIcon(), 1, 1));
    ASSERT_TRUE(manager.SetIcon(hot.handle, 9, CSize(16, 16), xtpImageHot));
    EXPECT_EQ(std::vector<int>({20, 20}), levels());
    ASSERT_TRUE(manager.SetIcon(checked.handle, 9, CSize(16, 16), xtpImageChecked));
    EXPECT_EQ(std::vector<int>({20, 30}), levels());
    ASSERT_TRUE(manager.SetIcon(disabled.handle, 9, CSize(16, 16), xtpImageDisabled));
    EXPECT_EQ(RGB(40, 40, 40), IconPixel(pIcon->GetDisabledIcon(), 1, 1));

    pIcon->SetIcon(normal.handle);
    EXPECT_EQ(std::vector<int>({10, 10}), levels()) << "a new normal image clears the others";
}

TEST(ImageManager, CustomIdsCountUpAndAddedSetsAreShared)
{
    CXTPImageManager custom;
    SolidIcon icon(16, 16, RGB(1, 2, 3));
    EXPECT_EQ(0x10AABu, custom.AddCustomIcon(icon.handle));
    EXPECT_EQ(0x10AACu, custom.AddCustomIcon(icon.handle));

    CXTPImageManager other;
    SolidIcon otherIcon(16, 16, RGB(9, 9, 9));
    other.SetIcon(otherIcon.handle, 0x10AAB);
    other.SetIcon(otherIcon.handle, 77);
    custom.AddIcons(&other);
    EXPECT_EQ("16x16 030201 hot 030201; ", DescribeIconSet(custom, 0x10AAB)) << "sets already present stay";
    EXPECT_EQ(other.GetIconSet(77), custom.GetIconSet(77)) << "shared with a new reference";
    other.RemoveAll();
    EXPECT_TRUE(custom.Lookup(77));
    custom.RemoveIcon(77);
    EXPECT_FALSE(custom.Lookup(77));
}

TEST(ImageManager, ToolbarResourcesGiveTheirCommandsMaskedImages)
{
    // The top-left colour is the mask.
    CXTPImageManager manager;
    ASSERT_TRUE(manager.SetIcons(7100));
    std::vector<COLORREF> colors;
    for (UINT nID : {7101, 7102, 7103})
    {
        CXTPImageManagerIcon* pIcon = manager.GetImage(nID, 16);
        EXPECT_EQ(15, pIcon->GetHeight());
        colors.push_back(IconPixel(pIcon->GetIcon(), 8, 7));
        colors.push_back(IconPixel(pIcon->GetIcon(), 0, 0));
    }
    EXPECT_EQ(std::vector<COLORREF>(
                  {RGB(200, 0, 0), kTransparent, RGB(0, 200, 0), kTransparent, RGB(0, 0, 200), kTransparent}),
              colors);
    EXPECT_FALSE(manager.SetIcons(7999));

    ASSERT_TRUE(manager.SetIcons(7150));
    EXPECT_EQ(RGB(0, 0, 200), IconPixel(manager.GetImage(7153, 16)->GetIcon(), 8, 7))
        << "the versioned 16-bit layout, its separator skipped";
    manager.RemoveAll();
    EXPECT_TRUE(manager.SetIcons(7160, 7100, xtpImageNormal));
    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(7100));
    EXPECT_TRUE(manager.SetIcons(7160, strip, xtpImageNormal));
    EXPECT_TRUE(manager.GetImages().empty()) << "no image is given an id the toolbar does not name";
}

TEST(ImageManager, ToolbarLayoutsAreReadOrRejected)
{
    // The items, or {0xDEAD} for data that is no layout.
    const std::vector<UINT> kInvalid = {0xDEAD};
    const struct
    {
        std::vector<BYTE> data;
        std::vector<UINT> items;
    } kCases[] = {
        {{1, 0, 16, 0, 15, 0, 3, 0, 0x65, 0, 0, 0, 0x66, 0}, {0x65, 0, 0x66}},
        {{16, 0, 0, 0, 15, 0, 0, 0, 2, 0, 0, 0, 0x65, 0, 0, 0, 0, 0, 0, 0}, {0x65, 0}},
        {{1, 0, 16, 0, 15, 0, 2, 0, 0, 0, 0, 0}, {0, 0}},
        {{1, 0, 16, 0, 15, 0, 3, 0, 0x65, 0, 0, 0}, kInvalid},
        {{1, 0, 16, 0, 15, 0, 0xFF, 0xFF}, kInvalid},
        {{16, 0, 0, 0, 15, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x3F}, kInvalid},
        {{1, 0, 16}, kInvalid},
    };
    for (const auto& c : kCases)
    {
        CSize szIcon(0, 0);
        std::vector<UINT> items;
        if (!CXTPImageManager::ReadToolbarLayout(&c.data[0], (DWORD)c.data.size(), szIcon, items))
            items = kInvalid;
        else
            EXPECT_EQ(CSize(16, 15), szIcon);
        EXPECT_EQ(c.items, items);
    }
}

TEST(ImageManager, AlphaStripsKeepTheirAlphaAndUnevenStripsFail)
{
    UINT ids[] = {1, 2, 3};
    CXTPImageManager manager;
    ASSERT_TRUE(manager.SetIcons(7110, ids, 3, CSize(16, 16)));
    // Image i is (30 + i, 20 + i, 10 + i) with alpha 255 in the top row and 15 in the bottom one.
    EXPECT_EQ("16x16 alpha 0F1E140A; ", DescribeIconSet(manager, 1));
    EXPECT_EQ("16x16 alpha 0F20160C; ", DescribeIconSet(manager, 3));
    EXPECT_EQ(0xFF1F150Bu, AlphaPixel(manager.GetImage(2, 16)->GetIcon().GetBitmap(), 0, 0));
    CXTPImageManager fromToolbar;
    ASSERT_TRUE(fromToolbar.SetIcons(7110));
    EXPECT_EQ(0xFF20160Cu, AlphaPixel(fromToolbar.GetImage(7113, 16)->GetIcon().GetBitmap(), 0, 0));

    CXTPImageManager uneven;
    EXPECT_FALSE(uneven.SetIcons(7111, ids, 3, CSize(16, 16)));
    EXPECT_FALSE(uneven.Lookup(1));
    EXPECT_FALSE(uneven.SetIcons(7100, ids, 0, CSize(0, 0))) << "neither count nor width";
    EXPECT_FALSE(uneven.SetIcons(7110, ids, 3, CSize(0, 16)));
    EXPECT_TRUE(uneven.SetIcons(7110, ids, 3, CSize(0, 0))) << "the width comes from the count";
}

TEST(ImageManager, MaskedAlphaBitmapsBlendOverTheMaskColour)
{
    HBITMAP hMasked = CXTPImageManager::LoadAlphaBitmapMasked(7110, RGB(0, 0, 0));
    ASSERT_TRUE(hMasked != NULL);
    // Row 0 has alpha 255: the colour itself (x 255 / 256); row 15 has alpha 15: the background.
    EXPECT_EQ((DWORD)((29 << 16) | (19 << 8) | 9), AlphaPixel(hMasked, 0, 0) & 0xFFFFFF);
    EXPECT_EQ(0u, AlphaPixel(hMasked, 0, 15) & 0xFFFFFF);
    ::DeleteObject(hMasked);
    EXPECT_TRUE(CXTPImageManager::LoadAlphaBitmapMasked(7100, 0) == NULL) << "not 32-bit";
    EXPECT_EQ(RGB(255, 0, 255), CXTPImageManager::GetBitmapPixel(7100, 0, 0));
}

TEST(ImageManager, IconResourcesGiveEveryImageOfTheirGroup)
{
    CXTPImageManager manager;
    ASSERT_TRUE(manager.SetIconFromResource(1, 50, CSize(0, 0))) << "group 1 names image 1 of its own id";
    EXPECT_EQ(RGB(0, 0, 160), IconPixel(manager.GetImage(50, 16)->GetIcon(), 4, 4));
    ASSERT_TRUE(manager.SetIconFromResource(7120, 51, CSize(0, 0)));
    EXPECT_EQ("16x16 alpha 0F1E140A; 32x32 008000 hot 008000; ", DescribeIconSet(manager, 51));
    EXPECT_FALSE(manager.SetIconFromResource(7999, 52, CSize(0, 0)));
}

TEST(ImageManager, IconAndBitmapFilesGiveTheirAlphaImages)
{
    std::string strIco = TestImagePath("two_sizes.ico");
    HBITMAP hAlpha = CXTPImageManagerIcon::LoadAlphaIcon(strIco.c_str(), 16);
    EXPECT_EQ(0xFF1E140Au, AlphaPixel(hAlpha, 0, 0));
    ::DeleteObject(hAlpha);
    EXPECT_TRUE(CXTPImageManagerIcon::LoadAlphaIcon(strIco.c_str(), 32) == NULL)
        << "the 32-pixel image has 24 bits";
    EXPECT_TRUE(CXTPImageManagerIcon::IsAlphaBitmapFile(TestImagePath("alpha_strip.bmp").c_str()));
    EXPECT_FALSE(CXTPImageManagerIcon::IsAlphaBitmapFile(TestImagePath("toolbar_strip.bmp").c_str()));
    EXPECT_FALSE(CXTPImageManagerIcon::IsAlphaBitmapFile("Z:\\no\\such.bmp"));
}

TEST(ImageManager, TruncatedFilesFailUntilTheImageEnds)
{
    // The 16-pixel image ends at byte 1166: the 6-byte header, two 16-byte
    // entries, and 40 + 1024 + 64 bytes of image.
    const size_t kImageEnd = 1166;
    TempFolder folder;
    std::string strPath = folder.File("truncated.img");
    std::string strIcon = ReadBytes(TestImagePath("two_sizes.ico"));
    for (size_t nLength = 0; nLength < 1300; nLength += (nLength < 1100 ? 37 : 1))
    {
        WriteBytes(strPath, strIcon.substr(0, nLength));
        HBITMAP hAlpha = CXTPImageManagerIcon::LoadAlphaIcon(strPath.c_str(), 16);
        EXPECT_EQ(nLength >= kImageEnd, hAlpha != NULL) << nLength;
        if (hAlpha != NULL)
            ::DeleteObject(hAlpha);
    }
    WriteBytes(strPath, ReadBytes(TestImagePath("alpha_strip.bmp")).substr(0, 40));
    EXPECT_FALSE(CXTPImageManagerIcon::IsAlphaBitmapFile(strPath.c_str()));
}

// The generated images follow fixed pixel rules: an icon and an alpha image
// with the pixels (0, 0) black, (1, 0) grey 100, (2, 0) grey 64, and the icon
// transparent at (3, 0).
struct GeneratedImages : ::testing::Test
{
    void SetUp() override
    {
        PixelRows pixels(16 * 16, 0x000000);
        pixels[1] = 0x646464;
        pixels[2] = 0x404040;
        pixels[3] = kTransparent;
        m_hIcon = MakeIcon(16, 16, pixels);
        m_icon.SetIcon(CXTPImageManagerIconHandle(m_hIcon));
        PixelRows alphaPixels(16 * 16, 0x80000000);
        alphaPixels[1] = 0x40646464;
        alphaPixels[2] = 0xC0404040;
        HBITMAP hAlpha = MakeAlphaBitmap(16, 16, alphaPixels);
        m_alpha.SetIcon(CXTPImageManagerIconHandle(hAlpha));
        ::DeleteObject(hAlpha);
    }
    void TearDown() override
    {
        ::DestroyIcon(m_hIcon);
        XTPSetBitsPixelForTesting(0);
    }
    std::vector<COLORREF> FirstRow(HICON hIcon)
    {
        return {IconPixel(hIcon, 0, 0), IconPixel(hIcon, 1, 0), IconPixel(hIcon, 2, 0),
                IconPixel(hIcon, 3, 0)};
    }
    std::vector<DWORD> FirstRow(HBITMAP hBitmap)
    {
        return {AlphaPixel(hBitmap, 0, 0), AlphaPixel(hBitmap, 1, 0), AlphaPixel(hBitmap, 2, 0)};
    }
    HICON m_hIcon = NULL;
    CXTPImageManagerIcon m_icon = CXTPImageManagerIcon(1, 16, 16);
    CXTPImageManagerIcon m_alpha = CXTPImageManagerIcon(2, 16, 16);
};

TEST_F(GeneratedImages, FadedImagesAreLighterExceptOnLowColourDisplays)
{
    EXPECT_EQ(std::vector<COLORREF>({RGB(76, 76, 76), RGB(146, 146, 146), RGB(121, 121, 121), kTransparent}),
              FirstRow(m_icon.GetFadedIcon()));
    EXPECT_EQ(std::vector<DWORD>({0x804C4C4C, 0x40929292, 0xC0797979}),
              FirstRow(m_alpha.GetFadedIcon().GetBitmap()));

    XTPSetBitsPixelForTesting(8);
    CXTPImageManagerIcon lowColor(3, 16, 16);
    lowColor.SetIcon(CXTPImageManagerIconHandle(m_hIcon));
    EXPECT_EQ(RGB(100, 100, 100), IconPixel(lowColor.GetFadedIcon(), 1, 0)) << "unchanged copy";
}

TEST_F(GeneratedImages, DisabledImagesAreGreyLevels)
{
    XTPSetBitsPixelForTesting(8);
    HICON hDisabled = m_icon.GetDisabledIcon();
    EXPECT_EQ(std::vector<COLORREF>({RGB(0, 0, 0), RGB(127, 127, 127), kTransparent}),
              std::vector<COLORREF>(
                  {IconPixel(hDisabled, 0, 0), IconPixel(hDisabled, 2, 0), IconPixel(hDisabled, 3, 0)}));
    EXPECT_EQ(0xC07F7F7Fu, AlphaPixel(m_alpha.GetDisabledIcon().GetBitmap(), 2, 0));
}

TEST_F(GeneratedImages, ShadowImagesTakeTheHighlightColourAndTheHotImagesAlpha)
{
    XTPSetBitsPixelForTesting(8);
    // Three quarters of colour 31.
    XTPColorManager()->SetColor(31, RGB(200, 100, 40));
    EXPECT_EQ(std::vector<COLORREF>({RGB(150, 75, 30), RGB(150, 75, 30), RGB(150, 75, 30), kTransparent}),
              FirstRow(m_icon.GetShadowIcon()));
    HBITMAP hHot = MakeAlphaBitmap(16, 16, 0x11223344);
    m_alpha.SetHotIcon(CXTPImageManagerIconHandle(hHot));
    ::DeleteObject(hHot);
    EXPECT_EQ(0x11964B1Eu, AlphaPixel(m_alpha.GetShadowIcon().GetBitmap(), 5, 5)) << "the hot image's alpha";
    XTPColorManager()->SetColor(31, 0xFFFFFFFF);
}

TEST_F(GeneratedImages, MonochromeDrawingColoursEveryOpaquePixel)
{
    XTPSetBitsPixelForTesting(8);
    PixelCanvas canvas(64, 64);
    m_icon.DrawMono(&canvas.dc(), CPoint(0, 0), m_icon.GetIcon(), CSize(16, 16), kBlue);
    // Opaque pixels take the colour, a transparent one stays.
    EXPECT_EQ(std::vector<COLORREF>({kBlue, kBlue, kWhite, kWhite}),
              std::vector<COLORREF>(
                  {canvas.Pixel(0, 0), canvas.Pixel(5, 5), canvas.Pixel(3, 0), canvas.Pixel(20, 20)}));
}

TEST_F(GeneratedImages, ImagesDrawAtTheirSizeOrScaledAndBlendTheirAlpha)
{
    CXTPImageManagerIcon icon(1, 16, 15);
    HICON hIcon = MakeIcon(16, 15, RGB(0, 0, 0));
    icon.SetIcon(CXTPImageManagerIconHandle(hIcon));
    ::DestroyIcon(hIcon);
    PixelCanvas own(64, 64);
    icon.Draw(&own.dc(), CPoint(2, 3), icon.GetIcon());
    EXPECT_EQ(CRect(2, 3, 18, 18), own.PaintedBounds(kWhite));
    PixelCanvas wide(64, 64);
    icon.Draw(&wide.dc(), CPoint(0, 0), icon.GetIcon(), CSize(32, 0));
    EXPECT_EQ(CRect(0, 0, 32, 30), wide.PaintedBounds(kWhite));

    PixelCanvas canvas(64, 64);
    m_alpha.Draw(&canvas.dc(), CPoint(0, 0), m_alpha.GetIcon());
    // Black at alpha 0x80 over white: about half grey.
    EXPECT_NEAR(0x7F, (int)GetRValue(canvas.Pixel(5, 5)), 2);
    EXPECT_EQ(CRect(0, 0, 16, 16), canvas.PaintedBounds(kWhite));
}

TEST(ImageManager, MirroredDrawingSwapsLeftAndRight)
{
    PixelRows pixels(16 * 16);
    for (int i = 0; i < 16 * 16; i++)
        pixels[i] = (i % 16) < 8 ? 0xFF0000 : 0x0000FF;
    HICON hHalves = MakeIcon(16, 16, pixels);
    CXTPImageManager manager;
    manager.SetIcon(CXTPImageManagerIconHandle(hHalves), 1);
    ::DestroyIcon(hHalves);
    CXTPImageManagerIcon* pIcon = manager.GetImage(1, 16);
    manager.m_bDrawReverted = TRUE;
    PixelCanvas mirrored(64, 64);
    pIcon->Draw(&mirrored.dc(), CPoint(0, 0), pIcon->GetIcon());
    // Red on the left, blue on the right, mirrored.
    EXPECT_EQ(std::vector<COLORREF>({kBlue, kRed}),
              std::vector<COLORREF>({mirrored.Pixel(2, 5), mirrored.Pixel(13, 5)}));
}

} // namespace
