#include "mainwindow_run.h"

#include "browse_repair_dlg.h"
#include "dialog_driver.h"
#include "global_state.h"
#include "repair_finish_dialog.h"
#include "temp_folder.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QSemaphore>
#include <QTimer>
#include <QtTest>

namespace mainwindowrun {

std::unique_ptr<BrowseRepairDlg> makeWindow()
{
    g_startScale = 1.0f;
    return std::make_unique<BrowseRepairDlg>(nullptr);
}

void answerFileDialog(const QString& folder, const QStringList& names)
{
    whenModal([folder, names](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        dialog->setDirectory(folder);
        QStringList quoted;
        for (const QString& name : names)
            quoted << QLatin1Char('"') + name + QLatin1Char('"');
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(quoted.join(QLatin1Char(' ')));
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

void addFiles(BrowseRepairDlg& window, const QString& folder, const QStringList& names)
{
    answerFileDialog(folder, names);
    window.m_addFileButton->click();
}

QString workFolder()
{
    return platform::tempFolder() + QStringLiteral("/RepairedFiles");
}

MessageCloser::MessageCloser()
    : m_driver(
          QStringLiteral("message box"),
          [this](QWidget* modal) {
              auto* box = qobject_cast<repairFinishDialog*>(modal);
              if (!box)
                  return false;
              messages << box->repairedLabl->text();
              titles << box->label_8->text();
              pictures << box->label_2->pixmap(Qt::ReturnByValue).toImage();
              box->OkBtn->click();
              return true;
          },
          ModalDriver::Repeat::EveryWindow)
{
}

RunWatch::RunWatch(BrowseRepairDlg& window)
    : window(window), completed(&window.m_repairThread, &QRepairThread::ProcessCompleted),
      aborted(&window.m_repairThread, &QRepairThread::AbortProcess),
      progress(&window, &BrowseRepairDlg::ShowProgressLabel)
{
    // The completion message's last step sets the preview help context.
    g_state.helpPreview = 0;
}

bool RunWatch::waitForEnd()
{
    if (!QTest::qWaitFor([] { return g_state.helpPreview == 1; }, ModalDriver::kBoundMs)) {
        qWarning("the run showed no end within %d s", ModalDriver::kBoundMs / 1000);
        return false;
    }
    if (!window.m_repairThread.wait(ModalDriver::kBoundMs)) {
        qWarning("the repair worker did not finish within %d s", ModalDriver::kBoundMs / 1000);
        return false;
    }
    return true;
}

QStringList RunWatch::progressTexts() const
{
    QStringList texts;
    for (const QList<QVariant>& arguments : progress)
        texts << arguments[0].toString() + QStringLiteral(" / ") + arguments[1].toString();
    return texts;
}

void holdAtProgress(BrowseRepairDlg& window, const QString& prefix, QSemaphore& gate)
{
    QObject::connect(
        &window, &BrowseRepairDlg::ShowProgressLabel, &window,
        [prefix, &gate](const QString& text) {
            if (text.startsWith(prefix))
                gate.tryAcquire(1, ModalDriver::kBoundMs);
        },
        Qt::DirectConnection);
}

void stopAtProgress(BrowseRepairDlg& window, const QString& prefix)
{
    QObject::connect(
        &window, &BrowseRepairDlg::ShowProgressLabel, &window,
        [prefix](const QString& text) {
            if (text.startsWith(prefix))
                g_state.stopRequested = 1;
        },
        Qt::DirectConnection);
}

bool reachedProgress(const QSignalSpy& progress, int count)
{
    if (QTest::qWaitFor([&progress, count] { return progress.count() >= count; }, ModalDriver::kBoundMs))
        return true;
    qWarning("the run made %d of %d progress reports within %d s", progress.count(), count,
             ModalDriver::kBoundMs / 1000);
    return false;
}

bool repairFiles(BrowseRepairDlg& window, const QString& folder, const QStringList& names)
{
    addFiles(window, folder, names);
    RunWatch watch(window);
    window.StartRepairFilesBtnN->click();
    return watch.waitForEnd();
}

} // namespace mainwindowrun
