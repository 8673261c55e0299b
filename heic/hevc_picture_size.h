#pragma once

#include <QByteArray>
#include <QtGlobal>

// Luma samples (width x height) of the coded pictures that an hvcC box (the
// whole box, header included) configures: the size its first sequence
// parameter set declares. 0 when the box holds no readable one.
quint64 hvcCPictureSamples(const QByteArray& hvcC);
