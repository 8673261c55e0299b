#include "grid_photo.h"

#include "box_walk.h"

#include <QHash>

namespace {

constexpr int kFullHeader = 12;

struct Extent {
    quint64 offset = 0;
    quint64 length = 0;
};

struct ItemLocation {
    int method = 0; // 0: in the file, 1: in idat
    QVector<Extent> extents;
};

// Reads fields of the given widths one after the other; reading past the
// end of its range marks it failed.
class FieldReader {
public:
    FieldReader(const QByteArray& bytes, int pos, int end) : m_bytes(bytes), m_pos(pos), m_end(end) {}

    quint64 read(int width)
    {
        if (width == 0)
            return 0;
        if (m_pos + width > m_end) {
            m_failed = true;
            m_pos = m_end;
            return 0;
        }
        quint64 value = width == 8 ? quint64(readBigEndian(m_bytes, m_pos, 4)) << 32
                | readBigEndian(m_bytes, m_pos + 4, 4)
                                   : readBigEndian(m_bytes, m_pos, width);
        m_pos += width;
        return value;
    }

    bool failed() const { return m_failed; }

private:
    const QByteArray& m_bytes;
    int m_pos;
    int m_end;
    bool m_failed = false;
};

QHash<quint32, ItemLocation> itemLocations(const QByteArray& file, const BoxSpan& iloc)
{
    QHash<quint32, ItemLocation> items;
    const int version = quint8(readBigEndian(file, iloc.start + 8, 1));
    if (version > 2 || iloc.size < kFullHeader + 4)
        return items;
    FieldReader in(file, iloc.start + kFullHeader, iloc.end());
    const int sizes = int(in.read(1));
    const int more = int(in.read(1));
    const int offsetSize = sizes >> 4;
    const int lengthSize = sizes & 15;
    const int baseSize = more >> 4;
    const int indexSize = version >= 1 ? more & 15 : 0;
    const quint64 count = in.read(version < 2 ? 2 : 4);
    for (quint64 i = 0; i < count && !in.failed(); ++i) {
        const auto id = quint32(in.read(version < 2 ? 2 : 4));
        ItemLocation location;
        if (version >= 1)
            location.method = int(in.read(2) & 15);
        in.read(2);
        const quint64 base = in.read(baseSize);
        const quint64 extents = in.read(2);
        for (quint64 e = 0; e < extents && !in.failed(); ++e) {
            in.read(indexSize);
            const quint64 offset = in.read(offsetSize);
            location.extents.append({base + offset, in.read(lengthSize)});
        }
        if (!in.failed())
            items.insert(id, location);
    }
    return items;
}

QByteArray itemData(const QByteArray& file, const BoxSpan& idat, const ItemLocation& location)
{
    const int from = location.method == 1 ? idat.start + 8 : 0;
    const quint64 end = location.method == 1 ? quint64(idat.end()) : quint64(file.size());
    if (location.method > 1 || (location.method == 1 && idat.size == 0))
        return QByteArray();
    QByteArray data;
    for (const Extent& extent : location.extents) {
        const quint64 start = quint64(from) + extent.offset;
        if (start > end || extent.length > end - start)
            return QByteArray();
        data += file.mid(int(start), int(extent.length));
    }
    return data;
}

// The items that a reference box of that type leads to from `from`.
QVector<quint32> referencedItems(const QByteArray& file, const BoxSpan& iref, quint32 from,
                                 const char* type)
{
    const int idSize = quint8(readBigEndian(file, iref.start + 8, 1)) == 0 ? 2 : 4;
    for (const BoxSpan& ref : childBoxes(file, iref.start + kFullHeader, iref.end())) {
        FieldReader in(file, ref.start + 8, ref.end());
        if (file.mid(ref.start + 4, 4) != type || in.read(idSize) != from)
            continue;
        QVector<quint32> to;
        const quint64 count = in.read(2);
        for (quint64 i = 0; i < count && !in.failed(); ++i)
            to.append(quint32(in.read(idSize)));
        return in.failed() ? QVector<quint32>() : to;
    }
    return {};
}

struct Properties {
    QVector<BoxSpan> boxes;               // ipco's children, index 1 first
    QHash<quint32, QVector<int>> byItem;  // item -> property indices from 1
};

Properties itemProperties(const QByteArray& file, const BoxSpan& iprp)
{
    Properties properties;
    const BoxSpan ipco = childBox(file, iprp.start + 8, iprp.end(), "ipco");
    const BoxSpan ipma = childBox(file, iprp.start + 8, iprp.end(), "ipma");
    if (!ipco.size || !ipma.size)
        return properties;
    properties.boxes = childBoxes(file, ipco.start + 8, ipco.end());
    const int version = quint8(readBigEndian(file, ipma.start + 8, 1));
    const bool wide = (quint8(readBigEndian(file, ipma.start + 11, 1)) & 1) != 0;
    FieldReader in(file, ipma.start + kFullHeader, ipma.end());
    const quint64 entries = in.read(4);
    for (quint64 i = 0; i < entries && !in.failed(); ++i) {
        const auto item = quint32(in.read(version < 1 ? 2 : 4));
        const quint64 count = in.read(1);
        QVector<int> indices;
        for (quint64 a = 0; a < count && !in.failed(); ++a)
            indices.append(int(in.read(wide ? 2 : 1) & (wide ? 0x7FFF : 0x7F)));
        properties.byItem.insert(item, indices);
    }
    return properties;
}

// The first property of that type associated with the item; empty when none.
QByteArray propertyOf(const QByteArray& file, const Properties& properties, quint32 item, const char* type)
{
    for (const int index : properties.byItem.value(item)) {
        if (index < 1 || index > properties.boxes.size())
            continue;
        const BoxSpan box = properties.boxes[index - 1];
        if (file.mid(box.start + 4, 4) == type)
            return file.mid(box.start, box.size);
    }
    return QByteArray();
}

QSize ispeSize(const QByteArray& ispe)
{
    if (ispe.size() < 20)
        return QSize();
    const quint32 width = readBigEndian(ispe, 12, 4);
    const quint32 height = readBigEndian(ispe, 16, 4);
    if (width > 0x7FFFFFFF || height > 0x7FFFFFFF)
        return QSize();
    return QSize(int(width), int(height));
}

// The grid descriptor: version 0, flags (bit 0: 32-bit sizes), rows and
// columns minus one, output width and height.
bool readGridDescriptor(const QByteArray& grid, GridPhoto* photo)
{
    if (grid.size() < 8 || grid[0] != 0)
        return false;
    const int sizeWidth = (quint8(grid[1]) & 1) ? 4 : 2;
    if (grid.size() < 4 + 2 * sizeWidth)
        return false;
    photo->rows = quint8(grid[2]) + 1;
    photo->columns = quint8(grid[3]) + 1;
    const quint32 width = readBigEndian(grid, 4, sizeWidth);
    const quint32 height = readBigEndian(grid, 4 + sizeWidth, sizeWidth);
    if (width > 0x7FFFFFFF || height > 0x7FFFFFFF)
        return false;
    photo->outputSize = QSize(int(width), int(height));
    return true;
}

quint32 primaryItem(const QByteArray& file, const BoxSpan& pitm)
{
    return readBigEndian(file, pitm.start + kFullHeader, quint8(readBigEndian(file, pitm.start + 8, 1)) == 0 ? 2 : 4);
}

} // namespace

std::optional<GridPhoto> readGridPhoto(const QByteArray& file)
{
    const BoxSpan meta = childBox(file, 0, file.size(), "meta");
    if (!meta.size)
        return std::nullopt;
    const int from = meta.start + kFullHeader;
    const BoxSpan pitm = childBox(file, from, meta.end(), "pitm");
    const BoxSpan iloc = childBox(file, from, meta.end(), "iloc");
    const BoxSpan iref = childBox(file, from, meta.end(), "iref");
    const BoxSpan iprp = childBox(file, from, meta.end(), "iprp");
    const BoxSpan idat = childBox(file, from, meta.end(), "idat");
    if (!pitm.size || !iloc.size || !iref.size || !iprp.size)
        return std::nullopt;
    const quint32 primary = primaryItem(file, pitm);
    const QHash<quint32, ItemLocation> locations = itemLocations(file, iloc);
    const QVector<quint32> tileItems = referencedItems(file, iref, primary, "dimg");
    GridPhoto photo;
    if (tileItems.isEmpty() || !locations.contains(primary)
        || !readGridDescriptor(itemData(file, idat, locations.value(primary)), &photo))
        return std::nullopt;
    const Properties properties = itemProperties(file, iprp);
    photo.tileConfig = propertyOf(file, properties, tileItems.first(), "hvcC");
    photo.tileSize = ispeSize(propertyOf(file, properties, tileItems.first(), "ispe"));
    for (const quint32 item : tileItems) {
        photo.uniformTiles = photo.uniformTiles
            && propertyOf(file, properties, item, "hvcC") == photo.tileConfig
            && ispeSize(propertyOf(file, properties, item, "ispe")) == photo.tileSize;
        photo.tiles.append(locations.contains(item) ? itemData(file, idat, locations.value(item))
                                                    : QByteArray());
    }
    return photo;
}
