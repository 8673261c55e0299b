#include "dialog_driver.h"
#include "global_state.h"
#include "modal_recorder.h"
#include "network_state.h"
#include "q_check_update.h"
#include "q_download_app.h"
#include "q_show_update.h"
#include "settings_store.h"
#include "update_files.h"
#include "update_server.h"

#include <QDir>
#include <QFile>
#include <QTextEdit>
#include <QTranslator>
#include <QWidget>
#include <QtTest>

#include <memory>

namespace {

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
    void offlineCheckDoesNothing();
    void serverDownEndsLikeNothingNewer();
    void shortVersionFileRemovesTheFolder();
    void linkOfTheInterfaceLanguage();
    void offerCancelDeletesTheVersionFile();
    void offerLayout_data();
    void offerLayout();
    void offerStripAndKeys();
    void offerLanguageChangeKeepsItsText();

private:
    QShowUpdate* runCheck(bool asked);

    std::unique_ptr<UpdateServer> m_server;
    std::unique_ptr<QWidget> m_host;
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
}

void UpdateCheckTest::cleanup()
{
    m_host.reset();
    qputenv(platform::kNetworkStateVariable, "online");
}

QShowUpdate* UpdateCheckTest::runCheck(bool asked)
{
    g_reportNoUpdate = asked;
    auto* checker = new QCheckUpdate(m_host.get());
    checker->hide();
    return checker->findChild<QShowUpdate*>();
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
}

void UpdateCheckTest::newerVersionOpensTheOffer()
{
    QFETCH(QString, installed);
    QFETCH(QByteArray, versionFile);
    QFETCH(QString, offerText);
    offerVersionFile(*m_server, versionFile, installed);

    ModalRecorder recorder;
    QShowUpdate* offer = runCheck(true);
    QVERIFY(offer);
    QVERIFY(offer->isVisible());
    QVERIFY(!g_reportNoUpdate);
    QCOMPARE(offer->textEdit->toPlainText(), offerText + QLatin1Char('\n'));
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

    const QStringList box{QStringLiteral("No update available.")};
    QTest::newRow("same version, Update button") << "8.1.5.0" << QByteArray("8.1.5.0\n8.1.5.0\n") << true << box;
    QTest::newRow("same version, start-up") << "8.1.5.0" << QByteArray("8.1.5.0\n8.1.5.0\n") << false << QStringList();
    QTest::newRow("older version offered") << "8.2.0.0" << QByteArray("8.1.5.0\n") << true << box;
    QTest::newRow("no installed version") << "" << QByteArray("9.0.0.0\n") << true << box;
    QTest::newRow("no version lines") << "8.1.0.0" << QByteArray("<html></html>") << true << box;
}

void UpdateCheckTest::nothingNewerIsReportedOnlyWhenAsked()
{
    QFETCH(QString, installed);
    QFETCH(QByteArray, versionFile);
    QFETCH(bool, asked);
    offerVersionFile(*m_server, versionFile, installed);

    ModalRecorder recorder;
    QVERIFY(!runCheck(asked));
    QTEST(recorder.messages, "messages");
    QVERIFY(!g_reportNoUpdate);
    QVERIFY(!g_majorUpdateFound && !g_minorUpdateFound);
}

void UpdateCheckTest::offlineCheckDoesNothing()
{
    qputenv(platform::kNetworkStateVariable, "offline");
    offerVersionFile(*m_server, "9.0.0.0\n", QStringLiteral("8.1.0.0"));
    const int requests = m_server->requestCount(QStringLiteral("Pictavo.txt"));

    ModalRecorder recorder;
    QVERIFY(!runCheck(true));
    QVERIFY(recorder.messages.isEmpty());
    QVERIFY(g_reportNoUpdate);
    QCOMPARE(m_server->requestCount(QStringLiteral("Pictavo.txt")), requests);
}

void UpdateCheckTest::serverDownEndsLikeNothingNewer()
{
    writeSettings(unusedBaseUrl(), QStringLiteral("8.1.0.0"));
    {
        ModalRecorder recorder;
        QVERIFY(!runCheck(false));
        QVERIFY(recorder.messages.isEmpty());
    }
    ModalRecorder recorder;
    QVERIFY(!runCheck(true));
    QCOMPARE(recorder.messages, QStringList{QStringLiteral("No update available.")});
}

void UpdateCheckTest::shortVersionFileRemovesTheFolder()
{
    offerVersionFile(*m_server, "9.0", QStringLiteral("8.1.0.0"));
    ModalRecorder recorder;
    QVERIFY(!runCheck(false));
    QVERIFY(!QDir(UpdateFolder()).exists());
    QVERIFY(recorder.messages.isEmpty());
}

void UpdateCheckTest::linkOfTheInterfaceLanguage()
{
    m_server->serve(QStringLiteral("de/Pictavo.txt"), "9.0.0.0\n");
    writeSettings(QString(), QStringLiteral("8.1.0.0"));
    platform::openSettings(g_state.settingsPath)
        ->setValue(QStringLiteral("DE/UpdateNewLink"), m_server->baseUrl() + QLatin1String("de/"));

    ModalRecorder recorder;
    QVERIFY(!runCheck(true));
    QCOMPARE(recorder.messages, QStringList{QStringLiteral("No update available.")});

    setInterfaceLanguage(LayoutLanguage::German);
    QVERIFY(runCheck(true));
    QCOMPARE(m_server->requestCount(QStringLiteral("de/Pictavo.txt")), 1);
}

void UpdateCheckTest::offerCancelDeletesTheVersionFile()
{
    offerVersionFile(*m_server, "9.0.0.0\n", QStringLiteral("8.1.0.0"));
    QShowUpdate* offer = runCheck(true);
    QVERIFY(offer);
    QVERIFY(QFile::exists(g_updateInfoPath));
    offer->CancelButton->click();
    QVERIFY(!offer->isVisible());
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
                                 << QRect(265, 315, 100, 31) << QRect(372, 315, 91, 31) << true;
    QTest::newRow("English 1.75") << 1.75f << LayoutLanguage::English << QSize(859, 640)
                                  << QRect(483, 551, 159, 54) << QRect(672, 551, 159, 54) << true;
    QTest::newRow("English 1.1") << 1.1f << LayoutLanguage::English << QSize(540, 402)
                                 << QRect(303, 346, 100, 34) << QRect(422, 346, 100, 34) << false;
}

void UpdateCheckTest::offerLayout()
{
    QFETCH(float, scale);
    QFETCH(LayoutLanguage, language);
    g_state.uiScale = scale;
    setInterfaceLanguage(language);
    g_majorUpdateFound = true;
    g_minorUpdateFound = false;
    QShowUpdate offer(nullptr);
    QTEST(offer.size(), "size");
    QTEST(offer.UpdateButton->geometry(), "updateButton");
    QTEST(offer.CancelButton->geometry(), "cancelButton");
    QTEST(offer.label_2->pixmap() && !offer.label_2->pixmap()->isNull(), "background");
}

void UpdateCheckTest::offerStripAndKeys()
{
    g_majorUpdateFound = true;
    QShowUpdate offer(nullptr);
    offer.show();
    QVERIFY(offer.IsInTitleBar(QPoint(490, 29)));
    QVERIFY(!offer.IsInTitleBar(QPoint(490, 30)));
    QVERIFY(offer.windowFlags().testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!offer.windowFlags().testFlag(Qt::WindowCloseButtonHint));
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
    QCOMPARE(offer.UpdateButton->geometry(), QRect(265, 315, 100, 31));
    QCOMPARE(offer.textEdit->toPlainText(), text);
    QCoreApplication::removeTranslator(&german);
}

QTEST_MAIN(UpdateCheckTest)
#include "tst_update_check.moc"
