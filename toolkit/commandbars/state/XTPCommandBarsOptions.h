#pragma once
// CXTPCommandBarsOptions: the options of one command-bars manager (full or
// short menus, screen tips, icon sizes, the expand button, the commands hidden
// from short menus and those used since), saved under the profile section
// "%s-Options". The manager creates it and sets the owner back.
#include "toolkit/commandbars/XTPCommandBarsDefines.h"

#include <set>

class CXTPCommandBars;
class CXTPPropExchange;
struct XTP_COMMANDBARS_ICONSINFO;

class CXTPCommandBarsOptions : public CCmdTarget
{
    DECLARE_DYNAMIC(CXTPCommandBarsOptions)
public:
    CXTPCommandBarsOptions();

    // A command is hidden when it is in the hidden set and not in the used one.
    BOOL IsCommandHidden(UINT nID) const;

    // Reads or writes the options: the registry form (bRegistry) holds the
    // menu options, the used commands and the animation; the archive form
    // adds the rest, the icon options of the owner's paint manager among
    // them. In an archive the command sets take the framework map's form
    // (count, then id and BOOL pairs). A load that fails part way changes
    // nothing; an icon size no icon can take is not loaded.
    //
    // Every value is written, the toolkit's defaults too (an empty command
    // set excepted, which a missing one reads as). A value missing on load
    // follows the exchange's use-default-on-load switch: on (as an exchange
    // is made), the toolkit's default, which is what a missing value of a
    // saved store means (stores of older versions left out the values equal
    // to it); off, the value stays as the program set it before the load.
    // So a caller whose store holds no options yet (a first start) turns
    // the switch off, and a program's own setting of an option before the
    // load never hides what the user saved:
    //
    //     px.UseDefaultOnLoad(bStoreHoldsOptions);
    //     pOptions->DoPropExchange(&px, TRUE);
    void DoPropExchange(CXTPPropExchange* pPX, BOOL bRegistry);
    // The archive form.
    void Serialize(CArchive& ar) override;

    // DoPropExchange's values alone, with the icon options in icons:
    // loading changes this record as far as the load goes, so a caller that
    // must change nothing on failure reads into a copy (CopyValues).
    void ExchangeValues(CXTPPropExchange* pPX, BOOL bRegistry, XTP_COMMANDBARS_ICONSINFO& icons);
    // Every exchanged value of the other record (not the owner or bDirty).
    void CopyValues(const CXTPCommandBarsOptions& other);
    // The icon options, which live in the owner's paint manager: its own,
    // the defaults (faded and disabled icons, no shadows) without one.
    // Setting them without a paint manager does nothing.
    XTP_COMMANDBARS_ICONSINFO GetIconsInfo() const;
    void SetIconsInfo(const XTP_COMMANDBARS_ICONSINFO& icons);

    BOOL bAlwaysShowFullMenus;
    BOOL bShowFullAfterDelay;
    BOOL bToolBarScreenTips;
    BOOL bToolBarAccelTips;
    BOOL bLargeIcons;
    BOOL bSyncFloatingBars;
    BOOL bShowExpandButtonAlways;
    BOOL bDblClickFloat;
    BOOL bShowTextBelowIcons;
    BOOL bAltDragCustomization;
    BOOL bAutoHideUnusedPopups;
    BOOL bDirty; // changed since loaded (not saved)
    int animationType;
    CSize szIcons;      // 0 x 0 means 16 x 16
    CSize szLargeIcons; // 0 x 0 means twice the icon size
    CSize szPopupIcons;
    std::set<UINT> m_mapHiddenCommands;
    std::set<UINT> m_mapUsedCommands;
    CXTPCommandBars* m_pCommandBars;
};
