#pragma once

#include <QByteArray>
#include <QtGlobal>

// The items a rebuilt file keeps: the tile items 1 .. tiles, whose extents
// its iloc box lists in the media data, and the grid item stored in idat.
struct KeptItems {
    quint32 tiles = 0;
    quint32 grid = 0;
    bool contains(quint32 id) const { return (id >= 1 && id <= tiles) || id == grid; }
};

// Copies of a source's item boxes (whole boxes, header included) that speak
// only of the kept items: the iinf box without the other items' entries, the
// iref box without references from or to them, the iprp box without their
// property associations. Sizes and counts are set to what remains. A box too
// short to hold its own header comes back unchanged.
QByteArray iinfWithItems(const QByteArray& iinf, const KeptItems& kept);
QByteArray irefWithItems(const QByteArray& iref, const KeptItems& kept);
QByteArray iprpWithItems(const QByteArray& iprp, const KeptItems& kept);
