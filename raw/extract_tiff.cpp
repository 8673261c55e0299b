#include "jpg_repair.h"
#include "preview_extraction.h"
#include "tiff_directory.h"

// TIFF: the JPEG thumbnail of a Photoshop image resource block.

namespace {

constexpr quint16 kPhotoshopTag = 0x8649;
// The thumbnail's JPEG data follows the 12-byte resource header and the
// 28-byte thumbnail header.
constexpr quint64 kThumbnailDataOffset = 40;

// Where the resource search starts: the value of the first ExifIFD or
// Photoshop entry of the first directory, else 0.
quint32 resourceSearchStart(RawInput& input)
{
    const quint32 directory = input.u32(4);
    const quint32 count = input.u16(directory);
    if (!tiff::countAccepted(count))
        return 0;
    const TagMatch exif = TagMatch::eitherOrder(tiff::kExifTag);
    const TagMatch photoshop = TagMatch::eitherOrder(kPhotoshopTag);
    for (quint64 index = 0; index < count && !extractionStopped(); ++index) {
        const quint64 entry = tiff::entryPos(directory, index);
        if (exif.matchesEntry(input, entry) || photoshop.matchesEntry(input, entry))
            return input.u32(tiff::valuePos(entry));
    }
    return 0;
}

// The thumbnail from the first "8BIM" 0x0409 or 0x040C resource at or after
// from; it reaches to the last FF D9 of the file.
PreviewImage photoshopThumbnail(RawInput& input, quint64 from)
{
    static const BytePatterns resources = {
        QByteArray("8BIM") + bytesOf({0x04, 0x09}),
        QByteArray("8BIM") + bytesOf({0x04, 0x0C}),
    };
    if (!input.holds(from))
        return PreviewImage();
    const qint64 resource = input.find(from, resources, StopPolling::Poll);
    if (resource < 0)
        return PreviewImage();
    const quint64 start = quint64(resource) + kThumbnailDataOffset;
    if (!input.startsImage(start) || !input.holds(start))
        return PreviewImage();
    PreviewImage thumbnail{quint32(start), 0};
    for (qint64 end = input.findEndMarker(start, StopPolling::Poll); end >= 0;
         end = input.findEndMarker(quint64(end) + 1, StopPolling::Poll))
        thumbnail = imageUpTo(start, quint64(end));
    return thumbnail;
}

} // namespace

void jpg_repair::ExtractTIFF(QString path)
{
    RawInput input;
    if (!input.open(path))
        return;
    PreviewWriter writer(path);

    // A header of neither form is read as little-endian.
    input.setBigEndian(input.bytesAre(0, bytesOf({0x4D, 0x4D, 0x00, 0x2A})));
    const PreviewImage thumbnail = photoshopThumbnail(input, resourceSearchStart(input));

    MarkerScan fallback;
    fallback.starts = quantizationOrHuffmanStarts();
    fallback.endNeedsRoom = false;
    fallback.endSearch = StopPolling::Poll;
    writeLocatedOrScanFirst(input, writer, {thumbnail}, fallback);
}
