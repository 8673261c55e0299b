#include "mainwindow_save.h"

#include "browse_repair_dlg.h"
#include "global_state.h"
#include "my_tree_widget.h"
#include "repair_tree_columns.h"
#include "temp_folder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace mainwindowsave {

ModalScript::ModalScript(std::deque<ModalStep> steps)
    : m_steps(std::move(steps)),
      m_driver(
          QStringLiteral("save window"), [this](QWidget* modal) { return answerNext(modal); },
          ModalDriver::Repeat::EveryWindow)
{
}

// Every answer hides its window at once, so a visible modal window is always
// one still waiting for its answer (a prompt shown again included).
bool ModalScript::answerNext(QWidget* modal)
{
    if (m_steps.empty())
        return false;
    const QString className = QString::fromLatin1(modal->metaObject()->className());
    if (!m_steps.front()(modal))
        return false;
    seen << className;
    m_steps.pop_front();
    return true;
}

bool ModalScript::waitUntilFinished()
{
    if (QTest::qWaitFor([this] { return finished(); }, ModalDriver::kBoundMs))
        return true;
    qWarning("the save left %d window(s) unanswered after %s", int(m_steps.size()),
             qPrintable(seen.isEmpty() ? QStringLiteral("none") : seen.join(QStringLiteral(", "))));
    return false;
}

ModalStep chooseFolder(const QString& folder)
{
    return [folder](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog)
            return false;
        if (folder.isEmpty()) {
            dialog->reject();
            return true;
        }
        dialog->setDirectory(folder);
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(folder);
        QMetaObject::invokeMethod(dialog, "accept");
        return true;
    };
}

ModalStep press(const char* className, const char* buttonName, QStringList* log)
{
    return [className, buttonName, log](QWidget* modal) {
        if (!modal->inherits(className))
            return false;
        if (log) {
            QStringList fields;
            for (QLineEdit* edit : modal->findChildren<QLineEdit*>())
                fields << edit->objectName() + QLatin1Char('=') + edit->text();
            fields.sort();
            *log << fields.join(QLatin1Char(' '));
        }
        auto* button = modal->findChild<QPushButton*>(QLatin1String(buttonName));
        if (!button)
            return false;
        button->click();
        return true;
    };
}

ModalStep escape(const char* className)
{
    return [className](QWidget* modal) {
        if (!modal->inherits(className))
            return false;
        QTest::keyClick(modal, Qt::Key_Escape);
        return true;
    };
}

void save(BrowseRepairDlg& window, ModalScript& script)
{
    QMetaObject::invokeMethod(&window, "SaveImage");
    QVERIFY(script.waitUntilFinished());
}

QString prepareWorkFolder()
{
    g_state.workFolderName = QStringLiteral("RepairedFiles");
    g_state.workFolder = platform::tempFolder() + QStringLiteral("/RepairedFiles");
    QDir(g_state.workFolder).removeRecursively();
    QDir().mkpath(g_state.workFolder + QStringLiteral("/Thumbnail Repaired"));
    return g_state.workFolder;
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeOutputs(const QStringList& names)
{
    for (const QString& name : names) {
        QString folder = g_state.workFolder + QLatin1Char('/');
        if (name.contains(QLatin1String("_[T")))
            folder += QStringLiteral("Thumbnail Repaired/");
        else if (name.endsWith(QLatin1String(".heic"), Qt::CaseInsensitive))
            folder += QStringLiteral("HEIC_Repaired/");
        QDir().mkpath(folder);
        writeFile(folder + name, "new:" + name.toUtf8());
    }
}

QTreeWidgetItem* addResultsRow(BrowseRepairDlg& window, const QString& input, const QStringList& outputs)
{
    auto* fileRow = new QTreeWidgetItem(window.m_repairTree);
    fileRow->setText(ColName, input);
    fileRow->setText(ColStatus, QString::number(RowRepaired));
    fileRow->setText(ColFileRow, QStringLiteral("1"));
    for (const QString& name : outputs) {
        auto* output = new QTreeWidgetItem(fileRow);
        output->setText(ColName, name);
        output->setText(ColStatus, QString::number(RowOutput));
        output->setCheckState(ColName, Qt::Checked);
    }
    fileRow->setExpanded(true);
    return fileRow;
}

} // namespace mainwindowsave
