#include "folder_handle.h"

#include "private_folder.h"

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

bool isPrivateFolder(const struct stat& info)
{
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

int openFolderAt(int at, const QByteArray& path)
{
    return ::openat(at, path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
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
    release();
}

FolderHandle::FolderHandle(FolderHandle&& other) noexcept : m_fd(other.m_fd), m_path(std::move(other.m_path))
{
    other.m_fd = -1;
    other.m_path.clear();
}

FolderHandle& FolderHandle::operator=(FolderHandle&& other) noexcept
{
    if (this != &other) {
        release();
        m_fd = other.m_fd;
        m_path = std::move(other.m_path);
        other.m_fd = -1;
        other.m_path.clear();
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
    return FolderHandle(openFolderAt(AT_FDCWD, bytes), QFile::decodeName(bytes));
}

FolderHandle FolderHandle::child(const QString& name) const
{
    const QByteArray bytes = nameBytes(name);
    if (m_fd < 0 || !isPlainName(bytes))
        return FolderHandle();
    return FolderHandle(openFolderAt(m_fd, bytes), m_path + QLatin1Char('/') + name);
}

FolderHandle FolderHandle::makeChild(const QString& name) const
{
    const QByteArray bytes = nameBytes(name);
    if (m_fd < 0 || !isPlainName(bytes))
        return FolderHandle();
    // mkdirat never follows a link at the name; the open that follows
    // refuses one swapped in meanwhile.
    ::mkdirat(m_fd, bytes.constData(), S_IRWXU);
    return child(name);
}

bool FolderHandle::create(const QString& parent, const QString& prefix)
{
    release();
    const QString path = createPrivateFolder(parent, prefix);
    if (path.isEmpty())
        return false;
    // Checked on what was opened: a folder put in its place meanwhile is not
    // ours, or not private, and is refused.
    *this = open(path);
    if (!isPrivate()) {
        release();
        return false;
    }
    return true;
}

bool FolderHandle::createLocked(const QString& parent, const QString& prefix)
{
    release();
    FolderHandle held;
    const QString path = createLockedPrivateFolder(parent, prefix, &held);
    if (path.isEmpty() || !held.isPrivate())
        return false;
    // The handle was opened under the folder's first, hidden name.
    m_fd = held.m_fd;
    m_path = path;
    held.m_fd = -1;
    return true;
}

bool FolderHandle::isPrivate() const
{
    struct stat info {};
    return m_fd >= 0 && ::fstat(m_fd, &info) == 0 && isPrivateFolder(info);
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
        const QByteArray name(entry->d_name);
        if (isPlainName(name))
            names << QFile::decodeName(name);
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

qint64 FolderHandle::fileSize(const QString& name) const
{
    const QByteArray bytes = nameBytes(name);
    struct stat info {};
    if (m_fd < 0 || !isPlainName(bytes) || ::fstatat(m_fd, bytes.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return -1;
    return info.st_size;
}

int FolderHandle::createFile(const QString& name, bool executable) const
{
    const QByteArray bytes = nameBytes(name);
    if (m_fd < 0 || !isPlainName(bytes))
        return -1;
    const mode_t mode = executable ? S_IRWXU : (S_IRUSR | S_IWUSR);
    const int fd = ::openat(m_fd, bytes.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    // The mode passed to openat is narrowed by the umask; the owner's bits
    // are what the file needs, whatever the umask says.
    if (fd >= 0 && ::fchmod(fd, mode) != 0) {
        ::close(fd);
        removeEntry(name);
        return -1;
    }
    return fd;
}

int FolderHandle::openFile(const QString& name) const
{
    const QByteArray bytes = nameBytes(name);
    if (m_fd < 0 || !isPlainName(bytes))
        return -1;
    const int fd = ::openat(m_fd, bytes.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)
                    || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool FolderHandle::openFile(const QString& name, QFile& file) const
{
    const int fd = openFile(name);
    if (fd < 0)
        return false;
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
}

bool FolderHandle::removeFile(const QString& name) const
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
    bool removed = false;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        // The name goes first; only then does the link count tell whether
        // another name still holds the file: a file without a name cannot
        // be given one by a path, so a file named anywhere is never cut.
        removed = ::unlinkat(m_fd, bytes.constData(), 0) == 0;
        if (removed && ::fstat(fd, &info) == 0 && info.st_nlink == 0)
            (void)::ftruncate(fd, 0);
    }
    ::close(fd);
    return removed;
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

void FolderHandle::removeAll()
{
    if (m_fd < 0)
        return;
    const int listing = ::openat(m_fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (DIR* dir = listing >= 0 ? ::fdopendir(listing) : nullptr) {
        while (const dirent* entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (!isPlainName(name))
                continue;
            // Files and links go; a folder goes only when it is empty.
            if (::unlinkat(m_fd, name.constData(), 0) != 0)
                ::unlinkat(m_fd, name.constData(), AT_REMOVEDIR);
        }
        ::closedir(dir);
    } else if (listing >= 0) {
        ::close(listing);
    }
    // The folder itself goes only while its path still leads to it.
    struct stat opened {}, named {};
    const QByteArray path = nameBytes(m_path);
    if (::fstat(m_fd, &opened) == 0 && ::lstat(path.constData(), &named) == 0 && opened.st_dev == named.st_dev
        && opened.st_ino == named.st_ino)
        ::rmdir(path.constData());
    release();
}

void FolderHandle::release()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}

} // namespace platform
