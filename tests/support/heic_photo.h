#pragma once

#include "heic/heic_state.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Grid photos laid out as a phone writes them, around HEVC images that the
// real encoder heif-enc makes: 48 square tiles (64 x 64 pixels unless asked
// otherwise) in a grid of 8 x 6 (or another of 48 cells), a thumbnail of 64 x 64 and an Exif block. Items 1 .. 48 are the tiles, 49 the grid
// (the primary item, stored in idat), 50 the thumbnail, 51 the Exif block.
//
// Meta-first: ftyp, meta (hdlr of 33 bytes, dinf, pitm, iinf, iref, iprp,
// idat, iloc), mdat (Exif, thumbnail, tiles); the thumbnail is encoded at
// another quantizer, so its slice does not start with an IDR word that the
// repair counts and the file has 48 counted slices.
// Mdat-first: ftyp, mdat (Exif, tiles, thumbnail), meta (hdlr of 34 bytes,
// iinf, pitm, iprp, iloc, iref, idat); the thumbnail's slice is the 49th.
struct HeicPhoto {
    QByteArray bytes;
    QString error; // what went wrong when bytes is empty
};

// The grid of a photo: 48 tiles in `columns` x `rows`, each `tile` pixels
// square, and the grid item's rotation (an irot property of that many
// quarter turns when not 0).
struct HeicGridShape {
    int columns = 8;
    int rows = 6;
    int tile = 64;
    int quarterTurns = 0;
};

// `picture` picks one of several pictures, so a sample and a damaged file
// can show different scenes taken with the same settings. Each runs on
// across tile borders as a photo does; the one numbered
// kPictureWithEdgesOnTileBorders also has a horizon and a building whose
// straight strong edges lie exactly on tile borders.
constexpr int kPictureWithEdgesOnTileBorders = 3;
HeicPhoto makeHeicPhoto(HeicBoxLayout order, int picture, int tileSize = 64);
HeicPhoto makeHeicPhoto(HeicBoxLayout order, int picture, const HeicGridShape& shape);

// One picture as heif-enc codes it: its HEVC configuration box and its
// item data (length-prefixed NAL units).
struct HevcCodedImage {
    QByteArray hvcC;
    QByteArray data;
};

// A picture of that size coded with wavefront entry points (one per row of
// coding tree blocks after the first); empty when the encoder fails (error
// says why).
HevcCodedImage encodeWavefrontImage(int picture, QSize size, QString* error);

// The primary image of a HEIF file decoded by libheif to 8-bit RGB; a null
// image when libheif refuses the file.
QImage decodeHeicInProcess(const QString& path);

// The primary image as heif-convert writes it to a PNG; a null image when it
// fails (error says why).
QImage decodeHeicWithConverter(const QString& path, QString* error);

// The byte range of the first box of that type among a file's top-level
// boxes and the children of its meta, iprp and ipco boxes; start -1 when
// absent.
struct FoundBox {
    int start = -1;
    int size = 0;
};
FoundBox findBox(const QByteArray& file, const QByteArray& type);

// The file with the payload of that box (everything after its header of
// headerSize bytes) overwritten with zeros; empty when there is no such box.
QByteArray withPayloadZeroed(QByteArray file, const QByteArray& type, int headerSize);
