#include "app/WebAddress.h"

#include "app/Addresses.h"
#include "app/AppMessages.h"
#include "engine/CharacterReferences.h"

#include <exdisp.h>
#include <shellapi.h>

namespace {

// The browser object and its interface, named here because the import
// libraries lack them.
const CLSID kClsidInternetExplorer = {0x0002DF01, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kIidWebBrowser2 = {0xD30C1661, 0xCDAF, 0x11D0, {0x8A, 0x3E, 0x00, 0xC0, 0x4F, 0xC9, 0xE2, 0x6E}};

// Shows the address in a new window of the shell's web browser; nothing
// opens when the browser cannot be made.
void NavigateNewBrowser(LPCSTR lpszAddress)
{
    IWebBrowser2* pBrowser = NULL;
    if (FAILED(
            ::CoCreateInstance(kClsidInternetExplorer, NULL, CLSCTX_ALL, kIidWebBrowser2, (void**)&pBrowser)))
        return;
    pBrowser->put_StatusBar(VARIANT_TRUE);
    pBrowser->put_ToolBar(VARIANT_TRUE);
    pBrowser->put_MenuBar(VARIANT_TRUE);
    pBrowser->put_Visible(VARIANT_TRUE);

    int nChars = ::MultiByteToWideChar(CP_ACP, 0, lpszAddress, -1, NULL, 0);
    BSTR bstrAddress = ::SysAllocStringLen(NULL, nChars);
    ::MultiByteToWideChar(CP_ACP, 0, lpszAddress, -1, bstrAddress, nChars);
    VARIANT url, flags, empty;
    ::VariantInit(&url);
    url.vt = VT_BSTR;
    url.bstrVal = bstrAddress;
    ::VariantInit(&flags);
    flags.vt = VT_I4;
    flags.lVal = 0;
    ::VariantInit(&empty);
    pBrowser->Navigate2(&url, &flags, &empty, &empty, &empty);
    ::VariantClear(&url);
    pBrowser->Release();
}

void SystemOpen(LPCSTR lpszAddress, BrowserWindow window)
{
    if (window == NewBrowserWindow)
        NavigateNewBrowser(lpszAddress);
    else
        ::ShellExecuteA(NULL, "Open", lpszAddress, NULL, NULL, SW_SHOWNORMAL);
}

WebAddressOpener g_opener = SystemOpen;

BOOL HasPrefixNoCase(LPCTSTR lpszText, LPCTSTR lpszPrefix)
{
    const int nLength = lstrlenA(lpszPrefix);
    return ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, lpszText, nLength, lpszPrefix, nLength)
           == CSTR_EQUAL;
}

} // namespace

CString MakerWebPage(LPCSTR lpszPath)
{
    return MakerWebSite() + lpszPath;
}

void OpenWebAddress(LPCSTR lpszAddress)
{
    g_opener(lpszAddress, ShellChoosesWindow);
}

BOOL IsWebLink(LPCTSTR lpszLink)
{
    if (lpszLink == NULL)
        return FALSE;
    for (LPCTSTR lpszScheme : {"http://", "https://"})
    {
        if (HasPrefixNoCase(lpszLink, lpszScheme))
        {
            const char chHost = lpszLink[lstrlenA(lpszScheme)];
            return chHost != '\0' && chHost != '/' && (BYTE)chHost > ' ';
        }
    }
    return FALSE;
}

BOOL OpenUrlInNewBrowser(LPCTSTR lpszLink)
{
    // What is tested is what the browser would be given.
    const CString address = DecodeCharacterReferences(lpszLink != NULL ? lpszLink : "");
    if (!IsWebLink(address))
    {
        ::MessageBoxA(::GetActiveWindow(), "Invalid Url", AppTitle(), MB_OK);
        return FALSE;
    }
    g_opener(address, NewBrowserWindow);
    return TRUE;
}

WebAddressOpener SetWebAddressOpener(WebAddressOpener opener)
{
    WebAddressOpener previous = g_opener;
    g_opener = opener != NULL ? opener : SystemOpen;
    return previous;
}
