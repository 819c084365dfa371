// FrameOptions: the program's options and pane sizes, kept as REG_DWORD
// values under HKEY_CURRENT_USER "Software\Quorvane\Tidewatch\Profile".
//
//   FrameOptions options;                         // the defaults
//   options.Load(HKEY_CURRENT_USER, kOptionsKey); // missing values keep them
//   RegistryOptionWriter writer(HKEY_CURRENT_USER, kOptionsKey);
//   if (!options.Save(writer)) ...                // report the failure once
//
// The main frame owns one record; the Options dialog edits its eight options.
#pragma once
#include <windows.h>

extern const char kOptionsKey[];

// Receives the values of a save, one at a time in the stored order.
class OptionWriter
{
public:
    virtual ~OptionWriter() {}
    // FALSE when the value could not be written.
    virtual BOOL Write(LPCSTR name, DWORD value) = 0;
};

// Writes into a registry key, created when missing.
class RegistryOptionWriter : public OptionWriter
{
public:
    RegistryOptionWriter(HKEY root, LPCSTR keyPath);
    ~RegistryOptionWriter() override;
    RegistryOptionWriter(const RegistryOptionWriter&) = delete;
    RegistryOptionWriter& operator=(const RegistryOptionWriter&) = delete;

    BOOL IsOpen() const { return m_hKey != NULL; }
    BOOL Write(LPCSTR name, DWORD value) override;

private:
    HKEY m_hKey;
};

struct FrameOptions
{
    // The eight options.
    DWORD autoCheckEvery = 1;
    DWORD playSoundOnNews = 1;
    DWORD autoCheckOnStart = 1;
    DWORD showSummary = 1;
    DWORD showSummaryOnStart = 0;
    DWORD autoCheckInterval = 30; // minutes
    DWORD alertTime = 10;         // seconds, 10..30
    DWORD checkUpgrade = 0;
    // The six sizes, pixels.
    DWORD frameWidth = 800;
    DWORD frameHeight = 550;
    DWORD treeWidth = 175;
    DWORD treeHeight = 400;
    DWORD lookWidth = 375;
    DWORD lookHeight = 200;

    // Reads every value; a missing key changes nothing, a missing or
    // unreadable value takes its default. AlertTime is limited to 10..30.
    void Load(HKEY root, LPCSTR keyPath);
    // Hands all fourteen values to the writer in their stored order, even
    // after a failure; FALSE when any of them failed.
    BOOL Save(OptionWriter& writer) const;

    // The options' ranges, which the Options dialog's OK applies to typed
    // values and the checks to the stored interval: minutes 5..3600, seconds
    // 10..30; below or above, the nearest end.
    static DWORD LimitCheckInterval(DWORD minutes);
    static DWORD LimitAlertTime(DWORD seconds);
    // The check timer's period for an interval in minutes as stored.
    static UINT CheckIntervalMilliseconds(DWORD minutes);
    // The frame size of a start: the stored size, no larger than the screen.
    static SIZE ClampToScreen(SIZE stored, SIZE screen);
};
