#include "toolkit/commandbars/state/XTPCommandBarsOptions.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/state/XTPStoredPlace.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/foundation/XTPPropExchange.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"

namespace {

const DWORD kOptionsSchema = 8;

typedef CMap<UINT, UINT, BOOL, BOOL> CCommandMap;

// A set of command ids in an archive: the framework map's own form (its
// count, then each id with the BOOL TRUE).
void SerializeCommandSet(CArchive& ar, std::set<UINT>& ids)
{
    CCommandMap map;
    if (ar.IsStoring())
    {
        for (UINT nID : ids)
            map[nID] = TRUE;
        map.Serialize(ar);
        return;
    }
    map.Serialize(ar);
    ids.clear();
    UINT nID = 0;
    BOOL bValue = FALSE;
    for (POSITION pos = map.GetStartPosition(); pos != NULL;)
    {
        map.GetNextAssoc(pos, nID, bValue);
        ids.insert(nID);
    }
}

// A set of command ids under its own key: in an archive the map form above,
// elsewhere a section with "Count" and one "Item%i" per id, read up to the
// first one missing. An empty set is left out of stores that leave out
// defaults, and its old section goes.
void ExchangeCommandSet(CXTPPropExchange* pPX, LPCTSTR pszKey, std::set<UINT>& ids)
{
    if (pPX->IsStoring() && pPX->IsAllowDefaultValues() && ids.empty())
    {
        CXTPPropExchangeSectionPtr pSection(pPX->GetSection(pszKey));
        pSection->EmptySection();
        return;
    }
    if (dynamic_cast<CXTPPropExchangeArchive*>(pPX) != NULL)
    {
        CArchive* pArchive = pPX->GetArchive(pszKey);
        SerializeCommandSet(*pArchive, ids);
        pPX->ReleaseArchive(pszKey, pArchive);
        return;
    }

    CXTPPropExchangeSectionPtr pSection(pPX->GetSection(pszKey));
    if (pPX->IsStoring())
    {
        pSection->EmptySection();
        DWORD nCount = (DWORD)ids.size();
        PX_DWord(pSection, "Count", nCount, 0);
        int i = 0;
        for (UINT nID : ids)
        {
            CString strKey;
            strKey.Format("Item%i", i++);
            long nValue = (long)nID;
            PX_Long(pSection, strKey, nValue, 0);
        }
        return;
    }
    ids.clear();
    DWORD nCount = 0;
    PX_DWord(pSection, "Count", nCount, 0);
    for (DWORD i = 0; i < nCount; i++)
    {
        CString strKey;
        strKey.Format("Item%i", (int)i);
        long nValue = 0;
        if (!PX_Long(pSection, strKey, nValue))
            break;
        if (nValue != 0)
            ids.insert((UINT)nValue);
    }
}

// One option value. Every value is written, the toolkit's default too: a
// store that left it out would be read back as "never saved" by a reader
// that keeps what the program set before its load. Loading offers the
// default, which the exchange takes for a missing value only while its
// use-default-on-load switch is on.
void ExchangeOption(CXTPPropExchange* pPX, LPCTSTR pszKey, VARTYPE vtProp, void* pvValue, const void* pvDefault)
{
    pPX->ExchangeProp(pszKey, vtProp, pvValue, pPX->IsStoring() ? NULL : pvDefault);
}

void ExchangeBoolOption(CXTPPropExchange* pPX, LPCTSTR pszKey, BOOL& bValue, BOOL bDefault)
{
    ExchangeOption(pPX, pszKey, VT_BOOL, &bValue, &bDefault);
}

// An icon size option; loading refuses a size no icon can take, as the
// bars' own icon sizes are loaded.
void ExchangeIconSizeOption(CXTPPropExchange* pPX, LPCTSTR pszKey, CSize& szIcon, CSize szDefault)
{
    if (pPX->IsStoring())
        ExchangeOption(pPX, pszKey, VT_EX_SIZE, &szIcon, &szDefault);
    else
        XTPExchangeStoredIconSize(pPX, pszKey, szIcon, szDefault);
}

} // namespace

IMPLEMENT_DYNAMIC(CXTPCommandBarsOptions, CCmdTarget)

CXTPCommandBarsOptions::CXTPCommandBarsOptions()
    : bAlwaysShowFullMenus(TRUE), bShowFullAfterDelay(TRUE), bToolBarScreenTips(TRUE),
      bToolBarAccelTips(FALSE), bLargeIcons(FALSE), bSyncFloatingBars(TRUE), bShowExpandButtonAlways(TRUE),
      bDblClickFloat(FALSE), bShowTextBelowIcons(FALSE), bAltDragCustomization(TRUE),
      bAutoHideUnusedPopups(TRUE), bDirty(FALSE), animationType(0), szIcons(0, 0), szLargeIcons(0, 0),
      szPopupIcons(16, 16), m_pCommandBars(NULL)
{}

BOOL CXTPCommandBarsOptions::IsCommandHidden(UINT nID) const
{
    return m_mapHiddenCommands.count(nID) != 0 && m_mapUsedCommands.count(nID) == 0;
}

void CXTPCommandBarsOptions::CopyValues(const CXTPCommandBarsOptions& other)
{
    bAlwaysShowFullMenus = other.bAlwaysShowFullMenus;
    bShowFullAfterDelay = other.bShowFullAfterDelay;
    bToolBarScreenTips = other.bToolBarScreenTips;
    bToolBarAccelTips = other.bToolBarAccelTips;
    bLargeIcons = other.bLargeIcons;
    bSyncFloatingBars = other.bSyncFloatingBars;
    bShowExpandButtonAlways = other.bShowExpandButtonAlways;
    bDblClickFloat = other.bDblClickFloat;
    bShowTextBelowIcons = other.bShowTextBelowIcons;
    bAltDragCustomization = other.bAltDragCustomization;
    bAutoHideUnusedPopups = other.bAutoHideUnusedPopups;
    animationType = other.animationType;
    szIcons = other.szIcons;
    szLargeIcons = other.szLargeIcons;
    szPopupIcons = other.szPopupIcons;
    m_mapHiddenCommands = other.m_mapHiddenCommands;
    m_mapUsedCommands = other.m_mapUsedCommands;
}

XTP_COMMANDBARS_ICONSINFO CXTPCommandBarsOptions::GetIconsInfo() const
{
    XTP_COMMANDBARS_ICONSINFO icons = {TRUE, TRUE, FALSE};
    CXTPPaintManager* pPaintManager = m_pCommandBars != NULL ? m_pCommandBars->GetPaintManager() : NULL;
    if (pPaintManager != NULL)
        icons = *pPaintManager->GetIconsInfo();
    return icons;
}

void CXTPCommandBarsOptions::SetIconsInfo(const XTP_COMMANDBARS_ICONSINFO& icons)
{
    CXTPPaintManager* pPaintManager = m_pCommandBars != NULL ? m_pCommandBars->GetPaintManager() : NULL;
    if (pPaintManager != NULL)
        *pPaintManager->GetIconsInfo() = icons;
}

void CXTPCommandBarsOptions::DoPropExchange(CXTPPropExchange* pPX, BOOL bRegistry)
{
    XTP_COMMANDBARS_ICONSINFO icons = GetIconsInfo();
    if (pPX->IsStoring())
    {
        ExchangeValues(pPX, bRegistry, icons);
        return;
    }
    // Read into a copy, taken only once the whole load succeeded: a load
    // refused part way (an archive cut short) leaves the options as they were.
    CXTPCommandBarsOptions loaded;
    loaded.CopyValues(*this);
    loaded.ExchangeValues(pPX, bRegistry, icons);
    CopyValues(loaded);
    SetIconsInfo(icons);
}

void CXTPCommandBarsOptions::ExchangeValues(CXTPPropExchange* pPX, BOOL bRegistry, XTP_COMMANDBARS_ICONSINFO& icons)
{
    DWORD nSchema = kOptionsSchema;
    const DWORD nDefaultSchema = kOptionsSchema;
    ExchangeOption(pPX, "Schema", VT_I4, &nSchema, &nDefaultSchema);
    ExchangeBoolOption(pPX, "AlwaysShowFullMenus", bAlwaysShowFullMenus, TRUE);
    ExchangeBoolOption(pPX, "ShowFullAfterDelay", bShowFullAfterDelay, TRUE);
    ExchangeBoolOption(pPX, "ToolBarScreenTips", bToolBarScreenTips, TRUE);
    ExchangeBoolOption(pPX, "ToolBarAccelTips", bToolBarAccelTips, FALSE);
    ExchangeBoolOption(pPX, "LargeIcons", bLargeIcons, FALSE);
    if (nSchema > 7)
        ExchangeCommandSet(pPX, "UsedCommands", m_mapUsedCommands);
    if (nSchema > 7 || bRegistry)
    {
        const int nDefaultAnimation = 0;
        ExchangeOption(pPX, "Animation", VT_I4, &animationType, &nDefaultAnimation);
    }
    if (bRegistry)
        return;

    ExchangeBoolOption(pPX, "SyncFloatingBars", bSyncFloatingBars, TRUE);
    ExchangeBoolOption(pPX, "ShowExpandButtonAlways", bShowExpandButtonAlways, TRUE);
    ExchangeIconSizeOption(pPX, "IconsSize", szIcons, CSize(0, 0));
    ExchangeIconSizeOption(pPX, "LargeIconsSize", szLargeIcons, CSize(0, 0));
    ExchangeCommandSet(pPX, "HiddenCommands", m_mapHiddenCommands);
    ExchangeBoolOption(pPX, "IconsWithShadow", icons.bIconsWithShadow, FALSE);
    ExchangeBoolOption(pPX, "UseDisabledIcons", icons.bUseDisabledIcons, TRUE);
    ExchangeBoolOption(pPX, "UseFadedIcons", icons.bUseFadedIcons, TRUE);

    if (nSchema > 7)
    {
        ExchangeBoolOption(pPX, "SyncFloatingBars", bSyncFloatingBars, TRUE);
        ExchangeBoolOption(pPX, "ShowExpandButtonAlways", bShowExpandButtonAlways, TRUE);
        ExchangeBoolOption(pPX, "DblClickFloat", bDblClickFloat, FALSE);
        ExchangeBoolOption(pPX, "ShowTextBelowIcons", bShowTextBelowIcons, FALSE);
        ExchangeBoolOption(pPX, "AltDragCustomization", bAltDragCustomization, TRUE);
        ExchangeBoolOption(pPX, "AutoHideUnusedPopups", bAutoHideUnusedPopups, TRUE);
        ExchangeIconSizeOption(pPX, "PopupIconsSize", szPopupIcons, CSize(16, 16));
    }
}

void CXTPCommandBarsOptions::Serialize(CArchive& ar)
{
    CXTPPropExchangeArchive px(ar);
    DoPropExchange(&px, FALSE);
}
