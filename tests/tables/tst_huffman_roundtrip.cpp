#include "global_state.h"
#include "huffman_lookup.h"
#include "jpeg_fixture.h"
#include "tables/huffman/typical_huffman_tables.h"

#include <QImage>
#include <QtTest>

using namespace typical_huffman;

namespace {

// Replaces every DHT segment of a JPEG through the matcher, as the rewrite
// does for a file with that many DHT segments.
QByteArray withReplacedTables(QByteArray jpeg)
{
    const QVector<QByteArray> segments = dhtSegmentsOf(jpeg);
    int searchFrom = 0;
    for (const QByteArray& segment : segments) {
        const int at = jpeg.indexOf(segment.left(4), searchFrom);
        lookUpDhtSegment(jpeg.mid(at, segment.size()), segments.size());
        if (g_state.dhtReplacementSize != 0)
            jpeg.replace(at, segment.size(), dhtReplacement());
        searchFrom = at + segment.size();
    }
    return jpeg;
}

} // namespace

// A baseline JPEG from the toolkit's encoder carries the typical tables, one
// per DHT segment; the matcher recognises each of them.
class HuffmanRoundTripTest : public QObject {
    Q_OBJECT
private slots:
    void baselineSegmentsAreTheTypicalTables();
    void damagedValuesAreRestored();
};

void HuffmanRoundTripTest::baselineSegmentsAreTheTypicalTables()
{
    const QVector<QByteArray> segments = dhtSegmentsOf(fixture::realJpeg(96, 64, 85));
    const QVector<QByteArray> expected = {toBytes(kLuminanceDcSegment), toBytes(kLuminanceAcSegment),
                                          toBytes(kChrominanceDcSegment), toBytes(kChrominanceAcSegment)};
    QCOMPARE(segments, expected);
    for (const QByteArray& segment : segments) {
        lookUpDhtSegment(segment, segments.size());
        QCOMPARE(dhtReplacement(), segment);
    }
}

void HuffmanRoundTripTest::damagedValuesAreRestored()
{
    const QByteArray original = fixture::realJpeg(96, 64, 85);
    const QImage originalImage = QImage::fromData(original, "JPEG");
    QVERIFY(!originalImage.isNull());

    // Swap the end-of-block value of the luminance AC table, just past its
    // key, with a later value.
    QByteArray damaged = original;
    const int acValues = damaged.indexOf(toBytes(kLuminanceAcSegment)) + 21;
    QVERIFY(acValues > 21);
    const char kept = damaged[acValues + 3];
    damaged[acValues + 3] = damaged[acValues + 10];
    damaged[acValues + 10] = kept;
    QVERIFY(QImage::fromData(damaged, "JPEG") != originalImage);

    const QByteArray repaired = withReplacedTables(damaged);
    QCOMPARE(repaired, original);
    QCOMPARE(QImage::fromData(repaired, "JPEG"), originalImage);
}

QTEST_MAIN(HuffmanRoundTripTest)
#include "tst_huffman_roundtrip.moc"
