#pragma once
// An MDI frame with a tab client for the tests, and children that answer the
// tab client's questions as each test sets them. The frame offers its tab
// client the commands it does not handle, records the presses (0x484) and
// new tabs (0x488) it is told of and the popups of its command bars, and may
// carry command bars of a given theme.
//
//     CTabClientTestFrame* frame = CTabClientTestFrame::CreateVisible(TRUE);   // grouping
//     CTabTestChild* pChild = frame->AddChild("Report");
//     EXPECT_EQ(1, frame->m_tabClient.GetItemCount());
//     frame->DestroyWindow();                                             // deletes the frame
#include "TabTestPrinters.h"
#include "toolkit/tabs/XTPTabClientWnd.h"

#include "framework/Controls.h"

#include <functional>
#include <vector>

class CXTPCommandBars;
class CXTPPopupBar;

// A document of a child's own, with the title and path the test gives it.
class CTabTestDocument : public CDocument
{
public:
    CTabTestDocument() {}
};

// A child whose answers to 0x483 (icon), 0x485 (text), 0x486 (colour) and
// 0x487 (tool tip) are set by the test; empty or 0 leaves them unanswered.
// Its active document (when given a title or path) is one of its own.
class CTabTestChild : public CMDIChildWnd
{
public:
    CTabTestChild();

    CDocument* GetActiveDocument() override;

    CString m_strTabText;
    CString m_strTabTip;
    COLORREF m_clrTab = 0;
    HICON m_hTabIcon = NULL;
    BOOL m_bHasDocument = FALSE;
    CTabTestDocument m_document;
    int m_nColorQuestions = 0;

protected:
    afx_msg LRESULT OnGetTabIcon(WPARAM, LPARAM) { return (LRESULT)m_hTabIcon; }
    afx_msg LRESULT OnGetTabText(WPARAM, LPARAM);
    afx_msg LRESULT OnGetTabColor(WPARAM, LPARAM);
    afx_msg LRESULT OnGetTabTip(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()
};

class CTabClientTestFrame : public CMDIFrameWnd
{
public:
    // A visible frame with its tab client attached (in grouping mode or not);
    // NULL when either fails.
    static CTabClientTestFrame* CreateVisible(BOOL bGrouping, CSize size = CSize(500, 360));
    // A visible child with that title (it becomes active), whose window
    // messages are pumped.
    CTabTestChild* AddChild(const char* pszTitle);
    // Command bars of the paint-manager theme for this frame (released with it).
    CXTPCommandBars* AddCommandBars(int nTheme);
    // The tab client's groups, each as its tabs' captions ("A B | C").
    CString Groups() const;
    // Runs the action once a message loop (a drag's, a menu's) dispatches
    // what is posted now.
    void PostAction(std::function<void()> action);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    CXTPTabClientWnd m_tabClient;
    CXTPCommandBars* m_pCommandBars = NULL;
    std::vector<UINT> m_arrPresses;      // the mouse messages of 0x484
    LRESULT m_nPressAnswer = 0;          // the answer to 0x484
    std::vector<CXTPTabStripItem*> m_arrNewTabs; // the tabs of 0x488
    std::vector<std::vector<int>> m_arrPopupIds; // each closed popup's visible control ids

protected:
    // The command bars go before the frame's windows.
    afx_msg void OnDestroy();
    afx_msg LRESULT OnPressInTabs(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNewTab(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopupClosed(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRunAction(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    std::vector<std::function<void()>> m_arrActions;
};
