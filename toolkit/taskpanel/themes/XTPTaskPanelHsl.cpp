#include "toolkit/taskpanel/themes/XTPTaskPanelHsl.h"

#include <algorithm>

namespace {

double HueToChannel(double p, double q, double t)
{
    if (t < 0)
        t += 1;
    if (t > 1)
        t -= 1;
    if (t < 1.0 / 6)
        return p + (q - p) * 6 * t;
    if (t < 0.5)
        return q;
    if (t < 2.0 / 3)
        return p + (q - p) * (2.0 / 3 - t) * 6;
    return p;
}

} // namespace

XTPTaskPanelHsl XTPTaskPanelRgbToHsl(COLORREF clr)
{
    const double r = GetRValue(clr) / 255.0, g = GetGValue(clr) / 255.0, b = GetBValue(clr) / 255.0;
    const double dMax = std::max(r, std::max(g, b)), dMin = std::min(r, std::min(g, b));
    XTPTaskPanelHsl hsl = {0, 0, (dMax + dMin) / 2};
    const double d = dMax - dMin;
    if (d == 0)
        return hsl;
    hsl.s = hsl.l > 0.5 ? d / (2 - dMax - dMin) : d / (dMax + dMin);
    if (dMax == r)
        hsl.h = (g - b) / d + (g < b ? 6 : 0);
    else if (dMax == g)
        hsl.h = (b - r) / d + 2;
    else
        hsl.h = (r - g) / d + 4;
    hsl.h /= 6;
    return hsl;
}

COLORREF XTPTaskPanelHslToRgb(const XTPTaskPanelHsl& hsl)
{
    if (hsl.s == 0)
    {
        const int n = (int)(hsl.l * 255);
        return RGB(n, n, n);
    }
    const double q = hsl.l < 0.5 ? hsl.l * (1 + hsl.s) : hsl.l + hsl.s - hsl.l * hsl.s;
    const double p = 2 * hsl.l - q;
    return RGB((int)(HueToChannel(p, q, hsl.h + 1.0 / 3) * 255), (int)(HueToChannel(p, q, hsl.h) * 255),
               (int)(HueToChannel(p, q, hsl.h - 1.0 / 3) * 255));
}

double XTPTaskPanelRecolorLightness(double dPixel, double dBack, double dTarget)
{
    if (dPixel > 0.9 && dTarget <= 0.9)
        return dPixel;
    // A black background gives no ratio to scale by.
    const double dReference = dBack > 0 ? dBack : 1.0;
    return std::min(dTarget * dPixel / dReference, 1.0);
}
