#include "photo_fixture.h"

#include <QRandomGenerator>

#include <cmath>
#include <vector>

namespace fixture {

namespace {

struct Wave {
    double fx, fy, phase, amplitude;
    int channel;
};

struct Disc {
    double x, y, radius;
    int colour[3];
};

} // namespace

QImage photoPicture(int width, int height, quint32 seed)
{
    QRandomGenerator random(seed);
    std::vector<Wave> waves;
    for (int i = 0; i < 6; ++i)
        waves.push_back({0.002 + random.bounded(0.028), 0.002 + random.bounded(0.028),
                         random.bounded(6.28), 20 + random.bounded(40.0), int(random.bounded(3))});
    std::vector<Disc> discs;
    for (int i = 0; i < 8; ++i) {
        Disc disc{random.bounded(double(width)), random.bounded(double(height)),
                  20 + random.bounded(130.0), {}};
        for (int& c : disc.colour)
            c = int(random.bounded(256));
        discs.push_back(disc);
    }
    const int base[3] = {60 + int(random.bounded(140)), 60 + int(random.bounded(140)),
                         60 + int(random.bounded(140))};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            double c[3] = {base[0] + x * 60.0 / width, base[1] + y * 60.0 / height,
                           base[2] - (x + y) * 40.0 / (width + height)};
            for (const Wave& w : waves)
                c[w.channel] += w.amplitude * std::sin(w.fx * x + w.fy * y + w.phase);
            for (const Disc& d : discs) {
                if ((x - d.x) * (x - d.x) + (y - d.y) * (y - d.y) < d.radius * d.radius) {
                    for (int k = 0; k < 3; ++k)
                        c[k] = (c[k] + d.colour[k]) / 2;
                }
            }
            const double noise = random.bounded(7.0) - 3.5;
            int v[3];
            for (int k = 0; k < 3; ++k)
                v[k] = qBound(0, int(c[k] + noise), 255);
            line[x] = qRgb(v[0], v[1], v[2]);
        }
    }
    return image;
}

QImage withGrain(const QImage& picture, int amplitude, quint32 seed)
{
    QImage grainy = picture.convertToFormat(QImage::Format_RGB32);
    quint32 state = seed;
    for (int y = 0; y < grainy.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grainy.scanLine(y));
        for (int x = 0; x < grainy.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            const int grain = int((state >> 24) % quint32(2 * amplitude + 1)) - amplitude;
            const auto moved = [grain](int value) { return qBound(0, value + grain, 255); };
            line[x] = qRgb(moved(qRed(line[x])), moved(qGreen(line[x])), moved(qBlue(line[x])));
        }
    }
    return grainy;
}

double psnr(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 0;
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    double squares = 0;
    for (int y = 0; y < first.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(first.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(second.constScanLine(y));
        for (int x = 0; x < first.width(); ++x) {
            const int d[3] = {qRed(p[x]) - qRed(q[x]), qGreen(p[x]) - qGreen(q[x]),
                              qBlue(p[x]) - qBlue(q[x])};
            squares += d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
        }
    }
    if (squares == 0)
        return 999;
    const double mean = squares / (3.0 * first.width() * first.height());
    return 10 * std::log10(255.0 * 255.0 / mean);
}

} // namespace fixture
