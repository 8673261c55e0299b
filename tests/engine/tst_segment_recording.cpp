#include "engine_input.h"
#include "file_open.h"
#include "global_state.h"
#include "jpeg_fixture.h"
#include "jpg_repair.h"
#include "segment_lists.h"
#include "temp_file.h"

#include <QDir>
#include <QtTest>

#include <cstring>

using namespace fixture;

namespace {

// Records the marker at pos of the open input the way the scanners do.
template <typename Node>
void recordAt(jpg_repair& repair, Node** head, Node** tail, qint64 pos)
{
    quint8 header[71];
    jpg_repair::ReadAt(g_state.inputFile, quint64(pos), header, sizeof header);
    if constexpr (std::is_same_v<Node, SegmentNode>)
        repair.AddSegment(head, tail, header, pos);
    else
        repair.AddEmbeddedSegment(head, tail, header, pos);
}

SegmentNode* recordSegment(jpg_repair& repair, qint64 pos)
{
    recordAt(repair, &g_state.segmentHead, &g_state.segmentTail, pos);
    return g_state.segmentTail;
}

QByteArray signatureRow(int row)
{
    return QByteArray(reinterpret_cast<const char*>(g_state.dqtSignature[row]), 25);
}

// The first 25 values of a dqt() table that starts at `first`.
QByteArray tableStart(quint8 first)
{
    QByteArray values;
    for (int i = 0; i < 25; ++i)
        values.append(char(quint8(first + i)));
    return values;
}

int listLength(const SegmentNode* node)
{
    int n = 0;
    for (; node; node = node->next)
        ++n;
    return n;
}

} // namespace

// Recording of one segment: its length, the images found inside it, the
// quantization signatures and counters it keeps, and the list operations.
class SegmentRecordingTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void imagesInAppSegments_data();
    void imagesInAppSegments();
    void imagesPerRecordBeyond1024();
    void imagesPerRecordStopAtCounterLimit();
    void recordsPerListStopAtBound();
    void floodStaysWithinTheBounds_data();
    void floodStaysWithinTheBounds();
    void secondSoiFindsFollowingImages();
    void recoveryFormEndsAtMainImage();
    void quantizationSignatures();
    void quantizationSignatureOfTruncatedSegment();
    void frameThirdComponent_data();
    void frameThirdComponent();
    void huffmanCountFollowsUsableFlag();
    void appendRefusals();
    void embeddedRecordTakesSourceSize();
    void resetState();
    void freeEmbeddedSegments();
    void readAt_data();
    void readAt();
    void fileSize();
    void freshObjectDefaults();
};

void SegmentRecordingTest::init()
{
    std::memset(g_state.dqtSignature, 0, sizeof g_state.dqtSignature);
    g_state.dqtSegmentCount = 0;
    g_state.dhtSegmentCount = 0;
    g_state.thirdComponentTable = 0;
}

void SegmentRecordingTest::imagesInAppSegments_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("start");  // position in the segment's body
    QTest::addColumn<int>("length"); // -1: up to the end of `after`
    QTest::addColumn<int>("found");

    const QByteArray soi = marker(0xD8);
    const QByteArray eoi = marker(0xD9);
    const QByteArray thumb = soi + dqt(1) + eoi;
    const QByteArray exif("Exif\0\0", 6);
    QTest::newRow("APP1 with a thumbnail") << 0xE1 << exif + thumb << QByteArray() << 2 << 6
                                           << thumb.size() << 1;
    QTest::newRow("APP2 with a thumbnail") << 0xE2 << exif + thumb << QByteArray() << 2 << 6
                                           << thumb.size() << 1;
    QTest::newRow("APP13 with a thumbnail") << 0xED << exif + thumb << QByteArray() << 2 << 6
                                            << thumb.size() << 1;
    // An image start is taken only when the first segment's length field
    // fits its kind and leads to the next marker.
    const QByteArray dhtPastMarker = soi + segmentWithLength(0xC4, 21, QByteArray(4, '\0')) + eoi;
    QTest::newRow("FF D8 then a DHT running past the next marker")
        << 0xE1 << exif + dhtPastMarker << QByteArray() << 0 << 0 << 0 << 0;
    const QByteArray dht = soi + segmentWithLength(0xC4, 21, QByteArray(19, '\0')) + eoi;
    QTest::newRow("FF D8 then a DHT ending at the next marker")
        << 0xE1 << exif + dht << QByteArray() << 2 << 6 << dht.size() << 1;
    const QByteArray shortDqt = soi + segmentWithLength(0xDB, 4, QByteArray(2, '\0')) + eoi;
    QTest::newRow("FF D8 then a DQT too short for a table")
        << 0xE1 << exif + shortDqt << QByteArray() << 0 << 0 << 0 << 0;
    const QByteArray comment = soi + segment(0xFE, "note") + eoi;
    QTest::newRow("FF D8 then a comment") << 0xE1 << exif + comment << QByteArray() << 2 << 6
                                          << comment.size() << 1;
    const QByteArray app12 = soi + segment(0xEC, "Ducky") + eoi;
    QTest::newRow("FF D8 then APP12") << 0xE1 << exif + app12 << QByteArray() << 2 << 6
                                      << app12.size() << 1;
    const QByteArray filled = soi + QByteArray(2, char(0xFF)) + segment(0xE0, "JFIF") + eoi;
    QTest::newRow("FF D8, fill bytes, then APP0") << 0xE1 << exif + filled << QByteArray() << 2
                                                  << 6 << filled.size() << 1;
    const QByteArray wrongDri = soi + segmentWithLength(0xDD, 6, QByteArray(4, '\0')) + eoi;
    QTest::newRow("FF D8 then a DRI of length 6")
        << 0xE1 << exif + wrongDri << QByteArray() << 0 << 0 << 0 << 0;
    const QByteArray scan = soi + segment(0xDA, QByteArray(10, '\0')) + eoi;
    QTest::newRow("FF D8 then a scan header") << 0xE1 << exif + scan << QByteArray() << 0 << 0
                                              << 0 << 0;
    const QByteArray open = soi + dqt(1);
    QTest::newRow("APP1 image ending after the segment") << 0xE1 << exif + open << eoi << 1 << 6
                                                         << 0 << 0;
    QTest::newRow("APP13 image ending right after the segment") << 0xED << exif + open << eoi
                                                                << 2 << 6 << -1 << 1;
    QTest::newRow("FF D8 FF D8 FF DB") << 0xE1 << exif + soi + thumb << QByteArray() << 2 << 8
                                       << thumb.size() << 1;
    QTest::newRow("FF D9 with no image open") << 0xE1 << exif + eoi + eoi << QByteArray() << 0
                                              << 0 << 0 << 0;
}

void SegmentRecordingTest::imagesInAppSegments()
{
    QFETCH(int, code);
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, after);
    QFETCH(int, count);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(int, found);

    const QByteArray app = segment(quint8(code), body);
    const QByteArray file = marker(0xD8) + app + after;
    EngineInput input(file);
    jpg_repair repair;
    const SegmentNode* node = recordSegment(repair, 2);

    const int expectedStart = count > 0 ? 2 + 4 + start : 0;
    const int expectedLength = length == -1 ? file.size() - expectedStart : length;
    QCOMPARE(node->marker, quint16(0xFF | code << 8));
    QCOMPARE(int(node->length), app.size() - 2);
    QCOMPARE(node->offset, qint64(4));
    const quint16 counter = code == 0xE1 ? node->app1Images
        : code == 0xE2                   ? node->app2Images
                                         : node->app13Images;
    QCOMPARE(int(counter), count);
    QCOMPARE(int(node->app1Images + node->app2Images + node->app13Images), count);
    QCOMPARE(node->embeddedStart[0], expectedStart);
    QCOMPARE(node->embeddedLength[0], expectedLength);
    QCOMPARE(g_state.thumbnailFound, found);
}

void SegmentRecordingTest::imagesPerRecordBeyond1024()
{
    constexpr int kImages = 1124;
    QByteArray images;
    for (int i = 0; i < kImages; ++i)
        images += marker(0xD8) + segment(0xE1, QByteArray()) + marker(0xD9);
    EngineInput input(marker(0xD8) + segment(0xE1, images));
    jpg_repair repair;
    const SegmentNode* node = recordSegment(repair, 2);
    QCOMPARE(int(node->app1Images), 2 * kImages);
    const int last = kImages - 1;
    QCOMPARE(node->embeddedStart[last], 2 + 4 + last * 8);
    QCOMPARE(node->embeddedLength[last], 8);
    QCOMPARE(node->embeddedStart[kImages], 0);
    QCOMPARE(node->embeddedLength[kImages], 0);
}

// A flood of images after a second start of image: the record keeps as many
// as its 16-bit counter can count, and no more.
void SegmentRecordingTest::imagesPerRecordStopAtCounterLimit()
{
    const QByteArray tiny = marker(0xD8) + segment(0xE1, QByteArray()) + marker(0xD9);
    EngineInput input(tiny.repeated(kMaxImagesPerRecord + 100));
    jpg_repair repair;
    repair.m_secondSoi = 1;
    const SegmentNode* node = recordSegment(repair, 0);
    QCOMPARE(int(node->soiImages), 2 * kMaxImagesPerRecord);
    const int last = kMaxImagesPerRecord - 1;
    QCOMPARE(node->embeddedStart[last], last * 8);
    QCOMPARE(node->embeddedLength[last], 8);
    QCOMPARE(node->embeddedStart[last + 1], 0);
}

// Records beyond the bound of one list are refused like those of a list
// whose tail already has a successor; an emptied list counts afresh.
void SegmentRecordingTest::recordsPerListStopAtBound()
{
    EngineInput input(marker(0xD8) + QByteArray::fromHex("fffe0002").repeated(kMaxRecordedSegments + 10));
    g_state.runActive = 1;
    jpg_repair repair;
    for (int i = 0; i < kMaxRecordedSegments + 10; ++i)
        recordSegment(repair, 2 + 4 * qint64(i));
    QCOMPARE(listLength(g_state.segmentHead), kMaxRecordedSegments);
    QCOMPARE(g_state.segmentTail->offset, 2 + 4 * qint64(kMaxRecordedSegments - 1) + 2);
    repair.ResetState();
    g_state.inputFile = platform::openFile(input.path(), "rb");
    recordSegment(repair, 2);
    QCOMPARE(listLength(g_state.segmentHead), 1);
    repair.ResetState();
}

void SegmentRecordingTest::floodStaysWithinTheBounds_data()
{
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("unitsFirst"); // before the photo's own segments
    QTest::newRow("4,000,000 empty comment segments") << QByteArray::fromHex("fffe0002") << 4000000 << true;
    QTest::newRow("450,000 tiny images after a photo") << QByteArray::fromHex("ffd8ffe10002ffd9") << 450000
                                                        << false;
}

// Files of up to 16 MB made of millions of segments or images: the scan
// keeps no more records than the bound, and their images stay within the
// per-file bound.
void SegmentRecordingTest::floodStaysWithinTheBounds()
{
    QFETCH(QByteArray, unit);
    QFETCH(int, count);
    QFETCH(bool, unitsFirst);
    const QByteArray photo = realJpeg(64, 48);
    const QByteArray flood = unit.repeated(count);
    EngineInput input(unitsFirst ? photo.left(2) + flood + photo.mid(2) : photo + flood);
    jpg_repair repair;
    repair.ScanJpegMarkers(input.path(), input.file(), 0);
    int records = 0;
    qint64 images = 0;
    for (const SegmentNode* node = g_state.segmentHead; node; node = node->next) {
        ++records;
        images += (node->app1Images + node->app2Images + node->app13Images + node->soiImages + 1) / 2;
    }
    QCOMPARE(records, kMaxRecordedSegments);
    QVERIFY2(images <= kMaxRecordedImages, qPrintable(QString::number(images)));
}

void SegmentRecordingTest::secondSoiFindsFollowingImages()
{
    const QByteArray image = minimalJpeg();
    EngineInput input(image + image);
    jpg_repair repair;
    repair.m_secondSoi = 1;
    const SegmentNode* node = recordSegment(repair, 0);
    QCOMPARE(node->length, quint16(0));
    QCOMPARE(int(node->soiImages), 4);
    QCOMPARE(int(node->soiImageFlag), 1);
    QCOMPARE(node->embeddedStart[0], 0);
    QCOMPARE(node->embeddedLength[0], image.size());
    QCOMPARE(node->embeddedStart[1], image.size());
    QCOMPARE(node->embeddedLength[1], image.size());
}

void SegmentRecordingTest::recoveryFormEndsAtMainImage()
{
    const QByteArray thumb = marker(0xD8) + dqt(1) + marker(0xD9);
    const QByteArray app1 = segment(0xE1, QByteArray("Exif\0\0", 6) + thumb);
    const QByteArray image = marker(0xD8) + app1 + minimalJpeg().mid(2);
    EngineInput input(image + image);
    g_state.multiImageRecovery = 1;
    jpg_repair repair;

    const SegmentNode* node = recordSegment(repair, 0);
    QCOMPARE(int(node->soiImages), 2);
    QCOMPARE(node->embeddedLength[0], image.size());
    QCOMPARE(node->embeddedStart[1], 0);

    recordAt(repair, &g_state.embeddedSegmentHead, &g_state.embeddedSegmentTail, 0);
    const EmbeddedSegmentNode* embedded = g_state.embeddedSegmentHead;
    QCOMPARE(int(embedded->soiImages), 2);
    QCOMPARE(embedded->embeddedLength[0], 2 + 4 + 6 + thumb.size());
}

void SegmentRecordingTest::quantizationSignatures()
{
    const QByteArray oneTables = dqt(1, 10) + dqt(1, 20) + dqt(1, 30) + dqt(1, 40);
    const QByteArray file = marker(0xD8) + oneTables + dqt(2, 100) + dqt(3, 50);
    EngineInput input(file);
    jpg_repair repair;
    for (int i = 0; i < 4; ++i)
        recordSegment(repair, 2 + i * 69);
    QCOMPARE(g_state.dqtSegmentCount, 4);
    QCOMPARE(signatureRow(0), tableStart(10));
    QCOMPARE(signatureRow(1), tableStart(20));
    QCOMPARE(signatureRow(2), tableStart(30));

    recordSegment(repair, 2 + 4 * 69);
    QCOMPARE(signatureRow(0), tableStart(100));
    QCOMPARE(signatureRow(1), tableStart(100 + 64));
    QCOMPARE(signatureRow(2), tableStart(30));

    // The three-table segment ends the file: its third row is its last bytes.
    recordSegment(repair, 2 + 4 * 69 + 134);
    QCOMPARE(signatureRow(0), tableStart(50));
    QCOMPARE(signatureRow(1), tableStart(50 + 64));
    QCOMPARE(signatureRow(2), tableStart(50 + 128));
    QCOMPARE(g_state.dqtSegmentCount, 4);
}

void SegmentRecordingTest::quantizationSignatureOfTruncatedSegment()
{
    EngineInput input(marker(0xD8) + dqt(2, 100).left(100));
    jpg_repair repair;
    const SegmentNode* node = recordSegment(repair, 2);
    QCOMPARE(node->length, quint16(0));
    QCOMPARE(signatureRow(0), QByteArray(25, '\0'));
    QCOMPARE(signatureRow(1), QByteArray(25, '\0'));
}

void SegmentRecordingTest::frameThirdComponent_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("components");
    QTest::addColumn<int>("expected");

    QTest::newRow("SOF0, three components") << 0xC0 << 3 << 2;
    QTest::newRow("SOF1, four components") << 0xC1 << 4 << 2;
    QTest::newRow("SOF2, three components") << 0xC2 << 3 << 2;
    QTest::newRow("one component") << 0xC0 << 1 << int(kNoThirdComponentTable);
    QTest::newRow("two components") << 0xC2 << 2 << int(kNoThirdComponentTable);
}

void SegmentRecordingTest::frameThirdComponent()
{
    QFETCH(int, code);
    QFETCH(int, components);
    QFETCH(int, expected);

    EngineInput input(marker(0xD8) + sof(quint8(code), components, 2));
    g_state.thirdComponentTable = 1; // left by an earlier file
    jpg_repair repair;
    recordSegment(repair, 2);
    QCOMPARE(int(g_state.thirdComponentTable), expected);
    repair.ResetState();
    QCOMPARE(int(g_state.thirdComponentTable), 0);
}

void SegmentRecordingTest::huffmanCountFollowsUsableFlag()
{
    EngineInput input(marker(0xD8) + dht() + dht());
    jpg_repair repair;
    repair.m_dhtUsable = 0;
    const SegmentNode* node = recordSegment(repair, 2);
    QCOMPARE(node->length, quint16(31));
    QCOMPARE(g_state.dhtSegmentCount, 0);
    repair.m_dhtUsable = 1;
    recordSegment(repair, 35);
    QCOMPARE(g_state.dhtSegmentCount, 1);
}

void SegmentRecordingTest::appendRefusals()
{
    EngineInput input(marker(0xD8) + dqt(1, 10) + dqt(1, 20));
    jpg_repair repair;
    g_state.runActive = 0;
    recordSegment(repair, 2);
    recordSegment(repair, 71);
    QCOMPARE(listLength(g_state.segmentHead), 1);
    QCOMPARE(g_state.dqtSegmentCount, 1);
    QCOMPARE(signatureRow(1), QByteArray(25, '\0'));

    // A tail that already has a successor takes nothing more.
    g_state.runActive = 1;
    recordSegment(repair, 71);
    QCOMPARE(listLength(g_state.segmentHead), 2);
    g_state.segmentTail = g_state.segmentHead;
    recordSegment(repair, 71);
    QCOMPARE(listLength(g_state.segmentHead), 2);
    QCOMPARE(g_state.dqtSegmentCount, 2);

    repair.AppendOffset(&g_state.strayMarkerHead, &g_state.strayMarkerTail, 5);
    repair.AppendOffset(&g_state.strayMarkerHead, &g_state.strayMarkerTail, 9);
    QCOMPARE(g_state.strayMarkerHead->next->value, quint64(9));
    g_state.strayMarkerTail = g_state.strayMarkerHead;
    repair.AppendOffset(&g_state.strayMarkerHead, &g_state.strayMarkerTail, 11);
    QCOMPARE(g_state.strayMarkerHead->next->value, quint64(9));
    QVERIFY(!g_state.strayMarkerHead->next->next);
}

void SegmentRecordingTest::embeddedRecordTakesSourceSize()
{
    const QByteArray image = minimalJpeg();
    EngineInput input(image);
    g_state.multiImageRecovery = 1;
    g_state.embeddedScanActive = 1;
    g_state.sourceFileSize = image.size();
    g_state.inputFileSize = 20; // size of a scratch file scanned before
    jpg_repair repair;
    recordAt(repair, &g_state.embeddedSegmentHead, &g_state.embeddedSegmentTail, 0);
    QCOMPARE(g_state.inputFileSize, qint64(image.size()));
    QCOMPARE(g_state.embeddedSegmentHead->embeddedLength[0], image.size());
}

void SegmentRecordingTest::resetState()
{
    EngineInput input(marker(0xD8) + dqt(1, 10));
    jpg_repair repair;
    recordSegment(repair, 2);
    repair.AppendOffset(&g_state.strayMarkerHead, &g_state.strayMarkerTail, 3);
    g_state.dqtSearchPending = 0;
    g_state.dhtReplacementSize = 40;
    g_state.dhtTableOffset[2] = 8;
    g_state.dqtTwoFilled = 1;
    g_state.dqtIndex = 2;
    for (int pass = 0; pass < 2; ++pass) {
        repair.ResetState();
        QVERIFY(!g_state.segmentHead && !g_state.segmentCursor);
        QVERIFY(!g_state.strayMarkerHead && !g_state.strayMarkerCursor);
        QVERIFY(!g_state.inputFile);
        QCOMPARE(g_state.dqtSearchPending, 1);
        QCOMPARE(g_state.dqtSegmentCount, 0);
        QCOMPARE(g_state.dhtReplacementSize, 0);
        QCOMPARE(g_state.dhtTableOffset[2], 0);
        QCOMPARE(g_state.dqtTwoFilled, 0);
        QCOMPARE(g_state.dqtIndex, 0);
        QCOMPARE(g_state.dqtSignature[0][0], quint8(0));
        QCOMPARE(signatureRow(0).mid(1), tableStart(10).mid(1));
    }
}

void SegmentRecordingTest::freeEmbeddedSegments()
{
    EngineInput input(minimalJpeg());
    g_state.multiImageRecovery = 1;
    jpg_repair repair;
    recordAt(repair, &g_state.embeddedSegmentHead, &g_state.embeddedSegmentTail, 0);
    recordAt(repair, &g_state.embeddedSegmentHead, &g_state.embeddedSegmentTail, 2);
    QVERIFY(g_state.embeddedSegmentHead->next);
    repair.FreeEmbeddedSegments();
    QVERIFY(!g_state.embeddedSegmentHead);
    QVERIFY(!g_state.embeddedSegmentCursor);
}

void SegmentRecordingTest::readAt_data()
{
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<int>("length");

    QTest::newRow("inside") << qint64(10) << 20;
    QTest::newRow("whole file") << qint64(0) << 100;
    QTest::newRow("across the end") << qint64(90) << 30;
    QTest::newRow("at the end") << qint64(100) << 8;
    QTest::newRow("far past the end") << qint64(1) << 0;
    QTest::newRow("beyond 4 GiB") << qint64(5) * 1024 * 1024 * 1024 << 8;
}

void SegmentRecordingTest::readAt()
{
    QFETCH(qint64, offset);
    QFETCH(int, length);

    QByteArray bytes(100, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i + 1);
    const QString path = QDir::tempPath() + "/read.bin";
    QVERIFY(writeFileBytes(path, bytes));
    FILE* file = platform::openFile(path, "rb");
    QVERIFY(file);
    QByteArray got(length + 4, char(0x55));
    QCOMPARE(jpg_repair::ReadAt(file, quint64(offset), got.data(), quint32(length)), 1);
    std::fclose(file);
    QByteArray expected = offset < bytes.size() ? bytes.mid(int(offset), length) : QByteArray();
    expected += QByteArray(length - expected.size(), '\0') + QByteArray(4, char(0x55));
    QCOMPARE(got, expected);

    QByteArray missing(8, char(0x55));
    QCOMPARE(jpg_repair::ReadAt(nullptr, 0, missing.data(), 8), 1);
    QCOMPARE(missing, QByteArray(8, '\0'));
}

void SegmentRecordingTest::fileSize()
{
    const QString empty = QDir::tempPath() + "/empty.bin";
    QVERIFY(writeFileBytes(empty, QByteArray()));
    FILE* file = platform::openFile(empty, "rb");
    QCOMPARE(jpg_repair::FileSize(file), qint64(0));
    QCOMPARE(qint64(ftello(file)), qint64(0));
    std::fclose(file);

    const QString full = QDir::tempPath() + "/full.bin";
    QVERIFY(writeFileBytes(full, QByteArray(300, 'x')));
    file = platform::openFile(full, "rb");
    fseeko(file, 120, SEEK_SET);
    QCOMPARE(jpg_repair::FileSize(file), qint64(300));
    QCOMPARE(qint64(ftello(file)), qint64(0));
    std::fclose(file);
    QCOMPARE(jpg_repair::FileSize(nullptr), qint64(0));
}

void SegmentRecordingTest::freshObjectDefaults()
{
    jpg_repair repair;
    QVERIFY(!repair.parent());
    QCOMPARE(repair.m_bigEndian, 1);
    QVERIFY(!repair.m_segmentNewHead && !repair.m_embeddedLastNode && !repair.m_offsetNewNode);
    QCOMPARE(repair.m_dhtUsable + repair.m_dqtSeen + repair.m_secondSoi, 0);
    QCOMPARE(repair.m_nalSizes[434], 0);
}

QTEST_GUILESS_MAIN(SegmentRecordingTest)
#include "tst_segment_recording.moc"
