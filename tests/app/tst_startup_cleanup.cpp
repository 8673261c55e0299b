// The application, started for real, removes at start the scratch and
// update folders a killed run left in its temporary folder, and leaves the
// ones a running process still holds. When another user holds the name of
// its temporary folder, every start finds the same folder of its own again,
// removes the ones earlier starts left, and a second instance is refused.
#include "scratch_like.h"
#include "single_instance.h"
#include "startup.h"
#include "temp_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kBoundMs = 30000;

QString userFolderName()
{
    return QStringLiteral("Pictavo-%1").arg(::geteuid());
}

// Starts the application with its temporary folder under home and waits
// until it says it has started.
bool startApplication(QProcess& app, const QString& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("PICTAVO_SETTINGS_FILE"), home + QStringLiteral("/settings.ini"));
    env.insert(QStringLiteral("TMPDIR"), home);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString());
    env.insert(QStringLiteral("PICTAVO_NETWORK_STATE"), QStringLiteral("offline"));
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::MergedChannels);
    app.start(QStringLiteral(PICTAVO_BUILD_DIR "/Pictavo"), QStringList());
    if (!app.waitForStarted(kBoundMs)) {
        qWarning("the application did not start within 30 s");
        return false;
    }
    QByteArray output;
    for (int waited = 0; waited < kBoundMs && !output.contains("Application started successfully."); waited += 100) {
        app.waitForReadyRead(100);
        output += app.readAll();
    }
    if (!output.contains("Application started successfully.")) {
        qWarning("the application did not report its start within 30 s: %s", output.constData());
        return false;
    }
    return true;
}

bool endProcess(QProcess& process)
{
    process.kill();
    return process.waitForFinished(kBoundMs);
}

// The folders of this user named like a fallback temporary folder.
QStringList fallbackFolders(const QString& home)
{
    return QDir(home).entryList({userFolderName() + QStringLiteral("-??????")}, QDir::Dirs | QDir::Hidden);
}

// Points this process's temporary folder at home for one case.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const QString& home) : m_temporary(qgetenv("TMPDIR"))
    {
        qputenv("TMPDIR", QFile::encodeName(home));
    }
    ~TemporaryFolder() { qputenv("TMPDIR", m_temporary); }

private:
    QByteArray m_temporary;
};

} // namespace

class StartupCleanupTest : public QObject {
    Q_OBJECT
private slots:
    void staleFoldersRemovedAtStart();
    void squattedNameGivesOneFolder_data();
    void squattedNameGivesOneFolder();
};

void StartupCleanupTest::staleFoldersRemovedAtStart()
{
    QTemporaryDir home;
    const QString programFolder = home.path() + QLatin1Char('/') + userFolderName();
    QVERIFY(QDir().mkpath(programFolder));
    QVERIFY(::chmod(QFile::encodeName(programFolder).constData(), 0700) == 0);
    const QStringList stale{programFolder + QStringLiteral("/Velmora-k1ll3d"),
                            programFolder + QStringLiteral("/updatetmp-k1ll3d")};
    const QStringList held{programFolder + QStringLiteral("/Velmora-h0ld3n"),
                           programFolder + QStringLiteral("/updatetmp-h0ld3n")};
    for (const QString& folder : stale + held)
        QVERIFY(makeScratchLike(folder));

    // Running processes hold the other folders' locks, as a run and a
    // download do.
    QProcess holders[2];
    for (int i = 0; i < 2; ++i)
        QVERIFY2(startLockHolder(holders[i], held.at(i)), "the holder did not take the folder's lock within 20 s");

    QProcess app;
    QVERIFY(startApplication(app, home.path()));

    for (const QString& folder : stale)
        QVERIFY2(!QFileInfo::exists(folder), qPrintable(folder));
    for (const QString& folder : held)
        QCOMPARE(readFileBytes(folder + "/IMG_1.jpg"), QByteArray("copy of a photo"));

    QVERIFY2(endProcess(app), "the application did not end within 30 s of being killed");
    for (QProcess& holder : holders)
        QVERIFY2(endProcess(holder), "the holder did not end within 30 s of being killed");
}

void StartupCleanupTest::squattedNameGivesOneFolder_data()
{
    QTest::addColumn<QString>("squat");
    QTest::newRow("folder of another user") << "other user";
    QTest::newRow("file at the name") << "file";
}

void StartupCleanupTest::squattedNameGivesOneFolder()
{
    QFETCH(QString, squat);
    QTemporaryDir home;
    const QString usual = home.path() + QLatin1Char('/') + userFolderName();
    if (squat == QLatin1String("other user")) {
        if (::geteuid() != 0)
            QSKIP("making a folder of another user needs root (chown to uid 65534); this run is not root");
        QVERIFY(QDir().mkdir(usual));
        QVERIFY(::chmod(QFile::encodeName(usual).constData(), 0777) == 0);
        QVERIFY(::chown(QFile::encodeName(usual).constData(), 65534, 65534) == 0);
    } else {
        QVERIFY(writeFileBytes(usual, "not a folder"));
    }

    QProcess first;
    QVERIFY(startApplication(first, home.path()));
    const QStringList made = fallbackFolders(home.path());
    QCOMPARE(made.size(), 1);
    {
        // A second instance of the same user finds the same folder and its
        // guard held.
        const TemporaryFolder temporary(home.path());
        platform::SingleInstanceGuard second;
        QVERIFY(!second.acquire(QString::fromLatin1(kInstanceKey)));
    }
    QCOMPARE(fallbackFolders(home.path()), made);
    QVERIFY2(endProcess(first), "the application did not end within 30 s of being killed");

    // A folder an earlier start left behind, with work files in it.
    const QString left = home.path() + QLatin1Char('/') + userFolderName() + QStringLiteral("-zzzzzz");
    QVERIFY(makeScratchLike(left + QStringLiteral("/RepairedFiles")));
    QVERIFY(::chmod(QFile::encodeName(left).constData(), 0700) == 0);

    QProcess again;
    QVERIFY(startApplication(again, home.path()));
    QCOMPARE(fallbackFolders(home.path()), made);
    QVERIFY2(endProcess(again), "the application did not end within 30 s of being killed");
    if (squat == QLatin1String("file"))
        QCOMPARE(readFileBytes(usual), QByteArray("not a folder"));
    else
        QVERIFY(QFileInfo(usual).isDir());
}

QTEST_MAIN(StartupCleanupTest)
#include "tst_startup_cleanup.moc"
