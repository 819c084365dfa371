// CDoubleSpinCtrl: a spin button whose range, step and position are
// floating-point values, shown in the buddy edit as formatted text.
//
//   m_spin.SetDecimals(0);
//   m_spin.SetRangeAndStep(5.0, 3600.0, 5.0);
//   m_spin.SetPos(30);            // the buddy shows "30"
//   double minutes = m_spin.GetPos();
//
// The up-down control itself counts whole steps 0..integer range; the value
// lives in the buddy's text. The arithmetic stands apart as static functions.
#pragma once
#include "framework/Controls.h"

class CDoubleSpinCtrl : public CSpinButtonCtrl
{
public:
    CDoubleSpinCtrl();

    void SetPos(double value);
    // The buddy's text as a number; 0 without a buddy.
    double GetPos() const;
    void SetRangeAndStep(double minimum, double maximum, double step);
    void GetRangeAndStep(double* minimum, double* maximum, double* step) const;
    void SetDecimals(int decimals) { m_nDecimals = decimals; }
    int GetDecimals() const { return m_nDecimals; }
    // A printf format for the value; NULL or "" builds one from the decimals.
    void SetFormat(LPCTSTR lpszFormat) { m_strFormat = lpszFormat ? lpszFormat : ""; }
    void SetTrimTrailingZeros(BOOL bTrim) { m_bTrimZeros = bTrim; }

    // The text of a value: the format when set, "%g" for decimals -1, else
    // fixed or (when "%g" shows an exponent) exponent form with the decimals;
    // trimming drops trailing zeros and a trailing decimal point.
    static CString FormatValue(double value, const CString& format, int decimals, BOOL trimZeros,
                               char decimalPoint);
    // The up-down position of a value within the range.
    static int PositionOf(double value, double minimum, double maximum, int integerRange);
    // The number of whole steps in the range, at most 32767; 0 for no step.
    static int IntegerRangeOf(double minimum, double maximum, double step);
    // The value after a spin of delta steps, held at the ends or wrapped.
    static double SpinTo(double current, int delta, double step, double minimum, double maximum, BOOL wrap);

protected:
    void PreSubclassWindow() override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDeltaPos(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void SetValueText(double value);
    void SetUpDownPosition(double value);

    double m_dMinimum;
    double m_dMaximum;
    double m_dStep;
    int m_nIntegerRange;
    int m_nDecimals;
    CString m_strFormat;
    BOOL m_bTrimZeros;
    char m_chDecimalPoint;
};
