#include "heic_photo.h"

#include "heic_boxes.h"
#include "temp_file.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVector>

#include <cmath>

#include <libheif/heif.h>

namespace {

constexpr int kThumb = 64;
constexpr int kTiles = 48;
constexpr int kGridItem = kTiles + 1;
constexpr int kThumbItem = kTiles + 2;
constexpr int kExifItem = kTiles + 3;
// Without sample adaptive offset and wavefront entry points and at quantizer
// 29 the encoder's IDR slices start 28 01 AF 80, one of the words the repair
// counts; at 30 they do not.
const char* const kCountedQp = "x265:qp=29";
const char* const kUncountedQp = "x265:qp=30";
constexpr int kWait = 60000;

quint32 readBe(const QByteArray& bytes, int pos, int width)
{
    quint32 value = 0;
    for (int i = 0; i < width; ++i)
        value = value << 8 | (pos + i < bytes.size() ? quint8(bytes[pos + i]) : 0u);
    return value;
}

struct Span {
    int start = 0;
    int size = 0;
};

QMap<QByteArray, Span> children(const QByteArray& file, int from, int end)
{
    QMap<QByteArray, Span> boxes;
    for (int pos = from; pos + 8 <= end;) {
        const int size = int(readBe(file, pos, 4));
        if (size < 8 || pos + size > end)
            break;
        const QByteArray type = file.mid(pos + 4, 4);
        if (!boxes.contains(type))
            boxes.insert(type, {pos, size});
        pos += size;
    }
    return boxes;
}

using EncodedImage = HevcCodedImage;

// Reads the images of a heif-enc file: items in iloc order, each with the
// hvcC property that ipma associates with it.
QVector<EncodedImage> encodedImages(const QByteArray& file, QString* error)
{
    const QMap<QByteArray, Span> top = children(file, 0, file.size());
    const Span meta = top.value("meta");
    const QMap<QByteArray, Span> inMeta = children(file, meta.start + 12, meta.start + meta.size);
    const Span iloc = inMeta.value("iloc");
    const Span iprp = inMeta.value("iprp");
    const QMap<QByteArray, Span> inIprp = children(file, iprp.start + 8, iprp.start + iprp.size);
    const Span ipco = inIprp.value("ipco");
    const Span ipma = inIprp.value("ipma");
    if (!iloc.size || !ipco.size || !ipma.size) {
        *error = QStringLiteral("heif-enc wrote no iloc, ipco or ipma box");
        return {};
    }
    QVector<QByteArray> properties;
    for (int pos = ipco.start + 8; pos + 8 <= ipco.start + ipco.size;) {
        const int size = int(readBe(file, pos, 4));
        if (size < 8)
            break;
        properties.append(file.mid(pos, size));
        pos += size;
    }
    // ipma: item, association count, 7- or 15-bit property indices from 1.
    QMap<quint32, QByteArray> hvcCOf;
    const int ipmaVersion = quint8(file[ipma.start + 8]);
    const bool wide = (quint8(file[ipma.start + 11]) & 1) != 0;
    const quint32 entries = readBe(file, ipma.start + 12, 4);
    int pos = ipma.start + 16;
    for (quint32 i = 0; i < entries; ++i) {
        const quint32 item = readBe(file, pos, ipmaVersion < 1 ? 2 : 4);
        pos += ipmaVersion < 1 ? 2 : 4;
        const int count = quint8(file[pos++]);
        for (int a = 0; a < count; ++a) {
            const quint32 index = readBe(file, pos, wide ? 2 : 1) & (wide ? 0x7FFF : 0x7F);
            pos += wide ? 2 : 1;
            const QByteArray property = properties.value(int(index) - 1);
            if (property.mid(4, 4) == "hvcC")
                hvcCOf.insert(item, property);
        }
    }
    // iloc of version 0 or 1 with one extent per item.
    const int version = quint8(file[iloc.start + 8]);
    const int offsetSize = quint8(file[iloc.start + 12]) >> 4;
    const int lengthSize = quint8(file[iloc.start + 12]) & 15;
    const int baseSize = quint8(file[iloc.start + 13]) >> 4;
    const int indexSize = version >= 1 ? quint8(file[iloc.start + 13]) & 15 : 0;
    const int items = int(readBe(file, iloc.start + 14, 2));
    pos = iloc.start + 16;
    QVector<EncodedImage> images;
    for (int i = 0; i < items; ++i) {
        const quint32 item = readBe(file, pos, 2);
        pos += 2 + (version >= 1 ? 2 : 0) + 2;
        const quint32 base = readBe(file, pos, baseSize);
        pos += baseSize;
        const int extents = int(readBe(file, pos, 2));
        pos += 2;
        EncodedImage image;
        image.hvcC = hvcCOf.value(item);
        for (int e = 0; e < extents; ++e) {
            pos += indexSize;
            const quint32 offset = readBe(file, pos, offsetSize);
            pos += offsetSize;
            const quint32 length = readBe(file, pos, lengthSize);
            pos += lengthSize;
            image.data += file.mid(int(base + offset), int(length));
        }
        images.append(image);
    }
    if (images.isEmpty() || images.first().hvcC.isEmpty())
        *error = QStringLiteral("heif-enc wrote no image with an hvcC property");
    return images;
}

// Without sample adaptive offset and wavefront entry points, at quantizer qp.
QStringList plainCoding(const char* qp)
{
    return {QStringLiteral("x265:sao=0"), QStringLiteral("x265:wpp=0"), QString::fromLatin1(qp)};
}

// Encodes each image as one HEVC image with heif-enc, all into one file,
// with the given encoder options.
QVector<EncodedImage> encode(const QVector<QImage>& images, const QStringList& coding, QString* error)
{
    const QString encoder = QStandardPaths::findExecutable(QStringLiteral("heif-enc"));
    QTemporaryDir dir;
    if (encoder.isEmpty() || !dir.isValid()) {
        *error = QStringLiteral("heif-enc or a temporary folder is missing");
        return {};
    }
    QStringList arguments{QStringLiteral("-q"), QStringLiteral("90"), QStringLiteral("--no-alpha"),
                          QStringLiteral("-o"), dir.filePath(QStringLiteral("out.heic"))};
    for (const QString& option : coding)
        arguments << QStringLiteral("-p") << option;
    for (int i = 0; i < images.size(); ++i) {
        const QString png = dir.filePath(QStringLiteral("in%1.png").arg(i, 2, 10, QLatin1Char('0')));
        if (!images[i].save(png)) {
            *error = QStringLiteral("could not write %1").arg(png);
            return {};
        }
        arguments.append(png);
    }
    QProcess process;
    process.start(encoder, arguments);
    if (!process.waitForFinished(kWait) || process.exitCode() != 0) {
        *error = QStringLiteral("heif-enc did not finish within %1 ms with exit code 0: %2")
                     .arg(kWait).arg(QString::fromLocal8Bit(process.readAllStandardError()));
        return {};
    }
    const QVector<EncodedImage> encoded
        = encodedImages(readFileBytes(dir.filePath(QStringLiteral("out.heic"))), error);
    if (encoded.size() != images.size() && error->isEmpty())
        *error = QStringLiteral("heif-enc wrote %1 images for %2").arg(encoded.size()).arg(images.size());
    return error->isEmpty() ? encoded : QVector<EncodedImage>();
}

// A value from -1 to 1, the same for the same point and picture.
double hashed(int x, int y, int picture)
{
    quint32 hash = quint32(x) * 73856093u ^ quint32(y) * 19349663u ^ quint32(picture) * 83492791u;
    hash ^= hash >> 13;
    hash *= 0x5bd1e995u;
    hash ^= hash >> 15;
    return (hash % 2001) / 1000.0 - 1;
}

// Texture like leaves or grass: random values on a lattice of `cell` pixels,
// blended between lattice points, so it has no jumps anywhere.
double texture(int x, int y, int cell, int picture)
{
    const int cx = x / cell;
    const int cy = y / cell;
    const double fx = double(x % cell) / cell;
    const double fy = double(y % cell) / cell;
    const double top = hashed(cx, cy, picture) * (1 - fx) + hashed(cx + 1, cy, picture) * fx;
    const double bottom = hashed(cx, cy + 1, picture) * (1 - fx) + hashed(cx + 1, cy + 1, picture) * fx;
    return top * (1 - fy) + bottom * fy;
}

quint8 level(double value)
{
    return quint8(qBound(0.0, value, 255.0));
}

// A picture as a camera takes it: a sky that brightens towards a wavy,
// soft horizon, ground of long smooth waves, soft clouds and bushes, a few
// solid shapes with smooth edges, and texture: leaves on the ground, grain
// in the sky. Every tile differs, so a tile in the wrong place or a wrong
// extent changes the decoded pixels, and nothing wraps or jumps where tiles
// meet: the picture runs on across tile borders as a photo does.
QImage cameraScene(int picture, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    const double width = size.width();
    const double height = size.height();
    const double phase = picture * 0.7;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double v = y / height;
        for (int x = 0; x < size.width(); ++x) {
            const double u = x / width;
            const double horizon = 0.52 + 0.06 * std::sin(2 * M_PI * (1.3 * u) + phase)
                + 0.025 * std::sin(2 * M_PI * (3.7 * u) + 2 * phase);
            // 0 in the sky, 1 on the ground, over a soft band.
            const double ground = qBound(0.0, (v - horizon) / 0.04 + 0.5, 1.0);
            const double sky = 1 - ground;
            const double wave = std::sin(2 * M_PI * (2.3 * u + 1.7 * v) + phase)
                * std::cos(2 * M_PI * (0.9 * u - 2.9 * v) + 0.5 * phase);
            // Fine leaves on the ground, a faint grain in the sky.
            const double fine = (4 + 28 * ground) * texture(x, y, 5, picture) + 2 * hashed(x, y, picture);
            const double red = sky * (70 + 120 * v + 20 * u) + ground * (95 + 40 * wave + 30 * (1 - v)) + fine;
            const double green = sky * (120 + 90 * v) + ground * (120 + 35 * wave - 25 * u) + fine;
            const double blue = sky * (215 + 25 * v - 20 * u) + ground * (55 + 20 * wave) + fine;
            line[x] = qRgb(level(red), level(green), level(blue));
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const int span = qMin(size.width(), size.height());
    for (int i = 0; i < 10; ++i) {
        // Soft clouds above, bushes below.
        const QPointF centre(std::fmod((i * 0.317 + picture * 0.23) * width, width),
                             height * (0.15 + 0.75 * std::fmod(i * 0.413 + picture * 0.19, 1.0)));
        const double radius = span * (0.06 + 0.02 * (i % 4));
        QRadialGradient soft(centre, radius);
        const QColor colour = QColor::fromHsv((i * 37 + picture * 70) % 360, 90 + 15 * (i % 5), 200, 190);
        soft.setColorAt(0, colour);
        soft.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
        painter.setBrush(soft);
        painter.drawEllipse(centre, radius, radius * 0.7);
    }
    for (int i = 0; i < 4; ++i) {
        const QPointF centre(std::fmod((i * 0.29 + picture * 0.41 + 0.1) * width, width),
                             height * (0.3 + 0.15 * i));
        painter.setBrush(QColor::fromHsv((i * 83 + picture * 50) % 360, 150, 120 + 25 * i));
        painter.drawEllipse(centre, span * (0.05 + 0.01 * i), span * (0.035 + 0.012 * i));
    }
    return image;
}

// The camera picture with straight strong edges exactly on tile borders:
// everything below the border between the middle rows of tiles is darker,
// as land below a bright sky, and a dark building stands on it whose walls
// and roof follow tile borders.
QImage sceneWithEdgesOnTileBorders(const HeicGridShape& shape)
{
    const int tile = shape.tile;
    QImage image = cameraScene(kPictureWithEdgesOnTileBorders, QSize(shape.columns * tile, shape.rows * tile));
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    painter.fillRect(0, shape.rows / 2 * tile, image.width(), image.height(), QColor(150, 160, 130));
    painter.fillRect(shape.columns / 4 * tile, tile, 2 * tile, image.height(), QColor(90, 80, 80));
    return image;
}

QImage scene(int picture, const HeicGridShape& shape)
{
    if (picture == kPictureWithEdgesOnTileBorders)
        return sceneWithEdgesOnTileBorders(shape);
    return cameraScene(picture, QSize(shape.columns * shape.tile, shape.rows * shape.tile));
}

QByteArray infe(quint32 item, const char* type, bool hidden)
{
    QByteArray payload;
    appendBe(payload, item, 2);
    appendBe(payload, 0, 2);
    payload.append(type, 4).append('\0');
    return isoFullBox("infe", 2, hidden ? 1 : 0, payload);
}

QByteArray iinfBox()
{
    QByteArray payload;
    appendBe(payload, kExifItem, 2);
    for (int item = 1; item <= kTiles; ++item)
        payload += infe(quint32(item), "hvc1", true);
    payload += infe(kGridItem, "grid", false) + infe(kThumbItem, "hvc1", false)
        + infe(kExifItem, "Exif", false);
    return isoFullBox("iinf", 0, 0, payload);
}

QByteArray reference(const char* type, quint32 from, const QVector<quint32>& to)
{
    QByteArray payload;
    appendBe(payload, from, 2);
    appendBe(payload, quint32(to.size()), 2);
    for (const quint32 item : to)
        appendBe(payload, item, 2);
    return isoBox(type, payload);
}

QByteArray irefBox()
{
    QVector<quint32> tiles;
    for (int item = 1; item <= kTiles; ++item)
        tiles.append(quint32(item));
    return isoFullBox("iref", 0, 0, reference("dimg", kGridItem, tiles)
                   + reference("thmb", kThumbItem, {kGridItem})
                   + reference("cdsc", kExifItem, {kGridItem}));
}

QByteArray ispe(int width, int height)
{
    QByteArray payload;
    appendBe(payload, quint32(width), 4);
    appendBe(payload, quint32(height), 4);
    return isoFullBox("ispe", 0, 0, payload);
}

QByteArray irot(int quarterTurns)
{
    return isoBox("irot", QByteArray(1, char(quarterTurns)));
}

// Properties: 1 tile hvcC, 2 tile ispe, 3 grid ispe, 4 thumbnail hvcC,
// 5 thumbnail ispe, 6 the grid's rotation when it has one; 0x80 marks an
// essential one.
QByteArray iprpBox(const QByteArray& tileConfig, const HeicGridShape& shape, const QByteArray& thumbConfig)
{
    const int tile = shape.tile;
    const QByteArray ipco = isoBox("ipco", tileConfig + ispe(tile, tile)
                                + ispe(shape.columns * tile, shape.rows * tile) + thumbConfig
                                + ispe(kThumb, kThumb)
                                + (shape.quarterTurns ? irot(shape.quarterTurns) : QByteArray()));
    QByteArray associations;
    appendBe(associations, kThumbItem, 4);
    for (int item = 1; item <= kTiles; ++item) {
        appendBe(associations, quint32(item), 2);
        associations.append(char(2)).append(char(0x81)).append(char(2));
    }
    appendBe(associations, kGridItem, 2);
    if (shape.quarterTurns)
        associations.append(char(2)).append(char(3)).append(char(0x86));
    else
        associations.append(char(1)).append(char(3));
    appendBe(associations, kThumbItem, 2);
    associations.append(char(2)).append(char(0x84)).append(char(5));
    return isoBox("iprp", ipco + isoFullBox("ipma", 0, 0, associations));
}

QByteArray gridDescriptor(const HeicGridShape& shape)
{
    QByteArray grid;
    grid.append(char(0)).append(char(0)).append(char(shape.rows - 1)).append(char(shape.columns - 1));
    appendBe(grid, quint32(shape.columns * shape.tile), 2);
    appendBe(grid, quint32(shape.rows * shape.tile), 2);
    return grid;
}

// An Exif block: the offset to the TIFF header (0), then a big-endian TIFF
// header and one IFD holding the orientation "top left".
QByteArray exifBlock()
{
    return QByteArray::fromHex("00000000" "4D4D002A00000008" "0001" "011200030000000100010000" "00000000");
}

struct Extent {
    quint32 offset = 0;
    quint32 length = 0;
};

QByteArray ilocBox(const QVector<Extent>& fileExtents, quint32 gridLength)
{
    QByteArray payload;
    payload.append(char(0x44)).append(char(0));
    appendBe(payload, kExifItem, 2);
    for (int item = 1; item <= kExifItem; ++item) {
        const bool grid = item == kGridItem;
        const Extent extent = grid ? Extent{0, gridLength} : fileExtents[item - 1];
        appendBe(payload, quint32(item), 2);
        appendBe(payload, grid ? 1 : 0, 2);
        appendBe(payload, 0, 2);
        appendBe(payload, 1, 2);
        appendBe(payload, extent.offset, 4);
        appendBe(payload, extent.length, 4);
    }
    return isoFullBox("iloc", 1, 0, payload);
}

QByteArray hdlrBox(int size)
{
    QByteArray payload(4, '\0');
    payload.append("pict", 4).append(QByteArray(12, '\0'));
    payload.append(QByteArray(size - 12 - payload.size(), '\0'));
    return isoFullBox("hdlr", 0, 0, payload);
}

QByteArray dinfBox()
{
    QByteArray dref;
    appendBe(dref, 1, 4);
    dref += isoFullBox("url ", 0, 1, QByteArray());
    return isoBox("dinf", isoFullBox("dref", 0, 0, dref));
}

QByteArray pitmBox()
{
    QByteArray payload;
    appendBe(payload, kGridItem, 2);
    return isoFullBox("pitm", 0, 0, payload);
}

QByteArray ftypBox()
{
    return isoBox("ftyp", QByteArray("heic\0\0\0\0mif1heic", 16));
}

// The media data in file order and where each item's bytes land in it.
struct Media {
    QByteArray bytes;
    QVector<Extent> extents; // by item - 1; the grid's entry is unused
};

Media media(HeicBoxLayout order, const QVector<EncodedImage>& tiles, const EncodedImage& thumb,
            quint32 start)
{
    Media media;
    media.extents.resize(kExifItem);
    auto place = [&](int item, const QByteArray& data) {
        media.extents[item - 1] = {start + quint32(media.bytes.size()), quint32(data.size())};
        media.bytes += data;
    };
    place(kExifItem, exifBlock());
    if (order == HeicBoxLayout::MetaFirst)
        place(kThumbItem, thumb.data);
    for (int i = 0; i < kTiles; ++i)
        place(i + 1, tiles[i].data);
    if (order == HeicBoxLayout::MdatFirst)
        place(kThumbItem, thumb.data);
    return media;
}

QByteArray assemble(HeicBoxLayout order, const QVector<EncodedImage>& tiles, const HeicGridShape& shape,
                    const EncodedImage& thumb)
{
    const QByteArray grid = gridDescriptor(shape);
    const QByteArray items = iinfBox();
    const QByteArray references = irefBox();
    const QByteArray properties = iprpBox(tiles.first().hvcC, shape, thumb.hvcC);
    const QByteArray idat = isoBox("idat", grid);
    const QByteArray ftyp = ftypBox();
    const int ilocSize = 16 + 16 * kExifItem;
    if (order == HeicBoxLayout::MetaFirst) {
        const QByteArray head = hdlrBox(33) + dinfBox() + pitmBox() + items + references
            + properties + idat;
        const int metaSize = 12 + head.size() + ilocSize;
        const Media data = media(order, tiles, thumb, quint32(ftyp.size() + metaSize + 8));
        return ftyp + isoFullBox("meta", 0, 0, head + ilocBox(data.extents, quint32(grid.size())))
            + isoBox("mdat", data.bytes);
    }
    const Media data = media(order, tiles, thumb, quint32(ftyp.size() + 8));
    const QByteArray meta = isoFullBox("meta", 0, 0, hdlrBox(34) + items + pitmBox() + properties
                                    + ilocBox(data.extents, quint32(grid.size())) + references + idat);
    return ftyp + isoBox("mdat", data.bytes) + meta;
}

QVector<EncodedImage> encodeTiles(int picture, const HeicGridShape& shape, QString* error)
{
    const int tile = shape.tile;
    const QImage whole = scene(picture, shape);
    QVector<QImage> tileImages;
    for (int i = 0; i < kTiles; ++i)
        tileImages.append(whole.copy((i % shape.columns) * tile, (i / shape.columns) * tile, tile, tile));
    const QVector<EncodedImage> tiles = encode(tileImages, plainCoding(kCountedQp), error);
    for (const EncodedImage& coded : tiles) {
        if (coded.hvcC != tiles.first().hvcC) {
            *error = QStringLiteral("the encoder wrote tiles of different configurations");
            return {};
        }
    }
    return tiles;
}

// The coded tiles of a picture in a grid; both box orders and every
// rotation of a grid share them, so each is encoded once.
QVector<EncodedImage> encodedTiles(int picture, const HeicGridShape& shape, QString* error)
{
    static QMap<QVector<int>, QVector<EncodedImage>> made;
    const QVector<int> key{picture, shape.columns, shape.rows, shape.tile};
    if (!made.contains(key)) {
        const QVector<EncodedImage> tiles = encodeTiles(picture, shape, error);
        if (tiles.isEmpty())
            return {};
        made.insert(key, tiles);
    }
    return made.value(key);
}

HeicPhoto encodeHeicPhoto(HeicBoxLayout order, int picture, const HeicGridShape& shape)
{
    HeicPhoto photo;
    if (shape.columns * shape.rows != kTiles) {
        photo.error = QStringLiteral("a grid of %1 x %2 does not hold %3 tiles").arg(shape.columns).arg(shape.rows).arg(kTiles);
        return photo;
    }
    const QImage whole = scene(picture, shape);
    // Square: the encoder codes other sizes as a cropped derived image.
    const QImage thumbImage = whole.scaled(kThumb, kThumb, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QVector<EncodedImage> tiles = encodedTiles(picture, shape, &photo.error);
    const QVector<EncodedImage> thumb = encode(
        {thumbImage}, plainCoding(order == HeicBoxLayout::MetaFirst ? kUncountedQp : kCountedQp), &photo.error);
    if (!photo.error.isEmpty())
        return photo;
    photo.bytes = assemble(order, tiles, shape, thumb.first());
    return photo;
}

} // namespace

HeicPhoto makeHeicPhoto(HeicBoxLayout order, int picture, int tileSize)
{
    HeicGridShape shape;
    shape.tile = tileSize;
    return makeHeicPhoto(order, picture, shape);
}

HeicPhoto makeHeicPhoto(HeicBoxLayout order, int picture, const HeicGridShape& shape)
{
    // The encoder's output depends only on its input: each photo is made once.
    static QMap<QVector<int>, HeicPhoto> made;
    const QVector<int> key{int(order), picture, shape.columns, shape.rows, shape.tile, shape.quarterTurns};
    if (!made.contains(key))
        made.insert(key, encodeHeicPhoto(order, picture, shape));
    return made.value(key);
}

HevcCodedImage encodeWavefrontImage(int picture, QSize size, QString* error)
{
    HeicGridShape shape;
    const QImage image = scene(picture, shape).scaled(size);
    const QVector<EncodedImage> coded = encode({image}, {QStringLiteral("x265:wpp=1")}, error);
    return coded.isEmpty() ? HevcCodedImage() : coded.first();
}

QImage decodeHeicInProcess(const QString& path)
{
    heif_context* context = heif_context_alloc();
    heif_image_handle* handle = nullptr;
    heif_image* image = nullptr;
    QImage out;
    if (heif_context_read_from_file(context, QFile::encodeName(path).constData(), nullptr).code == heif_error_Ok
        && heif_context_get_primary_image_handle(context, &handle).code == heif_error_Ok
        && heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr).code
            == heif_error_Ok) {
        int stride = 0;
        const uint8_t* pixels = heif_image_get_plane_readonly(image, heif_channel_interleaved, &stride);
        const int width = heif_image_get_width(image, heif_channel_interleaved);
        const int height = heif_image_get_height(image, heif_channel_interleaved);
        out = QImage(pixels, width, height, stride, QImage::Format_RGB888).copy();
    }
    if (image)
        heif_image_release(image);
    if (handle)
        heif_image_handle_release(handle);
    heif_context_free(context);
    return out;
}

QImage decodeHeicWithConverter(const QString& path, QString* error)
{
    const QString converter = QStandardPaths::findExecutable(QStringLiteral("heif-convert"));
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("converted.png"));
    QProcess process;
    process.start(converter, {path, png});
    if (converter.isEmpty() || !process.waitForFinished(kWait) || process.exitCode() != 0) {
        *error = QStringLiteral("heif-convert did not finish within %1 ms with exit code 0: %2")
                     .arg(kWait).arg(QString::fromLocal8Bit(process.readAllStandardError()));
        return QImage();
    }
    return QImage(png).convertToFormat(QImage::Format_RGB888);
}

FoundBox findBox(const QByteArray& file, const QByteArray& type)
{
    // Top-level boxes, then the children of meta, iprp and ipco.
    QVector<Span> ranges{{0, file.size()}};
    for (int r = 0; r < ranges.size(); ++r) {
        const Span range = ranges[r];
        for (int pos = range.start; pos + 8 <= range.start + range.size;) {
            const int size = int(readBe(file, pos, 4));
            if (size < 8 || pos + size > range.start + range.size)
                break;
            const QByteArray found = file.mid(pos + 4, 4);
            if (found == type)
                return {pos, size};
            if (found == "meta")
                ranges.append({pos + 12, size - 12});
            else if (found == "iprp" || found == "ipco")
                ranges.append({pos + 8, size - 8});
            pos += size;
        }
    }
    return {};
}

QByteArray withPayloadZeroed(QByteArray file, const QByteArray& type, int headerSize)
{
    const FoundBox box = findBox(file, type);
    if (box.start < 0)
        return QByteArray();
    file.replace(box.start + headerSize, box.size - headerSize, QByteArray(box.size - headerSize, '\0'));
    return file;
}
