#include "heic_boxes.h"

#include <QtEndian>

quint32 be32At(const QByteArray& bytes, int pos)
{
    if (pos < 0 || pos + 4 > bytes.size())
        return 0;
    return qFromBigEndian<quint32>(bytes.constData() + pos);
}

namespace {

quint16 be16At(const QByteArray& bytes, int pos)
{
    if (pos < 0 || pos + 2 > bytes.size())
        return 0;
    return qFromBigEndian<quint16>(bytes.constData() + pos);
}

} // namespace

void appendBe(QByteArray& out, quint32 value, int width)
{
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
        out.append(char(value >> shift));
}

QByteArray isoBox(const char* type, const QByteArray& payload)
{
    QByteArray out;
    appendBe(out, quint32(8 + payload.size()), 4);
    return out.append(type, 4).append(payload);
}

QByteArray isoFullBox(const char* type, quint8 version, quint32 flags, const QByteArray& payload)
{
    QByteArray head;
    appendBe(head, quint32(version) << 24 | flags, 4);
    return isoBox(type, head + payload);
}

QVector<BoxRef> walkBoxes(const QByteArray& file, int from, int end)
{
    QVector<BoxRef> boxes;
    int pos = from;
    while (pos + 8 <= end) {
        BoxRef box;
        box.start = pos;
        box.size = be32At(file, pos);
        box.type = file.mid(pos + 4, 4);
        if (box.size < 8 || qint64(pos) + box.size > end)
            break;
        boxes.append(box);
        pos = box.end();
    }
    return boxes;
}

QList<QByteArray> boxTypes(const QVector<BoxRef>& boxes)
{
    QList<QByteArray> types;
    for (const BoxRef& box : boxes)
        types.append(box.type);
    return types;
}

BoxRef boxOfType(const QVector<BoxRef>& boxes, const QByteArray& type)
{
    for (const BoxRef& box : boxes) {
        if (box.type == type)
            return box;
    }
    return BoxRef();
}

IlocContent readIloc(const QByteArray& file, const BoxRef& iloc)
{
    IlocContent content;
    content.itemCount = be16At(file, iloc.start + 14);
    int pos = iloc.start + 16;
    for (int i = 0; i < content.itemCount && pos + 16 <= file.size(); ++i, pos += 16) {
        IlocItem item;
        item.id = be16At(file, pos);
        item.method = be16At(file, pos + 2);
        item.offset = be32At(file, pos + 8);
        item.length = be32At(file, pos + 12);
        content.items.append(item);
    }
    return content;
}
