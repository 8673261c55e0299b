#include "quantization.h"

#include "engine/global_state.h"
#include "prefix_matcher.h"
#include "quantization_standard_02.h"
#include "quantization_standard_15_21_50_others.h"
#include "quantization_standard_3_4_5.h"
#include "quantization_standard_6_8_9_10_12.h"
#include "quantization_standardtables.h"

#include <cstring>

namespace {

using Row = quint8[quant::kSignatureLength];

// Used when a three-table signature has no row at all.
const Row kDefaultSignature = {4, 1, 1, 1, 1, 1, 2, 1, 1, 1, 2, 2, 2,
                               2, 3, 5, 3, 3, 3, 3, 3, 6, 4, 5, 3};

bool present(const Row& row)
{
    return row[0] != 0;
}

void copyRow(Row& to, const Row& from)
{
    std::memcpy(to, from, sizeof(Row));
}

// Returns true when a row had to be supplied.
bool completeTwoRows(Row& first, Row& second)
{
    if (present(first) && present(second))
        return false;
    if (present(second)) {
        copyRow(first, second);
    } else if (present(first)) {
        copyRow(second, first);
    } else {
        std::memset(first, 1, sizeof(Row));
        std::memset(second, 1, sizeof(Row));
    }
    return true;
}

bool completeThreeRows(Row (&rows)[3])
{
    if (!present(rows[0]) && !present(rows[1]) && !present(rows[2])) {
        for (Row& row : rows)
            copyRow(row, kDefaultSignature);
        return true;
    }
    const bool anyAbsent = !present(rows[0]) || !present(rows[1]) || !present(rows[2]);
    if (!present(rows[0]))
        copyRow(rows[0], present(rows[1]) ? rows[1] : rows[2]);
    if (!present(rows[1]))
        copyRow(rows[1], rows[0]);
    if (!present(rows[2]))
        copyRow(rows[2], rows[1]);
    return anyAbsent;
}

void completeSignature()
{
    Row(&rows)[3] = g_state.dqtSignature;
    const int length = g_state.dqtLength;
    const int oneTableSegments = g_state.dqtSegmentCount;
    if (length == 132) {
        if (completeTwoRows(rows[0], rows[1]))
            g_state.dqtTwoFilled = 1;
    } else if (length == 67 && oneTableSegments == 2) {
        completeTwoRows(rows[0], rows[1]);
    } else if (length == 197 || (length == 67 && oneTableSegments == 3)) {
        if (completeThreeRows(rows) && length == 197)
            g_state.dqtThreeFilled = 1;
    }
}

template <typename TableClass>
bool searchClass(int prefixLength)
{
    TableClass tables;
    tables.MatchPrefix(prefixLength);
    return g_state.dqtSearchPending == 0;
}

using ClassSearch = bool (*)(int);

ClassSearch classFor(quint8 dc)
{
    switch (dc) {
    case 1:
        return searchClass<Quantization_StandardTables>;
    case 2:
        return searchClass<Quantization_standard_02>;
    case 3: case 4: case 5:
        return searchClass<Quantization_standard_3_4_5>;
    case 6: case 7: case 8: case 9: case 16: case 18:
        return searchClass<Quantization_standard_6_8_9_10_12>;
    case 10: case 11: case 12: case 13: case 20: case 21:
    case 27: case 32: case 33: case 43: case 50: case 80:
        return searchClass<Quantization_standard_15_21_50_others>;
    default:
        return nullptr;
    }
}

const quint8* bufferFor(int length)
{
    if (length == 132)
        return g_state.dqtReplacement2;
    if (length == 197)
        return g_state.dqtReplacement3;
    return g_state.dqtReplacement1;
}

} // namespace

Quantization::Quantization() = default;

Quantization::~Quantization() = default;

const quint8* Quantization::MatchKnownTable()
{
    completeSignature();
    const ClassSearch search = classFor(g_state.dqtSignature[0][0]);
    if (!search)
        return quant::noResult();
    for (int n = quant::kSignatureLength; n >= 1; --n) {
        if (g_state.dqtSearchPending == 1 && search(n))
            return bufferFor(g_state.dqtLength);
    }
    return quant::noResult();
}
