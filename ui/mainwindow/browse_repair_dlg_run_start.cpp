#include "browse_repair_dlg.h"

#include "custom_button.h"
#include "dialog_look.h"
#include "file_list_columns.h"
#include "global_state.h"
#include "my_tree_widget.h"
#include "reference_file_dlg.h"
#include "repair_tree_columns.h"

#include <QTreeWidgetItemIterator>

namespace {

constexpr quint32 kFirstButtonId = 10000;

} // namespace

void BrowseRepairDlg::OnSaveWindow()
{
    m_nextButtonId = kFirstButtonId;
    g_state.resultsPageShown = 1;
    CreateLanguageMenu2();
    m_repairRowCount = 0;
    for (QTreeWidgetItemIterator it(m_fileTree); *it; ++it) {
        if ((*it)->checkState(FileColName) == Qt::Checked)
            AddResultsFileRow(*it);
    }

    ShowLabl->show();
    SelectAll_labl->setEnabled(false);
    checkBox1_2->setEnabled(false);
    UpdateBtn_2->setEnabled(false);
    ThumbChkbx->setChecked(true);
    ThumbChkbx->setEnabled(false);
    m_repairTree->setEnabled(false);
    RepairFilesProcess();
}

void BrowseRepairDlg::AddResultsFileRow(QTreeWidgetItem* fileItem)
{
    const float scale = g_state.uiScale;
    const QFont rowFont(QStringLiteral("Segoe UI"), 10);
    const int side = ResultsRowHeight();
    const QSize rowSize(side, side);

    auto* row = new QTreeWidgetItem(m_repairTree);
    row->setText(ColName, fileItem->text(FileColName));
    row->setText(ColPath, fileItem->text(FileColPath));
    row->setCheckState(ColName, Qt::Checked);
    row->setSizeHint(ColButtonId, rowSize);

    m_lastCustomButton = new CustomButton(m_repairTree);
    m_lastCustomButton->setFlat(true);
    m_lastCustomButton->setAttribute(Qt::WA_MouseTracking);
    m_lastCustomButton->setText(QString());
    // The link has no text yet; it takes the width of its text once the
    // run offers it.
    m_lastCustomButton->setFixedSize(scaledLength(110, scale), side);
    m_repairTree->setItemWidget(row, ColType, m_lastCustomButton);
    m_lastCustomButton->setCursor(Qt::PointingHandCursor);

    ButtonRecord record;
    record.id = m_nextButtonId;
    record.fileName = fileItem->text(FileColName).toStdString();
    record.linkButton = m_lastCustomButton;

    row->setText(ColButtonId, QString::number(m_nextButtonId));
    row->setText(ColFileRow, QStringLiteral("1"));
    m_lastCustomButton->m_id = m_nextButtonId;
    ++m_nextButtonId;
    m_buttonRecords.append(record);
    connect(m_lastCustomButton, &CustomButton::MousePressed, this, &BrowseRepairDlg::OnClickAddReference);

    for (int column : {ColName, ColType, ColPath, ColResolution}) {
        row->setSizeHint(column, rowSize);
        row->setFont(column, rowFont);
    }
    ++m_repairRowCount;
}

// Hindi rows are taller: the underline of the link's Devanagari font lies
// far below its baseline.
int BrowseRepairDlg::ResultsRowHeight()
{
    return scaledLength(layoutLanguage() == LayoutLanguage::Hindi ? 28 : 20, g_state.uiScale);
}

void BrowseRepairDlg::RepairFilesProcess()
{
    AddFilesBtnN->hide();
    RemovFileBtnN->hide();
    StartRepairFilesBtnN->hide();
    BackBtn->setEnabled(false);
    for (QWidget* widget : std::initializer_list<QWidget*>{AbutBtn_2, HelpBtn_2, SeperateLbl_2, UpdateBtn_2,
                                                          SeperateLbl_6, SeperateLbl_7, SeperateLbl_8})
        widget->show();

    ShowRepairingTexts();

    m_runRows = SnapshotRunRows();
    m_listedInputs = ListedInputs();
    m_repairThread.m_dlg = this;
    connect(&m_repairThread, &QRepairThread::ProcessCompleted, this, &BrowseRepairDlg::SwitchToOriginalState,
            Qt::UniqueConnection);
    m_repairThread.StartRepair();
}

// The page heading and hint while a run goes on.
void BrowseRepairDlg::ShowRepairingTexts()
{
    label_7->setText(tr("This may take a while, depending on the number of photos and their file size. Please "
                        "wait while the process is completed."));
    label->setFont(QFont(QStringLiteral("Segoe UI Semibold"), 10, 75));
    label->setText(tr("Repairing selected photos"));
}

// The start of a run with a sample: the page goes back to its running look
// and the sample dialog closes.
void BrowseRepairDlg::OnShowString()
{
    label_7->setText(QString());
    label->setText(QString());
    ShowRepairingTexts();
    SaveRepairBtn->hide();
    StopRepairProcessBtn->show();
    StopRepairProcessBtn->setEnabled(true);
    g_state.referenceDlg->close();
}

QVector<RunFileRow> BrowseRepairDlg::SnapshotRunRows() const
{
    QVector<RunFileRow> rows;
    for (int i = 0; i < m_repairTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_repairTree->topLevelItem(i);
        rows.append({item, item->text(ColName), item->text(ColPath), item->checkState(ColName) == Qt::Checked});
    }
    return rows;
}
