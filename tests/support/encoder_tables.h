#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

// Quantization tables that real encoders write, for tests that hold the
// repair to keeping them: each set as cjpeg's -qtables file takes it.
namespace fixture {

struct TableSet {
    QString name;
    // Each table's 64 values in row-major (natural) order.
    QVector<QVector<int>> tables;
};

// The nine table sets a widely used web encoder offers (luminance and
// chrominance each), to be scaled by its quality.
QVector<TableSet> webEncoderTableSets();
// The preset tables of a common imaging library, modelled on an editor's
// save settings, written as they stand.
QVector<TableSet> libraryPresetTableSets();
// Tables no catalogue holds but an encoder may write: steep, flat, radial,
// irregular.
QVector<TableSet> shapedTableSets();

// The picture encoded by cjpeg with `set` as its -qtables (scaled by the
// -quality among `options`; quality 50 writes them as they stand); empty
// when it cannot run.
QByteArray cjpegWithTables(const QImage& picture, const TableSet& set, const QStringList& options);
// The picture encoded by ImageMagick's convert with the given options;
// empty when it cannot run.
QByteArray convertJpeg(const QImage& picture, const QStringList& options);

} // namespace fixture
