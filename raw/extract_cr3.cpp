#include "global_state.h"
#include "jpg_repair.h"
#include "preview_extraction.h"

#include <algorithm>
#include <array>

namespace {

// The boxes of the file's top level that the walk records.
struct Cr3Walk {
    bool isCr3 = false;
    quint64 previewBox = 0;   // P: type letters of the PRVW box
    quint64 firstTrack = 0;   // U: type letters of the movie's first track box
    quint64 boxTotal = 0;     // T: running total of the walked box sizes
};

QByteArray fourCc(const char* letters)
{
    return QByteArray(letters, 4);
}

// The size field of the box whose type letters lie at pos.
quint32 boxSize(RawInput& input, quint64 pos)
{
    return input.be32(pos - 4);
}

Cr3Walk walkTopLevel(RawInput& input)
{
    Cr3Walk walk;
    const BytePatterns boxTypes = {fourCc("ftyp"), fourCc("moov"), fourCc("uuid"), fourCc("mdat")};
    quint64 pos = 0;
    for (;;) {
        const qint64 found = input.find(pos, boxTypes, StopPolling::Ignore);
        if (found < 0)
            return walk;
        pos = quint64(found);
        const quint32 size = boxSize(input, pos);
        if (input.bytesAre(pos, fourCc("mdat"))) {
            if (size == 1)
                walk.boxTotal += input.be32(pos + 8);
            return walk;
        }
        if (input.bytesAre(pos, fourCc("ftyp"))) {
            if (!input.holds(pos + 64) || !input.bytesAre(pos + 60, QByteArray("CanonCR3", 8)))
                return walk;
            walk.isCr3 = true;
            walk.boxTotal = size;
        } else if (input.bytesAre(pos, fourCc("moov"))) {
            if (input.holds(pos + 12) && input.bytesAre(pos + 8, fourCc("uuid")))
                walk.firstTrack = pos + 116 + input.be32(pos + 4);
            walk.boxTotal += size;
        } else {
            if (input.holds(pos + 36) && input.bytesAre(pos + 32, fourCc("PRVW")))
                walk.previewBox = pos + 32;
            walk.boxTotal += size;
        }
        // A box without size would never be left: the walk ends there.
        if (size == 0)
            return walk;
        pos += size;
    }
}

// The THMB box after the CMT boxes that follow the last CMT1 in the first
// 512 bytes.
PreviewImage thumbnail(RawInput& input)
{
    constexpr quint64 kCmt1Window = 512;
    qint64 cmt1 = -1;
    for (qint64 at = input.find(0, kCmt1Window, {fourCc("CMT1")}, StopPolling::Ignore); at >= 0;
         at = input.find(quint64(at) + 1, kCmt1Window, {fourCc("CMT1")}, StopPolling::Ignore))
        cmt1 = at;
    if (cmt1 < 0)
        return {};
    const BytePatterns boxes = {fourCc("CMT2"), fourCc("CMT3"), fourCc("CMT4"), fourCc("THMB")};
    quint64 pos = quint64(cmt1) + boxSize(input, quint64(cmt1));
    for (;;) {
        const qint64 found = input.find(pos, boxes, StopPolling::Ignore);
        if (found < 0)
            return {};
        const quint64 at = quint64(found);
        if (input.bytesAre(at, fourCc("THMB")))
            return PreviewImage{quint32(at + 20), input.holds(at + 16) ? input.be32(at + 12) : 0};
        // A CMT box of size 0 is stepped over like any other byte.
        pos = at + qMax<quint32>(1, boxSize(input, at));
    }
}

PreviewImage preview(RawInput& input, quint64 previewBox)
{
    if (previewBox == 0 || !input.holds(previewBox))
        return {};
    return PreviewImage{quint32(previewBox + 20), input.holds(previewBox + 20) ? input.be32(previewBox + 16) : 0};
}

// The full-size JPEG: the sample size and the first chunk offset of the
// movie's first track, read only inside the walked boxes.
PreviewImage fullSize(RawInput& input, const Cr3Walk& walk)
{
    const quint64 track = walk.firstTrack;
    if (track == 0 || !input.holds(track))
        return {};
    const quint32 trackSize = boxSize(input, track);
    const quint64 total = walk.boxTotal;
    if (trackSize == 0 || trackSize >= total)
        return {};
    PreviewImage image;
    const quint64 searchEnd = qMin(track + trackSize, total > 4 ? total - 4 : 0);
    const BytePatterns boxes = {fourCc("stsz"), fourCc("co64")};
    for (qint64 at = input.find(track, searchEnd, boxes, StopPolling::Ignore); at >= 0;
         at = input.find(quint64(at) + 1, searchEnd, boxes, StopPolling::Ignore)) {
        const quint64 pos = quint64(at);
        if (input.bytesAre(pos, fourCc("co64"))) {
            image.offset = pos + 20 < total ? input.be32(pos + 16) : 0;
            break;
        }
        image.length = pos + 12 < total ? input.be32(pos + 8) : 0;
    }
    return image;
}

// Without a usable structure: the first three JPEGs of the file in file
// order become "_3", "_2" and "_1".
std::array<PreviewImage, 3> scanThreeImages(RawInput& input)
{
    std::array<PreviewImage, 3> images;  // indexed by output number - 1
    const BytePatterns starts = {bytesOf({0xFF, 0xD8, 0xFF, 0xDB}), bytesOf({0xFF, 0xD8, 0xFF, 0xC4}),
                                 bytesOf({0xFF, 0xD8, 0xFF, 0xE0})};
    quint64 from = 0;
    for (int output = 3; output >= 1; --output) {
        const qint64 start = input.find(from, starts, StopPolling::Poll);
        if (start < 0)
            break;
        const qint64 marker = input.findEndMarker(quint64(start) + 4, StopPolling::Ignore);
        if (marker < 0)
            break;
        const quint64 end = quint64(marker) + 2;
        const bool keep = input.holds(end) && (output != 3 || start != 0);
        if (keep)
            images[std::size_t(output - 1)] = imageUpTo(quint64(start), quint64(marker));
        from = quint64(marker);
    }
    return images;
}

} // namespace

// CR3: "_3" is the THMB thumbnail, "_2" the PRVW preview, "_1" the full-size
// JPEG of the first track. The names are listed after all writes, in the
// order "_1", "_2", "_3".
void jpg_repair::ExtractCR3(QString path)
{
    for (QString& name : g_state.cr3OutputName)
        name.clear();
    RawInput input;
    if (!input.open(path))
        return;
    m_heicFileSize = quint32(input.size());
    m_heicMetaOffset = 0;
    PreviewWriter writer(path);

    PreviewImages located(3);  // indexed by output number - 1
    const Cr3Walk walk = walkTopLevel(input);
    if (walk.isCr3) {
        located[2] = thumbnail(input);
        located[1] = preview(input, walk.previewBox);
        located[0] = fullSize(input, walk);
        dropImagesWithoutStart(input, located);
    }
    const bool anyLength = std::any_of(located.begin(), located.end(),
                                       [](const PreviewImage& image) { return image.length != 0; });
    if (!anyLength) {
        const std::array<PreviewImage, 3> scanned = scanThreeImages(input);
        located.assign(scanned.begin(), scanned.end());
    }
    for (int output = 3; output >= 1; --output)
        g_state.cr3OutputName[output - 1] = writer.write(input, located[std::size_t(output - 1)], output);
    for (const QString& name : g_state.cr3OutputName) {
        if (!name.isEmpty())
            listProducedFile(name);
    }
}
