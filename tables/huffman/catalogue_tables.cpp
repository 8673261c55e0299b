#include "catalogue_tables.h"

#include "known_dht_segment.h"

namespace {

constexpr int kHeaderSize = 17;

std::vector<CatalogueTable> collectTables()
{
    std::vector<CatalogueTable> tables;
    for (const KnownDhtSegment& entry : kKnownDhtSegments) {
        // Every entry's tables fill it exactly (a catalogue test holds it to that).
        int p = 4;
        while (p + kHeaderSize <= entry.size()) {
            const quint8* counts = entry.segment + p + 1;
            int valueCount = 0;
            for (int i = 0; i < 16; ++i)
                valueCount += counts[i];
            tables.push_back({entry.segment[p], counts, counts + 16, valueCount});
            p += kHeaderSize + valueCount;
        }
    }
    return tables;
}

} // namespace

const std::vector<CatalogueTable>& catalogueTables()
{
    static const std::vector<CatalogueTable> tables = collectTables();
    return tables;
}
