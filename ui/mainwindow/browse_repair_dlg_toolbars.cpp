#include "browse_repair_dlg.h"

#include "dialog_look.h"
#include "global_state.h"
#include "main_window_skin.h"
#include "popup_menu.h"
#include "program_launch.h"
#include "repair_finish_dialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QPushButton>
#include <QString>
#include <QTimer>

namespace {

// How a strip item appears when its strip slides in.
enum class Reveal { Show, ShowEnabled, ShowDisabled };

struct StripItem {
    QWidget* widget;
    Reveal reveal;
};

// The steps at which strip items change; compared exactly with the rounded
// progress, so they are the single-precision constants themselves.
const float kStripSteps[10] = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f};
const int kStripItemCount = 8;

// A strip slides in item by item from the first (at step 1) and out from
// the last (at step 3) to the first (at step 10); at most one change a tick.
void moveStripItem(const StripItem (&items)[kStripItemCount], float rounded, bool opening)
{
    for (int step = 1; step <= 10; ++step) {
        if (rounded != kStripSteps[step - 1])
            continue;
        if (opening) {
            if (step > kStripItemCount)
                return;
            const StripItem& item = items[step - 1];
            item.widget->show();
            if (item.reveal != Reveal::Show)
                item.widget->setEnabled(item.reveal == Reveal::ShowEnabled);
        } else if (step >= 3) {
            items[10 - step].widget->hide();
        }
        return;
    }
}

// The progress rounded to six significant digits, so that the sums of
// single-precision steps meet the step constants exactly.
float roundedProgress(float progress)
{
    return QString::number(progress, 'g', 6).toFloat();
}

QString moreToolsStyle(float scale)
{
    const QString folder = skinFolder(toolStripSkinSet(scale));
    if (folder.isEmpty())
        return QString();
    return QStringLiteral("QPushButton{border-image: url(%1img_MenuIcon.png)}QPushButton:hover { border-image: "
                          "url(%1img_MenuIconHover.png);}QPushButton::menu-indicator{ image:none;}")
        .arg(folder);
}

} // namespace

void BrowseRepairDlg::CreateToolBars()
{
    const float scale = g_state.uiScale;
    m_moreToolsButton->setToolTip(tr("More Tools"));
    m_moreToolsButton->setStyleSheet(moreToolsStyle(scale));

    const QString iconFolder = skinFolder(toolStripSkinSet(scale));
    auto makeAction = [&iconFolder](const QString& text, const char* icon) {
        auto* action = new QAction();
        action->setText(text);
        action->setFont(QFont(QStringLiteral("Segoe UI"), 9));
        if (!iconFolder.isEmpty())
            action->setIcon(QIcon(iconFolder + QLatin1String(icon)));
        return action;
    };
    g_state.actRecoverData = makeAction(tr("Recover Data"), "Recover-Drive.png");
    g_state.actRecoverPhoto = makeAction(tr("Recover Photo"), "Recover-Photo.png");
    g_state.actRepairVideo = makeAction(tr("Repair Video"), "Video-Repair.png");
    g_state.actMonitorDrive = makeAction(tr("Monitor Drive"), "moniter-drive.png");

    g_state.moreToolsMenu = new PopupMenu(m_moreToolsButton, true, this);
    if (g_state.showAsDisabled == 1) {
        m_moreToolsButton->show();
        g_state.moreToolsMenu->addAction(g_state.actRepairVideo);
    } else if (g_state.showAsDisabled == 0) {
        m_moreToolsButton->hide();
    }
    m_moreToolsButton->setMenu(g_state.moreToolsMenu);
}

void BrowseRepairDlg::CreateLanguageMenu()
{
    BuildLanguageMenu(m_languageButton, 0);
}

void BrowseRepairDlg::CreateLanguageMenu2()
{
    QMenu* previousMenu = m_languageButton2->menu();
    QAction* previousActions[kLanguageActionCount];
    for (int i = 0; i < kLanguageActionCount; ++i)
        previousActions[i] = m_langActions[i][1];
    BuildLanguageMenu(m_languageButton2, 1);
    delete previousMenu;
    for (QAction* action : previousActions)
        delete action;
}

void BrowseRepairDlg::BuildLanguageMenu(QPushButton* button, int page)
{
    struct Entry {
        const char* text;
        int index;
        void (BrowseRepairDlg::*pageSlots[2])();
        bool listed;
    };
    // In the order the actions are made; Chinese is made and connected but
    // not listed in the menu.
    static const Entry entries[] = {
        {QT_TR_NOOP("English"), LangEnglish,
         {&BrowseRepairDlg::LoadEnglishLanguages, &BrowseRepairDlg::LoadEnglishLanguages2}, true},
        {QT_TR_NOOP("German"), LangGerman,
         {&BrowseRepairDlg::LoadGermanLanguages, &BrowseRepairDlg::LoadGermanLanguages2}, true},
        {QT_TR_NOOP("French"), LangFrench,
         {&BrowseRepairDlg::LoadFrenchLanguages, &BrowseRepairDlg::LoadFrenchLanguages2}, true},
        {QT_TR_NOOP("Italian"), LangItalian,
         {&BrowseRepairDlg::LoadItalianLanguages, &BrowseRepairDlg::LoadItalianLanguages2}, true},
        {QT_TR_NOOP("Spanish"), LangSpanish,
         {&BrowseRepairDlg::LoadSpanishLanguages, &BrowseRepairDlg::LoadSpanishLanguages2}, true},
        {QT_TR_NOOP("Japanese"), LangJapanese,
         {&BrowseRepairDlg::LoadJapaneseLanguages, &BrowseRepairDlg::LoadJapaneseLanguages2}, true},
        {QT_TR_NOOP("Korean"), LangKorean,
         {&BrowseRepairDlg::LoadKoreanLanguages, &BrowseRepairDlg::LoadKoreanLanguages2}, true},
        {QT_TR_NOOP("Dutch"), LangDutch,
         {&BrowseRepairDlg::LoadDutchLanguages, &BrowseRepairDlg::LoadDutchLanguages2}, true},
        {QT_TR_NOOP("Chinese"), LangChinese,
         {&BrowseRepairDlg::LoadChineseLanguages, &BrowseRepairDlg::LoadChineseLanguages2}, false},
        {QT_TR_NOOP("Portuguese Brazil"), LangBrazil,
         {&BrowseRepairDlg::LoadBrazilLanguages, &BrowseRepairDlg::LoadBrazilLanguages2}, true},
        {QT_TR_NOOP("Hindi"), LangHindi,
         {&BrowseRepairDlg::LoadHindiLanguages, &BrowseRepairDlg::LoadHindiLanguages2}, true},
    };
    const bool results = page == 1;
    const float scale = g_state.uiScale;
    button->setToolTip(tr("Languages"));
    button->setGeometry(scaledLength(results ? 96 : 70, scale), scaledLength(40, scale), scaledLength(20, scale),
                        scaledLength(20, scale));
    button->setFixedSize(scaledLength(20, scale), scaledLength(20, scale));
    if (results)
        button->setEnabled(false);
    button->show();

    for (const Entry& entry : entries) {
        auto* action = new QAction(tr(entry.text));
        action->setCheckable(true);
        action->setChecked(false);
        m_langActions[entry.index][page] = action;
    }
    if (results)
        button->setStyleSheet(LanguageButtonStyle(scale));

    auto* menu = new QMenu();
    for (const Entry& entry : entries)
        if (entry.listed)
            menu->addAction(m_langActions[entry.index][page]);
    button->setMenu(menu);
    for (const Entry& entry : entries)
        connect(m_langActions[entry.index][page], &QAction::triggered, this, entry.pageSlots[page]);

    if (results) {
        button->show();
        button->setEnabled(false);
    }
}

void BrowseRepairDlg::OnMenuProduct()
{
    StartToolBarAnimation(&BrowseRepairDlg::OnToolBarTimerSlot);
}

void BrowseRepairDlg::OnSecondMenuProduct()
{
    StartToolBarAnimation(&BrowseRepairDlg::OnToolBarTimerSlot2);
}

void BrowseRepairDlg::StartToolBarAnimation(void (BrowseRepairDlg::*tick)())
{
    m_toolBarProgress = 0.0f;
    delete m_toolBarTimer;
    m_toolBarTimer = new QTimer();
    m_toolBarTimer->start(g_state.toolbarInterval);
    connect(m_toolBarTimer, &QTimer::timeout, this, tick);
}

void BrowseRepairDlg::OnToolBarTimerSlot()
{
    const StripItem items[kStripItemCount] = {
        {SeperateLbl, Reveal::Show},   {m_languageButton, Reveal::ShowEnabled}, {SeperateLbl_3, Reveal::Show},
        {AbutBtn, Reveal::Show},       {HelpBtn, Reveal::Show},                 {SeperateLbl_4, Reveal::Show},
        {UpdateBtn, Reveal::ShowEnabled}, {SeperateLbl_5, Reveal::Show},
    };
    m_toolBarProgress += g_state.toolbarStep;
    moveStripItem(items, roundedProgress(m_toolBarProgress), MenuBtn->isChecked());
    StopFinishedToolBar();
}

void BrowseRepairDlg::OnToolBarTimerSlot2()
{
    const StripItem items[kStripItemCount] = {
        {SeperateLbl_2, Reveal::Show},   {m_languageButton2, Reveal::ShowDisabled}, {SeperateLbl_6, Reveal::Show},
        {AbutBtn_2, Reveal::Show},       {HelpBtn_2, Reveal::Show},                 {SeperateLbl_7, Reveal::Show},
        {UpdateBtn_2, Reveal::ShowEnabled}, {SeperateLbl_8, Reveal::Show},
    };
    // The results strip moves twice as fast.
    m_toolBarProgress += g_state.toolbarStep;
    m_toolBarProgress += g_state.toolbarStep;
    moveStripItem(items, roundedProgress(m_toolBarProgress), MenuBtn_2->isChecked());
    StopFinishedToolBar();
}

void BrowseRepairDlg::StopFinishedToolBar()
{
    if (m_toolBarProgress >= 1.1)
        m_toolBarTimer->stop();
}

void BrowseRepairDlg::LaunchDriveMonitor()
{
    LaunchTool(&GlobalState::launchedMonitorDrive, g_state.monitorDriveExe);
}

void BrowseRepairDlg::LaunchVideoRepair()
{
    LaunchTool(&GlobalState::launchedRepairVideo, g_state.repairVideoExe);
}

void BrowseRepairDlg::LaunchDataRecovery()
{
    LaunchTool(&GlobalState::launchedRecoverData, g_state.recoverDataExe);
}

void BrowseRepairDlg::LaunchPhotoRecovery()
{
    LaunchTool(&GlobalState::launchedRecoverPhoto, g_state.recoverPhotoExe);
}

// The launch flag tells the close handling to ask nothing: the program is
// being left for the other tool. It is left only when the tool has started.
void BrowseRepairDlg::LaunchTool(qint32 GlobalState::*launchedFlag, const QString& program)
{
    g_state.*launchedFlag = 1;
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    if (!platform::launchProgram(program)) {
        g_state.*launchedFlag = 0;
        ShowInformation(this, tr("More Tools"), tr("The tool could not be started."));
        return;
    }
    close();
    QCoreApplication::quit();
}
