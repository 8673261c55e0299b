#include "folder_handle.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QByteArray nameBytes(const QString& name)
{
    return QFile::encodeName(name);
}

// A single entry name: no folder separators, not "." or "..".
bool isPlainName(const QByteArray& name)
{
    return !name.isEmpty() && !name.contains('/') && name != "." && name != "..";
}

} // namespace

bool identityOf(const QString& path, FileIdentity* identity)
{
    struct stat info {};
    if (path.isEmpty() || ::stat(nameBytes(path).constData(), &info) != 0)
        return false;
    identity->device = quint64(info.st_dev);
    identity->number = quint64(info.st_ino);
    return true;
}

FolderHandle::~FolderHandle()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

FolderHandle::FolderHandle(FolderHandle&& other) noexcept : m_fd(other.m_fd)
{
    other.m_fd = -1;
}

FolderHandle& FolderHandle::operator=(FolderHandle&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.m_fd;
        other.m_fd = -1;
    }
    return *this;
}

FolderHandle FolderHandle::open(const QString& path)
{
    if (path.isEmpty())
        return FolderHandle();
    QByteArray bytes = nameBytes(path);
    // "folder/" would make the kernel follow a link in the last part.
    while (bytes.size() > 1 && bytes.endsWith('/'))
        bytes.chop(1);
    return FolderHandle(::open(bytes.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

FolderHandle FolderHandle::child(const QString& name) const
{
    const QByteArray bytes = nameBytes(name);
    if (m_fd < 0 || !isPlainName(bytes))
        return FolderHandle();
    return FolderHandle(::openat(m_fd, bytes.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

QStringList FolderHandle::entries() const
{
    QStringList names;
    if (m_fd < 0)
        return names;
    // The listing gets a descriptor of its own, so this one keeps its place.
    const int listing = ::openat(m_fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0)
        return names;
    DIR* dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] != '.')
            names << QFile::decodeName(entry->d_name);
    }
    ::closedir(dir);
    return names;
}

FolderHandle::Kind FolderHandle::kindOf(const QString& name) const
{
    const QByteArray bytes = nameBytes(name);
    struct stat info {};
    if (m_fd < 0 || !isPlainName(bytes) || ::fstatat(m_fd, bytes.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return Kind::Missing;
    if (S_ISLNK(info.st_mode))
        return Kind::Link;
    if (S_ISDIR(info.st_mode))
        return Kind::Folder;
    return S_ISREG(info.st_mode) ? Kind::File : Kind::Other;
}

bool FolderHandle::identityOfEntry(const QString& name, FileIdentity* identity) const
{
    const QByteArray bytes = nameBytes(name);
    struct stat info {};
    if (m_fd < 0 || !isPlainName(bytes) || ::fstatat(m_fd, bytes.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    identity->device = quint64(info.st_dev);
    identity->number = quint64(info.st_ino);
    return true;
}

bool FolderHandle::isPrivate() const
{
    struct stat info {};
    return m_fd >= 0 && ::fstat(m_fd, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()
        && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

bool FolderHandle::cutFile(const QString& name) const
{
    const QByteArray bytes = nameBytes(name);
    if (m_fd < 0 || !isPlainName(bytes))
        return false;
    // Non-blocking and without following a link: a pipe never waits for a
    // reader, and a link swapped in for the file opens nothing.
    const int fd = ::openat(m_fd, bytes.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    const bool cut = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::ftruncate(fd, 0) == 0;
    ::close(fd);
    return cut;
}

bool FolderHandle::removeEntry(const QString& name) const
{
    const QByteArray bytes = nameBytes(name);
    return m_fd >= 0 && isPlainName(bytes) && ::unlinkat(m_fd, bytes.constData(), 0) == 0;
}

bool FolderHandle::removeFolder(const QString& name) const
{
    const QByteArray bytes = nameBytes(name);
    return m_fd >= 0 && isPlainName(bytes) && ::unlinkat(m_fd, bytes.constData(), AT_REMOVEDIR) == 0;
}

bool FolderHandle::tryLock() const
{
    return m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) == 0;
}

} // namespace platform
