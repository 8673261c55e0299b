#include "browse_repair_dlg.h"

#include "global_state.h"
#include "my_tree_widget.h"
#include "stop_dlg.h"
#include "window_frame.h"

namespace {

QFont progressFont()
{
    return QFont(QStringLiteral("Segoe UI Semibold"), 10, 75);
}

void setWhiteButtonText(QPushButton* button)
{
    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::ButtonText, QBrush(Qt::white, Qt::SolidPattern));
    button->setPalette(palette);
}

} // namespace

void BrowseRepairDlg::DisplaySavedItems()
{
    g_state.resultsPageShown = 1;
    frame->hide();
    Preview_Label->show();
    frame2->show();
    SaveRepairBtn->hide();
    StopRepairProcessBtn->show();
    StopRepairProcessBtn->setEnabled(true);
}

void BrowseRepairDlg::OnShowlabel()
{
    const QFont font = progressFont();
    for (QLabel* label : {label_RepairFileName, Percnt_Label}) {
        label->show();
        label->setFont(font);
        label->setText(QString());
    }
    for (QPushButton* button : {StopRepairProcessBtn, SaveRepairBtn}) {
        setWhiteButtonText(button);
        button->setFont(font);
    }
    StopRepairProcessBtn->setText(tr("Stop"));
    SaveRepairBtn->setText(tr("Save Repaired Files"));
}

void BrowseRepairDlg::OnShowProgress()
{
    label_RepairFileName->hide();
    Percnt_Label->hide();
    for (QWidget* widget : std::initializer_list<QWidget*>{m_repairTree, ShowLabl, ThumbChkbx, SelectAll_labl,
                                                          checkBox1_2, UpdateBtn, UpdateBtn_2})
        widget->setEnabled(false);
}

void BrowseRepairDlg::OnSetProgressBarValue(uint range)
{
    progressBar->reset();
    progressBar->setValue(0);
    progressBar->setRange(0, int(range));
}

void BrowseRepairDlg::OnSetOverAllProgress(uint value)
{
    progressBar->setValue(int(value));
}

void BrowseRepairDlg::OnSetOverAllProgressOne(uint value)
{
    OnSetOverAllProgress(value);
}

void BrowseRepairDlg::OnEnableProgressBar()
{
    progressBar->show();
    BackBtn->setEnabled(false);
}

void BrowseRepairDlg::OnShowProgresslabel(QString fileText, QString percentText)
{
    label_RepairFileName->setText(fileText);
    Percnt_Label->setText(percentText);
}

void BrowseRepairDlg::OnSetCheckBoxEnabled()
{
    checkBox1_2->setChecked(true);
    checkBox1_2->setEnabled(m_resultsCheckable);
}

void BrowseRepairDlg::OnShowThumblabl()
{
    ShowLabl->setEnabled(true);
}

void BrowseRepairDlg::OnThumbChbox()
{
    ThumbChkbx->setEnabled(true);
}

void BrowseRepairDlg::OnSelectAllLable()
{
    SelectAll_labl->setEnabled(true);
}

void BrowseRepairDlg::OnExpandThumb(QTreeWidgetItem* row)
{
    row->setExpanded(true);
}

void BrowseRepairDlg::StopProcess()
{
    CenterWidgetOnRect(m_stopDlg, geometry());
    m_stopDlg->exec();
}

void BrowseRepairDlg::OnStopProcess()
{
    g_state.stopRequested = 1;
    m_stopDlg->close();
}

void BrowseRepairDlg::OnRunProcess()
{
    m_stopDlg->close();
}
