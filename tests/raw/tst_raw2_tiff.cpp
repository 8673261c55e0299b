#include "global_state.h"
#include "raw2_fixture.h"
#include "temp_file.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// TIFF writes the JPEG thumbnail of a Photoshop image resource block.
class Raw2TiffTest : public QObject {
    Q_OBJECT
private slots:
    void init() { g_state.stopRequested = 0; }
    void tiff_data();
    void tiff() { verifyExtractionRow(&jpg_repair::ExtractTIFF); }
    void matchesIndependentReader_data();
    void matchesIndependentReader();
};

namespace {

const QByteArray kTail(16, 0x11);

// An image resource block with one JPEG thumbnail resource: "8BIM", the
// identifier, an empty name, the data size, the 28-byte thumbnail header and
// the JPEG, padded to an even size.
QByteArray photoshopBlock(const QByteArray& jpeg, quint16 id = 0x040C)
{
    QByteArray header = bigEndian32(1) + bigEndian32(24) + bigEndian32(16) + bigEndian32(72) + bigEndian32(72 * 16)
        + bigEndian32(quint32(jpeg.size())) + hexBytes("0018 0001");
    QByteArray data = header + jpeg;
    QByteArray block = QByteArray("8BIM") + char(id >> 8) + char(id & 0xFF) + hexBytes("0000")
        + bigEndian32(quint32(data.size())) + data;
    if (block.size() % 2)
        block.append(char(0));
    return block;
}

// A grey 8 x 8 uncompressed TIFF whose first directory has tag (pointing at
// the block) and whose pixel data follows the block.
QByteArray tiffFile(bool bigEndian, const QByteArray& block, quint16 tag = 0x8649, char pixel = char(0x80))
{
    ByteLayout file(bigEndian);
    file.appendTiffHeader();
    const quint32 dir = file.appendDirectory({{0x0100, 8}, {0x0101, 8}, {0x0102, 8}, {0x0103, 1},
                                              {0x0106, 1}, {0x0111, 0}, {0x0115, 1}, {0x0116, 8},
                                              {0x0117, 64}, {tag, 0, quint32(block.size()), 7}});
    file.put32(ByteLayout::valueField(dir, 9), file.append(block));
    file.put32(ByteLayout::valueField(dir, 5), file.append(QByteArray(64, pixel)));
    return file.bytes();
}

} // namespace

void Raw2TiffTest::tiff_data()
{
    addExtractionColumns();
    const QByteArray thumb = fixtureJpeg(JpegStart::App0, 1);
    const QByteArray block = photoshopBlock(thumb);

    QTest::newRow("little-endian Photoshop entry") << "A.tif" << tiffFile(false, block)
        << QStringList{"A_1.jpg"} << QByteArrayList{thumb};
    QTest::newRow("big-endian Photoshop entry") << "A.TIFF" << tiffFile(true, block)
        << QStringList{"A_1.jpg"} << QByteArrayList{thumb};
    QTest::newRow("ExifIFD entry") << "A.tif" << tiffFile(false, block, 0x8769)
        << QStringList{"A_1.jpg"} << QByteArrayList{thumb};
    QTest::newRow("no entry: whole-file search for 0x0409") << "A.tif" << tiffFile(false, photoshopBlock(thumb, 0x0409), 0x0131)
        << QStringList{"A_1.jpg"} << QByteArrayList{thumb};

    // The thumbnail runs to the last end marker of the file.
    const QByteArray withEndMarkers = tiffFile(false, block, 0x8649, char(0xD9)).replace(QByteArray(2, char(0xD9)), hexBytes("FFD9"));
    const int thumbAt = withEndMarkers.indexOf(thumb);
    QTest::newRow("end markers after the thumbnail") << "A.tif" << withEndMarkers
        << QStringList{"A_1.jpg"} << QByteArrayList{withEndMarkers.mid(thumbAt, withEndMarkers.lastIndexOf(hexBytes("FFD9")) + 2 - thumbAt)};

    // A resource without FF D8 at its data: the first-image scan runs, and
    // takes a JPEG that ends with the file.
    QByteArray noStart = photoshopBlock(thumb);
    noStart[40] = 0;
    const QByteArray plain = fixtureJpeg(JpegStart::Quantization, 2);
    QTest::newRow("fallback") << "A.tif" << tiffFile(false, noStart) + plain
        << QStringList{"A_1.jpg"} << QByteArrayList{plain};

    QByteArray cut = tiffFile(false, block);
    cut.truncate(cut.indexOf(thumb) + thumb.size() / 2);
    QTest::newRow("truncated thumbnail") << "A.tif" << cut << QStringList() << QByteArrayList();
    QTest::newRow("no resource") << "A.tif" << tiffFile(false, QByteArray(8, 0)) << QStringList() << QByteArrayList();
}

void Raw2TiffTest::matchesIndependentReader_data()
{
    QTest::addColumn<bool>("bigEndian");
    QTest::newRow("little-endian") << false;
    QTest::newRow("big-endian") << true;
}

// A thumbnail written into a TIFF by exiftool is extracted exactly as
// exiftool reads it back.
void Raw2TiffTest::matchesIndependentReader()
{
    QFETCH(bool, bigEndian);
    const QString exiftool = QStandardPaths::findExecutable("exiftool");
    if (exiftool.isEmpty())
        QSKIP("exiftool is not installed");

    QTemporaryDir dir;
    const QString thumbPath = dir.filePath("thumb.jpg");
    const QString tiffPath = dir.filePath("photo.tif");
    QVERIFY(writeFileBytes(thumbPath, fixtureJpeg(JpegStart::App0, 3)));
    QVERIFY(writeFileBytes(tiffPath, tiffFile(bigEndian, QByteArray(), 0x0131)));

    QProcess write;
    write.start(exiftool, {"-q", "-overwrite_original", "-PhotoshopThumbnail<=" + thumbPath, tiffPath});
    QVERIFY(write.waitForFinished(60000));
    QCOMPARE(write.exitCode(), 0);
    QProcess read;
    read.start(exiftool, {"-b", "-PhotoshopThumbnail", tiffPath});
    QVERIFY(read.waitForFinished(60000));
    const QByteArray expected = read.readAllStandardOutput();
    QVERIFY(expected.startsWith(hexBytes("FFD8")));

    const ExtractionScene scene;
    const ExtractionRun run = scene.run(&jpg_repair::ExtractTIFF, "photo.tif", readFileBytes(tiffPath));
    QCOMPARE(run.names, QStringList{"photo_1.jpg"});
    QCOMPARE(run.output("photo_1.jpg"), expected);
}

QTEST_GUILESS_MAIN(Raw2TiffTest)
#include "tst_raw2_tiff.moc"
