#pragma once

#include <QByteArray>
#include <QList>
#include <QVector>

// A small reader and writer of ISOBMFF boxes for building HEIC fixtures and
// checking rebuilt HEIC files.

// Appends the `width` low bytes of value, most significant first.
void appendBe(QByteArray& out, quint32 value, int width);

// A box of the given type around its payload; a full box with its version
// and flags before the payload.
QByteArray isoBox(const char* type, const QByteArray& payload);
QByteArray isoFullBox(const char* type, quint8 version, quint32 flags, const QByteArray& payload);

struct BoxRef {
    int start = 0;
    quint32 size = 0;
    QByteArray type;
    int end() const { return start + int(size); }
};

// The boxes one after the other from `from` up to `end`; stops at a size that
// is too small or runs past `end`.
QVector<BoxRef> walkBoxes(const QByteArray& file, int from, int end);

// The types of a list of boxes, e.g. {"hdlr", "dinf", ...}.
QList<QByteArray> boxTypes(const QVector<BoxRef>& boxes);

// The first box of that type in the list; a box of size 0 when absent.
BoxRef boxOfType(const QVector<BoxRef>& boxes, const QByteArray& type);

struct IlocItem {
    quint16 id = 0;
    quint16 method = 0;
    quint32 offset = 0;
    quint32 length = 0;
};

// An iloc box of version 1 with 4-byte offsets and lengths, one extent per
// item, as the rebuild writes it: its item_count and the items it holds.
struct IlocContent {
    quint16 itemCount = 0;
    QVector<IlocItem> items;
};
IlocContent readIloc(const QByteArray& file, const BoxRef& iloc);

quint32 be32At(const QByteArray& bytes, int pos);
