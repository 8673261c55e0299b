#pragma once

#include <QtGlobal>

// Whether a quantization table (64 values in the zigzag order a DQT segment
// stores them) gives no reason to look at the picture for damage: a table
// of the catalogue, or one without a zero and whose every value lies close
// to its neighbours' in the 8 x 8 frequency grid, as garbled values seldom
// do. The shape is no evidence of damage (encoders write steep, flat and
// irregular tables): a table that gives reason to look keeps its values
// unless its picture shows them wrong (see judgeAcValues, valueFromBorders).
bool isPlausibleQuantTable(const quint8* zigzagValues);
