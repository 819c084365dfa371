#pragma once
// The visual-styles library is never linked: one process-wide module record
// loads "UxTheme.dll" and binds each entry point by name the first time it is
// needed; a CXTPUxThemeWrapper holds one theme handle and offers one method per
// entry point. A missing library or entry point, or a call that raises a C++
// or a processor exception (see XTPGuardedCall.h), makes the method return a
// fixed failure value instead (E_FAIL for the HRESULT calls).
#include <windows.h>
#include <uxtheme.h>

// The entry points of the module record, in the order of its table.
enum XTPUxThemeEntry
{
    xtpUxDrawThemeBackground,
    xtpUxCloseThemeData,
    xtpUxSetWindowTheme,
    xtpUxSetThemeAppProperties,
    xtpUxOpenThemeData,
    xtpUxIsThemePartDefined,
    xtpUxIsThemeDialogTextureEnabled,
    xtpUxIsThemeBackgroundPartiallyTransparent,
    xtpUxIsThemeActive,
    xtpUxIsAppThemed,
    xtpUxHitTestThemeBackground,
    xtpUxGetWindowTheme,
    xtpUxGetThemeSysString,
    xtpUxGetThemeTextMetrics,
    xtpUxGetThemeTextExtent,
    xtpUxGetThemeSysSize,
    xtpUxGetThemeSysInt,
    xtpUxGetThemeSysFont,
    xtpUxGetThemeSysColorBrush,
    xtpUxGetThemeSysColor,
    xtpUxGetThemeSysBool,
    xtpUxGetThemeString,
    xtpUxGetThemeRect,
    xtpUxGetThemePropertyOrigin,
    xtpUxGetThemePosition,
    xtpUxGetThemePartSize,
    xtpUxGetThemeMetric,
    xtpUxGetThemeMargins,
    xtpUxGetThemeIntList,
    xtpUxGetThemeInt,
    xtpUxGetThemeFont,
    xtpUxGetThemeFilename,
    xtpUxGetThemeEnumValue,
    xtpUxGetThemeDocumentationProperty,
    xtpUxGetThemeColor,
    xtpUxGetThemeBool,
    xtpUxGetThemeBackgroundRegion,
    xtpUxGetThemeBackgroundExtent,
    xtpUxGetThemeBackgroundContentRect,
    xtpUxGetThemeAppProperties,
    xtpUxGetCurrentThemeName,
    xtpUxEnableTheming,
    xtpUxEnableThemeDialogTexture,
    xtpUxDrawThemeText,
    xtpUxDrawThemeParentBackground,
    xtpUxDrawThemeIcon,
    xtpUxDrawThemeEdge,
    xtpUxDrawThemeBackgroundEx,
    xtpUxEntryCount
};

// The process-wide record of the visual-styles library: built by the toolkit's
// start-up, never destroyed; the library, once loaded, is never freed.
class CXTPUxThemeModule
{
public:
    CXTPUxThemeModule();

    // The entry point, bound on first use and cached; a failed lookup is tried
    // again on the next call. NULL when the library or the entry is missing.
    FARPROC GetProc(XTPUxThemeEntry entry);

    HMODULE GetLibrary() const { return m_hModule; }

    // The common-controls version, (major << 16) | (minor & 0xFFFF), read once
    // when the record is built; 0 when it could not be had.
    DWORD GetComCtlVersion() const { return m_dwComCtlVersion; }

    // Test seams. Bind: loads the library and reads the version again through
    // the optional-library functions (so withheld names stay missing) and
    // forgets every cached entry. SetProc: replaces one cached entry.
    // SetComCtlVersion: replaces the version read at construction.
    void Bind();
    void SetProc(XTPUxThemeEntry entry, FARPROC pfn) { m_pfnEntries[entry] = pfn; }
    void SetComCtlVersion(DWORD dwVersion) { m_dwComCtlVersion = dwVersion; }

private:
    FARPROC m_pfnEntries[xtpUxEntryCount];
    HMODULE m_hModule;
    DWORD m_dwComCtlVersion;
};

// The process-wide module record (built on the first call when the start-up
// has not built it yet).
CXTPUxThemeModule* XTPUxThemeModule();

// One theme handle over the run-time bound visual-styles library.
class CXTPUxThemeWrapper
{
public:
    CXTPUxThemeWrapper();
    virtual ~CXTPUxThemeWrapper();

    // Closes the held handle, then stores the library's answer (which may be
    // NULL) when the entry point exists.
    void OpenThemeData(HWND hWnd, LPCWSTR pszClassList);
    void OpenTheme(HWND hWnd, LPCWSTR pszClassList) { OpenThemeData(hWnd, pszClassList); }
    // Closes the held handle through the library when both exist; the handle
    // is NULL afterwards in every case.
    void CloseThemeData();
    BOOL IsThemeOpen() const { return m_hTheme != NULL; }

    // FALSE without an open handle, without asking the library.
    BOOL IsAppThemed() const;
    // The library is loaded, themes are active, the application is themed and
    // the common controls are of major version 6 or later.
    BOOL IsAppThemeReady() const;

    HRESULT DrawThemeBackground(HDC hDC, int iPartId, int iStateId, const RECT* pRect, const RECT* pClipRect);
    HRESULT SetWindowTheme(HWND hWnd, LPCWSTR pszSubAppName, LPCWSTR pszSubIdList);
    void SetThemeAppProperties(DWORD dwFlags);
    BOOL IsThemePartDefined(int iPartId, int iStateId);
    BOOL IsThemeDialogTextureEnabled(HWND hWnd);
    BOOL IsThemeBackgroundPartiallyTransparent(int iPartId, int iStateId);
    BOOL IsThemeActive();
    HRESULT HitTestThemeBackground(HDC hDC, int iPartId, int iStateId, DWORD dwOptions, const RECT* pRect,
                                   HRGN hRgn, POINT ptTest, WORD* pwHitTestCode);
    HTHEME GetWindowTheme(HWND hWnd);
    HRESULT GetThemeSysString(int iStringId, LPWSTR pszStringBuff, int cchMaxStringChars);
    HRESULT GetThemeTextMetrics(HDC hDC, int iPartId, int iStateId, TEXTMETRICW* ptm);
    HRESULT GetThemeTextExtent(HDC hDC, int iPartId, int iStateId, LPCWSTR pszText, int iCharCount,
                               DWORD dwTextFlags, const RECT* pBoundingRect, RECT* pExtentRect);
    int GetThemeSysSize(int iSizeId);
    HRESULT GetThemeSysInt(int iIntId, int* piValue);
    HRESULT GetThemeSysFont(int iFontId, LOGFONTW* pFont);
    HBRUSH GetThemeSysColorBrush(int iColorId);
    COLORREF GetThemeSysColor(int iColorId);
    BOOL GetThemeSysBool(int iBoolId);
    HRESULT GetThemeString(int iPartId, int iStateId, int iPropId, LPWSTR pszBuff, int cchMaxBuffChars);
    HRESULT GetThemeRect(int iPartId, int iStateId, int iPropId, RECT* pRect);
    HRESULT GetThemePropertyOrigin(int iPartId, int iStateId, int iPropId, PROPERTYORIGIN* pOrigin);
    HRESULT GetThemePosition(int iPartId, int iStateId, int iPropId, POINT* pPoint);
    HRESULT GetThemePartSize(HDC hDC, int iPartId, int iStateId, RECT* pRect, THEMESIZE eSize, SIZE* pSize);
    HRESULT GetThemeMetric(HDC hDC, int iPartId, int iStateId, int iPropId, int* piVal);
    HRESULT GetThemeMargins(HDC hDC, int iPartId, int iStateId, int iPropId, RECT* pRect, MARGINS* pMargins);
    HRESULT GetThemeIntList(int iPartId, int iStateId, int iPropId, INTLIST* pIntList);
    HRESULT GetThemeInt(int iPartId, int iStateId, int iPropId, int* piVal);
    HRESULT GetThemeFont(HDC hDC, int iPartId, int iStateId, int iPropId, LOGFONTW* pFont);
    HRESULT GetThemeFilename(int iPartId, int iStateId, int iPropId, LPWSTR pszThemeFileName,
                             int cchMaxBuffChars);
    HRESULT GetThemeEnumValue(int iPartId, int iStateId, int iPropId, int* piVal);
    HRESULT GetThemeDocumentationProperty(LPCWSTR pszThemeName, LPCWSTR pszPropertyName, LPWSTR pszValueBuff,
                                          int cchMaxValChars);
    HRESULT GetThemeColor(int iPartId, int iStateId, int iPropId, COLORREF* pColor);
    HRESULT GetThemeBool(int iPartId, int iStateId, int iPropId, BOOL* pfVal);
    HRESULT GetThemeBackgroundRegion(HDC hDC, int iPartId, int iStateId, const RECT* pRect, HRGN* pRegion);
    HRESULT GetThemeBackgroundExtent(HDC hDC, int iPartId, int iStateId, const RECT* pContentRect,
                                     RECT* pExtentRect);
    HRESULT GetThemeBackgroundContentRect(HDC hDC, int iPartId, int iStateId, const RECT* pBoundingRect,
                                          RECT* pContentRect);
    DWORD GetThemeAppProperties();
    HRESULT GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars, LPWSTR pszColorBuff,
                                int cchMaxColorChars, LPWSTR pszSizeBuff, int cchMaxSizeChars);
    HRESULT EnableTheming(BOOL fEnable);
    HRESULT EnableThemeDialogTexture(HWND hWnd, DWORD dwFlags);
    HRESULT DrawThemeText(HDC hDC, int iPartId, int iStateId, LPCWSTR pszText, int iCharCount,
                          DWORD dwTextFlags, DWORD dwTextFlags2, const RECT* pRect);
    HRESULT DrawThemeParentBackground(HWND hWnd, HDC hDC, RECT* pRect);
    HRESULT DrawThemeIcon(HDC hDC, int iPartId, int iStateId, const RECT* pRect, HIMAGELIST hImageList,
                          int iImageIndex);
    HRESULT DrawThemeEdge(HDC hDC, int iPartId, int iStateId, const RECT* pDestRect, UINT uEdge, UINT uFlags,
                          RECT* pContentRect);
    HRESULT DrawThemeBackgroundEx(HDC hDC, int iPartId, int iStateId, const RECT* pRect,
                                  const DTBGOPTS* pOptions);

private:
    CXTPUxThemeWrapper(const CXTPUxThemeWrapper&);
    CXTPUxThemeWrapper& operator=(const CXTPUxThemeWrapper&);

    HTHEME m_hTheme;
};
