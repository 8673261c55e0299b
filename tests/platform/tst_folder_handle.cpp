#include "folder_handle.h"
#include "marking_program.h"
#include "program_launch.h"
#include "temp_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes through a descriptor of the handle and closes it.
bool writeDescriptor(int fd, const QByteArray& bytes)
{
    const bool written = fd >= 0 && ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    if (fd >= 0)
        ::close(fd);
    return written;
}

QByteArray readDescriptor(int fd)
{
    QByteArray bytes;
    char buffer[256];
    ssize_t got = 0;
    while (fd >= 0 && (got = ::read(fd, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, int(got));
    if (fd >= 0)
        ::close(fd);
    return bytes;
}

} // namespace

// A private folder held open: files are made, read and removed through it,
// and a program in it starts from it, whatever happens to its path.
class FolderHandleTest : public QObject {
    Q_OBJECT
private slots:
    void createdFilesAreNewAndOwnerOnly_data();
    void createdFilesAreNewAndOwnerOnly();
    void linksAreNeitherReadNorFollowed();
    void folderSwappedBehindItsPathStaysInUse();
    void removalLeavesLinkTargetsAlone();
    void programStartsFromTheFolder();
    void startedProgramHoldsTheFolderLock();
};

void FolderHandleTest::createdFilesAreNewAndOwnerOnly_data()
{
    QTest::addColumn<bool>("executable");
    QTest::addColumn<int>("mode");
    QTest::newRow("data file") << false << int(S_IRUSR | S_IWUSR);
    QTest::newRow("program") << true << int(S_IRWXU);
}

void FolderHandleTest::createdFilesAreNewAndOwnerOnly()
{
    QFETCH(bool, executable);
    QFETCH(int, mode);
    QTemporaryDir parent;
    platform::FolderHandle folder;
    QVERIFY(folder.create(parent.path(), QStringLiteral("updatetmp")));
    QVERIFY(folder.isPrivate());
    QVERIFY(QFileInfo(folder.path()).fileName().startsWith(QLatin1String("updatetmp-")));

    // Whatever the umask allows, only the owner gets in.
    const mode_t umaskBefore = ::umask(0);
    const int fd = folder.createFile(QStringLiteral("file"), executable);
    ::umask(umaskBefore);
    QVERIFY(writeDescriptor(fd, "bytes"));
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(folder.path() + QStringLiteral("/file")).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 07777), mode);
    QCOMPARE(folder.fileSize(QStringLiteral("file")), qint64(5));
    QCOMPARE(readDescriptor(folder.openFile(QStringLiteral("file"))), QByteArray("bytes"));
    // A name that is taken is never opened again for writing.
    QCOMPARE(folder.createFile(QStringLiteral("file"), executable), -1);
    QVERIFY(folder.removeEntry(QStringLiteral("file")));
    QCOMPARE(folder.fileSize(QStringLiteral("file")), qint64(-1));
}

void FolderHandleTest::linksAreNeitherReadNorFollowed()
{
    QTemporaryDir parent;
    const QString photo = parent.filePath(QStringLiteral("holiday.jpg"));
    QVERIFY(writeFileBytes(photo, "the user's photo"));
    platform::FolderHandle folder;
    QVERIFY(folder.create(parent.path(), QStringLiteral("f")));
    QVERIFY(QFile::link(photo, folder.path() + QStringLiteral("/Pictavo.txt")));

    QCOMPARE(folder.openFile(QStringLiteral("Pictavo.txt")), -1);
    QCOMPARE(folder.createFile(QStringLiteral("Pictavo.txt"), false), -1);
    QCOMPARE(readFileBytes(photo), QByteArray("the user's photo"));
    QCOMPARE(folder.openFile(QStringLiteral("missing")), -1);
}

// Someone renames the folder and puts a folder of theirs under its name:
// the handle goes on working in the folder it made.
void FolderHandleTest::folderSwappedBehindItsPathStaysInUse()
{
    QTemporaryDir parent;
    platform::FolderHandle folder;
    QVERIFY(folder.create(parent.path(), QStringLiteral("f")));
    const QString path = folder.path();
    const QString moved = parent.filePath(QStringLiteral("moved"));
    QVERIFY(QDir().rename(path, moved));
    QVERIFY(QDir().mkdir(path));

    QVERIFY(writeDescriptor(folder.createFile(QStringLiteral("Pictavo.exe"), true), "program"));
    QVERIFY(QFile::exists(moved + QStringLiteral("/Pictavo.exe")));
    QVERIFY(!QFile::exists(path + QStringLiteral("/Pictavo.exe")));

    // Removal empties the folder it made, and leaves the stranger's alone.
    folder.removeAll();
    QVERIFY(!folder.isOpen());
    QVERIFY(QDir(moved).isEmpty());
    QVERIFY(QFileInfo(path).isDir());
}

void FolderHandleTest::removalLeavesLinkTargetsAlone()
{
    QTemporaryDir parent;
    const QString photos = parent.filePath(QStringLiteral("photos"));
    QVERIFY(writeFileBytes(photos + QStringLiteral("/holiday.jpg"), "the user's photo"));
    platform::FolderHandle folder;
    QVERIFY(folder.create(parent.path(), QStringLiteral("f")));
    const QString path = folder.path();
    QVERIFY(QFile::link(photos, path + QStringLiteral("/album")));
    QVERIFY(QFile::link(photos + QStringLiteral("/holiday.jpg"), path + QStringLiteral("/Pictavo.txt")));

    folder.removeAll();
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(readFileBytes(photos + QStringLiteral("/holiday.jpg")), QByteArray("the user's photo"));
}

// The program runs in the folder it lies in, reached through the folder's
// descriptor even after its path was taken over by another folder.
void FolderHandleTest::programStartsFromTheFolder()
{
    QTemporaryDir parent;
    const QString mark = parent.filePath(QStringLiteral("ran.txt"));
    platform::FolderHandle folder;
    QVERIFY(folder.create(parent.path(), QStringLiteral("f")));
    QVERIFY(writeDescriptor(folder.createFile(QStringLiteral("Pictavo.exe"), true), markingProgram(mark)));
    QVERIFY(writeDescriptor(folder.createFile(QStringLiteral("data.exe"), true), QByteArray(64, 'x')));
    const QString path = folder.path();
    const QString moved = parent.filePath(QStringLiteral("moved"));
    QVERIFY(QDir().rename(path, moved));
    QVERIFY(QDir().mkdir(path));

    const QByteArray record = qgetenv(platform::kLaunchRecordVariable);
    qunsetenv(platform::kLaunchRecordVariable);
    QVERIFY(!platform::launchProgramIn(folder, QStringLiteral("missing.exe")));
    QVERIFY(!platform::launchProgramIn(folder, QStringLiteral("data.exe")));
    QVERIFY(!platform::launchProgramIn(folder, QStringLiteral("../Pictavo.exe")));
    QVERIFY(platform::launchProgramIn(folder, QStringLiteral("Pictavo.exe")));
    qputenv(platform::kLaunchRecordVariable, record);
    QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(mark), "the program did not run", 20000);
    QCOMPARE(readFileBytes(mark).trimmed(), QFile::encodeName(moved));
}

// An installer started from the update folder holds the folder's lock while
// it runs, so a later start's clean-up leaves the folder it runs from.
void FolderHandleTest::startedProgramHoldsTheFolderLock()
{
    QTemporaryDir parent;
    const QByteArray pidFile = QFile::encodeName(parent.filePath(QStringLiteral("pid")));
    platform::FolderHandle folder;
    QVERIFY(folder.createLocked(parent.path(), QStringLiteral("updatetmp")));
    const QByteArray program =
        "#!/bin/sh\necho $$ > '" + pidFile + ".part' && mv '" + pidFile + ".part' '" + pidFile + "'\nexec sleep 60\n";
    QVERIFY(writeDescriptor(folder.createFile(QStringLiteral("Pictavo.exe"), true), program));
    const QString path = folder.path();

    const QByteArray record = qgetenv(platform::kLaunchRecordVariable);
    qunsetenv(platform::kLaunchRecordVariable);
    const bool launched = platform::launchProgramIn(folder, QStringLiteral("Pictavo.exe"));
    qputenv(platform::kLaunchRecordVariable, record);
    QVERIFY(launched);
    folder.release();
    QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(QFile::decodeName(pidFile)), "the program did not start within 20 s", 20000);
    const pid_t pid = readFileBytes(QFile::decodeName(pidFile)).trimmed().toInt();
    QVERIFY(pid > 0);

    const bool lockedWhileRunning = !platform::FolderHandle::open(path).tryLock();
    ::kill(pid, SIGKILL);
    QVERIFY(lockedWhileRunning);
    QTRY_VERIFY2_WITH_TIMEOUT(platform::FolderHandle::open(path).tryLock(),
                              "the folder's lock was not free within 20 s of the program's end", 20000);
}

QTEST_MAIN(FolderHandleTest)
#include "tst_folder_handle.moc"
