#include "jpg_repair.h"
#include "preview_extraction.h"
#include "tiff_directory.h"

// ARW: a little-endian TIFF whose first directory points at one JPEG and
// whose second directory points at another.
void jpg_repair::ExtractARW(QString path)
{
    RawInput input;
    if (!input.open(path))
        return;
    PreviewWriter writer(path);
    PreviewImages located(2);

    if (input.bytesAre(0, tiff::littleEndianHeader())) {
        const quint32 firstCount = input.u16(8);
        if (tiff::countAccepted(firstCount)) {
            tiff::PointerRule rule;
            rule.lengthNeedsRoom = true;
            located[0] = tiff::findPointerPair(input, 10, firstCount, rule);
        }
        if (firstCount != 0 && input.holds(tiff::kEntrySize * firstCount + 6)) {
            const quint32 second = input.u32(tiff::nextDirectoryFieldPos(8, firstCount));
            const quint32 secondCount = second != 0 ? input.u16(second) : 0;
            if (tiff::countAccepted(secondCount)) {
                tiff::PointerRule rule;
                rule.walk = tiff::PairWalk::GoOnToCompletePair;
                located[1] = tiff::findPointerPair(input, quint64(second) + 2, secondCount, rule);
            }
        }
    }
    MarkerScan fallback;
    fallback.starts = quantizationOrHuffmanStarts();
    writeLocatedOrScanTwo(input, writer, located, fallback);
}
