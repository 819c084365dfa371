#pragma once
// Data exchange between a dialog's controls and its members. DoDataExchange
// lists the pairs with the DDX_ functions; UpdateData runs it in one
// direction. A value the user typed that cannot be taken is reported with a
// message box, the control gets the focus and the exchange fails.
#include "framework/window/CWnd.h"

class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    // The control of that id, remembered for Fail; missing ids throw.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Focuses the last prepared control (selecting an edit's text) and ends
    // the exchange with a CUserException.
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate; // TRUE: controls to members
    CWnd* m_pDlgWnd;
    HWND m_idLastControl;
    BOOL m_bEditLastControl;
};

// Binds a member wrapper to its control by subclassing, once.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// Numbers: text that is no number (or out of range) fails with the
// framework's message.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
// Check boxes: 0 clear, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Combo boxes: the index of the selection, -1 for none.
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
