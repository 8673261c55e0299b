#pragma once

#include "dialog_driver.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

class BrowseRepairDlg;
class QTreeWidgetItem;
class QWidget;

// Drives saves of the results page in the tests.
namespace mainwindowsave {

// One expected modal window: returns false when `modal` is not the window
// it expects (the script then waits), true once it has answered it.
using ModalStep = std::function<bool(QWidget* modal)>;

// Answers the modal windows that appear, in order, one step each.
class ModalScript {
public:
    explicit ModalScript(std::deque<ModalStep> steps);
    bool finished() const { return m_steps.empty(); }
    // Waits until every step has answered its window; false, with a warning
    // naming the step, when that did not happen within the bound.
    bool waitUntilFinished();
    // Class names of the modal windows answered, in order.
    QStringList seen;

private:
    bool answerNext(QWidget* modal);

    std::deque<ModalStep> m_steps;
    ModalDriver m_driver;
};

// Steps: the destination folder dialog answered with `folder` (or
// cancelled when empty); a button of a save prompt or dialog pressed by its
// object name, with the texts of its read-only fields logged into `log`;
// Escape pressed in a window of the given class.
ModalStep chooseFolder(const QString& folder);
ModalStep press(const char* className, const char* buttonName, QStringList* log = nullptr);
ModalStep escape(const char* className);

// Runs the save slot of the window while the script answers its windows.
void save(BrowseRepairDlg& window, ModalScript& script);

// The work folder of the tests with its two subfolders, named as a run
// names them; every file the tests put there holds "new:" + its name.
QString prepareWorkFolder();
void writeFile(const QString& path, const QByteArray& content);
QByteArray readFile(const QString& path);

// A results file row for `input` with checked output rows, one per name.
QTreeWidgetItem* addResultsRow(BrowseRepairDlg& window, const QString& input, const QStringList& outputs);
// Output files of a run in the work folder: thumbnails and HEIC outputs in
// their subfolders, the others at its top.
void writeOutputs(const QStringList& names);

} // namespace mainwindowsave
