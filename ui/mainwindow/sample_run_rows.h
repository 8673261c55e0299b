#pragma once

#include "repair_tree_columns.h"

#include <QString>

class QTreeWidgetItem;

// A results file row as a repair with a sample found it when it began. The
// run body decides from this copy and from the changes it sent itself.
struct SampleRunRow {
    QTreeWidgetItem* item = nullptr;
    QString name;
    QString path;
    unsigned int status = 0;
    quint32 buttonId = 0;
};

// The statuses of a row that a repair with a sample may take: failed, queued
// or left in work by an earlier sample run.
inline bool AwaitsSampleRepair(unsigned int status)
{
    return status == RowFailed || status == RowSampleRepairing || status == RowQueued;
}
