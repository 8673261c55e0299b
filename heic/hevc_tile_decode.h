#pragma once

#include <QByteArray>
#include <QSize>
#include <QVector>
#include <QtGlobal>

// The luma samples along the four borders of a decoded tile (8 bits each),
// for judging how tiles meet in a grid.
struct TileBorders {
    QVector<quint8> top, bottom, left, right;
};

struct TileDecodeReport {
    int tiles = 0;
    // Tiles that the HEVC decoder could not decode cleanly: it reported an
    // error or a stream warning, gave no picture or one that does not show
    // `tileSize` (a coded picture may be larger by up to one coding block),
    // or left part of the picture unwritten (the slice ended
    // before the picture that the parameter sets describe was complete).
    int faulty = 0;
    bool stopped = false;
    QVector<TileBorders> borders; // by tile; empty for a faulty tile
};

// Decodes each tile (its item data: length-prefixed NAL units, lengths of
// `lengthSize` bytes) on its own with the parameter sets of `hvcC`, with
// libde265 itself, whose stream warnings the HEIF library does not pass on.
// Tiles are decoded on a few threads at once; a stop request of the repair
// state ends the work early (`stopped`).
TileDecodeReport decodeTiles(const QByteArray& hvcC, const QVector<QByteArray>& tiles,
                             QSize tileSize);
