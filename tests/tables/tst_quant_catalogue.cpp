#include "engine/global_state.h"
#include "tables/quantization/quality_tables.h"
#include "tables_quant_exchange.h"

#include <QtTest>

#include <map>
#include <set>
#include <vector>

using namespace quant;
using namespace quanttest;

Q_DECLARE_METATYPE(quanttest::TableClass)

namespace {

QByteArray values(const char* text)
{
    QByteArray out;
    for (const QByteArray& v : QByteArray(text).split(' '))
        out.append(char(v.toInt()));
    return out;
}

QByteArray prefixOf(const DqtTableSet& set, int table, int length = 25)
{
    return tableOf(set, table).left(length);
}

// A member of a catalogue that the layout defines by the quality rule: the
// whole segment image, or one table of it (table >= 0).
struct RuleMember {
    const char* name;
    TableClass tableClass;
    int group;
    int number;
    int table;
    QByteArray expected;
};

RuleMember whole(const char* name, TableClass c, int group, int number, const DqtTableSet& set)
{
    return {name, c, group, number, -1, bytesOf(set)};
}

RuleMember one(const char* name, TableClass c, int group, int number, int table,
               const QuantTable& t)
{
    return {name, c, group, number, table, bytesOf(t)};
}

const std::vector<RuleMember>& ruleMembers()
{
    using C = TableClass;
    static const std::vector<RuleMember> members = {
        whole("dc1 pos 1 q100", C::Dc1, 0, 1, qualityPair(100)),
        whole("dc1 pos 7 q97", C::Dc1, 0, 7, qualityPair(97)),
        whole("dc1 pos 13 q99", C::Dc1, 0, 13, qualityPair(99)),
        whole("dc1 pos 16 q96", C::Dc1, 0, 16, qualityPair(96)),
        whole("dc1 pos 23 q98 ids swapped", C::Dc1, 0, 23,
              twoTablesIdsSwapped(chrominanceAtQuality(98), luminanceAtQuality(98))),
        whole("dc1 pos 24 q98", C::Dc1, 0, 24, qualityPair(98)),
        whole("dc1 pos 93 q100 triple", C::Dc1, 0, 93, qualityTriple(100)),
        one("dc1 pos 27 t1 c98", C::Dc1, 0, 27, 1, chrominanceAtQuality(98)),
        one("dc1 pos 61 t1 c98", C::Dc1, 0, 61, 1, chrominanceAtQuality(98)),
        one("dc1 pos 54 t1 c99", C::Dc1, 0, 54, 1, chrominanceAtQuality(99)),
        one("dc1 pos 78 t1 c97", C::Dc1, 0, 78, 1, chrominanceAtQuality(97)),
        one("dc1 pos 83 t1 c96", C::Dc1, 0, 83, 1, chrominanceAtQuality(96)),

        whole("dc2 pos 1 q95", C::Dc2, 0, 1, qualityPair(95)),
        whole("dc2 pos 4 q94", C::Dc2, 0, 4, qualityPair(94)),
        whole("dc2 pos 10 q93", C::Dc2, 0, 10, qualityPair(93)),
        whole("dc2 pos 27 q93 triple", C::Dc2, 0, 27, qualityTriple(93)),
        one("dc2 pos 16 t1 c95", C::Dc2, 0, 16, 1, chrominanceAtQuality(95)),
        one("dc2 pos 19 t1 c95", C::Dc2, 0, 19, 1, chrominanceAtQuality(95)),

        whole("dc345 g1c1 q90", C::Dc345, 1, 1, qualityPair(90)),
        whole("dc345 g2c2 q87", C::Dc345, 2, 2, qualityPair(87)),
        whole("dc345 g2c4 q88", C::Dc345, 2, 4, qualityPair(88)),
        one("dc345 g2c21 t1 4+ones", C::Dc345, 2, 21, 1, withFirstValue(luminanceAtQuality(100), 4)),
        whole("dc345 g3c1 q85", C::Dc345, 3, 1, qualityPair(85)),
        one("dc345 g3c10 t1 c93", C::Dc345, 3, 10, 1, chrominanceAtQuality(93)),
        whole("dc345 g3c12 q66 dc5", C::Dc345, 3, 12,
              twoTables(withFirstValue(luminanceAtQuality(66), 5),
                        withFirstValue(chrominanceAtQuality(66), 5))),
        one("dc345 g3c13 t1 c69 dc5", C::Dc345, 3, 13, 1, withFirstValue(chrominanceAtQuality(69), 5)),
        whole("dc345 g4c1 q92 triple", C::Dc345, 4, 1, qualityTriple(92)),
        whole("dc345 g4c2 q91 triple", C::Dc345, 4, 2, qualityTriple(91)),
        one("dc345 g5c2 t1 c99 dc4", C::Dc345, 5, 2, 1, withFirstValue(chrominanceAtQuality(99), 4)),
        one("dc345 g5c2 t2 c99 dc4", C::Dc345, 5, 2, 2, withFirstValue(chrominanceAtQuality(99), 4)),
        whole("dc345 g5c6 4+ones", C::Dc345, 5, 6,
              threeTables(withFirstValue(luminanceAtQuality(100), 4),
                          withFirstValue(luminanceAtQuality(100), 4),
                          withFirstValue(luminanceAtQuality(100), 4))),

        one("dc6 g1c2 t1 c82", C::Dc6to18, 1, 2, 1, chrominanceAtQuality(82)),
        whole("dc6 g1c4 q80", C::Dc6to18, 1, 4, qualityPair(80)),
        one("dc6 g1c7 t1 c80", C::Dc6to18, 1, 7, 1, chrominanceAtQuality(80)),
        one("dc6 g1c10 t1 c62 dc6", C::Dc6to18, 1, 10, 1, withFirstValue(chrominanceAtQuality(62), 6)),
        one("dc6 g1c11 t1 trunc81 dc6", C::Dc6to18, 1, 11, 1,
            withFirstValue(chrominanceAtTruncatedScale(81), 6)),
        whole("dc6 g2c1 q75", C::Dc6to18, 2, 1, qualityPair(75)),
        whole("dc6 g2c3 trunc50", C::Dc6to18, 2, 3,
              twoTables(luminanceAtTruncatedScale(50), chrominanceAtTruncatedScale(50))),
        one("dc6 g2c8 t1 trunc97 dc8", C::Dc6to18, 2, 8, 1,
            withFirstValue(chrominanceAtTruncatedScale(97), 8)),
        whole("dc6 g2c9 q50 dc8", C::Dc6to18, 2, 9,
              twoTables(withFirstValue(luminanceAtQuality(50), 8),
                        withFirstValue(chrominanceAtQuality(50), 8))),
        one("dc6 g2c11 t1 c53 dc8", C::Dc6to18, 2, 11, 1, withFirstValue(chrominanceAtQuality(53), 8)),
        whole("dc6 g2c14 q51 dc8", C::Dc6to18, 2, 14,
              twoTables(withFirstValue(luminanceAtQuality(51), 8),
                        withFirstValue(chrominanceAtQuality(51), 8))),
        one("dc6 g2c15 t1 c52 dc8", C::Dc6to18, 2, 15, 1, withFirstValue(chrominanceAtQuality(52), 8)),
        whole("dc6 g3c2 q72", C::Dc6to18, 3, 2, qualityPair(72)),
        one("dc6 g3c9 t1 c44 dc9", C::Dc6to18, 3, 9, 1, withFirstValue(chrominanceAtQuality(44), 9)),
        whole("dc6 g3c10 q43 dc9", C::Dc6to18, 3, 10,
              twoTables(withFirstValue(luminanceAtQuality(43), 9),
                        withFirstValue(chrominanceAtQuality(43), 9))),
        one("dc6 g3c14 t1 c46 dc9", C::Dc6to18, 3, 14, 1, withFirstValue(chrominanceAtQuality(46), 9)),
        whole("dc6 g4c5 q50", C::Dc6to18, 4, 5, qualityPair(50)),
        whole("dc6 g5c3 q44", C::Dc6to18, 5, 3, qualityPair(44)),
        whole("dc6 g6c1 q77 triple", C::Dc6to18, 6, 1, qualityTriple(77)),
        whole("dc6 g6c2 q78 triple", C::Dc6to18, 6, 2, qualityTriple(78)),
        whole("dc6 g7c2 q76 triple", C::Dc6to18, 7, 2, qualityTriple(76)),
        whole("dc6 g7c3 q75 triple", C::Dc6to18, 7, 3, qualityTriple(75)),
        whole("dc6 g8c1 q73 triple", C::Dc6to18, 8, 1, qualityTriple(73)),

        whole("dc10 g1c1 q70", C::Dc10to80, 1, 1, qualityPair(70)),
        one("dc10 g1c3 t1 trunc125 dc10", C::Dc10to80, 1, 3, 1,
            withFirstValue(chrominanceAtTruncatedScale(125), 10)),
        one("dc10 g1c5 t1 trunc131 dc10", C::Dc10to80, 1, 5, 1,
            withFirstValue(chrominanceAtTruncatedScale(131), 10)),
        whole("dc10 g2c1 q65", C::Dc10to80, 2, 1, qualityPair(65)),
        one("dc10 g2c5 t1 trunc135 dc11", C::Dc10to80, 2, 5, 1,
            withFirstValue(chrominanceAtTruncatedScale(135), 11)),
        whole("dc10 g4c1 q60", C::Dc10to80, 4, 1, qualityPair(60)),
        one("dc10 g4c2 t0 l60", C::Dc10to80, 4, 2, 0, luminanceAtQuality(60)),
        one("dc10 g5c1 t1 c40", C::Dc10to80, 5, 1, 1, chrominanceAtQuality(40)),
        whole("dc10 g6c1 trunc132", C::Dc10to80, 6, 1,
              twoTables(luminanceAtTruncatedScale(132), chrominanceAtTruncatedScale(132))),
        one("dc10 g9c1 t1 trunc209", C::Dc10to80, 9, 1, 1, chrominanceAtTruncatedScale(209)),
        one("dc10 g10c1 t1 trunc272", C::Dc10to80, 10, 1, 1, chrominanceAtTruncatedScale(272)),
        whole("dc10 g11c1 q16", C::Dc10to80, 11, 1, qualityPair(16)),
        whole("dc10 g12c1 q10", C::Dc10to80, 12, 1, qualityPair(10)),
        whole("dc10 g13c1 q70 triple", C::Dc10to80, 13, 1, qualityTriple(70)),
        whole("dc10 g14c1 q67 triple", C::Dc10to80, 14, 1, qualityTriple(67)),
        whole("dc10 g15c1 q61 triple", C::Dc10to80, 15, 1, qualityTriple(61)),
    };
    return members;
}

} // namespace

// The catalogues as data: their shape, ranges, first values, repeats and
// the members defined by the quality rule.
class QuantCatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void segmentShape_data();
    void segmentShape();
    void flatKinds_data();
    void flatKinds();
    void firstValuesOfDc1();
    void firstValuesOfDc2();
    void firstValuesOfT1InGroups_data();
    void firstValuesOfT1InGroups();
    void repeatsEqualTheirOriginals_data();
    void repeatsEqualTheirOriginals();
    void flatDistinctCounts_data();
    void flatDistinctCounts();
    void groupCandidatesDiffer_data();
    void groupCandidatesDiffer();
    void thirdTableEqualsSecond_data();
    void thirdTableEqualsSecond();
    void fixedPrefixes_data();
    void fixedPrefixes();
    void ruleMembersHoldGeneratedTables_data();
    void ruleMembersHoldGeneratedTables();
    void ruleMembersFoundAtFullPrefix_data();
    void ruleMembersFoundAtFullPrefix();
};

// Every entry of a catalogue (or group) in one row: count, tables, DC value
// and value range.
void QuantCatalogueTest::segmentShape_data()
{
    QTest::addColumn<TableClass>("tableClass");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("tables"); // 0: mixed (flat catalogues)
    QTest::addColumn<int>("dc");     // 0: checked elsewhere
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    using C = TableClass;
    QTest::newRow("dc1") << C::Dc1 << 0 << 95 << 0 << 0 << 1 << 176;
    QTest::newRow("dc2") << C::Dc2 << 0 << 27 << 0 << 2 << 1 << 18;
    const int dc345[][3] = {{3, 20, 2}, {4, 30, 2}, {5, 17, 2}, {3, 3, 3}, {4, 25, 3}};
    for (int g = 0; g < 5; ++g)
        QTest::addRow("dc345 g%d", g + 1) << C::Dc345 << g + 1 << dc345[g][1] << dc345[g][2]
                                          << dc345[g][0] << 1 << 254;
    const int dc6[][3] = {{6, 11, 2}, {8, 15, 2}, {9, 14, 2}, {16, 6, 2},
                          {18, 3, 2}, {7, 2, 3},  {8, 3, 3},  {9, 1, 3}};
    for (int g = 0; g < 8; ++g)
        QTest::addRow("dc6 g%d", g + 1) << C::Dc6to18 << g + 1 << dc6[g][1] << dc6[g][2]
                                        << dc6[g][0] << 2 << 243;
    const int dc10[][3] = {{10, 9, 2}, {11, 5, 2}, {12, 2, 2}, {13, 2, 2}, {20, 2, 2},
                           {21, 1, 2}, {27, 1, 2}, {32, 1, 2}, {33, 1, 2}, {43, 1, 2},
                           {50, 1, 2}, {80, 1, 2}, {10, 1, 3}, {11, 1, 3}, {12, 1, 3}};
    for (int g = 0; g < 15; ++g)
        QTest::addRow("dc10 g%d", g + 1) << C::Dc10to80 << g + 1 << dc10[g][1] << dc10[g][2]
                                         << dc10[g][0] << 1 << 255;
}

void QuantCatalogueTest::segmentShape()
{
    QFETCH(TableClass, tableClass);
    QFETCH(int, group);
    QFETCH(int, count);
    QFETCH(int, tables);
    QFETCH(int, dc);
    QFETCH(int, low);
    QFETCH(int, high);
    QCOMPARE(candidateCount(tableClass, group == 0 ? 1 : group), count);
    if (group == 0)
        QCOMPARE(groupCount(tableClass), 0);
    for (int n = 1; n <= count; ++n) {
        const DqtTableSet& set = entry(tableClass, group, n);
        if (tables != 0)
            QCOMPARE(set.tableCount, tables);
        const QByteArray b = bytesOf(set);
        QCOMPARE(b.size(), set.tableCount == 2 ? 134 : 199);
        QCOMPARE(b.left(4), QByteArray(set.tableCount == 2 ? "\xFF\xDB\x00\x84" : "\xFF\xDB\x00\xC5", 4));
        const bool swapped = tableClass == TableClass::Dc1 && n == 23;
        for (int t = 0; t < set.tableCount; ++t) {
            const int id = swapped ? 1 - t : t;
            QCOMPARE(int(quint8(b.at(4 + 65 * t))), id);
            for (int i = 0; i < 64; ++i) {
                const int v = set.table(t)[i];
                QVERIFY2(v >= low && v <= high, qPrintable(QString("entry %1 table %2").arg(n).arg(t)));
            }
        }
        if (dc != 0)
            QCOMPARE(int(set.table(0)[0]), dc);
    }
}

void QuantCatalogueTest::flatKinds_data()
{
    QTest::addColumn<TableClass>("tableClass");
    QTest::addColumn<int>("lastTwoTable");
    QTest::addColumn<int>("count");
    QTest::newRow("dc1") << TableClass::Dc1 << 92 << 95;
    QTest::newRow("dc2") << TableClass::Dc2 << 26 << 27;
}

void QuantCatalogueTest::flatKinds()
{
    QFETCH(TableClass, tableClass);
    QFETCH(int, lastTwoTable);
    QFETCH(int, count);
    for (int p = 1; p <= count; ++p)
        QCOMPARE(entry(tableClass, 0, p).tableCount, p <= lastTwoTable ? 2 : 3);
}

void QuantCatalogueTest::firstValuesOfDc1()
{
    std::map<int, int> t1Firsts;
    for (int p = 1; p <= 95; ++p) {
        const DqtTableSet& set = entry(TableClass::Dc1, 0, p);
        QCOMPARE(int(set.table(0)[0]), p == 39 ? 3 : 1);
        ++t1Firsts[set.table(1)[0]];
    }
    const std::map<int, int> expected = {{1, 81}, {2, 7}, {3, 1}, {4, 6}};
    QVERIFY(t1Firsts == expected);
    QCOMPARE(int(entry(TableClass::Dc1, 0, 39).table(1)[0]), 3);
}

void QuantCatalogueTest::firstValuesOfDc2()
{
    const std::set<int> threes = {2, 3, 6, 8, 18, 25};
    for (int p = 1; p <= 27; ++p)
        QCOMPARE(int(entry(TableClass::Dc2, 0, p).table(1)[0]), threes.count(p) ? 3 : 2);
}

// The first value of t1 where it is not the group's DC value.
void QuantCatalogueTest::firstValuesOfT1InGroups_data()
{
    QTest::addColumn<TableClass>("tableClass");
    QTest::addColumn<QVector<int>>("exceptions"); // group, candidate, value triples
    using C = TableClass;
    QTest::newRow("dc345") << C::Dc345
                           << QVector<int>{1, 11, 4, 1, 13, 4, 1, 14, 4, 1, 16, 4, 1, 18, 4,
                                           4, 3, 4, 3, 10, 2};
    QTest::newRow("dc6") << C::Dc6to18
                         << QVector<int>{1, 1, 7, 1, 3, 7, 1, 4, 7, 1, 5, 7, 1, 7, 7,
                                         2, 1, 9, 2, 2, 9, 2, 5, 9, 3, 2, 10, 3, 3, 10,
                                         4, 1, 17, 4, 3, 17, 4, 5, 17, 4, 6, 17, 5, 3, 19,
                                         6, 1, 8, 7, 1, 9, 7, 3, 9, 5, 1, 20, 5, 2, 20, 2, 4, 6};
    QTest::newRow("dc10") << C::Dc10to80
                          << QVector<int>{2, 1, 12, 3, 1, 13, 3, 2, 13, 4, 1, 14, 4, 2, 14,
                                          5, 1, 21, 5, 2, 21, 6, 1, 22, 15, 1, 13, 7, 1, 29,
                                          8, 1, 34, 9, 1, 35, 10, 1, 46, 11, 1, 53, 12, 1, 85};
}

void QuantCatalogueTest::firstValuesOfT1InGroups()
{
    QFETCH(TableClass, tableClass);
    QFETCH(QVector<int>, exceptions);
    std::map<std::pair<int, int>, int> expected;
    for (int i = 0; i + 2 < exceptions.size(); i += 3)
        expected[{exceptions[i], exceptions[i + 1]}] = exceptions[i + 2];
    for (int g = 1; g <= groupCount(tableClass); ++g) {
        for (int c = 1; c <= candidateCount(tableClass, g); ++c) {
            const DqtTableSet& set = entry(tableClass, g, c);
            const auto it = expected.find({g, c});
            const int want = it == expected.end() ? set.table(0)[0] : it->second;
            QVERIFY2(set.table(1)[0] == want, qPrintable(QString("group %1 candidate %2").arg(g).arg(c)));
        }
    }
}

void QuantCatalogueTest::repeatsEqualTheirOriginals_data()
{
    QTest::addColumn<TableClass>("tableClass");
    QTest::addColumn<int>("repeat");
    QTest::addColumn<int>("original");
    const int dc1[][2] = {{15, 6},  {20, 18}, {33, 32}, {38, 9},  {41, 6},  {42, 32}, {43, 37},
                          {44, 32}, {45, 36}, {46, 32}, {47, 32}, {48, 4},  {49, 4},  {51, 50},
                          {52, 13}, {53, 16}, {55, 13}, {57, 17}, {58, 56}, {59, 17}, {66, 61},
                          {68, 62}, {69, 13}, {71, 62}, {72, 70}, {76, 1},  {79, 77}, {82, 77},
                          {84, 80}, {85, 78}, {86, 13}, {87, 13}, {90, 16}};
    for (const auto& r : dc1)
        QTest::addRow("dc1 %d of %d", r[0], r[1]) << TableClass::Dc1 << r[0] << r[1];
    const int dc2[][2] = {{6, 2}, {9, 1}, {20, 4}, {23, 4}, {24, 10}, {25, 18}};
    for (const auto& r : dc2)
        QTest::addRow("dc2 %d of %d", r[0], r[1]) << TableClass::Dc2 << r[0] << r[1];
}

void QuantCatalogueTest::repeatsEqualTheirOriginals()
{
    QFETCH(TableClass, tableClass);
    QFETCH(int, repeat);
    QFETCH(int, original);
    QCOMPARE(bytesOf(entry(tableClass, 0, repeat)), bytesOf(entry(tableClass, 0, original)));
}

// Apart from the listed repeats, every two-table entry is a segment of its own.
void QuantCatalogueTest::flatDistinctCounts_data()
{
    QTest::addColumn<TableClass>("tableClass");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("distinctTwoTable");
    QTest::addColumn<int>("distinctThreeTable");
    QTest::newRow("dc1") << TableClass::Dc1 << 95 << 59 << 3;
    QTest::newRow("dc2") << TableClass::Dc2 << 27 << 20 << 1;
}

void QuantCatalogueTest::flatDistinctCounts()
{
    QFETCH(TableClass, tableClass);
    QFETCH(int, count);
    QFETCH(int, distinctTwoTable);
    QFETCH(int, distinctThreeTable);
    std::set<QByteArray> twoTable;
    std::set<QByteArray> threeTable;
    for (int p = 1; p <= count; ++p) {
        const DqtTableSet& set = entry(tableClass, 0, p);
        (set.tableCount == 2 ? twoTable : threeTable).insert(bytesOf(set));
    }
    QCOMPARE(int(twoTable.size()), distinctTwoTable);
    QCOMPARE(int(threeTable.size()), distinctThreeTable);
}

void QuantCatalogueTest::groupCandidatesDiffer_data()
{
    QTest::addColumn<TableClass>("tableClass");
    QTest::newRow("dc345") << TableClass::Dc345;
    QTest::newRow("dc6") << TableClass::Dc6to18;
    QTest::newRow("dc10") << TableClass::Dc10to80;
}

void QuantCatalogueTest::groupCandidatesDiffer()
{
    QFETCH(TableClass, tableClass);
    for (int g = 1; g <= groupCount(tableClass); ++g) {
        std::set<QByteArray> seen;
        for (int c = 1; c <= candidateCount(tableClass, g); ++c) {
            const DqtTableSet& set = entry(tableClass, g, c);
            QByteArray key;
            for (int t = 0; t < set.tableCount; ++t)
                key += prefixOf(set, t);
            QVERIFY2(seen.insert(key).second, qPrintable(QString("group %1 candidate %2").arg(g).arg(c)));
        }
    }
}

void QuantCatalogueTest::thirdTableEqualsSecond_data()
{
    QTest::addColumn<TableClass>("tableClass");
    QTest::newRow("dc1") << TableClass::Dc1;
    QTest::newRow("dc2") << TableClass::Dc2;
    QTest::newRow("dc345") << TableClass::Dc345;
    QTest::newRow("dc6") << TableClass::Dc6to18;
    QTest::newRow("dc10") << TableClass::Dc10to80;
}

void QuantCatalogueTest::thirdTableEqualsSecond()
{
    QFETCH(TableClass, tableClass);
    const int groups = groupCount(tableClass);
    for (int g = groups == 0 ? 0 : 1; g <= groups; ++g) {
        for (int c = 1; c <= candidateCount(tableClass, g == 0 ? 1 : g); ++c) {
            const DqtTableSet& set = entry(tableClass, g, c);
            if (set.tableCount != 3)
                continue;
            // the one three-table candidate with a third table of its own
            const bool own = tableClass == TableClass::Dc6to18 && g == 7 && c == 1;
            QCOMPARE(tableOf(set, 2) == tableOf(set, 1), !own);
        }
    }
}

// First values that the layout fixes for entries not given by rule.
void QuantCatalogueTest::fixedPrefixes_data()
{
    QTest::addColumn<TableClass>("tableClass");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("table");
    QTest::addColumn<QByteArray>("prefix");
    using C = TableClass;
    auto row = [](const char* name, C c, int g, int n, int t, const char* v) {
        QTest::newRow(name) << c << g << n << t << values(v);
    };
    row("dc1 2 t0", C::Dc1, 0, 2, 0, "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 2 1 1 1 1 1 2 2 2 1");
    row("dc1 2 t1", C::Dc1, 0, 2, 1, "1 1 1 1 1 1 2 1 1 2 5 3 3 3 5 5 5 5 5 5 5 5 5 5 5");
    row("dc1 4 t0", C::Dc1, 0, 4, 0, "1 1 1 2 1 1 2 2 2 2 3 2 2 3 3 6 4 3 3 3 3 7 5 8 4");
    row("dc1 4 t1", C::Dc1, 0, 4, 1, "4 4 4 5 4 5 9 5 5 9 15 10 8 10 15 26 19 9 9 19 26 26 26 26 13");
    row("dc1 19 t0", C::Dc1, 0, 19, 0, "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 2 1 1 1");
    row("dc1 19 t1", C::Dc1, 0, 19, 1, "1 1 1 2 1 2 3 2 2 3 4 4 3 4 4 5 5 5 5 5 5 5 5 5 5");
    row("dc1 80 t0", C::Dc1, 0, 80, 0, "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 2 1 1 1");
    row("dc1 39 t0", C::Dc1, 0, 39, 0, "3 2 2 3 2 2 3 3 2 3 3 3 3 4 5 8 5 5 4 4 5 9 7 6 8");
    row("dc1 39 t1", C::Dc1, 0, 39, 1, "3 3 3 5 4 5 9 3 3 9 25 19 17 19 25 25 25 25 25 25 25 25 25 25 25");
    row("dc1 94 t0", C::Dc1, 0, 94, 0, "1 1 1 1 1 1 1 1 1 1 1 1 1 2 2 3 2 2 1 1 1 1 1 1 2");
    row("dc1 94 t1", C::Dc1, 0, 94, 1, "1 1 1 1 2 4 4 4 4 1 1 3 4 4 4 4 4 4 4 2 1 2 3 4 4");
    row("dc2 2 t0", C::Dc2, 0, 2, 0, "2 2 2 2 2 2 2 2 2 2 3 2 2 2 3 4 3 2 2 3 4 5 4 4 4");
    row("dc2 2 t1", C::Dc2, 0, 2, 1, "3 3 3 5 4 5 9 6 6 9 13 10 9 10 13 15 14 14 14 14 15 15 12 12 12");
    row("dc2 8 t0", C::Dc2, 0, 8, 0, "2 1 1 1 1 1 2 1 1 1 2 2 2 2 3 5 3 3 2 2 3 6 4 4 3");
    row("dc2 8 t1", C::Dc2, 0, 8, 1, "3 3 3 4 3 4 8 4 4 8 18 12 10 12 18 18 18 18 18 18 18 18 18 18 18");
    row("dc2 22 t0", C::Dc2, 0, 22, 0, "2 1 1 1 1 1 2 1 1 1 2 2 2 2 3 5 3 3 2 2 3 6 4 4 3");
    row("dc2 26 t0", C::Dc2, 0, 26, 0, "2 1 1 2 1 1 2 2 1 2 2 2 2 2 2 3 2 2 2 2 2 4 3 3 3");
    row("dc2 26 t1", C::Dc2, 0, 26, 1, "2 2 2 2 2 2 4 2 2 4 8 5 5 5 8 8 8 8 8 8 8 8 8 8 8");
    row("dc345 1,2 t0", C::Dc345, 1, 2, 0, "3 2 2 10 8 10 8 8 8 8 8 8 8 8 8 8 8 8 8 8 8 8 8 8 8");
    row("dc345 1,2 t1", C::Dc345, 1, 2, 1, "3 4 4 6 5 6 8 6 6 10 13 12 12 12 13 12 12 8 8 12 12 12 8 8 8");
    row("dc345 2,1 t0", C::Dc345, 2, 1, 0, "4 3 3 2 1 1 2 1 2 1 2 1 2 1 2 1 4 1 4 4 4 4 4 4 4");
    row("dc345 2,1 t1", C::Dc345, 2, 1, 1, "4 3 3 2 2 1 1 1 2 1 2 1 2 1 2 1 6 6 6 6 6 6 6 7 7");
    row("dc345 3,2 t0", C::Dc345, 3, 2, 0, "5 3 3 4 3 3 5 4 4 4 5 5 5 6 7 13 8 7 7 7 7 16 11 12 9");
    row("dc345 3,2 t1", C::Dc345, 3, 2, 1, "5 5 5 7 6 7 15 8 8 15 32 21 18 21 21 32 32 32 32 32 32 32 32 32 32");
    row("dc345 4,3 t0", C::Dc345, 4, 3, 0, "3 3 3 3 3 2 3 3 3 3 4 4 3 4 5 8 5 5 5 5 5 11 8 8 6");
    row("dc345 4,3 t1", C::Dc345, 4, 3, 1, "4 4 4 5 5 5 10 5 5 10 21 14 12 14 21 21 21 21 21 21 21 21 21 21 21");
    row("dc345 5,1 t0", C::Dc345, 5, 1, 0, "4 2 2 3 2 2 3 3 3 3 4 4 3 4 5 9 6 5 5 5 5 11 8 8 6");
    row("dc345 5,1 t1", C::Dc345, 5, 1, 1, "4 4 4 5 5 5 11 6 6 11 23 15 13 13 23 23 23 23 23 23 23 23 23 23 23");
    row("dc6 1,1", C::Dc6to18, 1, 1, 0, "6 4 5 6 5 4 6 6 5 6 7 7 6 8 10 17 11 10 9 9 10 21 15 16 12");
    row("dc6 2,1", C::Dc6to18, 2, 1, 0, "8 6 6 7 6 5 8 7 7 7 9 9 8 10 12 20 13 12 11 11 12 25 18 19 15");
    row("dc6 3,1", C::Dc6to18, 3, 1, 0, "9 6 6 8 6 5 9 8 7 8 10 9 9 11 13 22 15 13 12 12 13 28 19 21 16");
    row("dc6 4,1", C::Dc6to18, 4, 1, 0, "16 11 11 11 12 11 16 12 12 16 23 15 13 15 23 27 20 16 16 20 27 31 23 23 23");
    row("dc6 5,1", C::Dc6to18, 5, 1, 0, "18 14 14 22 16 22 35 21 21 35 44 34 27 34 44 39 28 28 28 28 39 34 23 23 23");
    row("dc6 6,1", C::Dc6to18, 6, 1, 0, "7 5 6 6 6 5 7 6 6 6 8 8 7 9 11 18 12 11 10 10 11 23 16 17 13");
    row("dc6 7,1", C::Dc6to18, 7, 1, 0, "8 4 4 7 3 3 6 2 2 5 5 5 4 6 6 3 7 7 9 8 8 10 9 9 11");
    row("dc6 8,1", C::Dc6to18, 8, 1, 0, "9 6 6 8 6 5 9 8 7 8 10 9 9 10 13 22 14 13 12 12 13 26 19 20 16");
    row("dc10 1,1", C::Dc10to80, 1, 1, 0, "10 7 7 8 7 6 10 8 8 8 11 10 10 11 14 24 16 14 13 13 14 29 21 22 17");
    row("dc10 13,1", C::Dc10to80, 13, 1, 0, "10 7 7 8 7 6 10 8 8 8 11 10 10 11 14 24 16 14 13 13 14 29 21 22 17");
    row("dc10 2,1", C::Dc10to80, 2, 1, 0, "11 8 8 10 8 7 11 10 9 10 13 12 11 13 17 28 18 17 15 15 17 34 25 26 20");
    row("dc10 3,1", C::Dc10to80, 3, 1, 0, "12 8 8 8 9 8 12 9 9 12 17 11 10 11 17 21 15 12 12 15 21 24 19 19 21");
    row("dc10 4,1", C::Dc10to80, 4, 1, 0, "13 9 10 11 10 8 13 11 10 11 14 14 13 15 19 32 21 19 18 18 19 39 28 30 23");
    row("dc10 5,1", C::Dc10to80, 5, 1, 0, "20 14 15 18 15 13 20 18 15 18 23 21 20 24 30 50 33 30 28 28 30 61 44 46 36");
    row("dc10 6,1", C::Dc10to80, 6, 1, 0, "21 14 15 18 15 13 21 18 17 18 23 22 21 25 31 52 34 31 29 29 31 64 46 48 38");
    row("dc10 7,1", C::Dc10to80, 7, 1, 0, "27 26 26 41 29 41 65 38 38 65 66 47 47 47 66 39 28 28 28 28 39 34 23 23 23");
    row("dc10 8,1", C::Dc10to80, 8, 1, 0, "32 33 33 51 36 51 81 48 48 81 66 47 47 47 66 39 28 28 28 28 39 34 23 23 23");
    row("dc10 8,1 t1", C::Dc10to80, 8, 1, 1, "34 51 51 52 38 41 34 24");
    row("dc10 9,1", C::Dc10to80, 9, 1, 0, "33 22 25 29 25 20 33 29 27 29 37 35 33 39 50 83 54 50 45 45 50 102 73 77 60");
    row("dc10 10,1", C::Dc10to80, 10, 1, 0, "43 29 32 38 32 27 43 38 35 38 48 46 43 51 65 108 70 65 59 59 65 133 95 100 78");
    row("dc10 11,1", C::Dc10to80, 11, 1, 0, "50 34 37 44 37 31 50 44 41 44 56 53 50 59 75 125 81 75 69 69 75 153 109 115 90");
    row("dc10 12,1", C::Dc10to80, 12, 1, 0, "80 55 60 70 60 50 80 70 65 70 90 85 80 95 120 200 130 120 110 110 120 245 175 185 145");
    row("dc10 14,1", C::Dc10to80, 14, 1, 0, "11 7 8 9 8 7 11 9 9 9 12 11 11 13 16 26 17 16 15 15 16 32 23 24 19");
    row("dc10 15,1", C::Dc10to80, 15, 1, 0, "12 9 9 11 9 8 12 11 10 11 14 13 12 15 19 31 20 19 17 17 19 38 27 29 23");
}

void QuantCatalogueTest::fixedPrefixes()
{
    QFETCH(TableClass, tableClass);
    QFETCH(int, group);
    QFETCH(int, number);
    QFETCH(int, table);
    QFETCH(QByteArray, prefix);
    QCOMPARE(prefixOf(entry(tableClass, group, number), table, prefix.size()), prefix);
}

void QuantCatalogueTest::ruleMembersHoldGeneratedTables_data()
{
    QTest::addColumn<int>("member");
    for (int i = 0; i < int(ruleMembers().size()); ++i)
        QTest::newRow(ruleMembers()[size_t(i)].name) << i;
}

void QuantCatalogueTest::ruleMembersHoldGeneratedTables()
{
    QFETCH(int, member);
    const RuleMember& m = ruleMembers()[size_t(member)];
    const DqtTableSet& set = entry(m.tableClass, m.group, m.number);
    QCOMPARE(m.table < 0 ? bytesOf(set) : tableOf(set, m.table), m.expected);
}

void QuantCatalogueTest::ruleMembersFoundAtFullPrefix_data()
{
    ruleMembersHoldGeneratedTables_data();
}

// A two- or three-table segment holding a member's tables is answered by
// that very member at the first, longest prefix.
void QuantCatalogueTest::ruleMembersFoundAtFullPrefix()
{
    QFETCH(int, member);
    const RuleMember& m = ruleMembers()[size_t(member)];
    const DqtTableSet& set = entry(m.tableClass, m.group, m.number);
    resetExchange();
    setRowsFrom(set);
    g_state.dqtLength = set.tableCount == 2 ? 132 : 197;
    QVERIFY(matchAt(m.tableClass, 25));
    QCOMPARE(replacement(g_state.dqtLength), bytesOf(set));
}

QTEST_GUILESS_MAIN(QuantCatalogueTest)
#include "tst_quant_catalogue.moc"
