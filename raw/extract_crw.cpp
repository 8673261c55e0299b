#include "jpg_repair.h"
#include "preview_extraction.h"
#include "tiff_directory.h"

namespace {

constexpr quint64 kHeapStart = 26;
constexpr quint64 kHeapEntrySize = 10;
constexpr quint16 kJpegRecordTag = 0x2007;

// The JPEG record of the heap's root directory, whose position the last four
// bytes of the file give relative to the heap.
PreviewImage jpegRecord(RawInput& input)
{
    if (!input.bytesAre(0, bytesOf({0x49, 0x49, 0x1A, 0x00})))
        return {};
    const quint32 relative = input.size() >= 4 ? input.le32(input.size() - 4) : 0;
    const quint64 directory = kHeapStart + relative;
    const quint32 count = input.le16(directory);
    if (!tiff::countAccepted(count))
        return {};
    for (quint64 i = 0; i < count && !extractionStopped(); ++i) {
        const quint64 entry = directory + 2 + kHeapEntrySize * i;
        if (input.le16(entry) == kJpegRecordTag)
            return PreviewImage{quint32(input.le32(entry + 6) + kHeapStart), input.le32(entry + 2)};
    }
    return {};
}

} // namespace

// CRW: a heap file whose root directory holds a JPEG record.
void jpg_repair::ExtractCRW(QString path)
{
    RawInput input;
    if (!input.open(path))
        return;
    PreviewWriter writer(path);
    MarkerScan fallback;
    fallback.starts = quantizationOrHuffmanStarts();
    writeLocatedOrScanFirst(input, writer, {jpegRecord(input)}, fallback);
}
