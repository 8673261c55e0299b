#pragma once

#include <QString>

// True when the toolkit's image loader decodes the file (format taken from
// its contents): the test every repaired image must pass to be kept.
bool imageDecodes(const QString& path);
