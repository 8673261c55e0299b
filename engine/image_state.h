#pragma once

// Clears the per-image state that must not carry over from one image of a
// file to the next (main image, thumbnails, the images of a multi-image
// file): frees the stray-marker list, so a rewrite neutralises only the
// stray markers of the image rescanned last, and returns the table exchange
// with the quantization and Huffman libraries to its starting values
// (counts, index, fill flags, signature rows, last Huffman answer). The
// segment lists are left alone.
void resetForNextImage();
