#include "private_folder.h"

#include <QFile>

#include <cstdlib>
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

bool isPrivateFolder(const QString& path)
{
    struct stat info {};
    if (path.isEmpty() || lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

} // namespace platform
