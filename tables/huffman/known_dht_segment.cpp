#include "known_dht_segment.h"

bool KnownDhtSegment::holdsSeveralTables() const
{
    constexpr int kFirstCounts = 5;
    int firstTableEnd = kFirstCounts + 16;
    for (int i = 0; i < 16; ++i)
        firstTableEnd += segment[kFirstCounts + i];
    return firstTableEnd < size();
}
