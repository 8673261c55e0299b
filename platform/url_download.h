#pragma once

#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>

class QNetworkAccessManager;
class QNetworkReply;

namespace platform {

// Where a download left its file and how it went. A transfer that failed
// leaves no file behind.
struct DownloadedFile {
    QString folder;
    QString path;
    // The transfer ended without error and every byte reached the file.
    bool complete = false;
    // It was asked for over https and came, redirects included, over a TLS
    // connection whose peer the toolkit verified.
    bool secure = false;
};

// One download into a file of an existing folder, run on the event loop of
// the thread that starts it: nothing waits, and the file grows on disk as
// the data arrives (no copy of the whole file is held in memory).
class UrlDownload : public QObject {
    Q_OBJECT
public:
    explicit UrlDownload(QObject* parent = nullptr);
    // A transfer still running is dropped together with its file.
    ~UrlDownload() override;

    // Fetches url into folder/fileName, replacing an earlier file. A transfer
    // counts as failed when no data comes for kDownloadStallSeconds, and
    // also, with timeLimitMs above 0, when it has not ended after that time.
    // finished() is always emitted later, never from within start().
    void start(const QString& url, const QString& folder, const QString& fileName, int timeLimitMs = 0);

signals:
    void finished(const platform::DownloadedFile& result);

private:
    void writeAvailable();
    void finish();

    QNetworkAccessManager* m_manager = nullptr;
    QNetworkReply* m_reply = nullptr;
    QFile m_file;
    QTimer m_timeLimit;
    bool m_written = true;
    bool m_askedSecure = false;
    DownloadedFile m_result;
};

// The same download, blocking the calling thread until the transfer has
// ended or stalled; no event of the calling thread is handled meanwhile.
DownloadedFile downloadFile(const QString& url, const QString& folder, const QString& fileName);

// Seconds without any data after which a transfer counts as failed.
constexpr int kDownloadStallSeconds = 30;

} // namespace platform
