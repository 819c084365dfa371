#include "toolkit/commandbars/controls/XTPControlButton.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/foundation/XTPStartup.h"
#include "toolkit/foundation/XTPPropExchange.h"

IMPLEMENT_SERIAL(CXTPControlButton, CXTPControl, VERSIONABLE_SCHEMA | 8)

XTP_STARTUP_CLASSES(ControlButtonClass, xtpStartupControlClasses, XTP_STARTUP_CLASS(CXTPControlButton));

CXTPControlButton::CXTPControlButton()
{
    m_controlType = xtpControlButton;
}

void CXTPControlButton::OnClick(BOOL bKeyboard, CPoint pt)
{
    // In customize mode a command disabled for now is still moved like any other.
    if (m_pParent != NULL && m_pParent->IsCustomizeMode())
    {
        m_pParent->SetPopuped(-1);
        m_pParent->SetSelected(-1);
        OnCustomizeMouseDown(pt);
        return;
    }
    if (!m_bEnabled)
        return;
    if (bKeyboard)
        OnExecute();
    else if (m_pParent != NULL && m_pParent->GetType() != xtpBarTypePopup)
        ClickToolBarButton();
}

void CXTPControlButton::OnLButtonUp(CPoint point)
{
    (void)point;
    if (m_bEnabled && m_pParent != NULL && m_pParent->GetType() == xtpBarTypePopup)
        OnExecute();
}

void CXTPControlButton::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControl::DoPropExchange(pPX);
    int nStyle = m_buttonStyle;
    PX_Enum(pPX, "Style", nStyle, xtpButtonAutomatic);
    m_buttonStyle = (XTPButtonStyle)nStyle;
}
