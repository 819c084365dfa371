// CXTPCommandBars: the whole state through any exchange (see the header's
// "Saved state" group). Loading reads every part the record names before it
// applies any: a load refused part way (damaged or cut-short data) throws
// and leaves the bars, their places, the icons, the shortcuts and the
// options as they were.
#include "toolkit/commandbars/XTPCommandBars.h"

#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "toolkit/commandbars/input/XTPAccelManager.h"
#include "toolkit/commandbars/state/XTPBarStateParts.h"
#include "toolkit/commandbars/state/XTPPropExchangeParam.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"

#include <algorithm>

CXTPBarStateParts::CXTPBarStateParts()
    : pImages(new CXTPImageManager), icons(), nTheme(xtpThemeOffice2003), bCustomizable(TRUE)
{}

CXTPBarStateParts::~CXTPBarStateParts()
{
    pImages->InternalRelease();
}

void CXTPCommandBars::DoPropExchange(CXTPPropExchange* pPX, const CXTPPropExchangeParam* pParam)
{
    // Without a record: the controls with their original controls, the
    // layout and the designer controls.
    CXTPPropExchangeParam whole;
    whole.bSerializeControls = TRUE;
    whole.bSaveOriginalControls = TRUE;
    whole.bSerializeLayout = TRUE;
    whole.bSerializeDesignerControls = TRUE;
    const CXTPPropExchangeParam& param = pParam != NULL ? *pParam : whole;

    CXTPBarStateParts parts;
    GetStateParts(parts);
    pPX->m_dwData = (DWORD_PTR)&param;
    try
    {
        ExchangeStateParts(pPX, parts, param);
    }
    catch (...)
    {
        pPX->m_dwData = 0;
        throw;
    }
    pPX->m_dwData = 0;
    if (pPX->IsLoading())
        ApplyStateParts(parts, param);
}

void CXTPCommandBars::GetStateParts(CXTPBarStateParts& parts)
{
    GetDockState(parts.dockState);
    for (int d = 0; d < 4; d++)
        parts.arrDockRows[d] = GetDockRowIds(d);
    parts.accelerators = CXTPAccelManager::GetFrameAccelTable(m_pFrame);
    parts.options.CopyValues(*m_pOptions);
    parts.icons = m_pOptions->GetIconsInfo();
    CXTPPaintManager* pPaintManager = GetPaintManager();
    // The theme family is kept (a Luna-coloured Office 2003 look is saved as
    // Office 2003).
    parts.nTheme = pPaintManager != NULL ? pPaintManager->GetBaseTheme() : xtpThemeOffice2003;
    parts.bCustomizable = m_bCustomizeAvail;
}

void CXTPCommandBars::ExchangeStateParts(CXTPPropExchange* pPX, CXTPBarStateParts& parts,
                                         const CXTPPropExchangeParam& param)
{
    if (param.bSerializeControls && pPX->IsStoring())
    {
        GenerateCommandBarList(&parts.bars, param.bSaveOnlyCustomized);
        if (!SaveCommandBarList(pPX, &parts.bars))
            AfxThrowArchiveException(CArchiveException::genericException);
    }
    else if (param.bSerializeControls)
        ReadCommandBarList(pPX, &parts.bars, parts.pImages);
    if (param.bSerializeLayout)
        ExchangeLayout(pPX, parts);
    if (param.bSerializeImages)
    {
        CXTPPropExchangeSectionPtr pSection(pPX->GetSection("Images"));
        (pPX->IsStoring() ? GetImageManager() : parts.pImages)->DoPropExchange(pSection);
    }
    if (param.bSerializeOptions)
        ExchangeOptionsPart(pPX, parts);
}

void CXTPCommandBars::ExchangeLayout(CXTPPropExchange* pPX, CXTPBarStateParts& parts)
{
    CXTPPropExchangeSectionPtr pLayout(pPX->GetSection("Layout"));
    {
        CXTPPropExchangeSectionPtr pState(pLayout->GetSection("DockState"));
        parts.dockState.DoPropExchange(pState);
    }
    CXTPPropExchangeSectionPtr pDockBars(pLayout->GetSection("DockBars"));
    for (int d = 0; d < 4; d++)
    {
        CString strSection;
        strSection.Format("DockBar%i", d);
        CXTPPropExchangeSectionPtr pDock(pDockBars->GetSection(strSection));
        std::vector<UINT>& arrIds = parts.arrDockRows[d];
        DWORD nCount = (DWORD)arrIds.size();
        PX_DWord(pDock, "Count", nCount, 0);
        if (pPX->IsLoading())
            arrIds.assign(std::min(nCount, (DWORD)CXTPDockState::kMaxBars), 0);
        for (size_t n = 0; n < arrIds.size(); n++)
        {
            CString strEntry;
            strEntry.Format("Id%i", (int)n);
            DWORD dwID = arrIds[n];
            PX_DWord(pDock, strEntry, dwID, 0);
            arrIds[n] = dwID;
        }
    }
}

void CXTPCommandBars::ExchangeOptionsPart(CXTPPropExchange* pPX, CXTPBarStateParts& parts)
{
    {
        CXTPPropExchangeSectionPtr pShortcuts(pPX->GetSection("Shortcuts"));
        CXTPAccelManager::ExchangeEntries(pShortcuts, parts.accelerators);
    }
    {
        // A state without options keeps those the program set (see
        // CXTPCommandBarsOptions::DoPropExchange).
        const BOOL bHoldsOptions = pPX->IsStoring() || pPX->IsSectionExists("Options");
        CXTPPropExchangeSectionPtr pOptions(pPX->GetSection("Options"));
        pOptions->UseDefaultOnLoad(bHoldsOptions);
        parts.options.ExchangeValues(pOptions, FALSE, parts.icons);
    }
    int nTheme = parts.nTheme;
    PX_Enum(pPX, "Theme", nTheme, xtpThemeOffice2003);
    // A save writes a theme family (GetBaseTheme). Any other number is
    // damage: it would draw as Office 2000 under a theme id no save keeps,
    // and the next start would show another theme. The bars keep theirs.
    if (nTheme >= xtpThemeOfficeXP && nTheme <= xtpThemeNativeWinXP)
        parts.nTheme = nTheme;
    PX_Bool(pPX, "Customizable", parts.bCustomizable, TRUE);
}

void CXTPCommandBars::ApplyStateParts(CXTPBarStateParts& parts, const CXTPPropExchangeParam& param)
{
    // The icons first: the merged bars draw theirs at once.
    CXTPImageManager* pImages = GetImageManager();
    if (param.bSerializeImages)
        pImages->RemoveAll();
    pImages->MoveIconsFrom(parts.pImages);
    if (param.bSerializeControls)
        RestoreCommandBarList(&parts.bars, param.bLoadSilent);
    if (param.bSerializeLayout)
    {
        std::vector<UINT> arrSeen;
        for (int d = 0; d < 4; d++)
        {
            if (parts.arrDockRows[d].size() > 1 && m_pDocks[d] != NULL)
                ApplyDockBarSlots(d, parts.arrDockRows[d], arrSeen);
        }
        SetDockState(parts.dockState);
        RecalcFrameLayout();
    }
    if (param.bSerializeOptions)
    {
        XTPAccelManager()->SetFrameAccelTable(m_pFrame, parts.accelerators.data(),
                                              (int)parts.accelerators.size());
        m_pOptions->CopyValues(parts.options);
        CXTPPaintManager* pPaintManager = GetPaintManager();
        // Another theme family makes a paint manager of its own, before the
        // icon options go to the paint manager: given to the one it replaces,
        // they were lost and the new one drew with its theme's defaults.
        const int nCurrentTheme = pPaintManager != NULL ? pPaintManager->GetBaseTheme() : xtpThemeOffice2003;
        if (parts.nTheme != nCurrentTheme)
            SetPaintManager(CXTPPaintManager::CreateTheme(parts.nTheme));
        m_pOptions->SetIconsInfo(parts.icons);
        m_bCustomizeAvail = parts.bCustomizable;
    }
}

void CXTPCommandBars::SerializeBarState(CArchive& ar, BOOL bSerializeControls, BOOL bOnlyCustomized,
                                        BOOL bSilent)
{
    CXTPPropExchangeArchive px(ar);
    CXTPPropExchangeParam param;
    param.bSerializeControls = bSerializeControls;
    param.bSaveOnlyCustomized = bOnlyCustomized;
    param.bLoadSilent = bSilent;
    DoPropExchange(&px, &param);
}

void CXTPCommandBars::Serialize(CArchive& ar)
{
    CXTPPropExchangeArchive px(ar);
    DoPropExchange(&px);
}
