#include "closest_tables.h"

#include "quantization_standard_02.h"
#include "quantization_standard_15_21_50_others.h"
#include "quantization_standard_3_4_5.h"
#include "quantization_standard_6_8_9_10_12.h"
#include "quantization_standardtables.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace quant {

namespace {

struct Scored {
    const quint8* values;
    int agreeing;
};

void scoreSets(const DqtTableSet* sets, int count, const quint8* values, int minAgreeing,
               std::vector<Scored>& out)
{
    for (int s = 0; s < count; ++s) {
        for (int t = 0; t < sets[s].tableCount; ++t) {
            const quint8* table = sets[s].table(t);
            const int agreeing = agreeingValues(values, table);
            if (agreeing >= minAgreeing)
                out.push_back({table, agreeing});
        }
    }
}

void scoreFlat(const FlatCatalogue& catalogue, const quint8* values, int minAgreeing,
               std::vector<Scored>& out)
{
    scoreSets(catalogue.entries, catalogue.count, values, minAgreeing, out);
}

void scoreGrouped(const GroupedCatalogue& catalogue, const quint8* values, int minAgreeing,
                  std::vector<Scored>& out)
{
    for (int g = 0; g < catalogue.count; ++g)
        scoreSets(catalogue.groups[g].candidates, catalogue.groups[g].count, values, minAgreeing, out);
}

} // namespace

int agreeingValues(const quint8* a, const quint8* b)
{
    int same = 0;
    for (int i = 0; i < kTableValues; ++i)
        same += a[i] == b[i] ? 1 : 0;
    return same;
}

QVector<AgreeingTable> closestCatalogueTables(const quint8* zigzagValues, int maxCount,
                                           int minAgreeing)
{
    std::vector<Scored> scored;
    scoreFlat(standardTablesCatalogue(), zigzagValues, minAgreeing, scored);
    scoreFlat(standard02Catalogue(), zigzagValues, minAgreeing, scored);
    scoreGrouped(standard345Catalogue(), zigzagValues, minAgreeing, scored);
    scoreGrouped(standard6to18Catalogue(), zigzagValues, minAgreeing, scored);
    scoreGrouped(standard10to80Catalogue(), zigzagValues, minAgreeing, scored);
    std::stable_sort(scored.begin(), scored.end(),
                     [](const Scored& a, const Scored& b) { return a.agreeing > b.agreeing; });
    QVector<AgreeingTable> closest;
    for (const Scored& entry : scored) {
        if (closest.size() >= maxCount)
            break;
        const bool known = std::any_of(closest.begin(), closest.end(), [&](const AgreeingTable& t) {
            return std::memcmp(t.table.v, entry.values, kTableValues) == 0;
        });
        if (known)
            continue;
        AgreeingTable table;
        std::memcpy(table.table.v, entry.values, kTableValues);
        table.agreeing = entry.agreeing;
        closest.append(table);
    }
    return closest;
}

} // namespace quant
