#include "picture_verdict.h"

#include <QVector>

#include <algorithm>
#include <cstdlib>

namespace {

// Mean step between neighbouring blocks above which a picture is noise; a
// photo's, even of foliage or gravel, stays far below it.
constexpr double kNoiseLevel = 45.0;
// A seam is a border this many times stronger than the middle border of its
// kind, and stronger by at least this many levels (borders measured by the
// middle of their steps).
constexpr double kSeamFactor = 6.0;
constexpr double kSeamLevels = 20.0;
// The value of every channel of a block whose coefficients are all zero.
constexpr int kEmptyBlockLevel = 128;

const quint8* pixelAt(const EighthPicture& p, int x, int y)
{
    return p.pixels.data() + (std::size_t(y) * std::size_t(p.width) + std::size_t(x)) * std::size_t(p.channels);
}

// Mean difference over the channels of two pixels.
double step(const EighthPicture& p, const quint8* a, const quint8* b)
{
    int sum = 0;
    for (int c = 0; c < p.channels; ++c)
        sum += std::abs(int(a[c]) - int(b[c]));
    return double(sum) / p.channels;
}

// Rows before the flat remainder: the rows at the end that hold the
// picture's last value only, and the row in which they begin.
int rowsBeforeFlatEnd(const EighthPicture& p)
{
    if (p.width == 0 || p.height == 0)
        return 0;
    const quint8* last = pixelAt(p, p.width - 1, p.height - 1);
    for (int y = p.height - 1; y >= 0; --y) {
        for (int x = 0; x < p.width; ++x) {
            if (step(p, pixelAt(p, x, y), last) != 0)
                return x == p.width - 1 ? y + 1 : y;
        }
    }
    return 0;
}

double middleOf(QVector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

bool hasSeamAmong(const QVector<double>& borders)
{
    if (borders.size() < 3)
        return false;
    const double middle = middleOf(borders);
    const double strongest = *std::max_element(borders.begin(), borders.end());
    return strongest > middle * kSeamFactor && strongest > middle + kSeamLevels;
}

} // namespace

bool looksNoisy(const EighthPicture& picture)
{
    const int rows = rowsBeforeFlatEnd(picture);
    double sum = 0;
    qint64 pairs = 0;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const quint8* here = pixelAt(picture, x, y);
            if (x + 1 < picture.width) {
                sum += step(picture, here, pixelAt(picture, x + 1, y));
                ++pairs;
            }
            if (y + 1 < rows) {
                sum += step(picture, here, pixelAt(picture, x, y + 1));
                ++pairs;
            }
        }
    }
    return pairs > 0 && sum / double(pairs) > kNoiseLevel;
}

bool hasSeam(const EighthPicture& picture)
{
    const int rows = rowsBeforeFlatEnd(picture);
    if (rows < 2 || picture.width < 2)
        return false;
    // Each border is represented by the middle of its steps: a seam runs
    // along the whole border, an edge of the picture's content crosses it
    // only in places.
    QVector<double> rowBorders;
    QVector<double> steps;
    for (int y = 0; y + 1 < rows; ++y) {
        steps.clear();
        for (int x = 0; x < picture.width; ++x)
            steps.append(step(picture, pixelAt(picture, x, y), pixelAt(picture, x, y + 1)));
        rowBorders.append(middleOf(steps));
    }
    QVector<double> columnBorders;
    for (int x = 0; x + 1 < picture.width; ++x) {
        steps.clear();
        for (int y = 0; y < rows; ++y)
            steps.append(step(picture, pixelAt(picture, x, y), pixelAt(picture, x + 1, y)));
        columnBorders.append(middleOf(steps));
    }
    return hasSeamAmong(rowBorders) || hasSeamAmong(columnBorders);
}

bool endsInLostData(const EighthPicture& picture)
{
    if (picture.height == 0 || rowsBeforeFlatEnd(picture) == picture.height)
        return false;
    const quint8* last = pixelAt(picture, picture.width - 1, picture.height - 1);
    return std::all_of(last, last + picture.channels, [](quint8 value) { return value == kEmptyBlockLevel; });
}
