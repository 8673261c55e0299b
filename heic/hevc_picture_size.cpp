#include "hevc_picture_size.h"

#include <climits>
#include <optional>

namespace {

// hvcC: box header (8), then the fixed configuration (22 bytes) and the
// number of NAL unit arrays.
constexpr int kArraysAt = 8 + 22;
constexpr int kSpsType = 33;
// Bits of the general part of profile_tier_level and of one sub-layer's
// profile.
constexpr int kGeneralProfileBits = 88;
constexpr int kLevelBits = 8;
// A ue(v) code longer than this does not fit 32 bits.
constexpr int kMaxLeadingZeros = 31;

// The payload of a NAL unit without its 2-byte header and without the
// emulation prevention bytes (00 00 03 -> 00 00).
QByteArray rbsp(const QByteArray& nal)
{
    QByteArray out;
    int zeros = 0;
    for (int i = 2; i < nal.size(); ++i) {
        const char byte = nal[i];
        if (zeros >= 2 && byte == 3) {
            zeros = 0;
            continue;
        }
        zeros = byte == 0 ? zeros + 1 : 0;
        out.append(byte);
    }
    return out;
}

class BitReader {
public:
    explicit BitReader(const QByteArray& bytes) : m_bytes(bytes) {}

    std::optional<quint32> bits(int count)
    {
        quint32 value = 0;
        for (int i = 0; i < count; ++i) {
            if (m_pos >= m_bytes.size() * 8)
                return std::nullopt;
            const int bit = (quint8(m_bytes[m_pos / 8]) >> (7 - m_pos % 8)) & 1;
            value = value << 1 | quint32(bit);
            ++m_pos;
        }
        return value;
    }

    // Exp-Golomb code ue(v).
    std::optional<quint32> ue()
    {
        int zeros = 0;
        for (;;) {
            const auto bit = bits(1);
            if (!bit || zeros > kMaxLeadingZeros)
                return std::nullopt;
            if (*bit == 1)
                break;
            ++zeros;
        }
        const auto rest = bits(zeros);
        if (!rest)
            return std::nullopt;
        return quint32((quint64(1) << zeros) - 1 + *rest);
    }

    bool skip(int count)
    {
        m_pos += count;
        return m_pos <= m_bytes.size() * 8;
    }

private:
    const QByteArray& m_bytes;
    int m_pos = 0;
};

// Reads a sequence parameter set up to its picture size.
QSize spsPictureSize(const QByteArray& nal)
{
    const QByteArray payload = rbsp(nal);
    BitReader reader(payload);
    const auto head = reader.bits(8); // parameter set id, sub-layers, nesting flag
    if (!head)
        return QSize();
    const int subLayers = int((*head >> 1) & 7);
    if (!reader.skip(kGeneralProfileBits + kLevelBits))
        return QSize();
    bool profilePresent[8] = {};
    bool levelPresent[8] = {};
    for (int i = 0; i < subLayers; ++i) {
        const auto flags = reader.bits(2);
        if (!flags)
            return QSize();
        profilePresent[i] = (*flags & 2) != 0;
        levelPresent[i] = (*flags & 1) != 0;
    }
    if (subLayers > 0 && !reader.skip(2 * (8 - subLayers)))
        return QSize();
    for (int i = 0; i < subLayers; ++i) {
        if (!reader.skip((profilePresent[i] ? kGeneralProfileBits : 0) + (levelPresent[i] ? kLevelBits : 0)))
            return QSize();
    }
    const auto spsId = reader.ue();
    const auto chroma = reader.ue();
    if (!spsId || !chroma || (*chroma == 3 && !reader.bits(1)))
        return QSize();
    const auto width = reader.ue();
    const auto height = reader.ue();
    if (!width || !height || *width > quint32(INT_MAX) || *height > quint32(INT_MAX))
        return QSize();
    return QSize(int(*width), int(*height));
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
        if (unit.size() >= 2 && ((quint8(unit[0]) >> 1) & 0x3F) == kSpsType)
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
