#pragma once

#include "dialog_look.h"
#include "frameless_dialog.h"
#include "ui_savingfinishdlg.h"

// Ends a save that copied at least one file: tells the user the images were
// saved and offers "Click here" to open the folder that holds them.
class SavingFinishDlg : public FramelessDialog, public Ui::SavingFinishDlg {
    Q_OBJECT
public:
    SavingFinishDlg(QWidget* parent, QString savedFolder);
    ~SavingFinishDlg() override;

    void SetLanguageGeometry();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void OnOK();
    void ShowDestPath();

private:
    void applyTexts();

    DialogLayout m_geometry;
};
