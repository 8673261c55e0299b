// The user-interface side of a run's row changes: each slot applies one
// change that the run body sent, in the order it was sent.
#include "browse_repair_dlg.h"

#include "global_state.h"
#include "my_tree_widget.h"
#include "repair_tree_columns.h"

#include <QTreeWidgetItemIterator>

namespace {

const QIcon& iconOf(OutputIcon icon)
{
    switch (icon) {
    case OutputIcon::Jpeg:
        return g_state.jpegIcon;
    case OutputIcon::Heic:
        return g_state.heicIcon;
    case OutputIcon::Other:
        break;
    }
    return g_state.otherIcon;
}

} // namespace

void BrowseRepairDlg::ApplyRowStatus(QTreeWidgetItem* row, uint status)
{
    row->setText(ColStatus, QString::number(status));
}

void BrowseRepairDlg::ApplyRowUncheck(QTreeWidgetItem* row)
{
    row->setData(ColName, Qt::CheckStateRole, QVariant());
}

void BrowseRepairDlg::ApplyRowType(QTreeWidgetItem* row, QString type)
{
    row->setText(ColType, type);
}

void BrowseRepairDlg::ApplyOutputRow(QTreeWidgetItem* fileRow, QTreeWidgetItem* outputRow, OutputRowDetails details)
{
    fileRow->addChild(outputRow);
    outputRow->setCheckState(ColName, Qt::Unchecked);
    outputRow->setText(ColName, details.name);
    outputRow->setIcon(ColName, iconOf(details.icon));
    if (!details.type.isEmpty())
        outputRow->setText(ColType, details.type);
    if (!details.resolution.isEmpty())
        outputRow->setText(ColResolution, details.resolution);
    if (details.status != 0)
        outputRow->setText(ColStatus, QString::number(details.status));
}

// Every row from the first stopped one on ends stopped.
void BrowseRepairDlg::ApplyStopMarking()
{
    bool stopped = false;
    for (QTreeWidgetItemIterator it(m_repairTree); *it; ++it) {
        stopped = stopped || RowStatusOf(*it) == RowStopped;
        if (stopped)
            (*it)->setText(ColStatus, QString::number(RowStopped));
    }
}

// Repaired and failed file rows lose their type and resolution texts. The
// outputs the run finished are checked, ready for the save; every other row
// (a file row, a stopped row) loses its check box, so it is never saved.
void BrowseRepairDlg::ApplyFinalPass()
{
    for (QTreeWidgetItemIterator it(m_repairTree); *it; ++it) {
        QTreeWidgetItem* row = *it;
        const unsigned int status = RowStatusOf(row);
        if (status == RowRepaired || status == RowFailed) {
            row->setText(ColType, QString());
            row->setText(ColResolution, QString());
            m_resultsCheckable = true;
        }
        if (IsSavableOutput(row))
            row->setCheckState(ColName, Qt::Checked);
        else
            row->setData(ColName, Qt::CheckStateRole, QVariant());
    }
}
