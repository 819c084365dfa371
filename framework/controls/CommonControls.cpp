#include "framework/controls/CommonControls.h"
#include <commctrl.h>

BOOL AfxEnsureCommonControls(DWORD dwClasses)
{
    static volatile LONG registered = 0;
    if (((DWORD)registered & dwClasses) == dwClasses)
        return TRUE;
    INITCOMMONCONTROLSEX init = {sizeof(init), dwClasses};
    if (!::InitCommonControlsEx(&init))
        return FALSE;
    ::InterlockedOr(&registered, (LONG)dwClasses);
    return TRUE;
}
