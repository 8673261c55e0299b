#include "browse_repair_dlg.h"
#include "exif_fixture.h"
#include "global_state.h"
#include "heic_photo.h"
#include "jpeg_fixture.h"
#include "mainwindow_run.h"
#include "mainwindow_save.h"
#include "modal_recorder.h"
#include "my_tree_widget.h"
#include "repair_run.h"
#include "shell_open.h"
#include "temp_file.h"
#include "temp_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace mainwindowsave;

namespace {

// A photo of the kind its name tells: "bad" fails, "thumb" repairs only its
// thumbnail, any other JPEG or HEIC repairs; the folder "two" gets another
// picture than "one", so same-named outputs differ.
QByteArray inputBytes(const QString& input)
{
    const bool second = input.startsWith(QLatin1String("two/"));
    if (input.endsWith(QLatin1String(".heic")))
        return second ? makeHeicPhoto(HeicBoxLayout::MdatFirst, 2).bytes
                      : makeHeicPhoto(HeicBoxLayout::MetaFirst, 1).bytes;
    if (input.contains(QLatin1String("/bad")))
        return QByteArray(3000, 'x');
    if (input.contains(QLatin1String("/thumb")))
        return fixture::withThumbnailOnly(fixture::realJpeg(320, 240), fixture::realJpeg(160, 120));
    return second ? fixture::realJpeg(64, 48) : fixture::realJpeg(40, 30);
}

} // namespace

// The save of the results page into a destination folder: the output
// folder, the folder-exists prompt and the saving-finished dialog.
class SaveFolderTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void freshDestinationFilesEveryKind();
    void saveButtonStartsTheSave();
    void cancelledFolderDialogChangesNothing();
    void existingFolderOverwrite();
    void existingFolderRename();
    void existingFolderCancelled_data();
    void existingFolderCancelled();
    void workFolderIsRefused_data();
    void workFolderIsRefused();
    void failedCopiesAreReported();
    void savedOutputsOfARun_data();
    void savedOutputsOfARun();

private:
    QString destination() const { return m_dir.path() + QStringLiteral("/Zielördner 写真 #1"); }
    void addJpegRow();
    bool allUnchecked() const;

    QTemporaryDir m_dir;
    std::unique_ptr<BrowseRepairDlg> m_window;
    QStringList m_opened;
};

void SaveFolderTest::init()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir().mkpath(destination()));
    m_window = mainwindowrun::makeWindow();
    prepareWorkFolder();
    g_state.copyCounter = 0;
    g_state.overwriteFolder = 0;
    g_state.stopRequested = 0;
    m_opened.clear();
    platform::setShellOpener([this](const QString& path) { m_opened << path; });
}

void SaveFolderTest::cleanup()
{
    platform::setShellOpener({});
    m_window.reset();
    QDir(m_dir.path()).removeRecursively();
}

void SaveFolderTest::addJpegRow()
{
    writeOutputs({QStringLiteral("a.jpg"), QStringLiteral("a_[T1].jpg")});
    addResultsRow(*m_window, QStringLiteral("a.jpg"), {QStringLiteral("a.jpg"), QStringLiteral("a_[T1].jpg")});
}

bool SaveFolderTest::allUnchecked() const
{
    for (QTreeWidgetItemIterator it(m_window->m_repairTree); *it; ++it) {
        if ((*it)->checkState(0) == Qt::Checked)
            return false;
    }
    return true;
}

void SaveFolderTest::freshDestinationFilesEveryKind()
{
    const QString d = destination();
    writeOutputs({QStringLiteral("a.jpg"), QStringLiteral("a_[T1].jpg"), QStringLiteral("b.heic"),
                  QStringLiteral("c_[T2].jpg"), QStringLiteral("raw_1.jpg")});
    addResultsRow(*m_window, QStringLiteral("a.jpg"), {QStringLiteral("a.jpg"), QStringLiteral("a_[T1].jpg")});
    QTreeWidgetItem* hidden = addResultsRow(*m_window, QStringLiteral("c.jpg"), {QStringLiteral("c_[T2].jpg")});
    hidden->child(0)->setHidden(true);
    addResultsRow(*m_window, QStringLiteral("b.HEIC"), {QStringLiteral("b.heic")});
    // A RAW input row with a check box: its own name is no output.
    QTreeWidgetItem* raw = addResultsRow(*m_window, QStringLiteral("raw.CR2"), {QStringLiteral("raw_1.jpg")});
    raw->setCheckState(0, Qt::Checked);

    ModalScript script({chooseFolder(d), [this](QWidget* modal) {
                            if (!modal->inherits("SavingFinishDlg"))
                                return false;
                            auto* link = modal->findChild<QPushButton*>(QStringLiteral("ViewSavedFiles"));
                            link->click();
                            link->click();
                            g_state.copyCounter = 7;
                            modal->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
                            return true;
                        }});
    save(*m_window, script);

    const QString out = d + QStringLiteral("/RepairedFiles/");
    QCOMPARE(readFile(out + QStringLiteral("a.jpg")), QByteArray("new:a.jpg"));
    QCOMPARE(readFile(out + QStringLiteral("Thumbnail Repaired/a_[T1].jpg")), QByteArray("new:a_[T1].jpg"));
    QCOMPARE(readFile(out + QStringLiteral("HEIC_Repaired/b.heic")), QByteArray("new:b.heic"));
    QCOMPARE(readFile(out + QStringLiteral("raw_1.jpg")), QByteArray("new:raw_1.jpg"));
    QVERIFY(!QFileInfo::exists(out + QStringLiteral("Thumbnail Repaired/c_[T2].jpg")));
    QVERIFY(!QFileInfo::exists(out + QStringLiteral("raw.CR2")));
    QCOMPARE(g_state.savedCount, quint16(4));
    QCOMPARE(m_opened, QStringList({d + QStringLiteral("/RepairedFiles"), d + QStringLiteral("/RepairedFiles")}));
    QCOMPARE(g_state.copyCounter, 0);
    QVERIFY(allUnchecked());
    QVERIFY(!m_window->SaveRepairBtn->isEnabled());
}

void SaveFolderTest::saveButtonStartsTheSave()
{
    addJpegRow();
    ModalScript script({chooseFolder(destination()), press("SavingFinishDlg", "OkBtn")});
    m_window->SaveRepairBtn->setEnabled(true);
    m_window->SaveRepairBtn->click();
    QVERIFY(script.waitUntilFinished());
    QVERIFY(QFileInfo::exists(destination() + QStringLiteral("/RepairedFiles/a.jpg")));
    // Escape would have left the counter; OK sets it back.
    QCOMPARE(g_state.copyCounter, 0);
}

void SaveFolderTest::cancelledFolderDialogChangesNothing()
{
    addJpegRow();
    ModalScript script({chooseFolder(QString())});
    save(*m_window, script);
    QTest::qWait(200);
    QVERIFY(!QFileInfo::exists(destination() + QStringLiteral("/RepairedFiles")));
    QCOMPARE(m_window->m_repairTree->topLevelItem(0)->child(0)->checkState(0), Qt::Checked);
    QCOMPARE(script.seen, QStringList({QStringLiteral("QFileDialog")}));
}

void SaveFolderTest::existingFolderOverwrite()
{
    const QString d = destination();
    QDir().mkpath(d + QStringLiteral("/RepairedFiles"));
    QDir().mkpath(d + QStringLiteral("/Copy(1)_RepairedFiles"));
    QDir().mkpath(d + QStringLiteral("/Copy(2)_RepairedFiles"));
    addJpegRow();
    QStringList fields;
    ModalScript script({chooseFolder(d), press("FolderExist", "OverwriteBtn", &fields),
                        escape("SavingFinishDlg")});
    g_state.copyCounter = 3;
    save(*m_window, script);
    QCOMPARE(fields, QStringList({QStringLiteral("FolderNameTxt=RepairedFiles RenameToText=Copy(3)_RepairedFiles")}));
    QCOMPARE(readFile(d + QStringLiteral("/RepairedFiles/a.jpg")), QByteArray("new:a.jpg"));
    QVERIFY(QFileInfo::exists(d + QStringLiteral("/RepairedFiles/Thumbnail Repaired/a_[T1].jpg")));
    QCOMPARE(g_state.overwriteFolder, 0);
    // Escape closes the saving-finished dialog without resetting the counter.
    QCOMPARE(g_state.copyCounter, 3);
}

void SaveFolderTest::existingFolderRename()
{
    const QString d = destination();
    QDir().mkpath(d + QStringLiteral("/RepairedFiles"));
    // A plain file of the first candidate's name does not block it.
    writeFile(d + QStringLiteral("/Copy(1)_RepairedFiles.txt"), "x");
    addJpegRow();
    writeOutputs({QStringLiteral("b.heic")});
    addResultsRow(*m_window, QStringLiteral("b.heic"), {QStringLiteral("b.heic")});
    QStringList fields;
    ModalScript script({chooseFolder(d), press("FolderExist", "RenameBtn", &fields),
                        press("SavingFinishDlg", "ViewSavedFiles"), press("SavingFinishDlg", "OkBtn")});
    save(*m_window, script);
    QCOMPARE(fields, QStringList({QStringLiteral("FolderNameTxt=RepairedFiles RenameToText=Copy(1)_RepairedFiles")}));
    const QString out = d + QStringLiteral("/Copy(1)_RepairedFiles/RepairedFiles/");
    QCOMPARE(readFile(out + QStringLiteral("a.jpg")), QByteArray("new:a.jpg"));
    QVERIFY(QFileInfo::exists(out + QStringLiteral("Thumbnail Repaired/a_[T1].jpg")));
    QVERIFY(QFileInfo::exists(out + QStringLiteral("HEIC_Repaired/b.heic")));
    QCOMPARE(m_opened, QStringList({d + QStringLiteral("/Copy(1)_RepairedFiles")}));
    QVERIFY(QDir(d + QStringLiteral("/RepairedFiles")).isEmpty());
}

void SaveFolderTest::existingFolderCancelled_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    // Closing the prompt agrees to nothing: the save is cancelled as well,
    // not half done with a success message.
    QTest::newRow("Escape") << true;
}

void SaveFolderTest::existingFolderCancelled()
{
    QFETCH(bool, escape);
    const QString d = destination();
    QDir().mkpath(d + QStringLiteral("/RepairedFiles"));
    writeFile(d + QStringLiteral("/RepairedFiles/a.jpg"), "old");
    addJpegRow();
    ModalScript script(
        {chooseFolder(d), escape ? mainwindowsave::escape("FolderExist") : press("FolderExist", "CancelBtn")});
    ModalRecorder messages;
    save(*m_window, script);
    QCOMPARE(repairrun::filesBelow(d + QStringLiteral("/RepairedFiles")), QStringList({QStringLiteral("a.jpg")}));
    QCOMPARE(readFile(d + QStringLiteral("/RepairedFiles/a.jpg")), QByteArray("old"));
    QCOMPARE(m_window->m_repairTree->topLevelItem(0)->child(0)->checkState(0), Qt::Checked);
    QCOMPARE(script.seen, QStringList({QStringLiteral("QFileDialog"), QStringLiteral("FolderExist")}));
    QVERIFY(messages.messages.isEmpty());
    QCOMPARE(g_state.folderCancel, 1);
    QCOMPARE(g_state.savedCount, quint16(0));
}

void SaveFolderTest::workFolderIsRefused_data()
{
    // The work folder is RepairedFiles in the program's temporary folder:
    // choosing that folder would write every output onto itself, choosing the
    // work folder would save into a folder that is emptied on exit.
    QTest::addColumn<QString>("chosen");
    QTest::newRow("its parent") << QString();
    QTest::newRow("itself") << QStringLiteral("/RepairedFiles");
}

void SaveFolderTest::workFolderIsRefused()
{
    QFETCH(QString, chosen);
    addJpegRow();
    QStringList messages;
    ModalScript script({chooseFolder(platform::tempFolder() + chosen), [&messages](QWidget* modal) {
                            if (!modal->inherits("repairFinishDialog"))
                                return false;
                            messages << modal->findChild<QLabel*>(QStringLiteral("repairedLabl"))->text();
                            modal->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
                            return true;
                        }});
    save(*m_window, script);
    QTest::qWait(200);
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages.first().contains(QStringLiteral("work folder")));
    QCOMPARE(readFile(g_state.workFolder + QStringLiteral("/a.jpg")), QByteArray("new:a.jpg"));
    QCOMPARE(m_window->m_repairTree->topLevelItem(0)->child(0)->checkState(0), Qt::Checked);
}

void SaveFolderTest::failedCopiesAreReported()
{
    // Outputs whose files have gone from the work folder cannot be copied:
    // the save says so instead of reporting success.
    addResultsRow(*m_window, QStringLiteral("gone.jpg"), {QStringLiteral("gone.jpg")});
    QStringList messages;
    ModalScript script({chooseFolder(destination()), [&messages](QWidget* modal) {
                            if (!modal->inherits("repairFinishDialog"))
                                return false;
                            messages << modal->findChild<QLabel*>(QStringLiteral("repairedLabl"))->text();
                            modal->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
                            return true;
                        }});
    save(*m_window, script);
    QTest::qWait(200);
    QCOMPARE(messages, QStringList({QStringLiteral("1 file(s) could not be saved.")}));
    QCOMPARE(g_state.savedCount, quint16(0));
    QVERIFY(!script.seen.contains(QStringLiteral("SavingFinishDlg")));
}

void SaveFolderTest::savedOutputsOfARun_data()
{
    // Inputs as "<folder>/<name>"; the run is stopped as the file of that
    // number (from 1) is taken up, or not at all; then every output the run
    // offers is saved into a new folder.
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("stopAtFile");
    QTest::addColumn<QStringList>("saved");

    QTest::newRow("two HEIC of one name") << QStringList({"one/IMG_1.heic", "two/IMG_1.heic"}) << 0
                                          << QStringList({"HEIC_Repaired/IMG_1 (2).heic", "HEIC_Repaired/IMG_1.heic"});
    QTest::newRow("two JPEG of one name") << QStringList({"one/photo.jpg", "two/photo.jpg"}) << 0
                                          << QStringList({"photo (2).jpg", "photo.jpg"});
    QTest::newRow("stopped at the second of three") << QStringList({"one/a.jpg", "one/b.jpg", "one/c.jpg"}) << 2
                                                    << QStringList({"a.jpg"});
    QTest::newRow("failed file and thumbnails only") << QStringList({"one/bad.jpg", "one/thumb.jpg"}) << 0
                                                     << QStringList({"Thumbnail Repaired/thumb_[T1].jpg"});
}

// What a run offers is what the save writes: every finished output, each
// under its own name, and nothing of a file that failed, was stopped or is
// the input itself; no copy fails, so no failure is reported.
void SaveFolderTest::savedOutputsOfARun()
{
    QFETCH(QStringList, inputs);
    QFETCH(int, stopAtFile);
    QFETCH(QStringList, saved);
    QMap<QString, QStringList> namesByFolder;
    for (const QString& input : inputs) {
        const QString folder = m_dir.path() + QLatin1Char('/') + input.section(QLatin1Char('/'), 0, 0);
        const QString name = input.section(QLatin1Char('/'), 1);
        QVERIFY(writeFileBytes(folder + QLatin1Char('/') + name, inputBytes(input)));
        namesByFolder[folder] << name;
    }
    if (stopAtFile > 0)
        mainwindowrun::stopAtProgress(*m_window, QStringLiteral("Repairing file %1 ").arg(stopAtFile));
    const QStringList folders = namesByFolder.keys();
    for (int i = 0; i + 1 < folders.size(); ++i)
        mainwindowrun::addFiles(*m_window, folders[i], namesByFolder[folders[i]]);
    QVERIFY(mainwindowrun::repairFiles(*m_window, folders.last(), namesByFolder[folders.last()]));

    ModalScript script({chooseFolder(destination())});
    ModalRecorder messages;
    save(*m_window, script);

    const QString out = destination() + QStringLiteral("/RepairedFiles/");
    QCOMPARE(repairrun::filesBelow(out), saved);
    for (const QString& file : saved)
        QCOMPARE(readFile(out + file), readFile(g_state.workFolder + QLatin1Char('/') + file));
    QCOMPARE(messages.messages,
             saved.isEmpty() ? QStringList() : QStringList({QStringLiteral("Image(s) saved successfully.")}));
    QCOMPARE(int(g_state.savedCount), saved.size());
}

QTEST_MAIN(SaveFolderTest)
#include "tst_save_folder.moc"
