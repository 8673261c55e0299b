#pragma once

#include <QtGlobal>

#include <vector>

// One Huffman table of a catalogue segment: where its header and values stand
// in the entry's bytes.
struct CatalogueTable {
    quint8 classAndId;    // class in the high nibble (0 = DC, 1 = AC), identifier in the low
    const quint8* counts; // its 16 code counts
    const quint8* values; // its code values, valueCount of them
    int valueCount;

    int tableClass() const { return classAndId >> 4; }
};

// Every table of every catalogue segment, in catalogue order and, within a
// segment, in segment order.
const std::vector<CatalogueTable>& catalogueTables();
