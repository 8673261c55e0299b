#include "image_start.h"

#include "file_window.h"
#include "jpeg_markers.h"

namespace {

// Fill bytes a writer may put before a marker; more are taken for data.
constexpr int kMaxFillBytes = 16;

// Smallest length field of a segment that may open an image, or 0 for a
// marker that cannot.
qint64 minimumOpeningLength(quint16 marker)
{
    if (jpeg::isApp(marker) || marker == jpeg::kCOM)
        return 2;
    if (marker == jpeg::kDQT)
        return 2 + 1 + 64; // one table of 8-bit values
    if (marker == jpeg::kDHT)
        return 2 + 1 + 16; // class and destination, sixteen code counts
    if (marker == jpeg::kDRI)
        return 4;
    if (jpeg::isFrame(marker))
        return 2 + 6 + 3; // one component
    return 0;
}

} // namespace

qint64 skipFillBytes(FileWindow& in, qint64 pos)
{
    for (int fill = 0; in.byteAt(pos) == 0xFF && in.byteAt(pos + 1) == 0xFF; ++fill) {
        if (fill == kMaxFillBytes)
            return -1;
        ++pos;
    }
    return pos;
}

bool isImageStart(FileWindow& in, qint64 pos)
{
    if (in.le16(pos) != jpeg::kSOI)
        return false;
    const qint64 at = skipFillBytes(in, pos + 2);
    if (at < 0)
        return false;
    const quint16 marker = in.le16(at);
    const qint64 minimum = minimumOpeningLength(marker);
    const qint64 length = in.be16(at + 2);
    if (minimum == 0 || length < minimum || (marker == jpeg::kDRI && length != 4))
        return false;
    const qint64 next = at + 2 + length;
    return next < in.size() && in.byteAt(next) == 0xFF;
}
