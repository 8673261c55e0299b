#include "known_dht_segment.h"
#include "typical_huffman_tables.h"

using namespace typical_huffman;

const std::array<KnownDhtSegment, kKnownDhtSegmentCount> kKnownDhtSegments = {{
    {kLuminanceDcSegment.data(), 24},
    {kChrominanceDcSegment.data(), 24},
    {kLuminanceAcSegment.data(), 24},
    {kChrominanceAcSegment.data(), 24},
    {kLuminancePairFirstSegment.data(), 21},
    {kChrominancePairFirstSegment.data(), 21},
    {kDcTablesFirstSegment.data(), 21},
}};
