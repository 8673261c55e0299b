#include "tiff_directory.h"

namespace {

quint16 swapped(quint16 value)
{
    return quint16(value << 8 | value >> 8);
}

} // namespace

TagMatch TagMatch::littleEndian(quint16 tag)
{
    return TagMatch(swapped(tag), swapped(tag));
}

TagMatch TagMatch::bigEndian(quint16 tag)
{
    return TagMatch(tag, tag);
}

TagMatch TagMatch::eitherOrder(quint16 tag)
{
    return TagMatch(tag, swapped(tag));
}

namespace tiff {

QByteArray littleEndianHeader()
{
    return bytesOf({0x49, 0x49, 0x2A, 0x00, 0x08, 0x00, 0x00, 0x00});
}

QByteArray bigEndianHeader()
{
    return bytesOf({0x4D, 0x4D, 0x00, 0x2A, 0x00, 0x00, 0x00, 0x08});
}

PreviewImage findPointerPair(RawInput& input, quint64 entriesPos, quint32 count, const PointerRule& rule)
{
    PreviewImage image;
    quint64 index = 0;
    while (index < count && !extractionStopped()) {
        const quint64 entry = entriesPos + kEntrySize * index;
        if (!rule.pointer.matchesEntry(input, entry)) {
            ++index;
            continue;
        }
        const bool offsetReadable = !rule.offsetNeedsRoom || input.holds(entry + 20);
        image.offset = offsetReadable ? quint32(rule.base + input.u32(valuePos(entry))) : 0;
        const quint64 next = entry + kEntrySize;
        const bool complete = rule.length.matchesEntry(input, next);
        if (complete) {
            const bool readable = !rule.lengthNeedsRoom || input.holds(entry + 24);
            image.length = readable ? input.u32(valuePos(next)) : 0;
        }
        if (complete || rule.walk == PairWalk::EndAtFirstPointer)
            break;
        index += 2;
    }
    return image;
}

qint64 findEntry(RawInput& input, quint64 entriesPos, quint32 count, const TagMatch& tag)
{
    for (quint64 index = 0; index < count && !extractionStopped(); ++index) {
        const quint64 entry = entriesPos + kEntrySize * index;
        if (tag.matchesEntry(input, entry))
            return qint64(entry);
    }
    return -1;
}

quint32 entryValue(RawInput& input, quint64 directory, const TagMatch& tag)
{
    const quint32 count = input.u16(directory);
    if (!countAccepted(count))
        return 0;
    const qint64 entry = findEntry(input, directory + 2, count, tag);
    return entry < 0 ? 0 : input.u32(valuePos(quint64(entry)));
}

} // namespace tiff
