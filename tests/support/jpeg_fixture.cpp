#include "jpeg_fixture.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace fixture {

QImage testPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb((x * 255) / qMax(1, width - 1), (y * 255) / qMax(1, height - 1),
                           ((x ^ y) * 7) & 0xFF);
    }
    return image;
}

QImage noisePicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    quint32 state = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            state = state * 1103515245u + 12345u;
            const int value = int(state >> 24);
            picture.setPixel(x, y, qRgb(value, (value * 3 + x) & 0xFF, (value + y) & 0xFF));
        }
    }
    return picture;
}

namespace {

// Whether FF code names a frame header, a table, a scan header, a restart
// interval, an APP segment or a comment: pairs a decoder takes for markers.
bool namesSegment(quint8 code)
{
    return (code >= 0xC0 && code <= 0xCF) || code == 0xDA || code == 0xDB || code == 0xDD
        || (code >= 0xE0 && code <= 0xFE);
}

// First position in the scan data where the bytes are 00 00 followed by a
// byte that makes FF a segment's marker, not after an FF; -1 when none.
int zeroPairBeforeMarkerCode(const QByteArray& jpeg)
{
    const int sos = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
    for (int at = sos + 14; sos >= 0 && at + 2 < jpeg.size() - 2; ++at) {
        if (jpeg[at] == '\0' && jpeg[at + 1] == '\0' && jpeg[at - 1] != char(0xFF)
            && namesSegment(quint8(jpeg[at + 2])))
            return at;
    }
    return -1;
}

} // namespace

QByteArray cardDamagedJpeg(QByteArray* undamaged)
{
    for (int quality = 95; quality >= 60; quality -= 5) {
        QByteArray photo;
        QBuffer out(&photo);
        out.open(QIODevice::WriteOnly);
        noisePicture(640, 480).save(&out, "JPG", quality);
        const int spot = zeroPairBeforeMarkerCode(photo);
        if (spot < 0)
            continue;
        *undamaged = photo;
        photo[spot] = char(0xFF);
        photo[spot + 1] = char(0xFF);
        return photo;
    }
    return QByteArray();
}

QByteArray realJpeg(int width, int height, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    testPicture(width, height).save(&buffer, "JPG", quality);
    return bytes;
}

QByteArray encodeWithProgram(const QImage& picture, const QString& program,
                             const std::function<QStringList(const QString&, const QString&)>& arguments)
{
    QTemporaryDir dir;
    const QString input = dir.filePath("picture.ppm");
    const QString output = dir.filePath("picture.jpg");
    if (!picture.convertToFormat(QImage::Format_RGB888).save(input, "PPM"))
        return QByteArray();
    QProcess encoder;
    encoder.start(program, arguments(input, output));
    if (!encoder.waitForFinished(60000) || encoder.exitCode() != 0)
        return QByteArray();
    QFile file(output);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray cjpegJpeg(const QImage& picture, const QStringList& options)
{
    return encodeWithProgram(picture, "cjpeg", [&](const QString& input, const QString& output) {
        return options + QStringList({"-outfile", output, input});
    });
}

namespace {

// Encodes the picture through the library's own interface: three components
// (RGB) or four (the colour values and a fourth ramp, as CMYK); `configure`
// adjusts the settings after the defaults.
template <typename Configure>
QByteArray encodeWithLibrary(const QImage& picture, int components, Configure configure)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(picture.width());
    cinfo.image_height = JDIMENSION(picture.height());
    cinfo.input_components = components;
    cinfo.in_color_space = components == 4 ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 85, TRUE);
    configure(cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(std::size_t(picture.width()) * std::size_t(components));
    while (cinfo.next_scanline < cinfo.image_height) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(int(cinfo.next_scanline)));
        for (int x = 0; x < picture.width(); ++x) {
            JSAMPLE* pixel = row.data() + std::size_t(x) * std::size_t(components);
            pixel[0] = JSAMPLE(qRed(line[x]));
            pixel[1] = JSAMPLE(qGreen(line[x]));
            pixel[2] = JSAMPLE(qBlue(line[x]));
            if (components == 4)
                pixel[3] = JSAMPLE((x * 3) & 0xFF);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    const QByteArray bytes(reinterpret_cast<const char*>(buffer), int(size));
    std::free(buffer);
    return bytes;
}

} // namespace

QByteArray fourComponentJpeg(int width, int height, bool ycck)
{
    return fourComponentJpeg(testPicture(width, height), ycck, {});
}

QByteArray fourComponentJpeg(const QImage& picture, bool ycck, const QVector<QVector<int>>& tables)
{
    return encodeWithLibrary(picture, 4, [ycck, &tables](jpeg_compress_struct& cinfo) {
        jpeg_set_colorspace(&cinfo, ycck ? JCS_YCCK : JCS_CMYK);
        for (int t = 0; t < tables.size(); ++t) {
            std::vector<unsigned int> values(tables[t].begin(), tables[t].end());
            jpeg_add_quant_table(&cinfo, t, values.data(), 100, TRUE);
        }
    });
}

QByteArray extendedSequentialJpeg(int width, int height)
{
    return encodeWithLibrary(testPicture(width, height), 3, [](jpeg_compress_struct& cinfo) {
        cinfo.quant_tbl_ptrs[1]->quantval[63] = 300;
    });
}

QByteArray progressiveJpegDeclaring(int width, int height)
{
    QByteArray jpeg = encodeWithLibrary(testPicture(16, 16), 3, [](jpeg_compress_struct& cinfo) {
        jpeg_simple_progression(&cinfo);
    });
    const int sof = jpeg.indexOf(QByteArray("\xFF\xC2", 2));
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

QByteArray manyScansJpeg()
{
    constexpr int kComponents = 3;
    std::vector<jpeg_scan_info> script;
    script.push_back({kComponents, {0, 1, 2, 0}, 0, 0, 0, 0});
    for (int component = 0; component < kComponents; ++component) {
        for (int k = 1; k < 64; ++k) {
            script.push_back({1, {component, 0, 0, 0}, k, k, 0, 2});
            script.push_back({1, {component, 0, 0, 0}, k, k, 2, 1});
            script.push_back({1, {component, 0, 0, 0}, k, k, 1, 0});
        }
    }
    return encodeWithLibrary(testPicture(64, 64), 3, [&script](jpeg_compress_struct& cinfo) {
        cinfo.scan_info = script.data();
        cinfo.num_scans = int(script.size());
    });
}

QByteArray ownHuffmanTablesJpeg(int width, int height)
{
    return encodeWithLibrary(testPicture(width, height), 3, [](jpeg_compress_struct& cinfo) {
        JHUFF_TBL* table = cinfo.ac_huff_tbl_ptrs[0];
        std::swap(table->huffval[0], table->huffval[1]);
    });
}

QByteArray marker(quint8 code)
{
    QByteArray bytes;
    bytes.append(char(0xFF)).append(char(code));
    return bytes;
}

QByteArray segmentWithLength(quint8 code, quint16 length, const QByteArray& body)
{
    QByteArray bytes = marker(code);
    bytes.append(char(length >> 8)).append(char(length & 0xFF));
    return bytes + body;
}

QByteArray segment(quint8 code, const QByteArray& body)
{
    return segmentWithLength(code, quint16(body.size() + 2), body);
}

QByteArray dqt(int tables, quint8 first)
{
    QByteArray body;
    for (int t = 0; t < tables; ++t) {
        body.append(char(t));
        for (int i = 0; i < 64; ++i)
            body.append(char(quint8(first + t * 64 + i)));
    }
    return segment(0xDB, body);
}

QByteArray dht(quint16 length)
{
    QByteArray body(qMax(0, int(length) - 2), '\0');
    if (!body.isEmpty())
        body[0] = 0x00;
    return segmentWithLength(0xC4, length, body);
}

QByteArray sof(quint8 code, int components, quint8 thirdSelector)
{
    QByteArray body;
    body.append(char(8)).append(char(0)).append(char(16)).append(char(0)).append(char(16));
    body.append(char(components));
    for (int i = 0; i < components; ++i) {
        body.append(char(i + 1)).append(char(0x11));
        body.append(char(i == 2 ? thirdSelector : (i == 0 ? 0 : 1)));
    }
    return segment(code, body);
}

QByteArray sos()
{
    QByteArray body;
    body.append(char(3));
    for (int i = 0; i < 3; ++i)
        body.append(char(i + 1)).append(char(0x00));
    body.append(char(0)).append(char(63)).append(char(0));
    return segment(0xDA, body);
}

QByteArray minimalJpeg(const QByteArray& scanData)
{
    return marker(0xD8) + dqt(1) + sof(0xC0, 3, 0) + dht() + sos() + scanData + marker(0xD9);
}

} // namespace fixture
