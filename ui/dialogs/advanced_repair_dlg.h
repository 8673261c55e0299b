#pragma once

#include "dialog_look.h"
#include "frameless_dialog.h"
#include "ui_advancedrepair.h"

class BrowseRepairDlg;
class ReferenceFileDlg;

// First step of the advanced repair: explains the option (the main window
// writes the text into `label`) and on Next runs the sample-file dialog.
// Made per use and deleted when its modal run ends.
class AdvancedRepairDlg : public FramelessDialog, public Ui::AdvancedRepair {
    Q_OBJECT
public:
    AdvancedRepairDlg(BrowseRepairDlg* owner, QString path, ReferenceFileDlg* next);
    ~AdvancedRepairDlg() override;

    void SetLanguageGeometry();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnCancle();
    void OnclickedNextDialog();

private:
    void applyTexts();
    void prepareSampleDialog();

    ReferenceFileDlg* m_sampleDialog;
    DialogLayout m_geometry;
};
