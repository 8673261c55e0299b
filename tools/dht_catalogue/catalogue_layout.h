#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <vector>

// What each catalogue position must hold: its length field, key length, the
// class/identifier byte and value count of each table, and where a position
// is fixed, the first table's counts and leading values or a whole typical
// segment.
struct TableSlot {
    quint8 classAndId = 0;
    int valueCount = 0;
    QByteArray fixedCounts;    // 16 bytes, or empty
    QByteArray leadingValues;  // first code values, or empty
};

struct EntrySlot {
    int lengthField = 0;
    int keyLength = 21;
    std::vector<TableSlot> tables;
    QByteArray typicalSegment;  // the whole segment of a typical-table entry
    const char* typicalName = nullptr;
};

std::vector<EntrySlot> catalogueLayout();
