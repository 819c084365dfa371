#include "NotificationArea.h"

#include "RemoteMemory.h"

#include <commctrl.h>
#include <shellapi.h>
#include <string.h>

#include <set>

namespace {

const int kBalloonStyle = 0x40; // TTS_BALLOON
const SIZE_T kTextOffset = 1024;
const SIZE_T kTextChars = 1024;
// How far into the balloon window's data the title pointer is looked for.
const SIZE_T kDataSpan = 4096;
const char kCalibrationTitle[] = "Driver calibration title";

// Where TTTOOLINFOW keeps its fields for 4- and 8-byte pointers.
struct ToolLayout
{
    SIZE_T size, hwnd, rect, text;
};
const ToolLayout kNarrowTool = {48, 8, 16, 36};
const ToolLayout kWideTool = {72, 8, 24, 48};

void PutPointer(unsigned char* block, SIZE_T offset, ULONG_PTR value, bool wide)
{
    unsigned long long wideValue = value;
    memcpy(block + offset, &wideValue, wide ? 8 : 4);
}

ULONG_PTR GetPointer(const unsigned char* block, SIZE_T offset, bool wide)
{
    unsigned long long value = 0;
    memcpy(&value, block + offset, wide ? 8 : 4);
    // A pointer this process cannot hold is not one it can follow.
    return value > (ULONG_PTR)-1 ? 0 : (ULONG_PTR)value;
}

DWORD ProcessOf(HWND hwnd)
{
    DWORD processId = 0;
    ::GetWindowThreadProcessId(hwnd, &processId);
    return processId;
}

BOOL CALLBACK CollectTooltip(HWND hwnd, LPARAM lParam)
{
    auto* found = (std::pair<DWORD, std::vector<HWND>>*)lParam;
    char name[64];
    if (ProcessOf(hwnd) == found->first && ::GetClassNameA(hwnd, name, sizeof name)
        && lstrcmpiA(name, TOOLTIPS_CLASSA) == 0)
        found->second.push_back(hwnd);
    return TRUE;
}

bool SameBalloon(const Balloon& a, const Balloon& b)
{
    return a.title == b.title && a.text == b.text;
}

// A hidden window of the driver's own that owns the calibration icon.
class CalibrationIcon
{
public:
    CalibrationIcon() : m_hwnd(::CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, NULL, NULL, NULL, NULL))
    {
        m_data.cbSize = NOTIFYICONDATAA_V2_SIZE;
        m_data.hWnd = m_hwnd;
        m_data.uID = 1;
        m_data.uFlags = NIF_ICON | NIF_TIP;
        m_data.hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
        lstrcpyA(m_data.szTip, "driver");
        ::Shell_NotifyIconA(NIM_ADD, &m_data);
    }
    ~CalibrationIcon()
    {
        ::Shell_NotifyIconA(NIM_DELETE, &m_data);
        ::DestroyWindow(m_hwnd);
    }
    void ShowBalloon(const char* title, const char* text)
    {
        m_data.uFlags = NIF_INFO;
        lstrcpyA(m_data.szInfoTitle, title);
        lstrcpyA(m_data.szInfo, text);
        m_data.uTimeout = 10000;
        m_data.dwInfoFlags = NIIF_INFO;
        ::Shell_NotifyIconA(NIM_MODIFY, &m_data);
    }

private:
    HWND m_hwnd;
    NOTIFYICONDATAA m_data = {};
};

// Lets the driver's own window handle what the shell sends it.
void PumpFor(DWORD ms)
{
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms)
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::Sleep(20);
    }
}

} // namespace

NotificationArea::NotificationArea() : m_shellProcess(0), m_titleOffset(0)
{
    HWND tray = ::FindWindowA("Shell_TrayWnd", NULL);
    if (tray != NULL)
        m_shellProcess = ProcessOf(tray);
}

NotificationArea::~NotificationArea()
{}

std::vector<HWND> NotificationArea::ShellTooltips() const
{
    std::pair<DWORD, std::vector<HWND>> found(m_shellProcess, {});
    if (m_shellProcess != 0)
        ::EnumWindows(CollectTooltip, (LPARAM)&found);
    return found.second;
}

bool NotificationArea::ReadTool(HWND tooltip, int index, Tool& tool) const
{
    RemoteMemory block(m_shellProcess, kTextOffset + kTextChars * sizeof(wchar_t));
    bool wide = block.HasWidePointers();
    const ToolLayout& layout = wide ? kWideTool : kNarrowTool;
    unsigned char info[72] = {};
    *(UINT*)info = (UINT)layout.size;
    PutPointer(info, layout.text, block.Address(kTextOffset), wide);
    const wchar_t empty = L'\0';
    DWORD_PTR ok = 0;
    if (!block.Write(0, info, layout.size) || !block.Write(kTextOffset, &empty, sizeof empty)
        || !::SendMessageTimeoutW(tooltip, TTM_ENUMTOOLSW, index, (LPARAM)block.Address(0), SMTO_BLOCK, 2000,
                                  &ok)
        || !ok || !block.Read(0, info, layout.size))
        return false;
    tool.text = block.ReadWideText(kTextOffset, kTextChars - 1);
    tool.hwnd = (HWND)GetPointer(info, layout.hwnd, wide);
    memcpy(&tool.rect, info + layout.rect, sizeof tool.rect);
    return true;
}

ULONG_PTR NotificationArea::BalloonData(HWND balloon) const
{
    // The tooltip keeps its data's address in its first window word; only the
    // low half is readable from here, so the address is checked: the data
    // begins with the window's own handle.
    ULONG_PTR address = (DWORD)::GetWindowLongW(balloon, 0);
    RemoteMemory reader(m_shellProcess, 16);
    bool wide = reader.HasWidePointers();
    unsigned char self[8] = {};
    if (address == 0 || !reader.ReadAt(address, self, wide ? 8 : 4)
        || GetPointer(self, 0, wide) != (ULONG_PTR)balloon)
        return 0;
    return address;
}

std::string NotificationArea::ReadTitle(HWND balloon) const
{
    ULONG_PTR data = BalloonData(balloon);
    if (m_titleOffset == 0 || data == 0)
        return std::string();
    RemoteMemory reader(m_shellProcess, 16);
    bool wide = reader.HasWidePointers();
    unsigned char pointer[8] = {};
    if (!reader.ReadAt(data + m_titleOffset, pointer, wide ? 8 : 4))
        return std::string();
    ULONG_PTR title = GetPointer(pointer, 0, wide);
    return title != 0 ? reader.ReadWideTextAt(title, 64) : std::string();
}

bool NotificationArea::Calibrate()
{
    if (!IsPresent())
        return false;
    CalibrationIcon icon;
    PumpFor(200);
    icon.ShowBalloon(kCalibrationTitle, "calibration");
    DWORD start = ::GetTickCount();
    while (m_titleOffset == 0 && ::GetTickCount() - start < 15000)
    {
        PumpFor(100);
        for (HWND tooltip : ShellTooltips())
        {
            Tool tool;
            ULONG_PTR data = BalloonData(tooltip);
            if (!::IsWindowVisible(tooltip) || data == 0 || !ReadTool(tooltip, 0, tool)
                || tool.text != "calibration")
                continue;
            RemoteMemory reader(m_shellProcess, 16);
            bool wide = reader.HasWidePointers();
            std::vector<unsigned char> block(kDataSpan);
            if (!reader.ReadAt(data, block.data(), block.size()))
                continue;
            for (SIZE_T offset = 0; offset + 8 <= block.size() && m_titleOffset == 0; offset += 4)
            {
                ULONG_PTR candidate = GetPointer(block.data(), offset, wide);
                if (candidate != 0 && reader.ReadWideTextAt(candidate, 64) == kCalibrationTitle)
                    m_titleOffset = offset;
            }
        }
    }
    return m_titleOffset != 0;
}

bool NotificationArea::VisibleBalloon(Balloon& balloon) const
{
    for (HWND tooltip : ShellTooltips())
    {
        Tool tool;
        if (::IsWindowVisible(tooltip) && (::GetWindowLongA(tooltip, GWL_STYLE) & kBalloonStyle)
            && ReadTool(tooltip, 0, tool))
        {
            balloon.text = tool.text;
            balloon.title = ReadTitle(tooltip);
            return true;
        }
    }
    return false;
}

std::vector<Balloon> NotificationArea::CollectBalloons(size_t count, DWORD timeoutMs) const
{
    std::vector<Balloon> seen;
    bool showing = false;
    DWORD start = ::GetTickCount();
    while (seen.size() < count && ::GetTickCount() - start < timeoutMs)
    {
        Balloon balloon;
        bool visible = VisibleBalloon(balloon);
        if (visible && (!showing || !SameBalloon(balloon, seen.back())))
            seen.push_back(balloon);
        showing = visible;
        ::Sleep(50);
    }
    return seen;
}

bool NotificationArea::FindIcon(const std::string& tip, RECT& screenRect) const
{
    for (HWND tooltip : ShellTooltips())
    {
        int count = (int)::SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0);
        for (int index = 0; index < count; ++index)
        {
            Tool tool;
            if (ReadTool(tooltip, index, tool) && tool.text == tip && tool.hwnd != NULL)
            {
                screenRect = tool.rect;
                ::MapWindowPoints(tool.hwnd, NULL, (POINT*)&screenRect, 2);
                return !::IsRectEmpty(&screenRect);
            }
        }
    }
    return false;
}

bool NotificationArea::IconPicture(const std::string& tip, DWORD& checksum) const
{
    RECT rect;
    if (!FindIcon(tip, rect))
        return false;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = ::GetDC(NULL);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    bool ok = ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY) != FALSE;
    ::GdiFlush();
    checksum = 0;
    const DWORD* pixels = (const DWORD*)bits;
    for (int i = 0; ok && i < width * height; ++i)
        checksum = checksum * 31 + (pixels[i] & 0xFFFFFF);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(NULL, screen);
    return ok;
}

size_t NotificationArea::DistinctIconPictures(const std::string& tip, DWORD durationMs) const
{
    std::set<DWORD> pictures;
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < durationMs)
    {
        DWORD checksum;
        if (IconPicture(tip, checksum))
            pictures.insert(checksum);
        ::Sleep(100);
    }
    return pictures.size();
}
