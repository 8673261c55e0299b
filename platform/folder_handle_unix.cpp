#include "folder_handle.h"

#include "private_folder.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool privateFolderStat(const struct stat& info)
{
    return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

} // namespace

FolderHandle::~FolderHandle()
{
    release();
}

bool FolderHandle::create(const QString& parent, const QString& prefix)
{
    release();
    const QString path = createPrivateFolder(parent, prefix);
    if (path.isEmpty())
        return false;
    // Opened at once and checked on what was opened: a folder put in its
    // place meanwhile is not ours, or not private, and is refused.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !privateFolderStat(info)) {
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    m_fd = fd;
    m_path = path;
    return true;
}

bool FolderHandle::isOpen() const
{
    return m_fd >= 0;
}

bool FolderHandle::isPrivate() const
{
    struct stat info {};
    return m_fd >= 0 && ::fstat(m_fd, &info) == 0 && privateFolderStat(info);
}

QString FolderHandle::path() const
{
    return m_path;
}

int FolderHandle::descriptor() const
{
    return m_fd;
}

int FolderHandle::createFile(const QString& name, bool executable) const
{
    if (m_fd < 0 || name.isEmpty())
        return -1;
    const mode_t mode = executable ? S_IRWXU : (S_IRUSR | S_IWUSR);
    const int fd = ::openat(m_fd, QFile::encodeName(name).constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    // The mode passed to openat is narrowed by the umask; the owner's bits
    // are what the file needs, whatever the umask says.
    if (fd >= 0 && ::fchmod(fd, mode) != 0) {
        ::close(fd);
        removeFile(name);
        return -1;
    }
    return fd;
}

int FolderHandle::openFile(const QString& name) const
{
    if (m_fd < 0 || name.isEmpty())
        return -1;
    const int fd = ::openat(m_fd, QFile::encodeName(name).constData(),
                            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
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

qint64 FolderHandle::fileSize(const QString& name) const
{
    struct stat info {};
    if (m_fd < 0 || ::fstatat(m_fd, QFile::encodeName(name).constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return -1;
    return info.st_size;
}

bool FolderHandle::removeFile(const QString& name) const
{
    return m_fd >= 0 && !name.isEmpty() && ::unlinkat(m_fd, QFile::encodeName(name).constData(), 0) == 0;
}

void FolderHandle::removeAll()
{
    if (m_fd < 0)
        return;
    const int listing = ::dup(m_fd);
    if (DIR* dir = listing >= 0 ? ::fdopendir(listing) : nullptr) {
        while (const dirent* entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name == "." || name == "..")
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
    const QByteArray path = QFile::encodeName(m_path);
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
