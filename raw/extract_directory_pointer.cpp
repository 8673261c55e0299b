#include "jpg_repair.h"
#include "preview_extraction.h"
#include "tiff_directory.h"

// NRW, SR2 and SRF: little-endian TIFFs whose previews are found only through
// the JPEG pointer entries of their directories.

namespace {

constexpr quint16 kSubIfdsTag = 0x014A;

tiff::PointerRule completePairRule()
{
    tiff::PointerRule rule;
    rule.walk = tiff::PairWalk::GoOnToCompletePair;
    return rule;
}

// The pair of the directory at directory when its count is accepted.
PreviewImage directoryPair(RawInput& input, quint64 directory, const tiff::PointerRule& rule)
{
    const quint32 count = input.u16(directory);
    if (!tiff::countAccepted(count))
        return PreviewImage();
    return tiff::findPointerPair(input, directory + 2, count, rule);
}

// A JPEG start whose first segment is followed by a further table segment:
// FF D8, then FF DB, FF C4 or FF DA, then FF DB or FF C4 after that segment.
bool nrwSegmentTest(RawInput& input, quint64 start)
{
    const quint16 following = input.wordAt(start + 4 + input.be16(start + 4));
    return following == 0xFFDB || following == 0xFFC4;
}

MarkerScan nrwFallback()
{
    MarkerScan scan;
    scan.starts = quantizationOrHuffmanStarts();
    scan.starts.append(bytesOf({0xFF, 0xD8, 0xFF, 0xDA}));
    scan.startTest = nrwSegmentTest;
    scan.startNeedsRoom = 8;
    scan.endSearch = StopPolling::Poll;
    return scan;
}

} // namespace

// NRW: "_1" from the first directory after its SubIFDs entry, "_2" from the
// first sub-directory.
void jpg_repair::ExtractNRW(QString path)
{
    RawInput input;
    if (!input.open(path))
        return;
    PreviewWriter writer(path);
    PreviewImages located(2);

    const quint32 count = input.bytesAre(0, tiff::littleEndianHeader()) ? input.u16(8) : 0;
    if (tiff::countAccepted(count)) {
        const qint64 subIfds = tiff::findEntry(input, 10, count, TagMatch::littleEndian(kSubIfdsTag));
        if (subIfds >= 0) {
            const quint64 after = quint64(subIfds) + tiff::kEntrySize;
            const quint32 remaining = quint32(tiff::entryPos(8, count) - after) / tiff::kEntrySize;
            located[0] = tiff::findPointerPair(input, after, remaining, tiff::PointerRule());
            const quint32 list = input.u32(tiff::valuePos(quint64(subIfds)));
            if (list != 0)
                located[1] = directoryPair(input, input.u32(list), completePairRule());
        }
    }
    writeLocatedOrScanTwo(input, writer, located, nrwFallback());
}

// SR2: "_1" from the first directory, "_2" from the second.
void jpg_repair::ExtractSR2(QString path)
{
    RawInput input;
    if (!input.open(path))
        return;
    PreviewWriter writer(path);
    PreviewImages located(2);

    if (input.bytesAre(0, bytesOf({0x49, 0x49, 0x2A, 0x00}))) {
        const quint32 count = input.u16(8);
        if (tiff::countAccepted(count))
            located[0] = tiff::findPointerPair(input, 10, count, completePairRule());
        const bool nextFieldUsable = count != 0 && input.holds(count);
        const quint32 second = input.u32(nextFieldUsable ? tiff::nextDirectoryFieldPos(8, count) : 8);
        if (second != 0)
            located[1] = directoryPair(input, second, completePairRule());
    }
    MarkerScan fallback;
    fallback.starts = quantizationOrHuffmanStarts();
    fallback.endSearch = StopPolling::Poll;
    writeLocatedOrScanTwo(input, writer, located, fallback);
}

// SRF: one preview, from the second directory only.
void jpg_repair::ExtractSRF(QString path)
{
    RawInput input;
    if (!input.open(path))
        return;
    PreviewWriter writer(path);
    PreviewImages located(1);

    if (input.bytesAre(0, tiff::littleEndianHeader())) {
        const quint32 second = input.u32(tiff::nextDirectoryFieldPos(8, input.u16(8)));
        if (second != 0)
            located[0] = directoryPair(input, second, completePairRule());
    }
    MarkerScan fallback;
    fallback.starts = quantizationOrHuffmanStarts();
    fallback.endSearch = StopPolling::Poll;
    fallback.endNeedsRoom = false;
    writeLocatedOrScanFirst(input, writer, located, fallback);
}
