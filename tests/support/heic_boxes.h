#pragma once

#include <QByteArray>
#include <QList>
#include <QVector>

// A small reader of ISOBMFF boxes for checking rebuilt HEIC files.

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
