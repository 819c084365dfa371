#include "app/WebAddress.h"

#include "app/Addresses.h"

#include <shellapi.h>

namespace {

void ShellOpen(LPCSTR lpszAddress)
{
    ::ShellExecuteA(NULL, "Open", lpszAddress, NULL, NULL, SW_SHOWNORMAL);
}

WebAddressOpener g_opener = ShellOpen;

} // namespace

CString MakerWebPage(LPCSTR lpszPath)
{
    return MakerWebSite() + lpszPath;
}

void OpenWebAddress(LPCSTR lpszAddress)
{
    g_opener(lpszAddress);
}

WebAddressOpener SetWebAddressOpener(WebAddressOpener opener)
{
    WebAddressOpener previous = g_opener;
    g_opener = opener != NULL ? opener : ShellOpen;
    return previous;
}
