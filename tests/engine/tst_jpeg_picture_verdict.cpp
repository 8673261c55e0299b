// The picture verdict of the repair judges damage, not content: pictures
// with long straight edges and flat bands, and photos, that carry a
// harmless warning stay listed and identical, small damaged photos are
// judged at full size, and damaged scan data is never listed as a poor
// picture. Real files from the toolkit's and cjpeg's encoders, run through
// the repair as the app runs it.
#include "edge_pictures.h"
#include "exif_fixture.h"
#include "global_state.h"
#include "jpeg_fixture.h"
#include "photo_fixture.h"
#include "repair_run.h"
#include "scan_damage.h"
#include "temp_file.h"

#include <QDir>
#include <QPainter>
#include <QTest>

using namespace repairrun;

namespace {

// Listed pictures reach at least this quality against the undamaged photo.
constexpr double kListedQuality = 30.0;

const QByteArray kEndMarker("\xFF\xD9", 2);

// Bytes the decoder reads past before the end marker.
QByteArray withBytesBeforeEnd(const QByteArray& jpeg, const QByteArray& bytes)
{
    return jpeg.left(jpeg.size() - 2) + bytes + kEndMarker;
}

// Every restart marker numbered four on from its due number: the data
// between them is intact, and the decoder takes each for the one it waits
// for.
QByteArray withRestartsRenumbered(QByteArray jpeg)
{
    const int scan = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
    for (int p = scan; p + 1 < jpeg.size(); ++p) {
        const quint8 code = quint8(jpeg[p + 1]);
        if (quint8(jpeg[p]) == 0xFF && code >= 0xD0 && code <= 0xD7)
            jpeg[p + 1] = char(0xD0 + ((code - 0xD0 + 4) & 7));
    }
    return jpeg;
}

// The picture with its contrast tripled about mid-grey: a third of it or
// more clipped to black or white.
QImage contrasted(QImage picture)
{
    picture = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const auto stretch = [](int value) { return qBound(0, 128 + 3 * (value - 128), 255); };
            line[x] = qRgb(stretch(qRed(line[x])), stretch(qGreen(line[x])), stretch(qBlue(line[x])));
        }
    }
    return picture;
}

// Two bytes of the scan data in its middle replaced by a marker pair that
// cannot stand there, as a card's damage leaves it.
QByteArray withStrayMarker(QByteArray jpeg)
{
    const int middle = jpeg.size() / 2;
    jpeg[middle] = char(0xFF);
    jpeg[middle + 1] = char(0xC5);
    return jpeg;
}

} // namespace

class JpegPictureVerdictTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void harmlessWarningsKeepEdgePictures_data();
    void harmlessWarningsKeepEdgePictures();
    void harmlessWarningsKeepPhotos_data();
    void harmlessWarningsKeepPhotos();
    void smallDamagedPicturesAreNeverRepaired_data();
    void smallDamagedPicturesAreNeverRepaired();
    void damagedScanDataIsNeverListedPoor_data();
    void damagedScanDataIsNeverListedPoor();
    void largeProgressiveFullColourPhotoIsListed();

private:
    // Repairs the bytes as "name" and returns the listed picture, or a null
    // one when the row failed.
    QImage listed(const QByteArray& input);
    // Verifies that the row's input, which decodes as its intact file does,
    // is listed so.
    void verifyListedAsIntact();

    QString m_work;
    QString m_inputs;
};

void JpegPictureVerdictTest::init()
{
    resetRun();
    m_work = prepareWorkFolder();
    m_inputs = QDir::tempPath() + "/inputs";
    QDir().mkpath(m_inputs);
}

void JpegPictureVerdictTest::cleanup()
{
    resetRun();
    QDir(m_work).removeRecursively();
    QDir(m_inputs).removeRecursively();
}

QImage JpegPictureVerdictTest::listed(const QByteArray& input)
{
    repairFile(putFile(m_inputs, "photo.jpg", input));
    if (!g_state.producedFiles.contains("/photo.jpg")) {
        // A failed main image is offered the salvage and Advance Repair.
        [&] { QCOMPARE(g_state.invalidFileCount, 1); }();
        return QImage();
    }
    return decodeFile(m_work + "/photo.jpg");
}

void JpegPictureVerdictTest::verifyListedAsIntact()
{
    QFETCH(QByteArray, intact);
    QFETCH(QByteArray, input);
    QVERIFY(!intact.isEmpty());
    QVERIFY(input != intact);
    QCOMPARE(decode(input), decode(intact));

    const QImage output = listed(input);

    QVERIFY2(!output.isNull(), "the photo was not listed");
    QCOMPARE(output, decode(intact));
}

void JpegPictureVerdictTest::harmlessWarningsKeepEdgePictures_data()
{
    QTest::addColumn<QByteArray>("intact");
    QTest::addColumn<QByteArray>("input");

    using fixture::EdgeScene;
    const QList<QPair<const char*, EdgeScene>> scenes = {
        {"buildings", EdgeScene::Buildings}, {"horizon", EdgeScene::Horizon},
        {"text", EdgeScene::Text},           {"screenshot", EdgeScene::Screenshot},
        {"panels", EdgeScene::Panels},
        {"grey band", EdgeScene::GreyBand},  {"black bands", EdgeScene::BlackBands},
        {"page of text", EdgeScene::Page},   {"pillarbox", EdgeScene::Pillarbox}};
    // Encoders and layouts, each with extraneous bytes before its end marker
    // or, coded with restart markers, with those renumbered.
    const QList<QPair<const char*, QStringList>> extraneous = {
        {"cjpeg 4:2:0", {"-quality", "85", "-optimize"}},
        {"cjpeg 4:2:2", {"-sample", "2x1"}},
        {"cjpeg grayscale", {"-grayscale"}},
        {"cjpeg progressive", {"-progressive"}}};
    const QList<QPair<const char*, QStringList>> renumbered = {
        {"cjpeg 4:2:0", {"-restart", "1"}},
        {"cjpeg 4:4:0", {"-sample", "1x2", "-restart", "1"}}};
    for (const auto& scene : scenes) {
        const QImage picture = fixture::edgePicture(scene.second, 640, 480);
        const QByteArray toolkit = fixture::encodeJpeg(picture, 90);
        QTest::addRow("%s, toolkit, extraneous bytes before the end", scene.first)
            << toolkit << withBytesBeforeEnd(toolkit, "\x12\x34\x56\x78\x9A");
        for (const auto& encoder : extraneous) {
            const QByteArray intact = fixture::cjpegJpeg(picture, encoder.second);
            QTest::addRow("%s, %s, extraneous bytes before the end", scene.first, encoder.first)
                << intact << withBytesBeforeEnd(intact, QByteArray(37, '\x5A'));
        }
        for (const auto& encoder : renumbered) {
            const QByteArray intact = fixture::cjpegJpeg(picture, encoder.second);
            QTest::addRow("%s, %s, restart markers renumbered", scene.first, encoder.first)
                << intact << withRestartsRenumbered(intact);
        }
    }
}

// A harmless warning makes the picture judged; an edge of its content is
// no damage, so it stays listed, decoding as the undamaged file does.
void JpegPictureVerdictTest::harmlessWarningsKeepEdgePictures()
{
    verifyListedAsIntact();
}

void JpegPictureVerdictTest::harmlessWarningsKeepPhotos_data()
{
    QTest::addColumn<QByteArray>("intact");
    QTest::addColumn<QByteArray>("input");

    // Photos whose objects' outlines meet the borders of MCUs near the
    // picture's top and left edges, where a damaged stretch leaves its
    // marks too.
    struct Photo {
        int width;
        int height;
        quint32 seed;
        QStringList encoder;
    };
    const QList<Photo> photos = {{1024, 768, 221732, {"-quality", "60"}},
                                 {800, 600, 7919, {"-quality", "92"}},
                                 {1600, 1200, 15838, {"-quality", "85", "-optimize"}},
                                 {640, 480, 23757, {"-quality", "95", "-sample", "2x1"}},
                                 {1200, 1600, 31676, {"-quality", "90", "-sample", "1x2"}}};
    for (const Photo& photo : photos) {
        const QByteArray intact = fixture::cjpegJpeg(fixture::photoPicture(photo.width, photo.height, photo.seed),
                                                     photo.encoder);
        QTest::addRow("%d x %d, seed %u, extraneous bytes before the end", photo.width, photo.height, photo.seed)
            << intact << withBytesBeforeEnd(intact, QByteArray(37, '\x5A'));
    }
    // Blown highlights and crushed shadows: blocks at the ends of the range
    // in every channel, coded within it.
    const QByteArray overexposed = fixture::cjpegJpeg(contrasted(fixture::photoPicture(800, 600, 5)), {});
    QTest::newRow("over-exposed, extraneous bytes before the end")
        << overexposed << withBytesBeforeEnd(overexposed, QByteArray(37, '\x5A'));
    // Restart intervals of a row, as cameras write them.
    for (const QStringList& encoder : {QStringList{"-quality", "92", "-restart", "1"},
                                       QStringList{"-quality", "90", "-sample", "2x1", "-restart", "1"}}) {
        const QByteArray intact = fixture::cjpegJpeg(fixture::photoPicture(1600, 1200, 12), encoder);
        QTest::addRow("%s, restart markers renumbered", qPrintable(encoder.join(' ')))
            << intact << withRestartsRenumbered(intact);
        QTest::addRow("%s, extraneous bytes before the end", qPrintable(encoder.join(' ')))
            << intact << withBytesBeforeEnd(intact, QByteArray(37, '\x5A'));
    }
}

// A harmless warning on a photo: its texture and outlines are no damage.
void JpegPictureVerdictTest::harmlessWarningsKeepPhotos()
{
    verifyListedAsIntact();
}

void JpegPictureVerdictTest::smallDamagedPicturesAreNeverRepaired_data()
{
    QTest::addColumn<QByteArray>("intact");
    QTest::addColumn<QByteArray>("input");

    for (const QSize size : {QSize(96, 64), QSize(160, 120), QSize(240, 160)}) {
        const QByteArray photo = fixture::cjpegJpeg(fixture::photoPicture(size.width(), size.height(), 11), {});
        QTest::addRow("%d x %d, stray marker", size.width(), size.height())
            << photo << withStrayMarker(photo);
        for (quint32 seed : {1u, 3u}) {
            QTest::addRow("%d x %d, byte overwritten, seed %u", size.width(), size.height(), seed)
                << photo << fixture::withScanDamage(photo, fixture::ScanDamage::ByteOverwrite, seed);
        }
    }
    // Too small for any measure: the damage reported cannot be ruled out.
    const QByteArray tiny = fixture::realJpeg(48, 32, 90);
    QTest::newRow("48 x 32, extraneous bytes before the end")
        << QByteArray() << withBytesBeforeEnd(tiny, "\x12\x34");
}

// A small picture is judged at full size, where its borders are enough to
// show a break; one too small for that fails when damage was reported.
// None is listed below the quality a repaired photo has.
void JpegPictureVerdictTest::smallDamagedPicturesAreNeverRepaired()
{
    QFETCH(QByteArray, intact);
    QFETCH(QByteArray, input);
    QVERIFY(input != intact);

    const QImage output = listed(input);

    if (intact.isEmpty()) {
        QVERIFY2(output.isNull(), "a picture too small to judge was listed with damage reported");
        return;
    }
    if (!output.isNull()) {
        const double quality = fixture::psnr(output, decode(intact));
        QVERIFY2(quality >= kListedQuality, qPrintable(QString("listed at %1 dB").arg(quality)));
    }
}

void JpegPictureVerdictTest::damagedScanDataIsNeverListedPoor_data()
{
    QTest::addColumn<QByteArray>("intact");
    QTest::addColumn<QByteArray>("input");

    // A camera-like photo, damaged where its decode breaks: the decoder
    // falls out of step and the remainder is shifted or changed in level,
    // with or without a warning.
    const QByteArray photo = fixture::cjpegJpeg(fixture::photoPicture(640, 480, 7), {"-quality", "92"});
    using fixture::ScanDamage;
    const QList<QPair<ScanDamage, quint32>> damages = {
        {ScanDamage::BitFlip, 4},        {ScanDamage::ByteOverwrite, 6},  {ScanDamage::ByteOverwrite, 12},
        {ScanDamage::BitFlip, 16},       {ScanDamage::BitFlip, 34},       {ScanDamage::ByteOverwrite, 22},
        {ScanDamage::BitFlip, 52},       {ScanDamage::ByteOverwrite, 58}};
    for (const auto& damage : damages) {
        QTest::addRow("%s, seed %u", damage.first == ScanDamage::BitFlip ? "bit flipped" : "byte overwritten",
                      damage.second)
            << photo << fixture::withScanDamage(photo, damage.first, damage.second);
    }
    // Breaks of every kind a damaged stretch leaves in camera-like photos
    // (plain, optimised tables, 4:2:2), each listed below 30 dB once.
    struct Break {
        const char* kind;
        QSize size;
        quint32 picture;
        QStringList encoder;
        ScanDamage damage;
        quint32 seed;
        int grain = 0; // amplitude of the grain added to the picture, and its seed
        quint32 grainSeed = 0;
    };
    const QStringList plain = {"-quality", "92"};
    const QStringList optimised = {"-quality", "85", "-optimize"};
    const QStringList sampled = {"-quality", "95", "-sample", "2x1"};
    const QStringList plainRestarts = {"-quality", "92", "-restart", "1"};
    const QStringList sampledRestarts = {"-quality", "95", "-sample", "2x1", "-restart", "1"};
    const QSize small(800, 600);
    const QSize medium(1024, 768);
    const QSize large(1600, 1200);
    const QList<Break> breaks = {
        {"a few MCUs garbled after the break", small, 2, optimised, ScanDamage::ByteOverwrite, 1025},
        {"garbled MCUs, parts of unlike jumps", small, 5, optimised, ScanDamage::ByteOverwrite, 4017},
        {"silent, a row changed in level from its start", small, 2, optimised, ScanDamage::ByteOverwrite, 1011},
        {"silent, a row changed in level after the row above ended", small, 11, optimised,
         ScanDamage::ByteOverwrite, 10021},
        {"silent, a row changed in level, a colour pushed past its range", large, 13, plain, ScanDamage::BitFlip,
         12018},
        {"silent, a row changed in level, the rest flat in a colour", medium, 13, plain, ScanDamage::ByteOverwrite,
         12027},
        {"silent, a row changed in level, the rest flat in a colour, 4:2:2", medium, 3, sampled,
         ScanDamage::ByteOverwrite, 2007},
        {"silent, a break in the first row", small, 6, sampled, ScanDamage::BitFlip, 5012},
        {"silent, a break in the first row, optimised tables", small, 11, optimised, ScanDamage::BitFlip, 10026},
        {"an MCU made up, the rest one MCU on", small, 9, sampled, ScanDamage::BitFlip, 8022},
        {"an MCU made up, reported as extraneous bytes", small, 2, optimised, ScanDamage::BitFlip, 1008},
        {"an MCU made up, little change of level", small, 7, plain, ScanDamage::ByteOverwrite, 6035},
        {"silent, a small change of level", small, 8, optimised, ScanDamage::BitFlip, 7022},
        {"silent, the rest pushed past the range", small, 7, plain, ScanDamage::ByteOverwrite, 6023},
        {"silent, the rest pushed past the range, 4:2:2", small, 12, sampled, ScanDamage::BitFlip, 11018},
        {"silent, the rest of a large photo pushed past the range", large, 4, plain, ScanDamage::BitFlip, 3016},
        {"the rest four MCUs on and pushed past the range", small, 6, sampled, ScanDamage::BitFlip, 5030},
        {"restart intervals, silent, a stripe to the interval's end", small, 1, plainRestarts, ScanDamage::BitFlip, 6},
        {"restart intervals, silent, a garbled stripe", small, 4, plainRestarts, ScanDamage::ByteOverwrite, 3017},
        {"restart intervals, a stripe, extraneous bytes", small, 4, plainRestarts, ScanDamage::BitFlip, 3018},
        {"restart intervals, 4:2:2, a stripe", small, 3, sampledRestarts, ScanDamage::ByteOverwrite, 2013},
        {"grainy, an MCU made up in the first row, every row one MCU on", small, 12, sampled,
         ScanDamage::ByteOverwrite, 11017, 9, 344712},
        {"grainy, an MCU made up in the first row, optimised tables", small, 5, optimised, ScanDamage::ByteOverwrite,
         4023, 6, 125353}};
    for (const Break& b : breaks) {
        QImage picture = fixture::photoPicture(b.size.width(), b.size.height(), b.picture);
        if (b.grain > 0)
            picture = fixture::withGrain(picture, b.grain, b.grainSeed);
        const QByteArray camera = fixture::cjpegJpeg(picture, b.encoder);
        QTest::addRow("%s", b.kind) << camera << fixture::withScanDamage(camera, b.damage, b.seed);
    }
}

// Damaged scan data, reported by the decoder or silent, fails the row or
// comes out close to the photo.
void JpegPictureVerdictTest::damagedScanDataIsNeverListedPoor()
{
    QFETCH(QByteArray, intact);
    QFETCH(QByteArray, input);
    QVERIFY(input != intact);

    const QImage output = listed(input);

    if (!output.isNull()) {
        const double quality = fixture::psnr(output, decode(intact));
        QVERIFY2(quality >= kListedQuality, qPrintable(QString("listed at %1 dB").arg(quality)));
    }
}

// A healthy progressive photo with full colour at the pixel limit: its
// coefficients, which the decoder keeps whole, need more than the 320 MB a
// frame may always take, its decode more than the 2 s of CPU time, and its
// data is large enough to be a photo.
void JpegPictureVerdictTest::largeProgressiveFullColourPhotoIsListed()
{
    QByteArray input;
    {
        const QImage tile = fixture::photoPicture(512, 512, 9);
        QImage picture(11584, 11584, QImage::Format_RGB32);
        QPainter painter(&picture);
        for (int y = 0; y < picture.height(); y += tile.height()) {
            for (int x = 0; x < picture.width(); x += tile.width())
                painter.drawImage(x, y, tile);
        }
        painter.end();
        input = fixture::cjpegJpeg(picture, {"-progressive", "-sample", "1x1", "-quality", "90"});
    }
    QVERIFY(!input.isEmpty());

    repairFile(putFile(m_inputs, "photo.jpg", input));

    QCOMPARE(g_state.producedFiles, QStringList({"/photo.jpg"}));
    QCOMPARE(readFileBytes(m_work + "/photo.jpg"), input);
}

QTEST_MAIN(JpegPictureVerdictTest)
#include "tst_jpeg_picture_verdict.moc"
