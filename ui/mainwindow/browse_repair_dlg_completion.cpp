// The end of a run on the user-interface thread: the "Advance Repair" links,
// the restore of the results page after a completed or a stopped run, and
// the completion message with the page's final state.
#include "browse_repair_dlg.h"

#include "custom_button.h"
#include "dialog_look.h"
#include "global_state.h"
#include "jpg_repair.h"
#include "my_tree_widget.h"
#include "preview_pictures.h"
#include "repair_finish_dialog.h"
#include "repair_tree_columns.h"
#include "run_state.h"
#include "run_suffixes.h"
#include "stop_dlg.h"
#include "window_frame.h"

#include <QDebug>
#include <QFileInfo>
#include <QTreeWidgetItemIterator>

namespace {

QFont linkFont()
{
    QFont font(QStringLiteral("Segoe UI"), 10);
    font.setUnderline(true);
    return font;
}

void setLinkColour(CustomButton* link, Qt::GlobalColor colour)
{
    QPalette palette = link->palette();
    palette.setBrush(QPalette::All, QPalette::ButtonText, QBrush(colour, Qt::SolidPattern));
    link->setPalette(palette);
}

// The link as wide as its style needs for its text in its font, and as high
// as its row.
void fitLink(CustomButton* link)
{
    link->setFixedSize(link->sizeHint().width(), BrowseRepairDlg::ResultsRowHeight());
}

void offerLink(CustomButton* link, Qt::GlobalColor colour)
{
    link->setText(QString());
    link->setStyleSheet(QStringLiteral("Text-align:left;background:transparent"));
    link->setText(BrowseRepairDlg::tr("Advance Repair"));
    link->setFont(linkFont());
    fitLink(link);
    setLinkColour(link, colour);
    link->show();
    link->setEnabled(true);
}

void hideLink(CustomButton* link)
{
    link->setText(QString());
    link->hide();
    link->setEnabled(false);
}

bool anyPreviewableInput(QTreeWidget* tree)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if (IsEngineSuffix(QFileInfo((*it)->text(ColPath)).suffix().toUpper()))
            return true;
    }
    return false;
}

} // namespace

void BrowseRepairDlg::OnsetCustomButton(uint position)
{
    // The position is 1-based; one outside the records names no link.
    if (position == 0 || position > uint(m_buttonRecords.size()))
        return;
    CustomButton* link = m_buttonRecords[int(position - 1)].linkButton;
    link->setFont(linkFont());
    setLinkColour(link, g_state.runActive != 0 ? Qt::gray : Qt::blue);
    link->setStyleSheet(QStringLiteral("Text-align:left;background:transparent"));
    link->setText(tr("Advance Repair"));
    fitLink(link);
    link->show();
    link->setEnabled(true);
}

void BrowseRepairDlg::OnshowCustomButton(uint index)
{
    if (index >= uint(m_buttonRecords.size()))
        return;
    hideLink(m_buttonRecords[int(index)].linkButton);
}

void BrowseRepairDlg::SwitchToOriginalState()
{
    m_repairTree->setEnabled(true);
    progressBar->hide();
    label_RepairFileName->hide();
    Percnt_Label->hide();
    SaveRepairBtn->show();
    StopRepairProcessBtn->hide();
    for (QWidget* widget : std::initializer_list<QWidget*>{BackBtn, AbutBtn_2, HelpBtn_2, UpdateBtn_2})
        widget->setEnabled(true);
}

CustomButton* BrowseRepairDlg::LinkOfRow(const QTreeWidgetItem* row) const
{
    const quint32 id = row->text(ColButtonId).toUInt();
    for (const ButtonRecord& record : m_buttonRecords) {
        if (record.id == id)
            return record.linkButton;
    }
    return nullptr;
}

void BrowseRepairDlg::OnAbortProcess()
{
    g_state.applySampleToAll = 0;
    SwitchToOriginalState();

    for (QTreeWidgetItemIterator it(m_repairTree); *it; ++it) {
        if (!IsFileRow(*it))
            continue;
        CustomButton* link = LinkOfRow(*it);
        if (!link)
            continue;
        const unsigned int status = RowStatusOf(*it);
        if (AwaitsSampleRepair(status)) {
            (*it)->setText(ColStatus, QString::number(RowQueued));
        } else if (status == RowRepaired || status == RowNoOutput || status == RowOutput) {
            link->hide();
            link->setEnabled(false);
        }
    }
    for (QTreeWidgetItemIterator it(m_repairTree); *it; ++it) {
        const unsigned int status = RowStatusOf(*it);
        SaveRepairBtn->setEnabled(status != RowStopped && status != RowFailed);
    }
    if (m_repairThread.isRunning())
        qDebug() << "Thread still Running";
    for (QWidget* widget : std::initializer_list<QWidget*>{checkBox1_2, label_2, SelectAll_labl, ShowLabl})
        widget->setEnabled(true);

    ClearRunAnswers();
    jpg_repair().ResetState();
    g_state.thumbnailFound = 0;
    g_state.useTempInput = 0;
    for (QString* text : {&g_state.fileName, &g_state.inputPath, &g_state.processedNames, &g_state.outputPath,
                          &g_state.thumb1Path, &g_state.thumb1Name, &g_state.tempJpegPath})
        text->clear();
}

void BrowseRepairDlg::OnCompletionMsgBox()
{
    // The run is over: a stop question still open has nothing left to stop,
    // and must not come back once the message below is closed.
    if (m_stopDlg->isVisible())
        OnRunProcess();

    const QString picture = CompletionPreviewPicture(anyPreviewableInput(m_repairTree));
    if (!picture.isEmpty())
        Preview_Label->setPixmap(QPixmap(picture));

    label->setText(QString());
    label_7->setText(QString());
    label_7->setText(tr("Click on the 'Save Repaired Files' to save all your repaired photos. Click the file to "
                        "preview it. "));
    label->setText(FinishedHeading());
    m_repairThread.quit();

    auto* message = new repairFinishDialog(this);
    if (m_runStopped) {
        message->ShowAsStopped();
        message->repairedLabl->setText(tr("Repair process stopped."));
    } else if (!m_sampleFailure.isEmpty()) {
        message->ShowAsFailed();
        message->repairedLabl->setText(m_sampleFailure);
    } else {
        message->repairedLabl->setText(tr("Repair process completed.\n\nThumbnails are listed as 'filename_Tx' if "
                                          "available.\nThumbnails are small sized images of large JPEGs."));
    }
    m_sampleFailure.clear();
    CenterWidgetOnRect(message, geometry());
    message->exec();
    delete message;

    ShowFinishedResults();
}

// The results page's heading for the run that ended last.
QString BrowseRepairDlg::FinishedHeading() const
{
    return m_runStopped ? tr("Repair process stopped.") : tr("Repair process completed.");
}

// The results page once the completion message is closed.
void BrowseRepairDlg::ShowFinishedResults()
{
    SelectAll_labl->setEnabled(true);
    checkBox1_2->setEnabled(true);
    checkBox1_2->setChecked(true);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{progressBar, label_RepairFileName, Percnt_Label, StopRepairProcessBtn})
        widget->hide();
    m_repairTree->setEnabled(true);
    SaveRepairBtn->show();
    SaveRepairBtn->setEnabled(true);
    g_state.jpegSampleMode = 0;
    for (QWidget* widget : std::initializer_list<QWidget*>{BackBtn, ShowLabl, ThumbChkbx, SelectAll_labl,
                                                          checkBox1_2, UpdateBtn, UpdateBtn_2})
        widget->setEnabled(true);
    g_state.helpPreview = 1;
    g_state.helpRepair = 0;
    g_state.helpAddFiles = 0;

    bool anyOutput = false;
    for (QTreeWidgetItemIterator it(m_repairTree); *it; ++it) {
        const unsigned int status = RowStatusOf(*it);
        anyOutput = anyOutput || status == RowOutput;
        CustomButton* link = IsFileRow(*it) ? LinkOfRow(*it) : nullptr;
        if (!link)
            continue;
        // A file that needs no advanced repair (repaired, without output, or
        // with thumbnails only) keeps no link, not even an invisible one.
        if (AwaitsSampleRepair(status))
            offerLink(link, Qt::blue);
        else
            hideLink(link);
        // A file the stopped run never reached says so, as plain text.
        if (status == RowStopped)
            (*it)->setText(ColType, tr("Not processed"));
    }
    SaveRepairBtn->setEnabled(anyOutput);
}
