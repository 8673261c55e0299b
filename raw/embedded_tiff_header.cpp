#include "embedded_tiff_header.h"

#include "tiff_directory.h"

EmbeddedTiffHeader findEmbeddedTiffHeader(RawInput& input)
{
    static const BytePatterns headers = {tiff::littleEndianHeader(), tiff::bigEndianHeader()};
    EmbeddedTiffHeader header;
    header.position = input.size();
    const qint64 found = input.find(0, headers, StopPolling::Poll);
    if (found >= 0) {
        header.position = quint64(found);
        header.base = quint64(found);
    }
    input.setBigEndian(input.bytesAre(header.position, tiff::bigEndianHeader()));
    return header;
}

quint32 embeddedDirectoryCount(RawInput& input, quint64 directory)
{
    return input.holds(directory + 4) ? input.u16(directory) : 0;
}

PreviewImage embeddedDirectoryThumbnail(RawInput& input, const EmbeddedTiffHeader& header,
                                        quint64 directory, quint32 count)
{
    if (!tiff::countAccepted(count))
        return PreviewImage();
    tiff::PointerRule rule;
    rule.pointer = TagMatch::eitherOrder(tiff::kJpegOffsetTag);
    rule.length = TagMatch::eitherOrder(tiff::kJpegLengthTag);
    rule.base = header.base;
    return tiff::findPointerPair(input, directory + 2, count, rule);
}
