#include "hevc_bits.h"

#include <climits>

namespace {

// Bits of the general part of profile_tier_level and of one sub-layer's
// profile and level.
constexpr int kGeneralProfileBits = 88;
constexpr int kLevelBits = 8;
// A ue(v) code longer than this does not fit 32 bits.
constexpr int kMaxLeadingZeros = 31;

void skipProfileTierLevel(HevcBitReader& reader, int subLayers)
{
    reader.skip(kGeneralProfileBits + kLevelBits);
    bool profilePresent[8] = {};
    bool levelPresent[8] = {};
    for (int i = 0; i < subLayers; ++i) {
        profilePresent[i] = reader.flag();
        levelPresent[i] = reader.flag();
    }
    if (subLayers > 0)
        reader.skip(2 * (8 - subLayers));
    for (int i = 0; i < subLayers; ++i)
        reader.skip((profilePresent[i] ? kGeneralProfileBits : 0) + (levelPresent[i] ? kLevelBits : 0));
}

} // namespace

QByteArray hevcRbsp(const QByteArray& nal)
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

quint32 HevcBitReader::bits(int count)
{
    quint32 value = 0;
    for (int i = 0; i < count && !m_failed; ++i) {
        if (m_pos >= qint64(m_bytes.size()) * 8) {
            m_failed = true;
            return 0;
        }
        const int bit = (quint8(m_bytes[int(m_pos / 8)]) >> (7 - m_pos % 8)) & 1;
        value = value << 1 | quint32(bit);
        ++m_pos;
    }
    return m_failed ? 0 : value;
}

quint32 HevcBitReader::ue()
{
    int zeros = 0;
    while (!m_failed && bits(1) == 0) {
        if (++zeros > kMaxLeadingZeros)
            m_failed = true;
    }
    const quint32 rest = bits(zeros);
    return m_failed ? 0 : quint32((quint64(1) << zeros) - 1 + rest);
}

qint32 HevcBitReader::se()
{
    const quint32 code = ue();
    return code % 2 ? qint32((quint64(code) + 1) / 2) : -qint32(code / 2);
}

void HevcBitReader::skip(int count)
{
    m_pos += count;
    if (m_pos > qint64(m_bytes.size()) * 8)
        m_failed = true;
}

std::optional<SpsStart> readSpsStart(HevcBitReader& reader)
{
    reader.skip(4); // video parameter set id
    const int subLayers = int(reader.bits(3));
    reader.skip(1); // temporal id nesting
    skipProfileTierLevel(reader, subLayers);
    SpsStart start;
    start.id = reader.ue();
    start.chromaFormat = reader.ue();
    if (start.chromaFormat == 3)
        start.separateColourPlanes = reader.flag();
    const quint32 width = reader.ue();
    const quint32 height = reader.ue();
    if (reader.failed() || width == 0 || height == 0 || width > quint32(INT_MAX) || height > quint32(INT_MAX))
        return std::nullopt;
    start.coded = QSize(int(width), int(height));
    return start;
}
