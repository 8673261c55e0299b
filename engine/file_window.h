#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <cstddef>
#include <cstdio>
#include <vector>

// Number of reads on this thread that delivered fewer bytes than the file
// held when they were asked for (the file shrank while it was read) or that
// failed. A caller takes the count before its work on one input and compares
// it afterwards: any change means bytes of the input were never read, and
// what was built from them must not be delivered.
quint64 shortReadCount();
// Counts one such read.
void countShortRead();

struct BytePair;

// All bytes of an open stream (a written one flushed), read through that
// stream itself, so a written file is judged by what its own stream holds,
// whatever its name leads to now; `limit` bounds the size. Empty when the stream is larger,
// empty or cannot be read whole.
QByteArray readWholeStream(FILE* file, qint64 limit);

// Answers "bytes at position p" for an open stream from a window that is
// refilled on demand, so a forward scan reads the file sequentially once.
// Bytes before 0 or past the end of the file read as 0.
class FileWindow {
public:
    static constexpr std::size_t kDefaultWindow = 64 * 1024;

    explicit FileWindow(FILE* file, std::size_t windowSize = kDefaultWindow);

    FileWindow(const FileWindow&) = delete;
    FileWindow& operator=(const FileWindow&) = delete;

    qint64 size() const { return m_size; }

    void read(qint64 pos, void* dst, std::size_t length);
    quint8 byteAt(qint64 pos);
    quint16 be16(qint64 pos);
    quint32 be32(qint64 pos);
    quint16 le16(qint64 pos);
    quint32 le32(qint64 pos);

    // Position of the first byte equal to value in [from, end) among the
    // file's own bytes, or end when there is none. Lets a scan jump over
    // bytes it would only step past one by one.
    qint64 find(quint8 value, qint64 from, qint64 end);

    // Position of the first p in [from, end) among the file's own bytes at
    // which the bytes at p and p + 1 form one of the `count` pairs (the byte
    // after the last reads as 0), or end when there is none. However often
    // the pairs' first byte occurs, the search runs at memory speed.
    qint64 findPair(const BytePair* pairs, int count, qint64 from, qint64 end);

    // Drops the window, e.g. after the stream was written through.
    void invalidate();

private:
    bool holds(qint64 pos) const;
    void fill(qint64 start);
    void readDirect(qint64 pos, quint8* dst, std::size_t length);

    FILE* m_file;
    qint64 m_size = 0;
    std::vector<quint8> m_window;
    qint64 m_windowStart = -1;
    std::size_t m_windowFilled = 0;
};
