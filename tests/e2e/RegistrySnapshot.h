#pragma once
// A registry key with all its values and subkeys, copied aside when the
// snapshot is made and put back when it goes: the key is deleted and copied
// back, or only deleted when it did not exist. The suite keeps the user's
// options and bar state this way while each scenario writes its own.
#include <windows.h>

#include <string>

class RegistrySnapshot
{
public:
    RegistrySnapshot(HKEY root, const std::string& path);
    RegistrySnapshot(const RegistrySnapshot&) = delete;
    RegistrySnapshot& operator=(const RegistrySnapshot&) = delete;
    ~RegistrySnapshot();

private:
    HKEY m_root;
    std::string m_path;
    // The copy, under HKEY_CURRENT_USER.
    std::string m_copy;
    bool m_existed;
};

// Writes a REG_DWORD or REG_SZ value, creating the key; false on failure.
bool WriteRegistryNumber(HKEY root, const std::string& path, const char* name, DWORD value);
bool WriteRegistryText(HKEY root, const std::string& path, const char* name, const std::string& text);
// Deletes the key with everything below it; true when it is gone.
bool DeleteRegistryKey(HKEY root, const std::string& path);
