#pragma once

#include <QString>

namespace platform {

// The system's temporary folder, below which the work and scratch folders
// live (TMPDIR on this platform, so tests can redirect it).
QString tempFolder();

// Creates a new folder in parent whose name is prefix followed by a unique
// ending, readable and writable by this user only; empty when that fails.
// The folder is always newly made, never an existing folder or link.
QString makePrivateFolder(const QString& parent, const QString& prefix);

// True when path is still a folder (not a link) that belongs to this user
// and that nobody else may enter.
bool isPrivateFolder(const QString& path);

} // namespace platform
