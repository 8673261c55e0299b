#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// Empties a folder tree under the temporary folder: every file is cut to
// zero bytes and then deleted; the folders themselves stay. Built on the
// caller's stack for one call; every operation returns true.
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
    // Cuts a file to zero bytes, then deletes it.
    bool WipeFile(const QString& path);

private:
    QSet<QString> m_kept; // canonical paths
};
