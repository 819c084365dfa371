#include "toolkit/taskpanel/themes/XTPTaskPanelThemes.h"

#include "toolkit/taskpanel/XTPTaskPanelDefines.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelButtonPainters.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelOpenFramePainter.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelShellStylePainter.h"

CXTPTaskPanelPainter* XTPTaskPanelCreatePainter(int nTheme)
{
    switch (nTheme)
    {
    case xtpTaskPanelThemeBase: return new CXTPTaskPanelPainter;
    case xtpTaskPanelThemeOpenFrame: return new CXTPTaskPanelOpenFramePainter;
    case xtpTaskPanelThemeList: return new CXTPTaskPanelListPainter;
    case xtpTaskPanelThemeFlatList: return new CXTPTaskPanelFlatListPainter;
    case xtpTaskPanelThemeSchemeList: return new CXTPTaskPanelSchemeListPainter;
    case xtpTaskPanelThemeShellList: return new CXTPTaskPanelShellListPainter;
    case xtpTaskPanelThemeButton: return new CXTPTaskPanelButtonPainter;
    case xtpTaskPanelThemeTreeButton: return new CXTPTaskPanelTreeButtonPainter;
    case xtpTaskPanelThemeDarkButton: return new CXTPTaskPanelDarkButtonPainter;
    case xtpTaskPanelThemeFlatButton: return new CXTPTaskPanelFlatButtonPainter;
    case xtpTaskPanelThemeGradientButton: return new CXTPTaskPanelGradientButtonPainter;
    case xtpTaskPanelThemeGradientBar: return new CXTPTaskPanelGradientBarPainter;
    default: return new CXTPTaskPanelShellStylePainter;
    }
}
