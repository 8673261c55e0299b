#pragma once

#include <QByteArray>
#include <QSize>
#include <QtGlobal>

#include <optional>

// Reading the bit fields of HEVC parameter sets and slice headers.

// NAL unit types of the sequence and picture parameter sets; types below
// 32 are coded slices.
constexpr int kHevcSpsType = 33;
constexpr int kHevcPpsType = 34;
constexpr int kHevcFirstNonSliceType = 32;

// The type in a NAL unit's header; -1 when it is shorter than a header.
inline int hevcNalType(const QByteArray& nal)
{
    return nal.size() < 2 ? -1 : (quint8(nal[0]) >> 1) & 0x3F;
}

// The payload of a NAL unit without its 2-byte header and without the
// emulation prevention bytes (00 00 03 -> 00 00).
QByteArray hevcRbsp(const QByteArray& nal);

// Reads fields one after the other; a read past the end, or an Exp-Golomb
// code too long for 32 bits, marks it failed and reads as 0 from then on.
class HevcBitReader {
public:
    explicit HevcBitReader(const QByteArray& bytes) : m_bytes(bytes) {}

    quint32 bits(int count);
    bool flag() { return bits(1) != 0; }
    quint32 ue();
    qint32 se();
    void skip(int count);
    bool failed() const { return m_failed; }

private:
    const QByteArray& m_bytes;
    qint64 m_pos = 0;
    bool m_failed = false;
};

// The start of a sequence parameter set, up to its picture size; the reader
// stands behind it.
struct SpsStart {
    quint32 id = 0;
    quint32 chromaFormat = 0;
    bool separateColourPlanes = false;
    QSize coded;
};
std::optional<SpsStart> readSpsStart(HevcBitReader& reader);
