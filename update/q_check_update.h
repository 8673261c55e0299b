#pragma once

#include "ui_checkupdate.h"

#include <QDialog>
#include <QFile>
#include <QString>

#include <memory>

namespace platform {
struct DownloadedFile;
class UrlDownload;
} // namespace platform

// The update check. Never shown: its constructor starts the check, which
// downloads the version file in the background while the windows keep
// working, and it stays, hidden, the parent of the boxes it opens.
class QCheckUpdate : public QDialog, public Ui::CheckUpdate {
    Q_OBJECT
public:
    explicit QCheckUpdate(QWidget* parent);
    ~QCheckUpdate() override;

    void CheckForUpdate();

    // True until this check has reached its end (and its box has closed).
    bool IsChecking() const;
    // True while any check of the process is still under way.
    static bool AnyCheckRunning();
    // The bound on the download of the version file, in milliseconds.
    static void SetTimeLimit(int milliseconds);

signals:
    void CheckFinished();

private:
    void OnVersionFileDownloaded(const platform::DownloadedFile& downloaded);
    void CompareVersionFile(const QString& installed);
    void ReportNoUpdate();
    void ReportFailure(const QString& cause = QString());
    void ShowMessage(const QString& text);
    void EndCheck();

    std::unique_ptr<QFile> m_versionFile;
    QString m_latestUpdateText;
    QString m_latestMajorReleaseText;
    platform::UrlDownload* m_download = nullptr;
    bool m_checking = false;
    bool m_versionFileSecure = false;
};
