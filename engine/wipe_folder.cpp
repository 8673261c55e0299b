#include "wipe_folder.h"

#include "temp_folder.h"

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
        platform::FileIdentity identity;
        if (platform::identityOf(file, &identity))
            m_kept.append(identity);
    }
}

bool FolderWiper::WipeFolder(const QString& name)
{
    if (name.isEmpty())
        return true;
    const QString root = platform::tempFolder();
    if (root.isEmpty())
        return true;
    // Down from the temporary folder one part at a time, so no part of the
    // name can lead through a link.
    const QStringList parts = withoutTrailingSlash(name).split('/', Qt::SkipEmptyParts);
    platform::FolderHandle folder = platform::FolderHandle::open(root);
    for (int i = 0; i + 1 < parts.size() && folder.isOpen(); ++i)
        folder = folder.child(parts.at(i));
    if (folder.isOpen() && !parts.isEmpty())
        wipeEntry(folder, parts.last(), true);
    return true;
}

bool FolderWiper::WipeFolderTree(const QString& path)
{
    const QFileInfo info(withoutTrailingSlash(path));
    wipeEntry(platform::FolderHandle::open(info.path()), info.fileName(), true);
    return true;
}

bool FolderWiper::WipeFile(const QString& path)
{
    const QFileInfo info(withoutTrailingSlash(path));
    wipeEntry(platform::FolderHandle::open(info.path()), info.fileName(), false);
    return true;
}

void FolderWiper::wipeContents(const platform::FolderHandle& folder)
{
    for (const QString& name : folder.entries())
        wipeEntry(folder, name, true);
}

void FolderWiper::wipeEntry(const platform::FolderHandle& folder, const QString& name, bool descend)
{
    using Kind = platform::FolderHandle::Kind;
    if (!folder.isOpen() || name.isEmpty())
        return;
    switch (folder.kindOf(name)) {
    case Kind::Missing:
        return;
    case Kind::Folder:
        // A folder swapped for a link after the look-up does not open.
        if (descend)
            wipeContents(folder.child(name));
        return;
    case Kind::Link:
        folder.removeEntry(name);
        return;
    case Kind::File:
        if (isKept(folder, name))
            return;
        // A file that could not be opened for writing is still a work file.
        if (!folder.removeFile(name))
            folder.removeEntry(name);
        return;
    case Kind::Other:
        if (!isKept(folder, name))
            folder.removeEntry(name);
        return;
    }
}

bool FolderWiper::isKept(const platform::FolderHandle& folder, const QString& name) const
{
    platform::FileIdentity identity;
    return !m_kept.isEmpty() && folder.identityOfEntry(name, &identity) && m_kept.contains(identity);
}
