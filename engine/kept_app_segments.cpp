#include "kept_app_segments.h"

#include "file_window.h"
#include "jpeg_markers.h"

#include <cstring>

namespace {

constexpr int kExifIdentifierSize = 6;

// A TIFF header ("II" 2A 00 or "MM" 00 2A) whose first IFD, with its entry
// count, its entries and the link to the next IFD, lies inside the size bytes
// of the block at tiff.
bool hasValidTiffHeader(FileWindow& in, qint64 tiff, qint64 size)
{
    quint8 header[4];
    in.read(tiff, header, sizeof header);
    const bool little = header[0] == 'I' && header[1] == 'I' && header[2] == 0x2A && header[3] == 0;
    const bool big = header[0] == 'M' && header[1] == 'M' && header[2] == 0 && header[3] == 0x2A;
    if (!little && !big)
        return false;
    const qint64 ifd = little ? in.le32(tiff + 4) : in.be32(tiff + 4);
    if (ifd < 8 || ifd + 2 > size)
        return false;
    const qint64 entries = little ? in.le16(tiff + ifd) : in.be16(tiff + ifd);
    return ifd + 2 + 12 * entries + 4 <= size;
}

} // namespace

bool isKeptAppSegment(FileWindow& in, qint64 markerPos, quint16 marker, int length)
{
    struct Kind {
        quint16 marker;
        const char* identifier;
        int identifierSize;
        int minLength;
        bool tiffFollows; // an EXIF block: the identifier is followed by a TIFF header
    };
    // Identifiers with their terminating zero bytes ("Exif" has two).
    static const Kind kKinds[] = {
        {jpeg::kAPP0, "JFIF", 5, 16, false},
        {jpeg::kAPP1, "Exif\0", kExifIdentifierSize, 2 + kExifIdentifierSize + 8, true},
        {jpeg::kAPP1, "http://ns.adobe.com/xap/1.0/", 29, 2 + 29, false},
        {jpeg::kAPP2, "ICC_PROFILE", 12, 16, false},
        {jpeg::kAPP14, "Adobe", 5, 14, false},
    };
    for (const Kind& kind : kKinds) {
        if (kind.marker != marker || length < kind.minLength)
            continue;
        char identifier[29];
        in.read(markerPos + 4, identifier, std::size_t(kind.identifierSize));
        if (std::memcmp(identifier, kind.identifier, std::size_t(kind.identifierSize)) != 0)
            continue;
        if (!kind.tiffFollows)
            return true;
        const qint64 tiff = markerPos + 4 + kExifIdentifierSize;
        return hasValidTiffHeader(in, tiff, length - 2 - kExifIdentifierSize);
    }
    return false;
}
