#include "toolkit/foundation/XTPColorHelper.h"
#include "toolkit/foundation/XTPColorManager.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorHelper, ChannelArithmeticIsClampedAndDivisionByZeroSaturates)
{
    CXTPColorHelper clr(250, 10, 10);
    const struct
    {
        const char* name;
        COLORREF result;
        COLORREF expected;
    } cases[] = {
        {"add", clr + CXTPColorHelper(10, 10, 10), RGB(255, 20, 20)},
        {"subtract", clr - CXTPColorHelper(10, 10, 20), RGB(240, 0, 0)},
        {"multiply", clr * CXTPColorHelper(2, 2, 3), RGB(255, 20, 30)},
        {"divide", clr / CXTPColorHelper(2, 2, 3), RGB(125, 5, 3)},
        {"add 100", clr + 100, RGB(255, 110, 110)},
        {"add 1000: k clamped to 255 first", clr + 1000, RGB(255, 255, 255)},
        {"subtract -5: k clamped to 0", clr - (-5), RGB(250, 10, 10)},
        {"black times 7", CXTPColorHelper(0, 0, 0) * 7, RGB(0, 0, 0)},
        {"divide by black", CXTPColorHelper(100, 0, 50) / CXTPColorHelper(0, 0, 0), RGB(255, 255, 255)},
        {"divide by a zero channel", CXTPColorHelper(100, 0, 50) / CXTPColorHelper(2, 0, 1),
         RGB(50, 255, 50)},
        {"divide by 0", CXTPColorHelper(100, 0, 50) / 0, RGB(255, 255, 255)},
        {"blend 100", CXTPColorHelper(10, 20, 30).Blend(CXTPColorHelper(200, 100, 0), 100), RGB(200, 100, 0)},
        {"blend 0", CXTPColorHelper(10, 20, 30).Blend(CXTPColorHelper(200, 100, 0), 0), RGB(10, 20, 30)},
        {"blend 50", CXTPColorHelper(10, 20, 30).Blend(CXTPColorHelper(200, 100, 0), 50), RGB(105, 60, 15)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, c.result) << c.name;

    // Add and Subtract change the object.
    CXTPColorHelper changed(100, 150, 200);
    changed.Add(CXTPColorHelper(100, 100, 100));
    EXPECT_EQ(RGB(200, 250, 255), (COLORREF)changed);
    changed.Subtract(CXTPColorHelper(250, 0, 55));
    EXPECT_EQ(RGB(0, 250, 200), (COLORREF)changed);
}

TEST(ColorHelper, HslKnownValues)
{
    double h, s, l;
    CXTPColorHelper(255, 0, 0).RGBtoHSL(&h, &s, &l);
    EXPECT_EQ(std::vector<double>({0.0, 1.0, 0.5}), std::vector<double>({h, s, l}));
    CXTPColorHelper(0, 0, 255).RGBtoHSL(&h, &s, &l);
    EXPECT_DOUBLE_EQ(4.0 / 6, h);
    CXTPColorHelper(255, 0, 128).RGBtoHSL(&h, &s, &l); // negative hue wraps
    EXPECT_NEAR(1 - 128.0 / 255 / 6, h, 1e-9);
    CXTPColorHelper(64, 64, 64).RGBtoHSL(&h, &s, &l);
    EXPECT_EQ(std::vector<double>({0.0, 0.0, 64.0 / 255}), std::vector<double>({h, s, l}));

    EXPECT_EQ(RGB(255, 0, 0), (COLORREF)CXTPColorHelper::HSLtoRGB(0, 1, 0.5));
    EXPECT_EQ(RGB(0, 255, 0), (COLORREF)CXTPColorHelper::HSLtoRGB(1.0 / 3, 1, 0.5));
    EXPECT_EQ(RGB(127, 127, 127), (COLORREF)CXTPColorHelper::HSLtoRGB(0.7, 0, 0.5));
}

TEST(ColorHelper, HsvRoundTripsAndKnownValues)
{
    double h, s, v;
    CXTPColorHelper(0, 0, 0).RGBtoHSV(&h, &s, &v);
    EXPECT_EQ(std::vector<double>({0.0, 0.0}), std::vector<double>({h, s}));
    CXTPColorHelper(0, 255, 0).RGBtoHSV(&h, &s, &v);
    EXPECT_EQ(std::vector<double>({1.0 / 3, 1.0, 1.0}), std::vector<double>({h, s, v}));

    // A grey is round(v x 255 + 0.5), clamped: one step above the truncation of the colours.
    EXPECT_EQ(RGB(77, 77, 77), (COLORREF)CXTPColorHelper::HSVtoRGB(0.3, 0, 76.2 / 255));
    EXPECT_EQ(RGB(1, 1, 1), (COLORREF)CXTPColorHelper::HSVtoRGB(0.3, 0, 0));
    EXPECT_EQ(RGB(255, 255, 255), (COLORREF)CXTPColorHelper::HSVtoRGB(0.3, 0, 1));
    EXPECT_EQ(RGB(255, 0, 0), (COLORREF)CXTPColorHelper::HSVtoRGB(1.0, 1, 1));
    for (COLORREF clr : {RGB(30, 120, 200), RGB(200, 30, 120), RGB(120, 200, 30), RGB(250, 250, 10)})
    {
        CXTPColorHelper(clr).RGBtoHSV(&h, &s, &v);
        EXPECT_EQ(clr, (COLORREF)CXTPColorHelper::HSVtoRGB(h, s, v));
    }
}

} // namespace
