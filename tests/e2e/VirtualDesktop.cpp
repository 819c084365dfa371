#include "VirtualDesktop.h"

#include "RegistrySnapshot.h"
#include "StateWait.h"

#include <stdio.h>

const char VirtualDesktop::kName[] = "tidewatch-e2e";
const char VirtualDesktop::kSizesKey[] = "Software\\Wine\\Explorer\\Desktops";

bool VirtualDesktop::Enter()
{
    if (!WriteRegistryText(HKEY_CURRENT_USER, kSizesKey, kName, "1024x768"))
    {
        fprintf(stderr, "cannot set the size of the desktop %s\n", kName);
        return false;
    }
    HDESK desktop = ::CreateDesktopA(kName, NULL, NULL, 0, GENERIC_ALL, NULL);
    if (desktop == NULL || !::SetThreadDesktop(desktop))
    {
        fprintf(stderr, "cannot create or enter the desktop %s (error %lu)\n", kName, ::GetLastError());
        return false;
    }
    // The desktop's shell starts with its desktop window; its task bar comes
    // a moment later, and shows once an icon is in it.
    ::GetDesktopWindow();
    WaitUntil([] { return ::FindWindowA("Shell_TrayWnd", NULL) != NULL; });
    return true;
}
