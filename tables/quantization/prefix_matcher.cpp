#include "prefix_matcher.h"

#include "engine/global_state.h"

#include <cstring>

namespace quant {

namespace {

const quint8 kNoResult = 0;

// The inputs of one call, copied so that the walk sees one consistent state.
struct Search {
    quint8 rows[3][kSignatureLength];
    int length;
    int index;
    bool twoFilled;
    bool threeFilled;
    int prefix;

    bool matches(int row, const DqtTableSet& set, int table) const
    {
        return std::memcmp(rows[row], set.table(table), static_cast<size_t>(prefix)) == 0;
    }
    bool oneTable() const { return length == 67; }
};

Search readState(int prefixLength)
{
    Search s{};
    std::memcpy(s.rows, g_state.dqtSignature, sizeof s.rows);
    s.length = g_state.dqtLength;
    s.index = g_state.dqtIndex;
    s.twoFilled = g_state.dqtTwoFilled == 1;
    s.threeFilled = g_state.dqtThreeFilled == 1;
    s.prefix = prefixLength;
    return s;
}

bool knownLength(int length)
{
    return length == 67 || length == 132 || length == 197;
}

bool validPrefix(int prefixLength)
{
    return prefixLength >= 1 && prefixLength <= kSignatureLength;
}

const quint8* miss()
{
    g_state.dqtSearchPending = 1;
    return noResult();
}

const quint8* takeWhole(const DqtTableSet& set)
{
    quint8* buffer = set.tableCount == 2 ? g_state.dqtReplacement2 : g_state.dqtReplacement3;
    std::memcpy(buffer, set.bytes, static_cast<size_t>(set.size()));
    g_state.dqtSearchPending = 0;
    return buffer;
}

// The five image bytes in front of the table and the table itself.
const quint8* takeOneTable(const DqtTableSet& set, int table)
{
    std::memcpy(g_state.dqtReplacement1, set.table(table) - 5, kOneTableSize);
    g_state.dqtSearchPending = 0;
    return g_state.dqtReplacement1;
}

// Row `row` against t0, t1 (and t2); the first table it matches, or -1.
int firstMatchingTable(const Search& s, int row, const DqtTableSet& set)
{
    for (int t = 0; t < set.tableCount; ++t) {
        if (s.matches(row, set, t))
            return t;
    }
    return -1;
}

bool allRowsMatch(const Search& s, const DqtTableSet& set)
{
    for (int t = 0; t < set.tableCount; ++t) {
        if (!s.matches(t, set, t))
            return false;
    }
    return true;
}

bool anyRowMatches(const Search& s, const DqtTableSet& set)
{
    for (int t = 0; t < set.tableCount; ++t) {
        if (s.matches(t, set, t))
            return true;
    }
    return false;
}

bool filledFor(const Search& s, const DqtTableSet& set)
{
    return set.tableCount == 2 ? s.twoFilled : s.threeFilled;
}

// A whole-segment test of a candidate of the segment's own kind.
bool segmentMatches(const Search& s, const DqtTableSet& set, bool bothRequired)
{
    if (filledFor(s, set) && !bothRequired)
        return anyRowMatches(s, set);
    return allRowsMatch(s, set);
}

// Which candidates a one-table segment of this index is compared with.
bool oneTableTakesPart(int index, const DqtTableSet& set)
{
    return index == 0 || index == 1 || (index == 2 && set.tableCount == 3);
}

const quint8* oneTableHit(const Search& s, const DqtTableSet& set)
{
    const int table = firstMatchingTable(s, s.index, set);
    return table < 0 ? nullptr : takeOneTable(set, table);
}

const CandidateGroup* findGroup(const GroupedCatalogue& catalogue, quint8 dc, int tableCount)
{
    for (int g = 0; g < catalogue.count; ++g) {
        const CandidateGroup& group = catalogue.groups[g];
        if (group.dcValue == dc && group.tableCount == tableCount)
            return &group;
    }
    return nullptr;
}

const quint8* searchTwoTableGroup(const Search& s, const CandidateGroup& group)
{
    if (s.oneTable()) {
        if (s.index != 0 && s.index != 1)
            return nullptr;
        for (int c = 0; c < group.count; ++c) {
            if (const quint8* hit = oneTableHit(s, group.candidates[c]))
                return hit;
        }
        return nullptr;
    }
    if (group.twoFilledRule == TwoFilledRule::Row1FirstValue) {
        for (int c = 0; c < group.count; ++c) {
            const DqtTableSet& set = group.candidates[c];
            if (s.matches(0, set, 0) && s.rows[1][0] == group.row1FirstValue)
                return takeWhole(set);
        }
        return nullptr;
    }
    if (s.twoFilled && group.twoFilledRule == TwoFilledRule::TakeFirst)
        return group.count > 0 ? takeWhole(group.candidates[0]) : nullptr;
    for (int c = 0; c < group.count; ++c) {
        const DqtTableSet& set = group.candidates[c];
        if (segmentMatches(s, set, false))
            return takeWhole(set);
    }
    return nullptr;
}

const quint8* searchThreeTableGroup(const Search& s, const CandidateGroup& group)
{
    for (int c = 0; c < group.count; ++c) {
        const DqtTableSet& set = group.candidates[c];
        if (s.oneTable()) {
            if (const quint8* hit = oneTableHit(s, set))
                return hit;
        } else if (segmentMatches(s, set, false)) {
            return takeWhole(set);
        }
    }
    return nullptr;
}

} // namespace

const quint8* noResult()
{
    return &kNoResult;
}

const quint8* matchFlat(const FlatCatalogue& catalogue, int prefixLength)
{
    const Search s = readState(prefixLength);
    if (!knownLength(s.length) || !validPrefix(prefixLength))
        return miss();
    for (int e = 0; e < catalogue.count; ++e) {
        const DqtTableSet& set = catalogue.entries[e];
        if (s.oneTable()) {
            if (!oneTableTakesPart(s.index, set))
                continue;
            if (const quint8* hit = oneTableHit(s, set))
                return hit;
        } else if (set.size() == s.length + 2) {
            if (segmentMatches(s, set, e == catalogue.bothTablesRequiredAt))
                return takeWhole(set);
        }
    }
    return miss();
}

const quint8* matchGrouped(const GroupedCatalogue& catalogue, int prefixLength)
{
    const Search s = readState(prefixLength);
    if (!knownLength(s.length) || !validPrefix(prefixLength))
        return miss();
    const quint8 dc = s.rows[0][0];
    if (s.length != 197) {
        if (const CandidateGroup* group = findGroup(catalogue, dc, 2)) {
            if (const quint8* hit = searchTwoTableGroup(s, *group))
                return hit;
        }
        if (s.length == 132)
            return miss();
    }
    const bool threeTablesCompared = s.length == 197 || (s.index >= 0 && s.index <= 2);
    if (threeTablesCompared) {
        if (const CandidateGroup* group = findGroup(catalogue, dc, 3)) {
            if (const quint8* hit = searchThreeTableGroup(s, *group))
                return hit;
        }
    }
    return miss();
}

} // namespace quant
