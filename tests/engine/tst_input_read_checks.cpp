// An input that shrinks while the engine reads it: the reads that miss bytes
// are counted, and no output built from them is kept or listed, for JPEG,
// RAW and HEIC alike; the file fails.
#include "file_open.h"
#include "file_window.h"
#include "global_state.h"
#include "heic/heic_writer.h"
#include "heic_run.h"
#include "jpeg_fixture.h"
#include "jpg_repair.h"
#include "raw/preview_writer.h"
#include "raw/raw_input.h"
#include "repair_run.h"
#include "temp_file.h"
#include "temp_folder.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <unistd.h>

namespace {

bool cutFile(const QString& path, qint64 size)
{
    return ::truncate(QFile::encodeName(path).constData(), size) == 0;
}

} // namespace

class InputReadChecksTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void fileWindowCountsMissingBytes_data();
    void fileWindowCountsMissingBytes();
    void readAtCountsMissingBytesOfTheInput();
    void rawPreviewOfCutInputIsNotKept_data();
    void rawPreviewOfCutInputIsNotKept();
    void heicOfInputCutBeforeTheCopyIsNotKept();
    void heicCopyStopsAtMissingBytes();
};

void InputReadChecksTest::init()
{
    g_state.fileFailed = 0;
    g_state.producedFiles.clear();
    g_state.stopRequested = 0;
}

void InputReadChecksTest::fileWindowCountsMissingBytes_data()
{
    QTest::addColumn<qint64>("cutTo");  // -1: not cut
    QTest::addColumn<qint64>("readAt");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("counted");
    QTest::newRow("whole file, not cut") << qint64(-1) << qint64(0) << 300000 << false;
    QTest::newRow("past the end, not cut") << qint64(-1) << qint64(190000) << 50000 << false;
    QTest::newRow("cut to nothing") << qint64(0) << qint64(0) << 16 << true;
    QTest::newRow("cut in the middle, small read") << qint64(100000) << qint64(150000) << 16 << true;
    QTest::newRow("cut in the middle, large read") << qint64(100000) << qint64(0) << 200000 << true;
    QTest::newRow("cut, read before the cut") << qint64(100000) << qint64(10) << 16 << false;
}

void InputReadChecksTest::fileWindowCountsMissingBytes()
{
    QFETCH(qint64, cutTo);
    QFETCH(qint64, readAt);
    QFETCH(int, length);
    QFETCH(bool, counted);
    const QString path = QDir::tempPath() + "/window.bin";
    QVERIFY(writeFileBytes(path, QByteArray(200000, '\x5A')));
    FILE* file = platform::openFile(path, "rb");
    QVERIFY(file);
    FileWindow window(file);
    if (cutTo >= 0)
        QVERIFY(cutFile(path, cutTo));
    const quint64 before = shortReadCount();
    QByteArray bytes(length, '\0');
    window.read(readAt, bytes.data(), std::size_t(length));
    QCOMPARE(shortReadCount() != before, counted);
    std::fclose(file);
}

void InputReadChecksTest::readAtCountsMissingBytesOfTheInput()
{
    const QString path = QDir::tempPath() + "/input.jpg";
    QVERIFY(writeFileBytes(path, fixture::realJpeg(64, 48)));
    g_state.inputFile = platform::openFile(path, "rb");
    QVERIFY(g_state.inputFile);
    g_state.inputFileSize = jpg_repair::FileSize(g_state.inputFile);
    quint8 header[71];
    quint64 before = shortReadCount();
    jpg_repair::ReadAt(g_state.inputFile, quint64(g_state.inputFileSize - 10), header, sizeof header);
    QCOMPARE(shortReadCount(), before); // past the end of an unchanged file: zeros, no loss
    QVERIFY(cutFile(path, 20));
    before = shortReadCount();
    jpg_repair::ReadAt(g_state.inputFile, 30, header, sizeof header);
    QVERIFY2(shortReadCount() != before, "a read of bytes the input held before it was cut");
    std::fclose(g_state.inputFile);
    g_state.inputFile = nullptr;
}

void InputReadChecksTest::rawPreviewOfCutInputIsNotKept_data()
{
    QTest::addColumn<qint64>("cutTo");
    QTest::newRow("cut to nothing") << qint64(0);
    QTest::newRow("cut inside the preview") << qint64(1500);
}

// The preview lies behind 1024 bytes of the container; the file is cut after
// the extractor measured it and before the preview is copied.
void InputReadChecksTest::rawPreviewOfCutInputIsNotKept()
{
    QFETCH(qint64, cutTo);
    const QString work = repairrun::prepareWorkFolder();
    const QByteArray preview = fixture::realJpeg(160, 120);
    const QString path = QDir::tempPath() + "/IMG_7.CR3";
    QVERIFY(writeFileBytes(path, QByteArray(1024, '\x01') + preview));
    RawInput input;
    QVERIFY(input.open(path));
    QVERIFY(cutFile(path, cutTo));

    PreviewImage image;
    image.offset = 1024;
    image.length = quint32(preview.size());
    QVERIFY(!PreviewWriter(path).writeAndList(input, image, 1));
    QCOMPARE(g_state.producedFiles, QStringList());
    QCOMPARE(repairrun::filesBelow(work), QStringList());
    QCOMPARE(g_state.fileFailed, 1);
}

// The check and the rebuild read the whole file; it is cut before the image
// data is copied: the rebuilt container is removed, nothing is listed.
void InputReadChecksTest::heicOfInputCutBeforeTheCopyIsNotKept()
{
    resetHeicTestState();
    const HeicFixture source = buildHeicFixture(idrSliceRecipe(HeicBoxLayout::MetaFirst, 48, 52));
    const QString path = writeHeicFixture(QStringLiteral("cut.HEIC"), source.bytes);
    jpg_repair repair;
    QVERIFY(repair.CheckHeic(path) != 0);
    const QString name = repair.RebuildHeic(path);
    QVERIFY(!name.isEmpty());
    QVERIFY(cutFile(path, source.bytes.size() / 2));
    QVERIFY(!repair.CopyHevcData(name));
    QCOMPARE(g_state.producedFiles, QStringList());
    QCOMPARE(repairrun::filesBelow(heicOutputFolder()), QStringList());
    QCOMPARE(g_state.fileFailed, 1);
}

// The copy of the image data meets bytes that the file no longer holds: it
// writes nothing of them and fails.
void InputReadChecksTest::heicCopyStopsAtMissingBytes()
{
    const QString path = QDir::tempPath() + "/data.bin";
    QVERIFY(writeFileBytes(path, QByteArray(300000, '\x33')));
    const QString outPath = QDir::tempPath() + "/copy.bin";
    FILE* in = platform::openFile(path, "rb");
    FILE* out = platform::openFile(outPath, "wb+");
    QVERIFY(in && out);
    FileWindow window(in);
    QVERIFY(cutFile(path, 1000));
    HeicWriter writer(out);
    writer.copyRange(window, 0, 300000);
    QVERIFY(!writer.ok());
    QVERIFY(writer.written() < 300000);
    QCOMPARE(g_state.fileFailed, 1);
    std::fclose(in);
    std::fclose(out);
    QFile::remove(outPath);
}

QTEST_MAIN(InputReadChecksTest)
#include "tst_input_read_checks.moc"
