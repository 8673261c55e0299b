#include "maker_note_chain.h"

#include "marker_scan.h"

quint64 makerNotePosition(RawInput& input, quint64 header)
{
    const quint32 exif = tiff::entryValue(input, header + 8, TagMatch::eitherOrder(tiff::kExifTag));
    if (exif == 0)
        return 0;
    const quint32 makerNote = tiff::entryValue(input, header + exif, TagMatch::eitherOrder(tiff::kMakerNoteTag));
    return makerNote == 0 ? 0 : header + makerNote;
}

PreviewImage embeddedPreview(RawInput& input, quint64 header, tiff::PairWalk walk)
{
    constexpr quint16 kPreviewDirectoryTag = 0x0011;
    const quint32 relative = tiff::entryValue(input, header + 8, TagMatch::eitherOrder(kPreviewDirectoryTag));
    if (relative == 0)
        return {};
    const quint64 directory = header + relative;
    const quint32 count = input.u16(directory);
    if (!tiff::countAccepted(count))
        return {};
    tiff::PointerRule rule;
    rule.pointer = TagMatch::eitherOrder(tiff::kJpegOffsetTag);
    rule.length = TagMatch::bigEndian(tiff::kJpegLengthTag);
    rule.walk = walk;
    rule.base = header;
    rule.lengthNeedsRoom = true;
    return tiff::findPointerPair(input, directory + 2, count, rule);
}

PreviewImage jpegAfter(RawInput& input, const PreviewImage& image, const QByteArray& start)
{
    const quint64 end = quint64(image.offset) + image.length;
    if (end == 0 || !input.holds(end))
        return {};
    return firstJpegFrom(input, end, {start}, StopPolling::Poll);
}
