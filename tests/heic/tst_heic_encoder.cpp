#include "global_state.h"
#include "heic/heic_state.h"
#include "heic_boxes.h"
#include "heic_extents.h"
#include "heic_fixture.h"
#include "heic_run.h"
#include "jpg_repair.h"
#include "temp_file.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

// Files written by a real HEIF encoder: refused as they are (their box order
// and slice words are not the ones the repair knows), and their HEVC units
// wrapped into files of the known layouts rebuild with intact extents.
class HeicEncoderTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void encodedFileIsRefused();
    void wrappedUnitsRebuild_data();
    void wrappedUnitsRebuild();

private:
    QByteArray m_encoded;
    QVector<QByteArray> m_units; // NAL units of the encoded file's mdat, without prefix
};

void HeicEncoderTest::initTestCase()
{
    const QString encoder = QStandardPaths::findExecutable(QStringLiteral("heif-enc"));
    if (encoder.isEmpty())
        QSKIP("heif-enc is not installed");
    QImage image(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y, (x * y) % 256));
    }
    const QString png = QDir::tempPath() + QStringLiteral("/encoder-input.png");
    const QString heic = QDir::tempPath() + QStringLiteral("/encoded.heic");
    QVERIFY(image.save(png));
    QProcess process;
    process.start(encoder, {QStringLiteral("-o"), heic, png});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    m_encoded = readFileBytes(heic);

    const BoxRef mdat = boxOfType(walkBoxes(m_encoded, 0, m_encoded.size()), "mdat");
    QVERIFY(mdat.size > 8);
    for (int pos = mdat.start + 8; pos + 4 <= mdat.end();) {
        const int length = int(be32At(m_encoded, pos));
        if (length <= 4 || pos + 4 + length > mdat.end())
            break;
        m_units.append(m_encoded.mid(pos + 4, length));
        pos += 4 + length;
    }
    QVERIFY(!m_units.isEmpty());
}

void HeicEncoderTest::init()
{
    resetHeicTestState();
}

void HeicEncoderTest::cleanup()
{
    discardHeicRun();
}

void HeicEncoderTest::encodedFileIsRefused()
{
    const QString path = writeHeicFixture(QStringLiteral("encoded.HEIC"), m_encoded);
    jpg_repair repair;
    QCOMPARE(repair.CheckHeic(path), 0);
    QVERIFY(g_state.heicFile == nullptr);
    QCOMPARE(g_state.heicValid, 0);
    repair.CountHeicTiles(path);
    for (const qint32 flag : g_state.heicLayoutFlags)
        QCOMPARE(flag, 0);
}

void HeicEncoderTest::wrappedUnitsRebuild_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<int>("slices");
    QTest::addColumn<int>("entryCount");
    QTest::addColumn<int>("tiles");
    QTest::newRow("meta-first standard") << int(HeicBoxLayout::MetaFirst) << 48 << 52 << 48;
    QTest::newRow("mdat-first Three_RatioFour") << int(HeicBoxLayout::MdatFirst) << 49 << 51 << 48;
}

void HeicEncoderTest::wrappedUnitsRebuild()
{
    QFETCH(int, order);
    QFETCH(int, slices);
    QFETCH(int, entryCount);
    QFETCH(int, tiles);
    const QVector<quint32> words = sliceStartWords();
    HeicFixtureRecipe recipe;
    recipe.order = HeicBoxLayout(order);
    recipe.entryCount = entryCount;
    for (int i = 0; i < slices; ++i) {
        HevcUnitRecipe unit;
        unit.word = words[i % words.size()];
        // The encoder's unit after its NAL header and first slice header bytes.
        unit.body = m_units[i % m_units.size()].mid(4);
        recipe.units.append(unit);
    }
    const HeicFixture source = buildHeicFixture(recipe);
    const QString path = writeHeicFixture(QStringLiteral("wrapped.HEIC"), source.bytes);

    jpg_repair repair;
    QCOMPARE(repair.CheckHeic(path), 1);
    const QString name = repair.RebuildHeic(path);
    // The wrapped units carry other start words than the encoder wrote, so
    // only their places are checked, not their decoding.
    QVERIFY(copyWithoutDecodeCheck(repair, name));
    const QByteArray rebuilt = readFileBytes(heicOutputFolder() + QLatin1Char('/') + name);
    QCOMPARE(tileExtentsMismatch(rebuilt, source, tiles), QString());
}

QTEST_GUILESS_MAIN(HeicEncoderTest)
#include "tst_heic_encoder.moc"
