#pragma once

#include "dqt_table_set.h"

// The longest-prefix matcher that the five table classes share. Each call
// compares the signature rows of the global repair state with the first
// prefixLength values of a catalogue's tables; on the first hit it fills the
// replacement buffer of the segment's layout and clears dqtSearchPending.
namespace quant {

constexpr int kSignatureLength = 25;

// An ungrouped catalogue walked in order under the common rules. One entry
// may demand that both tables match a two-table segment even when one of its
// rows was filled in.
struct FlatCatalogue {
    const DqtTableSet* entries;
    int count;
    int bothTablesRequiredAt; // index into entries, -1 for none
};

// What a two-table segment with a filled-in row gets from a group.
enum class TwoFilledRule : quint8 {
    EitherTable,    // a hit when row 0 matches t0 or row 1 matches t1
    TakeFirst,      // the group's first candidate, nothing compared
    Row1FirstValue, // flag ignored: row 0 matches t0 and row 1 begins with row1FirstValue
};

// Candidates sharing the DC value of t0 and the number of tables.
struct CandidateGroup {
    quint8 dcValue;
    int tableCount;
    TwoFilledRule twoFilledRule;
    quint8 row1FirstValue; // only for Row1FirstValue
    const DqtTableSet* candidates;
    int count;
};

struct GroupedCatalogue {
    const CandidateGroup* groups;
    int count;
};

// The fixed pointer returned on a miss; it is none of the replacement buffers.
const quint8* noResult();

const quint8* matchFlat(const FlatCatalogue& catalogue, int prefixLength);
const quint8* matchGrouped(const GroupedCatalogue& catalogue, int prefixLength);

} // namespace quant
