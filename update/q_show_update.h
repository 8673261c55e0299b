#pragma once

#include "dialog_look.h"
#include "ui_showupdateavail.h"
#include "update_dialog.h"

// Offers a newer version: Update hides the offer and downloads the
// installer, Cancel gives the offer up.
class QShowUpdate : public UpdateDialog, public Ui::ShowUpdateAvail {
    Q_OBJECT
public:
    explicit QShowUpdate(QWidget* parent);
    ~QShowUpdate() override;

    void ShowUpdateMessage();
    void SetLanguageGeometry();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void DownloadApp();
    void CancelDownload();

private:
    DialogLayout m_geometry;
};
