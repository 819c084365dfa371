#pragma once
// CXTPTabWorkspaceWnd: the window that carries the tab client's one group
// when it works without grouping: a child of the MDI frame around the MDI
// client (which keeps the area the row of tabs leaves), painting the row and
// taking the mouse for it. The tab client creates it (AddWorkspace), places
// it (its CalcWindowRect) and destroys it with the group.
#include "toolkit/tabs/XTPTabWorkspace.h"

#include "framework/Controls.h"

class CXTPTabWorkspaceWnd : public CWnd, public CXTPTabWorkspace
{
public:
    // Creates the window in the frame (arrow cursor, double clicks, no
    // background brush), just below the MDI client.
    BOOL Create(CMDIFrameWnd* pFrame);

    // Repaints this window unless the client's refresh lock is set.
    void RedrawHost() override;
    // The tab at the point, for the tool tips.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    // Presses go to the frame first (0x484); a non-zero answer handles them.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    CWnd* GetHostWindow() override { return this; }

protected:

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnRButtonDown(UINT, CPoint) {}
    DECLARE_MESSAGE_MAP()
};
