// The application, started for real, removes at start the scratch folder a
// killed run left in its temporary folder, and leaves the one a running
// process still holds.
#include "scratch_like.h"
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

} // namespace

class StartupCleanupTest : public QObject {
    Q_OBJECT
private slots:
    void staleScratchFolderRemovedAtStart();
};

void StartupCleanupTest::staleScratchFolderRemovedAtStart()
{
    QTemporaryDir home;
    const QString programFolder = home.path() + QStringLiteral("/Pictavo-%1").arg(::geteuid());
    QVERIFY(QDir().mkpath(programFolder));
    QVERIFY(::chmod(QFile::encodeName(programFolder).constData(), 0700) == 0);
    const QString stale = programFolder + QStringLiteral("/Velmora-k1ll3d");
    const QString held = programFolder + QStringLiteral("/Velmora-h0ld3n");
    QVERIFY(makeScratchLike(stale));
    QVERIFY(makeScratchLike(held));

    // A running process holds the second folder's lock, as a run does.
    QProcess holder;
    QVERIFY2(startLockHolder(holder, held), "the holder did not take the folder's lock within 20 s");

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("PICTAVO_SETTINGS_FILE"), home.filePath(QStringLiteral("settings.ini")));
    env.insert(QStringLiteral("TMPDIR"), home.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString());
    env.insert(QStringLiteral("PICTAVO_NETWORK_STATE"), QStringLiteral("offline"));
    QProcess app;
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::MergedChannels);
    app.start(QStringLiteral(PICTAVO_BUILD_DIR "/Pictavo"), QStringList());
    QVERIFY2(app.waitForStarted(kBoundMs), "the application did not start within 30 s");
    QByteArray output;
    for (int waited = 0; waited < kBoundMs && !output.contains("Application started successfully."); waited += 100) {
        app.waitForReadyRead(100);
        output += app.readAll();
    }
    QVERIFY2(output.contains("Application started successfully."), output.constData());

    QVERIFY(!QFileInfo::exists(stale));
    QCOMPARE(readFileBytes(held + "/IMG_1.jpg"), QByteArray("copy of a photo"));

    app.kill();
    QVERIFY2(app.waitForFinished(kBoundMs), "the application did not end within 30 s of being killed");
    holder.kill();
    QVERIFY2(holder.waitForFinished(kBoundMs), "the holder did not end within 30 s of being killed");
}

QTEST_MAIN(StartupCleanupTest)
#include "tst_startup_cleanup.moc"
