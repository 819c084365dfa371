#pragma once
// A colour value with channel arithmetic and RGB, HSL and HSV conversion. Every
// channel result is clamped to 0..255; an integer operand k stands for the
// grey RGB(k, k, k) after k is clamped to 0..255.
#include <windows.h>

class CXTPColorHelper
{
public:
    constexpr CXTPColorHelper() : m_clr(0) {}
    constexpr CXTPColorHelper(int r, int g, int b)
        : m_clr(static_cast<COLORREF>(Clamp(r) | (Clamp(g) << 8) | (Clamp(b) << 16)))
    {}
    explicit constexpr CXTPColorHelper(COLORREF clr) : m_clr(clr & 0xFFFFFF) {}

    operator COLORREF() const { return m_clr; }

    int Red() const { return m_clr & 0xFF; }
    int Green() const { return (m_clr >> 8) & 0xFF; }
    int Blue() const { return (m_clr >> 16) & 0xFF; }

    // n per cent of the other colour, the rest of this one.
    CXTPColorHelper& Blend(const CXTPColorHelper& other, int n);
    CXTPColorHelper& Add(const CXTPColorHelper& other);
    CXTPColorHelper& Subtract(const CXTPColorHelper& other);

    CXTPColorHelper operator+(const CXTPColorHelper& other) const;
    CXTPColorHelper operator-(const CXTPColorHelper& other) const;
    CXTPColorHelper operator*(const CXTPColorHelper& other) const;
    // A divisor channel of 0 gives 255, the clamped quotient of any non-zero
    // channel and of 0 alike, instead of dividing by zero.
    CXTPColorHelper operator/(const CXTPColorHelper& other) const;
    CXTPColorHelper operator+(int k) const { return *this + Grey(k); }
    CXTPColorHelper operator-(int k) const { return *this - Grey(k); }
    CXTPColorHelper operator*(int k) const { return *this * Grey(k); }
    CXTPColorHelper operator/(int k) const { return *this / Grey(k); }

    // Hue, saturation and lightness (or value), each from 0 to 1.
    void RGBtoHSL(double* h, double* s, double* l) const;
    void RGBtoHSV(double* h, double* s, double* v) const;
    static CXTPColorHelper HSLtoRGB(double h, double s, double l);
    // Each channel is trunc(x x 255 + 0.5); a grey (s = 0) is round(v x 255 + 0.5), clamped:
    // one step lighter than the channels' rounding wherever v x 255 has a fraction below a
    // half (v = 0 gives RGB(1, 1, 1)).
    static CXTPColorHelper HSVtoRGB(double h, double s, double v);

    // XTPGetColor and the colour manager's RefreshColors(FALSE).
    static COLORREF GetColor(int nIndex);
    static void RefreshColors();

    static const CXTPColorHelper clrBlack;
    static const CXTPColorHelper clrWhite;
    static const CXTPColorHelper clrDarkGray;  // RGB(64, 64, 64)
    static const CXTPColorHelper clrGray;      // RGB(128, 128, 128)
    static const CXTPColorHelper clrLightGray; // RGB(192, 192, 192)

private:
    static constexpr int Clamp(int n) { return n < 0 ? 0 : (n > 255 ? 255 : n); }
    static CXTPColorHelper Grey(int k) { return CXTPColorHelper(k, k, k); }
    // Largest and smallest channel, and the hue from them (0..1).
    double Hue(int nMax, int nMin) const;

    COLORREF m_clr;
};
