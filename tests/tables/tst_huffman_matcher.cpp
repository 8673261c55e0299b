#include "global_state.h"
#include "huffman_lookup.h"
#include "tables/huffman/hoffmann.h"
#include "tables/huffman/known_dht_segment.h"
#include "tables/huffman/typical_huffman_tables.h"
#include "temp_file.h"

#include <QtTest>

#include <cstring>

using namespace typical_huffman;

namespace {

// Marks the exchange fields so that a call that does not answer shows.
void spoilExchange()
{
    g_state.dhtReplacementSize = -1;
    std::memset(g_state.dhtReplacement, 0xAB, sizeof g_state.dhtReplacement);
}

QByteArray withLengthField(QByteArray segment, int lengthField)
{
    segment[2] = char(lengthField >> 8);
    segment[3] = char(lengthField);
    return segment;
}

QByteArray fourTablesInOrder(const QByteArray& first, const QByteArray& second, const QByteArray& third,
                             const QByteArray& fourth)
{
    // Each single-table segment contributes its table without marker and length.
    return withLengthField(first + second.mid(4) + third.mid(4) + fourth.mid(4), 418);
}

} // namespace

// The matcher swaps a DHT segment for a catalogued one by length field, key
// bytes and, for a file with a single DHT segment, the further table headers.
class HuffmanMatcherTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void lengthWithoutEntriesGivesNoReplacement_data();
    void lengthWithoutEntriesGivesNoReplacement();
    void singleTableSegments_data();
    void singleTableSegments();
    void damagedValuesBeyondTheKeyAreReplaced();
    void damagedKeyGivesNoReplacement();
    void severalSegmentsSeeOnlyTheFirstTable_data();
    void severalSegmentsSeeOnlyTheFirstTable();
    void oneSegmentChoosesByTableHeaders_data();
    void oneSegmentChoosesByTableHeaders();
    void missAfterHitKeepsTheBuffer();
    void headerPositionsOutsideTheEntry_data();
    void headerPositionsOutsideTheEntry();
    void writeFuzzSeeds();
};

void HuffmanMatcherTest::init()
{
    spoilExchange();
    std::memset(g_state.dhtTableOffset, 0, sizeof g_state.dhtTableOffset);
    std::memset(g_state.dhtTableHeader, 0, sizeof g_state.dhtTableHeader);
}

void HuffmanMatcherTest::lengthWithoutEntriesGivesNoReplacement_data()
{
    QTest::addColumn<int>("lengthField");
    for (int length : {0, 2, 24, 33, 104, 180, 182, 417, 419, 420, 0xFFFF})
        QTest::newRow(qPrintable(QString::number(length))) << length;
}

void HuffmanMatcherTest::lengthWithoutEntriesGivesNoReplacement()
{
    QFETCH(int, lengthField);
    const QByteArray segment = withLengthField(toBytes(kLuminancePairFirstSegment), lengthField);
    for (int segmentCount : {1, 4}) {
        spoilExchange();
        lookUpDhtSegment(segment, segmentCount);
        QCOMPARE(g_state.dhtReplacementSize, 0);
        QCOMPARE(quint8(g_state.dhtReplacement[0]), quint8(0xAB));
    }
}

void HuffmanMatcherTest::singleTableSegments_data()
{
    QTest::addColumn<QByteArray>("segment");
    QTest::addColumn<int>("segmentCount");
    QTest::newRow("luminance DC") << toBytes(kLuminanceDcSegment) << 4;
    QTest::newRow("chrominance DC") << toBytes(kChrominanceDcSegment) << 4;
    QTest::newRow("luminance AC") << toBytes(kLuminanceAcSegment) << 4;
    QTest::newRow("chrominance AC") << toBytes(kChrominanceAcSegment) << 4;
    // A single-table length ignores the one-segment mode.
    QTest::newRow("luminance DC, only segment") << toBytes(kLuminanceDcSegment) << 1;
    QTest::newRow("chrominance AC, only segment") << toBytes(kChrominanceAcSegment) << 1;
}

void HuffmanMatcherTest::singleTableSegments()
{
    QFETCH(QByteArray, segment);
    QFETCH(int, segmentCount);
    lookUpDhtSegment(segment, segmentCount);
    QCOMPARE(dhtReplacement(), segment);
}

void HuffmanMatcherTest::damagedValuesBeyondTheKeyAreReplaced()
{
    const QByteArray good = toBytes(kLuminanceAcSegment);
    QByteArray damaged = good;
    damaged[24] = char(0xFF);
    damaged[150] = 0;
    lookUpDhtSegment(damaged, 4);
    QCOMPARE(dhtReplacement(), good);
}

void HuffmanMatcherTest::damagedKeyGivesNoReplacement()
{
    // Byte 23 is the last of the 24-byte key of this length.
    QByteArray damaged = toBytes(kLuminanceAcSegment);
    damaged[23] = char(0x7F);
    lookUpDhtSegment(damaged, 4);
    QCOMPARE(g_state.dhtReplacementSize, 0);
}

void HuffmanMatcherTest::severalSegmentsSeeOnlyTheFirstTable_data()
{
    const QByteArray lumDc = toBytes(kLuminanceDcSegment), chrDc = toBytes(kChrominanceDcSegment);
    const QByteArray lumAc = toBytes(kLuminanceAcSegment), chrAc = toBytes(kChrominanceAcSegment);
    QTest::addColumn<QByteArray>("segment");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("luminance pair first") << toBytes(kLuminancePairFirstSegment)
                                          << toBytes(kLuminancePairFirstSegment);
    QTest::newRow("DC tables first") << toBytes(kDcTablesFirstSegment) << toBytes(kLuminancePairFirstSegment);
    QTest::newRow("unlisted order, luminance DC first")
        << fourTablesInOrder(lumDc, chrAc, lumAc, chrDc) << toBytes(kLuminancePairFirstSegment);
    QTest::newRow("chrominance pair first") << toBytes(kChrominancePairFirstSegment)
                                            << toBytes(kChrominancePairFirstSegment);
}

void HuffmanMatcherTest::severalSegmentsSeeOnlyTheFirstTable()
{
    QFETCH(QByteArray, segment);
    QFETCH(QByteArray, expected);
    lookUpDhtSegment(segment, 2);
    QCOMPARE(dhtReplacement(), expected);
}

void HuffmanMatcherTest::oneSegmentChoosesByTableHeaders_data()
{
    const QByteArray lumDc = toBytes(kLuminanceDcSegment), chrDc = toBytes(kChrominanceDcSegment);
    const QByteArray lumAc = toBytes(kLuminanceAcSegment), chrAc = toBytes(kChrominanceAcSegment);
    QTest::addColumn<QByteArray>("segment");
    QTest::addColumn<QByteArray>("expected");
    for (const QByteArray& catalogued :
         {toBytes(kLuminancePairFirstSegment), toBytes(kDcTablesFirstSegment), toBytes(kChrominancePairFirstSegment)})
        QTest::newRow(qPrintable("order " + catalogued.mid(4, 1).toHex())) << catalogued << catalogued;
    QTest::newRow("unlisted order") << fourTablesInOrder(lumDc, chrAc, lumAc, chrDc) << QByteArray();
    QByteArray damagedValues = toBytes(kDcTablesFirstSegment);
    damagedValues[300] = char(0xEE);
    QTest::newRow("damaged values") << damagedValues << toBytes(kDcTablesFirstSegment);
    QByteArray damagedHeader = toBytes(kDcTablesFirstSegment);
    damagedHeader[63] = char(0x01);  // a count of the third table
    QTest::newRow("damaged third header") << damagedHeader << QByteArray();
}

void HuffmanMatcherTest::oneSegmentChoosesByTableHeaders()
{
    QFETCH(QByteArray, segment);
    QFETCH(QByteArray, expected);
    lookUpDhtSegment(segment, 1);
    QCOMPARE(dhtReplacement(), expected);
}

void HuffmanMatcherTest::missAfterHitKeepsTheBuffer()
{
    const QByteArray hit = toBytes(kChrominanceAcSegment);
    lookUpDhtSegment(hit, 4);
    QCOMPARE(dhtReplacement(), hit);

    QByteArray miss = toBytes(kLuminanceDcSegment);
    miss[4] = 0x05;
    lookUpDhtSegment(miss, 4);
    QCOMPARE(g_state.dhtReplacementSize, 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(g_state.dhtReplacement), hit.size()), hit);
}

// Header positions come from damaged counts and can point anywhere; only
// headers that lie wholly inside the entry can confirm it.
void HuffmanMatcherTest::headerPositionsOutsideTheEntry_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("last whole header") << 420 - 17 << true;
    QTest::newRow("one byte past the end") << 420 - 16 << false;
    QTest::newRow("at the end") << 420 << false;
    QTest::newRow("far past the end") << 12000 << false;
    QTest::newRow("largest position") << std::numeric_limits<qint32>::max() << false;
    QTest::newRow("negative") << -1 << false;
    QTest::newRow("most negative") << std::numeric_limits<qint32>::min() << false;
}

void HuffmanMatcherTest::headerPositionsOutsideTheEntry()
{
    QFETCH(int, offset);
    QFETCH(bool, replaced);
    const QByteArray entry = toBytes(kLuminancePairFirstSegment);
    quint8 prefix[32] = {};
    std::memcpy(prefix, entry.constData(), 29);
    for (int i = 0; i < 3; ++i) {
        g_state.dhtTableOffset[i] = offset;
        std::memcpy(g_state.dhtTableHeader[i], entry.constData() + entry.size() - 17, 17);
    }
    g_state.dhtSegmentCount = 1;
    Hoffmann().MatchKnownTable(prefix, 418);
    QCOMPARE(g_state.dhtReplacementSize, replaced ? 420 : 0);
}

// With PICTAVO_WRITE_SEEDS=<dir>, writes one fuzz seed per catalogue entry in
// the fuzz target's input layout: segment count, table positions, table
// headers, length field, segment bytes.
void HuffmanMatcherTest::writeFuzzSeeds()
{
    const QString dir = qEnvironmentVariable("PICTAVO_WRITE_SEEDS");
    if (dir.isEmpty())
        QSKIP("PICTAVO_WRITE_SEEDS is not set");
    int index = 0;
    for (const KnownDhtSegment& entry : kKnownDhtSegments) {
        const QByteArray segment(reinterpret_cast<const char*>(entry.segment), entry.size());
        fillDhtTableHeaders(segment);
        auto appendLe32 = [](QByteArray& bytes, quint32 value) {
            for (int shift = 0; shift < 32; shift += 8)
                bytes.append(char(value >> shift));
        };
        QByteArray seed(1, entry.holdsSeveralTables() ? 1 : 2);
        for (qint32 offset : g_state.dhtTableOffset)
            appendLe32(seed, quint32(offset));
        seed.append(reinterpret_cast<const char*>(g_state.dhtTableHeader), 51);
        appendLe32(seed, entry.lengthField());
        seed.append(segment.left(29));
        const QString name = QString("%1/fuzz_tables_huffman/entry_%2").arg(dir).arg(++index, 3, 10, QChar('0'));
        QVERIFY(writeFileBytes(name, seed));
    }
}

QTEST_GUILESS_MAIN(HuffmanMatcherTest)
#include "tst_huffman_matcher.moc"
