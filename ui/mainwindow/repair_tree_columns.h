#pragma once

#include <QTreeWidgetItem>

// Columns of the results tree. A top-level row is a file row, its children
// are the output rows of that file.
enum RepairTreeColumn {
    ColName = 0,       // file or output name, with the row's check box
    ColType = 1,       // the file row's link; the output's kind
    ColPath = 2,       // full path of the input (file rows)
    ColResolution = 3, // "<height>x<width>" of an output picture
    ColStatus = 4,     // RowStatus in decimal
    ColButtonId = 5,   // the file row's link id in decimal
    ColFileRow = 6,    // "1" on file rows
};

// The state of a results row, kept as decimal text in ColStatus.
enum RowStatus : unsigned int {
    RowStopped = 1,
    RowFailed = 2,
    RowNoOutput = 3,
    RowOutput = 4,
    RowRepaired = 5,
    RowQueued = 6,
    RowSampleRepairing = 7,
};

// A row's status; an empty text reads as 0.
inline unsigned int RowStatusOf(const QTreeWidgetItem* row)
{
    return row->text(ColStatus).toUInt();
}

inline bool IsFileRow(const QTreeWidgetItem* row)
{
    return row->text(ColFileRow) == QLatin1String("1");
}

// Only an output row that its run finished is an output the user can pick
// and save: a file row is the input itself, and a stopped row holds nothing
// that was completed.
inline bool IsSavableOutput(const QTreeWidgetItem* row)
{
    return !IsFileRow(row) && RowStatusOf(row) != RowStopped;
}
