#include "encoded_tables.h"

#include <QProcess>
#include <QTemporaryDir>

QByteArray HuffmanTable::bytes(quint8 asClassAndId) const
{
    return QByteArray(1, char(asClassAndId)) + counts + values;
}

QByteArray encodeWithCjpeg(const QImage& image, const QStringList& options)
{
    static QTemporaryDir dir;
    const bool gray = image.format() == QImage::Format_Grayscale8;
    const QString input = dir.filePath(gray ? "input.pgm" : "input.ppm");
    if (!image.save(input, gray ? "PGM" : "PPM"))
        return {};
    QProcess cjpeg;
    cjpeg.start("cjpeg", QStringList{"-optimize"} + options + QStringList{input});
    if (!cjpeg.waitForFinished(60000) || cjpeg.exitCode() != 0)
        return {};
    return cjpeg.readAllStandardOutput();
}

std::vector<HuffmanTable> tablesOfJpeg(const QByteArray& jpeg, const QString& source)
{
    std::vector<HuffmanTable> tables;
    int pos = 2;
    while (pos + 4 <= jpeg.size() && quint8(jpeg[pos]) == 0xFF) {
        const quint8 marker = quint8(jpeg[pos + 1]);
        const int end = pos + 2 + ((quint8(jpeg[pos + 2]) << 8) | quint8(jpeg[pos + 3]));
        if (marker == 0xDA || end > jpeg.size())
            break;
        for (int t = pos + 4; marker == 0xC4 && t + 17 <= end;) {
            HuffmanTable table;
            table.classAndId = quint8(jpeg[t]);
            table.counts = jpeg.mid(t + 1, 16);
            int valueCount = 0;
            for (char c : table.counts)
                valueCount += quint8(c);
            table.values = jpeg.mid(t + 17, valueCount);
            table.source = source;
            tables.push_back(table);
            t += 17 + valueCount;
        }
        pos = end;
    }
    return tables;
}
