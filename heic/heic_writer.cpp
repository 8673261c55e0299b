#include "heic_writer.h"

#include "file_window.h"
#include "global_state.h"

#include <algorithm>
#include <vector>

namespace {

constexpr quint64 kCopyChunk = 1024 * 1024;

} // namespace

void HeicWriter::bytes(const void* data, std::size_t length)
{
    if (!m_ok || length == 0)
        return;
    if (!m_out) {
        m_ok = false;
        return;
    }
    if (std::fwrite(data, 1, length, m_out) != length) {
        m_ok = false;
        g_state.fileFailed = 1;
        return;
    }
    m_written += length;
}

void HeicWriter::be16(quint16 value)
{
    const quint8 b[2] = {quint8(value >> 8), quint8(value)};
    bytes(b, sizeof b);
}

void HeicWriter::be32(quint32 value)
{
    const quint8 b[4] = {quint8(value >> 24), quint8(value >> 16), quint8(value >> 8), quint8(value)};
    bytes(b, sizeof b);
}

void HeicWriter::copyRange(FileWindow& file, quint64 start, quint64 length)
{
    std::vector<quint8> chunk(std::size_t(std::min(length, kCopyChunk)));
    for (quint64 done = 0; done < length && m_ok; done += chunk.size()) {
        const std::size_t part = std::size_t(std::min<quint64>(chunk.size(), length - done));
        const quint64 shortReadsBefore = shortReadCount();
        file.read(qint64(start + done), chunk.data(), part);
        // Bytes the file held but that did not arrive are never written.
        if (shortReadCount() != shortReadsBefore) {
            m_ok = false;
            g_state.fileFailed = 1;
            return;
        }
        bytes(chunk.data(), part);
    }
}

bool HeicWriter::completeMdat(FILE* out, quint64 dataStart, quint64 dataEnd)
{
    const quint64 boxSize = dataEnd - dataStart + kMdatHeaderSize;
    if (!out || dataStart < kMdatHeaderSize || dataEnd < dataStart || boxSize > 0xFFFFFFFFu)
        return false;
    HeicWriter writer(out);
    if (std::fseek(out, long(dataStart - kMdatHeaderSize), SEEK_SET) != 0) {
        g_state.fileFailed = 1;
        return false;
    }
    writer.be32(quint32(boxSize));
    return writer.ok() && std::fseek(out, 0, SEEK_END) == 0;
}

bool HeicWriter::flush(FILE* out)
{
    if (!out)
        return false;
    if (std::fflush(out) == 0)
        return true;
    g_state.fileFailed = 1;
    return false;
}
