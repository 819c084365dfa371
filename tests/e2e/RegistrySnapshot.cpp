#include "RegistrySnapshot.h"

#include <shlwapi.h>

RegistrySnapshot::RegistrySnapshot(HKEY root, const std::string& path)
    : m_root(root), m_path(path), m_existed(false)
{
    HKEY key;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    m_existed = true;
    ReadKey(key, m_key);
    ::RegCloseKey(key);
}

RegistrySnapshot::~RegistrySnapshot()
{
    DeleteRegistryKey(m_root, m_path);
    if (!m_existed)
        return;
    HKEY key;
    if (::RegCreateKeyExA(m_root, m_path.c_str(), 0, NULL, 0, KEY_WRITE, NULL, &key, NULL) != ERROR_SUCCESS)
        return;
    for (const Value& value : m_key.values)
        ::RegSetValueExA(key, value.name.c_str(), 0, value.type, (const BYTE*)value.data.data(),
                         (DWORD)value.data.size());
    for (const Key& subkey : m_key.subkeys)
        WriteKey(key, subkey);
    ::RegCloseKey(key);
}

void RegistrySnapshot::ReadKey(HKEY key, Key& into)
{
    for (DWORD index = 0;; ++index)
    {
        char name[256];
        DWORD nameSize = sizeof name, type = 0, dataSize = 0;
        if (::RegEnumValueA(key, index, name, &nameSize, NULL, &type, NULL, &dataSize) != ERROR_SUCCESS)
            break;
        Value value{name, type, std::string(dataSize, '\0')};
        nameSize = sizeof name;
        ::RegEnumValueA(key, index, name, &nameSize, NULL, &type, (BYTE*)&value.data[0], &dataSize);
        value.data.resize(dataSize);
        into.values.push_back(value);
    }
    for (DWORD index = 0;; ++index)
    {
        char name[256];
        DWORD nameSize = sizeof name;
        if (::RegEnumKeyExA(key, index, name, &nameSize, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
            break;
        HKEY subkey;
        if (::RegOpenKeyExA(key, name, 0, KEY_READ, &subkey) != ERROR_SUCCESS)
            continue;
        Key read;
        read.name = name;
        ReadKey(subkey, read);
        ::RegCloseKey(subkey);
        into.subkeys.push_back(read);
    }
}

void RegistrySnapshot::WriteKey(HKEY parent, const Key& key)
{
    HKEY created;
    if (::RegCreateKeyExA(parent, key.name.c_str(), 0, NULL, 0, KEY_WRITE, NULL, &created, NULL)
        != ERROR_SUCCESS)
        return;
    for (const Value& value : key.values)
        ::RegSetValueExA(created, value.name.c_str(), 0, value.type, (const BYTE*)value.data.data(),
                         (DWORD)value.data.size());
    for (const Key& subkey : key.subkeys)
        WriteKey(created, subkey);
    ::RegCloseKey(created);
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
