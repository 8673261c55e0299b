#include "global_state.h"
#include "raw_fixture.h"

#include <QtTest>

namespace {

const QByteArray kPreview = fixtureJpeg(JpegStart::Quantization, 3, 40, 24);
const QByteArray kThumb = fixtureJpeg(JpegStart::Huffman, 4);
const QByteArray kFiller(20, '\x5A');

// A CR2 layout: the first directory at 16 holds the preview's strip entries,
// the second directory the thumbnail's pointer pair.
struct Cr2Options {
    bool signature = true;
    int secondDirectoryExtraEntries = 0;
    bool secondDirectory = true;
    qint32 stripShift = 0;  // moves the strip offset off the preview's start
    qint32 pointerShift = 0;
};

QByteArray cr2File(const Cr2Options& options)
{
    ByteLayout layout;
    layout.append(hexBytes("4949 2A00 1000 0000"));
    layout.append(options.signature ? hexBytes("4352 0200") : hexBytes("0000 0000"));
    layout.append32(0);
    const quint32 dir0 = layout.appendDirectory({{0x0100, 40}, {0x0111, 0}, {0x0117, 0}, {0x0112, 1}});
    QVector<IfdEntry> second(options.secondDirectoryExtraEntries, IfdEntry{0x0100, 8});
    second << IfdEntry{0x0201, 0} << IfdEntry{0x0202, 0};
    const quint32 dir1 = options.secondDirectory ? layout.appendDirectory(second) : layout.append16(0);
    layout.put32(ByteLayout::nextField(dir0, 4), dir1);
    layout.append(kFiller);
    const quint32 thumb = layout.append(kThumb);
    layout.append(kFiller);
    const quint32 preview = layout.append(kPreview);
    layout.append(kFiller);
    layout.put32(ByteLayout::valueField(dir0, 1), quint32(qint32(preview) + options.stripShift));
    layout.put32(ByteLayout::valueField(dir0, 2), quint32(kPreview.size()));
    if (options.secondDirectory) {
        const int pointer = options.secondDirectoryExtraEntries;
        layout.put32(ByteLayout::valueField(dir1, pointer), quint32(qint32(thumb) + options.pointerShift));
        layout.put32(ByteLayout::valueField(dir1, pointer + 1), quint32(kThumb.size()));
    }
    return layout.bytes();
}

} // namespace

// CR2 takes its preview from the first strip and its thumbnail from the
// second directory, and pairs up embedded JPEGs when the structure fails.
class RawCr2Test : public QObject {
    Q_OBJECT
private slots:
    void init() { m_scene.reset(); }
    void cr2_data();
    void cr2();
    void cr2MatchesIndependentReader();

private:
    ExtractionScene m_scene;
};

void RawCr2Test::cr2_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<QByteArray>>("contents");

    const QStringList both{"IMG_1.jpg", "IMG_2.jpg"};
    QTest::newRow("found: strip and thumbnail") << cr2File({}) << both << QList<QByteArray>{kPreview, kThumb};

    Cr2Options crowded;
    crowded.secondDirectoryExtraEntries = 53;
    QTest::newRow("found: 55 entries in the second directory: strip only")
        << cr2File(crowded) << QStringList{"IMG_1.jpg"} << QList<QByteArray>{kPreview};

    Cr2Options plainTiff;
    plainTiff.signature = false;
    QTest::newRow("pair scan: no signature, second JPEG is _1")
        << cr2File(plainTiff) << both << QList<QByteArray>{kPreview, kThumb};

    Cr2Options emptySecond;
    emptySecond.secondDirectory = false;
    emptySecond.stripShift = 1;
    QTest::newRow("pair scan: second directory without entries")
        << cr2File(emptySecond) << both << QList<QByteArray>{kPreview, kThumb};

    Cr2Options misplaced;
    misplaced.stripShift = 3;
    misplaced.pointerShift = -2;
    QTest::newRow("fallback: pointers off their starts, first JPEG is _1")
        << cr2File(misplaced) << both << QList<QByteArray>{kThumb, kPreview};

    const QByteArray whole = cr2File({});
    QTest::newRow("truncated: preview runs past the end")
        << whole.left(whole.indexOf(kPreview) + 100) << QStringList{"IMG_2.jpg"} << QList<QByteArray>{kThumb};

    const QByteArray endless = kFiller + kThumb.left(kThumb.size() - 2) + kFiller;
    QTest::newRow("pair scan: JPEG without end marker writes nothing")
        << endless << QStringList() << QList<QByteArray>();

    QTest::newRow("absent: filler only") << QByteArray(500, '\x01') << QStringList() << QList<QByteArray>();
}

void RawCr2Test::cr2()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    QFETCH(QList<QByteArray>, contents);

    compareOutputs(m_scene.run(&jpg_repair::ExtractCR2, "IMG.0001.CR2", file), names, contents);
}

// The fixture is a CR2 structure that another reader understands: its
// preview is "_1" and its thumbnail "_2".
void RawCr2Test::cr2MatchesIndependentReader()
{
    if (!exiftoolAvailable())
        QSKIP("exiftool is not installed");
    const QString path = m_scene.writeInput("ORACLE.CR2", cr2File({}));
    const ExtractionRun run = m_scene.runPath(&jpg_repair::ExtractCR2, path);
    QCOMPARE(exiftoolBinary("PreviewImage", path), kPreview);
    QCOMPARE(run.output("ORACLE_1.jpg"), kPreview);
    QCOMPARE(exiftoolBinary("ThumbnailImage", path), kThumb);
    QCOMPARE(run.output("ORACLE_2.jpg"), kThumb);
}

QTEST_GUILESS_MAIN(RawCr2Test)
#include "tst_raw_cr2.moc"
