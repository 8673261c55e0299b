#include "update_server.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

// Whether a version file lies in an update folder below the folder.
// The update folders lie in the program's own temporary folder below the
// system's temporary folder `folder`.
bool versionFileIn(const QString& folder)
{
    const QDir dir(folder + QStringLiteral("/Pictavo-%1").arg(::geteuid()));
    for (const QString& name : dir.entryList({QStringLiteral("updatetmp-*")}, QDir::Dirs)) {
        if (QFile::exists(dir.filePath(name + QLatin1String("/Pictavo.txt"))))
            return true;
    }
    return false;
}

} // namespace

// The application checks for an update once at start-up, by itself.
class StartupUpdateTest : public QObject {
    Q_OBJECT
private slots:
    void startupFetchesTheVersionFile_data();
    void startupFetchesTheVersionFile();
};

void StartupUpdateTest::startupFetchesTheVersionFile_data()
{
    QTest::addColumn<QByteArray>("networkState");
    QTest::addColumn<int>("requests");
    QTest::newRow("online") << QByteArray("online") << 1;
    QTest::newRow("offline") << QByteArray("offline") << 0;
}

void StartupUpdateTest::startupFetchesTheVersionFile()
{
    QFETCH(QByteArray, networkState);
    QTemporaryDir home;
    UpdateServer server;
    server.serve(QStringLiteral("Pictavo.txt"), "9.0.0.0\n");
    {
        QSettings settings(home.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        settings.setValue(QStringLiteral("EN/UpdateNewLink"), server.baseUrl());
        settings.setValue(QStringLiteral("Version"), QStringLiteral("8.1.0.0"));
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("PICTAVO_SETTINGS_FILE"), home.filePath(QStringLiteral("settings.ini")));
    env.insert(QStringLiteral("TMPDIR"), home.path());
    // The program's private folder, its instance lock included, under this test's TMPDIR only.
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString());
    env.insert(QStringLiteral("PICTAVO_NETWORK_STATE"), QString::fromLatin1(networkState));
    QProcess app;
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::MergedChannels);
    app.start(QStringLiteral(PICTAVO_BUILD_DIR "/Pictavo"), QStringList());
    QVERIFY(app.waitForStarted(10000));

    // The check starts before the event loop and goes on in it.
    QByteArray output;
    for (int waited = 0; waited < 30000 && !output.contains("Application started successfully."); waited += 100) {
        app.waitForReadyRead(100);
        output += app.readAll();
    }
    QVERIFY2(output.contains("Application started successfully."), output.constData());
    QFETCH(int, requests);
    if (requests > 0)
        QTRY_COMPARE_WITH_TIMEOUT(server.requestCount(QStringLiteral("Pictavo.txt")), requests, 10000);
    else
        QTest::qWait(1000);
    QCOMPARE(server.requestCount(QStringLiteral("Pictavo.txt")), requests);
    QCOMPARE(app.state(), QProcess::Running);
    if (requests > 0)
        QTRY_VERIFY2_WITH_TIMEOUT(versionFileIn(home.path()), "no version file in an update folder", 10000);
    else
        QVERIFY(!versionFileIn(home.path()));

    app.kill();
    app.waitForFinished(10000);
}

QTEST_MAIN(StartupUpdateTest)
#include "tst_startup_update.moc"
