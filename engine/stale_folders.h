#pragma once

#include "folder_handle.h"

#include <QString>

// Removes the folder `name` of an open folder with everything below it,
// hidden entries included; files are wiped as FolderWiper wipes them, and a
// link met on the way is removed as it is, its target untouched.
void removeFolderTree(const platform::FolderHandle& parent, const QString& name);

// Removes, with everything in them, the private folders of the program's
// temporary folder named prefix + "-" + an ending (or that name with a "."
// in front, as createLockedPrivateFolder names a folder it is still making)
// whose lock (FolderHandle::tryLock) no process holds: the folders of runs
// that were killed. The folders of running processes stay.
void removeStaleFolders(const QString& prefix);
