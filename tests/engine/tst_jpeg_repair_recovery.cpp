// Files made of several images: each image found after the first is saved
// once by the recovery-mode save, and the first comes back by the salvage
// the run calls for the invalid main image.
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

const QByteArray kSoi("\xFF\xD8", 2);

QList<QByteArray> threeImages()
{
    return {fixture::realJpeg(96, 64, 90), fixture::realJpeg(64, 96, 80),
            fixture::realJpeg(48, 48, 70)};
}

} // namespace

class JpegRepairRecoveryTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void threeImagesAreEachSavedOnce();
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

void JpegRepairRecoveryTest::threeImagesAreEachSavedOnce()
{
    const QList<QByteArray> images = threeImages();
    const QString path = putFile(QDir::tempPath() + "/in", "IMG_7.JPEG", images[0] + images[1] + images[2]);

    repairFile(path);

    QCOMPARE(g_state.invalidFileCount, 1);
    QCOMPARE(g_state.producedFiles, QStringList({"/IMG_7_[T1].jpeg", "/IMG_7_[T2].jpeg"}));
    const QString thumbnails = m_work + "/Thumbnail Repaired";
    QCOMPARE(decodeFile(thumbnails + "/IMG_7_[T1].jpeg"), decode(images[1]));
    QCOMPARE(decodeFile(thumbnails + "/IMG_7_[T2].jpeg"), decode(images[2]));
    QCOMPARE(filesBelow(m_work), QStringList({"Thumbnail Repaired/IMG_7_[T1].jpeg",
                                              "Thumbnail Repaired/IMG_7_[T2].jpeg"}));
    QCOMPARE(scratchFilesLeft(), QStringList());

    // The run salvages the invalid main image: the first image.
    g_state.producedFiles.clear();
    jpg_repair repair;
    QVERIFY(repair.SalvageJpeg(path));
    QCOMPARE(g_state.producedFiles, QStringList({"/IMG_7.JPEG"}));
    QCOMPARE(decodeFile(m_work + "/IMG_7.JPEG"), decode(images[0]));
}

void JpegRepairRecoveryTest::strayMarkersDoNotCarryOverToTheNextImage()
{
    // A stray pair in the second image's scan data is neutralised in its own
    // output only; the third image comes out byte for byte as rewritten.
    QList<QByteArray> images = threeImages();
    const int scan = fixture::markerOffset(images[1], 0xDA) + 14;
    int at = scan + 20;
    while (images[1][at - 1] == char(0xFF))
        ++at;
    images[1].replace(at, 3, QByteArray("\xFF\x01\x11", 3));
    const QString path = putFile(QDir::tempPath() + "/in", "multi.jpg", images[0] + images[1] + images[2]);

    repairFile(path);

    const QString thumbnails = m_work + "/Thumbnail Repaired";
    const QByteArray second = readFileBytes(thumbnails + "/multi_[T1].jpg");
    const int secondShift = fixture::markerOffset(images[1], 0xDB) - 2;
    QCOMPARE(second.mid(at - secondShift, 2), QByteArray("\x00\x01", 2));
    const QByteArray third = readFileBytes(thumbnails + "/multi_[T2].jpg");
    const QByteArray thirdScan = images[2].mid(fixture::markerOffset(images[2], 0xDA));
    QVERIFY(third.endsWith(thirdScan));
}

QTEST_MAIN(JpegRepairRecoveryTest)
#include "tst_jpeg_repair_recovery.moc"
