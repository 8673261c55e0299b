#pragma once

#include <QString>

#include <atomic>
#include <thread>

// Cuts a file to a given size at an exact point of whatever reads it: every
// open and every read of the file waits in the kernel (fanotify permission
// events) until a watcher thread has counted it, and the watcher cuts the
// file just before the chosen open or read goes ahead. The program under
// test is unchanged, and nothing depends on how fast either side runs.
// Needs the right to watch files (root in CI).
class CutAtAccess {
public:
    enum Access { Open, Read };

    // The file is cut to `size` bytes before its `ordinal`-th access of that
    // kind (counting from 1); an ordinal of 0 never cuts.
    CutAtAccess(const QString& path, Access access, int ordinal, qint64 size);
    ~CutAtAccess();

    CutAtAccess(const CutAtAccess&) = delete;
    CutAtAccess& operator=(const CutAtAccess&) = delete;

    // Starts watching; an empty text, or why the file cannot be watched.
    QString start();
    // Stops watching and lets any waiting access go ahead; counts are final.
    void stop();

    bool cutMade() const { return m_cutMade; }
    int opens() const { return m_opens; }
    int reads() const { return m_reads; }

private:
    void watch();
    void count(std::atomic<int>& counter, Access access);

    QString m_path;
    Access m_access;
    int m_ordinal;
    qint64 m_size;
    int m_target = -1;   // the file, open for the cut
    int m_watch = -1;    // the fanotify group
    int m_wake[2] = {-1, -1};
    std::thread m_thread;
    std::atomic<int> m_opens{0};
    std::atomic<int> m_reads{0};
    std::atomic<bool> m_cutMade{false};
};
