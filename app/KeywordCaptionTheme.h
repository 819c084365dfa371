// CKeywordCaptionTheme: the keyword pane's caption in the main window's
// Windows XP look: a face-coloured strip with a highlight line along its top
// and left edges and a line in the flat-border colour along its bottom, so it
// joins the flat-bordered tree under it. Its button draws in the Office 2003
// button look. The main frame gives it to the keyword tree view's caption:
//
//   caption.CXTThemeManagerStyleHost::SetTheme(new CKeywordCaptionTheme);
#pragma once
#include "toolkit/controls/XTCaptionTheme.h"

class CKeywordCaptionTheme : public CXTCaptionTheme
{
public:
    // Colour 15 over the rectangle, colour 20 along the top and the left
    // edge, the flat-border colour along the bottom; transparent text after.
    void DrawCaptionBack(CDC* pDC, CXTCaption* pCaption, CRect& rect) override;
    // A new Office 2003 button theme.
    CXTButtonTheme* CreateButtonTheme(CXTCaption* pCaption) override;
};
