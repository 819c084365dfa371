#include "framework/core/AfxBase.h"

#include <stdio.h>

void AfxAssertFailed(const char* file, int line)
{
    char text[300];
    snprintf(text, sizeof text - 1, "assertion failed: %s(%d)\n", file, line);
    text[sizeof text - 1] = 0;
    OutputDebugStringA(text);
}
