#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

// One Huffman table as an encoder wrote it, with a note of where it came from.
struct HuffmanTable {
    quint8 classAndId = 0;
    QByteArray counts;  // 16 bytes
    QByteArray values;
    QString source;

    bool isDc() const { return (classAndId >> 4) == 0; }
    // Class/identifier byte, counts and values as they stand in a segment.
    QByteArray bytes(quint8 asClassAndId) const;
};

// Encodes the image with cjpeg -optimize and the given further options;
// empty on failure.
QByteArray encodeWithCjpeg(const QImage& image, const QStringList& options);

// The Huffman tables of a JPEG's DHT segments, in file order.
std::vector<HuffmanTable> tablesOfJpeg(const QByteArray& jpeg, const QString& source);
