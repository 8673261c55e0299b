#pragma once

#include "preview_image.h"
#include "raw_input.h"

#include <QtGlobal>

// A tag as it may stand in a file: the two bytes of each accepted form,
// compared as they lie in the file, so a walk can accept a tag in either
// byte order or in one fixed order.
class TagMatch {
public:
    static TagMatch littleEndian(quint16 tag);
    static TagMatch bigEndian(quint16 tag);
    static TagMatch eitherOrder(quint16 tag);

    bool matches(quint16 storedBytes) const
    {
        return storedBytes == m_first || storedBytes == m_second;
    }
    bool matchesEntry(RawInput& input, quint64 entryPos) const
    {
        return matches(input.wordAt(entryPos));
    }

private:
    TagMatch(quint16 first, quint16 second) : m_first(first), m_second(second) {}
    quint16 m_first;
    quint16 m_second;
};

// TIFF image file directory layout: a 16-bit count, 12-byte entries, then
// the next directory's position.
namespace tiff {

constexpr quint64 kEntrySize = 12;
constexpr quint32 kFewestEntries = 1;
constexpr quint32 kMostEntries = 76;

constexpr quint16 kJpegOffsetTag = 0x0201;
constexpr quint16 kJpegLengthTag = 0x0202;
constexpr quint16 kExifTag = 0x8769;
constexpr quint16 kMakerNoteTag = 0x927C;

// The eight header bytes of a TIFF whose first directory lies at 8.
QByteArray littleEndianHeader();
QByteArray bigEndianHeader();

inline bool countAccepted(quint32 count)
{
    return count >= kFewestEntries && count <= kMostEntries;
}
inline quint64 entryPos(quint64 directory, quint64 index)
{
    return directory + 2 + kEntrySize * index;
}
inline quint64 valuePos(quint64 entry) { return entry + 8; }
inline quint64 countFieldPos(quint64 entry) { return entry + 4; }
// Where the next-directory position of a directory with count entries lies.
inline quint64 nextDirectoryFieldPos(quint64 directory, quint32 count)
{
    return directory + 2 + kEntrySize * count;
}

// Whether a walk stops at the first pointer entry or passes over a pointer
// without its length entry and looks for a later complete pair.
enum class PairWalk { EndAtFirstPointer, GoOnToCompletePair };

// How a directory's pointer-and-length pair is looked for.
struct PointerRule {
    TagMatch pointer = TagMatch::littleEndian(kJpegOffsetTag);
    TagMatch length = TagMatch::littleEndian(kJpegLengthTag);
    PairWalk walk = PairWalk::EndAtFirstPointer;
    // Added to the pointer's value (formats with relative offsets).
    quint64 base = 0;
    // The offset is read only when the pointer entry's position + 20 lies
    // inside the file, the length only when its position + 24 does.
    bool offsetNeedsRoom = false;
    bool lengthNeedsRoom = false;
};

// Walks count entries from entriesPos (stop polled before each entry) and
// returns the pair of the pointer-and-length rule. The count is taken as
// given; callers check it against their bounds first.
PreviewImage findPointerPair(RawInput& input, quint64 entriesPos, quint32 count, const PointerRule& rule);

// Position of the first of count entries from entriesPos whose tag matches,
// or -1 (stop polled before each entry).
qint64 findEntry(RawInput& input, quint64 entriesPos, quint32 count, const TagMatch& tag);

// The value of the first matching entry of the directory at directory, or 0
// when the directory's count is out of bounds or no entry matches.
quint32 entryValue(RawInput& input, quint64 directory, const TagMatch& tag);

} // namespace tiff
