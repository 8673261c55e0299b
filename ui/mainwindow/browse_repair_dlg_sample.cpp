// The advanced repair with a sample, on the user-interface thread: the link
// of a failed row opens the intro dialog, whose Next button runs the
// sample-file dialog; that dialog's Repair button starts the worker on one
// of the two sample run bodies.
#include "browse_repair_dlg.h"

#include "advanced_repair_dlg.h"
#include "global_state.h"
#include "heic_layout_names.h"
#include "jpg_repair.h"
#include "my_tree_widget.h"
#include "preview_pictures.h"
#include "reference_file_dlg.h"
#include "repair_tree_columns.h"
#include "run_suffixes.h"
#include "window_frame.h"

#include <QFileInfo>

namespace {

// The explanation of the intro dialog for a file of this suffix; empty for a
// suffix that is neither JPEG nor HEIC. The suffix is compared in upper case,
// as the sample-file dialog does, so that "Jpg" or "Heic" files get their
// explanation too. Each sentence is whole, so the label wraps it where its
// width and language need.
QString introText(const QString& suffix, const QString& damagedPath)
{
    const QString upper = suffix.toUpper();
    if (IsJpegSuffix(upper))
        return BrowseRepairDlg::tr(
            "Advance Repair\n\nUse this option to repair severely damaged JPEG.\nClick Next to add a 'sample JPEG' "
            "of the same format, shot using the same device. The sample and the damaged JPEGs remain unchanged "
            "during repair process.");
    if (upper == QLatin1String("HEIC") || upper == QLatin1String("HEIF")) {
        // The sample is named with the tile layout the damaged file needs,
        // when its layout is known.
        const QString layout = HeicLayoutName(jpg_repair().CountHeicTiles(damagedPath));
        QString sample = BrowseRepairDlg::tr("sample HEIC image");
        if (!layout.isEmpty())
            sample += QLatin1Char(' ') + layout;
        return BrowseRepairDlg::tr("Advance Repair\n\nUse this option to repair severely damaged HEIC image.\nClick "
                                   "Next to add a '%1' of the same format. The sample and the damaged HEIC remain "
                                   "unchanged during repair process.")
            .arg(sample);
    }
    return QString();
}

} // namespace

void BrowseRepairDlg::OnClickAddReference(uint id)
{
    // Only the link of a row that still waits for a repair opens the
    // dialogs; any other would explain the file clicked before it.
    const QString damagedPath = FailedRowPath(id);
    if (damagedPath.isEmpty())
        return;
    g_state.stopRequested = 0;
    graphicsView->hide();
    Preview_Label->clear();
    Preview_Label->show();

    ReferenceFileDlg* sampleDialog = g_state.referenceDlg;
    sampleDialog->RefPath_Edit->clear();
    sampleDialog->refe_CheckBox->setCheckState(Qt::Unchecked);
    sampleDialog->refe_CheckBox->setEnabled(false);

    g_state.clickedButtonId = qint32(id);
    m_sampleRepairQueue = QStringList{damagedPath};
    g_state.fileSuffix = QFileInfo(damagedPath).suffix();

    m_advancedRepairDlg = new AdvancedRepairDlg(this, QString(), sampleDialog);
    m_advancedRepairDlg->label->setFont(QFont(QStringLiteral("Segoe UI Semibold"), 10, 75));
    const QString text = introText(g_state.fileSuffix, damagedPath);
    if (!text.isEmpty())
        m_advancedRepairDlg->label->setText(text);
    CenterWidgetOnRect(m_advancedRepairDlg, geometry());
    m_advancedRepairDlg->exec();
    // The intro dialog deletes itself when its modal run ends.
    m_advancedRepairDlg = nullptr;
    // Cancelled before a sample run started (or one that is already over):
    // the emptied preview area gets its placeholder back.
    const QString placeholder = ResultsPlaceholderPicture();
    if (!m_repairThread.isRunning() && Preview_Label->pixmap(Qt::ReturnByValue).isNull() && !placeholder.isEmpty())
        Preview_Label->setPixmap(QPixmap(placeholder));
}

// The path of the file row that carries the link with this id, when that row
// still waits for a repair with a sample; empty otherwise. The row is found
// by its link, not by its name, so that two files of one name in different
// folders each get their own repair.
QString BrowseRepairDlg::FailedRowPath(quint32 buttonId) const
{
    for (int i = 0; i < m_repairTree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = m_repairTree->topLevelItem(i);
        if (row->text(ColButtonId).toUInt() == buttonId && AwaitsSampleRepair(RowStatusOf(row)))
            return row->text(ColPath);
    }
    return QString();
}

void BrowseRepairDlg::OnRefe_CheckBoxClicked()
{
    g_state.applySampleToAll = g_state.referenceDlg->refe_CheckBox->checkState() == Qt::Checked ? 1 : 0;
}

void BrowseRepairDlg::ReferenceRepairProcess()
{
    m_sampleRows = SnapshotSampleRows();
    m_repairThread.m_dlg = this;
    connect(&m_repairThread, &QRepairThread::ProcessCompleted, this, &BrowseRepairDlg::SwitchToOriginalState,
            Qt::UniqueConnection);
    m_repairThread.StartRepair();
}

QVector<SampleRunRow> BrowseRepairDlg::SnapshotSampleRows() const
{
    QVector<SampleRunRow> rows;
    for (int i = 0; i < m_repairTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_repairTree->topLevelItem(i);
        rows.append({item, item->text(ColName), item->text(ColPath), RowStatusOf(item),
                     item->text(ColButtonId).toUInt()});
    }
    return rows;
}

void BrowseRepairDlg::ApplyRowCheck(QTreeWidgetItem* row)
{
    row->setCheckState(ColName, Qt::Checked);
}
