#include "about_dlg.h"
#include "advanced_repair_dlg.h"
#include "already_exist_file_dlg.h"
#include "back_application_dlg.h"
#include "close_application_dlg.h"
#include "dialog_driver.h"
#include "folder_exist.h"
#include "global_state.h"
#include "mainwindow_run.h"
#include "reference_file_dlg.h"
#include "repair_finish_dialog.h"
#include "saving_finish_dlg.h"
#include "shell_open.h"
#include "stop_dlg.h"

#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// Every dialog answers from the keyboard: Return presses its default
// button, Tab reaches each of its buttons, Escape cancels where it has a
// Cancel, and a button that opens something else (Browse, "Click here")
// leaves Return to the dialog's answer after a click.
class DialogKeysTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void keysAnswer_data();
    void keysAnswer();

private:
    QDialog* makeDialog(const QString& kind);
    void pressKeys(QWidget* modal, const QStringList& keys);

    QTemporaryDir m_dir;
    std::unique_ptr<ReferenceFileDlg> m_sample;
    QStringList m_pressed;
};

void DialogKeysTest::init()
{
    g_state.uiScale = 1.0f;
    g_state.resultIndex = 1;
    g_state.saveFileName = QStringLiteral("photo.jpg");
    g_state.saveRoot = m_dir.path() + QLatin1Char('/');
    g_state.saveParentFolder = m_dir.path();
    g_state.saveFolderName = QStringLiteral("RepairedFiles");
    g_state.fileSuffix = QStringLiteral("jpg");
    platform::setShellOpener([](const QString&) {});
    m_pressed.clear();
}

void DialogKeysTest::cleanup()
{
    platform::setShellOpener({});
    m_sample.reset();
}

void DialogKeysTest::keysAnswer_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("clashes");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("pressed");

    QTest::newRow("file exists: Return renames") << "file" << 1 << "Return" << "RenameBtn";
    QTest::newRow("file exists: Tab to Skip") << "file" << 1 << "Tab Tab Return" << "SkipBtn";
    QTest::newRow("file exists: Tab to Overwrite All") << "file" << 2 << "Tab Tab Tab Tab Return"
                                                       << "OverwriteAllBtn";
    QTest::newRow("file exists: Tab to Skip All") << "file" << 2 << "Tab Tab Tab Tab Tab Return" << "SkipAllBtn";
    QTest::newRow("file exists: Space on a button") << "file" << 2 << "Tab Space" << "OverwriteBtn";
    QTest::newRow("file exists: Escape skips all") << "file" << 2 << "Escape" << "SkipAllBtn";
    QTest::newRow("file exists, one output: Escape skips it") << "file" << 1 << "Escape" << "SkipAllBtn";
    QTest::newRow("folder exists: Return renames") << "folder" << 1 << "Return" << "RenameBtn";
    QTest::newRow("folder exists: Tab to Overwrite") << "folder" << 1 << "Tab Return" << "OverwriteBtn";
    QTest::newRow("folder exists: Escape cancels") << "folder" << 1 << "Escape" << "CancelBtn";
    QTest::newRow("exit: Return is Yes") << "exit" << 1 << "Return" << "YesBtn";
    QTest::newRow("exit: Tab to No") << "exit" << 1 << "Tab Return" << "NoBtn";
    QTest::newRow("back: Tab to No") << "back" << 1 << "Tab Return" << "NoBtn";
    QTest::newRow("stop: Return is Yes") << "stop" << 1 << "Return" << "OkBtn_2";
    QTest::newRow("stop: Tab to No") << "stop" << 1 << "Tab Return" << "OkBtn";
    QTest::newRow("message: Return is OK") << "message" << 1 << "Return" << "OkBtn";
    QTest::newRow("saved: Return after Click here is OK") << "saved" << 1 << "Click:ViewSavedFiles Return"
                                                          << "ViewSavedFiles OkBtn";
    QTest::newRow("saved: Tab reaches Click here") << "saved" << 1 << "Tab Return" << "ViewSavedFiles";
    QTest::newRow("about: Return closes") << "about" << 1 << "Return" << "CloseButton";
    QTest::newRow("advanced repair: Escape cancels") << "advanced" << 1 << "Escape" << "cancle";
    QTest::newRow("sample: Return after Browse repairs") << "sample" << 1 << "Click:RefBrowse_Btn Return"
                                                         << "RefBrowse_Btn RefRepairBtn";
    QTest::newRow("sample: Escape cancels") << "sample" << 1 << "Escape" << "cancle";
    // Before a sample is chosen the keys reach Browse, never Cancel.
    QTest::newRow("sample: Return browses, then repairs") << "sample" << 1 << "Pick Return Return"
                                                          << "RefBrowse_Btn RefRepairBtn";
    QTest::newRow("sample: Space browses") << "sample" << 1 << "Pick Space" << "RefBrowse_Btn";
}

QDialog* DialogKeysTest::makeDialog(const QString& kind)
{
    if (kind == QLatin1String("file"))
        return new AlreadyExistFileDlg(nullptr);
    if (kind == QLatin1String("folder"))
        return new FolderExist();
    if (kind == QLatin1String("exit"))
        return new CloseApplicationDlg(nullptr);
    if (kind == QLatin1String("back"))
        return new BackApplicationDlg(nullptr);
    if (kind == QLatin1String("stop"))
        return new StopDlg(nullptr);
    if (kind == QLatin1String("message"))
        return new repairFinishDialog(nullptr);
    if (kind == QLatin1String("saved"))
        return new SavingFinishDlg(nullptr, m_dir.path());
    if (kind == QLatin1String("about"))
        return new AboutDlg(nullptr);
    m_sample = std::make_unique<ReferenceFileDlg>(nullptr, m_dir.path());
    if (kind == QLatin1String("advanced"))
        return new AdvancedRepairDlg(nullptr, m_dir.path(), m_sample.get());
    return m_sample.release();
}

// Sends each key to the widget that has the focus, as the keyboard does; a
// "Click:<name>" presses that button with the mouse (a sample is then
// chosen in the file dialog it opens), and "Pick" chooses the sample in the
// file dialog that the next key opens.
void DialogKeysTest::pressKeys(QWidget* modal, const QStringList& keys)
{
    modal->activateWindow();
    QVERIFY2(QTest::qWaitForWindowActive(modal), "the dialog never became the active window");
    for (const QString& key : keys) {
        if (key.startsWith(QLatin1String("Click:"))) {
            auto* button = modal->findChild<QPushButton*>(key.mid(6));
            QVERIFY(button);
            mainwindowrun::answerFileDialog(m_dir.path(), {QStringLiteral("sample.jpg")});
            QTest::mouseClick(button, Qt::LeftButton);
            continue;
        }
        if (key == QLatin1String("Pick")) {
            mainwindowrun::answerFileDialog(m_dir.path(), {QStringLiteral("sample.jpg")});
            continue;
        }
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != modal)
            target = modal;
        const Qt::Key code = key == QLatin1String("Tab")      ? Qt::Key_Tab
                             : key == QLatin1String("Space")  ? Qt::Key_Space
                             : key == QLatin1String("Escape") ? Qt::Key_Escape
                                                              : Qt::Key_Return;
        QTest::keyClick(target, code);
    }
}

void DialogKeysTest::keysAnswer()
{
    QFETCH(QString, kind);
    QFETCH(int, clashes);
    QFETCH(QString, keys);
    QFETCH(QString, pressed);
    g_state.resultIndex = clashes;
    QFile sample(m_dir.filePath(QStringLiteral("sample.jpg")));
    QVERIFY(sample.open(QIODevice::WriteOnly));
    sample.close();
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("RepairedFiles")));

    QPointer<QDialog> dialog = makeDialog(kind);
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        connect(button, &QPushButton::clicked, this, [this, button] { m_pressed << button->objectName(); });
    whenModal([this, keys](QWidget* modal) {
        pressKeys(modal, keys.split(QLatin1Char(' ')));
        // Buttons that answer nothing by themselves leave the dialog open.
        if (modal->isVisible())
            modal->hide();
    });
    dialog->exec();
    QCOMPARE(m_pressed.join(QLatin1Char(' ')), pressed);
    delete dialog.data();
}

QTEST_MAIN(DialogKeysTest)
#include "tst_dialog_keys.moc"
