#include "jpg_repair.h"
#include "maker_note_chain.h"
#include "preview_extraction.h"
#include "tiff_directory.h"

namespace {

constexpr quint16 kDngPrivateDataTag = 0xC634;
constexpr quint16 kStripOffsetsTag = 0x0111;
// How far from the private data the embedded TIFF header is looked for.
constexpr quint64 kEmbeddedHeaderWindow = 50;

// The header forms that choose the route through the file.
enum class DngHeader { LittleEndian, BigEndian, BigEndianAt18, Other };

DngHeader headerForm(RawInput& input)
{
    if (input.bytesAre(0, tiff::littleEndianHeader()))
        return DngHeader::LittleEndian;
    if (input.bytesAre(0, tiff::bigEndianHeader()))
        return DngHeader::BigEndian;
    if (input.bytesAre(0, bytesOf({0x4D, 0x4D, 0x00, 0x2A, 0x00, 0x00, 0x00, 0x12})) || input.startsImage(0))
        return DngHeader::BigEndianAt18;
    return DngHeader::Other;
}

// The value of the first entry of the directory at directory whose tag is
// one of the two matches.
quint32 firstValueOf(RawInput& input, quint64 directory, const TagMatch& one, const TagMatch& other)
{
    const quint32 count = input.u16(directory);
    if (!tiff::countAccepted(count))
        return 0;
    for (quint64 i = 0; i < count && !extractionStopped(); ++i) {
        const quint64 entry = tiff::entryPos(directory, i);
        if (one.matchesEntry(input, entry) || other.matchesEntry(input, entry))
            return input.u32(tiff::valuePos(entry));
    }
    return 0;
}

// The MakerNote preview inside the private data: an embedded TIFF header
// near its start, whose first directory's 0x0011 entry leads to the preview
// directory. "_1" is the Adobe-marked JPEG after the preview, "_2" the preview.
PreviewImages privateDataImages(RawInput& input)
{
    input.setBigEndian(true);
    const quint32 privateData = tiff::entryValue(input, 8, TagMatch::eitherOrder(kDngPrivateDataTag));
    const qint64 found = input.find(privateData, quint64(privateData) + kEmbeddedHeaderWindow,
                                    {tiff::littleEndianHeader(), tiff::bigEndianHeader()}, StopPolling::Poll);
    if (found < 0)
        return {};
    const quint64 header = quint64(found);
    input.setBigEndian(input.bytesAre(header, tiff::bigEndianHeader()));
    const PreviewImage preview = embeddedPreview(input, header, tiff::PairWalk::EndAtFirstPointer);
    return {jpegAfter(input, preview, bytesOf({0xFF, 0xD8, 0xFF, 0xEE})), preview};
}

// Image 2 directly follows image 1 when it begins FF D8 FF E0.
PreviewImage followerAt(RawInput& input, quint64 start)
{
    if (!input.holds(start) || !input.bytesAre(start, bytesOf({0xFF, 0xD8, 0xFF, 0xE0})))
        return {};
    return jpegAt(input, start, StopPolling::Ignore);
}

// The JPEG that the first directory at 18 points at (private data or strip
// offsets), else the first JFIF or table-first JPEG of the file; then the
// JFIF JPEG right after it.
PreviewImages directoryAt18Images(RawInput& input)
{
    input.setBigEndian(true);
    const quint32 pointed = firstValueOf(input, 18, TagMatch::eitherOrder(kDngPrivateDataTag),
                                         TagMatch::bigEndian(kStripOffsetsTag));
    if (pointed != 0 && input.holds(pointed) && input.startsImage(pointed)) {
        const bool jfif = input.wordAt(quint64(pointed) + 2) == 0xFFE0;
        const quint64 endFrom = jfif ? quint64(pointed) + 4 : pointed;
        const qint64 marker = input.findEndMarker(endFrom, StopPolling::Ignore);
        if (marker >= 0) {
            const PreviewImage first = imageUpTo(pointed, quint64(marker));
            return {first, followerAt(input, quint64(marker) + 2)};
        }
    }
    const qint64 start = input.find(0, {bytesOf({0xFF, 0xD8, 0xFF, 0xE0}), bytesOf({0xFF, 0xD8, 0xFF, 0xDB})},
                                    StopPolling::Poll);
    if (start < 0)
        return {};
    const PreviewImage first = jpegAt(input, quint64(start), StopPolling::Ignore);
    if (first.length == 0)
        return {first, PreviewImage()};
    return {first, followerAt(input, quint64(first.offset) + first.length)};
}

// The first Adobe-marked JPEG of the file.
PreviewImages littleEndianImages(RawInput& input)
{
    return {firstJpegFrom(input, 0, {bytesOf({0xFF, 0xD8, 0xFF, 0xEE})}, StopPolling::Poll)};
}

} // namespace

// DNG: the header's form chooses how the previews are found.
void jpg_repair::ExtractDNG(QString path)
{
    RawInput input;
    if (!input.open(path))
        return;
    PreviewWriter writer(path);
    MarkerScan fallback;
    switch (headerForm(input)) {
    case DngHeader::BigEndian:
        fallback.starts = {bytesOf({0xFF, 0xD8, 0xFF, 0xDB}), bytesOf({0xFF, 0xD8, 0xFF, 0xE0}),
                           bytesOf({0xFF, 0xD8, 0xFF, 0xEE}), bytesOf({0xFF, 0xD8, 0xFF, 0xC4})};
        writeLocatedOrScanTwo(input, writer, privateDataImages(input), fallback);
        break;
    case DngHeader::LittleEndian:
        fallback.starts = {bytesOf({0xFF, 0xD8, 0xFF, 0xDB}), bytesOf({0xFF, 0xD8, 0xFF, 0xEE}),
                           bytesOf({0xFF, 0xD8, 0xFF, 0xC4})};
        writeLocatedOrScanFirst(input, writer, littleEndianImages(input), fallback);
        break;
    case DngHeader::BigEndianAt18:
        fallback.starts = {bytesOf({0xFF, 0xD8, 0xFF, 0xE0}), bytesOf({0xFF, 0xD8, 0xFF, 0xDB}),
                           bytesOf({0xFF, 0xD8, 0xFF, 0xC4})};
        writeLocatedOrScanTwo(input, writer, directoryAt18Images(input), fallback);
        break;
    case DngHeader::Other:
        fallback.starts = {bytesOf({0xFF, 0xD8, 0xFF, 0xE0}), bytesOf({0xFF, 0xD8, 0xFF, 0xDB}),
                           bytesOf({0xFF, 0xD8, 0xFF, 0xEE})};
        fallback.endNeedsRoom = false;
        writeImages(input, writer, scanFirstImage(input, fallback));
        break;
    }
}
