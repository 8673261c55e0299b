#pragma once

#include <QtGlobal>

// Front object of the Huffman table library. Holds nothing; a caller builds
// one around each lookup and reads the answer from the Huffman exchange
// fields of g_state.
class Hoffmann {
public:
    Hoffmann();
    virtual ~Hoffmann();

    // Looks a possibly damaged DHT segment up in the catalogue by its length
    // field and leading bytes (dhtSegment starts at the marker and holds at
    // least min(29, length + 2) bytes). A hit is copied into
    // g_state.dhtReplacement and its size put into g_state.dhtReplacementSize;
    // a miss sets the size to 0 and leaves the buffer as it was.
    void MatchKnownTable(const quint8* dhtSegment, unsigned length);

    // Looks a DHT segment that MatchKnownTable did not find up table by
    // table (dhtSegment holds all `size` bytes of it, from the marker on).
    // Each table usable as read stays as it is; a damaged one is recognised
    // as a catalogue table with the same class and counts, or, when its
    // counts are damaged, with the same code values, and that table takes its
    // place. When every table is accounted for and they fill the segment
    // exactly, the result (as long as the segment) is put into
    // g_state.dhtReplacement and its size into g_state.dhtReplacementSize;
    // otherwise the size is 0 and the buffer is left as it was.
    void MatchTableByTable(const quint8* dhtSegment, int size);

    // Looks up a DHT segment that neither lookup above found, when it is as
    // long as the four typical tables of ITU-T T.81 Annex K.3 in one segment
    // (`size` bytes from the marker on): when three in four of its code
    // values stand where one of the catalogue's layouts of them has its
    // values, that layout, class bytes and counts included, is put into
    // g_state.dhtReplacement and its size into g_state.dhtReplacementSize;
    // otherwise the size is 0 and the buffer is left as it was.
    void MatchStandardLayout(const quint8* dhtSegment, int size);
};
