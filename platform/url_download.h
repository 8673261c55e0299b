#pragma once

#include <QString>

namespace platform {

// Where a download left its file: the folder it was written into and the
// file's full path. Callers judge the download by that file alone (its
// presence and size), whatever route brought it.
struct DownloadedFile {
    QString folder;
    QString path;
};

// Fetches url into folder/fileName (the folder is created, an earlier file
// replaced) and blocks the calling thread until the transfer has ended or
// stalled. A transfer that fails leaves no file behind.
DownloadedFile downloadFile(const QString& url, const QString& folder, const QString& fileName);

// Seconds without any data after which a transfer counts as failed.
constexpr int kDownloadStallSeconds = 30;

} // namespace platform
