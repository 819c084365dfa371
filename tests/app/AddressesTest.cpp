#include "app/Addresses.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const char kKey[] = "Software\\Quorvane\\TidewatchAddressTest";

void Store(LPCSTR name, DWORD type, const void* data, DWORD size)
{
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, NULL, 0, KEY_WRITE, NULL, &hKey, NULL));
    ::RegSetValueExA(hKey, name, 0, type, (const BYTE*)data, size);
    ::RegCloseKey(hKey);
}

} // namespace

TEST(Addresses, StoredTextReplacesTheDefault)
{
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    EXPECT_STREQ("default.example", ReadAddress(HKEY_CURRENT_USER, kKey, "SearchHost", "default.example"));
    Store("SearchHost", REG_SZ, "127.0.0.1:8080", 15);
    EXPECT_STREQ("127.0.0.1:8080", ReadAddress(HKEY_CURRENT_USER, kKey, "SearchHost", "default.example"));
    // Stored without its NUL.
    Store("WebSite", REG_SZ, "http://mirror", 13);
    EXPECT_STREQ("http://mirror", ReadAddress(HKEY_CURRENT_USER, kKey, "WebSite", "x"));
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
}

TEST(Addresses, EmptyOrNumericValuesKeepTheDefault)
{
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    Store("SearchHost", REG_SZ, "", 1);
    DWORD number = 5;
    Store("WebSite", REG_DWORD, &number, sizeof(number));
    EXPECT_STREQ("host", ReadAddress(HKEY_CURRENT_USER, kKey, "SearchHost", "host"));
    EXPECT_STREQ("site", ReadAddress(HKEY_CURRENT_USER, kKey, "WebSite", "site"));
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
}
