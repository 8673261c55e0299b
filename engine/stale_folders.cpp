#include "stale_folders.h"

#include "temp_folder.h"
#include "wipe_folder.h"

namespace {

// Removes the empty folders below an open folder.
void removeEmptyFolders(const platform::FolderHandle& folder)
{
    for (const QString& name : folder.entries()) {
        if (folder.kindOf(name) != platform::FolderHandle::Kind::Folder)
            continue;
        removeEmptyFolders(folder.child(name));
        folder.removeFolder(name);
    }
}

} // namespace

void removeFolderTree(const platform::FolderHandle& parent, const QString& name)
{
    const platform::FolderHandle folder = parent.child(name);
    if (!folder.isOpen())
        return;
    FolderWiper().wipeContents(folder);
    removeEmptyFolders(folder);
    parent.removeFolder(name);
}

void removeStaleFolders(const QString& prefix)
{
    const QString root = platform::tempFolder();
    if (root.isEmpty())
        return;
    const platform::FolderHandle parent = platform::FolderHandle::open(root);
    const QString start = prefix + QLatin1Char('-');
    // The hidden name is the one a folder has while it is being made.
    const QString hiddenStart = QLatin1Char('.') + start;
    for (const QString& name : parent.entries()) {
        if (!name.startsWith(start) && !name.startsWith(hiddenStart))
            continue;
        const platform::FolderHandle folder = parent.child(name);
        // A free lock: the process that made the folder is gone.
        if (folder.isPrivate() && folder.tryLock())
            removeFolderTree(parent, name);
    }
}
