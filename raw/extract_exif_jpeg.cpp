#include "embedded_tiff_header.h"
#include "following_jpeg.h"
#include "jpg_repair.h"
#include "tiff_directory.h"

// RAW and RW2: the thumbnail ("_2") of the JPEG with an Exif block that the
// file embeds, and the JPEG that follows the thumbnail ("_1").

namespace {

constexpr quint16 kEmbeddedJpegTag = 0x002E;

const QByteArray& soiApp1()
{
    static const QByteArray bytes = bytesOf({0xFF, 0xD8, 0xFF, 0xE1});
    return bytes;
}

// The thumbnail inside the embedded JPEG at jpeg, then its follower. False
// when the JPEG holds no FF D8 FF DB image.
bool findThumbnailAndFollower(RawInput& input, quint64 jpeg, PreviewImage& thumbnail,
                              PreviewImage& follower, qint64* lastEndMarker = nullptr)
{
    const DqtJpegSearch inner = findDqtJpeg(input, jpeg, thumbnail);
    if (!inner.started)
        return false;
    const DqtJpegSearch next = findFollower(input, endOf(thumbnail), follower);
    if (lastEndMarker)
        *lastEndMarker = next.endMarker >= 0 ? next.endMarker : inner.endMarker;
    return true;
}

// Every JPEG that begins FF D8 FF E1 from `from` on gives a thumbnail and a
// follower; later finds replace earlier ones. The position only moves
// forward, past the last end marker found, and the search ends when no end
// marker is left in the file or a stop is requested.
void searchExifJpegs(RawInput& input, quint64 from, PreviewImage& thumbnail, PreviewImage& follower)
{
    quint64 pos = from;
    while (input.holds(pos)) {
        const qint64 jpeg = input.find(pos, {soiApp1()}, StopPolling::Poll);
        if (jpeg < 0)
            return;
        qint64 lastEnd = -1;
        if (!findThumbnailAndFollower(input, quint64(jpeg), thumbnail, follower, &lastEnd) || lastEnd < 0)
            return;
        pos = quint64(lastEnd) + 1;
    }
}

// RAW: the first directory's 0x002E entry points at the embedded JPEG; a file
// without the "IIU" header is searched for it.
void locateRaw(RawInput& input, PreviewImage& thumbnail, PreviewImage& follower)
{
    if (input.bytesAre(0, bytesOf({0x49, 0x49, 0x55, 0x00}))) {
        const quint32 jpeg = tiff::entryValue(input, 8, TagMatch::littleEndian(kEmbeddedJpegTag));
        if (jpeg != 0 && input.holds(jpeg) && input.bytesAre(jpeg, soiApp1()))
            findThumbnailAndFollower(input, jpeg, thumbnail, follower);
    } else {
        searchExifJpegs(input, 0, thumbnail, follower);
    }
}

// RW2: the thumbnail pointer of the second directory of the embedded Exif
// block; when that directory's count is out of bounds, the file is searched
// for an Exif JPEG from just after the count.
void locateRw2(RawInput& input, PreviewImage& thumbnail, PreviewImage& follower)
{
    const EmbeddedTiffHeader header = findEmbeddedTiffHeader(input);
    const quint64 count = input.u16(header.position + 8);
    const quint64 nextField = header.base + 10 + tiff::kEntrySize * count;
    const quint32 relative = input.holds(nextField + 4) ? input.u32(nextField) : 0;
    const quint64 second = header.base + relative;
    const quint32 secondCount = embeddedDirectoryCount(input, second);
    if (tiff::countAccepted(secondCount)) {
        thumbnail = embeddedDirectoryThumbnail(input, header, second, secondCount);
        findFollower(input, endOf(thumbnail), follower);
    } else if (input.holds(second + 2)) {
        searchExifJpegs(input, second + 2, thumbnail, follower);
    }
}

} // namespace

void jpg_repair::ExtractRAW(QString path)
{
    extractThumbnailAndFollower(path, locateRaw);
}

void jpg_repair::ExtractRW2(QString path)
{
    extractThumbnailAndFollower(path, locateRw2);
}
