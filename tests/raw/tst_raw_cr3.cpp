#include "global_state.h"
#include "raw_fixture.h"

#include <QtTest>

namespace {

const QByteArray kThumb = fixtureJpeg(JpegStart::Quantization, 5);
const QByteArray kPreview = fixtureJpeg(JpegStart::Huffman, 6, 32, 24);
const QByteArray kFull = fixtureJpeg(JpegStart::App0, 7, 48, 32);
const QByteArray kFiller(16, '\x5A');

struct Cr3Options {
    QByteArray brand = "CanonCR3_001/00.09.00/00.00.00";
    bool thumbnail = true;
    bool preview = true;
    bool chunkOffset = true;
    quint32 thumbLengthExtra = 0;
    bool zeroSizeCmt = false;
    QByteArray previewData = kPreview;
};

quint32 beginBox(ByteLayout& b, const char* type)
{
    const quint32 pos = b.append32(0);
    b.append(QByteArray(type, 4));
    return pos;
}

void endBox(ByteLayout& b, quint32 pos)
{
    b.put32(pos, b.size() - pos);
}

// An ISO base media file laid out as a CR3: ftyp; moov with the maker's uuid
// box (CNCV, CMT1-4, THMB), mvhd and a track with stsz and co64; the uuid box
// of the PRVW preview; mdat with the full-size JPEG.
QByteArray cr3File(const Cr3Options& o)
{
    ByteLayout b(true);
    const quint32 ftyp = beginBox(b, "ftyp");
    b.append("crx ");
    b.append32(1);
    b.append("crx isom");
    endBox(b, ftyp);

    const quint32 moov = beginBox(b, "moov");
    const quint32 maker = beginBox(b, "uuid");
    b.append(hexBytes("85C0B687820F11E08111F4CE462B6A48"));
    const quint32 cncv = beginBox(b, "CNCV");
    b.append(o.brand);
    endBox(b, cncv);
    for (const char* type : {"CMT1", "CMT2", "CMT3", "CMT4"}) {
        const quint32 cmt = beginBox(b, type);
        b.append(QByteArray(24, '\x01'));
        endBox(b, cmt);
        if (o.zeroSizeCmt && QByteArray(type) == "CMT2")
            b.put32(cmt, 0);
    }
    if (o.thumbnail) {
        const quint32 thmb = beginBox(b, "THMB");
        b.append32(0);
        b.append16(24);
        b.append16(16);
        b.append32(quint32(kThumb.size()) + o.thumbLengthExtra);
        b.append32(0);
        b.append(kThumb);
        endBox(b, thmb);
    }
    endBox(b, maker);
    const quint32 mvhd = beginBox(b, "mvhd");
    b.appendZeros(100);
    endBox(b, mvhd);
    const quint32 trak = beginBox(b, "trak");
    const quint32 stsz = beginBox(b, "stsz");
    b.append32(0);
    b.append32(quint32(kFull.size()));
    b.append32(1);
    endBox(b, stsz);
    quint32 chunkOffsetField = 0;
    if (o.chunkOffset) {
        const quint32 co64 = beginBox(b, "co64");
        b.append32(0);
        b.append32(1);
        b.append32(0);
        chunkOffsetField = b.append32(0);
        endBox(b, co64);
    }
    endBox(b, trak);
    endBox(b, moov);

    if (o.preview) {
        const quint32 uuid = beginBox(b, "uuid");
        b.append(hexBytes("EAF42B5E1C984B88B9FBB7DC406E4D16"));
        b.appendZeros(8);
        const quint32 prvw = beginBox(b, "PRVW");
        b.append32(0);
        b.appendZeros(8);
        b.append32(quint32(o.previewData.size()));
        b.append(o.previewData);
        endBox(b, prvw);
        endBox(b, uuid);
    }
    const quint32 mdat = beginBox(b, "mdat");
    b.append(kFiller);
    const quint32 full = b.append(kFull);
    b.append(kFiller);
    endBox(b, mdat);
    if (chunkOffsetField != 0)
        b.put32(chunkOffsetField, full);
    return b.bytes();
}

} // namespace

// CR3 finds its thumbnail, preview and full-size JPEG through the file's
// boxes, or takes the first three JPEGs of the file.
class RawCr3Test : public QObject {
    Q_OBJECT
private slots:
    void init() { m_scene.reset(); }
    void brandLiesWhereTheWalkLooks();
    void cr3_data();
    void cr3();
    void listsOnlyItsOwnOutputs();
    void stopRequestKeepsLocatedImages();

private:
    ExtractionScene m_scene;
};

void RawCr3Test::brandLiesWhereTheWalkLooks()
{
    QCOMPARE(cr3File({}).mid(64, 8), QByteArray("CanonCR3"));
}

void RawCr3Test::cr3_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<QByteArray>>("contents");

    const QStringList all{"A_1.jpg", "A_2.jpg", "A_3.jpg"};
    const QList<QByteArray> allContents{kFull, kPreview, kThumb};
    QTest::newRow("found: full-size, preview, thumbnail") << cr3File({}) << all << allContents;

    Cr3Options previewOnly;
    previewOnly.thumbnail = false;
    previewOnly.chunkOffset = false;
    QTest::newRow("found: preview, no co64 box") << cr3File(previewOnly) << QStringList{"A_2.jpg"}
                                                 << QList<QByteArray>{kPreview};

    Cr3Options otherBrand;
    otherBrand.brand = "OtherBrandCR3_001/00.09.00/0000";
    QTest::newRow("fallback: no CanonCR3 brand, JPEGs in file order") << cr3File(otherBrand) << all << allContents;

    QTest::newRow("fallback: a JPEG at position 0 is not _3")
        << QByteArray(kThumb + kFiller + kPreview + kFiller + kFull + kFiller) << QStringList{"A_1.jpg", "A_2.jpg"}
        << QList<QByteArray>{kFull, kPreview};
    QTest::newRow("fallback: a JPEG that ends the file is not written")
        << QByteArray(kFiller + kThumb + kFiller + kPreview) << QStringList{"A_3.jpg"} << QList<QByteArray>{kThumb};

    Cr3Options longThumb;
    longThumb.thumbLengthExtra = 0x100000;
    QTest::newRow("truncated: thumbnail length past the end is skipped")
        << cr3File(longThumb) << QStringList{"A_1.jpg", "A_2.jpg"} << QList<QByteArray>{kFull, kPreview};

    Cr3Options placeholder;
    placeholder.previewData = QByteArray("placeholder preview ").repeated(20);
    QTest::newRow("preview without start marker is skipped")
        << cr3File(placeholder) << QStringList{"A_1.jpg", "A_3.jpg"} << QList<QByteArray>{kFull, kThumb};

    Cr3Options zeroCmt;
    zeroCmt.zeroSizeCmt = true;
    QTest::newRow("found: CMT box of size 0") << cr3File(zeroCmt) << all << allContents;

    QTest::newRow("absent: no JPEG") << QByteArray(300, '\x07') << QStringList() << QList<QByteArray>();
}

void RawCr3Test::cr3()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    QFETCH(QList<QByteArray>, contents);

    jpg_repair repair;
    compareOutputs(m_scene.run(&jpg_repair::ExtractCR3, "A.CR3", file, &repair), names, contents);
    QCOMPARE(repair.m_heicFileSize, quint32(file.size()));
    QCOMPARE(repair.m_heicMetaOffset, 0u);
}

void RawCr3Test::listsOnlyItsOwnOutputs()
{
    m_scene.run(&jpg_repair::ExtractCR3, "A.CR3", cr3File({}));
    QCOMPARE(g_state.cr3OutputName[2], QString("A_3.jpg"));

    Cr3Options previewOnly;
    previewOnly.thumbnail = false;
    previewOnly.chunkOffset = false;
    const ExtractionRun second = m_scene.run(&jpg_repair::ExtractCR3, "B.CR3", cr3File(previewOnly));
    QCOMPARE(second.names, QStringList{"B_2.jpg"});
    QCOMPARE(g_state.cr3OutputName[0], QString());
    QCOMPARE(g_state.cr3OutputName[1], QString("B_2.jpg"));
    QCOMPARE(g_state.cr3OutputName[2], QString());
}

// The box walk does not poll the stop flag, so what it locates is written;
// the fallback scan does poll it.
void RawCr3Test::stopRequestKeepsLocatedImages()
{
    g_state.stopRequested = 1;
    QCOMPARE(m_scene.run(&jpg_repair::ExtractCR3, "A.CR3", cr3File({})).names,
             (QStringList{"A_1.jpg", "A_2.jpg", "A_3.jpg"}));
    QVERIFY(m_scene.run(&jpg_repair::ExtractCR3, "B.CR3", kFiller + kThumb + kFiller).names.isEmpty());
}

QTEST_GUILESS_MAIN(RawCr3Test)
#include "tst_raw_cr3.moc"
