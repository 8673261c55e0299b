#include "global_state.h"
#include "raw_fixture.h"

#include <QtTest>

namespace {

const QByteArray kPreview = fixtureJpeg(JpegStart::Quantization, 13, 32, 24);
const QByteArray kAdobe = fixtureJpeg(JpegStart::Adobe, 14, 40, 24);
const QByteArray kJfif = fixtureJpeg(JpegStart::App0, 15);
const QByteArray kJfifSecond = fixtureJpeg(JpegStart::App0, 16, 16, 16);
const QByteArray kGap(20, '\x5A');

struct PrivateDataOptions {
    bool privateDataEntry = true;
    bool embeddedHeader = true;
    bool embeddedBigEndian = false;
    bool lengthEntry = true;
    quint32 lengthExtra = 0;
};

// Appends the preview directory (relative to base) and the preview, then the
// Adobe-marked JPEG; returns the directory's position.
quint32 appendPreviewAndFollower(ByteLayout& b, quint32 base, const PrivateDataOptions& o)
{
    const quint32 directory = o.lengthEntry
        ? b.appendDirectory({{0x0201, 0}, {0x0202, quint32(kPreview.size()) + o.lengthExtra}})
        : b.appendDirectory({{0x0201, 0}, {0x0100, 40}});
    b.append(kGap);
    b.put32(ByteLayout::valueField(directory, 0), b.append(kPreview) - base);
    b.append(kGap);
    b.append(kAdobe);
    b.append(kGap);
    return directory;
}

// Big-endian DNG whose private data holds a MakerNote with its own TIFF
// header, whose 0x0011 entry leads to the preview directory.
QByteArray privateDataDng(const PrivateDataOptions& o)
{
    ByteLayout b(true);
    b.appendTiffHeader();
    const quint32 first = b.appendDirectory({{0x0100, 40}, {o.privateDataEntry ? quint16(0xC634) : quint16(0x0011), 0}});
    if (!o.privateDataEntry) {
        // Without private data the search from 0 finds the file's own header.
        const quint32 directory = appendPreviewAndFollower(b, 0, o);
        b.put32(ByteLayout::valueField(first, 1), directory);
        return b.bytes();
    }
    const quint32 privateData = b.append("Adobe");
    b.append(hexBytes("00") + "MakN");
    b.append32(0x400);
    b.append("MM");
    b.append32(0);
    b.append(QByteArray("Nikon") + hexBytes("0002 1000 00"));
    b.setBigEndian(o.embeddedBigEndian);
    const quint32 header = o.embeddedHeader ? b.appendTiffHeader() : b.appendZeros(8);
    const quint32 makerNote = b.appendDirectory({{0x0001, 0x0210, 4, 7}, {0x0011, 0}});
    const quint32 directory = appendPreviewAndFollower(b, header, o);
    b.put32(ByteLayout::valueField(makerNote, 1), directory - header);
    b.setBigEndian(true);
    b.put32(ByteLayout::valueField(first, 1), privateData);
    return b.bytes();
}

// Big-endian DNG whose first directory lies at 18 and points at a JPEG.
QByteArray directoryAt18Dng(const QByteArray& second)
{
    ByteLayout b(true);
    b.append(hexBytes("4D4D 002A 0000 0012"));
    b.appendZeros(10);
    const quint32 directory = b.appendDirectory({{0x0100, 24}, {0x0111, 0}});
    b.append(kGap);
    b.put32(ByteLayout::valueField(directory, 1), b.append(kJfif));
    b.append(second);
    b.append(kGap);
    return b.bytes();
}

} // namespace

// DNG: the header's form chooses the route to the previews.
class RawDngTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_scene.reset(); }
    void dng_data();
    void dng();

private:
    ExtractionScene m_scene;
};

void RawDngTest::dng_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QByteArray>>("contents");  // _1, _2; an empty entry: no such output

    const QByteArray none;
    QTest::newRow("private data: Adobe JPEG and preview") << privateDataDng({}) << QList<QByteArray>{kAdobe, kPreview};
    PrivateDataOptions embeddedBig;
    embeddedBig.embeddedBigEndian = true;
    QTest::newRow("private data: big-endian MakerNote header")
        << privateDataDng(embeddedBig) << QList<QByteArray>{kAdobe, kPreview};
    PrivateDataOptions noLength;
    noLength.lengthEntry = false;
    QTest::newRow("private data: pointer without length writes no _2")
        << privateDataDng(noLength) << QList<QByteArray>{kAdobe};
    PrivateDataOptions noPrivate;
    noPrivate.privateDataEntry = false;
    QTest::newRow("private data: none, the file's own header is used")
        << privateDataDng(noPrivate) << QList<QByteArray>{kAdobe, kPreview};
    PrivateDataOptions headerless;
    headerless.embeddedHeader = false;
    QTest::newRow("private data: fallback without embedded header, file order")
        << privateDataDng(headerless) << QList<QByteArray>{kPreview, kAdobe};
    PrivateDataOptions longer;
    longer.lengthExtra = 0x10000;
    QTest::newRow("private data: truncated preview writes nothing")
        << privateDataDng(longer) << QList<QByteArray>();

    const QByteArray littleHeader = hexBytes("4949 2A00 0800 0000 0000");
    QTest::newRow("little-endian: the Adobe JPEG only")
        << QByteArray(littleHeader + kGap + kPreview + kGap + kAdobe + kGap) << QList<QByteArray>{kAdobe};
    QTest::newRow("little-endian: fallback to the first JPEG")
        << QByteArray(littleHeader + kGap + kPreview + kGap + kJfif + kGap) << QList<QByteArray>{kPreview};
    QTest::newRow("little-endian: Adobe JPEG without end, fallback does not run")
        << QByteArray(littleHeader + kGap + kPreview + kGap + kAdobe.left(300)) << QList<QByteArray>();

    QTest::newRow("directory at 18: two JFIF JPEGs") << directoryAt18Dng(kJfifSecond)
                                                     << QList<QByteArray>{kJfif, kJfifSecond};
    QTest::newRow("directory at 18: next JPEG not JFIF gives no _2") << directoryAt18Dng(kPreview)
                                                                     << QList<QByteArray>{kJfif};
    QTest::newRow("plain JPEG: its own start is image 1") << QByteArray(kJfif + kGap) << QList<QByteArray>{kJfif};
    QTest::newRow("plain JPEG: a following non-JFIF JPEG gives no _2")
        << QByteArray(kJfif + kPreview + kGap) << QList<QByteArray>{kJfif};
    QTest::newRow("plain JPEG: followed by a JFIF JPEG")
        << QByteArray(kJfif + kJfifSecond + kGap) << QList<QByteArray>{kJfif, kJfifSecond};

    QTest::newRow("other header: JPEG ending the file is written")
        << QByteArray(kGap + kJfif) << QList<QByteArray>{kJfif};
    QTest::newRow("other header: only one image") << QByteArray(kGap + kJfif + kGap + kPreview + kGap)
                                                  << QList<QByteArray>{kJfif};
    QTest::newRow("absent: no JPEG") << QByteArray(kGap + kGap) << QList<QByteArray>();
}

void RawDngTest::dng()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<QByteArray>, contents);

    const QStringList all{"IMG_1.jpg", "IMG_2.jpg"};
    compareOutputs(m_scene.run(&jpg_repair::ExtractDNG, "IMG.DNG", file), all.mid(0, contents.size()), contents);
}

QTEST_GUILESS_MAIN(RawDngTest)
#include "tst_raw_dng.moc"
