#include "file_open.h"
#include "global_state.h"
#include "heic/heic_state.h"
#include "heic_fixture.h"
#include "heic_run.h"
#include "jpg_repair.h"
#include "temp_file.h"

#include <QtTest>

Q_DECLARE_METATYPE(HeicFixtureRecipe)

namespace {

HeicFixtureRecipe fixtureSpec(HeicBoxLayout order, int slices, int hdlrSize = 0)
{
    HeicFixtureRecipe recipe;
    recipe.order = order;
    recipe.units = idrSlices(slices);
    recipe.hdlrSize = hdlrSize;
    recipe.entryCount = order == HeicBoxLayout::MetaFirst ? 52 : 51;
    return recipe;
}

} // namespace

// Whether a damaged HEIC file is of a kind the rebuild knows: a slice count
// that names a layout and one of the two box orders.
class HeicCheckTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void checkHeic_data();
    void checkHeic();
    void sampleBoxOrder();
    void staleRunIsCleared_data();
    void staleRunIsCleared();
};

void HeicCheckTest::init()
{
    resetHeicTestState();
    g_heicMetaOffset = -1;
    g_heicIinfDistance = -1;
}

void HeicCheckTest::cleanup()
{
    discardHeicRun();
}

void HeicCheckTest::checkHeic_data()
{
    QTest::addColumn<HeicFixtureRecipe>("recipe");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("metaFirst");
    QTest::addColumn<int>("mdatFirst");
    QTest::addColumn<int>("metaOffset");
    QTest::addColumn<int>("iinfDistance");
    QTest::addColumn<int>("unknownCount");

    using O = HeicBoxLayout;
    QTest::newRow("meta-first, hdlr 33") << fixtureSpec(O::MetaFirst, 48) << 1 << 1 << 0 << 24 << 99 << 0;
    QTest::newRow("meta-first, hdlr 34") << fixtureSpec(O::MetaFirst, 48, 34) << 1 << 1 << 0 << 24 << 100 << 0;

    HeicFixtureRecipe ilocFirst = fixtureSpec(O::MetaFirst, 48);
    ilocFirst.ilocBeforeIdat = true;
    QTest::newRow("meta-first, iloc before idat") << ilocFirst << 0 << 0 << 0 << 24 << 99 << 0;

    QTest::newRow("mdat-first, iref then idat") << fixtureSpec(O::MdatFirst, 49) << 1 << 0 << 1 << -1 << -1 << 0;
    HeicFixtureRecipe idatFirst = fixtureSpec(O::MdatFirst, 49);
    idatFirst.idatBeforeIref = true;
    QTest::newRow("mdat-first, idat then iref") << idatFirst << 1 << 0 << 1 << -1 << -1 << 0;
    QTest::newRow("mdat-first, hdlr 33") << fixtureSpec(O::MdatFirst, 49, 33) << 0 << 0 << 0 << -1 << -1 << 0;

    QTest::newRow("47 slices") << fixtureSpec(O::MetaFirst, 47) << 0 << 0 << 0 << -1 << -1 << 1;

    HeicFixtureRecipe shifted = fixtureSpec(O::MetaFirst, 48);
    shifted.beforeFtyp = QByteArray(8, '\x11');
    QTest::newRow("eight bytes before ftyp") << shifted << 0 << 0 << 0 << -1 << -1 << 0;
}

void HeicCheckTest::checkHeic()
{
    QFETCH(HeicFixtureRecipe, recipe);
    QFETCH(int, result);
    const QString path = writeHeicFixture(QStringLiteral("check.HEIC"), buildHeicFixture(recipe).bytes);

    jpg_repair repair;
    QCOMPARE(repair.CheckHeic(path), result);
    QCOMPARE(g_state.heicValid, result);
    QCOMPARE(g_state.heicFile != nullptr, result == 1);
    QTEST(int(g_heicMetaFirst), "metaFirst");
    QTEST(int(g_heicMdatFirst), "mdatFirst");
    QTEST(g_heicMetaOffset, "metaOffset");
    QTEST(g_heicIinfDistance, "iinfDistance");
    QTEST(g_state.heicUnknownCount, "unknownCount");
}

void HeicCheckTest::sampleBoxOrder()
{
    const QString path = writeHeicFixture(QStringLiteral("sample.HEIF"),
        buildHeicFixture(fixtureSpec(HeicBoxLayout::MetaFirst, 6, 34)).bytes);
    g_state.heicValid = 1;
    jpg_repair repair;
    QCOMPARE(repair.CheckHeicBoxes(path), 0);
    QCOMPARE(int(g_heicMetaFirst), 1);
    QCOMPARE(int(g_heicMdatFirst), 0);
    QCOMPARE(g_sampleMetaOffset, 24);
    QCOMPARE(g_sampleIinfDistance, 100);
    QCOMPARE(g_state.heicValid, 1);
    QVERIFY(g_state.heicFile == nullptr);
}

void HeicCheckTest::staleRunIsCleared_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("CheckHeic") << QStringLiteral("CheckHeic");
    QTest::newRow("CheckHeicBoxes") << QStringLiteral("CheckHeicBoxes");
    QTest::newRow("CollectHevcSlices") << QStringLiteral("CollectHevcSlices");
}

// A run stopped between check and copy leaves its flags and open files; the
// next file must start clean and the unfinished output must not stay behind.
void HeicCheckTest::staleRunIsCleared()
{
    QFETCH(QString, entry);
    const QString path = writeHeicFixture(QStringLiteral("next.HEIC"),
        buildHeicFixture(fixtureSpec(HeicBoxLayout::MdatFirst, 49)).bytes);
    const QString staleOutput = heicOutputFolder() + QStringLiteral("/stale.heic");
    QVERIFY(writeFileBytes(staleOutput, "partial"));
    g_state.heicOutFile = platform::openFile(staleOutput, "ab");
    g_heicOutputPath = staleOutput;
    g_state.heicFile = platform::openFile(path, "rb");
    g_heicMetaFirst = 1;
    g_heicSliceCount = 48;

    jpg_repair repair;
    if (entry == QLatin1String("CheckHeic"))
        QCOMPARE(repair.CheckHeic(path), 1);
    else if (entry == QLatin1String("CheckHeicBoxes"))
        repair.CheckHeicBoxes(path);
    else
        repair.CollectHevcSlices(path);

    QCOMPARE(int(g_heicMetaFirst), 0);
    QCOMPARE(int(g_heicMdatFirst), entry == QLatin1String("CollectHevcSlices") ? 0 : 1);
    QVERIFY(g_state.heicOutFile == nullptr);
    QVERIFY(!QFile::exists(staleOutput));
    QCOMPARE(g_heicSliceCount, entry == QLatin1String("CheckHeicBoxes") ? 0 : 49);
}

QTEST_GUILESS_MAIN(HeicCheckTest)
#include "tst_heic_check.moc"
