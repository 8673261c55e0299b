#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// The real application under a private X server: a second start while the
// first runs shows the "already running" message and exits with code 0; a
// start after the first was killed succeeds.
class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void secondStartIsRefused();

private:
    QProcessEnvironment appEnvironment() const;
    bool startApplication(QProcess& process);
    QString findWindow(qint64 pid);

    QProcess m_server;
    QTemporaryDir m_home;
    QString m_display;
};

void SingleInstanceTest::initTestCase()
{
    if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
        QSKIP("Xvfb and xdotool are needed");
    // The server picks a free display itself and writes its number to us.
    m_server.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x800x24", "-nolisten", "tcp"});
    QVERIFY(m_server.waitForStarted());
    QByteArray number;
    for (int waited = 0; waited < 20000 && !number.contains('\n'); waited += 100) {
        m_server.waitForReadyRead(100);
        number += m_server.readAllStandardOutput();
    }
    QVERIFY2(number.contains('\n'), "the X server did not start");
    m_display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    // On a loaded machine the first connections can still be refused.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", m_display);
    for (int attempt = 0; attempt < 100; ++attempt) {
        QProcess probe;
        probe.setProcessEnvironment(env);
        probe.start("xdotool", {"getdisplaygeometry"});
        if (probe.waitForFinished(5000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0)
            return;
        QTest::qWait(200);
    }
    QFAIL("the X server accepts no connection");
}

void SingleInstanceTest::cleanupTestCase()
{
    m_server.kill();
    m_server.waitForFinished();
}

QProcessEnvironment SingleInstanceTest::appEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", m_display);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("PICTAVO_SETTINGS_FILE", m_home.filePath("settings.ini"));
    env.insert("TMPDIR", m_home.path());
    return env;
}

bool SingleInstanceTest::startApplication(QProcess& process)
{
    process.setProcessEnvironment(appEnvironment());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(PICTAVO_BUILD_DIR "/Pictavo"), QStringList());
    if (!process.waitForStarted(10000))
        return false;
    QByteArray output;
    for (int waited = 0; waited < 30000 && !output.contains("Application started successfully."); waited += 100) {
        process.waitForReadyRead(100);
        output += process.readAll();
        if (process.state() == QProcess::NotRunning)
            break;
    }
    if (!output.contains("Application started successfully.")) {
        qWarning("the application did not start (exit code %d): %s", process.exitCode(), output.constData());
        return false;
    }
    return true;
}

QString SingleInstanceTest::findWindow(qint64 pid)
{
    for (int waited = 0; waited < 30000; waited += 200) {
        QProcess search;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", m_display);
        search.setProcessEnvironment(env);
        search.start("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid)});
        search.waitForFinished(5000);
        const QString id = QString::fromLatin1(search.readAllStandardOutput()).split('\n').first().trimmed();
        if (!id.isEmpty())
            return id;
        QTest::qWait(200);
    }
    return QString();
}

void SingleInstanceTest::secondStartIsRefused()
{
    QProcess first;
    QVERIFY(startApplication(first));

    QProcess second;
    second.setProcessEnvironment(appEnvironment());
    second.setProcessChannelMode(QProcess::MergedChannels);
    second.start(QStringLiteral(PICTAVO_BUILD_DIR "/Pictavo"), QStringList());
    QVERIFY(second.waitForStarted(10000));
    const QString window = findWindow(second.processId());
    QVERIFY2(!window.isEmpty(), "no message window appeared");
    QProcess press;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", m_display);
    press.setProcessEnvironment(env);
    press.start("xdotool", {"windowfocus", window, "key", "Return"});
    press.waitForFinished(10000);
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(!second.readAll().contains("Application started successfully."));
    QCOMPARE(first.state(), QProcess::Running);

    ::kill(pid_t(first.processId()), SIGKILL);
    QVERIFY(first.waitForFinished(10000));

    QProcess third;
    QVERIFY(startApplication(third));
    third.kill();
    third.waitForFinished();
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
