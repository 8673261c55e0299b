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
};
