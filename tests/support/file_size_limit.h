#pragma once

#include <csignal>
#include <sys/resource.h>

// Lets the files of this process grow to `bytes` at most while the object
// lives, the way a full disk stops a write part-way: a write beyond the limit
// fails instead of ending the process. Header only, so that the fuzz targets
// can use it too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes < m_saved.rlim_max ? bytes : m_saved.rlim_max;
        m_applied = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool applied() const { return m_applied; }

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
    bool m_applied = false;
};
