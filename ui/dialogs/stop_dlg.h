#pragma once

#include "dialog_look.h"
#include "frameless_dialog.h"
#include "ui_stopdialog.h"

// Asks whether the running repair is to be stopped. No (OkBtn) closes it;
// the owner connects both buttons to its own stop and resume slots.
class StopDlg : public FramelessDialog, public Ui::StopDialog {
    Q_OBJECT
public:
    explicit StopDlg(QWidget* parent);
    ~StopDlg() override;

    void SetLanguageGeometry();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnCancle();

private:
    void applyTexts();

    DialogLayout m_geometry;
};
