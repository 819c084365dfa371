// The image manager: icon sets by width, state rules, toolbar resources,
// bitmap strips, icon resources and files, and the generated images.
#include "ImageTestSupport.h"
#include "tests/support/PixelCanvas.h"
#include "tests/support/TempFolder.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPDisplayDepth.h"
#include "toolkit/foundation/XTPOptionalLibrary.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <stdio.h>

namespace {
// An owned icon image of one colour.
struct SolidIcon
{
    SolidIcon(int nWidth, int nHeight, COLORREF clrFill) { handle = MakeIcon(nWidth, nHeight, clrFill); }
    CXTPImageManagerIconHandle handle;
};

TEST(ImageManager, ExactWidthOrANearestScaledCopy)
{
    CXTPImageManager manager;
    SolidIcon icon16(16, 16, RGB(255, 0, 0));
    SolidIcon icon32(32, 32, RGB(0, 0, 255));
    ASSERT_TRUE(manager.SetIcon(icon16.handle, 1));
    ASSERT_TRUE(manager.SetIcon(icon32.handle, 1));
    CXTPImageManagerIconSet* pSet = manager.GetIconSet(1);
    ASSERT_TRUE(pSet != NULL);

    CXTPImageManagerIcon* pExact = manager.GetImage(1, 32);
    ASSERT_TRUE(pExact != NULL);
    EXPECT_EQ(32, pExact->GetWidth());
    EXPECT_FALSE(pExact->IsScaled());
    EXPECT_TRUE(pSet->GetIcon(24, FALSE) == NULL);

    CXTPImageManagerIcon* pScaled = manager.GetImage(1, 24);
    ASSERT_TRUE(pScaled != NULL);
    EXPECT_TRUE(pScaled->IsScaled());
    EXPECT_EQ(24, pScaled->GetWidth());
    EXPECT_EQ(24, pScaled->GetHeight());
    EXPECT_EQ(RGB(255, 0, 0), IconColor(pScaled->GetIcon(), 12, 12))
        << "a tie keeps the first icon in the map's order (width 16)";
    EXPECT_EQ(pScaled, manager.GetImage(1, 24)) << "the copy is kept";
    EXPECT_EQ(3u, pSet->GetIcons().size());

    manager.RefreshAll();
    EXPECT_EQ(2u, pSet->GetIcons().size());
    EXPECT_TRUE(pSet->GetIcon(24, FALSE) == NULL);
    EXPECT_EQ(16, manager.GetImage(1, 0)->GetWidth()) << "width 0 is never scaled";
    EXPECT_TRUE(manager.GetImage(2, 16) == NULL);
}

TEST(ImageManager, AlphaIconsAreNotScaled)
{
    CXTPImageManager manager;
    CXTPImageManagerIconHandle alpha;
    alpha = MakeAlphaBitmap(16, 16, 0x80102030);
    ASSERT_TRUE(manager.SetIcon(alpha, 5));
    CXTPImageManagerIcon* pIcon = manager.GetImage(5, 24);
    ASSERT_TRUE(pIcon != NULL);
    EXPECT_EQ(16, pIcon->GetWidth());
    EXPECT_TRUE(pIcon->IsAlpha());
    EXPECT_EQ(0x80102030u, AlphaPixel(pIcon->GetIcon().GetBitmap(), 3, 3)) << "a deep copy";
}

TEST(ImageManager, StateRules)
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
    EXPECT_EQ(RGB(10, 10, 10), IconColor(pIcon->GetHotIcon(), 1, 1)) << "hot falls back to normal";
    EXPECT_EQ(RGB(10, 10, 10), IconColor(pIcon->GetCheckedIcon(), 1, 1));
    ASSERT_TRUE(manager.SetIcon(hot.handle, 9, CSize(16, 16), xtpImageHot));
    EXPECT_EQ(RGB(20, 20, 20), IconColor(pIcon->GetHotIcon(), 1, 1));
    EXPECT_EQ(RGB(20, 20, 20), IconColor(pIcon->GetCheckedIcon(), 1, 1)) << "checked falls back to hot";
    ASSERT_TRUE(manager.SetIcon(checked.handle, 9, CSize(16, 16), xtpImageChecked));
    EXPECT_EQ(RGB(30, 30, 30), IconColor(pIcon->GetCheckedIcon(), 1, 1));

    HICON hGenerated = pIcon->GetDisabledIcon();
    ASSERT_TRUE(hGenerated != NULL);
    EXPECT_NE(RGB(40, 40, 40), IconColor(hGenerated, 1, 1));
    ASSERT_TRUE(manager.SetIcon(disabled.handle, 9, CSize(16, 16), xtpImageDisabled));
    EXPECT_EQ(RGB(40, 40, 40), IconColor(pIcon->GetDisabledIcon(), 1, 1));

    pIcon->SetIcon(normal.handle);
    EXPECT_EQ(RGB(10, 10, 10), IconColor(pIcon->GetHotIcon(), 1, 1))
        << "a new normal image clears the others";
}

TEST(ImageManager, CustomIdsRemovalAndSharing)
{
    CXTPImageManager manager;
    SolidIcon icon(16, 16, RGB(1, 2, 3));
    EXPECT_EQ(0x10AABu, manager.AddCustomIcon(icon.handle));
    EXPECT_EQ(0x10AACu, manager.AddCustomIcon(icon.handle));
    EXPECT_EQ(16, manager.GetImage(0x10AAB, 16)->GetWidth());

    CXTPImageManager other;
    SolidIcon otherIcon(16, 16, RGB(9, 9, 9));
    other.SetIcon(otherIcon.handle, 0x10AAB);
    other.SetIcon(otherIcon.handle, 77);
    manager.AddIcons(&other);
    EXPECT_EQ(RGB(1, 2, 3), IconColor(manager.GetImage(0x10AAB, 16)->GetIcon(), 0, 0))
        << "sets already present stay";
    EXPECT_EQ(other.GetIconSet(77), manager.GetIconSet(77)) << "shared with a new reference";
    other.RemoveAll();
    EXPECT_TRUE(manager.GetImage(77, 16) != NULL);

    manager.RemoveIcon(77);
    EXPECT_FALSE(manager.Lookup(77));
    EXPECT_EQ(0xFFFFFFFFu, manager.SetMaskColor(RGB(1, 1, 1)));
    EXPECT_EQ(RGB(1, 1, 1), manager.GetMaskColor());
}

TEST(ImageManager, AlphaImageListsNeedCommonControlsSix)
{
    DLLVERSIONINFO version = {sizeof(DLLVERSIONINFO), 6, 0, 0, 0};
    XTPSetDllVersionForTesting(&version);
    EXPECT_TRUE(CXTPImageManager::IsAlphaIconsImageListSupported());
    version.dwMajorVersion = 5;
    version.dwMinorVersion = 81;
    XTPSetDllVersionForTesting(&version);
    EXPECT_FALSE(CXTPImageManager::IsAlphaIconsImageListSupported());
    XTPSetDllVersionForTesting(NULL);
    EXPECT_TRUE(CXTPImageManager().IsAlphaIconsSupported()) << "msimg32 is there";
}

TEST(ImageManager, ToolbarResourcesSkipSeparators)
{
    UINT* pItems = NULL;
    int nCount = 0;
    CSize szIcon;
    ASSERT_TRUE(CXTPImageManager::LoadToolbar(7100, pItems, nCount, szIcon));
    ASSERT_EQ(3, nCount);
    EXPECT_EQ(7101u, pItems[0]);
    EXPECT_EQ(7103u, pItems[2]);
    EXPECT_EQ(CSize(16, 15), szIcon);
    delete[] pItems;
    EXPECT_FALSE(CXTPImageManager::LoadToolbar(7999, pItems, nCount, szIcon));

    CXTPImageManager manager;
    ASSERT_TRUE(manager.SetIcons(7100));
    const COLORREF expected[] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200)};
    for (int i = 0; i < 3; i++)
    {
        CXTPImageManagerIcon* pIcon = manager.GetImage(7101 + i, 16);
        ASSERT_TRUE(pIcon != NULL) << i;
        EXPECT_EQ(15, pIcon->GetHeight());
        EXPECT_EQ(expected[i], IconColor(pIcon->GetIcon(), 8, 7)) << i;
        EXPECT_TRUE(IconIsTransparentAt(pIcon->GetIcon(), 0, 0)) << "the top-left colour is the mask";
    }
    EXPECT_FALSE(manager.SetIcons(7999));

    ASSERT_TRUE(manager.SetIcons(7150));
    EXPECT_EQ(RGB(0, 0, 200), IconColor(manager.GetImage(7153, 16)->GetIcon(), 8, 7))
        << "the versioned 16-bit layout, its separator skipped";
}

TEST(ImageManager, ToolbarOfSeparatorsOnlyAddsNothing)
{
    UINT* pItems = NULL;
    int nCount = -1;
    CSize szIcon;
    ASSERT_TRUE(CXTPImageManager::LoadToolbar(7160, pItems, nCount, szIcon));
    EXPECT_EQ(0, nCount);
    delete[] pItems;

    CXTPImageManager manager;
    EXPECT_TRUE(manager.SetIcons(7160, 7100, xtpImageNormal));
    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(7100));
    EXPECT_TRUE(manager.SetIcons(7160, strip, xtpImageNormal));
    EXPECT_TRUE(manager.GetImages().empty()) << "no image is given an id the toolbar does not name";
}

TEST(ImageManager, ToolbarLayoutsOfBothResourceCompilers)
{
    struct LayoutCase
    {
        std::vector<BYTE> data;
        BOOL bValid;
        std::vector<UINT> items;
    };
    const LayoutCase kCases[] = {
        {{1, 0, 16, 0, 15, 0, 3, 0, 0x65, 0, 0, 0, 0x66, 0}, TRUE, {0x65, 0, 0x66}},
        {{16, 0, 0, 0, 15, 0, 0, 0, 2, 0, 0, 0, 0x65, 0, 0, 0, 0, 0, 0, 0}, TRUE, {0x65, 0}},
        {{1, 0, 16, 0, 15, 0, 3, 0, 0x65, 0, 0, 0}, FALSE, {}},
        {{1, 0, 16, 0, 15, 0, 0xFF, 0xFF}, FALSE, {}},
        {{16, 0, 0, 0, 15, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x3F}, FALSE, {}},
        {{1, 0, 16}, FALSE, {}},
    };
    for (const LayoutCase& c : kCases)
    {
        CSize szIcon(0, 0);
        std::vector<UINT> items;
        EXPECT_EQ(c.bValid,
                  CXTPImageManager::ReadToolbarLayout(&c.data[0], (DWORD)c.data.size(), szIcon, items));
        EXPECT_EQ(c.items, items);
        if (c.bValid)
        {
            EXPECT_EQ(CSize(16, 15), szIcon);
        }
    }
}

TEST(ImageManager, AlphaStripsAreCutIntoImages)
{
    CXTPImageManager manager;
    UINT ids[] = {1, 2, 3};
    ASSERT_TRUE(manager.SetIcons(7110, ids, 3, CSize(16, 16)));
    for (int i = 0; i < 3; i++)
    {
        CXTPImageManagerIcon* pIcon = manager.GetImage(ids[i], 16);
        ASSERT_TRUE(pIcon != NULL && pIcon->IsAlpha());
        HBITMAP hImage = pIcon->GetIcon().GetBitmap();
        EXPECT_EQ(0xFF000000u | ((30 + i) << 16) | ((20 + i) << 8) | (10 + i), AlphaPixel(hImage, 0, 0));
        EXPECT_EQ(0x0F000000u | ((30 + i) << 16) | ((20 + i) << 8) | (10 + i), AlphaPixel(hImage, 15, 15));
    }

    CXTPImageManager fromToolbar;
    ASSERT_TRUE(fromToolbar.SetIcons(7110));
    EXPECT_EQ(0xFF000000u | (32 << 16) | (22 << 8) | 12,
              AlphaPixel(fromToolbar.GetImage(7113, 16)->GetIcon().GetBitmap(), 0, 0));

    CXTPImageManager uneven;
    EXPECT_FALSE(uneven.SetIcons(7111, ids, 3, CSize(16, 16)));
    EXPECT_FALSE(uneven.Lookup(1));
    EXPECT_FALSE(uneven.SetIcons(7100, ids, 0, CSize(0, 0))) << "neither count nor width";
    EXPECT_FALSE(uneven.SetIcons(7110, ids, 3, CSize(0, 16)));
    EXPECT_TRUE(uneven.SetIcons(7110, ids, 3, CSize(0, 0))) << "the width comes from the count";
}

TEST(ImageManager, MaskedAlphaBitmaps)
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

TEST(ImageManager, IconResourcesByGroup)
{
    CXTPImageManager manager;
    ASSERT_TRUE(manager.SetIconFromResource(1, 50, CSize(0, 0))) << "group 1 names image 1 of its own id";
    EXPECT_EQ(RGB(0, 0, 160), IconColor(manager.GetImage(50, 16)->GetIcon(), 4, 4));

    ASSERT_TRUE(manager.SetIconFromResource(7120, 51, CSize(0, 0)));
    CXTPImageManagerIconSet* pSet = manager.GetIconSet(51);
    ASSERT_EQ(2u, pSet->GetIcons().size());
    EXPECT_TRUE(pSet->GetIcon(16, FALSE)->IsAlpha());
    EXPECT_FALSE(pSet->GetIcon(32, FALSE)->IsAlpha());
    EXPECT_FALSE(manager.SetIconFromResource(7999, 52, CSize(0, 0)));
}

TEST(ImageManager, IconAndBitmapFiles)
{
    std::string strIco = TestImagePath("two_sizes.ico");
    HBITMAP hAlpha = CXTPImageManagerIcon::LoadAlphaIcon(strIco.c_str(), 16);
    ASSERT_TRUE(hAlpha != NULL);
    EXPECT_EQ(0xFF1E140Au, AlphaPixel(hAlpha, 0, 0));
    ::DeleteObject(hAlpha);
    EXPECT_TRUE(CXTPImageManagerIcon::LoadAlphaIcon(strIco.c_str(), 32) == NULL)
        << "the 32-pixel image has 24 bits";
    hAlpha = CXTPImageManagerIcon::LoadAlphaIcon(strIco.c_str(), 0);
    EXPECT_TRUE(hAlpha != NULL);
    ::DeleteObject(hAlpha);
    EXPECT_TRUE(CXTPImageManagerIcon::IsAlphaBitmapFile(TestImagePath("alpha_strip.bmp").c_str()));
    EXPECT_FALSE(CXTPImageManagerIcon::IsAlphaBitmapFile(TestImagePath("toolbar_strip.bmp").c_str()));
    EXPECT_FALSE(CXTPImageManagerIcon::IsAlphaBitmapFile("Z:\\no\\such.bmp"));
}

// Writes the first nLength bytes of a test image to a file of the folder.
std::string TruncatedCopy(const TempFolder& folder, const char* pszName, size_t nLength)
{
    std::string strPath = folder.File("truncated.img");
    WriteBytes(strPath, ReadBytes(TestImagePath(pszName)).substr(0, nLength));
    return strPath;
}

TEST(ImageManager, TruncatedFilesFailCleanly)
{
    // The 16-pixel image ends at byte 1166: the 6-byte header, two 16-byte
    // entries, and 40 + 1024 + 64 bytes of image.
    const size_t kImageEnd = 1166;
    TempFolder folder;
    for (size_t nLength = 0; nLength < 1300; nLength += (nLength < 1100 ? 37 : 1))
    {
        std::string strPath = TruncatedCopy(folder, "two_sizes.ico", nLength);
        HBITMAP hAlpha = CXTPImageManagerIcon::LoadAlphaIcon(strPath.c_str(), 16);
        EXPECT_EQ(nLength >= kImageEnd, hAlpha != NULL) << nLength;
        if (hAlpha != NULL)
            ::DeleteObject(hAlpha);
    }
    std::string strPath = TruncatedCopy(folder, "alpha_strip.bmp", 40);
    EXPECT_FALSE(CXTPImageManagerIcon::IsAlphaBitmapFile(strPath.c_str()));
}

// The generated images follow fixed pixel rules.
class GeneratedImages : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PixelRows pixels(16 * 16, 0x000000);
        pixels[1] = 0x646464; // 100, 100, 100
        pixels[2] = 0x404040; // grey level 64
        pixels[3] = kTransparent;
        m_hIcon = MakeIcon(16, 16, pixels);
        PixelRows alphaPixels(16 * 16, 0x80000000);
        alphaPixels[1] = 0x40646464;
        alphaPixels[2] = 0xC0404040;
        m_hAlpha = MakeAlphaBitmap(16, 16, alphaPixels);
    }
    void TearDown() override
    {
        ::DestroyIcon(m_hIcon);
        ::DeleteObject(m_hAlpha);
    }
    HICON m_hIcon = NULL;
    HBITMAP m_hAlpha = NULL;
};

TEST_F(GeneratedImages, FadedIconsMoveTowardsWhite)
{
    CXTPImageManagerIcon icon(1, 16, 16);
    icon.SetIcon(CXTPImageManagerIconHandle(m_hIcon));
    HICON hFaded = icon.GetFadedIcon();
    ASSERT_TRUE(hFaded != NULL);
    EXPECT_EQ(RGB(76, 76, 76), IconColor(hFaded, 0, 0));
    EXPECT_EQ(RGB(146, 146, 146), IconColor(hFaded, 1, 0));
    EXPECT_TRUE(IconIsTransparentAt(hFaded, 3, 0));

    CXTPImageManagerIcon alpha(2, 16, 16);
    alpha.SetIcon(CXTPImageManagerIconHandle(m_hAlpha));
    HBITMAP hFadedAlpha = alpha.GetFadedIcon().GetBitmap();
    EXPECT_EQ(0x804C4C4Cu, AlphaPixel(hFadedAlpha, 0, 0));
    EXPECT_EQ(0x40929292u, AlphaPixel(hFadedAlpha, 1, 0));

    XTPSetBitsPixelForTesting(8);
    CXTPImageManagerIcon lowColor(3, 16, 16);
    lowColor.SetIcon(CXTPImageManagerIconHandle(m_hIcon));
    EXPECT_EQ(RGB(100, 100, 100), IconColor(lowColor.GetFadedIcon(), 1, 0)) << "unchanged copy";
    XTPSetBitsPixelForTesting(0);
}

TEST_F(GeneratedImages, DisabledIconsAreBrightenedGrey)
{
    CXTPImageManagerIcon icon(1, 16, 16);
    icon.SetIcon(CXTPImageManagerIconHandle(m_hIcon));
    HICON hDisabled = icon.GetDisabledIcon();
    EXPECT_EQ(RGB(127, 127, 127), IconColor(hDisabled, 2, 0));
    EXPECT_EQ(RGB(0, 0, 0), IconColor(hDisabled, 0, 0));

    CXTPImageManagerIcon alpha(2, 16, 16);
    alpha.SetIcon(CXTPImageManagerIconHandle(m_hAlpha));
    EXPECT_EQ(0xC07F7F7Fu, AlphaPixel(alpha.GetDisabledIcon().GetBitmap(), 2, 0));
}

TEST_F(GeneratedImages, ShadowsAreSilhouettesOfTheHotImage)
{
    // Three quarters of colour 31.
    XTPColorManager()->SetColor(31, RGB(200, 100, 40));
    CXTPImageManagerIcon icon(1, 16, 16);
    icon.SetIcon(CXTPImageManagerIconHandle(m_hIcon));
    HICON hShadow = icon.GetShadowIcon();
    EXPECT_EQ(RGB(150, 75, 30), IconColor(hShadow, 1, 0));
    EXPECT_TRUE(IconIsTransparentAt(hShadow, 3, 0));

    CXTPImageManagerIcon alpha(2, 16, 16);
    alpha.SetIcon(CXTPImageManagerIconHandle(m_hAlpha));
    HBITMAP hHot = MakeAlphaBitmap(16, 16, 0x11223344);
    alpha.SetHotIcon(CXTPImageManagerIconHandle(hHot));
    ::DeleteObject(hHot);
    EXPECT_EQ(0x11964B1Eu, AlphaPixel(alpha.GetShadowIcon().GetBitmap(), 5, 5)) << "the hot image's alpha";
    XTPColorManager()->SetColor(31, 0xFFFFFFFF);
}

TEST_F(GeneratedImages, DrawingSizes)
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

    CXTPImageManagerIcon alpha(2, 16, 16);
    alpha.SetIcon(CXTPImageManagerIconHandle(m_hAlpha));
    PixelCanvas canvas(64, 64);
    alpha.Draw(&canvas.dc(), CPoint(0, 0), alpha.GetIcon());
    // Black at alpha 0x80 over white: about half grey.
    EXPECT_NEAR(0x7F, (int)GetRValue(canvas.Pixel(5, 5)), 2);
    EXPECT_EQ(kWhite, canvas.Pixel(20, 20));
}

TEST_F(GeneratedImages, MonochromeSilhouettes)
{
    CXTPImageManagerIcon icon(1, 16, 16);
    icon.SetIcon(CXTPImageManagerIconHandle(m_hIcon));
    PixelCanvas canvas(64, 64);
    icon.DrawMono(&canvas.dc(), CPoint(0, 0), icon.GetIcon(), CSize(16, 16), kBlue);
    EXPECT_EQ(kBlue, canvas.Pixel(0, 0)) << "an opaque pixel takes the colour";
    EXPECT_EQ(kBlue, canvas.Pixel(5, 5));
    EXPECT_EQ(kWhite, canvas.Pixel(3, 0)) << "a transparent pixel stays";
    EXPECT_EQ(kWhite, canvas.Pixel(20, 20));
}
} // namespace

namespace {
TEST(ImageManagerDrawing, RightToLeftManagersMirrorIcons)
{
    PixelRows pixels(16 * 16);
    for (int i = 0; i < 16 * 16; i++)
        pixels[i] = (i % 16) < 8 ? 0xFF0000 : 0x0000FF;
    HICON hIcon = MakeIcon(16, 16, pixels);
    CXTPImageManager manager;
    manager.SetIcon(CXTPImageManagerIconHandle(hIcon), 1);
    ::DestroyIcon(hIcon);
    CXTPImageManagerIcon* pIcon = manager.GetImage(1, 16);
    PixelCanvas plain(64, 64);
    pIcon->Draw(&plain.dc(), CPoint(0, 0), pIcon->GetIcon());
    EXPECT_EQ(kRed, plain.Pixel(2, 5));
    manager.m_bDrawReverted = TRUE;
    PixelCanvas mirrored(64, 64);
    pIcon->Draw(&mirrored.dc(), CPoint(0, 0), pIcon->GetIcon());
    EXPECT_EQ(kBlue, mirrored.Pixel(2, 5));
    EXPECT_EQ(kRed, mirrored.Pixel(13, 5));
}
} // namespace
