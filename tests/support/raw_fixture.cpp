#include "raw_fixture.h"

#include "global_state.h"
#include "temp_file.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Segment {
    quint8 marker;
    QByteArray bytes;  // marker, length field and body
};

// Splits a baseline JPEG into its header segments and the rest (scan data
// and end marker), which starts at the SOS segment.
QVector<Segment> headerSegments(const QByteArray& jpeg, QByteArray* rest)
{
    QVector<Segment> segments;
    int pos = 2;
    while (pos + 4 <= jpeg.size() && quint8(jpeg[pos]) == 0xFF) {
        const quint8 marker = quint8(jpeg[pos + 1]);
        if (marker == 0xDA)
            break;
        const int length = quint8(jpeg[pos + 2]) << 8 | quint8(jpeg[pos + 3]);
        segments.append({marker, jpeg.mid(pos, length + 2)});
        pos += length + 2;
    }
    *rest = jpeg.mid(pos);
    return segments;
}

QByteArray segment(quint8 marker, const QByteArray& body)
{
    QByteArray bytes;
    bytes.append(char(0xFF)).append(char(marker));
    const int length = body.size() + 2;
    bytes.append(char(length >> 8)).append(char(length & 0xFF));
    return bytes + body;
}

QByteArray savedJpeg(int shade, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((shade * 47) % 360, 200, 220));
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, QColor::fromHsv((shade * 47 + 180) % 360, 180, 90));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

// The segment that the fixture places first after the start-of-image marker.
QByteArray leadingSegment(JpegStart start, const QVector<Segment>& segments)
{
    switch (start) {
    case JpegStart::App0:
        return QByteArray();
    case JpegStart::Adobe:
        return segment(0xEE, QByteArray("Adobe", 5) + hexBytes("0064 0000 0000 01"));
    case JpegStart::Exif:
        return segment(0xE1, QByteArray("Exif\0\0", 6) + hexBytes("4949 2A00 0800 0000 0000 0000 0000"));
    case JpegStart::Quantization:
    case JpegStart::Huffman:
        break;
    }
    QByteArray first;
    const quint8 wanted = start == JpegStart::Quantization ? 0xDB : 0xC4;
    for (const Segment& s : segments) {
        if (s.marker == wanted)
            first += s.bytes;
    }
    return first;
}

// With PICTAVO_WRITE_SEEDS=<dir> every fixture becomes a seed of the RAW fuzz
// target: the upper-cased suffix on a line of its own, then the file's bytes.
void writeFuzzSeed(const QString& fileName, const QByteArray& bytes)
{
    const QString folder = qEnvironmentVariable("PICTAVO_WRITE_SEEDS");
    constexpr int kLargestSeed = 60 * 1024;
    if (folder.isEmpty() || bytes.size() > kLargestSeed)
        return;
    const QByteArray seed = QFileInfo(fileName).suffix().toUpper().toLatin1() + '\n' + bytes;
    const QString name = QFileInfo(fileName).suffix().toLower() + QLatin1Char('_')
        + QString::fromLatin1(QCryptographicHash::hash(seed, QCryptographicHash::Sha1).toHex().left(12));
    writeFileBytes(folder + QLatin1Char('/') + name, seed);
}

} // namespace

QByteArray hexBytes(const char* hex)
{
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

QByteArray fixtureJpeg(JpegStart start, int shade, int width, int height)
{
    QByteArray rest;
    const QByteArray saved = savedJpeg(shade, width, height);
    const QVector<Segment> segments = headerSegments(saved, &rest);
    QByteArray jpeg = hexBytes("FFD8") + leadingSegment(start, segments);
    for (const Segment& s : segments) {
        const bool movedFirst = (start == JpegStart::Quantization && s.marker == 0xDB)
            || (start == JpegStart::Huffman && s.marker == 0xC4);
        const bool dropped = start != JpegStart::App0 && s.marker == 0xE0;
        if (!movedFirst && !dropped)
            jpeg += s.bytes;
    }
    return jpeg + rest;
}

QByteArray ByteLayout::encode16(quint16 value) const
{
    QByteArray b(2, '\0');
    b[m_bigEndian ? 0 : 1] = char(value >> 8);
    b[m_bigEndian ? 1 : 0] = char(value & 0xFF);
    return b;
}

QByteArray ByteLayout::encode32(quint32 value) const
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[m_bigEndian ? 3 - i : i] = char((value >> (8 * i)) & 0xFF);
    return b;
}

quint32 ByteLayout::append(const QByteArray& bytes)
{
    const quint32 pos = size();
    m_bytes.append(bytes);
    return pos;
}

quint32 ByteLayout::appendZeros(int count)
{
    return append(QByteArray(count, '\0'));
}

quint32 ByteLayout::append16(quint16 value)
{
    return append(encode16(value));
}

quint32 ByteLayout::append32(quint32 value)
{
    return append(encode32(value));
}

void ByteLayout::put(quint32 pos, const QByteArray& bytes)
{
    if (int(pos) + bytes.size() > m_bytes.size())
        m_bytes.resize(int(pos) + bytes.size());
    m_bytes.replace(int(pos), bytes.size(), bytes);
}

void ByteLayout::put16(quint32 pos, quint16 value)
{
    put(pos, encode16(value));
}

void ByteLayout::put32(quint32 pos, quint32 value)
{
    put(pos, encode32(value));
}

quint32 ByteLayout::appendTiffHeader(quint32 firstDirectory)
{
    const quint32 pos = append(m_bigEndian ? hexBytes("4D4D 002A") : hexBytes("4949 2A00"));
    append32(firstDirectory);
    return pos;
}

quint32 ByteLayout::appendDirectory(const QVector<IfdEntry>& entries, quint32 nextDirectory)
{
    const quint32 pos = append16(quint16(entries.size()));
    for (const IfdEntry& e : entries) {
        append16(e.tag);
        append16(e.type);
        append32(e.count);
        append32(e.value);
    }
    append32(nextDirectory);
    return pos;
}

void appendMakerNoteChain(ByteLayout& layout, quint32 header)
{
    const quint32 first = layout.appendDirectory({{0x0100, 24}, {0x8769, 0, 1, 13}});
    const quint32 exif = layout.appendDirectory({{0x9000, 0x30323330, 4, 7}, {0x927C, 0, 0x200, 7}});
    layout.put32(ByteLayout::valueField(first, 1), exif - header);
    layout.put32(ByteLayout::valueField(exif, 1), layout.size() - header);
}

bool exiftoolAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("exiftool")).isEmpty();
}

QByteArray exiftoolBinary(const QString& tag, const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("exiftool"), {QStringLiteral("-b"), QLatin1Char('-') + tag, path});
    if (!process.waitForFinished(30000))
        return QByteArray();
    return process.readAllStandardOutput();
}

QByteArray ExtractionRun::output(const QString& name) const
{
    return readFileBytes(workFolder + QLatin1Char('/') + name);
}

QStringList ExtractionRun::filesInWorkFolder() const
{
    return QDir(workFolder).entryList(QDir::Files, QDir::Name);
}

ExtractionScene::ExtractionScene() : m_dir(std::make_unique<QTemporaryDir>()) {}

ExtractionScene::~ExtractionScene() = default;

QString ExtractionScene::workFolder() const
{
    return m_dir->filePath(QStringLiteral("RepairedFiles"));
}

void ExtractionScene::reset() const
{
    QDir(workFolder()).removeRecursively();
    g_state.stopRequested = 0;
    g_state.producedFiles.clear();
}

QString ExtractionScene::writeInput(const QString& fileName, const QByteArray& bytes) const
{
    const QString path = m_dir->filePath(QStringLiteral("inputs/") + fileName);
    writeFileBytes(path, bytes);
    return path;
}

ExtractionRun ExtractionScene::run(Extractor extract, const QString& fileName, const QByteArray& bytes,
                                   jpg_repair* repair) const
{
    writeFuzzSeed(fileName, bytes);
    return runPath(extract, writeInput(fileName, bytes), repair);
}

ExtractionRun ExtractionScene::runPath(Extractor extract, const QString& path, jpg_repair* repair) const
{
    g_state.workFolder = workFolder();
    g_state.producedFiles.clear();
    jpg_repair own;
    ((repair ? *repair : own).*extract)(path);
    return ExtractionRun{g_state.producedFiles, g_state.workFolder};
}

void compareOutputs(const ExtractionRun& run, const QStringList& names, const QList<QByteArray>& contents)
{
    QCOMPARE(run.names, names);
    QStringList sorted = names;
    sorted.sort();
    QCOMPARE(run.filesInWorkFolder(), sorted);
    for (int i = 0; i < names.size() && i < contents.size(); ++i)
        QVERIFY2(run.output(names[i]) == contents[i], qPrintable(names[i] + " differs"));
}

char* toString(const PreviewImage& image)
{
    return QTest::toString(QStringLiteral("(offset %1, length %2)").arg(image.offset).arg(image.length));
}
