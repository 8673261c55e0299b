// What the repair keeps of a photo: frames of every kind it repairs written
// as they are, the photo's EXIF block and XMP packet, and scan data that goes
// on past marker pairs a card's damage put into it. Checked on real files
// with the real decoder (djpeg) and exiftool.
#include "exif_fixture.h"
#include "global_state.h"
#include "jpeg_fixture.h"
#include "jpg_repair.h"
#include "repair_run.h"
#include "temp_file.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace repairrun;

namespace {

constexpr int kToolTimeoutMs = 60000;

// Runs a tool to its end (bounded) and returns its standard output.
QByteArray runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished(kToolTimeoutMs);
        qWarning() << "timed out waiting for" << program << arguments;
        return QByteArray();
    }
    return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray();
}

// The image as the JPEG library's own command-line decoder reads it (PPM or
// PGM bytes); empty when it does not decode.
QByteArray djpegPixels(const QString& path)
{
    return runTool("djpeg", {path});
}

// Tag values of a file as exiftool reads them: Orientation (as a number),
// Make, Model, DateTimeOriginal and the XMP title, "-" where absent.
QStringList describedAs(const QString& path)
{
    const QByteArray out = runTool(
        "exiftool", {"-s", "-s", "-s", "-n", "-f", "-Orientation", "-Make", "-Model",
                     "-DateTimeOriginal", "-XMP-dc:Title", path});
    return QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts);
}

// The JPEG after exiftool wrote these arguments into it.
QByteArray describedBy(const QByteArray& jpeg, const QStringList& arguments)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("photo.jpg");
    writeFileBytes(path, jpeg);
    runTool("exiftool", QStringList({"-q", "-overwrite_original"}) + arguments + QStringList({path}));
    return readFileBytes(path);
}

const QStringList kDescription = {"-Orientation#=6", "-Make=Velmora Test", "-Model=Bench One",
                                  "-DateTimeOriginal=2024:05:17 09:41:07"};

// Offset of the pair FF code, or -1.
int pairOffset(const QByteArray& jpeg, quint8 code)
{
    return jpeg.indexOf(QByteArray(1, char(0xFF)) + char(code));
}

} // namespace

class JpegRepairKeepsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void frameKindsAreWrittenAsTheyAre_data();
    void frameKindsAreWrittenAsTheyAre();
    void photoDescriptionIsKept_data();
    void photoDescriptionIsKept();
    void descriptionSurvivesSalvage_data();
    void descriptionSurvivesSalvage();
    void cardDamageInScanDataIsSteppedOver();

private:
    QString m_work;
    QString m_inputs;
};

void JpegRepairKeepsTest::init()
{
    resetRun();
    m_work = prepareWorkFolder();
    m_inputs = QDir::tempPath() + "/inputs";
    QDir().mkpath(m_inputs);
}

void JpegRepairKeepsTest::cleanup()
{
    resetRun();
    QDir(m_work).removeRecursively();
    QDir(m_inputs).removeRecursively();
}

void JpegRepairKeepsTest::frameKindsAreWrittenAsTheyAre_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("frame"); // its marker code

    const QImage picture = fixture::testPicture(320, 240);
    QTest::newRow("arithmetic coded, sequential")
        << fixture::cjpegJpeg(picture, {"-arithmetic"}) << 0xC9;
    QTest::newRow("arithmetic coded, progressive")
        << fixture::cjpegJpeg(picture, {"-arithmetic", "-progressive"}) << 0xCA;
    QTest::newRow("arithmetic coded with restart intervals")
        << fixture::cjpegJpeg(picture, {"-arithmetic", "-restart", "2"}) << 0xC9;
    QTest::newRow("extended sequential, 16-bit tables")
        << fixture::extendedSequentialJpeg(320, 240) << 0xC1;
}

// A healthy photo of each kind passes the order check and comes out with
// its own frame header and conditioning, decoding to the same pixels.
void JpegRepairKeepsTest::frameKindsAreWrittenAsTheyAre()
{
    QFETCH(QByteArray, input);
    QFETCH(int, frame);
    QVERIFY(!input.isEmpty());
    QVERIFY(pairOffset(input, quint8(frame)) > 0);
    const QString path = putFile(m_inputs, "kind.jpg", input);

    repairFile(path);

    QCOMPARE(g_state.invalidFileCount, 0);
    QCOMPARE(g_state.producedFiles, QStringList({"/kind.jpg"}));
    const QByteArray output = readFileBytes(m_work + "/kind.jpg");
    QVERIFY(pairOffset(output, quint8(frame)) > 0);
    QCOMPARE(output.count(QByteArray("\xFF\xCC", 2)), input.count(QByteArray("\xFF\xCC", 2)));
    const QByteArray pixels = djpegPixels(m_work + "/kind.jpg");
    QVERIFY(!pixels.isEmpty());
    QCOMPARE(pixels, djpegPixels(path));
}

void JpegRepairKeepsTest::photoDescriptionIsKept_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("description");
    QTest::addColumn<bool>("thumbnail"); // its EXIF thumbnail comes out as well

    const QByteArray photo = fixture::realJpeg(320, 240, 85);
    const QByteArray thumbnail = fixture::realJpeg(160, 120, 80);
    QTemporaryDir dir;
    const QString thumbnailPath = dir.filePath("thumbnail.jpg");
    writeFileBytes(thumbnailPath, thumbnail);
    const QStringList described = {"6", "Velmora Test", "Bench One", "2024:05:17 09:41:07", "-"};

    const QByteArray exif = describedBy(photo, kDescription);
    QTest::newRow("EXIF with orientation, camera and date") << exif << described << false;
    QTest::newRow("EXIF with its thumbnail")
        << describedBy(exif, {"-ThumbnailImage<=" + thumbnailPath}) << described << true;
    QTest::newRow("XMP packet")
        << describedBy(photo, {"-XMP-dc:Title=Harbour at dawn"})
        << QStringList({"-", "-", "-", "-", "Harbour at dawn"}) << false;

    // A damaged TIFF header: the EXIF block is left out, the photo is not.
    QByteArray broken = exif;
    const int tiff = broken.indexOf(QByteArray("Exif\0\0", 6)) + 6;
    broken[tiff + 2] = char(0x2B);
    broken[tiff + 3] = char(0x2B);
    QTest::newRow("EXIF with a damaged TIFF header")
        << broken << QStringList({"-", "-", "-", "-", "-"}) << false;
    // A first IFD that lies past the end of the segment.
    QByteArray pastEnd = fixture::withExifThumbnail(photo, QByteArray(8, '\x01'));
    pastEnd[2 + 4 + 6 + 6] = char(0x10);
    QTest::newRow("EXIF whose first IFD lies past the segment")
        << pastEnd << QStringList({"-", "-", "-", "-", "-"}) << false;
}

// A well-formed EXIF block or XMP packet is copied as read, so the date, the
// camera and the orientation survive; a damaged one is left out.
void JpegRepairKeepsTest::photoDescriptionIsKept()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, description);
    QFETCH(bool, thumbnail);
    const QString path = putFile(m_inputs, "described.jpg", input);

    repairFile(path);

    QStringList produced({"/described.jpg"});
    if (thumbnail)
        produced << "/described_[T1].jpg";
    QCOMPARE(g_state.producedFiles, produced);
    const QString output = m_work + "/described.jpg";
    QCOMPARE(describedAs(output), description);
    QCOMPARE(decodeFile(output), decode(fixture::realJpeg(320, 240, 85)));
    if (thumbnail) {
        QCOMPARE(decodeFile(m_work + "/Thumbnail Repaired/described_[T1].jpg"),
                 decode(fixture::realJpeg(160, 120, 80)));
    }
}

void JpegRepairKeepsTest::descriptionSurvivesSalvage_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("wiped"); // bytes zeroed from the start
    QTest::addColumn<QStringList>("description");

    const QByteArray photo = fixture::realJpeg(320, 240, 85);
    const QStringList described = {"6", "Velmora Test", "Bench One", "2024:05:17 09:41:07", "-"};
    const QByteArray exif = describedBy(photo, kDescription);
    QTest::newRow("EXIF, start wiped") << exif << 2 << described;
    QTest::newRow("EXIF and XMP, start wiped")
        << describedBy(exif, {"-XMP-dc:Title=Harbour at dawn"}) << 2
        << QStringList({"6", "Velmora Test", "Bench One", "2024:05:17 09:41:07", "Harbour at dawn"});
    // The JFIF header is lost with the start; the EXIF block behind it stays.
    QTest::newRow("EXIF, start and JFIF header wiped") << exif << 6 << described;

    QByteArray broken = exif;
    const int tiff = broken.indexOf(QByteArray("Exif\0\0", 6)) + 6;
    broken[tiff + 2] = char(0x2B);
    QTest::newRow("EXIF with a damaged TIFF header, start wiped")
        << broken << 2 << QStringList({"-", "-", "-", "-", "-"});
}

// A photo that lost its start is salvaged with its own EXIF block and XMP
// packet, so its date, camera and orientation survive as in the ordinary
// repair.
void JpegRepairKeepsTest::descriptionSurvivesSalvage()
{
    QFETCH(QByteArray, input);
    QFETCH(int, wiped);
    QFETCH(QStringList, description);
    input.replace(0, wiped, QByteArray(wiped, '\0'));
    const QString path = putFile(m_inputs, "wiped.jpg", input);

    repairFile(path);
    QCOMPARE(g_state.invalidFileCount, 1);
    QVERIFY2(jpg_repair().SalvageJpeg(path), "the photo is not salvaged");

    QCOMPARE(g_state.producedFiles, QStringList({"/wiped.jpg"}));
    const QString output = m_work + "/wiped.jpg";
    QCOMPARE(describedAs(output), description);
    const QByteArray pixels = djpegPixels(output);
    QVERIFY2(!pixels.isEmpty(), "djpeg does not decode the salvaged photo");
    QCOMPARE(pixels, djpegPixels(putFile(m_inputs, "photo.jpg", fixture::realJpeg(320, 240, 85))));
}

// Zero bytes of the scan data that a card turned into FF form FF FF and an
// FF followed by a frame marker code, pairs that cannot stand in scan data.
// They are neutralised as the zeros they were, so the photo comes back
// whole instead of ending there.
void JpegRepairKeepsTest::cardDamageInScanDataIsSteppedOver()
{
    QByteArray photo;
    const QByteArray damaged = fixture::cardDamagedJpeg(&photo);
    QVERIFY2(!damaged.isEmpty(), "no 00 00 before a marker code in the test photos' scan data");
    const QString path = putFile(m_inputs, "card.jpg", damaged);

    repairFile(path);

    QCOMPARE(g_state.invalidFileCount, 0);
    QCOMPARE(g_state.producedFiles, QStringList({"/card.jpg"}));
    QCOMPARE(readFileBytes(m_work + "/card.jpg"), photo);
}

QTEST_MAIN(JpegRepairKeepsTest)
#include "tst_jpeg_repair_keeps.moc"
