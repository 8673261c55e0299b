#include "encoder_tables.h"

#include "jpeg_fixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <cmath>

namespace fixture {

namespace {

using Table = QVector<int>;

const Table kAnnexKLuma = {
    16, 11, 10, 16, 24, 40, 51, 61,     12, 12, 14, 19, 26, 58, 60, 55,
    14, 13, 16, 24, 40, 57, 69, 56,     14, 17, 22, 29, 51, 87, 80, 62,
    18, 22, 37, 56, 68, 109, 103, 77,   24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
const Table kAnnexKChroma = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};
const Table kFlat16 = Table(64, 16);
const Table kMsSsimLuma = {
    12, 17, 20, 21, 30, 34, 56, 63, 18, 20, 20, 26, 28, 51, 61, 55,
    19, 20, 21, 26, 33, 58, 69, 55, 26, 26, 26, 30, 46, 87, 86, 66,
    31, 33, 36, 40, 46, 96, 100, 73, 40, 35, 46, 62, 81, 100, 111, 91,
    46, 66, 76, 86, 102, 121, 120, 101, 68, 90, 90, 96, 113, 102, 105, 103};
const Table kMsSsimChroma = {
    8, 12, 15, 15, 86, 96, 96, 98, 13, 13, 15, 26, 90, 96, 99, 98,
    12, 15, 18, 96, 99, 99, 99, 99, 17, 16, 90, 96, 99, 99, 99, 99,
    96, 96, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};
const Table kRobidoux = {
    16, 16, 16, 18, 25, 37, 56, 85,      16, 17, 20, 27, 34, 40, 53, 75,
    16, 20, 24, 31, 43, 62, 91, 135,     18, 27, 31, 40, 53, 74, 106, 156,
    25, 34, 43, 53, 69, 94, 131, 189,    37, 40, 62, 74, 94, 124, 169, 238,
    56, 53, 91, 106, 131, 169, 226, 311, 85, 75, 135, 156, 189, 238, 311, 418};
const Table kPsnrHvsLuma = {
    9, 10, 12, 14, 27, 32, 51, 62,     11, 12, 14, 19, 27, 44, 59, 73,
    12, 14, 18, 25, 42, 59, 79, 78,    17, 18, 25, 42, 61, 92, 87, 92,
    23, 28, 42, 75, 79, 112, 112, 99,  40, 42, 59, 84, 88, 124, 132, 111,
    42, 64, 78, 95, 105, 126, 125, 99, 70, 75, 100, 102, 116, 100, 107, 98};
const Table kPsnrHvsChroma = {
    9, 10, 17, 19, 62, 89, 91, 97,  12, 13, 18, 29, 84, 91, 88, 98,
    14, 19, 29, 93, 95, 95, 98, 97, 20, 26, 84, 88, 95, 95, 98, 94,
    26, 86, 91, 93, 97, 99, 98, 99, 99, 100, 98, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 97, 97, 99, 99, 99, 99, 97, 99};
const Table kKlein = {
    10, 12, 14, 19, 26, 38, 57, 86,      12, 18, 21, 28, 35, 41, 54, 76,
    14, 21, 25, 32, 44, 63, 92, 136,     19, 28, 32, 41, 54, 75, 107, 157,
    26, 35, 44, 54, 70, 95, 132, 190,    38, 41, 63, 75, 95, 125, 170, 239,
    57, 54, 92, 107, 132, 170, 227, 312, 86, 76, 136, 157, 190, 239, 312, 419};
const Table kWatson = {
    7, 8, 10, 14, 23, 44, 95, 241,         8, 8, 11, 15, 25, 47, 102, 255,
    10, 11, 13, 19, 31, 58, 127, 255,      14, 15, 19, 27, 44, 83, 181, 255,
    23, 25, 31, 44, 72, 136, 255, 255,     44, 47, 58, 83, 136, 255, 255, 255,
    95, 102, 127, 181, 255, 255, 255, 255, 241, 255, 255, 255, 255, 255, 255, 255};
const Table kAhumada = {
    15, 11, 11, 12, 15, 19, 25, 32, 11, 13, 10, 10, 12, 15, 19, 24,
    11, 10, 14, 14, 16, 18, 22, 27, 12, 10, 14, 18, 21, 24, 28, 33,
    15, 12, 16, 21, 26, 31, 36, 42, 19, 15, 18, 24, 31, 38, 45, 53,
    25, 19, 22, 28, 36, 45, 55, 65, 32, 24, 27, 33, 42, 53, 65, 77};
const Table kPeterson = {
    14, 10, 11, 14, 19, 25, 34, 45, 10, 11, 11, 12, 15, 20, 26, 33,
    11, 11, 15, 18, 21, 25, 31, 38, 14, 12, 18, 24, 28, 33, 39, 47,
    19, 15, 21, 28, 36, 43, 51, 59, 25, 20, 25, 33, 43, 54, 64, 74,
    34, 26, 31, 39, 51, 64, 77, 91, 45, 33, 38, 47, 59, 74, 91, 108};

// The library's presets: the two tables each, as it stores them.
const Table kWebLowLuma = {
    20, 16, 25, 39, 50, 46, 62, 68, 16, 18, 23, 38, 38, 53, 65, 68,
    25, 23, 31, 38, 53, 65, 68, 68, 39, 38, 38, 53, 65, 68, 68, 68,
    50, 38, 53, 65, 68, 68, 68, 68, 46, 53, 65, 68, 68, 68, 68, 68,
    62, 65, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68};
const Table kWebLowChroma = {
    21, 25, 32, 38, 54, 68, 68, 68, 25, 28, 24, 38, 54, 68, 68, 68,
    32, 24, 32, 43, 66, 68, 68, 68, 38, 38, 43, 53, 68, 68, 68, 68,
    54, 54, 66, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68,
    68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68};
const Table kWebMediumLuma = {
    16, 11, 11, 16, 23, 27, 31, 30, 11, 12, 12, 15, 20, 23, 23, 30,
    11, 12, 13, 16, 23, 26, 35, 47, 16, 15, 16, 23, 26, 37, 47, 64,
    23, 20, 23, 26, 39, 51, 64, 64, 27, 23, 26, 37, 51, 64, 64, 64,
    31, 23, 35, 47, 64, 64, 64, 64, 30, 30, 47, 64, 64, 64, 64, 64};
const Table kWebMediumChroma = {
    17, 15, 17, 21, 20, 26, 38, 48, 15, 19, 18, 17, 20, 26, 35, 43,
    17, 18, 20, 22, 26, 30, 46, 53, 21, 17, 22, 28, 30, 39, 53, 64,
    20, 20, 26, 30, 39, 48, 64, 64, 26, 26, 30, 39, 48, 63, 64, 64,
    38, 35, 46, 53, 64, 64, 64, 64, 48, 43, 53, 64, 64, 64, 64, 64};
const Table kWebHighLuma = {
    6, 4, 4, 6, 9, 11, 12, 16,       4, 5, 5, 6, 8, 10, 12, 12,
    4, 5, 5, 6, 10, 12, 14, 19,      6, 6, 6, 11, 12, 15, 19, 28,
    9, 8, 10, 12, 16, 20, 27, 31,    11, 10, 12, 15, 20, 27, 31, 31,
    12, 12, 14, 19, 27, 31, 31, 31,  16, 12, 19, 28, 31, 31, 31, 31};
const Table kWebHighChroma = {
    7, 7, 13, 24, 26, 31, 31, 31,    7, 12, 16, 21, 31, 31, 31, 31,
    13, 16, 17, 31, 31, 31, 31, 31,  24, 21, 31, 31, 31, 31, 31, 31,
    26, 31, 31, 31, 31, 31, 31, 31,  31, 31, 31, 31, 31, 31, 31, 31,
    31, 31, 31, 31, 31, 31, 31, 31,  31, 31, 31, 31, 31, 31, 31, 31};
const Table kMaximumLuma = {
    2, 2, 2, 2, 3, 4, 5, 6,      2, 2, 2, 2, 3, 4, 5, 6,
    2, 2, 2, 2, 4, 5, 7, 9,      2, 2, 2, 4, 5, 7, 9, 12,
    3, 3, 4, 5, 8, 10, 12, 12,   4, 4, 5, 7, 10, 12, 12, 12,
    5, 5, 7, 9, 12, 12, 12, 12,  6, 6, 9, 12, 12, 12, 12, 12};
const Table kWebVeryHighChroma = {
    3, 3, 5, 9, 13, 15, 15, 15,    3, 4, 6, 11, 14, 12, 12, 12,
    5, 6, 9, 14, 12, 12, 12, 12,   9, 11, 14, 12, 12, 12, 12, 12,
    13, 14, 12, 12, 12, 12, 12, 12, 15, 12, 12, 12, 12, 12, 12, 12,
    15, 12, 12, 12, 12, 12, 12, 12, 15, 12, 12, 12, 12, 12, 12, 12};
const Table kWebMaximumLuma = {
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
    1, 1, 1, 1, 1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 2, 2,
    1, 1, 1, 1, 1, 2, 2, 3, 1, 1, 1, 1, 2, 2, 3, 3,
    1, 1, 1, 2, 2, 3, 3, 3, 1, 1, 2, 2, 3, 3, 3, 3};
const Table kWebMaximumChroma = {
    1, 1, 1, 2, 2, 3, 3, 3, 1, 1, 1, 2, 3, 3, 3, 3,
    1, 1, 1, 3, 3, 3, 3, 3, 2, 2, 3, 3, 3, 3, 3, 3,
    2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
const Table kLowLuma = {
    18, 14, 14, 21, 30, 35, 34, 17, 14, 16, 16, 19, 26, 23, 12, 12,
    14, 16, 17, 21, 23, 12, 12, 12, 21, 19, 21, 23, 12, 12, 12, 12,
    30, 26, 23, 12, 12, 12, 12, 12, 35, 23, 12, 12, 12, 12, 12, 12,
    34, 12, 12, 12, 12, 12, 12, 12, 17, 12, 12, 12, 12, 12, 12, 12};
const Table kLowChroma = {
    20, 19, 22, 27, 20, 20, 17, 17, 19, 25, 23, 14, 14, 12, 12, 12,
    22, 23, 14, 14, 12, 12, 12, 12, 27, 14, 14, 12, 12, 12, 12, 12,
    20, 14, 12, 12, 12, 12, 12, 12, 20, 12, 12, 12, 12, 12, 12, 12,
    17, 12, 12, 12, 12, 12, 12, 12, 17, 12, 12, 12, 12, 12, 12, 12};
const Table kMediumLuma = {
    12, 8, 8, 12, 17, 21, 24, 17, 8, 9, 9, 11, 15, 19, 12, 12,
    8, 9, 10, 12, 19, 12, 12, 12,  12, 11, 12, 21, 12, 12, 12, 12,
    17, 15, 19, 12, 12, 12, 12, 12, 21, 19, 12, 12, 12, 12, 12, 12,
    24, 12, 12, 12, 12, 12, 12, 12, 17, 12, 12, 12, 12, 12, 12, 12};
const Table kMediumChroma = {
    13, 11, 13, 16, 20, 20, 17, 17, 11, 14, 14, 14, 14, 12, 12, 12,
    13, 14, 14, 14, 12, 12, 12, 12, 16, 14, 14, 12, 12, 12, 12, 12,
    20, 14, 12, 12, 12, 12, 12, 12, 20, 12, 12, 12, 12, 12, 12, 12,
    17, 12, 12, 12, 12, 12, 12, 12, 17, 12, 12, 12, 12, 12, 12, 12};
const Table kHighLuma = {
    6, 4, 4, 6, 9, 11, 12, 16,      4, 5, 5, 6, 8, 10, 12, 12,
    4, 5, 5, 6, 10, 12, 12, 12,     6, 6, 6, 11, 12, 12, 12, 12,
    9, 8, 10, 12, 12, 12, 12, 12,   11, 10, 12, 12, 12, 12, 12, 12,
    12, 12, 12, 12, 12, 12, 12, 12, 16, 12, 12, 12, 12, 12, 12, 12};
const Table kHighChroma = {
    7, 7, 13, 24, 20, 20, 17, 17,   7, 12, 16, 14, 14, 12, 12, 12,
    13, 16, 14, 14, 12, 12, 12, 12, 24, 14, 14, 12, 12, 12, 12, 12,
    20, 14, 12, 12, 12, 12, 12, 12, 20, 12, 12, 12, 12, 12, 12, 12,
    17, 12, 12, 12, 12, 12, 12, 12, 17, 12, 12, 12, 12, 12, 12, 12};

Table withValueAt(Table table, int position, int value)
{
    table[position] = value;
    return table;
}

template <typename Value>
Table tableOf(Value value)
{
    Table table(64);
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column)
            table[row * 8 + column] = qBound(1, int(std::lround(value(row, column))), 255);
    }
    return table;
}

} // namespace

QVector<TableSet> webEncoderTableSets()
{
    return {{"annex k", {kAnnexKLuma, kAnnexKChroma}},
            {"flat", {kFlat16, kFlat16}},
            {"ms-ssim", {kMsSsimLuma, kMsSsimChroma}},
            {"robidoux", {kRobidoux, kRobidoux}},
            {"psnr-hvs", {kPsnrHvsLuma, kPsnrHvsChroma}},
            {"klein", {kKlein, kKlein}},
            {"watson", {kWatson, kWatson}},
            {"ahumada", {kAhumada, kAhumada}},
            {"peterson", {kPeterson, kPeterson}}};
}

QVector<TableSet> libraryPresetTableSets()
{
    return {{"web low", {kWebLowLuma, kWebLowChroma}},
            {"web medium", {kWebMediumLuma, kWebMediumChroma}},
            {"web high", {kWebHighLuma, kWebHighChroma}},
            {"web very high", {kMaximumLuma, kWebVeryHighChroma}},
            {"web maximum", {kWebMaximumLuma, kWebMaximumChroma}},
            {"low", {kLowLuma, kLowChroma}},
            {"medium", {kMediumLuma, kMediumChroma}},
            {"high", {kHighLuma, kHighChroma}},
            // The same as "web very high" but for one chrominance value.
            {"maximum", {kMaximumLuma, withValueAt(kWebVeryHighChroma, 11, 10)}}};
}

QVector<TableSet> shapedTableSets()
{
    const Table steep = tableOf([](int r, int c) { return 2 + std::pow(r + c, 2.2) * 2.5; });
    const Table steepChroma = tableOf([](int r, int c) { return 3 + std::pow(r + c, 2.6) * 3; });
    const Table radial = tableOf([](int r, int c) { return 4 + 9 * std::hypot(r, c); });
    const Table wideRadial = tableOf([](int r, int c) { return 10 + 30 * std::sqrt(std::hypot(r, c)); });
    // Values of no order: each position its own, from 5 to 60.
    const Table irregular = tableOf([](int r, int c) { return 5 + (r * 37 + c * 91 + r * c * 13) % 56; });
    const Table rowsApart = tableOf([](int r, int c) { return 6 + 14 * r + c; });
    return {{"steep", {steep, steepChroma}},
            {"flat 8", {Table(64, 8), Table(64, 8)}},
            {"flat 60", {Table(64, 60), Table(64, 60)}},
            {"radial", {radial, wideRadial}},
            {"irregular", {irregular, irregular}},
            {"rows apart from columns", {rowsApart, radial}}};
}

QByteArray cjpegWithTables(const QImage& picture, const TableSet& set, const QStringList& options)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("tables.txt"));
    if (!file.open(QIODevice::WriteOnly))
        return QByteArray();
    QTextStream out(&file);
    for (const Table& table : set.tables) {
        for (int row = 0; row < 8; ++row) {
            for (int column = 0; column < 8; ++column)
                out << table[row * 8 + column] << (column == 7 ? "\n" : " ");
        }
        out << "\n";
    }
    out.flush();
    file.close();
    return cjpegJpeg(picture, options + QStringList({"-baseline", "-qtables", file.fileName()}));
}

QByteArray convertJpeg(const QImage& picture, const QStringList& options)
{
    return encodeWithProgram(picture, "convert", [&](const QString& input, const QString& output) {
        return QStringList({input}) + options + QStringList({output});
    });
}

} // namespace fixture
