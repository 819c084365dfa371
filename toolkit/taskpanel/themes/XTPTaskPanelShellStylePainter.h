#pragma once
// Theme 2, CXTPTaskPanelShellStylePainter, the panel's default: the shell's
// own task panes, in the active Windows XP scheme's colours with the visual
// style's round expand buttons; without a scheme (and with the fallback
// colours on) blends of the system colours with generated round buttons.
// Theme 6 (XTPTaskPanelListPainters.h) takes the same colours.
#include "toolkit/taskpanel/themes/XTPTaskPanelPainter.h"

// The shell look's colours for one scheme (0: the blends of the system
// colours), as themes 2 and 6 use them.
struct XTPTaskPanelShellColors
{
    COLORREF clrBackLight, clrBackDark;
    COLORREF clrSpecialHeadLight, clrSpecialHeadDark, clrSpecialHeadText, clrSpecialHeadHot, clrSpecialClient;
    COLORREF clrHeadLight, clrHeadDark, clrHeadText, clrHeadHot, clrClient;
    // Links: the caption text colours in a scheme, button text and
    // highlight without one.
    COLORREF clrLink, clrLinkHot;
    double dHeadGradientFactor;
};
XTPTaskPanelShellColors XTPTaskPanelShellColorsOf(int nScheme);

class CXTPTaskPanelShellStylePainter : public CXTPTaskPanelPainter
{
public:
    // Flat highlights in the scheme's colours.
    CXTPTaskPanelShellStylePainter();
    void RefreshMetrics() override;

    // The scheme's (or fallback) colours were applied.
    BOOL IsShellLook() const { return m_bShellLook; }

private:
    BOOL m_bShellLook;
};
