#include "close_application_dlg.h"

#include "keyboard_answers.h"
#include "dialog_layouts.h"

CloseApplicationDlg::CloseApplicationDlg(QWidget* parent)
    : ConfirmationDialog(parent, closeApplicationLayout)
{
    applyTexts();
    connect(YesBtn, SIGNAL(clicked()), this, SLOT(CloseApplication()));
    connect(NoBtn, SIGNAL(clicked()), this, SLOT(CloseApplication()));
    setKeyboardAnswers(this, YesBtn, nullptr, {YesBtn, NoBtn});
}

CloseApplicationDlg::~CloseApplicationDlg() = default;

void CloseApplicationDlg::applyTexts()
{
    ConfirmationDialog::applyTexts(tr("Exit"), tr("Are you sure you want to exit?"), tr("Yes"), tr("No"));
}

void CloseApplicationDlg::CloseApplication()
{
    recordAnswer(sender());
}

void CloseApplicationDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        applyTexts();
        applyImages();
        SetLanguageGeometry();
    }
    QWidget::changeEvent(event);
}
