#include "item_boxes.h"

#include "box_walk.h"

namespace {

// Full box header: size, type, version and flags.
constexpr int kFullHeader = 12;

void setBe(QByteArray& out, int pos, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        out[pos + i] = char(value >> (8 * (width - 1 - i)));
}

bool isFullBox(const QByteArray& box, int minimum)
{
    return box.size() >= minimum && readBigEndian(box, 0, 4) == quint32(box.size());
}

void setBoxSize(QByteArray& box)
{
    setBe(box, 0, quint32(box.size()), 4);
}

// The item an infe entry describes: 16 bits up to version 2, 32 from 3.
quint32 infeItemId(const QByteArray& iinf, const BoxSpan& infe)
{
    const int version = quint8(iinf[infe.start + 8]);
    return readBigEndian(iinf, infe.start + kFullHeader, version >= 3 ? 4 : 2);
}

// One reference box of iref (dimg, thmb, cdsc ...) with only the kept
// items; empty when it starts from another item or keeps no target.
QByteArray referenceWithItems(const QByteArray& iref, const BoxSpan& ref, int idSize,
                              const KeptItems& kept)
{
    const int fromPos = ref.start + 8;
    const int countPos = fromPos + idSize;
    if (countPos + 2 > ref.start + ref.size || !kept.contains(readBigEndian(iref, fromPos, idSize)))
        return QByteArray();
    const int listed = int(readBigEndian(iref, countPos, 2));
    const int fitting = (ref.start + ref.size - countPos - 2) / idSize;
    QByteArray targets;
    int count = 0;
    for (int i = 0; i < qMin(listed, fitting); ++i) {
        const quint32 id = readBigEndian(iref, countPos + 2 + i * idSize, idSize);
        if (kept.contains(id)) {
            appendBigEndian(targets, id, idSize);
            ++count;
        }
    }
    if (count == 0)
        return QByteArray();
    QByteArray out = iref.mid(ref.start, 8 + idSize);
    appendBigEndian(out, quint32(count), 2);
    out += targets;
    setBoxSize(out);
    return out;
}

// An ipma box with the associations of the kept items only.
QByteArray ipmaWithItems(const QByteArray& ipma, const KeptItems& kept)
{
    constexpr int kEntriesAt = kFullHeader + 4;
    if (!isFullBox(ipma, kEntriesAt))
        return ipma;
    const int version = quint8(ipma[8]);
    const bool wideIndex = (quint8(ipma[11]) & 1) != 0;
    const int idSize = version < 1 ? 2 : 4;
    const int indexSize = wideIndex ? 2 : 1;
    const quint32 entries = readBigEndian(ipma, kFullHeader, 4);
    QByteArray out = ipma.left(kEntriesAt);
    quint32 keptEntries = 0;
    int pos = kEntriesAt;
    for (quint32 i = 0; i < entries && pos + idSize + 1 <= ipma.size(); ++i) {
        const quint32 id = readBigEndian(ipma, pos, idSize);
        const int count = quint8(ipma[pos + idSize]);
        const int entrySize = idSize + 1 + count * indexSize;
        if (pos + entrySize > ipma.size())
            break;
        if (kept.contains(id)) {
            out += ipma.mid(pos, entrySize);
            ++keptEntries;
        }
        pos += entrySize;
    }
    setBe(out, kFullHeader, keptEntries, 4);
    setBoxSize(out);
    return out;
}

} // namespace

QByteArray iinfWithItems(const QByteArray& iinf, const KeptItems& kept)
{
    if (!isFullBox(iinf, kFullHeader + 2))
        return iinf;
    const int countSize = quint8(iinf[8]) == 0 ? 2 : 4;
    const int entriesAt = kFullHeader + countSize;
    if (iinf.size() < entriesAt)
        return iinf;
    QByteArray out = iinf.left(entriesAt);
    quint32 count = 0;
    for (const BoxSpan& entry : childBoxes(iinf, entriesAt, iinf.size())) {
        const bool infe = iinf.mid(entry.start + 4, 4) == "infe";
        if (infe && (entry.size < kFullHeader + 2 || !kept.contains(infeItemId(iinf, entry))))
            continue;
        out += iinf.mid(entry.start, entry.size);
        count += infe ? 1 : 0;
    }
    setBe(out, kFullHeader, count, countSize);
    setBoxSize(out);
    return out;
}

QByteArray irefWithItems(const QByteArray& iref, const KeptItems& kept)
{
    if (!isFullBox(iref, kFullHeader))
        return iref;
    const int idSize = quint8(iref[8]) == 0 ? 2 : 4;
    QByteArray out = iref.left(kFullHeader);
    for (const BoxSpan& ref : childBoxes(iref, kFullHeader, iref.size()))
        out += referenceWithItems(iref, ref, idSize, kept);
    setBoxSize(out);
    return out;
}

QByteArray iprpWithItems(const QByteArray& iprp, const KeptItems& kept)
{
    if (iprp.size() < 8 || readBigEndian(iprp, 0, 4) != quint32(iprp.size()))
        return iprp;
    QByteArray out = iprp.left(8);
    for (const BoxSpan& child : childBoxes(iprp, 8, iprp.size())) {
        const QByteArray box = iprp.mid(child.start, child.size);
        out += box.mid(4, 4) == "ipma" ? ipmaWithItems(box, kept) : box;
    }
    setBoxSize(out);
    return out;
}
