#!/usr/bin/env python3
"""Writes the five quantization catalogue sources of tables/quantization/.

Standard members (the Annex K tables scaled by quality) are written as calls
of the constexpr generator in quality_tables.h, so the catalogue and the tests
share one definition. Every other table is written out as values. Its source
is, in order of preference:

  * a prefix of 25 values that the catalogue layout fixes, completed with the
    last 39 values of the scaled Annex K table nearest to that prefix;
  * an Annex K table scaled the way encoders scale it: linear scale S percent
    rounded ((base * S + 50) / 100, the libjpeg rule; quality q is S = 5000/q
    below 50 and 200 - 2q above) or truncated (base * S / 100);
  * such a table with its first (DC) value set on its own, as cameras write
    it when the DC step is chosen apart from the AC steps.

Every table chosen this way differs in its first 25 values from every other
table of its class, unless the layout says two tables share them, so that no
candidate shadows another.

Run from the repository root: python3 tools/quant_catalogue/generate_catalogues.py
"""

import os
import sys

ZIGZAG = [0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5,
          12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6, 7, 14, 21, 28,
          35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
          58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63]

LUMINANCE = [16, 11, 10, 16, 24, 40, 51, 61,
             12, 12, 14, 19, 26, 58, 60, 55,
             14, 13, 16, 24, 40, 57, 69, 56,
             14, 17, 22, 29, 51, 87, 80, 62,
             18, 22, 37, 56, 68, 109, 103, 77,
             24, 35, 55, 64, 81, 104, 113, 92,
             49, 64, 78, 87, 103, 121, 120, 101,
             72, 92, 95, 98, 112, 100, 103, 99]

CHROMINANCE = [17, 18, 24, 47, 99, 99, 99, 99,
               18, 21, 26, 66, 99, 99, 99, 99,
               24, 26, 56, 99, 99, 99, 99, 99,
               47, 66, 99, 99, 99, 99, 99, 99] + [99] * 32

BASES = {'lum': LUMINANCE, 'chr': CHROMINANCE}
PREFIX = 25


def scale_of_quality(q):
    return 5000 // q if q < 50 else 200 - 2 * q


def scaled(base, scale, rounding):
    return tuple(min(255, max(1, (BASES[base][ZIGZAG[i]] * scale + rounding) // 100))
                 for i in range(64))


def with_first(values, first):
    return (first,) + tuple(values[1:])


class Table:
    """One table: its values, and how the catalogue source writes it."""

    def __init__(self, values, expr=None, origin=''):
        self.values = tuple(values)
        self.expr = expr        # constexpr call for standard members
        self.origin = origin    # provenance comment for written-out tables
        self.name = None

    def prefix(self):
        return self.values[:PREFIX]


def std_lum(q, first=None):
    t = Table(scaled('lum', scale_of_quality(q), 50), 'luminanceAtQuality(%d)' % q)
    return _first(t, first)


def std_chr(q, first=None):
    t = Table(scaled('chr', scale_of_quality(q), 50), 'chrominanceAtQuality(%d)' % q)
    return _first(t, first)


def trunc_lum(s, first=None):
    t = Table(scaled('lum', s, 0), 'luminanceAtTruncatedScale(%d)' % s)
    return _first(t, first)


def trunc_chr(s, first=None):
    t = Table(scaled('chr', s, 0), 'chrominanceAtTruncatedScale(%d)' % s)
    return _first(t, first)


def ones_with_first(first):
    return Table((first,) + (1,) * 63, 'withFirstValue(luminanceAtQuality(100), %d)' % first)


def _first(t, first):
    if first is None:
        return t
    return Table(with_first(t.values, first), 'withFirstValue(%s, %d)' % (t.expr, first))


# --- the pool of scaled tables -------------------------------------------

def quality_note(scale):
    for q in range(1, 101):
        if scale_of_quality(q) == scale:
            return ' (quality %d)' % q
    return ''


def pool(base):
    """All distinct scaled tables of a base, nearest-to-natural first."""
    seen = {}
    for s in range(1, 1001):
        for rounding, kind in ((50, 'rounded'), (0, 'truncated')):
            v = scaled(base, s, rounding)
            if v not in seen:
                note = quality_note(s) if rounding == 50 else ''
                seen[v] = '%s, scale %d%%, %s%s' % (
                    'Annex K luminance' if base == 'lum' else 'Annex K chrominance', s, kind, note)
    return [(v, o) for v, o in seen.items()]


POOLS = {b: pool(b) for b in BASES}


def scale_rank(origin):
    return int(origin.split('scale ')[1].split('%')[0])


class Catalogue:
    """Tables already placed in one class, for the uniqueness rule."""

    def __init__(self, lo, hi):
        self.lo, self.hi = lo, hi
        self.prefixes = set()

    def in_range(self, values):
        return all(self.lo <= v <= self.hi for v in values)

    def add(self, table):
        assert self.in_range(table.values), (table.origin, table.values)
        self.prefixes.add(table.prefix())
        return table

    def free(self, values):
        return tuple(values[:PREFIX]) not in self.prefixes and self.in_range(values)

    def pick(self, base, first, near_scale=None):
        """A scaled table of `base` beginning with `first`, not yet used."""
        natural = [(v, o) for v, o in POOLS[base] if v[0] == first]
        natural.sort(key=lambda vo: (abs(scale_rank(vo[1]) - near_scale) if near_scale else 0,
                                     scale_rank(vo[1])))
        for v, o in natural:
            if self.free(v):
                return self.add(Table(v, origin=o))
        # Tables whose own DC step is near `first`, DC set apart.
        forced = sorted(POOLS[base], key=lambda vo: (abs(vo[0][0] - first),
                                                     abs(scale_rank(vo[1]) - near_scale)
                                                     if near_scale else 0,
                                                     scale_rank(vo[1])))
        for v, o in forced:
            fv = with_first(v, first)
            if self.free(fv):
                return self.add(Table(fv, origin=o + ', DC step set to %d' % first))
        raise RuntimeError('no table for %s %d' % (base, first))

    def complete(self, base, given):
        """The fixed first values `given`, completed from the nearest scaled table."""
        n = len(given)
        best = min(POOLS[base], key=lambda vo: (sum(abs(a - b) for a, b in zip(vo[0], given)),
                                                scale_rank(vo[1])))
        values = tuple(given) + tuple(min(self.hi, max(self.lo, x)) for x in best[0][n:])
        return self.add(Table(values, origin='first %d values fixed; the rest from %s' % (n, best[1])))

    def std(self, table):
        return self.add(table)


def scale_hint(table):
    if table.origin and 'scale ' in table.origin:
        return scale_rank(table.origin)
    if table.expr and 'Quality(' in table.expr:
        q = int(table.expr.split('Quality(')[1].split(')')[0])
        return scale_of_quality(q)
    if table.expr and 'Scale(' in table.expr:
        return int(table.expr.split('Scale(')[1].split(')')[0])
    return None


def own_pair(cat, d, e, t1=None, given0=None, given1=None, t0=None):
    """A two-table candidate: t0 begins with d, t1 with e."""
    if t0 is None:
        t0 = cat.complete('lum', given0) if given0 else cat.pick('lum', d)
    if t1 is None:
        t1 = cat.complete('chr', given1) if given1 else cat.pick('chr', e, scale_hint(t0))
    return [t0, t1]


def own_triple(cat, d, e, given0=None, given1=None):
    t0, t1 = own_pair(cat, d, e, given0=given0, given1=given1)
    return [t0, t1, t1]


class StdSet(list):
    """A standard member written as one generator call."""

    def __init__(self, expr, tables):
        super().__init__(tables)
        self.expr = expr


def quality_pair(cat, q):
    return StdSet('qualityPair(%d)' % q, [cat.std(std_lum(q)), cat.std(std_chr(q))])


def quality_triple(cat, q):
    return StdSet('qualityTriple(%d)' % q, [cat.std(std_lum(q)), cat.std(std_chr(q)), std_chr(q)])


def parse(text):
    return [int(x) for x in text.split()]


# --- writing the sources ---------------------------------------------------

def literal(values, indent):
    rows = []
    for i in range(0, 64, 16):
        rows.append(', '.join('%d' % v for v in values[i:i + 16]))
    pad = ' ' * indent
    return 'QuantTable{{' + (',\n' + pad + '           ').join(rows) + '}}'


def table_ref(t):
    return t.expr if t.expr else t.name


def set_expr(tables, swapped=False):
    if isinstance(tables, StdSet):
        return tables.expr
    if len(tables) == 3:
        return 'threeTables(%s, %s, %s)' % tuple(table_ref(t) for t in tables)
    fn = 'twoTablesIdsSwapped' if swapped else 'twoTables'
    return '%s(%s, %s)' % (fn, table_ref(tables[0]), table_ref(tables[1]))


def named_tables(entries, label):
    out = []
    for key, tables, _ in entries:
        for i, t in enumerate(tables):
            if t.expr is None and t.name is None:
                t.name = 'k%sT%d' % (label(key), i)
                out.append('// %s\nconstexpr QuantTable %s = %s;\n'
                           % (t.origin, t.name, literal(t.values, 0)))
    return out


HEADER = '''// Generated by tools/quant_catalogue/generate_catalogues.py; edit the
// generator, not this file.
'''


def prologue(header, declarations):
    return [HEADER, '#include "%s"\n#include "quality_tables.h"\n\n#include <iterator>\n\n' % header,
            'namespace {\n\nusing namespace quant;\n\n', '\n'.join(declarations)]


def epilogue(catalogue_type, accessor):
    return ('} // namespace\n\nconst quant::%s& quant::%s()\n{\n    return kCatalogue;\n}\n'
            % (catalogue_type, accessor))


def write(path, text):
    with open(path, 'w') as f:
        f.write(text)


# --- DC-1 catalogue ----------------------------------------------------------

def dc1():
    cat = Catalogue(1, 176)
    repeats = {15: 6, 20: 18, 33: 32, 38: 9, 41: 6, 42: 32, 43: 37, 44: 32, 45: 36, 46: 32,
               47: 32, 48: 4, 49: 4, 51: 50, 52: 13, 53: 16, 55: 13, 57: 17, 58: 56, 59: 17,
               66: 61, 68: 62, 69: 13, 71: 62, 72: 70, 76: 1, 79: 77, 82: 77, 84: 80, 85: 78,
               86: 13, 87: 13, 90: 16}
    entries = {}
    std_pairs = {1: 100, 7: 97, 13: 99, 16: 96, 24: 98}
    for pos, q in std_pairs.items():
        entries[pos] = quality_pair(cat, q)
    entries[23] = [std_chr(98), std_lum(98)]  # ids swapped; same tables as 24
    entries[93] = quality_triple(cat, 100)
    given = {
        2: ('1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 2 1 1 1 1 1 2 2 2 1',
            '1 1 1 1 1 1 2 1 1 2 5 3 3 3 5 5 5 5 5 5 5 5 5 5 5'),
        4: ('1 1 1 2 1 1 2 2 2 2 3 2 2 3 3 6 4 3 3 3 3 7 5 8 4',
            '4 4 4 5 4 5 9 5 5 9 15 10 8 10 15 26 19 9 9 19 26 26 26 26 13'),
        19: ('1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 2 1 1 1',
             '1 1 1 2 1 2 3 2 2 3 4 4 3 4 4 5 5 5 5 5 5 5 5 5 5'),
        39: ('3 2 2 3 2 2 3 3 2 3 3 3 3 4 5 8 5 5 4 4 5 9 7 6 8',
             '3 3 3 5 4 5 9 3 3 9 25 19 17 19 25 25 25 25 25 25 25 25 25 25 25'),
    }
    for pos, (a, b) in given.items():
        entries[pos] = own_pair(cat, 1, None, given0=parse(a), given1=parse(b))
    entries[94] = own_triple(cat, 1, None,
                             given0=parse('1 1 1 1 1 1 1 1 1 1 1 1 1 2 2 3 2 2 1 1 1 1 1 1 2'),
                             given1=parse('1 1 1 1 2 4 4 4 4 1 1 3 4 4 4 4 4 4 4 2 1 2 3 4 4'))
    # Position 80 shares position 19's luminance table, with a chroma table of its own.
    std_chroma_t1 = {27: 98, 61: 98, 54: 99, 78: 97, 83: 96}
    for pos, q in std_chroma_t1.items():
        entries[pos] = own_pair(cat, 1, None, t1=std_chr(q))
    # First values of t1 over all 95 entries: 81 ones, 7 twos, 6 fours, one 3.
    free = [p for p in range(1, 93) if p not in repeats and p not in entries and p != 80]
    multiplicity = {p: 1 + sum(1 for r, o in repeats.items() if o == p) for p in free + [80]}
    want = {4: 6 - 3, 2: 7}  # position 4 and its two repeats already begin with 4
    first_of_t1 = {}
    for value in (4, 2):
        need = want[value]
        for p in reversed(free):
            if need == 0:
                break
            if p not in first_of_t1 and multiplicity[p] <= need:
                first_of_t1[p] = value
                need -= multiplicity[p]
        assert need == 0
    entries[80] = own_pair(cat, 1, first_of_t1.get(80, 1), t0=entries[19][0])
    for p in free:
        entries[p] = own_pair(cat, 1, first_of_t1.get(p, 1))
    entries[95] = own_triple(cat, 1, 1)
    for r, o in repeats.items():
        entries[r] = entries[o]
    assert sorted(entries) == list(range(1, 96))
    counts = {}
    for p in range(1, 96):
        counts[entries[p][1].values[0]] = counts.get(entries[p][1].values[0], 0) + 1
    assert counts == {1: 81, 2: 7, 4: 6, 3: 1}, counts
    rows = []
    for p in range(1, 96):
        note = ' (repeat of %d)' % repeats[p] if p in repeats else ''
        rows.append((p, entries[p], note, p == 23))
    return flat_source('quantization_standardtables.h', 'standardTablesCatalogue', rows, 19,
                       'Pos%02d', repeats)


# --- DC-2 catalogue ----------------------------------------------------------

def dc2():
    cat = Catalogue(1, 18)
    repeats = {6: 2, 9: 1, 20: 4, 23: 4, 24: 10, 25: 18}
    entries = {}
    for pos, q in {1: 95, 4: 94, 10: 93}.items():
        entries[pos] = quality_pair(cat, q)
    entries[27] = quality_triple(cat, 93)
    given = {
        2: ('2 2 2 2 2 2 2 2 2 2 3 2 2 2 3 4 3 2 2 3 4 5 4 4 4',
            '3 3 3 5 4 5 9 6 6 9 13 10 9 10 13 15 14 14 14 14 15 15 12 12 12'),
        8: ('2 1 1 1 1 1 2 1 1 1 2 2 2 2 3 5 3 3 2 2 3 6 4 4 3',
            '3 3 3 4 3 4 8 4 4 8 18 12 10 12 18 18 18 18 18 18 18 18 18 18 18'),
        26: ('2 1 1 2 1 1 2 2 1 2 2 2 2 2 2 3 2 2 2 2 2 4 3 3 3',
             '2 2 2 2 2 2 4 2 2 4 8 5 5 5 8 8 8 8 8 8 8 8 8 8 8'),
    }
    for pos, (a, b) in given.items():
        entries[pos] = own_pair(cat, 2, None, given0=parse(a), given1=parse(b))
    for pos in (16, 19):
        entries[pos] = own_pair(cat, 2, None, t1=std_chr(95))
    # Position 22 shares position 8's luminance table.
    entries[22] = own_pair(cat, 2, 2, t0=entries[8][0])
    for p in range(1, 27):
        if p not in entries and p not in repeats:
            entries[p] = own_pair(cat, 2, 3 if p in (3, 18) else 2)
    for r, o in repeats.items():
        entries[r] = entries[o]
    firsts = [p for p in range(1, 28) if entries[p][1].values[0] == 3]
    assert firsts == [2, 3, 6, 8, 18, 25], firsts
    rows = [(p, entries[p], ' (repeat of %d)' % repeats[p] if p in repeats else '', False)
            for p in range(1, 28)]
    return flat_source('quantization_standard_02.h', 'standard02Catalogue', rows, 8,
                       'Pos%02d', repeats)


def flat_source(header, accessor, rows, strict_position, fmt, repeats):
    entries = [(p, tables, None) for p, tables, _, _ in rows if p not in repeats]
    out = prologue(header, named_tables(entries, lambda p: fmt % p))
    out.append('\n// Entries in match order; each is preceded by its position.\n')
    out.append('constexpr DqtTableSet kEntries[] = {\n')
    for p, tables, note, swapped in rows:
        out.append('    // %d%s\n    %s,\n' % (p, note, set_expr(tables, swapped)))
    out.append('};\n\n')
    out.append('// Position %d takes a two-table segment only when both of its tables match.\n'
               % strict_position)
    out.append('constexpr FlatCatalogue kCatalogue{kEntries, int(std::size(kEntries)), %d};\n\n'
               % (strict_position - 1))
    out.append(epilogue('FlatCatalogue', accessor))
    return ''.join(out)


# --- grouped catalogues ------------------------------------------------------

class Group:
    def __init__(self, d, count, tables_per, rule='EitherTable', row1_first=0):
        self.d, self.count, self.tables_per = d, count, tables_per
        self.rule, self.row1_first = rule, row1_first
        self.candidates = {}


def fill_group(cat, group, t1_first):
    for c in range(1, group.count + 1):
        if c in group.candidates:
            continue
        e = t1_first.get(c, group.d)
        if group.tables_per == 2:
            group.candidates[c] = own_pair(cat, group.d, e)
        else:
            group.candidates[c] = own_triple(cat, group.d, e)


def grouped_source(header, accessor, groups):
    entries = []
    for g, group in enumerate(groups, 1):
        for c in range(1, group.count + 1):
            entries.append(((g, c), group.candidates[c], None))
    out = prologue(header, named_tables(entries, lambda gc: 'G%02dC%02d' % gc))
    for g, group in enumerate(groups, 1):
        out.append('\n// Group %d: DC value %d, %d tables per candidate.\n'
                   % (g, group.d, group.tables_per))
        out.append('constexpr DqtTableSet kGroup%d[] = {\n' % g)
        for c in range(1, group.count + 1):
            out.append('    // candidate %d\n    %s,\n' % (c, set_expr(group.candidates[c])))
        out.append('};\n')
    out.append('\n// Groups in catalogue order.\nconstexpr CandidateGroup kGroups[] = {\n')
    for g, group in enumerate(groups, 1):
        out.append('    {%d, %d, TwoFilledRule::%s, %d, kGroup%d, int(std::size(kGroup%d))},\n'
                   % (group.d, group.tables_per, group.rule, group.row1_first, g, g))
    out.append('};\n\nconstexpr GroupedCatalogue kCatalogue{kGroups, int(std::size(kGroups))};\n\n')
    out.append(epilogue('GroupedCatalogue', accessor))
    return ''.join(out)


def dc345():
    cat = Catalogue(1, 254)
    g = [Group(3, 20, 2, 'TakeFirst'), Group(4, 30, 2, 'TakeFirst'), Group(5, 17, 2, 'TakeFirst'),
         Group(3, 3, 3), Group(4, 25, 3)]
    pair = lambda q: quality_pair(cat, q)
    triple = lambda q: quality_triple(cat, q)
    g[0].candidates[1] = pair(90)
    g[0].candidates[2] = own_pair(cat, 3, 3,
                                  given0=parse('3 2 2 10 8 10 8 8 8 8 8 8 8 8 8 8 8 8 8 8 8 8 8 8 8'),
                                  given1=parse('3 4 4 6 5 6 8 6 6 10 13 12 12 12 13 12 12 8 8 12 12 12 8 8 8'))
    g[1].candidates[1] = own_pair(cat, 4, 4,
                                  given0=parse('4 3 3 2 1 1 2 1 2 1 2 1 2 1 2 1 4 1 4 4 4 4 4 4 4'),
                                  given1=parse('4 3 3 2 2 1 1 1 2 1 2 1 2 1 2 1 6 6 6 6 6 6 6 7 7'))
    g[1].candidates[2] = pair(87)
    g[1].candidates[4] = pair(88)
    g[1].candidates[21] = own_pair(cat, 4, 4, t1=cat.std(ones_with_first(4)))
    g[2].candidates[1] = pair(85)
    g[2].candidates[2] = own_pair(cat, 5, 5,
                                  given0=parse('5 3 3 4 3 3 5 4 4 4 5 5 5 6 7 13 8 7 7 7 7 16 11 12 9'),
                                  given1=parse('5 5 5 7 6 7 15 8 8 15 32 21 18 21 21 32 32 32 32 32 32 32 32 32 32'))
    g[2].candidates[10] = own_pair(cat, 5, 2, t1=cat.std(std_chr(93)))
    g[2].candidates[12] = [cat.std(std_lum(66, 5)), cat.std(std_chr(66, 5))]
    g[2].candidates[13] = own_pair(cat, 5, 5, t1=cat.std(std_chr(69, 5)))
    g[3].candidates[1] = triple(92)
    g[3].candidates[2] = triple(91)
    g[3].candidates[3] = own_triple(cat, 3, 4,
                                    given0=parse('3 3 3 3 3 2 3 3 3 3 4 4 3 4 5 8 5 5 5 5 5 11 8 8 6'),
                                    given1=parse('4 4 4 5 5 5 10 5 5 10 21 14 12 14 21 21 21 21 21 21 21 21 21 21 21'))
    g[4].candidates[1] = own_triple(cat, 4, 4,
                                    given0=parse('4 2 2 3 2 2 3 3 3 3 4 4 3 4 5 9 6 5 5 5 5 11 8 8 6'),
                                    given1=parse('4 4 4 5 5 5 11 6 6 11 23 15 13 13 23 23 23 23 23 23 23 23 23 23 23'))
    c99 = cat.std(std_chr(99, 4))
    g[4].candidates[2] = [cat.pick('lum', 4), c99, c99]
    g[4].candidates[6] = [ones_with_first(4)] * 3
    fill_group(cat, g[0], {11: 4, 13: 4, 14: 4, 16: 4, 18: 4})
    for group in g[1:]:
        fill_group(cat, group, {})
    return grouped_source('quantization_standard_3_4_5.h', 'standard345Catalogue', g)


def dc6():
    cat = Catalogue(2, 243)
    g = [Group(6, 11, 2, 'TakeFirst'), Group(8, 15, 2, 'TakeFirst'), Group(9, 14, 2, 'TakeFirst'),
         Group(16, 6, 2), Group(18, 3, 2), Group(7, 2, 3), Group(8, 3, 3), Group(9, 1, 3)]
    pair = lambda q, f=None: (quality_pair(cat, q) if f is None
                              else [cat.std(std_lum(q, f)), cat.std(std_chr(q, f))])
    triple = lambda q: quality_triple(cat, q)
    with_t1 = lambda d, t1: own_pair(cat, d, None, t1=cat.std(t1))
    g[0].candidates[1] = own_pair(cat, 6, 7, given0=parse('6 4 5 6 5 4 6 6 5 6 7 7 6 8 10 17 11 10 9 9 10 21 15 16 12'))
    g[0].candidates[2] = with_t1(6, std_chr(82))
    g[0].candidates[4] = pair(80)
    g[0].candidates[7] = with_t1(6, std_chr(80))
    g[0].candidates[10] = with_t1(6, std_chr(62, 6))
    g[0].candidates[11] = with_t1(6, trunc_chr(81, 6))
    g[1].candidates[1] = pair(75)
    g[1].candidates[3] = [cat.std(trunc_lum(50)), cat.std(trunc_chr(50))]
    g[1].candidates[8] = with_t1(8, trunc_chr(97, 8))
    g[1].candidates[9] = pair(50, 8)
    g[1].candidates[11] = with_t1(8, std_chr(53, 8))
    g[1].candidates[14] = pair(51, 8)
    g[1].candidates[15] = with_t1(8, std_chr(52, 8))
    g[2].candidates[1] = own_pair(cat, 9, 9, given0=parse('9 6 6 8 6 5 9 8 7 8 10 9 9 11 13 22 15 13 12 12 13 28 19 21 16'))
    g[2].candidates[2] = pair(72)
    g[2].candidates[9] = with_t1(9, std_chr(44, 9))
    g[2].candidates[10] = pair(43, 9)
    g[2].candidates[14] = with_t1(9, std_chr(46, 9))
    g[3].candidates[1] = own_pair(cat, 16, 17, given0=parse('16 11 11 11 12 11 16 12 12 16 23 15 13 15 23 27 20 16 16 20 27 31 23 23 23'))
    g[3].candidates[5] = pair(50)
    g[4].candidates[1] = own_pair(cat, 18, 20, given0=parse('18 14 14 22 16 22 35 21 21 35 44 34 27 34 44 39 28 28 28 28 39 34 23 23 23'))
    g[4].candidates[3] = pair(44)
    g[5].candidates[1] = triple(77)
    g[5].candidates[2] = triple(78)
    t0 = cat.complete('lum', parse('8 4 4 7 3 3 6 2 2 5 5 5 4 6 6 3 7 7 9 8 8 10 9 9 11'))
    t1 = cat.pick('chr', 9, scale_hint(t0))
    t2 = cat.pick('chr', 8, scale_hint(t0))
    g[6].candidates[1] = [t0, t1, t2]  # the one candidate whose third table differs
    g[6].candidates[2] = triple(76)
    g[6].candidates[3] = triple(75)
    g[7].candidates[1] = triple(73)
    assert g[7].candidates[1][0].prefix() == tuple(parse('9 6 6 8 6 5 9 8 7 8 10 9 9 10 13 22 14 13 12 12 13 26 19 20 16'))
    plus_one = {0: [3, 5], 1: [2, 5], 2: [3], 3: [3, 6]}
    for gi, group in enumerate(g[:5]):
        t1_first = {c: group.d + 1 for c in plus_one.get(gi, [])}
        if gi == 1:
            t1_first[4] = 6
        if gi == 4:
            t1_first[2] = 20
        fill_group(cat, group, t1_first)
    return grouped_source('quantization_standard_6_8_9_10_12.h', 'standard6to18Catalogue', g)


def dc10():
    cat = Catalogue(1, 255)
    g = [Group(10, 9, 2), Group(11, 5, 2), Group(12, 2, 2), Group(13, 2, 2), Group(20, 2, 2),
         Group(21, 1, 2), Group(27, 1, 2), Group(32, 1, 2, 'Row1FirstValue', 33),
         Group(33, 1, 2, 'TakeFirst'), Group(43, 1, 2), Group(50, 1, 2),
         Group(80, 1, 2, 'TakeFirst'), Group(10, 1, 3), Group(11, 1, 3), Group(12, 1, 3)]
    pair = lambda q: quality_pair(cat, q)
    triple = lambda q: quality_triple(cat, q)
    with_t1 = lambda d, t1: own_pair(cat, d, None, t1=cat.std(t1))
    g[0].candidates[1] = pair(70)
    g[0].candidates[3] = with_t1(10, trunc_chr(125, 10))
    g[0].candidates[5] = with_t1(10, trunc_chr(131, 10))
    g[1].candidates[1] = pair(65)
    g[1].candidates[5] = with_t1(11, trunc_chr(135, 11))
    g[2].candidates[1] = own_pair(cat, 12, 13, given0=parse('12 8 8 8 9 8 12 9 9 12 17 11 10 11 17 21 15 12 12 15 21 24 19 19 21'))
    g[3].candidates[1] = pair(60)
    g[3].candidates[2] = own_pair(cat, 13, 14, t0=std_lum(60))
    g[4].candidates[1] = own_pair(cat, 20, None, t1=cat.std(std_chr(40)),
                                  given0=parse('20 14 15 18 15 13 20 18 15 18 23 21 20 24 30 50 33 30 28 28 30 61 44 46 36'))
    g[5].candidates[1] = [cat.std(trunc_lum(132)), cat.std(trunc_chr(132))]
    g[6].candidates[1] = own_pair(cat, 27, 29, given0=parse('27 26 26 41 29 41 65 38 38 65 66 47 47 47 66 39 28 28 28 28 39 34 23 23 23'))
    g[7].candidates[1] = own_pair(cat, 32, None, given0=parse('32 33 33 51 36 51 81 48 48 81 66 47 47 47 66 39 28 28 28 28 39 34 23 23 23'),
                                  given1=parse('34 51 51 52 38 41 34 24'))
    g[8].candidates[1] = own_pair(cat, 33, None, t1=cat.std(trunc_chr(209)),
                                  given0=parse('33 22 25 29 25 20 33 29 27 29 37 35 33 39 50 83 54 50 45 45 50 102 73 77 60'))
    g[9].candidates[1] = own_pair(cat, 43, None, t1=cat.std(trunc_chr(272)),
                                  given0=parse('43 29 32 38 32 27 43 38 35 38 48 46 43 51 65 108 70 65 59 59 65 133 95 100 78'))
    g[10].candidates[1] = pair(16)
    g[11].candidates[1] = pair(10)
    g[12].candidates[1] = triple(70)
    g[13].candidates[1] = triple(67)
    g[14].candidates[1] = triple(61)
    fill_group(cat, g[0], {})
    fill_group(cat, g[1], {})
    for group, e in ((g[2], 13), (g[3], 14), (g[4], 21)):
        fill_group(cat, group, {c: e for c in range(1, group.count + 1)})
    return grouped_source('quantization_standard_15_21_50_others.h', 'standard10to80Catalogue', g)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'tables', 'quantization')
    outputs = {
        'quantization_standardtables_catalogue.cpp': dc1(),
        'quantization_standard_02_catalogue.cpp': dc2(),
        'quantization_standard_3_4_5_catalogue.cpp': dc345(),
        'quantization_standard_6_8_9_10_12_catalogue.cpp': dc6(),
        'quantization_standard_15_21_50_others_catalogue.cpp': dc10(),
    }
    for name, text in outputs.items():
        write(os.path.join(root, name), text)
    return 0


if __name__ == '__main__':
    sys.exit(main())
