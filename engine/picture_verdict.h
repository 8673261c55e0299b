#pragma once

#include "bounded_decoder.h"

// Judgements of a picture decoded at an eighth of its size, where each value
// is one block's mean: neighbouring values differ as the picture's content
// does from block to block.

// Noise: garbled entropy-coded data gives every block a random level, so
// neighbouring blocks differ far more than in any photo.
bool looksNoisy(const EighthPicture& picture);

// A seam: one border between two rows (or columns) of blocks far stronger
// than all the others, as a damaged stretch leaves it: the picture after it
// shifted or changed in level, a lost stretch left flat inside the picture.
// A flat remainder at the picture's end (data that ran out) is no seam.
bool hasSeam(const EighthPicture& picture);

// Lost data: the picture ends in whole rows of blocks at the level a block
// without coefficients decodes to, as the decoder leaves every block after a
// code it cannot read. In an image whose data is all there, that remainder
// is no cut but the damage itself, and what came before it is suspect too.
bool endsInLostData(const EighthPicture& picture);
