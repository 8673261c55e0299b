#pragma once

#include "heic/heic_state.h"

#include <QByteArray>
#include <QVector>

// Builds HEIC-shaped files for the tests: an ftyp box, the item boxes the
// rebuild copies and an mdat box of length-prefixed NAL units, in either box
// order.

// One NAL unit: its first four bytes, then `bodySize` filler bytes (or `body`
// when given). `lengthField` replaces the true length in the prefix when set.
struct HevcUnitRecipe {
    quint32 word = 0x2801AF80;
    int bodySize = 40;
    QByteArray body;
    quint32 lengthField = 0;
};

struct HeicFixtureRecipe {
    HeicBoxLayout order = HeicBoxLayout::MetaFirst;
    QVector<HevcUnitRecipe> units;
    QByteArray beforeUnits;  // bytes in the media data ahead of the first unit
    QByteArray afterUnits;   // bytes after the last unit
    int hdlrSize = 0;        // 0: 33 bytes meta-first, 34 bytes mdat-first
    int entryCount = 0;      // E, the entry count of the iinf box
    bool ilocBeforeIdat = false; // meta-first: iref, iprp, iloc, idat
    bool idatBeforeIref = false; // mdat-first: meta ends in idat, iref
    bool withIinf = true;
    QByteArray beforeFtyp;
    quint32 idatSizeField = 0;   // replaces the idat box's size field when set
};

struct HeicFixture {
    QByteArray bytes;
    QVector<int> unitPos;  // position of each unit's length prefix
    QVector<int> unitSize; // length prefix + unit
    int metaStart = 0;

    QByteArray unitBytes(int index) const { return bytes.mid(unitPos[index], unitSize[index]); }
    // Indices of the units that start with one of the five IDR slice words.
    QVector<int> sliceUnits() const;

    QVector<quint32> words; // start word of each unit
};

HeicFixture buildHeicFixture(const HeicFixtureRecipe& recipe);

// `count` IDR slice units with the given start word, of slightly different
// sizes so that misplaced extents show.
QVector<HevcUnitRecipe> idrSlices(int count, quint32 word = 0x2801AF80);

// A file of `slices` IDR slices in the given box order with the iinf entry
// count entryCount; 48 slices meta-first with 52 entries and 22 slices
// mdat-first with 24 entries are layouts the normal run rebuilds.
HeicFixtureRecipe idrSliceRecipe(HeicBoxLayout order, int slices, int entryCount);

// The five IDR slice start words, in the order the repair lists them.
QVector<quint32> sliceStartWords();
