#include "browse_repair_dlg.h"
#include "global_state.h"
#include "mainwindow_run.h"
#include "mainwindow_save.h"
#include "repair_finish_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

using namespace mainwindowsave;

namespace {

// Step: the application's message box, its text logged into `log`, closed.
ModalStep message(QStringList* log)
{
    return [log](QWidget* modal) {
        auto* box = qobject_cast<repairFinishDialog*>(modal);
        if (!box)
            return false;
        *log << box->repairedLabl->text();
        box->OkBtn->click();
        return true;
    };
}

} // namespace

// Saving into an existing output folder with the overwrite answer: every
// output whose file exists there goes through the file-exists prompt.
class SaveClashTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void oneClash_data();
    void oneClash();
    void twoClashesAskEachFile();
    void allAnswersAskOnce_data();
    void allAnswersAskOnce();
    void renameAllFindsFreeNames();
    void promptClosedSavesNothingForTheFile();
    void everyFileSkippedIsTold();
    void escapeSkipsEveryClash();
    void renamedThumbnailAndHeicStayInTheirFolders();
    void renameStepsOverTakenCopyNames();
    void failedReplaceKeepsTheOldFile();

private:
    QString out() const { return m_dir.path() + QStringLiteral("/D/RepairedFiles/"); }
    // Outputs of one results row; `existing` are already in the output
    // folder, holding "old".
    void prepare(const QStringList& outputs, const QStringList& existing);
    void saveWith(std::deque<ModalStep> fileAnswers, bool finished = true);

    QTemporaryDir m_dir;
    std::unique_ptr<BrowseRepairDlg> m_window;
    QStringList m_fields;
    QStringList m_seen;
};

void SaveClashTest::init()
{
    QVERIFY(m_dir.isValid());
    m_window = mainwindowrun::makeWindow();
    prepareWorkFolder();
    QDir().mkpath(out() + QStringLiteral("Thumbnail Repaired"));
    QDir().mkpath(out() + QStringLiteral("HEIC_Repaired"));
    g_state.copyCounter = 0;
    g_state.resultIndex = 0;
    m_fields.clear();
}

void SaveClashTest::cleanup()
{
    m_window.reset();
    QDir(m_dir.path()).removeRecursively();
}

void SaveClashTest::prepare(const QStringList& outputs, const QStringList& existing)
{
    writeOutputs(outputs);
    addResultsRow(*m_window, QStringLiteral("input.jpg"), outputs);
    for (const QString& name : existing) {
        QString folder = out();
        if (name.contains(QLatin1String("_[T")))
            folder += QStringLiteral("Thumbnail Repaired/");
        else if (name.endsWith(QLatin1String(".heic")))
            folder += QStringLiteral("HEIC_Repaired/");
        writeFile(folder + name, "old");
    }
}

void SaveClashTest::saveWith(std::deque<ModalStep> fileAnswers, bool finished)
{
    fileAnswers.push_front(press("FolderExist", "OverwriteBtn"));
    fileAnswers.push_front(chooseFolder(m_dir.path() + QStringLiteral("/D")));
    if (finished)
        fileAnswers.push_back(press("SavingFinishDlg", "OkBtn"));
    ModalScript script(std::move(fileAnswers));
    save(*m_window, script);
    QTest::qWait(150);
    m_seen = script.seen;
    QCOMPARE(g_state.overwriteFolder, 0);
}

void SaveClashTest::oneClash_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("kept");
    QTest::addColumn<QString>("copyName");
    QTest::addColumn<int>("saved");

    QTest::newRow("Overwrite") << "OverwriteBtn" << QByteArray("new:a.jpg") << QString() << 2;
    QTest::newRow("Overwrite All") << "OverwriteAllBtn" << QByteArray("new:a.jpg") << QString() << 2;
    QTest::newRow("Rename") << "RenameBtn" << QByteArray("old") << "Copy(1)_a.jpg" << 2;
    QTest::newRow("Rename All") << "RenameAllBtn" << QByteArray("old") << "Copy(2)_a.jpg" << 2;
    QTest::newRow("Skip") << "SkipBtn" << QByteArray("old") << QString() << 1;
    QTest::newRow("Skip All") << "SkipAllBtn" << QByteArray("old") << QString() << 1;
}

void SaveClashTest::oneClash()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, kept);
    QFETCH(QString, copyName);
    QFETCH(int, saved);

    prepare({QStringLiteral("a.jpg"), QStringLiteral("free.jpg")}, {QStringLiteral("a.jpg")});
    const QByteArray buttonName = button.toLatin1();
    saveWith({press("AlreadyExistFileDlg", buttonName.constData(), &m_fields)});

    QCOMPARE(m_fields, QStringList({QStringLiteral("FileNameText=a.jpg RenameFileText=Copy(1)_a.jpg")}));
    QCOMPARE(readFile(out() + QStringLiteral("a.jpg")), kept);
    QCOMPARE(readFile(out() + QStringLiteral("free.jpg")), QByteArray("new:free.jpg"));
    if (!copyName.isEmpty())
        QCOMPARE(readFile(out() + copyName), QByteArray("new:a.jpg"));
    QCOMPARE(QDir(out()).entryList(QDir::Files).size(), copyName.isEmpty() ? 2 : 3);
    QCOMPARE(int(g_state.savedCount), saved);
}

void SaveClashTest::twoClashesAskEachFile()
{
    prepare({QStringLiteral("a.jpg"), QStringLiteral("b.jpg")}, {QStringLiteral("a.jpg"), QStringLiteral("b.jpg")});
    saveWith({press("AlreadyExistFileDlg", "SkipBtn", &m_fields),
              press("AlreadyExistFileDlg", "OverwriteBtn", &m_fields)});
    QCOMPARE(m_fields, QStringList({QStringLiteral("FileNameText=a.jpg RenameFileText=Copy(1)_a.jpg"),
                                    QStringLiteral("FileNameText=b.jpg RenameFileText=Copy(2)_b.jpg")}));
    QCOMPARE(readFile(out() + QStringLiteral("a.jpg")), QByteArray("old"));
    QCOMPARE(readFile(out() + QStringLiteral("b.jpg")), QByteArray("new:b.jpg"));
}

void SaveClashTest::allAnswersAskOnce_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("kept");
    QTest::newRow("Overwrite All") << "OverwriteAllBtn" << QByteArray("new:");
    QTest::newRow("Skip All") << "SkipAllBtn" << QByteArray("old");
}

void SaveClashTest::allAnswersAskOnce()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, kept);
    prepare({QStringLiteral("a.jpg"), QStringLiteral("b.jpg"), QStringLiteral("c.jpg")},
            {QStringLiteral("a.jpg"), QStringLiteral("b.jpg")});
    const QByteArray buttonName = button.toLatin1();
    saveWith({press("AlreadyExistFileDlg", buttonName.constData(), &m_fields)});
    QCOMPARE(m_fields.size(), 1);
    for (const QString& name : {QStringLiteral("a.jpg"), QStringLiteral("b.jpg")}) {
        const QByteArray expected = kept == "old" ? kept : kept + name.toUtf8();
        QCOMPARE(readFile(out() + name), expected);
    }
    QCOMPARE(readFile(out() + QStringLiteral("c.jpg")), QByteArray("new:c.jpg"));
    QCOMPARE(m_seen.count(QStringLiteral("AlreadyExistFileDlg")), 1);
}

void SaveClashTest::renameAllFindsFreeNames()
{
    prepare({QStringLiteral("a.jpg"), QStringLiteral("b.jpg"), QStringLiteral("c.jpg")},
            {QStringLiteral("a.jpg"), QStringLiteral("b.jpg"), QStringLiteral("c.jpg"),
             QStringLiteral("Copy(3)_b.jpg")});
    saveWith({press("AlreadyExistFileDlg", "RenameAllBtn")});
    QCOMPARE(m_seen.count(QStringLiteral("AlreadyExistFileDlg")), 1);
    // The prompt's proposal took 1; the others follow, passing over the
    // taken Copy(3)_b.jpg.
    QCOMPARE(readFile(out() + QStringLiteral("Copy(2)_a.jpg")), QByteArray("new:a.jpg"));
    QCOMPARE(readFile(out() + QStringLiteral("Copy(3)_b.jpg")), QByteArray("old"));
    QCOMPARE(readFile(out() + QStringLiteral("Copy(4)_b.jpg")), QByteArray("new:b.jpg"));
    QCOMPARE(readFile(out() + QStringLiteral("Copy(5)_c.jpg")), QByteArray("new:c.jpg"));
    for (const QString& name : {QStringLiteral("a.jpg"), QStringLiteral("b.jpg"), QStringLiteral("c.jpg")})
        QCOMPARE(readFile(out() + name), QByteArray("old"));
    QCOMPARE(int(g_state.savedCount), 3);
}

void SaveClashTest::promptClosedSavesNothingForTheFile()
{
    prepare({QStringLiteral("a.jpg")}, {QStringLiteral("a.jpg")});
    QStringList messages;
    saveWith({escape("AlreadyExistFileDlg"), message(&messages)}, false);
    QCOMPARE(readFile(out() + QStringLiteral("a.jpg")), QByteArray("old"));
    QCOMPARE(int(g_state.savedCount), 0);
    QVERIFY(!m_seen.contains(QStringLiteral("SavingFinishDlg")));
    QCOMPARE(messages, QStringList({QStringLiteral("No files were saved.")}));
}

// A save that wrote nothing says so instead of ending without a word.
void SaveClashTest::everyFileSkippedIsTold()
{
    prepare({QStringLiteral("a.jpg"), QStringLiteral("b.jpg")}, {QStringLiteral("a.jpg"), QStringLiteral("b.jpg")});
    QStringList messages;
    saveWith({press("AlreadyExistFileDlg", "SkipAllBtn"), message(&messages)}, false);
    QCOMPARE(int(g_state.savedCount), 0);
    QCOMPARE(messages, QStringList({QStringLiteral("No files were saved.")}));
    QCOMPARE(m_seen.count(QStringLiteral("AlreadyExistFileDlg")), 1);
}

// One key gets the user out of many clashes: Escape answers as Skip All, the
// free files are saved and the save ends with its message.
void SaveClashTest::escapeSkipsEveryClash()
{
    prepare({QStringLiteral("a.jpg"), QStringLiteral("b.jpg"), QStringLiteral("c.jpg")},
            {QStringLiteral("a.jpg"), QStringLiteral("b.jpg")});
    saveWith({escape("AlreadyExistFileDlg")});
    QCOMPARE(m_seen.count(QStringLiteral("AlreadyExistFileDlg")), 1);
    QCOMPARE(readFile(out() + QStringLiteral("a.jpg")), QByteArray("old"));
    QCOMPARE(readFile(out() + QStringLiteral("b.jpg")), QByteArray("old"));
    QCOMPARE(readFile(out() + QStringLiteral("c.jpg")), QByteArray("new:c.jpg"));
    QCOMPARE(int(g_state.savedCount), 1);
    QVERIFY(m_seen.contains(QStringLiteral("SavingFinishDlg")));
}

void SaveClashTest::renamedThumbnailAndHeicStayInTheirFolders()
{
    prepare({QStringLiteral("a_[T1].jpg"), QStringLiteral("b.heic")},
            {QStringLiteral("a_[T1].jpg"), QStringLiteral("b.heic")});
    saveWith({press("AlreadyExistFileDlg", "RenameBtn", &m_fields),
              press("AlreadyExistFileDlg", "RenameBtn", &m_fields)});
    QCOMPARE(m_fields, QStringList({QStringLiteral("FileNameText=a_[T1].jpg RenameFileText=Copy(1)_a_[T1].jpg"),
                                    QStringLiteral("FileNameText=b.heic RenameFileText=Copy(2)_b.heic")}));
    QCOMPARE(readFile(out() + QStringLiteral("Thumbnail Repaired/Copy(1)_a_[T1].jpg")),
             QByteArray("new:a_[T1].jpg"));
    QCOMPARE(readFile(out() + QStringLiteral("HEIC_Repaired/Copy(2)_b.heic")), QByteArray("new:b.heic"));
    QCOMPARE(readFile(out() + QStringLiteral("HEIC_Repaired/b.heic")), QByteArray("old"));
}

void SaveClashTest::renameStepsOverTakenCopyNames()
{
    // An earlier save left Copy(1)_a.jpg: the proposal passes over it, so
    // Rename saves the file instead of failing on an existing name.
    prepare({QStringLiteral("a.jpg")}, {QStringLiteral("a.jpg"), QStringLiteral("Copy(1)_a.jpg")});
    saveWith({press("AlreadyExistFileDlg", "RenameBtn", &m_fields)});
    QCOMPARE(m_fields, QStringList({QStringLiteral("FileNameText=a.jpg RenameFileText=Copy(2)_a.jpg")}));
    QCOMPARE(readFile(out() + QStringLiteral("Copy(1)_a.jpg")), QByteArray("old"));
    QCOMPARE(readFile(out() + QStringLiteral("Copy(2)_a.jpg")), QByteArray("new:a.jpg"));
}

void SaveClashTest::failedReplaceKeepsTheOldFile()
{
    // The output has gone from the work folder: overwriting must not delete
    // the file in the destination before the new copy exists.
    prepare({QStringLiteral("a.jpg")}, {QStringLiteral("a.jpg")});
    QFile::remove(g_state.workFolder + QStringLiteral("/a.jpg"));
    QStringList messages;
    saveWith({press("AlreadyExistFileDlg", "OverwriteBtn"),
              [&messages](QWidget* modal) {
                  if (!modal->inherits("repairFinishDialog"))
                      return false;
                  messages << modal->findChild<QLabel*>(QStringLiteral("repairedLabl"))->text();
                  modal->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
                  return true;
              }},
             false);
    QCOMPARE(readFile(out() + QStringLiteral("a.jpg")), QByteArray("old"));
    QCOMPARE(messages, QStringList({QStringLiteral("1 file(s) could not be saved.")}));
    QCOMPARE(QDir(out()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

QTEST_MAIN(SaveClashTest)
#include "tst_save_clash.moc"
