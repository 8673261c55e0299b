#pragma once

#include "dialog_look.h"
#include "q_download_thread.h"
#include "ui_downloadupdate.h"
#include "update_dialog.h"

#include <QElapsedTimer>

class QTimer;

// Downloads the offered installer with a progress display, then starts it
// and quits the application. A short download, one that cannot be verified
// or one that does not start is deleted and reported, and the program goes
// on.
class QDownloadApp : public UpdateDialog, public Ui::DownloadUpdate {
    Q_OBJECT
public:
    explicit QDownloadApp(QWidget* parent);
    ~QDownloadApp() override;

    void BeginDownload();
    void SetLanguageGeometry();

    // The progress line after `seconds` with `bytes` in the update folder.
    static QString ProgressText(qint64 seconds, qint64 bytes);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnDownloadStart();
    void OnDownloadFailed();
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
    QDownloadThread m_thread;
    DialogLayout m_geometry;
};

// Total size of the files below a folder; 0 for a missing or empty one.
qint64 GetFolderSize(const QString& folder);
