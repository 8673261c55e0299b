#pragma once

#include <QVector>
#include <QtGlobal>

// Whether a quantization table (64 values in the zigzag order a DQT segment
// stores them) is one an encoder can have written: no zero value, and every
// value close to those of its neighbours in the 8 x 8 frequency grid, since
// every encoder's tables rise smoothly with frequency (the DC value, which
// encoders set apart, excepted); or a table of the catalogue. A table with a
// few values garbled breaks that smoothness.
bool isPlausibleQuantTable(const quint8* zigzagValues);

// The positions (in natural order, row * 8 + column) of the values that make
// a table implausible: zeros, and AC values far from their neighbours'.
QVector<int> oddQuantValues(const quint8* zigzagValues);
