#pragma once
// The UI data that the standard-control extensions share: copies of the
// system and toolkit colours, the metrics they need, their fonts and cursors,
// the operating-system version flags, the common-controls version and the
// name of the profile file that replaces the registry when it is set.
#include "framework/Gdi.h"

// NONCLIENTMETRICS of the Windows XP size, filled by SystemParametersInfo.
class CXTPNonClientMetrics : public NONCLIENTMETRICSA
{
public:
    CXTPNonClientMetrics();
};

class CXTAuxData
{
public:
    CXTAuxData();
    virtual ~CXTAuxData();

    // Refreshes the colour manager, then copies the colours below.
    void UpdateSysColors();
    void UpdateSysMetrics();
    // Loads the seven resource cursors from the cursor module (the toolkit's
    // resource module while none is set) and the system's IDC_SIZEALL; FALSE
    // at the first cursor that does not load.
    BOOL LoadCursors();
    // Makes hModule the toolkit's resource module and the cursor module, and
    // loads the cursors from it.
    void SetCursorModule(HMODULE hModule);
    // The cursor of a resource id (9008 to 9012, 9970, 9971) or of
    // IDC_SIZEALL; NULL for any other id.
    HCURSOR GetCursor(UINT nId) const;

    // The common-controls version (major << 16 | minor), read once; 0 when
    // it cannot be had. IsComCtlValid: at least 4.72.
    DWORD GetComCtlVersion();
    BOOL IsComCtlValid();

    // Rebuild the fonts from the menu font of the system, with the given
    // faces when they are installed. FALSE when a font cannot be created.
    BOOL UpdateFonts(LPCTSTR lpszFace = NULL, LPCTSTR lpszVertFace = NULL);
    BOOL SetGlobalFont(CFont* pFont, CFont* pVertFont = NULL);
    BOOL SetUseSystemFont(BOOL bUseSystemFont);

    // "9.60", or "Vurari Toolkit v9.60".
    static void GetXTVersion(CString& strVersion, BOOL bVersionOnly);

    // The profile file that the profile functions use instead of the
    // registry when it is not empty.
    void SetINIFileName(LPCTSTR lpszIniFileName);
    CString GetINIFileName() const;

    // The theme manager's style is not 0; SetXPMode sets it to 1 or 0.
    BOOL IsXPMode() const;
    void SetXPMode(BOOL bXPMode);

    // Colours, from XTPGetColor of the index in the comment.
    COLORREF clr3DFace;           // 15
    COLORREF clr3DShadow;         // 16
    COLORREF clr3DDkShadow;       // 21
    COLORREF clr3DHilight;        // 20
    COLORREF clr3DLight;          // 22
    COLORREF clrBtnText;          // 18
    COLORREF clrGrayText;         // 17
    COLORREF clrHighlight;        // 13
    COLORREF clrHighlightText;    // 14
    COLORREF clrMenu;             // 4
    COLORREF clrMenuText;         // 7
    COLORREF clrWindow;           // 5
    COLORREF clrWindowFrame;      // 6
    COLORREF clrWindowText;       // 8
    COLORREF clrActiveCaption;    // 2
    COLORREF clrInActiveCaption;  // 3
    COLORREF clrGradActiveCapt;   // 27
    COLORREF clrGradInActiveCapt; // 28
    COLORREF clrActiveCaptText;   // 9
    COLORREF clrInactiveCaptText; // 19
    COLORREF clrToolkit[20];      // the toolkit's colours 30 to 49

    // Metrics.
    int cxSmIcon;   // SM_CXSMICON
    int cySmIcon;   // SM_CYSMICON
    int cxSize;     // 18
    int cySize;     // 18
    int cxHThumb;   // SM_CXHTHUMB
    int cyVThumb;   // SM_CYVTHUMB
    int cyMenuItem; // SM_CYMENU

    // Fonts.
    CFont font;
    CFont fontBold;
    CFont fontULine;
    CFont fontVert;
    CFont fontVertBold;
    CFont fontIconTitle;
    CFont fontIconTitleBold;
    CFont fontMarlett;
    CFont fontStatus;
    CFont fontSmCaption;

    // Operating-system flags.
    BOOL bWin95;
    BOOL bWin98;
    BOOL bWinNT4;
    BOOL bWin2K;
    BOOL bWinXP;

    BOOL bUseSystemFont;

private:
    CXTAuxData(const CXTAuxData&);
    CXTAuxData& operator=(const CXTAuxData&);

    void DeleteFonts();
    void DestroyCursors();
    HMODULE CursorModule() const;
    static BOOL CreateFontFrom(CFont& font, const LOGFONTA& lf, LONG lWeight);
    static BOOL CreateVerticalFont(CFont& font, LOGFONTA lf, LONG lWeight);

    HCURSOR m_hcurCursors[8];
    DWORD m_dwComCtlVersion;
    HMODULE m_hCursorModule;
};

// The shared UI data, built on first use and destroyed at exit.
CXTAuxData* XTAuxData();
