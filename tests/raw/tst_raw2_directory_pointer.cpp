#include "global_state.h"
#include "raw2_fixture.h"

#include <QtTest>

// NRW, SR2 and SRF find their previews through directory pointer entries and
// fall back to marker scans.
class Raw2DirectoryPointerTest : public QObject {
    Q_OBJECT
private slots:
    void init() { g_state.stopRequested = 0; }
    void nrw_data();
    void nrw() { verifyExtractionRow(&jpg_repair::ExtractNRW); }
    void sr2_data();
    void sr2() { verifyExtractionRow(&jpg_repair::ExtractSR2); }
    void srf_data();
    void srf() { verifyExtractionRow(&jpg_repair::ExtractSRF); }
};

namespace {

const QByteArray kTail(16, 0x11);

QByteArray jpeg(int shade)
{
    return fixtureJpeg(JpegStart::Quantization, shade);
}

// An NRW: first directory with [extra entries], SubIFDs, then the pointer
// pair of image 1; the SubIFDs value points at a one-element list holding the
// sub-directory, which has the pointer pair of image 2.
QByteArray nrwFile(const QByteArray& first, const QByteArray& second, bool withSubIfds = true)
{
    ByteLayout file;
    file.appendTiffHeader();
    QVector<IfdEntry> entries{{0x0100, 24}};
    if (withSubIfds)
        entries.append({0x014A, 0});
    entries.append({0x0201, 0});
    entries.append({0x0202, quint32(first.size())});
    const quint32 dir = file.appendDirectory(entries);
    const int pointer = withSubIfds ? 2 : 1;
    const quint32 list = file.appendZeros(4);
    const quint32 sub = file.appendDirectory({{0x0201, 0}, {0x0202, quint32(second.size())}});
    file.put32(list, sub);
    if (withSubIfds)
        file.put32(ByteLayout::valueField(dir, 1), list);
    file.put32(ByteLayout::valueField(dir, pointer), file.append(first));
    file.put32(ByteLayout::valueField(sub, 0), file.append(second));
    file.append(kTail);
    return file.bytes();
}

} // namespace

void Raw2DirectoryPointerTest::nrw_data()
{
    addExtractionColumns();
    const QByteArray a = jpeg(1);
    const QByteArray b = jpeg(2);
    const QStringList both{"DSC_1.jpg", "DSC_2.jpg"};

    QTest::newRow("first directory and sub-directory") << "DSC.NRW" << nrwFile(a, b) << both << QByteArrayList{a, b};

    // Without SubIFDs the first directory's pair is not used: the fallback
    // finds both JPEGs by their markers.
    QTest::newRow("no SubIFDs entry: fallback") << "DSC.NRW" << nrwFile(a, b, false) << both << QByteArrayList{a, b};

    QByteArray badHeader = nrwFile(a, b);
    badHeader[4] = 0x10;
    QTest::newRow("other first directory: fallback") << "DSC.NRW" << badHeader << both << QByteArrayList{a, b};

    // The fallback's segment test: after the first segment must come a
    // quantization or Huffman table segment.
    const QByteArray huffmanFirst = fixtureJpeg(JpegStart::Huffman, 3);
    QTest::newRow("fallback takes huffman-first JPEG") << "DSC.NRW" << kTail + huffmanFirst + kTail
        << QStringList{"DSC_1.jpg"} << QByteArrayList{huffmanFirst};
    QTest::newRow("fallback refuses table then frame") << "DSC.NRW" << kTail + singleTableJpeg() + kTail
        << QStringList() << QByteArrayList();

    // A sub-directory pair running past the end of the file is skipped.
    QByteArray truncated = nrwFile(a, b);
    truncated.chop(kTail.size() + 10);
    QTest::newRow("truncated second image") << "DSC.NRW" << truncated << QStringList{"DSC_1.jpg"} << QByteArrayList{a};

    QTest::newRow("empty file") << "DSC.NRW" << QByteArray() << QStringList() << QByteArrayList();
}

void Raw2DirectoryPointerTest::sr2_data()
{
    addExtractionColumns();
    const QByteArray a = jpeg(1);
    const QByteArray b = jpeg(2);
    const QByteArray c = jpeg(3);

    // First directory: a pointer followed by an unrelated entry, then a
    // complete pair, which wins. Second directory: a complete pair.
    ByteLayout file;
    file.appendTiffHeader();
    const quint32 first = file.appendDirectory({{0x0201, 0}, {0x0100, 24}, {0x0201, 0}, {0x0202, quint32(a.size())}});
    const quint32 second = file.appendDirectory({{0x0201, 0}, {0x0202, quint32(b.size())}});
    file.put32(ByteLayout::nextField(first, 4), second);
    file.put32(ByteLayout::valueField(first, 0), file.append(c));
    file.put32(ByteLayout::valueField(first, 2), file.append(a));
    file.put32(ByteLayout::valueField(second, 0), file.append(b));
    file.append(kTail);
    QTest::newRow("later complete pair and second directory") << "A.SR2" << file.bytes()
        << QStringList{"A_1.jpg", "A_2.jpg"} << QByteArrayList{a, b};

    ByteLayout onlySecond;
    onlySecond.appendTiffHeader();
    const quint32 plain = onlySecond.appendDirectory({{0x0100, 24}});
    const quint32 pointing = onlySecond.appendDirectory({{0x0201, 0}, {0x0202, quint32(b.size())}});
    onlySecond.put32(ByteLayout::nextField(plain, 1), pointing);
    onlySecond.put32(ByteLayout::valueField(pointing, 0), onlySecond.append(b));
    onlySecond.append(kTail);
    QTest::newRow("only the second directory") << "A.SR2" << onlySecond.bytes()
        << QStringList{"A_2.jpg"} << QByteArrayList{b};

    QTest::newRow("fallback: two JPEGs") << "A.SR2" << kTail + a + kTail + b + kTail
        << QStringList{"A_1.jpg", "A_2.jpg"} << QByteArrayList{a, b};
    // The two-image scan stores no end in the last four bytes of the file.
    QTest::newRow("fallback: JPEG at the very end") << "A.SR2" << kTail + a
        << QStringList() << QByteArrayList();

    ByteLayout pastEnd;
    pastEnd.appendTiffHeader();
    const quint32 dir = pastEnd.appendDirectory({{0x0100, 24}}, 0x7FFFFFF0);
    Q_UNUSED(dir)
    pastEnd.append(kTail + a + kTail);
    QTest::newRow("second directory past the end: fallback") << "A.SR2" << pastEnd.bytes()
        << QStringList{"A_1.jpg"} << QByteArrayList{a};
}

void Raw2DirectoryPointerTest::srf_data()
{
    addExtractionColumns();
    const QByteArray a = jpeg(1);
    const QByteArray b = jpeg(2);

    // Only the second directory counts; the first directory's pair is ignored.
    ByteLayout file;
    file.appendTiffHeader();
    const quint32 first = file.appendDirectory({{0x0201, 0}, {0x0202, quint32(b.size())}});
    const quint32 second = file.appendDirectory({{0x0201, 0}, {0x0202, quint32(a.size())}});
    file.put32(ByteLayout::nextField(first, 2), second);
    file.put32(ByteLayout::valueField(first, 0), file.append(b));
    file.put32(ByteLayout::valueField(second, 0), file.append(a));
    file.append(kTail);
    QTest::newRow("second directory") << "B.SRF" << file.bytes() << QStringList{"B_1.jpg"} << QByteArrayList{a};

    // A pointer without its length entry: nothing written, no fallback.
    ByteLayout noLength;
    noLength.appendTiffHeader();
    const quint32 dir = noLength.appendDirectory({{0x0100, 24}});
    const quint32 pointing = noLength.appendDirectory({{0x0201, 0}, {0x0100, 24}});
    noLength.put32(ByteLayout::nextField(dir, 1), pointing);
    noLength.put32(ByteLayout::valueField(pointing, 0), noLength.append(a));
    noLength.append(kTail);
    QTest::newRow("pointer without length") << "B.SRF" << noLength.bytes() << QStringList() << QByteArrayList();

    // No second directory: the first-image scan accepts a JPEG that ends
    // with the file.
    ByteLayout noSecond;
    noSecond.appendTiffHeader();
    noSecond.appendDirectory({{0x0100, 24}});
    noSecond.append(a);
    QTest::newRow("fallback: JPEG at the very end") << "B.SRF" << noSecond.bytes()
        << QStringList{"B_1.jpg"} << QByteArrayList{a};

    QByteArray truncated = file.bytes();
    truncated.chop(kTail.size() + 1);
    QTest::newRow("truncated preview") << "B.SRF" << truncated << QStringList() << QByteArrayList();
}

QTEST_GUILESS_MAIN(Raw2DirectoryPointerTest)
#include "tst_raw2_directory_pointer.moc"
