#include "global_state.h"
#include "raw2_fixture.h"

#include <QtTest>

// RAW and RW2 take the thumbnail of an embedded Exif JPEG ("_2") and the JPEG
// that follows it ("_1").
class Raw2ExifJpegTest : public QObject {
    Q_OBJECT
private slots:
    void init() { g_state.stopRequested = 0; }
    void cleanup() { g_state.stopRequested = 0; }
    void raw_data();
    void raw() { verifyExtractionRow(&jpg_repair::ExtractRAW); }
    void rw2_data();
    void rw2() { verifyExtractionRow(&jpg_repair::ExtractRW2); }
    void searchesStopOnRequest_data();
    void searchesStopOnRequest();
    void searchEndsWithoutEndMarkers_data();
    void searchEndsWithoutEndMarkers();
};

namespace {

const QByteArray kTail(16, 0x11);

QByteArray jpeg(int shade)
{
    return fixtureJpeg(JpegStart::Quantization, shade);
}

// "IIU" header whose first directory's 0x002E entry points at embedded.
QByteArray rawFile(const QByteArray& embedded, const QByteArray& after, quint16 tag = 0x002E)
{
    ByteLayout file;
    file.append(hexBytes("4949 5500 0800 0000"));
    const quint32 dir = file.appendDirectory({{0x0100, 24}, {tag, 0}});
    file.append(kTail);
    file.put32(ByteLayout::valueField(dir, 1), file.append(embedded));
    file.append(kTail + after + kTail);
    return file.bytes();
}

} // namespace

void Raw2ExifJpegTest::raw_data()
{
    addExtractionColumns();
    const QByteArray thumb = jpeg(1);
    const QByteArray next = jpeg(2);
    const QByteArray embedded = exifJpeg(thumb, fixtureJpeg(JpegStart::App0, 3), false);
    const QStringList both{"R_1.jpg", "R_2.jpg"};

    QTest::newRow("thumbnail only") << "R.RAW" << rawFile(embedded, QByteArray())
        << QStringList{"R_2.jpg"} << QByteArrayList{thumb};
    QTest::newRow("thumbnail and follower") << "R.RAW" << rawFile(embedded, next)
        << both << QByteArrayList{next, thumb};

    // No 0x002E entry, or one pointing at a JPEG without Exif: the marker
    // scan takes the thumbnail as the first JPEG.
    QTest::newRow("no 0x002E entry: fallback") << "R.RAW" << rawFile(embedded, QByteArray(), 0x002F)
        << QStringList{"R_1.jpg"} << QByteArrayList{thumb};
    const QByteArray jfif = fixtureJpeg(JpegStart::App0, 4);
    QTest::newRow("not an Exif JPEG: nothing") << "R.RAW" << rawFile(jfif, QByteArray())
        << QStringList() << QByteArrayList();

    QByteArray damaged = rawFile(embedded, next);
    damaged[1] = 0;
    QTest::newRow("damaged header: Exif JPEG search") << "R.RAW" << damaged << both << QByteArrayList{next, thumb};

    // A later Exif JPEG whose thumbnail has no end replaces the pair as a
    // whole: no bytes are written under the earlier thumbnail's length.
    QTest::newRow("later thumbnail without end") << "R.RAW"
        << kTail + embedded + kTail + hexBytes("FFD8 FFE1 0000") + thumb.left(thumb.size() / 2) + QByteArray(thumb.size(), 0x11)
        << QStringList() << QByteArrayList();

    QByteArray truncated = rawFile(embedded, next);
    truncated.chop(kTail.size() + next.size() + kTail.size() + 10);
    QTest::newRow("truncated") << "R.RAW" << truncated << QStringList{"R_2.jpg"} << QByteArrayList{thumb};
}

void Raw2ExifJpegTest::rw2_data()
{
    addExtractionColumns();
    const QByteArray thumb = jpeg(1);
    const QByteArray next = jpeg(2);
    const QByteArray main = fixtureJpeg(JpegStart::App0, 3);
    const QStringList both{"P_1.jpg", "P_2.jpg"};
    const QByteArray lead = hexBytes("4949 5500 1800 0000") + kTail;

    QTest::newRow("little-endian Exif block") << "P.RW2" << lead + exifJpeg(thumb, main, false) + kTail + next + kTail
        << both << QByteArrayList{next, thumb};
    QTest::newRow("big-endian Exif block") << "P.RW2" << lead + exifJpeg(thumb, main, true) + kTail + next + kTail
        << both << QByteArrayList{next, thumb};

    // Without any TIFF header the pointer comes from offset 10 (base 0).
    ByteLayout bare;
    bare.appendZeros(16);
    const quint32 dir = bare.appendDirectory({{0x0201, 0}, {0x0202, quint32(thumb.size())}});
    bare.put32(10, dir);
    bare.put32(ByteLayout::valueField(dir, 0), bare.append(thumb));
    bare.append(kTail);
    QTest::newRow("no embedded header") << "P.RW2" << bare.bytes() << QStringList{"P_2.jpg"} << QByteArrayList{thumb};

    // A second directory with no entries: the file is searched for an Exif
    // JPEG from just after its count.
    ByteLayout empty;
    empty.appendTiffHeader();
    const quint32 first = empty.appendDirectory({{0x0100, 24}});
    const quint32 second = empty.appendDirectory({});
    empty.put32(ByteLayout::nextField(first, 1), second);
    empty.append(kTail + exifJpeg(thumb, main, false) + kTail + next + kTail);
    QTest::newRow("empty second directory: Exif JPEG search") << "P.RW2" << empty.bytes()
        << both << QByteArrayList{next, thumb};

    QTest::newRow("fallback") << "P.RW2" << kTail + next + kTail << QStringList{"P_1.jpg"} << QByteArrayList{next};

    QByteArray truncated = lead + exifJpeg(thumb, main, false);
    truncated.truncate(lead.size() + kExifTiffHeaderOffset + 100);
    QTest::newRow("truncated thumbnail") << "P.RW2" << truncated << QStringList() << QByteArrayList();
}

void Raw2ExifJpegTest::searchesStopOnRequest_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("RAW") << 0;
    QTest::newRow("RW2") << 1;
}

// A stop request ends the Exif JPEG search: nothing is found or written.
void Raw2ExifJpegTest::searchesStopOnRequest()
{
    QFETCH(int, format);
    QByteArray file = kTail + exifJpeg(jpeg(1), jpeg(2), false) + kTail;
    file[kTail.size() + kExifTiffHeaderOffset] = 0; // no TIFF header: RW2 searches too
    const ExtractionScene scene;
    g_state.stopRequested = 1;
    const ExtractionRun run = format == 0 ? scene.run(&jpg_repair::ExtractRAW, "R.RAW", file)
                                          : scene.run(&jpg_repair::ExtractRW2, "R.RW2", file);
    QVERIFY(run.names.isEmpty());
}

void Raw2ExifJpegTest::searchEndsWithoutEndMarkers_data()
{
    searchesStopOnRequest_data();
}

// Rounds that find a start but no end marker end the search at the end of
// the file instead of going back.
void Raw2ExifJpegTest::searchEndsWithoutEndMarkers()
{
    QFETCH(int, format);
    QByteArray file = hexBytes("0000 0000 0000 0000 0000 0000 0000 0000");
    for (int i = 0; i < 200; ++i)
        file += hexBytes("FFD8 FFE1 0000 FFD8 FFDB 1111");
    const ExtractionScene scene;
    const ExtractionRun run = format == 0 ? scene.run(&jpg_repair::ExtractRAW, "R.RAW", file)
                                          : scene.run(&jpg_repair::ExtractRW2, "R.RW2", file);
    QVERIFY(run.names.isEmpty());
}

QTEST_GUILESS_MAIN(Raw2ExifJpegTest)
#include "tst_raw2_exif_jpeg.moc"
