#include "file_window.h"

#include "byte_pair_search.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

thread_local quint64 t_shortReads = 0;

qint64 streamSize(FILE* file)
{
    if (!file || fseeko(file, 0, SEEK_END) != 0)
        return 0;
    const qint64 size = ftello(file);
    fseeko(file, 0, SEEK_SET);
    return size < 0 ? 0 : size;
}

} // namespace

quint64 shortReadCount()
{
    return t_shortReads;
}

void countShortRead()
{
    ++t_shortReads;
}

FileWindow::FileWindow(FILE* file, std::size_t windowSize)
    : m_file(file), m_size(streamSize(file)), m_window(std::max<std::size_t>(windowSize, 16))
{
}

void FileWindow::invalidate()
{
    m_windowStart = -1;
    m_windowFilled = 0;
    m_size = streamSize(m_file);
}

void FileWindow::fill(qint64 start)
{
    m_windowStart = start;
    m_windowFilled = 0;
    const std::size_t expected = std::size_t(std::max<qint64>(0, std::min<qint64>(qint64(m_window.size()), m_size - start)));
    if (m_file && fseeko(m_file, start, SEEK_SET) == 0)
        m_windowFilled = std::fread(m_window.data(), 1, m_window.size(), m_file);
    if (m_windowFilled < expected)
        countShortRead();
}

void FileWindow::readDirect(qint64 pos, quint8* dst, std::size_t length)
{
    std::size_t got = 0;
    if (m_file && fseeko(m_file, pos, SEEK_SET) == 0)
        got = std::fread(dst, 1, length, m_file);
    if (got < length)
        countShortRead();
    std::memset(dst + got, 0, length - got);
}

void FileWindow::read(qint64 pos, void* dst, std::size_t length)
{
    // Only the bytes that no read fills are zeroed: before 0, past the end,
    // and whatever a short read leaves.
    auto* out = static_cast<quint8*>(dst);
    if (pos < 0) {
        const std::size_t before = std::size_t(std::min<quint64>(0 - quint64(pos), length));
        std::memset(out, 0, before);
        out += before;
        length -= before;
        pos = 0;
    }
    if (length == 0)
        return;
    if (pos >= m_size) {
        std::memset(out, 0, length);
        return;
    }
    const std::size_t available = std::size_t(std::min<qint64>(qint64(length), m_size - pos));
    std::memset(out + available, 0, length - available);
    if (available > m_window.size()) {
        readDirect(pos, out, available);
        return;
    }
    const bool inside = m_windowStart >= 0 && pos >= m_windowStart
        && pos + qint64(available) <= m_windowStart + qint64(m_windowFilled);
    if (!inside)
        fill(pos);
    const qint64 offset = pos - m_windowStart;
    const std::size_t usable = std::size_t(std::max<qint64>(0, std::min<qint64>(qint64(available), qint64(m_windowFilled) - offset)));
    std::memcpy(out, m_window.data() + offset, usable);
    std::memset(out + usable, 0, available - usable);
}

qint64 FileWindow::find(quint8 value, qint64 from, qint64 end)
{
    qint64 pos = std::max<qint64>(from, 0);
    const qint64 last = std::min(end, m_size);
    while (pos < last) {
        if (!holds(pos)) {
            fill(pos);
            if (m_windowFilled == 0)
                break;
        }
        const qint64 offset = pos - m_windowStart;
        const qint64 stop = std::min<qint64>(last, m_windowStart + qint64(m_windowFilled));
        const void* hit = std::memchr(m_window.data() + offset, value, std::size_t(stop - pos));
        if (hit)
            return m_windowStart + (static_cast<const quint8*>(hit) - m_window.data());
        pos = stop;
    }
    return end;
}

bool FileWindow::holds(qint64 pos) const
{
    return m_windowStart >= 0 && pos >= m_windowStart && pos < m_windowStart + qint64(m_windowFilled);
}

// Each window is searched up to its last byte but one, so that every pair
// tested lies inside it; the next window starts at that last byte.
qint64 FileWindow::findPair(const BytePair* pairs, int count, qint64 from, qint64 end)
{
    qint64 pos = std::max<qint64>(from, 0);
    const qint64 last = std::min(end, m_size);
    while (pos < last) {
        if (!holds(pos) || !holds(pos + 1)) {
            fill(pos);
            if (!holds(pos))
                break;
        }
        const qint64 windowEnd = m_windowStart + qint64(m_windowFilled);
        const quint8* window = m_window.data();
        const quint8* at = window + (pos - m_windowStart);
        if (windowEnd == pos + 1) {
            // The last byte there is: what follows it reads as 0.
            const quint8 tail[2] = {*at, 0};
            return findBytePair(tail, tail + 1, pairs, count) == tail ? pos : end;
        }
        const qint64 stop = std::min(last, windowEnd - 1);
        const quint8* stopAt = window + (stop - m_windowStart);
        const quint8* hit = findBytePair(at, stopAt, pairs, count);
        if (hit != stopAt)
            return pos + (hit - at);
        pos = stop;
    }
    return end;
}

quint8 FileWindow::byteAt(qint64 pos)
{
    quint8 value = 0;
    read(pos, &value, 1);
    return value;
}

quint16 FileWindow::be16(qint64 pos)
{
    quint8 b[2];
    read(pos, b, 2);
    return quint16(b[0] << 8 | b[1]);
}

quint32 FileWindow::be32(qint64 pos)
{
    quint8 b[4];
    read(pos, b, 4);
    return quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | b[3];
}

quint16 FileWindow::le16(qint64 pos)
{
    quint8 b[2];
    read(pos, b, 2);
    return quint16(b[1] << 8 | b[0]);
}

quint32 FileWindow::le32(qint64 pos)
{
    quint8 b[4];
    read(pos, b, 4);
    return quint32(b[3]) << 24 | quint32(b[2]) << 16 | quint32(b[1]) << 8 | b[0];
}

QByteArray readWholeStream(FILE* file, qint64 limit)
{
    if (!file)
        return QByteArray();
    FileWindow window(file);
    if (window.size() <= 0 || window.size() > std::min<qint64>(limit, std::numeric_limits<int>::max()))
        return QByteArray();
    const quint64 shortReads = shortReadCount();
    QByteArray bytes(int(window.size()), '\0');
    window.read(0, bytes.data(), std::size_t(bytes.size()));
    return shortReadCount() == shortReads ? bytes : QByteArray();
}
