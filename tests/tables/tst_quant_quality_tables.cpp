#include "engine/global_state.h"
#include "tables/quantization/quality_tables.h"
#include "tables_quant_exchange.h"

#include <QBuffer>
#include <QImage>
#include <QtTest>

using namespace quant;
using namespace quanttest;

namespace {

// The 8-bit tables of every DQT segment of a baseline JPEG, in file order.
QList<QByteArray> quantizationTables(const QByteArray& jpeg)
{
    QList<QByteArray> tables;
    int pos = 2;
    while (pos + 4 <= jpeg.size() && quint8(jpeg[pos]) == 0xFF) {
        const quint8 marker = quint8(jpeg[pos + 1]);
        const int length = (quint8(jpeg[pos + 2]) << 8) | quint8(jpeg[pos + 3]);
        if (marker == 0xDA || length < 2 || pos + 2 + length > jpeg.size())
            break;
        if (marker == 0xDB) {
            for (int at = pos + 4; at + 65 <= pos + 2 + length; at += 65)
                tables.append(jpeg.mid(at + 1, 64));
        }
        pos += 2 + length;
    }
    return tables;
}

QByteArray encoderJpeg(int quality)
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", quality);
    return jpeg;
}

QByteArray encoderTables(int quality)
{
    const QList<QByteArray> tables = quantizationTables(encoderJpeg(quality));
    return tables.size() == 2 ? tables[0] + tables[1] : QByteArray();
}

} // namespace

// The generator behind the standard catalogue members against the tables
// that the toolkit's JPEG writer puts into a file at the same quality.
class QuantQualityTablesTest : public QObject {
    Q_OBJECT
private slots:
    void generatorMatchesEncoder_data();
    void generatorMatchesEncoder();
    void truncatedScaleDropsTheRounding();
    void quality100IsAllOnes();
    void damagedEncoderTablesRestored_data();
    void damagedEncoderTablesRestored();
};

void QuantQualityTablesTest::generatorMatchesEncoder_data()
{
    QTest::addColumn<int>("quality");
    for (int q : {1, 10, 16, 25, 40, 44, 50, 51, 60, 67, 70, 75, 80, 85, 88, 90, 93, 95, 97, 99})
        QTest::addRow("q%d", q) << q;
}

void QuantQualityTablesTest::generatorMatchesEncoder()
{
    QFETCH(int, quality);
    const QByteArray written = encoderTables(quality);
    QCOMPARE(written.size(), 128);
    QCOMPARE(written.left(64), bytesOf(luminanceAtQuality(quality)));
    QCOMPARE(written.mid(64), bytesOf(chrominanceAtQuality(quality)));
}

void QuantQualityTablesTest::truncatedScaleDropsTheRounding()
{
    // scale 100 is the base table itself; 16 * 132 / 100 = 21.12 and 17 * 132 / 100 = 22.44
    QCOMPARE(bytesOf(luminanceAtTruncatedScale(100)), bytesOf(luminanceAtQuality(50)));
    QCOMPARE(int(luminanceAtTruncatedScale(132).v[0]), 21);
    QCOMPARE(int(chrominanceAtTruncatedScale(132).v[0]), 22);
    QCOMPARE(int(luminanceAtTruncatedScale(1).v[63]), 1);
}

void QuantQualityTablesTest::quality100IsAllOnes()
{
    QCOMPARE(bytesOf(luminanceAtQuality(100)), QByteArray(64, 1));
    QCOMPARE(bytesOf(chrominanceAtQuality(100)), QByteArray(64, 1));
    QCOMPARE(bytesOf(qualityTriple(100)).mid(5, 64), QByteArray(64, 1));
}

void QuantQualityTablesTest::damagedEncoderTablesRestored_data()
{
    QTest::addColumn<int>("quality");
    for (int q : {100, 98, 95, 90, 88, 75, 70, 50, 44, 16, 10})
        QTest::addRow("q%d", q) << q;
}

// The writer stores each table in a DQT segment of its own. Only the first 25
// values of each reach the library, so whatever damage lies past them, each
// segment is answered with the whole table the writer stored.
void QuantQualityTablesTest::damagedEncoderTablesRestored()
{
    QFETCH(int, quality);
    const QList<QByteArray> original = quantizationTables(encoderJpeg(quality));
    QCOMPARE(original.size(), 2);
    resetExchange();
    for (int index = 0; index < 2; ++index)
        setRow(index, reinterpret_cast<const quint8*>(original[index].constData()));
    for (int index = 0; index < 2; ++index) {
        lookUp(67, 2, index);
        QCOMPARE(g_state.dqtSearchPending, 0);
        QCOMPARE(replacement(67).mid(5), original[index]);
    }
}

QTEST_GUILESS_MAIN(QuantQualityTablesTest)
#include "tst_quant_quality_tables.moc"
