#include "toolkit/foundation/XTPUxThemeWrapper.h"

#include "toolkit/foundation/XTPGuardedCall.h"
#include "toolkit/foundation/XTPOptionalLibrary.h"
#include "toolkit/foundation/XTPStartup.h"

namespace {

// Names of the entry points, in the order of XTPUxThemeEntry.
const char* const g_entryNames[xtpUxEntryCount] = {
    "DrawThemeBackground",
    "CloseThemeData",
    "SetWindowTheme",
    "SetThemeAppProperties",
    "OpenThemeData",
    "IsThemePartDefined",
    "IsThemeDialogTextureEnabled",
    "IsThemeBackgroundPartiallyTransparent",
    "IsThemeActive",
    "IsAppThemed",
    "HitTestThemeBackground",
    "GetWindowTheme",
    "GetThemeSysString",
    "GetThemeTextMetrics",
    "GetThemeTextExtent",
    "GetThemeSysSize",
    "GetThemeSysInt",
    "GetThemeSysFont",
    "GetThemeSysColorBrush",
    "GetThemeSysColor",
    "GetThemeSysBool",
    "GetThemeString",
    "GetThemeRect",
    "GetThemePropertyOrigin",
    "GetThemePosition",
    "GetThemePartSize",
    "GetThemeMetric",
    "GetThemeMargins",
    "GetThemeIntList",
    "GetThemeInt",
    "GetThemeFont",
    "GetThemeFilename",
    "GetThemeEnumValue",
    "GetThemeDocumentationProperty",
    "GetThemeColor",
    "GetThemeBool",
    "GetThemeBackgroundRegion",
    "GetThemeBackgroundExtent",
    "GetThemeBackgroundContentRect",
    "GetThemeAppProperties",
    "GetCurrentThemeName",
    "EnableTheming",
    "EnableThemeDialogTexture",
    "DrawThemeText",
    "DrawThemeParentBackground",
    "DrawThemeIcon",
    "DrawThemeEdge",
    "DrawThemeBackgroundEx",
};

CXTPUxThemeModule* g_pModule = NULL;

// Runs invoke() inside a guarded frame; the failure value when it raises a
// C++ or a processor exception.
template <typename R, typename Invoke>
R Guarded(R failure, Invoke invoke)
{
    struct Call
    {
        Invoke* pInvoke;
        R result;
        bool bThrew;

        static void Run(void* pContext)
        {
            Call* pCall = static_cast<Call*>(pContext);
            try
            {
                pCall->result = (*pCall->pInvoke)();
            }
            catch (...)
            {
                pCall->bThrew = true;
            }
        }
    };
    Call call = {&invoke, failure, false};
    if (!XTPCallGuarded(&Call::Run, &call) || call.bThrew)
        return failure;
    return call.result;
}

// Calls the entry point with the arguments unchanged; the failure value when
// it is missing or the call raises an exception. Fn is the entry point's
// declared type.
template <typename Fn, typename R, typename... Args>
R CallEntry(XTPUxThemeEntry entry, R failure, Args... args)
{
    Fn pfn = reinterpret_cast<Fn>(XTPUxThemeModule()->GetProc(entry));
    if (pfn == NULL)
        return failure;
    return Guarded(failure, [&]() -> R { return pfn(args...); });
}

#define XTP_UX_CALL(name, failure, ...) CallEntry<decltype(&::name)>(xtpUx##name, failure, __VA_ARGS__)

} // namespace

CXTPUxThemeModule::CXTPUxThemeModule() : m_hModule(NULL), m_dwComCtlVersion(0)
{
    Bind();
}

void CXTPUxThemeModule::Bind()
{
    for (FARPROC& pfn : m_pfnEntries)
        pfn = NULL;
    m_hModule = XTPLoadOptionalLibrary("UxTheme.dll");
    m_dwComCtlVersion = XTPGetDllVersion("comctl32.dll");
}

FARPROC CXTPUxThemeModule::GetProc(XTPUxThemeEntry entry)
{
    if (m_hModule != NULL && m_pfnEntries[entry] == NULL)
        m_pfnEntries[entry] = XTPGetOptionalProc(m_hModule, g_entryNames[entry]);
    return m_pfnEntries[entry];
}

CXTPUxThemeModule* XTPUxThemeModule()
{
    if (g_pModule == NULL)
        g_pModule = new CXTPUxThemeModule;
    return g_pModule;
}

namespace {

// The record is never destroyed; a start-up that runs again binds it again.
void BuildUxThemeModule()
{
    if (g_pModule == NULL)
        g_pModule = new CXTPUxThemeModule;
    else
        g_pModule->Bind();
}

} // namespace

XTP_STARTUP_ENTRY(UxTheme, xtpStartupUxTheme, BuildUxThemeModule, NULL);

CXTPUxThemeWrapper::CXTPUxThemeWrapper() : m_hTheme(NULL)
{}

CXTPUxThemeWrapper::~CXTPUxThemeWrapper()
{
    CloseThemeData();
}

void CXTPUxThemeWrapper::OpenThemeData(HWND hWnd, LPCWSTR pszClassList)
{
    CloseThemeData();
    if (XTPUxThemeModule()->GetProc(xtpUxOpenThemeData) != NULL)
        m_hTheme = XTP_UX_CALL(OpenThemeData, (HTHEME)NULL, hWnd, pszClassList);
}

void CXTPUxThemeWrapper::CloseThemeData()
{
    if (m_hTheme != NULL)
        XTP_UX_CALL(CloseThemeData, E_FAIL, m_hTheme);
    m_hTheme = NULL;
}

BOOL CXTPUxThemeWrapper::IsAppThemed() const
{
    if (m_hTheme == NULL)
        return FALSE;
    return CallEntry<decltype(&::IsAppThemed)>(xtpUxIsAppThemed, (BOOL)FALSE);
}

BOOL CXTPUxThemeWrapper::IsAppThemeReady() const
{
    CXTPUxThemeModule* pModule = XTPUxThemeModule();
    return pModule->GetLibrary() != NULL
           && CallEntry<decltype(&::IsThemeActive)>(xtpUxIsThemeActive, (BOOL)FALSE) && IsAppThemed()
           && (pModule->GetComCtlVersion() >> 16) > 5;
}

HRESULT CXTPUxThemeWrapper::DrawThemeBackground(HDC hDC, int iPartId, int iStateId, const RECT* pRect,
                                                const RECT* pClipRect)
{
    return XTP_UX_CALL(DrawThemeBackground, E_FAIL, m_hTheme, hDC, iPartId, iStateId, pRect, pClipRect);
}

HRESULT CXTPUxThemeWrapper::SetWindowTheme(HWND hWnd, LPCWSTR pszSubAppName, LPCWSTR pszSubIdList)
{
    return XTP_UX_CALL(SetWindowTheme, E_FAIL, hWnd, pszSubAppName, pszSubIdList);
}

void CXTPUxThemeWrapper::SetThemeAppProperties(DWORD dwFlags)
{
    typedef decltype(&::SetThemeAppProperties) Fn;
    Fn pfn = reinterpret_cast<Fn>(XTPUxThemeModule()->GetProc(xtpUxSetThemeAppProperties));
    if (pfn != NULL)
        Guarded(FALSE, [&]() -> BOOL {
            pfn(dwFlags);
            return TRUE;
        });
}

BOOL CXTPUxThemeWrapper::IsThemePartDefined(int iPartId, int iStateId)
{
    return XTP_UX_CALL(IsThemePartDefined, (BOOL)FALSE, m_hTheme, iPartId, iStateId);
}

BOOL CXTPUxThemeWrapper::IsThemeDialogTextureEnabled(HWND hWnd)
{
    return XTP_UX_CALL(IsThemeDialogTextureEnabled, (BOOL)FALSE, hWnd);
}

BOOL CXTPUxThemeWrapper::IsThemeBackgroundPartiallyTransparent(int iPartId, int iStateId)
{
    return XTP_UX_CALL(IsThemeBackgroundPartiallyTransparent, (BOOL)FALSE, m_hTheme, iPartId, iStateId);
}

BOOL CXTPUxThemeWrapper::IsThemeActive()
{
    return CallEntry<decltype(&::IsThemeActive)>(xtpUxIsThemeActive, (BOOL)FALSE);
}

HRESULT CXTPUxThemeWrapper::HitTestThemeBackground(HDC hDC, int iPartId, int iStateId, DWORD dwOptions,
                                                   const RECT* pRect, HRGN hRgn, POINT ptTest,
                                                   WORD* pwHitTestCode)
{
    return XTP_UX_CALL(HitTestThemeBackground, E_FAIL, m_hTheme, hDC, iPartId, iStateId, dwOptions, pRect,
                       hRgn, ptTest, pwHitTestCode);
}

HTHEME CXTPUxThemeWrapper::GetWindowTheme(HWND hWnd)
{
    return XTP_UX_CALL(GetWindowTheme, (HTHEME)NULL, hWnd);
}

HRESULT CXTPUxThemeWrapper::GetThemeSysString(int iStringId, LPWSTR pszStringBuff, int cchMaxStringChars)
{
    return XTP_UX_CALL(GetThemeSysString, E_FAIL, m_hTheme, iStringId, pszStringBuff, cchMaxStringChars);
}

HRESULT CXTPUxThemeWrapper::GetThemeTextMetrics(HDC hDC, int iPartId, int iStateId, TEXTMETRICW* ptm)
{
    // The system header declares the generic TEXTMETRIC; the library fills
    // the wide form.
    return XTP_UX_CALL(GetThemeTextMetrics, E_FAIL, m_hTheme, hDC, iPartId, iStateId,
                       reinterpret_cast<TEXTMETRIC*>(ptm));
}

HRESULT CXTPUxThemeWrapper::GetThemeTextExtent(HDC hDC, int iPartId, int iStateId, LPCWSTR pszText,
                                               int iCharCount, DWORD dwTextFlags, const RECT* pBoundingRect,
                                               RECT* pExtentRect)
{
    return XTP_UX_CALL(GetThemeTextExtent, E_FAIL, m_hTheme, hDC, iPartId, iStateId, pszText, iCharCount,
                       dwTextFlags, pBoundingRect, pExtentRect);
}

int CXTPUxThemeWrapper::GetThemeSysSize(int iSizeId)
{
    return XTP_UX_CALL(GetThemeSysSize, 0, m_hTheme, iSizeId);
}

HRESULT CXTPUxThemeWrapper::GetThemeSysInt(int iIntId, int* piValue)
{
    return XTP_UX_CALL(GetThemeSysInt, E_FAIL, m_hTheme, iIntId, piValue);
}

HRESULT CXTPUxThemeWrapper::GetThemeSysFont(int iFontId, LOGFONTW* pFont)
{
    return XTP_UX_CALL(GetThemeSysFont, E_FAIL, m_hTheme, iFontId, pFont);
}

HBRUSH CXTPUxThemeWrapper::GetThemeSysColorBrush(int iColorId)
{
    return XTP_UX_CALL(GetThemeSysColorBrush, (HBRUSH)NULL, m_hTheme, iColorId);
}

COLORREF CXTPUxThemeWrapper::GetThemeSysColor(int iColorId)
{
    return XTP_UX_CALL(GetThemeSysColor, (COLORREF)0xFFFFFFFF, m_hTheme, iColorId);
}

BOOL CXTPUxThemeWrapper::GetThemeSysBool(int iBoolId)
{
    return XTP_UX_CALL(GetThemeSysBool, (BOOL)FALSE, m_hTheme, iBoolId);
}

HRESULT CXTPUxThemeWrapper::GetThemeString(int iPartId, int iStateId, int iPropId, LPWSTR pszBuff,
                                           int cchMaxBuffChars)
{
    return XTP_UX_CALL(GetThemeString, E_FAIL, m_hTheme, iPartId, iStateId, iPropId, pszBuff,
                       cchMaxBuffChars);
}

HRESULT CXTPUxThemeWrapper::GetThemeRect(int iPartId, int iStateId, int iPropId, RECT* pRect)
{
    return XTP_UX_CALL(GetThemeRect, E_FAIL, m_hTheme, iPartId, iStateId, iPropId, pRect);
}

HRESULT CXTPUxThemeWrapper::GetThemePropertyOrigin(int iPartId, int iStateId, int iPropId,
                                                   PROPERTYORIGIN* pOrigin)
{
    return XTP_UX_CALL(GetThemePropertyOrigin, E_FAIL, m_hTheme, iPartId, iStateId, iPropId, pOrigin);
}

HRESULT CXTPUxThemeWrapper::GetThemePosition(int iPartId, int iStateId, int iPropId, POINT* pPoint)
{
    return XTP_UX_CALL(GetThemePosition, E_FAIL, m_hTheme, iPartId, iStateId, iPropId, pPoint);
}

HRESULT CXTPUxThemeWrapper::GetThemePartSize(HDC hDC, int iPartId, int iStateId, RECT* pRect, THEMESIZE eSize,
                                             SIZE* pSize)
{
    return XTP_UX_CALL(GetThemePartSize, E_FAIL, m_hTheme, hDC, iPartId, iStateId, pRect, eSize, pSize);
}

HRESULT CXTPUxThemeWrapper::GetThemeMetric(HDC hDC, int iPartId, int iStateId, int iPropId, int* piVal)
{
    return XTP_UX_CALL(GetThemeMetric, E_FAIL, m_hTheme, hDC, iPartId, iStateId, iPropId, piVal);
}

HRESULT CXTPUxThemeWrapper::GetThemeMargins(HDC hDC, int iPartId, int iStateId, int iPropId, RECT* pRect,
                                            MARGINS* pMargins)
{
    return XTP_UX_CALL(GetThemeMargins, E_FAIL, m_hTheme, hDC, iPartId, iStateId, iPropId, pRect, pMargins);
}

HRESULT CXTPUxThemeWrapper::GetThemeIntList(int iPartId, int iStateId, int iPropId, INTLIST* pIntList)
{
    return XTP_UX_CALL(GetThemeIntList, E_FAIL, m_hTheme, iPartId, iStateId, iPropId, pIntList);
}

HRESULT CXTPUxThemeWrapper::GetThemeInt(int iPartId, int iStateId, int iPropId, int* piVal)
{
    return XTP_UX_CALL(GetThemeInt, E_FAIL, m_hTheme, iPartId, iStateId, iPropId, piVal);
}

HRESULT CXTPUxThemeWrapper::GetThemeFont(HDC hDC, int iPartId, int iStateId, int iPropId, LOGFONTW* pFont)
{
    return XTP_UX_CALL(GetThemeFont, E_FAIL, m_hTheme, hDC, iPartId, iStateId, iPropId, pFont);
}

HRESULT CXTPUxThemeWrapper::GetThemeFilename(int iPartId, int iStateId, int iPropId, LPWSTR pszThemeFileName,
                                             int cchMaxBuffChars)
{
    return XTP_UX_CALL(GetThemeFilename, E_FAIL, m_hTheme, iPartId, iStateId, iPropId, pszThemeFileName,
                       cchMaxBuffChars);
}

HRESULT CXTPUxThemeWrapper::GetThemeEnumValue(int iPartId, int iStateId, int iPropId, int* piVal)
{
    return XTP_UX_CALL(GetThemeEnumValue, E_FAIL, m_hTheme, iPartId, iStateId, iPropId, piVal);
}

HRESULT CXTPUxThemeWrapper::GetThemeDocumentationProperty(LPCWSTR pszThemeName, LPCWSTR pszPropertyName,
                                                          LPWSTR pszValueBuff, int cchMaxValChars)
{
    return XTP_UX_CALL(GetThemeDocumentationProperty, E_FAIL, pszThemeName, pszPropertyName, pszValueBuff,
                       cchMaxValChars);
}

HRESULT CXTPUxThemeWrapper::GetThemeColor(int iPartId, int iStateId, int iPropId, COLORREF* pColor)
{
    return XTP_UX_CALL(GetThemeColor, E_FAIL, m_hTheme, iPartId, iStateId, iPropId, pColor);
}

HRESULT CXTPUxThemeWrapper::GetThemeBool(int iPartId, int iStateId, int iPropId, BOOL* pfVal)
{
    return XTP_UX_CALL(GetThemeBool, E_FAIL, m_hTheme, iPartId, iStateId, iPropId, pfVal);
}

HRESULT CXTPUxThemeWrapper::GetThemeBackgroundRegion(HDC hDC, int iPartId, int iStateId, const RECT* pRect,
                                                     HRGN* pRegion)
{
    return XTP_UX_CALL(GetThemeBackgroundRegion, E_FAIL, m_hTheme, hDC, iPartId, iStateId, pRect, pRegion);
}

HRESULT CXTPUxThemeWrapper::GetThemeBackgroundExtent(HDC hDC, int iPartId, int iStateId,
                                                     const RECT* pContentRect, RECT* pExtentRect)
{
    return XTP_UX_CALL(GetThemeBackgroundExtent, E_FAIL, m_hTheme, hDC, iPartId, iStateId, pContentRect,
                       pExtentRect);
}

HRESULT CXTPUxThemeWrapper::GetThemeBackgroundContentRect(HDC hDC, int iPartId, int iStateId,
                                                          const RECT* pBoundingRect, RECT* pContentRect)
{
    return XTP_UX_CALL(GetThemeBackgroundContentRect, E_FAIL, m_hTheme, hDC, iPartId, iStateId, pBoundingRect,
                       pContentRect);
}

DWORD CXTPUxThemeWrapper::GetThemeAppProperties()
{
    return CallEntry<decltype(&::GetThemeAppProperties)>(xtpUxGetThemeAppProperties, (DWORD)0);
}

HRESULT CXTPUxThemeWrapper::GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars,
                                                LPWSTR pszColorBuff, int cchMaxColorChars, LPWSTR pszSizeBuff,
                                                int cchMaxSizeChars)
{
    return XTP_UX_CALL(GetCurrentThemeName, E_FAIL, pszThemeFileName, cchMaxNameChars, pszColorBuff,
                       cchMaxColorChars, pszSizeBuff, cchMaxSizeChars);
}

HRESULT CXTPUxThemeWrapper::EnableTheming(BOOL fEnable)
{
    return XTP_UX_CALL(EnableTheming, E_FAIL, fEnable);
}

HRESULT CXTPUxThemeWrapper::EnableThemeDialogTexture(HWND hWnd, DWORD dwFlags)
{
    return XTP_UX_CALL(EnableThemeDialogTexture, E_FAIL, hWnd, dwFlags);
}

HRESULT CXTPUxThemeWrapper::DrawThemeText(HDC hDC, int iPartId, int iStateId, LPCWSTR pszText, int iCharCount,
                                          DWORD dwTextFlags, DWORD dwTextFlags2, const RECT* pRect)
{
    return XTP_UX_CALL(DrawThemeText, E_FAIL, m_hTheme, hDC, iPartId, iStateId, pszText, iCharCount,
                       dwTextFlags, dwTextFlags2, pRect);
}

HRESULT CXTPUxThemeWrapper::DrawThemeParentBackground(HWND hWnd, HDC hDC, RECT* pRect)
{
    return XTP_UX_CALL(DrawThemeParentBackground, E_FAIL, hWnd, hDC, pRect);
}

HRESULT CXTPUxThemeWrapper::DrawThemeIcon(HDC hDC, int iPartId, int iStateId, const RECT* pRect,
                                          HIMAGELIST hImageList, int iImageIndex)
{
    return XTP_UX_CALL(DrawThemeIcon, E_FAIL, m_hTheme, hDC, iPartId, iStateId, pRect, hImageList,
                       iImageIndex);
}

HRESULT CXTPUxThemeWrapper::DrawThemeEdge(HDC hDC, int iPartId, int iStateId, const RECT* pDestRect,
                                          UINT uEdge, UINT uFlags, RECT* pContentRect)
{
    return XTP_UX_CALL(DrawThemeEdge, E_FAIL, m_hTheme, hDC, iPartId, iStateId, pDestRect, uEdge, uFlags,
                       pContentRect);
}

HRESULT CXTPUxThemeWrapper::DrawThemeBackgroundEx(HDC hDC, int iPartId, int iStateId, const RECT* pRect,
                                                  const DTBGOPTS* pOptions)
{
    return XTP_UX_CALL(DrawThemeBackgroundEx, E_FAIL, m_hTheme, hDC, iPartId, iStateId, pRect, pOptions);
}
