#include "jpg_repair.h"
#include "preview_extraction.h"
#include "tiff_directory.h"

// PEF: the preview that the maker note describes ("_1") and the JPEG of the
// second directory ("_2"), both written with the extension ".jpeg".

namespace {

const QByteArray& makerNoteSignature()
{
    static const QByteArray bytes = bytesOf({0x41, 0x4F, 0x43, 0x00}); // "AOC" and a zero byte
    return bytes;
}

// An entry of tag 3 stored big-endian, whatever the file's byte order.
bool isTagThree(RawInput& input, quint64 entry)
{
    return input.wordAt(entry) == 0x0003;
}

// Tag 3 holds the preview length; the entry after it the preview start.
PreviewImage previewOfTagThree(RawInput& input, quint64 entry)
{
    return PreviewImage{input.u32(entry + 20), input.u32(entry + 8)};
}

// The maker note's preview: its tag-3 entry stands at +32 (and may be
// followed by a second one at +64) or at +44.
PreviewImage makerNotePreview(RawInput& input, quint64 makerNote)
{
    if (!input.bytesAre(makerNote, makerNoteSignature()))
        return PreviewImage();
    if (isTagThree(input, makerNote + 32)) {
        if (isTagThree(input, makerNote + 64))
            return previewOfTagThree(input, makerNote + 64);
        return previewOfTagThree(input, makerNote + 32);
    }
    if (isTagThree(input, makerNote + 44))
        return previewOfTagThree(input, makerNote + 44);
    return PreviewImage();
}

PreviewImage secondDirectoryPair(RawInput& input, quint32 firstCount)
{
    const quint32 second = input.u32(tiff::nextDirectoryFieldPos(8, firstCount));
    const quint32 count = input.holds(quint64(second) + 4) ? input.u16(second) : 0;
    if (!tiff::countAccepted(count))
        return PreviewImage();
    tiff::PointerRule rule;
    rule.pointer = TagMatch::eitherOrder(tiff::kJpegOffsetTag);
    rule.length = TagMatch::eitherOrder(tiff::kJpegLengthTag);
    return tiff::findPointerPair(input, quint64(second) + 2, count, rule);
}

// A JPEG start whose first table segment is followed by a frame header or a
// further quantization table.
bool pefSegmentTest(RawInput& input, quint64 start)
{
    const quint16 following = input.wordAt(start + 4 + input.be16(start + 4));
    return following == 0xFFC0 || following == 0xFFDB;
}

} // namespace

void jpg_repair::ExtractPEF(QString path)
{
    RawInput input;
    if (!input.open(path))
        return;
    PreviewWriter writer(path, PreviewWriter::BaseName::BeforeFirstDot, QStringLiteral(".jpeg"));

    // A header of neither form is read as little-endian.
    input.setBigEndian(input.bytesAre(0, tiff::bigEndianHeader()));
    const quint32 firstCount = input.u16(8);
    const quint32 exif = tiff::entryValue(input, 8, TagMatch::eitherOrder(tiff::kExifTag));
    const quint32 makerNote = exif != 0 ? tiff::entryValue(input, exif, TagMatch::eitherOrder(tiff::kMakerNoteTag)) : 0;
    const PreviewImage preview = makerNotePreview(input, makerNote);
    const PreviewImage pointed = secondDirectoryPair(input, firstCount);

    MarkerScan fallback;
    fallback.starts = quantizationOrHuffmanStarts();
    fallback.startTest = pefSegmentTest;
    fallback.endNeedsRoom = false;
    fallback.endSearch = StopPolling::Poll;
    writeLocatedOrScanTwo(input, writer, {preview, pointed}, fallback);
}
