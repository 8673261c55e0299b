#include "jpg_repair.h"

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
    std::fread(buffer, 1, length, file);
    return 1;
}
