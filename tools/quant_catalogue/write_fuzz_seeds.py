#!/usr/bin/env python3
"""Writes the seed inputs of fuzz/fuzz_tables_quant.cpp.

Layout of an input: length selector (0: 67, 1: 132, 2: 197, else the byte
itself), one-table segment count, index (4 bytes, little-endian), the two
fill flags, prefix length and class for the direct matcher call, then the
signature rows.

Run from the repository root: python3 tools/quant_catalogue/write_fuzz_seeds.py
"""

import os

OUT = os.path.join('fuzz', 'corpus', 'fuzz_tables_quant')


def seed(name, selector, count, index, two, three, prefix, table_class, rows):
    data = (bytes([selector, count]) + index.to_bytes(4, 'little', signed=True)
            + bytes([two, three, prefix, table_class]) + bytes(rows))
    with open(os.path.join(OUT, name), 'wb') as f:
        f.write(data)


def main():
    os.makedirs(OUT, exist_ok=True)
    ones = [1] * 25
    lum97 = [1] * 15 + [2] + [1] * 5 + [2, 1, 1, 1]
    group32 = [32, 33, 33, 51, 36, 51, 81, 48, 48, 81, 66, 47, 47, 47, 66, 39,
               28, 28, 28, 28, 39, 34, 23, 23, 23]
    seed('two_table_empty_rows', 1, 0, 0, 0, 0, 25, 0, [])
    seed('two_table_ones', 1, 0, 0, 0, 0, 25, 0, ones + ones)
    seed('three_table_default', 2, 0, 0, 0, 0, 6, 2, [])
    seed('one_table_index1', 0, 2, 1, 0, 0, 1, 1, lum97)
    seed('one_table_index2_dc9', 0, 3, 2, 0, 0, 25, 3, [9] + [6] * 24 + [9] * 50)
    seed('dc32_row1_33', 1, 0, 0, 1, 0, 25, 4, group32 + [33])
    seed('odd_length_bad_index', 100, 200, -7, 9, 9, 40, 7, [4] * 75)


if __name__ == '__main__':
    main()
