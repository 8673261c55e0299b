#pragma once

#include "dqt_table_set.h"

#include <QVector>

namespace quant {

// A table and the number of positions on which it agrees with another.
struct AgreeingTable {
    QuantTable table;
    int agreeing = 0;
};

// Number of positions on which two tables of 64 values hold the same value.
int agreeingValues(const quint8* a, const quint8* b);

// The catalogue tables (of all five classes, every table of every segment)
// that agree with `zigzagValues` on the most positions, most agreeing first,
// at most `maxCount` distinct tables. Tables agreeing on fewer than
// `minAgreeing` positions are not taken.
QVector<AgreeingTable> closestCatalogueTables(const quint8* zigzagValues, int maxCount,
                                              int minAgreeing);

} // namespace quant
