#pragma once

#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>

// Downloads one file into the update folder on a thread of its own and
// reports through its three signals only.
class QDownloadThread : public QThread {
    Q_OBJECT
public:
    explicit QDownloadThread(QObject* parent = nullptr);
    ~QDownloadThread() override;

    void StartDownload(const QString& url, const QString& fileName, quint64 expectedSize);

signals:
    void OnDownloadStart();
    void OnDownloadFailed();
    void OnDownloadFinish(QString path);

protected:
    void run() override;

private:
    void DownloadFile();

    quint64 m_expectedSize = 0;
    QMutex m_mutex;
    QWaitCondition m_wakeCondition;
    QString m_url;
    QString m_fileName;
};
