#pragma once

#include "tables/quantization/closest_tables.h"

#include <QString>
#include <QVector>

// A quantization table of a rewritten image that no encoder can have
// written, and the known-good tables that may stand in for it.
struct SuspectQuantTable {
    qint64 offset = 0; // of its 64 values in the rewritten file
    int id = 0;        // the table destination the frame's components name
    quant::QuantTable own{};
    // Known-good tables, most agreeing with its own values first.
    QVector<quant::AgreeingTable> candidates;
};

// For each suspect table of the rewritten file at `path` that has
// candidates, writes the best-agreeing one in its place; where others agree
// nearly as well, the image is decoded once and the one whose picture
// continues most naturally across the block borders is taken. A table
// without candidates stays as it is (and the decode check fails the image).
void chooseQuantTables(const QString& path, const QVector<SuspectQuantTable>& suspects);
