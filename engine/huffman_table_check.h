#pragma once

#include <QtGlobal>

// Whether one Huffman table is one an encoder can have written: its 16 code
// counts fit the code space (the all-ones code of every length stays free)
// and its symbols are distinct and legal for its class (DC: sizes 0 to 11;
// AC: a size of 0 to 10 in the low nibble).
bool isUsableHuffmanTable(const quint8* counts, const quint8* symbols, int symbolCount,
                          bool dcClass);

// Whether every table of a DHT segment (its bytes from the marker FF C4 on,
// `size` of them) is usable, none defines a class and destination an
// earlier one defined, and the tables fill the segment exactly.
bool isUsableDhtSegment(const quint8* segment, qint64 size);
