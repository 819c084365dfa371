#include "toolkit/foundation/XTPOptionalLibrary.h"

#include <gtest/gtest.h>

namespace {

struct OptionalLibraryTest : ::testing::Test
{
    void TearDown() override
    {
        XTPWithholdOptionalLibrary("comctl32.dll", FALSE);
        XTPWithholdOptionalProc("DllGetVersion", FALSE);
        XTPWithholdOptionalProc("GradientFill", FALSE);
        XTPSetDllVersionForTesting(NULL);
    }
};

TEST_F(OptionalLibraryTest, AWithheldEntryPointIsNotFoundInAnyCase)
{
    HMODULE hModule = XTPLoadOptionalLibrary("msimg32.dll");
    XTPWithholdOptionalProc("gradientfill", TRUE);
    EXPECT_EQ((FARPROC)NULL, XTPGetOptionalProc(hModule, "GradientFill"));
    EXPECT_NE((FARPROC)NULL, XTPGetOptionalProc(hModule, "AlphaBlend"));
    EXPECT_EQ((FARPROC)NULL, XTPGetOptionalProc(NULL, "AlphaBlend"));
    FreeLibrary(hModule);
}

TEST_F(OptionalLibraryTest, DllVersionsAreZeroWithoutTheLibraryOrItsVersionFunction)
{
    EXPECT_GE(XTPGetDllVersion("comctl32.dll") >> 16, 5u);
    DLLVERSIONINFO info = {sizeof(DLLVERSIONINFO), 6, 0x10002, 0, 0};
    XTPSetDllVersionForTesting(&info);
    EXPECT_EQ(0x60002u, XTPGetDllVersion("comctl32.dll"));
    XTPSetDllVersionForTesting(NULL);
    EXPECT_EQ(0u, XTPGetDllVersion("kernel32.dll")); // no DllGetVersion there
    EXPECT_EQ(0u, XTPGetDllVersion("no-such-library.dll"));
    XTPWithholdOptionalProc("DllGetVersion", TRUE);
    EXPECT_EQ(0u, XTPGetDllVersion("comctl32.dll"));
    XTPWithholdOptionalProc("DllGetVersion", FALSE);
    XTPWithholdOptionalLibrary("comctl32.dll", TRUE);
    EXPECT_EQ(0u, XTPGetDllVersion("comctl32.dll"));
}

} // namespace
