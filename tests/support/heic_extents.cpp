#include "heic_extents.h"

#include "heic_boxes.h"

QString tileExtentsMismatch(const QByteArray& rebuilt, const HeicFixture& source, int tiles)
{
    const int metaEnd = 24 + int(be32At(rebuilt, 24));
    const BoxRef iloc = boxOfType(walkBoxes(rebuilt, 24 + 12, metaEnd), "iloc");
    if (iloc.size == 0)
        return QStringLiteral("no iloc box in the meta box");
    const IlocContent content = readIloc(rebuilt, iloc);
    const QVector<int> slices = source.sliceUnits();
    if (content.items.size() < tiles || slices.size() < tiles)
        return QStringLiteral("fewer than %1 items or slices").arg(tiles);
    for (int k = 0; k < tiles; ++k) {
        const IlocItem& item = content.items[k];
        if (item.id != k + 1 || item.method != 0)
            return QStringLiteral("item %1 has id %2, method %3").arg(k + 1).arg(item.id).arg(item.method);
        if (rebuilt.mid(int(item.offset), int(item.length)) != source.unitBytes(slices[k]))
            return QStringLiteral("extent of item %1 (offset %2, length %3) is not slice %1")
                .arg(k + 1).arg(item.offset).arg(item.length);
    }
    return QString();
}
