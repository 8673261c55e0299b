#include "damaged_remnants.h"

#include "box_walk.h"
#include "file_window.h"
#include "grid_photo.h"
#include "hevc_picture_size.h"
#include "word_scan.h"

namespace {

constexpr quint32 kIspeSize = 20;
constexpr quint32 kOrientationSize = 9; // irot and imir: box header and one byte
// Larger boxes are no property box of a photo.
constexpr quint32 kMaxPropertiesSize = 1024 * 1024;

QByteArray boxAt(FileWindow& file, quint32 tagPos)
{
    const quint32 size = file.be32(qint64(tagPos) - 4);
    if (tagPos < 4 || size < 8 || size > kMaxPropertiesSize || qint64(tagPos) - 4 + size > file.size())
        return QByteArray();
    QByteArray box(int(size), '\0');
    file.read(qint64(tagPos) - 4, box.data(), size);
    return box;
}

// Version 0 and flags 0.
bool plainFullBox(const QByteArray& box)
{
    return box.size() >= 12 && readBigEndian(box, 8, 4) == 0;
}

QSize ispeSize(const QByteArray& box)
{
    if (quint32(box.size()) != kIspeSize || !plainFullBox(box))
        return QSize();
    const quint32 width = readBigEndian(box, 12, 4);
    const quint32 height = readBigEndian(box, 16, 4);
    if (width == 0 || height == 0 || width > 0xFFFF || height > 0xFFFF)
        return QSize();
    return QSize(int(width), int(height));
}

// The sizes of an ipco box that survived whole: its properties fill it to
// its end, so none of its image sizes or decoder configurations was lost
// and the sizes it lacks are not the photo's. A box damaged inside says
// nothing.
void addProperties(const QByteArray& ipco, DamagedRemnants* remnants)
{
    if (ipco.size() < 8 || !remnants->imageSizes.isEmpty())
        return;
    const QVector<BoxSpan> properties = childBoxes(ipco, 8, ipco.size());
    if (properties.isEmpty() || properties.last().end() != ipco.size())
        return;
    QVector<QSize> imageSizes;
    QVector<QSize> codedSizes;
    for (const BoxSpan& property : properties) {
        const QByteArray box = ipco.mid(property.start, property.size);
        const QByteArray type = box.mid(4, 4);
        if (type != "ispe" && type != "hvcC")
            continue;
        const QSize size = type == "ispe" ? ispeSize(box) : hvcCPictureSize(box);
        if (size.isEmpty())
            return; // damaged inside
        (type == "ispe" ? imageSizes : codedSizes).append(size);
    }
    if (imageSizes.isEmpty() || codedSizes.isEmpty())
        return;
    remnants->imageSizes = imageSizes;
    remnants->codedSizes = codedSizes;
}

// An idat box that holds exactly a grid description: version 0, flags 0
// (16-bit sizes) or 1 (32-bit sizes).
void addGrid(const QByteArray& box, DamagedRemnants* remnants)
{
    const int flags = quint8(readBigEndian(box, 9, 1));
    const int sizeWidth = flags == 1 ? 4 : 2;
    if (remnants->grid || box.size() != 8 + 4 + 2 * sizeWidth || box[8] != 0 || flags > 1)
        return;
    const quint32 width = readBigEndian(box, 12, sizeWidth);
    const quint32 height = readBigEndian(box, 12 + sizeWidth, sizeWidth);
    if (width == 0 || height == 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF)
        return;
    remnants->grid = DamagedRemnants::Grid{quint8(box[10]) + 1, quint8(box[11]) + 1,
                                           QSize(int(width), int(height))};
}

// irot holds a rotation of 0 to 3 quarter turns, imir an axis of 0 or 1,
// in the low bits of their one byte.
void addOrientation(const QByteArray& box, int largest, QByteArray* kept)
{
    if (kept->isEmpty() && quint32(box.size()) == kOrientationSize && quint8(box[8]) <= largest)
        *kept = box;
}

} // namespace

DamagedRemnants readDamagedRemnants(FileWindow& damaged)
{
    DamagedRemnants remnants;
    const quint32 size = quint32(qMin<qint64>(damaged.size(), 0xFFFFFFFF));
    const auto status = scanEachWord(damaged, 0, size,
        {fourCC("ipco"), fourCC("idat"), fourCC("irot"), fourCC("imir")}, true,
        [&](quint32 pos, quint32 word) {
            const QByteArray box = boxAt(damaged, pos);
            if (word == fourCC("ipco"))
                addProperties(box, &remnants);
            else if (word == fourCC("idat"))
                addGrid(box, &remnants);
            else if (word == fourCC("irot"))
                addOrientation(box, 3, &remnants.irot);
            else
                addOrientation(box, 1, &remnants.imir);
            return true;
        });
    remnants.stopped = status == WordScanHit::Stopped;
    return remnants;
}

namespace {

// False when the damaged file kept sizes of that kind and none is `size`;
// a size the sample does not give is no evidence either way.
bool keptOrUnknown(const QVector<QSize>& kept, QSize size)
{
    return kept.isEmpty() || size.isEmpty() || kept.contains(size);
}

} // namespace

bool remnantsContradict(const DamagedRemnants& remnants, const GridPhoto& sample)
{
    if (remnants.grid
        && (remnants.grid->rows != sample.rows || remnants.grid->columns != sample.columns
            || remnants.grid->outputSize != sample.outputSize))
        return true;
    return !keptOrUnknown(remnants.imageSizes, sample.tileSize)
        || !keptOrUnknown(remnants.imageSizes, sample.outputSize)
        || !keptOrUnknown(remnants.codedSizes, hvcCPictureSize(sample.tileConfig));
}

namespace {

QByteArray withBoxSize(QByteArray box)
{
    QByteArray size;
    appendBigEndian(size, quint32(box.size()), 4);
    return box.replace(0, 4, size);
}

// An ipma box whose entry for `item` also associates the properties
// `added` (indices from 1), marked essential; empty when the item has no
// entry or an index does not fit the box's index width.
QByteArray ipmaWithAdded(const QByteArray& ipma, quint32 item, const QVector<int>& added)
{
    constexpr int kEntriesAt = 16;
    if (ipma.size() < kEntriesAt)
        return QByteArray();
    const int idSize = quint8(ipma[8]) < 1 ? 2 : 4;
    const bool wide = (quint8(ipma[11]) & 1) != 0;
    const quint32 entries = readBigEndian(ipma, 12, 4);
    QByteArray out = ipma.left(kEntriesAt);
    bool found = false;
    int pos = kEntriesAt;
    for (quint32 i = 0; i < entries && pos + idSize + 1 <= ipma.size(); ++i) {
        const int count = quint8(ipma[pos + idSize]);
        const int entrySize = idSize + 1 + count * (wide ? 2 : 1);
        if (pos + entrySize > ipma.size())
            return QByteArray();
        QByteArray entry = ipma.mid(pos, entrySize);
        if (readBigEndian(ipma, pos, idSize) == item && count + added.size() <= 255) {
            entry[idSize] = char(count + added.size());
            for (const int index : added) {
                if (index > (wide ? 0x7FFF : 0x7F))
                    return QByteArray();
                appendBigEndian(entry, quint32(index) | (wide ? 0x8000u : 0x80u), wide ? 2 : 1);
            }
            found = true;
        }
        out += entry;
        pos += entrySize;
    }
    return found ? withBoxSize(out + ipma.mid(pos)) : QByteArray();
}

} // namespace

QByteArray withDamagedOrientation(const QByteArray& iprp, const DamagedRemnants& remnants, quint32 primary)
{
    const BoxSpan ipco = childBox(iprp, 8, iprp.size(), "ipco");
    const BoxSpan ipma = childBox(iprp, 8, iprp.size(), "ipma");
    if (!ipco.size || !ipma.size)
        return iprp;
    // The sample's own irot and imir take the damaged file's values; those
    // the sample lacks are added and associated with the primary item.
    QByteArray properties = iprp.mid(ipco.start, ipco.size);
    QByteArray missing;
    QVector<int> added;
    int count = 0;
    for (const QByteArray* own : {&remnants.irot, &remnants.imir}) {
        bool present = false;
        count = 0;
        for (const BoxSpan& property : childBoxes(properties, 8, properties.size())) {
            ++count;
            if (own->isEmpty() || properties.mid(property.start + 4, 4) != own->mid(4, 4))
                continue;
            present = true;
            if (property.size == own->size())
                properties.replace(property.start, property.size, *own);
        }
        if (!own->isEmpty() && !present) {
            missing += *own;
            added.append(count + added.size() + 1);
        }
    }
    const QByteArray associations = added.isEmpty() ? iprp.mid(ipma.start, ipma.size)
                                                    : ipmaWithAdded(iprp.mid(ipma.start, ipma.size), primary, added);
    if (!associations.isEmpty())
        properties = withBoxSize(properties + missing);
    QByteArray out = iprp.left(8);
    for (const BoxSpan& child : childBoxes(iprp, 8, iprp.size())) {
        const QByteArray type = iprp.mid(child.start + 4, 4);
        out += type == "ipco" ? properties
            : type == "ipma" && !associations.isEmpty() ? associations
                                                        : iprp.mid(child.start, child.size);
    }
    return withBoxSize(out);
}
