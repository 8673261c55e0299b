#include "back_application_dlg.h"

#include "keyboard_answers.h"
#include "dialog_layouts.h"

BackApplicationDlg::BackApplicationDlg(QWidget* parent)
    : ConfirmationDialog(parent, backApplicationLayout)
{
    applyTexts();
    connect(YesBtn, SIGNAL(clicked()), this, SLOT(CloseApplication()));
    connect(NoBtn, SIGNAL(clicked()), this, SLOT(CloseApplication()));
    setKeyboardAnswers(this, YesBtn, nullptr, {YesBtn, NoBtn});
}

BackApplicationDlg::~BackApplicationDlg() = default;

void BackApplicationDlg::applyTexts()
{
    ConfirmationDialog::applyTexts(
        tr("Back"), tr("This action will clear repair results.\nDo you want to go back to previous screen?"),
        tr("Yes"), tr("No"));
}

void BackApplicationDlg::CloseApplication()
{
    recordAnswer(sender());
}

void BackApplicationDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        applyTexts();
        SetLanguageGeometry();
    }
    QWidget::changeEvent(event);
}
