#include "toolkit/commandbars/controls/XTPControlOleItems.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlExpansion.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/foundation/XTPStartup.h"

#include "framework/Controls.h"

IMPLEMENT_SERIAL(CXTPControlOleItems, CXTPControlButton, VERSIONABLE_SCHEMA | 8)

XTP_STARTUP_CLASSES(ControlOleItemsClass, xtpStartupControlClasses, XTP_STARTUP_CLASS(CXTPControlOleItems));

const char* const CXTPControlOleItems::kCaption = "<<OLE VERBS GO HERE>>";
const char* const CXTPControlOleItems::kPopupParameter = "OLEMENUPOPUP";

namespace {

BOOL IsVerbPopup(const CXTPControl* pControl)
{
    return pControl->GetParameter() == CXTPControlOleItems::kPopupParameter;
}

} // namespace

void CXTPControlOleItems::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    XTPRemoveExpansionItems(this, IsVerbPopup, 1);
    if (XTPShowPlaceholderWhileCustomizing(this))
        return;
    SetHideFlags(xtpHideGeneric);
    COleClientItem* pItem = FindSelectedItem();
    if (pItem != NULL && pItem->GetItemState() != COleClientItem::activeUIState)
        InsertVerbPopup(pItem);
}

COleClientItem* CXTPControlOleItems::FindSelectedItem() const
{
    CFrameWnd* pSite = m_pParent != NULL ? DYNAMIC_DOWNCAST(CFrameWnd, m_pParent->GetOwnerSite()) : NULL;
    CFrameWnd* pActiveFrame = pSite != NULL && pSite->GetSafeHwnd() != NULL ? pSite->GetActiveFrame() : NULL;
    CView* pView = pActiveFrame != NULL ? pActiveFrame->GetActiveView() : NULL;
    COleDocument* pDocument = pView != NULL ? DYNAMIC_DOWNCAST(COleDocument, pView->GetDocument()) : NULL;
    return pDocument != NULL ? pDocument->GetPrimarySelectedItem(pView) : NULL;
}

void CXTPControlOleItems::InsertVerbPopup(COleClientItem* pItem)
{
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, (UINT_PTR)m_nId, kCaption);
    AfxOleSetEditMenu(pItem, &menu, 0, ID_OLE_VERB_FIRST, ID_OLE_VERB_LAST);
    CMenu* pVerbs = menu.GetSubMenu(0);
    if (menu.GetMenuItemCount() != 1 || pVerbs == NULL)
        return;
    CXTPControl* pPopup = m_pControls->Add(xtpControlPopup, 0, kPopupParameter, m_nIndex + 1, TRUE);
    CString strCaption;
    menu.GetMenuString(0, strCaption, MF_BYPOSITION);
    pPopup->SetCaption(strCaption);
    if (pPopup->GetCommandBar() != NULL)
        pPopup->GetCommandBar()->LoadMenu(pVerbs);
}

BOOL CXTPControlOleItems::IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint /*point*/,
                                                   DROPEFFECT& dropEffect)
{
    return AllowDropOnPopupBarOnly(pCommandBar, dropEffect);
}
