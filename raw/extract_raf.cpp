#include "embedded_tiff_header.h"
#include "jpg_repair.h"
#include "preview_extraction.h"
#include "tiff_directory.h"

// RAF: the JPEG that the file's header record points at ("_1") and the
// thumbnail of the embedded Exif block ("_2").

namespace {

// The record's big-endian JPEG position (absolute) and length, at +84 and
// +88 of the first occurrence of its 8-byte signature in the file.
PreviewImage recordImage(RawInput& input)
{
    static const BytePatterns signature = {bytesOf({0x46, 0x55, 0x4A, 0x49, 0x46, 0x49, 0x4C, 0x4D})};
    const qint64 record = input.find(0, signature, StopPolling::Poll);
    if (record < 0 || !input.holds(quint64(record) + 92))
        return PreviewImage();
    return PreviewImage{input.be32(quint64(record) + 84), input.be32(quint64(record) + 88)};
}

PreviewImage exifThumbnail(RawInput& input)
{
    const EmbeddedTiffHeader header = findEmbeddedTiffHeader(input);
    if (!input.holds(header.position + 4))
        return PreviewImage();
    const quint64 count = input.u16(header.position + 8);
    const quint64 firstDirectorySize = count != 0 && input.holds(count) ? tiff::kEntrySize * count + 2 : 0;
    const quint64 nextField = header.base + firstDirectorySize + 8;
    const quint32 relative = input.holds(nextField + 4) ? input.u32(nextField) : 0;
    const quint64 second = header.base + relative;
    return embeddedDirectoryThumbnail(input, header, second, embeddedDirectoryCount(input, second));
}

} // namespace

void jpg_repair::ExtractRAF(QString path)
{
    RawInput input;
    if (!input.open(path))
        return;
    PreviewWriter writer(path);
    const PreviewImage thumbnail = exifThumbnail(input);
    const PreviewImage record = recordImage(input);

    MarkerScan fallback;
    fallback.starts = quantizationOrHuffmanStarts();
    writeLocatedOrScanTwo(input, writer, {record, thumbnail}, fallback);
}
