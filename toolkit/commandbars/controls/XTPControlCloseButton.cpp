#include "toolkit/commandbars/controls/XTPControlCloseButton.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

IMPLEMENT_DYNCREATE(CXTPControlCloseButton, CXTPControlButton)

namespace {
// Skipped by keyboard navigation, left out of command updates, fixed in
// customize mode.
const DWORD kCloseButtonFlags = xtpFlagSkipFocus | xtpFlagManualUpdate | XTP_CONTROLFLAG_NOMOVABLE;
} // namespace

CXTPControlCloseButton::CXTPControlCloseButton()
{
    m_dwFlags = kCloseButtonFlags;
}

void CXTPControlCloseButton::Draw(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager != NULL)
        pPaintManager->DrawSpecialControl(pDC, 2, this, GetParent(), TRUE, NULL);
}

void CXTPControlCloseButton::OnExecute()
{
    CXTPCommandBar* pBar = GetParent();
    if (pBar != NULL)
        pBar->SetVisible(FALSE);
}
