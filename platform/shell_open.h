#pragma once

#include <QString>

#include <functional>

namespace platform {

// Asks the desktop to open a folder or document with the program it
// associates with it (a folder opens in the file manager). The outcome is
// not reported: a path that no longer exists simply opens nothing.
void openInShell(const QString& path);

// Replaces the desktop by `opener` for every later openInShell call (tests
// record the paths this way); an empty function restores the desktop.
void setShellOpener(std::function<void(const QString&)> opener);

// The platform's own opener, used when no replacement is set.
void openWithDesktop(const QString& path);

} // namespace platform
