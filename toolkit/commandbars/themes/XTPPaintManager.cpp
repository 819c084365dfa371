#include "toolkit/commandbars/themes/XTPPaintManager.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/themes/XTPOffice2003Theme.h"
#include "toolkit/commandbars/themes/XTPWinXPTheme.h"
#include "framework/Controls.h"
#include "toolkit/foundation/XTPDrawHelpers.h"
#include "toolkit/foundation/XTPStartup.h"

#include <algorithm>
#include <string.h>

static_assert(sizeof(NONCLIENTMETRICS) == 340, "the system expects the Windows XP size");

CXTPPaintManager* CXTPPaintManager::s_pCurrent = NULL;

XTP_STARTUP_ENTRY(PaintManager, xtpStartupPaintManager, NULL, CXTPPaintManager::Done);

CXTPPaintManager* XTPPaintManager()
{
    return CXTPPaintManager::s_pCurrent;
}

CXTPPaintManager::CXTPPaintManager()
    : m_bUseOfficeFont(FALSE), m_bUseStandardFont(TRUE), m_clrSpare(0), m_clrStatusTextColor(0),
      m_nTextHeight(0), m_nThemeId(xtpThemeOfficeXP), m_nAnimationSteps(10), m_nAnimationTime(100),
      m_nSystemTheme(xtpSystemThemeDefault)
{
    m_iconsInfo.bUseFadedIcons = FALSE;
    m_iconsInfo.bUseDisabledIcons = FALSE;
    m_iconsInfo.bIconsWithShadow = FALSE;
    RefreshMetrics();
}

CXTPPaintManager::~CXTPPaintManager()
{}

// ---- The process-wide paint manager ----

CXTPPaintManager* CXTPPaintManager::CreateTheme(int nTheme)
{
    CXTPPaintManager* pPaintManager = NULL;
    switch (nTheme)
    {
    case xtpThemeOfficeXP:
        pPaintManager = new CXTPOfficeXPTheme();
        break;
    case xtpThemeOffice2003:
        pPaintManager = new CXTPOffice2003Theme();
        break;
    case xtpThemeNativeWinXP:
        pPaintManager = new CXTPWinXPTheme();
        break;
    case xtpThemeOffice2003Luna:
        pPaintManager = new CXTPOffice2003LunaTheme();
        break;
    default:
        // Office 2000 is the look of every id the factory does not know.
        pPaintManager = new CXTPOffice2000Theme();
        break;
    }
    pPaintManager->m_nThemeId = nTheme;
    return pPaintManager;
}

CXTPPaintManager* CXTPPaintManager::SetTheme(int nTheme)
{
    Done();
    s_pCurrent = CreateTheme(nTheme);
    return s_pCurrent;
}

void CXTPPaintManager::SetCustomTheme(CXTPPaintManager* pPaintManager)
{
    Done();
    s_pCurrent = pPaintManager;
    if (pPaintManager != NULL)
        pPaintManager->m_nThemeId = xtpThemeCustom;
}

void CXTPPaintManager::Done()
{
    CXTPPaintManager* pCurrent = s_pCurrent;
    s_pCurrent = NULL;
    if (pCurrent != NULL)
        pCurrent->InternalRelease();
}

// ---- Colours ----

COLORREF CXTPPaintManager::GetColor(int nIndex) const
{
    if ((UINT)nIndex >= (UINT)XTP_COLOR_COUNT)
        return (COLORREF)nIndex;
    return m_arrColor[nIndex];
}

void CXTPPaintManager::SetColors(int nCount, const int* pIndexes, const COLORREF* pColors)
{
    for (int i = 0; i < nCount; i++)
    {
        if ((UINT)pIndexes[i] < (UINT)XTP_COLOR_COUNT)
            m_arrColor[pIndexes[i]].SetStandardValue(pColors[i]);
    }
}

int CXTPPaintManager::GetCurrentSystemTheme() const
{
    if (m_nSystemTheme == xtpSystemThemeDefault)
        return XTPColorManager()->IsLunaColorsDisabled() ? xtpSystemThemeNone
                                                         : XTPColorManager()->GetCurrentSystemTheme();
    if (m_nSystemTheme == xtpSystemThemeAuto)
        return CXTPColorManager::DetectLunaScheme();
    return m_nSystemTheme;
}

void CXTPPaintManager::SetSystemTheme(int nSystemTheme)
{
    m_nSystemTheme = nSystemTheme;
    RefreshMetrics();
}

void CXTPPaintManager::RefreshMetrics()
{
    RefreshFonts();
    XTPColorManager()->RefreshColors(FALSE);
    for (int i = 0; i < XTP_COLOR_COUNT; i++)
        m_arrColor[i].SetStandardValue(XTPColorManager()->GetColor(i));
    m_clrSpare = 0;
    m_clrStatusTextColor = GetColor(COLOR_BTNTEXT);
}

// ---- Fonts ----

void CXTPPaintManager::UseOfficeFont(BOOL bUseOfficeFont)
{
    m_bUseOfficeFont = bUseOfficeFont;
    RefreshMetrics();
}

BOOL CXTPPaintManager::FontExists(const CString& strFaceName)
{
    return CXTPDrawHelpers::FontExists(strFaceName);
}

void CXTPPaintManager::SetCommandBarsFontIndirect(LOGFONT* pLogFont, BOOL bUseStandardFont)
{
    m_bUseStandardFont = bUseStandardFont;
    if (pLogFont == NULL)
        return;
    m_fontRegular.DeleteObject();
    m_fontRegularBold.DeleteObject();
    m_fontVert.DeleteObject();
    m_fontVertBold.DeleteObject();

    LOGFONT lf = *pLogFont;
    const LONG nWeightOnEntry = lf.lfWeight;
    if (_stricmp(lf.lfFaceName, "Tahoma") == 0)
        m_bUseOfficeFont = TRUE;
    // Latin character sets take the office face when the system has it.
    if (lf.lfCharSet <= SYMBOL_CHARSET && bUseStandardFont && m_bUseOfficeFont && FontExists("Tahoma"))
        lstrcpynA(lf.lfFaceName, "Tahoma", LF_FACESIZE);

    m_fontRegular.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontRegularBold.CreateFontIndirect(&lf);

    lf.lfEscapement = 2700;
    lf.lfOrientation = 900;
    lf.lfWeight = nWeightOnEntry;
    const CString strVertFace = XTPDrawHelpers()->GetDefaultFontFaceName(m_bUseOfficeFont);
    lstrcpynA(lf.lfFaceName, strVertFace, LF_FACESIZE);
    m_fontVert.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontVertBold.CreateFontIndirect(&lf);

    HDC hdcScreen = ::GetDC(NULL);
    HGDIOBJ hOldFont = ::SelectObject(hdcScreen, m_fontRegular.GetSafeHandle());
    SIZE szSpace = {0, 0};
    ::GetTextExtentPoint32A(hdcScreen, " ", 1, &szSpace);
    ::SelectObject(hdcScreen, hOldFont);
    ::ReleaseDC(NULL, hdcScreen);
    m_nTextHeight = szSpace.cy + 6;
}

void CXTPPaintManager::RefreshFonts()
{
    NONCLIENTMETRICS ncm;
    memset(&ncm, 0, sizeof(ncm));
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);

    if (m_bUseStandardFont)
    {
        LOGFONT lf;
        memset(&lf, 0, sizeof(lf));
        lf.lfHeight = ncm.lfMenuFont.lfHeight;
        lf.lfWeight = ncm.lfMenuFont.lfWeight;
        lf.lfItalic = ncm.lfMenuFont.lfItalic;
        lstrcpynA(lf.lfFaceName, ncm.lfMenuFont.lfFaceName, LF_FACESIZE);
        HDC hdcScreen = ::GetDC(NULL);
        lf.lfCharSet = (BYTE)::GetTextCharsetInfo(hdcScreen, NULL, 0);
        ::ReleaseDC(NULL, hdcScreen);
        // Menu text is never smaller than 11 pixels.
        if (lf.lfHeight < 0 && lf.lfHeight > -11)
            lf.lfHeight = -11;
        SetCommandBarsFontIndirect(&lf, TRUE);
    }

    m_fontSmCaption.DeleteObject();
    m_fontSmCaption.CreateFontIndirect(&ncm.lfSmCaptionFont);

    LOGFONT lfIcon;
    memset(&lfIcon, 0, sizeof(lfIcon));
    ::SystemParametersInfo(SPI_GETICONTITLELOGFONT, sizeof(lfIcon), &lfIcon, 0);
    m_fontIcon.DeleteObject();
    m_fontIcon.CreateFontIndirect(&lfIcon);

    LOGFONT lfSymbol;
    memset(&lfSymbol, 0, sizeof(lfSymbol));
    lfSymbol.lfHeight = lfIcon.lfHeight;
    lfSymbol.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lfSymbol.lfFaceName, "Marlett", LF_FACESIZE);
    m_fontSymbol.DeleteObject();
    m_fontSymbol.CreateFontIndirect(&lfSymbol);

    lfIcon.lfWeight = FW_BOLD;
    m_fontIconBold.DeleteObject();
    m_fontIconBold.CreateFontIndirect(&lfIcon);
}

CFont* CXTPPaintManager::GetCommandBarFont(CXTPCommandBar* pBar, BOOL bBold)
{
    const BOOL bVertical =
        pBar != NULL && (pBar->GetPosition() == xtpBarLeft || pBar->GetPosition() == xtpBarRight);
    if (bVertical)
        return bBold ? &m_fontVertBold : &m_fontVert;
    return bBold ? &m_fontRegularBold : &m_fontRegular;
}

CRect CXTPPaintManager::GetCommandBarBorders(CXTPCommandBar* pBar)
{
    (void)pBar;
    return CRect(2, 2, 2, 2);
}

CSize CXTPPaintManager::GetIconSize(CXTPCommandBar* pBar)
{
    return pBar != NULL ? pBar->GetIconSize() : CSize(16, 16);
}

CSize CXTPPaintManager::GetButtonSize(CXTPCommandBar* pBar)
{
    return pBar != NULL ? pBar->GetButtonSize() : CSize(23, 23);
}

// ---- Primitives ----

void CXTPPaintManager::Triangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clr)
{
    CXTPDrawHelpers::Triangle(pDC, pt0, pt1, pt2, clr);
}

void CXTPPaintManager::Rectangle(CDC* pDC, CRect rc, int nPen, int nBrush)
{
    pDC->FillSolidRect(rc, GetColor(nBrush));
    pDC->Draw3dRect(rc, GetColor(nPen), GetColor(nPen));
}

void CXTPPaintManager::Draw3dRect(CDC* pDC, CRect rc, int nTopLeft, int nBottomRight)
{
    pDC->Draw3dRect(rc, GetColor(nTopLeft), GetColor(nBottomRight));
}

void CXTPPaintManager::Line(CDC* pDC, CPoint p0, CPoint p1)
{
    pDC->MoveTo(p0);
    pDC->LineTo(p1);
}

void CXTPPaintManager::Line(CDC* pDC, int x0, int y0, int x1, int y1, int nPen)
{
    CPen pen(PS_SOLID, 1, GetColor(nPen));
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(x0, y0);
    pDC->LineTo(x1, y1);
    pDC->SelectObject(pOldPen);
}

void CXTPPaintManager::Pixel(CDC* pDC, int x, int y, int nColor)
{
    pDC->SetPixel(x, y, GetColor(nColor));
}

void CXTPPaintManager::GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz)
{
    XTPDrawHelpers()->GradientFill(pDC, lpRect, crFrom, crTo, bHorz);
}

CSize CXTPPaintManager::DrawFloatingCaption(CDC* pDC, CXTPCommandBar* pBar, CRect rcClient,
                                            COLORREF clrCaption, BOOL bDraw)
{
    CFont* pOldFont = pDC->SelectObject(&m_fontSmCaption);
    const int h = std::max(15, (int)pDC->GetTextExtent(" ").cy);
    const CRect rcCaption(3, 3, rcClient.right - 3, 3 + h);
    if (bDraw)
    {
        pDC->FillSolidRect(rcCaption, clrCaption);
        pDC->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
        pDC->SetBkMode(TRANSPARENT);
        CRect rcTitle(5, 3, rcClient.right - 3 - 2 * h, 3 + h);
        pDC->DrawText(pBar->GetTitle(), rcTitle, DT_SINGLELINE | DT_VCENTER);
    }
    pDC->SelectObject(pOldFont);
    return rcCaption.Size();
}

void CXTPPaintManager::DrawCheckMark(CDC* pDC, CRect rc, COLORREF clr, BOOL bLayout2)
{
    const CPoint ptBox(rc.left + (rc.Width() - 20) / 2, rc.top + (rc.Height() - 20) / 2);
    static const POINT kStrokes[2][2][3] = {
        {{{6, 9}, {8, 11}, {13, 6}}, {{6, 10}, {8, 12}, {13, 7}}},
        {{{6, 7}, {10, 11}, {13, 8}}, {{6, 8}, {10, 12}, {13, 9}}},
    };
    CPen pen(PS_SOLID, 1, clr);
    CPen* pOldPen = pDC->SelectObject(&pen);
    for (const POINT(&stroke)[3] : kStrokes[bLayout2 ? 1 : 0])
    {
        pDC->MoveTo(ptBox.x + stroke[0].x, ptBox.y + stroke[0].y);
        pDC->LineTo(ptBox.x + stroke[1].x, ptBox.y + stroke[1].y);
        pDC->LineTo(ptBox.x + stroke[2].x, ptBox.y + stroke[2].y);
    }
    pDC->SelectObject(pOldPen);
}

void CXTPPaintManager::StripMnemonics(CString& strCaption)
{
    strCaption.Replace("&&", "\x01\x01");
    strCaption.Remove('&');
    strCaption.Replace("\x01\x01", "&");
}

void CXTPPaintManager::PrepareMenuCaption(CString& strCaption)
{
    StripMnemonics(strCaption);
    const int nLength = strCaption.GetLength();
    if (nLength < 3)
        return;
    if (nLength >= 4 && strCaption.Right(3) == "..." && IsCharAlphaA(strCaption[nLength - 4]))
        strCaption = "..." + strCaption.Left(nLength - 3);

    // A leading run of digits or '&' and a space: a recent-file number goes
    // to the end.
    int nRun = 0;
    while (nRun < strCaption.GetLength() - 2 && (isdigit((BYTE)strCaption[nRun]) || strCaption[nRun] == '&'))
        nRun++;
    if (nRun == 0 || strCaption[nRun] != ' ')
        return;
    int nText = nRun;
    while (nText < strCaption.GetLength() && strCaption[nText] == ' ')
        nText++;
    if (nText < strCaption.GetLength() && IsCharAlphaA(strCaption[nText]))
        strCaption = strCaption.Mid(nRun + 1) + " " + strCaption.Left(nRun);
}

// ---- Status bar ----

void CXTPPaintManager::FillDockBar(CDC* pDC, CWnd* pDockBar)
{
    CRect rc;
    pDockBar->GetClientRect(&rc);
    pDC->FillSolidRect(rc, GetColor(COLOR_BTNFACE));
}

void CXTPPaintManager::FillStatusBar(CDC* pDC, CStatusBar* pStatusBar)
{
    FillDockBar(pDC, (CWnd*)pStatusBar);
}

void CXTPPaintManager::DrawStatusBarPaneBorder(CDC* pDC, CRect rc)
{
    Draw3dRect(pDC, rc, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
}

void CXTPPaintManager::DrawStatusBarPane(CDC* pDC, CStatusBar* pStatusBar, int nIndex)
{
    CRect rc;
    pStatusBar->GetItemRect(nIndex, &rc);
    UINT nID = 0, nStyle = 0;
    int cxWidth = 0;
    pStatusBar->GetPaneInfo(nIndex, nID, nStyle, cxWidth);

    if (nIndex == pStatusBar->GetCount() - 1)
    {
        if (!(nStyle & SBPS_STRETCH))
            rc.right = rc.left + cxWidth + 3 * ::GetSystemMetrics(SM_CXEDGE);
        else
        {
            CRect rcClient;
            pStatusBar->GetClientRect(&rcClient);
            rc.right = rcClient.right;
            if (pStatusBar->GetStyle() & SBARS_SIZEGRIP)
                rc.right -= ::GetSystemMetrics(SM_CXSMICON) + ::GetSystemMetrics(SM_CXEDGE);
        }
    }
    if (!(nStyle & SBPS_NOBORDERS))
        DrawStatusBarPaneBorder(pDC, rc);
    if (!(nStyle & SBPS_DISABLED))
    {
        CRect rcText = rc;
        rcText.DeflateRect(2, 1);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(m_clrStatusTextColor);
        pDC->DrawText(pStatusBar->GetPaneText(nIndex), rcText, DT_SINGLELINE | DT_VCENTER);
    }
}

void CXTPPaintManager::DrawStatusBarGripper(CDC* pDC, CRect rcClient)
{
    // Three rows of three raised dots, the last one in the corner.
    const COLORREF clrShadow = GetColor(COLOR_BTNSHADOW);
    const COLORREF clrHighlight = GetColor(COLOR_BTNHIGHLIGHT);
    for (int nRow = 0; nRow < 3; nRow++)
    {
        for (int nColumn = 0; nColumn < 3; nColumn++)
        {
            const int x = rcClient.right - 12 + 4 * nColumn;
            const int y = rcClient.bottom - 12 + 4 * nRow;
            pDC->FillSolidRect(x + 1, y + 1, 2, 2, clrHighlight);
            pDC->FillSolidRect(x, y, 2, 2, clrShadow);
        }
    }
}

void CXTPPaintManager::DrawResizeGripper(CDC* pDC, CRect rc)
{
    const int W = rc.Width(), H = rc.Height();
    for (int i = 0; i < 3; i++)
    {
        Line(pDC, W - 3 - 4 * i, H - 2, W - 1, H - 4 - 4 * i, COLOR_BTNSHADOW);
        Line(pDC, W - 4 - 4 * i, H - 2, W - 1, H - 5 - 4 * i, COLOR_BTNSHADOW);
    }
    for (int i = 0; i < 3; i++)
        Line(pDC, W - 5 - 4 * i, H - 2, W - 1, H - 6 - 4 * i, COLOR_BTNHIGHLIGHT);
}
