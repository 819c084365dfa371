#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPHoldReference.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/shadows/XTPDropShadows.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/foundation/XTPStartup.h"
#include "toolkit/commandbars/bars/XTPCommandBarList.h"
#include "toolkit/foundation/XTPPropExchange.h"

IMPLEMENT_SERIAL(CXTPControlPopup, CXTPControl, VERSIONABLE_SCHEMA | 8)

XTP_STARTUP_CLASSES(ControlPopupClass, xtpStartupControlPopupClass, XTP_STARTUP_CLASS(CXTPControlPopup));

namespace {

// The bar's hover timer (opens a submenu after a pause).
const UINT_PTR kHoverTimerId = 112223;

CXTPControlPopup::PFNCREATEPOPUPBAR g_pfnCreatePopupBar = NULL;

} // namespace

void CXTPControlPopup::SetPopupBarFactory(PFNCREATEPOPUPBAR pfnCreate)
{
    g_pfnCreatePopupBar = pfnCreate;
}

CXTPCommandBar* CXTPControlPopup::CreatePopupBar(CXTPCommandBars* pCommandBars)
{
    return g_pfnCreatePopupBar != NULL ? g_pfnCreatePopupBar(pCommandBars) : NULL;
}

CXTPControlPopup::CXTPControlPopup() : m_bPopup(FALSE), m_pCommandBar(NULL), m_nLoadedBarId(0)
{
    m_controlType = xtpControlPopup;
}

CXTPControlPopup::~CXTPControlPopup()
{
    SetCommandBar((CXTPCommandBar*)NULL);
}

void CXTPControlPopup::SetCommandBar(CXTPCommandBar* pBar)
{
    if (pBar == m_pCommandBar)
        return;
    if (pBar != NULL)
        pBar->InternalAddRef();
    if (m_pCommandBar != NULL)
        m_pCommandBar->InternalRelease();
    m_pCommandBar = pBar;
}

void CXTPControlPopup::SetCommandBar(CMenu* pMenu)
{
    if (m_pCommandBar == NULL)
    {
        CXTPCommandBar* pBar = CreatePopupBar(m_pParent != NULL ? m_pParent->GetCommandBars() : NULL);
        if (pBar == NULL)
            return;
        SetCommandBar(pBar);
        pBar->InternalRelease();
    }
    m_pCommandBar->LoadMenu(pMenu);
}

BOOL CXTPControlPopup::IsContainPopup(CXTPControlPopup* pOther) const
{
    if (m_pCommandBar == NULL || pOther == NULL || pOther->m_pCommandBar == NULL)
        return FALSE;
    if (pOther->m_pCommandBar == m_pCommandBar)
        return TRUE;
    CXTPControls* pControls = m_pCommandBar->GetControls();
    for (int i = 0; i < pControls->GetCount(); i++)
    {
        CXTPControlPopup* pPopup = DYNAMIC_DOWNCAST(CXTPControlPopup, pControls->GetAt(i));
        if (pPopup != NULL && pPopup->IsContainPopup(pOther))
            return TRUE;
    }
    return FALSE;
}

BOOL CXTPControlPopup::OnSetPopup(BOOL bPopup)
{
    m_bPopup = bPopup;
    if (bPopup)
    {
        if (m_pCommandBar == NULL)
            return FALSE;
        if (!m_pCommandBar->IsTrackingMode())
        {
            m_pCommandBar->Popup(this, m_nSelected == 2);
            UpdateShadow();
        }
        return TRUE;
    }
    if (m_pCommandBar != NULL)
        m_pCommandBar->SetTrackingMode(xtpTrackingOff);
    DelayRedrawParent();
    return TRUE;
}

void CXTPControlPopup::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (m_pParent == NULL)
        return;
    // In customize mode a click selects the control, opens its popup (so its
    // controls can be dragged) and starts the control's own drag, enabled
    // or not.
    const BOOL bCustomize = m_pParent->IsCustomizeMode();
    if (!m_bEnabled && !bCustomize)
        return;
    CXTPCommandBars* pCommandBars = bCustomize ? m_pParent->GetCommandBars() : NULL;
    if (pCommandBars != NULL)
        pCommandBars->SetDragControl(this);
    const BOOL bOnPopupBar = m_pParent->GetType() == xtpBarTypePopup;
    if (m_bPopup && !bOnPopupBar)
    {
        m_pParent->SetTrackingMode(xtpTrackingOff);
    }
    else if (!bCustomize && m_controlType == xtpControlSplitButtonPopup && !bKeyboard
             && pt.x < m_rcControl.right - (bOnPopupBar ? kMenuSplitWidth : kToolBarSplitWidth))
    {
        if (bOnPopupBar)
        {
            // The release over the command part executes.
            m_pParent->KillTimer(kHoverTimerId);
            return;
        }
        CRect rcCommand = m_rcControl;
        rcCommand.right -= kToolBarSplitWidth;
        ClickToolBarButton(rcCommand);
        return;
    }
    else if (!bCustomize && m_controlType == xtpControlSplitButtonPopup && bKeyboard && bOnPopupBar)
    {
        OnExecute();
        return;
    }
    else if (!bCustomize || m_pCommandBar == NULL || m_pCommandBar->IsCustomizable())
    {
        m_pParent->SetPopuped(m_nIndex, FALSE);
    }
    if (bCustomize)
        OnCustomizeMouseDown(pt);
}

void CXTPControlPopup::OnCustomizeDragOver(CXTPControl* pDataObject, CPoint point)
{
    (void)point;
    if (m_pCommandBar == NULL || !m_pCommandBar->IsCustomizable() || m_pParent == NULL)
        return;
    // A menu never opens inside itself.
    CXTPControlPopup* pDragged = DYNAMIC_DOWNCAST(CXTPControlPopup, pDataObject);
    if (pDragged != NULL && pDragged->IsContainPopup(this))
    {
        m_pParent->SetPopuped(-1);
        m_pParent->SetSelected(-1);
        return;
    }
    m_pParent->SetPopuped(m_nIndex, FALSE);
}

void CXTPControlPopup::OnLButtonUp(CPoint point)
{
    if (m_bEnabled && m_controlType == xtpControlSplitButtonPopup && m_pParent != NULL
        && m_pParent->GetType() == xtpBarTypePopup && point.x < m_rcControl.right - kMenuSplitWidth)
        OnExecute();
}

BOOL CXTPControlPopup::OnSetSelected(int bSelected)
{
    if (!CXTPControl::OnSetSelected(bSelected))
        return FALSE;
    if (m_pParent == NULL)
        return TRUE;
    const BOOL bOnPopupBar = m_pParent->GetPosition() == xtpBarPopup;
    const BOOL bTrackingPopup = m_pParent->IsTrackingMode() == xtpTrackingPopup;
    if (m_controlType != xtpControlPopup && !bOnPopupBar)
    {
        if (m_bEnabled && bSelected == 2 && bTrackingPopup)
            m_pParent->SetPopuped(m_nIndex, TRUE);
    }
    else if (!bOnPopupBar)
    {
        if (m_bEnabled && bSelected && bTrackingPopup)
            m_pParent->SetPopuped(m_nIndex, bSelected == 2);
        else if (!bSelected && m_bPopup)
            m_pParent->SetPopuped(-1);
    }
    return TRUE;
}

BOOL CXTPControlPopup::OnLButtonDblClk(CPoint point)
{
    CXTPPopupBar* pPopupBar = DYNAMIC_DOWNCAST(CXTPPopupBar, (CObject*)m_pCommandBar);
    if (pPopupBar == NULL || (m_controlType != xtpControlPopup && m_controlType != xtpControlButtonPopup))
        return CXTPControl::OnLButtonDblClk(point);
    CXTPCommandBar* pParent = m_pParent;
    if (pParent == NULL || pParent->GetSafeHwnd() == NULL)
        return FALSE;
    CXTPHoldReference holdControl(this);
    CXTPHoldReference holdPopup(pPopupBar);
    if (!m_bPopup)
    {
        // The first click of the pair was eaten: the press opens the popup.
        pParent->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        if (m_pParent != pParent || m_pCommandBar != pPopupBar)
            return FALSE;
    }
    if (!m_bPopup)
        return FALSE;
    const UINT nDefault = pPopupBar->GetDefaultItem(0, TRUE);
    if (nDefault != (UINT)-1)
    {
        CXTPControl* pDefault = pPopupBar->GetControl((int)nDefault);
        CXTPHoldReference holdDefault(pDefault);
        pDefault->OnExecute();
        return TRUE;
    }
    if (pPopupBar->HasHiddenControls() && !pPopupBar->IsExpanded())
    {
        pPopupBar->ExpandBar();
        return TRUE;
    }
    return FALSE;
}

void CXTPControlPopup::UpdateShadow()
{
    if (m_pParent == NULL || m_pParent->GetPosition() == xtpBarPopup || !IsPopupControlType(m_controlType))
        return;
    CXTPPopupBar* pPopupBar = DYNAMIC_DOWNCAST(CXTPPopupBar, (CObject*)m_pCommandBar);
    if (pPopupBar != NULL && pPopupBar->IsShadow())
        XTPDropShadows()->CreateControlShadows(this);
}

void CXTPControlPopup::GetPopupPlacement(CRect& rcExclude)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager == NULL || m_pParent == NULL)
        return;
    const XTPBarPosition position = m_pParent->GetPosition();
    pPaintManager->AdjustExcludeRect(rcExclude, this,
                                     position == xtpBarLeft || position == xtpBarRight || position == xtpBarPopup);
}

void CXTPControlPopup::OnMouseHover()
{
    if (m_bEnabled && m_pParent != NULL
        && (m_pParent->IsTrackingMode() == xtpTrackingPopup || m_pParent->GetType() == xtpBarTypePopup))
        m_pParent->SetPopuped(m_nIndex, FALSE);
    else
        CXTPControl::OnMouseHover();
}

BOOL CXTPControlPopup::Compare(CXTPControl* pOther)
{
    if (!CXTPControl::Compare(pOther))
        return FALSE;
    CXTPControlPopup* pPopup = DYNAMIC_DOWNCAST(CXTPControlPopup, pOther);
    if (pPopup == NULL)
        return FALSE;
    if (m_pCommandBar != NULL && pPopup->m_pCommandBar != NULL)
        return m_pCommandBar->GetControls()->Compare(pPopup->m_pCommandBar->GetControls());
    return TRUE;
}

void CXTPControlPopup::Copy(CXTPControl* pControl, BOOL bRecursive)
{
    CXTPControl::Copy(pControl, bRecursive);
    CXTPControlPopup* pSource = DYNAMIC_DOWNCAST(CXTPControlPopup, pControl);
    if (pSource == NULL)
        return;
    if (bRecursive && pSource->m_pCommandBar != NULL)
    {
        CXTPCommandBar* pClone = pSource->m_pCommandBar->Clone(TRUE);
        SetCommandBar(pClone);
        if (pClone != NULL)
            pClone->InternalRelease();
    }
    else
        SetCommandBar(pSource->m_pCommandBar);
}

void CXTPControlPopup::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControl::DoPropExchange(pPX);
    if (pPX->IsStoring())
    {
        DWORD dwBarID = m_pCommandBar != NULL ? m_pCommandBar->GetBarID() : 0;
        PX_DWord(pPX, "CommandBarId", dwBarID, 0);
    }
    else
    {
        DWORD dwBarID = 0;
        PX_DWord(pPX, "CommandBarId", dwBarID, 0);
        m_nLoadedBarId = dwBarID;
    }
    if (pPX->GetSchema() > 4)
    {
        int nStyle = m_buttonStyle;
        PX_Enum(pPX, "Style", nStyle, xtpButtonAutomatic);
        m_buttonStyle = (XTPButtonStyle)nStyle;
    }
}

BOOL CXTPControlPopup::IsLoadedBarAccepted(CXTPCommandBar* pBar) const
{
    // Never the menu bar or a tool bar that a damaged number names, whatever
    // bar type the store gives it. A combo box's list shows and picks its
    // combo's strings: a popup opening one would find no combo behind it.
    if (pBar->IsKindOf(RUNTIME_CLASS(CXTPToolBar)) || pBar->IsKindOf(RUNTIME_CLASS(CXTPControlComboBoxList)))
        return FALSE;
    // A popup bar laid out as a tool bar (a popup tool bar, or one given
    // SetPopupToolBar) is saved with the normal bar type.
    return pBar->GetType() == xtpBarTypePopup || pBar->IsKindOf(RUNTIME_CLASS(CXTPPopupBar));
}

BOOL CXTPControlPopup::RestoreCommandBarList(CXTPCommandBarList* pList)
{
    if (m_nLoadedBarId == 0)
        return TRUE;
    CXTPCommandBar* pBar = pList->FindBar(m_nLoadedBarId);
    m_nLoadedBarId = 0;
    // A bar on the path being restored opens this control: taking it would
    // make the bars hold each other for ever.
    if (pBar == NULL || pList->IsOnRestorePath(pBar))
        return TRUE;
    if (!IsLoadedBarAccepted(pBar))
        return FALSE;
    SetCommandBar(pBar);
    pBar->RestoreCommandBarList(pList);
    return TRUE;
}
