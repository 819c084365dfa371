// The control context menu of customize mode: a right click on a control of
// a bar selects it and opens this menu of the customize sheet, whose commands
// change the selected control (reset, delete, name, image, style, group).
#include "toolkit/commandbars/customize/XTPCustomizeSheet.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/customize/XTPButtonEditorDlg.h"
#include "toolkit/commandbars/customize/XTPCustomizeClipboard.h"
#include "toolkit/commandbars/customize/XTPCustomizeMenuControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPResourceManager.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"

#include <cmath>

namespace {

// The chooser's buttons are 23 pixels wide in a popup with 6 pixels of borders.
const int kChooserButtonWidth = 23;
const int kChooserBorders = 6;

// A button or one of the popup types: the controls that have an image.
BOOL HasImageType(const CXTPControl* pControl)
{
    return pControl->GetType() == xtpControlButton || IsPopupControlType(pControl->GetType());
}

XTPButtonStyle StyleOfCommand(UINT nID)
{
    if (nID == XTP_ID_CUSTOMIZE_IMAGEANDTEXT)
        return xtpButtonIconAndCaption;
    if (nID == XTP_ID_CUSTOMIZE_TEXTONLY)
        return xtpButtonCaption;
    return xtpButtonAutomatic;
}

// The one-image copy of a control's icon as a bitmap for the clipboard: an
// alpha image as it is, any other drawn on the button face.
HBITMAP ClipboardBitmapOf(CXTPImageManagerIcon* pImage, HWND hWnd)
{
    CXTPImageManagerIconHandle& hIcon = pImage->GetIcon();
    if (hIcon.IsAlpha())
        return CXTPImageManagerIcon::CopyAlphaBitmap(hIcon.GetBitmap());
    CSize size = hIcon.GetExtent();
    HDC hWndDC = ::GetDC(hWnd);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hWndDC, size.cx, size.cy);
    HDC hDC = ::CreateCompatibleDC(hWndDC);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    RECT rc = {0, 0, size.cx, size.cy};
    ::FillRect(hDC, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawIconEx(hDC, 0, 0, hIcon.GetIcon(), size.cx, size.cy, 0, NULL, DI_NORMAL);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::ReleaseDC(hWnd, hWndDC);
    return hBitmap;
}

// A plain bitmap as an icon whose COLOR_BTNFACE pixels are transparent;
// empty unless the image list takes exactly one image.
void MaskedIconOf(HBITMAP hBitmap, CXTPImageManagerIconHandle& hImage)
{
    BITMAP bm;
    if (::GetObjectA(hBitmap, sizeof(bm), &bm) == 0)
        return;
    HIMAGELIST hList = ImageList_Create(bm.bmWidth, bm.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 1);
    if (hList == NULL)
        return;
    ImageList_AddMasked(hList, hBitmap, ::GetSysColor(COLOR_BTNFACE));
    if (ImageList_GetImageCount(hList) == 1)
        hImage = ImageList_GetIcon(hList, 0, ILD_NORMAL);
    ImageList_Destroy(hList);
}

} // namespace

// ---- The menu ------------------------------------------------------------------------------

void CXTPCustomizeSheet::CreateContextMenu()
{
    CMenu menu;
    if (!XTPResourceManager()->LoadMenu(&menu, XTP_IDR_CUSTOMIZEMENU))
        return;
    CMenu* pItems = menu.GetSubMenu(0);
    if (pItems == NULL)
        return;
    // The menu belongs to no manager: showing it leaves a menu opened for
    // customizing open, and its commands go to the sheet.
    m_pContextMenu = CXTPPopupBar::CreatePopupBar(NULL);
    m_pContextMenu->SetKeepPopupsOpen(TRUE);
    CXTPPaintManager* pPaintManager = m_pCommandBars->GetPaintManager();
    if (pPaintManager != NULL)
    {
        pPaintManager->InternalAddRef();
        m_pContextMenu->SetPaintManager(pPaintManager);
    }
    m_pCustomIcons->InternalAddRef();
    m_pContextMenu->SetImageManager(m_pCustomIcons);

    BOOL bBeginGroup = FALSE;
    CXTPControls* pControls = m_pContextMenu->GetControls();
    for (int i = 0; i < (int)pItems->GetMenuItemCount(); i++)
    {
        UINT nID = pItems->GetMenuItemID(i);
        if (nID == 0 || (pItems->GetMenuState(i, MF_BYPOSITION) & MF_SEPARATOR))
        {
            bBeginGroup = TRUE;
            continue;
        }
        CXTPControl* pControl = NULL;
        if (nID == XTP_ID_CUSTOMIZE_NAME)
        {
            pControl = new CXTPCustomizeMenuEdit;
        }
        else if (nID == XTP_ID_CUSTOMIZE_CHANGEBUTTONIMAGE)
        {
            CXTPControlPopup* pPopup = new CXTPControlPopup;
            CXTPPopupToolBar* pChooser = CXTPPopupToolBar::CreatePopupToolBar(NULL);
            pChooser->SetBarID(XTP_IDB_BUTTONIMAGES);
            pPopup->SetCommandBar(pChooser);
            pChooser->InternalRelease();
            pControl = pPopup;
        }
        else
        {
            pControl = new CXTPCustomizeMenuButton;
        }
        pControls->AddControl(pControl, (int)nID);
        CString strText;
        pItems->GetMenuString(i, strText, MF_BYPOSITION);
        pControl->SetCaption(strText);
        pControl->SetBeginGroup(bBeginGroup);
        bBeginGroup = FALSE;
    }
}

void CXTPCustomizeSheet::ContextMenu(int x, int y)
{
    if (m_pContextMenu == NULL)
        return;
    CWnd* pSite = m_pCommandBars->GetSite();
    UINT nFlags = pSite != NULL && (pSite->GetExStyle() & WS_EX_LAYOUTRTL) ? TPM_RIGHTALIGN : 0;
    CXTPCommandBars::TrackPopupBar(m_pContextMenu, nFlags, x, y, this);
}

CXTPControl* CXTPCustomizeSheet::GetSelectedControl() const
{
    return m_pCommandBars->GetDragControl();
}

void CXTPCustomizeSheet::RecalcSelectedBar() const
{
    CXTPControl* pControl = GetSelectedControl();
    if (pControl != NULL && pControl->GetParent() != NULL)
    {
        pControl->GetParent()->OnRecalcLayout();
        if (pControl->GetParent()->GetSafeHwnd() != NULL)
            pControl->GetParent()->Invalidate(FALSE);
    }
}

LRESULT CXTPCustomizeSheet::OnInitPopup(WPARAM, LPARAM lParam)
{
    CXTPCommandBar* pPopup = (CXTPCommandBar*)lParam;
    if (pPopup == m_pContextMenu)
    {
        // The name field starts with the selected control's name.
        CXTPControl* pControl = GetSelectedControl();
        CXTPControlEdit* pName =
            DYNAMIC_DOWNCAST(CXTPControlEdit, pPopup->GetControls()->FindControlById(XTP_ID_CUSTOMIZE_NAME));
        if (pControl != NULL && pName != NULL)
            pName->SetEditText(pControl->GetCustomCaption().IsEmpty() ? pControl->GetCaption()
                                                                       : pControl->GetCustomCaption());
        return 0;
    }
    if (pPopup == NULL || pPopup->GetBarID() != XTP_IDB_BUTTONIMAGES || pPopup->GetControlCount() != 0)
        return 0;
    // The chooser: one button per stock image, wrapping into a near square.
    int nCount = (int)m_pCustomIcons->GetImages().size();
    for (int i = 1; i <= nCount; i++)
    {
        CXTPControl* pButton = pPopup->GetControls()->AddControl(new CXTPCustomizeMenuButton,
                                                                 XTP_ID_CUSTOMIZE_CHANGEBUTTONIMAGE);
        pButton->SetCaption(CString());
        pButton->SetIconId(i);
        pButton->SetFlags(xtpFlagManualUpdate);
    }
    pPopup->SetWidth((int)std::sqrt((double)nCount) * kChooserButtonWidth + kChooserBorders);
    return 0;
}

LRESULT CXTPCustomizeSheet::OnControlExecute(WPARAM wParam, LPARAM lParam)
{
    UINT nID = (UINT)wParam;
    ControlExecuteNotify* pNotify = (ControlExecuteNotify*)lParam;
    CXTPControl* pSelected = GetSelectedControl();
    if (nID == XTP_ID_CUSTOMIZE_NAME)
    {
        CXTPControlEdit* pName = DYNAMIC_DOWNCAST(CXTPControlEdit, pNotify->pControl);
        if (pSelected != NULL && pName != NULL)
        {
            pSelected->SetCustomCaption(pName->GetEditText());
            RecalcSelectedBar();
        }
        return 1;
    }
    if (nID == XTP_ID_CUSTOMIZE_CHANGEBUTTONIMAGE)
    {
        CXTPImageManagerIconSet* pSet = m_pCustomIcons->GetIconSet((UINT)pNotify->pControl->GetIconId());
        if (pSelected != NULL && pSet != NULL && pSet->GetIcons().size() == 1)
        {
            CXTPImageManagerIconHandle hCopy;
            hCopy.CopyHandle(pSet->GetIcons().begin()->second->GetIcon());
            pSelected->SetCustomIconId((int)m_pCommandBars->GetImageManager()->AddCustomIcon(hCopy));
            RecalcSelectedBar();
        }
        return 1;
    }
    if (IsCustomizeMenuCommand(nID))
        return 0;
    // Another command (a control of the frame's own in a menu shown here)
    // goes to the frame.
    if (pNotify->pControl != NULL && pNotify->pControl->GetParent() != NULL)
        pNotify->pControl->GetParent()->GetRootParent()->SetTrackingMode(xtpTrackingOff);
    if (m_pWndParent != NULL && m_pWndParent->SendMessage(WM_XTP_CONTROL_EXECUTE, wParam, lParam) == 0)
        m_pWndParent->SendMessage(WM_COMMAND, wParam, 0);
    return 1;
}

// ---- The commands ---------------------------------------------------------------------------

void CXTPCustomizeSheet::OnCustomizeReset()
{
    CXTPControl* pControl = GetSelectedControl();
    if (pControl == NULL)
        return;
    pControl->SetCustomIconId(0);
    pControl->SetCustomCaption(CString());
    pControl->SetCustomStyle(xtpButtonAutomatic);
    RecalcSelectedBar();
}

void CXTPCustomizeSheet::OnCustomizeDelete()
{
    CXTPControl* pControl = GetSelectedControl();
    if (pControl == NULL || pControl->GetControls() == NULL)
        return;
    CXTPCommandBar* pBar = pControl->GetParent();
    pControl->InternalAddRef();
    m_pCommandBars->SetDragControl(NULL);
    pControl->GetControls()->Remove(pControl);
    pControl->InternalRelease();
    if (pBar != NULL)
    {
        pBar->OnRecalcLayout();
        if (pBar->GetSafeHwnd() != NULL)
            pBar->Invalidate(FALSE);
    }
}

void CXTPCustomizeSheet::OnCustomizeCopyImage()
{
    CXTPControl* pControl = GetSelectedControl();
    if (pControl == NULL)
        return;
    CXTPImageManager* pImageManager = m_pCommandBars->GetImageManager();
    UINT nIconId = (UINT)pControl->GetIconId();
    CXTPImageManagerIcon* pImage = pImageManager->GetImage(nIconId, 16);
    if (pImage == NULL)
        return;
    HBITMAP hBitmap = ClipboardBitmapOf(pImage, m_hWnd);
    BOOL bAlpha = pImage->GetIcon().IsAlpha();
    XTPPutBitmapOnClipboard(m_hWnd, hBitmap, bAlpha, [&]() {
        if (pImageManager->GetIconSet(nIconId) != NULL)
            pImageManager->CopyToClipboard(nIconId);
    });
}

void CXTPCustomizeSheet::OnCustomizePasteImage()
{
    CXTPControl* pControl = GetSelectedControl();
    if (pControl == NULL)
        return;
    CXTPImageManager* pImageManager = m_pCommandBars->GetImageManager();
    if (::IsClipboardFormatAvailable(XTPImageManagerClipboardFormat))
    {
        COleDataObject data;
        UINT nID = data.AttachClipboard() ? pImageManager->PasteFromClipboard(data) : 0;
        if (nID != 0)
        {
            pControl->SetCustomIconId((int)nID);
            RecalcSelectedBar();
        }
        return;
    }
    HBITMAP hBitmap = NULL;
    BOOL bAlpha = FALSE;
    if (!XTPGetBitmapFromClipboard(m_hWnd, FALSE, hBitmap, bAlpha))
        return;
    CXTPImageManagerIconHandle hImage;
    if (bAlpha)
        hImage.CopyHandle(hBitmap);
    else
        MaskedIconOf(hBitmap, hImage);
    ::DeleteObject(hBitmap);
    if (hImage.IsEmpty())
        return;
    pControl->SetCustomIconId((int)pImageManager->AddCustomIcon(hImage));
    RecalcSelectedBar();
}

void CXTPCustomizeSheet::OnCustomizeResetImage()
{
    CXTPControl* pControl = GetSelectedControl();
    if (pControl == NULL)
        return;
    pControl->SetCustomIconId(0);
    RecalcSelectedBar();
}

void CXTPCustomizeSheet::OnCustomizeEditImage()
{
    CXTPControl* pControl = GetSelectedControl();
    if (pControl == NULL || pControl->GetParent() == NULL)
        return;
    XTPMouseManager()->SendTrackLost();
    // The picture is edited at the size its icon is shown in.
    CSize szIcon = pControl->GetParent()->GetIconSize();
    CXTPImageManager* pImageManager = m_pCommandBars->GetImageManager();
    CXTPImageManagerIcon* pImage = pImageManager->GetImage((UINT)pControl->GetIconId(), szIcon.cx);
    CXTPImageManagerIconHandle hImage;
    if (pImage != NULL)
        hImage.CopyHandle(pImage->GetIcon());
    if (!EditButtonImage(hImage, szIcon) || hImage.IsEmpty())
        return;
    if (pControl->GetCustomIconId() != 0 && pImage != NULL)
        pImage->SetIcon(hImage);
    else
        pControl->SetCustomIconId((int)pImageManager->AddCustomIcon(hImage));
    RecalcSelectedBar();
}

BOOL CXTPCustomizeSheet::EditButtonImage(CXTPImageManagerIconHandle& hImage, CSize szImage)
{
    CXTPButtonEditorDlg dlg(this);
    if (hImage.IsEmpty())
        dlg.SetPictureSize(szImage.cx, szImage.cy);
    else
        dlg.SetPicture(hImage);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    dlg.GetPicture(hImage);
    return TRUE;
}

void CXTPCustomizeSheet::OnCustomizeStyle(UINT nID)
{
    CXTPControl* pControl = GetSelectedControl();
    if (pControl == NULL)
        return;
    pControl->SetCustomStyle(StyleOfCommand(nID));
    RecalcSelectedBar();
}

void CXTPCustomizeSheet::OnCustomizeBeginGroup()
{
    CXTPControl* pControl = GetSelectedControl();
    if (pControl == NULL)
        return;
    pControl->SetBeginGroup(!pControl->GetBeginGroup());
    RecalcSelectedBar();
}

// ---- Which commands apply -----------------------------------------------------------------

void CXTPCustomizeSheet::OnUpdateCustomizeReset(CCmdUI* pCmdUI)
{
    CXTPControl* pControl = GetSelectedControl();
    pCmdUI->Enable(pControl != NULL
                   && (pControl->GetCustomIconId() > 0 || !pControl->GetCustomCaption().IsEmpty()
                       || pControl->GetCustomStyle() != xtpButtonAutomatic));
}

void CXTPCustomizeSheet::OnUpdateCustomizeAlways(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetSelectedControl() != NULL);
}

void CXTPCustomizeSheet::OnUpdateCustomizeImage(CCmdUI* pCmdUI)
{
    CXTPControl* pControl = GetSelectedControl();
    pCmdUI->Enable(pControl != NULL && HasImageType(pControl) && pControl->GetIconId() > 0);
}

void CXTPCustomizeSheet::OnUpdateCustomizePasteImage(CCmdUI* pCmdUI)
{
    CXTPControl* pControl = GetSelectedControl();
    pCmdUI->Enable(pControl != NULL && HasImageType(pControl) && ::IsClipboardFormatAvailable(CF_BITMAP));
}

void CXTPCustomizeSheet::OnUpdateCustomizeResetImage(CCmdUI* pCmdUI)
{
    CXTPControl* pControl = GetSelectedControl();
    pCmdUI->Enable(pControl != NULL && pControl->GetCustomIconId() > 0);
}

void CXTPCustomizeSheet::OnUpdateCustomizeStyle(CCmdUI* pCmdUI)
{
    CXTPControl* pControl = GetSelectedControl();
    BOOL bEnabled = pControl != NULL && HasImageType(pControl);
    // Cleared first, so a disabled item is never shown checked.
    pCmdUI->SetCheck(FALSE);
    pCmdUI->Enable(bEnabled);
    if (bEnabled)
        pCmdUI->SetCheck(pControl->GetCustomStyle() == StyleOfCommand(pCmdUI->m_nID));
}

void CXTPCustomizeSheet::OnUpdateCustomizeBeginGroup(CCmdUI* pCmdUI)
{
    CXTPControl* pControl = GetSelectedControl();
    BOOL bEnabled = pControl != NULL && pControl->GetIndex() != 0;
    pCmdUI->SetCheck(FALSE);
    pCmdUI->Enable(bEnabled);
    if (bEnabled)
        pCmdUI->SetCheck(pControl->GetBeginGroup());
}
