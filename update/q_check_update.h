#pragma once

#include "ui_checkupdate.h"

#include <QDialog>
#include <QFile>
#include <QString>

#include <memory>

class repairFinishDialog;

// The update check. Never shown: its constructor runs the whole check
// synchronously and it stays, hidden, the parent of the boxes it opens.
class QCheckUpdate : public QDialog, public Ui::CheckUpdate {
    Q_OBJECT
public:
    explicit QCheckUpdate(QWidget* parent);
    ~QCheckUpdate() override;

    void CheckForUpdate();

private:
    void ReportNoUpdate();
    void CompareVersionFile(const QString& installed);

    std::unique_ptr<QFile> m_versionFile;
    QString m_latestUpdateText;
    QString m_latestMajorReleaseText;
    repairFinishDialog* m_noUpdateBox = nullptr;
};
