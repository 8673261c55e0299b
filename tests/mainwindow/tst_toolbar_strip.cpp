#include "browse_repair_dlg.h"
#include "dialog_driver.h"
#include "global_state.h"
#include "popup_menu.h"
#include "program_launch.h"
#include "repair_finish_dialog.h"
#include "start_scale.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<BrowseRepairDlg> makeWindow(float scale = 1.0f)
{
    g_startScale = scale;
    return std::make_unique<BrowseRepairDlg>(nullptr);
}

QList<QWidget*> fileListStrip(BrowseRepairDlg& w)
{
    return {w.SeperateLbl, w.m_languageButton, w.SeperateLbl_3, w.AbutBtn,
            w.HelpBtn,     w.SeperateLbl_4,    w.UpdateBtn,     w.SeperateLbl_5};
}

QList<QWidget*> resultsStrip(BrowseRepairDlg& w)
{
    return {w.SeperateLbl_2, w.m_languageButton2, w.SeperateLbl_6, w.AbutBtn_2,
            w.HelpBtn_2,     w.SeperateLbl_7,     w.UpdateBtn_2,   w.SeperateLbl_8};
}

// How many items of a strip are shown, counted from the first.
int shownItems(const QList<QWidget*>& strip)
{
    int shown = 0;
    for (QWidget* item : strip)
        shown += !item->isHidden();
    return shown;
}

void tick(BrowseRepairDlg& window, const char* slot, int times)
{
    for (int i = 0; i < times; ++i)
        QVERIFY(QMetaObject::invokeMethod(&window, slot));
}

QStringList menuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << action->text();
    return texts;
}

// A quit request made while no loop ran (a tool start that ended the
// program) stays pending and would end the next modal run at once; a run
// of the application loop forgets it.
void forgetPendingQuit()
{
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

} // namespace

// The tool strips slide in and out item by item, the Languages and More
// Tools buttons carry their menus, and the tool actions hand over to
// another program.
class ToolbarStripTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void stripClosesAndOpensOnItsTimer();
    void fileListStripStepsAtEveryOtherTick();
    void resultsStripMovesTwiceAsFast();
    void secondClickReversesFromTheStart();
    void startingOneStripStopsTheOther();
    void languageMenusOfBothPages();
    void resultsLanguageMenuIsReplacedAtEachRun();
    void moreToolsByOption_data();
    void moreToolsByOption();
    void moreToolsMenuOpensInsideTheWindow();
    void plainMenuDropsBelowItsButton();
    void toolActionsLaunchAndClose_data();
    void toolActionsLaunchAndClose();
    void missingToolKeepsTheWindow();
};

void ToolbarStripTest::init()
{
    setInterfaceLanguage(LayoutLanguage::English);
    g_state.showAsDisabled = 1;
    QFile::remove(qEnvironmentVariable("PICTAVO_SETTINGS_FILE"));
}

void ToolbarStripTest::cleanup()
{
    g_state.launchedMonitorDrive = 0;
    g_state.launchedRepairVideo = 0;
    g_state.launchedRecoverData = 0;
    g_state.launchedRecoverPhoto = 0;
}

void ToolbarStripTest::stripClosesAndOpensOnItsTimer()
{
    auto window = makeWindow();
    QVERIFY(window->MenuBtn->isChecked());
    QCOMPARE(shownItems(fileListStrip(*window)), 8);

    window->MenuBtn->click();
    QVERIFY(!window->MenuBtn->isChecked());
    QTRY_VERIFY(!window->m_toolBarTimer->isActive());
    QCOMPARE(shownItems(fileListStrip(*window)), 0);
    QVERIFY(!window->MenuBtn->isHidden());

    window->UpdateBtn->setEnabled(false);
    window->m_languageButton->setEnabled(false);
    window->MenuBtn->click();
    QTRY_VERIFY(!window->m_toolBarTimer->isActive());
    QCOMPARE(shownItems(fileListStrip(*window)), 8);
    QVERIFY(window->UpdateBtn->isEnabled());
    QVERIFY(window->m_languageButton->isEnabled());

    window->MenuBtn_2->click();
    QTRY_VERIFY(!window->m_toolBarTimer->isActive());
    QCOMPARE(shownItems(resultsStrip(*window)), 0);
    window->MenuBtn_2->click();
    QTRY_VERIFY(!window->m_toolBarTimer->isActive());
    QCOMPARE(shownItems(resultsStrip(*window)), 8);
    // The results page's Languages button shows but never works.
    QVERIFY(!window->m_languageButton2->isEnabled());
}

void ToolbarStripTest::fileListStripStepsAtEveryOtherTick()
{
    auto window = makeWindow();
    window->MenuBtn->click();
    const auto strip = fileListStrip(*window);

    tick(*window, "OnToolBarTimerSlot", 5);
    QCOMPARE(shownItems(strip), 8);
    tick(*window, "OnToolBarTimerSlot", 1); // 0.3: the last item goes
    QVERIFY(window->SeperateLbl_5->isHidden());
    QCOMPARE(shownItems(strip), 7);
    tick(*window, "OnToolBarTimerSlot", 2); // 0.4
    QVERIFY(window->UpdateBtn->isHidden());
    QCOMPARE(shownItems(strip), 6);
    tick(*window, "OnToolBarTimerSlot", 11); // 0.95
    QCOMPARE(shownItems(strip), 1);
    QVERIFY(!window->SeperateLbl->isHidden());
    tick(*window, "OnToolBarTimerSlot", 1); // 1.0
    QCOMPARE(shownItems(strip), 0);
    tick(*window, "OnToolBarTimerSlot", 1);
    QVERIFY(window->m_toolBarTimer->isActive());
    tick(*window, "OnToolBarTimerSlot", 1); // tick 22
    QVERIFY(!window->m_toolBarTimer->isActive());
}

void ToolbarStripTest::resultsStripMovesTwiceAsFast()
{
    auto window = makeWindow();
    const auto strip = resultsStrip(*window);
    for (QWidget* item : strip)
        item->hide();
    QVERIFY(window->MenuBtn_2->isChecked());
    QVERIFY(QMetaObject::invokeMethod(window.get(), "OnSecondMenuProduct"));

    tick(*window, "OnToolBarTimerSlot2", 1); // 0.1
    QCOMPARE(shownItems(strip), 1);
    QVERIFY(!window->SeperateLbl_2->isHidden());
    tick(*window, "OnToolBarTimerSlot2", 1); // 0.2
    QVERIFY(!window->m_languageButton2->isHidden());
    QVERIFY(!window->m_languageButton2->isEnabled());
    tick(*window, "OnToolBarTimerSlot2", 6); // 0.8
    QCOMPARE(shownItems(strip), 8);
    tick(*window, "OnToolBarTimerSlot2", 2);
    QVERIFY(window->m_toolBarTimer->isActive());
    tick(*window, "OnToolBarTimerSlot2", 1); // tick 11
    QVERIFY(!window->m_toolBarTimer->isActive());
}

void ToolbarStripTest::secondClickReversesFromTheStart()
{
    auto window = makeWindow();
    const auto strip = fileListStrip(*window);
    window->MenuBtn->click();
    tick(*window, "OnToolBarTimerSlot", 10); // 0.5: three items gone
    QCOMPARE(shownItems(strip), 5);

    window->MenuBtn->click();
    QVERIFY(window->MenuBtn->isChecked());
    QCOMPARE(window->m_toolBarProgress, 0.0f);
    QTRY_VERIFY(!window->m_toolBarTimer->isActive());
    QCOMPARE(shownItems(strip), 8);
}

void ToolbarStripTest::startingOneStripStopsTheOther()
{
    auto window = makeWindow();
    const auto strip = resultsStrip(*window);
    window->MenuBtn_2->click();
    tick(*window, "OnToolBarTimerSlot2", 5); // 0.5: three items gone
    QCOMPARE(shownItems(strip), 5);

    window->MenuBtn->click();
    QTRY_VERIFY(!window->m_toolBarTimer->isActive());
    QCOMPARE(shownItems(fileListStrip(*window)), 0);
    QCOMPARE(shownItems(strip), 5);
}

void ToolbarStripTest::languageMenusOfBothPages()
{
    auto window = makeWindow(1.25f);
    const QStringList offered{"English", "German",   "French", "Italian",           "Spanish",
                              "Japanese", "Korean", "Dutch",  "Portuguese Brazil", "Hindi"};
    QMenu* menu = window->m_languageButton->menu();
    QVERIFY(menu);
    QCOMPARE(menuTexts(menu), offered);
    QCOMPARE(window->m_languageButton->toolTip(), QStringLiteral("Languages"));
    QCOMPARE(window->m_languageButton->geometry(), QRect(87, 50, 25, 25));
    QVERIFY(window->m_languageButton->isEnabled());

    int marked = 0;
    for (int index = 0; index < BrowseRepairDlg::kLanguageActionCount; ++index) {
        QVERIFY(window->m_langActions[index][0]->isCheckable());
        marked += window->m_langActions[index][0]->isChecked();
    }
    QCOMPARE(marked, 1);
    QVERIFY(window->m_langActions[BrowseRepairDlg::LangEnglish][0]->isChecked());
    QCOMPARE(window->m_langActions[BrowseRepairDlg::LangChinese][0]->text(), QStringLiteral("Chinese"));

    // The window did not fit the small test screen, so the scale has fallen
    // to 1.0; the results page's menu is made at the scale of the moment.
    QCOMPARE(g_state.uiScale, 1.0f);
    g_state.uiScale = 1.25f;
    window->CreateLanguageMenu2();
    QCOMPARE(menuTexts(window->m_languageButton2->menu()), offered);
    QCOMPARE(window->m_languageButton2->geometry(), QRect(120, 50, 25, 25));
    QVERIFY(!window->m_languageButton2->isHidden());
    QVERIFY(!window->m_languageButton2->isEnabled());
    QVERIFY(window->m_languageButton2->styleSheet().contains(QLatin1String(":/images/120-DPI/Lang- Flag 120 hot.bmp")));
}

void ToolbarStripTest::resultsLanguageMenuIsReplacedAtEachRun()
{
    auto window = makeWindow();
    window->CreateLanguageMenu2();
    QPointer<QMenu> first = window->m_languageButton2->menu();
    QPointer<QAction> german = window->m_langActions[BrowseRepairDlg::LangGerman][1];
    window->CreateLanguageMenu2();
    QVERIFY(first.isNull());
    QVERIFY(german.isNull());
    QVERIFY(window->m_languageButton2->menu());
    QCOMPARE(window->m_languageButton2->menu()->actions().size(), 10);
}

void ToolbarStripTest::moreToolsByOption_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("missing or 0") << 0 << false << QStringList();
    QTest::newRow("1") << 1 << true << QStringList{"Repair Video"};
    QTest::newRow("2") << 2 << true << QStringList();
}

void ToolbarStripTest::moreToolsByOption()
{
    QFETCH(int, option);
    QFETCH(bool, shown);
    QFETCH(QStringList, entries);
    g_state.showAsDisabled = option;
    auto window = makeWindow();
    QCOMPARE(!window->m_moreToolsButton->isHidden(), shown);
    QCOMPARE(window->m_moreToolsButton->menu(), g_state.moreToolsMenu);
    QCOMPARE(menuTexts(g_state.moreToolsMenu), entries);
    QCOMPARE(window->m_moreToolsButton->toolTip(), QStringLiteral("More Tools"));
    QCOMPARE(g_state.actRecoverData->text(), QStringLiteral("Recover Data"));
    QCOMPARE(g_state.actMonitorDrive->font().family(), QStringLiteral("Segoe UI"));
    QVERIFY(window->m_moreToolsButton2->isHidden());
}

void ToolbarStripTest::moreToolsMenuOpensInsideTheWindow()
{
    auto window = makeWindow();
    QMenu* menu = g_state.moreToolsMenu;
    g_state.uiScale = 1.5f;

    window->hide();
    menu->popup(QPoint(40, 30));
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), QPoint(40, 30));
    menu->hide();

    window->show();
    window->move(100, 50);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    menu->popup(QPoint(300, 200));
    QTRY_VERIFY(menu->isVisible());
    const int right = window->x() + window->width();
    QCOMPARE(menu->x(), right - (27 + menu->sizeHint().width()));
    QCOMPARE(menu->y(), 200 + 18);
    menu->hide();
}

void ToolbarStripTest::plainMenuDropsBelowItsButton()
{
    g_state.uiScale = 1.5f;
    PopupMenu menu(nullptr, false, nullptr);
    menu.addAction(QStringLiteral("entry"));
    menu.popup(QPoint(60, 70));
    QTRY_VERIFY(menu.isVisible());
    QCOMPARE(menu.pos(), QPoint(60, 88));
    QVERIFY(menu.testAttribute(Qt::WA_MouseTracking));
}

void ToolbarStripTest::toolActionsLaunchAndClose_data()
{
    QTest::addColumn<int>("tool");
    QTest::newRow("drive monitor") << 0;
    QTest::newRow("video repair") << 1;
    QTest::newRow("data recovery") << 2;
    QTest::newRow("photo recovery") << 3;
}

void ToolbarStripTest::toolActionsLaunchAndClose()
{
    QFETCH(int, tool);
    const QString record = QDir::temp().filePath(QStringLiteral("launches.txt"));
    QFile::remove(record);
    qputenv(platform::kLaunchRecordVariable, record.toLocal8Bit());
    QDir::setCurrent(QDir::tempPath());
    g_state.monitorDriveExe = QStringLiteral("DriveMonitor.exe");
    g_state.repairVideoExe = QStringLiteral("VideoRepair.exe");
    g_state.recoverDataExe = QStringLiteral("DataRecovery.exe");
    g_state.recoverPhotoExe = QStringLiteral("PhotoRecovery.exe");

    auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const struct {
        QAction* action;
        qint32* flag;
        QString program;
    } tools[] = {
        {g_state.actMonitorDrive, &g_state.launchedMonitorDrive, g_state.monitorDriveExe},
        {g_state.actRepairVideo, &g_state.launchedRepairVideo, g_state.repairVideoExe},
        {g_state.actRecoverData, &g_state.launchedRecoverData, g_state.recoverDataExe},
        {g_state.actRecoverPhoto, &g_state.launchedRecoverPhoto, g_state.recoverPhotoExe},
    };
    const auto& chosen = tools[tool];
    chosen.action->trigger();

    QCOMPARE(*chosen.flag, 1);
    QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
    QFile file(record);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()),
             QCoreApplication::applicationDirPath() + QLatin1Char('/') + chosen.program + QLatin1Char('\n'));
    QVERIFY(!window->isVisible());
    qunsetenv(platform::kLaunchRecordVariable);
}

// Started for real: a tool missing from the program folder does not start,
// the user is told, and the window stays without asking anything.
void ToolbarStripTest::missingToolKeepsTheWindow()
{
    qunsetenv(platform::kLaunchRecordVariable);
    forgetPendingQuit();
    g_state.repairVideoExe = QStringLiteral("NoSuchVideoRepairTool.exe");
    QVERIFY(!QFile::exists(QDir(QCoreApplication::applicationDirPath()).filePath(g_state.repairVideoExe)));
    auto window = makeWindow();
    window->setGeometry(100, 80, 850, 600);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    QPoint boxPos;
    QRect expected;
    whenModalOf<repairFinishDialog>([&](repairFinishDialog* box) {
        expected = centredOn(window->geometry(), box->size());
        boxPos = box->pos();
        QCOMPARE(box->repairedLabl->text(), QStringLiteral("The tool could not be started."));
        box->OkBtn->click();
    });
    g_state.actRepairVideo->trigger();
    QVERIFY2(!expected.isNull(), "no message box was shown");
    QCOMPARE(boxPos, expected.topLeft());
    QCOMPARE(g_state.launchedRepairVideo, 0);
    QVERIFY(window->isVisible());
}

QTEST_MAIN(ToolbarStripTest)
#include "tst_toolbar_strip.moc"
