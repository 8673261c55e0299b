#include "tables_quant_exchange.h"

#include "engine/global_state.h"
#include "tables/quantization/quantization.h"
#include "tables/quantization/quantization_standard_02.h"
#include "tables/quantization/quantization_standard_15_21_50_others.h"
#include "tables/quantization/quantization_standard_3_4_5.h"
#include "tables/quantization/quantization_standard_6_8_9_10_12.h"
#include "tables/quantization/quantization_standardtables.h"

#include <cstring>
#include <stdexcept>

namespace quanttest {

namespace {

const quant::GroupedCatalogue& grouped(TableClass tableClass)
{
    switch (tableClass) {
    case TableClass::Dc345:
        return quant::standard345Catalogue();
    case TableClass::Dc6to18:
        return quant::standard6to18Catalogue();
    default:
        return quant::standard10to80Catalogue();
    }
}

bool isFlat(TableClass tableClass)
{
    return tableClass == TableClass::Dc1 || tableClass == TableClass::Dc2;
}

const quant::FlatCatalogue& flat(TableClass tableClass)
{
    return tableClass == TableClass::Dc1 ? quant::standardTablesCatalogue()
                                         : quant::standard02Catalogue();
}

} // namespace

const quant::DqtTableSet& entry(TableClass tableClass, int group, int number)
{
    if (isFlat(tableClass)) {
        if (group != 0 || number < 1 || number > flat(tableClass).count)
            throw std::out_of_range("catalogue position");
        return flat(tableClass).entries[number - 1];
    }
    if (group < 1 || group > grouped(tableClass).count)
        throw std::out_of_range("catalogue group");
    const quant::CandidateGroup& g = grouped(tableClass).groups[group - 1];
    if (number < 1 || number > g.count)
        throw std::out_of_range("group candidate");
    return g.candidates[number - 1];
}

int groupCount(TableClass tableClass)
{
    return isFlat(tableClass) ? 0 : grouped(tableClass).count;
}

int candidateCount(TableClass tableClass, int group)
{
    if (isFlat(tableClass))
        return flat(tableClass).count;
    return grouped(tableClass).groups[group - 1].count;
}

void resetExchange()
{
    g_state.dqtSearchPending = 1;
    g_state.dqtTwoFilled = 0;
    g_state.dqtThreeFilled = 0;
    g_state.dqtLength = 0;
    g_state.dqtSegmentCount = 0;
    g_state.dqtIndex = 0;
    std::memset(g_state.dqtSignature, 0, sizeof g_state.dqtSignature);
    std::memset(g_state.dqtReplacement1, 0, sizeof g_state.dqtReplacement1);
    std::memset(g_state.dqtReplacement2, 0, sizeof g_state.dqtReplacement2);
    std::memset(g_state.dqtReplacement3, 0, sizeof g_state.dqtReplacement3);
}

void setRow(int row, const quint8* values)
{
    std::memcpy(g_state.dqtSignature[row], values, sizeof g_state.dqtSignature[row]);
}

void setRow(int row, const quant::QuantTable& table)
{
    setRow(row, table.v);
}

void setRowsFrom(const quant::DqtTableSet& set)
{
    for (int t = 0; t < set.tableCount; ++t)
        setRow(t, set.table(t));
}

void lookUp(int length, int oneTableSegments, int index)
{
    g_state.dqtLength = length;
    g_state.dqtSegmentCount = oneTableSegments;
    g_state.dqtIndex = index;
    g_state.dqtSearchPending = 1;
    Quantization front;
    front.MatchKnownTable();
}

bool matchAt(TableClass tableClass, int prefixLength)
{
    g_state.dqtSearchPending = 1;
    switch (tableClass) {
    case TableClass::Dc1:
        Quantization_StandardTables().MatchPrefix(prefixLength);
        break;
    case TableClass::Dc2:
        Quantization_standard_02().MatchPrefix(prefixLength);
        break;
    case TableClass::Dc345:
        Quantization_standard_3_4_5().MatchPrefix(prefixLength);
        break;
    case TableClass::Dc6to18:
        Quantization_standard_6_8_9_10_12().MatchPrefix(prefixLength);
        break;
    case TableClass::Dc10to80:
        Quantization_standard_15_21_50_others().MatchPrefix(prefixLength);
        break;
    }
    return g_state.dqtSearchPending == 0;
}

QByteArray bytesOf(const quant::DqtTableSet& set)
{
    return QByteArray(reinterpret_cast<const char*>(set.bytes), set.size());
}

QByteArray bytesOf(const quant::QuantTable& table)
{
    return QByteArray(reinterpret_cast<const char*>(table.v), quant::kTableValues);
}

QByteArray tableOf(const quant::DqtTableSet& set, int table)
{
    return QByteArray(reinterpret_cast<const char*>(set.table(table)), quant::kTableValues);
}

QByteArray replacement(int length)
{
    if (length == 132)
        return QByteArray(reinterpret_cast<const char*>(g_state.dqtReplacement2), 134);
    if (length == 197)
        return QByteArray(reinterpret_cast<const char*>(g_state.dqtReplacement3), 199);
    return QByteArray(reinterpret_cast<const char*>(g_state.dqtReplacement1), 69);
}

} // namespace quanttest
