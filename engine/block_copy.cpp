#include "block_copy.h"

#include "file_window.h"

#include <algorithm>

qint64 copyBlocks(FileWindow& source, qint64 from, FILE* out, qint64 length)
{
    if (from < 0 || length <= 0)
        return 0;
    length = std::min(length, source.size() - from);
    quint8 block[kCopyBlock];
    qint64 done = 0;
    qint64 chunk = length % kCopyBlock;
    if (chunk == 0)
        chunk = kCopyBlock;
    while (done < length) {
        source.read(from + done, block, std::size_t(chunk));
        writeBytes(out, block, std::size_t(chunk));
        done += chunk;
        chunk = kCopyBlock;
    }
    return std::max<qint64>(length, 0);
}

void writeBytes(FILE* out, const void* bytes, std::size_t length)
{
    if (out && length > 0)
        std::fwrite(bytes, 1, length, out);
}

void StreamBuffer::attach(FILE* out)
{
    constexpr std::size_t kBytes = 256 * 1024;
    if (!out)
        return;
    if (!m_bytes)
        m_bytes.reset(new char[kBytes]);
    std::setvbuf(out, m_bytes.get(), _IOFBF, kBytes);
}

bool closeWritten(FILE* out)
{
    if (!out)
        return false;
    // The stream's error flag stays set from the first failed write on.
    const bool written = !std::ferror(out);
    return std::fclose(out) == 0 && written;
}
