#include "about_dlg.h"
#include "browse_repair_dlg.h"
#include "dialog_driver.h"
#include "global_state.h"
#include "modal_recorder.h"
#include "network_state.h"
#include "q_check_update.h"
#include "settings_store.h"
#include "start_scale.h"
#include "update_files.h"
#include "update_server.h"
#include "url_open.h"

#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(LayoutLanguage)

namespace {

void setHelpFlags(int start, int addFiles, int repair, int preview, int advanced)
{
    g_state.helpStart = start;
    g_state.helpAddFiles = addFiles;
    g_state.helpRepair = repair;
    g_state.helpPreview = preview;
    g_state.helpAdvanced = advanced;
}

} // namespace

class MainWindowHelpTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void helpPageByStageAndLanguage_data();
    void helpPageByStageAndLanguage();
    void helpWithoutStageKeepsTheLastPage();
    void aboutButtonsOpenCentredAboutBoxes();
    void updateButtons();
    void updateDuringTheStartupCheck();

private:
    std::unique_ptr<BrowseRepairDlg> m_window;
    QList<QUrl> m_opened;
};

void MainWindowHelpTest::initTestCase()
{
    platform::recordOpenedUrls(&m_opened);
}

void MainWindowHelpTest::init()
{
    setInterfaceLanguage(LayoutLanguage::English);
    g_startScale = 1.0f;
    m_window = std::make_unique<BrowseRepairDlg>(nullptr);
    m_opened.clear();
}

void MainWindowHelpTest::cleanup()
{
    m_window.reset();
    qputenv(platform::kNetworkStateVariable, "");
}

void MainWindowHelpTest::helpPageByStageAndLanguage_data()
{
    QTest::addColumn<QVector<int>>("flags");
    QTest::addColumn<LayoutLanguage>("language");
    QTest::addColumn<QString>("page");

    QTest::newRow("start, English") << QVector<int>{1, 0, 0, 0, 0} << LayoutLanguage::English
                                    << "pictavo-8-windows-standard-en-about-pictavo.html";
    QTest::newRow("adding files, German") << QVector<int>{0, 1, 0, 0, 0} << LayoutLanguage::German
                                          << "pictavo-8-windows-standard-de-adding-files-for-repair.html";
    QTest::newRow("repair, Japanese") << QVector<int>{0, 0, 1, 0, 0} << LayoutLanguage::Japanese
                                      << "pictavo-8-windows-standard-jp-repairing-corrupt-files.html";
    QTest::newRow("preview before advanced, Dutch") << QVector<int>{0, 0, 0, 1, 1} << LayoutLanguage::Dutch
                                                    << "pictavo-8-windows-standard-nl-previewing-and-saving-files.html";
    QTest::newRow("advanced, Portuguese") << QVector<int>{0, 0, 0, 0, 1} << LayoutLanguage::Brazil
                                          << "pictavo-8-windows-standard-pt-performing-advanced-repair.html";
    QTest::newRow("start wins, Chinese") << QVector<int>{1, 1, 1, 1, 1} << LayoutLanguage::Chinese
                                         << "pictavo-8-windows-standard-cn-about-pictavo.html";
}

void MainWindowHelpTest::helpPageByStageAndLanguage()
{
    QFETCH(QVector<int>, flags);
    QFETCH(LayoutLanguage, language);
    QFETCH(QString, page);
    setInterfaceLanguage(language);
    setHelpFlags(flags[0], flags[1], flags[2], flags[3], flags[4]);

    for (QPushButton* help : {m_window->HelpBtn, m_window->HelpBtn_2})
        help->click();
    QCOMPARE(m_opened.size(), 2);
    for (const QUrl& url : m_opened) {
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        QCOMPARE(url.path(), QStringLiteral("/help/") + page);
    }
}

void MainWindowHelpTest::helpWithoutStageKeepsTheLastPage()
{
    setHelpFlags(0, 0, 0, 0, 0);
    m_window->HelpBtn->click();
    QVERIFY(m_opened.isEmpty());

    setHelpFlags(0, 1, 0, 0, 0);
    m_window->HelpBtn->click();
    setHelpFlags(0, 0, 0, 0, 0);
    setInterfaceLanguage(LayoutLanguage::German);
    m_window->HelpBtn->click();
    QCOMPARE(m_opened.size(), 2);
    QCOMPARE(m_opened.at(1), m_opened.at(0));
}

void MainWindowHelpTest::aboutButtonsOpenCentredAboutBoxes()
{
    m_window->move(40, 30);
    m_window->AbutBtn->click();
    m_window->AbutBtn_2->click();
    const QList<AboutDlg*> boxes = m_window->findChildren<AboutDlg*>();
    QCOMPARE(boxes.size(), 2);
    const QRect rect = m_window->geometry();
    for (AboutDlg* box : boxes) {
        QVERIFY(box->isVisible());
        QCOMPARE(box->pos(), QPoint((rect.width() - box->width()) / 2 + rect.x(),
                                    (rect.height() - box->height()) / 2 + rect.y()));
        box->close();
    }
}

void MainWindowHelpTest::updateButtons()
{
    UpdateServer server;
    server.serve(QStringLiteral("Pictavo.txt"), "8.1.5.0\n8.1.5.0\n");
    {
        auto settings = platform::openSettings(g_state.settingsPath);
        settings->setValue(QStringLiteral("EN/UpdateNewLink"), server.baseUrl());
        settings->setValue(QStringLiteral("Version"), QStringLiteral("8.1.5.0"));
    }

    // Offline: the user is told that the check could not be made, and why.
    qputenv(platform::kNetworkStateVariable, "offline");
    ModalRecorder recorder;
    g_reportNoUpdate = false;
    m_window->UpdateBtn->click();
    QTRY_COMPARE_WITH_TIMEOUT(recorder.messages,
                              QStringList{QStringLiteral("The update check could not be completed.\n"
                                                         "The update server could not be reached.")},
                              20000);
    QVERIFY(!g_reportNoUpdate);
    QCOMPARE(server.requestCount(QStringLiteral("Pictavo.txt")), 0);

    recorder.messages.clear();
    qputenv(platform::kNetworkStateVariable, "online");
    m_window->UpdateBtn_2->click();
    QTRY_COMPARE_WITH_TIMEOUT(recorder.messages, QStringList{QStringLiteral("No update available.")}, 20000);
    QVERIFY(!g_reportNoUpdate);
    QCOMPARE(server.requestCount(QStringLiteral("Pictavo.txt")), 1);
}

// The silent check after start-up is still waiting when the user presses
// Update: that check answers the user, and no second one starts.
void MainWindowHelpTest::updateDuringTheStartupCheck()
{
    UpdateServer server;
    server.serve(QStringLiteral("Pictavo.txt"), "8.1.5.0\n8.1.5.0\n");
    {
        auto settings = platform::openSettings(g_state.settingsPath);
        settings->setValue(QStringLiteral("EN/UpdateNewLink"), server.baseUrl());
        settings->setValue(QStringLiteral("Version"), QStringLiteral("8.1.5.0"));
    }
    qputenv(platform::kNetworkStateVariable, "online");
    ModalRecorder recorder;
    g_reportNoUpdate = false;
    auto* startupCheck = new QCheckUpdate(m_window.get());
    startupCheck->hide();
    QVERIFY(startupCheck->IsChecking());
    m_window->UpdateBtn->click();
    QTRY_COMPARE_WITH_TIMEOUT(recorder.messages, QStringList{QStringLiteral("No update available.")}, 20000);
    QVERIFY(!startupCheck->IsChecking());
    QCOMPARE(server.requestCount(QStringLiteral("Pictavo.txt")), 1);
}

QTEST_MAIN(MainWindowHelpTest)
#include "tst_main_window_help.moc"
