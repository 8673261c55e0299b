#include "global_state.h"
#include "raw_fixture.h"

#include <QtTest>

namespace {

const QByteArray kJpegA = fixtureJpeg(JpegStart::Quantization, 1);
const QByteArray kJpegB = fixtureJpeg(JpegStart::Huffman, 2);
const QByteArray kTail(24, '\x5A');

// A TIFF whose first directory points at JPEG A and whose second points at
// JPEG B. Entries hold placeholders that are patched once the JPEGs are placed.
struct TwoDirectoryTiff {
    ByteLayout layout;
    quint32 dir0 = 0;
    quint32 dir1 = 0;
    quint32 jpegA = 0;
    quint32 jpegB = 0;
};

TwoDirectoryTiff twoDirectoryTiff(bool bigEndian, const QVector<IfdEntry>& first, const QVector<IfdEntry>& second,
                                  quint32 prefix = 0)
{
    TwoDirectoryTiff t{ByteLayout(bigEndian)};
    t.layout.appendZeros(int(prefix));
    t.layout.appendTiffHeader();
    const quint32 dir0 = t.dir0 = t.layout.appendDirectory(first);
    const quint32 dir1 = t.dir1 = second.isEmpty() ? 0 : t.layout.appendDirectory(second);
    t.layout.put32(ByteLayout::nextField(dir0, first.size()), dir1 == 0 ? 0 : dir1 - prefix);
    t.layout.appendZeros(16);
    t.jpegA = t.layout.append(kJpegA);
    t.layout.appendZeros(8);
    t.jpegB = t.layout.append(kJpegB);
    t.layout.append(kTail);
    // Patch every pointer (0x0201) and length (0x0202) entry: first directory
    // to A, second to B, positions relative to the header.
    const auto patch = [&](quint32 dir, const QVector<IfdEntry>& entries, quint32 pos, quint32 length) {
        for (int i = 0; i < entries.size(); ++i) {
            if (entries[i].tag == 0x0201)
                t.layout.put32(ByteLayout::valueField(dir, i), pos - prefix);
            if (entries[i].tag == 0x0202)
                t.layout.put32(ByteLayout::valueField(dir, i), length);
        }
    };
    patch(dir0, first, t.jpegA, quint32(kJpegA.size()));
    if (dir1 != 0)
        patch(dir1, second, t.jpegB, quint32(kJpegB.size()));
    return t;
}

const IfdEntry kWidth{0x0100, 24};
const IfdEntry kPointer{0x0201, 0};
const IfdEntry kLength{0x0202, 0};
const IfdEntry kBitsPerSample{0x0102, 8};

QVector<IfdEntry> manyEntries(int count)
{
    return QVector<IfdEntry>(count, kWidth);
}

} // namespace

// ARW and BAY find their JPEGs through the pointer entries of TIFF directories.
class RawArwBayTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_scene.reset(); }
    void arw_data();
    void arw();
    void arwMatchesIndependentReader();
    void bay_data();
    void bay();
    void bayByteOrderKeptWhenNoHeader();
    void stopRequestEndsWalksAndScans();

private:
    ExtractionScene m_scene;
};

void RawArwBayTest::arw_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<QByteArray>>("contents");

    const QVector<IfdEntry> pair{kWidth, kPointer, kLength};
    const TwoDirectoryTiff both = twoDirectoryTiff(false, pair, pair);
    QTest::newRow("found: both directories") << both.layout.bytes() << QStringList{"DSC_1.jpg", "DSC_2.jpg"}
                                             << QList<QByteArray>{kJpegA, kJpegB};

    const TwoDirectoryTiff first = twoDirectoryTiff(false, pair, {});
    QTest::newRow("found: first directory only") << first.layout.bytes() << QStringList{"DSC_1.jpg"}
                                                 << QList<QByteArray>{kJpegA};

    const TwoDirectoryTiff split = twoDirectoryTiff(false, {kPointer, kWidth, kLength}, pair);
    QTest::newRow("found: first pointer without length writes only _2")
        << split.layout.bytes() << QStringList{"DSC_2.jpg"} << QList<QByteArray>{kJpegB};

    const TwoDirectoryTiff crowded = twoDirectoryTiff(false, manyEntries(77) << kPointer << kLength, pair);
    QTest::newRow("found: crowded first directory still leads to the second")
        << crowded.layout.bytes() << QStringList{"DSC_2.jpg"} << QList<QByteArray>{kJpegB};

    const TwoDirectoryTiff bigEndian = twoDirectoryTiff(true, pair, pair);
    QTest::newRow("fallback: big-endian header") << bigEndian.layout.bytes()
                                                 << QStringList{"DSC_1.jpg", "DSC_2.jpg"}
                                                 << QList<QByteArray>{kJpegA, kJpegB};

    TwoDirectoryTiff offCentre = twoDirectoryTiff(false, pair, pair);
    offCentre.layout.put32(ByteLayout::valueField(offCentre.dir0, 1), offCentre.jpegA + 2);
    offCentre.layout.put32(ByteLayout::valueField(offCentre.dir1, 1), 0);
    QTest::newRow("fallback: pointers not at a start") << offCentre.layout.bytes()
                                                      << QStringList{"DSC_1.jpg", "DSC_2.jpg"}
                                                      << QList<QByteArray>{kJpegA, kJpegB};

    const TwoDirectoryTiff cut = twoDirectoryTiff(false, pair, pair);
    QTest::newRow("truncated: second image runs past the end")
        << cut.layout.bytes().left(int(cut.jpegB) + 100) << QStringList{"DSC_1.jpg"}
        << QList<QByteArray>{kJpegA};

    ByteLayout plain;
    plain.appendTiffHeader();
    plain.appendDirectory({kWidth});
    plain.appendZeros(200);
    QTest::newRow("absent: no JPEG anywhere") << plain.bytes() << QStringList() << QList<QByteArray>();
    QTest::newRow("absent: empty file") << QByteArray() << QStringList() << QList<QByteArray>();
}

void RawArwBayTest::arw()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    QFETCH(QList<QByteArray>, contents);

    compareOutputs(m_scene.run(&jpg_repair::ExtractARW, "DSC.0001.ARW", file), names, contents);
}

// The fixture is an ARW structure that another reader understands: its
// preview is "_1" and its thumbnail "_2".
void RawArwBayTest::arwMatchesIndependentReader()
{
    if (!exiftoolAvailable())
        QSKIP("exiftool is not installed");
    const QVector<IfdEntry> pair{kWidth, kPointer, kLength};
    const QString path = m_scene.writeInput("ORACLE.ARW", twoDirectoryTiff(false, pair, pair).layout.bytes());
    const ExtractionRun run = m_scene.runPath(&jpg_repair::ExtractARW, path);
    QCOMPARE(exiftoolBinary("PreviewImage", path), kJpegA);
    QCOMPARE(run.output("ORACLE_1.jpg"), kJpegA);
    QCOMPARE(exiftoolBinary("ThumbnailImage", path), kJpegB);
    QCOMPARE(run.output("ORACLE_2.jpg"), kJpegB);
}

void RawArwBayTest::bay_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QByteArray>>("contents");
    QTest::addColumn<int>("bigEndian");

    const QVector<IfdEntry> pair{kWidth, kPointer, kLength};
    const QVector<IfdEntry> first{kWidth, kWidth};
    QTest::newRow("found: little-endian header at 0x200")
        << twoDirectoryTiff(false, first, pair, 0x200).layout.bytes() << QList<QByteArray>{kJpegB} << 0;
    QTest::newRow("found: big-endian header at 0x31")
        << twoDirectoryTiff(true, first, pair, 0x31).layout.bytes() << QList<QByteArray>{kJpegB} << 1;
    QTest::newRow("fallback: bits-per-sample taken for the pointer")
        << twoDirectoryTiff(false, first, {kBitsPerSample, kPointer, kLength}, 0x10).layout.bytes()
        << QList<QByteArray>{kJpegA} << 0;
    QTest::newRow("fallback: second directory of 77 entries")
        << twoDirectoryTiff(false, first, manyEntries(76) << kPointer, 0).layout.bytes()
        << QList<QByteArray>{kJpegA} << 0;
    QTest::newRow("fallback: no second directory")
        << twoDirectoryTiff(true, first, {}, 0).layout.bytes() << QList<QByteArray>{kJpegA} << 1;

    const TwoDirectoryTiff cut = twoDirectoryTiff(false, first, pair, 4);
    QTest::newRow("truncated: image runs past the end")
        << cut.layout.bytes().left(int(cut.jpegB) + 50) << QList<QByteArray>() << 0;
    QTest::newRow("absent: jpeg without room after it")
        << QByteArray(kJpegA + "1234") << QList<QByteArray>() << 1;
}

void RawArwBayTest::bay()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<QByteArray>, contents);
    QFETCH(int, bigEndian);

    jpg_repair repair;
    const ExtractionRun run = m_scene.run(&jpg_repair::ExtractBAY, "CAM.0001.BAY", file, &repair);
    compareOutputs(run, contents.isEmpty() ? QStringList() : QStringList{"CAM_1.jpg"}, contents);
    QCOMPARE(repair.m_bigEndian, bigEndian);
}

void RawArwBayTest::bayByteOrderKeptWhenNoHeader()
{
    jpg_repair repair;
    repair.m_bigEndian = 0;
    m_scene.run(&jpg_repair::ExtractBAY, "A.BAY", kJpegA + kTail, &repair);
    QCOMPARE(repair.m_bigEndian, 0);
    QCOMPARE(g_state.producedFiles, QStringList{"A_1.jpg"});
}

// With the stop flag set, neither the directory walks nor the fallback scan
// look at the file.
void RawArwBayTest::stopRequestEndsWalksAndScans()
{
    const QVector<IfdEntry> pair{kWidth, kPointer, kLength};
    const QByteArray file = twoDirectoryTiff(false, pair, pair).layout.bytes();
    g_state.stopRequested = 1;
    QVERIFY(m_scene.run(&jpg_repair::ExtractARW, "A.ARW", file).names.isEmpty());
    QVERIFY(m_scene.run(&jpg_repair::ExtractBAY, "A.BAY", file).names.isEmpty());
    QVERIFY(m_scene.run(&jpg_repair::ExtractARW, "B.ARW", kJpegA + kTail).names.isEmpty());
}

QTEST_GUILESS_MAIN(RawArwBayTest)
#include "tst_raw_arw_bay.moc"
