#pragma once

#include "bounded_decoder.h"

// Judgements of a decoded picture: whether what the decoder made of its
// data shows damage.

// Noise: garbled entropy-coded data gives every block a random level, so
// neighbouring blocks of the eighth-size picture differ far more than in
// any photo.
bool looksNoisy(const EighthPicture& picture);

// Saturated: many of the picture's blocks lie at an end of the range in a
// channel, as a bright sky, a black band or levels pushed past the range
// by damage leave them.
bool looksSaturated(const EighthPicture& picture);

// Too few rows or columns of MCUs for breaksInScanOrder to tell a break
// from the picture's content.
bool tooSmallToJudge(const McuBorders& borders);

// A break in the data's order: from some MCU on, everything the data gives
// is shifted or changed in level (a damaged stretch puts the decoder out of
// step, and every DC value after it carries the error). The MCUs are coded
// row by row, so such a remainder starts inside a row: the borders above
// its first row's MCUs (right of the break) and above the next row's MCUs
// left of it stand out against the borders above and below them, with
// jumps of a like size, or line up with the picture above them once
// displaced by whole MCUs, while the borders beside them, with both their
// MCUs on one side of the break, keep the picture's own texture; the
// damaged stretch may garble a few MCUs right after the break. A remainder
// that starts with a row moves that row's borders by one level, each
// keeping the picture's variation around it. An edge of the picture's
// content runs along its rows and does not make these steps. Data decoded
// out of step by a whole MCU leaves more or fewer MCUs than the frame has,
// which the decoder reports, so a displacement is looked for only with
// damage reported, where the borders measure it.
// With restart intervals (`restartInterval` MCUs each; 0 for none) the
// decoder starts afresh at each interval, so a damaged stretch changes the
// MCUs from the damage to its interval's end only: within one row of MCUs,
// the borders above and below those MCUs stand out with like jumps, while
// the borders of the MCUs before them in the row, and after the interval's
// end, keep the picture's own texture.
bool breaksInScanOrder(const McuBorders& borders, bool damageReported, int restartInterval);

// MCUs made up by the decoder: a damaged stretch that it decoded into more
// MCUs than were coded there moves everything after it on by those MCUs, so
// that from the next row on each row begins with the last MCUs of the row
// above, and the border after them stands out in every row down to the
// picture's end. Only damage the decoder reported is judged so (an edge of
// the content can run down the picture that way too), where the borders
// measure it.
bool seamFromMadeUpMcus(const McuBorders& borders);
