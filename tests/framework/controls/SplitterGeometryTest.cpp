#include "framework/controls/SplitterGeometry.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct LayoutCase
{
    const char* name;
    std::vector<int> minSizes;
    std::vector<int> idealSizes;
    int available;
    int gap;
    std::vector<int> expected;
};

std::vector<int> RunLayout(const LayoutCase& c)
{
    std::vector<SplitterTrackInfo> tracks(c.idealSizes.size());
    for (size_t i = 0; i < tracks.size(); i++)
    {
        tracks[i].nMinSize = c.minSizes[i];
        tracks[i].nIdealSize = c.idealSizes[i];
        tracks[i].nCurSize = -1;
    }
    SplitterGeometry::Layout(&tracks[0], (int)tracks.size(), c.available, c.gap);
    std::vector<int> sizes;
    for (size_t i = 0; i < tracks.size(); i++)
        sizes.push_back(tracks[i].nCurSize);
    return sizes;
}

TEST(SplitterGeometry, LayoutGivesIdealSizesAndTheRestToTheLast)
{
    const LayoutCase cases[] = {
        {"one track takes everything", {0}, {50}, 300, 4, {300}},
        {"ideal then rest", {0, 0}, {175, 0}, 600, 4, {175, 421}},
        {"three tracks", {0, 0, 0}, {100, 50, 999}, 400, 6, {100, 50, 238}},
        {"ideal below minimum hides the track", {30, 0}, {20, 0}, 200, 4, {0, 196}},
        {"ideal larger than the room", {0, 0}, {500, 0}, 300, 4, {300, 0}},
        {"no room for the gap goes to the track", {0, 0}, {298, 0}, 300, 4, {300, 0}},
        {"room just for the gap", {0, 0}, {296, 0}, 300, 4, {296, 0}},
        {"last below its minimum gives its room back", {0, 50}, {170, 0}, 200, 4, {200, 0}},
        {"last exactly at its minimum stays", {0, 26}, {170, 0}, 200, 4, {170, 26}},
        {"negative room is no room", {0, 0}, {10, 0}, -5, 4, {0, 0}},
        {"zero-sized middle track keeps its gap", {0, 0, 0}, {10, 0, 0}, 100, 4, {10, 0, 82}},
    };
    for (const LayoutCase& c : cases)
        EXPECT_EQ(c.expected, RunLayout(c)) << c.name;
}

TEST(SplitterGeometry, TrackStartsAndGaps)
{
    SplitterTrackInfo tracks[3] = {{0, 0, 100}, {0, 0, 50}, {0, 0, 200}};
    EXPECT_EQ(168, SplitterGeometry::TrackStart(tracks, 2, 10, 4));
    // Gap 0 covers 110..113, gap 1 164..167.
    std::string gaps;
    for (int coord : {0, 109, 110, 113, 114, 163, 164, 167, 168, 400})
        gaps += std::to_string(SplitterGeometry::GapAt(tracks, 3, 10, 4, coord)) + " ";
    EXPECT_EQ("-1 -1 0 0 -1 -1 1 1 -1 -1 ", gaps);
}

} // namespace
