// A whole per-file run whose input is cut while it runs, at exact points of
// the run (the first read, the open of a later stage, a read of the salvage
// that follows an invalid JPEG): the file fails, no output is left in the
// work folder and none is listed, for JPEG, RAW and HEIC alike. The same run
// on the uncut file lists its output.
#include "cut_at_access.h"
#include "global_state.h"
#include "heic_photo.h"
#include "heic_run.h"
#include "jpeg_fixture.h"
#include "jpg_repair.h"
#include "raw_fixture.h"
#include "repair_run.h"
#include "temp_file.h"
#include "temp_folder.h"

#include <QDir>
#include <QtTest>

Q_DECLARE_METATYPE(CutAtAccess::Access)

namespace {

const QByteArray& jpegInput()
{
    static const QByteArray bytes = fixture::realJpeg(640, 480);
    return bytes;
}

// A photo whose start-of-image marker is wiped: the repair finds it invalid
// and the run salvages it.
QByteArray withoutImageStart(QByteArray jpeg)
{
    jpeg[0] = 0;
    jpeg[1] = 0;
    return jpeg;
}

// The preview lies behind more filler than one scan of the file reads, so
// the extractor reads the file in several steps before it copies it.
constexpr int kRawFiller = 300000;

const QByteArray& rawPreviewJpeg()
{
    static const QByteArray bytes = fixtureJpeg(JpegStart::Quantization, 1, 320, 240);
    return bytes;
}

const QByteArray& rawInput()
{
    static const QByteArray bytes = QByteArray(kRawFiller, '\x5A') + rawPreviewJpeg() + QByteArray(24, '\x5A');
    return bytes;
}

const HeicPhoto& heicInput()
{
    static const HeicPhoto photo = makeHeicPhoto(HeicBoxLayout::MetaFirst, 0);
    return photo;
}

void addCutColumns()
{
    QTest::addColumn<CutAtAccess::Access>("access");
    QTest::addColumn<int>("ordinal"); // 0: the file is not cut
    QTest::addColumn<qint64>("cutTo");
}

// What a cut run must leave: a failed file, nothing listed, nothing written.
void verifyFailedWithoutOutput(const CutAtAccess& cutter, bool failed, const QString& outputFolder)
{
    QVERIFY2(cutter.cutMade(), "the run reached the access at which the file is cut");
    QVERIFY2(failed, "the file whose input was cut counts as failed");
    QCOMPARE(g_state.producedFiles, QStringList());
    QCOMPARE(repairrun::filesBelow(outputFolder), QStringList());
}

} // namespace

// Starts the cutter, or skips the test where files cannot be watched.
#define START_CUTTER(cutter)                                                                         \
    do {                                                                                              \
        const QString why = (cutter).start();                                                         \
        if (!why.isEmpty())                                                                           \
            QSKIP(qPrintable("watching a file's accesses needs root (CI runs as root): " + why));   \
    } while (false)

class InputCutDuringRunTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void jpegRepair_data();
    void jpegRepair();
    void rawPreview_data();
    void rawPreview();
    void heicRebuild_data();
    void heicRebuild();
};

void InputCutDuringRunTest::init()
{
    QDir(platform::tempFolder() + "/RepairedFiles").removeRecursively();
    repairrun::resetRun();
    g_state.fileFailed = 0;
}

void InputCutDuringRunTest::cleanup()
{
    repairrun::resetRun();
}

void InputCutDuringRunTest::jpegRepair_data()
{
    QTest::addColumn<QByteArray>("input");
    addCutColumns();
    const QByteArray& photo = jpegInput();
    const qint64 half = photo.size() / 2;
    QTest::newRow("not cut") << photo << CutAtAccess::Read << 0 << qint64(0);
    QTest::newRow("cut to nothing at the first read") << photo << CutAtAccess::Read << 1 << qint64(0);
    QTest::newRow("cut in half at the first read") << photo << CutAtAccess::Read << 1 << half;
    QTest::newRow("cut in half when the save opens it") << photo << CutAtAccess::Open << 2 << half;
    QTest::newRow("cut to nothing when the save opens it") << photo << CutAtAccess::Open << 2 << qint64(0);
    // The repair reads the invalid photo 6 times before the salvage opens it.
    const QByteArray invalid = withoutImageStart(photo);
    QTest::newRow("invalid, not cut") << invalid << CutAtAccess::Read << 0 << qint64(0);
    QTest::newRow("invalid, cut in half at the first read") << invalid << CutAtAccess::Read << 1 << half;
    QTest::newRow("invalid, cut in half at the salvage's first read") << invalid << CutAtAccess::Read << 7 << half;
    QTest::newRow("invalid, cut to nothing at the salvage's first read") << invalid << CutAtAccess::Read << 7 << qint64(0);
    QTest::newRow("invalid, cut in half at the salvage's second read") << invalid << CutAtAccess::Read << 8 << half;
}

void InputCutDuringRunTest::jpegRepair()
{
    QFETCH(QByteArray, input);
    QFETCH(CutAtAccess::Access, access);
    QFETCH(int, ordinal);
    QFETCH(qint64, cutTo);
    const QString work = repairrun::prepareWorkFolder();
    const QString path = repairrun::putFile(QDir::tempPath() + "/inputs", "cut.jpg", input);
    CutAtAccess cutter(path, access, ordinal, cutTo);
    START_CUTTER(cutter);
    repairrun::repairFile(path);
    // A file the repair found invalid is salvaged next, as the normal run does.
    const bool salvageFailed = g_state.invalidFileCount == 1 && !jpg_repair().SalvageJpeg(path);
    cutter.stop();
    if (ordinal == 0) {
        QCOMPARE(g_state.fileFailed, 0);
        QCOMPARE(g_state.producedFiles, QStringList{"/cut.jpg"});
        return;
    }
    verifyFailedWithoutOutput(cutter, g_state.fileFailed == 1 || salvageFailed, work);
}

void InputCutDuringRunTest::rawPreview_data()
{
    addCutColumns();
    const qint64 insidePreview = kRawFiller + rawPreviewJpeg().size() / 2;
    QTest::newRow("not cut") << CutAtAccess::Read << 0 << qint64(0);
    QTest::newRow("cut to nothing at the first read") << CutAtAccess::Read << 1 << qint64(0);
    QTest::newRow("cut inside the preview at the first read") << CutAtAccess::Read << 1 << insidePreview;
    QTest::newRow("cut inside the preview at the second read") << CutAtAccess::Read << 2 << insidePreview;
}

void InputCutDuringRunTest::rawPreview()
{
    QFETCH(CutAtAccess::Access, access);
    QFETCH(int, ordinal);
    QFETCH(qint64, cutTo);
    const QString work = repairrun::prepareWorkFolder();
    const QString path = repairrun::putFile(QDir::tempPath() + "/inputs", "CUT.BAY", rawInput());
    CutAtAccess cutter(path, access, ordinal, cutTo);
    START_CUTTER(cutter);
    repairrun::repairFile(path);
    cutter.stop();
    if (ordinal == 0) {
        QCOMPARE(g_state.fileFailed, 0);
        QCOMPARE(g_state.producedFiles, QStringList{"CUT_1.jpg"});
        return;
    }
    verifyFailedWithoutOutput(cutter, g_state.fileFailed == 1, work);
}

void InputCutDuringRunTest::heicRebuild_data()
{
    addCutColumns();
    const qint64 half = heicInput().bytes.size() / 2;
    QTest::newRow("not cut") << CutAtAccess::Read << 0 << qint64(0);
    QTest::newRow("cut to nothing at the first read") << CutAtAccess::Read << 1 << qint64(0);
    // The check reads this fixture 10 times, the rebuild 10 times more, the
    // copy of the image data 3 times: its tail, the whole file, and the end
    // of the file (a read that finds nothing more, after which a cut takes
    // away no byte that the copy needs).
    QTest::newRow("cut in half at the rebuild's first read") << CutAtAccess::Read << 11 << half;
    QTest::newRow("cut in half at the copy's first read") << CutAtAccess::Read << 21 << half;
    QTest::newRow("cut to nothing at the copy's read of the whole file") << CutAtAccess::Read << 22 << qint64(0);
}

// The steps the normal run takes for a HEIC file, in its order.
void InputCutDuringRunTest::heicRebuild()
{
    QFETCH(CutAtAccess::Access, access);
    QFETCH(int, ordinal);
    QFETCH(qint64, cutTo);
    QVERIFY2(!heicInput().bytes.isEmpty(), qPrintable(heicInput().error));
    resetHeicTestState();
    const QString path = writeHeicFixture(QStringLiteral("cut.HEIC"), heicInput().bytes);
    QVERIFY(!path.isEmpty());
    CutAtAccess cutter(path, access, ordinal, cutTo);
    START_CUTTER(cutter);
    jpg_repair repair;
    const bool rebuilt = repair.CheckHeic(path) != 0 && repair.CopyHevcData(repair.RebuildHeic(path));
    cutter.stop();
    if (ordinal == 0) {
        QVERIFY(rebuilt);
        QCOMPARE(g_state.producedFiles.size(), 1);
        return;
    }
    verifyFailedWithoutOutput(cutter, !rebuilt, heicOutputFolder());
}

QTEST_MAIN(InputCutDuringRunTest)
#include "tst_input_cut_during_run.moc"
