#include "browse_repair_dlg.h"

#include "custom_button.h"
#include "dialog_look.h"
#include "global_state.h"
#include "main_window_skin.h"
#include "back_application_dlg.h"
#include "close_application_dlg.h"
#include "reference_file_dlg.h"
#include "stop_dlg.h"
#include "my_tree_widget.h"
#include "repair_tree_columns.h"
#include "settings_store.h"
#include "scale_steps.h"
#include "screen_metrics.h"
#include "tree_style_sheet.h"
#include "window_frame.h"

#include <QAction>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTimer>

BrowseRepairDlg* g_mainWindow = nullptr;

namespace {

QFont buttonFont()
{
    QFont font(QStringLiteral("Segoe UI Semibold"), 10, 75, false);
    return font;
}

void setButtonTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::All, QPalette::ButtonText, QBrush(colour, Qt::SolidPattern));
    widget->setPalette(palette);
}

} // namespace

BrowseRepairDlg::BrowseRepairDlg(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint);
    g_mainWindow = this;
    m_geometry.window = QSize(850, 600);
    qRegisterMetaType<QTreeWidgetItem*>("QTreeWidgetItem*");
    qRegisterMetaType<OutputRowDetails>("OutputRowDetails");

    g_state.uiScale = g_startScale;
    {
        auto settings = platform::openSettings(g_state.settingsPath);
        if (!settings->contains(QStringLiteral("ResizeAppforDPI")))
            settings->setValue(QStringLiteral("ResizeAppforDPI"), true);
        if (!settings->value(QStringLiteral("ResizeAppforDPI")).toBool())
            g_state.uiScale = 1.0f;
    }
    const float scale = g_state.uiScale;

    m_moreToolsButton = new QPushButton(frame);
    m_moreToolsButton->setObjectName(QStringLiteral("m_moreToolsButton"));
    m_moreToolsButton2 = new QPushButton(frame2);
    m_moreToolsButton2->setObjectName(QStringLiteral("m_moreToolsButton2"));
    m_moreToolsButton2->hide();

    InitRepairState();
    SetDpiStyleSheets();
    SetLanguageGeometry();

    m_fileTree = new MyTreeWidget(frame);
    m_fileTree->setGeometry(scaledRect(QRect(22, 220, 805, 300), scale));
    m_fileTree->setColumnCount(0);
    CreateToolBars();

    m_closeDlg = new CloseApplicationDlg(this);
    m_stopDlg = new StopDlg(this);
    m_backDlg = new BackApplicationDlg(this);
    g_state.referenceDlg = new ReferenceFileDlg(this, QString());

    m_languageButton = new QPushButton(frame);
    m_languageButton2 = new QPushButton(frame2);
    m_languageButton->show();
    m_languageButton2->show();
    UpdateBtn->show();
    UpdateBtn_2->show();

    m_repairTree = new MyTreeWidget(frame2);
    SetupRepairTree();

    m_addFileButton = new QPushButton(m_fileTree);
    m_addFileButton->setFlat(true);
    SetAddFileButtonStyle();

    g_state.helpStart = 1;
    CreateLanguageMenu();
    m_languageButton->setStyleSheet(LanguageButtonStyle(scale));
    CheckCurrentLanguage(0);
    m_addFileButton->setGeometry(scaledRect(QRect(319, 80, 141, 141), scale));

    ConnectSignals();
    Init();
    FitToScreen();
}

BrowseRepairDlg::~BrowseRepairDlg()
{
    delete m_toolBarTimer;
}

void BrowseRepairDlg::InitRepairState()
{
    g_state.dialogPath.clear();
    g_state.samplePath.clear();
    g_state.pressedButtonName.clear();
    m_helpUrl.clear();

    g_state.copyCounter = 0;
    g_state.applySampleToAll = 0;
    g_state.jpegSampleMode = 0;
    g_state.referenceDlg = nullptr;
    g_state.helpStart = 1;
    m_fileTreeReady = false;
    m_resultsCheckable = false;

    g_state.toolbarInterval = 15;
    g_state.toolbarStep = 0.05f;
    m_toolBarTimer = nullptr;

    StartRepairFilesBtnN->setFont(buttonFont());
    setButtonTextColour(StartRepairFilesBtnN, Qt::white);
    StartRepairFilesBtnN->setText(tr("Repair"));
    for (QPushButton* button : {StopRepairProcessBtn, SaveRepairBtn}) {
        button->setFont(buttonFont());
        setButtonTextColour(button, Qt::white);
    }
    StopRepairProcessBtn->setText(tr("Stop"));
    SaveRepairBtn->setText(tr("Save Repaired Files"));

    frame->setStyleSheet(QStringLiteral("background-color:white"));
    frame2->setStyleSheet(QStringLiteral("background-color:white"));

    MenuBtn->setCheckable(true);
    MenuBtn->setChecked(false);
    MenuBtn_2->setCheckable(true);
    MenuBtn_2->setChecked(false);

    label_2->hide();
    checkBox1->hide();
    label_2->setEnabled(false);
    ShowLabl->show();
    ShowLabl->setEnabled(false);
    ThumbChkbx->setCheckState(Qt::Checked);
    ThumbChkbx->setEnabled(false);
}

void BrowseRepairDlg::Init()
{
    m_addFileButton->show();
    AddFilesBtnN->hide();
    RemovFileBtnN->hide();
    StartRepairFilesBtnN->hide();
    checkBox1->setEnabled(false);
    frame2->hide();
    AbutBtn->show();
    HelpBtn->show();
    SeperateLbl->show();

    SetToolStripTips();

    MenuBtn->setChecked(true);
    OnMenuProduct();
    MenuBtn_2->setChecked(true);
    OnSecondMenuProduct();
}

void BrowseRepairDlg::SetupRepairTree()
{
    const float scale = g_state.uiScale;
    m_repairTree->setGeometry(scaledRect(QRect(22, 160, 410, 310), scale));
    m_repairTree->setColumnCount(7);
    m_repairTree->setHeaderLabels({tr(" File Name"), tr(" Type"), QString(), tr(" Resolution"), QString()});
    m_repairTree->header()->setVisible(true);
    m_repairTree->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    const QFont headerFont(QStringLiteral("Segoe UI"), 10);
    for (int column : {0, 1, 3})
        m_repairTree->headerItem()->setFont(column, headerFont);

    m_repairTree->setAutoFillBackground(true);
    m_repairTree->setAlternatingRowColors(true);
    m_repairTree->setTextElideMode(Qt::ElideMiddle);
    m_repairTree->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int column : {2, 4, 5, 6})
        m_repairTree->setColumnHidden(column, true);

    SizeResultsColumns();
    m_repairTree->setFont(QFont(QStringLiteral("Segoe UI"), 10));
    ApplyTreeStyleSheet(m_repairTree, TreeStyleSheet(scale));
}

// The three columns together stay inside the results tree's view beside its
// vertical scroll bar (which shows once a run has more rows than the tree),
// so none is cut and no horizontal scroll bar shows. Dutch needs a wider Type
// column, which takes the width its Resolution column spares.
void BrowseRepairDlg::SizeResultsColumns()
{
    const float scale = g_state.uiScale;
    const bool dutch = g_state.langDutch != 0;
    m_repairTree->header()->resizeSection(ColName, scaledLength(150, scale));
    m_repairTree->header()->resizeSection(ColType, scaledLength(dutch ? 160 : 140, scale));
    m_repairTree->header()->resizeSection(ColResolution, scaledLength(dutch ? 80 : 90, scale));
}

void BrowseRepairDlg::ConnectSignals()
{
    connect(this, &BrowseRepairDlg::ShowProgressLabel, this, &BrowseRepairDlg::OnShowProgresslabel);
    connect(this, &BrowseRepairDlg::displayItem, this, &BrowseRepairDlg::DisplaySavedItems);
    connect(this, &BrowseRepairDlg::Showlabel, this, &BrowseRepairDlg::OnShowlabel);
    connect(this, &BrowseRepairDlg::ShowProgress, this, &BrowseRepairDlg::OnShowProgress);
    connect(this, &BrowseRepairDlg::SetProgressBarValue, this, &BrowseRepairDlg::OnSetProgressBarValue);
    connect(this, &BrowseRepairDlg::SetOverAllProgress, this, &BrowseRepairDlg::OnSetOverAllProgress);
    connect(this, &BrowseRepairDlg::SetOverAllProgressOne, this, &BrowseRepairDlg::OnSetOverAllProgressOne);
    connect(this, &BrowseRepairDlg::EnableProgressBar, this, &BrowseRepairDlg::OnEnableProgressBar);
    connect(this, &BrowseRepairDlg::SetCheckBoxEnabled, this, &BrowseRepairDlg::OnSetCheckBoxEnabled);
    connect(this, &BrowseRepairDlg::ShowThumblabl, this, &BrowseRepairDlg::OnShowThumblabl);
    connect(this, &BrowseRepairDlg::ThumbChbox, this, &BrowseRepairDlg::OnThumbChbox);
    connect(this, &BrowseRepairDlg::SelectAllLable, this, &BrowseRepairDlg::OnSelectAllLable);
    connect(this, &BrowseRepairDlg::CompletionMsgBox, this, &BrowseRepairDlg::OnCompletionMsgBox);
    connect(this, &BrowseRepairDlg::ExpandThumb, this, &BrowseRepairDlg::OnExpandThumb);
    connect(this, &BrowseRepairDlg::setCustomButton, this, &BrowseRepairDlg::OnsetCustomButton);
    connect(this, &BrowseRepairDlg::ShowString, this, &BrowseRepairDlg::OnShowString);
    connect(this, &BrowseRepairDlg::showCustomButton, this, &BrowseRepairDlg::OnshowCustomButton);
    connect(this, &BrowseRepairDlg::RunRowStatus, this, &BrowseRepairDlg::ApplyRowStatus);
    connect(this, &BrowseRepairDlg::RunRowUncheck, this, &BrowseRepairDlg::ApplyRowUncheck);
    connect(this, &BrowseRepairDlg::RunRowType, this, &BrowseRepairDlg::ApplyRowType);
    connect(this, &BrowseRepairDlg::RunOutputRow, this, &BrowseRepairDlg::ApplyOutputRow);
    connect(this, &BrowseRepairDlg::RunMarkStopped, this, &BrowseRepairDlg::ApplyStopMarking);
    connect(this, &BrowseRepairDlg::RunFinalPass, this, &BrowseRepairDlg::ApplyFinalPass);

    connect(m_addFileButton, &QPushButton::clicked, this, &BrowseRepairDlg::AddFilesProcess);
    connect(AddFilesBtnN, &QPushButton::clicked, this, &BrowseRepairDlg::AddFilesProcess);
    connect(StartRepairFilesBtnN, &QPushButton::clicked, this, &BrowseRepairDlg::OnSaveWindow);
    connect(RemovFileBtnN, &QPushButton::clicked, this, &BrowseRepairDlg::RemoveFrmListProcess);
    connect(StopRepairProcessBtn, &QPushButton::clicked, this, &BrowseRepairDlg::StopProcess);
    connect(&m_repairThread, &QRepairThread::AbortProcess, this, &BrowseRepairDlg::OnAbortProcess);
    connect(m_stopDlg->OkBtn_2, &QPushButton::clicked, this, &BrowseRepairDlg::OnStopProcess);
    connect(m_stopDlg->OkBtn, &QPushButton::clicked, this, &BrowseRepairDlg::OnRunProcess);
    connect(ThumbChkbx, &QCheckBox::clicked, this, &BrowseRepairDlg::OnThumbnailHideChkBox);
    connect(CloseBtn, &QPushButton::clicked, this, &BrowseRepairDlg::CloseProcess);
    connect(MinimiseBtn, &QPushButton::clicked, this, &BrowseRepairDlg::MinimiseWin);
    connect(checkBox1, &QCheckBox::clicked, this, &BrowseRepairDlg::OnCheckBoxbtnClicked);
    connect(m_fileTree, &QTreeWidget::itemClicked, this, &BrowseRepairDlg::OnRepairItemClicked);
    connect(CloseBtn_2, &QPushButton::clicked, this, &BrowseRepairDlg::CloseProcess);
    connect(MinimiseBtn_2, &QPushButton::clicked, this, &BrowseRepairDlg::MinimiseWin);
    connect(checkBox1_2, &QCheckBox::clicked, this, &BrowseRepairDlg::OnSaveCheckBoxbtnClicked);
    connect(m_repairTree, &QTreeWidget::itemClicked, this, &BrowseRepairDlg::OnItemClicked);

    connect(MenuBtn, &QPushButton::clicked, this, &BrowseRepairDlg::OnMenuProduct);
    connect(MenuBtn_2, &QPushButton::clicked, this, &BrowseRepairDlg::OnSecondMenuProduct);
    connect(g_state.actMonitorDrive, &QAction::triggered, this, &BrowseRepairDlg::LaunchDriveMonitor);
    connect(g_state.actRepairVideo, &QAction::triggered, this, &BrowseRepairDlg::LaunchVideoRepair);
    connect(g_state.actRecoverData, &QAction::triggered, this, &BrowseRepairDlg::LaunchDataRecovery);
    connect(g_state.actRecoverPhoto, &QAction::triggered, this, &BrowseRepairDlg::LaunchPhotoRecovery);
    // Saving the results
    connect(SaveRepairBtn, &QPushButton::clicked, this, &BrowseRepairDlg::SaveImage);
    // Advanced repair with a sample; back.
    connect(this, &BrowseRepairDlg::RunRowCheck, this, &BrowseRepairDlg::ApplyRowCheck);
    connect(g_state.referenceDlg->RefRepairBtn, &QPushButton::clicked, this, &BrowseRepairDlg::ReferenceRepairProcess);
    connect(g_state.referenceDlg->refe_CheckBox, &QCheckBox::clicked, this, &BrowseRepairDlg::OnRefe_CheckBoxClicked);
    connect(BackBtn, &QPushButton::clicked, this, &BrowseRepairDlg::OnClickedBackBtn);
    // Context help, about box and software update
    connect(AbutBtn, &QPushButton::clicked, this, &BrowseRepairDlg::onAbtDlg);
    connect(UpdateBtn, &QPushButton::clicked, this, &BrowseRepairDlg::onUpdateWizard);
    connect(HelpBtn, &QPushButton::clicked, this, &BrowseRepairDlg::OnHelp);
    connect(AbutBtn_2, &QPushButton::clicked, this, &BrowseRepairDlg::onAbtDlg);
    connect(UpdateBtn_2, &QPushButton::clicked, this, &BrowseRepairDlg::onUpdateWizard);
    connect(HelpBtn_2, &QPushButton::clicked, this, &BrowseRepairDlg::OnHelp);
}

void BrowseRepairDlg::MinimiseWin()
{
    showMinimized();
}

void BrowseRepairDlg::CloseProcess()
{
    close();
}

void BrowseRepairDlg::FitToScreen()
{
    // The area the window is placed in, so that fitting and placing agree.
    const QRect available = platform::placementWorkArea();
    const auto width = quint32(qMax(0, available.width()));
    const auto height = quint32(qMax(0, available.height()));
    while (g_state.uiScale != 1.0f) {
        if (quint32(this->height()) <= height && quint32(this->width()) <= width)
            return;
        g_state.uiScale = NextLowerScaleStep(g_state.uiScale);
        resize(int(float(minimumWidth()) * g_state.uiScale), int(float(minimumHeight()) * g_state.uiScale));
    }
}

void BrowseRepairDlg::mousePressEvent(QMouseEvent* event)
{
    beginStripDrag(this, event, 850, m_dragOffset);
    QDialog::mousePressEvent(event);
}

void BrowseRepairDlg::mouseMoveEvent(QMouseEvent* event)
{
    QDialog::mouseMoveEvent(event);
    followStripDrag(this, event, m_dragOffset);
}

void BrowseRepairDlg::mouseReleaseEvent(QMouseEvent* event)
{
    QDialog::mouseReleaseEvent(event);
    endStripDrag();
}

void BrowseRepairDlg::keyPressEvent(QKeyEvent* event)
{
    swallowWindowKey(event);
}
