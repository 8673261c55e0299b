#pragma once

#include "word_scan.h"

#include <QtGlobal>

#include <cstdio>
#include <functional>

class FileWindow;
class jpg_repair;

// First four bytes of an HEVC IDR slice NAL unit (2-byte NAL unit header and
// the first two bytes of the slice segment header) as counted by the repair.
constexpr quint32 kSliceStartWords[] = {
    0x2801AF84, 0x2801AF80, 0x2801AEE0, 0x2601AFB0, 0x2601AFE0,
};

bool isSliceStartWord(quint32 word);

// Reads a 32-bit value at pos, big-endian when bigEndian is 1, else
// little-endian.
quint32 readLength(FileWindow& file, quint64 pos, char bigEndian);

// Result of the search for the first IDR slice.
struct FirstSlice {
    bool found = false;
    bool stopped = false;
    quint32 prefixPos = 0; // position of its 4-byte length prefix
};

// Finds the first IDR slice of a file of `size` bytes by its start word. A
// match with no room for a length prefix before it counts as none.
FirstSlice findFirstSlice(FileWindow& file, quint32 size, bool pollStop);

// Follows the chain of length-prefixed units from the one at firstPrefix and
// calls onSlice(prefixPos, length) for every unit whose start word is an IDR
// slice word; onSlice returns false to end the walk. The position only moves
// forward and a step past 2^32 - 1 ends the walk, so damaged lengths cannot
// make it loop. Returns false when a stop request ended it.
bool walkUnitChain(FileWindow& file, quint32 firstPrefix, quint32 size, char bigEndian,
                   bool pollStop, quint32* lastPos,
                   const std::function<bool(quint32 prefixPos, quint32 length)>& onSlice);

// The slice walk of a HEIC file: counts its IDR slices into g_heicSliceCount
// and records their sizes (length + 4) in repair.m_nalSizes. Returns false
// when a stop request ended it.
bool countHevcSlices(jpg_repair& repair, FILE* file);

// True when the first `slices` IDR slices of the chain lie one after another
// from the first, each ending inside the file: then extents that follow one
// another from the first slice land on every one of them.
bool hevcSlicesAreContiguous(FILE* file, int slices, char bigEndian);
