#pragma once

#include "folder_handle.h"

#include <QString>
#include <QStringList>
#include <QVector>

// Empties a folder tree under the temporary folder, hidden entries included:
// every file is deleted and, when that was its last name, cut to zero bytes
// (a file the user keeps under another name keeps its bytes); the folders
// themselves stay. The tree is walked through open folders, entry by entry,
// never following a link: a link met on the way (or swapped in while the
// wipe runs) is removed as it is, and nothing outside the tree is opened. Built on the caller's stack
// for one call; every operation returns true.
class FolderWiper {
public:
    FolderWiper() = default;
    // A wiper that leaves these files alone wherever it meets them: photos
    // the user added from inside the folder are theirs, not work files.
    explicit FolderWiper(const QStringList& keptFiles);

    // Wipes the folder of this name (or relative path) under the temporary
    // folder; an empty name does nothing.
    bool WipeFolder(const QString& name);
    // Wipes a folder tree, or a single file when path is not a folder.
    bool WipeFolderTree(const QString& path);
    // Deletes a file, cut to zero bytes when no other name holds it.
    bool WipeFile(const QString& path);

    // Wipes everything below an open folder.
    void wipeContents(const platform::FolderHandle& folder);

private:
    // Wipes the entry `name` of an open folder: a folder's tree, a file, or
    // a link removed as it is.
    void wipeEntry(const platform::FolderHandle& folder, const QString& name, bool descend);
    bool isKept(const platform::FolderHandle& folder, const QString& name) const;

    QVector<platform::FileIdentity> m_kept;
};
