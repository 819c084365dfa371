#include "app/FrameOptions.h"

const char kOptionsKey[] = "Software\\Quorvane\\Tidewatch\\Profile";

namespace {

struct OptionEntry
{
    LPCSTR name;
    DWORD FrameOptions::*member;
};

// The stored order of the values.
const OptionEntry kEntries[] = {
    {"FrameWidth", &FrameOptions::frameWidth},
    {"FrameHeight", &FrameOptions::frameHeight},
    {"TreeWidth", &FrameOptions::treeWidth},
    {"TreeHeight", &FrameOptions::treeHeight},
    {"LookWidth", &FrameOptions::lookWidth},
    {"LookHeight", &FrameOptions::lookHeight},
    {"AutoCheckOnStart", &FrameOptions::autoCheckOnStart},
    {"AutoCheckEvery", &FrameOptions::autoCheckEvery},
    {"ShowSummary", &FrameOptions::showSummary},
    {"ShowSummaryOnStart", &FrameOptions::showSummaryOnStart},
    {"PlaySoundOnNews", &FrameOptions::playSoundOnNews},
    {"AutoCheckInterval", &FrameOptions::autoCheckInterval},
    {"AlertTime", &FrameOptions::alertTime},
    {"CheckUpgrade", &FrameOptions::checkUpgrade},
};

} // namespace

RegistryOptionWriter::RegistryOptionWriter(HKEY root, LPCSTR keyPath) : m_hKey(NULL)
{
    if (::RegCreateKeyExA(root, keyPath, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_WRITE, NULL, &m_hKey, NULL)
        != ERROR_SUCCESS)
        m_hKey = NULL;
}

RegistryOptionWriter::~RegistryOptionWriter()
{
    if (m_hKey != NULL)
        ::RegCloseKey(m_hKey);
}

BOOL RegistryOptionWriter::Write(LPCSTR name, DWORD value)
{
    return m_hKey != NULL
           && ::RegSetValueExA(m_hKey, name, 0, REG_DWORD, (const BYTE*)&value, sizeof(value))
                  == ERROR_SUCCESS;
}

void FrameOptions::Load(HKEY root, LPCSTR keyPath)
{
    HKEY hKey = NULL;
    if (::RegOpenKeyExA(root, keyPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return;
    const FrameOptions defaults;
    for (const OptionEntry& entry : kEntries)
    {
        DWORD value = 0, type = 0, size = sizeof(value);
        LONG result = ::RegQueryValueExA(hKey, entry.name, NULL, &type, (BYTE*)&value, &size);
        BOOL read = result == ERROR_SUCCESS && type == REG_DWORD && size == sizeof(value);
        this->*entry.member = read ? value : defaults.*entry.member;
    }
    ::RegCloseKey(hKey);
    alertTime = LimitAlertTime(alertTime);
}

BOOL FrameOptions::Save(OptionWriter& writer) const
{
    BOOL allWritten = TRUE;
    for (const OptionEntry& entry : kEntries)
        if (!writer.Write(entry.name, this->*entry.member))
            allWritten = FALSE;
    return allWritten;
}

DWORD FrameOptions::LimitCheckInterval(DWORD minutes)
{
    return minutes < 5 ? 5 : minutes > 3600 ? 3600 : minutes;
}

DWORD FrameOptions::LimitAlertTime(DWORD seconds)
{
    return seconds < 10 ? 10 : seconds > 30 ? 30 : seconds;
}

UINT FrameOptions::CheckIntervalMilliseconds(DWORD minutes)
{
    return LimitCheckInterval(minutes) * 60 * 1000;
}

SIZE FrameOptions::ClampToScreen(SIZE stored, SIZE screen)
{
    SIZE size = {stored.cx < screen.cx ? stored.cx : screen.cx,
                 stored.cy < screen.cy ? stored.cy : screen.cy};
    return size;
}
