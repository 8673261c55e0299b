#include "engine_input.h"
#include "file_open.h"
#include "global_state.h"
#include "jpeg_fixture.h"
#include "jpg_repair.h"
#include "marker_order.h"
#include "segment_lists.h"
#include "temp_file.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace fixture;

namespace {

// Builds a file piece by piece and notes where the scanner should put a
// segment node or a stray-marker entry.
class Layout {
public:
    Layout& raw(const QByteArray& piece)
    {
        m_bytes += piece;
        return *this;
    }
    Layout& node(const QByteArray& piece)
    {
        if (quint8(piece[1]) == 0xDA)
            m_sos = m_bytes.size();
        m_nodes << QString("%1@%2").arg(quint8(piece[1]), 2, 16, QChar('0')).arg(m_bytes.size());
        return raw(piece);
    }
    Layout& stray(const QByteArray& piece)
    {
        m_strays << QString::number(m_bytes.size() - m_sos);
        return raw(piece);
    }
    QByteArray bytes() const { return m_bytes; }
    QString nodes() const { return m_nodes.join(' '); }
    QString strays() const { return m_strays.join(' '); }

private:
    QByteArray m_bytes;
    QStringList m_nodes;
    QStringList m_strays;
    int m_sos = 0;
};

QByteArray pair(quint8 a, quint8 b)
{
    QByteArray bytes;
    return bytes.append(char(a)).append(char(b));
}

template <typename Node>
QString nodesOf(const Node* node)
{
    QStringList out;
    for (; node; node = node->next)
        out << QString("%1@%2").arg(node->marker >> 8, 2, 16, QChar('0')).arg(node->offset - 2);
    return out.join(' ');
}

QString straysOf(const OffsetNode* node)
{
    QStringList out;
    for (; node; node = node->next)
        out << QString::number(node->value);
    return out.join(' ');
}

// With PICTAVO_WRITE_SEEDS=<folder>, each fixture is also written there as a
// seed for the scanner's fuzz target (small fixtures only, so the fuzzer stays fast).
void writeSeed(const QByteArray& bytes)
{
    const QString folder = qEnvironmentVariable("PICTAVO_WRITE_SEEDS");
    if (folder.isEmpty() || bytes.size() > 8 * 1024)
        return;
    QString name = QString(QTest::currentDataTag()).replace(QRegularExpression("[^A-Za-z0-9]+"), "_");
    writeFileBytes(folder + "/" + name + ".jpg", bytes);
}

void addRow(const char* name, const Layout& layout, int recovery)
{
    QTest::newRow(name) << layout.bytes() << layout.nodes() << layout.strays() << recovery;
}

} // namespace

// The marker scanner over whole files: which markers become segment nodes,
// which scan-data pairs are stray, and when a file is taken as several images.
class JpegScanTest : public QObject {
    Q_OBJECT
private slots:
    void scanJpegMarkers_data();
    void scanJpegMarkers();
    void otherScanners_data();
    void otherScanners();
    void embeddedScanStartsFreshCounts();
    void stopRequestedRecordsNothing();
    void strayListIsBounded();
    void inputOfTwoGibibytesIsRefused();
    void recordsSeeFlagsOfTheirOwnSegment();
    void recoveryPassMatchesSingleSearches();
    void manyNestedImageStarts_data();
    void manyNestedImageStarts();
    void realImagesPassOrderCheck_data();
    void realImagesPassOrderCheck();
};

void JpegScanTest::scanJpegMarkers_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("nodes");
    QTest::addColumn<QString>("strays");
    QTest::addColumn<int>("recovery");

    const QByteArray scan(16, '\x11');
    const QByteArray image = minimalJpeg(scan);
    const QByteArray eoi = marker(0xD9);

    addRow("empty file", Layout(), 0);
    addRow("first bytes not FF D8", Layout().raw(QByteArray(1, '\0') + image), 0);
    addRow("single image",
           Layout().node(marker(0xD8)).node(dqt(1)).node(sof(0xC0, 3, 0)).node(dht()).node(sos())
               .raw(scan).node(eoi), 0);

    addRow("stray pairs in scan data",
           Layout().node(marker(0xD8)).node(dqt(1)).node(sof(0xC0, 3, 0)).node(dht()).node(sos())
               .raw(scan + pair(0xFF, 0x00) + pair(0xFF, 0xD3) + pair(0xFF, 0xD9) + scan)
               .stray(pair(0xFF, 0xFF)).raw(QByteArray(2, '\0'))
               .stray(pair(0xFF, 0xD8)).raw(scan)
               .stray(pair(0xFF, 0x01)).raw(scan)
               .stray(QByteArray(1, '\xFF')).node(eoi), 0);

    // Between the scans of a multi-scan image stand whole segments; a frame
    // header, fill bytes or a segment code without its segment cannot.
    addRow("segments between scans",
           Layout().node(marker(0xD8)).node(dqt(1)).node(sof(0xC2, 3, 0)).node(dht()).node(sos())
               .raw(scan + dht() + segment(0xFE, "c") + dqt(1) + sos() + scan)
               .raw(segmentWithLength(0xDD, 4, QByteArray(2, '\0')) + sos() + scan).node(eoi), 0);
    addRow("card damage in scan data",
           Layout().node(marker(0xD8)).node(dqt(1)).node(sof(0xC0, 3, 0)).node(dht()).node(sos())
               .raw(scan).stray(QByteArray(1, '\xFF')).stray(pair(0xFF, 0xCE)).raw(scan)
               .stray(pair(0xFF, 0xC4)).raw(scan).stray(pair(0xFF, 0xDA)).raw(scan)
               .stray(pair(0xFF, 0xC0)).raw(scan).node(eoi), 0);
    addRow("arithmetic-coded frame with its conditioning",
           Layout().node(marker(0xD8)).node(dqt(1)).node(sof(0xC9, 3, 0))
               .node(segment(0xCC, QByteArray("\x00\x10\x10\x05", 4))).node(sos()).raw(scan)
               .node(eoi), 0);

    Layout openings;
    for (const QByteArray& first : {segment(0xEC, "Ducky"), segment(0xFE, "c"), segment(0xE6, "x"),
                                    segment(0xEF, "y"), QByteArray(1, '\xFF') + dqt(1)})
        openings.node(marker(0xD8)).raw(first + image.mid(2));
    addRow("images opening with APP12, COM, APP6, APP15 or fill bytes", openings, 1);

    addRow("DHT of length 420 first",
           Layout().node(marker(0xD8)).raw(dht(420)).node(dqt(1)).node(sof(0xC0, 3, 0))
               .raw(sos()).raw(scan).node(eoi), 0);
    addRow("DHT of length 420 then a usable DHT",
           Layout().node(marker(0xD8)).raw(dht(420)).node(dqt(1)).node(sof(0xC0, 3, 0))
               .node(dht()).node(sos()).raw(scan).node(eoi), 0);
    addRow("padding bytes after DQT",
           Layout().node(marker(0xD8)).node(dqt(1)).raw(QByteArray(3, '\0')).node(dht())
               .node(sof(0xC0, 3, 0)).node(sos()).raw(scan).node(eoi), 0);

    Layout three;
    for (int i = 0; i < 3; ++i)
        three.node(marker(0xD8)).raw(image.mid(2));
    addRow("three concatenated images", three, 1);

    addRow("two images, file not ending in FF D9",
           Layout().node(marker(0xD8)).raw(image.mid(2)).node(marker(0xD8)).raw(image.mid(2))
               .raw(QByteArray(1, '\0')), 1);

    addRow("two images ending in FF D9",
           Layout().node(marker(0xD8)).raw(image.mid(2)).node(marker(0xD8)).raw(image.mid(2)), 1);

    // The second image's frame is 16 x 8: a preview of the photo, which is
    // walked alone.
    QByteArray previewSof = sof(0xC0, 3, 0);
    previewSof[6] = 8;
    addRow("an image and a smaller preview ending in FF D9",
           Layout().node(marker(0xD8)).node(dqt(1)).node(sof(0xC0, 3, 0)).node(dht()).node(sos())
               .raw(scan + eoi).stray(marker(0xD8)).raw(dqt(1)).stray(previewSof)
               .raw(image.mid(2 + dqt(1).size() + previewSof.size(),
                              image.size() - 4 - dqt(1).size() - previewSof.size()))
               .node(eoi), 0);

    addRow("first image breaks off before its scan",
           Layout().node(marker(0xD8)).node(dqt(1)).node(sof(0xC0, 3, 0))
               .node(marker(0xD8)).raw(image.mid(2, image.size() - 4)).node(eoi), 0);

    const QByteArray exif = QByteArray("Exif\0\0", 6) + realJpeg(16, 16);
    addRow("EXIF thumbnail in APP1",
           Layout().node(marker(0xD8)).node(segment(0xE1, exif)).node(dqt(1))
               .node(sof(0xC0, 3, 0)).node(dht()).node(sos()).raw(scan).node(eoi), 0);

    // The file is read in chunks of 1 MiB: pairs and image starts that
    // straddle a chunk edge, and byte stuffing right before one.
    const int mebibyte = 1024 * 1024;
    Layout edges;
    edges.node(marker(0xD8)).node(dqt(1)).node(sof(0xC0, 3, 0)).node(dht()).node(sos());
    edges.raw(QByteArray(mebibyte - 1 - edges.bytes().size(), '\x11')).stray(pair(0xFF, 0x01));
    edges.raw(QByteArray(mebibyte - 2, '\x22')).raw(pair(0xFF, 0x00)).stray(pair(0xFF, 0xFF))
        .raw(QByteArray(1, '\0'));
    edges.raw(QByteArray(2 * mebibyte + 5 - 1 - edges.bytes().size(), '\x33'))
        .stray(marker(0xD8)).stray(dqt(1)).raw(scan).node(eoi);
    addRow("pairs across chunk edges", edges, 0);

    // SOS at offset 1000 with length 12, FF 01 at offset 1500.
    const QByteArray head = marker(0xD8) + dqt(1) + sof(0xC0, 3, 0) + dht();
    const QByteArray comment = segment(0xFE, QByteArray(1000 - head.size() - 4, 'c'));
    Layout at1000;
    at1000.node(marker(0xD8)).node(dqt(1)).node(sof(0xC0, 3, 0)).node(dht()).node(comment)
        .node(sos()).raw(QByteArray(1500 - 1014, '\x11')).stray(pair(0xFF, 0x01)).raw(scan)
        .node(eoi);
    QTest::newRow("SOS at 1000, FF 01 at 1500")
        << at1000.bytes() << at1000.nodes() << QString("500") << 0;
}

void JpegScanTest::scanJpegMarkers()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, nodes);
    QFETCH(QString, strays);
    QFETCH(int, recovery);

    writeSeed(bytes);
    EngineInput input(bytes);
    jpg_repair repair;
    repair.ScanJpegMarkers(input.path(), input.file(), 0);
    QCOMPARE(nodesOf(g_state.segmentHead), nodes);
    QCOMPARE(straysOf(g_state.strayMarkerHead), strays);
    QCOMPARE(g_state.multiImageRecovery, recovery);
    QCOMPARE(g_state.sourceFileSize, qint64(bytes.size()));
}

void JpegScanTest::otherScanners_data()
{
    QTest::addColumn<bool>("embedded");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("nodes");

    const QByteArray scan(16, '\x11');
    const QByteArray image = minimalJpeg(scan);
    for (const bool embedded : {false, true}) {
        const char* suffix = embedded ? " (embedded)" : " (thumbnail)";
        Layout frameFirst;
        // The standard lets the frame come before the tables: it is kept.
        frameFirst.node(marker(0xD8)).node(sof(0xC0, 3, 0)).node(dqt(1)).node(dht())
            .node(sos()).raw(scan).node(marker(0xD9));
        QTest::newRow(qPrintable(QString("frame before any table") + suffix))
            << embedded << frameFirst.bytes() << frameFirst.nodes();

        Layout earlyEnd;
        earlyEnd.node(marker(0xD8)).node(segment(0xE0, "JFIF")).node(marker(0xD9))
            .raw(image.mid(2));
        QTest::newRow(qPrintable(QString("FF D9 between segments ends the walk") + suffix))
            << embedded << earlyEnd.bytes() << earlyEnd.nodes();

        Layout shifted;
        shifted.raw(QByteArray(2, '\0')).node(marker(0xD8)).raw(image.mid(2, image.size() - 4))
            .node(marker(0xD9));
        QTest::newRow(qPrintable(QString("first FF D8 not at offset 0") + suffix))
            << embedded << shifted.bytes() << shifted.nodes();
    }
}

void JpegScanTest::otherScanners()
{
    QFETCH(bool, embedded);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, nodes);

    EngineInput input(bytes);
    jpg_repair repair;
    if (embedded) {
        g_state.multiImageRecovery = 1;
        repair.ScanEmbeddedImageMarkers(input.path(), input.file(), 0);
        QCOMPARE(nodesOf(g_state.embeddedSegmentHead), nodes);
        QVERIFY(!g_state.segmentHead);
    } else {
        repair.ScanThumbnailMarkers(input.path(), input.file(), 0);
        QCOMPARE(nodesOf(g_state.segmentHead), nodes);
    }
}

void JpegScanTest::embeddedScanStartsFreshCounts()
{
    EngineInput input(minimalJpeg());
    g_state.multiImageRecovery = 1;
    g_state.dqtSegmentCount = 7;
    g_state.dhtSegmentCount = 7;
    jpg_repair repair;
    repair.ScanEmbeddedImageMarkers(input.path(), input.file(), 0);
    QCOMPARE(g_state.dqtSegmentCount, 1);
    QCOMPARE(g_state.dhtSegmentCount, 1);
}

// Scan data of FF bytes only, as erased memory reads: one entry per pair up
// to the bound, then no more; the FF D9 that ends the file still ends the
// walk.
void JpegScanTest::strayListIsBounded()
{
    const QByteArray bytes = minimalJpeg(QByteArray(int(kMaxStrayMarkers) + 1000, '\xFF'));
    EngineInput input(bytes);
    jpg_repair repair;
    repair.ScanJpegMarkers(input.path(), input.file(), 0);
    QVERIFY(nodesOf(g_state.segmentHead).endsWith(QString(" d9@%1").arg(bytes.size() - 2)));
    qint64 count = 0;
    quint64 last = 0;
    for (const OffsetNode* node = g_state.strayMarkerHead; node; node = node->next) {
        ++count;
        last = node->value;
    }
    QCOMPARE(count, kMaxStrayMarkers);
    QVERIFY(last > 0);
    repair.ResetState();
}

void JpegScanTest::stopRequestedRecordsNothing()
{
    EngineInput input(minimalJpeg());
    g_state.stopRequested = 1;
    jpg_repair repair;
    repair.ScanJpegMarkers(input.path(), input.file(), 0);
    g_state.stopRequested = 0;
    QVERIFY(!g_state.segmentHead);
    QVERIFY(!g_state.strayMarkerHead);
}

void JpegScanTest::inputOfTwoGibibytesIsRefused()
{
    // A sparse file: a real image at its start, then zeros up to 2 GiB + 2.
    const QString path = QDir::tempPath() + "/huge.jpg";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(minimalJpeg());
        if (!file.resize(kMaxJpegInputSize + 3))
            QSKIP("no sparse file of 2 GiB here");
    }
    g_state.inputFile = platform::openFile(path, "rb");
    QVERIFY(g_state.inputFile);
    g_state.inputFileSize = jpg_repair::FileSize(g_state.inputFile);
    QCOMPARE(g_state.inputFileSize, kMaxJpegInputSize + 3);
    g_state.runActive = 1;

    jpg_repair repair;
    repair.ScanJpegMarkers(path, g_state.inputFile, 0);
    QVERIFY(!g_state.segmentHead);
    QVERIFY(!g_state.strayMarkerHead);
    QCOMPARE(g_state.multiImageRecovery, 0);
    repair.ResetState();
    QVERIFY(!g_state.inputFile);
    QFile::remove(path);
}

// Each node is recorded with the scanner flags as they stood at its own
// marker: a usable DHT counts even when a later DHT is too long, and the
// second SOI searches the images after it.
void JpegScanTest::recordsSeeFlagsOfTheirOwnSegment()
{
    const QByteArray image = minimalJpeg();
    const QByteArray broken = marker(0xD8) + dqt(1) + sof(0xC0, 3, 0) + dht() + dht(420);
    EngineInput input(broken + image);
    jpg_repair repair;
    repair.ScanJpegMarkers(input.path(), input.file(), 0);
    QCOMPARE(nodesOf(g_state.segmentHead),
             QString("d8@0 db@2 c0@71 c4@90 c4@123 d8@%1 d9@%2")
                 .arg(broken.size())
                 .arg(broken.size() + image.size() - 2));
    QCOMPARE(g_state.dhtSegmentCount, 1);
    QCOMPARE(repair.m_dhtUsable, 0);
    QCOMPARE(repair.m_secondSoi, 1);
    const SegmentNode* secondSoi = g_state.segmentHead;
    for (int i = 0; i < 5; ++i)
        secondSoi = secondSoi->next;
    QCOMPARE(int(secondSoi->soiImages), 2);
    QCOMPARE(secondSoi->embeddedStart[0], broken.size());
    QCOMPARE(secondSoi->embeddedLength[0], image.size());
    QCOMPARE(g_state.thumbnailFound, 1);
}

// The recovery pass records each image start with a search for its end.
// Starts nested in an image already searched reuse that search; each record
// must equal what a search of its own gives.
void JpegScanTest::recoveryPassMatchesSingleSearches()
{
    const QByteArray thumb = realJpeg(8, 8);
    const QByteArray garbageStart = marker(0xD8) + segment(0xFE, "abc");
    const QByteArray withThumb = marker(0xD8) + segment(0xE1, QByteArray("Exif\0\0", 6) + thumb)
        + garbageStart + minimalJpeg().mid(2);
    QByteArray startsInApp1 = marker(0xD8) + dqt(1);
    for (int i = 0; i < 5; ++i)
        startsInApp1 += segment(0xE1, marker(0xD8) + segmentWithLength(0xDB, 2, QByteArray()));
    startsInApp1 += marker(0xD9);
    const QByteArray file = withThumb + garbageStart + garbageStart + minimalJpeg() + withThumb
        + startsInApp1 + withThumb + garbageStart + segment(0xE2, thumb + garbageStart)
        + QByteArray(3, '\0');

    EngineInput input(file);
    jpg_repair repair;
    repair.ScanJpegMarkers(input.path(), input.file(), 0);
    QCOMPARE(g_state.multiImageRecovery, 1);
    SegmentNode* scanned = g_state.segmentHead;
    g_state.segmentHead = nullptr;

    int nodes = 0;
    for (const SegmentNode* node = scanned; node; node = node->next, ++nodes) {
        const qint64 pos = node->offset - 2;
        quint8 header[71];
        jpg_repair::ReadAt(g_state.inputFile, quint64(pos), header, sizeof header);
        jpg_repair single;
        SegmentNode* head = nullptr;
        SegmentNode* tail = nullptr;
        single.AddSegment(&head, &tail, header, pos);
        QCOMPARE(node->marker, quint16(0xD8FF));
        QCOMPARE(node->soiImages, head->soiImages);
        QCOMPARE(node->soiImageFlag, head->soiImageFlag);
        QCOMPARE(node->embeddedStart[0], head->embeddedStart[0]);
        QCOMPARE(node->embeddedLength[0], head->embeddedLength[0]);
        delete head;
    }
    // Image starts inside the APP segments are stepped over with them.
    QCOMPARE(nodes, 11);
    while (scanned) {
        SegmentNode* next = scanned->next;
        delete scanned;
        scanned = next;
    }
}

void JpegScanTest::manyNestedImageStarts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("starts");

    // Thousands of image starts inside one image, each of whose searches
    // would otherwise run to the image's end.
    const QByteArray start = marker(0xD8) + segment(0xFE, QByteArray());
    const QByteArray completeImages = marker(0xD9) + (start + marker(0xD9)).repeated(2);
    QTest::newRow("bare starts") << start.repeated(16000) + completeImages << 16002;
    // Starts inside APP segments are stepped over with their segment.
    const QByteArray inApp1 = segment(0xE1, start);
    QTest::newRow("starts inside APP1 segments")
        << start + inApp1.repeated(6500) + completeImages << 3;
}

void JpegScanTest::manyNestedImageStarts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, starts);

    writeSeed(bytes);
    EngineInput input(bytes);
    jpg_repair repair;
    repair.ScanJpegMarkers(input.path(), input.file(), 0);
    QCOMPARE(g_state.multiImageRecovery, 1);
    int nodes = 0;
    const qint64 firstEnd = bytes.indexOf(marker(0xD9));
    for (const SegmentNode* node = g_state.segmentHead; node; node = node->next, ++nodes) {
        const qint64 pos = node->offset - 2;
        const qint64 end = pos < firstEnd ? firstEnd : bytes.indexOf(marker(0xD9), int(pos));
        QCOMPARE(qint64(node->embeddedLength[0]), end - pos + 2);
    }
    QCOMPARE(nodes, starts);
}

void JpegScanTest::realImagesPassOrderCheck_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("quality");

    QTest::newRow("small, quality 90") << 8 << 8 << 90;
    QTest::newRow("odd size, quality 50") << 37 << 21 << 50;
    QTest::newRow("larger, quality 100") << 320 << 200 << 100;
}

// An image written by the toolkit's encoder is one image with its tables
// ahead of its scan: no recovery pass, and the order check accepts it.
void JpegScanTest::realImagesPassOrderCheck()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, quality);

    const QByteArray bytes = realJpeg(width, height, quality);
    writeSeed(bytes);
    EngineInput input(bytes);
    jpg_repair repair;
    repair.ScanJpegMarkers(input.path(), input.file(), 0);
    QCOMPARE(g_state.multiImageRecovery, 0);
    QVERIFY(g_state.segmentHead);
    QCOMPARE(g_state.segmentHead->marker, quint16(0xD8FF));
    QCOMPARE(g_state.segmentTail->marker, quint16(0xD9FF));
    QCOMPARE(g_state.segmentTail->offset, qint64(bytes.size()));
    QCOMPARE(IsSegmentOrderValid(g_state.segmentHead, 0), 1u);
}

QTEST_GUILESS_MAIN(JpegScanTest)
#include "tst_jpeg_scan.moc"
