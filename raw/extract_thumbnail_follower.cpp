#include "following_jpeg.h"
#include "jpg_repair.h"
#include "tiff_directory.h"

// ORF and SRW: a thumbnail ("_2") and the JPEG that follows it ("_1").

namespace {

// SRW: the first FF D8 after the second directory's count is the thumbnail,
// measured to its first FF D9; the follower comes after it.
void findThumbnailAfterDirectory(RawInput& input, quint64 from, PreviewImage& thumbnail,
                                 PreviewImage& follower)
{
    static const BytePatterns soi = {bytesOf({0xFF, 0xD8})};
    const qint64 start = input.find(from, soi, StopPolling::Poll);
    if (start < 0)
        return;
    thumbnail = PreviewImage{quint32(start), 0};
    const qint64 end = input.findEndMarker(quint64(start) + 2, StopPolling::Poll);
    if (end >= 0)
        thumbnail = imageUpTo(quint64(start), quint64(end));
    findFollower(input, endOf(thumbnail), follower);
}

// SRW without a usable directory: in each JPEG that begins FF D8 FF DB, the
// image that starts at the next FF D8 inside it is the thumbnail, and the JPEG
// after that thumbnail the follower; later finds replace earlier ones. The
// position only moves forward, past the last end marker found, and the search
// ends when no end marker is left in the file.
void findInnerThumbnails(RawInput& input, quint64 from, PreviewImage& thumbnail,
                         PreviewImage& follower)
{
    static const BytePatterns soiDqt = {bytesOf({0xFF, 0xD8, 0xFF, 0xDB})};
    static const BytePatterns soi = {bytesOf({0xFF, 0xD8})};
    quint64 pos = from;
    while (input.holds(pos)) {
        const qint64 outer = input.find(pos, soiDqt, StopPolling::Poll);
        if (outer < 0)
            return;
        const qint64 inner = input.find(quint64(outer) + 4, soi, StopPolling::Poll);
        if (inner < 0)
            return;
        thumbnail = PreviewImage{quint32(inner), 0};
        const qint64 end = input.findEndMarker(quint64(inner) + 2, StopPolling::Poll);
        if (end < 0)
            return;
        thumbnail = imageUpTo(quint64(inner), quint64(end));
        const DqtJpegSearch next = findFollower(input, quint64(end) + 2, follower);
        pos = quint64(next.endMarker >= 0 ? next.endMarker : end) + 1;
    }
}

// ORF: the thumbnail is the pointer pair of the second directory, else the
// file's first FF D8 FF DB JPEG.
void locateOrf(RawInput& input, PreviewImage& thumbnail, PreviewImage& follower)
{
    const bool header = input.bytesAre(0, bytesOf({0x49, 0x49, 0x52, 0x4F}));
    if (header) {
        const quint32 second = input.u32(tiff::nextDirectoryFieldPos(8, input.u16(8)));
        const quint32 count = input.u16(second);
        if (tiff::countAccepted(count))
            thumbnail = tiff::findPointerPair(input, quint64(second) + 2, count, tiff::PointerRule());
    }
    if (!header || endOf(thumbnail) == 0)
        findDqtJpeg(input, 0, thumbnail);
    findFollower(input, endOf(thumbnail), follower);
}

// SRW: a big-endian TIFF; the thumbnail lies after the second directory's
// count, or inside the first FF D8 FF DB JPEG.
void locateSrw(RawInput& input, PreviewImage& thumbnail, PreviewImage& follower)
{
    if (input.bytesAre(0, bytesOf({0x4D, 0x4D, 0x00, 0x2A}))) {
        input.setBigEndian(true);
        const quint32 count = input.u16(8);
        const bool nextFieldUsable = count != 0 && input.holds(count);
        const quint32 second = input.u32(nextFieldUsable ? tiff::nextDirectoryFieldPos(8, count) : 8);
        if (second != 0) {
            const quint64 entries = quint64(second) + 2;
            if (!tiff::countAccepted(input.u16(second)))
                findInnerThumbnails(input, entries, thumbnail, follower);
            else if (input.holds(entries))
                findThumbnailAfterDirectory(input, entries, thumbnail, follower);
        }
    } else {
        findInnerThumbnails(input, 0, thumbnail, follower);
    }
}

} // namespace

void jpg_repair::ExtractORF(QString path)
{
    extractThumbnailAndFollower(path, locateOrf);
}

void jpg_repair::ExtractSRW(QString path)
{
    extractThumbnailAndFollower(path, locateSrw);
}
