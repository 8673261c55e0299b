#pragma once

#include <QByteArray>
#include <QSize>
#include <QVector>
#include <QtGlobal>

// Luma samples (width x height) of the coded pictures that an hvcC box (the
// whole box, header included) configures: the size its first sequence
// parameter set declares. 0 when the box holds no readable one.
quint64 hvcCPictureSamples(const QByteArray& hvcC);

// The coded picture size (width x height in luma samples) that the hvcC box's
// first sequence parameter set declares; an empty size when it has none
// readable.
QSize hvcCPictureSize(const QByteArray& hvcC);

// The parameter set NAL units (VPS, SPS, PPS, SEI) that an hvcC box carries,
// in box order, each without a length; empty when the box is cut.
QVector<QByteArray> hvcCParameterSets(const QByteArray& hvcC);

// The size of the length field before each NAL unit of the items that the
// hvcC box configures (1, 2 or 4 bytes); 0 when the box is too short.
int hvcCLengthSize(const QByteArray& hvcC);
