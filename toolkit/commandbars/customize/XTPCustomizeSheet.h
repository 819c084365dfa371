#pragma once
// CXTPCustomizeSheet: the modal property sheet in which the user customizes
// the command bars of one frame. While it runs the manager is in customize
// mode: the frame's bars stay live for dragging, selecting and right-clicking
// controls, while every other mouse and keyboard input to the frame is held
// back by a pair of thread hooks (CXTPCustomizeHookGuard). It has one button,
// "Close": every change takes effect at once and stays. It opens centred over
// the frame, whole on the frame's work area, and stays where it is put.
//
//     CXTPCustomizeSheet sheet(pCommandBars);
//     CXTPCustomizeOptionsPage pageOptions(&sheet);
//     sheet.AddPage(&pageOptions);
//     CXTPCustomizeCommandsPage* pCommands = sheet.GetCommandsPage();
//     pCommands->InsertCategories(IDR_MAINFRAME, FALSE);
//     pCommands->InsertAllCommandsCategory(XTP_IDS_ALL_COMMANDS, -1);
//     pCommands->InsertNewMenuCategory(XTP_IDS_NEW_MENU, -1);
//     sheet.DoModal();
//
// The sheet owns the toolbars and commands pages (made by the constructor)
// and the control context menu of customize mode, which a right click on a
// control opens (XTPCustomizeContextMenu.cpp).
#include "framework/Controls.h"
#include "toolkit/commandbars/input/XTPCustomizeDropSource.h"

class CXTPCommandBars;
class CXTPCustomizeToolbarsPage;
class CXTPCustomizeCommandsPage;
class CXTPPopupBar;
class CXTPImageManager;
class CXTPControl;
class CXTPCommandBar;
class CXTPImageManagerIconHandle;

class CXTPCustomizeSheet : public CPropertySheet, public CXTPCustomizeSheetLink
{
    DECLARE_DYNAMIC(CXTPCustomizeSheet)
public:
    // The sheet over the manager's bars, parented to its site, opening at
    // page iSelectPage.
    explicit CXTPCustomizeSheet(CXTPCommandBars* pCommandBars, UINT iSelectPage = 0);
    ~CXTPCustomizeSheet() override;

    // Adds a page; a dialog template the toolkit's resource manager has for
    // the page's id replaces the page's own.
    void AddPage(CPropertyPage* pPage);
    CXTPCustomizeCommandsPage* GetCommandsPage() const { return m_pCommandsPage; }
    CXTPCustomizeToolbarsPage* GetToolbarsPage() const { return m_pToolbarsPage; }
    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }
    // The control context menu (NULL when menu 9336 is missing) and the stock
    // images of "Change Button Image", icons 1..n.
    CXTPPopupBar* GetContextMenu() const { return m_pContextMenu; }
    CXTPImageManager* GetCustomIcons() const { return m_pCustomIcons; }

    // Runs the sheet; IDCANCEL at once when another customize sheet runs.
    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // ---- The input guard's tests (TRUE lets the input through) ----

    // A mouse message outside the site frame, to the sheet or to one of this
    // manager's bars passes, and any while the sheet or one of the bars holds
    // the capture (a customize drag or resize); moves always pass; popups of
    // no manager (the context menu) hear of clicks elsewhere.
    BOOL FilterMouseMessage(UINT nMessage, const MOUSEHOOKSTRUCT* pInfo);
    // A key passes when the focus is in the sheet, in a window on one of
    // this manager's bars (an edit field), in another window outside the
    // site frame that belongs to the foreground window, or when some window
    // holds the mouse capture.
    BOOL FilterKeyboardMessage();

    // ---- The control context menu (XTPCustomizeContextMenu.cpp) ----

    // Shows the context menu of the selected control at a screen point.
    void ContextMenu(int x, int y) override;
    CWnd* GetSheetWindow() override { return this; }

protected:
    // Builds the context menu from menu 9336.
    void CreateContextMenu();
    // The control selected for customizing, NULL for none.
    CXTPControl* GetSelectedControl() const;
    // The selected control's bar lays itself out again.
    void RecalcSelectedBar() const;
    // The page whose tab text has this mnemonic character; -1 for none.
    int FindPageByMnemonic(UINT nChar);
    // The window lies in the site frame (the frame itself or below it).
    BOOL IsInSiteFrame(HWND hWnd) const;
    // The window is one of this manager's bars.
    BOOL IsOwnCommandBar(HWND hWnd) const;

    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnInitPopup(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnControlExecute(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCustomizeReset();
    afx_msg void OnCustomizeDelete();
    afx_msg void OnCustomizeCopyImage();
    afx_msg void OnCustomizePasteImage();
    afx_msg void OnCustomizeResetImage();
    afx_msg void OnCustomizeEditImage();
    afx_msg void OnCustomizeStyle(UINT nID);
    afx_msg void OnCustomizeBeginGroup();
    afx_msg void OnUpdateCustomizeReset(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCustomizeAlways(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCustomizeImage(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCustomizePasteImage(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCustomizeResetImage(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCustomizeStyle(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCustomizeBeginGroup(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    // ---- Overridables ----

    // [runs the Button Editor on the image at its size] TRUE with the edited
    // image in hImage, FALSE when cancelled.
    virtual BOOL EditButtonImage(CXTPImageManagerIconHandle& hImage, CSize szImage);

private:
    CXTPCustomizeToolbarsPage* m_pToolbarsPage;
    CXTPCustomizeCommandsPage* m_pCommandsPage;
    CWnd* m_pWndParent;
    CXTPCommandBars* m_pCommandBars;
    CXTPPopupBar* m_pContextMenu;
    CXTPImageManager* m_pCustomIcons;
};

// ids 9315 to 9326: the commands of the control context menu.
BOOL IsCustomizeMenuCommand(UINT nID);
