#include "toolkit/commandbars/state/XTPCommandBarsOptions.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/foundation/XTPPropExchange.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"

namespace {

const DWORD kOptionsSchema = 8;

// A set of command ids under its own key: in an archive its count and ids,
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
    CXTPPropExchangeArchive* pArchiveExchange = dynamic_cast<CXTPPropExchangeArchive*>(pPX);
    if (pArchiveExchange != NULL)
    {
        CArchive* pArchive = pPX->GetArchive(pszKey);
        if (pPX->IsStoring())
        {
            *pArchive << (DWORD)ids.size();
            for (UINT nID : ids)
                *pArchive << nID;
        }
        else
        {
            ids.clear();
            DWORD nCount = 0;
            *pArchive >> nCount;
            for (DWORD i = 0; i < nCount; i++)
            {
                UINT nID = 0;
                *pArchive >> nID;
                ids.insert(nID);
            }
        }
        pPX->ReleaseArchive(pszKey, pArchive);
        return;
    }

    CXTPPropExchange* pSection = pPX->GetSection(pszKey);
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
    }
    else
    {
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
    delete pSection;
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

void CXTPCommandBarsOptions::DoPropExchange(CXTPPropExchange* pPX, BOOL bRegistry)
{
    pPX->UseDefaultOnLoad(FALSE);
    DWORD nSchema = kOptionsSchema;
    PX_DWord(pPX, "Schema", nSchema, kOptionsSchema);
    PX_Bool(pPX, "AlwaysShowFullMenus", bAlwaysShowFullMenus, TRUE);
    PX_Bool(pPX, "ShowFullAfterDelay", bShowFullAfterDelay, TRUE);
    PX_Bool(pPX, "ToolBarScreenTips", bToolBarScreenTips, TRUE);
    PX_Bool(pPX, "ToolBarAccelTips", bToolBarAccelTips, FALSE);
    PX_Bool(pPX, "LargeIcons", bLargeIcons, FALSE);
    if (nSchema > 7)
        ExchangeCommandSet(pPX, "UsedCommands", m_mapUsedCommands);
    if (nSchema > 7 || bRegistry)
        PX_Int(pPX, "Animation", animationType, 0);
    if (bRegistry)
        return;

    PX_Bool(pPX, "SyncFloatingBars", bSyncFloatingBars, TRUE);
    PX_Bool(pPX, "ShowExpandButtonAlways", bShowExpandButtonAlways, TRUE);
    PX_Size(pPX, "IconsSize", szIcons, CSize(0, 0));
    PX_Size(pPX, "LargeIconsSize", szLargeIcons, CSize(0, 0));
    ExchangeCommandSet(pPX, "HiddenCommands", m_mapHiddenCommands);

    // The icon options live in the paint manager; without one they are
    // exchanged through a copy of their defaults.
    XTP_COMMANDBARS_ICONSINFO defaults = {TRUE, TRUE, FALSE};
    CXTPPaintManager* pPaintManager = m_pCommandBars != NULL ? m_pCommandBars->GetPaintManager() : NULL;
    XTP_COMMANDBARS_ICONSINFO* pIcons = pPaintManager != NULL ? pPaintManager->GetIconsInfo() : &defaults;
    PX_Bool(pPX, "IconsWithShadow", pIcons->bIconsWithShadow, FALSE);
    PX_Bool(pPX, "UseDisabledIcons", pIcons->bUseDisabledIcons, TRUE);
    PX_Bool(pPX, "UseFadedIcons", pIcons->bUseFadedIcons, TRUE);

    if (nSchema > 7)
    {
        PX_Bool(pPX, "SyncFloatingBars", bSyncFloatingBars, TRUE);
        PX_Bool(pPX, "ShowExpandButtonAlways", bShowExpandButtonAlways, TRUE);
        PX_Bool(pPX, "DblClickFloat", bDblClickFloat, FALSE);
        PX_Bool(pPX, "ShowTextBelowIcons", bShowTextBelowIcons, FALSE);
        PX_Bool(pPX, "AltDragCustomization", bAltDragCustomization, TRUE);
        PX_Bool(pPX, "AutoHideUnusedPopups", bAutoHideUnusedPopups, TRUE);
        PX_Size(pPX, "PopupIconsSize", szPopupIcons, CSize(16, 16));
    }
}

void CXTPCommandBarsOptions::Serialize(CArchive& ar)
{
    CXTPPropExchangeArchive px(ar);
    DoPropExchange(&px, FALSE);
}
