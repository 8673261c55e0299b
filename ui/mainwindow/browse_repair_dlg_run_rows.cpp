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

void BrowseRepairDlg::ApplyOutputRow(QTreeWidgetItem* fileRow, QTreeWidgetItem* outputRow, OutputRowSpec spec)
{
    fileRow->addChild(outputRow);
    outputRow->setCheckState(ColName, Qt::Unchecked);
    outputRow->setText(ColName, spec.name);
    outputRow->setIcon(ColName, iconOf(spec.icon));
    if (!spec.type.isEmpty())
        outputRow->setText(ColType, spec.type);
    if (!spec.resolution.isEmpty())
        outputRow->setText(ColResolution, spec.resolution);
    if (spec.status != 0)
        outputRow->setText(ColStatus, QString::number(spec.status));
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

// Repaired and failed file rows lose their check box and their type and
// resolution texts; every other row is checked, ready for the save.
void BrowseRepairDlg::ApplyFinalPass()
{
    for (QTreeWidgetItemIterator it(m_repairTree); *it; ++it) {
        QTreeWidgetItem* row = *it;
        const unsigned int status = RowStatusOf(row);
        if (status == RowRepaired || status == RowFailed) {
            row->setText(ColType, QString());
            row->setText(ColResolution, QString());
            row->setData(ColName, Qt::CheckStateRole, QVariant());
            m_resultsCheckable = true;
        } else {
            row->setCheckState(ColName, Qt::Checked);
        }
    }
}
