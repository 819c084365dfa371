#pragma once
// What the customize-mode tests share: a frame that handles the Customize
// command (so the manager allows customizing) and logs the selection
// notifications, a fixture with its bars built, and helpers that queue the
// mouse messages of a drag before the drag loop runs.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/input/XTPCustomizeDropSource.h"

// The test frame with a Customize command and a count of the
// WM_XTP_DRAGCONTROLCHANGED notifications it heard.
class CCustomizeFrame : public CCommandBarsFrame
{
public:
    int m_nDragControlChanged = 0;
    int m_nCustomizeCommands = 0;

protected:
    afx_msg void OnCustomize() { m_nCustomizeCommands++; }
    afx_msg LRESULT OnDragControlChanged(WPARAM, LPARAM)
    {
        m_nDragControlChanged++;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

class CustomizeTest : public FrameTest<CCustomizeFrame, 400, 300>
{
protected:
    void Prepare() override;
    void TearDown() override;

    CXTPCommandBars* Bars() const { return frame->m_pCommandBars; }
    CXTPToolBar* ToolBar() const { return frame->GetToolBar(); }
    CXTPControl* Button(int nID) const { return ToolBar()->GetControls()->FindControlById(nID); }
    // The ids of a bar's controls, in order.
    static std::vector<int> IdsOf(CXTPCommandBar* pBar);
    // A point of a control (its middle, moved by dx, dy) on the screen.
    static CPoint ScreenPointOf(CXTPControl* pControl, int dx = 0, int dy = 0);
    // Queues a mouse message as the capture window of a drag gets it (the
    // site frame while no customize sheet runs): wParam holds the key state.
    void PostMouse(UINT nMessage, CPoint ptScreen, WPARAM wKeys = MK_LBUTTON, CWnd* pCapture = NULL);
    // Queues a drag from the press point's neighbourhood to ptScreen and the
    // release there.
    void PostDragTo(CPoint ptScreen, WPARAM wKeys = MK_LBUTTON, CWnd* pCapture = NULL);
};

// Puts a 16x16 bitmap of the button face with one red pixel at ptRed on the
// clipboard, as another program would; false if the clipboard cannot be had.
bool PutPlainBitmapOnClipboard(HWND hOwner, CPoint ptRed);
