#pragma once

#include "bounded_decoder.h"

// Judgements of a decoded picture: whether what the decoder made of its
// data shows damage.

// Noise: garbled entropy-coded data gives every block a random level, so
// neighbouring blocks of the eighth-size picture differ far more than in
// any photo.
bool looksNoisy(const EighthPicture& picture);

// Too few rows or columns of MCUs for breaksInScanOrder to tell a break
// from the picture's content.
bool tooSmallToJudge(const McuBorders& borders);

// A break in the data's order: from some MCU on, everything the data gives
// is shifted or changed in level (a damaged stretch puts the decoder out of
// step, and every DC value after it carries the error). The MCUs are coded
// row by row, so such a remainder starts inside a row: the borders above
// its first row's MCUs (right of the break) and above the next row's MCUs
// left of it stand out against the borders above and below them, with
// jumps of a like size, while the borders beside them, with both their
// MCUs on one side of the break, keep the picture's own texture. An edge of
// the picture's content runs along its rows and does not make that step.
bool breaksInScanOrder(const McuBorders& borders);
