#pragma once

#include <QtGlobal>

#include <cstdio>
#include <memory>

class FileWindow;

// Size of the copy buffer: copies move the remainder (length mod this size)
// first, then whole blocks.
constexpr qint64 kCopyBlock = 1024;

// Appends length bytes of the source, from position from on, at the output's
// current position. Bytes past the source's end are not invented: the copy
// stops at its end. Returns the number of bytes written.
qint64 copyBlocks(FileWindow& source, qint64 from, FILE* out, qint64 length);

// Writes bytes at the output's current position.
void writeBytes(FILE* out, const void* bytes, std::size_t length);

// A buffer for an output stream, larger than the runtime's own: a copy of
// a photo reaches the file system in a few large writes instead of
// thousands of page-sized ones. It is attached right after the stream is
// opened and must outlive the stream's close.
class StreamBuffer {
public:
    void attach(FILE* out);

private:
    std::unique_ptr<char[]> m_bytes;
};

// Closes an output that was written through the stream functions above; true
// only when every write and the close succeeded (a full disk, a file-size
// limit or a lost device shows in one of them).
bool closeWritten(FILE* out);
