#include "jpg_repair.h"
#include "maker_note_chain.h"
#include "replaced_start_preview.h"
#include "tiff_directory.h"

namespace {

constexpr quint16 kErfPreviewTag = 0x0280;

// The MakerNote (after its eight-byte "EPSON" header) holds the preview's
// length in the count field and its position, less one, in the value.
std::optional<PreviewImage> makerNotePreview(RawInput& input)
{
    const quint64 makerNote = makerNotePosition(input, 0);
    if (makerNote == 0 || !input.bytesAre(makerNote, bytesOf({0x45, 0x50, 0x53, 0x4F, 0x4E, 0x00, 0x01, 0x00})))
        return std::nullopt;
    const quint64 directory = makerNote + 8;
    const quint32 count = input.u16(directory);
    if (!tiff::countAccepted(count))
        return std::nullopt;
    const qint64 entry = tiff::findEntry(input, directory + 2, count, TagMatch::eitherOrder(kErfPreviewTag));
    if (entry < 0)
        return std::nullopt;
    const quint64 pos = quint64(entry);
    return PreviewImage{quint32(input.u32(tiff::valuePos(pos)) + 1), input.u32(tiff::countFieldPos(pos))};
}

} // namespace

// ERF: one preview in the MakerNote, stored without the FF of its start.
void jpg_repair::ExtractERF(QString path)
{
    RawInput input;
    if (!input.open(path))
        return;
    PreviewWriter writer(path);
    input.setBigEndian(input.bytesAre(0, tiff::bigEndianHeader()));
    const BytePatterns fallback = {bytesOf({0xEE, 0xD8, 0xFF, 0xDB}), bytesOf({0xEE, 0xD8, 0xFF, 0xC4})};
    writeReplacedStartPreview(input, writer, makerNotePreview(input), fallback, 1);
}
