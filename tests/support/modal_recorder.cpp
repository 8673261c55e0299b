#include "modal_recorder.h"

#include "repair_finish_dialog.h"
#include "saving_finish_dlg.h"

#include <QApplication>
#include <QMessageBox>

ModalRecorder::ModalRecorder()
{
    m_timer.setInterval(50);
    connect(&m_timer, &QTimer::timeout, this, &ModalRecorder::poll);
    m_timer.start();
}

void ModalRecorder::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<repairFinishDialog*>(modal)) {
        messages << box->repairedLabl->text();
        box->OkBtn->click();
    } else if (auto* saved = qobject_cast<SavingFinishDlg*>(modal)) {
        messages << saved->label_5->text();
        saved->OkBtn->click();
    } else if (auto* message = qobject_cast<QMessageBox*>(modal)) {
        messages << message->text();
        message->accept();
    }
}
