#include "toolkit/foundation/XTAuxData.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPResourceManager.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

LOGFONTA LogFontOf(CFont& font)
{
    LOGFONTA lf;
    ZeroMemory(&lf, sizeof(lf));
    ::GetObjectA(font.GetSafeHandle(), sizeof(lf), &lf);
    return lf;
}

TEST(AuxData, ColoursFollowTheColourManager)
{
    CXTAuxData* pData = XTAuxData();
    XTPColorManager()->SetColor(40, RGB(1, 2, 3));
    pData->UpdateSysColors();
    EXPECT_EQ(std::vector<COLORREF>(
                  {RGB(1, 2, 3), XTPGetColor(COLOR_BTNFACE), XTPGetColor(COLOR_3DLIGHT), XTPGetColor(28)}),
              std::vector<COLORREF>({pData->clrToolkit[40 - 30], pData->clr3DFace, pData->clr3DLight,
                                     pData->clrGradInActiveCapt}));
    XTPColorManager()->SetColor(40, 0xFFFFFFFF);
    pData->UpdateSysColors();
}

TEST(AuxData, CursorsComeFromTheCursorModule)
{
    CXTAuxData* pData = XTAuxData();
    ASSERT_TRUE(pData->LoadCursors()); // this program holds the toolkit cursors
    EXPECT_TRUE(pData->GetCursor(9970) != NULL && pData->GetCursor(9008) != NULL);
    EXPECT_EQ(::LoadCursor(NULL, IDC_SIZEALL), pData->GetCursor(32646));
    EXPECT_EQ((HCURSOR)NULL, pData->GetCursor(1234));

    // A module without them: the first missing cursor fails the load.
    HMODULE hKernel = ::GetModuleHandleA("kernel32.dll");
    pData->SetCursorModule(hKernel);
    EXPECT_EQ(hKernel, XTGetResourceHandle());
    EXPECT_FALSE(pData->LoadCursors());
    EXPECT_EQ((HCURSOR)NULL, pData->GetCursor(9008));
    pData->SetCursorModule(::GetModuleHandleA(NULL));
    EXPECT_NE((HCURSOR)NULL, pData->GetCursor(9971));
}

TEST(AuxData, FontsTakeTheMenuFontInTheirForms)
{
    CXTAuxData* pData = XTAuxData();
    ASSERT_TRUE(pData->UpdateFonts());
    CXTPNonClientMetrics metrics;
    EXPECT_EQ(340u, metrics.cbSize);
    EXPECT_EQ(metrics.lfMenuFont.lfHeight, LogFontOf(pData->font).lfHeight);
    // Bold, underline and vertical bold: weight, underline, escapement, orientation.
    auto Form = [](CFont& font) {
        LOGFONTA lf = LogFontOf(font);
        return std::vector<LONG>({lf.lfWeight, lf.lfUnderline, lf.lfEscapement, lf.lfOrientation});
    };
    EXPECT_EQ(std::vector<LONG>({700, 0, 0, 0}), Form(pData->fontBold));
    EXPECT_EQ(std::vector<LONG>({metrics.lfMenuFont.lfWeight, 1, 0, 0}), Form(pData->fontULine));
    EXPECT_EQ(std::vector<LONG>({700, 0, 2700, 900}), Form(pData->fontVertBold));
    EXPECT_STREQ("Marlett", LogFontOf(pData->fontMarlett).lfFaceName);
    EXPECT_EQ(DEFAULT_CHARSET, LogFontOf(pData->fontMarlett).lfCharSet);
}

TEST(AuxData, InstalledOrGivenFacesReplaceTheBaseFace)
{
    CXTAuxData* pData = XTAuxData();
    CXTPNonClientMetrics metrics;

    // An installed face replaces the base face; an unknown one is ignored.
    ASSERT_TRUE(pData->UpdateFonts("Liberation Serif", "Liberation Mono"));
    EXPECT_STREQ("Liberation Serif", LogFontOf(pData->font).lfFaceName);
    EXPECT_STREQ("Liberation Serif", LogFontOf(pData->fontStatus).lfFaceName);
    EXPECT_STREQ("Liberation Mono", LogFontOf(pData->fontVert).lfFaceName);
    ASSERT_TRUE(pData->UpdateFonts("No Such Face", NULL));
    EXPECT_STREQ(metrics.lfMenuFont.lfFaceName, LogFontOf(pData->font).lfFaceName);
    CFont font, vertical;
    font.CreatePointFont(140, "Liberation Serif");
    vertical.CreatePointFont(100, "Liberation Mono");
    ASSERT_TRUE(pData->SetGlobalFont(&font, &vertical));
    EXPECT_EQ(LogFontOf(font).lfHeight, LogFontOf(pData->fontBold).lfHeight);
    EXPECT_EQ(LogFontOf(font).lfHeight, LogFontOf(pData->fontStatus).lfHeight);
    EXPECT_STREQ("Liberation Mono", LogFontOf(pData->fontVert).lfFaceName);
    EXPECT_EQ(2700, LogFontOf(pData->fontVert).lfEscapement);
    EXPECT_FALSE(pData->SetGlobalFont(NULL));
    ASSERT_TRUE(pData->SetUseSystemFont(FALSE));
}

} // namespace
