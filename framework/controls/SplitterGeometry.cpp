#include "framework/controls/SplitterGeometry.h"

namespace SplitterGeometry {

static int WantedSize(const SplitterTrackInfo& track)
{
    return track.nIdealSize < track.nMinSize ? 0 : track.nIdealSize;
}

void Layout(SplitterTrackInfo* tracks, int count, int available, int gap)
{
    int remaining = available > 0 ? available : 0;
    for (int i = 0; i < count; i++)
    {
        bool last = (i == count - 1);
        int size = last ? remaining : WantedSize(tracks[i]);
        if (size > remaining)
            size = remaining;
        remaining -= size;
        if (!last)
        {
            if (remaining >= gap)
            {
                remaining -= gap;
            }
            else
            {
                size += remaining;
                remaining = 0;
            }
        }
        tracks[i].nCurSize = size;
    }
    SplitterTrackInfo& lastTrack = tracks[count - 1];
    if (count > 1 && lastTrack.nCurSize > 0 && lastTrack.nCurSize < lastTrack.nMinSize)
    {
        tracks[count - 2].nCurSize += gap + lastTrack.nCurSize;
        lastTrack.nCurSize = 0;
    }
}

int TrackStart(const SplitterTrackInfo* tracks, int index, int origin, int gap)
{
    int position = origin;
    for (int i = 0; i < index; i++)
        position += tracks[i].nCurSize + gap;
    return position;
}

int GapAt(const SplitterTrackInfo* tracks, int count, int origin, int gap, int coord)
{
    int position = origin;
    for (int i = 0; i < count - 1; i++)
    {
        position += tracks[i].nCurSize;
        if (coord >= position && coord < position + gap)
            return i;
        position += gap;
    }
    return -1;
}

} // namespace SplitterGeometry
