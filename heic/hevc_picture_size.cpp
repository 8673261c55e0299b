#include "hevc_picture_size.h"

#include "hevc_bits.h"

namespace {

// hvcC: box header (8), then the fixed configuration (22 bytes) and the
// number of NAL unit arrays.
constexpr int kArraysAt = 8 + 22;

// Reads a sequence parameter set up to its picture size.
QSize spsPictureSize(const QByteArray& nal)
{
    const QByteArray payload = hevcRbsp(nal);
    HevcBitReader reader(payload);
    const std::optional<SpsStart> start = readSpsStart(reader);
    return start ? start->coded : QSize();
}

quint16 be16(const QByteArray& bytes, int pos)
{
    return quint16(quint8(bytes[pos]) << 8 | quint8(bytes[pos + 1]));
}

} // namespace

QVector<QByteArray> hvcCParameterSets(const QByteArray& hvcC)
{
    QVector<QByteArray> units;
    if (hvcC.size() <= kArraysAt)
        return units;
    const int arrays = quint8(hvcC[kArraysAt]);
    int pos = kArraysAt + 1;
    for (int a = 0; a < arrays; ++a) {
        if (pos + 3 > hvcC.size())
            return {};
        const int count = be16(hvcC, pos + 1);
        pos += 3;
        for (int u = 0; u < count; ++u) {
            if (pos + 2 > hvcC.size())
                return {};
            const int length = be16(hvcC, pos);
            pos += 2;
            if (pos + length > hvcC.size())
                return {};
            units.append(hvcC.mid(pos, length));
            pos += length;
        }
    }
    return units;
}

QSize hvcCPictureSize(const QByteArray& hvcC)
{
    for (const QByteArray& unit : hvcCParameterSets(hvcC)) {
        if (hevcNalType(unit) == kHevcSpsType)
            return spsPictureSize(unit);
    }
    return QSize();
}

quint64 hvcCPictureSamples(const QByteArray& hvcC)
{
    const QSize size = hvcCPictureSize(hvcC);
    return size.isEmpty() ? 0 : quint64(size.width()) * quint64(size.height());
}

int hvcCLengthSize(const QByteArray& hvcC)
{
    // lengthSizeMinusOne: the low two bits of the last fixed byte.
    return hvcC.size() <= kArraysAt ? 0 : (quint8(hvcC[kArraysAt - 1]) & 3) + 1;
}
