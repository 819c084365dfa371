#include "toolkit/controls/XTFlatControlsTheme.h"

#include "toolkit/controls/XTEdit.h"
#include "toolkit/controls/XTFlatComboBox.h"
#include "toolkit/foundation/XTAuxData.h"

IMPLEMENT_DYNCREATE(CXTFlatControlsThemeFactory, CXTThemeManagerStyleFactory)

namespace {

// Colours named by toolkit colour index.
const int kWindow = COLOR_WINDOW;
const int kFace = COLOR_3DFACE;
const int kShadow = COLOR_3DSHADOW;
const int kHilight = COLOR_3DHIGHLIGHT;

COLORREF Toolkit(int nIndex)
{
    return XTPGetColor(nIndex);
}

// The Office 2003 colours of one Windows XP scheme.
struct SchemeColors
{
    COLORREF crFrameHot;
    COLORREF crFrame;
    COLORREF crButtonNormal;
};

const SchemeColors kSchemeColors[] = {
    {RGB(0, 0, 128), RGB(127, 157, 185), RGB(169, 199, 240)},   // blue
    {RGB(63, 93, 56), RGB(164, 185, 127), RGB(197, 212, 159)},  // olive
    {RGB(75, 75, 111), RGB(165, 172, 178), RGB(192, 192, 211)}, // silver
};

} // namespace

CXTThemeManagerStyle* CXTFlatControlsThemeFactory::CreateTheme(int nTheme)
{
    CXTFlatControlsTheme* pTheme;
    if (nTheme == 1)
        pTheme = new CXTFlatControlsThemeOfficeXP;
    else if (nTheme == 2)
        pTheme = new CXTFlatControlsThemeOffice2003;
    else
        pTheme = new CXTFlatControlsTheme;
    pTheme->SetThemeId(nTheme);
    return pTheme;
}

// ---------------------------------------------------------------------------
// Classic

void CXTFlatControlsTheme::RefreshMetrics()
{
    XTPColorManager()->RefreshColors(FALSE);
}

void CXTFlatControlsTheme::Ring(CDC* pDC, const CRect& rc, COLORREF crTopLeft, COLORREF crBottomRight)
{
    pDC->Draw3dRect(&rc, crTopLeft, crBottomRight);
}

CRect CXTFlatControlsTheme::ButtonRect(const CRect& rc, int cxButton)
{
    CRect rcButton(rc);
    rcButton.left = rc.right - cxButton;
    return rcButton;
}

void CXTFlatControlsTheme::DrawComboFrame(CDC* pDC, CXTFlatComboBox* pCombo, int nState)
{
    CRect rc;
    pCombo->GetClientRect(&rc);
    if (nState == xtFlatNormal)
        Ring(pDC, rc, Toolkit(kFace), Toolkit(kFace));
    else
        Ring(pDC, rc, Toolkit(kShadow), Toolkit(kHilight));
    rc.DeflateRect(1, 1);
    BOOL bEnabled = pCombo->IsWindowEnabled();
    COLORREF crInner = bEnabled ? Toolkit(kFace) : Toolkit(kHilight);
    Ring(pDC, rc, crInner, crInner);
    rc.DeflateRect(1, 1);

    CRect rcButton = ButtonRect(rc, XTAuxData()->cxHThumb);
    Ring(pDC, rcButton, Toolkit(kFace), Toolkit(kFace));
    rcButton.DeflateRect(1, 1);
    Ring(pDC, rcButton, Toolkit(kFace), Toolkit(kFace));
    if (!bEnabled)
        return;

    rcButton.InflateRect(0, 1);
    switch (nState)
    {
    case xtFlatNormal:
        Ring(pDC, rcButton, Toolkit(kHilight), Toolkit(kHilight));
        rcButton.left--;
        Ring(pDC, rcButton, Toolkit(kHilight), Toolkit(kHilight));
        break;
    case xtFlatHot:
        Ring(pDC, rcButton, Toolkit(kHilight), Toolkit(kShadow));
        break;
    case xtFlatPressed:
        rcButton.OffsetRect(1, 1);
        Ring(pDC, rcButton, Toolkit(kShadow), Toolkit(kHilight));
        break;
    }
}

void CXTFlatControlsTheme::DrawEditFrame(CDC* pDC, CXTFlatEdit* pEdit, int nState)
{
    BOOL bHot = nState == xtFlatHot || pEdit->HasFocus();
    CRect rc;
    pEdit->GetClientRect(&rc);
    rc.InflateRect(1, 1);
    COLORREF crOuter = pEdit->IsWindowEnabled() ? Toolkit(kFace) : Toolkit(kWindow);
    Ring(pDC, rc, crOuter, crOuter);
    rc.InflateRect(1, 1);
    if (bHot)
        Ring(pDC, rc, Toolkit(kShadow), Toolkit(kHilight));
    else
        Ring(pDC, rc, Toolkit(kFace), Toolkit(kFace));
}

// ---------------------------------------------------------------------------
// Office XP

void CXTFlatControlsThemeOfficeXP::RefreshMetrics()
{
    CXTFlatControlsTheme::RefreshMetrics();
    m_clrArrow.SetStandardValue(Toolkit(45));
    m_clrArrowDropped.SetStandardValue(Toolkit(47));
    m_clrButtonHot.SetStandardValue(Toolkit(31));
    m_clrButtonDropped.SetStandardValue(Toolkit(33));
    m_clrFrame.SetStandardValue(Toolkit(kWindow));
    m_clrFrameHot.SetStandardValue(Toolkit(32));
    m_clrEditFrame.SetStandardValue(Toolkit(kFace));
    m_clrButtonNormal.SetStandardValue(Toolkit(kFace));
}

void CXTFlatControlsThemeOfficeXP::DrawComboFrame(CDC* pDC, CXTFlatComboBox* pCombo, int nState)
{
    BOOL bActive = nState != xtFlatNormal;
    COLORREF crArrow, crButton, crFrame;
    if (pCombo->GetDroppedState())
    {
        crArrow = m_clrArrowDropped;
        crButton = m_clrButtonDropped;
        crFrame = m_clrFrameHot;
    }
    else
    {
        crArrow = m_clrArrow;
        crButton = bActive ? m_clrButtonHot : m_clrButtonNormal;
        crFrame = bActive ? m_clrFrameHot : m_clrFrame;
    }

    CRect rc;
    pCombo->GetClientRect(&rc);
    Ring(pDC, rc, Toolkit(kFace), Toolkit(kFace));
    rc.DeflateRect(1, 1);
    CRect rcButton = ButtonRect(rc, XTAuxData()->cxHThumb + 1);
    Ring(pDC, rc, crFrame, crFrame);
    Ring(pDC, rcButton, crFrame, crFrame);
    rcButton.DeflateRect(1, 1);
    pDC->FillSolidRect(&rcButton, crButton);

    // A down-pointing triangle of rows 5, 3 and 1 pixels wide.
    int x = (rcButton.left + rcButton.right - 3) / 2;
    int y = (rcButton.top + rcButton.bottom - 1) / 2;
    for (int nRow = 0; nRow < 3; nRow++)
        pDC->FillSolidRect(x + nRow, y + nRow, 5 - 2 * nRow, 1, crArrow);
}

void CXTFlatControlsThemeOfficeXP::DrawEditFrame(CDC* pDC, CXTFlatEdit* pEdit, int nState)
{
    BOOL bHot = nState == xtFlatHot || pEdit->HasFocus();
    CRect rc;
    pEdit->GetClientRect(&rc);
    rc.InflateRect(1, 1);
    Ring(pDC, rc, Toolkit(kWindow), Toolkit(kWindow));
    rc.InflateRect(1, 1);
    COLORREF crFrame = bHot ? (COLORREF)m_clrFrameHot : (COLORREF)m_clrEditFrame;
    Ring(pDC, rc, crFrame, crFrame);
}

// ---------------------------------------------------------------------------
// Office 2003

CXTFlatControlsThemeOffice2003::~CXTFlatControlsThemeOffice2003()
{}

void CXTFlatControlsThemeOffice2003::RefreshMetrics()
{
    CXTFlatControlsThemeOfficeXP::RefreshMetrics();
    int nScheme = XTPColorManager()->GetCurrentSystemTheme();
    if (XTPIsColorScheme(nScheme))
    {
        const SchemeColors& scheme = kSchemeColors[nScheme - xtpSystemThemeBlue];
        m_clrArrow.SetStandardValue(RGB(0, 0, 0));
        m_clrArrowDropped.SetStandardValue(RGB(0, 0, 0));
        m_clrButtonHot.SetStandardValue(RGB(255, 238, 194));
        m_clrButtonDropped.SetStandardValue(RGB(254, 128, 62));
        m_clrFrameHot.SetStandardValue(scheme.crFrameHot);
        m_clrFrame.SetStandardValue(scheme.crFrame);
        m_clrButtonNormal.SetStandardValue(scheme.crButtonNormal);
    }
    else
    {
        m_clrFrame.SetStandardValue(Toolkit(kShadow));
    }
    m_clrEditFrame.SetStandardValue(m_clrFrame);
}
