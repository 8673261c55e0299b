// The program's temporary folder, which holds the work folder, the scratch
// folders and the lock file: a folder of the current user that nobody else
// may enter, never one that stood there before under someone else's hand.
#include "temp_file.h"
#include "temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The user the second-user cases act as.
constexpr uid_t kOtherUser = 65534;

bool isPrivateOfMine(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode)
        && info.st_uid == ::geteuid() && (info.st_mode & 0777) == 0700;
}

QString usualFolder(const QString& system)
{
    return system + QStringLiteral("/Pictavo-%1").arg(::geteuid());
}

// Sets TMPDIR and XDG_RUNTIME_DIR for one case and puts them back after it.
class Environment {
public:
    Environment(const QString& temporary, const QString& runtime)
        : m_temporary(qgetenv("TMPDIR")), m_runtime(qgetenv("XDG_RUNTIME_DIR"))
    {
        qputenv("TMPDIR", QFile::encodeName(temporary));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
    ~Environment()
    {
        qputenv("TMPDIR", m_temporary);
        qputenv("XDG_RUNTIME_DIR", m_runtime);
    }

private:
    QByteArray m_temporary;
    QByteArray m_runtime;
};

// Runs a command as the other user; its exit code, or -1 when it did not
// run to its end within 30 seconds.
int runAsOtherUser(const QStringList& command)
{
    QProcess process;
    process.start(QStringLiteral("setpriv"),
                  QStringList{QStringLiteral("--reuid=%1").arg(kOtherUser), QStringLiteral("--regid=%1").arg(kOtherUser),
                              QStringLiteral("--clear-groups"), QStringLiteral("--")}
                      + command);
    if (!process.waitForFinished(30000)) {
        qWarning("command as the other user did not end within 30 s: %s", qPrintable(command.join(' ')));
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

class PrivateWorkFolderTest : public QObject {
    Q_OBJECT
private slots:
    void folderIsPrivate();
    void whatStoodThereIsNotUsed_data();
    void whatStoodThereIsNotUsed();
    void madeAnewWhenTheCheckFails();
    void fallbackFoundAgain_data();
    void fallbackFoundAgain();
    void runtimeFolder_data();
    void runtimeFolder();
    void otherUsersFolderIsNotUsed();
};

void PrivateWorkFolderTest::folderIsPrivate()
{
    QTemporaryDir system;
    const Environment environment(system.path(), QString());
    const QString folder = platform::tempFolder();
    QCOMPARE(folder, usualFolder(system.path()));
    QVERIFY(isPrivateOfMine(folder));
    QCOMPARE(platform::tempFolder(), folder);
}

void PrivateWorkFolderTest::whatStoodThereIsNotUsed_data()
{
    QTest::addColumn<QString>("planted");
    QTest::newRow("folder open to everybody") << "open folder";
    QTest::newRow("link to a private folder") << "link";
    QTest::newRow("file") << "file";
}

void PrivateWorkFolderTest::whatStoodThereIsNotUsed()
{
    QFETCH(QString, planted);
    QTemporaryDir system;
    const QString usual = usualFolder(system.path());
    const QString elsewhere = system.path() + QStringLiteral("/elsewhere");
    QVERIFY(QDir().mkdir(elsewhere));
    QVERIFY(::chmod(QFile::encodeName(elsewhere).constData(), 0700) == 0);
    if (planted == QLatin1String("open folder")) {
        QVERIFY(QDir().mkdir(usual));
        QVERIFY(::chmod(QFile::encodeName(usual).constData(), 0777) == 0);
    } else if (planted == QLatin1String("link")) {
        QVERIFY(QFile::link(elsewhere, usual));
    } else {
        QVERIFY(writeFileBytes(usual, "not a folder"));
    }
    const Environment environment(system.path(), QString());

    const QString folder = platform::tempFolder();
    QVERIFY(!folder.isEmpty());
    QVERIFY(folder != usual);
    QCOMPARE(QFileInfo(folder).path(), system.path());
    QVERIFY(isPrivateOfMine(folder));
    QCOMPARE(QDir(elsewhere).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    if (planted == QLatin1String("file"))
        QCOMPARE(readFileBytes(usual), QByteArray("not a folder"));
}

// The folder in use loses its privacy (opened to everybody): the next use
// takes a new private folder instead.
void PrivateWorkFolderTest::madeAnewWhenTheCheckFails()
{
    QTemporaryDir system;
    const Environment environment(system.path(), QString());
    const QString first = platform::tempFolder();
    QVERIFY(isPrivateOfMine(first));
    QVERIFY(::chmod(QFile::encodeName(first).constData(), 0777) == 0);
    const QString second = platform::tempFolder();
    QVERIFY(second != first);
    QVERIFY(isPrivateOfMine(second));
}

void PrivateWorkFolderTest::fallbackFoundAgain_data()
{
    QTest::addColumn<QString>("planted"); // what stands at a fallback's name
    QTest::addColumn<bool>("used");
    QTest::newRow("private folder of this user") << "private" << true;
    QTest::newRow("folder others may enter") << "open" << false;
    QTest::newRow("link to a private folder") << "link" << false;
    QTest::newRow("folder of another user") << "other user" << false;
}

// The usual name is taken: a fallback folder of an earlier start is used
// again only when it passes the same check as the usual folder, and the
// user ends with one private fallback folder.
void PrivateWorkFolderTest::fallbackFoundAgain()
{
    QFETCH(QString, planted);
    QFETCH(bool, used);
    QTemporaryDir system;
    QVERIFY(writeFileBytes(usualFolder(system.path()), "taken"));
    const QString fallback = usualFolder(system.path()) + QStringLiteral("-aaaaaa");
    const QString elsewhere = system.path() + QStringLiteral("/elsewhere");
    QVERIFY(QDir().mkdir(elsewhere));
    QVERIFY(::chmod(QFile::encodeName(elsewhere).constData(), 0700) == 0);
    if (planted == QLatin1String("link")) {
        QVERIFY(QFile::link(elsewhere, fallback));
    } else {
        QVERIFY(QDir().mkdir(fallback));
        QVERIFY(::chmod(QFile::encodeName(fallback).constData(), planted == QLatin1String("open") ? 0755 : 0700) == 0);
    }
    if (planted == QLatin1String("other user")) {
        if (::geteuid() != 0)
            QSKIP("giving a folder to another user needs root; this run is not root");
        QVERIFY(::chown(QFile::encodeName(fallback).constData(), kOtherUser, kOtherUser) == 0);
    }
    const Environment environment(system.path(), QString());

    const QString folder = platform::tempFolder();
    QCOMPARE(folder == fallback, used);
    QVERIFY(isPrivateOfMine(folder));
    QStringList privateFallbacks;
    for (const QString& name : QDir(system.path()).entryList({QStringLiteral("Pictavo-*-*")}, QDir::Dirs | QDir::System))
        if (isPrivateOfMine(system.path() + QLatin1Char('/') + name))
            privateFallbacks << name;
    QCOMPARE(privateFallbacks, QStringList{QFileInfo(folder).fileName()});
}

void PrivateWorkFolderTest::runtimeFolder_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("used");
    QTest::newRow("private runtime folder") << 0700 << true;
    QTest::newRow("runtime folder others may enter") << 0755 << false;
}

void PrivateWorkFolderTest::runtimeFolder()
{
    QFETCH(int, mode);
    QFETCH(bool, used);
    QTemporaryDir system;
    QTemporaryDir runtime;
    QVERIFY(::chmod(QFile::encodeName(runtime.path()).constData(), mode_t(mode)) == 0);
    const Environment environment(system.path(), runtime.path());
    const QString folder = platform::tempFolder();
    QCOMPARE(folder, used ? runtime.path() + QStringLiteral("/Pictavo") : usualFolder(system.path()));
    QVERIFY(isPrivateOfMine(folder));
}

// Another local user made the folder first, open to all, in a temporary
// folder shared by everybody: it is not used, and that user can neither
// enter the folder the program uses nor read what is written there.
void PrivateWorkFolderTest::otherUsersFolderIsNotUsed()
{
    if (::geteuid() != 0)
        QSKIP("acting as a second user needs root (setpriv to uid 65534); this run is not root");
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty(), "setpriv is not installed");
    // Shared like the system's temporary folder: everybody may create in it.
    QTemporaryDir shared(QStringLiteral("/tmp/pictavo-shared-XXXXXX"));
    QVERIFY(shared.isValid());
    QVERIFY(::chmod(QFile::encodeName(shared.path()).constData(), 01777) == 0);
    const QString usual = usualFolder(shared.path());
    QCOMPARE(runAsOtherUser({QStringLiteral("mkdir"), QStringLiteral("-m"), QStringLiteral("0777"), usual}), 0);
    const Environment environment(shared.path(), QString());

    const QString folder = platform::tempFolder();
    QVERIFY(!folder.isEmpty());
    QVERIFY(folder != usual);
    QVERIFY(isPrivateOfMine(folder));
    const QString work = folder + QStringLiteral("/RepairedFiles");
    QVERIFY(QDir().mkpath(work));
    QVERIFY(writeFileBytes(work + QStringLiteral("/photo.jpg"), "repaired"));

    QVERIFY(runAsOtherUser({QStringLiteral("cat"), work + QStringLiteral("/photo.jpg")}) > 0);
    QVERIFY(runAsOtherUser({QStringLiteral("ls"), folder}) > 0);
    QVERIFY(runAsOtherUser({QStringLiteral("ln"), QStringLiteral("-s"), QStringLiteral("/etc/passwd"),
                            work + QStringLiteral("/planted.jpg")})
            > 0);
    QCOMPARE(QDir(usual).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    // The other user's folder is theirs to remove; the test removes it as root.
    QVERIFY(QDir(usual).removeRecursively());
}

QTEST_MAIN(PrivateWorkFolderTest)
#include "tst_private_work_folder.moc"
