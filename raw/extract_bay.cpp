#include "jpg_repair.h"
#include "preview_extraction.h"
#include "tiff_directory.h"

// BAY: a TIFF structure that may start anywhere in the file; its second
// directory points at the JPEG, relative to the header's position.
void jpg_repair::ExtractBAY(QString path)
{
    RawInput input;
    if (!input.open(path))
        return;
    PreviewWriter writer(path);
    PreviewImages located(1);

    const qint64 header = input.find(0, {tiff::littleEndianHeader(), tiff::bigEndianHeader()}, StopPolling::Poll);
    if (header >= 0) {
        const quint64 h = quint64(header);
        m_bigEndian = input.bytesAre(h, tiff::bigEndianHeader()) ? 1 : 0;
        input.setBigEndian(m_bigEndian == 1);
        const quint32 firstCount = input.u16(h + 8);
        const quint32 next = input.holds(h + tiff::kEntrySize * firstCount + 14)
            ? input.u32(tiff::nextDirectoryFieldPos(h + 8, firstCount)) : 0;
        const quint64 second = h + next;
        const quint32 secondCount = input.holds(second + 4) ? input.u16(second) : 0;
        if (tiff::countAccepted(secondCount)) {
            tiff::PointerRule rule;
            rule.pointer = TagMatch::eitherOrder(tiff::kJpegOffsetTag);
            rule.length = TagMatch::bigEndian(tiff::kJpegLengthTag);
            rule.base = h;
            rule.lengthNeedsRoom = true;
            located[0] = tiff::findPointerPair(input, second + 2, secondCount, rule);
        }
    }
    MarkerScan fallback;
    fallback.starts = quantizationOrHuffmanStarts();
    writeLocatedOrScanFirst(input, writer, located, fallback);
}
