// The table-by-table lookup of a DHT segment: the segment's tables are walked
// from the first; a table that cannot be used as read is recognised in the
// catalogue by what survived of it, its counts or its code values.
#include "hoffmann.h"

#include "catalogue_tables.h"
#include "global_state.h"
#include "huffman_table_check.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int kFirstTable = 4;
constexpr int kCountsSize = 16;
constexpr int kHeaderSize = 1 + kCountsSize;
constexpr int kMaxSegmentSize = int(sizeof g_state.dhtReplacement);

int agreeingBytes(const quint8* a, const quint8* b, int n)
{
    int same = 0;
    for (int i = 0; i < n; ++i)
        same += a[i] == b[i] ? 1 : 0;
    return same;
}

int countSum(const quint8* counts)
{
    int sum = 0;
    for (int i = 0; i < kCountsSize; ++i)
        sum += counts[i];
    return sum;
}

// A catalogue table found for the table at one position, and how well it
// fits what the segment holds there (higher is better).
struct Candidate {
    const CatalogueTable* table;
    int agreement;
    bool sameId;
};

bool ranksBefore(const Candidate& a, const Candidate& b)
{
    if (a.agreement != b.agreement)
        return a.agreement > b.agreement;
    return a.sameId && !b.sameId;
}

// Finds a table for every position from the first table to the segment's
// end. A position that leads to no complete walk is remembered, so each is
// tried once whatever the path to it.
class TableWalk {
public:
    TableWalk(const quint8* segment, int size, quint8* out)
        : m_in(segment), m_size(size), m_out(out), m_deadEnd(std::size_t(size), false)
    {
    }

    bool walkFrom(int p)
    {
        if (p == m_size)
            return true;
        if (p + kHeaderSize > m_size || m_deadEnd[std::size_t(p)])
            return false;
        const quint8 classAndId = m_in[p];
        const bool validHeader = (classAndId >> 4) <= 1 && (classAndId & 0x0F) <= 3;
        if (validHeader && (keepOwnTable(p) || takeTableWithSameCounts(p) || takeTableWithSameValues(p)))
            return true;
        m_deadEnd[std::size_t(p)] = true;
        return false;
    }

private:
    int tableClass(int p) const { return m_in[p] >> 4; }
    const quint8* countsAt(int p) const { return m_in + p + 1; }
    const quint8* valuesAt(int p) const { return m_in + p + kHeaderSize; }
    bool fits(int p, int valueCount) const { return p + kHeaderSize + valueCount <= m_size; }

    // Writes the table at p (the segment's own class/identifier byte, the
    // given counts and values) and walks on behind it.
    bool place(int p, const quint8* counts, const quint8* values, int valueCount)
    {
        m_out[p] = m_in[p];
        std::memcpy(m_out + p + 1, counts, kCountsSize);
        std::memcpy(m_out + p + kHeaderSize, values, std::size_t(valueCount));
        return walkFrom(p + kHeaderSize + valueCount);
    }

    bool keepOwnTable(int p)
    {
        const int valueCount = countSum(countsAt(p));
        if (!fits(p, valueCount)
            || !isUsableHuffmanTable(countsAt(p), valuesAt(p), valueCount, tableClass(p) == 0))
            return false;
        return place(p, countsAt(p), valuesAt(p), valueCount);
    }

    // Counts intact, values damaged: the catalogue table with the same class
    // and counts whose values agree best, when at least half of them agree.
    bool takeTableWithSameCounts(int p)
    {
        const int valueCount = countSum(countsAt(p));
        if (!fits(p, valueCount))
            return false;
        Candidate best{nullptr, 0, false};
        for (const CatalogueTable& table : catalogueTables()) {
            if (table.tableClass() != tableClass(p)
                || std::memcmp(table.counts, countsAt(p), kCountsSize) != 0)
                continue;
            const Candidate candidate{&table, agreeingBytes(table.values, valuesAt(p), valueCount),
                                      table.classAndId == m_in[p]};
            if (!best.table || ranksBefore(candidate, best))
                best = candidate;
        }
        if (!best.table || 2 * best.agreement < valueCount)
            return false;
        return place(p, best.table->counts, best.table->values, valueCount);
    }

    // Values intact, counts damaged: the catalogue tables of the same class
    // whose values stand here, those with the most agreeing counts first.
    bool takeTableWithSameValues(int p)
    {
        std::vector<Candidate> candidates;
        for (const CatalogueTable& table : catalogueTables()) {
            if (table.tableClass() != tableClass(p) || !fits(p, table.valueCount)
                || std::memcmp(table.values, valuesAt(p), std::size_t(table.valueCount)) != 0)
                continue;
            candidates.push_back({&table, agreeingBytes(table.counts, countsAt(p), kCountsSize),
                                  table.classAndId == m_in[p]});
        }
        std::stable_sort(candidates.begin(), candidates.end(), ranksBefore);
        std::vector<int> triedSizes;
        for (const Candidate& candidate : candidates) {
            const int valueCount = candidate.table->valueCount;
            // Tables of one size lead to the same next position: only the best is tried.
            if (std::find(triedSizes.begin(), triedSizes.end(), valueCount) != triedSizes.end())
                continue;
            triedSizes.push_back(valueCount);
            if (place(p, candidate.table->counts, candidate.table->values, valueCount))
                return true;
        }
        return false;
    }

    const quint8* m_in;
    int m_size;
    quint8* m_out;
    std::vector<bool> m_deadEnd;
};

} // namespace

void Hoffmann::MatchTableByTable(const quint8* dhtSegment, int size)
{
    g_state.dhtReplacementSize = 0;
    if (size < kFirstTable + kHeaderSize || size > kMaxSegmentSize)
        return;
    quint8 out[kMaxSegmentSize];
    std::memcpy(out, dhtSegment, kFirstTable);
    // The walk takes each table's class byte as read; a garbled one that
    // names a destination twice leaves the segment unusable.
    if (!TableWalk(dhtSegment, size, out).walkFrom(kFirstTable) || !isUsableDhtSegment(out, size))
        return;
    std::memcpy(g_state.dhtReplacement, out, std::size_t(size));
    g_state.dhtReplacementSize = size;
}
