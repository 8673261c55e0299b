#include "jpg_repair.h"

#include "file_window.h"
#include "global_state.h"

#include <algorithm>
#include <cstring>

// The full 64-bit end position: a 32-bit one turns sizes of 2 GiB and more
// negative, and callers refuse such inputs by comparing with their limit.
qint64 jpg_repair::FileSize(FILE* file)
{
    if (!file)
        return 0;
    fseeko(file, 0, SEEK_END);
    const qint64 size = ftello(file);
    fseeko(file, 0, SEEK_SET);
    return size < 0 ? 0 : size;
}

int jpg_repair::ReadAt(FILE* file, quint64 offset, void* buffer, quint32 length)
{
    std::memset(buffer, 0, length);
    if (!file || offset > quint64(INT64_MAX) || fseeko(file, off_t(offset), SEEK_SET) != 0)
        return 1;
    // Byte-sized elements keep the bytes of a read cut short by the end of the file.
    const std::size_t got = std::fread(buffer, 1, length, file);
    // Bytes the input held when it was measured must arrive.
    if (file == g_state.inputFile && qint64(offset) < g_state.inputFileSize
        && qint64(got) < std::min<qint64>(length, g_state.inputFileSize - qint64(offset)))
        countShortRead();
    return 1;
}
