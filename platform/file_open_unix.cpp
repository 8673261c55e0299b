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

// Creates the file through its folder opened without following a link at
// the folder's own name, so a link swapped in for the folder is never the way
// in. The file's name itself is no link either: O_EXCL refuses one.
int createInFolder(const QByteArray& path, int flags)
{
    const int slash = path.lastIndexOf('/');
    QByteArray folder = slash > 0 ? path.left(slash) : QByteArray(slash == 0 ? "/" : ".");
    // "folder/" would make the kernel follow a link at the folder's name.
    while (folder.size() > 1 && folder.endsWith('/'))
        folder.chop(1);
    const int at = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (at < 0)
        return -1;
    const int fd = ::openat(at, path.mid(slash + 1).constData(), flags | O_NOFOLLOW, 0666);
    ::close(at);
    return fd;
}

} // namespace

FILE* openFile(const QString& path, const char* mode)
{
    const int flags = path.isEmpty() || !mode ? -1 : openFlags(mode);
    if (flags < 0)
        return nullptr;
    // Non-blocking, so that opening a pipe never waits for its other end;
    // the type is then checked on what was actually opened.
    const QByteArray bytes = QFile::encodeName(path);
    const int fd = (flags & O_EXCL) ? createInFolder(bytes, flags) : ::open(bytes.constData(), flags, 0666);
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
