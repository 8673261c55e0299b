#pragma once

#include <QByteArray>
#include <QImage>

namespace fixture {

// The image encoded by the toolkit's JPEG writer at the given quality.
QByteArray encodeJpeg(const QImage& image, int quality);

// An APP1 segment holding an EXIF block whose IFD1 points at the thumbnail
// JPEG stored right behind it, the way cameras embed their thumbnails.
QByteArray exifApp1(const QByteArray& thumbnail);

// The JPEG with exifApp1(thumbnail) inserted right after its SOI.
QByteArray withExifThumbnail(const QByteArray& jpeg, const QByteArray& thumbnail);

// The JPEG with an EXIF thumbnail whose main frame claims a height of 0: the
// thumbnail repairs, the main image never decodes, and nothing marks the
// file as damaged beyond that.
QByteArray withThumbnailOnly(const QByteArray& jpeg, const QByteArray& thumbnail);

// Offset of the first occurrence of the marker FF code, or -1.
int markerOffset(const QByteArray& jpeg, quint8 code);

} // namespace fixture
