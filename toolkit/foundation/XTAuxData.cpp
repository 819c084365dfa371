#include "toolkit/foundation/XTAuxData.h"

#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPDrawHelpers.h"
#include "toolkit/foundation/XTPOptionalLibrary.h"
#include "toolkit/foundation/XTPResourceManager.h"
#include "toolkit/foundation/XTPStartup.h"
#include "toolkit/foundation/XTThemeManager.h"
#include "toolkit/foundation/XTWinVersion.h"

static_assert(sizeof(NONCLIENTMETRICSA) == 340, "the Windows XP size of NONCLIENTMETRICS");

namespace {

// The process-wide profile file name, built by the start-up.
CString* g_pIniFileName = NULL;

void BuildIniFileName()
{
    if (g_pIniFileName == NULL)
        g_pIniFileName = new CString;
}

void DestroyIniFileName()
{
    delete g_pIniFileName;
    g_pIniFileName = NULL;
}

// The colour copies and the colour-manager index of each.
COLORREF CXTAuxData::*const g_colorFields[] = {
    &CXTAuxData::clr3DFace,         &CXTAuxData::clr3DShadow,
    &CXTAuxData::clr3DDkShadow,     &CXTAuxData::clr3DHilight,
    &CXTAuxData::clr3DLight,        &CXTAuxData::clrBtnText,
    &CXTAuxData::clrGrayText,       &CXTAuxData::clrHighlight,
    &CXTAuxData::clrHighlightText,  &CXTAuxData::clrMenu,
    &CXTAuxData::clrMenuText,       &CXTAuxData::clrWindow,
    &CXTAuxData::clrWindowFrame,    &CXTAuxData::clrWindowText,
    &CXTAuxData::clrActiveCaption,  &CXTAuxData::clrInActiveCaption,
    &CXTAuxData::clrGradActiveCapt, &CXTAuxData::clrGradInActiveCapt,
    &CXTAuxData::clrActiveCaptText, &CXTAuxData::clrInactiveCaptText,
};
const int g_colorIndexes[] = {15, 16, 21, 20, 22, 18, 17, 13, 14, 4, 7, 5, 6, 8, 2, 3, 27, 28, 9, 19};
const int kFirstToolkitCopy = 30;

// The resource cursors, in the order they are kept, then the system one.
const UINT g_cursorIds[] = {9008, 9009, 9011, 9010, 9012, 9970, 9971};
const int kResourceCursorCount = sizeof(g_cursorIds) / sizeof(g_cursorIds[0]);
const UINT kSizeAllId = 32646; // IDC_SIZEALL

const int kXTMajorVersion = 9;
const int kXTMinorVersion = 60;

CFont* FontAt(CXTAuxData& data, int i)
{
    CFont* fonts[] = {&data.font,         &data.fontBold,      &data.fontULine,         &data.fontVert,
                      &data.fontVertBold, &data.fontIconTitle, &data.fontIconTitleBold, &data.fontMarlett,
                      &data.fontStatus,   &data.fontSmCaption};
    return fonts[i];
}
const int kFontCount = 10;

BOOL IsInstalled(LPCTSTR lpszFace)
{
    return lpszFace != NULL && *lpszFace != 0 && CXTPDrawHelpers::FontExists(lpszFace);
}

void SetFace(LOGFONTA& lf, LPCTSTR lpszFace)
{
    lstrcpynA(lf.lfFaceName, lpszFace, LF_FACESIZE);
}

BYTE ScreenCharset()
{
    HDC hDC = ::GetDC(NULL);
    BYTE nCharset = hDC != NULL ? static_cast<BYTE>(::GetTextCharsetInfo(hDC, NULL, 0)) : DEFAULT_CHARSET;
    if (hDC != NULL)
        ::ReleaseDC(NULL, hDC);
    return nCharset;
}

} // namespace

XTP_STARTUP_ENTRY(IniFileName, xtpStartupProfileFileName, BuildIniFileName, DestroyIniFileName);

CXTPNonClientMetrics::CXTPNonClientMetrics()
{
    ZeroMemory(static_cast<NONCLIENTMETRICSA*>(this), sizeof(NONCLIENTMETRICSA));
    cbSize = sizeof(NONCLIENTMETRICSA);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(NONCLIENTMETRICSA), this, 0);
}

CXTAuxData* XTAuxData()
{
    static CXTAuxData s_auxData;
    return &s_auxData;
}

CXTAuxData::CXTAuxData() : bUseSystemFont(FALSE), m_dwComCtlVersion(0xFFFFFFFF), m_hCursorModule(NULL)
{
    for (HCURSOR& hCursor : m_hcurCursors)
        hCursor = NULL;
    CXTWinVersion* pVersion = XTOSVersionInfo();
    bWin95 = pVersion->IsWin95();
    bWin98 = pVersion->IsWin98();
    bWinNT4 = pVersion->IsWinNT4();
    bWin2K = pVersion->IsWin2000();
    bWinXP = pVersion->IsWinXP();
    GetComCtlVersion();
    UpdateSysColors();
    UpdateSysMetrics();
    XTSetResourceHandle(::GetModuleHandleA(NULL));
    LoadCursors();
    UpdateFonts();
}

CXTAuxData::~CXTAuxData()
{
    DestroyCursors();
}

void CXTAuxData::UpdateSysColors()
{
    XTPColorManager()->RefreshColors(FALSE);
    for (int i = 0; i < static_cast<int>(sizeof(g_colorIndexes) / sizeof(g_colorIndexes[0])); i++)
        this->*g_colorFields[i] = XTPGetColor(g_colorIndexes[i]);
    for (int i = 0; i < 20; i++)
        clrToolkit[i] = XTPGetColor(kFirstToolkitCopy + i);
}

void CXTAuxData::UpdateSysMetrics()
{
    cxSmIcon = ::GetSystemMetrics(SM_CXSMICON);
    cySmIcon = ::GetSystemMetrics(SM_CYSMICON);
    cxSize = 18;
    cySize = 18;
    cxHThumb = ::GetSystemMetrics(SM_CXHTHUMB);
    cyVThumb = ::GetSystemMetrics(SM_CYVTHUMB);
    cyMenuItem = ::GetSystemMetrics(SM_CYMENU);
}

HMODULE CXTAuxData::CursorModule() const
{
    if (m_hCursorModule != NULL)
        return m_hCursorModule;
    HINSTANCE hResource = XTGetResourceHandle();
    return hResource != NULL ? hResource : ::GetModuleHandleA(NULL);
}

void CXTAuxData::DestroyCursors()
{
    for (int i = 0; i < kResourceCursorCount; i++)
    {
        if (m_hcurCursors[i] != NULL)
            ::DestroyCursor(m_hcurCursors[i]);
        m_hcurCursors[i] = NULL;
    }
}

BOOL CXTAuxData::LoadCursors()
{
    DestroyCursors();
    HMODULE hModule = CursorModule();
    for (int i = 0; i < kResourceCursorCount; i++)
    {
        m_hcurCursors[i] = ::LoadCursorA(hModule, MAKEINTRESOURCEA(g_cursorIds[i]));
        if (m_hcurCursors[i] == NULL)
            return FALSE;
    }
    m_hcurCursors[kResourceCursorCount] = ::LoadCursorA(NULL, MAKEINTRESOURCEA(kSizeAllId));
    return m_hcurCursors[kResourceCursorCount] != NULL;
}

void CXTAuxData::SetCursorModule(HMODULE hModule)
{
    XTSetResourceHandle(hModule);
    m_hCursorModule = hModule;
    LoadCursors();
}

HCURSOR CXTAuxData::GetCursor(UINT nId) const
{
    if (nId == kSizeAllId)
        return m_hcurCursors[kResourceCursorCount];
    for (int i = 0; i < kResourceCursorCount; i++)
    {
        if (g_cursorIds[i] == nId)
            return m_hcurCursors[i];
    }
    return NULL;
}

DWORD CXTAuxData::GetComCtlVersion()
{
    if (m_dwComCtlVersion == 0xFFFFFFFF)
        m_dwComCtlVersion = XTPGetDllVersion("COMCTL32.DLL");
    return m_dwComCtlVersion;
}

BOOL CXTAuxData::IsComCtlValid()
{
    return GetComCtlVersion() >= 0x40048;
}

void CXTAuxData::DeleteFonts()
{
    for (int i = 0; i < kFontCount; i++)
        FontAt(*this, i)->DeleteObject();
}

BOOL CXTAuxData::CreateFontFrom(CFont& font, const LOGFONTA& lf, LONG lWeight)
{
    LOGFONTA lfWeighted = lf;
    lfWeighted.lfWeight = lWeight;
    return font.CreateFontIndirect(&lfWeighted);
}

BOOL CXTAuxData::CreateVerticalFont(CFont& font, LOGFONTA lf, LONG lWeight)
{
    lf.lfEscapement = 2700;
    lf.lfOrientation = 900;
    return CreateFontFrom(font, lf, lWeight);
}

BOOL CXTAuxData::UpdateFonts(LPCTSTR lpszFace, LPCTSTR lpszVertFace)
{
    DeleteFonts();
    CXTPNonClientMetrics metrics;
    LOGFONTA lfBase = metrics.lfMenuFont;
    lfBase.lfCharSet = ScreenCharset();

    if (lpszFace != NULL && *lpszFace != 0)
    {
        if (IsInstalled(lpszFace))
        {
            SetFace(lfBase, lpszFace);
            SetFace(metrics.lfStatusFont, lpszFace);
            SetFace(metrics.lfSmCaptionFont, lpszFace);
        }
    }
    else if (bUseSystemFont && metrics.lfMenuFont.lfCharSet < 3 && IsInstalled("Tahoma"))
    {
        SetFace(lfBase, "Tahoma");
    }

    LOGFONTA lfUnderline = lfBase;
    lfUnderline.lfUnderline = TRUE;
    if (!CreateFontFrom(font, lfBase, lfBase.lfWeight) || !CreateFontFrom(fontBold, lfBase, FW_BOLD)
        || !CreateFontFrom(fontULine, lfUnderline, lfBase.lfWeight))
        return FALSE;

    LOGFONTA lfVert = lfBase;
    if (lpszVertFace != NULL && *lpszVertFace != 0)
    {
        if (IsInstalled(lpszVertFace))
            SetFace(lfVert, lpszVertFace);
    }
    else if (lstrcmpiA(metrics.lfMenuFont.lfFaceName, "Tahoma") != 0 && IsInstalled("Arial"))
    {
        SetFace(lfVert, "Arial");
    }
    if (!CreateVerticalFont(fontVert, lfVert, lfVert.lfWeight)
        || !CreateVerticalFont(fontVertBold, lfVert, FW_BOLD))
        return FALSE;

    LOGFONTA lfIconTitle;
    ZeroMemory(&lfIconTitle, sizeof(lfIconTitle));
    ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(lfIconTitle), &lfIconTitle, 0);
    if (!CreateFontFrom(fontIconTitle, lfIconTitle, lfIconTitle.lfWeight)
        || !CreateFontFrom(fontIconTitleBold, lfIconTitle, FW_BOLD))
        return FALSE;

    if (!fontStatus.CreateFontIndirect(&metrics.lfStatusFont)
        || !fontSmCaption.CreateFontIndirect(&metrics.lfSmCaptionFont))
        return FALSE;

    LOGFONTA lfSymbol;
    ZeroMemory(&lfSymbol, sizeof(lfSymbol));
    lfSymbol.lfHeight = lfIconTitle.lfHeight;
    lfSymbol.lfCharSet = DEFAULT_CHARSET;
    SetFace(lfSymbol, "Marlett");
    return fontMarlett.CreateFontIndirect(&lfSymbol);
}

BOOL CXTAuxData::SetGlobalFont(CFont* pFont, CFont* pVertFont)
{
    LOGFONTA lf;
    if (pFont == NULL || pFont->GetSafeHandle() == NULL
        || !::GetObjectA(pFont->GetSafeHandle(), sizeof(lf), &lf))
        return FALSE;
    LOGFONTA lfUnderline = lf;
    lfUnderline.lfUnderline = TRUE;
    font.DeleteObject();
    fontBold.DeleteObject();
    fontULine.DeleteObject();
    fontStatus.DeleteObject();
    BOOL bResult = CreateFontFrom(font, lf, lf.lfWeight) && CreateFontFrom(fontBold, lf, FW_BOLD)
                   && CreateFontFrom(fontULine, lfUnderline, lf.lfWeight)
                   && CreateFontFrom(fontStatus, lf, lf.lfWeight);

    LOGFONTA lfVert;
    if (bResult && pVertFont != NULL && pVertFont->GetSafeHandle() != NULL
        && ::GetObjectA(pVertFont->GetSafeHandle(), sizeof(lfVert), &lfVert))
    {
        fontVert.DeleteObject();
        fontVertBold.DeleteObject();
        bResult = CreateVerticalFont(fontVert, lfVert, lfVert.lfWeight)
                  && CreateVerticalFont(fontVertBold, lfVert, FW_BOLD);
    }
    return bResult;
}

BOOL CXTAuxData::SetUseSystemFont(BOOL bUseSystemFontValue)
{
    bUseSystemFont = bUseSystemFontValue;
    return UpdateFonts();
}

void CXTAuxData::GetXTVersion(CString& strVersion, BOOL bVersionOnly)
{
    if (bVersionOnly)
        strVersion.Format("%d.%02d", kXTMajorVersion, kXTMinorVersion);
    else
        strVersion.Format("Vurari Toolkit v%d.%02d", kXTMajorVersion, kXTMinorVersion);
}

void CXTAuxData::SetINIFileName(LPCTSTR lpszIniFileName)
{
    BuildIniFileName();
    *g_pIniFileName = lpszIniFileName != NULL ? lpszIniFileName : "";
}

CString CXTAuxData::GetINIFileName() const
{
    return g_pIniFileName != NULL ? *g_pIniFileName : CString();
}

BOOL CXTAuxData::IsXPMode() const
{
    return XTThemeManager()->GetTheme() != 0;
}

void CXTAuxData::SetXPMode(BOOL bXPMode)
{
    XTThemeManager()->SetTheme(bXPMode ? 1 : 0);
}
