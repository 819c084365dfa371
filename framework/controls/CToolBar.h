#pragma once
// CToolBar: the toolbar common control as a control bar. Buttons come from an array of command
// ids (0 for a separator) and take consecutive images from the bar's bitmap; at idle time each
// button is enabled and checked through the ON_UPDATE_COMMAND_UI handler of its id. The bar's
// size is the extent of its buttons as the control lays them out (TBBS_WRAPPED starts a row).
#include "framework/controls/CControlBar.h"
#include "framework/controls/CToolBarCtrl.h"

// Button styles: the control's button style in the low word, its state in the high word (with
// TBBS_DISABLED standing for the absence of TBSTATE_ENABLED).
#define TBBS_BUTTON MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP (TBBS_GROUP | TBBS_CHECKBOX)
#define TBBS_DROPDOWN MAKELONG(TBSTYLE_DROPDOWN, 0)
#define TBBS_AUTOSIZE MAKELONG(TBSTYLE_AUTOSIZE, 0)
#define TBBS_CHECKED MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_PRESSED MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_DISABLED MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_INDETERMINATE MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_HIDDEN MAKELONG(0, TBSTATE_HIDDEN)
#define TBBS_WRAPPED MAKELONG(0, TBSTATE_WRAP)

class CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    virtual ~CToolBar();

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT nID = AFX_IDW_TOOLBAR);
    // dwCtrlStyle: TBSTYLE_ styles of the control; CBRS_TOOLTIPS adds TBSTYLE_TOOLTIPS, whose
    // TTN_NEEDTEXT notifications go to the parent.
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                  UINT nID = AFX_IDW_TOOLBAR);

    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    // Replaces the buttons; with lpIDArray NULL makes nIDCount separators.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    // Images of the buttons from a bitmap resource, its greys mapped to the system colours.
    BOOL LoadBitmap(UINT nIDResource);
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    // A toolbar resource (type 241: version, image width, image height, count, ids) and the
    // bitmap of the same name.
    BOOL LoadToolBar(UINT nIDResource);
    BOOL LoadToolBar(LPCTSTR lpszResourceName);

    // The bar as its toolbar control (image lists, button states).
    CToolBarCtrl& GetToolBarCtrl() const { return *(CToolBarCtrl*)this; }

    int GetCount() const;
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    BOOL GetButton(int nIndex, TBBUTTON* pButton) const;

    HBITMAP m_hbmImageWell;
    CSize m_sizeImage;

    DECLARE_MESSAGE_MAP()
};

// The update state of one toolbar button during OnUpdateCmdUI.
class CToolCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetText(LPCTSTR lpszText) override;
};
