#include "global_state.h"
#include "raw_fixture.h"

#include <QtTest>

namespace {

const QByteArray kPreview = fixtureJpeg(JpegStart::Quantization, 10, 32, 24);
const QByteArray kTail(16, '\x5A');
// What an MRW length entry describes in the tests: the preview without its
// last bytes, so a located preview can be told from the fallback's find.
const QByteArray kShortened = kPreview.left(kPreview.size() - 10);

// The preview as the camera stores it: its first byte replaced.
QByteArray stored(char firstByte)
{
    QByteArray bytes = kPreview;
    bytes[0] = firstByte;
    return bytes;
}

struct ErfOptions {
    bool bigEndian = false;
    QByteArray signature = hexBytes("4550 534F 4E00 0100");
    char firstByte = '\0';
    bool exifEntry = true;
    quint32 lengthExtra = 0;
};

QByteArray erfFile(const ErfOptions& o)
{
    ByteLayout b(o.bigEndian);
    b.appendTiffHeader();
    appendMakerNoteChain(b, 0);
    if (!o.exifEntry)
        b.put16(8 + 2 + 12, 0x8768);
    b.append(o.signature);
    const quint32 directory = b.appendDirectory({{0x0200, 1}, {0x0280, 0, quint32(kPreview.size()) - 1 + o.lengthExtra, 7}});
    b.append(kTail);
    const quint32 preview = b.append(stored(o.firstByte));
    b.append(kTail);
    b.put32(ByteLayout::valueField(directory, 1), preview);
    return b.bytes();
}

struct MrwOptions {
    bool bigEndian = true;
    bool tiffHeader = true;
    bool splitPair = false;
    // Bytes from the D8 on that the length entry covers.
    quint32 length = quint32(kShortened.size()) - 1;
};

// The TIFF structure sits after a block of the camera's own records; every
// position is relative to its header.
QByteArray mrwFile(const MrwOptions& o)
{
    ByteLayout b(o.bigEndian);
    b.append(hexBytes("004D 524D 0000 0040"));
    b.appendZeros(0x38);
    const quint32 header = o.tiffHeader ? b.appendTiffHeader() : b.appendZeros(8);
    appendMakerNoteChain(b, header);
    QVector<IfdEntry> entries{{0x0001, 3}, {0x0088, 0}, {0x0089, o.length}};
    if (o.splitPair)
        entries = {{0x0088, 0}, {0x0001, 3}, {0x0002, 3}, {0x0088, 0}, {0x0089, o.length}};
    const quint32 directory = b.appendDirectory(entries);
    b.append(kTail);
    const quint32 preview = b.append(stored('\0'));
    b.append(kTail);
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i].tag == 0x0088)
            b.put32(ByteLayout::valueField(directory, i), preview - header);
    }
    if (o.splitPair)
        b.put32(ByteLayout::valueField(directory, 0), 5);
    return b.bytes();
}

} // namespace

// ERF and MRW previews are stored with their first byte replaced; the
// outputs get one FF in front of the stored bytes from the D8 on.
class RawErfMrwTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_scene.reset(); }
    void erf_data();
    void erf();
    void mrw_data();
    void mrw();

private:
    ExtractionScene m_scene;
};

void RawErfMrwTest::erf_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("written");

    QTest::newRow("found: little-endian") << erfFile({}) << true;
    ErfOptions big;
    big.bigEndian = true;
    QTest::newRow("found: big-endian") << erfFile(big) << true;
    ErfOptions keptFf;
    keptFf.firstByte = '\xFF';
    QTest::newRow("found: stored FF still gives one FF") << erfFile(keptFf) << true;
    ErfOptions unsigned_;
    unsigned_.signature = hexBytes("4E4F 5453 4F4E 0100");
    unsigned_.firstByte = '\xEE';
    QTest::newRow("fallback: MakerNote without signature") << erfFile(unsigned_) << true;
    ErfOptions noExif;
    noExif.exifEntry = false;
    noExif.firstByte = '\xEE';
    QTest::newRow("fallback: no Exif entry") << erfFile(noExif) << true;
    ErfOptions noExifPlain = noExif;
    noExifPlain.firstByte = '\0';
    QTest::newRow("absent: fallback finds no EE D8 start") << erfFile(noExifPlain) << false;
    ErfOptions longer;
    longer.lengthExtra = 0x10000;
    QTest::newRow("truncated: preview runs past the end") << erfFile(longer) << false;
}

void RawErfMrwTest::erf()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, written);

    const ExtractionRun run = m_scene.run(&jpg_repair::ExtractERF, "_DSC0001.ERF", file);
    compareOutputs(run, written ? QStringList{"_DSC0001_1.jpg"} : QStringList(),
                   written ? QList<QByteArray>{kPreview} : QList<QByteArray>());
}

void RawErfMrwTest::mrw_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("found: big-endian, header at 0x40") << mrwFile({}) << kShortened;
    MrwOptions little;
    little.bigEndian = false;
    QTest::newRow("found: little-endian") << mrwFile(little) << kShortened;
    MrwOptions split;
    split.splitPair = true;
    QTest::newRow("found: later complete pair replaces a lone position") << mrwFile(split) << kShortened;
    MrwOptions headerless;
    headerless.tiffHeader = false;
    QTest::newRow("fallback: no TIFF header") << mrwFile(headerless) << kPreview;
    MrwOptions longer;
    longer.length = 0x10000;
    QTest::newRow("truncated: preview runs past the end") << mrwFile(longer) << QByteArray();
    QTest::newRow("absent: no preview") << QByteArray(200, '\x01') << QByteArray();
}

void RawErfMrwTest::mrw()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, content);

    const ExtractionRun run = m_scene.run(&jpg_repair::ExtractMRW, "PICT0001.MRW", file);
    const bool written = !content.isEmpty();
    compareOutputs(run, written ? QStringList{"PICT0001.MRW_1.jpg"} : QStringList(),
                   written ? QList<QByteArray>{content} : QList<QByteArray>());
}

QTEST_GUILESS_MAIN(RawErfMrwTest)
#include "tst_raw_erf_mrw.moc"
