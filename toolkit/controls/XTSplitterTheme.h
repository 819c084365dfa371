#pragma once
// The splitter family's themes: the colours of the bars and borders of
// CXTSplitterWnd. The shared factory makes the Office 2003 theme for theme
// id 2 and the base theme for every other id:
//
//   CXTSplitterWnd::SetTheme(2);   // every splitter without a private theme
//
// The base theme uses the system's button face and shadow; the Office 2003
// theme takes the colours of the running Windows XP colour scheme instead,
// unless the colour manager's scheme colours are switched off.
#include "toolkit/foundation/XTThemeManager.h"

class CXTSplitterTheme : public CXTThemeManagerStyle
{
public:
    CXTSplitterTheme();

    // Face = COLOR_BTNFACE, shadow = COLOR_BTNSHADOW.
    void RefreshMetrics() override;

    COLORREF m_clrSplitterFace;
    COLORREF m_clrSplitterBorder;
};

class CXTSplitterThemeOffice2003 : public CXTSplitterTheme
{
public:
    // The base's colours, then those of the XP scheme (blue, olive, silver).
    void RefreshMetrics() override;
};

class CXTSplitterThemeFactory : public CXTThemeManagerStyleFactory
{
    DECLARE_DYNCREATE(CXTSplitterThemeFactory)
public:
    CXTThemeManagerStyle* CreateTheme(int nTheme) override;
};
