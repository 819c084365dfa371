#include "NotificationArea.h"

#include "RemoteMemory.h"
#include "TidewatchProcess.h"

#include <commctrl.h>
#include <shellapi.h>
#include <string.h>

#include <set>

namespace {

const int kBalloonStyle = 0x40; // TTS_BALLOON
const SIZE_T kTextOffset = 1024;
const SIZE_T kTextChars = 1024;
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

} // namespace

NotificationArea::NotificationArea() : m_shellProcess(0)
{
    HWND tray = ::FindWindowA("Shell_TrayWnd", NULL);
    if (tray != NULL)
        m_shellProcess = ProcessOf(tray);
}

std::vector<HWND> NotificationArea::ShellTooltips() const
{
    std::vector<HWND> tooltips;
    FindTopLevel([&](HWND hwnd) {
        if (m_shellProcess != 0 && ProcessOf(hwnd) == m_shellProcess && ClassOf(hwnd) == TOOLTIPS_CLASSA)
            tooltips.push_back(hwnd);
        return false;
    });
    return tooltips;
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

bool NotificationArea::VisibleBalloon(std::string& text) const
{
    for (HWND tooltip : ShellTooltips())
    {
        Tool tool;
        if (::IsWindowVisible(tooltip) && (::GetWindowLongA(tooltip, GWL_STYLE) & kBalloonStyle)
            && ReadTool(tooltip, 0, tool))
        {
            text = tool.text;
            return true;
        }
    }
    return false;
}

std::vector<std::string> NotificationArea::CollectBalloons(size_t count, DWORD timeoutMs) const
{
    std::vector<std::string> seen;
    bool showing = false;
    DWORD start = ::GetTickCount();
    while (seen.size() < count && ::GetTickCount() - start < timeoutMs)
    {
        std::string text;
        bool visible = VisibleBalloon(text);
        if (visible && (!showing || text != seen.back()))
            seen.push_back(text);
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

bool NotificationArea::IconAnimates(const std::string& tip, DWORD timeoutMs) const
{
    int changes = 0;
    DWORD previous = 0;
    bool seen = false;
    DWORD start = ::GetTickCount();
    while (changes < 3 && ::GetTickCount() - start < timeoutMs)
    {
        DWORD picture;
        if (IconPicture(tip, picture))
        {
            if (seen && picture != previous)
                ++changes;
            previous = picture;
            seen = true;
        }
        ::Sleep(100);
    }
    return changes >= 3;
}

bool NotificationArea::IconRestsAt(const std::string& tip, DWORD checksum, DWORD timeoutMs) const
{
    // The rest counts from the first of an unbroken run of looks at the
    // picture, and needs a few looks besides the time, so that a slow look
    // cannot stand for the whole rest.
    const int kLooks = 5;
    int looks = 0;
    DWORD restStart = 0;
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < timeoutMs)
    {
        DWORD picture;
        DWORD now = ::GetTickCount();
        if (!IconPicture(tip, picture) || picture != checksum)
            looks = 0;
        else if (looks++ == 0)
            restStart = now;
        else if (looks >= kLooks && now - restStart >= kRestMs)
            return true;
        ::Sleep(100);
    }
    return false;
}

bool NotificationArea::SteadyIconPicture(const std::string& tip, DWORD& checksum, DWORD timeoutMs) const
{
    int same = 0;
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < timeoutMs)
    {
        DWORD picture;
        if (!IconPicture(tip, picture))
            same = 0;
        else if (same > 0 && picture == checksum)
            ++same;
        else
            same = 1;
        checksum = picture;
        if (same == 3)
            return true;
        ::Sleep(100);
    }
    return false;
}
