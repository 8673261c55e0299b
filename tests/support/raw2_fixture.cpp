#include "raw2_fixture.h"

#include "global_state.h"

#include <QBuffer>
#include <QImage>
#include <QtTest>

QByteArray singleTableJpeg(int grey)
{
    QImage image(24, 16, QImage::Format_Grayscale8);
    image.fill(QColor(grey, grey, grey));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    if (jpeg.mid(2, 2) == hexBytes("FFE0")) {
        const int length = quint8(jpeg[4]) << 8 | quint8(jpeg[5]);
        jpeg.remove(2, length + 2);
    }
    return jpeg;
}

QByteArray bigEndian32(quint32 value)
{
    ByteLayout layout(true);
    layout.append32(value);
    return layout.bytes();
}

QByteArray exifJpeg(const QByteArray& thumbnail, const QByteArray& main, bool bigEndian)
{
    ByteLayout tiff(bigEndian);
    tiff.appendTiffHeader();
    const quint32 first = tiff.appendDirectory({{0x0112, 1, 1, 3}});
    const quint32 second = tiff.appendDirectory({{0x0201, 0}, {0x0202, quint32(thumbnail.size())}});
    tiff.put32(ByteLayout::nextField(first, 1), second);
    tiff.put32(ByteLayout::valueField(second, 0), tiff.append(thumbnail));

    const QByteArray body = QByteArray("Exif\0\0", 6) + tiff.bytes();
    const int length = body.size() + 2;
    QByteArray app1 = hexBytes("FFE1");
    app1.append(char(length >> 8)).append(char(length & 0xFF));
    return hexBytes("FFD8") + app1 + body + main.mid(2);
}

void addExtractionColumns()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QByteArrayList>("outputs");
}

void verifyExtractionRow(Extractor extract)
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    QFETCH(QByteArrayList, outputs);

    const ExtractionScene scene;
    compareOutputs(scene.run(extract, fileName, file), names, outputs);
}
