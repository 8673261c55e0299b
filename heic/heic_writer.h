#pragma once

#include <QtGlobal>

#include <cstddef>
#include <cstdio>

class FileWindow;

// Size of the mdat box header (32-bit size and type) that a rebuilt file's
// media data follows.
constexpr quint8 kMdatHeaderSize = 8;

// Appends to an output stream, counting the bytes written and remembering
// whether every write succeeded.
class HeicWriter {
public:
    explicit HeicWriter(FILE* out) : m_out(out) {}

    void bytes(const void* data, std::size_t length);
    void be16(quint16 value);
    void be32(quint32 value);
    // Copies length bytes of a file from start; bytes past its end are written
    // as zeros, so a damaged length never reaches beyond what was read. A
    // read that delivers less than the file held fails the writer.
    void copyRange(FileWindow& file, quint64 start, quint64 length);

    // Sets the size field of the mdat box whose data runs from dataStart to
    // dataEnd, the end of the stream; false (and the input marked as failed)
    // when that fails or the box would not fit its 32-bit size.
    static bool completeMdat(FILE* out, quint64 dataStart, quint64 dataEnd);

    // Writes out what the stream still buffers; false (and the input marked
    // as failed) when that fails.
    static bool flush(FILE* out);

    quint32 written() const { return quint32(m_written); }
    bool ok() const { return m_ok; }

private:
    FILE* m_out;
    quint64 m_written = 0;
    bool m_ok = true;
};
