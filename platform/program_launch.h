#pragma once

#include <QString>

namespace platform {

// Environment variable naming a file; when it is set, launches are appended
// to that file (one absolute program path per line) instead of started, so
// tests can see what would have run.
constexpr const char* kLaunchRecordVariable = "PICTAVO_LAUNCH_RECORD";

// Starts the program of the given file name (a bare name resolves in the
// current directory) and returns at once, without waiting for it. False when
// the program is missing or could not be started.
bool launchProgram(const QString& fileName);

class FolderHandle;

// Starts the program `name` of an open folder, reached through the folder's
// descriptor (the program runs in that folder), and returns at once. False
// when it could not be started.
bool launchProgramIn(const FolderHandle& folder, const QString& name);

} // namespace platform
