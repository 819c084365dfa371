#include "toolkit/commandbars/XTTrackPopupMenu.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/foundation/XTPImageManager.h"

UINT XTTrackPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pWnd, int nToolBarID)
{
    if (XTPPaintManager() == NULL)
    {
        if (pMenu == NULL)
            return 0;
        return (UINT)::TrackPopupMenu(pMenu->GetSafeHmenu(), nFlags, x, y, 0, pWnd->GetSafeHwnd(), NULL);
    }
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(NULL);
    if (nToolBarID > 0)
    {
        CXTPImageManager* pImageManager = new CXTPImageManager;
        pImageManager->SetIcons((UINT)nToolBarID);
        pPopup->SetImageManager(pImageManager);
    }
    UINT nResult = 0;
    if (pPopup->LoadMenu(pMenu, TRUE))
        nResult = CXTPCommandBars::TrackPopupBar(pPopup, nFlags | TPM_NONOTIFY, x, y, pWnd);
    pPopup->InternalRelease();
    return nResult;
}
