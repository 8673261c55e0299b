#pragma once

#include <QByteArray>

namespace platform {
struct DownloadedFile;
}

// Whether a downloaded installer may be started. With a SHA-256 digest from
// the version file, the file on disk must match it; without one, the file
// must have come over https with the server's certificate verified.
bool InstallerTrusted(const platform::DownloadedFile& installer, const QByteArray& sha256);
