#include "dialog_driver.h"
#include "global_state.h"
#include "program_launch.h"
#include "modal_recorder.h"
#include "q_check_update.h"
#include "q_download_app.h"
#include "q_show_update.h"
#include "network_state.h"
#include "settings_store.h"
#include "update_files.h"
#include "update_server.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QTimer>
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
    void verification_data();
    void verification();
    void digestFromTheVersionFile_data();
    void digestFromTheVersionFile();
    void installerThatDoesNotStartKeepsTheProgram();
    void httpsInstaller_data();
    void httpsInstaller();
    void progressLine();
    void offerUpdateOpensCentredDownload();
    void missingAddressShowsFailure();
    void folderSize();
    void progressText_data();
    void progressText();
    void layout_data();
    void layout();

private:
    // The programs the application started since the test began.
    QStringList startedPrograms() const;

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

void UpdateDownloadTest::initTestCase()
{
    m_server = std::make_unique<UpdateServer>();
    qputenv(platform::kLaunchRecordVariable, m_records.filePath(QStringLiteral("launches.txt")).toUtf8());
    // In the application the main window stays open behind these dialogs.
    QApplication::setQuitOnLastWindowClosed(false);
}

void UpdateDownloadTest::init()
{
    setInterfaceLanguage(LayoutLanguage::English);
    g_state.uiScale = 1.0f;
    QFile::remove(m_records.filePath(QStringLiteral("launches.txt")));
    m_server->throttle(0, 0);
    SetUpdateFilePaths();
    offerInstallerDigest(QByteArray());
}

void UpdateDownloadTest::cleanup()
{
    RemoveUpdateFolder();
}

void UpdateDownloadTest::sizeRule_data()
{
    QTest::addColumn<QVariant>("expectedSetting");
    QTest::addColumn<int>("installerSize");
    QTest::addColumn<bool>("finishes");

    QTest::newRow("default size, exactly") << QVariant() << 10485760 << true;
    QTest::newRow("default size, one byte short") << QVariant() << 10485759 << false;
    QTest::newRow("zero means the default") << QVariant(0) << 10485759 << false;
    QTest::newRow("set size, larger installer") << QVariant(1000) << 5000 << true;
    QTest::newRow("set size above the installer") << QVariant(6000) << 5000 << false;
    QTest::newRow("not a number means the default") << QVariant(QStringLiteral("big")) << 5000 << false;
}

void UpdateDownloadTest::sizeRule()
{
    QFETCH(QVariant, expectedSetting);
    QFETCH(int, installerSize);
    QFETCH(bool, finishes);
    const QByteArray installer = installerBytes(installerSize);
    m_server->serve(QStringLiteral("Pictavo.exe"), installer);
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

    if (finishes) {
        QCOMPARE(waitForQuit(20000), 0);
        const QStringList started = startedPrograms();
        QCOMPARE(started.size(), 1);
        QFile file(started.first());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), installer);
        QCOMPARE(QFileInfo(started.first()).fileName(), QStringLiteral("Pictavo.exe"));
        QVERIFY(recorder.messages.isEmpty());
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(
            recorder.messages, QStringList{QStringLiteral("Update failed \n\n Update failed due to partial download.")},
            20000);
        QTRY_VERIFY(!download.isVisible());
        QCOMPARE(waitForQuit(100), kNoQuit);
        QVERIFY(startedPrograms().isEmpty());
        QVERIFY(!QFile::exists(g_updateInstallerPath));
    }
    QVERIFY(!download.isVisible());
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
    QTRY_COMPARE_WITH_TIMEOUT(recorder.messages, QStringList{kUnverified}, 20000);
    QTRY_VERIFY(!download.isVisible());
    QCOMPARE(waitForQuit(100), kNoQuit);
    QVERIFY(startedPrograms().isEmpty());
    QVERIFY(!QFile::exists(g_updateInstallerPath));
}

void UpdateDownloadTest::digestFromTheVersionFile_data()
{
    QTest::addColumn<QByteArray>("digest");
    QTest::addColumn<bool>("starts");
    QTest::newRow("installer matches its line") << sha256(installerBytes(5000)).toHex() << true;
    QTest::newRow("installer replaced on the way") << sha256("what the line named").toHex() << false;
}

// From the version file on the server to the started installer: the
// digest on the offered version's line decides.
void UpdateDownloadTest::digestFromTheVersionFile()
{
    QFETCH(QByteArray, digest);
    QFETCH(bool, starts);
    qputenv(platform::kNetworkStateVariable, "online");
    m_server->serve(QStringLiteral("Pictavo.txt"), "8.1.5.0\n9.0.0.0 " + digest + "\n");
    m_server->serve(QStringLiteral("Pictavo.exe"), installerBytes(5000));
    writeSettings(m_server->baseUrl(), 5000);
    platform::openSettings(g_state.settingsPath)->setValue(QStringLiteral("Version"), QStringLiteral("8.1.5.0"));

    ModalRecorder recorder;
    QWidget window;
    auto* checker = new QCheckUpdate(&window);
    QTRY_VERIFY2_WITH_TIMEOUT(!checker->IsChecking(), "the update check did not end", 20000);
    auto* offer = checker->findChild<QShowUpdate*>();
    QVERIFY(offer);
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
}

// A verified installer that does not start leaves the program running,
// says so and removes the download.
void UpdateDownloadTest::installerThatDoesNotStartKeepsTheProgram()
{
    const QByteArray installer = installerBytes(3000);
    m_server->serve(QStringLiteral("Pictavo.exe"), installer);
    writeSettings(m_server->baseUrl(), 3000);
    offerInstallerDigest(sha256(installer));
    // Started for real: the downloaded bytes are no program of this system.
    const QByteArray record = qgetenv(platform::kLaunchRecordVariable);
    qunsetenv(platform::kLaunchRecordVariable);

    ModalRecorder recorder;
    QDownloadApp download(nullptr);
    download.show();
    QTRY_COMPARE_WITH_TIMEOUT(recorder.messages, QStringList{QStringLiteral("The installer could not be started.")},
                              20000);
    qputenv(platform::kLaunchRecordVariable, record);
    QTRY_VERIFY(!download.isVisible());
    QCOMPARE(waitForQuit(100), kNoQuit);
    QVERIFY(!QFile::exists(g_updateInstallerPath));
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
    QTest::newRow("certificate nobody vouches for")
        << false << QByteArray() << QStringLiteral("Update failed \n\n Update failed due to partial download.");
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
        QTRY_COMPARE_WITH_TIMEOUT(recorder.messages, QStringList{message}, 20000);
        QCOMPARE(waitForQuit(100), kNoQuit);
        QVERIFY(startedPrograms().isEmpty());
        QVERIFY(!QFile::exists(g_updateInstallerPath));
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

void UpdateDownloadTest::missingAddressShowsFailure()
{
    writeSettings(QString(), QVariant());
    QDownloadApp download(nullptr);
    download.show();
    QVERIFY(download.DownLoadProgressLabel->text().startsWith(QStringLiteral("Unable to save the file  : ")));
    QVERIFY(download.ExeDownLoadProgressBar->isHidden());
    QVERIFY(download.OkButton->isVisible());
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
}

QTEST_MAIN(UpdateDownloadTest)
#include "tst_update_download.moc"
