#pragma once

#include "tables/quantization/dqt_table_set.h"

#include <QByteArray>

// Helpers for the quantization library tests: reach any catalogue entry by
// its position, and prepare or read the exchange fields of the repair state.
namespace quanttest {

enum class TableClass { Dc1, Dc2, Dc345, Dc6to18, Dc10to80 };

// Flat catalogues take group 0; positions and candidates count from 1.
const quant::DqtTableSet& entry(TableClass tableClass, int group, int number);
int groupCount(TableClass tableClass);
int candidateCount(TableClass tableClass, int group);

// Exchange fields to their state after an engine reset.
void resetExchange();
void setRow(int row, const quint8* values);
void setRow(int row, const quant::QuantTable& table);
// Rows 0.. from the tables of a segment image, by position.
void setRowsFrom(const quant::DqtTableSet& set);

// One lookup through the dispatcher, as the rewrite asks it.
void lookUp(int length, int oneTableSegments = 0, int index = 0);
// One matcher call of a class at one prefix length; true on a hit.
bool matchAt(TableClass tableClass, int prefixLength);

QByteArray bytesOf(const quant::DqtTableSet& set);
QByteArray bytesOf(const quant::QuantTable& table);
QByteArray tableOf(const quant::DqtTableSet& set, int table);
// The replacement buffer of a layout (67, 132 or 197).
QByteArray replacement(int length);

} // namespace quanttest
