#pragma once
// The button themes: each group caption is a button across the panel.
//   7 CXTPTaskPanelButtonPainter: raised face-coloured buttons, classic
//     highlights, an inverted caption for drag marks;
//   8 CXTPTaskPanelTreeButtonPainter: flat captions with a tree's plus and
//     minus box, face-to-white gradients;
//   9 CXTPTaskPanelDarkButtonPainter: raised buttons over dark client areas
//     with light text;
//  10 CXTPTaskPanelFlatButtonPainter: the same over the toolkit's light face;
//  11 CXTPTaskPanelGradientButtonPainter: captions in the toolkit's gradients,
//     warm faces while hot and pressed;
//  12 CXTPTaskPanelGradientBarPainter: gradient bars with centred text over
//     the toolkit's gradient.
#include "toolkit/taskpanel/themes/XTPTaskPanelListPainters.h"

class CXTPTaskPanelButtonPainter : public CXTPTaskPanelListPainter
{
public:
    CXTPTaskPanelButtonPainter();
    void RefreshMetrics() override;
    // The caption as a button (DrawCaptionButton) with its text and, for
    // drags, the caption inverted or marked; measuring answers the caption
    // height.
    int DrawGroupCaption(CDC* pDC, CXTPTaskPanelGroup* pGroup, BOOL bDraw) override;

    // --- overridable ---

    // Draws the button's face and frame; answers the rectangle for the text.
    // The base: a raised button, pushed in while hot and pressed.
    virtual CRect DrawCaptionButton(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc);

protected:
    UINT m_nCaptionFormat;
};

class CXTPTaskPanelTreeButtonPainter : public CXTPTaskPanelButtonPainter
{
public:
    CXTPTaskPanelTreeButtonPainter();
    // Face to white, left to right.
    void FillTaskPanel(CDC* pDC, CXTPTaskPanel* pPanel) override;
    void FillGroupClientFace(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc) override;
    // A flat caption with a tree's box; the highlight colours while focused.
    CRect DrawCaptionButton(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc) override;
};

class CXTPTaskPanelDarkButtonPainter : public CXTPTaskPanelButtonPainter
{
public:
    CXTPTaskPanelDarkButtonPainter();
    void RefreshMetrics() override;
};

class CXTPTaskPanelFlatButtonPainter : public CXTPTaskPanelDarkButtonPainter
{
public:
    CXTPTaskPanelFlatButtonPainter();
    void RefreshMetrics() override;
};

class CXTPTaskPanelGradientButtonPainter : public CXTPTaskPanelFlatButtonPainter
{
public:
    CXTPTaskPanelGradientButtonPainter();
    void RefreshMetrics() override;
    // Gradient faces: hot, pressed, or the toolkit's second gradient.
    CRect DrawCaptionButton(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc) override;

    const CXTPPaintManagerColorGradient& GetCaptionFacePressed() const { return m_grcCaptionFacePressed; }

protected:
    // The face of a hot or pressed caption, top to bottom; FALSE for neither.
    BOOL FillActiveCaptionFace(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc);

    CXTPPaintManagerColorGradient m_grcCaptionFaceHot;
    CXTPPaintManagerColorGradient m_grcCaptionFacePressed;
};

class CXTPTaskPanelGradientBarPainter : public CXTPTaskPanelGradientButtonPainter
{
public:
    CXTPTaskPanelGradientBarPainter();
    void RefreshMetrics() override;
    // The toolkit's first gradient, top to bottom.
    void FillTaskPanel(CDC* pDC, CXTPTaskPanel* pPanel) override;
    // The same gradient with a line along the top.
    void FillGroupClientFace(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc) override;
    // The fourth gradient, or the hot and pressed faces; a line above every
    // caption but the first.
    CRect DrawCaptionButton(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc) override;
};
