#pragma once
// CXTPAccelManager: the command bars' view of the frame's accelerator table.
// It finds the shortcut text shown beside a command in menus (Ctrl+O),
// turns one accelerator into text, edits the frame's table, and saves and
// loads the table in the application profile under "Accelerators".
//
//     CString strShortcut;
//     if (XTPAccelManager()->FindShortcutText(ID_FILE_OPEN, strShortcut, pCommandBars))
//         ...                               // "Ctrl+O"
//     XTPAccelManager()->SaveShortcuts(pFrame, "Settings");
//     XTPAccelManager()->DoPropExchange(pPX, pFrame);   // with the bars' state
//
// CXTPAccelKeyText formats one ACCEL record.
#include "framework/Window.h"

#include <vector>

class CXTPCommandBars;
class CXTPPropExchange;

// The text of one accelerator ("Ctrl+Shift+F5") and the rank of its
// modifiers when a command has several.
class CXTPAccelKeyText
{
public:
    explicit CXTPAccelKeyText(const ACCEL* pAccel) : m_pAccel(pAccel) {}

    // 0 without a record; 3 with Ctrl, else 2 with Alt, else 1 with Shift,
    // else 4 (no modifier ranks highest).
    int GetModifierOrder() const;
    // Modifiers in the order Ctrl, Shift, Alt, each followed by "+", then
    // the key's name.
    CString Format() const;
    // The name of a virtual key: the keyboard driver's, else the toolkit's
    // table; capitalised as "Page up".
    static CString GetKeyName(UINT nVirtualKey);

private:
    const ACCEL* m_pAccel;
};

class CXTPAccelManager
{
public:
    CXTPAccelManager();
    virtual ~CXTPAccelManager();

    // ---- Overridables ----

    // The text to show beside nCmd: the best of the command's accelerators
    // in the frame's table (no modifier, then Ctrl, then Alt, then Shift;
    // the first of equals), unless strShortcut already holds one of them.
    // FALSE, with strShortcut unchanged, without a frame or table; FALSE,
    // with strShortcut emptied, when the command has no accelerator.
    virtual BOOL FindShortcutText(UINT nCmd, CString& strShortcut, CXTPCommandBars* pCommandBars);
    // The record's text and modifier rank.
    virtual void FormatAccel(CString& strText, const ACCEL* pAccel, int* pnOrder);

    // ---- The frame's table ----

    // The frame's entries (empty without a table).
    static std::vector<ACCEL> GetFrameAccelTable(CFrameWnd* pFrame);
    // A new table from the entries becomes the frame's default table; the
    // previous one is destroyed.
    void SetFrameAccelTable(CFrameWnd* pFrame, const ACCEL* pTable, int nCount);
    // Gives the key fVirt+key the command: the entry with those flags
    // (FNOINVERT ignored) and key, else a new entry.
    void SetAccel(CFrameWnd* pFrame, BYTE fVirt, WORD key, WORD cmd);
    // The last entry for the command, its FVIRTKEY bit cleared; FALSE when none.
    BOOL GetAccel(CFrameWnd* pFrame, UINT nCmd, ACCEL* pAccel);
    // A new table with the same entries.
    static HACCEL CopyAccelTable(HACCEL hAccel);

    // The table as count x 6 bytes under the section's "Accelerators"
    // entry; an empty entry when the frame has no table.
    void SaveShortcuts(CFrameWnd* pFrame, LPCTSTR lpszSection);
    // Reads it back: an empty value gives the frame no table; a value
    // whose size is not a multiple of 6 is refused and the frame keeps its
    // table. FALSE when nothing was loaded.
    BOOL LoadShortcuts(CFrameWnd* pFrame, LPCTSTR lpszSection);

    // The frame's table through a settings exchange: a count and the
    // records as one binary "Data" value where the exchange keeps binary
    // values (archive, registry), else one "Accel" item per entry with
    // "Id", "virt" and "key". A stored table that is damaged (a count the
    // data does not hold) throws a CArchiveException and the frame keeps
    // its table.
    void DoPropExchange(CXTPPropExchange* pPX, CFrameWnd* pFrame);
    // DoPropExchange through an archive.
    void SerializeShortcuts(CFrameWnd* pFrame, CArchive& ar);
    // The stored forms of DoPropExchange without a frame: storing writes
    // the entries, loading fills them (or throws, as above).
    static void ExchangeEntries(CXTPPropExchange* pPX, std::vector<ACCEL>& entries);

    // A character upper-cased as the bars compare mnemonics.
    static TCHAR ToUpper(TCHAR ch);

private:
    // The two stored forms of the table; loading fills entries.
    static void ExchangeAccelData(CXTPPropExchange* pPX, std::vector<ACCEL>& entries);
    static void ExchangeAccelItems(CXTPPropExchange* pPX, std::vector<ACCEL>& entries);
};

// The process-wide shortcut manager, made on first use.
CXTPAccelManager* XTPAccelManager();
// Replaces it (the previous one is deleted).
void XTPSetAccelManager(CXTPAccelManager* pAccelManager);
