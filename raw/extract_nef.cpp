#include "jpg_repair.h"
#include "maker_note_chain.h"
#include "preview_extraction.h"
#include "tiff_directory.h"

namespace {

// The MakerNote's preview, reached through its embedded TIFF header ten
// bytes after the "Nikon" signature.
PreviewImage makerNotePreview(RawInput& input)
{
    const quint64 makerNote = makerNotePosition(input, 0);
    if (makerNote == 0 || !input.bytesAre(makerNote, QByteArray("Nikon", 5)))
        return {};
    return embeddedPreview(input, makerNote + 10, tiff::PairWalk::GoOnToCompletePair);
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
    const PreviewImage following = jpegAfter(input, preview, bytesOf({0xFF, 0xD8, 0xFF, 0xDB}));
    MarkerScan fallback;
    fallback.starts = quantizationOrHuffmanStarts();
    writeLocatedOrScanTwo(input, writer, {following, preview}, fallback);
}
