// Places and sizes read from stored bar state are bounded before any
// arithmetic: places move into the virtual screen (or the screen the state
// was saved on, when larger), sizes larger than it are refused. The values
// reach the ends of the integer range.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/state/XTPDockState.h"
#include "toolkit/commandbars/state/XTPStoredPlace.h"

#include <climits>
#include <tuple>

namespace {

const CRect kScreen(-1280, 0, 1280, 1024); // two monitors side by side

TEST(StoredPlace, BoundsAreTheVirtualScreenOrTheLargerSavedOne)
{
    const std::tuple<const char*, CSize, CRect> rows[] = {
        {"no saved size", CSize(0, 0), kScreen},
        {"a smaller saved screen", CSize(1024, 768), kScreen},
        {"a larger saved screen", CSize(2560, 1600), CRect(-1280, 0, 2560, 1600)},
        {"a saved size no screen has", CSize(INT_MAX, INT_MAX), kScreen},
        {"a negative saved size", CSize(-2560, 1600), kScreen},
    };
    for (const auto& [name, szSaved, rcExpected] : rows)
        EXPECT_EQ(rcExpected, XTPStoredBounds(kScreen, szSaved)) << name;
}

TEST(StoredPlace, PlacesMoveIntoTheBounds)
{
    const std::tuple<const char*, CPoint, CPoint> rows[] = {
        {"inside", CPoint(-100, 500), CPoint(-100, 500)},
        {"past the right edge", CPoint(5000, 10), CPoint(1279, 10)},
        {"the largest integers", CPoint(INT_MAX, INT_MAX), CPoint(1279, 1023)},
        {"the smallest integers", CPoint(INT_MIN, INT_MIN), CPoint(-1280, 0)},
    };
    for (const auto& [name, pt, ptExpected] : rows)
        EXPECT_EQ(ptExpected, XTPBoundStoredPoint(pt, kScreen)) << name;
}

TEST(StoredPlace, RectanglesAreCutToTheBoundsAndMovedIntoThem)
{
    const std::tuple<const char*, CRect, CRect> rows[] = {
        {"inside", CRect(10, 20, 110, 60), CRect(10, 20, 110, 60)},
        {"over the right edge", CRect(1200, 20, 1300, 60), CRect(1180, 20, 1280, 60)},
        {"wider than the bounds", CRect(0, 0, INT_MAX, 40), CRect(-1280, 0, 1280, 40)},
        {"from the largest integers", CRect(INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX),
         CRect(1270, 1014, 1280, 1024)},
        {"a negative width", CRect(100, 100, INT_MIN, 140), CRect(100, 100, 100, 140)},
    };
    for (const auto& [name, rc, rcExpected] : rows)
        EXPECT_EQ(rcExpected, XTPBoundStoredRect(rc, kScreen)) << name;
}

TEST(StoredPlace, SizesAndWidthsBeyondWhatAScreenShowsAreRefused)
{
    EXPECT_TRUE(XTPIsStoredSizeInBounds(CSize(2560, 1024), kScreen));
    EXPECT_FALSE(XTPIsStoredSizeInBounds(CSize(2561, 10), kScreen));
    EXPECT_FALSE(XTPIsStoredSizeInBounds(CSize(10, INT_MAX), kScreen));
    EXPECT_FALSE(XTPIsStoredSizeInBounds(CSize(-1, 10), kScreen));
    EXPECT_TRUE(XTPIsStoredWidth(32767)) << "a remembered width of none";
    EXPECT_FALSE(XTPIsStoredWidth(32768));
    EXPECT_FALSE(XTPIsStoredWidth(INT_MAX));
    EXPECT_FALSE(XTPIsStoredWidth(-1));
}

// A bar info read from stored data, fitted: places bounded, then scaled to
// the current screen; a coordinate not saved stays -1; sizes no screen
// shows become none.
TEST(StoredPlace, LoadedBarInfosAreBoundedBeforeTheyAreScaled)
{
    CXTPDockState state;
    state.SetVirtualScreen(CRect(0, 0, 1600, 1200));
    state.SetCurrentScreen(CRect(0, 0, 1600, 1200));
    state.SetScreenSize(CSize(3200, 2400)); // saved on a larger screen: halved
    CXTPBarInfo info;
    info.m_pointPos = CPoint(INT_MAX, -1);
    info.m_ptMRUFloatPos = CPoint(2000, INT_MIN);
    info.m_rectMRUDockPos = CRect(100, 200, INT_MAX, 260);
    info.m_nMRUWidth = INT_MAX;
    info.m_szDialogBarDockingClient = CSize(INT_MAX, 100);
    info.m_szDialogBarFloatingClient = CSize(300, 250);
    state.FitLoaded(info);
    // Scaled places end at the largest position, an icon's size from the
    // screen's corner; a scaled rectangle keeps its size.
    EXPECT_EQ(CPoint(1600 - ::GetSystemMetrics(SM_CXICON), -1), info.m_pointPos);
    EXPECT_EQ(CPoint(1000, 0), info.m_ptMRUFloatPos);
    EXPECT_EQ(CRect(0, 100, 3200, 160), info.m_rectMRUDockPos);
    EXPECT_EQ(32767, info.m_nMRUWidth) << "none";
    EXPECT_EQ(CSize(0, 0), info.m_szDialogBarDockingClient) << "none";
    EXPECT_EQ(CSize(300, 250), info.m_szDialogBarFloatingClient);
}

} // namespace
