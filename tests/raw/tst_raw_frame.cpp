#include "global_state.h"
#include "raw/marker_scan.h"
#include "raw/preview_extraction.h"
#include "raw/preview_writer.h"
#include "raw_fixture.h"
#include "raw/raw_input.h"
#include "temp_file.h"
#include "raw/tiff_directory.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtTest>

namespace {

QByteArray filler(int count, char value = 0x11)
{
    return QByteArray(count, value);
}

} // namespace

// The shared frame of the preview extractors: names, value reads, directory
// walks, marker scans and the write step.
class RawFrameTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void fixtureJpegsDecode_data();
    void fixtureJpegsDecode();
    void outputNames_data();
    void outputNames();
    void clashingBaseNamesKeepEveryOutput();
    void writeStep_data();
    void writeStep();
    void failedWriteListsNothing();
    void prefixedWrite();
    void pointerPair_data();
    void pointerPair();
    void pointerWalkPollsStop();
    void twoImageScan_data();
    void twoImageScan();
    void firstImageScan_data();
    void firstImageScan();
    void scanStartTest();
    void findAcrossChunks();
    void locatedImagesSuppressFallback();
    void unopenableInput();
    void refusesFilesOf4GiB();

private:
    // Opens bytes as a file of the scene.
    bool openInput(RawInput& input, const QByteArray& bytes, const QString& name = QStringLiteral("in.bin"));
    ExtractionScene m_scene;
};

void RawFrameTest::init()
{
    m_scene.reset();
    g_state.workFolder = m_scene.workFolder();
}

bool RawFrameTest::openInput(RawInput& input, const QByteArray& bytes, const QString& name)
{
    return input.open(m_scene.writeInput(name, bytes));
}

void RawFrameTest::fixtureJpegsDecode_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QByteArray>("leading");

    QTest::newRow("app0") << int(JpegStart::App0) << hexBytes("FFD8 FFE0");
    QTest::newRow("quantization") << int(JpegStart::Quantization) << hexBytes("FFD8 FFDB");
    QTest::newRow("huffman") << int(JpegStart::Huffman) << hexBytes("FFD8 FFC4");
    QTest::newRow("adobe") << int(JpegStart::Adobe) << hexBytes("FFD8 FFEE");
    QTest::newRow("exif") << int(JpegStart::Exif) << hexBytes("FFD8 FFE1");
}

// The fixtures the extractor tests embed are real, decodable JPEGs.
void RawFrameTest::fixtureJpegsDecode()
{
    QFETCH(int, start);
    QFETCH(QByteArray, leading);

    const QByteArray jpeg = fixtureJpeg(JpegStart(start), 5);
    QVERIFY(jpeg.startsWith(leading));
    QVERIFY(jpeg.endsWith(hexBytes("FFD9")));
    QCOMPARE(jpeg.count(hexBytes("FFD9")), 1);
    QCOMPARE(QImage::fromData(jpeg, "JPG").size(), QSize(24, 16));
}

void RawFrameTest::outputNames_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("rule");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("expected");

    const int beforeDot = int(PreviewWriter::BaseName::BeforeFirstDot);
    const int whole = int(PreviewWriter::BaseName::WholeFileName);
    QTest::newRow("plain") << "DSC01234.ARW" << beforeDot << ".jpg" << 1 << "DSC01234_1.jpg";
    QTest::newRow("second") << "DSC01234.ARW" << beforeDot << ".jpg" << 2 << "DSC01234_2.jpg";
    QTest::newRow("several dots") << "IMG.0001.CR2" << beforeDot << ".jpg" << 1 << "IMG_1.jpg";
    QTest::newRow("leading dot") << ".x.ARW" << beforeDot << ".jpg" << 2 << "x_2.jpg";
    QTest::newRow("no suffix") << "raw" << beforeDot << ".jpg" << 1 << "raw_1.jpg";
    QTest::newRow("pef extension") << "IMGP0001.PEF" << beforeDot << ".jpeg" << 2 << "IMGP0001_2.jpeg";
    QTest::newRow("whole name") << "PICT0001.MRW" << whole << ".jpg" << 1 << "PICT0001.MRW_1.jpg";
    QTest::newRow("third") << "A.CR3" << beforeDot << ".jpg" << 3 << "A_3.jpg";
}

void RawFrameTest::outputNames()
{
    QFETCH(QString, fileName);
    QFETCH(int, rule);
    QFETCH(QString, extension);
    QFETCH(int, k);
    QFETCH(QString, expected);

    const PreviewWriter writer(QStringLiteral("/some/folder/") + fileName, PreviewWriter::BaseName(rule), extension);
    QCOMPARE(writer.outputName(k), expected);
}

void RawFrameTest::clashingBaseNamesKeepEveryOutput()
{
    const QByteArray first = fixtureJpeg(JpegStart::Quantization, 1);
    const QByteArray second = fixtureJpeg(JpegStart::Quantization, 2);
    const QByteArray third = fixtureJpeg(JpegStart::Quantization, 3);
    const QByteArray tail = filler(16);

    const ExtractionRun a = m_scene.run(&jpg_repair::ExtractARW, "IMG.0001.ARW", first + tail);
    QCOMPARE(a.names, QStringList{"IMG_1.jpg"});
    const ExtractionRun b = m_scene.run(&jpg_repair::ExtractARW, "IMG.0002.ARW", second + tail);
    QCOMPARE(b.names, QStringList{"IMG_1(2).jpg"});
    const ExtractionRun c = m_scene.run(&jpg_repair::ExtractARW, "IMG.ARW", third + tail);
    QCOMPARE(c.names, QStringList{"IMG_1(3).jpg"});

    QCOMPARE(a.output("IMG_1.jpg"), first);
    QCOMPARE(b.output("IMG_1(2).jpg"), second);
    QCOMPARE(c.output("IMG_1(3).jpg"), third);
    QCOMPARE(c.filesInWorkFolder().size(), 3);
}

void RawFrameTest::writeStep_data()
{
    QTest::addColumn<quint32>("offset");
    QTest::addColumn<quint32>("length");
    QTest::addColumn<bool>("written");

    // The file is 100 bytes long.
    QTest::newRow("inside") << 10u << 20u << true;
    QTest::newRow("up to the last byte") << 10u << 90u << true;
    QTest::newRow("zero length") << 10u << 0u << false;
    QTest::newRow("length of the whole file") << 0u << 100u << false;
    QTest::newRow("length above the size") << 0u << 150u << false;
    QTest::newRow("offset at the end") << 100u << 1u << false;
    QTest::newRow("runs one byte past the end") << 10u << 91u << false;
    QTest::newRow("wrapped length") << 50u << 0xFFFFFFF0u << false;
    QTest::newRow("offset and length overflow 32 bits") << 0xFFFFFFF0u << 0x20u << false;
}

void RawFrameTest::writeStep()
{
    QFETCH(quint32, offset);
    QFETCH(quint32, length);
    QFETCH(bool, written);

    QByteArray bytes(100, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i);
    RawInput input;
    QVERIFY(openInput(input, bytes, "A.CR2"));
    PreviewWriter writer("A.CR2");
    QCOMPARE(writer.writeAndList(input, PreviewImage{offset, length}, 1), written);
    QCOMPARE(g_state.producedFiles, written ? QStringList{"A_1.jpg"} : QStringList());
    const QString path = m_scene.workFolder() + "/A_1.jpg";
    QCOMPARE(QFile::exists(path), written);
    if (written)
        QCOMPARE(readFileBytes(path), bytes.mid(int(offset), int(length)));
}

void RawFrameTest::failedWriteListsNothing()
{
    RawInput input;
    QVERIFY(openInput(input, fixtureJpeg(JpegStart::Quantization) + filler(8)));
    // A plain file where the work folder should be: nothing can be created in it.
    const QString blocked = m_scene.workFolder() + "-blocked";
    QVERIFY(writeFileBytes(blocked, "x"));
    g_state.workFolder = blocked;
    PreviewWriter writer("A.ARW");
    QVERIFY(!writer.writeAndList(input, PreviewImage{0, 20}, 1));
    QVERIFY(g_state.producedFiles.isEmpty());

    g_state.workFolder.clear();
    QVERIFY(!writer.writeAndList(input, PreviewImage{0, 20}, 1));
    QVERIFY(g_state.producedFiles.isEmpty());
}

void RawFrameTest::prefixedWrite()
{
    RawInput input;
    const QByteArray body = hexBytes("00D8 FFDB 0004 1234 FFD9");
    QVERIFY(openInput(input, filler(4) + body + filler(8)));
    PreviewWriter writer("PICT0001.MRW", PreviewWriter::BaseName::WholeFileName);
    QVERIFY(writer.writeAndList(input, PreviewImage{5, quint32(body.size() - 1)}, 1, hexBytes("FF")));
    QCOMPARE(readFileBytes(m_scene.workFolder() + "/PICT0001.MRW_1.jpg"), hexBytes("FFD8 FFDB 0004 1234 FFD9"));
}

void RawFrameTest::pointerPair_data()
{
    QTest::addColumn<QVector<IfdEntry>>("entries");
    QTest::addColumn<int>("walk");
    QTest::addColumn<bool>("lengthNeedsRoom");
    QTest::addColumn<PreviewImage>("expected");

    const int first = int(tiff::PairWalk::EndAtFirstPointer);
    const int complete = int(tiff::PairWalk::GoOnToCompletePair);
    const IfdEntry width{0x0100, 24};
    const IfdEntry pointer{0x0201, 500};
    const IfdEntry length{0x0202, 40};
    const IfdEntry laterPointer{0x0201, 600};
    const IfdEntry laterLength{0x0202, 60};
    const IfdEntry other{0x0103, 6};

    QTest::newRow("pair") << QVector<IfdEntry>{width, pointer, length} << first << false << PreviewImage{500, 40};
    QTest::newRow("length not next: first pointer ends")
        << QVector<IfdEntry>{pointer, other, length} << first << false << PreviewImage{500, 0};
    QTest::newRow("length not next: later pair replaces")
        << QVector<IfdEntry>{pointer, other, laterPointer, laterLength} << complete << false << PreviewImage{600, 60};
    QTest::newRow("entry after the pointer is passed over")
        << QVector<IfdEntry>{pointer, laterPointer, laterLength} << complete << false << PreviewImage{500, 0};
    QTest::newRow("length alone") << QVector<IfdEntry>{width, length} << first << false << PreviewImage{};
    QTest::newRow("no pointer") << QVector<IfdEntry>{width, other} << complete << false << PreviewImage{};
    QTest::newRow("length at the end of the file")
        << QVector<IfdEntry>{pointer, length} << first << true << PreviewImage{500, 0};
}

void RawFrameTest::pointerPair()
{
    QFETCH(QVector<IfdEntry>, entries);
    QFETCH(int, walk);
    QFETCH(bool, lengthNeedsRoom);
    QFETCH(PreviewImage, expected);

    ByteLayout layout;
    layout.appendTiffHeader();
    const quint32 dir = layout.appendDirectory(entries);
    // Without next-directory field the last entry's value ends the file.
    layout.truncate(layout.size() - 4);
    RawInput input;
    QVERIFY(openInput(input, layout.bytes()));
    tiff::PointerRule rule;
    rule.walk = tiff::PairWalk(walk);
    rule.lengthNeedsRoom = lengthNeedsRoom;
    QCOMPARE(tiff::findPointerPair(input, dir + 2, quint32(entries.size()), rule), expected);
}

void RawFrameTest::pointerWalkPollsStop()
{
    ByteLayout layout;
    layout.appendTiffHeader();
    const quint32 dir = layout.appendDirectory({{0x0201, 500}, {0x0202, 40}});
    RawInput input;
    QVERIFY(openInput(input, layout.bytes()));
    g_state.stopRequested = 1;
    QCOMPARE(tiff::findPointerPair(input, dir + 2, 2, tiff::PointerRule()), PreviewImage{});
    QCOMPARE(tiff::findEntry(input, dir + 2, 2, TagMatch::littleEndian(0x0201)), qint64(-1));
}

void RawFrameTest::twoImageScan_data()
{
    QTest::addColumn<int>("jpegCount");
    QTest::addColumn<int>("tail");
    QTest::addColumn<bool>("endNeedsRoom");
    QTest::addColumn<QVector<int>>("expectedJpegs");  // which JPEGs become _1 and _2

    QTest::newRow("one") << 1 << 16 << true << QVector<int>{0};
    QTest::newRow("two") << 2 << 16 << true << QVector<int>{0, 1};
    QTest::newRow("three: first and third") << 3 << 16 << true << QVector<int>{0, 2};
    QTest::newRow("five: first and third") << 5 << 16 << true << QVector<int>{0, 2};
    QTest::newRow("last end without room") << 2 << 4 << true << QVector<int>{0};
    QTest::newRow("last end kept without room test") << 2 << 0 << false << QVector<int>{0, 1};
    QTest::newRow("none") << 0 << 16 << true << QVector<int>{};
}

void RawFrameTest::twoImageScan()
{
    QFETCH(int, jpegCount);
    QFETCH(int, tail);
    QFETCH(bool, endNeedsRoom);
    QFETCH(QVector<int>, expectedJpegs);

    QByteArray bytes = filler(33);
    QVector<PreviewImage> jpegs;
    for (int i = 0; i < jpegCount; ++i) {
        const QByteArray jpeg = fixtureJpeg(i % 2 ? JpegStart::Huffman : JpegStart::Quantization, i);
        jpegs.append(PreviewImage{quint32(bytes.size()), quint32(jpeg.size())});
        bytes += jpeg + filler(7);
    }
    bytes.chop(7);
    bytes += filler(tail);

    RawInput input;
    QVERIFY(openInput(input, bytes));
    MarkerScan scan;
    scan.starts = quantizationOrHuffmanStarts();
    scan.endNeedsRoom = endNeedsRoom;
    const PreviewImages found = scanTwoImages(input, scan);
    QVector<PreviewImage> writable;
    for (const PreviewImage& image : found) {
        if (PreviewWriter::fits(input, image))
            writable.append(image);
    }
    QVector<PreviewImage> expected;
    for (int index : expectedJpegs)
        expected.append(jpegs[index]);
    QCOMPARE(writable, expected);
}

void RawFrameTest::firstImageScan_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("endNeedsRoom");
    QTest::addColumn<PreviewImage>("expected");

    const QByteArray jpeg = fixtureJpeg(JpegStart::Huffman);
    const quint32 length = quint32(jpeg.size());
    QTest::newRow("bare jpeg with five bytes after it") << jpeg + filler(5) << true << PreviewImage{0, length};
    QTest::newRow("four bytes after it") << jpeg + filler(4) << true << PreviewImage{};
    QTest::newRow("four bytes after it, no room test") << jpeg + filler(4) << false << PreviewImage{0, length};
    QTest::newRow("inside other bytes") << filler(9) + jpeg + filler(9) << true << PreviewImage{9, length};
    QTest::newRow("only the first start is tried")
        << filler(3) + jpeg.left(40) + jpeg + filler(9) << true << PreviewImage{3, length + 40};
    QTest::newRow("no end marker") << filler(3) + jpeg.left(jpeg.size() - 2) + filler(9) << true << PreviewImage{};
    QTest::newRow("start pattern at the very end") << filler(3) + hexBytes("FFD8 FFDB") << true << PreviewImage{};
    QTest::newRow("empty file") << QByteArray() << true << PreviewImage{};
}

void RawFrameTest::firstImageScan()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, endNeedsRoom);
    QFETCH(PreviewImage, expected);

    RawInput input;
    QVERIFY(openInput(input, bytes));
    MarkerScan scan;
    scan.starts = quantizationOrHuffmanStarts();
    scan.endNeedsRoom = endNeedsRoom;
    const PreviewImages found = scanFirstImage(input, scan);
    QCOMPARE(found.empty() ? PreviewImage{} : found.front(), expected);

    g_state.stopRequested = 1;
    QVERIFY(scanFirstImage(input, scan).empty());
    QVERIFY(scanTwoImages(input, scan).empty());
}

void RawFrameTest::scanStartTest()
{
    const QByteArray decoy = hexBytes("FFD8 FFDB 0004 0000 1234");
    const QByteArray jpeg = fixtureJpeg(JpegStart::Quantization);
    RawInput input;
    QVERIFY(openInput(input, filler(5) + decoy + jpeg + filler(8)));
    MarkerScan scan;
    scan.starts = quantizationOrHuffmanStarts();
    // The first segment must be followed by another table segment.
    scan.startTest = [](RawInput& in, quint64 p) {
        const quint16 next = in.wordAt(p + 4 + in.be16(p + 4));
        return next == 0xFFDB || next == 0xFFC4;
    };
    QCOMPARE(findScanStart(input, 0, scan), qint64(5 + decoy.size()));
}

void RawFrameTest::findAcrossChunks()
{
    // Patterns that straddle the scan buffer's refills are still found, and
    // bytes past the end of the file read as zero.
    QByteArray bytes(700 * 1024, '\x33');
    const int straddling = 256 * 1024 - 2;
    bytes.replace(straddling, 4, hexBytes("FFD8 FFC4"));
    bytes.replace(bytes.size() - 2, 2, hexBytes("4949"));
    RawInput input;
    QVERIFY(openInput(input, bytes));
    QCOMPARE(input.find(0, quantizationOrHuffmanStarts(), StopPolling::Poll), qint64(straddling));
    QCOMPARE(input.find(straddling + 1, quantizationOrHuffmanStarts(), StopPolling::Poll), qint64(-1));
    QCOMPARE(input.find(0, {hexBytes("4949 0000")}, StopPolling::Poll), qint64(bytes.size() - 2));
    QCOMPARE(input.le32(bytes.size() - 2), quint32(0x4949));
    g_state.stopRequested = 1;
    QCOMPARE(input.find(0, quantizationOrHuffmanStarts(), StopPolling::Poll), qint64(-1));
    QCOMPARE(input.find(0, quantizationOrHuffmanStarts(), StopPolling::Ignore), qint64(straddling));
}

void RawFrameTest::locatedImagesSuppressFallback()
{
    const QByteArray jpeg = fixtureJpeg(JpegStart::Quantization);
    RawInput input;
    QVERIFY(openInput(input, filler(10) + jpeg + filler(10), "A.ARW"));
    PreviewWriter writer("A.ARW");
    MarkerScan scan;
    scan.starts = quantizationOrHuffmanStarts();

    // A pointer without its length passes the start check: nothing written, no fallback.
    writeLocatedOrScanTwo(input, writer, {PreviewImage{10, 0}, PreviewImage{}}, scan);
    QVERIFY(g_state.producedFiles.isEmpty());

    // Pairs that fail the start check leave the fallback to find the JPEG.
    writeLocatedOrScanTwo(input, writer, {PreviewImage{3, 40}, PreviewImage{0, 50}}, scan);
    QCOMPARE(g_state.producedFiles, QStringList{"A_1.jpg"});
    QCOMPARE(readFileBytes(m_scene.workFolder() + "/A_1.jpg"), jpeg);
}

void RawFrameTest::unopenableInput()
{
    const ExtractionRun run = m_scene.runPath(&jpg_repair::ExtractARW, m_scene.workFolder() + "/missing.ARW");
    QVERIFY(run.names.isEmpty());
    QVERIFY(!QDir(m_scene.workFolder()).exists());
    RawInput input;
    QVERIFY(!input.open(QString()));
}

void RawFrameTest::refusesFilesOf4GiB()
{
    // A sparse file: its JPEG at the start would be found by any scan.
    const QString path = m_scene.writeInput("HUGE.ARW", fixtureJpeg(JpegStart::Quantization) + filler(16));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    if (!file.resize(qint64(1) << 32))
        QSKIP("the file system cannot hold a sparse 4 GiB file");
    file.close();
    RawInput input;
    QVERIFY(!input.open(path));
    QVERIFY(m_scene.runPath(&jpg_repair::ExtractARW, path).names.isEmpty());
    QFile::remove(path);
}

QTEST_GUILESS_MAIN(RawFrameTest)
#include "tst_raw_frame.moc"
