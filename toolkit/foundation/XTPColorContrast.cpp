#include "toolkit/foundation/XTPColorContrast.h"

#include <algorithm>
#include <cmath>

namespace {

const double kRedScale = 195.0;
const double kGreenScale = 390.0;
const double kBlueScale = 65.0;
// The brightness of white, rounded up from its exact 440.85.
const double kMaxBrightness = 442.0;

struct WeightedColor
{
    double r, g, b;
};

WeightedColor ToWeighted(COLORREF clr)
{
    WeightedColor c = {GetRValue(clr) * kRedScale / 255, GetGValue(clr) * kGreenScale / 255,
                       GetBValue(clr) * kBlueScale / 255};
    return c;
}

int ToChannel(double x, double dScale)
{
    x = std::min(std::max(x, 0.0), dScale);
    int n = static_cast<int>(x * 255 / dScale + 0.5);
    return std::min(std::max(n, 0), 255);
}

COLORREF FromWeighted(const WeightedColor& c)
{
    return RGB(ToChannel(c.r, kRedScale), ToChannel(c.g, kGreenScale), ToChannel(c.b, kBlueScale));
}

double Length(const WeightedColor& c)
{
    return std::sqrt(c.r * c.r + c.g * c.g + c.b * c.b);
}

double Distance(const WeightedColor& c1, const WeightedColor& c2)
{
    WeightedColor d = {c1.r - c2.r, c1.g - c2.g, c1.b - c2.b};
    return Length(d);
}

WeightedColor Mirror(const WeightedColor& c)
{
    WeightedColor m = {kRedScale - c.r, kGreenScale - c.g, kBlueScale - c.b};
    return m;
}

// The threshold v scaled by the brightness of the base colour c1.
float ScaledThreshold(const WeightedColor& c1, int nValue)
{
    double dBrightness = std::min(std::trunc(Length(c1)), 220.0);
    return static_cast<float>((2.0 - dBrightness / 220.0) * nValue);
}

// The nearer point of the ray from black through c2 that lies at distance t
// from c1.
WeightedColor Darken(const WeightedColor& c1, const WeightedColor& c2, double t)
{
    double n = std::max(Length(c2), 0.001);
    double p = (c1.r * c2.r + c1.g * c2.g + c1.b * c2.b) / n;
    WeightedColor foot = {c2.r * p / n, c2.g * p / n, c2.b * p / n};
    double dFoot = Distance(foot, c1);
    double h = std::sqrt(std::max(t * t - dFoot * dFoot, 0.0));
    double k = (p - h) / n;
    WeightedColor result = {c2.r * k, c2.g * k, c2.b * k};
    return result;
}

} // namespace

BOOL XTPIsColorDistinct(COLORREF clr1, COLORREF clr2, BOOL bScale, int nValue)
{
    WeightedColor c1 = ToWeighted(clr1);
    float t = bScale ? ScaledThreshold(c1, nValue) : static_cast<float>(nValue);
    double d = Distance(c1, ToWeighted(clr2));
    return d * d > static_cast<float>(t * t);
}

COLORREF XTPApproachColor(COLORREF clr1, COLORREF clr2, int nValue)
{
    WeightedColor c1 = ToWeighted(clr1), c2 = ToWeighted(clr2);
    double d = Distance(c1, c2);
    if (d == 0)
        return clr1;
    double k = (d - ScaledThreshold(c1, nValue)) / d;
    WeightedColor result = {c2.r + (c1.r - c2.r) * k, c2.g + (c1.g - c2.g) * k, c2.b + (c1.b - c2.b) * k};
    return FromWeighted(result);
}

COLORREF XTPSeparateColor(COLORREF clr1, COLORREF clr2, int nValue)
{
    WeightedColor c1 = ToWeighted(clr1), c2 = ToWeighted(clr2);
    double t = ScaledThreshold(c1, nValue);
    double b1 = Length(c1), b2 = Length(c2);
    BOOL bLighten = b2 <= b1 ? b1 <= t : !(kMaxBrightness - t < b1);
    if (bLighten)
        return FromWeighted(Mirror(Darken(Mirror(c1), Mirror(c2), t)));
    return FromWeighted(Darken(c1, c2, t));
}
