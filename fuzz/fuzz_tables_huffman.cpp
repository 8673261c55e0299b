// Drives the Huffman table matcher with arbitrary segment prefixes, length
// fields, segment counts, table positions and table headers, and the
// table-by-table and standard-layout lookups with the whole segment.
//
// Input layout: segment count (1 byte), three table positions (4 bytes each,
// little-endian), three 17-byte table headers, the length field (4 bytes,
// little-endian), then the segment's bytes (the whole segment for the
// table-by-table lookup, its leading ones for the matcher).
#include "global_state.h"
#include "tables/huffman/hoffmann.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

constexpr std::size_t kHeaderBlock = 1 + 12 + 51 + 4;

quint32 le32(const uint8_t* p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < kHeaderBlock)
        return 0;
    g_state.dhtSegmentCount = data[0] % 4;
    for (int i = 0; i < 3; ++i)
        g_state.dhtTableOffset[i] = qint32(le32(data + 1 + 4 * i));
    std::memcpy(g_state.dhtTableHeader, data + 13, 51);
    const unsigned length = le32(data + 64);

    // Exactly as many bytes as the matcher may read, so a read past them shows.
    const std::size_t readable = std::min<std::size_t>(29, std::size_t(length) + 2);
    std::unique_ptr<quint8[]> prefix(new quint8[readable]());
    std::memcpy(prefix.get(), data + kHeaderBlock, std::min(readable, size - kHeaderBlock));

    Hoffmann hoffmann;
    hoffmann.MatchKnownTable(prefix.get(), length);
    if (g_state.dhtReplacementSize < 0 || g_state.dhtReplacementSize > 420)
        __builtin_trap();

    // Exactly the segment's bytes, as the rewrite hands them over.
    const std::size_t segmentSize = size - kHeaderBlock;
    std::unique_ptr<quint8[]> segment(new quint8[segmentSize]);
    std::memcpy(segment.get(), data + kHeaderBlock, segmentSize);
    hoffmann.MatchTableByTable(segment.get(), int(segmentSize));
    const int replaced = g_state.dhtReplacementSize;
    // A replacement is as long as the segment and keeps its marker and length field.
    if (replaced != 0
        && (replaced != int(segmentSize) || std::memcmp(g_state.dhtReplacement, segment.get(), 4) != 0))
        __builtin_trap();
    hoffmann.MatchStandardLayout(segment.get(), int(segmentSize));
    const int standard = g_state.dhtReplacementSize;
    if (standard != 0
        && (standard != int(segmentSize) || std::memcmp(g_state.dhtReplacement, segment.get(), 4) != 0))
        __builtin_trap();
    return 0;
}
