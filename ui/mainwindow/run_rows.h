#pragma once

#include <QMetaType>
#include <QString>

class QTreeWidgetItem;

// A results file row as a run found it when it began. The run body works
// from this copy and never reads the tree.
struct RunFileRow {
    QTreeWidgetItem* item = nullptr;
    QString name;
    QString path;
    bool checked = false;
};

enum class OutputIcon { Jpeg, Heic, Other };

// The contents of an output row that a run attaches under a file row.
struct OutputRowSpec {
    QString name;
    QString type;       // empty: no type text
    QString resolution; // empty: no resolution text
    unsigned int status = 0; // 0: no status
    OutputIcon icon = OutputIcon::Other;
};

Q_DECLARE_METATYPE(OutputRowSpec)
