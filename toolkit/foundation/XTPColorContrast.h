#pragma once
// Contrast rules of the colour manager, worked in a weighted colour space that
// scales red, green and blue by 195, 390 and 65 out of 255, so distances follow
// the eye's sensitivity to each channel. Thresholds are scaled by the base
// colour: dark base colours need up to twice the distance.
#include <windows.h>

// TRUE when c2 lies farther than the threshold v from c1 (the threshold
// scaled by c1's brightness when bScale is set).
BOOL XTPIsColorDistinct(COLORREF clr1, COLORREF clr2, BOOL bScale, int nValue);

// c2 moved towards c1 until it lies at the scaled threshold from c1 (for two
// colours that differ too much).
COLORREF XTPApproachColor(COLORREF clr1, COLORREF clr2, int nValue);

// c2 made lighter or darker, keeping its hue, until it lies at the scaled
// threshold from c1 (for two colours that are too close).
COLORREF XTPSeparateColor(COLORREF clr1, COLORREF clr2, int nValue);
