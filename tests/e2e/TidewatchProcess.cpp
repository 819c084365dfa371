#include "TidewatchProcess.h"

#include "RemoteMemory.h"
#include "VirtualDesktop.h"
#include "engine/KeywordGroup.h"

#include <string.h>

#include <tuple>

const char TidewatchProcess::kTrayTip[] = "Tidewatch - news on your keywords";

namespace {

// A message to the program is answered within the suite's wait for a state.
const DWORD kMessageTimeoutMs = kStateWaitMs;

// The build puts the program two folders up from this executable.
std::string BuiltProgramFolder()
{
    char path[MAX_PATH];
    std::string module(path, ::GetModuleFileNameA(NULL, path, sizeof path));
    return module.substr(0, module.find_last_of("\\/")) + "\\..\\..\\app";
}

std::string TextOf(HWND hwnd)
{
    char text[1024] = "";
    DWORD_PTR length = 0;
    if (hwnd != NULL)
        ::SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_BLOCK, kMessageTimeoutMs,
                              &length);
    return text;
}

struct WindowSearch
{
    std::function<bool(HWND)> accept;
    HWND found;
};

BOOL CALLBACK AcceptWindow(HWND hwnd, LPARAM lParam)
{
    WindowSearch* search = (WindowSearch*)lParam;
    if (!search->accept(hwnd))
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

} // namespace

HWND FindDescendant(HWND parent, const std::function<bool(HWND)>& accept)
{
    WindowSearch search = {accept, NULL};
    ::EnumChildWindows(parent, AcceptWindow, (LPARAM)&search);
    return search.found;
}

HWND FindTopLevel(const std::function<bool(HWND)>& accept)
{
    WindowSearch search = {accept, NULL};
    ::EnumWindows(AcceptWindow, (LPARAM)&search);
    return search.found;
}

std::string ClassOf(HWND hwnd)
{
    char name[64] = "";
    ::GetClassNameA(hwnd, name, sizeof name);
    return name;
}

DWORD ProcessOf(HWND hwnd)
{
    DWORD processId = 0;
    ::GetWindowThreadProcessId(hwnd, &processId);
    return processId;
}

bool operator==(const StoredItem& a, const StoredItem& b)
{
    return std::tie(a.title, a.link, a.time, a.summary, a.unread)
           == std::tie(b.title, b.link, b.time, b.summary, b.unread);
}

bool operator==(const StoredKeyword& a, const StoredKeyword& b)
{
    return a.name == b.name && a.items == b.items;
}

namespace {

// One mouse event at a screen point: the event carries its own position, so
// it lands there whatever moved the pointer before the display took it.
void SendMouseAt(DWORD buttonFlags, POINT screenPoint)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN) - 1, cy = ::GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = buttonFlags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = screenPoint.x * 65535 / cx;
    input.mi.dy = screenPoint.y * 65535 / cy;
    ::SendInput(1, &input, sizeof(INPUT));
}

} // namespace

void ClickAt(POINT screenPoint)
{
    SendMouseAt(0, screenPoint);
    SendMouseAt(MOUSEEVENTF_LEFTDOWN, screenPoint);
    SendMouseAt(MOUSEEVENTF_LEFTUP, screenPoint);
}

void PressShortcut(WORD modifierKey, WORD key)
{
    INPUT keys[4] = {};
    const WORD order[4] = {modifierKey, key, key, modifierKey};
    for (int i = 0; i < 4; ++i)
    {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = order[i];
        keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    ::SendInput(4, keys, sizeof(INPUT));
}

void DragMouse(POINT from, POINT to)
{
    SendMouseAt(0, from);
    ::Sleep(50);
    SendMouseAt(MOUSEEVENTF_LEFTDOWN, from);
    ::Sleep(100);
    const int kSteps = 8;
    for (int i = 1; i <= kSteps; i++)
    {
        SendMouseAt(0, {from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps});
        ::Sleep(20);
    }
    ::Sleep(50);
    SendMouseAt(MOUSEEVENTF_LEFTUP, to);
}

TidewatchProcess::TidewatchProcess() : m_process(), m_mainWindow(NULL), m_tree(NULL)
{
    std::string built = BuiltProgramFolder();
    ::CopyFileA((built + "\\Tidewatch.exe").c_str(), m_folder.File("Tidewatch.exe").c_str(), FALSE);
    ::CreateDirectoryA(m_folder.File("sound").c_str(), NULL);
    ::CopyFileA((built + "\\sound\\alarm.wav").c_str(), m_folder.File("sound\\alarm.wav").c_str(), FALSE);
    ::CopyFileA((built + "\\Tidewatch.chm").c_str(), m_folder.File("Tidewatch.chm").c_str(), FALSE);
}

TidewatchProcess::~TidewatchProcess()
{
    if (m_process.hProcess == NULL)
        return;
    if (IsRunning())
    {
        ::TerminateProcess(m_process.hProcess, 1);
        ::WaitForSingleObject(m_process.hProcess, 5000);
    }
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

bool TidewatchProcess::WriteStore(const std::vector<StoredKeyword>& keywords)
{
    KeywordGroup group;
    for (const StoredKeyword& stored : keywords)
    {
        Keyword* keyword = new Keyword(stored.name.c_str());
        group.Add(keyword);
        for (const StoredItem& item : stored.items)
            keyword->AppendItem(new NewsItem(item.title.c_str(), item.link.c_str(), item.time.c_str(),
                                             item.summary.c_str(), keyword, item.unread));
    }
    return group.ConfWriter(StorePath().c_str()) == 1;
}

bool TidewatchProcess::ReadStore(std::vector<StoredKeyword>& keywords, bool& complete) const
{
    KeywordGroup group;
    complete = false;
    if (!group.ConfReader(StorePath().c_str(), complete))
        return false;
    keywords.clear();
    for (Keyword* keyword = group.GetFirst(); keyword != nullptr; keyword = group.GetNext(keyword))
    {
        StoredKeyword stored{(const char*)keyword->name, {}};
        for (NewsItem* item = keyword->firstItem; item != nullptr; item = item->next)
            stored.items.push_back({(const char*)item->title, (const char*)item->link,
                                    (const char*)item->displayTime, (const char*)item->summary,
                                    item->unread != FALSE});
        keywords.push_back(stored);
    }
    return true;
}

bool TidewatchProcess::Start()
{
    std::string program = m_folder.File("Tidewatch.exe");
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.lpDesktop = (LPSTR)VirtualDesktop::kName;
    if (!::CreateProcessA(program.c_str(), &commandLine[0], NULL, NULL, FALSE, 0, NULL,
                          m_folder.Path().c_str(), &startup, &m_process))
        return false;
    DWORD processId = m_process.dwProcessId;
    WaitUntil([&] {
        m_mainWindow = FindTopLevel([&](HWND hwnd) {
            return ProcessOf(hwnd) == processId && ::IsWindowVisible(hwnd)
                   && FindDescendant(hwnd, [](HWND child) { return ClassOf(child) == WC_TREEVIEWA; }) != NULL;
        });
        return m_mainWindow != NULL || !IsRunning();
    });
    if (m_mainWindow == NULL)
        return false;
    m_tree = FindChild(WC_TREEVIEWA);
    return m_tree != NULL;
}

bool TidewatchProcess::IsMainWindowVisible() const
{
    return ::IsWindowVisible(m_mainWindow) != FALSE;
}

bool TidewatchProcess::IsRunning() const
{
    return m_process.hProcess != NULL && ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

void TidewatchProcess::PostCommand(UINT id)
{
    ::PostMessageA(m_mainWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

LRESULT TidewatchProcess::SendToMainWindow(UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(m_mainWindow, message, wParam, lParam, SMTO_BLOCK, kMessageTimeoutMs, &result);
    return (LRESULT)result;
}

HWND TidewatchProcess::FindChild(const char* className) const
{
    return FindDescendant(m_mainWindow,
                          [&](HWND hwnd) { return lstrcmpiA(ClassOf(hwnd).c_str(), className) == 0; });
}

std::vector<HTREEITEM> TidewatchProcess::TreeItems() const
{
    std::vector<HTREEITEM> items;
    HTREEITEM root = TreeView_GetRoot(m_tree);
    if (root == NULL)
        return items;
    items.push_back(root);
    for (HTREEITEM item = TreeView_GetChild(m_tree, root); item != NULL;
         item = TreeView_GetNextSibling(m_tree, item))
        items.push_back(item);
    return items;
}

std::string TidewatchProcess::TreeText() const
{
    std::string text;
    for (const TreeRow& row : TreeRows())
        text += (text.empty() ? "" : " | ") + std::string(row.bold ? "*" : "") + row.text;
    return text;
}

std::vector<TreeRow> TidewatchProcess::TreeRows() const
{
    std::vector<TreeRow> rows;
    RemoteMemory block(m_process.dwProcessId, 1024);
    if (!block.IsValid())
        return rows;
    const SIZE_T textOffset = 256;
    for (HTREEITEM item : TreeItems())
    {
        TVITEMA query = {};
        query.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_STATE;
        query.hItem = item;
        query.stateMask = TVIS_BOLD;
        query.pszText = (LPSTR)block.Address(textOffset);
        query.cchTextMax = 512;
        DWORD_PTR ok = 0;
        char text[512] = "";
        if (!block.Write(0, &query, sizeof query)
            || !::SendMessageTimeoutA(m_tree, TVM_GETITEMA, 0, (LPARAM)block.Address(0), SMTO_BLOCK,
                                      kMessageTimeoutMs, &ok)
            || !ok || !block.Read(0, &query, sizeof query) || !block.Read(textOffset, text, sizeof text - 1))
            break;
        rows.push_back({text, (query.state & TVIS_BOLD) != 0});
    }
    return rows;
}

bool TidewatchProcess::RowTextRect(const std::string& text, HTREEITEM& item, RECT& rect) const
{
    std::vector<TreeRow> rows = TreeRows();
    std::vector<HTREEITEM> items = TreeItems();
    item = NULL;
    for (size_t i = 0; i < rows.size() && i < items.size() && item == NULL; ++i)
    {
        if (rows[i].text == text)
            item = items[i];
    }
    // TVM_GETITEMRECT takes the item in the rectangle it fills.
    RemoteMemory block(m_process.dwProcessId, sizeof(RECT));
    memcpy(&rect, &item, sizeof item);
    DWORD_PTR ok = 0;
    return item != NULL && block.Write(0, &rect, sizeof rect)
           && ::SendMessageTimeoutA(m_tree, TVM_GETITEMRECT, TRUE, (LPARAM)block.Address(0), SMTO_BLOCK,
                                    kMessageTimeoutMs, &ok)
           && ok && block.Read(0, &rect, sizeof rect);
}

bool TidewatchProcess::ClickTreeRow(const std::string& text)
{
    // A busy program may let a look at its tree time out: the row is looked
    // for until the tree answers.
    HTREEITEM item = NULL;
    RECT rect = {};
    if (!WaitUntil([&] { return RowTextRect(text, item, rect); }))
        return false;
    POINT center = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ::MapWindowPoints(m_tree, NULL, &center, 1);
    // The tree taking the focus with the row selected shows that the click
    // was handled; a program on a busy machine may take seconds for it, so
    // the wait is the suite's usual one. Only a click that was lost, not one
    // that is late, is given again: a second click on the selected row does
    // no harm, and the scenarios test what the click does, not the input.
    auto handled = [&] { return TreeHasFocus() && TreeView_GetSelection(m_tree) == item; };
    for (int attempt = 0; attempt < 2; ++attempt)
    {
        ClickAt(center);
        if (WaitUntil(handled))
            return true;
    }
    return false;
}

bool TidewatchProcess::TreeHasFocus() const
{
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    return ::GetGUIThreadInfo(m_process.dwThreadId, &thread) && thread.hwndFocus == m_tree;
}

std::string TidewatchProcess::StatusText() const
{
    // The status text is a static beside the progress bar in the status bar.
    HWND progress = FindChild(PROGRESS_CLASSA);
    HWND bar = progress != NULL ? ::GetParent(progress) : NULL;
    HWND text = bar != NULL ? FindDescendant(bar, [](HWND hwnd) { return ClassOf(hwnd) == "Static"; }) : NULL;
    std::string shown = TextOf(text);
    size_t first = shown.find_first_not_of(' ');
    size_t last = shown.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : shown.substr(first, last - first + 1);
}

int TidewatchProcess::ProgressPosition() const
{
    DWORD_PTR position = 0;
    ::SendMessageTimeoutA(FindChild(PROGRESS_CLASSA), PBM_GETPOS, 0, 0, SMTO_BLOCK, kMessageTimeoutMs,
                          &position);
    return (int)position;
}

bool TidewatchProcess::FindDialog(ShownDialog& dialog) const
{
    DWORD processId = m_process.dwProcessId;
    HWND found = FindTopLevel([&](HWND hwnd) {
        return ProcessOf(hwnd) == processId && ::IsWindowVisible(hwnd) && ClassOf(hwnd) == "#32770";
    });
    if (found == NULL)
        return false;
    dialog.hwnd = found;
    dialog.caption = TextOf(found);
    dialog.text = TextOf(::GetDlgItem(found, 0xFFFF));
    return true;
}

bool TidewatchProcess::WaitForDialog(ShownDialog& dialog, DWORD timeoutMs) const
{
    return WaitUntil([&] { return FindDialog(dialog); }, timeoutMs);
}

void TidewatchProcess::Press(const ShownDialog& dialog, int buttonId)
{
    ::PostMessageA(dialog.hwnd, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                   (LPARAM)::GetDlgItem(dialog.hwnd, buttonId));
}

void TidewatchProcess::SetFieldText(const ShownDialog& dialog, int fieldId, const std::string& text)
{
    DWORD_PTR ok = 0;
    ::SendMessageTimeoutA(::GetDlgItem(dialog.hwnd, fieldId), WM_SETTEXT, 0, (LPARAM)text.c_str(), SMTO_BLOCK,
                          kMessageTimeoutMs, &ok);
}

bool TidewatchProcess::WaitUntilChecksEnd(DWORD timeoutMs)
{
    const UINT kAddKeyword = 32814;
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < timeoutMs)
    {
        PostCommand(kAddKeyword);
        ShownDialog dialog;
        if (!WaitForDialog(dialog))
            return false;
        bool refused = dialog.caption != "Add Keyword";
        Press(dialog, refused ? IDOK : IDCANCEL);
        WaitUntil([&] {
            ShownDialog still;
            return !FindDialog(still) || still.hwnd != dialog.hwnd;
        });
        if (!refused)
            return true;
        ::Sleep(50);
    }
    return false;
}

bool TidewatchProcess::Close(DWORD timeoutMs)
{
    ::PostMessageA(m_mainWindow, WM_CLOSE, 0, 0);
    HWND answered = NULL;
    return WaitUntil(
        [&] {
            ShownDialog dialog;
            if (FindDialog(dialog) && dialog.hwnd != answered)
            {
                m_dialogsAtClose.push_back(dialog);
                Press(dialog, IDOK);
                answered = dialog.hwnd;
            }
            return !IsRunning();
        },
        timeoutMs);
}
