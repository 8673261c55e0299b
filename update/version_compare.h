#pragma once

#include <QByteArray>
#include <QString>

// What one line of the version file says against the installed version.
struct VersionFinding {
    bool ignored = true;  // the line has no version layout the check knows
    bool major = false;   // its major number is greater
    bool minor = false;   // same major, and the first differing part is greater
    QString text;         // the line's version as the file gives it (empty when ignored)
    QByteArray sha256;    // the installer digest given after the version (empty when none)
};

// Compares one trimmed line with the installed version text. A line starts
// with a dotted version of at most 32 characters whose major number has one
// or two digits ("8.1.5.0", "8.10.0.0"); the parts are compared as numbers, a missing part counting
// as 0. After the version and white space the line may give the SHA-256
// digest of that version's installer as 64 hexadecimal digits; anything else
// after the version is ignored, so files without digests read as before.
VersionFinding CompareVersionLine(const QString& installed, const QString& line);
