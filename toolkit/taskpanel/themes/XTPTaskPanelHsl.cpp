#include "toolkit/taskpanel/themes/XTPTaskPanelHsl.h"

#include "toolkit/foundation/XTPColorHelper.h"

#include <algorithm>

XTPTaskPanelHsl XTPTaskPanelRgbToHsl(COLORREF clr)
{
    XTPTaskPanelHsl hsl = {0, 0, 0};
    CXTPColorHelper(clr).RGBtoHSL(&hsl.h, &hsl.s, &hsl.l);
    return hsl;
}

COLORREF XTPTaskPanelHslToRgb(const XTPTaskPanelHsl& hsl)
{
    return CXTPColorHelper::HSLtoRGB(hsl.h, hsl.s, hsl.l);
}

double XTPTaskPanelRecolorLightness(double dPixel, double dBack, double dTarget)
{
    if (dPixel > 0.9 && dTarget <= 0.9)
        return dPixel;
    // A black background gives no ratio to scale by.
    const double dReference = dBack > 0 ? dBack : 1.0;
    return std::min(dTarget * dPixel / dReference, 1.0);
}
