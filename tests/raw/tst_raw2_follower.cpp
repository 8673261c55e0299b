#include "global_state.h"
#include "raw2_fixture.h"

#include <QtTest>

// ORF and SRW write a thumbnail as "_2" and the JPEG that follows it as "_1".
class Raw2FollowerTest : public QObject {
    Q_OBJECT
private slots:
    void init() { g_state.stopRequested = 0; }
    void orf_data();
    void orf() { verifyExtractionRow(&jpg_repair::ExtractORF); }
    void srw_data();
    void srw() { verifyExtractionRow(&jpg_repair::ExtractSRW); }
    void srwEndsWithoutEndMarkers();
};

namespace {

const QByteArray kTail(16, 0x11);

QByteArray jpeg(int shade)
{
    return fixtureJpeg(JpegStart::Quantization, shade);
}

// "IIRO" header; the second directory holds the given entries, whose 0x0201
// value is patched to point at thumbnail; follower comes after it.
QByteArray orfFile(const QByteArray& thumbnail, const QByteArray& follower, bool withLength = true)
{
    ByteLayout file;
    file.append(hexBytes("4949 524F 0800 0000"));
    const quint32 first = file.appendDirectory({{0x0100, 24}});
    QVector<IfdEntry> entries{{0x0201, 0}};
    entries.append(withLength ? IfdEntry{0x0202, quint32(thumbnail.size())} : IfdEntry{0x0100, 24});
    const quint32 second = file.appendDirectory(entries);
    file.put32(ByteLayout::nextField(first, 1), second);
    file.append(kTail);
    file.put32(ByteLayout::valueField(second, 0), file.append(thumbnail));
    file.append(kTail + follower + kTail);
    return file.bytes();
}

// A big-endian SRW whose second directory (count accepted) is followed by
// the thumbnail and then by the follower.
QByteArray srwFile(const QByteArray& thumbnail, const QByteArray& follower)
{
    ByteLayout file(true);
    file.appendTiffHeader();
    const quint32 first = file.appendDirectory({{0x0100, 24}});
    const quint32 second = file.appendDirectory({{0x0100, 24}});
    file.put32(ByteLayout::nextField(first, 1), second);
    file.append(kTail + thumbnail + kTail + follower + kTail);
    return file.bytes();
}

// A JPEG that begins FF D8 FF DB and carries inner inside an APP1 segment.
QByteArray withInnerJpeg(const QByteArray& outer, const QByteArray& inner)
{
    const int dqtLength = quint8(outer[4]) << 8 | quint8(outer[5]);
    const int afterDqt = 4 + dqtLength;
    QByteArray app1 = hexBytes("FFE1");
    app1.append(char((inner.size() + 2) >> 8)).append(char((inner.size() + 2) & 0xFF));
    return outer.left(afterDqt) + app1 + inner + outer.mid(afterDqt);
}

} // namespace

void Raw2FollowerTest::orf_data()
{
    addExtractionColumns();
    const QByteArray thumb = jpeg(1);
    const QByteArray next = jpeg(2);
    const QStringList both{"P1_1.jpg", "P1_2.jpg"};

    QTest::newRow("directory thumbnail and follower") << "P1.ORF" << orfFile(thumb, next)
        << both << QByteArrayList{next, thumb};

    QByteArray otherHeader = orfFile(thumb, next);
    otherHeader[2] = 0x2A;
    QTest::newRow("other header: first two JPEGs") << "P1.ORF" << otherHeader
        << both << QByteArrayList{next, thumb};

    QTest::newRow("single JPEG: thumbnail only") << "P1.ORF" << kTail + thumb + kTail
        << QStringList{"P1_2.jpg"} << QByteArrayList{thumb};

    // Without a length, the follower search starts at the thumbnail itself.
    QTest::newRow("pointer without length") << "P1.ORF" << orfFile(thumb, next, false)
        << QStringList{"P1_1.jpg"} << QByteArrayList{thumb};

    QByteArray cutFollower = orfFile(thumb, next);
    cutFollower.chop(kTail.size() + 2);
    QTest::newRow("follower without end marker") << "P1.ORF" << cutFollower
        << QStringList{"P1_2.jpg"} << QByteArrayList{thumb};

    // Huffman-first JPEGs are not thumbnails here; the fallback finds them.
    const QByteArray huffman = fixtureJpeg(JpegStart::Huffman, 3);
    QTest::newRow("fallback") << "P1.ORF" << kTail + huffman + kTail
        << QStringList{"P1_1.jpg"} << QByteArrayList{huffman};
    QTest::newRow("nothing") << "P1.ORF" << kTail << QStringList() << QByteArrayList();
}

void Raw2FollowerTest::srw_data()
{
    addExtractionColumns();
    const QByteArray huffman = fixtureJpeg(JpegStart::Huffman, 1);
    const QByteArray next = jpeg(2);
    const QStringList both{"S_1.jpg", "S_2.jpg"};

    // Any FF D8 after the directory's count is the thumbnail.
    QTest::newRow("thumbnail after the directory") << "S.SRW" << srwFile(huffman, next)
        << both << QByteArrayList{next, huffman};
    QTest::newRow("no follower") << "S.SRW" << srwFile(huffman, QByteArray())
        << QStringList{"S_2.jpg"} << QByteArrayList{huffman};

    const QByteArray inner = fixtureJpeg(JpegStart::Huffman, 4);
    const QByteArray outer = withInnerJpeg(jpeg(5), inner);
    QTest::newRow("other header: inner JPEG") << "S.SRW" << kTail + outer + kTail
        << QStringList{"S_2.jpg"} << QByteArrayList{inner};
    QTest::newRow("other header: inner JPEG and follower") << "S.SRW" << kTail + outer + kTail + next + kTail
        << both << QByteArrayList{next, inner};

    // A second directory position of 0 locates nothing: the fallback runs.
    ByteLayout noSecond(true);
    noSecond.appendTiffHeader();
    noSecond.appendDirectory({{0x0100, 24}});
    noSecond.append(kTail + next + kTail + huffman + kTail);
    QTest::newRow("fallback") << "S.SRW" << noSecond.bytes() << both << QByteArrayList{next, huffman};

    QByteArray truncated = srwFile(huffman, next);
    truncated.chop(kTail.size() + next.size() + kTail.size() + 40);
    QTest::newRow("truncated thumbnail") << "S.SRW" << truncated << QStringList() << QByteArrayList();
}

// Rounds that find starts but no end marker end the search at the end of
// the file instead of going back.
void Raw2FollowerTest::srwEndsWithoutEndMarkers()
{
    QByteArray file;
    for (int i = 0; i < 200; ++i)
        file += hexBytes("FFD8 FFDB 0000 FFD8 1111");
    const ExtractionScene scene;
    const ExtractionRun run = scene.run(&jpg_repair::ExtractSRW, "S.SRW", file);
    QVERIFY(run.names.isEmpty());
}

QTEST_GUILESS_MAIN(Raw2FollowerTest)
#include "tst_raw2_follower.moc"
