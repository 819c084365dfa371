#include "app/Addresses.h"
#include "MainFrameFixture.h"

#include <gtest/gtest.h>

namespace {

const char kKey[] = "Software\\Quorvane\\TidewatchAddressTest";

} // namespace

TEST(Addresses, StoredTextReplacesTheDefault)
{
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    EXPECT_STREQ("default.example", ReadAddress(HKEY_CURRENT_USER, kKey, "SearchHost", "default.example"));
    SetRegistryValue(kKey, "SearchHost", REG_SZ, "127.0.0.1:8080", 15);
    EXPECT_STREQ("127.0.0.1:8080", ReadAddress(HKEY_CURRENT_USER, kKey, "SearchHost", "default.example"));
    // Stored without its NUL.
    SetRegistryValue(kKey, "WebSite", REG_SZ, "http://mirror", 13);
    EXPECT_STREQ("http://mirror", ReadAddress(HKEY_CURRENT_USER, kKey, "WebSite", "x"));
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
}

TEST(Addresses, EmptyOrNumericValuesKeepTheDefault)
{
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    SetRegistryValue(kKey, "SearchHost", REG_SZ, "", 1);
    DWORD number = 5;
    SetRegistryValue(kKey, "WebSite", REG_DWORD, &number, sizeof(number));
    EXPECT_STREQ("host", ReadAddress(HKEY_CURRENT_USER, kKey, "SearchHost", "host"));
    EXPECT_STREQ("site", ReadAddress(HKEY_CURRENT_USER, kKey, "WebSite", "site"));
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
}
