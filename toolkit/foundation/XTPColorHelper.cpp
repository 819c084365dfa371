#include "toolkit/foundation/XTPColorHelper.h"

#include "toolkit/foundation/XTPColorManager.h"

#include <algorithm>
#include <math.h>

// Constant-initialised, so they are ready before any start-up code runs.
const CXTPColorHelper CXTPColorHelper::clrBlack(0, 0, 0);
const CXTPColorHelper CXTPColorHelper::clrWhite(255, 255, 255);
const CXTPColorHelper CXTPColorHelper::clrDarkGray(64, 64, 64);
const CXTPColorHelper CXTPColorHelper::clrGray(128, 128, 128);
const CXTPColorHelper CXTPColorHelper::clrLightGray(192, 192, 192);

namespace {

int Quotient(int nDividend, int nDivisor)
{
    return nDivisor == 0 ? 255 : nDividend / nDivisor;
}

// The usual hue function of the HSL model.
double HueToChannel(double m1, double m2, double h)
{
    if (h < 0)
        h += 1;
    if (h > 1)
        h -= 1;
    if (6 * h < 1)
        return m1 + (m2 - m1) * 6 * h;
    if (2 * h < 1)
        return m2;
    if (3 * h < 2)
        return m1 + (m2 - m1) * (2.0 / 3 - h) * 6;
    return m1;
}

int RoundedChannel(double x)
{
    return static_cast<int>(x * 255 + 0.5);
}

} // namespace

CXTPColorHelper& CXTPColorHelper::Blend(const CXTPColorHelper& other, int n)
{
    *this = CXTPColorHelper((other.Red() * n + Red() * (100 - n)) / 100,
                            (other.Green() * n + Green() * (100 - n)) / 100,
                            (other.Blue() * n + Blue() * (100 - n)) / 100);
    return *this;
}

CXTPColorHelper& CXTPColorHelper::Add(const CXTPColorHelper& other)
{
    return *this = *this + other;
}

CXTPColorHelper& CXTPColorHelper::Subtract(const CXTPColorHelper& other)
{
    return *this = *this - other;
}

CXTPColorHelper CXTPColorHelper::operator+(const CXTPColorHelper& other) const
{
    return CXTPColorHelper(Red() + other.Red(), Green() + other.Green(), Blue() + other.Blue());
}

CXTPColorHelper CXTPColorHelper::operator-(const CXTPColorHelper& other) const
{
    return CXTPColorHelper(Red() - other.Red(), Green() - other.Green(), Blue() - other.Blue());
}

CXTPColorHelper CXTPColorHelper::operator*(const CXTPColorHelper& other) const
{
    return CXTPColorHelper(Red() * other.Red(), Green() * other.Green(), Blue() * other.Blue());
}

CXTPColorHelper CXTPColorHelper::operator/(const CXTPColorHelper& other) const
{
    return CXTPColorHelper(Quotient(Red(), other.Red()), Quotient(Green(), other.Green()),
                           Quotient(Blue(), other.Blue()));
}

double CXTPColorHelper::Hue(int nMax, int nMin) const
{
    double d = nMax - nMin;
    double h;
    if (Red() == nMax)
        h = (Green() - Blue()) / d;
    else if (Green() == nMax)
        h = 2 + (Blue() - Red()) / d;
    else
        h = 4 + (Red() - Green()) / d;
    h /= 6;
    return h < 0 ? h + 1 : h;
}

void CXTPColorHelper::RGBtoHSL(double* h, double* s, double* l) const
{
    int nMax = std::max(Red(), std::max(Green(), Blue()));
    int nMin = std::min(Red(), std::min(Green(), Blue()));
    double dMax = nMax / 255.0, dMin = nMin / 255.0;
    *l = (dMax + dMin) / 2;
    if (nMax == nMin)
    {
        *h = *s = 0;
        return;
    }
    *s = *l < 0.5 ? (dMax - dMin) / (dMax + dMin) : (dMax - dMin) / (2 - dMax - dMin);
    *h = Hue(nMax, nMin);
}

void CXTPColorHelper::RGBtoHSV(double* h, double* s, double* v) const
{
    int nMax = std::max(Red(), std::max(Green(), Blue()));
    int nMin = std::min(Red(), std::min(Green(), Blue()));
    *v = nMax / 255.0;
    *s = nMax == 0 ? 0 : static_cast<double>(nMax - nMin) / nMax;
    *h = *s == 0 ? 0 : Hue(nMax, nMin);
}

CXTPColorHelper CXTPColorHelper::HSLtoRGB(double h, double s, double l)
{
    if (s == 0)
    {
        int nGrey = static_cast<int>(l * 255);
        return CXTPColorHelper(nGrey, nGrey, nGrey);
    }
    double m2 = l < 0.5 ? l * (1 + s) : l + s - l * s;
    double m1 = 2 * l - m2;
    return CXTPColorHelper(static_cast<int>(HueToChannel(m1, m2, h + 1.0 / 3) * 255),
                           static_cast<int>(HueToChannel(m1, m2, h) * 255),
                           static_cast<int>(HueToChannel(m1, m2, h - 1.0 / 3) * 255));
}

CXTPColorHelper CXTPColorHelper::HSVtoRGB(double h, double s, double v)
{
    if (s == 0)
    {
        // The grey is rounded once more than the colour channels are: round(v x 255 + 0.5).
        int nGrey = static_cast<int>(lround(v * 255 + 0.5));
        return CXTPColorHelper(nGrey, nGrey, nGrey);
    }
    int nSector = static_cast<int>(h * 6);
    double f = h * 6 - nSector;
    double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    double r, g, b;
    switch (nSector % 6)
    {
    case 0:
        r = v;
        g = t;
        b = p;
        break;
    case 1:
        r = q;
        g = v;
        b = p;
        break;
    case 2:
        r = p;
        g = v;
        b = t;
        break;
    case 3:
        r = p;
        g = q;
        b = v;
        break;
    case 4:
        r = t;
        g = p;
        b = v;
        break;
    default:
        r = v;
        g = p;
        b = q;
        break;
    }
    return CXTPColorHelper(RoundedChannel(r), RoundedChannel(g), RoundedChannel(b));
}

COLORREF CXTPColorHelper::GetColor(int nIndex)
{
    return XTPGetColor(nIndex);
}

void CXTPColorHelper::RefreshColors()
{
    XTPColorManager()->RefreshColors(FALSE);
}
