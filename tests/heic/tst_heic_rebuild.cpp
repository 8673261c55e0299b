#include "file_open.h"
#include "fuzz_seed.h"
#include "global_state.h"
#include "heic/heic_state.h"
#include "heic_boxes.h"
#include "heic_extents.h"
#include "heic_fixture.h"
#include "heic_photo.h"
#include "heic_run.h"
#include "jpg_repair.h"
#include "temp_file.h"

#include <QDir>
#include <QtTest>

Q_DECLARE_METATYPE(HeicFixtureRecipe)

namespace {

using O = HeicBoxLayout;

const QByteArray kFtyp = QByteArray::fromHex("00000018667479706865696300000000" "6D69663168656963");

// The meta header the rebuilt file must carry, from the box layouts of
// ISO/IEC 23008-12: meta (version 0), hdlr "pict", dinf with a self-contained
// url entry, pitm naming the source's primary item.
QByteArray expectedMetaHeader(O order, int hdlrSize, quint16 primaryItem)
{
    const QByteArray meta = QByteArray::fromHex("6D65746100000000");
    QByteArray hdlr = QByteArray::fromHex("00000000" "68646C72" "0000000000000000" "70696374");
    hdlr[3] = char(hdlrSize);
    hdlr += QByteArray(hdlrSize - hdlr.size(), '\0');
    const QByteArray dinf = QByteArray::fromHex(
        "0000002464696E660000001C6472656600000000000000010000000C75726C2000000001");
    QByteArray pitm = QByteArray::fromHex("0000000E7069746D00000000");
    pitm.append(char(primaryItem >> 8)).append(char(primaryItem));
    return order == O::MetaFirst ? meta + hdlr + dinf + pitm : meta + hdlr + pitm;
}

QVector<BoxRef> metaChildren(const QByteArray& file, int metaStart)
{
    return walkBoxes(file, metaStart + 12, metaStart + int(be32At(file, metaStart)));
}

QByteArray boxBytes(const QByteArray& file, const BoxRef& box)
{
    return file.mid(box.start, int(box.size));
}

// Item IDs of the infe entries of an iinf box of version 0.
QVector<int> iinfItems(const QByteArray& file, const BoxRef& iinf)
{
    QVector<int> items;
    for (const BoxRef& infe : walkBoxes(file, iinf.start + 14, iinf.end()))
        items.append(int(quint8(file[infe.start + 12])) << 8 | quint8(file[infe.start + 13]));
    return items;
}

// The items a rebuild keeps: the tiles 1 .. tiles and the grid.
QVector<int> keptItems(int tiles, int grid)
{
    QVector<int> items;
    for (int id = 1; id <= tiles; ++id)
        items.append(id);
    items.append(grid);
    return items;
}

// Empty when the meta box ends where an mdat box begins that runs to the end
// of the file.
QString mdatMismatch(const QByteArray& out)
{
    const int metaEnd = 24 + int(be32At(out, 24));
    if (out.mid(metaEnd + 4, 4) != "mdat")
        return QStringLiteral("no mdat box after the meta box at %1").arg(metaEnd);
    if (int(be32At(out, metaEnd)) != out.size() - metaEnd)
        return QStringLiteral("mdat size %1, bytes %2").arg(be32At(out, metaEnd)).arg(out.size() - metaEnd);
    return QString();
}

struct RebuildOutcome {
    QString name;
    bool copied = false;
    QByteArray bytes;
    bool sampleMismatch = false;
};

// The repair without a sample, as the repair run drives it.
RebuildOutcome repairWithoutSample(const QString& path)
{
    RebuildOutcome outcome;
    jpg_repair repair;
    if (!repair.CheckHeic(path))
        return outcome;
    outcome.name = repair.RebuildHeic(path);
    outcome.copied = copyWithoutDecodeCheck(repair, outcome.name);
    outcome.bytes = readFileBytes(heicOutputFolder() + QLatin1Char('/') + outcome.name);
    return outcome;
}

// The repair with a sample: the layout from the count made when the user
// asked for a sample, then the rebuild and the copy.
RebuildOutcome repairWithSample(const QString& damaged, const QString& sample)
{
    RebuildOutcome outcome;
    jpg_repair().CountHeicTiles(damaged);
    jpg_repair repair;
    outcome.name = repair.RebuildHeicFromSample(damaged, sample);
    outcome.sampleMismatch = repair.m_heicSampleMismatch;
    outcome.copied = copyWithoutDecodeCheck(repair, outcome.name);
    outcome.bytes = readFileBytes(heicOutputFolder() + QLatin1Char('/') + outcome.name);
    return outcome;
}

// After the copy no HEIC file is open and the box-order flags and the slice
// count are clear.
bool heicRunEnded()
{
    return !g_state.heicFile && !g_state.heicOutFile && !g_heicMetaFirst && !g_heicMdatFirst
        && g_heicSliceCount == 0;
}

QStringList outputFiles()
{
    return QDir(heicOutputFolder()).entryList(QDir::Files);
}

// Empty when a rebuilt file is a container that describes its data: the meta
// header template, the copied item boxes and an iloc whose item_count items
// are the tiles, each on exactly the bytes of its slice in the source, and
// then the grid item. Otherwise what differs first.
QString containerMismatch(const QByteArray& out, const HeicFixture& source)
{
    const QList<QByteArray> types = boxTypes(metaChildren(out, 24));
    if (out.mid(28, 4) != "meta" || types.value(0) != "hdlr" || types.value(types.size() - 1) != "iloc")
        return QStringLiteral("meta box holds %1").arg(QString::fromLatin1(types.join(' ')));
    const IlocContent iloc = readIloc(out, boxOfType(metaChildren(out, 24), "iloc"));
    const int tiles = iloc.itemCount - 1;
    if (tiles < 1 || iloc.items.size() != iloc.itemCount)
        return QStringLiteral("iloc item_count %1").arg(iloc.itemCount);
    const IlocItem& grid = iloc.items.last();
    if (grid.id != iloc.itemCount || grid.method != 1)
        return QStringLiteral("last item %1 is not the grid").arg(grid.id);
    return tileExtentsMismatch(out, source, tiles);
}

} // namespace

// The rebuilt container: fixed ftyp, meta header template, the source's item
// boxes and a new iloc whose tile extents land on the copied slices.
class HeicRebuildTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyVariant_data();
    void everyVariant();
    void byteExact_data();
    void byteExact();
    void outputNames();
    void sampleOfSameFileGivesSameBytes_data();
    void sampleOfSameFileGivesSameBytes();
    void sampleBoxesAreUsed();
    void failureListsNothing_data();
    void failureListsNothing();
    void everyItemCountDescribesItsData_data();
    void everyItemCountDescribesItsData();
    void layoutOfAnotherFileListsNothing();
    void stopBeforeRebuildListsNothing();
    void inputInOutputFolderIsKept();
    void boxPastEndIsZeroFilled();
    void copyStopsAtUnitPastEnd();
    void copyOfSingleSliceListsNothing();
    void writeFuzzSeeds();
};

void HeicRebuildTest::init()
{
    resetHeicTestState();
}

void HeicRebuildTest::cleanup()
{
    discardHeicRun();
}

void HeicRebuildTest::everyVariant_data()
{
    QTest::addColumn<HeicFixtureRecipe>("recipe");
    QTest::addColumn<int>("itemCount");
    QTest::addColumn<int>("tiles");
    QTest::addColumn<int>("grid");

    struct Row { const char* name; O order; int slices; int entries; int items; int tiles; int grid; };
    const Row rows[] = {
        {"standard", O::MetaFirst, 48, 55, 49, 48, 49},
        {"nine_ratio_Sixteen", O::MetaFirst, 40, 44, 41, 40, 41},
        {"selfie_nine_ratio_Sixteen", O::MetaFirst, 28, 33, 29, 28, 29},
        {"standard_selfie E 9", O::MetaFirst, 6, 9, 7, 6, 7},
        {"standard_selfie 35 slices", O::MetaFirst, 35, 38, 36, 35, 36},
        {"standard_selfie 35 slices E 52", O::MetaFirst, 35, 52, 36, 35, 36},
        {"square_Iphone_OR_selfieThreeRatioFour_Android", O::MetaFirst, 36, 41, 37, 36, 37},
        {"square_selfieIphone_OR_FullPhotoAndroid", O::MetaFirst, 25, 30, 26, 25, 26},
        {"Three_RatioFour 49", O::MdatFirst, 49, 51, 49, 48, 49},
        {"Three_RatioFour 71", O::MdatFirst, 71, 73, 71, 70, 71},
        {"Three_RatioFour 71 slices E 51", O::MdatFirst, 71, 51, 49, 48, 49},
        {"selfie_Three_Ratio_Four 31", O::MdatFirst, 31, 33, 31, 30, 31},
        {"selfie_Three_Ratio_Four 36", O::MdatFirst, 36, 38, 36, 35, 36},
        {"selfie_Three_Ratio_Four 36 slices E 33", O::MdatFirst, 36, 33, 31, 30, 31},
        {"one_Ratio_one 37", O::MdatFirst, 37, 39, 37, 36, 37},
        {"one_Ratio_one 50", O::MdatFirst, 50, 52, 50, 49, 50},
        {"selfie_one_ratio_one", O::MdatFirst, 26, 28, 26, 25, 26},
        {"Nine_Ratio_Sixteen 41", O::MdatFirst, 41, 43, 41, 40, 41},
        {"Nine_Ratio_Sixteen 61", O::MdatFirst, 61, 63, 61, 60, 61},
        {"selfie_Nine_ratio_Sixteen", O::MdatFirst, 29, 31, 29, 28, 29},
        {"FullPhoto 25", O::MdatFirst, 25, 27, 25, 24, 25},
        {"FullPhoto 33", O::MdatFirst, 33, 35, 33, 32, 33},
        {"FullPhoto 51", O::MdatFirst, 51, 53, 51, 50, 51},
        {"FullPhoto_selfie", O::MdatFirst, 22, 24, 22, 21, 22},
        {"High_MP_Camera 267", O::MdatFirst, 267, 269, 267, 266, 267},
        {"High_MP_Camera 433", O::MdatFirst, 433, 435, 433, 432, 433},
        {"High_MP_Camera 433 slices E 269", O::MdatFirst, 433, 269, 267, 266, 267},
        {"selfie_four_ratio_five", O::MdatFirst, 43, 45, 43, 42, 43},
    };
    for (const Row& row : rows)
        QTest::newRow(row.name) << idrSliceRecipe(row.order, row.slices, row.entries) << row.items
                                << row.tiles << row.grid;

    // The copy and the count must agree on which units are slices: units of
    // every start word, 28 01 AF 84 first, with other units in between.
    const QVector<quint32> words = sliceStartWords();
    HeicFixtureRecipe mixed = idrSliceRecipe(O::MdatFirst, 49, 51);
    for (int i = 0; i < mixed.units.size(); ++i)
        mixed.units[i].word = words[i % words.size()];
    QTest::newRow("mdat-first, all five start words") << mixed << 49 << 48 << 49;

    HeicFixtureRecipe tenAf84 = idrSliceRecipe(O::MdatFirst, 49, 51);
    for (int i = 0; i < 49; i += 5)
        tenAf84.units[i].word = 0x2801AF84;
    QTest::newRow("mdat-first, ten slices 28 01 AF 84") << tenAf84 << 49 << 48 << 49;

    HeicFixtureRecipe between = idrSliceRecipe(O::MdatFirst, 49, 51);
    HevcUnitRecipe parameterSet;
    parameterSet.word = 0x40010C01;
    parameterSet.body = QByteArray::fromHex("00000008" "2801AF80");
    for (int i = 45; i > 0; i -= 9)
        between.units.insert(i, parameterSet);
    between.beforeUnits = QByteArray::fromHex("0000000C" "40010C01" "11223344" "55667788");
    QTest::newRow("mdat-first, other units between slices") << between << 49 << 48 << 49;
}

void HeicRebuildTest::everyVariant()
{
    QFETCH(HeicFixtureRecipe, recipe);
    QFETCH(int, itemCount);
    QFETCH(int, tiles);
    QFETCH(int, grid);
    const HeicFixture source = buildHeicFixture(recipe);
    const QString path = writeHeicFixture(QStringLiteral("IMG_7.HEIC"), source.bytes);

    const RebuildOutcome outcome = repairWithoutSample(path);
    QCOMPARE(outcome.name, QStringLiteral("IMG_7.heic"));
    QVERIFY(outcome.copied);
    const QByteArray& out = outcome.bytes;
    QCOMPARE(out.left(24), kFtyp);
    QCOMPARE(mdatMismatch(out), QString());

    const bool metaFirst = recipe.order == O::MetaFirst;
    const QVector<BoxRef> children = metaChildren(out, 24);
    const QList<QByteArray> expectedTypes = metaFirst
        ? QList<QByteArray>{"hdlr", "dinf", "pitm", "iinf", "iref", "iprp", "idat", "iloc"}
        : QList<QByteArray>{"hdlr", "pitm", "iinf", "iref", "iprp", "idat", "iloc"};
    QCOMPARE(boxTypes(children), expectedTypes);
    QCOMPARE(out.mid(children[metaFirst ? 2 : 1].start, 14),
             expectedMetaHeader(recipe.order, 33, quint16(recipe.entryCount)).right(14));
    // The source's items whose bytes are not copied (here all beyond the
    // tiles and the grid) are gone from iinf and iref.
    QCOMPARE(iinfItems(out, boxOfType(children, "iinf")), keptItems(tiles, grid));
    QCOMPARE(boxBytes(out, boxOfType(children, "iref")), QByteArray::fromHex("0000000C6972656600000000"));
    const QVector<BoxRef> sourceChildren = metaChildren(source.bytes, source.metaStart);
    for (const char* type : {"iprp", "idat"})
        QCOMPARE(boxBytes(out, boxOfType(children, type)), boxBytes(source.bytes, boxOfType(sourceChildren, type)));

    const BoxRef ilocBox = boxOfType(children, "iloc");
    QCOMPARE(ilocBox.size, quint32(16 * (tiles + 2)));
    QCOMPARE(ilocBox.end(), 24 + int(be32At(out, 24)));
    const IlocContent iloc = readIloc(out, ilocBox);
    QCOMPARE(int(iloc.itemCount), itemCount);
    QVERIFY(iloc.items.size() > tiles);
    const int dataStart = ilocBox.end() + 8;
    QCOMPARE(int(iloc.items[0].offset), dataStart);
    QCOMPARE(tileExtentsMismatch(out, source, tiles), QString());
    const IlocItem& gridItem = iloc.items[tiles];
    QCOMPARE(int(gridItem.id), grid);
    QCOMPARE(int(gridItem.method), 1);
    QCOMPARE(gridItem.offset, 0u);
    QCOMPARE(gridItem.length, 8u);

    if (metaFirst) {
        const int firstPrefix = source.unitPos[source.sliceUnits().first()];
        QCOMPARE(out.mid(dataStart), source.bytes.mid(firstPrefix));
    } else {
        const QVector<int> slices = source.sliceUnits();
        QByteArray copied;
        for (int i = 0; i + 1 < slices.size(); ++i)
            copied += source.unitBytes(slices[i]);
        QCOMPARE(out.mid(dataStart), copied);
    }
    QVERIFY(heicRunEnded());
}

void HeicRebuildTest::byteExact_data()
{
    QTest::addColumn<HeicFixtureRecipe>("recipe");
    QTest::newRow("meta-first standard, E 52") << idrSliceRecipe(O::MetaFirst, 48, 52);
    QTest::newRow("mdat-first Three_RatioFour, E 51") << idrSliceRecipe(O::MdatFirst, 49, 51);
}

void HeicRebuildTest::byteExact()
{
    QFETCH(HeicFixtureRecipe, recipe);
    const HeicFixture source = buildHeicFixture(recipe);
    const QString path = writeHeicFixture(QStringLiteral("exact.HEIC"), source.bytes);
    const bool metaFirst = recipe.order == O::MetaFirst;

    // The meta box after its size: the header template with the source's
    // primary item, the source's iinf with the entries of items 1 .. 49 only
    // (each infe of the fixture is 21 bytes), its iref without the reference
    // from item E, its iprp and idat, and the iloc box.
    const int items = 49;
    QByteArray meta = expectedMetaHeader(recipe.order, metaFirst ? 33 : 34, quint16(recipe.entryCount));
    const QVector<BoxRef> sourceChildren = metaChildren(source.bytes, source.metaStart);
    const BoxRef sourceIinf = boxOfType(sourceChildren, "iinf");
    meta += QByteArray::fromHex("00000413" "69696E66" "00000000" "0031")
        + source.bytes.mid(sourceIinf.start + 14, 21 * items);
    meta += QByteArray::fromHex("0000000C" "69726566" "00000000");
    for (const char* type : {"iprp", "idat"})
        meta += boxBytes(source.bytes, boxOfType(sourceChildren, type));
    meta += QByteArray::fromHex("00000320" "696C6F63" "01000000" "4400" "0031");
    const int metaSize = 4 + meta.size() + 16 * items;
    quint32 offset = quint32(24 + metaSize + 8);
    const QVector<int> slices = source.sliceUnits();
    QByteArray data;
    for (int k = 1; k < items; ++k) {
        const quint32 length = quint32(source.unitSize[slices[k - 1]]);
        meta += QByteArray::fromHex(QByteArray::number(k, 16).rightJustified(4, '0') + "000000000001");
        meta += QByteArray::fromHex(QByteArray::number(offset, 16).rightJustified(8, '0'));
        meta += QByteArray::fromHex(QByteArray::number(length, 16).rightJustified(8, '0'));
        offset += length;
        data += source.unitBytes(slices[k - 1]);
    }
    meta += QByteArray::fromHex("0031000100000001" "0000000000000008");
    if (metaFirst)
        data = source.bytes.mid(source.unitPos[slices[0]]);
    const QByteArray size = QByteArray::fromHex(QByteArray::number(metaSize, 16).rightJustified(8, '0'));
    const QByteArray mdatSize = QByteArray::fromHex(QByteArray::number(8 + data.size(), 16).rightJustified(8, '0'));
    const QByteArray expected = kFtyp + size + meta + mdatSize + "mdat" + data;

    const RebuildOutcome outcome = repairWithoutSample(path);
    QVERIFY(outcome.copied);
    QCOMPARE(outcome.bytes.size(), expected.size());
    QCOMPARE(outcome.bytes, expected);
}

void HeicRebuildTest::outputNames()
{
    const QByteArray bytes = buildHeicFixture(idrSliceRecipe(O::MetaFirst, 48, 52)).bytes;
    const QString damaged = writeHeicFixture(QStringLiteral("IMG.0001.HEIC"), bytes);
    const RebuildOutcome plain = repairWithoutSample(damaged);
    QCOMPARE(plain.name, QStringLiteral("IMG.0001.heic"));
    QVERIFY(QFile::exists(heicOutputFolder() + QStringLiteral("/IMG.0001.heic")));

    // A second input of the same name from another folder takes a free name
    // and leaves the first rebuild as it was.
    const QByteArray otherBytes = buildHeicFixture(idrSliceRecipe(O::MdatFirst, 22, 24)).bytes;
    const QString other = writeHeicFixture(QStringLiteral("other/IMG.0001.HEIC"), otherBytes);
    g_state.producedFiles.clear();
    const RebuildOutcome second = repairWithoutSample(other);
    QCOMPARE(second.name, QStringLiteral("IMG.0001 (2).heic"));
    QVERIFY(second.copied);
    QCOMPARE(readFileBytes(heicOutputFolder() + QStringLiteral("/IMG.0001.heic")), plain.bytes);
    QVERIFY(second.bytes != plain.bytes);

    const QString unicode = writeHeicFixture(QStringLiteral("фото 1.HEIC"), bytes);
    g_state.producedFiles.clear();
    const RebuildOutcome sampled = repairWithSample(unicode, damaged);
    QCOMPARE(sampled.name, QStringLiteral("фото 1.HEIC"));
    QVERIFY(sampled.copied);
    QVERIFY(heicRunEnded());
}

void HeicRebuildTest::sampleOfSameFileGivesSameBytes_data()
{
    QTest::addColumn<HeicFixtureRecipe>("recipe");
    QTest::newRow("meta-first") << idrSliceRecipe(O::MetaFirst, 40, 45);
    QTest::newRow("mdat-first") << idrSliceRecipe(O::MdatFirst, 22, 24);
}

void HeicRebuildTest::sampleOfSameFileGivesSameBytes()
{
    QFETCH(HeicFixtureRecipe, recipe);
    const QString damaged = writeHeicFixture(QStringLiteral("IMG_1.HEIC"), buildHeicFixture(recipe).bytes);
    const RebuildOutcome plain = repairWithoutSample(damaged);
    QCOMPARE(plain.name, QStringLiteral("IMG_1.heic"));
    const RebuildOutcome sampled = repairWithSample(damaged, damaged);
    QCOMPARE(sampled.name, QStringLiteral("IMG_1.HEIC"));
    QVERIFY(sampled.copied);
    QCOMPARE(sampled.bytes, plain.bytes);
}

void HeicRebuildTest::sampleBoxesAreUsed()
{
    HeicFixtureRecipe sampleSpec = idrSliceRecipe(O::MetaFirst, 6, 53);
    sampleSpec.hdlrSize = 34;
    const HeicFixture sample = buildHeicFixture(sampleSpec);
    const QString samplePath = writeHeicFixture(QStringLiteral("sample.HEIF"), sample.bytes);
    const QString damaged = writeHeicFixture(QStringLiteral("IMG_2.HEIC"),
        buildHeicFixture(idrSliceRecipe(O::MetaFirst, 48, 52)).bytes);

    const RebuildOutcome outcome = repairWithSample(damaged, samplePath);
    QVERIFY(outcome.copied);
    QCOMPARE(outcome.bytes.mid(28, 92), expectedMetaHeader(O::MetaFirst, 34, 53));
    const QVector<BoxRef> children = metaChildren(outcome.bytes, 24);
    const QVector<BoxRef> sampleChildren = metaChildren(sample.bytes, sample.metaStart);
    const BoxRef sampleIinf = boxOfType(sampleChildren, "iinf");
    QCOMPARE(boxBytes(outcome.bytes, boxOfType(children, "iinf")).mid(14),
             sample.bytes.mid(sampleIinf.start + 14, 21 * 49));
    QCOMPARE(readIloc(outcome.bytes, boxOfType(children, "iloc")).itemCount, quint16(49));
    QCOMPARE(g_sampleIinfDistance, 0);
}

void HeicRebuildTest::failureListsNothing_data()
{
    QTest::addColumn<bool>("withSample");
    QTest::addColumn<HeicFixtureRecipe>("damaged");
    QTest::addColumn<HeicFixtureRecipe>("sample");
    QTest::addColumn<bool>("workFolder");
    // The sample's box order or items cannot describe the damaged photo's
    // tiles: the run says that the sample does not match.
    QTest::addColumn<bool>("sampleUnfit");

    const HeicFixtureRecipe standard = idrSliceRecipe(O::MetaFirst, 48, 52);
    QTest::newRow("sample of the other box order") << true << standard << idrSliceRecipe(O::MdatFirst, 49, 51) << true << true;
    HeicFixtureRecipe noIinf = standard;
    noIinf.withIinf = false;
    QTest::newRow("sample without iinf") << true << standard << noIinf << true << true;
    QTest::newRow("E 50 not accepted") << false << idrSliceRecipe(O::MetaFirst, 48, 50) << HeicFixtureRecipe() << true << false;
    QTest::newRow("E 56 not accepted by the sample") << true << standard << idrSliceRecipe(O::MetaFirst, 48, 56) << true << true;
    QTest::newRow("no work folder") << false << standard << HeicFixtureRecipe() << false << false;

    // Item counts from E that the slices cannot fill: the iloc would list
    // tiles without data or more items than it holds.
    QTest::newRow("Three_RatioFour 49 slices, E 73") << false << idrSliceRecipe(O::MdatFirst, 49, 73) << HeicFixtureRecipe() << true << false;
    QTest::newRow("FullPhoto 25 slices, E 53") << false << idrSliceRecipe(O::MdatFirst, 25, 53) << HeicFixtureRecipe() << true << false;
    QTest::newRow("Three_RatioFour 49 slices, sample E 73") << true << idrSliceRecipe(O::MdatFirst, 49, 51) << idrSliceRecipe(O::MdatFirst, 71, 73) << true << true;
    QTest::newRow("standard_selfie 6 slices, E 38") << false << idrSliceRecipe(O::MetaFirst, 6, 38) << HeicFixtureRecipe() << true << false;
    QTest::newRow("standard_selfie 6 slices, E 52") << false << idrSliceRecipe(O::MetaFirst, 6, 52) << HeicFixtureRecipe() << true << false;
    QTest::newRow("standard_selfie 35 slices, E 9") << false << idrSliceRecipe(O::MetaFirst, 35, 9) << HeicFixtureRecipe() << true << false;
    QTest::newRow("standard_selfie 6 slices, sample E 39") << true << idrSliceRecipe(O::MetaFirst, 6, 9) << idrSliceRecipe(O::MetaFirst, 35, 39) << true << true;

    // Meta-first sources with no meta header template for their hdlr size.
    HeicFixtureRecipe hdlr35 = standard;
    hdlr35.hdlrSize = 35;
    HeicFixtureRecipe hdlr32 = standard;
    hdlr32.hdlrSize = 32;
    QTest::newRow("iinf distance 101") << false << hdlr35 << HeicFixtureRecipe() << true << false;
    QTest::newRow("iinf distance 98") << false << hdlr32 << HeicFixtureRecipe() << true << false;
    QTest::newRow("sample iinf distance 101") << true << standard << hdlr35 << true << false;

    // Meta-first data is copied as it lies: tiles listed one after another
    // only fit slices that follow one another and end inside the file.
    HeicFixtureRecipe truncated = standard;
    truncated.units.last().lengthField = 5000;
    QTest::newRow("meta-first, last slice cut short") << false << truncated << HeicFixtureRecipe() << true << false;
    HeicFixtureRecipe gap = standard;
    HevcUnitRecipe parameterSet;
    parameterSet.word = 0x40010C01;
    gap.units.insert(20, parameterSet);
    QTest::newRow("meta-first, other unit between slices") << false << gap << HeicFixtureRecipe() << true << false;
}

void HeicRebuildTest::failureListsNothing()
{
    QFETCH(bool, withSample);
    QFETCH(HeicFixtureRecipe, damaged);
    QFETCH(HeicFixtureRecipe, sample);
    QFETCH(bool, workFolder);
    QFETCH(bool, sampleUnfit);
    if (!workFolder)
        g_state.workFolder.clear();
    const QString damagedPath = writeHeicFixture(QStringLiteral("IMG_3.HEIC"), buildHeicFixture(damaged).bytes);
    const QString samplePath = writeHeicFixture(QStringLiteral("sample.HEIC"), buildHeicFixture(sample).bytes);

    const RebuildOutcome outcome = withSample ? repairWithSample(damagedPath, samplePath)
                                              : repairWithoutSample(damagedPath);
    QVERIFY(outcome.name.isEmpty());
    QVERIFY(!outcome.copied);
    QCOMPARE(outcome.sampleMismatch, sampleUnfit);
    QVERIFY(g_state.producedFiles.isEmpty());
    QVERIFY(outputFiles().isEmpty());
    QVERIFY(heicRunEnded());
}

// Every slice count that names a layout, in both box orders, against every
// item count E that some layout accepts: the result either describes exactly
// the slices it holds or is not produced at all.
void HeicRebuildTest::everyItemCountDescribesItsData_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<int>("slices");
    const int counts[] = {6, 22, 25, 26, 28, 29, 31, 33, 35, 36, 37, 40, 41, 43, 48, 49, 50, 51, 61, 71, 267, 433};
    for (const O order : {O::MetaFirst, O::MdatFirst}) {
        for (const int count : counts) {
            const QString name = QStringLiteral("%1 %2 slices")
                .arg(order == O::MetaFirst ? QStringLiteral("meta-first") : QStringLiteral("mdat-first"))
                .arg(count);
            QTest::newRow(qPrintable(name)) << int(order) << count;
        }
    }
}

void HeicRebuildTest::everyItemCountDescribesItsData()
{
    QFETCH(int, order);
    QFETCH(int, slices);
    const int entryCounts[] = {9, 24, 27, 28, 30, 31, 33, 35, 38, 39, 40, 41, 43, 44, 45,
                               51, 52, 53, 54, 55, 63, 73, 269, 435};
    for (const int entries : entryCounts) {
        resetHeicTestState();
        HeicFixtureRecipe recipe = idrSliceRecipe(O(order), slices, entries);
        for (int i = 0; i < recipe.units.size(); ++i)
            recipe.units[i].bodySize = 4 + i % 5;
        const HeicFixture source = buildHeicFixture(recipe);
        const RebuildOutcome outcome =
            repairWithoutSample(writeHeicFixture(QStringLiteral("IMG_10.HEIC"), source.bytes));
        const QByteArray where = "E " + QByteArray::number(entries);
        if (!outcome.copied) {
            QVERIFY2(g_state.producedFiles.isEmpty() && outputFiles().isEmpty(), where);
            continue;
        }
        const QString mismatch = containerMismatch(outcome.bytes, source);
        QVERIFY2(mismatch.isEmpty(), where + ": " + mismatch.toUtf8());
    }
}

// The sample run trusts the layout counted when the sample was asked for; a
// damaged file whose slices no longer give that layout is not rebuilt by it.
void HeicRebuildTest::layoutOfAnotherFileListsNothing()
{
    const QString counted = writeHeicFixture(QStringLiteral("IMG_11.HEIC"),
        buildHeicFixture(idrSliceRecipe(O::MetaFirst, 48, 52)).bytes);
    const QString damaged = writeHeicFixture(QStringLiteral("IMG_12.HEIC"),
        buildHeicFixture(idrSliceRecipe(O::MetaFirst, 40, 52)).bytes);
    jpg_repair().CountHeicTiles(counted);
    jpg_repair repair;
    const QString name = repair.RebuildHeicFromSample(damaged, counted);
    QVERIFY(name.isEmpty());
    QVERIFY(!repair.CopyHevcData(name));
    QVERIFY(g_state.producedFiles.isEmpty());
    QVERIFY(outputFiles().isEmpty());
}

void HeicRebuildTest::stopBeforeRebuildListsNothing()
{
    const QString path = writeHeicFixture(QStringLiteral("IMG_8.HEIC"),
        buildHeicFixture(idrSliceRecipe(O::MetaFirst, 48, 52)).bytes);
    jpg_repair repair;
    QCOMPARE(repair.CheckHeic(path), 1);
    g_state.stopRequested = 1;
    const QString name = repair.RebuildHeic(path);
    QVERIFY(name.isEmpty());
    QVERIFY(!repair.CopyHevcData(name));
    QVERIFY(g_state.producedFiles.isEmpty());
    QVERIFY(outputFiles().isEmpty());
}

// The sample run names its output after the damaged file: a damaged file that
// already lies in the output folder must not be overwritten by its own
// rebuild, which takes a free name beside it instead.
void HeicRebuildTest::inputInOutputFolderIsKept()
{
    const QByteArray bytes = buildHeicFixture(idrSliceRecipe(O::MetaFirst, 48, 52)).bytes;
    const QString damaged = heicOutputFolder() + QStringLiteral("/IMG_9.HEIC");
    QVERIFY(writeFileBytes(damaged, bytes));
    const RebuildOutcome outcome = repairWithSample(damaged, damaged);
    QCOMPARE(outcome.name, QStringLiteral("IMG_9 (2).HEIC"));
    QVERIFY(outcome.copied);
    QCOMPARE(readFileBytes(damaged), bytes);
}

void HeicRebuildTest::boxPastEndIsZeroFilled()
{
    HeicFixtureRecipe recipe = idrSliceRecipe(O::MdatFirst, 49, 51);
    recipe.idatSizeField = 16 + 100;
    const HeicFixture source = buildHeicFixture(recipe);
    QCOMPARE(source.bytes.mid(source.bytes.size() - 12, 4), QByteArray("idat"));
    const QString path = writeHeicFixture(QStringLiteral("IMG_4.HEIC"), source.bytes);

    const RebuildOutcome outcome = repairWithoutSample(path);
    QVERIFY(outcome.copied);
    const int idat = outcome.bytes.indexOf("idat") - 4;
    QCOMPARE(outcome.bytes.mid(idat, 116), source.bytes.right(16) + QByteArray(100, '\0'));
    QCOMPARE(outcome.bytes.mid(idat + 116 + 4, 4), QByteArray("iloc"));
}

// Damaged lengths met by the copy itself (the file changed after it was
// counted): the copy ends at a unit that runs past the end of the file.
void HeicRebuildTest::copyStopsAtUnitPastEnd()
{
    HeicFixtureRecipe recipe = idrSliceRecipe(O::MdatFirst, 3, 51);
    recipe.units[1].lengthField = 0x7FFFFFF0;
    const HeicFixture source = buildHeicFixture(recipe);
    const QString path = writeHeicFixture(QStringLiteral("IMG_5.HEIC"), source.bytes);
    const QString output = heicOutputFolder() + QStringLiteral("/IMG_5.heic");
    // The mdat header that a rebuild leaves for the copy to complete.
    QVERIFY(writeFileBytes(output, QByteArray::fromHex("00000008") + "mdat"));
    g_state.heicFile = platform::openFile(path, "rb");
    g_state.heicOutFile = platform::openFile(output, "rb+");
    g_heicOutputPath = output;
    g_heicMdatFirst = 1;
    g_heicSliceCount = 49;

    jpg_repair repair;
    QVERIFY(copyWithoutDecodeCheck(repair, QStringLiteral("IMG_5.heic")));
    const QByteArray unit = source.unitBytes(0);
    const QByteArray mdatSize = QByteArray::fromHex(QByteArray::number(8 + unit.size(), 16).rightJustified(8, '0'));
    QCOMPARE(readFileBytes(output), mdatSize + "mdat" + unit);
    QCOMPARE(int(g_heicMdatFirst), 0);
    QCOMPARE(g_heicSliceCount, 0);
}

void HeicRebuildTest::copyOfSingleSliceListsNothing()
{
    const QString path = writeHeicFixture(QStringLiteral("IMG_6.HEIC"),
        buildHeicFixture(idrSliceRecipe(O::MdatFirst, 1, 51)).bytes);
    const QString output = heicOutputFolder() + QStringLiteral("/IMG_6.heic");
    QVERIFY(writeFileBytes(output, QByteArray()));
    g_state.heicFile = platform::openFile(path, "rb");
    g_state.heicOutFile = platform::openFile(output, "wb+");
    g_heicOutputPath = output;
    g_heicMdatFirst = 1;
    g_heicSliceCount = 1;

    QVERIFY(!jpg_repair().CopyHevcData(QStringLiteral("IMG_6.heic")));
    QVERIFY(!QFile::exists(output));
    QVERIFY(g_state.producedFiles.isEmpty());
    QVERIFY(heicRunEnded());
}

// With PICTAVO_WRITE_SEEDS=<folder>, writes small files of every shape the
// repair accepts as seeds for the HEIC fuzz target, for each of its modes:
// the repair, the repair with a different sample, with the stop flag set and
// with failing writes.
void HeicRebuildTest::writeFuzzSeeds()
{
    const QString folder = qEnvironmentVariable("PICTAVO_WRITE_SEEDS");
    if (folder.isEmpty())
        QSKIP("PICTAVO_WRITE_SEEDS is not set");
    enum Mode : quint8 { Same, Sample, Stop, Writes };
    struct Shape { const char* name; O order; int slices; int entries; };
    const Shape shapes[] = {
        {"meta_first_standard", O::MetaFirst, 48, 52},
        {"meta_first_standard_selfie", O::MetaFirst, 6, 9},
        {"mdat_first_three_ratio_four", O::MdatFirst, 49, 51},
        {"mdat_first_full_photo_selfie", O::MdatFirst, 22, 24},
        {"mdat_first_three_ratio_four_items_below_slices", O::MdatFirst, 71, 51},
    };
    auto build = [](const Shape& shape, int bodySize) {
        HeicFixtureRecipe recipe = idrSliceRecipe(shape.order, shape.slices, shape.entries);
        for (HevcUnitRecipe& unit : recipe.units)
            unit.bodySize = bodySize;
        return buildHeicFixture(recipe).bytes;
    };
    auto put = [&](const QString& name, const QByteArray& seed) {
        QVERIFY(writeFileBytes(folder + QLatin1Char('/') + name, seed));
    };
    for (const Shape& shape : shapes) {
        const QString name = QLatin1String(shape.name);
        const QByteArray damaged = build(shape, 4);
        // A sample of the same device: the same boxes, other image data.
        const QByteArray sample = build(shape, 6);
        put(name, fuzzSeed(Same, 0, damaged));
        put(name + "_sample", fuzzSeed(Sample, quint16(sample.size()), sample + damaged));
        put(name + "_writes", fuzzSeed(Writes, quint16(damaged.size() / 32), damaged));
    }
    const QByteArray damaged = build(shapes[0], 4);
    put("meta_first_standard_stop", fuzzSeed(Stop, quint16(damaged.size()), damaged + damaged));

    // Grid photos made by the real encoder, whose rebuilds reach the decode
    // check: one with its iloc box lost, one with its whole meta box lost
    // and a photo of another scene as the sample.
    for (const O order : {O::MetaFirst, O::MdatFirst}) {
        const QString name = order == O::MetaFirst ? QStringLiteral("grid_photo_meta_first")
                                                   : QStringLiteral("grid_photo_mdat_first");
        const HeicPhoto photo = makeHeicPhoto(order, 1);
        const HeicPhoto sample = makeHeicPhoto(order, 2);
        QVERIFY2(photo.error.isEmpty() && sample.error.isEmpty(), qPrintable(photo.error + sample.error));
        put(name, fuzzSeed(Same, 0, withPayloadZeroed(photo.bytes, "iloc", 12)));
        put(name + "_sample", fuzzSeed(Sample, quint16(sample.bytes.size()),
                                       sample.bytes + withPayloadZeroed(photo.bytes, "meta", 8)));
    }
}

QTEST_GUILESS_MAIN(HeicRebuildTest)
#include "tst_heic_rebuild.moc"
