#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>

// Downloads one file into the update folder on a thread of its own and
// reports through its signals only.
class QDownloadThread : public QThread {
    Q_OBJECT
public:
    explicit QDownloadThread(QObject* parent = nullptr);
    ~QDownloadThread() override;

    // Downloads url into folder/fileName. A file shorter than expectedSize
    // is partial; a complete one must also pass the installer trust rule
    // with sha256 (empty when the version file gave no digest).
    void StartDownload(const QString& url, const QString& folder, const QString& fileName, quint64 expectedSize,
                       const QByteArray& sha256);

signals:
    void OnDownloadStart();
    void OnDownloadFailed();
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
    QString m_folder;
    QString m_fileName;
    QByteArray m_sha256;
};
