#pragma once

#include "dialog_look.h"
#include "frameless_dialog.h"
#include "ui_repairfinishdialog.h"

// The application's one-button message box. Callers write their message
// into repairedLabl (and optionally a title into label_8 and a picture into
// label_2), centre it and run it with exec().
class repairFinishDialog : public FramelessDialog, public Ui::repairFinishDialog {
    Q_OBJECT
public:
    explicit repairFinishDialog(QWidget* parent);
    ~repairFinishDialog() override;

    void SetLanguageGeometry();
    // The look of a run the user stopped: the stopped title and no tick.
    void ShowAsStopped();
    // The look of a run that produced nothing: the failed title and no tick.
    void ShowAsFailed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void OnOK();

private:
    enum class Outcome { Completed, Stopped, Failed };

    void applyTexts();
    void showOutcome(Outcome outcome);

    DialogLayout m_geometry;
    Outcome m_outcome = Outcome::Completed;
};

// Tells the user something: a message box with `title`, `message` and the
// information picture of the current image set, centred on `parent` and
// run modally.
void ShowInformation(QWidget* parent, const QString& title, const QString& message);
