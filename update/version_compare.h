#pragma once

#include <QString>

// What one line of the version file says against the installed version.
struct VersionFinding {
    bool ignored = true;  // the line has no version layout the check knows
    bool major = false;   // its major number is greater
    bool minor = false;   // same major, and the first differing place is greater
    QString text;         // the compared part of the line (empty when ignored)
};

// Compares one trimmed line ("8.1.5.0") with the installed version text.
// Major numbers are one or two digits, followed by three single-digit places.
VersionFinding CompareVersionLine(const QString& installed, const QString& line);
