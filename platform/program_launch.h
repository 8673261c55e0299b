#pragma once

#include <QString>

namespace platform {

// Environment variable naming a file; when it is set, launches are appended
// to that file (one absolute program path per line) instead of started, so
// tests can see what would have run.
constexpr const char* kLaunchRecordVariable = "PICTAVO_LAUNCH_RECORD";

// Starts the program of the given bare file name from the current directory
// and returns at once. A program that is missing or cannot start is not
// reported.
void launchProgram(const QString& fileName);

} // namespace platform
