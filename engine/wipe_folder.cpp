#include "wipe_folder.h"

#include "temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return path;
}

} // namespace

FolderWiper::FolderWiper(const QStringList& keptFiles)
{
    for (const QString& file : keptFiles) {
        const QString canonical = QFileInfo(file).canonicalFilePath();
        if (!canonical.isEmpty())
            m_kept.insert(canonical);
    }
}

bool FolderWiper::WipeFolder(const QString& name)
{
    if (name.isEmpty())
        return true;
    return WipeFolderTree(platform::tempFolder() + "/" + name + "/");
}

bool FolderWiper::WipeFolderTree(const QString& path)
{
    const QFileInfo info(withoutTrailingSlash(path));
    // A link is removed as it is: following it could wipe files outside the
    // folder tree.
    if (info.isSymLink()) {
        QFile::remove(info.filePath());
        return true;
    }
    if (!info.isDir())
        return WipeFile(path);
    const QFileInfoList entries = QDir(path).entryInfoList(
        QDir::Dirs | QDir::Files | QDir::Drives, QDir::NoSort);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        WipeFolderTree(path.endsWith('/') ? path + name : path + "/" + name);
    }
    return true;
}

bool FolderWiper::WipeFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        QFile::remove(path);
        return true;
    }
    if (!m_kept.isEmpty() && m_kept.contains(info.canonicalFilePath()))
        return true;
    QFile file(path);
    if (file.exists() && file.open(QIODevice::ReadWrite)) {
        file.resize(0);
        file.close();
    }
    if (file.exists())
        QFile::remove(path);
    return true;
}
