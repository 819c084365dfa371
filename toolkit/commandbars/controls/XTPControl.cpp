#include "toolkit/commandbars/controls/XTPControl.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPHoldReference.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPKeyboardManager.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/input/XTPSoundManager.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPPropExchange.h"
#include "toolkit/foundation/XTPResourceManager.h"
#include "toolkit/foundation/XTPCaptureLoop.h"
#include "toolkit/foundation/XTPStartup.h"

IMPLEMENT_SERIAL(CXTPControl, CCmdTarget, VERSIONABLE_SCHEMA | 8)

// Saved bar states name the control classes: they are known by name from
// the start.
XTP_STARTUP_CLASSES(ControlClass, xtpStartupBarClasses, XTP_STARTUP_CLASS(CXTPControl));

CXTPControl::CXTPControl()
    : m_bResetRow(FALSE), m_nTag(0), m_nIndex(0), m_nId(0), m_nIconId(0), m_nCustomIconId(0), m_bWrap(FALSE),
      m_bBeginGroup(FALSE), m_bEnabled(TRUE), m_bChecked(FALSE), m_nSelected(0), m_nPressed(0),
      m_bTemporary(FALSE), m_rcRow(0, 0, 0, 0), m_rcControl(0, 0, 0, 0), m_dwHideFlags(0), m_dwFlags(0),
      m_pControls(NULL), m_controlType(xtpControlError), m_pParent(NULL), m_bExpanded(FALSE),
      m_bDefaultItem(FALSE), m_buttonStyle(xtpButtonAutomatic), m_buttonCustomStyle(xtpButtonAutomatic),
      m_bCloseSubMenuOnClick(TRUE)
{}

CXTPControl::~CXTPControl()
{}

void CXTPControl::SetID(int nId)
{
    if (m_nId == nId)
        return;
    if (m_strCaption.IsEmpty())
    {
        CString strPrompt;
        if (nId > 0 && XTPResourceManager()->LoadString(&strPrompt, (UINT)nId))
        {
            SetPrompt(strPrompt);
            m_strCaption = m_strTooltipText;
        }
    }
    m_nId = nId;
}

void CXTPControl::SetPrompt(const CString& strPrompt)
{
    const int nNewLine = strPrompt.Find('\n');
    if (nNewLine < 0)
    {
        m_strDescriptionText = m_strTooltipText = strPrompt;
        return;
    }
    m_strDescriptionText = strPrompt.Left(nNewLine);
    m_strTooltipText = strPrompt.Mid(nNewLine + 1);
}

void CXTPControl::SetCaption(const CString& strCaption)
{
    CString strText = strCaption;
    const int nTab = strText.Find('\t');
    if (nTab >= 0)
    {
        m_strShortcutTextAuto = strText.Mid(nTab + 1);
        strText = strText.Left(nTab);
    }
    if (m_strCaption != strText)
    {
        m_strCaption = strText;
        DelayLayoutParent();
    }
}

void CXTPControl::SetCaption(UINT nIDResource)
{
    CString strCaption;
    if (XTPResourceManager()->LoadString(&strCaption, nIDResource))
        SetCaption(strCaption);
}

void CXTPControl::SetBeginGroup(BOOL bBeginGroup)
{
    m_bBeginGroup = bBeginGroup;
    DelayLayoutParent();
}

void CXTPControl::HideWhenDockedVertically(DWORD dwLayoutMode)
{
    if (dwLayoutMode & xtpLayoutVertDock)
        SetHideFlags(m_dwHideFlags | xtpHideDockingPosition);
    else
        SetHideFlags(m_dwHideFlags & ~xtpHideDockingPosition);
}

void CXTPControl::SetEnabled(BOOL bEnabled)
{
    if (m_bEnabled == bEnabled)
        return;
    m_bEnabled = bEnabled;
    DelayRedrawParent();
}

void CXTPControl::SetChecked(BOOL bChecked)
{
    if (m_bChecked == bChecked)
        return;
    m_bChecked = bChecked;
    DelayRedrawParent();
}

void CXTPControl::SetStyle(XTPButtonStyle buttonStyle)
{
    m_buttonStyle = buttonStyle;
    DelayLayoutParent();
}

void CXTPControl::SetItemDefault(BOOL bDefault)
{
    if (m_bDefaultItem == bDefault)
        return;
    m_bDefaultItem = bDefault;
    DelayLayoutParent();
}

void CXTPControl::SetExpanded(BOOL bExpanded)
{
    m_bExpanded = bExpanded;
    if (!bExpanded)
        m_dwHideFlags &= ~xtpHideExpandedOnce;
}

int CXTPControl::GetIconId() const
{
    if (m_nCustomIconId != 0)
        return m_nCustomIconId;
    return m_nIconId > 0 ? m_nIconId : m_nId;
}

CXTPImageManager* CXTPControl::GetImageManager() const
{
    if (m_pParent != NULL)
        return m_pParent->GetImageManager();
    if (m_pControls != NULL && m_pControls->GetCommandBars() != NULL)
        return m_pControls->GetCommandBars()->GetImageManager();
    return XTPImageManager();
}

CXTPPaintManager* CXTPControl::GetPaintManager() const
{
    if (m_pParent != NULL)
        return m_pParent->GetPaintManager();
    if (m_pControls != NULL && m_pControls->GetCommandBars() != NULL)
        return m_pControls->GetCommandBars()->GetPaintManager();
    return XTPPaintManager();
}

CXTPImageManagerIcon* CXTPControl::GetImage(int nWidth)
{
    const int nIconId = GetIconId();
    if (nIconId == 0)
        return NULL;
    return GetImageManager()->GetImage((UINT)nIconId, nWidth);
}

void CXTPControl::SetCustomIcon(HICON hIcon)
{
    m_nCustomIconId = (int)GetImageManager()->AddCustomIcon(CXTPImageManagerIconHandle(hIcon));
}

void CXTPControl::Reset()
{
    if (m_nCustomIconId == 0 && m_strCustomCaption.IsEmpty())
        return;
    m_nCustomIconId = 0;
    m_strCustomCaption.Empty();
    if (m_pParent != NULL)
        m_pParent->OnRecalcLayout();
}

CSize CXTPControl::GetSize(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    return pPaintManager != NULL ? pPaintManager->DrawControl(pDC, this, FALSE) : CSize(0, 0);
}

void CXTPControl::Draw(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager != NULL)
        pPaintManager->DrawControl(pDC, this, TRUE);
}

BOOL CXTPControl::IsCursorOver() const
{
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    return m_rcControl.PtInRect(pt);
}

void CXTPControl::ScreenToClient(POINT* pPoint) const
{
    if (m_pParent != NULL && m_pParent->GetSafeHwnd() != NULL)
        ::ScreenToClient(m_pParent->GetSafeHwnd(), pPoint);
}

void CXTPControl::Copy(CXTPControl* pControl, BOOL bRecursive)
{
    (void)bRecursive;
    m_nId = pControl->m_nId;
    m_nTag = pControl->m_nTag;
    m_dwFlags = pControl->m_dwFlags;
    m_controlType = pControl->m_controlType;
    m_strCaption = pControl->m_strCaption;
    m_strShortcutText = pControl->m_strShortcutText;
    m_strShortcutTextAuto = pControl->m_strShortcutTextAuto;
    m_strTooltipText = pControl->m_strTooltipText;
    m_strDescriptionText = pControl->m_strDescriptionText;
    m_strParameter = pControl->m_strParameter;
    m_nCustomIconId = pControl->m_nCustomIconId;
    m_nIconId = pControl->m_nIconId;
    m_bTemporary = pControl->m_bTemporary;
    m_strCustomCaption = pControl->m_strCustomCaption;
    m_strCategory = pControl->m_strCategory;
    m_dwHideFlags = pControl->m_dwHideFlags;
    m_bDefaultItem = pControl->m_bDefaultItem;
    m_bEnabled = pControl->m_bEnabled;
    m_bChecked = pControl->m_bChecked;
    m_buttonCustomStyle = pControl->m_buttonCustomStyle;
    m_buttonStyle = pControl->m_buttonStyle;
    m_bBeginGroup = pControl->m_bBeginGroup;
    m_bCloseSubMenuOnClick = pControl->m_bCloseSubMenuOnClick;
    m_mapDocTemplatesAssigned = pControl->m_mapDocTemplatesAssigned;
    m_mapDocTemplatesExcluded = pControl->m_mapDocTemplatesExcluded;
}

CXTPControl* CXTPControl::Clone(BOOL bRecursive)
{
    CXTPControl* pClone = (CXTPControl*)GetRuntimeClass()->CreateObject();
    pClone->Copy(this, bRecursive);
    return pClone;
}

BOOL CXTPControl::Compare(CXTPControl* pOther)
{
    return pOther != NULL && GetStyle() == pOther->GetStyle() && m_controlType == pOther->m_controlType
           && m_nId == pOther->m_nId && m_bBeginGroup == pOther->m_bBeginGroup
           && GetIconId() == pOther->GetIconId() && m_strCaption == pOther->m_strCaption
           && m_strTooltipText == pOther->m_strTooltipText
           && m_strDescriptionText == pOther->m_strDescriptionText
           && m_strCustomCaption == pOther->m_strCustomCaption
           && m_buttonCustomStyle == pOther->m_buttonCustomStyle && m_strParameter == pOther->m_strParameter
           && (m_dwHideFlags & xtpHideCustomize) == (pOther->m_dwHideFlags & xtpHideCustomize);
}

void CXTPControl::SetIndexAndOwner(int nIndex, CXTPControls* pControls)
{
    m_nIndex = nIndex;
    m_pControls = pControls;
}

void CXTPControl::DelayLayoutParent()
{
    if (m_pParent != NULL)
        m_pParent->DelayLayout();
}

void CXTPControl::DelayRedrawParent()
{
    if (m_pParent != NULL && m_pParent->GetSafeHwnd() != NULL)
        m_pParent->DelayRedraw();
}

BOOL CXTPControl::IsCustomizeDragOverAvail(CXTPCommandBar* /*pCommandBar*/, CPoint /*point*/,
                                           DROPEFFECT& /*dropEffect*/)
{
    return TRUE;
}

BOOL CXTPControl::AllowDropOnPopupBarOnly(CXTPCommandBar* pCommandBar, DROPEFFECT& dropEffect)
{
    if (pCommandBar != NULL && pCommandBar->GetType() == xtpBarTypePopup)
        return TRUE;
    dropEffect = DROPEFFECT_NONE;
    return FALSE;
}

void CXTPControl::SendCommand(CWnd* pSite) const
{
    // Chosen by a key (Enter, a mnemonic), the command runs once the keyboard
    // hook has taken that key off the queue: a dialog it opens would read the
    // key again (Enter pressing its default button, the mnemonic typed into
    // its field).
    if (XTPKeyboardManager()->IsInKeyboardHook())
        pSite->PostMessage(WM_COMMAND, MAKEWPARAM(m_nId, 0), 0);
    else
        pSite->SendMessage(WM_COMMAND, MAKEWPARAM(m_nId, 0), 0);
}

void CXTPControl::OnExecute()
{
    // A command handler may remove this control or reset its bar: both stay
    // alive until the execution is over.
    CXTPHoldReference holdControl(this);
    CXTPCommandBar* pParent = m_pParent;
    CXTPHoldReference holdParent(pParent);

    XTPSoundManager()->PlaySystemSound(xtpSoundMenuCommand);
    m_nPressed = 2;

    // A popup tracked for its result takes the id and sends nothing.
    CXTPPopupBar* pRoot =
        pParent != NULL ? DYNAMIC_DOWNCAST(CXTPPopupBar, (CObject*)pParent->GetRootParent()) : NULL;
    if (pRoot != NULL && pRoot->GetReturnCommand() != NULL)
    {
        UINT* pnReturnCommand = pRoot->GetReturnCommand();
        XTPMouseManager()->SendTrackLost();
        *pnReturnCommand = (UINT)m_nId;
        return;
    }

    CXTPCommandBars* pCommandBars = pParent != NULL ? pParent->GetCommandBars() : NULL;
    if (pCommandBars != NULL)
    {
        if (m_nId != 0)
            pCommandBars->SetCommandUsed((UINT)m_nId);
        CXTPControlPopup* pOpener = pParent->GetControlPopup();
        if (pOpener != NULL && ((CXTPControl*)pOpener)->GetID() != 0)
            pCommandBars->SetCommandUsed((UINT)((CXTPControl*)pOpener)->GetID());
    }
    if (m_bCloseSubMenuOnClick)
        XTPMouseManager()->SendTrackLost();

    if (m_nId != 0)
    {
        CWnd* pSite = NULL;
        if (pParent != NULL)
            pSite = pParent->GetOwnerSite();
        else if (m_pControls != NULL && m_pControls->GetCommandBars() != NULL)
            pSite = m_pControls->GetCommandBars()->GetSite();
        if (pSite != NULL && pSite->GetSafeHwnd() != NULL && NotifySite(pSite, XTP_CN_EXECUTE) == 0)
            SendCommand(pSite);
    }

    if (!m_bCloseSubMenuOnClick && pParent != NULL && pParent->GetSafeHwnd() != NULL)
    {
        pParent->UpdateCommandBar();
        pParent->Invalidate(FALSE);
    }
}

LRESULT CXTPControl::NotifySite(CWnd* pSite, UINT nCode)
{
    ControlExecuteNotify notify;
    notify.hdr.hwndFrom = NULL;
    notify.hdr.idFrom = (UINT_PTR)m_nId;
    notify.hdr.code = nCode;
    notify.pControl = this;
    return pSite->SendMessage(WM_XTP_CONTROL_EXECUTE, (WPARAM)m_nId, (LPARAM)&notify);
}

BOOL CXTPControl::OnSetSelected(int bSelected)
{
    if (m_nSelected == bSelected)
        return FALSE;
    if (bSelected == 2 && m_pParent != NULL)
        m_pParent->SetPopuped(-1);
    m_nSelected = bSelected;
    if (m_pParent != NULL && m_pParent->GetSafeHwnd() != NULL)
        m_pParent->OnStatusBarText(bSelected ? this : NULL, bSelected ? (UINT)m_nId : 0);
    DelayRedrawParent();
    return TRUE;
}

void CXTPControl::OnMouseHover()
{
    if (m_pParent == NULL)
        return;
    const BOOL bWasOpen = m_pParent->GetPopupedIndex() != -1;
    m_pParent->SetPopuped(-1);
    if (bWasOpen && m_pParent->IsTrackingMode() == xtpTrackingPopup
        && m_pParent->GetPosition() != xtpBarPopup)
        m_pParent->SetTrackingMode(xtpTrackingOff);
}

BOOL CXTPControl::OnLButtonDblClk(CPoint point)
{
    OnClick(FALSE, point);
    return TRUE;
}

void CXTPControl::ClickToolBarButton(CRect rcActive)
{
    CXTPCommandBar* pBar = m_pParent;
    if (pBar == NULL || pBar->GetSafeHwnd() == NULL)
        return;
    if (rcActive.IsRectEmpty())
        rcActive = m_rcControl;

    CXTPHoldReference holdControl(this);
    CXTPHoldReference holdBar(pBar);

    pBar->SetSelected(m_nIndex, FALSE);
    m_nPressed = 1;
    pBar->Invalidate(FALSE);

    BOOL bMoved = FALSE;
    CPoint ptLast(0, 0);
    CXTPCaptureLoop loop(pBar->GetSafeHwnd());
    const CXTPCaptureLoop::End end = loop.Run([&](MSG& msg) {
        if (msg.message == WM_LBUTTONUP)
            return CXTPCaptureLoop::finish;
        if (msg.message != WM_MOUSEMOVE || msg.hwnd != pBar->GetSafeHwnd())
            return CXTPCaptureLoop::dispatch;
        bMoved = TRUE;
        ptLast = CPoint((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam));
        if (OnSetSelected(m_rcControl.PtInRect(ptLast) ? 1 : 0))
            pBar->Invalidate(FALSE);
        return CXTPCaptureLoop::handled;
    });
    const BOOL bAbandoned = CXTPCaptureLoop::IsAbandoned(end);

    const BOOL bExecute = !bAbandoned && m_nSelected != 0 && (!bMoved || rcActive.PtInRect(ptLast));
    if (m_nSelected != 0 && pBar->GetSafeHwnd() != NULL)
        pBar->SetSelected(-1);
    m_nPressed = 0;
    DelayRedrawParent();
    if (bExecute)
        OnExecute();
}

// ---- Settings exchange -------------------------------------------------------------

namespace {
// A set of document-template ids: its count, then one id per item. The
// count is always exchanged, so the positional archive keeps its place
// even for an empty set; a text store leaves an empty set out as default.
void ExchangeDocTemplates(CXTPPropExchange* pPX, LPCTSTR pszSection,
                          CXTPControl::CDocTemplateMap& mapTemplates)
{
    CXTPPropExchangeSectionPtr pSection(pPX->GetSection(pszSection));
    CXTPPropExchangeEnumeratorPtr pEnum(pSection->GetEnumerator("Item"));
    if (pSection->IsLoading())
        mapTemplates.clear();
    auto it = mapTemplates.begin();
    POSITION pos = pEnum->GetPosition((DWORD)mapTemplates.size());
    while (pos != NULL)
    {
        CXTPPropExchangeSectionPtr pItem(pEnum->GetNext(pos));
        UINT nID = pSection->IsStoring() ? (it++)->first : 0;
        PX_UInt(pItem, "Id", nID, 0);
        if (pSection->IsLoading())
            mapTemplates[nID] = TRUE;
    }
}
} // namespace

void CXTPControl::DoPropExchange(CXTPPropExchange* pPX)
{
    int nType = m_controlType;
    PX_Enum(pPX, "Type", nType, xtpControlButton);
    m_controlType = (XTPControlType)nType;
    PX_Int(pPX, "Id", m_nId, -1);
    PX_Int(pPX, "IconId", m_nIconId, 0);
    PX_Bool(pPX, "BeginGroup", m_bBeginGroup, FALSE);
    DWORD dwTag = (DWORD)m_nTag;
    PX_DWord(pPX, "Tag", dwTag, 0);
    m_nTag = dwTag;
    PX_DWord(pPX, "Flags", m_dwFlags, 0);
    PX_DWord(pPX, "HideFlags", m_dwHideFlags, 0);
    PX_String(pPX, "Caption", m_strCaption, "");
    PX_String(pPX, "ShortcutText", m_strShortcutText, "");
    PX_String(pPX, "TooltipText", m_strTooltipText, "");
    PX_String(pPX, "DescriptionText", m_strDescriptionText, "");
    PX_String(pPX, "Parameter", m_strParameter, "");
    PX_Int(pPX, "CustomIconId", m_nCustomIconId, 0);
    PX_String(pPX, "CustomCaption", m_strCustomCaption, "");
    if (pPX->GetSchema() > 1)
        PX_String(pPX, "Category", m_strCategory, "");
    if (m_nCustomIconId > 0)
    {
        CXTPPropExchangeSectionPtr pSection(pPX->GetSection("CustomIcon"));
        GetImageManager()->DoPropExchangeIcons(m_nCustomIconId, pSection);
    }
    if (pPX->GetSchema() > 3)
    {
        ExchangeDocTemplates(pPX, "DocTemplatesExcluded", m_mapDocTemplatesExcluded);
        ExchangeDocTemplates(pPX, "DocTemplatesAssigned", m_mapDocTemplatesAssigned);
        PX_Bool(pPX, "DefaultItem", m_bDefaultItem, FALSE);
    }
    if (pPX->GetSchema() > 6)
        PX_Bool(pPX, "CloseSubMenuOnClick", m_bCloseSubMenuOnClick, TRUE);
    if (pPX->GetSchema() > 7)
    {
        int nCustomStyle = m_buttonCustomStyle;
        PX_Enum(pPX, "CustomStyle", nCustomStyle, xtpButtonAutomatic);
        m_buttonCustomStyle = (XTPButtonStyle)nCustomStyle;
    }
}
