#pragma once
// Calls into optional system libraries inside a structured-exception frame of
// their own: a processor exception raised inside the call (an access
// violation in the library, say) ends the call and is reported instead of
// ending the process. The compiler here has no __try/__except, so the frame
// is registered by hand on the thread's exception chain.
#include <windows.h>

// Runs pfnCall(pContext); FALSE when a processor exception ended it. C++
// exceptions must not leave pfnCall (catch them inside).
BOOL XTPCallGuarded(void (*pfnCall)(void* pContext), void* pContext);
