#pragma once

#include "block_edges.h"

// Whether a decoded picture is broken: noise in every block that has detail
// (garbled entropy-coded data), or, once the decoder has reported damage,
// a border between two rows or columns of blocks far stronger than all the
// others (the picture shifted or changed in level after a damaged stretch,
// a lost stretch left flat inside the picture).
bool looksNoisy(const BlockEdges& edges);
bool hasSeam(const BorderProfile& profile);
