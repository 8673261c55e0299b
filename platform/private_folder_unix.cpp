#include "private_folder.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

QString createPrivateFolder(const QString& parent, const QString& prefix)
{
    // mkdtemp makes the folder with owner-only permissions and fails rather
    // than reuse anything that already has the name.
    QByteArray pattern = QFile::encodeName(parent + QLatin1Char('/') + prefix + QLatin1String("-XXXXXX"));
    if (!mkdtemp(pattern.data()))
        return QString();
    return QFile::decodeName(pattern);
}

QString createLockedPrivateFolder(const QString& parent, const QString& prefix, FolderHandle* held)
{
    // Made and locked under a hidden name, then renamed: the lock is on the
    // folder itself and moves with it.
    const QString hidden = createPrivateFolder(parent, QLatin1Char('.') + prefix);
    if (hidden.isEmpty())
        return QString();
    FolderHandle folder = FolderHandle::open(hidden);
    const QString ending = hidden.mid(hidden.lastIndexOf(QLatin1Char('-')));
    const QString path = parent + QLatin1Char('/') + prefix + ending;
    if (!folder.tryLock()
        || ::renameat2(AT_FDCWD, QFile::encodeName(hidden).constData(), AT_FDCWD,
                       QFile::encodeName(path).constData(), RENAME_NOREPLACE) != 0) {
        ::rmdir(QFile::encodeName(hidden).constData());
        return QString();
    }
    *held = std::move(folder);
    return path;
}

bool isPrivateFolder(const QString& path)
{
    struct stat info {};
    if (path.isEmpty() || lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

} // namespace platform
