#pragma once

#include "confirmation_dialog.h"
#include "ui_closedlg.h"

// "Are you sure you want to exit?"; the main window reads the answer.
class CloseApplicationDlg : public ConfirmationDialog<Ui::CloseDlg> {
    Q_OBJECT
public:
    explicit CloseApplicationDlg(QWidget* parent);
    ~CloseApplicationDlg() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void CloseApplication();

private:
    void applyTexts();
};
