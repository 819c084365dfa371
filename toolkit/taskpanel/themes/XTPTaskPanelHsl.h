#pragma once
// The hue-saturation-lightness colour model the painters recolour with:
// hue as a fraction of a turn, all three in 0.0 to 1.0, and back to RGB with
// each channel x 255 truncated. The conversions are the toolkit's
// (CXTPColorHelper), in a form that carries the three values together.
#include <windows.h>

struct XTPTaskPanelHsl
{
    double h, s, l;
};

XTPTaskPanelHsl XTPTaskPanelRgbToHsl(COLORREF clr);
COLORREF XTPTaskPanelHslToRgb(const XTPTaskPanelHsl& hsl);

// The lightness a pixel of lightness dPixel takes when a picture whose
// background has lightness dBack is recoloured to a colour of lightness
// dTarget: near-white stays near-white on a darker target; the rest scales
// with the target, at most 1.0. A black background counts as full lightness.
double XTPTaskPanelRecolorLightness(double dPixel, double dBack, double dTarget);
