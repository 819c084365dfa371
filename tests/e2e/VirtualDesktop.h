#pragma once
// The desktop the driver and the program share: a wine virtual desktop with
// a task bar and a notification area of its own, the only place where the
// program's tray icon and balloons appear on a display without a shell. Its
// size is a value under "Software\Wine\Explorer\Desktops" (the caller keeps a
// registry snapshot of that key). The calling thread must not own windows
// yet: it moves onto the desktop, so that it finds the program's windows.
#include <windows.h>

class VirtualDesktop
{
public:
    static const char kName[];
    static const char kSizesKey[];

    // Creates the desktop, moves the calling thread onto it and waits for its
    // task bar; false with the reason on standard error when that fails.
    static bool Enter();
};
