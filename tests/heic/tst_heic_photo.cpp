#include "global_state.h"
#include "heic/heic_state.h"
#include "heic/hevc_picture_size.h"
#include "heic_boxes.h"
#include "heic_photo.h"
#include "heic_run.h"
#include "jpg_repair.h"
#include "temp_file.h"

#include <QDir>
#include <QFile>
#include <QtTest>

// Grid photos made by the real encoder, damaged, repaired with and without a
// sample: every listed output opens in libheif and shows exactly the
// undamaged photo's pixels; an output that does not decode is not listed.
class HeicPhotoTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void rebuiltPhotoShowsOriginal_data();
    void rebuiltPhotoShowsOriginal();
    void sampleRebuildShowsOriginal_data();
    void sampleRebuildShowsOriginal();
    void outsideDecoderOpensRebuiltPhoto();
    void undecodableRebuildIsNotListed_data();
    void undecodableRebuildIsNotListed();
    void linkAtOutputNameIsNotWrittenThrough();
    void codedPictureSizeIsRead_data();
    void codedPictureSizeIsRead();

private:
    QByteArray photo(HeicBoxLayout order, int picture) const;
    QImage originalPixels(HeicBoxLayout order, int picture) const;

    QMap<QPair<int, int>, QByteArray> m_photos;   // (order, picture) -> file
    QMap<QPair<int, int>, QImage> m_originals; // (order, picture) -> decoded
};

namespace {

using O = HeicBoxLayout;

// Damage of the parts of the container the rebuild writes anew.
QByteArray damaged(const QByteArray& file, const QString& damage)
{
    if (damage == QLatin1String("iloc"))
        return withPayloadZeroed(file, "iloc", 12);
    if (damage == QLatin1String("hdlr and brands"))
        return withPayloadZeroed(withPayloadZeroed(file, "hdlr", 12), "ftyp", 8);
    if (damage == QLatin1String("whole meta box"))
        return withPayloadZeroed(file, "meta", 8);
    return QByteArray();
}

struct Repair {
    QString name;
    bool listed = false;
};

Repair repairWithoutSample(const QString& path)
{
    Repair outcome;
    jpg_repair repair;
    if (!repair.CheckHeic(path))
        return outcome;
    outcome.name = repair.RebuildHeic(path);
    outcome.listed = repair.CopyHevcData(outcome.name);
    return outcome;
}

QString outputPath(const QString& name)
{
    return heicOutputFolder() + QLatin1Char('/') + name;
}

quint16 be16(const QByteArray& bytes, int pos)
{
    return quint16(quint8(bytes[pos]) << 8 | quint8(bytes[pos + 1]));
}

// Item IDs named in each of the rebuilt file's item boxes, sorted: the
// primary item, the iinf entries, the iloc items, the ipma entries and every
// item that an iref reference starts from or points to.
QMap<QByteArray, QList<int>> itemsByBox(const QByteArray& file)
{
    QMap<QByteArray, QList<int>> items;
    const FoundBox pitm = findBox(file, "pitm");
    items["pitm"] = {be16(file, pitm.start + 12)};
    const FoundBox iinf = findBox(file, "iinf");
    for (const BoxRef& infe : walkBoxes(file, iinf.start + 14, iinf.start + iinf.size))
        items["iinf"].append(be16(file, infe.start + 12));
    const FoundBox iloc = findBox(file, "iloc");
    for (const IlocItem& item : readIloc(file, {iloc.start, quint32(iloc.size), "iloc"}).items)
        items["iloc"].append(item.id);
    const FoundBox ipma = findBox(file, "ipma");
    for (int pos = ipma.start + 16, i = 0; i < int(be32At(file, ipma.start + 12)); ++i) {
        items["ipma"].append(be16(file, pos));
        pos += 3 + quint8(file[pos + 2]);
    }
    const FoundBox iref = findBox(file, "iref");
    QSet<int> referenced;
    for (const BoxRef& ref : walkBoxes(file, iref.start + 12, iref.start + iref.size)) {
        referenced.insert(be16(file, ref.start + 8));
        for (int i = 0; i < be16(file, ref.start + 10); ++i)
            referenced.insert(be16(file, ref.start + 12 + 2 * i));
    }
    items["iref"] = referenced.values();
    for (QList<int>& list : items)
        std::sort(list.begin(), list.end());
    return items;
}

// Empty when the file is ftyp, meta and mdat boxes whose sizes add up to the
// file and every item box speaks of exactly the tiles 1 .. 48 and the grid
// 49, the primary item; otherwise what differs.
QString containerMismatch(const QByteArray& file)
{
    const QVector<BoxRef> top = walkBoxes(file, 0, file.size());
    if (boxTypes(top) != QList<QByteArray>({"ftyp", "meta", "mdat"}) || top.last().end() != file.size())
        return QStringLiteral("top-level boxes %1").arg(QString::fromLatin1(boxTypes(top).join(' ')));
    QList<int> kept;
    for (int id = 1; id <= 49; ++id)
        kept.append(id);
    const QMap<QByteArray, QList<int>> items = itemsByBox(file);
    for (auto it = items.begin(); it != items.end(); ++it) {
        const QList<int> expected = it.key() == "pitm" ? QList<int>{49} : kept;
        if (it.value() != expected)
            return QStringLiteral("%1 names %2 items").arg(QString::fromLatin1(it.key())).arg(it.value().size());
    }
    return items.size() == 5 ? QString() : QStringLiteral("item boxes missing");
}

} // namespace

QByteArray HeicPhotoTest::photo(HeicBoxLayout order, int picture) const
{
    return m_photos.value({int(order), picture});
}

QImage HeicPhotoTest::originalPixels(HeicBoxLayout order, int picture) const
{
    return m_originals.value({int(order), picture});
}

void HeicPhotoTest::initTestCase()
{
    for (const O order : {O::MetaFirst, O::MdatFirst}) {
        for (const int picture : {1, 2}) {
            const HeicPhoto made = makeHeicPhoto(order, picture);
            QVERIFY2(made.error.isEmpty(), qPrintable(made.error));
            const QString path = writeHeicFixture(QStringLiteral("original-%1-%2.heic").arg(int(order)).arg(picture),
                                                  made.bytes);
            const QImage pixels = decodeHeicInProcess(path);
            QVERIFY2(!pixels.isNull(), "libheif does not open the undamaged photo");
            QCOMPARE(pixels.size(), QSize(512, 384));
            m_photos.insert({int(order), picture}, made.bytes);
            m_originals.insert({int(order), picture}, pixels);
        }
    }
}

void HeicPhotoTest::init()
{
    resetHeicTestState();
}

void HeicPhotoTest::cleanup()
{
    discardHeicRun();
}

void HeicPhotoTest::rebuiltPhotoShowsOriginal_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("damage");
    for (const O order : {O::MetaFirst, O::MdatFirst}) {
        const char* name = order == O::MetaFirst ? "meta-first" : "mdat-first";
        for (const char* damage : {"iloc", "hdlr and brands"})
            QTest::addRow("%s, %s", name, damage) << int(order) << QString::fromLatin1(damage);
    }
}

void HeicPhotoTest::rebuiltPhotoShowsOriginal()
{
    QFETCH(int, order);
    QFETCH(QString, damage);
    const QString path = writeHeicFixture(QStringLiteral("IMG_1.HEIC"), damaged(photo(O(order), 1), damage));
    QVERIFY2(decodeHeicInProcess(path).isNull(), "the damage leaves a photo libheif opens");

    const Repair outcome = repairWithoutSample(path);
    QVERIFY2(outcome.listed, "the rebuilt photo is not listed");
    QCOMPARE(outcome.name, QStringLiteral("IMG_1.heic"));
    QCOMPARE(g_state.producedFiles, QStringList{outcome.name});
    QCOMPARE(containerMismatch(readFileBytes(outputPath(outcome.name))), QString());
    const QImage rebuilt = decodeHeicInProcess(outputPath(outcome.name));
    QVERIFY2(!rebuilt.isNull(), "libheif does not open the rebuilt photo");
    QCOMPARE(rebuilt, originalPixels(O(order), 1));
}

void HeicPhotoTest::sampleRebuildShowsOriginal_data()
{
    QTest::addColumn<int>("order");
    QTest::newRow("meta-first") << int(O::MetaFirst);
    QTest::newRow("mdat-first") << int(O::MdatFirst);
}

// The damaged photo keeps nothing of its meta box; the boxes come from a
// photo of another scene taken with the same settings.
void HeicPhotoTest::sampleRebuildShowsOriginal()
{
    QFETCH(int, order);
    const QString path = writeHeicFixture(QStringLiteral("IMG_2.HEIC"),
                                          damaged(photo(O(order), 1), QStringLiteral("whole meta box")));
    const QString sample = writeHeicFixture(QStringLiteral("sample.HEIC"), photo(O(order), 2));
    QVERIFY2(decodeHeicInProcess(path).isNull(), "the damage leaves a photo libheif opens");

    QVERIFY(jpg_repair().CountHeicTiles(path) > 0);
    jpg_repair repair;
    const QString name = repair.RebuildHeicFromSample(path, sample);
    QVERIFY2(repair.CopyHevcData(name), "the photo rebuilt from the sample is not listed");
    QCOMPARE(name, QStringLiteral("IMG_2.HEIC"));
    QCOMPARE(g_state.producedFiles, QStringList{name});
    QCOMPARE(containerMismatch(readFileBytes(outputPath(name))), QString());
    const QImage rebuilt = decodeHeicInProcess(outputPath(name));
    QVERIFY2(!rebuilt.isNull(), "libheif does not open the photo rebuilt from the sample");
    QCOMPARE(rebuilt, originalPixels(O(order), 1));
    QVERIFY(rebuilt != originalPixels(O(order), 2));
}

void HeicPhotoTest::outsideDecoderOpensRebuiltPhoto()
{
    const QString path = writeHeicFixture(QStringLiteral("IMG_3.HEIC"),
                                          damaged(photo(O::MdatFirst, 2), QStringLiteral("iloc")));
    const Repair outcome = repairWithoutSample(path);
    QVERIFY2(outcome.listed, "the rebuilt photo is not listed");
    QString error;
    const QImage converted = decodeHeicWithConverter(outputPath(outcome.name), &error);
    QVERIFY2(!converted.isNull(), qPrintable(error));
    QCOMPARE(converted, originalPixels(O::MdatFirst, 2));
}

void HeicPhotoTest::undecodableRebuildIsNotListed_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<int>("headerSize");
    // The rebuild copies these boxes as they are; without them no decoder can
    // put the picture together.
    QTest::newRow("meta-first, grid description lost") << int(O::MetaFirst) << QByteArray("idat") << 8;
    QTest::newRow("mdat-first, grid description lost") << int(O::MdatFirst) << QByteArray("idat") << 8;
    QTest::newRow("meta-first, decoder configuration lost") << int(O::MetaFirst) << QByteArray("hvcC") << 8;
}

void HeicPhotoTest::undecodableRebuildIsNotListed()
{
    QFETCH(int, order);
    QFETCH(QByteArray, box);
    QFETCH(int, headerSize);
    const QByteArray bytes = withPayloadZeroed(photo(O(order), 1), box, headerSize);
    const QString path = writeHeicFixture(QStringLiteral("IMG_4.HEIC"), bytes);

    const Repair outcome = repairWithoutSample(path);
    QVERIFY(!outcome.name.isEmpty());
    QVERIFY(!outcome.listed);
    QVERIFY(g_state.producedFiles.isEmpty());
    QCOMPARE(QDir(heicOutputFolder()).entryList(QDir::Files), QStringList());
    QVERIFY(!g_state.heicFile && !g_state.heicOutFile);
}

// A link lying at the output's name (here to a file of the user's) is left
// alone: the output is created new under the next free name.
void HeicPhotoTest::linkAtOutputNameIsNotWrittenThrough()
{
    const QString path = writeHeicFixture(QStringLiteral("IMG_5.HEIC"),
                                          damaged(photo(O::MetaFirst, 1), QStringLiteral("iloc")));
    const QString victim = QDir::tempPath() + QStringLiteral("/victim.txt");
    QVERIFY(writeFileBytes(victim, "keep"));
    QVERIFY(QDir().mkpath(heicOutputFolder()));
    QVERIFY(QFile::link(victim, outputPath(QStringLiteral("IMG_5.heic"))));

    const Repair outcome = repairWithoutSample(path);
    QVERIFY(outcome.listed);
    QCOMPARE(outcome.name, QStringLiteral("IMG_5 (2).heic"));
    QCOMPARE(readFileBytes(victim), QByteArray("keep"));
    QCOMPARE(decodeHeicInProcess(outputPath(outcome.name)), originalPixels(O::MetaFirst, 1));
}

void HeicPhotoTest::codedPictureSizeIsRead_data()
{
    QTest::addColumn<int>("tile");
    QTest::newRow("tiles of 64") << 64;
    QTest::newRow("tiles of 128") << 128;
}

// The decode check bounds its work by the picture size that the tiles'
// decoder configuration declares.
void HeicPhotoTest::codedPictureSizeIsRead()
{
    QFETCH(int, tile);
    const HeicPhoto made = makeHeicPhoto(O::MdatFirst, 1, tile);
    QVERIFY2(made.error.isEmpty(), qPrintable(made.error));
    const FoundBox hvcC = findBox(made.bytes, "hvcC");
    QVERIFY(hvcC.start >= 0);
    QCOMPARE(hvcCPictureSamples(made.bytes.mid(hvcC.start, hvcC.size)), quint64(tile * tile));
    QCOMPARE(hvcCPictureSamples(made.bytes.mid(hvcC.start, 40)), quint64(0));
}

QTEST_GUILESS_MAIN(HeicPhotoTest)
#include "tst_heic_photo.moc"
