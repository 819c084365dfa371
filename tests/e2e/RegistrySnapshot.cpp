#include "RegistrySnapshot.h"

#include <shlwapi.h>

RegistrySnapshot::RegistrySnapshot(HKEY root, const std::string& path)
    : m_root(root), m_path(path), m_existed(false)
{
    static int s_nCopies = 0;
    m_copy = "Software\\Quorvane\\Snapshot " + std::to_string(::GetCurrentProcessId()) + "."
             + std::to_string(++s_nCopies);
    HKEY key, copy;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, m_copy.c_str(), 0, NULL, 0, KEY_WRITE, NULL, &copy, NULL)
        == ERROR_SUCCESS)
    {
        m_existed = ::SHCopyKeyA(key, NULL, copy, 0) == ERROR_SUCCESS;
        ::RegCloseKey(copy);
    }
    ::RegCloseKey(key);
}

RegistrySnapshot::~RegistrySnapshot()
{
    DeleteRegistryKey(m_root, m_path);
    HKEY copy, key;
    if (m_existed && ::RegOpenKeyExA(HKEY_CURRENT_USER, m_copy.c_str(), 0, KEY_READ, &copy) == ERROR_SUCCESS)
    {
        if (::RegCreateKeyExA(m_root, m_path.c_str(), 0, NULL, 0, KEY_WRITE, NULL, &key, NULL)
            == ERROR_SUCCESS)
        {
            ::SHCopyKeyA(copy, NULL, key, 0);
            ::RegCloseKey(key);
        }
        ::RegCloseKey(copy);
    }
    DeleteRegistryKey(HKEY_CURRENT_USER, m_copy);
}

namespace {

bool WriteValue(HKEY root, const std::string& path, const char* name, DWORD type, const void* data,
                DWORD size)
{
    HKEY key;
    if (::RegCreateKeyExA(root, path.c_str(), 0, NULL, 0, KEY_WRITE, NULL, &key, NULL) != ERROR_SUCCESS)
        return false;
    bool ok = ::RegSetValueExA(key, name, 0, type, (const BYTE*)data, size) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return ok;
}

} // namespace

bool WriteRegistryNumber(HKEY root, const std::string& path, const char* name, DWORD value)
{
    return WriteValue(root, path, name, REG_DWORD, &value, sizeof value);
}

bool WriteRegistryText(HKEY root, const std::string& path, const char* name, const std::string& text)
{
    return WriteValue(root, path, name, REG_SZ, text.c_str(), (DWORD)text.size() + 1);
}

bool DeleteRegistryKey(HKEY root, const std::string& path)
{
    DWORD result = ::SHDeleteKeyA(root, path.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}
