#pragma once

#include <QtGlobal>

#include <functional>
#include <initializer_list>

class FileWindow;

// Outcome of a forward search for 4-byte words in a file.
struct WordScanHit {
    enum Status { Found, NotFound, Stopped };
    Status status = NotFound;
    quint32 pos = 0; // position of the word when found
    quint32 word = 0; // the word found, big-endian as it stands in the file
    bool found() const { return status == Found; }
};

// Finds the first position p, from `from` while p < limit, whose four bytes
// (zeros past the end of the file) equal one of `words`, each taken as the
// big-endian value of the bytes as they stand in the file. With pollStop, a
// stop request of the repair state ends the search.
WordScanHit scanForWords(FileWindow& file, quint32 from, quint32 limit,
                         std::initializer_list<quint32> words, bool pollStop);

// Like scanForWords, but calls onMatch(pos, word) for every match in file
// order until it returns false. Returns Found when onMatch ended the search.
WordScanHit::Status scanEachWord(FileWindow& file, quint32 from, quint32 limit,
                                 std::initializer_list<quint32> words, bool pollStop,
                                 const std::function<bool(quint32 pos, quint32 word)>& onMatch);

// A box type or slice start word as its big-endian value.
constexpr quint32 fourCC(const char (&tag)[5])
{
    return quint32(quint8(tag[0])) << 24 | quint32(quint8(tag[1])) << 16
        | quint32(quint8(tag[2])) << 8 | quint32(quint8(tag[3]));
}
