#include "app/Addresses.h"

#include "app/FrameOptions.h"
#include "engine/HttpClient.h"

const char kDefaultWebSite[] = "http://www.quorvane.example";

CString ReadAddress(HKEY root, LPCSTR keyPath, LPCSTR valueName, LPCSTR lpszDefault)
{
    HKEY hKey = NULL;
    if (::RegOpenKeyExA(root, keyPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return lpszDefault;
    char text[512];
    DWORD type = 0, size = sizeof(text) - 1;
    LONG result = ::RegQueryValueExA(hKey, valueName, NULL, &type, (BYTE*)text, &size);
    ::RegCloseKey(hKey);
    if (result != ERROR_SUCCESS || type != REG_SZ || size == 0)
        return lpszDefault;
    text[size] = '\0'; // a stored text need not end in a NUL
    return text[0] != '\0' ? CString(text) : CString(lpszDefault);
}

CString NewsSearchHost()
{
    return ReadAddress(HKEY_CURRENT_USER, kOptionsKey, "SearchHost", HttpClient::NewsSearchHost);
}

CString MakerWebSite()
{
    return ReadAddress(HKEY_CURRENT_USER, kOptionsKey, "WebSite", kDefaultWebSite);
}
