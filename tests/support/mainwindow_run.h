#pragma once

#include "dialog_driver.h"

#include <QImage>
#include <QObject>
#include <QSignalSpy>
#include <QStringList>

#include <memory>

class BrowseRepairDlg;
class QSemaphore;

// Drives repair runs through the main window in the tests.
namespace mainwindowrun {

// A main window at scale 1.0.
std::unique_ptr<BrowseRepairDlg> makeWindow();
// Answers the next open-files dialog with the named files of a folder.
void answerFileDialog(const QString& folder, const QStringList& names);
// Adds the named files of a folder through the window's add-files dialog.
void addFiles(BrowseRepairDlg& window, const QString& folder, const QStringList& names);
// The run's work folder under the test's temporary folder.
QString workFolder();

// Closes every completion message that appears, keeping its text.
class MessageCloser {
public:
    MessageCloser();
    QStringList messages;
    // Each message's title and the picture it showed.
    QStringList titles;
    QList<QImage> pictures;

private:
    ModalDriver m_driver;
};

// Watches one run: its end signals, its progress texts and its completion
// message, which it closes.
struct RunWatch {
    explicit RunWatch(BrowseRepairDlg& window);
    // Waits until the message was closed and the worker has finished; a run
    // that does not end within the bound fails the test with a message.
    bool waitForEnd();
    // "<file text> / <percent text>" of each progress report.
    QStringList progressTexts() const;

    BrowseRepairDlg& window;
    MessageCloser closer;
    QSignalSpy completed;
    QSignalSpy aborted;
    QSignalSpy progress;
};

// Holds the worker as it reports the progress text that starts with
// `prefix` until `gate` is released (for at most 20 s).
void holdAtProgress(BrowseRepairDlg& window, const QString& prefix, QSemaphore& gate);
// Requests a stop as the worker reports the progress text that starts with
// `prefix`, so that the run stops right there.
void stopAtProgress(BrowseRepairDlg& window, const QString& prefix);

// Waits until the run has made `count` progress reports; false, with a
// warning, when it did not within the bound.
bool reachedProgress(const QSignalSpy& progress, int count);

// Adds the files, presses Repair and waits for the end of the run.
bool repairFiles(BrowseRepairDlg& window, const QString& folder, const QStringList& names);

} // namespace mainwindowrun
