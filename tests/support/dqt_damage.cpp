#include "dqt_damage.h"

#include <QRandomGenerator>

namespace fixture {

namespace {

constexpr int kValues = 64;

int segmentLength(const QByteArray& jpeg, int at)
{
    return quint8(jpeg[at + 2]) << 8 | quint8(jpeg[at + 3]);
}

} // namespace

QList<int> quantTableOffsets(const QByteArray& jpeg)
{
    const QByteArray marker("\xFF\xDB", 2);
    QList<int> tables;
    for (int at = jpeg.indexOf(marker); at >= 0 && at + 4 <= jpeg.size();
         at = jpeg.indexOf(marker, at + 2)) {
        const int end = at + 2 + segmentLength(jpeg, at);
        for (int p = at + 4; p + 1 + kValues <= end && p < jpeg.size(); p += 1 + kValues) {
            if ((quint8(jpeg[p]) >> 4) != 0)
                break; // 16-bit tables are not damaged here
            tables << p + 1;
        }
    }
    return tables;
}

QString nameOf(DqtDamage damage)
{
    switch (damage) {
    case DqtDamage::RandomRun:
        return "random run";
    case DqtDamage::ZeroRun:
        return "zero run";
    case DqtDamage::Shifted:
        return "shifted";
    case DqtDamage::Truncated:
        return "truncated";
    }
    return QString();
}

QByteArray withDqtDamage(QByteArray jpeg, int table, DqtDamage damage, quint32 seed)
{
    const int values = quantTableOffsets(jpeg).value(table, -1);
    if (values < 0)
        return QByteArray();
    QRandomGenerator random(seed);
    const QByteArray before = jpeg.mid(values, kValues + kValues);
    switch (damage) {
    case DqtDamage::RandomRun: {
        const int length = 6 + int(random.bounded(15));
        const int start = int(random.bounded(kValues - length + 1));
        for (int i = start; i < start + length; ++i)
            jpeg[values + i] = char(random.bounded(256));
        break;
    }
    case DqtDamage::ZeroRun: {
        const int length = 4 + int(random.bounded(21));
        const int start = int(random.bounded(kValues - length + 1));
        for (int i = start; i < start + length; ++i)
            jpeg[values + i] = 0;
        break;
    }
    case DqtDamage::Shifted: {
        const int lost = int(random.bounded(kValues - 1));
        for (int i = lost; i < kValues; ++i)
            jpeg[values + i] = before[i + 1];
        break;
    }
    case DqtDamage::Truncated: {
        const int cut = 24 + int(random.bounded(kValues - 24));
        for (int i = cut; i < kValues; ++i)
            jpeg[values + i] = before[kValues + i - cut];
        break;
    }
    }
    return jpeg;
}

} // namespace fixture
