#include "toolkit/foundation/XTPColorHelper.h"
#include "toolkit/foundation/XTPColorManager.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorHelper, ChannelArithmeticIsClamped)
{
    CXTPColorHelper clr(250, 10, 10);
    EXPECT_EQ(RGB(255, 20, 20), (COLORREF)(clr + CXTPColorHelper(10, 10, 10)));
    EXPECT_EQ(RGB(240, 0, 0), (COLORREF)(clr - CXTPColorHelper(10, 10, 20)));
    EXPECT_EQ(RGB(255, 20, 30), (COLORREF)(clr * CXTPColorHelper(2, 2, 3)));
    EXPECT_EQ(RGB(125, 5, 3), (COLORREF)(clr / CXTPColorHelper(2, 2, 3)));
    EXPECT_EQ(RGB(255, 110, 110), (COLORREF)(clr + 100));
    EXPECT_EQ(RGB(255, 255, 255), (COLORREF)(clr + 1000)); // k clamped to 255 first
    EXPECT_EQ(RGB(250, 10, 10), (COLORREF)(clr - (-5)));   // k clamped to 0
    EXPECT_EQ(RGB(0, 0, 0), (COLORREF)(CXTPColorHelper(0, 0, 0) * 7));
}

TEST(ColorHelper, DivisionByAZeroChannelSaturates)
{
    CXTPColorHelper clr(100, 0, 50);
    EXPECT_EQ(RGB(255, 255, 255), (COLORREF)(clr / CXTPColorHelper(0, 0, 0)));
    EXPECT_EQ(RGB(50, 255, 50), (COLORREF)(clr / CXTPColorHelper(2, 0, 1)));
    EXPECT_EQ(RGB(255, 255, 255), (COLORREF)(clr / 0));
}

TEST(ColorHelper, AddSubtractAndBlendChangeTheObject)
{
    CXTPColorHelper clr(100, 150, 200);
    clr.Add(CXTPColorHelper(100, 100, 100));
    EXPECT_EQ(RGB(200, 250, 255), (COLORREF)clr);
    clr.Subtract(CXTPColorHelper(250, 0, 55));
    EXPECT_EQ(RGB(0, 250, 200), (COLORREF)clr);

    CXTPColorHelper base(10, 20, 30), other(200, 100, 0);
    EXPECT_EQ(RGB(200, 100, 0), (COLORREF)CXTPColorHelper(base).Blend(other, 100));
    EXPECT_EQ(RGB(10, 20, 30), (COLORREF)CXTPColorHelper(base).Blend(other, 0));
    EXPECT_EQ(RGB(105, 60, 15), (COLORREF)CXTPColorHelper(base).Blend(other, 50));
}

TEST(ColorHelper, HslRoundTripsAndKnownValues)
{
    double h, s, l;
    CXTPColorHelper(255, 0, 0).RGBtoHSL(&h, &s, &l);
    EXPECT_DOUBLE_EQ(0.0, h);
    EXPECT_DOUBLE_EQ(1.0, s);
    EXPECT_DOUBLE_EQ(0.5, l);
    CXTPColorHelper(0, 0, 255).RGBtoHSL(&h, &s, &l);
    EXPECT_DOUBLE_EQ(4.0 / 6, h);
    CXTPColorHelper(255, 0, 128).RGBtoHSL(&h, &s, &l); // negative hue wraps
    EXPECT_NEAR(1 - 128.0 / 255 / 6, h, 1e-9);
    CXTPColorHelper(64, 64, 64).RGBtoHSL(&h, &s, &l);
    EXPECT_EQ(0.0, h);
    EXPECT_EQ(0.0, s);
    EXPECT_DOUBLE_EQ(64.0 / 255, l);

    EXPECT_EQ(RGB(255, 0, 0), (COLORREF)CXTPColorHelper::HSLtoRGB(0, 1, 0.5));
    EXPECT_EQ(RGB(0, 255, 0), (COLORREF)CXTPColorHelper::HSLtoRGB(1.0 / 3, 1, 0.5));
    EXPECT_EQ(RGB(127, 127, 127), (COLORREF)CXTPColorHelper::HSLtoRGB(0.7, 0, 0.5));
    // Channels are truncated, so a round trip may lose at most one step.
    CXTPColorHelper(30, 120, 200).RGBtoHSL(&h, &s, &l);
    CXTPColorHelper back = CXTPColorHelper::HSLtoRGB(h, s, l);
    EXPECT_NEAR(30, back.Red(), 1);
    EXPECT_NEAR(120, back.Green(), 1);
    EXPECT_NEAR(200, back.Blue(), 1);
}

TEST(ColorHelper, HsvRoundTripsAndKnownValues)
{
    double h, s, v;
    CXTPColorHelper(0, 0, 0).RGBtoHSV(&h, &s, &v);
    EXPECT_EQ(0.0, s);
    EXPECT_EQ(0.0, h);
    CXTPColorHelper(0, 255, 0).RGBtoHSV(&h, &s, &v);
    EXPECT_DOUBLE_EQ(1.0 / 3, h);
    EXPECT_DOUBLE_EQ(1.0, s);
    EXPECT_DOUBLE_EQ(1.0, v);

    // A grey is round(v x 255 + 0.5), clamped: one step above the truncation of the colours.
    const struct
    {
        const char* name;
        double v;
        COLORREF clr;
    } greys[] = {
        {"76.2", 76.2 / 255, RGB(77, 77, 77)},
        {"half", 0.5, RGB(128, 128, 128)},
        {"black", 0, RGB(1, 1, 1)},
        {"white", 1, RGB(255, 255, 255)},
    };
    for (const auto& grey : greys)
        EXPECT_EQ(grey.clr, (COLORREF)CXTPColorHelper::HSVtoRGB(0.3, 0, grey.v)) << grey.name;
    EXPECT_EQ(RGB(255, 0, 0), (COLORREF)CXTPColorHelper::HSVtoRGB(1.0, 1, 1));
    for (COLORREF clr : {RGB(30, 120, 200), RGB(200, 30, 120), RGB(120, 200, 30), RGB(250, 250, 10)})
    {
        CXTPColorHelper(clr).RGBtoHSV(&h, &s, &v);
        EXPECT_EQ(clr, (COLORREF)CXTPColorHelper::HSVtoRGB(h, s, v));
    }
}

} // namespace
