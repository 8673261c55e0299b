#pragma once

#include <QByteArray>
#include <QVector>
#include <QtGlobal>

// Reading ISOBMFF boxes held in memory.

struct BoxSpan {
    int start = 0;
    int size = 0;
    int end() const { return start + size; }
};

// The big-endian value of `width` bytes at pos; bytes outside read as 0.
quint32 readBigEndian(const QByteArray& bytes, int pos, int width);

// Appends the `width` low bytes of value, most significant first.
void appendBigEndian(QByteArray& out, quint32 value, int width);

// The boxes one after the other in [from, end); ends at a size that is too
// small for a box header or reaches past end.
QVector<BoxSpan> childBoxes(const QByteArray& bytes, int from, int end);

// The first of those boxes whose type is `type`; a span of size 0 when none.
BoxSpan childBox(const QByteArray& bytes, int from, int end, const char* type);
