#pragma once

#include "preview_image.h"
#include "raw_input.h"

#include <QtGlobal>

// Outcome of looking for a JPEG that begins FF D8 FF DB.
struct DqtJpegSearch {
    bool started = false;  // a start was found and the image replaced
    qint64 endMarker = -1; // position of its FF D9, or -1 when it has none
};

// Finds the first FF D8 FF DB at or after from (stop polled) and measures it
// up to its first FF D9. When a start is found, image is replaced as a whole:
// its length is 0 when no FF D9 follows, never the length of an older start.
DqtJpegSearch findDqtJpeg(RawInput& input, quint64 from, PreviewImage& image);

// The JPEG that follows a thumbnail ending at thumbnailEnd (offset + length):
// nothing when that end is 0 or outside the file.
DqtJpegSearch findFollower(RawInput& input, quint64 thumbnailEnd, PreviewImage& follower);

// Locates a format's thumbnail and the JPEG that follows it.
using ThumbnailLocator = void (*)(RawInput& input, PreviewImage& thumbnail, PreviewImage& follower);

// Opens path, locates, and writes the follower as "_1" and the thumbnail as
// "_2"; when neither survives the start check, the two-image marker scan for
// FF D8 FF DB and FF D8 FF C4 decides instead.
void extractThumbnailAndFollower(const QString& path, ThumbnailLocator locate);

inline quint64 endOf(const PreviewImage& image)
{
    return quint64(image.offset) + image.length;
}
