#include "global_state.h"
#include "heic/heic_state.h"
#include "heic_fixture.h"
#include "heic_run.h"
#include "jpg_repair.h"

#include <QtTest>

Q_DECLARE_METATYPE(QVector<HevcUnitRecipe>)

namespace {

using L = HeicTileLayout;

QList<int> layouts(std::initializer_list<L> list)
{
    QList<int> out;
    for (const L layout : list)
        out.append(int(layout));
    return out;
}

QList<int> flaggedLayouts()
{
    QList<int> out;
    for (int i = 0; i < kHeicTileLayoutCount; ++i) {
        if (g_state.heicLayoutFlags[i])
            out.append(i);
    }
    return out;
}

HevcUnitRecipe unit(quint32 word, int body, quint32 lengthField = 0)
{
    HevcUnitRecipe recipe;
    recipe.word = word;
    recipe.bodySize = body;
    recipe.lengthField = lengthField;
    return recipe;
}

// Slices of every start word in turn, with parameter-set and other non-IDR
// units between them; one of those carries a slice word inside its payload.
QVector<HevcUnitRecipe> mixedUnits(int slices)
{
    const QVector<quint32> words = sliceStartWords();
    QVector<HevcUnitRecipe> units;
    for (int i = 0; i < slices; ++i) {
        if (i % 5 == 0)
            units.append(unit(0x40010C01, 20)); // parameter set
        if (i % 7 == 0)
            units.append(unit(0x0201D000, 60)); // non-IDR slice
        units.append(unit(words[i % words.size()], 50 + i));
    }
    HevcUnitRecipe hiding = unit(0x4E0105FF, 0);
    hiding.body = QByteArray::fromHex("00000020" "2801AF84" "2601AFE0");
    units.insert(3, hiding);
    return units;
}

} // namespace

// The slice walk counts IDR slice units along the chain of length prefixes and
// names the capture layout from the count.
class HeicSlicesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void countNamesLayout_data();
    void countNamesLayout();
    void sliceWordAtStartCountsNothing();
    void unopenablePathCountsNothing();
    void stopRequestEndsCount();
    void collectKeepsFileOpenAndFlagsAlone();
};

void HeicSlicesTest::init()
{
    resetHeicTestState();
}

void HeicSlicesTest::cleanup()
{
    discardHeicRun();
}

void HeicSlicesTest::countNamesLayout_data()
{
    QTest::addColumn<QVector<HevcUnitRecipe>>("units");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("expectedLayouts");

    QTest::newRow("48 slices") << idrSlices(48) << 48 << layouts({L::standard});
    QTest::newRow("36 slices")
        << idrSlices(36, 0x2601AFB0) << 36
        << layouts({L::square_Iphone_OR_selfieThreeRatioFour_Android, L::selfie_Three_Ratio_Four});
    QTest::newRow("25 slices")
        << idrSlices(25, 0x2801AEE0) << 25
        << layouts({L::square_selfieIphone_OR_FullPhotoAndroid, L::FullPhoto});
    QTest::newRow("47 slices") << idrSlices(47) << 47 << QList<int>();
    QTest::newRow("440 slices") << idrSlices(440) << 440 << QList<int>();
    QTest::newRow("6 slices of the five words") << mixedUnits(6) << 6 << layouts({L::standard_selfie});
    QTest::newRow("non-IDR units stepped over") << mixedUnits(49) << 49 << layouts({L::Three_RatioFour});

    QVector<HevcUnitRecipe> endless = idrSlices(3);
    endless.append(unit(0x2801AF80, 40, 0xFFFFFFFC));
    endless += idrSlices(5);
    QTest::newRow("length FF FF FF FC ends the walk") << endless << 4 << QList<int>();

    QVector<HevcUnitRecipe> pastEnd = idrSlices(25);
    pastEnd.last().lengthField = 100000;
    QTest::newRow("last length past the end") << pastEnd << 25
        << layouts({L::square_selfieIphone_OR_FullPhotoAndroid, L::FullPhoto});
    QTest::newRow("no slices") << QVector<HevcUnitRecipe>{unit(0x0201D000, 80)} << 0 << QList<int>();
}

void HeicSlicesTest::countNamesLayout()
{
    QFETCH(QVector<HevcUnitRecipe>, units);
    QFETCH(int, count);
    QFETCH(QList<int>, expectedLayouts);

    HeicFixtureRecipe recipe;
    recipe.units = units;
    recipe.beforeUnits = QByteArray::fromHex("0011223344556677"); // no NAL units
    recipe.entryCount = 52;
    const HeicFixture fixture = buildHeicFixture(recipe);
    const QString path = writeHeicFixture(QStringLiteral("slices.HEIC"), fixture.bytes);

    jpg_repair repair;
    QCOMPARE(repair.CountHeicTiles(path), count);
    QCOMPARE(g_heicSliceCount, count);
    QCOMPARE(flaggedLayouts(), expectedLayouts);

    const QVector<int> slices = fixture.sliceUnits();
    for (int i = 0; i < 435; ++i) {
        qint32 expected = 0;
        if (i < count) {
            const int index = slices[i];
            const quint32 field = units[index].lengthField;
            expected = field ? qint32(field + 4) : fixture.unitSize[index];
        }
        QCOMPARE(repair.m_nalSizes[i], expected);
    }
}

void HeicSlicesTest::sliceWordAtStartCountsNothing()
{
    HeicFixtureRecipe recipe;
    recipe.units = idrSlices(48);
    QByteArray bytes = QByteArray::fromHex("2801AF84") + buildHeicFixture(recipe).bytes;
    const QString path = writeHeicFixture(QStringLiteral("start.HEIC"), bytes);

    jpg_repair repair;
    QCOMPARE(repair.CountHeicTiles(path), 0);
    QVERIFY(flaggedLayouts().isEmpty());
}

void HeicSlicesTest::unopenablePathCountsNothing()
{
    g_state.heicLayoutFlags[1] = 1;
    g_heicSliceCount = 9;
    jpg_repair repair;
    QCOMPARE(repair.CountHeicTiles(QDir::tempPath() + QStringLiteral("/missing.HEIC")), 0);
    QCOMPARE(g_heicSliceCount, 0);
    QVERIFY(flaggedLayouts().isEmpty());
}

void HeicSlicesTest::stopRequestEndsCount()
{
    HeicFixtureRecipe recipe;
    recipe.units = idrSlices(48);
    const QString path = writeHeicFixture(QStringLiteral("stop.HEIC"), buildHeicFixture(recipe).bytes);
    g_state.stopRequested = 1;
    jpg_repair repair;
    QCOMPARE(repair.CountHeicTiles(path), 0);
    QCOMPARE(repair.CheckHeic(path), 0);
    QVERIFY(g_state.heicFile == nullptr);
}

void HeicSlicesTest::collectKeepsFileOpenAndFlagsAlone()
{
    HeicFixtureRecipe recipe;
    recipe.units = idrSlices(36);
    const HeicFixture fixture = buildHeicFixture(recipe);
    const QString path = writeHeicFixture(QStringLiteral("Ünïcødé 写真.HEIC"), fixture.bytes);
    g_state.heicLayoutFlags[int(L::standard)] = 1;
    g_heicMetaFirst = 1;

    jpg_repair repair;
    repair.CollectHevcSlices(path);
    QVERIFY(g_state.heicFile != nullptr);
    QCOMPARE(g_heicSliceCount, 36);
    QCOMPARE(repair.m_nalSizes[35], fixture.unitSize[35]);
    QCOMPARE(flaggedLayouts(), layouts({L::standard}));
    QCOMPARE(int(g_heicMetaFirst), 0);
}

QTEST_GUILESS_MAIN(HeicSlicesTest)
#include "tst_heic_slices.moc"
