#pragma once
// The arithmetic of a splitter's rows and columns, kept apart from the window so that it can be
// checked without one. Rows and columns work alike: each one is a "track" along one axis.
//
// Along an axis, track i covers [Start(i), Start(i) + nCurSize) and is followed by a gap of `gap`
// pixels in which the splitter bar is drawn; the last track has no gap after it.
#include <windows.h>

// Sizes of one row or column, in pixels.
struct SplitterTrackInfo
{
    int nMinSize;   // below this the track is not shown
    int nIdealSize; // the size it gets when there is room
    int nCurSize;   // the size of the last layout
};

namespace SplitterGeometry {

// Gives every track its current size in `available` pixels. Every track but the last gets its
// ideal size (0 when the ideal is below the minimum); the last takes what remains. A track that
// finds no room is 0; when the room after a track cannot hold its gap, the track takes the
// remainder. A last track left below its minimum is not shown and its room (with the gap before
// it) goes to the track before it.
void Layout(SplitterTrackInfo* tracks, int count, int available, int gap);

// The first coordinate of track `index` when the first track starts at `origin`.
int TrackStart(const SplitterTrackInfo* tracks, int index, int origin, int gap);

// The index of the track whose gap holds `coord`, or -1 when it lies in no gap.
int GapAt(const SplitterTrackInfo* tracks, int count, int origin, int gap, int coord);

} // namespace SplitterGeometry
