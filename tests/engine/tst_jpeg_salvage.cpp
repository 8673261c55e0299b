// Salvage of an invalid JPEG and the advanced repair from a sample, on real
// files written by the toolkit and damaged in known ways.
#include "exif_fixture.h"
#include "global_state.h"
#include "jpeg_fixture.h"
#include "jpg_repair.h"
#include "segment_lists.h"
#include "temp_file.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

namespace {

const QByteArray kSoi("\xFF\xD8", 2);

QString inputPath(const QString& name)
{
    return QDir::tempPath() + "/in/" + name;
}

QImage decode(const QByteArray& bytes)
{
    return QImage::fromData(bytes);
}

// The two one-table DQT segments the encoder writes, joined into one
// two-table segment, so the last DQT of the file holds every table.
QByteArray withJoinedDqt(const QByteArray& jpeg)
{
    const int first = fixture::markerOffset(jpeg, 0xDB);
    const QByteArray joined = QByteArray("\xFF\xDB\x00\x84", 4) + jpeg.mid(first + 4, 65)
        + jpeg.mid(first + 69 + 4, 65);
    return jpeg.left(first) + joined + jpeg.mid(first + 138);
}

// The photo with everything between its SOI and its scan header zeroed:
// headers beyond repair, scan data intact.
QByteArray withHeadersWiped(QByteArray jpeg)
{
    const int sos = fixture::markerOffset(jpeg, 0xDA);
    jpeg.replace(2, sos - 2, QByteArray(sos - 2, '\0'));
    return jpeg;
}

// Another picture of the same size, so it shares a sample's tables.
QImage otherPicture(int width, int height)
{
    return fixture::testPicture(width, height).mirrored(true, true);
}

} // namespace

class JpegSalvageTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void salvage_data();
    void salvage();
    void largestFrameIsThePhoto_data();
    void largestFrameIsThePhoto();
    void advancedRepairRebuildsFromSample();
    void advancedRepairWithScanMarkerNearTheEnd();
    void advancedRepairTakesThePhotosOwnSegments_data();
    void advancedRepairTakesThePhotosOwnSegments();
    void inputOfTwoGibibytesIsLeftAlone();
    void advancedRepairWithoutScanDataFails_data();
    void advancedRepairWithoutScanDataFails();

private:
    QString m_work;
};

void JpegSalvageTest::init()
{
    m_work = QDir::tempPath() + "/RepairedFiles";
    QDir().mkpath(m_work);
    QDir().mkpath(QDir::tempPath() + "/in");
    g_state.workFolder = m_work;
    g_state.producedFiles.clear();
    g_state.stopRequested = 0;
}

void JpegSalvageTest::cleanup()
{
    QDir(m_work).removeRecursively();
    QDir(QDir::tempPath() + "/in").removeRecursively();
    g_state.fileName.clear();
}

void JpegSalvageTest::salvage_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("salvagePoint"); // -1: nothing salvaged
    QTest::addColumn<QByteArray>("kept");  // segments put between FF D8 and the salvaged bytes

    const QByteArray jpeg = fixture::realJpeg(80, 60, 85);
    const int dqt = fixture::markerOffset(jpeg, 0xDB);
    QByteArray noSoi = jpeg;
    noSoi[0] = 0;
    noSoi[1] = 0;
    QTest::newRow("header without FF D8") << noSoi << dqt << QByteArray();

    // The photo's EXIF block leads to the tables: it is kept in front.
    const QByteArray exif = fixture::exifApp1(QByteArray(30, '\x33'));
    QByteArray withApp1 = fixture::withExifThumbnail(jpeg, QByteArray(30, '\x33'));
    withApp1[0] = 0;
    QTest::newRow("APP1 then APP0 then DQT")
        << withApp1 << fixture::markerOffset(withApp1, 0xE0) << exif;
    // An EXIF block with a damaged TIFF header is left out.
    QByteArray badTiff = withApp1;
    badTiff[2 + 4 + 6 + 2] = char(0x2B);
    QTest::newRow("APP1 with a damaged TIFF header, then APP0 then DQT")
        << badTiff << fixture::markerOffset(badTiff, 0xE0) << QByteArray();

    QByteArray noApp = kSoi + withJoinedDqt(jpeg).mid(dqt);
    noApp[0] = 0;
    QTest::newRow("no APP marker: from the last DQT")
        << noApp << noApp.lastIndexOf(QByteArray("\xFF\xDB", 2)) << QByteArray();

    // Segments between the APP0 and the tables are stepped over on the way
    // to them, and kept.
    const int jfifEnd = dqt;
    const QList<QPair<const char*, QByteArray>> between = {
        {"Adobe APP14", fixture::segment(0xEE, QByteArray("Adobe\0\x64\0\0\0\0\x01", 12))},
        {"comment", fixture::segment(0xFE, "commented photo")},
        {"APP15", fixture::segment(0xEF, "maker")},
    };
    for (const auto& segment : between) {
        QByteArray wiped = jpeg.left(jfifEnd) + segment.second + jpeg.mid(jfifEnd);
        wiped[0] = 0;
        wiped[1] = 0;
        QTest::addRow("%s between APP0 and the tables, start wiped", segment.first)
            << wiped << jfifEnd << QByteArray();
    }

    // Tables behind the APP0 but no image after them: the salvaged file is
    // written, rejected by the loader and removed again.
    QByteArray tablesOnly = jpeg.left(fixture::markerOffset(jpeg, 0xC0)) + QByteArray(400, '\x41');
    tablesOnly[0] = 0;
    QTest::newRow("rejected salvage is removed") << tablesOnly << -1 << QByteArray();
    QTest::newRow("no DQT and no APP marker") << QByteArray(500, '\x41') << -1 << QByteArray();
    QTest::newRow("APP marker without tables behind")
        << QByteArray("\x00\x00\xFF\xE0\x00\x04\x00\x00\x55\x55", 10) << -1 << QByteArray();
}

void JpegSalvageTest::salvage()
{
    QFETCH(QByteArray, input);
    QFETCH(int, salvagePoint);
    QFETCH(QByteArray, kept);
    const QString path = inputPath("damaged.jpg");
    writeFileBytes(path, input);

    jpg_repair repair;
    const bool salvaged = repair.SalvageJpeg(path);

    QCOMPARE(salvaged, salvagePoint >= 0);
    QCOMPARE(g_state.producedFiles, salvaged ? QStringList({"/damaged.jpg"}) : QStringList());
    if (salvaged) {
        const QByteArray output = readFileBytes(m_work + "/damaged.jpg");
        QCOMPARE(output, kSoi + kept + input.mid(salvagePoint));
        QVERIFY(!decode(output).isNull());
    }
    else
        QCOMPARE(QDir(m_work).entryList(QDir::Files), QStringList());
    QVERIFY(!g_state.inputFile);
}

void JpegSalvageTest::largestFrameIsThePhoto_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("salvaged");       // the photo itself came back
    QTest::addColumn<QString>("output");      // below the work folder
    QTest::addColumn<QByteArray>("decodesLike");

    // A camera-like photo: an EXIF thumbnail in APP1, the photo, and a
    // preview behind it.
    const QByteArray photo = fixture::realJpeg(480, 360, 85);
    const QByteArray thumbnail = fixture::realJpeg(160, 120, 80);
    const QByteArray preview = fixture::realJpeg(240, 180, 80);
    const QByteArray camera = fixture::withExifThumbnail(photo, thumbnail) + preview;

    QByteArray startWiped = camera;
    startWiped.replace(0, 6, QByteArray(6, '\0'));
    QTest::newRow("start wiped: the photo, not its thumbnail or preview")
        << startWiped << true << QString("/cam.jpg") << photo;

    // Two large previews behind the photo take most of the file.
    const QByteArray bulky = fixture::encodeJpeg(fixture::noisePicture(400, 300), 95);
    QByteArray previewsWiped = fixture::withExifThumbnail(photo, thumbnail) + bulky + bulky;
    QVERIFY(2 * photo.size() < previewsWiped.size());
    previewsWiped.replace(0, 6, QByteArray(6, '\0'));
    QTest::newRow("start wiped, previews larger than the photo: the photo")
        << previewsWiped << true << QString("/cam.jpg") << photo;

    // Everything from the start to the photo's scan header wiped: only the
    // preview has tables left.
    QByteArray headerWiped = camera;
    const int sos = fixture::exifApp1(thumbnail).size() + fixture::markerOffset(photo, 0xDA);
    headerWiped.replace(0, sos, QByteArray(sos, '\0'));
    QTest::newRow("header wiped: the preview, listed as one")
        << headerWiped << false << QString("/Thumbnail Repaired/cam_[T1].jpg") << preview;

    // Card damage in the scan data of a photo whose start is wiped: the
    // salvaged copy neutralises it and decodes whole.
    QByteArray undamaged;
    QByteArray cardDamaged = fixture::cardDamagedJpeg(&undamaged);
    cardDamaged.replace(0, 4, QByteArray(4, '\0'));
    QTest::newRow("start wiped, card damage in the scan data")
        << cardDamaged << true << QString("/cam.jpg") << undamaged;

    // The photo's frame header wiped as well as its start: its thumbnail is
    // the largest frame left, and a small part of the file.
    QByteArray noFrame = fixture::withExifThumbnail(photo, thumbnail);
    noFrame.replace(0, 4, QByteArray(4, '\0'));
    const int frame = noFrame.lastIndexOf(QByteArray("\xFF\xC0", 2));
    noFrame.replace(frame, 2, QByteArray(2, '\0'));
    QTest::newRow("photo frame wiped: the thumbnail, listed as one")
        << noFrame << false << QString("/Thumbnail Repaired/cam_[T1].jpg") << thumbnail;

    // The photo's frame declares no rows: its data belongs to no picture.
    QTest::newRow("photo frame of no rows: the thumbnail, listed as one")
        << fixture::withThumbnailOnly(photo, thumbnail) << false
        << QString("/Thumbnail Repaired/cam_[T1].jpg") << thumbnail;
}

// A photo whose header is lost comes back from its own tables and frame,
// never from those of its thumbnail or preview; when only a smaller image
// comes back, it is listed as a thumbnail and the photo counts as not
// salvaged.
void JpegSalvageTest::largestFrameIsThePhoto()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, salvaged);
    QFETCH(QString, output);
    QFETCH(QByteArray, decodesLike);
    const QString path = inputPath("cam.jpg");
    writeFileBytes(path, input);

    jpg_repair repair;
    QCOMPARE(repair.SalvageJpeg(path), salvaged);

    QCOMPARE(g_state.producedFiles, QStringList({output.mid(output.lastIndexOf('/'))}));
    QCOMPARE(decode(readFileBytes(m_work + output)), decode(decodesLike));
    if (!salvaged)
        QVERIFY(!QFile::exists(m_work + "/cam.jpg"));
}

void JpegSalvageTest::advancedRepairRebuildsFromSample()
{
    // Sample and damaged file share size and quality, hence tables; the
    // damaged file's tables are wiped, its scan data is intact.
    const QByteArray thumbnail = fixture::realJpeg(32, 24, 75);
    const QByteArray sample = fixture::withExifThumbnail(fixture::realJpeg(120, 90, 75), thumbnail);
    QImage other(120, 90, QImage::Format_RGB32);
    other.fill(qRgb(10, 200, 90));
    const QByteArray intact = fixture::encodeJpeg(other, 75);
    QByteArray damaged = intact;
    const int sos = fixture::markerOffset(damaged, 0xDA);
    damaged.replace(2, sos - 2, QByteArray(sos - 2, '\0'));
    const QString samplePath = inputPath("sample.jpg");
    const QString damagedPath = inputPath("broken.jpg");
    writeFileBytes(samplePath, sample);
    writeFileBytes(damagedPath, damaged);
    for (const QString& path : {samplePath, damagedPath})
        QFile::setPermissions(path, QFile::ReadOwner);

    jpg_repair repair;
    QVERIFY(repair.AdvancedRepair(samplePath, damagedPath));

    QCOMPARE(g_state.producedFiles, QStringList({"broken.jpg"}));
    QCOMPARE(decode(readFileBytes(m_work + "/broken.jpg")), decode(intact));
    QCOMPARE(readFileBytes(samplePath), sample);
    QCOMPARE(readFileBytes(damagedPath), damaged);
    QVERIFY(!g_state.inputFile);
}

void JpegSalvageTest::advancedRepairTakesThePhotosOwnSegments_data()
{
    QTest::addColumn<QByteArray>("sample");
    QTest::addColumn<QByteArray>("damaged");
    QTest::addColumn<QByteArray>("intact");

    const QByteArray photo = fixture::encodeJpeg(fixture::testPicture(160, 120), 80);
    const QByteArray intact = fixture::encodeJpeg(otherPicture(160, 120), 80);
    const QByteArray thumbnail = fixture::realJpeg(40, 30, 70);
    const int jfifEnd = fixture::markerOffset(photo, 0xDB);
    QTest::newRow("sample with JFIF header, then EXIF thumbnail")
        << photo.left(jfifEnd) + fixture::exifApp1(thumbnail) + photo.mid(jfifEnd)
        << withHeadersWiped(intact) << intact;

    const QByteArray restartSample = fixture::cjpegJpeg(fixture::testPicture(160, 120), {"-restart", "1"});
    const QByteArray restartIntact = fixture::cjpegJpeg(otherPicture(160, 120), {"-restart", "1"});
    QTest::newRow("restart intervals")
        << restartSample << withHeadersWiped(restartIntact) << restartIntact;

    QTest::newRow("damaged photo with a trailing preview")
        << photo << withHeadersWiped(intact) + fixture::realJpeg(64, 48, 80) << intact;
}

// The rebuilt photo has the sample's own tables, frame and restart interval
// (never those of a thumbnail inside an APP segment) and the damaged
// photo's own scan (never that of an image behind it).
void JpegSalvageTest::advancedRepairTakesThePhotosOwnSegments()
{
    QFETCH(QByteArray, sample);
    QFETCH(QByteArray, damaged);
    QFETCH(QByteArray, intact);
    QVERIFY(!sample.isEmpty() && !intact.isEmpty());
    const QString samplePath = inputPath("sample.jpg");
    const QString damagedPath = inputPath("photo.jpg");
    writeFileBytes(samplePath, sample);
    writeFileBytes(damagedPath, damaged);

    jpg_repair repair;
    QVERIFY(repair.AdvancedRepair(samplePath, damagedPath));

    QCOMPARE(g_state.producedFiles, QStringList({"photo.jpg"}));
    QCOMPARE(decode(readFileBytes(m_work + "/photo.jpg")), decode(intact));
}

void JpegSalvageTest::advancedRepairWithScanMarkerNearTheEnd()
{
    const QByteArray sample = fixture::realJpeg(40, 30, 75);
    const QString samplePath = inputPath("sample.jpg");
    const QString damagedPath = inputPath("short.jpg");
    writeFileBytes(samplePath, sample);
    writeFileBytes(damagedPath, QByteArray(100, '\x10') + QByteArray("\xFF\xDA\x00\x0C\x03", 5));

    jpg_repair repair;
    // Only the sample's headers could be written, nothing of the damaged
    // file: no repair, and the rejected file does not stay behind.
    QVERIFY(!repair.AdvancedRepair(samplePath, damagedPath));
    QVERIFY(g_state.producedFiles.isEmpty());
    QCOMPARE(QDir(m_work).entryList(QDir::Files), QStringList());
}


// A real image followed by zeros up to past 2 GiB (a sparse file): neither
// the repair nor the salvage writes anything, and nothing is counted.
void JpegSalvageTest::inputOfTwoGibibytesIsLeftAlone()
{
    const QString path = inputPath("huge.jpg");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(fixture::realJpeg(64, 48));
        if (!file.resize(kMaxJpegInputSize + 3))
            QSKIP("no sparse file of 2 GiB here");
    }
    g_state.invalidFileCount = 0;
    g_state.inputPath = path;
    g_state.fileName = "/huge.jpg";
    jpg_repair repair;
    repair.RepairFile(path);
    QVERIFY(g_state.producedFiles.isEmpty());
    QCOMPARE(g_state.invalidFileCount, 0);
    // The run marks the file as failed rather than leaving it without status.
    QCOMPARE(g_state.fileFailed, 1);

    QVERIFY(!repair.SalvageJpeg(path));
    QVERIFY(g_state.producedFiles.isEmpty());
    QVERIFY(QDir(m_work).entryList(QDir::Files).isEmpty());
    QFile::remove(path);
}

// The sample's headers alone decode as a grey picture; without the damaged
// file's image data that is no repair.
void JpegSalvageTest::advancedRepairWithoutScanDataFails_data()
{
    QTest::addColumn<int>("keep"); // bytes of the damaged file kept, -1: none written
    QTest::newRow("cut before its scan header") << 200;
    QTest::newRow("cut right after its scan header") << -2;
    QTest::newRow("missing") << -1;
}

void JpegSalvageTest::advancedRepairWithoutScanDataFails()
{
    QFETCH(int, keep);
    const QByteArray sample = fixture::realJpeg(120, 90, 75);
    const QByteArray intact = fixture::realJpeg(120, 90, 75);
    const QString samplePath = inputPath("sample.jpg");
    const QString damagedPath = inputPath("cut.jpg");
    writeFileBytes(samplePath, sample);
    if (keep == -2)
        writeFileBytes(damagedPath, intact.left(fixture::markerOffset(intact, 0xDA) + 14));
    else if (keep >= 0)
        writeFileBytes(damagedPath, intact.left(keep));

    jpg_repair repair;
    QVERIFY(!repair.AdvancedRepair(samplePath, damagedPath));
    QVERIFY(g_state.producedFiles.isEmpty());
}

QTEST_MAIN(JpegSalvageTest)
#include "tst_jpeg_salvage.moc"
