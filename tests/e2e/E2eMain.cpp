// The driver's entry: it moves onto the virtual desktop before anything makes
// a window, runs the scenarios, and leaves the desktop sizes in the registry
// as it found them.
#include "RegistrySnapshot.h"
#include "VirtualDesktop.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    RegistrySnapshot desktopSizes(HKEY_CURRENT_USER, VirtualDesktop::kSizesKey);
    if (!VirtualDesktop::Enter())
        return 1;
    return RUN_ALL_TESTS();
}
