#pragma once

#include <QtGlobal>

#include <array>
#include <cstddef>

// One known-good DHT segment of the catalogue: its complete bytes from the
// marker FF C4 and how many leading bytes a lookup compares.
struct KnownDhtSegment {
    const quint8* segment;
    int keyLength;

    unsigned lengthField() const { return (unsigned(segment[2]) << 8) | segment[3]; }
    int size() const { return int(lengthField()) + 2; }
    // True when the segment holds more than its first table.
    bool holdsSeveralTables() const;
};

constexpr std::size_t kKnownDhtSegmentCount = 141;

// The catalogue, grouped by length field in ascending order; within one
// length the order is the match priority.
extern const std::array<KnownDhtSegment, kKnownDhtSegmentCount> kKnownDhtSegments;
