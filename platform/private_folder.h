#pragma once

#include "folder_handle.h"

#include <QString>

namespace platform {

// Creates a new, empty folder below parent, named prefix + "-" + a unique
// ending, that only the current user can enter. Because its name is new,
// nothing placed there beforehand (a link, another user's folder) can stand
// in for it. Empty when no folder could be made.
QString createPrivateFolder(const QString& parent, const QString& prefix);

// createPrivateFolder, with the new folder locked (FolderHandle::tryLock)
// through *held before it appears under its name: a folder of that name
// whose lock is free belongs to no running process.
QString createLockedPrivateFolder(const QString& parent, const QString& prefix, FolderHandle* held);

// True when path is a folder itself (not a link to one) that belongs to the
// current user and that nobody else may enter.
bool isPrivateFolder(const QString& path);

} // namespace platform
