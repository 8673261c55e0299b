#pragma once

#include "confirmation_dialog.h"
#include "ui_backdlg.h"

// "Do you want to go back to previous screen?"; the main window reads the answer.
class BackApplicationDlg : public ConfirmationDialog<Ui::BackDlg> {
    Q_OBJECT
public:
    explicit BackApplicationDlg(QWidget* parent);
    ~BackApplicationDlg() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void CloseApplication();

private:
    void applyTexts();
};
