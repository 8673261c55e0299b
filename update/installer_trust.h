#pragma once

#include <QByteArray>

namespace platform {
struct DownloadedFile;
class FolderHandle;
} // namespace platform

// Whether a downloaded installer may be started. With a SHA-256 digest from
// a version file that came over verified https, the file in the folder must
// match it; without one, the installer itself must have come over https
// with the server's certificate verified.
bool InstallerTrusted(const platform::FolderHandle& folder, const platform::DownloadedFile& installer,
                      const QByteArray& sha256);
