#include "jpeg_fixture.h"

#include <QBuffer>
#include <QColor>
#include <QImage>

namespace fixture {

QByteArray realJpeg(int width, int height, int quality)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb((x * 255) / qMax(1, width - 1), (y * 255) / qMax(1, height - 1),
                           ((x ^ y) * 7) & 0xFF);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", quality);
    return bytes;
}

QByteArray marker(quint8 code)
{
    QByteArray bytes;
    bytes.append(char(0xFF)).append(char(code));
    return bytes;
}

QByteArray segmentWithLength(quint8 code, quint16 length, const QByteArray& body)
{
    QByteArray bytes = marker(code);
    bytes.append(char(length >> 8)).append(char(length & 0xFF));
    return bytes + body;
}

QByteArray segment(quint8 code, const QByteArray& body)
{
    return segmentWithLength(code, quint16(body.size() + 2), body);
}

QByteArray dqt(int tables, quint8 first)
{
    QByteArray body;
    for (int t = 0; t < tables; ++t) {
        body.append(char(t));
        for (int i = 0; i < 64; ++i)
            body.append(char(quint8(first + t * 64 + i)));
    }
    return segment(0xDB, body);
}

QByteArray dht(quint16 length)
{
    QByteArray body(qMax(0, int(length) - 2), '\0');
    if (!body.isEmpty())
        body[0] = 0x00;
    return segmentWithLength(0xC4, length, body);
}

QByteArray sof(quint8 code, int components, quint8 thirdSelector)
{
    QByteArray body;
    body.append(char(8)).append(char(0)).append(char(16)).append(char(0)).append(char(16));
    body.append(char(components));
    for (int i = 0; i < components; ++i) {
        body.append(char(i + 1)).append(char(0x11));
        body.append(char(i == 2 ? thirdSelector : (i == 0 ? 0 : 1)));
    }
    return segment(code, body);
}

QByteArray sos()
{
    QByteArray body;
    body.append(char(3));
    for (int i = 0; i < 3; ++i)
        body.append(char(i + 1)).append(char(0x00));
    body.append(char(0)).append(char(63)).append(char(0));
    return segment(0xDA, body);
}

QByteArray minimalJpeg(const QByteArray& scanData)
{
    return marker(0xD8) + dqt(1) + sof(0xC0, 3, 0) + dht() + sos() + scanData + marker(0xD9);
}

} // namespace fixture
