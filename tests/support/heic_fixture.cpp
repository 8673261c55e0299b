#include "heic_fixture.h"

#include <QtEndian>

namespace {

void putBe16(QByteArray& out, quint16 v)
{
    out.append(char(v >> 8)).append(char(v));
}

void putBe32(QByteArray& out, quint32 v)
{
    out.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
}

// A box of the given type around its payload.
QByteArray box(const char* type, const QByteArray& payload)
{
    QByteArray out;
    putBe32(out, quint32(8 + payload.size()));
    out.append(type, 4).append(payload);
    return out;
}

QByteArray fullBox(const char* type, quint8 version, const QByteArray& payload)
{
    QByteArray head;
    putBe32(head, quint32(version) << 24);
    return box(type, head + payload);
}

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
    return fullBox("hdlr", 0, payload);
}

QByteArray dinfBox()
{
    QByteArray url = fullBox("url ", 0, QByteArray());
    url[11] = 1; // flags 1: data in this file
    QByteArray dref;
    putBe32(dref, 1);
    dref.append(url);
    return box("dinf", fullBox("dref", 0, dref));
}

QByteArray pitmBox(quint16 item)
{
    QByteArray payload;
    putBe16(payload, item);
    return fullBox("pitm", 0, payload);
}

QByteArray iinfBox(int entries)
{
    QByteArray payload;
    putBe16(payload, quint16(entries));
    for (int id = 1; id <= entries; ++id) {
        QByteArray infe;
        putBe16(infe, quint16(id));
        putBe16(infe, 0);
        infe.append(id == entries ? "grid" : "hvc1", 4).append('\0');
        payload.append(fullBox("infe", 2, infe));
    }
    return fullBox("iinf", 0, payload);
}

QByteArray irefBox(int entries)
{
    QByteArray dimg;
    putBe16(dimg, quint16(entries));
    putBe16(dimg, 2);
    putBe16(dimg, 1);
    putBe16(dimg, 2);
    return fullBox("iref", 0, box("dimg", dimg));
}

QByteArray iprpBox()
{
    QByteArray ispe;
    putBe32(ispe, 4032);
    putBe32(ispe, 3024);
    return box("iprp", box("ipco", fullBox("ispe", 0, ispe)));
}

QByteArray idatBox(quint32 sizeField)
{
    QByteArray grid;
    grid.append(char(0)).append(char(0)).append(char(5)).append(char(7));
    putBe16(grid, 4032);
    putBe16(grid, 3024);
    QByteArray out = box("idat", grid);
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
    putBe16(payload, quint16(entries));
    for (int id = 1; id <= entries; ++id) {
        putBe16(payload, quint16(id));
        putBe16(payload, id == entries ? 1 : 0);
        putBe16(payload, 0);
        putBe16(payload, 1);
        putBe32(payload, 0);
        putBe32(payload, id == entries ? 8 : 0);
    }
    return fullBox("iloc", 1, payload);
}

QByteArray ftypBox()
{
    QByteArray payload("mif1", 4);
    putBe32(payload, 0);
    payload.append("mif1heic", 8);
    return box("ftyp", payload);
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
        putBe32(bytes, unit.word);
        bytes.append(unit.body.isEmpty() ? filler(unit.bodySize, quint32(i)) : unit.body);
        mediaPos.append(media.size());
        putBe32(media, unit.lengthField ? unit.lengthField : quint32(bytes.size()));
        media.append(bytes);
        fixture.unitSize.append(bytes.size() + 4);
        fixture.words.append(unit.word);
    }
    media.append(recipe.afterUnits);
    const QByteArray mdat = box("mdat", media);

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
    const QByteArray meta = fullBox("meta", 0, metaPayload);

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
