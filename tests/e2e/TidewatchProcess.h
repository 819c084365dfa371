#pragma once
// One run of Tidewatch.exe as a user meets it, driven from outside: a fresh
// program folder (a copy of the program, its sound folder, its help file and
// the store the scenario writes), the program started on the driver's
// desktop, commands posted to its main window, its state read back through
// window messages (the keyword tree's items across the process boundary, the
// status text, the progress bar), its message boxes read and answered, and
// the store read after it ended.
//
//     TidewatchProcess program;
//     program.WriteStore({{"harbour", {}}});
//     ASSERT_TRUE(program.Start());
//     program.PostCommand(ID_CHECK_ALL);
//     ASSERT_TRUE(WaitUntil([&] { return program.TreeText() == "*Zivoror Udove | *harbour"; }));
//     EXPECT_TRUE(program.Close());
#include "StateWait.h"
#include "tests/support/TempFolder.h"

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

struct StoredItem
{
    std::string title, link, time, summary;
    bool unread;
};

struct StoredKeyword
{
    std::string name;
    std::vector<StoredItem> items;
};

bool operator==(const StoredItem& a, const StoredItem& b);
bool operator==(const StoredKeyword& a, const StoredKeyword& b);

struct TreeRow
{
    std::string text;
    bool bold;
};

struct ShownDialog
{
    HWND hwnd;
    std::string caption, text; // text: a message box's message
};

// The process and the class name of a window.
DWORD ProcessOf(HWND hwnd);
std::string ClassOf(HWND hwnd);
// The first top-level window that accept takes, or NULL.
HWND FindTopLevel(const std::function<bool(HWND)>& accept);
// The first window below parent, at any depth, that accept takes, or NULL.
HWND FindDescendant(HWND parent, const std::function<bool(HWND)>& accept);

// A left click of the mouse at the point, as real input.
void ClickAt(POINT screenPoint);
// A key pressed while a modifier key (VK_CONTROL, ...) is held, as real
// input to the foreground window.
void PressShortcut(WORD modifierKey, WORD key);
// The left button pressed at one point, the mouse moved to the other in a
// few steps and the button released there, as real input.
void DragMouse(POINT from, POINT to);

class TidewatchProcess
{
public:
    // The main window's tray icon tooltip.
    static const char kTrayTip[];

    TidewatchProcess();
    TidewatchProcess(const TidewatchProcess&) = delete;
    TidewatchProcess& operator=(const TidewatchProcess&) = delete;
    // Ends a program that is still running.
    ~TidewatchProcess();

    std::string StorePath() const { return m_folder.File("conf.xml"); }
    std::string ProgramPath() const { return m_folder.File("Tidewatch.exe"); }
    bool WriteStore(const std::vector<StoredKeyword>& keywords);
    // The store as the engine reads it; complete is false for a cut or
    // damaged file.
    bool ReadStore(std::vector<StoredKeyword>& keywords, bool& complete) const;

    // Starts the program and waits for its main window with the keyword tree.
    bool Start();
    bool IsRunning() const;
    HANDLE ProcessHandle() const { return m_process.hProcess; }
    bool IsMainWindowVisible() const;
    HWND MainWindow() const { return m_mainWindow; }
    void PostCommand(UINT id);
    // Sends a message to the main window and returns its result.
    LRESULT SendToMainWindow(UINT message, WPARAM wParam, LPARAM lParam);

    // The tree's root, then its keywords in order.
    std::vector<TreeRow> TreeRows() const;
    // The same joined by " | ", each bold one with a leading '*'.
    std::string TreeText() const;
    // Clicks the row's text with the mouse, as a user does: the row is
    // selected and the keyword view becomes the view the commands go to.
    bool ClickTreeRow(const std::string& text);
    // The keyword tree has the keyboard focus (and so shows its selection).
    bool TreeHasFocus() const;
    // The status text without the blanks that pad it.
    std::string StatusText() const;
    int ProgressPosition() const;

    // The program's dialog or message box on screen, if any.
    bool FindDialog(ShownDialog& dialog) const;
    bool WaitForDialog(ShownDialog& dialog, DWORD timeoutMs = kStateWaitMs) const;
    // Presses a button of the dialog by its id (IDOK, IDYES, ...).
    static void Press(const ShownDialog& dialog, int buttonId);
    static void SetFieldText(const ShownDialog& dialog, int fieldId, const std::string& text);

    // Waits until no check runs. The positive sign: Add Keyword (32814)
    // opens its dialog, which it refuses while a check runs; the dialog is
    // cancelled, a refusal answered and the command tried again.
    bool WaitUntilChecksEnd(DWORD timeoutMs = kStateWaitMs);

    // WM_CLOSE to the main window; true when the program ended within the
    // time. A message box it shows meanwhile is recorded and answered with OK.
    bool Close(DWORD timeoutMs = kStateWaitMs);
    // Message boxes seen while closing.
    const std::vector<ShownDialog>& DialogsAtClose() const { return m_dialogsAtClose; }

private:
    HWND FindChild(const char* className) const;
    // The item of the row with that text and the rectangle of its text in
    // the tree; false when there is none or the tree did not answer.
    bool RowTextRect(const std::string& text, HTREEITEM& item, RECT& rect) const;
    // The root, then its children in order.
    std::vector<HTREEITEM> TreeItems() const;

    TempFolder m_folder;
    PROCESS_INFORMATION m_process;
    HWND m_mainWindow, m_tree;
    std::vector<ShownDialog> m_dialogsAtClose;
};
