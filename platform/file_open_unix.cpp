#include "file_open.h"

#include <QFile>

#include <algorithm>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// open(2) flags of a C runtime mode.
int openFlags(const char* mode)
{
    const bool update = std::strchr(mode, '+') != nullptr;
    int flags = O_CLOEXEC | O_NONBLOCK;
    switch (mode[0]) {
    case 'r':
        flags |= update ? O_RDWR : O_RDONLY;
        break;
    case 'w':
        flags |= (update ? O_RDWR : O_WRONLY) | O_CREAT | O_TRUNC;
        break;
    case 'a':
        flags |= (update ? O_RDWR : O_WRONLY) | O_CREAT | O_APPEND;
        break;
    default:
        return -1;
    }
    if (std::strchr(mode, 'x'))
        flags |= O_EXCL;
    return flags;
}

} // namespace

FILE* openFile(const QString& path, const char* mode)
{
    const int flags = path.isEmpty() || !mode ? -1 : openFlags(mode);
    if (flags < 0)
        return nullptr;
    // Non-blocking, so that opening a pipe never waits for its other end;
    // the type is then checked on what was actually opened.
    const int fd = ::open(QFile::encodeName(path).constData(), flags, 0666);
    if (fd < 0)
        return nullptr;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)
        || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return nullptr;
    }
    std::string streamMode(mode);
    streamMode.erase(std::remove(streamMode.begin(), streamMode.end(), 'x'), streamMode.end());
    FILE* file = ::fdopen(fd, streamMode.c_str());
    if (!file)
        ::close(fd);
    return file;
}

bool fileNameFits(const QString& name)
{
    return QFile::encodeName(name).size() <= NAME_MAX;
}

} // namespace platform
