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

// Checks of the program's own invariants. They cost nothing in a release build; VERIFY always
// evaluates its expression.
#ifdef NDEBUG
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#else
#define ASSERT(f) ((void)((f) || (AfxAssertFailed(__FILE__, __LINE__), 0)))
#define VERIFY(f) ASSERT(f)
#endif
#define ASSERT_VALID(p) ((void)0)
#define TRACE(...) ((void)0)
#define UNUSED_ALWAYS(x) ((void)(x))

// Reports a failed ASSERT on the debugger output; the program goes on.
void AfxAssertFailed(const char* file, int line);
