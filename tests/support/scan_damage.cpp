#include "scan_damage.h"

#include "exif_fixture.h"

#include <QRandomGenerator>

namespace fixture {

QByteArray withScanDamage(const QByteArray& jpeg, ScanDamage damage, quint32 seed)
{
    const int sos = markerOffset(jpeg, 0xDA);
    if (sos < 0)
        return QByteArray();
    const int start = sos + 2 + (quint8(jpeg[sos + 2]) << 8 | quint8(jpeg[sos + 3]));
    const int end = jpeg.size() - 2;
    QRandomGenerator random(seed);
    QByteArray damaged = jpeg;
    for (;;) {
        const int at = start + int(random.bounded(end - start));
        const quint8 before = quint8(jpeg[at]);
        const quint8 after = damage == ScanDamage::BitFlip ? quint8(before ^ (1u << random.bounded(8)))
                                                           : quint8(random.bounded(256));
        if (after != before && after != 0xFF && before != 0xFF && quint8(jpeg[at - 1]) != 0xFF) {
            damaged[at] = char(after);
            return damaged;
        }
    }
}

} // namespace fixture
