#include "temp_folder.h"

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

QString tempFolder()
{
    return QDir::tempPath();
}

QString makePrivateFolder(const QString& parent, const QString& prefix)
{
    // mkdtemp creates the folder with mode 0700 and fails rather than
    // reuse anything that is already there.
    QByteArray pattern = QFile::encodeName(parent + QLatin1Char('/') + prefix) + "XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return QString();
    return QFile::decodeName(pattern);
}

bool isPrivateFolder(const QString& path)
{
    struct stat info;
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &info) == 0
        && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

} // namespace platform
