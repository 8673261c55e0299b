#include "heic_fixture.h"

#include "heic_boxes.h"

#include <QtEndian>

namespace {

// Filler bytes of 0x80 and above: they can form neither a slice start word
// nor a box tag, so only the units the recipe asks for are found.
QByteArray filler(int size, quint32 seed)
{
    QByteArray out(size, '\0');
    quint32 state = seed * 2654435761u + 12345u;
    for (int i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        out[i] = char(0x80 | (state >> 24));
    }
    return out;
}

QByteArray hdlrBox(int size)
{
    QByteArray payload(4, '\0');
    payload.append("pict", 4).append(QByteArray(12, '\0'));
    payload.append(QByteArray(size - 8 - payload.size() - 4, '\0'));
    return isoFullBox("hdlr", 0, 0, payload);
}

QByteArray dinfBox()
{
    QByteArray dref;
    appendBe(dref, 1, 4);
    dref.append(isoFullBox("url ", 0, 1, QByteArray())); // flags 1: data in this file
    return isoBox("dinf", isoFullBox("dref", 0, 0, dref));
}

QByteArray pitmBox(quint16 item)
{
    QByteArray payload;
    appendBe(payload, item, 2);
    return isoFullBox("pitm", 0, 0, payload);
}

QByteArray iinfBox(int entries)
{
    QByteArray payload;
    appendBe(payload, quint16(entries), 2);
    for (int id = 1; id <= entries; ++id) {
        QByteArray infe;
        appendBe(infe, quint16(id), 2);
        appendBe(infe, 0, 2);
        infe.append(id == entries ? "grid" : "hvc1", 4).append('\0');
        payload.append(isoFullBox("infe", 2, 0, infe));
    }
    return isoFullBox("iinf", 0, 0, payload);
}

QByteArray irefBox(int entries)
{
    QByteArray dimg;
    appendBe(dimg, quint16(entries), 2);
    appendBe(dimg, 2, 2);
    appendBe(dimg, 1, 2);
    appendBe(dimg, 2, 2);
    return isoFullBox("iref", 0, 0, isoBox("dimg", dimg));
}

QByteArray iprpBox()
{
    QByteArray ispe;
    appendBe(ispe, 4032, 4);
    appendBe(ispe, 3024, 4);
    return isoBox("iprp", isoBox("ipco", isoFullBox("ispe", 0, 0, ispe)));
}

QByteArray idatBox(quint32 sizeField)
{
    QByteArray grid;
    grid.append(char(0)).append(char(0)).append(char(5)).append(char(7));
    appendBe(grid, 4032, 2);
    appendBe(grid, 3024, 2);
    QByteArray out = isoBox("idat", grid);
    if (sizeField)
        qToBigEndian(sizeField, reinterpret_cast<uchar*>(out.data()));
    return out;
}

// An iloc box of E items with one extent each, the form whose size the
// rebuilt file's meta box assumes.
QByteArray ilocBox(int entries)
{
    QByteArray payload;
    payload.append(char(0x44)).append(char(0));
    appendBe(payload, quint16(entries), 2);
    for (int id = 1; id <= entries; ++id) {
        appendBe(payload, quint16(id), 2);
        appendBe(payload, id == entries ? 1 : 0, 2);
        appendBe(payload, 0, 2);
        appendBe(payload, 1, 2);
        appendBe(payload, 0, 4);
        appendBe(payload, id == entries ? 8 : 0, 4);
    }
    return isoFullBox("iloc", 1, 0, payload);
}

QByteArray ftypBox()
{
    QByteArray payload("mif1", 4);
    appendBe(payload, 0, 4);
    payload.append("mif1heic", 8);
    return isoBox("ftyp", payload);
}

} // namespace

QVector<int> HeicFixture::sliceUnits() const
{
    const QVector<quint32> slice = sliceStartWords();
    QVector<int> out;
    for (int i = 0; i < words.size(); ++i) {
        if (slice.contains(words[i]))
            out.append(i);
    }
    return out;
}

QVector<quint32> sliceStartWords()
{
    return {0x2801AF84, 0x2801AF80, 0x2801AEE0, 0x2601AFB0, 0x2601AFE0};
}

QVector<HevcUnitRecipe> idrSlices(int count, quint32 word)
{
    QVector<HevcUnitRecipe> units;
    for (int i = 0; i < count; ++i) {
        HevcUnitRecipe unit;
        unit.word = word;
        unit.bodySize = 40 + (i % 7) * 13;
        units.append(unit);
    }
    return units;
}

HeicFixtureRecipe idrSliceRecipe(HeicBoxLayout order, int slices, int entryCount)
{
    HeicFixtureRecipe recipe;
    recipe.order = order;
    recipe.units = idrSlices(slices);
    recipe.entryCount = entryCount;
    return recipe;
}

HeicFixture buildHeicFixture(const HeicFixtureRecipe& recipe)
{
    HeicFixture fixture;
    const bool metaFirst = recipe.order == HeicBoxLayout::MetaFirst;
    const int hdlrSize = recipe.hdlrSize ? recipe.hdlrSize : (metaFirst ? 33 : 34);
    const int entries = recipe.entryCount;

    QByteArray media = recipe.beforeUnits;
    QVector<int> mediaPos;
    for (int i = 0; i < recipe.units.size(); ++i) {
        const HevcUnitRecipe& unit = recipe.units[i];
        QByteArray bytes;
        appendBe(bytes, unit.word, 4);
        bytes.append(unit.body.isEmpty() ? filler(unit.bodySize, quint32(i)) : unit.body);
        mediaPos.append(media.size());
        appendBe(media, unit.lengthField ? unit.lengthField : quint32(bytes.size()), 4);
        media.append(bytes);
        fixture.unitSize.append(bytes.size() + 4);
        fixture.words.append(unit.word);
    }
    media.append(recipe.afterUnits);
    const QByteArray mdat = isoBox("mdat", media);

    const QByteArray iinf = recipe.withIinf ? iinfBox(entries) : QByteArray();
    QByteArray metaPayload = hdlrBox(hdlrSize);
    if (metaFirst) {
        metaPayload += dinfBox() + pitmBox(quint16(entries)) + iinf + irefBox(entries) + iprpBox();
        metaPayload += recipe.ilocBeforeIdat ? ilocBox(entries) + idatBox(recipe.idatSizeField)
                                           : idatBox(recipe.idatSizeField) + ilocBox(entries);
    } else {
        metaPayload += iinf + pitmBox(quint16(entries)) + iprpBox() + ilocBox(entries);
        metaPayload += recipe.idatBeforeIref ? idatBox(recipe.idatSizeField) + irefBox(entries)
                                           : irefBox(entries) + idatBox(recipe.idatSizeField);
    }
    const QByteArray meta = isoFullBox("meta", 0, 0, metaPayload);

    fixture.bytes = recipe.beforeFtyp + ftypBox();
    const QByteArray& first = metaFirst ? meta : mdat;
    const QByteArray& second = metaFirst ? mdat : meta;
    const int mediaStart = fixture.bytes.size() + (metaFirst ? meta.size() : 0) + 8;
    fixture.metaStart = fixture.bytes.size() + (metaFirst ? 0 : mdat.size());
    fixture.bytes += first + second;
    for (const int pos : mediaPos)
        fixture.unitPos.append(mediaStart + pos);
    return fixture;
}
