#pragma once
// CXTPImageEditorPicker: one colour swatch of the Button Editor's palette
// (also the transparent swatch and the custom-colour swatch). It shows its
// colour, or a grey-and-white pattern for the transparent colour, framed
// three times when selected; a click tells the parent with WM_NOTIFY
// NM_CLICK and the swatch's id.
//
//     m_wndBlack.Create("", WS_CHILD | WS_VISIBLE | SS_NOTIFY, rc, this, XTP_IDS_CLR_BLACK);
//     m_wndBlack.SetColor(RGB(0, 0, 0));
//     m_wndBlack.SetSelected(TRUE);
#include "framework/Controls.h"

class CXTPImageEditorPicker : public CStatic
{
    DECLARE_DYNAMIC(CXTPImageEditorPicker)
public:
    CXTPImageEditorPicker();

    // Both redraw the swatch.
    void SetColor(COLORREF clr);
    COLORREF GetColor() const { return m_clr; }
    void SetSelected(BOOL bSelected);
    BOOL IsSelected() const { return m_bSelected; }

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void Redraw();

    COLORREF m_clr;
    BOOL m_bSelected;
};
