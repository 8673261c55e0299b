#include "jpg_repair.h"
#include "maker_note_chain.h"
#include "preview_extraction.h"
#include "tiff_directory.h"

namespace {

constexpr quint16 kPreviewDirectoryTag = 0x0011;

// The MakerNote's preview directory, reached through its embedded TIFF
// header ten bytes after the "Nikon" signature.
PreviewImage makerNotePreview(RawInput& input)
{
    const quint64 makerNote = makerNotePosition(input, 0);
    if (makerNote == 0 || !input.bytesAre(makerNote, QByteArray("Nikon", 5)))
        return {};
    const quint64 base = makerNote + 10;
    const quint32 relative = tiff::entryValue(input, base + 8, TagMatch::eitherOrder(kPreviewDirectoryTag));
    if (relative == 0)
        return {};
    const quint64 directory = base + relative;
    const quint32 count = input.u16(directory);
    if (!tiff::countAccepted(count))
        return {};
    tiff::PointerRule rule;
    rule.pointer = TagMatch::eitherOrder(tiff::kJpegOffsetTag);
    rule.length = TagMatch::bigEndian(tiff::kJpegLengthTag);
    rule.walk = tiff::PairWalk::GoOnToCompletePair;
    rule.base = base;
    rule.lengthNeedsRoom = true;
    return tiff::findPointerPair(input, directory + 2, count, rule);
}

} // namespace

// NEF: "_2" is the MakerNote's preview, "_1" the first JPEG after it.
void jpg_repair::ExtractNEF(QString path)
{
    RawInput input;
    if (!input.open(path))
        return;
    PreviewWriter writer(path);
    input.setBigEndian(input.bytesAre(0, tiff::bigEndianHeader()));
    const PreviewImage preview = makerNotePreview(input);
    const quint64 previewEnd = quint64(preview.offset) + preview.length;
    PreviewImage following;
    if (previewEnd != 0 && input.holds(previewEnd))
        following = firstJpegFrom(input, previewEnd, {bytesOf({0xFF, 0xD8, 0xFF, 0xDB})}, StopPolling::Poll);
    MarkerScan fallback;
    fallback.starts = quantizationOrHuffmanStarts();
    writeLocatedOrScanTwo(input, writer, {following, preview}, fallback);
}
