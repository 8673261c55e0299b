#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <csignal>

namespace {

constexpr int kBoundMs = 60000;
const char kScreenSize[] = "1283 797";

// An authority file with one cookie for any host and display: the server
// takes only clients that show it, and our clients show it only to ours.
bool writeAuthority(const QString& path, const QByteArray& cookie)
{
    QByteArray entry;
    auto field = [&entry](const QByteArray& bytes) {
        entry.append(char(bytes.size() >> 8)).append(char(bytes.size() & 0xff)).append(bytes);
    };
    entry.append("\xff\xff", 2); // any address family
    field(QByteArray());          // any address
    field(QByteArray());          // any display number
    field("MIT-MAGIC-COOKIE-1");
    field(cookie);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(entry) == entry.size();
}

QByteArray randomCookie()
{
    QByteArray cookie(16, 0);
    for (char& byte : cookie)
        byte = char(QRandomGenerator::system()->bounded(256));
    return cookie;
}

} // namespace

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
    bool startServer(int display);
    void stopServer();
    bool serverIsOurs(int display);
    bool probeScreen();
    QProcessEnvironment xEnvironment() const;
    QProcessEnvironment appEnvironment() const;
    bool startApplication(QProcess& process);
    QString findWindow(qint64 pid);

    QProcess m_server;
    QTemporaryDir m_home;
    QString m_display;
};

// Other X servers on the machine take the low display numbers; ours takes a
// random high one, and counts only once the display is shown to be its own.
void SingleInstanceTest::initTestCase()
{
    if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
        QSKIP("Xvfb and xdotool are needed");
    QVERIFY(writeAuthority(m_home.filePath("xauthority"), randomCookie()));
    for (int attempt = 0; attempt < 20; ++attempt) {
        const int display = QRandomGenerator::global()->bounded(2000, 32000);
        m_display = QStringLiteral(":%1").arg(display);
        if (startServer(display) && serverIsOurs(display))
            return;
        stopServer();
    }
    QFAIL("no private X server could be started on a free display");
}

// Starts the server on `display`; it exits at once when another server
// holds the display's lock. Without -noreset the server resets whenever its
// last client leaves (the probe, the killed first instance), and a client
// that connects during that reset is refused.
bool SingleInstanceTest::startServer(int display)
{
    m_server.start("Xvfb", {QStringLiteral(":%1").arg(display), "-auth", m_home.filePath("xauthority"), "-screen", "0",
                            QString::fromLatin1(kScreenSize).replace(' ', 'x') + "x24", "-nolisten", "tcp", "-noreset"});
    return m_server.waitForStarted(kBoundMs);
}

// The display's lock file names our server's process, and a client with our
// cookie sees our screen there once the server takes connections.
bool SingleInstanceTest::serverIsOurs(int display)
{
    QDeadlineTimer bound(kBoundMs);
    while (m_server.state() == QProcess::Running && !bound.hasExpired()) {
        QFile lock(QStringLiteral("/tmp/.X%1-lock").arg(display));
        const bool locked = lock.open(QIODevice::ReadOnly);
        if (locked && lock.readAll().trimmed().toLongLong() != m_server.processId())
            return false;
        if (locked && probeScreen())
            return true;
        QThread::msleep(100);
    }
    return false;
}

bool SingleInstanceTest::probeScreen()
{
    QProcess probe;
    probe.setProcessEnvironment(xEnvironment());
    probe.start("xdotool", {"getdisplaygeometry"});
    return probe.waitForFinished(kBoundMs) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0 &&
           probe.readAllStandardOutput().trimmed() == kScreenSize;
}

void SingleInstanceTest::cleanupTestCase()
{
    stopServer();
}

// Asked to end, the server removes its lock file and socket.
void SingleInstanceTest::stopServer()
{
    m_server.terminate();
    if (!m_server.waitForFinished(kBoundMs))
        m_server.kill();
    m_server.waitForFinished(kBoundMs);
}

QProcessEnvironment SingleInstanceTest::xEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", m_display);
    env.insert("XAUTHORITY", m_home.filePath("xauthority"));
    return env;
}

QProcessEnvironment SingleInstanceTest::appEnvironment() const
{
    QProcessEnvironment env = xEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("PICTAVO_SETTINGS_FILE", m_home.filePath("settings.ini"));
    env.insert("TMPDIR", m_home.path());
    // The instance lock of this test's programs only.
    env.insert("XDG_RUNTIME_DIR", m_home.path());
    return env;
}

bool SingleInstanceTest::startApplication(QProcess& process)
{
    process.setProcessEnvironment(appEnvironment());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(PICTAVO_BUILD_DIR "/Pictavo"), QStringList());
    if (!process.waitForStarted(kBoundMs)) {
        qWarning("the application could not be started: %s", qPrintable(process.errorString()));
        return false;
    }
    QByteArray output;
    QDeadlineTimer bound(kBoundMs);
    while (!output.contains("Application started successfully.") && process.state() == QProcess::Running &&
           !bound.hasExpired()) {
        process.waitForReadyRead(100);
        output += process.readAll();
    }
    output += process.readAll();
    if (!output.contains("Application started successfully.")) {
        qWarning("the application did not report its start within %d s (state %d, exit code %d): %s", kBoundMs / 1000,
                 int(process.state()), process.exitCode(), output.constData());
        return false;
    }
    return true;
}

// The first visible window of the process, or an empty id when none showed
// up within the bound.
QString SingleInstanceTest::findWindow(qint64 pid)
{
    QDeadlineTimer bound(kBoundMs);
    while (!bound.hasExpired()) {
        QProcess search;
        search.setProcessEnvironment(xEnvironment());
        search.start("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid)});
        search.waitForFinished(kBoundMs);
        const QString id = QString::fromLatin1(search.readAllStandardOutput()).split('\n').first().trimmed();
        if (!id.isEmpty())
            return id;
        QThread::msleep(100);
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
    QVERIFY2(second.waitForStarted(kBoundMs), "the second start did not begin");
    const QString window = findWindow(second.processId());
    QVERIFY2(!window.isEmpty(), "no message window of the second start appeared");
    QProcess press;
    press.setProcessEnvironment(xEnvironment());
    press.start("xdotool", {"windowfocus", window, "key", "Return"});
    QVERIFY2(press.waitForFinished(kBoundMs), "the key press on the message did not finish");
    QVERIFY2(second.waitForFinished(kBoundMs), "the second start did not end after its message was answered");
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(!second.readAll().contains("Application started successfully."));
    QCOMPARE(first.state(), QProcess::Running);

    ::kill(pid_t(first.processId()), SIGKILL);
    QVERIFY2(first.waitForFinished(kBoundMs), "the killed first instance did not end");

    QProcess third;
    QVERIFY(startApplication(third));
    third.kill();
    third.waitForFinished(kBoundMs);
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
