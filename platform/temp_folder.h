#pragma once

#include <QString>

namespace platform {

// The program's own temporary folder, below which the work folder, the
// scratch folders and the lock file live: a folder of the current user that
// nobody else may enter. It is $XDG_RUNTIME_DIR/Pictavo when that runtime
// folder is set and private, else "Pictavo-" + the user's number under the
// system's temporary folder (TMPDIR on this platform, so tests can redirect
// it). Checked (owner, mode, no link) at every call and made anew when the
// check fails: a folder of that name that someone else made is never used,
// a private one of a new name is made beside it instead. Empty when no
// private folder can be made.
QString tempFolder();

} // namespace platform
