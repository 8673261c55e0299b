// Photos written by real encoders with the tables they choose keep those
// tables and come out pixel-identical; the same photos with a damaged DQT
// come out restored or fail, never listed with a wrong picture.
#include "dqt_damage.h"
#include "encoder_tables.h"
#include "fuzz_seed.h"
#include "global_state.h"
#include "jpeg_fixture.h"
#include "photo_fixture.h"
#include "repair_run.h"
#include "temp_file.h"

#include <QDir>
#include <QTest>

using namespace repairrun;

namespace {

constexpr double kRestored = 35.0;
// Of the camera-like photos with a damaged DQT, at least this many must
// come out restored.
constexpr int kCameraPhotos = 30;
constexpr int kCameraPhotosRestored = 25;

QImage smallPhoto(quint32 seed)
{
    return fixture::photoPicture(256, 192, seed);
}

QStringList quality(int value)
{
    return {"-quality", QString::number(value)};
}

// The tables of a file: every DQT segment's bytes.
QByteArray tablesOf(const QByteArray& jpeg)
{
    QByteArray tables;
    for (int values : fixture::quantTableOffsets(jpeg))
        tables += jpeg.mid(values - 1, 65);
    return tables;
}

// A camera-like photo: cjpeg at a camera's qualities, with a camera's 4:2:2
// sampling or 4:2:0.
QByteArray cameraPhoto(quint32 seed)
{
    const int qualities[] = {85, 90, 92, 95, 97, 98};
    const QStringList sampling = seed % 2 ? QStringList({"-sample", "2x1"}) : QStringList();
    return fixture::cjpegJpeg(fixture::photoPicture(480, 360, seed),
                              quality(qualities[seed % 6]) + sampling);
}

struct Outcome {
    bool listed = false;
    double psnr = 0;
};

} // namespace

class JpegEncoderTablesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void healthyPhotosComeOutIdentical_data();
    void healthyPhotosComeOutIdentical();
    void damagedTablesAreRestoredOrFail_data();
    void damagedTablesAreRestoredOrFail();
    void cameraPhotosWithDamagedTablesAreRestored();
    void writeFuzzSeeds();

private:
    Outcome repaired(const QByteArray& intact, const QByteArray& damaged);

    QString m_work;
    QString m_inputs;
};

void JpegEncoderTablesTest::init()
{
    resetRun();
    m_work = prepareWorkFolder();
    m_inputs = QDir::tempPath() + "/inputs";
    QDir().mkpath(m_inputs);
}

void JpegEncoderTablesTest::cleanup()
{
    resetRun();
    QDir(m_work).removeRecursively();
    QDir(m_inputs).removeRecursively();
}

// Repairs `damaged` and measures the listed output against `intact`.
Outcome JpegEncoderTablesTest::repaired(const QByteArray& intact, const QByteArray& damaged)
{
    repairFile(putFile(m_inputs, "photo.jpg", damaged));
    Outcome outcome;
    outcome.listed = g_state.producedFiles.contains("/photo.jpg");
    if (outcome.listed)
        outcome.psnr = fixture::psnr(decodeFile(m_work + "/photo.jpg"), decode(intact));
    resetRun();
    QDir(m_work).removeRecursively();
    m_work = prepareWorkFolder();
    return outcome;
}

void JpegEncoderTablesTest::healthyPhotosComeOutIdentical_data()
{
    QTest::addColumn<QByteArray>("input");
    const QImage photo = smallPhoto(1);
    for (int q : {1, 5, 10, 20, 30, 40, 50, 60, 70, 75, 80, 85, 90, 95, 98, 100}) {
        QTest::addRow("cjpeg quality %d", q) << fixture::cjpegJpeg(photo, quality(q));
        QTest::addRow("cjpeg quality %d optimized", q) << fixture::cjpegJpeg(photo, quality(q) + QStringList("-optimize"));
    }
    for (int q : {20, 50, 75, 95}) {
        QTest::addRow("cjpeg quality %d 4:4:4", q) << fixture::cjpegJpeg(photo, quality(q) + QStringList({"-sample", "1x1"}));
        QTest::addRow("cjpeg quality %d 4:2:2", q) << fixture::cjpegJpeg(photo, quality(q) + QStringList({"-sample", "2x1"}));
        // A camera's portrait frame: chrominance halved vertically.
        QTest::addRow("cjpeg quality %d 4:4:0", q) << fixture::cjpegJpeg(photo, quality(q) + QStringList({"-sample", "1x2"}));
        QTest::addRow("cjpeg quality %d grayscale", q) << fixture::cjpegJpeg(photo, quality(q) + QStringList("-grayscale"));
    }
    // The web encoder's sets at its qualities, the presets as they stand
    // (quality 50 leaves a -qtables file unscaled) and the made-up shapes.
    for (const fixture::TableSet& set : fixture::webEncoderTableSets()) {
        for (int q : {30, 50, 75, 90})
            QTest::addRow("web encoder %s, quality %d", qPrintable(set.name), q)
                << fixture::cjpegWithTables(photo, set, quality(q));
        QTest::addRow("web encoder %s, progressive", qPrintable(set.name))
            << fixture::cjpegWithTables(photo, set, quality(80) + QStringList({"-progressive", "-optimize"}));
        QTest::addRow("web encoder %s, grayscale", qPrintable(set.name))
            << fixture::cjpegWithTables(photo, set, quality(70) + QStringList("-grayscale"));
    }
    for (const fixture::TableSet& set : fixture::libraryPresetTableSets()) {
        QTest::addRow("library preset %s", qPrintable(set.name)) << fixture::cjpegWithTables(photo, set, quality(50));
        QTest::addRow("library preset %s, 4:4:4", qPrintable(set.name))
            << fixture::cjpegWithTables(smallPhoto(2), set, quality(50) + QStringList({"-sample", "1x1"}));
        QTest::addRow("library preset %s, 4:4:0", qPrintable(set.name))
            << fixture::cjpegWithTables(smallPhoto(2), set, quality(50) + QStringList({"-sample", "1x2"}));
    }
    for (const fixture::TableSet& set : fixture::shapedTableSets()) {
        for (int q : {50, 75})
            QTest::addRow("%s tables, quality %d", qPrintable(set.name), q)
                << fixture::cjpegWithTables(smallPhoto(3), set, quality(q));
    }
    for (int q : {20, 50, 75, 92, 100})
        QTest::addRow("ImageMagick quality %d", q) << fixture::convertJpeg(smallPhoto(4), {"-quality", QString::number(q)});
    // An editor's CMYK and YCCK files with its own tables.
    for (const fixture::TableSet& set : fixture::libraryPresetTableSets()) {
        QTest::addRow("CMYK, %s", qPrintable(set.name)) << fixture::fourComponentJpeg(smallPhoto(13), false, set.tables);
        QTest::addRow("YCCK, %s", qPrintable(set.name)) << fixture::fourComponentJpeg(smallPhoto(13), true, set.tables);
    }
    // A larger photo gives the picture many coefficients, and its strengths
    // the bumps of its own content.
    const QImage large = fixture::photoPicture(800, 600, 12);
    for (const auto& sets : {fixture::webEncoderTableSets(), fixture::libraryPresetTableSets()}) {
        for (const fixture::TableSet& set : sets)
            QTest::addRow("800 x 600, %s", qPrintable(set.name)) << fixture::cjpegWithTables(large, set, quality(90));
    }
    // Small photos give the picture few coefficients to judge by.
    const QVector<QSize> smallSizes = {{64, 48}, {120, 90}};
    for (const QSize& size : smallSizes) {
        const QImage small = fixture::photoPicture(size.width(), size.height(), 10);
        for (const auto& sets : {fixture::webEncoderTableSets(), fixture::libraryPresetTableSets(), fixture::shapedTableSets()}) {
            for (const fixture::TableSet& set : sets)
                QTest::addRow("%d x %d, %s", size.width(), size.height(), qPrintable(set.name))
                    << fixture::cjpegWithTables(small, set, quality(75));
        }
    }
}

// Tables and scan are untouched: the same tables, the same picture.
void JpegEncoderTablesTest::healthyPhotosComeOutIdentical()
{
    QFETCH(QByteArray, input);
    QVERIFY2(!input.isEmpty(), "the encoder wrote nothing");
    repairFile(putFile(m_inputs, "photo.jpg", input));
    QCOMPARE(g_state.producedFiles, QStringList({"/photo.jpg"}));
    QFile output(m_work + "/photo.jpg");
    QVERIFY(output.open(QIODevice::ReadOnly));
    QCOMPARE(tablesOf(output.readAll()), tablesOf(input));
    QCOMPARE(decodeFile(m_work + "/photo.jpg"), decode(input));
    QCOMPARE(g_state.invalidFileCount, 0);
}

void JpegEncoderTablesTest::damagedTablesAreRestoredOrFail_data()
{
    QTest::addColumn<QByteArray>("intact");
    QTest::addColumn<QByteArray>("damaged");
    const QVector<fixture::DqtDamage> damages = {fixture::DqtDamage::RandomRun, fixture::DqtDamage::ZeroRun,
                                                 fixture::DqtDamage::Shifted, fixture::DqtDamage::Truncated};
    QVector<QPair<QString, QByteArray>> photos;
    for (int q : {50, 75, 90})
        photos.append({QString("cjpeg quality %1").arg(q), fixture::cjpegJpeg(smallPhoto(5), quality(q))});
    for (const fixture::TableSet& set : fixture::webEncoderTableSets())
        photos.append({"web encoder " + set.name, fixture::cjpegWithTables(smallPhoto(6), set, quality(75))});
    for (const fixture::TableSet& set : fixture::libraryPresetTableSets())
        photos.append({"library preset " + set.name, fixture::cjpegWithTables(smallPhoto(7), set, quality(50))});
    for (const fixture::TableSet& set : fixture::shapedTableSets())
        photos.append({set.name + " tables", fixture::cjpegWithTables(smallPhoto(8), set, quality(75))});
    photos.append({"ImageMagick quality 85", fixture::convertJpeg(smallPhoto(9), {"-quality", "85"})});
    quint32 seed = 0;
    for (const auto& photo : qAsConst(photos)) {
        for (int table = 0; table < 2; ++table) {
            const fixture::DqtDamage damage = damages[int(++seed % damages.size())];
            QTest::addRow("%s, table %d, %s", qPrintable(photo.first), table, qPrintable(fixture::nameOf(damage)))
                << photo.second << fixture::withDqtDamage(photo.second, table, damage, seed);
        }
    }
}

// Listed only with the picture restored; otherwise the row fails.
void JpegEncoderTablesTest::damagedTablesAreRestoredOrFail()
{
    QFETCH(QByteArray, intact);
    QFETCH(QByteArray, damaged);
    QVERIFY(!damaged.isEmpty());
    if (damaged == intact)
        QSKIP("the damage left the table as it was");
    const Outcome outcome = repaired(intact, damaged);
    if (outcome.listed)
        QVERIFY2(outcome.psnr >= kRestored, qPrintable(QString("listed at %1 dB").arg(outcome.psnr)));
    qInfo("%s", outcome.listed ? qPrintable(QString("restored at %1 dB").arg(outcome.psnr)) : "failed");
}

// Thirty camera-like photos, each with a DQT damaged one of the ways: most
// come out restored, none is listed with a wrong picture.
void JpegEncoderTablesTest::cameraPhotosWithDamagedTablesAreRestored()
{
    const fixture::DqtDamage damages[] = {fixture::DqtDamage::RandomRun, fixture::DqtDamage::ZeroRun,
                                          fixture::DqtDamage::Shifted, fixture::DqtDamage::Truncated};
    int restored = 0, failed = 0;
    QStringList listedBelow;
    for (quint32 seed = 1; seed <= kCameraPhotos; ++seed) {
        const QByteArray intact = cameraPhoto(seed);
        const fixture::DqtDamage damage = damages[seed % 4];
        const QByteArray damaged = fixture::withDqtDamage(intact, int(seed % 2), damage, seed);
        QVERIFY(!damaged.isEmpty());
        const Outcome outcome = repaired(intact, damaged);
        if (!outcome.listed)
            ++failed;
        else if (outcome.psnr >= kRestored)
            ++restored;
        else
            listedBelow << QString("photo %1 (%2) at %3 dB").arg(seed).arg(fixture::nameOf(damage)).arg(outcome.psnr);
    }
    qInfo("restored %d, failed %d, listed below %.0f dB %d of %d", restored, failed, kRestored,
          int(listedBelow.size()), kCameraPhotos);
    QVERIFY2(listedBelow.isEmpty(), qPrintable(listedBelow.join(", ")));
    QVERIFY2(restored >= kCameraPhotosRestored, qPrintable(QString("restored %1").arg(restored)));
}

// With PICTAVO_WRITE_SEEDS=<dir>, writes seeds for the repair fuzz target
// whose damaged DQT the picture mends.
void JpegEncoderTablesTest::writeFuzzSeeds()
{
    const QString dir = qEnvironmentVariable("PICTAVO_WRITE_SEEDS");
    if (dir.isEmpty())
        QSKIP("PICTAVO_WRITE_SEEDS not set");
    constexpr quint8 kRepairMode = 0;
    const QByteArray photo = fixture::cjpegJpeg(fixture::photoPicture(48, 32, 11), quality(90));
    QVERIFY(writeFileBytes(dir + "/dqt_random_run.jpg",
                           fuzzSeed(kRepairMode, 0, fixture::withDqtDamage(photo, 0, fixture::DqtDamage::RandomRun, 3))));
}

QTEST_MAIN(JpegEncoderTablesTest)
#include "tst_jpeg_encoder_tables.moc"
