#include "dialog_driver.h"
#include "global_state.h"
#include "marking_program.h"
#include "program_launch.h"
#include "modal_recorder.h"
#include "q_check_update.h"
#include "q_download_app.h"
#include "q_show_update.h"
#include "network_state.h"
#include "responsiveness_probe.h"
#include "settings_store.h"
#include "temp_file.h"
#include "update_files.h"
#include "update_server.h"
#include "url_download.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

const int kNoQuit = 2;

void writeSettings(const QString& link, const QVariant& expectedSize)
{
    auto settings = platform::openSettings(g_state.settingsPath);
    settings->clear();
    settings->setValue(QStringLiteral("EN/UpdateNewLink"), link);
    if (expectedSize.isValid())
        settings->setValue(QStringLiteral("AverageUpdateSize"), expectedSize);
}

QByteArray installerBytes(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7);
    return bytes;
}

QByteArray sha256(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// The check found a major release whose line gave this installer digest.
void offerInstallerDigest(const QByteArray& digest)
{
    g_majorUpdateFound = true;
    g_minorUpdateFound = false;
    g_majorInstallerDigest = digest;
}

const QString kUnverified = QStringLiteral("The download could not be verified.");
const QString kCutShort = QStringLiteral("The download was cut short.");
const QString kTooLarge = QStringLiteral("The download was larger than the update may be.");
const QString kStopped = QStringLiteral("The update server stopped sending.");
const QString kCancelled = QStringLiteral("The download was cancelled.");
const QString kRefused = QStringLiteral("The update server refused the download or could not be trusted.");
const QString kNotFound = QStringLiteral("The update was not found on the server.");
const QString kUnreachable = QStringLiteral("The update server could not be reached.");
const char* const kNoMessage = "the download told nothing within 20 s";

// The permissions the downloaded installer must have: the owner's only,
// executable.
const QFileDevice::Permissions kOwnerOnlyProgram =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadUser
    | QFileDevice::WriteUser | QFileDevice::ExeUser;

// The main window of these tests: it records that it was closed.
class HostWindow : public QWidget {
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closes;
        QWidget::closeEvent(event);
    }
};

// Runs the application's event loop until the application is asked to
// quit (result 0) or the time runs out (kNoQuit). The application loop is
// used because a quit request ends only that loop and is then forgotten.
int waitForQuit(int timeoutMs)
{
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, [] { QCoreApplication::exit(kNoQuit); });
    timeout.start(timeoutMs);
    return QCoreApplication::exec();
}

} // namespace

class UpdateDownloadTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sizeRule_data();
    void sizeRule();
    void failureSaysItsCause_data();
    void failureSaysItsCause();
    void userStopsTheDownload_data();
    void userStopsTheDownload();
    void wholeDownloadIsBounded();
    void realInstallerStarts_data();
    void realInstallerStarts();
    void installerQuitsThroughTheMainWindow();
    void verification_data();
    void verification();
    void digestFromTheVersionFile_data();
    void digestFromTheVersionFile();
    void httpsInstaller_data();
    void httpsInstaller();
    void progressLine();
    void offerUpdateOpensCentredDownload();
    void missingAddressShowsFailure_data();
    void missingAddressShowsFailure();
    void folderSize();
    void progressText_data();
    void progressText();
    void layout_data();
    void layout();

private:
    // The programs the application started since the test began.
    QStringList startedPrograms() const;
    // The download told `message` and closed; nothing runs, no installer
    // is left and the program goes on.
    void verifyFailedWith(const QDownloadApp& download, const ModalRecorder& recorder, const QString& message);

    std::unique_ptr<UpdateServer> m_server;
    QTemporaryDir m_records;
};

QStringList UpdateDownloadTest::startedPrograms() const
{
    QFile record(m_records.filePath(QStringLiteral("launches.txt")));
    if (!record.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(record.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void UpdateDownloadTest::verifyFailedWith(const QDownloadApp& download, const ModalRecorder& recorder,
                                          const QString& message)
{
    QTRY_COMPARE_WITH_TIMEOUT(recorder.messages, QStringList{message}, 20000);
    QTRY_VERIFY(!download.isVisible());
    QCOMPARE(waitForQuit(100), kNoQuit);
    QVERIFY(startedPrograms().isEmpty());
    QVERIFY(!QFile::exists(g_updateInstallerPath));
}

void UpdateDownloadTest::initTestCase()
{
    m_server = std::make_unique<UpdateServer>();
    qputenv(platform::kLaunchRecordVariable, m_records.filePath(QStringLiteral("launches.txt")).toUtf8());
    // In the application the main window stays open behind these dialogs.
    QApplication::setQuitOnLastWindowClosed(false);
    QDownloadApp::SetTimeLimit(60000);
}

void UpdateDownloadTest::init()
{
    setInterfaceLanguage(LayoutLanguage::English);
    g_state.uiScale = 1.0f;
    QFile::remove(m_records.filePath(QStringLiteral("launches.txt")));
    m_server->throttle(0, 0);
    SetUpdateFilePaths();
    offerInstallerDigest(QByteArray());
    g_leavingForInstaller = false;
}

void UpdateDownloadTest::cleanup()
{
    RemoveUpdateFolder();
}

void UpdateDownloadTest::sizeRule_data()
{
    QTest::addColumn<QVariant>("expectedSetting");
    QTest::addColumn<bool>("lengthAnnounced");
    QTest::addColumn<int>("installerSize");
    QTest::addColumn<QString>("failure"); // empty: the download finishes

    // A length the server announced and met makes the download complete.
    QTest::newRow("length met, far below the default size") << QVariant() << true << 300000 << QString();
    QTest::newRow("length met, below the set size") << QVariant(6000) << true << 5000 << QString();
    // Without a length, the expected size is the minimum.
    QTest::newRow("no length, default size exactly") << QVariant() << false << 10485760 << QString();
    QTest::newRow("no length, one byte short") << QVariant() << false << 10485759 << kCutShort;
    QTest::newRow("no length, zero means the default") << QVariant(0) << false << 10485759 << kCutShort;
    QTest::newRow("no length, larger installer") << QVariant(1000) << false << 4000 << QString();
    QTest::newRow("no length, set size above the installer") << QVariant(6000) << false << 5000 << kCutShort;
    QTest::newRow("no length, not a number means the default")
        << QVariant(QStringLiteral("big")) << false << 5000 << kCutShort;
    // ... and four times the expected size the maximum.
    QTest::newRow("no length, beyond four times the set size") << QVariant(1000) << false << 4001 << kTooLarge;
}

void UpdateDownloadTest::sizeRule()
{
    QFETCH(QVariant, expectedSetting);
    QFETCH(bool, lengthAnnounced);
    QFETCH(int, installerSize);
    QFETCH(QString, failure);
    const QByteArray installer = installerBytes(installerSize);
    if (lengthAnnounced)
        m_server->serve(QStringLiteral("Pictavo.exe"), installer);
    else
        m_server->serveWithoutLength(QStringLiteral("Pictavo.exe"), installer);
    writeSettings(m_server->baseUrl(), expectedSetting);
    offerInstallerDigest(sha256(installer));

    // Stale files of an earlier check are gone before the download starts.
    const QString staleInfo = g_updateInfoPath;
    QFile stale(staleInfo);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("8.1.0.0\n");
    stale.close();

    ModalRecorder recorder;
    QDownloadApp download(nullptr);
    QVERIFY(!QFile::exists(staleInfo));
    QVERIFY(!QFile::exists(g_updateInfoPath));
    download.show();

    if (failure.isEmpty()) {
        QCOMPARE(waitForQuit(20000), 0);
        const QStringList started = startedPrograms();
        QCOMPARE(started.size(), 1);
        QCOMPARE(readFileBytes(started.first()), installer);
        QCOMPARE(started.first(), g_updateInstallerPath);
        QCOMPARE(QFileInfo(started.first()).permissions(), kOwnerOnlyProgram);
        QVERIFY(recorder.messages.isEmpty());
    } else {
        verifyFailedWith(download, recorder, failure);
    }
    QVERIFY(!download.isVisible());
}

void UpdateDownloadTest::failureSaysItsCause_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("message");

    QTest::newRow("not on the server") << "404" << kNotFound;
    QTest::newRow("redirect loop") << "loop" << kRefused;
    QTest::newRow("nothing listens") << "down" << kUnreachable;
    QTest::newRow("connection closed before the announced length") << "short" << kCutShort;
    QTest::newRow("endless installer without a length") << "endless" << kTooLarge;
    QTest::newRow("server stops sending, connection open") << "stalled" << kStopped;
}

// Each failure tells its own cause, the window keeps working meanwhile,
// nothing runs and nothing is left behind.
void UpdateDownloadTest::failureSaysItsCause()
{
    QFETCH(QString, server);
    QFETCH(QString, message);
    const QString name = QStringLiteral("Pictavo.exe");
    QString base = m_server->baseUrl() + server + QLatin1Char('/');
    if (server == QLatin1String("loop")) {
        m_server->redirect(QStringLiteral("loop/Pictavo.exe"), m_server->baseUrl() + QStringLiteral("loop/again"));
        m_server->redirect(QStringLiteral("loop/again"), m_server->baseUrl() + QStringLiteral("loop/Pictavo.exe"));
    } else if (server == QLatin1String("down")) {
        base = unusedBaseUrl();
    } else if (server == QLatin1String("short")) {
        m_server->serveCutShort(QStringLiteral("short/") + name, installerBytes(1000), 5000);
    } else if (server == QLatin1String("stalled")) {
        m_server->serveStalled(server + QLatin1Char('/') + name, installerBytes(1000), 5000);
        // The bound on the whole download stands in for the stall bound.
        QDownloadApp::SetTimeLimit(1000);
    } else if (server == QLatin1String("endless")) {
        m_server->serveEndless(QStringLiteral("endless/") + name);
        // In chunks, so that the transfer lasts and the window's loop has
        // turns during it.
        m_server->throttle(4096, 10);
    }
    writeSettings(base, 100000);

    ModalRecorder recorder;
    QDownloadApp download(nullptr);
    download.show();
    ResponsivenessProbe probe([&recorder] { return recorder.messages.isEmpty(); });
    QTRY_VERIFY2_WITH_TIMEOUT(!recorder.messages.isEmpty(), kNoMessage, 20000);
    QDownloadApp::SetTimeLimit(60000);
    // The other failures may come before the loop's first turn; only a
    // transfer that lasts shows whether the window is served meanwhile.
    if (server == QLatin1String("endless"))
        QVERIFY2(probe.served(1), "the window was not served while the download ran");
    verifyFailedWith(download, recorder, message);
}

void UpdateDownloadTest::userStopsTheDownload_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Cancel button") << "button";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("window closed") << "close";
}

// A trickling installer: while it arrives the window works, and the user
// stops it; the file goes, nothing runs and the program stays.
void UpdateDownloadTest::userStopsTheDownload()
{
    QFETCH(QString, way);
    const QByteArray installer = installerBytes(400000);
    m_server->serve(QStringLiteral("Pictavo.exe"), installer);
    m_server->throttle(100, 50);
    writeSettings(m_server->baseUrl(), 400000);
    offerInstallerDigest(sha256(installer));

    ModalRecorder recorder;
    QDownloadApp download(nullptr);
    download.show();
    QVERIFY(download.CancelButton->isVisible());
    ResponsivenessProbe probe([&download] { return download.isVisible(); });
    QTRY_VERIFY2_WITH_TIMEOUT(QFileInfo(g_updateInstallerPath).size() > 0, "no data of the installer arrived",
                              20000);
    QTRY_VERIFY2_WITH_TIMEOUT(probe.served(), "the window was not served while the download ran", 20000);
    if (way == QLatin1String("button"))
        download.CancelButton->click();
    else if (way == QLatin1String("escape"))
        QTest::keyClick(&download, Qt::Key_Escape);
    else
        download.close();

    verifyFailedWith(download, recorder, kCancelled);
}

// One byte now and then never stalls the transfer; the bound on the whole
// download ends it.
void UpdateDownloadTest::wholeDownloadIsBounded()
{
    m_server->serve(QStringLiteral("Pictavo.exe"), installerBytes(4000));
    m_server->throttle(1, 200);
    writeSettings(m_server->baseUrl(), 4000);
    QDownloadApp::SetTimeLimit(1000);

    ModalRecorder recorder;
    QDownloadApp download(nullptr);
    download.show();
    QTRY_VERIFY2_WITH_TIMEOUT(!recorder.messages.isEmpty(), kNoMessage, 20000);
    QDownloadApp::SetTimeLimit(60000);
    QCOMPARE(recorder.messages, QStringList{kStopped});
    QVERIFY(!QFile::exists(g_updateInstallerPath));
    QCOMPARE(waitForQuit(100), kNoQuit);
}

void UpdateDownloadTest::realInstallerStarts_data()
{
    QTest::addColumn<bool>("program");
    QTest::newRow("a program") << true;
    QTest::newRow("bytes that are no program") << false;
}

// The installer is started for real. A program, served by the test, is
// saved owner-only and executable and runs, from the folder it was verified
// in. Bytes that are no program leave the program running, say so and are
// removed.
void UpdateDownloadTest::realInstallerStarts()
{
    QFETCH(bool, program);
    QTemporaryDir outside;
    const QString mark = outside.filePath(QStringLiteral("ran.txt"));
    const QByteArray installer = program ? markingProgram(mark) : installerBytes(3000);
    m_server->serve(QStringLiteral("Pictavo.exe"), installer);
    writeSettings(m_server->baseUrl(), QVariant());
    offerInstallerDigest(sha256(installer));
    const QByteArray record = qgetenv(platform::kLaunchRecordVariable);
    qunsetenv(platform::kLaunchRecordVariable);

    ModalRecorder recorder;
    QDownloadApp download(nullptr);
    download.show();
    if (!program) {
        verifyFailedWith(download, recorder, QStringLiteral("The installer could not be started."));
        qputenv(platform::kLaunchRecordVariable, record);
        return;
    }
    const int quit = waitForQuit(20000);
    qputenv(platform::kLaunchRecordVariable, record);
    QCOMPARE(quit, 0);
    QVERIFY(recorder.messages.isEmpty());
    QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(mark), "the downloaded program did not run", 20000);
    QCOMPARE(readFileBytes(mark).trimmed(), QFile::encodeName(QFileInfo(g_updateInstallerPath).path()));
    QCOMPARE(QFileInfo(g_updateInstallerPath).permissions(), kOwnerOnlyProgram);
    // The folder stays for the installer; this test removes it.
    QDir(QFileInfo(g_updateInstallerPath).path()).removeRecursively();
}

// The program ends through its main window's own close, which needs no
// question once the update was chosen.
void UpdateDownloadTest::installerQuitsThroughTheMainWindow()
{
    const QByteArray installer = installerBytes(3000);
    m_server->serve(QStringLiteral("Pictavo.exe"), installer);
    writeSettings(m_server->baseUrl(), 3000);
    offerInstallerDigest(sha256(installer));
    HostWindow window;
    window.show();
    auto* checker = new QWidget(&window, Qt::Window);
    QShowUpdate offer(checker);
    offer.show();
    offer.UpdateButton->click();

    QCOMPARE(waitForQuit(20000), 0);
    QCOMPARE(startedPrograms().size(), 1);
    QCOMPARE(window.closes, 1);
    QVERIFY(!window.isVisible());
    QVERIFY(g_leavingForInstaller);
}

void UpdateDownloadTest::verification_data()
{
    QTest::addColumn<QByteArray>("majorDigest");
    QTest::addColumn<QByteArray>("minorDigest");
    QTest::addColumn<bool>("minorFound");
    QTest::addColumn<bool>("starts");

    const QByteArray right = sha256(installerBytes(3000));
    const QByteArray wrong = sha256("another program");
    QTest::newRow("digest matches") << right << QByteArray() << false << true;
    QTest::newRow("digest differs") << wrong << QByteArray() << false << false;
    QTest::newRow("no digest, plain http") << QByteArray() << QByteArray() << false << false;
    QTest::newRow("the offered minor update's digest counts") << wrong << right << true << true;
    QTest::newRow("the offered minor update has none") << right << QByteArray() << true << false;
}

// Over plain http only a matching digest lets the installer run; otherwise
// the user is told, nothing runs and the download is gone.
void UpdateDownloadTest::verification()
{
    QFETCH(QByteArray, majorDigest);
    QFETCH(QByteArray, minorDigest);
    QFETCH(bool, minorFound);
    QFETCH(bool, starts);
    m_server->serve(QStringLiteral("Pictavo.exe"), installerBytes(3000));
    writeSettings(m_server->baseUrl(), 3000);
    offerInstallerDigest(majorDigest);
    g_minorUpdateFound = minorFound;
    g_minorInstallerDigest = minorDigest;

    ModalRecorder recorder;
    QDownloadApp download(nullptr);
    download.show();
    if (starts) {
        QCOMPARE(waitForQuit(20000), 0);
        QCOMPARE(startedPrograms().size(), 1);
        QVERIFY(recorder.messages.isEmpty());
        return;
    }
    verifyFailedWith(download, recorder, kUnverified);
}

void UpdateDownloadTest::digestFromTheVersionFile_data()
{
    QTest::addColumn<bool>("https");
    QTest::addColumn<QByteArray>("digest");
    QTest::addColumn<bool>("starts");
    QTest::newRow("https, installer matches its line") << true << sha256(installerBytes(5000)).toHex() << true;
    QTest::newRow("https, installer replaced on the way") << true << sha256("what the line named").toHex() << false;
    // Whoever answers a plain http link supplies the digest and the
    // installer alike: the digest vouches for nothing.
    QTest::newRow("plain http, installer matches its line") << false << sha256(installerBytes(5000)).toHex()
                                                             << false;
}

// From the version file on the server to the started installer: the
// digest on the offered version's line decides, when the line came over
// verified https.
void UpdateDownloadTest::digestFromTheVersionFile()
{
    QFETCH(bool, https);
    QFETCH(QByteArray, digest);
    QFETCH(bool, starts);
    qputenv(platform::kNetworkStateVariable, "online");
    static const LoopbackIdentity identity = makeLoopbackIdentity();
    QVERIFY2(!identity.certificate.isNull() && !identity.key.isNull(), "openssl made no certificate");
    UpdateServer secureServer(identity.certificate, identity.key);
    UpdateServer& server = https ? secureServer : *m_server;
    const QSslConfiguration system = QSslConfiguration::defaultConfiguration();
    QSslConfiguration withTestAuthority = system;
    withTestAuthority.addCaCertificate(identity.certificate);
    QSslConfiguration::setDefaultConfiguration(withTestAuthority);
    server.serve(QStringLiteral("Pictavo.txt"), "8.1.5.0\n9.0.0.0 " + digest + "\n");
    server.serve(QStringLiteral("Pictavo.exe"), installerBytes(5000));
    writeSettings(server.baseUrl(), 5000);
    platform::openSettings(g_state.settingsPath)->setValue(QStringLiteral("Version"), QStringLiteral("8.1.5.0"));

    ModalRecorder recorder;
    QWidget window;
    auto* checker = new QCheckUpdate(&window);
    QTRY_VERIFY2_WITH_TIMEOUT(!checker->IsChecking(), "the update check did not end", 20000);
    auto* offer = checker->findChild<QShowUpdate*>();
    QVERIFY(offer);
    QCOMPARE(OfferedInstallerDigest().toHex(), https ? digest : QByteArray());
    offer->UpdateButton->click();
    if (starts) {
        QCOMPARE(waitForQuit(20000), 0);
        QCOMPARE(startedPrograms().size(), 1);
        QVERIFY(recorder.messages.isEmpty());
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(recorder.messages, QStringList{kUnverified}, 20000);
        QCOMPARE(waitForQuit(100), kNoQuit);
        QVERIFY(startedPrograms().isEmpty());
    }
    QSslConfiguration::setDefaultConfiguration(system);
}

void UpdateDownloadTest::httpsInstaller_data()
{
    QTest::addColumn<bool>("trusted");
    QTest::addColumn<QByteArray>("digest");
    QTest::addColumn<QString>("message");

    const QByteArray installer = installerBytes(4000);
    QTest::newRow("verified certificate, no digest") << true << QByteArray() << QString();
    QTest::newRow("verified certificate, matching digest") << true << sha256(installer) << QString();
    QTest::newRow("verified certificate, other digest") << true << sha256("another program") << kUnverified;
    QTest::newRow("certificate nobody vouches for") << false << QByteArray() << kRefused;
}

// Over https the toolkit checks the server's certificate against the
// trusted authorities; the test trusts its own certificate that way.
void UpdateDownloadTest::httpsInstaller()
{
    QFETCH(bool, trusted);
    QFETCH(QByteArray, digest);
    QFETCH(QString, message);
    static const LoopbackIdentity identity = makeLoopbackIdentity();
    QVERIFY2(!identity.certificate.isNull() && !identity.key.isNull(), "openssl made no certificate");
    UpdateServer server(identity.certificate, identity.key);
    server.serve(QStringLiteral("Pictavo.exe"), installerBytes(4000));
    writeSettings(server.baseUrl(), 4000);
    offerInstallerDigest(digest);
    const QSslConfiguration system = QSslConfiguration::defaultConfiguration();
    if (trusted) {
        QSslConfiguration withTestAuthority = system;
        withTestAuthority.addCaCertificate(identity.certificate);
        QSslConfiguration::setDefaultConfiguration(withTestAuthority);
    }

    ModalRecorder recorder;
    QDownloadApp download(nullptr);
    download.show();
    if (message.isEmpty()) {
        QCOMPARE(waitForQuit(20000), 0);
        QCOMPARE(startedPrograms().size(), 1);
        QVERIFY(recorder.messages.isEmpty());
    } else {
        verifyFailedWith(download, recorder, message);
    }
    QSslConfiguration::setDefaultConfiguration(system);
}

void UpdateDownloadTest::progressLine()
{
    const QByteArray installer = installerBytes(400000);
    offerInstallerDigest(sha256(installer));
    m_server->serve(QStringLiteral("Pictavo.exe"), installer);
    m_server->throttle(40000, 100);
    writeSettings(m_server->baseUrl(), 400000);

    ModalRecorder recorder;
    QDownloadApp download(nullptr);
    download.show();
    const QRegularExpression line(QStringLiteral("^Time Elapsed: \\d+ sec \\(\\d+\\.\\d\\d MB copied\\) $"));
    QTRY_VERIFY_WITH_TIMEOUT(line.match(download.TimeElapsedLabel->text()).hasMatch(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(download.ExeDownLoadProgressBar->value() > 0, 10000);
    QCOMPARE(download.ExeDownLoadProgressBar->maximum(), 400000);
    QCOMPARE(waitForQuit(20000), 0);
    QCOMPARE(startedPrograms().size(), 1);
}

void UpdateDownloadTest::offerUpdateOpensCentredDownload()
{
    m_server->serve(QStringLiteral("Pictavo.exe"), installerBytes(2000));
    writeSettings(m_server->baseUrl(), 2000);
    offerInstallerDigest(sha256(installerBytes(2000)));
    QShowUpdate offer(nullptr);
    offer.move(100, 80);
    offer.show();
    const QRect offerRect = offer.geometry();
    offer.UpdateButton->click();

    auto* download = offer.findChild<QDownloadApp*>();
    QVERIFY(download);
    QVERIFY(!offer.isVisible());
    QCOMPARE(download->pos(), QPoint((offerRect.width() - download->width()) / 2 + offerRect.x(),
                                     (offerRect.height() - download->height()) / 2 + offerRect.y()));
    QCOMPARE(waitForQuit(20000), 0);
    QCOMPARE(startedPrograms().size(), 1);
}

void UpdateDownloadTest::missingAddressShowsFailure_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<float>("scale");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("message"); // %1 stands for the address

    const QString noAddress = QStringLiteral("Unable to save the file : no download address is set.");
    const QString invalid = QStringLiteral("Unable to save the file %1 : the download address is not valid.");
    // A port that is no number makes the address invalid.
    const QString longLink = QStringLiteral(
        "http://downloads.updates.photorepairservice.centraleurope.example.com:80x/releases/"
        "currentversion/installers/englishlanguage/setupfiles/?channel=stable&platform=linuxdesktop&mirror=");
    QTest::newRow("no address") << QString() << 1.0f << false << noAddress;
    QTest::newRow("long invalid address") << longLink << 1.0f << false << invalid;
    QTest::newRow("long invalid address, scale 1.25") << longLink << 1.25f << false << invalid;
    QTest::newRow("long invalid address, scale 1.5") << longLink << 1.5f << false << invalid;
    // One colon, between the address and the reason; without an address no
    // gap is left where it would stand.
    QTest::newRow("German, no address")
        << QString() << 1.0f << true
        << QStringLiteral("Die Datei kann nicht gespeichert werden : es ist keine Download-Adresse festgelegt.");
    QTest::newRow("German, long invalid address")
        << longLink << 1.0f << true
        << QStringLiteral("Die Datei kann nicht gespeichert werden %1 : die Download-Adresse ist ungültig.");
}

// The failure takes the emptied page and shows all of its text, a long
// address wrapped after its separators.
void UpdateDownloadTest::missingAddressShowsFailure()
{
    QFETCH(QString, link);
    QFETCH(float, scale);
    QFETCH(bool, german);
    QFETCH(QString, message);
    g_state.uiScale = scale;
    QTranslator translator;
    if (german)
        QVERIFY(installGerman(translator));
    writeSettings(link, QVariant());
    QDownloadApp download(nullptr);
    download.show();
    QCoreApplication::removeTranslator(&translator);
    const QLabel* failure = download.DownLoadProgressLabel;
    QString shown = failure->text();
    const QString address = link.isEmpty() ? QString() : link + QStringLiteral("Pictavo.exe");
    QCOMPARE(shown.remove(QChar(0x200B)), address.isEmpty() ? message : message.arg(address));
    QVERIFY(failure->isVisible());
    QVERIFY2(download.rect().contains(failure->geometry()), "the failure message lies outside the window");
    const QRect space = failure->contentsRect();
    const QRect needed =
        failure->fontMetrics().boundingRect(space, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, failure->text());
    QVERIFY2(needed.width() <= space.width(), qPrintable(QStringLiteral("the message needs %1 pixels of width, has %2")
                                                             .arg(needed.width()).arg(space.width())));
    QVERIFY2(failure->heightForWidth(failure->width()) <= failure->height(),
             qPrintable(QStringLiteral("the message needs %1 pixels of height, has %2")
                            .arg(failure->heightForWidth(failure->width())).arg(failure->height())));
    QVERIFY(!failure->geometry().intersects(download.OkButton->geometry()));
    QVERIFY(download.ExeDownLoadProgressBar->isHidden());
    QVERIFY(download.OkButton->isVisible());
    QVERIFY(download.CancelButton->isHidden());
    download.OkButton->click();
    QVERIFY(!download.isVisible());
    QCOMPARE(waitForQuit(300), kNoQuit);
    QVERIFY(startedPrograms().isEmpty());
}

void UpdateDownloadTest::folderSize()
{
    QTemporaryDir root;
    QCOMPARE(GetFolderSize(root.path()), 0);
    QCOMPARE(GetFolderSize(root.path() + QLatin1String("/missing")), 0);
    QDir(root.path()).mkpath(QStringLiteral("a/b"));
    for (const auto& entry : {std::make_pair("one", 10), std::make_pair("a/two", 200), std::make_pair("a/b/.three", 3000)}) {
        QFile file(root.path() + QLatin1Char('/') + QLatin1String(entry.first));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(entry.second, 'x'));
    }
    QCOMPARE(GetFolderSize(root.path()), 3210);
}

void UpdateDownloadTest::progressText_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("start") << qint64(0) << qint64(0) << "Time Elapsed: 0 sec (0.00 MB copied) ";
    QTest::newRow("3.5 MB") << qint64(12) << qint64(3670016) << "Time Elapsed: 12 sec (3.50 MB copied) ";
    // Past 4 GiB the count goes on instead of starting again from zero.
    QTest::newRow("4 GiB and 1 MiB") << qint64(600) << (qint64(1) << 32) + 1048576
                                     << "Time Elapsed: 600 sec (4097.00 MB copied) ";
}

void UpdateDownloadTest::progressText()
{
    QFETCH(qint64, seconds);
    QFETCH(qint64, bytes);
    QTEST(QDownloadApp::ProgressText(seconds, bytes), "text");
}

void UpdateDownloadTest::layout_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("language");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("infoHeight");

    QTest::newRow("English") << 1.0f << int(LayoutLanguage::English) << QSize(491, 367) << 31;
    QTest::newRow("French") << 1.0f << int(LayoutLanguage::French) << QSize(491, 367) << 45;
    QTest::newRow("Italian") << 1.0f << int(LayoutLanguage::Italian) << QSize(491, 367) << 40;
    QTest::newRow("scale 1.25") << 1.25f << int(LayoutLanguage::English) << QSize(613, 458) << 38;
}

void UpdateDownloadTest::layout()
{
    QFETCH(float, scale);
    QFETCH(int, language);
    g_state.uiScale = scale;
    setInterfaceLanguage(LayoutLanguage(language));
    writeSettings(QString(), QVariant());
    QDownloadApp download(nullptr);
    QTEST(download.size(), "size");
    QTEST(download.InfoLabel->height(), "infoHeight");
    QVERIFY(download.label->pixmap() && !download.label->pixmap()->isNull());
    QVERIFY(download.RestartLabel->isHidden());
    QVERIFY(download.windowFlags().testFlag(Qt::FramelessWindowHint));
}

QTEST_MAIN(UpdateDownloadTest)
#include "tst_update_download.moc"
