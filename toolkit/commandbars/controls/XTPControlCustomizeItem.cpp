#include "toolkit/commandbars/controls/XTPControlCustomizeItem.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPHoldReference.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

IMPLEMENT_DYNCREATE(CXTPControlCustomizeItem, CXTPControlButton)

namespace {
// The paint manager's drawing of a customize line.
const int kCustomizeRow = 4;
} // namespace

CXTPControlCustomizeItem::CXTPControlCustomizeItem() : m_pBarControl(NULL), m_pResetBar(NULL)
{
    m_dwFlags = xtpFlagManualUpdate;
}

CXTPControlCustomizeItem::~CXTPControlCustomizeItem()
{
    if (m_pBarControl != NULL)
        m_pBarControl->InternalRelease();
    if (m_pResetBar != NULL)
        m_pResetBar->InternalRelease();
}

void CXTPControlCustomizeItem::SetBarControl(CXTPControl* pControl)
{
    pControl->InternalAddRef();
    if (m_pBarControl != NULL)
        m_pBarControl->InternalRelease();
    m_pBarControl = pControl;
}

void CXTPControlCustomizeItem::SetResetBar(CXTPToolBar* pBar)
{
    pBar->InternalAddRef();
    if (m_pResetBar != NULL)
        m_pResetBar->InternalRelease();
    m_pResetBar = pBar;
    SetResetRow(TRUE);
}

CSize CXTPControlCustomizeItem::GetSize(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    return pPaintManager != NULL
               ? pPaintManager->DrawSpecialControl(pDC, kCustomizeRow, this, GetParent(), FALSE, NULL)
               : CSize(0, 0);
}

void CXTPControlCustomizeItem::Draw(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager != NULL)
        pPaintManager->DrawSpecialControl(pDC, kCustomizeRow, this, GetParent(), TRUE, NULL);
}

void CXTPControlCustomizeItem::OnExecute()
{
    CXTPHoldReference hold(this);
    CXTPControls* pControls = GetControls();
    CXTPCommandBars* pCommandBars = pControls != NULL ? pControls->GetCommandBars() : NULL;
    if (pCommandBars != NULL)
        pCommandBars->GetCommandBarsOptions()->bDirty = TRUE;
    if (m_pResetBar != NULL)
    {
        CXTPHoldReference holdBar(m_pResetBar);
        XTPMouseManager()->SendTrackLost();
        m_pResetBar->Reset();
        return;
    }
    if (m_pBarControl == NULL)
        return;
    m_pBarControl->SetHideFlags(m_pBarControl->GetHideFlags() ^ xtpHideCustomize);
    SetChecked(!(m_pBarControl->GetHideFlags() & xtpHideCustomize));
    CXTPCommandBar* pBar = m_pBarControl->GetParent();
    if (pBar != NULL)
        pBar->OnRecalcLayout();
    RedrawPopups();
}

void CXTPControlCustomizeItem::RedrawPopups()
{
    for (CXTPCommandBar* pBar = GetParent(); pBar != NULL;)
    {
        if (pBar->GetSafeHwnd() != NULL)
            pBar->Invalidate(FALSE);
        CXTPControlPopup* pOpener = pBar->GetControlPopup();
        pBar = pOpener != NULL ? ((CXTPControl*)pOpener)->GetParent() : NULL;
    }
}
