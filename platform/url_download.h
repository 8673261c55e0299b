#pragma once

#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>

class QNetworkAccessManager;
class QNetworkReply;

namespace platform {

class FolderHandle;

// Why a transfer gave no file.
enum class DownloadFailure {
    None,
    Unreachable, // no connection to the server, or the server failed
    Refused,     // refused (access, a redirect it may not follow, a loop), or the TLS peer not trusted
    NotFound,    // the server has no such file
    CutShort,    // the connection ended before every byte had come
    TooLarge,    // more bytes came, or were announced, than the transfer's bound
    TimedOut,    // the server stopped sending, or the transfer ran out of time
    NotSaved,    // the file could not be written
    Cancelled,   // the user stopped it
};

// Where a download left its file and how it went. A transfer that failed
// leaves no file behind.
struct DownloadedFile {
    QString name;
    QString path;
    // The transfer ended without error and every byte reached the file.
    bool complete = false;
    // It was asked for over https and came, redirects included, over a TLS
    // connection whose peer the toolkit verified.
    bool secure = false;
    // The server announced the length, and exactly that many bytes came.
    bool lengthAnnounced = false;
    qint64 bytes = 0;
    DownloadFailure failure = DownloadFailure::None;
};

// The bounds of one transfer.
struct DownloadBounds {
    // The whole transfer, in milliseconds; 0: none (the stall bound holds).
    int timeLimitMs = 0;
    // At most this many bytes; 0: no bound.
    qint64 maxBytes = 0;
    // A length the server announces replaces maxBytes as the bound.
    bool announcedLengthBounds = false;
    // The file is made executable for its owner.
    bool executable = false;
};

// One download into a new file of an open private folder, run on the event
// loop of the thread that starts it: nothing waits, the file grows on disk
// as the data arrives, and the reply holds at most a small buffer of it.
class UrlDownload : public QObject {
    Q_OBJECT
public:
    explicit UrlDownload(QObject* parent = nullptr);
    // A transfer still running is dropped together with its file.
    ~UrlDownload() override;

    // Fetches url into the file `fileName` of folder, replacing an earlier
    // file. The folder must stay open until finished(). A transfer counts
    // as failed when no data comes for kDownloadStallSeconds or when it
    // oversteps its bounds. finished() is always emitted later, never from
    // within start().
    void start(const QString& url, const FolderHandle& folder, const QString& fileName,
               const DownloadBounds& bounds = DownloadBounds());

    // Stops the transfer; finished() reports it cancelled.
    void cancel();

signals:
    void finished(const platform::DownloadedFile& result);

private:
    void checkAnnouncedLength();
    void writeAvailable();
    void stop(DownloadFailure cause);
    void finish();
    qint64 byteBound() const;

    QNetworkAccessManager* m_manager = nullptr;
    QNetworkReply* m_reply = nullptr;
    const FolderHandle* m_folder = nullptr;
    QFile m_file;
    QTimer m_timeLimit;
    DownloadBounds m_bounds;
    bool m_written = true;
    bool m_askedSecure = false;
    bool m_created = false;
    bool m_answered = false; // the server's answer has begun
    qint64 m_announcedLength = -1;
    DownloadFailure m_stopCause = DownloadFailure::None;
    DownloadedFile m_result;
};

// Seconds without any data after which a transfer counts as failed.
constexpr int kDownloadStallSeconds = 30;

} // namespace platform
