// Files made of several images: the first is the main image and comes out
// under the file's own name; each image after it is saved once by the
// recovery-mode save. Thumbnails and previews inside APP segments are no
// images of the file.
#include "exif_fixture.h"
#include "global_state.h"
#include "jpeg_fixture.h"
#include "jpg_repair.h"
#include "repair_run.h"
#include "temp_file.h"

#include <QDir>
#include <QTest>

using namespace repairrun;

namespace {

QList<QByteArray> threeImages()
{
    return {fixture::realJpeg(96, 64, 90), fixture::realJpeg(64, 96, 80),
            fixture::realJpeg(48, 48, 70)};
}

QByteArray appSegment(quint8 code, const QByteArray& body)
{
    return fixture::segment(code, body);
}

// The JPEG with a segment put right before its first DQT.
QByteArray withSegmentBeforeTables(const QByteArray& jpeg, const QByteArray& segment)
{
    const int dqt = fixture::markerOffset(jpeg, 0xDB);
    return jpeg.left(dqt) + segment + jpeg.mid(dqt);
}

// The JPEG with its frame header moved before its first DQT, as the
// standard allows and some cameras write it.
QByteArray withFrameBeforeTables(const QByteArray& jpeg)
{
    const int frame = fixture::markerOffset(jpeg, 0xC0);
    const QByteArray header = jpeg.mid(frame, 2 + (quint8(jpeg[frame + 2]) << 8 | quint8(jpeg[frame + 3])));
    QByteArray moved = jpeg;
    moved.remove(frame, header.size());
    return withSegmentBeforeTables(moved, header);
}

QByteArray thumbnail(int n)
{
    return fixture::realJpeg(16 + 8 * n, 16, 80);
}

// The EXIF APP1 segment (with its thumbnail) right after the image's SOI, or
// nothing.
QByteArray exifSegmentOf(const QByteArray& jpeg)
{
    if (jpeg.mid(2, 2) != QByteArray("\xFF\xE1", 2))
        return QByteArray();
    return jpeg.mid(2, 2 + (quint8(jpeg[4]) << 8 | quint8(jpeg[5])));
}

} // namespace

class JpegRepairRecoveryTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyImageOfTheFileIsSavedOnce_data();
    void everyImageOfTheFileIsSavedOnce();
    void embeddedImagesDoNotMakeSeveralImages_data();
    void embeddedImagesDoNotMakeSeveralImages();
    void strayMarkersDoNotCarryOverToTheNextImage();

private:
    QString m_work;
};

void JpegRepairRecoveryTest::init()
{
    resetRun();
    m_work = prepareWorkFolder();
}

void JpegRepairRecoveryTest::cleanup()
{
    resetRun();
    QDir(m_work).removeRecursively();
}

void JpegRepairRecoveryTest::everyImageOfTheFileIsSavedOnce_data()
{
    QTest::addColumn<QByteArray>("input");
    // The main image first (empty: it fails and the file is invalid), then
    // the images of _[T1], _[T2] ...
    QTest::addColumn<QList<QByteArray>>("images");

    const QList<QByteArray> three = threeImages();
    QTest::newRow("three photos back to back") << three[0] + three[1] + three[2] << three;

    QList<QByteArray> withThumbnails;
    for (int i = 0; i < 3; ++i)
        withThumbnails << fixture::withExifThumbnail(three[i], thumbnail(i));
    QTest::newRow("three photos with EXIF thumbnails")
        << withThumbnails[0] + withThumbnails[1] + withThumbnails[2] << withThumbnails;

    // Photos of one camera, each with its EXIF thumbnail: a second photo the
    // size of the first, or larger, is no preview of it.
    QList<QByteArray> sameCamera;
    for (int i = 0; i < 3; ++i)
        sameCamera << fixture::withExifThumbnail(fixture::realJpeg(200, 150, 90 - 5 * i), thumbnail(i));
    QTest::newRow("two photos of one size with EXIF thumbnails")
        << sameCamera[0] + sameCamera[1] << sameCamera.mid(0, 2);
    QTest::newRow("three photos of one size with EXIF thumbnails")
        << sameCamera[0] + sameCamera[1] + sameCamera[2] << sameCamera;
    QTest::newRow("a small photo, then a larger one, with EXIF thumbnails")
        << withThumbnails[2] + withThumbnails[0]
        << QList<QByteArray>({withThumbnails[2], withThumbnails[0]});

    // An FF D9 inside an APP segment does not end the image around it.
    const QByteArray app3 = appSegment(0xE3, QByteArray("maker\xFF\xD9\x00note", 11));
    QList<QByteArray> withApp3 = three;
    withApp3[0] = withSegmentBeforeTables(three[0], app3);
    withApp3[1] = withSegmentBeforeTables(three[1], appSegment(0xEB, QByteArray("\xFF\xD9", 2)));
    QTest::newRow("FF D9 inside APP3 and APP11 segments")
        << withApp3[0] + withApp3[1] + withApp3[2] << withApp3;

    // A camera photo with an EXIF thumbnail and two previews behind it.
    const QByteArray camera = fixture::withExifThumbnail(fixture::realJpeg(200, 150, 85), thumbnail(0));
    const QByteArray preview1 = fixture::withExifThumbnail(fixture::realJpeg(120, 90, 80), thumbnail(1));
    const QByteArray preview2 = fixture::realJpeg(80, 60, 80);
    QTest::newRow("camera photo with two trailing previews")
        << camera + preview1 + preview2 << QList<QByteArray>({camera, preview1, preview2});

    // Image starts followed by other segments than JFIF: a web export's
    // APP12 "Ducky" and APP14 "Adobe", a comment, an APP6, an APP15, or fill
    // bytes before the first marker.
    const QList<QPair<const char*, QByteArray>> openings = {
        {"APP12", appSegment(0xEC, QByteArray("Ducky\0\x01\0\x04\0\0\0\x50\0\0", 15))
                      + appSegment(0xEE, QByteArray("Adobe\0\x64\0\0\0\0\x01", 12))},
        {"COM", appSegment(0xFE, "written by hand")},
        {"APP6", appSegment(0xE6, "NITF")},
        {"APP15", appSegment(0xEF, "maker")},
        {"FF fill", QByteArray(3, char(0xFF))},
    };
    for (const auto& opening : openings) {
        QList<QByteArray> opened;
        for (const QByteArray& image : three)
            opened << image.left(2) + opening.second + image.mid(2);
        QTest::addRow("three photos opening with %s", opening.first)
            << opened[0] + opened[1] + opened[2] << opened;
    }

    // Frame headers before the tables: two such photos, a standard photo
    // followed by one, and a stereo-like pair (the first announcing the
    // second in an APP2 segment).
    QList<QByteArray> frameFirst;
    for (const QByteArray& image : three)
        frameFirst << withFrameBeforeTables(image);
    QTest::newRow("two photos with the frame header before the tables")
        << frameFirst[0] + frameFirst[1] << frameFirst.mid(0, 2);
    QTest::newRow("a standard photo, then one with the frame header before the tables")
        << three[0] + frameFirst[1] << QList<QByteArray>({three[0], frameFirst[1]});
    QTest::newRow("a photo with the frame header before the tables, then a standard one")
        << frameFirst[0] + three[1] << QList<QByteArray>({frameFirst[0], three[1]});
    const QList<QByteArray> stereo = {
        withSegmentBeforeTables(frameFirst[0], appSegment(0xE2, QByteArray("MPF\0\x4D\x4D\0\x2A", 8))),
        withFrameBeforeTables(fixture::realJpeg(96, 64, 85))};
    QTest::newRow("stereo-like pair, frame headers before the tables")
        << stereo[0] + stereo[1] << stereo;

    QByteArray frameless = three[0];
    frameless[fixture::markerOffset(frameless, 0xC0) + 1] = char(0xC3);
    QTest::newRow("first photo without its frame header")
        << frameless + three[1] + three[2] << QList<QByteArray>({QByteArray(), three[1], three[2]});
}

void JpegRepairRecoveryTest::everyImageOfTheFileIsSavedOnce()
{
    QFETCH(QByteArray, input);
    QFETCH(QList<QByteArray>, images);
    const QString path = putFile(QDir::tempPath() + "/in", "IMG_7.JPEG", input);

    repairFile(path);

    const bool mainKept = !images[0].isEmpty();
    QCOMPARE(g_state.invalidFileCount, mainKept ? 0 : 1);
    QStringList produced;
    QStringList files;
    if (mainKept) {
        produced << "/IMG_7.JPEG";
        files << "IMG_7.JPEG";
    }
    for (int i = 1; i < images.size(); ++i) {
        produced << QString("/IMG_7_[T%1].jpeg").arg(i);
        files << QString("Thumbnail Repaired/IMG_7_[T%1].jpeg").arg(i);
    }
    QCOMPARE(g_state.producedFiles, produced);
    QCOMPARE(filesBelow(m_work), files);
    for (int i = 0; i < files.size(); ++i) {
        const QByteArray& image = images[i + (mainKept ? 0 : 1)];
        QCOMPARE(decodeFile(m_work + "/" + files[i]), decode(image));
        QVERIFY2(readFileBytes(m_work + "/" + files[i]).contains(exifSegmentOf(image)),
                 qPrintable(files[i] + " lost its EXIF block and thumbnail"));
    }
    QCOMPARE(scratchFilesLeft(), QStringList());
}

void JpegRepairRecoveryTest::embeddedImagesDoNotMakeSeveralImages_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("outputs"); // below the work folder
    QTest::addColumn<QList<QByteArray>>("images"); // what each output decodes like

    const QByteArray photo = fixture::realJpeg(200, 150, 85);
    const QByteArray camera = fixture::withExifThumbnail(photo, thumbnail(0));
    const QByteArray preview = fixture::withExifThumbnail(fixture::realJpeg(120, 90, 80), thumbnail(1));
    QTest::newRow("EXIF thumbnail and a trailing preview")
        << camera + preview << QStringList({"/cam.jpg", "/Thumbnail Repaired/cam_[T1].jpg"})
        << QList<QByteArray>({camera, thumbnail(0)});

    const QByteArray twoThumbnails = photo.left(2) + fixture::exifApp1(thumbnail(0))
        + appSegment(0xE2, thumbnail(1)) + photo.mid(2);
    const QByteArray cut = twoThumbnails.left(twoThumbnails.size() * 3 / 4);
    QTest::newRow("cut off, with an EXIF thumbnail and an APP2 preview")
        << cut
        << QStringList({"/cam.jpg", "/Thumbnail Repaired/cam_[T1].jpg",
                        "/Thumbnail Repaired/cam_[T2].jpg"})
        << QList<QByteArray>({cut.chopped(2), thumbnail(0), thumbnail(1)});
}

// Thumbnails and previews inside APP segments, and one preview behind the
// photo, leave the file a single photo: the ordinary save repairs it.
void JpegRepairRecoveryTest::embeddedImagesDoNotMakeSeveralImages()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, outputs);
    QFETCH(QList<QByteArray>, images);

    repairFile(putFile(QDir::tempPath() + "/in", "cam.jpg", input));

    QCOMPARE(g_state.invalidFileCount, 0);
    QStringList produced;
    for (int i = 0; i < outputs.size(); ++i) {
        produced << outputs[i].mid(outputs[i].lastIndexOf('/'));
        QCOMPARE(decodeFile(m_work + outputs[i]), decode(images[i]));
    }
    QCOMPARE(g_state.producedFiles, produced);
}

void JpegRepairRecoveryTest::strayMarkersDoNotCarryOverToTheNextImage()
{
    // A 00 byte of the second image's scan data turned into FF forms a stray
    // pair; its neutralisation in that image's own output gives the photo
    // back, and the third image comes out byte for byte.
    QList<QByteArray> images = threeImages();
    images[1] = fixture::realJpeg(256, 192, 95);
    QByteArray damaged = images[1];
    const auto restorable = [&damaged](int at) {
        return damaged.at(at) == '\0' && damaged.at(at - 1) != char(0xFF)
            && quint8(damaged.at(at + 1)) >= 0x01 && quint8(damaged.at(at + 1)) <= 0xBF;
    };
    int at = fixture::markerOffset(damaged, 0xDA) + 14;
    while (at < damaged.size() - 2 && !restorable(at))
        ++at;
    QVERIFY(at < damaged.size() - 2);
    damaged[at] = char(0xFF);
    const QString path = putFile(QDir::tempPath() + "/in", "multi.jpg", images[0] + damaged + images[2]);

    repairFile(path);

    const QString thumbnails = m_work + "/Thumbnail Repaired";
    QCOMPARE(readFileBytes(thumbnails + "/multi_[T1].jpg"), images[1]);
    QCOMPARE(readFileBytes(thumbnails + "/multi_[T2].jpg"), images[2]);
}

QTEST_MAIN(JpegRepairRecoveryTest)
#include "tst_jpeg_repair_recovery.moc"
