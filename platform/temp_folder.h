#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The program's own temporary folder, below which the work folder, the
// scratch folders and the lock file live: a folder of the current user that
// nobody else may enter. It is $XDG_RUNTIME_DIR/Pictavo when that runtime
// folder is set and private, else "Pictavo-" + the user's number under the
// system's temporary folder (TMPDIR on this platform, so tests can redirect
// it). Checked (owner, mode, no link) at every call and made anew when the
// check fails: a folder of that name that someone else made is never used.
// A private one of a new name, "Pictavo-<uid>-" + a unique ending, is made
// beside it instead, and found again by later calls and later starts, so
// one user has one such folder. Empty when no private folder can be made.
QString tempFolder();

// The private fallback folders of this user under the system's temporary
// folder other than tempFolder(): left behind by earlier starts.
QStringList leftoverFallbackFolders();

} // namespace platform
