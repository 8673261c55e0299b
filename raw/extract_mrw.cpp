#include "jpg_repair.h"
#include "maker_note_chain.h"
#include "replaced_start_preview.h"
#include "tiff_directory.h"

namespace {

constexpr quint16 kMrwPreviewOffsetTag = 0x0088;
constexpr quint16 kMrwPreviewLengthTag = 0x0089;

// The TIFF structure lies somewhere inside the file; its MakerNote directory
// holds the preview's position (relative to the TIFF header, less one) and
// length.
std::optional<PreviewImage> makerNotePreview(RawInput& input)
{
    const qint64 found = input.find(0, {tiff::littleEndianHeader(), tiff::bigEndianHeader()}, StopPolling::Poll);
    if (found < 0)
        return std::nullopt;
    const quint64 header = quint64(found);
    input.setBigEndian(input.bytesAre(header, tiff::bigEndianHeader()));
    const quint64 makerNote = makerNotePosition(input, header);
    if (makerNote == 0)
        return std::nullopt;
    const quint32 count = input.u16(makerNote);
    if (!tiff::countAccepted(count))
        return std::nullopt;
    tiff::PointerRule rule;
    rule.pointer = TagMatch::eitherOrder(kMrwPreviewOffsetTag);
    rule.length = TagMatch::eitherOrder(kMrwPreviewLengthTag);
    rule.walk = tiff::PairWalk::GoOnToCompletePair;
    rule.base = header + 1;
    const PreviewImage image = tiff::findPointerPair(input, makerNote + 2, count, rule);
    if (!image.located())
        return std::nullopt;
    return image;
}

} // namespace

// MRW: one preview in the MakerNote, stored without the FF of its start; the
// output keeps the whole input file name.
void jpg_repair::ExtractMRW(QString path)
{
    RawInput input;
    if (!input.open(path))
        return;
    PreviewWriter writer(path, PreviewWriter::BaseName::WholeFileName);
    const BytePatterns fallback = {bytesOf({0xD8, 0xFF, 0xDB}), bytesOf({0xD8, 0xFF, 0xC4})};
    writeReplacedStartPreview(input, writer, makerNotePreview(input), fallback, 0);
}
