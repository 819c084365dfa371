#pragma once
// What the shell of the virtual desktop shows in its notification area, read
// from outside: the text of the balloon on screen and the picture of a tray
// icon. The shell keeps both in tooltip windows of its own process: the
// balloon is a visible balloon tooltip whose one tool holds the text, and
// every icon is a tool of another tooltip, with the icon's tooltip text and
// its rectangle in the tray. Tools are read with TTM_ENUMTOOLSW into a block
// of the shell's memory, in the layout of the shell's pointer width. (The
// balloon's title is not readable through a message; the tray icon's own
// tests check what it hands the shell.)
#include "StateWait.h"

#include <windows.h>

#include <string>
#include <vector>

class NotificationArea
{
public:
    NotificationArea();
    NotificationArea(const NotificationArea&) = delete;
    NotificationArea& operator=(const NotificationArea&) = delete;

    // True when the desktop shows a notification area.
    bool IsPresent() const { return m_shellProcess != 0; }

    // The text of the balloon on screen, if any.
    bool VisibleBalloon(std::string& text) const;
    // Collects balloon texts as they come and go until count were seen or
    // the time is up; a balloon is new when it appears or changes.
    std::vector<std::string> CollectBalloons(size_t count, DWORD timeoutMs) const;

    // The screen rectangle of the tray icon whose tooltip is tip.
    bool FindIcon(const std::string& tip, RECT& screenRect) const;
    // A checksum of the icon's pixels on screen.
    bool IconPicture(const std::string& tip, DWORD& checksum) const;
    // The distinct pictures the icon shows during the given time.
    size_t DistinctIconPictures(const std::string& tip, DWORD durationMs) const;
    // Waits until the icon has changed its picture three times (an animation
    // does it every half second; a single repaint does not); false after
    // timeoutMs.
    bool IconAnimates(const std::string& tip, DWORD timeoutMs = kStateWaitMs) const;
    // Waits until the icon shows the picture and keeps it through
    // kRestMs of looks (three animation periods); false after timeoutMs.
    bool IconRestsAt(const std::string& tip, DWORD checksum, DWORD timeoutMs = kStateWaitMs) const;
    // Waits until the icon shows one picture in three looks 100 ms apart
    // (the program adds its icon, deletes it and adds it again as it starts,
    // and the shell paints it after each add); false after timeoutMs.
    bool SteadyIconPicture(const std::string& tip, DWORD& checksum, DWORD timeoutMs = kStateWaitMs) const;

    static const DWORD kRestMs = 1500;

private:
    struct Tool
    {
        std::string text;
        HWND hwnd;
        RECT rect;
    };
    std::vector<HWND> ShellTooltips() const;
    bool ReadTool(HWND tooltip, int index, Tool& tool) const;

    DWORD m_shellProcess;
};
