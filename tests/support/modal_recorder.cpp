#include "modal_recorder.h"

#include "repair_finish_dialog.h"
#include "saving_finish_dlg.h"

#include <QMessageBox>

ModalRecorder::ModalRecorder()
    : m_driver(
          QStringLiteral("message box"), [this](QWidget* modal) { return closeMessage(modal); },
          ModalDriver::Repeat::EveryWindow)
{
}

bool ModalRecorder::closeMessage(QWidget* modal)
{
    if (auto* box = qobject_cast<repairFinishDialog*>(modal)) {
        messages << box->repairedLabl->text();
        box->OkBtn->click();
    } else if (auto* saved = qobject_cast<SavingFinishDlg*>(modal)) {
        messages << saved->label_5->text();
        saved->OkBtn->click();
    } else if (auto* message = qobject_cast<QMessageBox*>(modal)) {
        messages << message->text();
        message->accept();
    } else {
        return false;
    }
    return true;
}
