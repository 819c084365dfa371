#pragma once
// The Win32 headers and the few basic types and macros every framework header uses.
#include <windows.h>
#include <tchar.h>
#include <stddef.h>

// An opaque iteration position of the framework's lists and maps; NULL ends an iteration.
struct __POSITION
{};
typedef __POSITION* POSITION;

// The position before the first element: GetNext on it yields the first one.
#define BEFORE_START_POSITION ((POSITION)-1L)

// Checks of the program's own invariants, on in every build made with TW_ASSERTIONS (the
// default of the build; the tests rely on it) and gone without it. VERIFY always evaluates its
// expression.
#ifdef TW_ASSERTIONS
#define ASSERT(f) ((void)((f) || (AfxAssertFailed(__FILE__, __LINE__, #f), 0)))
#define VERIFY(f) ASSERT(f)
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#endif
#define ASSERT_VALID(p) ((void)0)
#define TRACE(...) ((void)0)
#define UNUSED_ALWAYS(x) ((void)(x))

// Reports a failed ASSERT to the installed handler; without one, on the debugger output. The
// program goes on either way.
void AfxAssertFailed(const char* file, int line, const char* expression);
// What reports failed assertions (the test executables install one that fails the running test);
// NULL restores the debugger output. Returns the handler it replaces.
typedef void (*AFX_ASSERT_HANDLER)(const char* file, int line, const char* expression);
AFX_ASSERT_HANDLER AfxSetAssertHandler(AFX_ASSERT_HANDLER pfnHandler);
