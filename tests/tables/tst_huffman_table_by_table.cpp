// The table-by-table lookup on DHT segments of the typical tables and of an
// encoder's own tables, damaged in their counts or their values.
#include "global_state.h"
#include "huffman_lookup.h"
#include "jpeg_fixture.h"
#include "tables/huffman/hoffmann.h"
#include "tables/huffman/typical_huffman_tables.h"

#include <QtTest>

#include <cstring>

using namespace typical_huffman;

namespace {

QByteArray withBytesGarbled(QByteArray segment, const QList<int>& positions)
{
    for (int position : positions)
        segment[position] = char(quint8(segment[position]) ^ 0x5A);
    return segment;
}

QByteArray withLengthField(QByteArray segment)
{
    const int length = segment.size() - 2;
    segment[2] = char(length >> 8);
    segment[3] = char(length & 0xFF);
    return segment;
}

QByteArray tablesInOrder(const QVector<QByteArray>& singleTableSegments)
{
    QByteArray segment("\xFF\xC4\0\0", 4);
    for (const QByteArray& single : singleTableSegments)
        segment += single.mid(4);
    return withLengthField(segment);
}

QList<int> everyCount(int tableAt)
{
    QList<int> positions;
    for (int i = 1; i <= 16; ++i)
        positions << tableAt + i;
    return positions;
}

} // namespace

class HuffmanTableByTableTest : public QObject {
    Q_OBJECT
private slots:
    void tablesAreFoundOneByOne_data();
    void tablesAreFoundOneByOne();
    void unknownTablesAreLeftAsRead_data();
    void unknownTablesAreLeftAsRead();
};

void HuffmanTableByTableTest::tablesAreFoundOneByOne_data()
{
    QTest::addColumn<QByteArray>("segment");
    QTest::addColumn<QByteArray>("expected"); // empty: no replacement
    const QByteArray lumDc = toBytes(kLuminanceDcSegment), chrDc = toBytes(kChrominanceDcSegment);
    const QByteArray lumAc = toBytes(kLuminanceAcSegment), chrAc = toBytes(kChrominanceAcSegment);
    const QByteArray pairFirst = toBytes(kLuminancePairFirstSegment);
    const QByteArray unlisted = tablesInOrder({chrDc, lumDc, chrAc, lumAc});

    QTest::newRow("luminance DC, one count") << withBytesGarbled(lumDc, {6}) << lumDc;
    QTest::newRow("chrominance DC, every count") << withBytesGarbled(chrDc, everyCount(4)) << chrDc;
    // Both DC tables hold the values 0 to 11: the counts that survived decide.
    QByteArray lumDcAsTable1 = lumDc;
    lumDcAsTable1[4] = 0x01;
    QTest::newRow("luminance DC as table 1, two counts")
        << withBytesGarbled(lumDcAsTable1, {5, 7}) << lumDcAsTable1;
    QTest::newRow("luminance AC, the last count") << withBytesGarbled(lumAc, {20}) << lumAc;
    QTest::newRow("four tables, counts of the second and fourth")
        << withBytesGarbled(pairFirst, {21 + 12 + 3, 21 + 12 + 179 + 29 + 9}) << pairFirst;
    QTest::newRow("four tables in an unlisted order, first counts")
        << withBytesGarbled(unlisted, {6, 8}) << unlisted;
    QByteArray repeatedValue = unlisted;
    repeatedValue[unlisted.size() - 5] = repeatedValue[unlisted.size() - 6];
    QTest::newRow("four tables in an unlisted order, a value repeated") << repeatedValue << unlisted;
    QTest::newRow("intact tables stay as they are") << unlisted << unlisted;

    QByteArray badClass = withBytesGarbled(lumAc, {20});
    badClass[4] = 0x21;
    QTest::newRow("class byte damaged") << badClass << QByteArray();
    QTest::newRow("a value short") << withLengthField(withBytesGarbled(lumAc, {20}).chopped(1)) << QByteArray();
    QTest::newRow("no whole table header") << withLengthField(lumDc.left(20)) << QByteArray();
    QTest::newRow("longer than the exchange buffer")
        << tablesInOrder({lumAc, chrAc, withBytesGarbled(lumAc, {20})}) << QByteArray();
}

void HuffmanTableByTableTest::tablesAreFoundOneByOne()
{
    QFETCH(QByteArray, segment);
    QFETCH(QByteArray, expected);
    std::memset(g_state.dhtReplacement, 0xEE, sizeof g_state.dhtReplacement);
    Hoffmann().MatchTableByTable(reinterpret_cast<const quint8*>(segment.constData()), segment.size());
    QCOMPARE(dhtReplacement(), expected);
    if (expected.isEmpty())
        QCOMPARE(g_state.dhtReplacement[0], quint8(0xEE));
}

void HuffmanTableByTableTest::unknownTablesAreLeftAsRead_data()
{
    QTest::addColumn<QByteArray>("segment");
    QTest::addColumn<int>("segmentCount");
    // The encoder's own tables for this picture: no catalogue table has their
    // counts or their values.
    const QVector<QByteArray> own =
        dhtSegmentsOf(fixture::cjpegJpeg(fixture::testPicture(320, 240), {"-optimize"}));
    QCOMPARE(own.size(), 4);
    const QByteArray acCount = withBytesGarbled(own[1], {5 + 11});
    QTest::newRow("an own AC table, a count") << acCount << 4;
    QTest::newRow("an own AC table, a count, the only segment") << acCount << 1;
    QByteArray repeatedValue = own[1];
    repeatedValue[22] = repeatedValue[21];
    QTest::newRow("an own AC table, a value repeated") << repeatedValue << 4;
    const QByteArray joined = tablesInOrder(own);
    QTest::newRow("own tables in one segment, an AC count")
        << withBytesGarbled(joined, {own[0].size() + 1 + 10}) << 1;
    QTest::newRow("own tables in one segment, a DC count") << withBytesGarbled(joined, {5 + 3}) << 1;
}

// The rewrite's two lookups find nothing, so it writes the segment as read.
void HuffmanTableByTableTest::unknownTablesAreLeftAsRead()
{
    QFETCH(QByteArray, segment);
    QFETCH(int, segmentCount);
    lookUpDhtSegmentAsRewrite(segment, segmentCount);
    QCOMPARE(g_state.dhtReplacementSize, 0);
}

QTEST_MAIN(HuffmanTableByTableTest)
#include "tst_huffman_table_by_table.moc"
