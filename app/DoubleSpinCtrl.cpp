#include "app/DoubleSpinCtrl.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Drops trailing zeros and then a trailing decimal point from a fixed-form
// number that has a decimal point.
CString TrimFixed(const CString& text, char decimalPoint)
{
    if (text.Find(decimalPoint) < 0)
        return text;
    CString trimmed = text;
    trimmed.TrimRight('0');
    trimmed.TrimRight(decimalPoint);
    return trimmed;
}

double Tolerance(double bound, double value)
{
    double tolerance = std::fabs(1e-9 * (bound > value ? bound : value));
    return tolerance < 1e-9 ? 1e-9 : tolerance;
}

} // namespace

BEGIN_MESSAGE_MAP(CDoubleSpinCtrl, CSpinButtonCtrl)
ON_WM_CREATE()
ON_NOTIFY_REFLECT(UDN_DELTAPOS, OnDeltaPos)
END_MESSAGE_MAP()

CDoubleSpinCtrl::CDoubleSpinCtrl()
    : m_dMinimum(0.0), m_dMaximum(100.0), m_dStep(1.0), m_nIntegerRange(100), m_nDecimals(-1),
      m_bTrimZeros(TRUE), m_chDecimalPoint(std::localeconv()->decimal_point[0])
{}

CString CDoubleSpinCtrl::FormatValue(double value, const CString& format, int decimals, BOOL trimZeros,
                                     char decimalPoint)
{
    char text[512];
    if (!format.IsEmpty())
    {
        std::snprintf(text, sizeof(text), (LPCTSTR)format, value);
        return text;
    }
    if (decimals < 0)
    {
        std::snprintf(text, sizeof(text), "%g", value);
        return text;
    }
    std::snprintf(text, sizeof(text), "%g", value);
    BOOL exponent = std::strchr(text, 'e') != NULL;
    char built[32];
    std::snprintf(built, sizeof(built), exponent ? "%%.%de" : "%%.%df", decimals);
    std::snprintf(text, sizeof(text), built, value);
    CString result(text);
    if (!trimZeros)
        return result;
    if (!exponent)
        return TrimFixed(result, decimalPoint);
    int e = result.Find('e');
    return TrimFixed(result.Left(e), decimalPoint) + result.Mid(e);
}

int CDoubleSpinCtrl::PositionOf(double value, double minimum, double maximum, int integerRange)
{
    if (value < minimum)
        return 0;
    if (value > maximum)
        return integerRange;
    return (int)(integerRange * (value - minimum) / (maximum - minimum) + 0.5);
}

int CDoubleSpinCtrl::IntegerRangeOf(double minimum, double maximum, double step)
{
    if (step == 0)
        return 0;
    double steps = std::fabs((maximum - minimum) / step);
    return steps > 32767 ? 32767 : (int)steps;
}

double CDoubleSpinCtrl::SpinTo(double current, int delta, double step, double minimum, double maximum,
                               BOOL wrap)
{
    double value = current + delta * step;
    if (delta >= 0)
    {
        if (value - maximum > Tolerance(maximum, value))
            value = wrap ? minimum : maximum;
    }
    else if (minimum - value > Tolerance(minimum, value))
    {
        value = wrap ? maximum : minimum;
    }
    return value;
}

void CDoubleSpinCtrl::SetValueText(double value)
{
    CWnd* pBuddy = GetBuddy();
    if (pBuddy != NULL)
        pBuddy->SetWindowText(FormatValue(value, m_strFormat, m_nDecimals, m_bTrimZeros, m_chDecimalPoint));
}

void CDoubleSpinCtrl::SetUpDownPosition(double value)
{
    if (m_dMaximum == m_dMinimum)
        return;
    SendMessage(UDM_SETPOS, 0, MAKELPARAM(PositionOf(value, m_dMinimum, m_dMaximum, m_nIntegerRange), 0));
}

void CDoubleSpinCtrl::SetPos(double value)
{
    SetValueText(value);
    SetUpDownPosition(value);
}

double CDoubleSpinCtrl::GetPos() const
{
    CWnd* pBuddy = GetBuddy();
    if (pBuddy == NULL)
        return 0.0;
    CString text;
    pBuddy->GetWindowText(text);
    return std::atof(text);
}

void CDoubleSpinCtrl::SetRangeAndStep(double minimum, double maximum, double step)
{
    m_dMinimum = minimum;
    m_dMaximum = maximum;
    m_dStep = step;
    if (step != 0)
        m_nIntegerRange = IntegerRangeOf(minimum, maximum, step);
    if (m_hWnd == NULL)
        return;
    SetRange32(0, m_nIntegerRange);
    SetUpDownPosition(GetPos());
}

void CDoubleSpinCtrl::GetRangeAndStep(double* minimum, double* maximum, double* step) const
{
    *minimum = m_dMinimum;
    *maximum = m_dMaximum;
    *step = m_dStep;
}

void CDoubleSpinCtrl::PreSubclassWindow()
{
    CSpinButtonCtrl::PreSubclassWindow();
    SetRangeAndStep(m_dMinimum, m_dMaximum, m_dStep);
}

int CDoubleSpinCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CSpinButtonCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetRangeAndStep(m_dMinimum, m_dMaximum, m_dStep);
    return 0;
}

void CDoubleSpinCtrl::OnDeltaPos(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMUPDOWN* pUpDown = (NMUPDOWN*)pNMHDR;
    BOOL wrap = (GetStyle() & UDS_WRAP) != 0;
    SetValueText(SpinTo(GetPos(), pUpDown->iDelta, m_dStep, m_dMinimum, m_dMaximum, wrap));
    *pResult = 0;
}
