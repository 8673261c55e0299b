// Damaged Huffman tables of real encoder output, repaired by the whole
// engine and checked by decoding: the standard tables are found in one
// segment that holds them all as well as in one segment each, also when their
// code counts are garbled.
#include "fuzz_seed.h"
#include "global_state.h"
#include "huffman_lookup.h"
#include "jpeg_fixture.h"
#include "repair_run.h"
#include "temp_file.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace repairrun;

namespace {

// A photo's file name in the tests' input folder and in the work folder.
const QString kName = "photo.jpg";

// The picture as cjpeg writes it by default: the standard tables, one
// segment each, in the order luminance DC, luminance AC, chrominance DC,
// chrominance AC.
QByteArray cjpegPhoto(const QStringList& options = {})
{
    return fixture::cjpegJpeg(fixture::testPicture(320, 240), options);
}

// The file with the given code counts (0 to 15) of its table-th table (in
// file order) changed as a damaged card changes them; empty when the file
// has no such table. Tables are found by the counts before them, so a later
// table is garbled before an earlier one.
QByteArray withCountsGarbled(QByteArray jpeg, int table, const QList<int>& counts)
{
    const int at = dhtTablePositions(jpeg).value(table, -1);
    if (at < 0)
        return {};
    for (int count : counts)
        jpeg[at + 1 + count] = char(quint8(jpeg[at + 1 + count]) ^ 0x5A);
    return jpeg;
}

// The file with code value `to` of its table-th table overwritten by value
// `from`, so that the table holds one value twice; empty when the file has
// no such table.
QByteArray withValueRepeated(QByteArray jpeg, int table, int from, int to)
{
    const int at = dhtTablePositions(jpeg).value(table, -1);
    if (at < 0)
        return {};
    jpeg[at + 17 + to] = jpeg[at + 17 + from];
    return jpeg;
}

// The file with the class and destination byte of its table-th table
// changed to `to`; empty when the file has no such table.
QByteArray withClassByte(QByteArray jpeg, int table, quint8 to)
{
    const int at = dhtTablePositions(jpeg).value(table, -1);
    if (at < 0)
        return {};
    jpeg[at] = char(to);
    return jpeg;
}

QList<int> allCounts()
{
    QList<int> counts;
    for (int i = 0; i < 16; ++i)
        counts << i;
    return counts;
}

} // namespace

class JpegDhtRepairTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void damagedTablesAreRestored_data();
    void damagedTablesAreRestored();
    void intactTablesAreKept_data();
    void intactTablesAreKept();
    void writeFuzzSeeds();

private:
    QString m_work;
    QString m_inputs;
};

void JpegDhtRepairTest::init()
{
    resetRun();
    m_work = prepareWorkFolder();
    m_inputs = QDir::tempPath() + "/inputs";
    QDir().mkpath(m_inputs);
}

void JpegDhtRepairTest::cleanup()
{
    resetRun();
    QDir(m_work).removeRecursively();
    QDir(m_inputs).removeRecursively();
}

void JpegDhtRepairTest::damagedTablesAreRestored_data()
{
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<QByteArray>("damaged");
    const QByteArray separate = cjpegPhoto();
    QVERIFY(!separate.isEmpty());
    // Tables 0 to 3: luminance DC, luminance AC, chrominance DC, chrominance AC.
    const QByteArray joined = withJoinedDht(separate);
    const QByteArray dcFirst = withJoinedDht(separate, {0, 2, 1, 3});
    // An order the catalogue holds no segment for: chrominance DC, luminance
    // DC, chrominance AC, luminance AC.
    const QByteArray unlisted = withJoinedDht(separate, {2, 0, 3, 1});
    const QByteArray grey = withJoinedDht(cjpegPhoto({"-grayscale"}));
    const QByteArray toolkit = fixture::realJpeg(320, 240, 85);

    auto add = [](const char* name, const QByteArray& original, const QByteArray& damaged) {
        QTest::newRow(name) << original << damaged;
    };
    add("one segment, a luminance AC count", joined, withCountsGarbled(joined, 1, {5}));
    add("one segment, three luminance DC counts", joined, withCountsGarbled(joined, 0, {1, 2, 3}));
    add("one segment, every chrominance DC count", joined, withCountsGarbled(joined, 2, allCounts()));
    add("one segment, two chrominance AC counts", joined, withCountsGarbled(joined, 3, {8, 15}));
    add("DC tables first, a luminance AC count", dcFirst, withCountsGarbled(dcFirst, 2, {4}));
    add("unlisted order, a luminance AC value repeated", unlisted, withValueRepeated(unlisted, 3, 0, 3));
    add("unlisted order, a luminance DC count", unlisted, withCountsGarbled(unlisted, 1, {2}));
    add("unlisted order, counts of two tables", unlisted,
        withCountsGarbled(withCountsGarbled(unlisted, 2, {10, 12, 14}), 0, {1, 4}));
    // The standard tables in one segment of 418 bytes: its layout tells the
    // class bytes and counts, whatever the damage left of them.
    add("one segment, the luminance AC class byte", joined, withClassByte(joined, 1, 0x5A));
    add("one segment, the chrominance DC class byte as luminance's", joined, withClassByte(joined, 2, 0x00));
    add("one segment, the chrominance AC class byte as DC", joined, withClassByte(joined, 3, 0x01));
    add("one segment, every count of both DC tables", joined,
        withCountsGarbled(withCountsGarbled(joined, 2, allCounts()), 0, allCounts()));
    add("one segment, every count of both AC tables", joined,
        withCountsGarbled(withCountsGarbled(joined, 3, allCounts()), 1, allCounts()));
    add("one segment, counts of the two luminance tables", joined,
        withCountsGarbled(withCountsGarbled(joined, 1, {3, 7, 12}), 0, {2, 5}));
    add("DC tables first, a class byte and a count block", dcFirst,
        withCountsGarbled(withClassByte(dcFirst, 2, 0xFF), 1, allCounts()));
    add("grey, one segment, a DC count", grey, withCountsGarbled(grey, 0, {2}));
    add("grey, one segment, an AC value repeated", grey, withValueRepeated(grey, 1, 0, 3));
    add("grey, one segment, every AC count", grey, withCountsGarbled(grey, 1, allCounts()));
    add("segments of their own, a luminance DC count", separate, withCountsGarbled(separate, 0, {1}));
    add("segments of their own, three chrominance AC counts", toolkit,
        withCountsGarbled(toolkit, 3, {2, 6, 11}));
    add("segments of their own, a luminance AC count", toolkit, withCountsGarbled(toolkit, 1, {9}));
}

// The output decodes to the very pixels of the undamaged file.
void JpegDhtRepairTest::damagedTablesAreRestored()
{
    QFETCH(QByteArray, original);
    QFETCH(QByteArray, damaged);
    QVERIFY(!damaged.isEmpty());
    const QImage originalImage = decode(original);
    QVERIFY(!originalImage.isNull());
    QVERIFY(decode(damaged) != originalImage);

    repairFile(putFile(m_inputs, kName, damaged));

    QCOMPARE(g_state.producedFiles, QStringList({"/" + kName}));
    QCOMPARE(decodeFile(m_work + "/" + kName), originalImage);
}

void JpegDhtRepairTest::intactTablesAreKept_data()
{
    QTest::addColumn<QByteArray>("input");
    const QByteArray separate = cjpegPhoto();
    QTest::newRow("one segment") << withJoinedDht(separate);
    QTest::newRow("one segment, DC tables first") << withJoinedDht(separate, {0, 2, 1, 3});
    QTest::newRow("one segment, unlisted order") << withJoinedDht(separate, {2, 0, 3, 1});
    QTest::newRow("grey, one segment") << withJoinedDht(cjpegPhoto({"-grayscale"}));
    QTest::newRow("optimized tables, one segment") << withJoinedDht(cjpegPhoto({"-optimize"}));
}

// An intact segment is written as it stands and the output decodes alike.
void JpegDhtRepairTest::intactTablesAreKept()
{
    QFETCH(QByteArray, input);
    const QVector<QByteArray> segments = dhtSegmentsOf(input);
    QCOMPARE(segments.size(), 1);

    repairFile(putFile(m_inputs, kName, input));

    QCOMPARE(g_state.producedFiles, QStringList({"/" + kName}));
    QFile output(m_work + "/" + kName);
    QVERIFY(output.open(QIODevice::ReadOnly));
    QCOMPARE(dhtSegmentsOf(output.readAll()), segments);
    QCOMPARE(decodeFile(m_work + "/" + kName), decode(input));
}

// With PICTAVO_WRITE_SEEDS=<dir>, writes seeds for the repair fuzz target
// whose DHT segment only the table-by-table or the standard-layout lookup
// can mend.
void JpegDhtRepairTest::writeFuzzSeeds()
{
    const QString dir = qEnvironmentVariable("PICTAVO_WRITE_SEEDS");
    if (dir.isEmpty())
        QSKIP("PICTAVO_WRITE_SEEDS not set");
    constexpr quint8 kRepairMode = 0;
    const QByteArray joined = withJoinedDht(fixture::realJpeg(24, 16, 75));
    const QByteArray separate = fixture::realJpeg(24, 16, 75);
    QVERIFY(writeFileBytes(dir + "/dht_joined_counts.jpg",
                           fuzzSeed(kRepairMode, 0, withCountsGarbled(joined, 1, {5}))));
    QVERIFY(writeFileBytes(dir + "/dht_separate_counts.jpg",
                           fuzzSeed(kRepairMode, 0, withCountsGarbled(separate, 2, {1, 2}))));
    QVERIFY(writeFileBytes(dir + "/dht_joined_class_byte.jpg",
                           fuzzSeed(kRepairMode, 0, withClassByte(joined, 2, 0x00))));
}

QTEST_MAIN(JpegDhtRepairTest)
#include "tst_jpeg_dht_repair.moc"
