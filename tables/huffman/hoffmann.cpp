#include "hoffmann.h"

#include "global_state.h"
#include "known_dht_segment.h"

#include <cstring>

namespace {

// Marker, length field, first class/identifier byte and its 16 counts.
constexpr int kCombinedKeyLength = 21;
constexpr int kTableHeaderLength = 17;

static_assert(sizeof(g_state.dhtReplacement) >= 420, "a catalogue segment must fit the exchange buffer");

bool keyMatches(const KnownDhtSegment& entry, const quint8* dhtSegment, bool oneSegment)
{
    const int keyLength = oneSegment ? kCombinedKeyLength : entry.keyLength;
    return std::memcmp(entry.segment, dhtSegment, std::size_t(keyLength)) == 0;
}

// The file's segment keeps all its tables; its further table headers stand at
// positions derived from its (possibly damaged) counts. A position whose
// header does not lie wholly inside the entry cannot confirm the entry.
bool headersMatch(const KnownDhtSegment& entry)
{
    for (int i = 0; i < 3; ++i) {
        const qint64 offset = g_state.dhtTableOffset[i];
        if (offset < 0 || offset + kTableHeaderLength > entry.size())
            return false;
        if (std::memcmp(entry.segment + offset, g_state.dhtTableHeader[i], kTableHeaderLength) != 0)
            return false;
    }
    return true;
}

} // namespace

Hoffmann::Hoffmann() = default;

Hoffmann::~Hoffmann() = default;

void Hoffmann::MatchKnownTable(const quint8* dhtSegment, unsigned length)
{
    for (const KnownDhtSegment& entry : kKnownDhtSegments) {
        if (entry.lengthField() != length)
            continue;
        const bool oneSegment = g_state.dhtSegmentCount == 1 && entry.holdsSeveralTables();
        if (!keyMatches(entry, dhtSegment, oneSegment))
            continue;
        if (oneSegment && !headersMatch(entry))
            continue;
        std::memcpy(g_state.dhtReplacement, entry.segment, std::size_t(entry.size()));
        g_state.dhtReplacementSize = entry.size();
        return;
    }
    g_state.dhtReplacementSize = 0;
}
