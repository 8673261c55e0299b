#include "global_state.h"
#include "raw2_fixture.h"

#include <QtTest>

// RAF writes the JPEG of the header record ("_1") and the thumbnail of the
// embedded Exif block ("_2").
class Raw2RafTest : public QObject {
    Q_OBJECT
private slots:
    void init() { g_state.stopRequested = 0; }
    void raf_data();
    void raf() { verifyExtractionRow(&jpg_repair::ExtractRAF); }
};

namespace {

const QByteArray kTail(16, 0x11);
const QByteArray kSignature = hexBytes("4655 4A49 4649 4C4D");

// A header record at recordAt whose fields give the JPEG's absolute
// position and length; the JPEG follows the record.
QByteArray rafFile(const QByteArray& jpeg, int recordAt = 0)
{
    QByteArray file(recordAt, 0x22);
    file += kSignature + QByteArray(84 - kSignature.size(), 0x20);
    const int jpegAt = file.size() + 8 + 32;
    file += bigEndian32(quint32(jpegAt)) + bigEndian32(quint32(jpeg.size())) + QByteArray(32, 0);
    return file + jpeg + kTail;
}

} // namespace

void Raw2RafTest::raf_data()
{
    addExtractionColumns();
    const QByteArray thumb = fixtureJpeg(JpegStart::Quantization, 1);
    const QByteArray main = fixtureJpeg(JpegStart::App0, 2);
    const QByteArray little = exifJpeg(thumb, main, false);
    const QByteArray big = exifJpeg(thumb, main, true);
    const QStringList both{"F_1.jpg", "F_2.jpg"};

    QTest::newRow("record and little-endian thumbnail") << "F.RAF" << rafFile(little) << both << QByteArrayList{little, thumb};
    QTest::newRow("record and big-endian thumbnail") << "F.RAF" << rafFile(big) << both << QByteArrayList{big, thumb};
    // The record's position field is absolute, wherever the record lies.
    QTest::newRow("record not at 0") << "F.RAF" << rafFile(little, 100) << both << QByteArrayList{little, thumb};
    QTest::newRow("record without Exif block") << "F.RAF" << rafFile(main)
        << QStringList{"F_1.jpg"} << QByteArrayList{main};

    // No record: only the thumbnail.
    QByteArray noRecord = rafFile(little);
    noRecord[0] = 'X';
    QTest::newRow("no record") << "F.RAF" << noRecord << QStringList{"F_2.jpg"} << QByteArrayList{thumb};

    // A record cut short reads as no record; a JPEG without Exif then goes
    // to the fallback scan.
    const QByteArray plain = fixtureJpeg(JpegStart::Quantization, 3);
    QTest::newRow("fallback") << "F.RAF" << kTail + plain + kTail + kSignature
        << QStringList{"F_1.jpg"} << QByteArrayList{plain};

    QByteArray truncated = rafFile(little);
    truncated.chop(kTail.size() + 1);
    QTest::newRow("truncated record JPEG") << "F.RAF" << truncated << QStringList{"F_2.jpg"} << QByteArrayList{thumb};
}

QTEST_GUILESS_MAIN(Raw2RafTest)
#include "tst_raw2_raf.moc"
