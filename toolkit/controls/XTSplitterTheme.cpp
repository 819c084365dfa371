#include "toolkit/controls/XTSplitterTheme.h"
#include "toolkit/foundation/XTPColorManager.h"

IMPLEMENT_DYNCREATE(CXTSplitterThemeFactory, CXTThemeManagerStyleFactory)

namespace {

// Face and shadow of the Office 2003 splitter per Windows XP colour scheme.
struct SchemeColors
{
    COLORREF face;
    COLORREF shadow;
};
const SchemeColors kSchemeColors[] = {
    {RGB(216, 231, 252), RGB(158, 190, 245)}, // 1 blue
    {RGB(226, 231, 191), RGB(171, 192, 138)}, // 2 olive
    {RGB(223, 223, 234), RGB(177, 176, 195)}, // 3 silver
};

} // namespace

CXTSplitterTheme::CXTSplitterTheme()
    : m_clrSplitterFace(::GetSysColor(COLOR_BTNFACE)), m_clrSplitterBorder(::GetSysColor(COLOR_BTNSHADOW))
{}

void CXTSplitterTheme::RefreshMetrics()
{
    m_clrSplitterFace = ::GetSysColor(COLOR_BTNFACE);
    m_clrSplitterBorder = ::GetSysColor(COLOR_BTNSHADOW);
}

void CXTSplitterThemeOffice2003::RefreshMetrics()
{
    CXTSplitterTheme::RefreshMetrics();
    if (XTPColorManager()->IsLunaColorsDisabled())
        return;
    int nScheme = XTPColorManager()->GetCurrentSystemTheme();
    if (nScheme < 1 || nScheme > 3)
        return;
    m_clrSplitterFace = kSchemeColors[nScheme - 1].face;
    m_clrSplitterBorder = kSchemeColors[nScheme - 1].shadow;
}

CXTThemeManagerStyle* CXTSplitterThemeFactory::CreateTheme(int nTheme)
{
    CXTThemeManagerStyle* pTheme = nTheme == 2 ? new CXTSplitterThemeOffice2003 : new CXTSplitterTheme;
    pTheme->SetThemeId(nTheme);
    return pTheme;
}
