#include "toolkit/commandbars/XTPCommandBarsOptions.h"

IMPLEMENT_DYNAMIC(CXTPCommandBarsOptions, CCmdTarget)

CXTPCommandBarsOptions::CXTPCommandBarsOptions()
    : bAlwaysShowFullMenus(TRUE), bShowFullAfterDelay(TRUE), bToolBarScreenTips(TRUE), bToolBarAccelTips(FALSE),
      bLargeIcons(FALSE), bSyncFloatingBars(TRUE), bShowExpandButtonAlways(TRUE), bDblClickFloat(FALSE),
      bShowTextBelowIcons(FALSE), bAltDragCustomization(TRUE), bAutoHideUnusedPopups(TRUE), bDirty(FALSE),
      animationType(0), szIcons(0, 0), szLargeIcons(0, 0), szPopupIcons(16, 16), m_pCommandBars(NULL)
{
}

BOOL CXTPCommandBarsOptions::IsCommandHidden(UINT nID) const
{
    return m_mapHiddenCommands.count(nID) != 0 && m_mapUsedCommands.count(nID) == 0;
}
