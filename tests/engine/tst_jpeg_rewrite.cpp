// The rewrite of a scanned image and the copies of the save step, checked
// byte by byte on files written by the toolkit and damaged on purpose.
#include "engine_input.h"
#include "exif_fixture.h"
#include "file_open.h"
#include "global_state.h"
#include "jpeg_fixture.h"
#include "jpg_repair.h"
#include "save_file.h"
#include "segment_lists.h"
#include "temp_file.h"

#include <QDir>
#include <QTest>

namespace {

const QByteArray kSoi("\xFF\xD8", 2);
const QByteArray kEoi("\xFF\xD9", 2);

QString scratchPath(const QString& name)
{
    return QDir::tempPath() + "/" + name;
}

// Scans bytes as the input and rewrites the main image; returns the output.
QByteArray rewriteMainImage(const QByteArray& bytes)
{
    EngineInput input(bytes);
    g_state.inputPath = input.path();
    jpg_repair scanner;
    scanner.ScanJpegMarkers(input.path(), input.file(), 0);
    const QString outPath = scratchPath("rewritten.jpg");
    FILE* out = platform::openFile(outPath, "wb+");
    SaveFile().WriteRepairedJpeg(out, 0);
    std::fclose(out);
    g_state.inputPath.clear();
    return readFileBytes(outPath);
}

QByteArray pattern(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 31 + i / 7) & 0xFF);
    return bytes;
}

int scanDataStart(const QByteArray& jpeg)
{
    return fixture::markerOffset(jpeg, 0xDA) + 2 + 12;
}

// Positions in the scan data where a 3-byte pattern can be put without
// touching an FF that came before it.
QList<int> freeScanPositions(const QByteArray& jpeg, int count)
{
    QList<int> positions;
    for (int p = scanDataStart(jpeg) + 8; p < jpeg.size() - 8 && positions.size() < count; p += 23) {
        if (jpeg[p - 1] != char(0xFF))
            positions << p;
    }
    return positions;
}

} // namespace

class JpegRewriteTest : public QObject {
    Q_OBJECT
private slots:
    void strayPairsAreNeutralisedInPlace();
    void strayPairInLastTwoBytesLeavesAppendedEoi();
    void runsOfFFAreNeutralisedInPlace();
    void noScanWrittenAppliesNoPatch();
    void oversizedDhtIsCopiedUnchanged();
    void combinedDhtWithDamagedCountsIsCopied();
    void fourthOneTableDqtIsCopiedUnchanged();
    void blockCopyIsExact_data();
    void blockCopyIsExact();
    void extractThumbnailCopiesItsRange();
};

void JpegRewriteTest::strayPairsAreNeutralisedInPlace()
{
    QByteArray jpeg = fixture::realJpeg(64, 48, 90);
    const QList<int> at = freeScanPositions(jpeg, 6);
    QCOMPARE(at.size(), 6);
    // The first four cannot stand in scan data (an APP1 code without a
    // segment behind it among them); stuffing and a restart marker can.
    const QList<QByteArray> pairs = {QByteArray("\xFF\x01", 2), QByteArray("\xFF\xFF", 2),
                                     QByteArray("\xFF\xD8", 2), QByteArray("\xFF\xE1", 2),
                                     QByteArray("\xFF\x00", 2), QByteArray("\xFF\xD3", 2)};
    for (int i = 0; i < at.size(); ++i)
        jpeg.replace(at[i], 3, pairs[i] + '\0');

    const QByteArray output = rewriteMainImage(jpeg);

    // The toolkit's file keeps its layout (its JFIF header is written too),
    // so every byte stays at its input position.
    QByteArray expected = jpeg;
    for (int i = 0; i < 4; ++i)
        expected[at[i]] = '\0';
    QCOMPARE(output, expected);
    for (int i = 4; i < 6; ++i)
        QCOMPARE(output.mid(at[i], 2), pairs[i]);
}

void JpegRewriteTest::strayPairInLastTwoBytesLeavesAppendedEoi()
{
    QByteArray jpeg = fixture::realJpeg(64, 48, 90);
    jpeg.chop(2);
    jpeg.append("\xFF\x01", 2);

    const QByteArray output = rewriteMainImage(jpeg);

    QVERIFY(output.endsWith(kEoi));
    QCOMPARE(output.size(), jpeg.size());
}

// Runs of FF bytes in scan data (erased memory): each FF followed by FF
// becomes 00, the last of the run stays before its 00. Runs of every length
// up to several thousand bytes, one after another; each sits between 00
// bytes, so no FF of the photo's own data joins it.
void JpegRewriteTest::runsOfFFAreNeutralisedInPlace()
{
    QByteArray jpeg = fixture::realJpeg(640, 480, 90);
    QByteArray expected = jpeg;
    int p = scanDataStart(jpeg) + 16;
    for (const int length : {2, 3, 4095, 4096, 4097, 9000, 2}) {
        QVERIFY(p + length + 40 < jpeg.size());
        jpeg.replace(p, length + 2, '\0' + QByteArray(length, '\xFF') + '\0');
        expected.replace(p, length + 2, QByteArray(length, '\0') + QByteArray("\xFF\0", 2));
        p += length + 2 + 7;
    }

    QCOMPARE(rewriteMainImage(jpeg), expected);
}

void JpegRewriteTest::noScanWrittenAppliesNoPatch()
{
    // An offset left by an earlier rewrite must not patch an output that
    // holds no scan.
    g_state.outputScanOffset = 2;
    jpg_repair().AppendOffset(&g_state.strayMarkerHead, &g_state.strayMarkerTail, 0);
    const QByteArray output = rewriteMainImage(QByteArray("not a jpeg"));
    QCOMPARE(output, kSoi + kEoi);
    jpg_repair().ResetState();
}

void JpegRewriteTest::oversizedDhtIsCopiedUnchanged()
{
    const QByteArray bigDht = fixture::dht(1100);
    const QByteArray jpeg = fixture::marker(0xD8) + fixture::dqt(1, 14) + bigDht
        + fixture::sof(0xC0, 3) + fixture::dht(31) + fixture::sos() + QByteArray(40, '\x22')
        + fixture::marker(0xD9);

    const QByteArray output = rewriteMainImage(jpeg);

    QVERIFY(output.contains(bigDht));
    QVERIFY(output.startsWith(kSoi));
    QVERIFY(output.endsWith(kEoi));
}

void JpegRewriteTest::combinedDhtWithDamagedCountsIsCopied()
{
    // The only DHT, so its table positions are worked out from counts that
    // point far outside the segment.
    const QByteArray damagedDht = fixture::segmentWithLength(0xC4, 400, QByteArray(398, '\xF7'));
    const QByteArray jpeg = fixture::marker(0xD8) + fixture::dqt(1, 14) + fixture::sof(0xC0, 3)
        + damagedDht + fixture::sos() + QByteArray(40, '\x22') + fixture::marker(0xD9);

    const QByteArray output = rewriteMainImage(jpeg);

    QVERIFY(output.contains(damagedDht));
    for (qint32 offset : g_state.dhtTableOffset)
        QVERIFY(offset >= 0 && offset + 17 <= 402);
    jpg_repair().ResetState();
}

void JpegRewriteTest::fourthOneTableDqtIsCopiedUnchanged()
{
    const QByteArray fourth = fixture::dqt(1, 1);
    const QByteArray jpeg = fixture::marker(0xD8) + fixture::dqt(1, 1) + fixture::dqt(1, 1)
        + fixture::dqt(1, 1) + fourth + fixture::sof(0xC0, 3) + fixture::dht(31) + fixture::sos()
        + QByteArray(40, '\x22') + fixture::marker(0xD9);

    const QByteArray output = rewriteMainImage(jpeg);

    QCOMPARE(output.mid(2 + 3 * 69, 69), fourth);
}

void JpegRewriteTest::blockCopyIsExact_data()
{
    QTest::addColumn<int>("size");
    for (int size : {1, 1023, 1024, 1025, 3000})
        QTest::addRow("%d bytes", size) << size;
}

void JpegRewriteTest::blockCopyIsExact()
{
    QFETCH(int, size);
    const QByteArray bytes = pattern(size);
    g_state.tempOutputPath = scratchPath("source.bin");
    writeFileBytes(g_state.tempOutputPath, bytes);
    const QString target = scratchPath("copy.bin");
    FILE* out = platform::openFile(target, "wb+");
    SaveFile().CopyTempToOutput(out);
    std::fclose(out);
    QCOMPARE(readFileBytes(target), bytes);
    g_state.tempOutputPath.clear();
}

void JpegRewriteTest::extractThumbnailCopiesItsRange()
{
    const QByteArray bytes = pattern(20000);
    g_state.inputPath = scratchPath("input.bin");
    writeFileBytes(g_state.inputPath, bytes);
    auto* app1 = new SegmentNode{};
    app1->marker = 0xE1FF;
    app1->embeddedStart.set(0, 5000);
    app1->embeddedLength.set(0, 6000);
    g_state.segmentHead = app1;
    g_state.segmentTail = app1;

    SaveFile save;
    save.m_app1Left = 1;
    const QString target = scratchPath("temp.jpg");
    FILE* out = platform::openFile(target, "wb+");
    save.ExtractThumbnail(out, 0);
    std::fclose(out);

    QCOMPARE(readFileBytes(target), bytes.mid(5000, 6000));
    QCOMPARE(save.m_app1Left, 0);
    jpg_repair().ResetState();
    g_state.inputPath.clear();
}

QTEST_MAIN(JpegRewriteTest)
#include "tst_jpeg_rewrite.moc"
