#include "toolkit/commandbars/customize/XTPCustomizeOptionsPage.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/customize/XTPCustomizeSheet.h"
#include "toolkit/foundation/XTPResourceManager.h"

BEGIN_MESSAGE_MAP(CXTPCustomizeOptionsPage, CPropertyPage)
ON_BN_CLICKED(XTP_IDC_CHECK_FULL_MENUS, OnCheckFullMenus)
ON_BN_CLICKED(XTP_IDC_CHECK_AFTERDELAY, OnCheckAfterDelay)
ON_BN_CLICKED(XTP_IDC_CHECK_LARGEICONS, OnCheckLargeIcons)
ON_BN_CLICKED(XTP_IDC_CHECK_SCREENTTIPS, OnCheckScreenTips)
ON_BN_CLICKED(XTP_IDC_CHECK_SHORTCUTS, OnCheckShortcuts)
ON_BN_CLICKED(XTP_IDC_BUTTON_RESETDATA, OnResetData)
ON_CBN_SELCHANGE(XTP_IDC_COMBO_ANIMATION, OnAnimationChanged)
END_MESSAGE_MAP()

namespace {

CXTPCommandBarsOptions* OptionsOf(CXTPCustomizeSheet* pSheet)
{
    return pSheet->GetCommandBars()->GetCommandBarsOptions();
}

} // namespace

CXTPCustomizeOptionsPage::CXTPCustomizeOptionsPage(CXTPCustomizeSheet* pSheet)
    : CPropertyPage(XTP_IDD_PAGE_OPTIONS), m_pSheet(pSheet)
{
    CXTPCommandBarsOptions* pOptions = OptionsOf(pSheet);
    m_bAlwaysShowFullMenus = pOptions->bAlwaysShowFullMenus;
    m_bShowFullAfterDelay = pOptions->bShowFullAfterDelay;
    m_bLargeIcons = pOptions->bLargeIcons;
    m_bToolBarScreenTips = pOptions->bToolBarScreenTips;
    m_bToolBarAccelTips = pOptions->bToolBarAccelTips;
    m_nAnimationType = pOptions->animationType;
}

CXTPCustomizeOptionsPage::~CXTPCustomizeOptionsPage()
{
    if (m_comboAnimation.m_hWnd != NULL)
        m_comboAnimation.DestroyWindow();
}

void CXTPCustomizeOptionsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, XTP_IDC_COMBO_ANIMATION, m_comboAnimation);
    DDX_CBIndex(pDX, XTP_IDC_COMBO_ANIMATION, m_nAnimationType);
    DDX_Check(pDX, XTP_IDC_CHECK_FULL_MENUS, m_bAlwaysShowFullMenus);
    DDX_Check(pDX, XTP_IDC_CHECK_AFTERDELAY, m_bShowFullAfterDelay);
    DDX_Check(pDX, XTP_IDC_CHECK_LARGEICONS, m_bLargeIcons);
    DDX_Check(pDX, XTP_IDC_CHECK_SCREENTTIPS, m_bToolBarScreenTips);
    DDX_Check(pDX, XTP_IDC_CHECK_SHORTCUTS, m_bToolBarAccelTips);
}

BOOL CXTPCustomizeOptionsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    EnableDependentChecks();
    for (int i = 0; i < XTP_ANIMATION_COUNT; i++)
    {
        CString strName;
        XTPResourceManager()->LoadString(&strName, XTP_IDS_ANIMATION_SYSDEF + i);
        m_comboAnimation.AddString(strName);
    }
    UpdateData(FALSE);
    return TRUE;
}

void CXTPCustomizeOptionsPage::EnableDependentChecks()
{
    GetDlgItem(XTP_IDC_CHECK_AFTERDELAY)->EnableWindow(!m_bAlwaysShowFullMenus);
    GetDlgItem(XTP_IDC_CHECK_SHORTCUTS)->EnableWindow(m_bToolBarScreenTips);
}

void CXTPCustomizeOptionsPage::OnCheckFullMenus()
{
    UpdateData(TRUE);
    OptionsOf(m_pSheet)->bAlwaysShowFullMenus = m_bAlwaysShowFullMenus;
    EnableDependentChecks();
}

void CXTPCustomizeOptionsPage::OnCheckAfterDelay()
{
    UpdateData(TRUE);
    OptionsOf(m_pSheet)->bShowFullAfterDelay = m_bShowFullAfterDelay;
}

void CXTPCustomizeOptionsPage::OnCheckLargeIcons()
{
    UpdateData(TRUE);
    OptionsOf(m_pSheet)->bLargeIcons = m_bLargeIcons;
    m_pSheet->GetCommandBars()->RedrawCommandBars();
}

void CXTPCustomizeOptionsPage::OnCheckScreenTips()
{
    UpdateData(TRUE);
    OptionsOf(m_pSheet)->bToolBarScreenTips = m_bToolBarScreenTips;
    EnableDependentChecks();
}

void CXTPCustomizeOptionsPage::OnCheckShortcuts()
{
    UpdateData(TRUE);
    OptionsOf(m_pSheet)->bToolBarAccelTips = m_bToolBarAccelTips;
}

void CXTPCustomizeOptionsPage::OnAnimationChanged()
{
    UpdateData(TRUE);
    if (m_nAnimationType != -1)
        OptionsOf(m_pSheet)->animationType = m_nAnimationType;
}

void CXTPCustomizeOptionsPage::OnResetData()
{
    if (XTPResourceManager()->ShowMessageBox(XTP_IDS_CONFIRM_RESETDATA, MB_YESNO | MB_ICONWARNING) == IDYES)
        m_pSheet->GetCommandBars()->ResetUsageData();
}
