// The plain frame that bench_app measures Tidewatch.exe against: a top-level
// window of Tidewatch's default size holding a comctl32 tool bar, a tree view,
// a list view and a status bar, and nothing else, built with the same
// compiler and linked the same way. It shows its window, paints it and waits
// in its message loop until it is closed.
#include <windows.h>
#include <commctrl.h>

namespace {

const int kToolBarId = 1, kTreeId = 2, kListId = 3, kStatusId = 4;
const int kTreeWidth = 175;

HWND g_toolBar, g_tree, g_list, g_status;

void CreateChildren(HWND frame)
{
    HINSTANCE instance = GetModuleHandleA(NULL);
    g_toolBar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT, 0, 0, 0, 0, frame,
                                (HMENU)kToolBarId, instance, NULL);
    SendMessageA(g_toolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBADDBITMAP bitmap = {HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    SendMessageA(g_toolBar, TB_ADDBITMAP, 0, (LPARAM)&bitmap);
    TBBUTTON buttons[] = {{STD_FILENEW, 100, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0},
                          {STD_DELETE, 101, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0},
                          {0, 0, 0, BTNS_SEP, {0}, 0, 0},
                          {STD_FIND, 102, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0},
                          {STD_PROPERTIES, 103, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0}};
    SendMessageA(g_toolBar, TB_ADDBUTTONSA, sizeof buttons / sizeof buttons[0], (LPARAM)buttons);

    g_tree = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                             WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, 0, 0, 0, 0,
                             frame, (HMENU)kTreeId, instance, NULL);
    TVINSERTSTRUCTA insert = {};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = (LPSTR) "Root";
    SendMessageA(g_tree, TVM_INSERTITEMA, 0, (LPARAM)&insert);

    g_list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 0, 0,
                             frame, (HMENU)kListId, instance, NULL);
    const char* columns[] = {"Time", "Title", "Url"};
    for (int i = 0; i < 3; ++i)
    {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = i == 0 ? 110 : 200;
        column.pszText = (LPSTR)columns[i];
        SendMessageA(g_list, LVM_INSERTCOLUMNA, i, (LPARAM)&column);
    }

    g_status = CreateWindowExA(0, STATUSCLASSNAMEA, "Idle", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                               frame, (HMENU)kStatusId, instance, NULL);
}

void Layout(HWND frame)
{
    SendMessageA(g_toolBar, TB_AUTOSIZE, 0, 0);
    SendMessageA(g_status, WM_SIZE, 0, 0);
    RECT client, bar, status;
    GetClientRect(frame, &client);
    GetWindowRect(g_toolBar, &bar);
    GetWindowRect(g_status, &status);
    int top = bar.bottom - bar.top;
    int height = client.bottom - top - (status.bottom - status.top);
    MoveWindow(g_tree, 0, top, kTreeWidth, height, TRUE);
    MoveWindow(g_list, kTreeWidth, top, client.right - kTreeWidth, height, TRUE);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_CREATE:
        CreateChildren(hwnd);
        return 0;
    case WM_SIZE:
        Layout(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = instance;
    frameClass.hCursor = LoadCursor(NULL, IDC_ARROW);
    frameClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    frameClass.lpszClassName = "PlainFrame";
    RegisterClassA(&frameClass);
    HWND frame = CreateWindowExA(0, "PlainFrame", "Plain frame", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                 800, 550, NULL, NULL, instance, NULL);
    if (frame == NULL)
        return 1;
    ShowWindow(frame, SW_SHOW);
    UpdateWindow(frame);
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0)
    {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
