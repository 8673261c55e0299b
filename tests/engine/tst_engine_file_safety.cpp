// The engine's handling of files and disks: its private scratch folder,
// writes that fail part-way, inputs that are not regular files, one input
// that holds a great many images, and names at the file system's limits.
#include "exif_fixture.h"
#include "file_size_limit.h"
#include "global_state.h"
#include "jpeg_fixture.h"
#include "jpg_repair.h"
#include "raw_fixture.h"
#include "repair_run.h"
#include "scratch_folder.h"
#include "temp_file.h"
#include "temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <thread>
#include <unistd.h>

using namespace repairrun;

namespace {

QByteArray thumbnailJpeg()
{
    return fixture::realJpeg(160, 120, 80);
}

QByteArray photoWithThumbnail()
{
    return fixture::withExifThumbnail(fixture::realJpeg(320, 240, 85), thumbnailJpeg());
}

// Every file below the work folder with its bytes.
QMap<QString, QByteArray> workFiles(const QString& work)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : filesBelow(work))
        files.insert(name, readFileBytes(work + "/" + name));
    return files;
}

// Runs work on a thread and waits at most 20 s for it. When it has not
// finished by then (an open waiting on a pipe), the pipe's other end is
// opened so the thread can end, and false is returned.
bool finishesInTime(const std::function<void()>& work, const QString& pipe)
{
    std::packaged_task<void()> task(work);
    std::future<void> done = task.get_future();
    std::thread thread(std::move(task));
    const bool finished = done.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    if (!finished) {
        const QByteArray path = QFile::encodeName(pipe);
        for (int flags : {O_WRONLY | O_NONBLOCK, O_RDONLY | O_NONBLOCK}) {
            const int fd = ::open(path.constData(), flags);
            if (fd >= 0)
                ::close(fd);
        }
    }
    thread.join();
    return finished;
}

} // namespace

class EngineFileSafetyTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void scratchFolderIsPrivateAndLeavesOtherFilesAlone_data();
    void scratchFolderIsPrivateAndLeavesOtherFilesAlone();
    void scratchFolderThatCannotBeMadeFailsTheFile();
    void linkInTheWorkFolderIsNotWrittenThrough_data();
    void linkInTheWorkFolderIsNotWrittenThrough();
    void writeLimitLeavesNoCutFile_data();
    void writeLimitLeavesNoCutFile();
    void fullTmpfsLeavesNoCutFile_data();
    void fullTmpfsLeavesNoCutFile();
    void salvageAndSampleRepairOnFullDiskFail();
    void nonRegularInputFailsAtOnce_data();
    void nonRegularInputFailsAtOnce();
    void outputsOfOneInputAreCapped();
    void longNamesAreShortenedNotDropped();
    void nameThatIsNotUtf8FailsTheFile();

private:
    QString m_work;
    QString m_inputs;
};

void EngineFileSafetyTest::init()
{
    resetRun();
    g_state.fileFailed = 0;
    m_work = prepareWorkFolder();
    m_inputs = QDir::tempPath() + "/inputs";
    QDir().mkpath(m_inputs);
}

void EngineFileSafetyTest::cleanup()
{
    resetRun();
    QDir(m_work).removeRecursively();
    QDir(m_inputs).removeRecursively();
}

// A folder named "Velmora" that holds the user's own files, or that is a
// link to the input's folder: the save writes into a folder of its own and
// touches neither, nor the input. A file named like the input that lies in
// "Velmora" is never taken for the repaired image.
void EngineFileSafetyTest::scratchFolderIsPrivateAndLeavesOtherFilesAlone_data()
{
    QTest::addColumn<bool>("linkToInputs");
    QTest::newRow("folder with the user's files") << false;
    QTest::newRow("link to the input's folder") << true;
}

void EngineFileSafetyTest::scratchFolderIsPrivateAndLeavesOtherFilesAlone()
{
    QFETCH(bool, linkToInputs);
    const QString planted = platform::tempFolder() + "/Velmora";
    QDir(planted).removeRecursively();
    QFile::remove(planted);
    const QByteArray input = photoWithThumbnail();
    const QString path = putFile(m_inputs, "IMG_1.jpg", input);
    const QByteArray stranger = fixture::realJpeg(50, 50, 60);
    if (linkToInputs) {
        QVERIFY(QFile::link(m_inputs, planted));
    } else {
        QVERIFY(writeFileBytes(planted + "/IMG_1.jpg", stranger));
        QVERIFY(writeFileBytes(planted + "/temp.jpg", stranger));
    }

    repairFile(path);

    QCOMPARE(g_state.producedFiles, QStringList({"/IMG_1.jpg", "/IMG_1_[T1].jpg"}));
    QCOMPARE(decodeFile(m_work + "/IMG_1.jpg").size(), QSize(320, 240));
    QCOMPARE(readFileBytes(path), input);
    if (!linkToInputs) {
        QCOMPARE(readFileBytes(planted + "/IMG_1.jpg"), stranger);
        QCOMPARE(readFileBytes(planted + "/temp.jpg"), stranger);
    }
    const QString scratch = scratchFolder();
    QVERIFY(scratch.startsWith(platform::tempFolder() + "/Velmora-"));
    QVERIFY(!QFileInfo(scratch).isSymLink());
    struct stat info;
    QCOMPARE(::lstat(QFile::encodeName(scratch).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 0777), 0700);
    QCOMPARE(scratchFilesLeft(), QStringList());
    QCOMPARE(g_state.fileFailed, 0);
    QFile::remove(planted);
    QDir(planted).removeRecursively();
}

// No scratch folder can be made (the temporary folder is a file): the image
// cannot be checked, so nothing is delivered and the file fails.
void EngineFileSafetyTest::scratchFolderThatCannotBeMadeFailsTheFile()
{
    const QString path = putFile(m_inputs, "IMG_2.jpg", photoWithThumbnail());
    const QByteArray savedTemp = qgetenv("TMPDIR");
    const QString notAFolder = m_inputs + "/not-a-folder";
    QVERIFY(writeFileBytes(notAFolder, "x"));
    qputenv("TMPDIR", QFile::encodeName(notAFolder));

    repairFile(path);

    qputenv("TMPDIR", savedTemp);
    QCOMPARE(g_state.producedFiles, QStringList());
    QCOMPARE(filesBelow(m_work), QStringList());
    QCOMPARE(g_state.fileFailed, 1);
}

// A link in the work folder under the name an output would take, pointing
// at the input or at nowhere: the output takes another name and neither the
// input nor the link's target is written.
void EngineFileSafetyTest::linkInTheWorkFolderIsNotWrittenThrough_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("dangling");
    QTest::newRow("JPEG, link to the input") << "IMG_6.jpg" << false;
    QTest::newRow("JPEG, link to nowhere") << "IMG_6.jpg" << true;
    QTest::newRow("RAW preview, link to the input") << "IMG_6.RW2" << false;
    QTest::newRow("RAW preview, link to nowhere") << "IMG_6.RW2" << true;
}

void EngineFileSafetyTest::linkInTheWorkFolderIsNotWrittenThrough()
{
    QFETCH(QString, name);
    QFETCH(bool, dangling);
    // A RAW file whose preview is found by the marker scan.
    const QByteArray padding(16, 0x11);
    const QByteArray input = name.endsWith(".jpg") ? photoWithThumbnail()
                                                   : padding + fixtureJpeg(JpegStart::Quantization) + padding;
    const QString path = putFile(m_inputs, name, input);
    const QString outputName = name.endsWith(".jpg") ? name : "IMG_6_1.jpg";
    const QString target = dangling ? m_inputs + "/nowhere.jpg" : path;
    QVERIFY(QFile::link(target, m_work + "/" + outputName));

    repairFile(path);

    QCOMPARE(readFileBytes(path), input);
    QVERIFY(!QFile::exists(m_inputs + "/nowhere.jpg"));
    QVERIFY(QFileInfo(m_work + "/" + outputName).isSymLink());
    QVERIFY(!g_state.producedFiles.isEmpty());
    QVERIFY(!g_state.producedFiles.contains("/" + outputName));
    QVERIFY(!g_state.producedFiles.contains(outputName));
}

// Writes that stop at a file-size limit, from nothing at all to one byte
// short of the main image: no cut file is listed or left in the work folder,
// what is listed is complete, and the file is marked failed.
void EngineFileSafetyTest::writeLimitLeavesNoCutFile_data()
{
    QTest::addColumn<int>("limit");
    QTest::newRow("nothing can be written") << 0;
    QTest::newRow("8 KB") << 8192;
    QTest::newRow("one byte short of the main image") << -1;
}

void EngineFileSafetyTest::writeLimitLeavesNoCutFile()
{
    QFETCH(int, limit);
    const QString path = putFile(m_inputs, "IMG_3.jpg", photoWithThumbnail());
    repairFile(path);
    const QMap<QString, QByteArray> complete = workFiles(m_work);
    QCOMPARE(complete.size(), 2);
    QDir(m_work).removeRecursively();
    prepareWorkFolder();
    resetRun();
    if (limit < 0)
        limit = complete.value("IMG_3.jpg").size() - 1;

    {
        FileSizeLimit sizeLimit{rlim_t(limit)};
        QVERIFY2(sizeLimit.applied(), "the file-size limit could not be set");
        repairFile(path);
    }

    const QMap<QString, QByteArray> written = workFiles(m_work);
    QStringList listed;
    for (const QString& name : g_state.producedFiles)
        listed << (name.contains("_[T") ? "Thumbnail Repaired" + name : name.mid(1));
    listed.sort();
    QCOMPARE(written.keys(), listed);
    for (auto it = written.begin(); it != written.end(); ++it)
        QCOMPARE(it.value(), complete.value(it.key()));
    QVERIFY(!g_state.producedFiles.contains("/IMG_3.jpg"));
    QCOMPARE(g_state.fileFailed, 1);
    QCOMPARE(scratchFilesLeft(), QStringList());
}

// A real small file system with 8 KB left, under the work folder or under
// the scratch folder.
void EngineFileSafetyTest::fullTmpfsLeavesNoCutFile_data()
{
    QTest::addColumn<bool>("scratchOnFullDisk");
    QTest::newRow("work folder full") << false;
    QTest::newRow("scratch folder full") << true;
}

void EngineFileSafetyTest::fullTmpfsLeavesNoCutFile()
{
    QFETCH(bool, scratchOnFullDisk);
    const QString mountPoint = QDir::tempPath() + "/small-disk";
    QDir().mkpath(mountPoint);
    const QByteArray point = QFile::encodeName(mountPoint);
    if (::mount("tmpfs", point.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("mounting a tmpfs needs root (CI runs as root)");
    struct Unmount {
        QByteArray point;
        ~Unmount() { ::umount2(point.constData(), MNT_DETACH); }
    } unmount{point};
    struct statvfs disk;
    QCOMPARE(::statvfs(point.constData(), &disk), 0);
    const qint64 freeBytes = qint64(disk.f_bavail) * qint64(disk.f_frsize);
    QVERIFY(writeFileBytes(mountPoint + "/filler", QByteArray(int(freeBytes - 8192), 'f')));

    const QString path = putFile(m_inputs, "IMG_4.jpg", photoWithThumbnail());
    const QByteArray savedTemp = qgetenv("TMPDIR");
    if (scratchOnFullDisk)
        qputenv("TMPDIR", point);
    else
        g_state.workFolder = mountPoint + "/RepairedFiles";
    QDir().mkpath(g_state.workFolder);

    repairFile(path);

    qputenv("TMPDIR", savedTemp);
    const QString work = g_state.workFolder;
    for (const QString& name : filesBelow(work)) {
        const QImage image = decodeFile(work + "/" + name);
        QVERIFY2(!image.isNull(), qPrintable(name));
        QVERIFY2(g_state.producedFiles.contains("/" + QFileInfo(name).fileName()), qPrintable(name));
    }
    QVERIFY(!g_state.producedFiles.contains("/IMG_4.jpg"));
    QCOMPARE(g_state.fileFailed, 1);
    QCOMPARE(scratchFilesLeft(), QStringList());
    QDir(work).removeRecursively();
}

// The salvage and the repair with a sample write nothing cut either.
void EngineFileSafetyTest::salvageAndSampleRepairOnFullDiskFail()
{
    const QByteArray photo = fixture::realJpeg(320, 240, 85);
    QByteArray noSoi = photo;
    noSoi[1] = 0;
    const QString damaged = putFile(m_inputs, "IMG_5.jpg", noSoi);
    const QString sample = putFile(m_inputs, "sample.jpg", photo);
    g_state.fileName = "/IMG_5.jpg";
    {
        FileSizeLimit sizeLimit(4096);
        QVERIFY2(sizeLimit.applied(), "the file-size limit could not be set");
        QVERIFY(!jpg_repair().SalvageJpeg(damaged));
        QCOMPARE(g_state.fileFailed, 1);
        g_state.fileFailed = 0;
        QVERIFY(!jpg_repair().AdvancedRepair(sample, damaged));
        QCOMPARE(g_state.fileFailed, 1);
    }
    QCOMPARE(g_state.producedFiles, QStringList());
    QCOMPARE(filesBelow(m_work), QStringList());
    // Without the limit both succeed, so the limit was what failed them.
    QVERIFY(jpg_repair().SalvageJpeg(damaged));
    QVERIFY(jpg_repair().AdvancedRepair(sample, damaged));
}

// A pipe or a folder with a photo's name fails at once instead of hanging
// the run in its open.
void EngineFileSafetyTest::nonRegularInputFailsAtOnce_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("pipe");
    QTest::newRow("pipe named .jpg") << "pipe.jpg" << true;
    QTest::newRow("pipe named .CR2") << "pipe.CR2" << true;
    QTest::newRow("pipe named .HEIC") << "pipe.HEIC" << true;
    QTest::newRow("folder named .jpg") << "folder.jpg" << false;
}

void EngineFileSafetyTest::nonRegularInputFailsAtOnce()
{
    QFETCH(QString, name);
    QFETCH(bool, pipe);
    const QString path = m_inputs + "/" + name;
    const QByteArray bytes = QFile::encodeName(path);
    QCOMPARE(pipe ? ::mkfifo(bytes.constData(), 0600) : ::mkdir(bytes.constData(), 0700), 0);
    const bool heic = name.endsWith(".HEIC");
    int checked = -1;

    const bool finished = finishesInTime([&] {
        if (heic) {
            checked = jpg_repair().CheckHeic(path);
        } else {
            repairFile(path);
            checked = g_state.fileFailed;
        }
    }, path);

    QVERIFY2(finished, "the engine waited in the open of a pipe");
    QCOMPARE(checked, heic ? 0 : 1);
    QCOMPARE(g_state.producedFiles, QStringList());
    QCOMPARE(filesBelow(m_work), QStringList());
}

// One input made of 1,030 small photos gives 1,024 outputs, no more: the
// first photo and 1,023 more.
void EngineFileSafetyTest::outputsOfOneInputAreCapped()
{
    const QByteArray photo = fixture::realJpeg(8, 8, 50);
    const QString path = putFile(m_inputs, "many.jpg", photo.repeated(1030));

    repairFile(path);

    QCOMPARE(g_state.producedFiles.size(), 1024);
    QCOMPARE(g_state.producedFiles.first(), QString("/many.jpg"));
    QCOMPARE(g_state.producedFiles.last(), QString("/many_[T1023].jpg"));
    QCOMPARE(filesBelow(m_work + "/Thumbnail Repaired").size(), 1023);
}

// A name of 255 bytes: its thumbnail and a second output of the same name
// are shortened to fit, keeping "_[T1]", " (2)" and the extension.
void EngineFileSafetyTest::longNamesAreShortenedNotDropped()
{
    const QString name = QString(251, 'n') + ".jpg";
    QCOMPARE(QFile::encodeName(name).size(), 255);
    const QString first = putFile(m_inputs + "/a", name, photoWithThumbnail());
    const QString second = putFile(m_inputs + "/b", name, photoWithThumbnail());

    repairFile(first);
    QCOMPARE(g_state.producedFiles, QStringList({"/" + name, "/" + QString(246, 'n') + "_[T1].jpg"}));
    repairFile(second);

    QCOMPARE(g_state.producedFiles,
             QStringList({"/" + QString(247, 'n') + " (2).jpg", "/" + QString(242, 'n') + "_[T1] (2).jpg"}));
    QCOMPARE(filesBelow(m_work).size(), 4);
    for (const QString& file : filesBelow(m_work))
        QVERIFY2(!decodeFile(m_work + "/" + file).isNull(), qPrintable(file));
    QCOMPARE(g_state.fileFailed, 0);
}

// A name whose bytes are not UTF-8 does not reach the file system unchanged
// through the toolkit: the file fails instead of ending without a status.
void EngineFileSafetyTest::nameThatIsNotUtf8FailsTheFile()
{
    const QByteArray rawName = QFile::encodeName(m_inputs) + "/Bild\xE4\xFF.jpg";
    const int fd = ::open(rawName.constData(), O_CREAT | O_WRONLY, 0600);
    QVERIFY(fd >= 0);
    const QByteArray photo = fixture::realJpeg(40, 30);
    QCOMPARE(::write(fd, photo.constData(), size_t(photo.size())), ssize_t(photo.size()));
    ::close(fd);
    // The path as the toolkit hands it over from those bytes.
    const QString path = QFile::decodeName(rawName);

    repairFile(path);

    QCOMPARE(g_state.producedFiles, QStringList());
    QCOMPARE(g_state.fileFailed, 1);
    ::unlink(rawName.constData());
}

QTEST_MAIN(EngineFileSafetyTest)
#include "tst_engine_file_safety.moc"
