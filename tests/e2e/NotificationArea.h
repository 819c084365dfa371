#pragma once
// What the shell of the virtual desktop shows in its notification area, read
// from outside: the balloon on screen (its title and text) and the picture of
// a tray icon. The shell keeps both in tooltip windows of its own process:
// the balloon is a visible balloon tooltip whose one tool holds the text,
// and every icon is a tool of another tooltip, with the icon's tooltip text
// and its rectangle in the tray. Tools are read with TTM_ENUMTOOLSW into a
// block of the shell's memory, in the layout of the shell's pointer width.
// A balloon's title is not readable through a message, so Calibrate shows a
// balloon of the driver's own with a known title once and learns where the
// balloon window's data keeps its title pointer.
#include <windows.h>

#include <string>
#include <vector>

struct Balloon
{
    std::string title;
    std::string text;
};

class NotificationArea
{
public:
    NotificationArea();
    NotificationArea(const NotificationArea&) = delete;
    NotificationArea& operator=(const NotificationArea&) = delete;
    ~NotificationArea();

    // True when the desktop shows a notification area.
    bool IsPresent() const { return m_shellProcess != 0; }
    // Shows a balloon with a known title from an icon of the driver's own and
    // learns where the balloon keeps its title; false when it cannot.
    bool Calibrate();
    bool KnowsTitles() const { return m_titleOffset != 0; }

    // The balloon on screen, if any (its title is empty before Calibrate).
    bool VisibleBalloon(Balloon& balloon) const;
    // Collects balloons as they come and go until count were seen or the time
    // is up; a balloon is new when it appears or changes.
    std::vector<Balloon> CollectBalloons(size_t count, DWORD timeoutMs) const;

    // The screen rectangle of the tray icon whose tooltip is tip.
    bool FindIcon(const std::string& tip, RECT& screenRect) const;
    // A checksum of the icon's pixels on screen.
    bool IconPicture(const std::string& tip, DWORD& checksum) const;
    // The distinct pictures the icon shows during the given time.
    size_t DistinctIconPictures(const std::string& tip, DWORD durationMs) const;

private:
    struct Tool
    {
        std::string text;
        HWND hwnd;
        RECT rect;
    };
    std::vector<HWND> ShellTooltips() const;
    bool ReadTool(HWND tooltip, int index, Tool& tool) const;
    std::string ReadTitle(HWND balloon) const;
    ULONG_PTR BalloonData(HWND balloon) const;

    DWORD m_shellProcess;
    SIZE_T m_titleOffset;
};
