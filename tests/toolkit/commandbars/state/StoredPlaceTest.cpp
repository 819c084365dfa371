// Places and sizes read from stored bar state are bounded before any
// arithmetic: places move into the virtual screen (or the screen the state
// was saved on, when larger), sizes larger than it are refused. The values
// reach the ends of the integer range.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/state/XTPDockState.h"
#include "toolkit/commandbars/state/XTPStoredPlace.h"

#include <climits>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

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
// shows become none. The docked rectangle is in its dock bar's
// coordinates: no screen cuts it.
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
    EXPECT_EQ(CRect(0, 100, 32767, 160), info.m_rectMRUDockPos);
    EXPECT_EQ(32767, info.m_nMRUWidth) << "none";
    EXPECT_EQ(CSize(0, 0), info.m_szDialogBarDockingClient) << "none";
    EXPECT_EQ(CSize(300, 250), info.m_szDialogBarFloatingClient);
}

// Places, docked rectangle and floating place of a bar info, as a test compares them.
std::string Places(const CXTPBarInfo& info)
{
    char text[160];
    snprintf(text, sizeof text, "at %ld, %ld docked %ld, %ld, %ld, %ld floated %ld, %ld", info.m_pointPos.x,
             info.m_pointPos.y, info.m_rectMRUDockPos.left, info.m_rectMRUDockPos.top, info.m_rectMRUDockPos.right,
             info.m_rectMRUDockPos.bottom, info.m_ptMRUFloatPos.x, info.m_ptMRUFloatPos.y);
    return text;
}

// A dock state on a desktop whose primary monitor (1280 x 1024) has another
// one on its left.
void UseDesktopLeftOfZero(CXTPDockState& state)
{
    state.SetVirtualScreen(kScreen);
    state.SetCurrentScreen(CRect(0, 0, 1280, 1024));
}

// A docked bar's place and the remembered docked rectangle are in a dock
// bar's client coordinates: the screens do not bound them, the range of
// window coordinates does. Only floating places are on the screen.
TEST(StoredPlace, PlacesInADockBarAreNotScreenPlaces)
{
    struct Row
    {
        const char* name;
        BOOL bFloating;
        CPoint ptPos;
        CRect rcDocked;
        CPoint ptFloated;
        const char* pszFitted;
    };
    const Row rows[] = {
        {"docked beyond the primary screen", FALSE, CPoint(1480, 0), CRect(1480, 0, 1780, 26), CPoint(-1000, 100),
         "at 1480, 0 docked 1480, 0, 1780, 26 floated -1000, 100"},
        {"floating on the monitor left of 0", TRUE, CPoint(-1200, 300), CRect(0, 0, 0, 1088), CPoint(-1270, 5),
         "at -1200, 300 docked 0, 0, 0, 1088 floated -1270, 5"},
        {"floating off every screen", TRUE, CPoint(1500, 2000), CRect(0, 0, 0, 0), CPoint(-2000, -5),
         "at 1279, 1023 docked 0, 0, 0, 0 floated -1280, 0"},
        {"docked at the ends of the range", FALSE, CPoint(INT_MAX, INT_MIN), CRect(INT_MIN, 40, INT_MAX, 60),
         CPoint(0, 0), "at 32766, 0 docked 0, 40, 32767, 60 floated 0, 0"},
    };
    for (const Row& row : rows)
    {
        CXTPDockState state;
        UseDesktopLeftOfZero(state);
        state.SetScreenSize(CSize(1280, 1024));
        CXTPBarInfo info;
        info.m_bFloating = row.bFloating;
        info.m_pointPos = row.ptPos;
        info.m_rectMRUDockPos = row.rcDocked;
        info.m_ptMRUFloatPos = row.ptFloated;
        state.FitLoaded(info);
        EXPECT_EQ(row.pszFitted, Places(info)) << row.name;
    }
}

// What a load bounds, a save and the next load keep: the state is saved
// with the size of the screen it was loaded on, and three starts in a row
// load the same places.
TEST(StoredPlace, ALoadedPlaceIsLoadedAgainAsItIs)
{
    const char* const kProfile = "StoredPlaceCycle";
    // The screen the state was first saved on, the bar floating, its place and its docked rectangle.
    const std::tuple<const char*, CSize, BOOL, CPoint, CRect> rows[] = {
        {"a docked rectangle taller than this screen, saved on a taller one", CSize(1280, 1200), TRUE,
         CPoint(100, 100), CRect(0, 0, 0, 1088)},
        {"a floating bar left of 0 scaled past the virtual screen", CSize(1024, 768), TRUE, CPoint(-1200, 10),
         CRect(0, 0, 0, 0)},
        {"a docked bar beyond the primary screen", CSize(1280, 1024), FALSE, CPoint(1480, 0),
         CRect(1480, 0, 1780, 26)},
    };
    CRegistryTestApp app("Tidewatch Stored Place Tests");
    for (const auto& [name, szSaved, bFloating, ptPos, rcDocked] : rows)
    {
        SCOPED_TRACE(name);
        {
            CXTPDockState saved;
            saved.SetCurrentScreen(CRect(CPoint(0, 0), szSaved));
            CXTPBarInfo* pInfo = new CXTPBarInfo;
            pInfo->m_nBarID = 100;
            pInfo->m_bVisible = TRUE;
            pInfo->m_bFloating = bFloating;
            pInfo->m_pointPos = ptPos;
            pInfo->m_rectMRUDockPos = rcDocked;
            saved.Add(pInfo);
            saved.SaveState(kProfile);
        }
        std::vector<std::string> loads;
        for (int nStart = 0; nStart < 3; nStart++)
        {
            CXTPDockState state;
            UseDesktopLeftOfZero(state);
            state.LoadState(kProfile);
            ASSERT_EQ(1, state.GetCount());
            loads.push_back(Places(*state.GetAt(0)));
            state.SaveState(kProfile);
        }
        EXPECT_EQ(loads[0], loads[1]) << "the second start";
        EXPECT_EQ(loads[0], loads[2]) << "the third start";
    }
}

} // namespace
