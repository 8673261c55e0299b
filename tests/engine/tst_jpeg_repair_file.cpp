// The per-file entry end to end: real JPEG files written by the toolkit,
// damaged in known ways, repaired and checked by decoding the outputs.
#include "decode_check.h"
#include "exif_fixture.h"
#include "fuzz_seed.h"
#include "global_state.h"
#include "huffman_lookup.h"
#include "jpeg_fixture.h"
#include "jpg_repair.h"
#include "repair_run.h"
#include "segment_lists.h"
#include "temp_file.h"

#include <QColorSpace>
#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace repairrun;

namespace {


QByteArray thumbnailJpeg()
{
    return fixture::realJpeg(160, 120, 80);
}

// A 320 x 240 photo with a 160 x 120 EXIF thumbnail in APP1.
QByteArray photoWithThumbnail()
{
    return fixture::withExifThumbnail(fixture::realJpeg(320, 240, 85), thumbnailJpeg());
}

// What the rewrite makes of an undamaged file written by the toolkit: the
// same bytes, its JFIF header and its own tables kept as they are.
QByteArray rewritten(const QByteArray& jpeg)
{
    return jpeg;
}

// The file with `count` values of its first DQT's table changed, from the
// table's zigzag position `from` on.
QByteArray withTableValuesChanged(QByteArray jpeg, int from, int count)
{
    const int values = fixture::markerOffset(jpeg, 0xDB) + 5;
    for (int i = 0; i < count; ++i) {
        const int at = values + from + i;
        jpeg[at] = char(quint8(jpeg[at]) == 255 ? 254 : quint8(jpeg[at]) + 1);
    }
    return jpeg;
}

// Offset of the n-th (from 0) segment with the marker FF code.
int nthMarkerOffset(const QByteArray& jpeg, quint8 code, int n)
{
    const QByteArray marker = QByteArray(1, char(0xFF)) + char(code);
    int at = jpeg.indexOf(marker);
    for (int i = 0; i < n && at >= 0; ++i)
        at = jpeg.indexOf(marker, at + 2);
    return at;
}

// The symbols of the file's last (AC) Huffman table with every third one
// from the ninth on overwritten: counts intact, symbols repeated.
QByteArray withAcSymbolsGarbled(QByteArray jpeg)
{
    const int dht = jpeg.lastIndexOf(QByteArray("\xFF\xC4", 2));
    const int length = quint8(jpeg[dht + 2]) << 8 | quint8(jpeg[dht + 3]);
    for (int at = dht + 21 + 8; at < dht + 2 + length; at += 3)
        jpeg[at] = jpeg[dht + 21];
    return jpeg;
}

} // namespace

class JpegRepairFileTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void photoWithThumbnail_savesMainImageAndThumbnail();
    void jpegSuffixIsComparedUpperCased_data();
    void jpegSuffixIsComparedUpperCased();
    void unreadableInputProducesNothing();
    void tiffSuffixesReachTheirExtractor_data();
    void tiffSuffixesReachTheirExtractor();
    void bytesAfterFinalEoiKeepTheThumbnail();
    void sameNameFromTwoFoldersKeepsBothOutputs();
    void invalidMainImageIsCountedAndThumbnailStillSaved();
    void undecodableMainImageStillSavesThumbnail();
    void damagedThumbnailTableIsReplaced();
    void damagedTablesAreReplacedByKnownGoodOnes_data();
    void damagedTablesAreReplacedByKnownGoodOnes();
    void undamagedInputsComeOutPixelIdentical_data();
    void undamagedInputsComeOutPixelIdentical();
    void onlyHonestDecodesAreListed_data();
    void onlyHonestDecodesAreListed();
    void frameSizeIsCheckedBeforeDecoding_data();
    void frameSizeIsCheckedBeforeDecoding();
    void outputNames_data();
    void outputNames();
    void skipOrStopWritesNothing_data();
    void skipOrStopWritesNothing();
    void writeFuzzSeeds();

private:
    QString m_work;
    QString m_inputs;
};

void JpegRepairFileTest::init()
{
    resetRun();
    m_work = prepareWorkFolder();
    m_inputs = QDir::tempPath() + "/inputs";
    QDir().mkpath(m_inputs);
}

void JpegRepairFileTest::cleanup()
{
    resetRun();
    QDir(m_work).removeRecursively();
    QDir(m_inputs).removeRecursively();
}

void JpegRepairFileTest::photoWithThumbnail_savesMainImageAndThumbnail()
{
    const QByteArray input = photoWithThumbnail();
    const QString path = putFile(m_inputs, "IMG_0001.JPG", input);

    repairFile(path);

    QCOMPARE(g_state.producedFiles, QStringList({"/IMG_0001.JPG", "/IMG_0001_[T1].jpg"}));
    // Its EXIF block is kept as read, in front of the JFIF header.
    QCOMPARE(readFileBytes(m_work + "/IMG_0001.JPG"), rewritten(input));
    const QImage thumbnail = decodeFile(m_work + "/Thumbnail Repaired/IMG_0001_[T1].jpg");
    QCOMPARE(thumbnail.size(), QSize(160, 120));
    QCOMPARE(thumbnail, decode(thumbnailJpeg()));

    // The per-file state is reset for the next file.
    QVERIFY(g_state.inputPath.isEmpty());
    QVERIFY(g_state.fileName.isEmpty());
    QVERIFY(g_state.outputPath.isEmpty());
    QVERIFY(g_state.thumb1Path.isEmpty());
    QVERIFY(g_state.thumb1Name.isEmpty());
    QVERIFY(g_state.tempJpegPath.isEmpty());
    QCOMPARE(g_state.fileSuffix, QString("JPG"));
    QVERIFY(!g_state.segmentHead);
    QVERIFY(!g_state.strayMarkerHead);
    QVERIFY(!g_state.inputFile);
    QCOMPARE(g_state.dqtSearchPending, 1);
    QCOMPARE(g_state.thumbnailFound, 0);
    QCOMPARE(g_state.useTempInput, 0);
    QCOMPARE(g_state.invalidFileCount, 0);
    QCOMPARE(scratchFilesLeft(), QStringList());
    // The input is never changed.
    QCOMPARE(readFileBytes(path), input);
}

void JpegRepairFileTest::jpegSuffixIsComparedUpperCased_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("produced");
    QTest::newRow("JPG") << "a.JPG" << QStringList({"/a.JPG"});
    QTest::newRow("jpg") << "a.jpg" << QStringList({"/a.jpg"});
    QTest::newRow("JPEG") << "a.JPEG" << QStringList({"/a.JPEG"});
    QTest::newRow("jpeg") << "a.jpeg" << QStringList({"/a.jpeg"});
    QTest::newRow("mixed case Jpg") << "a.Jpg" << QStringList({"/a.Jpg"});
    QTest::newRow("mixed case jPeG") << "a.jPeG" << QStringList({"/a.jPeG"});
    QTest::newRow("no suffix") << "a" << QStringList();
    QTest::newRow("other suffix") << "a.png" << QStringList();
}

void JpegRepairFileTest::jpegSuffixIsComparedUpperCased()
{
    QFETCH(QString, name);
    QFETCH(QStringList, produced);
    const QByteArray jpeg = fixture::realJpeg(64, 48, 90);
    repairFile(putFile(m_inputs, name, jpeg));

    QCOMPARE(g_state.producedFiles, produced);
    for (const QString& output : produced)
        QCOMPARE(readFileBytes(m_work + output), rewritten(jpeg));
    QVERIFY(!g_state.inputFile);
}

void JpegRepairFileTest::unreadableInputProducesNothing()
{
    g_state.fileSuffix = "jpg";
    g_state.inputPath = m_inputs + "/missing.jpg";
    g_state.fileName = "/missing.jpg";
    jpg_repair repair;
    repair.RepairFile(g_state.inputPath);

    QCOMPARE(g_state.producedFiles, QStringList());
    QCOMPARE(filesBelow(m_work), QStringList());
    QVERIFY(g_state.inputPath.isEmpty());
    QVERIFY(g_state.fileName.isEmpty());
}

void JpegRepairFileTest::tiffSuffixesReachTheirExtractor_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"a.tif", "a.TIF", "a.Tiff", "a.TIFF", "a.b.tif"})
        QTest::newRow(name) << QString(name);
}

void JpegRepairFileTest::tiffSuffixesReachTheirExtractor()
{
    // A TIFF header followed by a JPEG whose tables start right after its
    // SOI: the TIFF extractor finds it and writes it as preview "_1".
    QFETCH(QString, name);
    const QByteArray jpeg = fixture::realJpeg(48, 32, 80);
    const QByteArray preview = QByteArray("\xFF\xD8", 2) + jpeg.mid(fixture::markerOffset(jpeg, 0xDB));
    const QByteArray tiff = QByteArray("II*\0\0\0\0\0", 8) + preview;

    repairFile(putFile(m_inputs, name, tiff));

    QCOMPARE(g_state.producedFiles, QStringList({"a_1.jpg"}));
    QCOMPARE(readFileBytes(m_work + "/a_1.jpg"), preview);
    QVERIFY(g_state.inputPath.isEmpty());
    QVERIFY(!g_state.inputFile);
}

void JpegRepairFileTest::bytesAfterFinalEoiKeepTheThumbnail()
{
    // Padding after the main image's FF D9 leaves the main image's list
    // without an EOI node; the thumbnail must still be found and saved.
    const QString path = putFile(m_inputs, "padded.jpg", photoWithThumbnail() + QByteArray(7, '\0'));

    repairFile(path);

    QCOMPARE(g_state.producedFiles, QStringList({"/padded.jpg", "/padded_[T1].jpg"}));
    QCOMPARE(decodeFile(m_work + "/Thumbnail Repaired/padded_[T1].jpg"), decode(thumbnailJpeg()));
}

void JpegRepairFileTest::sameNameFromTwoFoldersKeepsBothOutputs()
{
    const QByteArray first = photoWithThumbnail();
    const QByteArray second = fixture::withExifThumbnail(fixture::realJpeg(200, 100, 70),
                                                         fixture::realJpeg(80, 40, 70));
    repairFile(putFile(m_inputs + "/one", "photo.jpg", first));
    QCOMPARE(g_state.producedFiles, QStringList({"/photo.jpg", "/photo_[T1].jpg"}));

    repairFile(putFile(m_inputs + "/two", "photo.jpg", second));
    QCOMPARE(g_state.producedFiles, QStringList({"/photo (2).jpg", "/photo_[T1] (2).jpg"}));

    QCOMPARE(decodeFile(m_work + "/photo.jpg").size(), QSize(320, 240));
    QCOMPARE(decodeFile(m_work + "/photo (2).jpg").size(), QSize(200, 100));
    QCOMPARE(decodeFile(m_work + "/Thumbnail Repaired/photo_[T1].jpg").size(), QSize(160, 120));
    QCOMPARE(decodeFile(m_work + "/Thumbnail Repaired/photo_[T1] (2).jpg").size(), QSize(80, 40));
}

void JpegRepairFileTest::invalidMainImageIsCountedAndThumbnailStillSaved()
{
    // Without its SOF0 the main image fails the marker-order check; a file
    // of the same name already in the work folder must not be reported.
    QByteArray input = photoWithThumbnail();
    const int mainSof = input.lastIndexOf(QByteArray("\xFF\xC0", 2));
    input[mainSof + 1] = char(0xC3);
    writeFileBytes(m_work + "/broken.jpg", "left by an earlier input");

    repairFile(putFile(m_inputs, "broken.jpg", input));

    QCOMPARE(g_state.invalidFileCount, 1);
    QCOMPARE(g_state.producedFiles, QStringList({"/broken_[T1].jpg"}));
    QCOMPARE(readFileBytes(m_work + "/broken.jpg"), QByteArray("left by an earlier input"));
}

void JpegRepairFileTest::undecodableMainImageStillSavesThumbnail()
{
    // A frame width of 0 passes the marker-order check but not the decode.
    QByteArray input = photoWithThumbnail();
    const int mainSof = input.lastIndexOf(QByteArray("\xFF\xC0", 2));
    input[mainSof + 7] = 0;
    input[mainSof + 8] = 0;

    repairFile(putFile(m_inputs, "zero.jpg", input));

    // Counted like an invalid main image: the run salvages it and, failing
    // that, fails the file and offers the advanced repair.
    QCOMPARE(g_state.invalidFileCount, 1);
    QCOMPARE(g_state.producedFiles, QStringList({"/zero_[T1].jpg"}));
    QVERIFY(!QFileInfo::exists(m_work + "/zero.jpg"));
}

void JpegRepairFileTest::damagedThumbnailTableIsReplaced()
{
    // The thumbnail's tables are looked up with counts of their own, not
    // with those the main image's rewrite left behind.
    QByteArray thumbnail = thumbnailJpeg();
    const int dqt = fixture::markerOffset(thumbnail, 0xDB);
    thumbnail[dqt + 5 + 26] = char(thumbnail[dqt + 5 + 26] ^ 0x3C);
    QVERIFY(decode(thumbnail) != decode(thumbnailJpeg()));
    const QByteArray input = fixture::withExifThumbnail(fixture::realJpeg(320, 240, 85), thumbnail);

    repairFile(putFile(m_inputs, "thumb.jpg", input));

    QCOMPARE(decodeFile(m_work + "/Thumbnail Repaired/thumb_[T1].jpg"), decode(thumbnailJpeg()));
}

void JpegRepairFileTest::damagedTablesAreReplacedByKnownGoodOnes_data()
{
    QTest::addColumn<quint8>("marker");
    QTest::addColumn<int>("occurrence"); // which segment of that marker
    QTest::addColumn<QList<int>>("bytes"); // offsets inside the segment
    QTest::newRow("luminance DQT value 40") << quint8(0xDB) << 0 << QList<int>({5 + 40});
    QTest::newRow("chrominance DQT value 60") << quint8(0xDB) << 1 << QList<int>({5 + 60});
    QList<int> quarter; // every fourth value, the DC value kept
    for (int value = 3; value < 64; value += 4)
        quarter << 5 + value;
    QTest::newRow("a quarter of the luminance DQT values") << quint8(0xDB) << 0 << quarter;
    QTest::newRow("luminance AC DHT symbol") << quint8(0xC4) << 1 << QList<int>({30});
    QTest::newRow("chrominance AC DHT symbol") << quint8(0xC4) << 3 << QList<int>({31});
}

void JpegRepairFileTest::damagedTablesAreReplacedByKnownGoodOnes()
{
    QFETCH(quint8, marker);
    QFETCH(int, occurrence);
    QFETCH(QList<int>, bytes);
    const QByteArray intact = fixture::realJpeg(320, 240, 75);
    QByteArray damaged = intact;
    const int at = nthMarkerOffset(damaged, marker, occurrence);
    for (int byte : bytes)
        damaged[at + byte] = char(damaged[at + byte] ^ 0x5A);
    QVERIFY(decode(damaged) != decode(intact));

    repairFile(putFile(m_inputs, "tables.jpg", damaged));

    QCOMPARE(g_state.producedFiles, QStringList({"/tables.jpg"}));
    QCOMPARE(decodeFile(m_work + "/tables.jpg"), decode(intact));
}

void JpegRepairFileTest::undamagedInputsComeOutPixelIdentical_data()
{
    QTest::addColumn<QByteArray>("input");
    const QImage picture = fixture::testPicture(320, 240);
    for (int quality : {50, 75, 95, 100})
        QTest::addRow("toolkit, quality %d", quality) << fixture::realJpeg(320, 240, quality);
    for (const char* options : {"-optimize", "-restart 1", "-rgb", "-progressive", "-grayscale",
                                "-quality 88 -sample 1x1", "-sample 2x1", "-sample 1x2 -restart 2",
                                "-progressive -sample 1x1"})
        QTest::addRow("cjpeg %s", options)
            << fixture::cjpegJpeg(picture, QString(options).split(' '));
    QImage withProfile = picture;
    withProfile.setColorSpace(QColorSpace(QColorSpace::DisplayP3));
    const QByteArray profiled = fixture::encodeJpeg(withProfile, 85);
    QVERIFY(profiled.contains("ICC_PROFILE"));
    QTest::newRow("toolkit, with an ICC profile") << profiled;
    QTest::newRow("Adobe CMYK") << fixture::fourComponentJpeg(160, 120, false);
    QTest::newRow("Adobe YCCK") << fixture::fourComponentJpeg(160, 120, true);
    // A camera's own tables that only begin like a catalogue table.
    const QByteArray q75 = fixture::realJpeg(320, 240, 75);
    QTest::newRow("own table sharing the catalogue's first 25 values")
        << withTableValuesChanged(q75, 25, 39);
    QTest::newRow("own table sharing only the DC value") << withTableValuesChanged(q75, 1, 63);
    QTest::newRow("one DHT segment of 418 bytes with tables of its own")
        << withJoinedDht(fixture::ownHuffmanTablesJpeg(320, 240));
}

// An intact file comes out decoding to the same pixels: its own tables and
// the segments that describe its colours are kept.
void JpegRepairFileTest::undamagedInputsComeOutPixelIdentical()
{
    QFETCH(QByteArray, input);
    QVERIFY(!input.isEmpty());
    QVERIFY(!decode(input).isNull());

    repairFile(putFile(m_inputs, "intact.jpg", input));

    QCOMPARE(g_state.producedFiles, QStringList({"/intact.jpg"}));
    const QImage output = decodeFile(m_work + "/intact.jpg");
    QCOMPARE(output, decode(input));
    QCOMPARE(output.colorSpace(), decode(input).colorSpace());
}

void JpegRepairFileTest::onlyHonestDecodesAreListed_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("decodesLike"); // empty: no output at all

    const QImage picture = fixture::testPicture(320, 240);
    const QByteArray optimized = fixture::cjpegJpeg(picture, {"-optimize"});
    QTest::newRow("Huffman symbols garbled, no catalogue table")
        << withAcSymbolsGarbled(optimized) << QByteArray();
    QByteArray overwritten = fixture::realJpeg(320, 240, 85);
    const int middle = overwritten.size() / 2;
    overwritten.replace(middle, 64, QByteArray(64, '\x5C'));
    QTest::newRow("scan data overwritten in the middle") << overwritten << QByteArray();

    // A file cut off is taken to have lost its last two bytes with its end
    // marker: its scan data is kept without them.
    const QByteArray plain = fixture::realJpeg(320, 240, 85);
    const QByteArray cut = plain.left(plain.size() * 2 / 3);
    QTest::newRow("cut off at two thirds") << cut << cut.chopped(2);
    const QByteArray restarts = fixture::cjpegJpeg(picture, {"-restart", "1"});
    const QByteArray restartsCut = restarts.left(restarts.size() / 2);
    QTest::newRow("cut off, with restart markers") << restartsCut << restartsCut.chopped(2);
    const QByteArray progressive = fixture::cjpegJpeg(picture, {"-progressive"});
    const QByteArray progressiveCut = progressive.left(progressive.size() * 3 / 4);
    QTest::newRow("cut off, progressive") << progressiveCut << progressiveCut.chopped(2);
}

// An image whose damaged data breaks its picture is not listed; one that
// merely ends early keeps what its data gives.
void JpegRepairFileTest::onlyHonestDecodesAreListed()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, decodesLike);
    QVERIFY(input.size() > 1000);

    repairFile(putFile(m_inputs, "photo.jpg", input));

    if (!decodesLike.isEmpty()) {
        QCOMPARE(g_state.producedFiles, QStringList({"/photo.jpg"}));
        QCOMPARE(decodeFile(m_work + "/photo.jpg"), decode(decodesLike));
    } else {
        QCOMPARE(g_state.producedFiles, QStringList());
        QCOMPARE(filesBelow(m_work), QStringList());
    }
    // A main image that fails goes the way of an invalid one.
    QCOMPARE(g_state.invalidFileCount, decodesLike.isEmpty() ? 1 : 0);
}

void JpegRepairFileTest::frameSizeIsCheckedBeforeDecoding_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("decodes");

    QTest::newRow("small progressive file declaring 64250 x 64250")
        << fixture::progressiveJpegDeclaring(64250, 64250) << false;
    QTest::newRow("small file declaring 8000 x 8000") << fixture::progressiveJpegDeclaring(8000, 8000) << false;
    // The padding makes the file large enough for the frame's blocks.
    QTest::newRow("frame above the pixel cap")
        << fixture::progressiveJpegDeclaring(12000, 12000) + QByteArray(300000, '\0') << false;
    QTest::newRow("frame within both bounds") << fixture::progressiveJpegDeclaring(16, 16) << true;
    QTest::newRow("progressive file of 568 scans") << fixture::manyScansJpeg() << false;
}

// A frame above the pixel cap, or larger than the file's bytes can encode,
// or one coded in hundreds of scans, does not decode; the salvage that
// follows gives up on it too.
void JpegRepairFileTest::frameSizeIsCheckedBeforeDecoding()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, decodes);
    const QString path = putFile(m_inputs, "frame.jpg", input);

    QCOMPARE(imageDecodes(path, DataEnd::Complete), decodes);
    repairFile(path);
    QCOMPARE(g_state.producedFiles, decodes ? QStringList({"/frame.jpg"}) : QStringList());
    if (!decodes) {
        g_state.producedFiles.clear();
        QVERIFY(!jpg_repair().SalvageJpeg(path));
        QCOMPARE(g_state.producedFiles, QStringList());
    }
}

void JpegRepairFileTest::outputNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("outputs"); // relative to the work folder

    const QByteArray main = fixture::realJpeg(120, 80, 80);
    const QByteArray thumb = fixture::realJpeg(40, 30, 80);
    const QByteArray one = fixture::withExifThumbnail(main, thumb);
    QTest::newRow("JPG") << "IMG_0001.JPG" << one
                         << QStringList({"/IMG_0001.JPG", "/Thumbnail Repaired/IMG_0001_[T1].jpg"});
    QTest::newRow("JPEG") << "photo.JPEG" << one
                          << QStringList({"/photo.JPEG", "/Thumbnail Repaired/photo_[T1].jpeg"});
    QTest::newRow("jpeg") << "photo.jpeg" << one
                          << QStringList({"/photo.jpeg", "/Thumbnail Repaired/photo_[T1].jpeg"});

    // A second thumbnail in an APP2 segment behind the APP1 segment.
    const QByteArray app2 = QByteArray("\xFF\xE2", 2) + char((thumb.size() + 2) >> 8)
        + char((thumb.size() + 2) & 0xFF) + thumb;
    const QByteArray two = one.left(2) + fixture::exifApp1(thumb) + app2 + main.mid(2);
    QTest::newRow("two thumbnails")
        << "two.jpg" << two
        << QStringList({"/two.jpg", "/Thumbnail Repaired/two_[T1].jpg",
                        "/Thumbnail Repaired/two_[T2].jpg"});
    QTest::newRow("no thumbnail") << "plain.jpg" << main << QStringList({"/plain.jpg"});
}

void JpegRepairFileTest::outputNames()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, outputs);

    repairFile(putFile(m_inputs, name, input));

    QStringList produced;
    for (const QString& output : outputs) {
        QVERIFY2(!decodeFile(m_work + output).isNull(), qPrintable(output));
        produced << output.mid(output.lastIndexOf('/'));
    }
    QCOMPARE(g_state.producedFiles, produced);
    QCOMPARE(filesBelow(m_work).size(), outputs.size());
}

void JpegRepairFileTest::skipOrStopWritesNothing_data()
{
    QTest::addColumn<int>("skipAll");
    QTest::addColumn<int>("stop");
    QTest::addColumn<int>("cancel");
    QTest::newRow("skip all") << 1 << 0 << 0;
    QTest::newRow("stop requested") << 0 << 1 << 0;
    QTest::newRow("folder cancelled") << 0 << 0 << 1;
}

void JpegRepairFileTest::skipOrStopWritesNothing()
{
    QFETCH(int, skipAll);
    QFETCH(int, stop);
    QFETCH(int, cancel);
    const QString path = putFile(m_inputs, "a.jpg", photoWithThumbnail());
    g_state.skipAll = skipAll;
    g_state.stopRequested = stop;
    g_state.folderCancel = cancel;

    repairFile(path);

    QCOMPARE(g_state.producedFiles, QStringList());
    QCOMPARE(g_state.invalidFileCount, 0);
    QCOMPARE(filesBelow(m_work), QStringList());
    QCOMPARE(scratchFilesLeft(), QStringList());
}

// With PICTAVO_WRITE_SEEDS=<dir>, writes small inputs of the kinds above as
// seeds for the RepairFile fuzz target, for each of its modes: the repair,
// awkward names, a sample, other suffixes, the stop flag and failing writes.
void JpegRepairFileTest::writeFuzzSeeds()
{
    const QString dir = qEnvironmentVariable("PICTAVO_WRITE_SEEDS");
    if (dir.isEmpty())
        QSKIP("PICTAVO_WRITE_SEEDS not set");
    enum Mode : quint8 { Repair, Names, Sample, Suffix, Stop, Writes };
    const QByteArray small = fixture::realJpeg(24, 16, 75);
    const QByteArray withThumbnail = fixture::withExifThumbnail(small, fixture::realJpeg(8, 8, 75));
    const QByteArray threeImages = small + fixture::realJpeg(16, 16, 60) + fixture::realJpeg(8, 16, 90);
    QByteArray noSoi = fixture::realJpeg(24, 16, 60);
    noSoi[1] = 0;
    const QList<QPair<QString, QByteArray>> seeds = {
        {"plain.jpg", fuzzSeed(Repair, 0, small)},
        {"exif_thumbnail.jpg", fuzzSeed(Repair, 0, withThumbnail)},
        {"three_images.jpg", fuzzSeed(Repair, 0, threeImages)},
        {"truncated.jpg", fuzzSeed(Repair, 0, withThumbnail.left(withThumbnail.size() * 2 / 3))},
        {"no_soi.jpg", fuzzSeed(Repair, 0, noSoi)},
        {"padded.jpg", fuzzSeed(Repair, 0, withThumbnail + QByteArray(5, '\0'))},
        {"names_temp.jpg", fuzzSeed(Names, 0x0100, withThumbnail)},
        {"names_thumbnail_mark.jpg", fuzzSeed(Names, 0x0200, threeImages)},
        {"names_long.jpg", fuzzSeed(Names, 0x0400, withThumbnail)},
        {"sample.jpg", fuzzSeed(Sample, quint16(small.size()), small + noSoi)},
        {"sample_with_thumbnail.jpg", fuzzSeed(Sample, quint16(withThumbnail.size()), withThumbnail + noSoi)},
        {"suffix_cr2.jpg", fuzzSeed(Suffix, 0x0000, withThumbnail)},
        {"suffix_tiff.jpg", fuzzSeed(Suffix, 0x0700, threeImages)},
        {"suffix_pef.jpg", fuzzSeed(Suffix, 0x0A00, withThumbnail)},
        {"stop_before_repair.jpg", fuzzSeed(Stop, 0x0000, withThumbnail)},
        {"stop_before_salvage.jpg", fuzzSeed(Stop, 0x0100, noSoi)},
        {"stop_before_sample.jpg", fuzzSeed(Stop, 0x0200, withThumbnail)},
        {"writes_none.jpg", fuzzSeed(Writes, 0, withThumbnail)},
        {"writes_1k.jpg", fuzzSeed(Writes, 64, withThumbnail)},
        {"writes_salvage.jpg", fuzzSeed(Writes, 48, noSoi)},
        {"writes_three_images.jpg", fuzzSeed(Writes, 40, threeImages)},
        {"writes_folder_is_a_file.jpg", fuzzSeed(Writes, 0xFFFF, withThumbnail)},
    };
    for (const auto& seed : seeds)
        QVERIFY(writeFileBytes(dir + "/" + seed.first, seed.second));
}

QTEST_MAIN(JpegRepairFileTest)
#include "tst_jpeg_repair_file.moc"
