#include "back_application_dlg.h"
#include "browse_repair_dlg.h"
#include "close_application_dlg.h"
#include "dialog_driver.h"
#include "exif_fixture.h"
#include "global_state.h"
#include "jpeg_fixture.h"
#include "mainwindow_run.h"
#include "my_tree_widget.h"
#include "repair_tree_columns.h"
#include "temp_file.h"
#include "update_files.h"

#include <QDir>
#include <QDirIterator>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <unistd.h>

using namespace mainwindowrun;

namespace {

enum class Answer { Yes, No, Escape };

template <typename Confirmation>
void answer(Answer choice, QString* shownText = nullptr)
{
    whenModalOf<Confirmation>([choice, shownText](Confirmation* dialog) {
        QVERIFY(dialog);
        if (shownText)
            *shownText = dialog->label_2->text();
        if (choice == Answer::Yes)
            dialog->YesBtn->click();
        else if (choice == Answer::No)
            dialog->NoBtn->click();
        else
            QTest::keyClick(dialog, Qt::Key_Escape);
    });
}

QStringList filesBelow(const QString& folder)
{
    QStringList files;
    QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << root.relativeFilePath(it.next());
    files.sort();
    return files;
}

// A second name of the same file outside the work folder, as a user keeps a
// repaired photo: the wipe deletes only the work folder's name of it.
QString outsideLink(const QString& file)
{
    const QString link = QDir::tempPath() + "/link-" + QFileInfo(file).fileName();
    QFile::remove(link);
    return ::link(QFile::encodeName(file).constData(), QFile::encodeName(link).constData()) == 0 ? link : QString();
}

const QStringList kSubfolders = {"HEIC_Repaired", "Thumbnail Repaired"};

} // namespace

Q_DECLARE_METATYPE(Answer)

class BackCloseTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void back_data();
    void back();
    void close_data();
    void close();
    void closeWipesHiddenFiles();
    void closeBeforeAnyRun();
    void closeWhenLeavingForAnotherTool_data();
    void closeWhenLeavingForAnotherTool();
    void closeDuringRun();
    void listedPhotosInWorkFolderSurvive_data();
    void listedPhotosInWorkFolderSurvive();

private:
    std::unique_ptr<BrowseRepairDlg> runOverPhoto();
    QTemporaryDir m_inputs;
};

void BackCloseTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    QVERIFY(writeFileBytes(m_inputs.filePath("cam.jpg"),
                           fixture::withExifThumbnail(fixture::realJpeg(320, 240), fixture::realJpeg(160, 120))));
    QVERIFY(writeFileBytes(m_inputs.filePath("bad.jpg"), QByteArray(3000, 'x')));
}

void BackCloseTest::init()
{
    setInterfaceLanguage(LayoutLanguage::English);
    g_state.stopRequested = 0;
    g_state.launchedRepairVideo = 0;
    g_leavingForInstaller = false;
    g_state.heicSampleMode = 0;
    g_state.jpegSampleMode = 0;
    QDir(workFolder()).removeRecursively();
}

// A shown window after a run over a photo with a thumbnail and a failed
// file, with a file of an earlier HEIC repair in the HEIC subfolder.
std::unique_ptr<BrowseRepairDlg> BackCloseTest::runOverPhoto()
{
    auto window = makeWindow();
    window->show();
    if (!repairFiles(*window, m_inputs.path(), {"cam.jpg", "bad.jpg"}))
        return nullptr;
    if (!writeFileBytes(workFolder() + "/HEIC_Repaired/old.heic", QByteArray(64, 'h')))
        return nullptr;
    return window;
}

void BackCloseTest::back_data()
{
    QTest::addColumn<Answer>("choice");
    QTest::newRow("yes") << Answer::Yes;
    QTest::newRow("no") << Answer::No;
    QTest::newRow("escape") << Answer::Escape;
}

void BackCloseTest::back()
{
    QFETCH(Answer, choice);
    auto window = runOverPhoto();
    QVERIFY(window);
    const QStringList outputs = filesBelow(workFolder());
    QVERIFY(outputs.contains("cam.jpg"));
    QVERIFY(outputs.contains("HEIC_Repaired/old.heic"));
    QVERIFY(outputs.filter("Thumbnail Repaired/").size() == 1);
    const QString link = outsideLink(workFolder() + "/cam.jpg");
    QVERIFY(!link.isEmpty());
    const QByteArray photo = readFileBytes(link);
    // Open, a file without another name shows that the wipe cut it.
    QFile lone(workFolder() + "/HEIC_Repaired/old.heic");
    QVERIFY(lone.open(QIODevice::ReadOnly));
    g_state.heicSampleMode = 1;
    // An answer left from an earlier question must not count.
    g_state.pressedButtonName = QStringLiteral("YesBtn");

    answer<BackApplicationDlg>(choice);
    window->BackBtn->click();

    if (choice != Answer::Yes) {
        QCOMPARE(window->m_repairTree->topLevelItemCount(), 2);
        QCOMPARE(window->m_buttonRecords.size(), 2);
        QVERIFY(!window->frame2->isHidden());
        QVERIFY(window->frame->isHidden());
        QCOMPARE(filesBelow(workFolder()), outputs);
        QVERIFY(QFileInfo(link).size() > 0);
        QCOMPARE(g_state.heicSampleMode, 1);
        return;
    }
    QCOMPARE(window->m_repairTree->topLevelItemCount(), 0);
    QVERIFY(window->m_buttonRecords.isEmpty());
    QVERIFY(window->frame2->isHidden());
    QVERIFY(!window->frame->isHidden());
    QCOMPARE(window->m_fileTree->topLevelItemCount(), 2);
    QVERIFY(!window->StartRepairFilesBtnN->isHidden());
    QVERIFY(window->StartRepairFilesBtnN->isEnabled());
    QVERIFY(window->UpdateBtn->isEnabled());
    QCOMPARE(g_state.heicSampleMode, 0);
    QCOMPARE(g_state.jpegSampleMode, 0);
    QCOMPARE(g_state.helpAddFiles, 1);
    QCOMPARE(g_state.resultsPageShown, 0);
    QVERIFY(g_state.producedFiles.isEmpty());

    QVERIFY(filesBelow(workFolder()).isEmpty());
    for (const QString& folder : kSubfolders)
        QVERIFY(QFileInfo(workFolder() + "/" + folder).isDir());
    QCOMPARE(readFileBytes(link), photo);
    QCOMPARE(lone.size(), qint64(0));

    // A second repair of the same list works as the first.
    RunWatch watch(*window);
    window->StartRepairFilesBtnN->click();
    QVERIFY(watch.waitForEnd());
    QCOMPARE(window->m_repairTree->topLevelItemCount(), 2);
    QCOMPARE(window->m_repairTree->topLevelItem(0)->text(ColButtonId), QStringLiteral("10000"));
}

void BackCloseTest::close_data()
{
    QTest::addColumn<Answer>("choice");
    QTest::newRow("yes") << Answer::Yes;
    QTest::newRow("no") << Answer::No;
}

void BackCloseTest::close()
{
    QFETCH(Answer, choice);
    auto window = runOverPhoto();
    QVERIFY(window);
    const QStringList outputs = filesBelow(workFolder());
    const QString link = outsideLink(workFolder() + "/cam.jpg");
    QVERIFY(!link.isEmpty());
    const QByteArray photo = readFileBytes(link);
    QFile lone(workFolder() + "/HEIC_Repaired/old.heic");
    QVERIFY(lone.open(QIODevice::ReadOnly));

    QString question;
    answer<CloseApplicationDlg>(choice, &question);
    window->CloseBtn_2->click();

    QCOMPARE(question, QStringLiteral("Are you sure you want to exit?"));
    if (choice == Answer::No) {
        QVERIFY(window->isVisible());
        QCOMPARE(filesBelow(workFolder()), outputs);
        QVERIFY(!g_state.workFolder.isEmpty());
        return;
    }
    QVERIFY(!window->isVisible());
    QVERIFY(!QFileInfo::exists(workFolder()));
    QCOMPARE(readFileBytes(link), photo);
    QCOMPARE(lone.size(), qint64(0));
    QVERIFY(g_state.workFolder.isEmpty());
    QVERIFY(g_state.inputPath.isEmpty());
    QCOMPARE(g_state.runActive, 0);
    QCOMPARE(g_state.thumbnailsEnabled, 2);
    QVERIFY(!g_state.resultHead);
    QVERIFY(!g_state.resultCursor);
}

// Outputs of inputs whose names start with a dot are work files like any
// other: they go, and the work folder with them.
void BackCloseTest::closeWipesHiddenFiles()
{
    auto window = runOverPhoto();
    QVERIFY(window);
    QVERIFY(writeFileBytes(workFolder() + "/.hidden.jpg", "output"));
    QVERIFY(writeFileBytes(workFolder() + "/Thumbnail Repaired/.hidden_[T1].jpg", "thumbnail"));

    answer<CloseApplicationDlg>(Answer::Yes);
    window->CloseBtn_2->click();

    QVERIFY(!window->isVisible());
    QVERIFY(!QFileInfo::exists(workFolder()));
}

void BackCloseTest::closeBeforeAnyRun()
{
    const QString foreign = workFolder() + "/foreign.txt";
    QVERIFY(writeFileBytes(foreign, "not ours"));
    g_state.workFolder.clear();
    auto window = makeWindow();
    window->show();

    answer<CloseApplicationDlg>(Answer::Yes);
    window->CloseBtn->click();

    QVERIFY(!window->isVisible());
    QCOMPARE(readFileBytes(foreign), QByteArray("not ours"));
}

void BackCloseTest::closeWhenLeavingForAnotherTool_data()
{
    QTest::addColumn<bool>("installer");
    QTest::newRow("another tool") << false;
    QTest::newRow("the update's installer") << true;
}

void BackCloseTest::closeWhenLeavingForAnotherTool()
{
    QFETCH(bool, installer);
    auto window = runOverPhoto();
    QVERIFY(window);
    if (installer)
        g_leavingForInstaller = true;
    else
        g_state.launchedRepairVideo = 1;
    // The question would run inside close(); a driver that answers it shows
    // afterwards whether it was asked.
    ModalDriver question(QStringLiteral("exit question"), [](QWidget* modal) {
        auto* dialog = qobject_cast<CloseApplicationDlg*>(modal);
        if (dialog)
            dialog->NoBtn->click();
        return dialog != nullptr;
    });

    QVERIFY(window->close());

    QVERIFY(!question.answered());
    QVERIFY(!window->isVisible());
    QVERIFY(!QFileInfo::exists(workFolder()));
}

// Yes while the worker is busy: the close stops the run, waits for it, and
// only then wipes; the window does not show the end of the run any more.
void BackCloseTest::closeDuringRun()
{
    QTemporaryDir dir;
    QVERIFY(writeFileBytes(dir.filePath("a.jpg"), fixture::realJpeg(24, 24)));
    QVERIFY(writeFileBytes(dir.filePath("b.jpg"), fixture::realJpeg(24, 24)));
    auto window = makeWindow();
    window->show();
    addFiles(*window, dir.path(), {"a.jpg", "b.jpg"});
    QSemaphore gate;
    QSignalSpy progress(window.get(), &BrowseRepairDlg::ShowProgressLabel);
    holdAtProgress(*window, QStringLiteral("Repairing file 1 "), gate);
    g_state.helpPreview = 0;
    window->StartRepairFilesBtnN->click();
    QVERIFY(reachedProgress(progress, 1));

    // The worker stays in its first file until the close has asked it to
    // stop, so the close always meets a busy run.
    std::unique_ptr<QThread> opener(QThread::create([&gate] {
        QDeadlineTimer bound(ModalDriver::kBoundMs);
        while (g_state.stopRequested == 0 && !bound.hasExpired())
            QThread::msleep(10);
        gate.release();
    }));
    answer<CloseApplicationDlg>(Answer::Yes);
    opener->start();
    window->CloseBtn_2->click();
    QVERIFY2(opener->wait(ModalDriver::kBoundMs), "the close never asked the run to stop");

    QVERIFY(window->m_repairThread.isFinished());
    QVERIFY(!window->isVisible());
    QVERIFY(!QFileInfo::exists(workFolder() + "/b.jpg"));
    QTest::qWait(300);
    QCOMPARE(g_state.helpPreview, 0);
    QVERIFY(!QApplication::activeModalWidget());
}

void BackCloseTest::listedPhotosInWorkFolderSurvive_data()
{
    QTest::addColumn<bool>("back"); // false: close
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("output");
    QTest::newRow("Back, work folder") << true << "" << "mine (2).jpg";
    QTest::newRow("Back, Thumbnail Repaired") << true << "Thumbnail Repaired" << "mine.jpg";
    QTest::newRow("Close, HEIC_Repaired") << false << "HEIC_Repaired" << "mine.jpg";
    QTest::newRow("Close, work folder") << false << "" << "mine (2).jpg";
}

// Photos added from the work folder (one repaired, one left unchecked in the
// list) are the user's: the run, Back and the close wipe everything else
// there, never them.
void BackCloseTest::listedPhotosInWorkFolderSurvive()
{
    QFETCH(bool, back);
    QFETCH(QString, folder);
    QFETCH(QString, output);
    const QString prefix = folder.isEmpty() ? QString() : folder + "/";
    const QString inputs = workFolder() + "/" + prefix;
    const QByteArray mine = fixture::realJpeg(40, 30);
    const QByteArray other = fixture::realJpeg(24, 24);
    QVERIFY(writeFileBytes(inputs + "mine.jpg", mine));
    QVERIFY(writeFileBytes(inputs + "other.jpg", other));
    QVERIFY(writeFileBytes(workFolder() + "/Thumbnail Repaired/old_[T1].jpg", "an earlier run's"));
    auto window = makeWindow();
    window->show();
    addFiles(*window, inputs, {"mine.jpg", "other.jpg"});
    window->m_fileTree->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    RunWatch watch(*window);
    window->StartRepairFilesBtnN->click();
    QVERIFY(watch.waitForEnd());
    const QStringList listed = {prefix + "mine.jpg", prefix + "other.jpg"};
    QStringList afterRun = listed + QStringList{output};
    afterRun.sort();
    QCOMPARE(filesBelow(workFolder()), afterRun);

    if (back) {
        answer<BackApplicationDlg>(Answer::Yes);
        window->BackBtn->click();
        QVERIFY(!window->frame->isHidden());
    } else {
        answer<CloseApplicationDlg>(Answer::Yes);
        window->CloseBtn_2->click();
        QVERIFY(!window->isVisible());
    }

    QCOMPARE(filesBelow(workFolder()), listed);
    QCOMPARE(readFileBytes(inputs + "mine.jpg"), mine);
    QCOMPARE(readFileBytes(inputs + "other.jpg"), other);
}

QTEST_MAIN(BackCloseTest)
#include "tst_back_close.moc"
