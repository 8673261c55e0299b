#include "global_state.h"
#include "raw_fixture.h"

#include <QtTest>

namespace {

const QByteArray kImage = fixtureJpeg(JpegStart::Quantization, 8, 32, 24);
const QByteArray kDecoy = fixtureJpeg(JpegStart::Huffman, 9);

struct CrwOptions {
    QByteArray signature = hexBytes("4949 1A00");
    quint16 recordTag = 0x2007;
    int extraEntries = 1;
    qint32 lengthChange = 0;
};

// A heap file: 26-byte header, the decoy JPEG and the image in the heap, the
// root directory at the end, and its position in the last four bytes.
QByteArray crwFile(const CrwOptions& o)
{
    ByteLayout b;
    b.append(o.signature);
    b.append32(26);
    b.append("HEAPCCDR");
    b.append32(0x00010002);
    b.appendZeros(26 - int(b.size()));
    b.appendZeros(12);
    b.append(kDecoy);
    b.appendZeros(12);
    const quint32 image = b.append(kImage);
    b.appendZeros(12);
    const quint32 directory = b.append16(quint16(o.extraEntries + 1));
    for (int i = 0; i < o.extraEntries; ++i) {
        b.append16(0x300A);
        b.append32(4);
        b.append32(0);
    }
    b.append16(o.recordTag);
    b.append32(quint32(qint32(kImage.size()) + o.lengthChange));
    b.append32(image - 26);
    b.append32(directory - 26);
    return b.bytes();
}

} // namespace

// CRW takes the JPEG record of its heap's root directory.
class RawCrwTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_scene.reset(); }
    void crw_data();
    void crw();

private:
    ExtractionScene m_scene;
};

void RawCrwTest::crw_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QByteArray>>("contents");

    QTest::newRow("found: JPEG record") << crwFile({}) << QList<QByteArray>{kImage};
    CrwOptions shorter;
    shorter.lengthChange = -20;
    QTest::newRow("found: record size taken as it is") << crwFile(shorter)
                                                       << QList<QByteArray>{kImage.left(kImage.size() - 20)};
    CrwOptions other;
    other.recordTag = 0x2008;
    QTest::newRow("fallback: no JPEG record") << crwFile(other) << QList<QByteArray>{kDecoy};
    CrwOptions crowded;
    crowded.extraEntries = 76;
    QTest::newRow("fallback: 77 entries") << crwFile(crowded) << QList<QByteArray>{kDecoy};
    CrwOptions unsigned_;
    unsigned_.signature = hexBytes("4D4D 1A00");
    QTest::newRow("fallback: no heap signature") << crwFile(unsigned_) << QList<QByteArray>{kDecoy};
    CrwOptions longer;
    longer.lengthChange = 0x10000;
    QTest::newRow("truncated: record runs past the end") << crwFile(longer) << QList<QByteArray>();
    QTest::newRow("absent: header only") << hexBytes("4949 1A00 1A00 0000") << QList<QByteArray>();
}

void RawCrwTest::crw()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<QByteArray>, contents);

    const QStringList names = contents.isEmpty() ? QStringList() : QStringList{"CRW_0042_1.jpg"};
    compareOutputs(m_scene.run(&jpg_repair::ExtractCRW, "CRW_0042.CRW", file), names, contents);
}

QTEST_GUILESS_MAIN(RawCrwTest)
#include "tst_raw_crw.moc"
