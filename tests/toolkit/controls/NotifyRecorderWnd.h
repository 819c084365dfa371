#pragma once
// A visible top-level test window that hosts the controls of the tests and records
// what its children tell it: WM_COMMAND codes, WM_NOTIFY codes and any
// message in the WM_APP range or above 0xD00 that a control posts or sends.
// One window serves every test: destroying visible top-level windows is slow
// under wine. It can veto TVN_SELCHANGING for one item.
#include "framework/Framework.h"
#include "tests/support/TestWindow.h"
#include <vector>

struct RecordedMessage
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class NotifyRecorderWnd : public CTestWindow
{
public:
    NotifyRecorderWnd();

    // Empties the records and drops the veto.
    void Reset();
    // Notification codes of WM_NOTIFY in order, and how often one came.
    int CountNotify(int nCode) const;
    int CountCommand(UINT nCode, UINT nID) const;
    int CountMessage(UINT message) const;

    std::vector<NMHDR> m_notifications;
    std::vector<RecordedMessage> m_commands;
    std::vector<RecordedMessage> m_messages;
    // The item of the last TVN_SELCHANGING / TVN_SELCHANGED and the side it
    // was on (TRUE: itemNew).
    std::vector<HTREEITEM> m_selChangedNew;
    std::vector<HTREEITEM> m_selChangedOld;
    // TVN_SELCHANGING for this item is answered with 1.
    HTREEITEM m_hVetoItem = NULL;
    // The press point of the last TVN_BEGINDRAG.
    CPoint m_ptDrag;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The shared host, its records emptied.
NotifyRecorderWnd& TestHost();
