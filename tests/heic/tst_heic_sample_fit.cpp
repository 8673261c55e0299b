#include "global_state.h"
#include "heic/heic_state.h"
#include "heic/hevc_entry_points.h"
#include "heic/hevc_picture_size.h"
#include "heic/hevc_tile_decode.h"
#include "heic_boxes.h"
#include "heic_photo.h"
#include "heic_run.h"
#include "jpg_repair.h"
#include "temp_file.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <iterator>
#include <vector>

Q_DECLARE_METATYPE(HeicGridShape)

// Advance Repair of damaged grid photos with samples made by the real
// encoder: a sample of the damaged photo's grid and tile size gives the
// original's pixels; a sample of another grid (same tile count) or another
// tile size lists nothing and says that the sample does not match, whatever
// part of the damaged photo's description survived. Where none survived,
// how the decoded tiles meet decides the grid, also for a photo whose
// horizon and building lie exactly on tile borders.
class HeicSampleFitTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sampleListedOnlyWhenItFits_data();
    void sampleListedOnlyWhenItFits();
    void damagedTilesDecideListing_data();
    void damagedTilesDecideListing();
    void damagedPhotoKeepsItsRotation_data();
    void damagedPhotoKeepsItsRotation();
    void checkJudgesTheBytesWritten();
    void wavefrontTileOfOtherHeightIsFaulty_data();
    void wavefrontTileOfOtherHeightIsFaulty();
};

namespace {

using O = HeicBoxLayout;

struct Shape {
    const char* name;
    HeicGridShape grid;
};

HeicGridShape shape(int columns, int rows, int tile, int quarterTurns = 0)
{
    HeicGridShape grid;
    grid.columns = columns;
    grid.rows = rows;
    grid.tile = tile;
    grid.quarterTurns = quarterTurns;
    return grid;
}

// Every grid of 48 tiles that the tests pair with each other. The last two
// differ from 8x6 of 128 in their grid alone: where nothing of the damaged
// photo's description survives, only the tiles' own pictures tell them
// apart, so they are paired under those damages.
const Shape kShapes[] = {
    {"8x6 of 64", shape(8, 6, 64)},
    {"6x8 of 64", shape(6, 8, 64)},
    {"12x4 of 64", shape(12, 4, 64)},
    {"8x6 of 128", shape(8, 6, 128)},
    {"6x8 of 128", shape(6, 8, 128)},
    {"12x4 of 128", shape(12, 4, 128)},
};
constexpr int kShapesPairedUnderEveryDamage = 4;

// Damage that takes the photo's own description: all of the meta box, its
// start up to the item properties (which survive with the grid and the
// item locations; also with the grid's image size lost among them), or,
// mdat-first, the end of the file from inside the meta box (the properties
// survive, the grid does not).
QByteArray damaged(const QByteArray& file, O order, const QString& damage)
{
    if (damage == QLatin1String("meta zeroed"))
        return withPayloadZeroed(file, "meta", 8);
    if (damage == QLatin1String("header zeroed")) {
        const FoundBox iprp = findBox(file, "iprp");
        return QByteArray(iprp.start, '\0') + file.mid(iprp.start);
    }
    if (damage == QLatin1String("header zeroed, grid size zeroed")) {
        // The grid's ispe, the second, loses its sizes inside the
        // surviving properties.
        QByteArray bytes = damaged(file, order, QStringLiteral("header zeroed"));
        const FoundBox ipco = findBox(bytes, "ipco");
        const QVector<BoxRef> properties = walkBoxes(bytes, ipco.start + 8, ipco.start + ipco.size);
        QVector<BoxRef> sizes;
        for (const BoxRef& property : properties) {
            if (property.type == "ispe")
                sizes.append(property);
        }
        bytes.replace(sizes[1].start + 12, 8, QByteArray(8, '\0'));
        return bytes;
    }
    if (damage == QLatin1String("meta cut") && order == O::MdatFirst) {
        const FoundBox iprp = findBox(file, "iprp");
        return file.left(iprp.start + iprp.size + 20);
    }
    return QByteArray();
}

QString outputPath(const QString& name)
{
    return heicOutputFolder() + QLatin1Char('/') + name;
}

QByteArray madePhoto(O order, int picture, const HeicGridShape& grid)
{
    const HeicPhoto made = makeHeicPhoto(order, picture, grid);
    if (!made.error.isEmpty())
        qWarning("%s", qPrintable(made.error));
    return made.bytes;
}

struct SampleRepair {
    QString name;
    bool listed = false;
    bool mismatch = false;
};

SampleRepair repairWithSample(const QString& path, const QString& sample)
{
    SampleRepair outcome;
    jpg_repair().CountHeicTiles(path);
    jpg_repair repair;
    outcome.name = repair.RebuildHeicFromSample(path, sample);
    outcome.listed = repair.CopyHevcData(outcome.name);
    outcome.mismatch = repair.m_heicSampleMismatch;
    return outcome;
}

bool repairWithoutSample(const QString& path, QString* name)
{
    jpg_repair repair;
    if (!repair.CheckHeic(path))
        return false;
    *name = repair.RebuildHeic(path);
    return repair.CopyHevcData(*name);
}

// The tile items' extents in a photo as the encoder's fixture lists them.
QVector<IlocItem> tileExtents(const QByteArray& file)
{
    const FoundBox iloc = findBox(file, "iloc");
    QVector<IlocItem> tiles;
    for (const IlocItem& item : readIloc(file, {iloc.start, quint32(iloc.size), "iloc"}).items) {
        if (item.id >= 1 && item.id <= 48)
            tiles.append(item);
    }
    return tiles;
}

// The file with the coded data of the first `count` tiles overwritten
// behind their slice headers, as a damaged sector leaves them.
QByteArray withTilesOverwritten(QByteArray file, int count)
{
    const QVector<IlocItem> tiles = tileExtents(file);
    for (int i = 0; i < count && i < tiles.size(); ++i) {
        const int from = int(tiles[i].offset) + 12;
        const int length = int(tiles[i].length) - 12;
        for (int k = 0; k < length; ++k)
            file[from + k] = char((k * 73 + i * 29) ^ 0xC3);
    }
    return file;
}

// The first NAL unit of item data, without its 4-byte length.
QByteArray firstUnit(const QByteArray& data)
{
    return data.mid(4, int(be32At(data, 0)));
}

// The angle of the rebuilt photo's irot property; -1 when it has none.
int rotationOf(const QByteArray& file)
{
    const FoundBox irot = findBox(file, "irot");
    return irot.start < 0 ? -1 : quint8(file[irot.start + 8]) & 3;
}

} // namespace

void HeicSampleFitTest::initTestCase()
{
    for (const O order : {O::MetaFirst, O::MdatFirst}) {
        for (const Shape& shape : kShapes) {
            for (const int picture : {1, 2}) {
                const HeicPhoto made = makeHeicPhoto(order, picture, shape.grid);
                QVERIFY2(made.error.isEmpty(), qPrintable(made.error));
            }
        }
    }
}

void HeicSampleFitTest::init()
{
    resetHeicTestState();
}

void HeicSampleFitTest::cleanup()
{
    discardHeicRun();
}

void HeicSampleFitTest::sampleListedOnlyWhenItFits_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("picture");
    QTest::addColumn<HeicGridShape>("photoShape");
    QTest::addColumn<HeicGridShape>("sampleShape");
    struct Damage {
        O order;
        const char* name;
        bool descriptionLost;
    };
    const Damage damages[] = {
        {O::MetaFirst, "meta zeroed", true}, {O::MetaFirst, "header zeroed", false},
        {O::MetaFirst, "header zeroed, grid size zeroed", false},
        {O::MdatFirst, "meta zeroed", true}, {O::MdatFirst, "meta cut", false},
    };
    for (const Damage& damage : damages) {
        const char* orderName = damage.order == O::MetaFirst ? "meta-first" : "mdat-first";
        const int shapes = damage.descriptionLost ? int(std::size(kShapes)) : kShapesPairedUnderEveryDamage;
        for (const Shape& photo : std::vector<Shape>(kShapes, kShapes + shapes)) {
            for (const Shape& sample : std::vector<Shape>(kShapes, kShapes + shapes)) {
                QTest::addRow("%s, %s, photo %s, sample %s", orderName, damage.name, photo.name, sample.name)
                    << int(damage.order) << QString::fromLatin1(damage.name) << 1 << photo.grid << sample.grid;
            }
        }
        // A horizon and a building along tile borders break the picture
        // there; the true grid is still the one whose tiles meet best. Only
        // samples of the photo's tile size come that far.
        if (!damage.descriptionLost)
            continue;
        for (const Shape& photo : kShapes) {
            for (const Shape& sample : kShapes) {
                if (photo.grid.tile != sample.grid.tile)
                    continue;
                QTest::addRow("%s, %s, photo %s with edges on tile borders, sample %s", orderName, damage.name,
                              photo.name, sample.name)
                    << int(damage.order) << QString::fromLatin1(damage.name) << kPictureWithEdgesOnTileBorders
                    << photo.grid << sample.grid;
            }
        }
    }
}

void HeicSampleFitTest::sampleListedOnlyWhenItFits()
{
    QFETCH(int, order);
    QFETCH(QString, damage);
    QFETCH(int, picture);
    QFETCH(HeicGridShape, photoShape);
    QFETCH(HeicGridShape, sampleShape);
    const QByteArray original = madePhoto(O(order), picture, photoShape);
    const QString originalPath = writeHeicFixture(QStringLiteral("original.heic"), original);
    const QString path = writeHeicFixture(QStringLiteral("IMG_1.HEIC"), damaged(original, O(order), damage));
    const QString sample = writeHeicFixture(QStringLiteral("sample.HEIC"), madePhoto(O(order), 2, sampleShape));
    QVERIFY2(decodeHeicInProcess(path).isNull(), "the damage leaves a photo libheif opens");

    const SampleRepair outcome = repairWithSample(path, sample);
    const bool fits = photoShape.columns == sampleShape.columns && photoShape.tile == sampleShape.tile;
    if (fits) {
        QVERIFY2(outcome.listed, "the photo rebuilt from a fitting sample is not listed");
        QVERIFY(!outcome.mismatch);
        QCOMPARE(g_state.producedFiles, QStringList{outcome.name});
        const QImage rebuilt = decodeHeicInProcess(outputPath(outcome.name));
        QVERIFY2(!rebuilt.isNull(), "libheif does not open the photo rebuilt from the sample");
        QCOMPARE(rebuilt, decodeHeicInProcess(originalPath));
        return;
    }
    QVERIFY2(!outcome.listed, "a photo rebuilt from a sample that does not fit is listed");
    QVERIFY2(outcome.mismatch, "the failure does not say that the sample does not match");
    QVERIFY(g_state.producedFiles.isEmpty());
    QCOMPARE(QDir(heicOutputFolder()).entryList(QDir::Files), QStringList());
    QVERIFY(!g_state.heicFile && !g_state.heicOutFile);
}

void HeicSampleFitTest::damagedTilesDecideListing_data()
{
    QTest::addColumn<int>("overwritten");
    QTest::addColumn<bool>("listed");
    QTest::newRow("no tile damaged") << 0 << true;
    QTest::newRow("3 of 48 tiles damaged") << 3 << true;
    QTest::newRow("30 of 48 tiles damaged") << 30 << false;
    QTest::newRow("every tile damaged") << 48 << false;
}

// Without a sample: a photo with a few damaged tiles is the best its data
// allow; one whose tiles mostly decode with errors is no picture.
void HeicSampleFitTest::damagedTilesDecideListing()
{
    QFETCH(int, overwritten);
    QFETCH(bool, listed);
    const QByteArray photo = withTilesOverwritten(madePhoto(O::MdatFirst, 1, kShapes[0].grid), overwritten);
    const QString path = writeHeicFixture(QStringLiteral("IMG_2.HEIC"), withPayloadZeroed(photo, "iloc", 12));
    QString name;
    QCOMPARE(repairWithoutSample(path, &name), listed);
    QCOMPARE(g_state.producedFiles.isEmpty(), !listed);
    QCOMPARE(QFile::exists(outputPath(name)), listed);
    if (listed)
        QVERIFY2(!decodeHeicInProcess(outputPath(name)).isNull(), "libheif does not open the listed photo");
}

void HeicSampleFitTest::damagedPhotoKeepsItsRotation_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("sampleRotation");
    QTest::addColumn<int>("rotation");
    // Zeroed up to the properties, the photo keeps its own irot, also where
    // the sample has none; with its whole meta box zeroed only the sample's
    // is left.
    QTest::newRow("own rotation survives") << QStringLiteral("header zeroed") << 3 << 1;
    QTest::newRow("own rotation survives, sample unrotated") << QStringLiteral("header zeroed") << 0 << 1;
    QTest::newRow("own rotation lost") << QStringLiteral("meta zeroed") << 3 << 3;
}

void HeicSampleFitTest::damagedPhotoKeepsItsRotation()
{
    QFETCH(QString, damage);
    QFETCH(int, sampleRotation);
    QFETCH(int, rotation);
    const QByteArray photo = madePhoto(O::MetaFirst, 1, shape(8, 6, 64, 1));
    const QString path = writeHeicFixture(QStringLiteral("IMG_3.HEIC"), damaged(photo, O::MetaFirst, damage));
    const QString sample = writeHeicFixture(QStringLiteral("sample.HEIC"),
                                            madePhoto(O::MetaFirst, 2, shape(8, 6, 64, sampleRotation)));
    const SampleRepair outcome = repairWithSample(path, sample);
    QVERIFY2(outcome.listed, "the photo rebuilt from the sample is not listed");
    QCOMPARE(rotationOf(readFileBytes(outputPath(outcome.name))), rotation);
    // libheif applies it: a quarter turn swaps the sides.
    QCOMPARE(decodeHeicInProcess(outputPath(outcome.name)).size(), rotation % 2 ? QSize(384, 512) : QSize(512, 384));
}

// The file that the rebuild wrote is judged, not whatever its name leads to
// when the check runs: a good photo moved to the name of a rebuild whose
// tiles are damaged does not make it listed.
void HeicSampleFitTest::checkJudgesTheBytesWritten()
{
    const QByteArray photo = madePhoto(O::MdatFirst, 1, kShapes[0].grid);
    const QString path = writeHeicFixture(QStringLiteral("IMG_4.HEIC"),
                                          withPayloadZeroed(withTilesOverwritten(photo, 48), "iloc", 12));
    const QString good = writeHeicFixture(QStringLiteral("good.heic"), photo);
    jpg_repair repair;
    QVERIFY(repair.CheckHeic(path));
    const QString name = repair.RebuildHeic(path);
    QVERIFY(!name.isEmpty());
    QVERIFY(QFile::remove(outputPath(name)));
    QVERIFY(QFile::copy(good, outputPath(name)));
    QVERIFY2(!repair.CopyHevcData(name), "the photo at the output's name was judged instead of the rebuild");
    QVERIFY(g_state.producedFiles.isEmpty());
}

void HeicSampleFitTest::wavefrontTileOfOtherHeightIsFaulty_data()
{
    QTest::addColumn<QSize>("configured");
    QTest::addColumn<QSize>("coded");
    QTest::addColumn<int>("faulty");
    // 1: the slice lists the entry points its configuration demands, 0: it
    // does not, -1: the encoder coded it without entry points, which leaves
    // the field's bits to chance.
    QTest::addColumn<int>("entryPointsFit");
    QTest::newRow("same size") << QSize(256, 256) << QSize(256, 256) << 0 << 1;
    QTest::newRow("coded one row taller") << QSize(256, 256) << QSize(256, 320) << 1 << 0;
    QTest::newRow("coded one row shorter") << QSize(256, 320) << QSize(256, 256) << 1 << 0;
    QTest::newRow("coded as one row") << QSize(256, 256) << QSize(64, 64) << 1 << -1;
    QTest::newRow("coded as two rows") << QSize(256, 256) << QSize(128, 128) << 1 << -1;
}

// A tile coded with wavefront entry points for another number of rows than
// its configuration gives is faulty, also where the decoder itself warns
// of nothing.
void HeicSampleFitTest::wavefrontTileOfOtherHeightIsFaulty()
{
    QFETCH(QSize, configured);
    QFETCH(QSize, coded);
    QFETCH(int, faulty);
    QFETCH(int, entryPointsFit);
    QString error;
    const HevcCodedImage configuration = encodeWavefrontImage(1, configured, &error);
    const HevcCodedImage tile = encodeWavefrontImage(2, coded, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const TileDecodeReport report = decodeTiles(configuration.hvcC, {tile.data}, configured);
    QCOMPARE(report.tiles, 1);
    QCOMPARE(report.faulty, faulty);
    if (entryPointsFit >= 0)
        QCOMPARE(sliceEntryPointsFit(hvcCParameterSets(configuration.hvcC), firstUnit(tile.data)), entryPointsFit == 1);
}

QTEST_GUILESS_MAIN(HeicSampleFitTest)
#include "tst_heic_sample_fit.moc"
