#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

// The scratch folder of this process, where images are rewritten and checked
// before they are copied into the work folder: a folder "Velmora-" + a unique
// ending that the engine creates itself in the program's temporary folder
// (platform::tempFolder), private to this user. It is made on first use and made anew when it has gone or is
// no longer the private folder it was; empty when it cannot be made.
QString makeScratchFolder();

// Removes the scratch folders that earlier runs of this user left behind in
// the program's temporary folder (a run that was killed): those whose
// process is gone, with everything in them. Folders of running processes
// stay.
void removeStaleScratchFolders();

// The scratch folder made last; empty when none was made.
QString scratchFolder();

// The scratch files of one save. Each is created new in the scratch folder,
// and only these files are removed again.
class ScratchFiles {
public:
    ScratchFiles() = default;
    ScratchFiles(const ScratchFiles&) = delete;
    ScratchFiles& operator=(const ScratchFiles&) = delete;
    ~ScratchFiles() { removeAll(); }

    // Creates the scratch file name ("/" + file name) for writing and sets
    // *path to it; null (and *path empty) when it cannot be created. A file
    // of the same name that this object made before is replaced.
    FILE* create(const QString& name, QString* path);
    // Wipes every file this object created (FolderWiper::WipeFile).
    void removeAll();

private:
    QStringList m_paths;
};
