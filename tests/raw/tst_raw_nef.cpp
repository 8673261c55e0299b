#include "global_state.h"
#include "raw_fixture.h"

#include <QtTest>

namespace {

const QByteArray kPreview = fixtureJpeg(JpegStart::Quantization, 11, 32, 24);
const QByteArray kFollowing = fixtureJpeg(JpegStart::Quantization, 12, 48, 32);
const QByteArray kGap(24, '\x5A');

struct NefOptions {
    bool bigEndian = false;
    QByteArray signature = "Nikon";
    bool lengthEntry = true;
    int cutAfterFollowingStart = 0;  // > 0: the file ends this far into the following JPEG
};

// TIFF -> Exif -> MakerNote "Nikon" with an embedded TIFF header ten bytes in,
// whose first directory's 0x0011 entry leads to the preview directory.
QByteArray nefFile(const NefOptions& o)
{
    ByteLayout b(o.bigEndian);
    b.appendTiffHeader();
    appendMakerNoteChain(b, 0);
    const quint32 makerNote = b.append(o.signature + hexBytes("0002 1000 00").left(10 - o.signature.size()));
    const quint32 base = makerNote + 10;
    b.appendTiffHeader();
    const quint32 first = b.appendDirectory({{0x0001, 0x0210, 4, 7}, {0x0011, 0}});
    const quint32 previewDir = o.lengthEntry ? b.appendDirectory({{0x0201, 0}, {0x0202, quint32(kPreview.size())}})
                                             : b.appendDirectory({{0x0201, 0}, {0x0100, 32}});
    b.put32(ByteLayout::valueField(first, 1), previewDir - base);
    b.append(kGap);
    const quint32 preview = b.append(kPreview);
    b.put32(ByteLayout::valueField(previewDir, 0), preview - base);
    b.append(kGap);
    const quint32 following = b.append(kFollowing);
    b.append(kGap);
    if (o.cutAfterFollowingStart > 0)
        b.truncate(following + quint32(o.cutAfterFollowingStart));
    return b.bytes();
}

} // namespace

// NEF: the MakerNote's preview directory gives "_2"; the next JPEG after the
// preview is "_1".
class RawNefTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_scene.reset(); }
    void nef_data();
    void nef();
    void previewMatchesIndependentReader_data();
    void previewMatchesIndependentReader();

private:
    ExtractionScene m_scene;
};

void RawNefTest::nef_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<QByteArray>>("contents");

    const QStringList both{"DSC_0001_1.jpg", "DSC_0001_2.jpg"};
    QTest::newRow("found: little-endian") << nefFile({}) << both << QList<QByteArray>{kFollowing, kPreview};
    NefOptions big;
    big.bigEndian = true;
    QTest::newRow("found: big-endian") << nefFile(big) << both << QList<QByteArray>{kFollowing, kPreview};
    NefOptions pointerOnly;
    pointerOnly.lengthEntry = false;
    QTest::newRow("found: pointer without length makes the preview _1")
        << nefFile(pointerOnly) << QStringList{"DSC_0001_1.jpg"} << QList<QByteArray>{kPreview};
    NefOptions unsigned_;
    unsigned_.signature = "Nokin";
    QTest::newRow("fallback: MakerNote without signature, file order")
        << nefFile(unsigned_) << both << QList<QByteArray>{kPreview, kFollowing};
    NefOptions cut;
    cut.cutAfterFollowingStart = 200;
    QTest::newRow("truncated: following JPEG without end")
        << nefFile(cut) << QStringList{"DSC_0001_2.jpg"} << QList<QByteArray>{kPreview};
    QTest::newRow("absent: header only") << hexBytes("4949 2A00 0800 0000 0000") << QStringList() << QList<QByteArray>();
}

void RawNefTest::nef()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    QFETCH(QList<QByteArray>, contents);

    compareOutputs(m_scene.run(&jpg_repair::ExtractNEF, "DSC_0001.NEF", file), names, contents);
}

void RawNefTest::previewMatchesIndependentReader_data()
{
    QTest::addColumn<bool>("bigEndian");
    QTest::newRow("little-endian") << false;
    QTest::newRow("big-endian") << true;
}

// The fixture is a NEF structure that another reader understands, and its
// preview is the "_2" output.
void RawNefTest::previewMatchesIndependentReader()
{
    QFETCH(bool, bigEndian);
    if (!exiftoolAvailable())
        QSKIP("exiftool is not installed");
    NefOptions options;
    options.bigEndian = bigEndian;
    const QString path = m_scene.writeInput("ORACLE.NEF", nefFile(options));
    const ExtractionRun run = m_scene.runPath(&jpg_repair::ExtractNEF, path);
    const QByteArray preview = exiftoolBinary("PreviewImage", path);
    QCOMPARE(preview, kPreview);
    QCOMPARE(run.output("ORACLE_2.jpg"), preview);
}

QTEST_GUILESS_MAIN(RawNefTest)
#include "tst_raw_nef.moc"
