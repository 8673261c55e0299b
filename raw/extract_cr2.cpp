#include "jpg_repair.h"
#include "preview_extraction.h"
#include "tiff_directory.h"

namespace {

// Entry counts from this one on are not walked in the second directory.
constexpr quint32 kCr2WalkedEntries = 55;

bool hasCr2Signature(RawInput& input)
{
    return input.bytesAre(0, bytesOf({0x49, 0x49, 0x2A, 0x00})) && input.bytesAre(8, bytesOf({0x43, 0x52, 0x02, 0x00}));
}

// The first StripOffsets tag bytes anywhere in the file give the strip's
// offset; the first StripByteCounts tag bytes after that give its length.
PreviewImage stripImage(RawInput& input)
{
    PreviewImage image;
    const qint64 offsets = input.find(0, {bytesOf({0x11, 0x01})}, StopPolling::Poll);
    if (offsets < 0)
        return image;
    const quint64 entry = quint64(offsets);
    image.offset = input.holds(entry + 20) ? input.u32(tiff::valuePos(entry)) : 0;
    const qint64 counts = input.find(entry + 12, {bytesOf({0x17, 0x01})}, StopPolling::Ignore);
    if (counts >= 0)
        image.length = input.u32(tiff::valuePos(quint64(counts)));
    return image;
}

// Without a usable structure: the file's first JPEG is image 2 and the next
// one after it image 1.
PreviewImages pairScan(RawInput& input)
{
    PreviewImages images(2);
    const BytePatterns starts = quantizationOrHuffmanStarts();
    const qint64 first = input.find(0, starts, StopPolling::Poll);
    if (first < 0)
        return images;
    images[1] = jpegAt(input, quint64(first), StopPolling::Poll);
    const quint64 resume = quint64(images[1].offset) + images[1].length;
    if (resume == 0 || !input.holds(resume))
        return images;
    const qint64 second = input.find(resume, starts, StopPolling::Poll);
    if (second >= 0)
        images[0] = jpegAt(input, quint64(second), StopPolling::Poll);
    return images;
}

// The CR2 directories: image 1 is the first strip, image 2 the second
// directory's JPEG pointer. Empty when the second directory has no entries.
bool directoryImages(RawInput& input, PreviewImages& images)
{
    const quint32 firstCount = input.u16(16);
    const quint64 nextField = 18 + tiff::kEntrySize * firstCount;
    const quint32 second = input.holds(nextField + 4) ? input.u32(nextField) : 0;
    const quint32 secondCount = input.holds(quint64(second) + 4) ? input.u16(second) : 0;
    if (secondCount == 0)
        return false;
    images.assign(2, PreviewImage());
    if (secondCount < kCr2WalkedEntries) {
        tiff::PointerRule rule;
        rule.walk = tiff::PairWalk::GoOnToCompletePair;
        rule.offsetNeedsRoom = true;
        images[1] = tiff::findPointerPair(input, quint64(second) + 2, secondCount, rule);
    }
    images[0] = stripImage(input);
    return true;
}

} // namespace

// CR2: "_1" is the large preview of the first strip, "_2" the thumbnail of
// the second directory.
void jpg_repair::ExtractCR2(QString path)
{
    RawInput input;
    if (!input.open(path))
        return;
    PreviewWriter writer(path);
    PreviewImages located;
    if (!hasCr2Signature(input) || !directoryImages(input, located))
        located = pairScan(input);
    MarkerScan fallback;
    fallback.starts = quantizationOrHuffmanStarts();
    writeLocatedOrScanTwo(input, writer, located, fallback);
}
