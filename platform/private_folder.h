#pragma once

#include <QString>

namespace platform {

// Creates a new, empty folder below parent, named prefix + "-" + a unique
// ending, that only the current user can enter. Because its name is new,
// nothing placed there beforehand (a link, another user's folder) can stand
// in for it. Empty when no folder could be made.
QString createPrivateFolder(const QString& parent, const QString& prefix);

// True when path is a folder itself (not a link to one) that belongs to the
// current user and that nobody else may enter.
bool isPrivateFolder(const QString& path);

} // namespace platform
