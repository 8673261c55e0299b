#pragma once

#include <QByteArray>
#include <QImage>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

#include <functional>

// Builders of JPEG bytes for tests: real images written by the toolkit's
// encoder and small hand-made segments.
namespace fixture {

// The width x height picture of realJpeg: smooth gradients with a fine
// texture.
QImage testPicture(int width, int height);
// A width x height picture of deterministic noise: its scan data holds
// every byte value.
QImage noisePicture(int width, int height);
// A 640 x 480 photo of noise with two zero bytes of its scan data turned
// into FF FF where the byte behind them makes the second FF a segment's
// marker (FF FF C5, FF FF E3 ...), as a card's damage does; `undamaged`
// receives the photo as encoded. Empty when no quality from 95 down to 60
// gives such a place.
QByteArray cardDamagedJpeg(QByteArray* undamaged);
// A width x height JPEG written by QImage::save, with that picture.
QByteArray realJpeg(int width, int height, int quality = 90);
// The picture written as a PPM file and encoded by the command-line program
// with the arguments `arguments` gives for that file and the JPEG to write;
// empty when it cannot run.
QByteArray encodeWithProgram(const QImage& picture, const QString& program,
                             const std::function<QStringList(const QString& input, const QString& output)>& arguments);
// The picture encoded by the command-line encoder cjpeg with the given
// options (such as "-optimize", "-restart 1", "-rgb", "-progressive");
// empty when it cannot run.
QByteArray cjpegJpeg(const QImage& picture, const QStringList& options);
// A width x height four-component JPEG written through the JPEG library's
// own interface, with its Adobe segment: CMYK, or YCCK (the Adobe colour
// transform 2) when ycck is set.
QByteArray fourComponentJpeg(int width, int height, bool ycck);
// The same of `picture`, with `tables` (natural order; none: the library's
// own at quality 85) as its quantization tables 0, 1 ...
QByteArray fourComponentJpeg(const QImage& picture, bool ycck, const QVector<QVector<int>>& tables);
// A width x height extended sequential JPEG (SOF1) written through the JPEG
// library's own interface: its luminance table is written with 8-bit
// precision, its chrominance table, which holds a value above 255, with
// 16-bit precision, each in a DQT segment of its own.
QByteArray extendedSequentialJpeg(int width, int height);
// A 16 x 16 progressive JPEG written through the JPEG library's own
// interface whose frame header declares width x height instead.
QByteArray progressiveJpegDeclaring(int width, int height);
// A 64 x 64 progressive JPEG written through the JPEG library's own
// interface in 568 scans: each AC coefficient of each component in three
// successive-approximation steps.
QByteArray manyScansJpeg();
// A width x height JPEG written through the JPEG library's own interface
// with Huffman tables of its own: the standard tables with the first two
// luminance AC symbols (both of code length 2) in swapped order.
QByteArray ownHuffmanTablesJpeg(int width, int height);

// FF code: a marker without a length field.
QByteArray marker(quint8 code);
// FF code, a big-endian length field (body size + 2), then body.
QByteArray segment(quint8 code, const QByteArray& body);
// FF code with an explicit length field and body, for damaged segments.
QByteArray segmentWithLength(quint8 code, quint16 length, const QByteArray& body);

// DQT with `tables` 8-bit tables (ids 0, 1, 2 ...); table t holds the values
// first + t*64, first + t*64 + 1, ... (mod 256).
QByteArray dqt(int tables, quint8 first = 1);
// DHT of the given length field; a DC table header with no codes, padded.
QByteArray dht(quint16 length = 31);
// SOF (code C0, C1 or C2) of a 16x16 frame with `components` components;
// the first uses quantization table 0, the second 1, the third thirdSelector
// and any further one 1.
QByteArray sof(quint8 code, int components, quint8 thirdSelector = 1);
// SOS of length 12 for three components.
QByteArray sos();
// SOI, DQT (one table), SOF0, DHT, SOS, scanData, EOI.
QByteArray minimalJpeg(const QByteArray& scanData = QByteArray(16, '\x11'));

} // namespace fixture
