#pragma once

#include "dialog_look.h"
#include "q_download_thread.h"
#include "url_download.h"
#include "ui_downloadupdate.h"
#include "update_dialog.h"

#include <QElapsedTimer>

class QTimer;

// Downloads the offered installer with a progress display, then starts it
// and quits the application. A download that fails, is cancelled, cannot be
// verified or does not start is deleted and reported with its cause, and
// the program goes on.
class QDownloadApp : public UpdateDialog, public Ui::DownloadUpdate {
    Q_OBJECT
public:
    explicit QDownloadApp(QWidget* parent);
    ~QDownloadApp() override;

    void BeginDownload();
    void SetLanguageGeometry();

    // The progress line after `seconds` with `bytes` in the update folder.
    static QString ProgressText(qint64 seconds, qint64 bytes);
    // What the user is told about a failed download.
    static QString FailureText(platform::DownloadFailure cause);
    // The bound on the whole download, in milliseconds.
    static void SetTimeLimit(int milliseconds);

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void CancelDownload();
    void OnDownloadStart();
    void OnDownloadFailed(int cause);
    void OnDownloadUnverified();
    void OnDownloadFinish(QString path);
    void OnTimerLoadSlot();

private:
    void ShowFailure(const QString& address, const QString& reason);
    void HideProgress();
    void EndWithMessage(const QString& text);

    QString m_folder; // the update folder this download writes into
    QElapsedTimer m_elapsed;
    quint64 m_expectedSize = 0;
    QTimer* m_progressTimer = nullptr;
    bool m_downloading = false; // the worker runs and may still be cancelled
    bool m_failureShown = false; // the message of a download that could not start
    QDownloadThread m_thread;
    DialogLayout m_geometry;
};

// Total size of the files below a folder; 0 for a missing or empty one.
qint64 GetFolderSize(const QString& folder);
