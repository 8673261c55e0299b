#pragma once

#include "dialog_look.h"
#include "frameless_dialog.h"
#include "ui_referencefiledlg.h"

class BrowseRepairDlg;

// Second step of the advanced repair: the user picks a healthy sample file
// of the failed file's format. The choice goes into GlobalState (sample
// path and the JPEG or HEIC sample mode); the main window wires the Repair
// button and the check box to its own slots.
class ReferenceFileDlg : public FramelessDialog, public Ui::ReferenceFileDlg {
    Q_OBJECT
public:
    ReferenceFileDlg(BrowseRepairDlg* owner, QString path);
    ~ReferenceFileDlg() override;

    void SetLanguageGeometry();

signals:
    void RepairFile();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void OnBrowseRefrenceFile();
    void OnHideDialog();
    void OnCancle();

private:
    void applyTexts();
    void setAnswerForReturn();
    QString pickSample(const QString& filter);

    DialogLayout m_geometry;
};
