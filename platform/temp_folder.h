#pragma once

#include <QString>

namespace platform {

// The system's temporary folder, below which the work and scratch folders
// live (TMPDIR on this platform, so tests can redirect it).
QString tempFolder();

} // namespace platform
