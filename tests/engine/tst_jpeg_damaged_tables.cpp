// Photos damaged as cards and transfers damage them, repaired end to end:
// each comes out restored (close to the undamaged photo) or fails, with the
// salvage and the advanced repair left to the run; none is listed as noise.
// Undamaged photos come out pixel-identical.
#include "crafted_progressive.h"
#include "decode_check.h"
#include "dqt_damage.h"
#include "exif_fixture.h"
#include "global_state.h"
#include "jpeg_fixture.h"
#include "jpg_repair.h"
#include "photo_fixture.h"
#include "quant_table_check.h"
#include "repair_run.h"
#include "tables/quantization/quality_tables.h"
#include "tables/quantization/quantization_standard_02.h"
#include "tables/quantization/quantization_standard_15_21_50_others.h"
#include "tables/quantization/quantization_standard_3_4_5.h"
#include "tables/quantization/quantization_standard_6_8_9_10_12.h"
#include "tables/quantization/quantization_standardtables.h"

#include <QDir>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

using namespace repairrun;

namespace {

constexpr double kRestored = 35.0;

QByteArray photoJpeg(quint32 seed, int quality)
{
    return fixture::encodeJpeg(fixture::photoPicture(480, 360, seed), quality);
}

// A 640 x 480 picture of ten flat coloured discs on gradients and a fine
// pattern: with a damaged DC table its levels drift into saturated colours
// that neither look noisy nor leave a seam, until a code cannot be read.
QImage discsPicture(quint32 seed)
{
    QImage picture(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 255 / 640, y * 255 / 480, ((x ^ y) + int(seed) * 40) & 255));
    }
    QPainter painter(&picture);
    painter.setPen(Qt::NoPen);
    QRandomGenerator random(seed);
    for (int i = 0; i < 10; ++i) {
        painter.setBrush(QColor(random.bounded(256), random.bounded(256), random.bounded(256)));
        const int radius = 20 + random.bounded(140);
        painter.drawEllipse(QPoint(random.bounded(640), random.bounded(480)), radius, radius);
    }
    painter.end();
    return picture;
}

QByteArray cjpegPhoto(quint32 seed, const QStringList& options)
{
    return fixture::cjpegJpeg(fixture::photoPicture(480, 360, seed), options);
}

// Offset of the n-th (from 0) segment with the marker FF code.
int nthMarker(const QByteArray& jpeg, quint8 code, int n)
{
    const QByteArray marker = QByteArray(1, char(0xFF)) + char(code);
    int at = jpeg.indexOf(marker);
    for (int i = 0; i < n && at >= 0; ++i)
        at = jpeg.indexOf(marker, at + 2);
    return at;
}

int segmentLength(const QByteArray& jpeg, int at)
{
    return quint8(jpeg[at + 2]) << 8 | quint8(jpeg[at + 3]);
}

// 16 of the 64 values of table `table` replaced by random bytes.
QByteArray withQuarterGarbled(QByteArray jpeg, int table, quint32 seed)
{
    QRandomGenerator random(seed);
    const int values = fixture::quantTableOffsets(jpeg).value(table);
    QList<int> positions;
    while (positions.size() < 16) {
        const int p = int(random.bounded(64));
        if (!positions.contains(p))
            positions << p;
    }
    for (int p : positions)
        jpeg[values + p] = char(random.bounded(256));
    return jpeg;
}

// The file with its own tables: every AC value of every table one higher,
// as no catalogue table has them.
QByteArray withOwnTables(QByteArray jpeg)
{
    for (int values : fixture::quantTableOffsets(jpeg)) {
        for (int i = 1; i < 64; ++i)
            jpeg[values + i] = char(qMin(255, quint8(jpeg[values + i]) + 1));
    }
    return jpeg;
}

// The last (highest-frequency) value of the first table tripled.
QByteArray withLastValueTripled(QByteArray jpeg)
{
    const int last = fixture::quantTableOffsets(jpeg).value(0) + 63;
    jpeg[last] = char(qMin(255, quint8(jpeg[last]) * 3));
    return jpeg;
}

// Two symbol values of the n-th DHT segment's first table swapped.
QByteArray withHuffmanValuesSwapped(QByteArray jpeg, int n, int first, int second)
{
    const int symbols = nthMarker(jpeg, 0xC4, n) + 4 + 17;
    const char kept = jpeg[symbols + first];
    jpeg[symbols + first] = jpeg[symbols + second];
    jpeg[symbols + second] = kept;
    return jpeg;
}

QByteArray withZerosBeforeEoi(const QByteArray& jpeg, int count)
{
    return jpeg.chopped(2) + QByteArray(count, '\0') + jpeg.right(2);
}

// The n-th restart marker given a number `shift` further on.
QByteArray withRestartRenumbered(QByteArray jpeg, int n, int shift)
{
    int seen = 0;
    for (int i = jpeg.indexOf(QByteArray("\xFF\xDA", 2)); i + 1 < jpeg.size(); ++i) {
        const quint8 code = quint8(jpeg[i + 1]);
        if (quint8(jpeg[i]) == 0xFF && code >= 0xD0 && code <= 0xD7 && seen++ == n) {
            jpeg[i + 1] = char(0xD0 + ((code - 0xD0 + shift) & 7));
            break;
        }
    }
    return jpeg;
}

// A quarter of the code values of a DHT segment that follows the first scan
// replaced by random bytes.
QByteArray withLateDhtGarbled(QByteArray jpeg, quint32 seed)
{
    const int firstScan = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
    const int dht = jpeg.indexOf(QByteArray("\xFF\xC4", 2), firstScan);
    if (dht < 0)
        return QByteArray();
    QRandomGenerator random(seed);
    const int symbols = dht + 4 + 17;
    const int count = segmentLength(jpeg, dht) - 19;
    for (int i = 0; i < count / 4; ++i)
        jpeg[symbols + int(random.bounded(count))] = char(random.bounded(256));
    return jpeg;
}

} // namespace

class JpegDamagedTablesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void encoderTablesArePlausible_data();
    void encoderTablesArePlausible();
    void catalogueTablesArePlausible();
    void garbledTablesAreImplausible();
    void undamagedPhotosComeOutIdentical_data();
    void undamagedPhotosComeOutIdentical();
    void damagedPhotosAreRestoredOrFailed_data();
    void damagedPhotosAreRestoredOrFailed();
    void stopEndsTheCheck();
    void checkWorkIsBounded_data();
    void checkWorkIsBounded();

private:
    QString m_work;
    QString m_inputs;
};

void JpegDamagedTablesTest::init()
{
    resetRun();
    m_work = prepareWorkFolder();
    m_inputs = QDir::tempPath() + "/inputs";
    QDir().mkpath(m_inputs);
}

void JpegDamagedTablesTest::cleanup()
{
    resetRun();
    QDir(m_work).removeRecursively();
    QDir(m_inputs).removeRecursively();
}

void JpegDamagedTablesTest::encoderTablesArePlausible_data()
{
    QTest::addColumn<QByteArray>("jpeg");
    for (int quality : {1, 10, 25, 50, 75, 90, 95, 100})
        QTest::addRow("toolkit, quality %d", quality) << photoJpeg(1, quality);
    QTest::newRow("cjpeg, quality 60, 4:4:4") << cjpegPhoto(2, {"-quality", "60", "-sample", "1x1"});
}

// The tables real encoders write are kept as read.
void JpegDamagedTablesTest::encoderTablesArePlausible()
{
    QFETCH(QByteArray, jpeg);
    const QList<int> tables = fixture::quantTableOffsets(jpeg);
    QVERIFY(!tables.isEmpty());
    for (int values : tables)
        QVERIFY(isPlausibleQuantTable(reinterpret_cast<const quint8*>(jpeg.constData()) + values));
}

// Every known-good table of the catalogue is kept as read.
void JpegDamagedTablesTest::catalogueTablesArePlausible()
{
    QVector<const quant::DqtTableSet*> sets;
    for (const quant::FlatCatalogue* flat :
         {&quant::standardTablesCatalogue(), &quant::standard02Catalogue()}) {
        for (int i = 0; i < flat->count; ++i)
            sets << &flat->entries[i];
    }
    for (const quant::GroupedCatalogue* grouped :
         {&quant::standard345Catalogue(), &quant::standard6to18Catalogue(),
          &quant::standard10to80Catalogue()}) {
        for (int g = 0; g < grouped->count; ++g) {
            for (int i = 0; i < grouped->groups[g].count; ++i)
                sets << &grouped->groups[g].candidates[i];
        }
    }
    QVERIFY(sets.size() > 200);
    for (const quant::DqtTableSet* set : qAsConst(sets)) {
        for (int t = 0; t < set->tableCount; ++t)
            QVERIFY(isPlausibleQuantTable(set->table(t)));
    }
}

// Of the Annex K tables at every quality with a quarter of their values
// garbled, nearly all are found; those missed are the few whose random
// values happened to fall close to the true ones.
void JpegDamagedTablesTest::garbledTablesAreImplausible()
{
    QRandomGenerator random(20);
    int found = 0;
    int garbled = 0;
    for (int quality = 1; quality <= 100; ++quality) {
        for (const quant::QuantTable& table :
             {quant::luminanceAtQuality(quality), quant::chrominanceAtQuality(quality)}) {
            QVERIFY(isPlausibleQuantTable(table.v));
            quant::QuantTable damaged = table;
            for (int i = 0; i < 16; ++i)
                damaged.v[random.bounded(64)] = quint8(random.bounded(256));
            ++garbled;
            found += isPlausibleQuantTable(damaged.v) ? 0 : 1;
        }
    }
    QVERIFY2(found >= garbled * 95 / 100, qPrintable(QString("%1 of %2").arg(found).arg(garbled)));
}

void JpegDamagedTablesTest::undamagedPhotosComeOutIdentical_data()
{
    QTest::addColumn<QByteArray>("input");
    for (int quality : {30, 75, 95})
        QTest::addRow("toolkit, quality %d", quality) << photoJpeg(3, quality);
    QTest::newRow("cjpeg progressive") << cjpegPhoto(4, {"-progressive"});
    QTest::newRow("cjpeg restart every row") << cjpegPhoto(5, {"-restart", "1"});
    QTest::newRow("cjpeg quality 30 optimized") << cjpegPhoto(6, {"-quality", "30", "-optimize"});
    QTest::newRow("own tables") << withOwnTables(photoJpeg(7, 80));
    // An odd value that no coefficient of the picture uses changes nothing.
    QTest::newRow("own table with an odd value the picture does not use")
        << withLastValueTripled(withOwnTables(photoJpeg(8, 30)));
}

void JpegDamagedTablesTest::undamagedPhotosComeOutIdentical()
{
    QFETCH(QByteArray, input);
    repairFile(putFile(m_inputs, "photo.jpg", input));
    QCOMPARE(g_state.producedFiles, QStringList({"/photo.jpg"}));
    QCOMPARE(decodeFile(m_work + "/photo.jpg"), decode(input));
    QCOMPARE(g_state.invalidFileCount, 0);
}

void JpegDamagedTablesTest::damagedPhotosAreRestoredOrFailed_data()
{
    QTest::addColumn<QByteArray>("intact");
    QTest::addColumn<QByteArray>("damaged");
    QTest::addColumn<bool>("mustRestore");

    for (quint32 seed = 1; seed <= 4; ++seed) {
        const QByteArray toolkit = photoJpeg(10 + seed, 75);
        QTest::addRow("quarter of the luminance DQT garbled, toolkit, seed %u", seed)
            << toolkit << withQuarterGarbled(toolkit, 0, seed) << true;
        QTest::addRow("quarter of the chrominance DQT garbled, toolkit, seed %u", seed)
            << toolkit << withQuarterGarbled(toolkit, 1, seed) << true;
        const QByteArray cjpeg = cjpegPhoto(20 + seed, {"-quality", "85"});
        QTest::addRow("quarter of the luminance DQT garbled, cjpeg 85, seed %u", seed)
            << cjpeg << withQuarterGarbled(cjpeg, 0, seed) << true;
    }
    for (quint32 seed = 1; seed <= 3; ++seed) {
        const QByteArray own = withOwnTables(photoJpeg(15 + seed, 60));
        QTest::addRow("quarter of an own luminance table garbled, seed %u", seed)
            << own << withQuarterGarbled(own, 0, seed) << false;
        QTest::addRow("quarter of an own chrominance table garbled, seed %u", seed)
            << own << withQuarterGarbled(own, 1, seed) << false;
    }
    const QByteArray standard = cjpegPhoto(30, {});
    QTest::newRow("luminance AC Huffman values swapped")
        << standard << withHuffmanValuesSwapped(standard, 1, 3, 7) << false;
    QTest::newRow("chrominance DC Huffman values swapped")
        << standard << withHuffmanValuesSwapped(standard, 2, 0, 2) << false;
    for (quint32 seed = 42; seed <= 43; ++seed) {
        const QByteArray discs = fixture::cjpegJpeg(discsPicture(seed), {"-quality", "90"});
        for (int second = 1; second <= 5; ++second)
            QTest::addRow("luminance DC Huffman values 0 and %d swapped, discs %u", second, seed)
                << discs << withHuffmanValuesSwapped(discs, 0, 0, second) << false;
    }
    QTest::newRow("zero padding before EOI")
        << standard << withZerosBeforeEoi(standard, 100) << true;
    const QByteArray restarts = cjpegPhoto(31, {"-restart", "1"});
    // A number far from the one due is passed over by the decoder; the next
    // one's number makes it take the interval as lost.
    QTest::newRow("restart marker renumbered far") << restarts << withRestartRenumbered(restarts, 5, 4) << true;
    QTest::newRow("restart marker renumbered as the next")
        << restarts << withRestartRenumbered(restarts, 5, 1) << false;
    const QByteArray progressive = cjpegPhoto(32, {"-progressive", "-optimize"});
    for (quint32 seed = 1; seed <= 3; ++seed)
        QTest::addRow("late DHT of a progressive file garbled, seed %u", seed)
            << progressive << withLateDhtGarbled(progressive, seed) << false;
}

void JpegDamagedTablesTest::damagedPhotosAreRestoredOrFailed()
{
    QFETCH(QByteArray, intact);
    QFETCH(QByteArray, damaged);
    QFETCH(bool, mustRestore);
    QVERIFY(!damaged.isEmpty());
    QVERIFY(damaged != intact);
    const QString path = putFile(m_inputs, "photo.jpg", damaged);

    repairFile(path);

    if (g_state.producedFiles.contains("/photo.jpg")) {
        const double restored = fixture::psnr(decodeFile(m_work + "/photo.jpg"), decode(intact));
        QVERIFY2(restored >= kRestored, qPrintable(QString("listed at %1 dB").arg(restored)));
        QCOMPARE(g_state.invalidFileCount, 0);
        return;
    }
    QVERIFY2(!mustRestore, "not restored");
    // The run salvages a failed main image and offers the advanced repair
    // when the salvage gives nothing; a salvaged picture is held to the same
    // check.
    QCOMPARE(g_state.invalidFileCount, 1);
    g_state.producedFiles.clear();
    g_state.fileName = "/photo.jpg";
    if (jpg_repair().SalvageJpeg(path)) {
        const double salvaged = fixture::psnr(decodeFile(m_work + "/photo.jpg"), decode(intact));
        QVERIFY2(salvaged >= kRestored, qPrintable(QString("salvaged at %1 dB").arg(salvaged)));
    }
}

// A stop asked for while an image is checked ends the check as "does not
// decode", whatever is left of it.
void JpegDamagedTablesTest::stopEndsTheCheck()
{
    const QString path = putFile(m_inputs, "photo.jpg", cjpegPhoto(40, {"-progressive"}));
    QVERIFY(imageDecodes(path, DataEnd::Complete));
    g_state.stopRequested = 1;
    const bool decodes = imageDecodes(path, DataEnd::Complete);
    g_state.stopRequested = 0;
    QVERIFY(!decodes);
}

void JpegDamagedTablesTest::checkWorkIsBounded_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("decodes");
    QTest::newRow("crafted progressive, 1024 x 1024, 43 scans")
        << fixture::craftedProgressiveJpeg(1024, 1024, 43) << true;
    // Decoding it takes minutes: the check ends it after its time.
    QTest::newRow("crafted progressive, 9000 x 9000, 500 scans")
        << fixture::craftedProgressiveJpeg(9000, 9000, 500) << false;
    // Its coefficients alone would take 400 MB.
    QTest::newRow("crafted progressive, 11584 x 11584, 500 scans")
        << fixture::craftedProgressiveJpeg(11584, 11584, 500) << false;
}

// The check of one image ends as "does not decode" when its work exceeds
// the bound, whatever the file declares; the salvage after it too.
void JpegDamagedTablesTest::checkWorkIsBounded()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, decodes);
    const QString path = putFile(m_inputs, "crafted.jpg", input);
    QCOMPARE(imageDecodes(path, DataEnd::Complete), decodes);
    repairFile(path);
    QCOMPARE(g_state.producedFiles, decodes ? QStringList({"/crafted.jpg"}) : QStringList());
    QCOMPARE(g_state.invalidFileCount, decodes ? 0 : 1);
}

QTEST_MAIN(JpegDamagedTablesTest)
#include "tst_jpeg_damaged_tables.moc"
