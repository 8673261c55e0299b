#pragma once

#include "tables/quantization/closest_tables.h"

#include <QString>
#include <QVector>

// A quantization table of a rewritten image whose shape gives reason to
// look at its picture, and the known-good tables that may stand in for it.
struct SuspectQuantTable {
    qint64 offset = 0; // of its 64 values in the rewritten file
    int id = 0;        // the table destination the frame's components name
    quant::QuantTable own{};
    // Known-good tables, most agreeing with its own values first.
    QVector<quant::AgreeingTable> candidates;
};

// Mends the suspect tables of the rewritten file at `path` on the evidence
// of its picture (decoded once when there are any). A table whose values
// all fit the picture stays as it is. Otherwise only the values the picture
// shows wrong are replaced: by the value of the candidate that agrees with
// the intact ones when it fits the picture there, else by the value the
// picture asks for. A table mostly wrong is replaced whole by a candidate
// that fits the picture throughout, or stays (and fails the decode check).
void mendQuantTables(const QString& path, const QVector<SuspectQuantTable>& suspects);
