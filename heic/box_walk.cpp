#include "box_walk.h"

#include <cstring>

quint32 readBigEndian(const QByteArray& bytes, int pos, int width)
{
    quint32 value = 0;
    for (int i = 0; i < width; ++i) {
        const qint64 at = qint64(pos) + i;
        value = value << 8 | (at >= 0 && at < bytes.size() ? quint8(bytes[int(at)]) : 0u);
    }
    return value;
}

void appendBigEndian(QByteArray& out, quint32 value, int width)
{
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
        out.append(char(value >> shift));
}

QVector<BoxSpan> childBoxes(const QByteArray& bytes, int from, int end)
{
    QVector<BoxSpan> boxes;
    for (int pos = from; pos >= 0 && pos + 8 <= end;) {
        const quint32 size = readBigEndian(bytes, pos, 4);
        if (size < 8 || size > quint32(end - pos))
            break;
        boxes.append({pos, int(size)});
        pos += int(size);
    }
    return boxes;
}

BoxSpan childBox(const QByteArray& bytes, int from, int end, const char* type)
{
    for (const BoxSpan& box : childBoxes(bytes, from, end)) {
        if (std::memcmp(bytes.constData() + box.start + 4, type, 4) == 0)
            return box;
    }
    return BoxSpan();
}
