#include "following_jpeg.h"

#include "preview_extraction.h"

DqtJpegSearch findDqtJpeg(RawInput& input, quint64 from, PreviewImage& image)
{
    static const BytePatterns soiDqt = {bytesOf({0xFF, 0xD8, 0xFF, 0xDB})};
    DqtJpegSearch search;
    const qint64 start = input.find(from, soiDqt, StopPolling::Poll);
    if (start < 0)
        return search;
    search.started = true;
    image = PreviewImage{quint32(start), 0};
    search.endMarker = input.findEndMarker(quint64(start) + 4, StopPolling::Poll);
    if (search.endMarker >= 0)
        image = imageUpTo(quint64(start), quint64(search.endMarker));
    return search;
}

DqtJpegSearch findFollower(RawInput& input, quint64 thumbnailEnd, PreviewImage& follower)
{
    if (thumbnailEnd == 0 || !input.holds(thumbnailEnd))
        return DqtJpegSearch();
    return findDqtJpeg(input, thumbnailEnd, follower);
}

void extractThumbnailAndFollower(const QString& path, ThumbnailLocator locate)
{
    RawInput input;
    if (!input.open(path))
        return;
    PreviewWriter writer(path);
    PreviewImage thumbnail;
    PreviewImage follower;
    locate(input, thumbnail, follower);

    MarkerScan fallback;
    fallback.starts = quantizationOrHuffmanStarts();
    writeLocatedOrScanTwo(input, writer, {follower, thumbnail}, fallback);
}
