#pragma once

#include "hevc_tile_decode.h"

#include <QVector>

// True when the decoded tiles, taken in order row by row, meet clearly
// better in a grid of another shape with the same number of cells than in
// `columns` x `rows`: the pictures along their borders continue across the
// seams of that other grid and break across the seams of this one, so this
// grid puts the tiles in the wrong places. Faulty tiles (no borders) are
// left out of the comparison.
bool tilesFitAnotherGridBetter(const QVector<TileBorders>& tiles, int columns, int rows);
