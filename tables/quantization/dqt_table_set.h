#pragma once

#include <QtGlobal>

// Catalogue entries of the quantization table library: complete DQT segment
// images (marker, length field, and two or three tables each preceded by its
// precision/id byte), built at compile time.
namespace quant {

constexpr int kTableValues = 64;
constexpr int kTwoTableSize = 134;
constexpr int kThreeTableSize = 199;
constexpr int kOneTableSize = 69;

// 64 quantisers in the order a DQT segment stores them (zigzag order).
struct QuantTable {
    quint8 v[kTableValues];
};

struct DqtTableSet {
    quint8 bytes[kThreeTableSize];
    int tableCount; // 2 or 3

    constexpr int size() const { return tableCount == 2 ? kTwoTableSize : kThreeTableSize; }
    // Start of table t by position in the image, whatever id byte precedes it.
    constexpr const quint8* table(int t) const { return bytes + 5 + (kTableValues + 1) * t; }
};

namespace detail {

constexpr void putTable(DqtTableSet& set, int position, quint8 id, const QuantTable& t)
{
    const int start = 4 + (kTableValues + 1) * position;
    set.bytes[start] = id;
    for (int i = 0; i < kTableValues; ++i)
        set.bytes[start + 1 + i] = t.v[i];
}

constexpr DqtTableSet header(int tableCount)
{
    DqtTableSet set{};
    set.tableCount = tableCount;
    set.bytes[0] = 0xFF;
    set.bytes[1] = 0xDB;
    set.bytes[2] = 0x00;
    set.bytes[3] = tableCount == 2 ? 0x84 : 0xC5;
    return set;
}

} // namespace detail

constexpr DqtTableSet twoTables(const QuantTable& t0, const QuantTable& t1)
{
    DqtTableSet set = detail::header(2);
    detail::putTable(set, 0, 0, t0);
    detail::putTable(set, 1, 1, t1);
    return set;
}

// A two-table segment whose first table carries id 1 and second id 0, as
// some writers store them.
constexpr DqtTableSet twoTablesIdsSwapped(const QuantTable& t0, const QuantTable& t1)
{
    DqtTableSet set = detail::header(2);
    detail::putTable(set, 0, 1, t0);
    detail::putTable(set, 1, 0, t1);
    return set;
}

constexpr DqtTableSet threeTables(const QuantTable& t0, const QuantTable& t1, const QuantTable& t2)
{
    DqtTableSet set = detail::header(3);
    detail::putTable(set, 0, 0, t0);
    detail::putTable(set, 1, 1, t1);
    detail::putTable(set, 2, 2, t2);
    return set;
}

} // namespace quant
