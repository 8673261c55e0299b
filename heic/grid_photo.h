#pragma once

#include <QByteArray>
#include <QSize>
#include <QVector>

#include <optional>

// The primary image of a HEIF file as a grid of HEVC tiles, read from the
// file's item boxes alone.
struct GridPhoto {
    QByteArray tileConfig;     // hvcC box (header included) of the first tile
    QSize tileSize;            // the first tile's ispe
    int rows = 0;
    int columns = 0;
    QSize outputSize;          // the grid's output size
    QVector<QByteArray> tiles; // item data of the grid's tiles, in grid order
    // Every tile item has the first tile's configuration and size.
    bool uniformTiles = true;
};

// The grid that the file's primary item describes; none when the file has
// no meta box, its primary item is no grid of tiles, or the boxes that
// describe it cannot be read. Tile data that lies outside the file comes back
// empty.
std::optional<GridPhoto> readGridPhoto(const QByteArray& file);
