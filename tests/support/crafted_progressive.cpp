#include "crafted_progressive.h"

#include "jpeg_fixture.h"

#include <QtGlobal>

namespace fixture {

namespace {

class BitWriter {
public:
    void put(quint32 bits, int count)
    {
        for (int i = count - 1; i >= 0; --i) {
            m_byte = quint8(m_byte << 1 | ((bits >> i) & 1));
            if (++m_filled == 8)
                flushByte();
        }
    }
    // Pads the last byte with ones, as the standard asks.
    QByteArray finish()
    {
        while (m_filled != 0)
            put(1, 1);
        return m_bytes;
    }

private:
    void flushByte()
    {
        m_bytes.append(char(m_byte));
        if (m_byte == 0xFF)
            m_bytes.append('\0');
        m_byte = 0;
        m_filled = 0;
    }
    QByteArray m_bytes;
    quint8 m_byte = 0;
    int m_filled = 0;
};

// One table with a single 1-bit code for `symbol`.
QByteArray oneCodeTable(quint8 classAndId, quint8 symbol)
{
    QByteArray body(1, char(classAndId));
    body.append(char(1));
    body.append(QByteArray(15, '\0'));
    body.append(char(symbol));
    return body;
}

QByteArray scanHeader(const QByteArray& components, int ss, int se, int ah, int al)
{
    QByteArray body(1, char(components.size() / 2));
    body.append(components);
    body.append(char(ss)).append(char(se)).append(char(ah << 4 | al));
    return segment(0xDA, body);
}

// DC scan: every block's difference is 0, coded in one bit.
QByteArray dcScanData(int mcus)
{
    BitWriter bits;
    for (int i = 0; i < mcus * 6; ++i)
        bits.put(0, 1);
    return bits.finish();
}

// AC scan of one component: all its blocks end at once, in runs of at most
// 32767 blocks (symbol EOB14 and 14 extra bits).
QByteArray acScanData(qint64 blocks)
{
    BitWriter bits;
    while (blocks > 0) {
        const qint64 run = qMin<qint64>(blocks, 32767);
        if (run >= 16384) {
            bits.put(0, 1);
            bits.put(quint32(run - 16384), 14);
        } else {
            // Shorter runs are coded block by block (EOB0, code "10").
            for (qint64 i = 0; i < run; ++i)
                bits.put(2, 2);
        }
        blocks -= run;
    }
    return bits.finish();
}

} // namespace

QByteArray craftedProgressiveJpeg(int width, int height, int scans)
{
    QByteArray jpeg("\xFF\xD8", 2);
    jpeg += segment(0xDB, QByteArray(1, '\0') + QByteArray(64, char(1)));
    QByteArray frame;
    frame.append(char(8)).append(char(height >> 8)).append(char(height & 0xFF));
    frame.append(char(width >> 8)).append(char(width & 0xFF)).append(char(3));
    frame.append(QByteArray("\x01\x22\x00\x02\x11\x00\x03\x11\x00", 9));
    jpeg += segment(0xC2, frame);
    // DC: one code, "0", for size 0. AC: EOB14 as "0" and EOB0 as "10" (the
    // all-ones code of each length stays free).
    jpeg += segment(0xC4, oneCodeTable(0x00, 0x00));
    QByteArray ac(1, char(0x10));
    ac.append(char(1)).append(char(1)).append(QByteArray(14, '\0'));
    ac.append(char(0xE0)).append(char(0x00));
    jpeg += segment(0xC4, ac);
    const int mcuColumns = (width + 15) / 16;
    const int mcuRows = (height + 15) / 16;
    jpeg += scanHeader(QByteArray("\x01\x00\x02\x00\x03\x00", 6), 0, 0, 0, 0);
    jpeg += dcScanData(mcuColumns * mcuRows);
    const qint64 lumaBlocks = qint64((width + 7) / 8) * ((height + 7) / 8);
    const qint64 chromaBlocks = qint64((width + 15) / 16) * ((height + 15) / 16);
    int written = 1;
    const int passes[3][2] = {{0, 2}, {2, 1}, {1, 0}};
    for (const auto& pass : passes) {
        for (int component = 1; component <= 3 && written < scans; ++component) {
            for (int k = 1; k < 64 && written < scans; ++k, ++written) {
                jpeg += scanHeader(QByteArray(1, char(component)) + char(0x00), k, k, pass[0], pass[1]);
                jpeg += acScanData(component == 1 ? lumaBlocks : chromaBlocks);
            }
        }
    }
    return jpeg + QByteArray("\xFF\xD9", 2);
}

} // namespace fixture
