#include "framework/core/AfxBase.h"

#include <stdio.h>

namespace {
AFX_ASSERT_HANDLER g_pfnAssertHandler = NULL;
}

AFX_ASSERT_HANDLER AfxSetAssertHandler(AFX_ASSERT_HANDLER pfnHandler)
{
    AFX_ASSERT_HANDLER pfnOld = g_pfnAssertHandler;
    g_pfnAssertHandler = pfnHandler;
    return pfnOld;
}

void AfxAssertFailed(const char* file, int line, const char* expression)
{
    if (g_pfnAssertHandler != NULL)
    {
        g_pfnAssertHandler(file, line, expression);
        return;
    }
    char text[400];
    snprintf(text, sizeof text, "assertion failed: %s(%d): %s\n", file, line, expression);
    OutputDebugStringA(text);
}
