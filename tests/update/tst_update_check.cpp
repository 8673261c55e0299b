#include "dialog_driver.h"
#include "global_state.h"
#include "modal_recorder.h"
#include "network_state.h"
#include "q_check_update.h"
#include "q_download_app.h"
#include "q_show_update.h"
#include "repair_finish_dialog.h"
#include "responsiveness_probe.h"
#include "settings_store.h"
#include "temp_file.h"
#include "update_files.h"
#include "update_server.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>
#include <QTranslator>
#include <QWidget>
#include <QtTest>

#include <memory>

namespace {

const char* const kCheckDidNotEnd = "the update check did not end within 20 s";
const QString kNoUpdate = QStringLiteral("No update available.");
const QString kCheckFailed = QStringLiteral("The update check could not be completed.");
const QString kUnreachable = kCheckFailed + QStringLiteral("\nThe update server could not be reached.");
const QString kNotFound = kCheckFailed + QStringLiteral("\nThe update was not found on the server.");
const QString kRefused =
    kCheckFailed + QStringLiteral("\nThe update server refused the download or could not be trusted.");
const QString kCutShort = kCheckFailed + QStringLiteral("\nThe download was cut short.");
const QString kTooLarge = kCheckFailed + QStringLiteral("\nThe download was larger than the update may be.");
const QString kStopped = kCheckFailed + QStringLiteral("\nThe update server stopped sending.");

void writeSettings(const QString& link, const QString& installed)
{
    auto settings = platform::openSettings(g_state.settingsPath);
    settings->clear();
    settings->setValue(QStringLiteral("EN/UpdateNewLink"), link);
    settings->setValue(QStringLiteral("Version"), installed);
}

// The server offers this version file, and the settings point at it.
void offerVersionFile(UpdateServer& server, const QByteArray& versionFile, const QString& installed)
{
    server.serve(QStringLiteral("Pictavo.txt"), versionFile);
    writeSettings(server.baseUrl(), installed);
}

} // namespace

Q_DECLARE_METATYPE(LayoutLanguage)

namespace {

// A major release on offer, at the scale and in the language of the
// current data row.
void offerOfTheRow()
{
    QFETCH(float, scale);
    QFETCH(LayoutLanguage, language);
    g_state.uiScale = scale;
    setInterfaceLanguage(language);
    g_majorUpdateFound = true;
    g_minorUpdateFound = false;
}

} // namespace

class UpdateCheckTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void newerVersionOpensTheOffer_data();
    void newerVersionOpensTheOffer();
    void nothingNewerIsReportedOnlyWhenAsked_data();
    void nothingNewerIsReportedOnlyWhenAsked();
    void failedCheckIsReportedOnlyWhenAsked_data();
    void failedCheckIsReportedOnlyWhenAsked();
    void installedVersionDefaultsToTheProgram_data();
    void installedVersionDefaultsToTheProgram();
    void offerIsCentredOnTheWindow();
    void offlineCheckAsksNoServer();
    void untrustedHttpsServerFailsTheCheck();
    void failureIsToldInTheInterfaceLanguage();
    void windowKeepsWorkingDuringTheCheck();
    void boxIsCentredOnTheWindow();
    void shortVersionFileRemovesTheFolder();
    void updateFolderIsPrivateAndFresh();
    void removalLeavesLinkTargetsAlone();
    void linkOfTheInterfaceLanguage();
    void offerCancelDeletesTheVersionFile();
    void offerLayout_data();
    void offerLayout();
    void offerEdgesAlign_data();
    void offerEdgesAlign();
    void offerStripAndKeys();
    void offerLanguageChangeKeepsItsText();

private:
    // Runs one check to its end; false when it did not end in time.
    bool runCheck(bool asked);
    QShowUpdate* offer() const;

    std::unique_ptr<UpdateServer> m_server;
    std::unique_ptr<QWidget> m_host;
    QCheckUpdate* m_checker = nullptr;
};

void UpdateCheckTest::initTestCase()
{
    qputenv(platform::kNetworkStateVariable, "online");
    m_server = std::make_unique<UpdateServer>();
}

void UpdateCheckTest::init()
{
    setInterfaceLanguage(LayoutLanguage::English);
    g_state.uiScale = 1.0f;
    g_reportNoUpdate = false;
    g_minorVersionText.clear();
    g_majorVersionText.clear();
    m_host = std::make_unique<QWidget>();
    m_server->silence(false);
    m_server->throttle(0, 0);
    QCheckUpdate::SetTimeLimit(15000);
}

void UpdateCheckTest::cleanup()
{
    m_checker = nullptr;
    m_host.reset();
    qputenv(platform::kNetworkStateVariable, "online");
}

bool UpdateCheckTest::runCheck(bool asked)
{
    g_reportNoUpdate = asked;
    m_checker = new QCheckUpdate(m_host.get());
    m_checker->hide();
    return QTest::qWaitFor([this] { return !m_checker->IsChecking(); }, 20000);
}

QShowUpdate* UpdateCheckTest::offer() const
{
    return m_checker->findChild<QShowUpdate*>();
}

void UpdateCheckTest::newerVersionOpensTheOffer_data()
{
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QByteArray>("versionFile");
    QTest::addColumn<QString>("offerText");

    QTest::newRow("update and major release: the update is named")
        << "8.1.0.0" << QByteArray("8.1.5.0\r\n9.0.0.0\r\n") << "A new minor update 8.1.5.0 is available. Click Update to proceed further.";
    QTest::newRow("only the major release")
        << "8.1.5.0" << QByteArray("  8.1.5.0  \n9.0.0.0") << "A new major release 9.0.0.0 is available. Click Update to proceed further.";
    QTest::newRow("newer update on the second line names that line")
        << "8.1.0.0" << QByteArray("8.1.0.0\n8.2.0.0\n") << "A new minor update 8.2.0.0 is available. Click Update to proceed further.";
    QTest::newRow("major on the first line names that line")
        << "8.1.5.0" << QByteArray("9.0.0.0\n8.1.5.0\n") << "A new major release 9.0.0.0 is available. Click Update to proceed further.";
    QTest::newRow("two-digit part, named as the file gives it")
        << "8.9.0.0" << QByteArray("8.10.0.0\n") << "A new minor update 8.10.0.0 is available. Click Update to proceed further.";
    QTest::newRow("lines with installer digests")
        << "8.1.0.0" << QByteArray("8.1.5.0 " + QByteArray(64, 'a') + "\n9.0.0.0 " + QByteArray(64, 'b') + "\n")
        << "A new minor update 8.1.5.0 is available. Click Update to proceed further.";
}

void UpdateCheckTest::newerVersionOpensTheOffer()
{
    QFETCH(QString, installed);
    QFETCH(QByteArray, versionFile);
    QFETCH(QString, offerText);
    offerVersionFile(*m_server, versionFile, installed);

    ModalRecorder recorder;
    QVERIFY2(runCheck(true), kCheckDidNotEnd);
    QVERIFY(offer());
    QVERIFY(offer()->isVisible());
    QVERIFY(!g_reportNoUpdate);
    QCOMPARE(offer()->textEdit->toPlainText(), offerText + QLatin1Char('\n'));
    QVERIFY(recorder.messages.isEmpty());
    // The version file stays for the offer's Cancel to delete.
    QVERIFY(QFile::exists(g_updateInfoPath));
}

void UpdateCheckTest::nothingNewerIsReportedOnlyWhenAsked_data()
{
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QByteArray>("versionFile");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QStringList>("messages");

    const QStringList box{kNoUpdate};
    QTest::newRow("same version, Update button") << "8.1.5.0" << QByteArray("8.1.5.0\n8.1.5.0\n") << true << box;
    QTest::newRow("same version, start-up") << "8.1.5.0" << QByteArray("8.1.5.0\n8.1.5.0\n") << false << QStringList();
    QTest::newRow("older version offered") << "8.2.0.0" << QByteArray("8.1.5.0\n") << true << box;
    QTest::newRow("older two-digit part offered") << "8.10.0.0" << QByteArray("8.2.0.0\n8.9.0.0\n") << true << box;
    QTest::newRow("one line without a version") << "8.1.5.0" << QByteArray("8.1.5.0\n<html>\n") << true << box;
}

void UpdateCheckTest::nothingNewerIsReportedOnlyWhenAsked()
{
    QFETCH(QString, installed);
    QFETCH(QByteArray, versionFile);
    QFETCH(bool, asked);
    offerVersionFile(*m_server, versionFile, installed);

    ModalRecorder recorder;
    QVERIFY2(runCheck(asked), kCheckDidNotEnd);
    QVERIFY(!offer());
    QTEST(recorder.messages, "messages");
    QVERIFY(!g_reportNoUpdate);
    QVERIFY(!g_majorUpdateFound && !g_minorUpdateFound);
}

void UpdateCheckTest::failedCheckIsReportedOnlyWhenAsked_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QByteArray>("versionFile");
    QTest::addColumn<QString>("message");

    QTest::newRow("server down") << "" << "down" << QByteArray("9.0.0.0\n") << kUnreachable;
    QTest::newRow("version file not found") << "" << "missing/" << QByteArray("9.0.0.0\n") << kNotFound;
    QTest::newRow("redirect loop") << "loop" << "loop/" << QByteArray() << kRefused;
    QTest::newRow("no link") << "" << "none" << QByteArray("9.0.0.0\n") << kCheckFailed;
    QTest::newRow("link not a valid address") << "" << "http://[::1" << QByteArray("9.0.0.0\n") << kCheckFailed;
    QTest::newRow("no version lines") << "" << "" << QByteArray("<html></html>") << kCheckFailed;
    QTest::newRow("version file too short") << "" << "" << QByteArray("9.0") << kCheckFailed;
    QTest::newRow("version longer than 32 characters")
        << "" << "" << "9." + QByteArray(40, '0') + "\n" << kCheckFailed;
    // Larger than any version file: the transfer stops at its bound.
    QTest::newRow("version line of a megabyte") << "" << "" << "9." + QByteArray(1 << 20, '1') << kTooLarge;
    QTest::newRow("endless version file") << "endless" << "" << QByteArray() << kTooLarge;
    QTest::newRow("connection closed before the announced length") << "short" << "" << QByteArray("9.0.0.0\n")
                                                                    << kCutShort;
    // Servers that keep the connection: the bound on the whole check ends it.
    QTest::newRow("server never answers") << "silent" << "" << QByteArray("9.0.0.0\n") << kUnreachable;
    QTest::newRow("server sends a byte every few seconds")
        << "trickle" << "" << QByteArray(4096, '9') << kStopped;
    QTest::newRow("server stops sending, connection open") << "stalled" << "" << QByteArray("9.0.0.0\n") << kStopped;
}

void UpdateCheckTest::failedCheckIsReportedOnlyWhenAsked()
{
    QFETCH(QString, server);
    QFETCH(QString, link);
    QFETCH(QByteArray, versionFile);
    QFETCH(QString, message);
    const QString installed = QStringLiteral("8.1.0.0");
    offerVersionFile(*m_server, versionFile, installed);
    if (server == QLatin1String("endless"))
        m_server->serveEndless(QStringLiteral("Pictavo.txt"));
    if (server == QLatin1String("short"))
        m_server->serveCutShort(QStringLiteral("Pictavo.txt"), versionFile, versionFile.size() + 100);
    if (server == QLatin1String("stalled"))
        m_server->serveStalled(QStringLiteral("Pictavo.txt"), versionFile, versionFile.size() + 100);
    if (server == QLatin1String("loop")) {
        m_server->redirect(QStringLiteral("loop/Pictavo.txt"), m_server->baseUrl() + QStringLiteral("loop/again"));
        m_server->redirect(QStringLiteral("loop/again"), m_server->baseUrl() + QStringLiteral("loop/Pictavo.txt"));
    }
    QString base = m_server->baseUrl();
    if (link == QLatin1String("down"))
        base = unusedBaseUrl();
    else if (link == QLatin1String("none"))
        base.clear();
    else if (!link.isEmpty())
        base = link.startsWith(QLatin1String("http")) ? link : base + link;
    writeSettings(base, installed);
    m_server->silence(server == QLatin1String("silent"));
    if (server == QLatin1String("trickle"))
        m_server->throttle(1, 3000);
    // The endless file comes in chunks, so that the window's loop has turns
    // between them to show that it is served.
    if (server == QLatin1String("endless"))
        m_server->throttle(4096, 10);
    // Short enough for the test, long enough for a loopback answer.
    const bool waitsForTheBound = server == QLatin1String("silent") || server == QLatin1String("trickle")
                                  || server == QLatin1String("stalled");
    QCheckUpdate::SetTimeLimit(waitsForTheBound ? 300 : 15000);

    for (const bool asked : {false, true}) {
        ModalRecorder recorder;
        ResponsivenessProbe probe([this] { return m_checker && m_checker->IsChecking(); });
        QVERIFY2(runCheck(asked), kCheckDidNotEnd);
        if (waitsForTheBound || server == QLatin1String("endless"))
            QVERIFY2(probe.served(1), "the window was not served during the check");
        QVERIFY(!offer());
        QCOMPARE(recorder.messages, asked ? QStringList{message} : QStringList());
        QVERIFY(!g_reportNoUpdate);
        // The version file is gone with its folder; nothing of it stays.
        QVERIFY(!QFile::exists(g_updateInfoPath) || server.isEmpty());
    }
}

// Without a "Version" setting the check compares with this program's own
// version.
void UpdateCheckTest::installedVersionDefaultsToTheProgram_data()
{
    QTest::addColumn<QByteArray>("versionFile");
    QTest::addColumn<bool>("offered");
    QTest::newRow("newer version offered") << QByteArray("99.0.0.0\n") << true;
    QTest::newRow("the program's own version") << QByteArray(PICTAVO_VERSION "\n") << false;
}

void UpdateCheckTest::installedVersionDefaultsToTheProgram()
{
    QFETCH(QByteArray, versionFile);
    QFETCH(bool, offered);
    offerVersionFile(*m_server, versionFile, QString());
    platform::openSettings(g_state.settingsPath)->remove(QStringLiteral("Version"));

    ModalRecorder recorder;
    QVERIFY2(runCheck(true), kCheckDidNotEnd);
    QCOMPARE(offer() != nullptr, offered);
    QCOMPARE(recorder.messages, offered ? QStringList() : QStringList{kNoUpdate});
}

void UpdateCheckTest::offerIsCentredOnTheWindow()
{
    offerVersionFile(*m_server, "9.0.0.0\n", QStringLiteral("8.1.0.0"));
    m_host->setGeometry(300, 200, 900, 700);
    m_host->show();
    QVERIFY2(runCheck(true), kCheckDidNotEnd);
    QVERIFY(offer());
    QCOMPARE(offer()->pos(), centredOn(m_host->geometry(), offer()->size()).topLeft());
    QVERIFY(offer()->windowFlags().testFlag(Qt::FramelessWindowHint));
}

void UpdateCheckTest::offlineCheckAsksNoServer()
{
    qputenv(platform::kNetworkStateVariable, "offline");
    offerVersionFile(*m_server, "9.0.0.0\n", QStringLiteral("8.1.0.0"));
    const int requests = m_server->requestCount(QStringLiteral("Pictavo.txt"));

    for (const bool asked : {false, true}) {
        ModalRecorder recorder;
        QVERIFY2(runCheck(asked), kCheckDidNotEnd);
        QCOMPARE(recorder.messages, asked ? QStringList{kUnreachable} : QStringList());
        QVERIFY(!g_reportNoUpdate);
    }
    QCOMPARE(m_server->requestCount(QStringLiteral("Pictavo.txt")), requests);
}

void UpdateCheckTest::untrustedHttpsServerFailsTheCheck()
{
    const LoopbackIdentity identity = makeLoopbackIdentity();
    QVERIFY2(!identity.certificate.isNull() && !identity.key.isNull(), "openssl made no certificate");
    UpdateServer server(identity.certificate, identity.key);
    offerVersionFile(server, "9.0.0.0\n", QStringLiteral("8.1.0.0"));

    ModalRecorder recorder;
    QVERIFY2(runCheck(true), kCheckDidNotEnd);
    QVERIFY(!offer());
    QCOMPARE(recorder.messages, QStringList{kRefused});
}

void UpdateCheckTest::failureIsToldInTheInterfaceLanguage()
{
    qputenv(platform::kNetworkStateVariable, "offline");
    QTranslator german;
    QVERIFY(installGerman(german));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    ModalRecorder recorder;
    QVERIFY2(runCheck(true), kCheckDidNotEnd);
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(recorder.messages,
             QStringList{QString::fromUtf8("Die Suche nach Updates konnte nicht abgeschlossen werden.\n"
                                           "Der Update-Server ist nicht erreichbar.")});
}

// The check waits on a server that never answers, and meanwhile the window
// handles its timers and clicks: the constructor returned at once.
void UpdateCheckTest::windowKeepsWorkingDuringTheCheck()
{
    offerVersionFile(*m_server, "9.0.0.0\n", QStringLiteral("8.1.0.0"));
    m_server->silence(true);
    // Long enough never to end the check here; a check that blocked the
    // window would return from its constructor only after it.
    QCheckUpdate::SetTimeLimit(60000);
    const int requests = m_server->requestCount(QStringLiteral("Pictavo.txt"));

    g_reportNoUpdate = true;
    auto* checker = new QCheckUpdate(m_host.get());
    checker->hide();
    QVERIFY(checker->IsChecking());
    QVERIFY(QCheckUpdate::AnyCheckRunning());
    ResponsivenessProbe probe([checker] { return checker->IsChecking(); });
    QTRY_VERIFY2_WITH_TIMEOUT(m_server->requestCount(QStringLiteral("Pictavo.txt")) > requests,
                              "the server got no request for the version file", 20000);
    QTRY_VERIFY2_WITH_TIMEOUT(probe.served(), "the window was not served during the check", 20000);
    QVERIFY(checker->IsChecking());

    // Closing the window drops the check that still waits.
    m_host.reset();
    QVERIFY(!QCheckUpdate::AnyCheckRunning());
    g_reportNoUpdate = false;
}

void UpdateCheckTest::boxIsCentredOnTheWindow()
{
    offerVersionFile(*m_server, "8.1.5.0\n", QStringLiteral("8.1.5.0"));
    m_host->setGeometry(300, 200, 700, 500);
    m_host->show();
    QPoint boxPos;
    QRect expected;
    whenModalOf<repairFinishDialog>([&](repairFinishDialog* box) {
        expected = centredOn(m_host->geometry(), box->size());
        boxPos = box->pos();
        box->OkBtn->click();
    });
    QVERIFY2(runCheck(true), kCheckDidNotEnd);
    QVERIFY(!expected.isNull());
    QCOMPARE(boxPos, expected.topLeft());
}

void UpdateCheckTest::shortVersionFileRemovesTheFolder()
{
    offerVersionFile(*m_server, "9.0", QStringLiteral("8.1.0.0"));
    SetUpdateFilePaths();
    const QString folder = UpdateFolder();
    QVERIFY(!folder.isEmpty());
    ModalRecorder recorder;
    QVERIFY2(runCheck(false), kCheckDidNotEnd);
    QVERIFY(!QFileInfo::exists(folder));
    QVERIFY(UpdateFolder().isEmpty());
    QVERIFY(recorder.messages.isEmpty());
}

// Another user's "updatetmp", or a link of that name, is never used: the
// update folder is a new one that only its owner can enter.
void UpdateCheckTest::updateFolderIsPrivateAndFresh()
{
    const QString plain = QDir::temp().filePath(QStringLiteral("updatetmp"));
    const QString photos = QDir::temp().filePath(QStringLiteral("photos"));
    QVERIFY(writeFileBytes(photos + QLatin1String("/holiday.jpg"), "the user's photo"));
    QVERIFY(QFile::link(photos, plain));

    offerVersionFile(*m_server, "9.0", QStringLiteral("8.1.0.0"));
    QVERIFY2(runCheck(false), kCheckDidNotEnd);
    offerVersionFile(*m_server, "9.0.0.0\n", QStringLiteral("8.1.0.0"));
    QVERIFY2(runCheck(false), kCheckDidNotEnd);
    QVERIFY(offer());

    const QFileInfo folder(UpdateFolder());
    QVERIFY(folder.isDir() && !folder.isSymLink());
    QVERIFY(folder.fileName().startsWith(QLatin1String("updatetmp-")));
    QCOMPARE(QFileInfo(g_updateInfoPath).absolutePath(), folder.absoluteFilePath());
    QCOMPARE(folder.permissions() & (QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::WriteGroup
                                     | QFileDevice::ReadOther | QFileDevice::ExeOther | QFileDevice::WriteOther),
             QFileDevice::Permissions());
    QCOMPARE(readFileBytes(photos + QLatin1String("/holiday.jpg")), QByteArray("the user's photo"));
    QVERIFY(QFileInfo(plain).isSymLink());

    // A folder that others may enter is given up for a new one.
    QVERIFY(QFile::setPermissions(folder.absoluteFilePath(), folder.permissions() | QFileDevice::ExeOther));
    SetUpdateFilePaths();
    QVERIFY(UpdateFolder() != folder.absoluteFilePath());
    QFile::remove(plain);
    QDir(photos).removeRecursively();
    QDir(folder.absoluteFilePath()).removeRecursively();
}

void UpdateCheckTest::removalLeavesLinkTargetsAlone()
{
    const QString photos = QDir::temp().filePath(QStringLiteral("photos"));
    QVERIFY(writeFileBytes(photos + QLatin1String("/holiday.jpg"), "the user's photo"));
    SetUpdateFilePaths();
    const QString folder = UpdateFolder();
    QVERIFY(QFile::link(photos, folder + QLatin1String("/album")));
    QVERIFY(QFile::link(photos + QLatin1String("/holiday.jpg"), g_updateInfoPath));

    RemoveUpdateFolder();
    QVERIFY(!QFileInfo::exists(folder));
    QCOMPARE(readFileBytes(photos + QLatin1String("/holiday.jpg")), QByteArray("the user's photo"));
    QDir(photos).removeRecursively();
}

void UpdateCheckTest::linkOfTheInterfaceLanguage()
{
    m_server->serve(QStringLiteral("de/Pictavo.txt"), "9.0.0.0\n");
    writeSettings(QString(), QStringLiteral("8.1.0.0"));
    platform::openSettings(g_state.settingsPath)
        ->setValue(QStringLiteral("DE/UpdateNewLink"), m_server->baseUrl() + QLatin1String("de/"));

    ModalRecorder recorder;
    QVERIFY2(runCheck(true), kCheckDidNotEnd);
    QVERIFY(!offer());
    QCOMPARE(recorder.messages, QStringList{kCheckFailed});

    setInterfaceLanguage(LayoutLanguage::German);
    QVERIFY2(runCheck(true), kCheckDidNotEnd);
    QVERIFY(offer());
    QCOMPARE(m_server->requestCount(QStringLiteral("de/Pictavo.txt")), 1);
}

void UpdateCheckTest::offerCancelDeletesTheVersionFile()
{
    offerVersionFile(*m_server, "9.0.0.0\n", QStringLiteral("8.1.0.0"));
    QVERIFY2(runCheck(true), kCheckDidNotEnd);
    QVERIFY(offer());
    QVERIFY(QFile::exists(g_updateInfoPath));
    offer()->CancelButton->click();
    QVERIFY(!offer()->isVisible());
    QVERIFY(!QFile::exists(g_updateInfoPath));
}

void UpdateCheckTest::offerLayout_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<LayoutLanguage>("language");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("updateButton");
    QTest::addColumn<QRect>("cancelButton");
    QTest::addColumn<bool>("background");

    QTest::newRow("English 1.0") << 1.0f << LayoutLanguage::English << QSize(491, 366)
                                 << QRect(276, 315, 91, 31) << QRect(384, 315, 91, 31) << true;
    QTest::newRow("Italian 1.0") << 1.0f << LayoutLanguage::Italian << QSize(491, 366)
                                 << QRect(277, 315, 100, 31) << QRect(384, 315, 91, 31) << true;
    QTest::newRow("English 1.75") << 1.75f << LayoutLanguage::English << QSize(859, 640)
                                  << QRect(483, 551, 159, 54) << QRect(672, 551, 159, 54) << true;
    QTest::newRow("English 1.1") << 1.1f << LayoutLanguage::English << QSize(540, 402)
                                 << QRect(303, 346, 100, 34) << QRect(422, 346, 100, 34) << false;
}

void UpdateCheckTest::offerLayout()
{
    offerOfTheRow();
    QShowUpdate offer(nullptr);
    QTEST(offer.size(), "size");
    QTEST(offer.UpdateButton->geometry(), "updateButton");
    QTEST(offer.CancelButton->geometry(), "cancelButton");
    QTEST(offer.label_2->pixmap() && !offer.label_2->pixmap()->isNull(), "background");
}

void UpdateCheckTest::offerEdgesAlign_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<LayoutLanguage>("language");
    // In the order of LayoutLanguage.
    const char* const codes[] = {"EN", "DE", "FR", "IT", "ES", "CN", "JA", "KO", "DU", "BR", "HI"};
    for (float scale : {1.0f, 1.25f, 1.5f})
        for (int language = 0; language <= int(LayoutLanguage::Hindi); ++language)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(codes[language])).arg(double(scale))))
                << scale << LayoutLanguage(language);
}

// The buttons end where the text box above them ends, and the background
// picture starts at the window's top edge.
void UpdateCheckTest::offerEdgesAlign()
{
    offerOfTheRow();
    QShowUpdate offer(nullptr);
    const int buttonsEnd = qMax(offer.UpdateButton->geometry().right(), offer.CancelButton->geometry().right());
    QCOMPARE(buttonsEnd, offer.textEdit->geometry().right());

    const QLabel* background = offer.label_2;
    QVERIFY(background->pixmap());
    const QRect picture =
        background->style()->itemPixmapRect(background->contentsRect(), int(background->alignment()),
                                            *background->pixmap());
    QCOMPARE(background->mapTo(&offer, picture.topLeft()).y(), 0);
}

void UpdateCheckTest::offerStripAndKeys()
{
    g_majorUpdateFound = true;
    QShowUpdate offer(nullptr);
    offer.show();
    QVERIFY(offer.IsInTitleBar(QPoint(490, 29)));
    QVERIFY(!offer.IsInTitleBar(QPoint(490, 30)));
    QVERIFY(offer.windowFlags().testFlag(Qt::FramelessWindowHint));
    QTest::keyClick(&offer, Qt::Key_Escape);
    QTest::keyClick(&offer, Qt::Key_Return);
    QVERIFY(offer.isVisible());
}

void UpdateCheckTest::offerLanguageChangeKeepsItsText()
{
    g_majorUpdateFound = false;
    g_minorUpdateFound = true;
    g_minorVersionText = QStringLiteral("8.1.5.0");
    QShowUpdate offer(nullptr);
    const QString text = offer.textEdit->toPlainText();

    QTranslator german;
    setInterfaceLanguage(LayoutLanguage::Italian);
    QVERIFY(installGerman(german));
    QTRY_COMPARE(offer.UpdateButton->text(), QStringLiteral("Aktualisieren"));
    QCOMPARE(offer.CancelButton->text(), QStringLiteral("Abbrechen"));
    QCOMPARE(offer.UpdateButton->geometry(), QRect(277, 315, 100, 31));
    QCOMPARE(offer.textEdit->toPlainText(), text);
    QCoreApplication::removeTranslator(&german);
}

QTEST_MAIN(UpdateCheckTest)
#include "tst_update_check.moc"
