// Speed of Import and of the start-up load of a long keyword list, on a real
// keyword tree view (CItemTreeView in a visible frame), at 2,000, 20,000 and
// 200,000 keywords without news, phase by phase; and the system's tree
// control alone at the same sizes, to tell its own costs from ours.
//
// - import: ImportKeywordsFrom, as OK in the Open dialog runs it, on a view
//   over an empty store, until it returns with the keywords in the tree;
//   then until the window has painted them.
// - replace: the same into a view that holds the file's keywords already
//   (Remove All of N keywords, then N new ones).
// - start-up: the view's creation over a "conf.xml" of N keywords (it reads
//   the store and fills the tree), its first paint, and the focus given to
//   it as the frame gives it to its active view, until painted again.
//
// The view's own path is timed from outside: a wrapper around the tree
// control's window procedure (put in when the control is created) stamps the
// first and the last insert of a keyword item. Before the first one the file
// is read and parsed and the keyword list built (and, for replace, the old
// keywords removed); between them the tree is filled; after the last one the
// fill is finished (the end of the redraw batch, the root's bold mark, its
// expansion and selection) and, for an import, the keywords are checked for
// length. The reading is split by timing the engine's XML load of the same
// file alone: the list's building is the store reader's time minus that. The
// wrapper also adds up the time spent inside the tree control's messages, by
// kind, and counts them: a count that grows faster than the keywords is our
// own doing, a time per message that grows is the control's.
//
// The control alone: a plain tree control of the view's styles, a root and
// N children inserted last under it (collapsed, or expanded with a child
// already), with the drawing on, with the control's own WM_SETREDRAW off,
// with the window's drawing off (the default window procedure's
// WM_SETREDRAW, as TreeRedrawBatch does for a few items), with both (as it
// does for many), and with both while inserting after the previous child's
// handle; every child deleted one by one, with their parent, with
// TVI_ROOT, or with the control; the control's WM_SETREDRAW off and on
// again; what one item message costs at the list's start and end, and a
// walk over every item.
//
// A case whose figure at the previous size says it would take more than a
// few minutes is not run; its estimate is shown instead. With "view" or
// "tree" as its argument the bench gives only those figures.
#include "app/ItemTreeView.h"
#include "bench/BenchClock.h"
#include "engine/KeywordGroup.h"
#include "engine/ProgramFolder.h"
#include "engine/XmlDocument.h"
#include "framework/Controls.h"

#include <windows.h>
#include <commctrl.h>
#include <stdio.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

const int kSizes[] = {2000, 20000, 200000};
// Runs per figure at the smaller sizes; the largest runs once.
const int kRuns = 3;
// A case is not run at the next size when the n-squared estimate from this
// size exceeds this many seconds.
const double kLongestCase = 180;
// A run that did not do its work makes the bench end with an error.
bool g_failed = false;

std::string ModuleFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/"));
}

std::string MakeFolder(const std::string& name)
{
    std::string folder = ModuleFolder() + "\\" + name;
    CreateDirectoryA(folder.c_str(), NULL);
    return folder;
}

std::string KeywordName(int k)
{
    char name[64];
    snprintf(name, sizeof name, "tide table %06d", k);
    return name;
}

// A store file of n keywords without news, written by the engine's writer.
bool WriteKeywordFile(const std::string& path, int n)
{
    KeywordGroup group;
    for (int k = 0; k < n; ++k)
        group.Add(new Keyword(KeywordName(k).c_str()));
    if (group.ConfWriter(path.c_str()))
        return true;
    printf("cannot write %s\n", path.c_str());
    return false;
}

void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// ---------------------------------------------------------------------------
// The wrapper around the tree control's window procedure.

enum MessageKind
{
    KindInsert,
    KindDelete,
    KindItem, // get and set an item, its state
    KindWalk, // TVM_GETNEXTITEM
    KindSelect,
    KindExpand,
    KindRedraw, // WM_SETREDRAW and painting
    KindOther,
    KindCount
};
const char* const kKindNames[KindCount] = {"insert", "delete", "item",   "walk",
                                           "select", "expand", "redraw", "other"};

MessageKind KindOf(UINT message)
{
    switch (message)
    {
    case TVM_INSERTITEMA:
    case TVM_INSERTITEMW:
        return KindInsert;
    case TVM_DELETEITEM:
        return KindDelete;
    case TVM_GETITEMA:
    case TVM_GETITEMW:
    case TVM_SETITEMA:
    case TVM_SETITEMW:
    case TVM_GETITEMSTATE:
    case TVM_GETITEMRECT:
        return KindItem;
    case TVM_GETNEXTITEM:
        return KindWalk;
    case TVM_SELECTITEM:
        return KindSelect;
    case TVM_EXPAND:
        return KindExpand;
    case WM_SETREDRAW:
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_NCPAINT:
        return KindRedraw;
    default:
        return KindOther;
    }
}

// What the tree control did during one timed call: the stamps of the first
// and last keyword insert, and per kind of message the count and the time
// spent in the outermost ones.
struct TreeProfile
{
    double firstInsert = 0;
    double lastInsert = 0;
    int keywordInserts = 0;
    int counts[KindCount] = {};
    double seconds[KindCount] = {};
};

TreeProfile* g_profile = nullptr;
HHOOK g_creationHook = NULL;
WNDPROC g_treeProc = NULL;
int g_depth = 0;

LRESULT CALLBACK TimedTreeProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (g_profile == nullptr)
        return ::CallWindowProcA(g_treeProc, hWnd, message, wParam, lParam);
    const MessageKind kind = KindOf(message);
    const bool keywordInsert = kind == KindInsert && ((TVINSERTSTRUCTA*)lParam)->hParent != NULL
                               && ((TVINSERTSTRUCTA*)lParam)->hParent != TVI_ROOT;
    ++g_profile->counts[kind];
    const double start = Now();
    if (keywordInsert && g_profile->keywordInserts++ == 0)
        g_profile->firstInsert = start;
    ++g_depth;
    LRESULT result = ::CallWindowProcA(g_treeProc, hWnd, message, wParam, lParam);
    --g_depth;
    const double end = Now();
    if (g_depth == 0)
        g_profile->seconds[kind] += end - start;
    if (keywordInsert)
        g_profile->lastInsert = end;
    return result;
}

// Wraps the window procedure of the tree controls created while it is set.
LRESULT CALLBACK CreationHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND)
    {
        char className[64] = "";
        ::GetClassNameA((HWND)wParam, className, sizeof className);
        if (lstrcmpiA(className, WC_TREEVIEWA) == 0)
        {
            WNDPROC previous =
                (WNDPROC)::SetWindowLongPtrA((HWND)wParam, GWLP_WNDPROC, (LONG_PTR)&TimedTreeProc);
            if (g_treeProc == NULL)
                g_treeProc = previous;
        }
    }
    return ::CallNextHookEx(g_creationHook, nCode, wParam, lParam);
}

class TreeWrapping
{
public:
    TreeWrapping()
    {
        g_creationHook = ::SetWindowsHookExA(WH_CBT, &CreationHook, NULL, ::GetCurrentThreadId());
    }
    ~TreeWrapping() { ::UnhookWindowsHookEx(g_creationHook); }
};

// ---------------------------------------------------------------------------
// The view in a frame.

class BenchFrame
{
public:
    // A visible frame; the view is made by Open.
    BenchFrame()
    {
        m_pFrame = new CFrameWnd;
        m_pFrame->Create(NULL, "Import bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 420, 720));
        PumpPending();
    }
    ~BenchFrame()
    {
        g_profile = nullptr;
        m_pFrame->DestroyWindow(); // the frame and the view delete themselves
        PumpPending();
    }
    BenchFrame(const BenchFrame&) = delete;
    BenchFrame& operator=(const BenchFrame&) = delete;

    // The view over the program folder's store; false when it failed.
    bool Open()
    {
        CRect client;
        m_pFrame->GetClientRect(&client);
        m_pView = new CItemTreeView;
        m_pView->SetSearchHost("127.0.0.1:1");
        return m_pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, client, m_pFrame, AFX_IDW_PANE_FIRST)
               != FALSE;
    }
    // Paints everything that waits to be painted.
    void Paint()
    {
        ::RedrawWindow(m_pFrame->m_hWnd, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpPending();
    }

    CFrameWnd* m_pFrame = nullptr;
    CItemTreeView* m_pView = nullptr;
};

// The keyword items in the tree, as a check that a run did its work.
int KeywordItems(CItemTreeView& view)
{
    CXTTreeCtrl& tree = view.GetTree();
    int count = 0;
    for (HTREEITEM hItem = tree.GetChildItem(view.GetRootItem()); hItem != NULL;
         hItem = tree.GetNextSiblingItem(hItem))
        ++count;
    return count;
}

// One run's figures, in seconds.
struct ViewRun
{
    double total = 0;  // the program's call: Import, or the view's creation
    double before = 0; // until the first keyword insert
    double fill = 0;   // first to last keyword insert
    double after = 0;  // after the last keyword insert
    double paint = 0;
    double focus = -1; // the view given the focus, as the frame gives it to its active view; -1: not timed
    TreeProfile profile;
};

void Split(ViewRun& run, double start, double end)
{
    run.total = end - start;
    if (run.profile.keywordInserts == 0)
    {
        run.before = run.total;
        return;
    }
    run.before = run.profile.firstInsert - start;
    run.fill = run.profile.lastInsert - run.profile.firstInsert;
    run.after = end - run.profile.lastInsert;
}

// The import of the file into a view over the store of the start folder.
bool RunImport(const std::string& startFolder, const std::string& file, int n, ViewRun& run)
{
    SetProgramFolder(startFolder.c_str());
    TreeWrapping wrapping;
    BenchFrame frame;
    if (!frame.Open())
        return false;
    frame.Paint();
    g_profile = &run.profile;
    const double start = Now();
    const BOOL imported = frame.m_pView->ImportKeywordsFrom(file.c_str());
    const double end = Now();
    frame.Paint();
    run.paint = Now() - end;
    g_profile = nullptr;
    Split(run, start, end);
    if (!imported || KeywordItems(*frame.m_pView) != n)
    {
        printf("  the import of %d keywords left %d in the tree\n", n, KeywordItems(*frame.m_pView));
        return false;
    }
    return true;
}

bool RunStartup(const std::string& storeFolder, int n, ViewRun& run)
{
    SetProgramFolder(storeFolder.c_str());
    TreeWrapping wrapping;
    BenchFrame frame;
    g_profile = &run.profile;
    const double start = Now();
    const bool opened = frame.Open();
    const double end = Now();
    frame.Paint();
    run.paint = Now() - end;
    g_profile = nullptr;
    Split(run, start, end);
    if (opened)
    {
        const double focusStart = Now();
        frame.m_pView->SetFocus();
        frame.Paint();
        run.focus = Now() - focusStart;
    }
    if (!opened || KeywordItems(*frame.m_pView) != n)
    {
        printf("  the start-up with %d keywords showed %d\n", n, opened ? KeywordItems(*frame.m_pView) : -1);
        return false;
    }
    return true;
}

// The engine alone on the same file: the XML load (reading and parsing) and
// the store reader (that and the keyword list).
struct EngineRun
{
    double parse = 0;
    double reader = 0;
};

EngineRun RunEngine(const std::string& file)
{
    EngineRun run;
    double start = Now();
    {
        XmlDocument document(XmlParseAll, true, 4);
        document.Load(file.c_str(), XmlKeepOptions);
    }
    run.parse = Now() - start;
    start = Now();
    {
        KeywordGroup group;
        group.ConfReader(file.c_str());
    }
    run.reader = Now() - start;
    return run;
}

// The best of the runs by their total; each run's profile is its own.
template <class Run>
const Run& Best(const std::vector<Run>& runs, const std::function<double(const Run&)>& total)
{
    return *std::min_element(runs.begin(), runs.end(),
                             [&](const Run& a, const Run& b) { return total(a) < total(b); });
}

double Ms(double seconds)
{
    return seconds * 1000;
}

void PrintViewRun(const char* what, int n, const ViewRun& run, const EngineRun& engine)
{
    const double list = std::max(0.0, engine.reader - engine.parse);
    printf(
        "  %-26s %7d: %7.0f ms (%5.2f us a keyword) = read+parse %5.0f, list %5.0f, other %5.0f | fill %5.0f"
        " | after fill %6.0f || paint %4.0f",
        what, n, Ms(run.total), run.total * 1e6 / n, Ms(engine.parse), Ms(list),
        Ms(std::max(0.0, run.before - engine.reader)), Ms(run.fill), Ms(run.after), Ms(run.paint));
    if (run.focus >= 0)
        printf(", focus %5.0f", Ms(run.focus));
    printf("\n");
    printf("  %-26s %7s  tree messages:", "", "");
    for (int kind = 0; kind < KindCount; ++kind)
    {
        if (run.profile.counts[kind] != 0)
            printf(" %s %d %.0f ms;", kKindNames[kind], run.profile.counts[kind],
                   Ms(run.profile.seconds[kind]));
    }
    printf("\n");
}

// Runs a case at every size in turn, unless the n-squared estimate from the
// size before says it would take too long; prints what it skipped.
void ForEachSize(const char* what, const std::function<double(int n)>& runCase)
{
    double previous = 0;
    int previousN = 0;
    for (int n : kSizes)
    {
        if (previousN != 0)
        {
            const double ratio = (double)n / previousN;
            const double estimate = previous * ratio * ratio;
            if (estimate > kLongestCase)
            {
                printf("  %-26s %7d: not run (n-squared estimate from %d: %.0f s)\n", what, n, previousN,
                       estimate);
                continue;
            }
        }
        previous = runCase(n);
        previousN = n;
    }
}

void ViewFigures()
{
    const std::string emptyFolder = MakeFolder("import-empty");
    ::DeleteFileA((emptyFolder + "\\conf.xml").c_str());
    printf(
        "Keyword tree view, keywords without news (best of %d at 2,000 and 20,000, one run at 200,000):\n"
        "  import: into an empty list; replace: the same file into the list it holds already;\n"
        "  start-up: the view made over the file as its store. Before the fill: the file read and parsed,\n"
        "  the keyword list built, other work (the old list removed); after the fill: its end (the root's\n"
        "  expansion and selection), for an import the keywords' length check. Then, after the call: the\n"
        "  paint, and at start-up the focus given to the view until painted again. The tree's messages:\n"
        "  their count and the time inside the outermost ones, by kind.\n",
        kRuns);
    for (const char* what : {"import", "replace", "start-up"})
    {
        ForEachSize(what, [&](int n) -> double {
            const std::string folder = MakeFolder("import-" + std::to_string(n));
            const std::string file = folder + "\\conf.xml";
            if (!WriteKeywordFile(file, n))
            {
                g_failed = true;
                return 0;
            }
            const int runs = n >= 200000 ? 1 : kRuns;
            std::vector<ViewRun> viewRuns(runs);
            std::vector<EngineRun> engineRuns;
            for (ViewRun& run : viewRuns)
            {
                const bool done = what[0] == 'i'   ? RunImport(emptyFolder, file, n, run)
                                  : what[0] == 'r' ? RunImport(folder, file, n, run)
                                                   : RunStartup(folder, n, run);
                if (!done)
                {
                    g_failed = true;
                    return 0;
                }
                engineRuns.push_back(RunEngine(file));
            }
            const ViewRun& best = Best<ViewRun>(viewRuns, [](const ViewRun& run) { return run.total; });
            const EngineRun& engine =
                Best<EngineRun>(engineRuns, [](const EngineRun& run) { return run.reader; });
            PrintViewRun(what, n, best, engine);
            fflush(stdout);
            return best.total;
        });
    }
}

// ---------------------------------------------------------------------------
// The system's tree control alone.

enum InsertWay
{
    RedrawOn,
    ControlRedrawOff, // the control's own WM_SETREDRAW
    WindowRedrawOff,  // the default window procedure's WM_SETREDRAW
    BothRedrawOff,
    BothOffAfterHandle, // both off, inserted after the previous child's handle
    WayCount
};
const char* const kWayNames[WayCount] = {"drawing on", "control's WM_SETREDRAW off",
                                         "window's WM_SETREDRAW off", "both off", "both off, after a handle"};

// How every child of the root goes.
enum ClearWay
{
    FirstToLast,
    LastToFirst,
    ParentItem,  // the root item deleted, its children with it
    AllItems,    // TVI_ROOT deleted: every item
    DestroyTree, // the control destroyed
    ClearWayCount
};
const char* const kClearWayNames[ClearWayCount] = {"first to last", "last to first", "the parent item",
                                                   "TVI_ROOT", "the control destroyed"};

// Turns the drawing off the given way, and on again (the tree painted) by Restore.
class RedrawOff
{
public:
    RedrawOff(HWND hTree, InsertWay way)
        : m_hTree(hTree),
          m_bControl(way == ControlRedrawOff || way == BothRedrawOff || way == BothOffAfterHandle),
          m_bWindow(way == WindowRedrawOff || way == BothRedrawOff || way == BothOffAfterHandle)
    {
        if (m_bControl)
            ::SendMessageA(m_hTree, WM_SETREDRAW, FALSE, 0);
        if (m_bWindow)
            ::DefWindowProcA(m_hTree, WM_SETREDRAW, FALSE, 0);
    }
    void Restore()
    {
        if (m_bWindow)
            ::DefWindowProcA(m_hTree, WM_SETREDRAW, TRUE, 0);
        if (m_bControl)
            ::SendMessageA(m_hTree, WM_SETREDRAW, TRUE, 0);
        ::RedrawWindow(m_hTree, NULL, NULL, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    }

private:
    HWND m_hTree;
    bool m_bControl;
    bool m_bWindow;
};

class RawTree
{
public:
    RawTree()
    {
        m_hHost = ::CreateWindowExA(0, "STATIC", "raw tree", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 440, 20, 400,
                                    700, NULL, NULL, NULL, NULL);
        RECT client;
        ::GetClientRect(m_hHost, &client);
        m_hTree = ::CreateWindowExA(0, WC_TREEVIEWA, "",
                                    WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                                    0, 0, client.right, client.bottom, m_hHost, NULL, NULL, NULL);
        m_hRoot = Insert(TVI_ROOT, TVI_LAST, "root");
        PumpPending();
    }
    ~RawTree()
    {
        ::DestroyWindow(m_hHost);
        PumpPending();
    }
    RawTree(const RawTree&) = delete;
    RawTree& operator=(const RawTree&) = delete;

    HTREEITEM Insert(HTREEITEM hParent, HTREEITEM hAfter, const char* text)
    {
        TVINSERTSTRUCTA insert = {};
        insert.hParent = hParent;
        insert.hInsertAfter = hAfter;
        insert.item.mask = TVIF_TEXT | TVIF_STATE;
        insert.item.pszText = const_cast<char*>(text);
        insert.item.stateMask = TVIS_BOLD;
        return (HTREEITEM)::SendMessageA(m_hTree, TVM_INSERTITEMA, 0, (LPARAM)&insert);
    }

    // Seconds for n children of the root inserted the given way, the drawing
    // back on and the tree painted. An expanded root has one child already.
    double Fill(int n, InsertWay way, bool expanded)
    {
        if (expanded)
        {
            Insert(m_hRoot, TVI_LAST, "first");
            ::SendMessageA(m_hTree, TVM_EXPAND, TVE_EXPAND, (LPARAM)m_hRoot);
        }
        const double start = Now();
        RedrawOff off(m_hTree, way);
        HTREEITEM hAfter = TVI_LAST;
        m_items.clear();
        m_items.reserve(n);
        for (int k = 0; k < n; ++k)
        {
            HTREEITEM hItem = Insert(m_hRoot, hAfter, KeywordName(k).c_str());
            m_items.push_back(hItem);
            if (way == BothOffAfterHandle)
                hAfter = hItem;
        }
        off.Restore();
        return Now() - start;
    }

    // Seconds for deleting every child of Fill the given way, the drawing
    // off (both ways) unless the window is destroyed.
    double Clear(ClearWay way)
    {
        const double start = Now();
        if (way == DestroyTree)
        {
            ::DestroyWindow(m_hTree);
            m_hTree = NULL;
            m_items.clear();
            return Now() - start;
        }
        RedrawOff off(m_hTree, BothRedrawOff);
        if (way == FirstToLast)
            for (HTREEITEM hItem : m_items)
                ::SendMessageA(m_hTree, TVM_DELETEITEM, 0, (LPARAM)hItem);
        else if (way == LastToFirst)
            for (auto it = m_items.rbegin(); it != m_items.rend(); ++it)
                ::SendMessageA(m_hTree, TVM_DELETEITEM, 0, (LPARAM)*it);
        else if (way == ParentItem)
            ::SendMessageA(m_hTree, TVM_DELETEITEM, 0, (LPARAM)m_hRoot);
        else
            ::SendMessageA(m_hTree, TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT);
        off.Restore();
        m_items.clear();
        return Now() - start;
    }

    // Seconds for the control's drawing turned off and on again, nothing changed.
    double RedrawToggle()
    {
        const double start = Now();
        RedrawOff off(m_hTree, ControlRedrawOff);
        off.Restore();
        return Now() - start;
    }

    // Microseconds for one TVM_GETITEMSTATE on the item, the mean of many.
    double StateMicroseconds(HTREEITEM hItem)
    {
        const int kCalls = 200;
        const double start = Now();
        for (int i = 0; i < kCalls; ++i)
            ::SendMessageA(m_hTree, TVM_GETITEMSTATE, (WPARAM)hItem, TVIS_SELECTED);
        return (Now() - start) * 1e6 / kCalls;
    }

    // Seconds for a walk over every visible item reading its state, as a
    // selection over the whole tree makes it.
    double Walk()
    {
        const double start = Now();
        for (HTREEITEM hItem = (HTREEITEM)::SendMessageA(m_hTree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
             hItem != NULL;
             hItem = (HTREEITEM)::SendMessageA(m_hTree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, (LPARAM)hItem))
            ::SendMessageA(m_hTree, TVM_GETITEMSTATE, (WPARAM)hItem, TVIS_SELECTED);
        return Now() - start;
    }

    const std::vector<HTREEITEM>& Items() const { return m_items; }

private:
    HWND m_hHost = NULL;
    HWND m_hTree = NULL;
    HTREEITEM m_hRoot = NULL;
    std::vector<HTREEITEM> m_items;
};

// Prints one figure of the control alone; returns it.
double PrintSeconds(const char* what, int n, double seconds)
{
    printf("  %-26s %7d: %9.0f ms (%.2f us an item)\n", what, n, Ms(seconds), seconds * 1e6 / n);
    fflush(stdout);
    return seconds;
}

void RawTreeFigures()
{
    printf("The system's tree control alone: a root and N children inserted last (one run each):\n");
    for (bool expanded : {false, true})
    {
        printf("  inserted under a root that is %s:\n",
               expanded ? "expanded (one child before)" : "collapsed");
        for (int way = 0; way < WayCount; ++way)
        {
            ForEachSize(kWayNames[way], [&](int n) {
                RawTree tree;
                return PrintSeconds(kWayNames[way], n, tree.Fill(n, (InsertWay)way, expanded));
            });
        }
    }
    printf("  every child deleted (the root expanded, the drawing off both ways):\n");
    for (int way = 0; way < ClearWayCount; ++way)
    {
        ForEachSize(kClearWayNames[way], [&](int n) {
            RawTree tree;
            tree.Fill(n, BothRedrawOff, true);
            return PrintSeconds(kClearWayNames[way], n, tree.Clear((ClearWay)way));
        });
    }
    printf("  the control's WM_SETREDRAW off and on again, nothing changed, the root expanded:\n");
    ForEachSize("redraw off and on", [&](int n) {
        RawTree tree;
        tree.Fill(n, BothRedrawOff, true);
        return PrintSeconds("redraw off and on", n, tree.RedrawToggle());
    });
    printf("  one item message (TVM_GETITEMSTATE) and a walk over every item (TVGN_NEXTVISIBLE + "
           "TVM_GETITEMSTATE):\n");
    ForEachSize("walk", [&](int n) {
        RawTree tree;
        tree.Fill(n, BothRedrawOff, true);
        const double first = tree.StateMicroseconds(tree.Items().front());
        const double last = tree.StateMicroseconds(tree.Items().back());
        const double walk = tree.Walk();
        printf("  %-26s %7d: first child %.2f us, last child %.2f us; walk %.0f ms (%.2f us an item)\n", "",
               n, first, last, Ms(walk), walk * 1e6 / n);
        fflush(stdout);
        return walk;
    });
}

} // namespace

// With "view" or "tree" as the argument, only those figures.
int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    const std::string only = argc > 1 ? argv[1] : "";
    if (only != "tree")
        ViewFigures();
    if (only != "view")
        RawTreeFigures();
    return g_failed ? 1 : 0;
}
