#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>

namespace platform {
class FolderHandle;
class UrlDownload;
} // namespace platform

// Downloads one file into the update folder on a thread of its own and
// reports through its signals only.
class QDownloadThread : public QThread {
    Q_OBJECT
public:
    explicit QDownloadThread(QObject* parent = nullptr);
    ~QDownloadThread() override;

    // Downloads url into the file fileName of folder, which stays open until
    // the worker ends. With no length announced, a file shorter than
    // expectedSize is cut short and one longer than four times it is
    // stopped; a complete one must also pass the installer trust rule with
    // sha256 (empty when no trusted digest was given). At most timeLimitMs
    // for the whole transfer.
    void StartDownload(const QString& url, const platform::FolderHandle& folder, const QString& fileName,
                       quint64 expectedSize, const QByteArray& sha256, int timeLimitMs);
    // Stops the download from any thread; the worker then reports it
    // cancelled, its file removed.
    void Cancel();

signals:
    void OnDownloadStart();
    // cause: a platform::DownloadFailure.
    void OnDownloadFailed(int cause);
    void OnDownloadUnverified();
    void OnDownloadFinish(QString path);

protected:
    void run() override;

private:
    void DownloadFile();

    quint64 m_expectedSize = 0;
    QMutex m_mutex;
    QWaitCondition m_wakeCondition;
    QString m_url;
    const platform::FolderHandle* m_folder = nullptr;
    QString m_fileName;
    QByteArray m_sha256;
    int m_timeLimitMs = 0;

    // The running transfer, reachable for Cancel() from the user-interface
    // thread; guarded by its own lock, since the worker holds m_mutex.
    QMutex m_cancelMutex;
    platform::UrlDownload* m_download = nullptr;
    bool m_cancelled = false;
};
