// Where a dialog of the command bars opens: centred over its owner, moved
// whole onto the work area of the owner's monitor.
#include "toolkit/commandbars/layout/XTPDialogPlace.h"

#include <gtest/gtest.h>

namespace {

struct DialogPlaceCase
{
    const char* pszName;
    CSize size;
    CRect rcOwner;
    CRect rcWorkArea;
    CRect rcExpected;
};

TEST(DialogPlace, CenteredOverTheOwnerOnItsWorkArea)
{
    const CRect rcScreen(0, 0, 1000, 800);
    const DialogPlaceCase cases[] = {
        {"owner in the middle: centred", CSize(200, 100), CRect(100, 100, 500, 400), rcScreen,
         CRect(200, 200, 400, 300)},
        {"owner smaller than the dialog: centred all the same", CSize(400, 300), CRect(300, 300, 500, 400),
         rcScreen, CRect(200, 200, 600, 500)},
        {"owner partly left of the screen: at the work area's left edge", CSize(200, 100),
         CRect(-300, 100, 100, 400), rcScreen, CRect(0, 200, 200, 300)},
        {"owner above the screen: at its top edge", CSize(200, 100), CRect(100, -400, 500, 50), rcScreen,
         CRect(200, 0, 400, 100)},
        {"owner near the bottom right corner: inside that corner", CSize(200, 100),
         CRect(900, 700, 1100, 900), rcScreen, CRect(800, 700, 1000, 800)},
        {"owner on a monitor left of 0: centred there", CSize(200, 100), CRect(-900, 100, -500, 400),
         CRect(-1280, 0, 0, 1024), CRect(-800, 200, -600, 300)},
        {"owner at that monitor's left edge: inside it", CSize(200, 100), CRect(-1400, 100, -1200, 400),
         CRect(-1280, 0, 0, 1024), CRect(-1280, 200, -1080, 300)},
        {"dialog larger than the work area: at its top-left corner", CSize(1200, 900),
         CRect(100, 100, 500, 400), rcScreen, CRect(0, 0, 1200, 900)},
    };
    for (const DialogPlaceCase& c : cases)
        EXPECT_EQ(c.rcExpected, XTPCenterOverOwner(c.size, c.rcOwner, c.rcWorkArea)) << c.pszName;
}

} // namespace
