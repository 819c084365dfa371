#pragma once
// CXTPAccelKeyEdit: an edit field that captures a key combination (a
// shortcut being assigned) instead of text. While it has the focus, each key
// press, with the modifiers held, builds an accelerator record and the field
// shows it ("Ctrl+Shift+F"); modifiers alone show as they are pressed and
// released. Esc alone and Tab alone clear the field (Tab still moves the
// focus on in a dialog); a mouse press only gives the field the focus.
//
//     m_wndKey.SubclassDlgItem(IDC_KEY, this);
//     ...
//     if (m_wndKey.IsKeyComplete())
//         XTPAccelManager()->SetAccel(pFrame, m_wndKey.GetKeyAccel()->fVirt,
//                                     m_wndKey.GetKeyAccel()->key, ID_FILE_OPEN);
#include "toolkit/commandbars/input/XTPAccelManager.h"

#include "framework/Controls.h"

class CXTPAccelKeyEdit : public CEdit
{
    DECLARE_DYNAMIC(CXTPAccelKeyEdit)
public:
    CXTPAccelKeyEdit();

    // Takes a copy of the record (never NULL) and shows it.
    void SetKeyAccel(const ACCEL* pAccel);
    // The record built so far.
    const ACCEL* GetKeyAccel() const { return &m_accel; }
    // A key other than a modifier was pressed.
    BOOL IsKeyComplete() const { return m_bKeyDefined; }
    // Clears the record and the field.
    void ResetKey();

    // ---- CWnd ----

    // The field's keys and mouse presses, before the window sees them.
    BOOL PreTranslateMessage(MSG* pMsg) override;

private:
    // A key message: builds the record; TRUE when the message is taken.
    BOOL OnKeyMessage(const MSG& msg);
    void ShowKey();

    BOOL m_bKeyDefined;
    ACCEL m_accel;
    CXTPAccelKeyText m_keyText;
};
