#include "engine/global_state.h"
#include "tables/quantization/quality_tables.h"
#include "tables/quantization/quantization.h"
#include "tables_quant_exchange.h"

#include <QtTest>

#include <cstring>

using namespace quant;
using namespace quanttest;

Q_DECLARE_METATYPE(quanttest::TableClass)

namespace {

// A table that begins with `first` and agrees with no catalogue table past it.
QuantTable unknown(quint8 first)
{
    QuantTable t{};
    std::memset(t.v, 251, sizeof t.v);
    t.v[0] = first;
    return t;
}

QuantTable tableAt(TableClass c, int group, int number, int table)
{
    QuantTable t{};
    std::memcpy(t.v, entry(c, group, number).table(table), sizeof t.v);
    return t;
}

void setRows(const QuantTable& r0, const QuantTable& r1, const QuantTable& r2 = QuantTable{})
{
    setRow(0, r0);
    setRow(1, r1);
    setRow(2, r2);
}

QByteArray row(int r)
{
    return QByteArray(reinterpret_cast<const char*>(g_state.dqtSignature[r]), 25);
}

QByteArray prefix25(const QuantTable& t)
{
    return bytesOf(t).left(25);
}

// The 69-byte one-table result: the five bytes in front of the table, then the table.
QByteArray oneTableImage(const DqtTableSet& set, int table)
{
    return bytesOf(set).mid(5 + 65 * table - 5, 69);
}

bool buffersUntouched()
{
    const QByteArray zeros69(69, 0), zeros134(134, 0), zeros199(199, 0);
    return replacement(67) == zeros69 && replacement(132) == zeros134 && replacement(197) == zeros199;
}

} // namespace

// Lookups through the dispatcher and the five matchers, around the rules
// that decide which known-good table replaces a damaged one.
class QuantMatchingTest : public QObject {
    Q_OBJECT
private slots:
    void init() { resetExchange(); }

    // completion of the signature and routing
    void twoEmptyRowsBecomeOnesAndGetQuality100();
    void damagedValueShortensThePrefix();
    void dcValueWithoutClassLeavesSegment();
    void secondOneTableSegmentBorrowsFirstRow();
    void threeEmptyRowsGetDefaultSignature();
    void threeTableWithOnlyLastRow();
    void oneTableSegmentsBeyondThreeKeepRows();
    void leftoverTwoFilledAcceptsEitherTable();

    // common matcher rules
    void prefixOneComparesFirstValues();
    void oneTableIndexOneComparesT0First();
    void oneTableIndexTwoSkipsTwoTableCandidates();
    void oneTableIndexThreeFindsNothing_data();
    void oneTableIndexThreeFindsNothing();
    void unknownLengthComparesNothing_data();
    void unknownLengthComparesNothing();
    void oneTableHitOnSecondTable();
    void prefixOutsideSignatureComparesNothing_data();
    void prefixOutsideSignatureComparesNothing();

    // DC-1 class
    void dc1ChrominanceAloneFindsSwappedEntry();
    void dc1SecondOneTableSegmentGetsT1();
    void dc1TripleWithoutOwnEntryShrinksToSix();
    void dc1StrictEntryPassedOverWhenFilled();
    void dc1EntryBeginningWithThreeReachedThroughRowOne();

    // DC-2 class
    void dc2TripleMatchesOnlyAtOne();
    void dc2SecondOneTableSegmentGetsT1();
    void dc2StrictEntryPassedOverWhenFilled();

    // grouped classes
    void filledTwoTableTakesFirstCandidate_data();
    void filledTwoTableTakesFirstCandidate();
    void twoTableWithoutGroupOrMatchGetsNothing_data();
    void twoTableWithoutGroupOrMatchGetsNothing();
    void threeTableWithoutGroupGetsNothing_data();
    void threeTableWithoutGroupGetsNothing();
    void filledThreeTableAcceptsAnyRow_data();
    void filledThreeTableAcceptsAnyRow();
    void rowZeroPicksTheGroupForOneTableSegments();
    void oneTableIndexTwoSearchesThreeTableGroupsOnly_data();
    void oneTableIndexTwoSearchesThreeTableGroupsOnly();
    void prefixOneDecidedByRowOne_data();
    void prefixOneDecidedByRowOne();
    void dc345Quality88PairAtFullPrefix();
    void dc6Quality50PairWithAnyFlag();
    void dc6TriplesOfQuality75And76();
    void dc6IndexOneAnsweredByChrominance();
    void dc10Group32NeedsRowOneToBegin33();
    void dc10FilledRowOneAloneFindsQuality70();
    void dc10Quality67TripleWithAndWithoutFlag();
    void dc10TwoOneTableSegmentsInTurn();
};

void QuantMatchingTest::twoEmptyRowsBecomeOnesAndGetQuality100()
{
    lookUp(132);
    QCOMPARE(row(0), QByteArray(25, 1));
    QCOMPARE(row(1), QByteArray(25, 1));
    QCOMPARE(g_state.dqtTwoFilled, 1);
    QCOMPARE(g_state.dqtSearchPending, 0);
    QCOMPARE(replacement(132), bytesOf(qualityPair(100)));
}

void QuantMatchingTest::damagedValueShortensThePrefix()
{
    QuantTable damaged = luminanceAtQuality(97);
    damaged.v[20] = 200;
    setRows(damaged, chrominanceAtQuality(97));
    g_state.dqtLength = 132;
    QVERIFY(!matchAt(TableClass::Dc1, 21));
    QVERIFY(matchAt(TableClass::Dc1, 20));
    resetExchange();
    setRows(damaged, chrominanceAtQuality(97));
    lookUp(132);
    QCOMPARE(g_state.dqtSearchPending, 0);
    QCOMPARE(replacement(132), bytesOf(qualityPair(97)));
}

void QuantMatchingTest::dcValueWithoutClassLeavesSegment()
{
    setRow(0, unknown(14));
    g_state.dqtLength = 67;
    g_state.dqtSegmentCount = 1;
    Quantization front;
    const quint8* result = front.MatchKnownTable();
    QCOMPARE(g_state.dqtSearchPending, 1);
    QVERIFY(result != g_state.dqtReplacement1 && result != g_state.dqtReplacement2
            && result != g_state.dqtReplacement3);
    QVERIFY(buffersUntouched());
}

void QuantMatchingTest::secondOneTableSegmentBorrowsFirstRow()
{
    setRow(0, luminanceAtQuality(97));
    lookUp(67, 2, 1);
    QCOMPARE(row(1), prefix25(luminanceAtQuality(97)));
    QCOMPARE(g_state.dqtTwoFilled, 0);
    QCOMPARE(g_state.dqtSearchPending, 0);
    QCOMPARE(replacement(67).mid(5), bytesOf(luminanceAtQuality(97)));
}

void QuantMatchingTest::threeEmptyRowsGetDefaultSignature()
{
    lookUp(197);
    const QByteArray expected("\x04\x01\x01\x01\x01\x01\x02\x01\x01\x01\x02\x02\x02"
                              "\x02\x03\x05\x03\x03\x03\x03\x03\x06\x04\x05\x03", 25);
    for (int r = 0; r < 3; ++r)
        QCOMPARE(row(r), expected);
    QCOMPARE(g_state.dqtThreeFilled, 1);
    QCOMPARE(g_state.dqtSearchPending, 0);
    QCOMPARE(int(g_state.dqtReplacement3[5]), 4);
}

void QuantMatchingTest::threeTableWithOnlyLastRow()
{
    setRow(2, chrominanceAtQuality(77));
    lookUp(197);
    QCOMPARE(row(0), prefix25(chrominanceAtQuality(77)));
    QCOMPARE(row(1), prefix25(chrominanceAtQuality(77)));
    QCOMPARE(g_state.dqtThreeFilled, 1);
}

void QuantMatchingTest::oneTableSegmentsBeyondThreeKeepRows()
{
    setRow(1, luminanceAtQuality(97));
    lookUp(67, 4, 1);
    QCOMPARE(row(0), QByteArray(25, 0));
    QCOMPARE(g_state.dqtSearchPending, 1);
}

void QuantMatchingTest::leftoverTwoFilledAcceptsEitherTable()
{
    g_state.dqtTwoFilled = 1;
    setRows(luminanceAtQuality(97), unknown(1));
    lookUp(132);
    QCOMPARE(g_state.dqtTwoFilled, 1);
    QCOMPARE(replacement(132), bytesOf(qualityPair(97)));

    resetExchange();
    setRows(luminanceAtQuality(97), unknown(1));
    g_state.dqtLength = 132;
    QVERIFY(!matchAt(TableClass::Dc1, 25));
}

void QuantMatchingTest::prefixOneComparesFirstValues()
{
    setRows(unknown(1), unknown(4));
    g_state.dqtLength = 132;
    QVERIFY(matchAt(TableClass::Dc1, 1));
    QCOMPARE(replacement(132), bytesOf(entry(TableClass::Dc1, 0, 4)));
}

void QuantMatchingTest::oneTableIndexOneComparesT0First()
{
    setRows(unknown(1), luminanceAtQuality(97));
    g_state.dqtLength = 67;
    g_state.dqtIndex = 1;
    QVERIFY(matchAt(TableClass::Dc1, 25));
    QCOMPARE(replacement(67), oneTableImage(qualityPair(97), 0));
    QCOMPARE(replacement(67).left(5), QByteArray("\xFF\xDB\x00\x84\x00", 5));
}

void QuantMatchingTest::oneTableIndexTwoSkipsTwoTableCandidates()
{
    setRows(unknown(1), unknown(1), chrominanceAtQuality(97));
    g_state.dqtLength = 67;
    g_state.dqtIndex = 2;
    QVERIFY(!matchAt(TableClass::Dc1, 25));
    QVERIFY(buffersUntouched());
}

void QuantMatchingTest::oneTableIndexThreeFindsNothing_data()
{
    QTest::addColumn<TableClass>("tableClass");
    QTest::addColumn<int>("group");
    QTest::newRow("dc1") << TableClass::Dc1 << 0;
    QTest::newRow("dc2") << TableClass::Dc2 << 0;
    QTest::newRow("dc345") << TableClass::Dc345 << 4;
    QTest::newRow("dc6") << TableClass::Dc6to18 << 8;
    QTest::newRow("dc10") << TableClass::Dc10to80 << 15;
}

void QuantMatchingTest::oneTableIndexThreeFindsNothing()
{
    QFETCH(TableClass, tableClass);
    QFETCH(int, group);
    const int last = candidateCount(tableClass, group == 0 ? 1 : group);
    const DqtTableSet& set = entry(tableClass, group, last);
    setRowsFrom(set);
    g_state.dqtLength = 67;
    for (int index : {3, 4, -1}) {
        g_state.dqtIndex = index;
        QVERIFY(!matchAt(tableClass, 25));
    }
    g_state.dqtIndex = 2; // the same rows do match through an index that exists
    QVERIFY(matchAt(tableClass, 25));
}

void QuantMatchingTest::unknownLengthComparesNothing_data()
{
    oneTableIndexThreeFindsNothing_data();
}

void QuantMatchingTest::unknownLengthComparesNothing()
{
    QFETCH(TableClass, tableClass);
    QFETCH(int, group);
    setRowsFrom(entry(tableClass, group, 1));
    g_state.dqtLength = 100;
    g_state.dqtSearchPending = 0;
    QVERIFY(!matchAt(tableClass, 25));
    QCOMPARE(g_state.dqtSearchPending, 1);
    QVERIFY(buffersUntouched());
}

void QuantMatchingTest::oneTableHitOnSecondTable()
{
    setRow(0, chrominanceAtQuality(97));
    g_state.dqtLength = 67;
    QVERIFY(matchAt(TableClass::Dc1, 25));
    const QByteArray image = replacement(67);
    QCOMPARE(image.mid(5), bytesOf(chrominanceAtQuality(97)));
    QCOMPARE(image.left(4), bytesOf(luminanceAtQuality(97)).right(4));
    QCOMPARE(int(image.at(4)), 1);
}

void QuantMatchingTest::prefixOutsideSignatureComparesNothing_data()
{
    oneTableIndexThreeFindsNothing_data();
}

// A signature row holds 25 values; longer or empty prefixes are misses.
void QuantMatchingTest::prefixOutsideSignatureComparesNothing()
{
    QFETCH(TableClass, tableClass);
    QFETCH(int, group);
    setRowsFrom(entry(tableClass, group, 1));
    g_state.dqtLength = entry(tableClass, group, 1).tableCount == 2 ? 132 : 197;
    for (int prefix : {0, -3, 26, 64})
        QVERIFY(!matchAt(tableClass, prefix));
    QVERIFY(buffersUntouched());
    QVERIFY(matchAt(tableClass, 25));
}

void QuantMatchingTest::dc1ChrominanceAloneFindsSwappedEntry()
{
    setRow(0, chrominanceAtQuality(98));
    lookUp(67, 1, 0);
    QCOMPARE(g_state.dqtSearchPending, 0);
    QCOMPARE(replacement(67), oneTableImage(entry(TableClass::Dc1, 0, 23), 0));
    QCOMPARE(replacement(67).mid(5), bytesOf(chrominanceAtQuality(98)));
}

void QuantMatchingTest::dc1SecondOneTableSegmentGetsT1()
{
    setRows(luminanceAtQuality(97), chrominanceAtQuality(97));
    lookUp(67, 2, 1);
    QCOMPARE(replacement(67), oneTableImage(qualityPair(97), 1));
}

void QuantMatchingTest::dc1TripleWithoutOwnEntryShrinksToSix()
{
    setRows(luminanceAtQuality(97), chrominanceAtQuality(97), chrominanceAtQuality(97));
    g_state.dqtLength = 197;
    QVERIFY(!matchAt(TableClass::Dc1, 7));
    lookUp(197);
    QCOMPARE(replacement(197), bytesOf(qualityTriple(100)));
}

void QuantMatchingTest::dc1StrictEntryPassedOverWhenFilled()
{
    const QuantTable t0 = tableAt(TableClass::Dc1, 0, 19, 0);
    setRows(t0, t0);
    g_state.dqtTwoFilled = 1;
    g_state.dqtLength = 132;
    QVERIFY(matchAt(TableClass::Dc1, 25));
    QCOMPARE(replacement(132), bytesOf(entry(TableClass::Dc1, 0, 80)));

    // both tables of its own: the strict entry itself
    resetExchange();
    setRowsFrom(entry(TableClass::Dc1, 0, 19));
    g_state.dqtTwoFilled = 1;
    g_state.dqtLength = 132;
    QVERIFY(matchAt(TableClass::Dc1, 25));
    QCOMPARE(replacement(132), bytesOf(entry(TableClass::Dc1, 0, 19)));
}

void QuantMatchingTest::dc1EntryBeginningWithThreeReachedThroughRowOne()
{
    const DqtTableSet& pos39 = entry(TableClass::Dc1, 0, 39);
    setRows(unknown(1), tableAt(TableClass::Dc1, 0, 39, 0));
    lookUp(67, 2, 1);
    QCOMPARE(replacement(67), oneTableImage(pos39, 0));

    resetExchange();
    setRows(unknown(1), tableAt(TableClass::Dc1, 0, 39, 1));
    g_state.dqtTwoFilled = 1;
    lookUp(132);
    QCOMPARE(replacement(132), bytesOf(pos39));
}

void QuantMatchingTest::dc2TripleMatchesOnlyAtOne()
{
    setRows(luminanceAtQuality(94), chrominanceAtQuality(94), chrominanceAtQuality(94));
    g_state.dqtLength = 197;
    for (int n = 25; n >= 2; --n)
        QVERIFY(!matchAt(TableClass::Dc2, n));
    QVERIFY(matchAt(TableClass::Dc2, 1));
    QCOMPARE(replacement(197), bytesOf(qualityTriple(93)));
}

void QuantMatchingTest::dc2SecondOneTableSegmentGetsT1()
{
    setRows(luminanceAtQuality(95), chrominanceAtQuality(95));
    lookUp(67, 2, 1);
    QCOMPARE(replacement(67), oneTableImage(qualityPair(95), 1));
}

void QuantMatchingTest::dc2StrictEntryPassedOverWhenFilled()
{
    const QuantTable t0 = tableAt(TableClass::Dc2, 0, 8, 0);
    setRows(t0, t0);
    g_state.dqtTwoFilled = 1;
    g_state.dqtLength = 132;
    QVERIFY(matchAt(TableClass::Dc2, 25));
    QCOMPARE(replacement(132), bytesOf(entry(TableClass::Dc2, 0, 22)));
}

void QuantMatchingTest::filledTwoTableTakesFirstCandidate_data()
{
    QTest::addColumn<TableClass>("tableClass");
    QTest::addColumn<int>("dc");
    QTest::addColumn<int>("group");
    using C = TableClass;
    QTest::newRow("3") << C::Dc345 << 3 << 1;
    QTest::newRow("4") << C::Dc345 << 4 << 2;
    QTest::newRow("5") << C::Dc345 << 5 << 3;
    QTest::newRow("6") << C::Dc6to18 << 6 << 1;
    QTest::newRow("8") << C::Dc6to18 << 8 << 2;
    QTest::newRow("9") << C::Dc6to18 << 9 << 3;
    QTest::newRow("33") << C::Dc10to80 << 33 << 9;
    QTest::newRow("80") << C::Dc10to80 << 80 << 12;
}

// A flag left set by an earlier segment counts the same as one set now.
void QuantMatchingTest::filledTwoTableTakesFirstCandidate()
{
    QFETCH(TableClass, tableClass);
    QFETCH(int, dc);
    QFETCH(int, group);
    setRows(unknown(quint8(dc)), unknown(200));
    g_state.dqtTwoFilled = 1;
    g_state.dqtLength = 132;
    QVERIFY(matchAt(tableClass, 25));
    QCOMPARE(replacement(132), bytesOf(entry(tableClass, group, 1)));
}

void QuantMatchingTest::twoTableWithoutGroupOrMatchGetsNothing_data()
{
    QTest::addColumn<int>("dc");
    QTest::addColumn<int>("twoFilled");
    QTest::newRow("dc 3, nothing alike") << 3 << 0;
    QTest::newRow("dc 7, no two-table group") << 7 << 0;
    QTest::newRow("dc 7, filled") << 7 << 1;
}

void QuantMatchingTest::twoTableWithoutGroupOrMatchGetsNothing()
{
    QFETCH(int, dc);
    QFETCH(int, twoFilled);
    setRows(unknown(quint8(dc)), unknown(250));
    g_state.dqtTwoFilled = twoFilled;
    lookUp(132);
    QCOMPARE(g_state.dqtSearchPending, 1);
    QVERIFY(buffersUntouched());
}

void QuantMatchingTest::threeTableWithoutGroupGetsNothing_data()
{
    QTest::addColumn<TableClass>("tableClass");
    QTest::addColumn<int>("group");
    using C = TableClass;
    // a two-table candidate's own tables, with a DC value that has no
    // three-table group
    QTest::newRow("5") << C::Dc345 << 3;
    QTest::newRow("6") << C::Dc6to18 << 1;
    QTest::newRow("16") << C::Dc6to18 << 4;
    QTest::newRow("18") << C::Dc6to18 << 5;
    for (int g = 4; g <= 12; ++g)
        QTest::addRow("dc10 group %d", g) << C::Dc10to80 << g;
}

void QuantMatchingTest::threeTableWithoutGroupGetsNothing()
{
    QFETCH(TableClass, tableClass);
    QFETCH(int, group);
    const DqtTableSet& set = entry(tableClass, group, 1);
    setRows(tableAt(tableClass, group, 1, 0), tableAt(tableClass, group, 1, 1),
            tableAt(tableClass, group, 1, 1));
    for (int filled : {0, 1}) {
        g_state.dqtThreeFilled = filled;
        lookUp(197);
        QCOMPARE(g_state.dqtSearchPending, 1);
    }
    QVERIFY(set.tableCount == 2);
    QVERIFY(buffersUntouched());
}

void QuantMatchingTest::filledThreeTableAcceptsAnyRow_data()
{
    QTest::addColumn<TableClass>("tableClass");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("candidate");
    QTest::addColumn<int>("row");
    using C = TableClass;
    QTest::newRow("dc345 row 2") << C::Dc345 << 5 << 3 << 2;
    QTest::newRow("dc345 row 1") << C::Dc345 << 4 << 3 << 1;
    QTest::newRow("dc6 q77 row 2") << C::Dc6to18 << 6 << 1 << 2;
    QTest::newRow("dc10 q67 row 0") << C::Dc10to80 << 14 << 1 << 0;
}

void QuantMatchingTest::filledThreeTableAcceptsAnyRow()
{
    QFETCH(TableClass, tableClass);
    QFETCH(int, group);
    QFETCH(int, candidate);
    QFETCH(int, row);
    const DqtTableSet& set = entry(tableClass, group, candidate);
    const quint8 dc = set.table(0)[0];
    setRows(unknown(dc), unknown(dc), unknown(dc));
    setRow(row, set.table(row));
    g_state.dqtLength = 197;
    QVERIFY(!matchAt(tableClass, 25));
    g_state.dqtThreeFilled = 1;
    QVERIFY(matchAt(tableClass, 25));
    QCOMPARE(replacement(197), bytesOf(set));
}

void QuantMatchingTest::rowZeroPicksTheGroupForOneTableSegments()
{
    // row 1 holds a table of the DC-4 group, but row 0 begins with 3
    setRows(unknown(3), tableAt(TableClass::Dc345, 2, 5, 0));
    g_state.dqtLength = 67;
    g_state.dqtIndex = 1;
    QVERIFY(!matchAt(TableClass::Dc345, 25));
    setRow(1, entry(TableClass::Dc345, 1, 5).table(1));
    QVERIFY(matchAt(TableClass::Dc345, 25));
    QCOMPARE(replacement(67), oneTableImage(entry(TableClass::Dc345, 1, 5), 1));
}

void QuantMatchingTest::oneTableIndexTwoSearchesThreeTableGroupsOnly_data()
{
    QTest::addColumn<TableClass>("tableClass");
    QTest::addColumn<int>("dc");
    QTest::addColumn<int>("group");      // three-table group searched, 0 for none
    QTest::addColumn<int>("twoTableGroup");
    using C = TableClass;
    QTest::newRow("dc345 3") << C::Dc345 << 3 << 4 << 1;
    QTest::newRow("dc345 5") << C::Dc345 << 5 << 0 << 3;
    QTest::newRow("dc6 9") << C::Dc6to18 << 9 << 8 << 3;
    QTest::newRow("dc6 6") << C::Dc6to18 << 6 << 0 << 1;
    QTest::newRow("dc6 16") << C::Dc6to18 << 16 << 0 << 4;
    QTest::newRow("dc6 18") << C::Dc6to18 << 18 << 0 << 5;
    QTest::newRow("dc10 12") << C::Dc10to80 << 12 << 15 << 3;
    QTest::newRow("dc10 13") << C::Dc10to80 << 13 << 0 << 4;
}

void QuantMatchingTest::oneTableIndexTwoSearchesThreeTableGroupsOnly()
{
    QFETCH(TableClass, tableClass);
    QFETCH(int, dc);
    QFETCH(int, group);
    QFETCH(int, twoTableGroup);
    g_state.dqtLength = 67;
    g_state.dqtIndex = 2;
    // a two-table candidate's second table is not looked at through row 2
    setRows(unknown(quint8(dc)), unknown(1), tableAt(tableClass, twoTableGroup, 1, 1));
    QVERIFY(!matchAt(tableClass, 25));
    if (group == 0)
        return;
    const DqtTableSet& set = entry(tableClass, group, 1);
    setRow(2, set.table(2));
    QVERIFY(matchAt(tableClass, 25));
    QCOMPARE(replacement(67).mid(5), tableOf(set, 2));
}

void QuantMatchingTest::prefixOneDecidedByRowOne_data()
{
    QTest::addColumn<TableClass>("tableClass");
    QTest::addColumn<int>("dc");
    QTest::addColumn<int>("rowOneFirst");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("candidate"); // 0: no hit
    using C = TableClass;
    QTest::newRow("dc 3, row 1 from 4") << C::Dc345 << 3 << 4 << 1 << 11;
    QTest::newRow("dc 3, row 1 from 3") << C::Dc345 << 3 << 3 << 1 << 1;
    QTest::newRow("dc 18, row 1 from 20") << C::Dc6to18 << 18 << 20 << 5 << 1;
    QTest::newRow("dc 18, row 1 from 19") << C::Dc6to18 << 18 << 19 << 5 << 3;
    QTest::newRow("dc 18, row 1 from 21") << C::Dc6to18 << 18 << 21 << 5 << 0;
    QTest::newRow("dc 50, row 1 from 53") << C::Dc10to80 << 50 << 53 << 11 << 1;
    QTest::newRow("dc 50, row 1 from 52") << C::Dc10to80 << 50 << 52 << 11 << 0;
}

void QuantMatchingTest::prefixOneDecidedByRowOne()
{
    QFETCH(TableClass, tableClass);
    QFETCH(int, dc);
    QFETCH(int, rowOneFirst);
    QFETCH(int, group);
    QFETCH(int, candidate);
    setRows(unknown(quint8(dc)), unknown(quint8(rowOneFirst)));
    g_state.dqtLength = 132;
    QCOMPARE(matchAt(tableClass, 1), candidate != 0);
    if (candidate != 0)
        QCOMPARE(replacement(132), bytesOf(entry(tableClass, group, candidate)));
}

void QuantMatchingTest::dc345Quality88PairAtFullPrefix()
{
    setRows(luminanceAtQuality(88), chrominanceAtQuality(88));
    lookUp(132);
    QCOMPARE(replacement(132), bytesOf(entry(TableClass::Dc345, 2, 4)));
    QCOMPARE(replacement(132), bytesOf(qualityPair(88)));
}

void QuantMatchingTest::dc6Quality50PairWithAnyFlag()
{
    for (int filled : {0, 1}) {
        resetExchange();
        setRows(luminanceAtQuality(50), chrominanceAtQuality(50));
        g_state.dqtTwoFilled = filled;
        lookUp(132);
        QCOMPARE(replacement(132), bytesOf(entry(TableClass::Dc6to18, 4, 5)));
    }
}

void QuantMatchingTest::dc6TriplesOfQuality75And76()
{
    for (int filled : {0, 1}) {
        resetExchange();
        setRowsFrom(qualityTriple(75));
        g_state.dqtThreeFilled = filled;
        lookUp(197);
        QCOMPARE(replacement(197), bytesOf(entry(TableClass::Dc6to18, 7, 3)));
    }
    resetExchange();
    setRowsFrom(qualityTriple(76));
    lookUp(197);
    QCOMPARE(replacement(197), bytesOf(entry(TableClass::Dc6to18, 7, 2)));
}

void QuantMatchingTest::dc6IndexOneAnsweredByChrominance()
{
    setRows(unknown(8), chrominanceAtQuality(75));
    lookUp(67, 2, 1);
    QCOMPARE(replacement(67), oneTableImage(qualityPair(75), 1));
}

void QuantMatchingTest::dc10Group32NeedsRowOneToBegin33()
{
    const DqtTableSet& set = entry(TableClass::Dc10to80, 8, 1);
    for (int filled : {0, 1}) {
        resetExchange();
        setRows(tableAt(TableClass::Dc10to80, 8, 1, 0), unknown(33));
        g_state.dqtTwoFilled = filled;
        lookUp(132);
        QCOMPARE(replacement(132), bytesOf(set));

        resetExchange();
        setRowsFrom(set);
        g_state.dqtTwoFilled = filled;
        lookUp(132);
        QCOMPARE(g_state.dqtSearchPending, 1);
    }
}

void QuantMatchingTest::dc10FilledRowOneAloneFindsQuality70()
{
    setRows(unknown(10), chrominanceAtQuality(70));
    g_state.dqtTwoFilled = 1;
    lookUp(132);
    QCOMPARE(replacement(132), bytesOf(qualityPair(70)));
}

void QuantMatchingTest::dc10Quality67TripleWithAndWithoutFlag()
{
    setRowsFrom(qualityTriple(67));
    lookUp(197);
    QCOMPARE(replacement(197), bytesOf(entry(TableClass::Dc10to80, 14, 1)));

    resetExchange();
    setRows(luminanceAtQuality(67), unknown(11), unknown(11));
    g_state.dqtThreeFilled = 1;
    g_state.dqtLength = 197;
    QVERIFY(matchAt(TableClass::Dc10to80, 25));
    QCOMPARE(replacement(197), bytesOf(qualityTriple(67)));
}

// The rewrite advances the index between the two segments, not the library.
void QuantMatchingTest::dc10TwoOneTableSegmentsInTurn()
{
    const DqtTableSet& set = entry(TableClass::Dc10to80, 5, 1);
    setRows(tableAt(TableClass::Dc10to80, 5, 1, 0), tableAt(TableClass::Dc10to80, 5, 1, 1));
    lookUp(67, 2, 0);
    QCOMPARE(g_state.dqtIndex, 0);
    QCOMPARE(replacement(67), oneTableImage(set, 0));
    lookUp(67, 2, 1);
    QCOMPARE(g_state.dqtIndex, 1);
    QCOMPARE(replacement(67), oneTableImage(set, 1));
}

QTEST_GUILESS_MAIN(QuantMatchingTest)
#include "tst_quant_matching.moc"
