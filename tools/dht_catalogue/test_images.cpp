#include "test_images.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

QImage noiseImage(int w, int h, int amplitude, bool gray, std::mt19937& random, const QImage& base = {})
{
    QImage image = base.isNull() ? QImage(w, h, QImage::Format_RGB32) : base.convertToFormat(QImage::Format_RGB32);
    if (base.isNull())
        image.fill(QColor(128, 128, 128));
    std::uniform_int_distribution<int> noise(-amplitude, amplitude);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QColor c = image.pixelColor(x, y);
            const int n = noise(random);
            auto add = [&](int v) { return std::clamp(v + (gray ? n : noise(random)), 0, 255); };
            image.setPixelColor(x, y, QColor(add(c.red()), add(c.green()), add(c.blue())));
        }
    return image;
}

QImage gradientImage(int w, int h, bool radial)
{
    QImage image(w, h, QImage::Format_RGB32);
    QPainter painter(&image);
    if (radial) {
        QRadialGradient g(w / 3.0, h / 3.0, std::max(w, h));
        g.setColorAt(0, QColor(250, 240, 200));
        g.setColorAt(0.5, QColor(30, 120, 60));
        g.setColorAt(1, QColor(10, 10, 80));
        painter.fillRect(image.rect(), g);
    } else {
        QLinearGradient g(0, 0, w, h);
        g.setColorAt(0, QColor(0, 40, 160));
        g.setColorAt(1, QColor(255, 200, 0));
        painter.fillRect(image.rect(), g);
    }
    return image;
}

QImage textImage(int w, int h, int pointSize, const QColor& ink, const QColor& paper)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(paper);
    QPainter painter(&image);
    painter.setPen(ink);
    QFont font;
    font.setPixelSize(pointSize);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::TextWordWrap,
                     "Every damaged photo deserves a second look. 0123456789 The quick brown fox "
                     "jumps over the lazy dog; pack my box with five dozen liquor jugs.");
    return image;
}

QImage shapesImage(int w, int h, std::mt19937& random)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    std::uniform_int_distribution<int> coord(0, std::max(w, h));
    std::uniform_int_distribution<int> channel(0, 255);
    for (int i = 0; i < 24; ++i) {
        painter.setBrush(QColor(channel(random), channel(random), channel(random)));
        painter.setPen(QColor(channel(random), channel(random), channel(random)));
        const QRect r(coord(random) - w / 4, coord(random) - h / 4, coord(random) / 2 + 2, coord(random) / 2 + 2);
        if (i % 2)
            painter.drawEllipse(r);
        else
            painter.drawRect(r);
    }
    return image;
}

QImage checkerImage(int w, int h, int period)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixelColor(x, y, ((x / period + y / period) % 2) ? QColor(230, 40, 40) : QColor(20, 20, 200));
    return image;
}

} // namespace

std::vector<NamedImage> drawnImages()
{
    std::mt19937 random(7);
    std::vector<NamedImage> images;
    const std::vector<QSize> sizes{{8, 8}, {16, 16}, {24, 16}, {32, 32}, {48, 40}, {64, 64}, {128, 96}, {256, 192}};
    for (const QSize& s : sizes) {
        const int w = s.width(), h = s.height();
        const QString size = QString("%1x%2").arg(w).arg(h);
        images.push_back({"linear gradient " + size, gradientImage(w, h, false)});
        images.push_back({"radial gradient " + size, gradientImage(w, h, true)});
        images.push_back({"light noise " + size, noiseImage(w, h, 6, false, random)});
        images.push_back({"heavy noise " + size, noiseImage(w, h, 100, false, random)});
        images.push_back({"noisy gradient " + size, noiseImage(w, h, 24, true, random, gradientImage(w, h, false))});
        images.push_back({"small text " + size, textImage(w, h, 9, Qt::black, QColor(250, 248, 240))});
        images.push_back({"large text " + size, textImage(w, h, 22, QColor(200, 30, 30), QColor(20, 60, 20))});
        images.push_back({"shapes " + size, shapesImage(w, h, random)});
        images.push_back({"checkerboard " + size, checkerImage(w, h, 3)});
        images.push_back(
            {"noisy text " + size, noiseImage(w, h, 40, false, random, textImage(w, h, 14, Qt::blue, Qt::yellow))});
    }
    return images;
}

// --- DC category rows -------------------------------------------------------

namespace {

// DC at quality 100 is the block's pixel sum minus 64 * 128, divided by 8.
constexpr int kDcMin = -1024;
constexpr int kDcMax = 1016;

std::vector<quint8> blockWithDc(int dc)
{
    const int sum = 8 * dc + 64 * 128;
    std::vector<quint8> block(64, quint8(sum / 64));
    // Spread the remainder so that it leaves no AC coefficient behind.
    const int remainder = sum % 64;
    for (int i = 0; i < remainder; ++i)
        block[(i * 37) % 64] += 1;
    return block;
}

std::optional<int> stepInCategory(int category, int from, std::mt19937& random)
{
    if (category == 0)
        return from;
    const int lo = 1 << (category - 1), hi = (1 << category) - 1;
    const int roomUp = kDcMax - from, roomDown = from - kDcMin;
    const int room = std::max(roomUp, roomDown);
    if (room < lo)
        return std::nullopt;
    const int magnitude = std::uniform_int_distribution<int>(lo, std::min(hi, room))(random);
    if (roomUp >= magnitude && (roomDown < magnitude || random() % 2))
        return from + magnitude;
    return from - magnitude;
}

QImage blocksImage(const std::vector<std::vector<quint8>>& blocks, int perRow)
{
    const int rows = int(blocks.size() + perRow - 1) / perRow;
    const int columns = rows == 1 ? int(blocks.size()) : perRow;
    QImage image(8 * columns, 8 * rows, QImage::Format_Grayscale8);
    for (std::size_t b = 0; b < blocks.size(); ++b)
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                image.scanLine(int(b) / perRow * 8 + y)[int(b) % perRow * 8 + x] = blocks[b][y * 8 + x];
    return image;
}

} // namespace

QImage dcCategoryImage(const std::map<int, int>& frequency, std::mt19937& random)
{
    std::vector<int> remaining;
    for (const auto& [category, count] : frequency)
        remaining.insert(remaining.end(), count, category);
    std::vector<std::vector<quint8>> blocks;
    int dc = 0;
    while (!remaining.empty()) {
        std::shuffle(remaining.begin(), remaining.end(), random);
        bool stepped = false;
        for (std::size_t i = 0; i < remaining.size() && !stepped; ++i) {
            if (const std::optional<int> next = stepInCategory(remaining[i], dc, random)) {
                dc = *next;
                blocks.push_back(blockWithDc(dc));
                remaining.erase(remaining.begin() + long(i));
                stepped = true;
            }
        }
        if (!stepped)
            return {};
    }
    // One block per row: the blocks are coded in this order and no padding block adds a difference.
    return blocksImage(blocks, 1);
}

// --- AC symbol blocks -------------------------------------------------------

namespace {

constexpr int kZigzag[64] = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                             12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                             35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                             58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// basis[u][x]: the orthonormal DCT basis function u at sample x.
const std::array<std::array<double, 8>, 8>& basis()
{
    static const auto table = [] {
        std::array<std::array<double, 8>, 8> b{};
        for (int u = 0; u < 8; ++u)
            for (int x = 0; x < 8; ++x)
                b[u][x] = 0.5 * (u == 0 ? std::sqrt(0.5) : 1.0) * std::cos((2 * x + 1) * u * M_PI / 16);
        return b;
    }();
    return table;
}

// Separable 8x8 transform, row by row in and out: forward maps samples to
// coefficients, otherwise coefficients to samples.
std::vector<double> transform(const std::vector<double>& in, bool forward)
{
    const auto& b = basis();
    auto weight = [&](int i, int j) { return forward ? b[j][i] : b[i][j]; };
    std::vector<double> rows(64, 0.0), out(64, 0.0);
    for (int y = 0; y < 8; ++y)
        for (int j = 0; j < 8; ++j)
            for (int i = 0; i < 8; ++i)
                rows[y * 8 + j] += in[y * 8 + i] * weight(i, j);
    for (int x = 0; x < 8; ++x)
        for (int j = 0; j < 8; ++j)
            for (int i = 0; i < 8; ++i)
                out[j * 8 + x] += rows[i * 8 + x] * weight(i, j);
    return out;
}

std::vector<double> forwardDct(const std::vector<double>& pixels) { return transform(pixels, true); }

std::vector<double> inverseDct(const std::vector<double>& coefficients) { return transform(coefficients, false); }

// First row or first column: the basis functions with the smallest swing.
bool isEdge(int zigzagIndex)
{
    const int position = kZigzag[zigzagIndex];
    return position < 8 || position % 8 == 0;
}

int sizeOf(int value)
{
    int size = 0;
    for (int m = std::abs(value); m; m >>= 1)
        ++size;
    return size;
}

std::set<int> emittedSymbols(const std::vector<int>& zigzagCoefficients)
{
    std::set<int> symbols;
    int run = 0, last = 0;
    for (int k = 1; k < 64; ++k)
        if (zigzagCoefficients[k] != 0)
            last = k;
    for (int k = 1; k <= last; ++k) {
        if (zigzagCoefficients[k] == 0) {
            ++run;
            continue;
        }
        for (; run > 15; run -= 16)
            symbols.insert(0xF0);
        symbols.insert(run << 4 | sizeOf(zigzagCoefficients[k]));
        run = 0;
    }
    if (last != 63)
        symbols.insert(0x00);
    return symbols;
}

struct Wanted {
    int index;      // zigzag position
    int lo, hi;     // magnitude range
};

// The block of the given samples (level-shifted) with the AC symbols that its
// coding emits; none when a coefficient lies so near a rounding boundary that
// another accurate DCT could round it the other way.
std::optional<AcBlockDesign> designOf(const std::vector<double>& samples, std::vector<int>& zigzag)
{
    const std::vector<double> result = forwardDct(samples);
    zigzag.assign(64, 0);
    for (int k = 0; k < 64; ++k) {
        const double c = result[kZigzag[k]];
        if (std::abs(c - std::round(c)) > 0.45)
            return std::nullopt;
        zigzag[k] = int(std::round(c));
    }
    AcBlockDesign design;
    for (double sample : samples)
        design.pixels.push_back(quint8(sample + 128));
    design.symbols = emittedSymbols(zigzag);
    return design;
}

// Level-shifted samples of the coefficients, rounded; none when a sample
// leaves the 8-bit range.
std::optional<std::vector<double>> samplesOf(const std::vector<double>& coefficients)
{
    std::vector<double> samples = inverseDct(coefficients);
    for (double& sample : samples) {
        sample = std::round(sample);
        if (sample < -128 || sample > 127)
            return std::nullopt;
    }
    return samples;
}

// A block whose coding emits the given symbol, built from coefficients at
// the wanted positions; tries random magnitudes, signs and DC levels.
std::optional<AcBlockDesign> searchBlock(const std::vector<Wanted>& wanted, int symbol, std::mt19937& random)
{
    for (int attempt = 0; attempt < 8000; ++attempt) {
        std::vector<double> coefficients(64, 0.0);
        coefficients[0] = std::uniform_int_distribution<int>(-300, 300)(random);
        for (const Wanted& w : wanted) {
            const int magnitude = std::uniform_int_distribution<int>(w.lo, w.hi)(random);
            coefficients[kZigzag[w.index]] = (random() % 2) ? magnitude : -magnitude;
        }
        const std::optional<std::vector<double>> samples = samplesOf(coefficients);
        std::vector<int> zigzag;
        std::optional<AcBlockDesign> design = samples ? designOf(*samples, zigzag) : std::nullopt;
        if (design && design->symbols.count(symbol))
            return design;
    }
    return std::nullopt;
}

} // namespace

std::vector<AcBlockDesign> acBlockDesigns(std::mt19937& random)
{
    std::vector<AcBlockDesign> designs;
    for (int size = 1; size <= 10; ++size)
        for (int run = 0; run <= 15; ++run) {
            // The largest values fit the 8-bit samples only near the bottom of their range.
            const int lo = 1 << (size - 1), hi = size >= 9 ? lo + lo / 8 : (1 << size) - 1;
            const int symbol = run << 4 | size;
            std::optional<AcBlockDesign> design = searchBlock({{run + 1, lo, hi}}, symbol, random);
            // A coefficient too large for this position: lead with a small one so the
            // wanted one sits further on, in the first row or column of the block.
            for (int lead = 1; !design && lead + run + 1 < 64; ++lead)
                if (isEdge(lead + run + 1))
                    design = searchBlock({{lead, 4, 15}, {lead + run + 1, lo, hi}}, symbol, random);
            if (design)
                designs.push_back(*design);

        }
    // Blocks of a few random coefficients: they bring the small values after
    // runs of zeros that single rounded coefficients cannot make.
    for (int attempt = 0; attempt < 40000; ++attempt) {
        std::vector<double> coefficients(64, 0.0);
        coefficients[0] = std::uniform_int_distribution<int>(-200, 200)(random);
        const int count = std::uniform_int_distribution<int>(1, 4)(random);
        for (int i = 0; i < count; ++i) {
            const int size = std::uniform_int_distribution<int>(2, 8)(random);
            const int magnitude = std::uniform_int_distribution<int>(1 << (size - 1), (1 << size) - 1)(random);
            coefficients[kZigzag[std::uniform_int_distribution<int>(1, 63)(random)]] =
                (random() % 2) ? magnitude : -magnitude;
        }
        std::vector<int> zigzag;
        if (const std::optional<std::vector<double>> samples = samplesOf(coefficients))
            if (std::optional<AcBlockDesign> design = designOf(*samples, zigzag))
                designs.push_back(*design);
    }
    // Sixteen zeros and more: the zero-run symbol.
    if (std::optional<AcBlockDesign> design = searchBlock({{20, 4, 7}}, 0xF0, random))
        designs.push_back(*design);
    std::set<int> covered;
    for (const AcBlockDesign& design : designs)
        covered.insert(design.symbols.begin(), design.symbols.end());
    std::fprintf(stderr, "the block designs cover %zu of the 162 AC symbols\n", covered.size());
    return designs;
}

QImage acDesignImage(const std::vector<const AcBlockDesign*>& designs, const std::vector<int>& weights,
                     std::mt19937& random)
{
    std::vector<std::vector<quint8>> blocks;
    for (std::size_t i = 0; i < designs.size(); ++i)
        blocks.insert(blocks.end(), std::size_t(weights[i]), designs[i]->pixels);
    std::shuffle(blocks.begin(), blocks.end(), random);
    // Flat blocks fill the last row; they add only end-of-block symbols.
    while (blocks.size() > 64 && blocks.size() % 64 != 0)
        blocks.push_back(std::vector<quint8>(64, 128));
    return blocksImage(blocks, 64);
}
