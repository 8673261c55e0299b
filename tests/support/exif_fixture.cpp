#include "exif_fixture.h"

#include <QBuffer>

namespace fixture {

namespace {

void appendBe16(QByteArray& bytes, quint16 value)
{
    bytes.append(char(value >> 8));
    bytes.append(char(value & 0xFF));
}

void appendBe32(QByteArray& bytes, quint32 value)
{
    appendBe16(bytes, quint16(value >> 16));
    appendBe16(bytes, quint16(value & 0xFFFF));
}

// One 12-byte IFD entry of type LONG with count 1.
void appendLongEntry(QByteArray& tiff, quint16 tag, quint32 value)
{
    appendBe16(tiff, tag);
    appendBe16(tiff, 4);
    appendBe32(tiff, 1);
    appendBe32(tiff, value);
}

} // namespace

QByteArray encodeJpeg(const QImage& image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", quality);
    return bytes;
}

QByteArray exifApp1(const QByteArray& thumbnail)
{
    // Big-endian TIFF: header, an empty IFD0, IFD1 with the thumbnail's
    // offset and length, then the thumbnail.
    QByteArray tiff("MM\0*", 4);
    appendBe32(tiff, 8);
    appendBe16(tiff, 0);             // IFD0: no entries
    appendBe32(tiff, 14);            // next IFD: IFD1 at 14
    const quint32 thumbnailOffset = 14 + 2 + 2 * 12 + 4;
    appendBe16(tiff, 2);
    appendLongEntry(tiff, 0x0201, thumbnailOffset);
    appendLongEntry(tiff, 0x0202, quint32(thumbnail.size()));
    appendBe32(tiff, 0);
    tiff.append(thumbnail);

    QByteArray body("Exif\0\0", 6);
    body.append(tiff);
    QByteArray segment("\xFF\xE1", 2);
    appendBe16(segment, quint16(body.size() + 2));
    return segment + body;
}

QByteArray withExifThumbnail(const QByteArray& jpeg, const QByteArray& thumbnail)
{
    return jpeg.left(2) + exifApp1(thumbnail) + jpeg.mid(2);
}

int markerOffset(const QByteArray& jpeg, quint8 code)
{
    return jpeg.indexOf(QByteArray(1, char(0xFF)) + char(code));
}

QByteArray withThumbnailOnly(const QByteArray& jpeg, const QByteArray& thumbnail)
{
    QByteArray bytes = withExifThumbnail(jpeg, thumbnail);
    const int frame = bytes.lastIndexOf(QByteArray("\xFF\xC0", 2));
    bytes[frame + 5] = 0;
    bytes[frame + 6] = 0;
    return bytes;
}

} // namespace fixture
