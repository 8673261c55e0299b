#include "advanced_repair_dlg.h"
#include "browse_repair_dlg.h"
#include "custom_button.h"
#include "dialog_driver.h"
#include "exif_fixture.h"
#include "global_state.h"
#include "heic_fixture.h"
#include "heic_photo.h"
#include "jpeg_fixture.h"
#include "mainwindow_run.h"
#include "my_tree_widget.h"
#include "preview_pictures.h"
#include "raw_fixture.h"
#include "reference_file_dlg.h"
#include "repair_finish_dialog.h"
#include "repair_run.h"
#include "repair_tree_columns.h"
#include "stop_dlg.h"
#include "temp_file.h"

#include <QApplication>
#include <QDir>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTreeWidgetItemIterator>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

using namespace mainwindowrun;

namespace {

QString writeJpeg(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    return writeFileBytes(path, bytes) ? path : QString();
}

QByteArray garbage()
{
    return QByteArray(3000, 'x');
}

// The file rows' statuses, in tree order.
QStringList fileStatuses(QTreeWidget* tree)
{
    QStringList statuses;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        statuses << tree->topLevelItem(i)->text(ColStatus);
    return statuses;
}

// Text of each file row's link, with "-" for a hidden one and "(off)" for a
// disabled one.
QStringList linkStates(const BrowseRepairDlg& window)
{
    QStringList states;
    for (const ButtonRecord& record : window.m_buttonRecords) {
        const CustomButton* link = record.linkButton;
        if (link->isHidden())
            states << QStringLiteral("-");
        else
            states << link->text() + (link->isEnabled() ? QString() : QStringLiteral("(off)"));
    }
    return states;
}

bool hasCheckBox(const QTreeWidgetItem* row)
{
    return row->data(ColName, Qt::CheckStateRole).isValid();
}

} // namespace

Q_DECLARE_METATYPE(LayoutLanguage)

class RepairRunTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void runOverJpegs();
    void onlyCheckedFilesRun();
    void thumbnailsBecomeRows();
    void failedMainImageKeepsThumbnail_data();
    void failedMainImageKeepsThumbnail();
    void heicFiles();
    void linkAtSubfolderNameFailsTheRow_data();
    void linkAtSubfolderNameFailsTheRow();
    void rawPreviewTypes_data();
    void rawPreviewTypes();
    void singleFailedFile();
    void pipesWithPhotoNamesFailAtOnce();
    void noCheckedFile();
    void earlierOutputsWiped();
    void inputInWorkFolderKept();
    void stopDuringRun_data();
    void stopDuringRun();
    void runEndClosesStopQuestion();
    void failedRowsAndLinks_data();
    void failedRowsAndLinks();
    void closingWaitsForRun();
    void sampleRunStartSignal();
    void linkWidths_data();
    void linkWidths();
    void linkPositionOutsideRecords();
    void completionPicture_data();
    void completionPicture();
};

void RepairRunTest::init()
{
    setInterfaceLanguage(LayoutLanguage::English);
    g_state.stopRequested = 0;
}

void RepairRunTest::runOverJpegs()
{
    QTemporaryDir dir;
    writeJpeg(dir, "good.jpg", fixture::realJpeg(64, 48));
    writeJpeg(dir, "bad.jpg", garbage());
    QByteArray cut = fixture::realJpeg(80, 60);
    cut.truncate(cut.size() / 2);
    writeJpeg(dir, "cut.jpg", cut);
    auto window = makeWindow();
    addFiles(*window, dir.path(), {"good.jpg", "bad.jpg", "cut.jpg"});
    RunWatch watch(*window);
    window->StartRepairFilesBtnN->click();
    QVERIFY(watch.waitForEnd());

    QCOMPARE(watch.completed.count(), 1);
    QCOMPARE(watch.aborted.count(), 0);
    QCOMPARE(watch.progressTexts(), QStringList({"Repairing file 1 of 3 / 33 %", "Repairing file 2 of 3 / 66 %",
                                                 "Repairing file 3 of 3 / 100 %"}));
    QCOMPARE(watch.closer.messages.size(), 1);
    QVERIFY(watch.closer.messages[0].startsWith("Repair process completed.\n\nThumbnails are listed"));

    QTreeWidget* tree = window->m_repairTree;
    QCOMPARE(tree->topLevelItemCount(), 3);
    QCOMPARE(fileStatuses(tree), QStringList({"5", "2", "5"}));
    QCOMPARE(window->m_buttonRecords.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QTreeWidgetItem* row = tree->topLevelItem(i);
        QCOMPARE(row->text(ColButtonId), QString::number(10000 + i));
        QCOMPARE(row->text(ColFileRow), QStringLiteral("1"));
        QCOMPARE(window->m_buttonRecords[i].id, quint32(10000 + i));
        QCOMPARE(QString::fromStdString(window->m_buttonRecords[i].fileName), row->text(ColName));
        QVERIFY(!hasCheckBox(row));
    }
    QCOMPARE(tree->topLevelItem(1)->childCount(), 0);
    for (int i : {0, 2}) {
        QTreeWidgetItem* file = tree->topLevelItem(i);
        QCOMPARE(file->childCount(), 1);
        QVERIFY(file->isExpanded());
        QTreeWidgetItem* output = file->child(0);
        QCOMPARE(output->text(ColName), file->text(ColName));
        QCOMPARE(output->text(ColType), QStringLiteral("Repaired"));
        QCOMPARE(output->text(ColStatus), QStringLiteral("4"));
        QCOMPARE(output->checkState(ColName), Qt::Checked);
        QVERIFY(QFileInfo::exists(workFolder() + "/" + output->text(ColName)));
    }
    QCOMPARE(tree->topLevelItem(0)->child(0)->text(ColResolution), QStringLiteral("48x64"));
    QCOMPARE(tree->topLevelItem(2)->child(0)->text(ColResolution), QStringLiteral("60x80"));

    QCOMPARE(linkStates(*window), QStringList({"-", "Advance Repair", "-"}));
    const CustomButton* offered = window->m_buttonRecords[1].linkButton;
    QCOMPARE(offered->palette().color(QPalette::ButtonText), QColor(Qt::blue));
    QVERIFY(offered->font().underline());

    QVERIFY(window->SaveRepairBtn->isEnabled());
    QVERIFY(!window->SaveRepairBtn->isHidden());
    QVERIFY(window->StopRepairProcessBtn->isHidden());
    QVERIFY(window->progressBar->isHidden());
    QVERIFY(tree->isEnabled());
    QVERIFY(window->BackBtn->isEnabled());
    QVERIFY(window->checkBox1_2->isEnabled());
    QVERIFY(window->checkBox1_2->isChecked());
    QVERIFY(window->ThumbChkbx->isEnabled());
    QVERIFY(window->m_resultsCheckable);
    QCOMPARE(window->progressBar->maximum(), 3);
    QCOMPARE(window->progressBar->value(), 3);
    QCOMPARE(window->label->text(), QStringLiteral("Repair process completed."));
    QVERIFY(window->frame->isHidden());
    QCOMPARE(g_state.runActive, 0);
    QCOMPARE(g_state.helpRepair, 0);
}

void RepairRunTest::onlyCheckedFilesRun()
{
    QTemporaryDir dir;
    const QStringList names = {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"};
    for (const QString& name : names)
        writeJpeg(dir, name, fixture::realJpeg(32, 32));
    auto window = makeWindow();
    addFiles(*window, dir.path(), names);
    window->m_fileTree->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    window->m_fileTree->topLevelItem(3)->setCheckState(0, Qt::Unchecked);
    RunWatch watch(*window);
    window->StartRepairFilesBtnN->click();
    QVERIFY(watch.waitForEnd());

    QTreeWidget* tree = window->m_repairTree;
    QCOMPARE(window->m_repairRowCount, 3u);
    QStringList rows;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        rows << tree->topLevelItem(i)->text(ColName) + "=" + tree->topLevelItem(i)->text(ColButtonId);
    QCOMPARE(rows, QStringList({"a.jpg=10000", "c.jpg=10001", "e.jpg=10002"}));
    QCOMPARE(QDir(workFolder()).entryList(QDir::Files), QStringList({"a.jpg", "c.jpg", "e.jpg"}));
    QCOMPARE(watch.progressTexts().last(), QStringLiteral("Repairing file 3 of 3 / 100 %"));
}

void RepairRunTest::thumbnailsBecomeRows()
{
    QTemporaryDir dir;
    writeJpeg(dir, "cam.jpg", fixture::withExifThumbnail(fixture::realJpeg(640, 480), fixture::realJpeg(160, 120)));
    auto window = makeWindow();
    QVERIFY(repairFiles(*window, dir.path(), {"cam.jpg"}));

    QTreeWidgetItem* file = window->m_repairTree->topLevelItem(0);
    QCOMPARE(file->text(ColStatus), QStringLiteral("5"));
    QCOMPARE(file->childCount(), 2);
    QCOMPARE(file->child(0)->text(ColType), QStringLiteral("Repaired"));
    QCOMPARE(file->child(0)->text(ColResolution), QStringLiteral("480x640"));
    QTreeWidgetItem* thumbnail = file->child(1);
    QCOMPARE(thumbnail->text(ColType), QStringLiteral("Thumbnail"));
    QVERIFY(thumbnail->text(ColName).contains("_[T1]"));
    QCOMPARE(thumbnail->text(ColResolution), QStringLiteral("120x160"));
    QCOMPARE(thumbnail->text(ColStatus), QStringLiteral("4"));
    QVERIFY(QFileInfo::exists(workFolder() + "/Thumbnail Repaired/" + thumbnail->text(ColName)));
    QCOMPARE(linkStates(*window), QStringList({"-"}));
}

void RepairRunTest::failedMainImageKeepsThumbnail_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("resolution"); // of the one image listed

    // The main image has lost its frame header, so it and its salvage fail;
    // the embedded thumbnail is still repaired.
    QByteArray frameLost = fixture::withExifThumbnail(fixture::realJpeg(320, 240), fixture::realJpeg(160, 120));
    const int frame = frameLost.lastIndexOf(QByteArray("\xFF\xC0", 2));
    frameLost[frame + 1] = char(0xFE);
    QTest::newRow("frame header lost: its EXIF thumbnail") << frameLost << QString("120x160");

    // The header is wiped up to the scan: the salvage finds only the preview
    // behind the photo, and lists it as a thumbnail, never as the photo.
    const QByteArray photo = fixture::realJpeg(640, 480);
    QByteArray headerWiped = photo + fixture::realJpeg(240, 180);
    const int sos = fixture::markerOffset(photo, 0xDA);
    headerWiped.replace(0, sos, QByteArray(sos, '\0'));
    QTest::newRow("header wiped: the preview behind it") << headerWiped << QString("180x240");
}

// A photo that is not repaired while a smaller image of it is: the file
// stays failed with its link offered, and the smaller image is listed as a
// thumbnail and can be saved.
void RepairRunTest::failedMainImageKeepsThumbnail()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, resolution);
    QTemporaryDir dir;
    writeJpeg(dir, "cam.jpg", bytes);
    auto window = makeWindow();
    QVERIFY(repairFiles(*window, dir.path(), {"cam.jpg"}));

    QTreeWidgetItem* file = window->m_repairTree->topLevelItem(0);
    QCOMPARE(file->text(ColStatus), QStringLiteral("2"));
    QCOMPARE(file->childCount(), 1);
    QCOMPARE(file->child(0)->text(ColType), QStringLiteral("Thumbnail"));
    QCOMPARE(file->child(0)->text(ColName), QStringLiteral("cam_[T1].jpg"));
    QCOMPARE(file->child(0)->text(ColResolution), resolution);
    QCOMPARE(linkStates(*window), QStringList({"Advance Repair"}));
    QVERIFY(window->SaveRepairBtn->isEnabled());
    QVERIFY(!QFileInfo::exists(workFolder() + "/cam.jpg"));
}

void RepairRunTest::heicFiles()
{
    QTemporaryDir dir;
    const HeicPhoto known = makeHeicPhoto(HeicBoxLayout::MetaFirst, 1);
    QVERIFY2(known.error.isEmpty(), qPrintable(known.error));
    HeicFixtureRecipe unknown = idrSliceRecipe(HeicBoxLayout::MetaFirst, 48, 52);
    unknown.units = idrSlices(47);
    QVERIFY(writeFileBytes(dir.filePath("known.heic"), known.bytes));
    QVERIFY(writeFileBytes(dir.filePath("unknown.HEIC"), buildHeicFixture(unknown).bytes));
    auto window = makeWindow();
    QVERIFY(repairFiles(*window, dir.path(), {"known.heic", "unknown.HEIC"}));

    QTreeWidget* tree = window->m_repairTree;
    QCOMPARE(fileStatuses(tree), QStringList({"5", "2"}));
    QTreeWidgetItem* output = tree->topLevelItem(0)->child(0);
    QVERIFY(output);
    QCOMPARE(output->text(ColName), QStringLiteral("known.heic"));
    QCOMPARE(output->text(ColType), QStringLiteral("Repaired"));
    QCOMPARE(output->text(ColResolution), QString());
    QCOMPARE(output->text(ColStatus), QStringLiteral("4"));
    QVERIFY(QFileInfo::exists(workFolder() + "/HEIC_Repaired/known.heic"));
    QCOMPARE(tree->topLevelItem(1)->childCount(), 0);
    QCOMPARE(linkStates(*window), QStringList({"-", "Advance Repair"}));
}

void RepairRunTest::linkAtSubfolderNameFailsTheRow_data()
{
    QTest::addColumn<QString>("subfolder");
    QTest::addColumn<QString>("input");
    QTest::newRow("thumbnails") << "Thumbnail Repaired" << "cam.jpg";
    QTest::newRow("rebuilt HEIC files") << "HEIC_Repaired" << "known.heic";
}

// A link of the same user stands at a subfolder's name once the run has
// emptied the work folder: nothing is written through it, and the file's
// row fails.
void RepairRunTest::linkAtSubfolderNameFailsTheRow()
{
    QFETCH(QString, subfolder);
    QFETCH(QString, input);
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    if (input.endsWith(".heic")) {
        const HeicPhoto known = makeHeicPhoto(HeicBoxLayout::MetaFirst, 1);
        QVERIFY2(known.error.isEmpty(), qPrintable(known.error));
        QVERIFY(writeFileBytes(dir.filePath(input), known.bytes));
    } else {
        writeJpeg(dir, input, fixture::withExifThumbnail(fixture::realJpeg(640, 480), fixture::realJpeg(160, 120)));
    }
    auto window = makeWindow();
    const QString link = workFolder() + QLatin1Char('/') + subfolder;
    bool linked = false;
    connect(
        window.get(), &BrowseRepairDlg::ShowProgressLabel, window.get(),
        [&](const QString& text) {
            if (!text.startsWith("Repairing file 1 "))
                return;
            QDir(link).removeRecursively();
            linked = QFile::link(elsewhere.path(), link);
        },
        Qt::DirectConnection);
    QVERIFY(repairFiles(*window, dir.path(), {input}));

    QVERIFY(linked);
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    QCOMPARE(fileStatuses(window->m_repairTree), QStringList({"2"}));
    QVERIFY(QFile::remove(link));
}

void RepairRunTest::rawPreviewTypes_data()
{
    QTest::addColumn<int>("firstWidth");
    QTest::addColumn<int>("secondWidth");
    QTest::addColumn<QStringList>("types");
    QTest::newRow("wider first") << 40 << 16 << QStringList({"Extracted", "Thumbnail"});
    QTest::newRow("wider second") << 16 << 40 << QStringList({"Thumbnail", "Extracted"});
    QTest::newRow("equally wide") << 24 << 24 << QStringList({"Extracted", "Extracted"});
}

// A RAW file made of two JFIF previews yields two rows; the wider preview is
// the extracted image and the narrower one its thumbnail.
void RepairRunTest::rawPreviewTypes()
{
    QFETCH(int, firstWidth);
    QFETCH(int, secondWidth);
    QFETCH(QStringList, types);
    QTemporaryDir dir;
    const QByteArray file = fixtureJpeg(JpegStart::App0, 1, firstWidth, 16) +
                            fixtureJpeg(JpegStart::App0, 2, secondWidth, 24) + QByteArray(20, '\x5A');
    QVERIFY(writeFileBytes(dir.filePath("IMG.DNG"), file));
    auto window = makeWindow();
    QVERIFY(repairFiles(*window, dir.path(), {"IMG.DNG"}));

    QTreeWidgetItem* row = window->m_repairTree->topLevelItem(0);
    QCOMPARE(row->text(ColStatus), QStringLiteral("5"));
    QCOMPARE(row->childCount(), 2);
    QCOMPARE(QStringList({row->child(0)->text(ColType), row->child(1)->text(ColType)}), types);
    QCOMPARE(row->child(0)->text(ColResolution), QStringLiteral("16x%1").arg(firstWidth));
    QCOMPARE(row->child(1)->text(ColResolution), QStringLiteral("24x%1").arg(secondWidth));
    for (int i = 0; i < 2; ++i)
        QCOMPARE(row->child(i)->text(ColStatus), QStringLiteral("4"));
    QCOMPARE(linkStates(*window), QStringList({"-"}));
}

void RepairRunTest::singleFailedFile()
{
    QTemporaryDir dir;
    writeJpeg(dir, "bad.jpg", garbage());
    auto window = makeWindow();
    addFiles(*window, dir.path(), {"bad.jpg"});
    RunWatch watch(*window);
    window->StartRepairFilesBtnN->click();
    QVERIFY(watch.waitForEnd());

    QCOMPARE(watch.progressTexts(), QStringList({"Repairing file 1 of 1 / 100 %"}));
    QCOMPARE(window->progressBar->maximum(), 1);
    QCOMPARE(window->progressBar->value(), 1);
    QCOMPARE(fileStatuses(window->m_repairTree), QStringList({"2"}));
    QCOMPARE(linkStates(*window), QStringList({"Advance Repair"}));
    QVERIFY(!window->SaveRepairBtn->isEnabled());
}

// Pipes named like a JPEG and a RAW file end failed, and the run goes on to
// the next file instead of waiting in their open.
void RepairRunTest::pipesWithPhotoNamesFailAtOnce()
{
    QTemporaryDir dir;
    for (const char* name : {"pipe.jpg", "pipe.CR2"})
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(name)).constData(), 0600), 0);
    writeJpeg(dir, "ok.jpg", fixture::realJpeg(16, 16));
    auto window = makeWindow();
    addFiles(*window, dir.path(), {"pipe.jpg", "pipe.CR2", "ok.jpg"});
    RunWatch watch(*window);
    window->StartRepairFilesBtnN->click();
    QVERIFY(watch.waitForEnd());

    QCOMPARE(fileStatuses(window->m_repairTree), QStringList({"2", "2", "5"}));
}

void RepairRunTest::noCheckedFile()
{
    QTemporaryDir dir;
    writeJpeg(dir, "a.jpg", fixture::realJpeg(16, 16));
    auto window = makeWindow();
    addFiles(*window, dir.path(), {"a.jpg"});
    window->m_fileTree->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    RunWatch watch(*window);
    window->StartRepairFilesBtnN->click();
    QVERIFY(watch.waitForEnd());

    QCOMPARE(window->m_repairTree->topLevelItemCount(), 0);
    QCOMPARE(window->m_repairRowCount, 0u);
    QCOMPARE(watch.progress.count(), 0);
    QCOMPARE(watch.completed.count(), 1);
    QCOMPARE(watch.closer.messages.size(), 1);
    QVERIFY(!window->SaveRepairBtn->isEnabled());
}

void RepairRunTest::earlierOutputsWiped()
{
    QTemporaryDir dir;
    writeJpeg(dir, "new.jpg", fixture::realJpeg(16, 16));
    QVERIFY(writeFileBytes(workFolder() + "/old.jpg", fixture::realJpeg(8, 8)));
    QVERIFY(writeFileBytes(workFolder() + "/Thumbnail Repaired/old_[T1].jpg", fixture::realJpeg(8, 8)));
    // The output of an input whose name starts with a dot.
    QVERIFY(writeFileBytes(workFolder() + "/.hidden.jpg", fixture::realJpeg(8, 8)));
    auto window = makeWindow();
    QVERIFY(repairFiles(*window, dir.path(), {"new.jpg"}));

    QCOMPARE(QDir(workFolder()).entryList(QDir::Files | QDir::Hidden), QStringList({"new.jpg"}));
    QVERIFY(!QFileInfo::exists(workFolder() + "/Thumbnail Repaired/old_[T1].jpg"));
}

// A file taken from the work folder itself is an input like any other: the
// wipe at the start of the run must not destroy it.
void RepairRunTest::inputInWorkFolderKept()
{
    const QByteArray bytes = fixture::realJpeg(16, 16);
    const QString input = workFolder() + "/Thumbnail Repaired/kept.jpg";
    QVERIFY(writeFileBytes(input, bytes));
    auto window = makeWindow();
    QVERIFY(repairFiles(*window, workFolder() + "/Thumbnail Repaired", {"kept.jpg"}));

    QCOMPARE(readFileBytes(input), bytes);
    QCOMPARE(fileStatuses(window->m_repairTree), QStringList({"5"}));
    QVERIFY(QFileInfo::exists(workFolder() + "/kept.jpg"));
}

void RepairRunTest::stopDuringRun_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("statuses");
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<bool>("saveEnabled");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("workFiles");

    // Files: a damaged one, then three good ones; the question is answered
    // while the third is about to enter the engine.
    QTest::newRow("yes") << "OkBtn_2" << QStringList({"6", "5", "1", "1"})
                         << QStringList({"Advance Repair", "-", "-", "-"}) << true << true
                         << "Repair process stopped." << QStringList({"b.jpg"});
    QTest::newRow("no") << "OkBtn" << QStringList({"2", "5", "5", "5"})
                        << QStringList({"Advance Repair", "-", "-", "-"}) << false << true
                        << "Repair process completed." << QStringList({"b.jpg", "c.jpg", "d.jpg"});
}

void RepairRunTest::stopDuringRun()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, statuses);
    QFETCH(QStringList, links);
    QFETCH(bool, stopped);
    QFETCH(bool, saveEnabled);
    QFETCH(QString, heading);
    QFETCH(QStringList, workFiles);

    QTemporaryDir dir;
    writeJpeg(dir, "a.jpg", garbage());
    for (const char* name : {"b.jpg", "c.jpg", "d.jpg"})
        writeJpeg(dir, name, fixture::realJpeg(24, 24));
    auto window = makeWindow();
    addFiles(*window, dir.path(), {"a.jpg", "b.jpg", "c.jpg", "d.jpg"});

    // Hold the worker at the third file's progress text until the question
    // has been answered.
    QSignalSpy progressTexts(window.get(), &BrowseRepairDlg::ShowProgressLabel);
    QSemaphore answered;
    holdAtProgress(*window, QStringLiteral("Repairing file 3 "), answered);
    RunWatch watch(*window);
    window->StartRepairFilesBtnN->click();
    QVERIFY(reachedProgress(progressTexts, 3));
    QVERIFY(!window->StopRepairProcessBtn->isHidden());
    whenModal([answer](QWidget* modal) {
        auto* question = qobject_cast<StopDlg*>(modal);
        QVERIFY(question);
        question->findChild<QPushButton*>(answer)->click();
    });
    window->StopRepairProcessBtn->click();
    answered.release();
    QVERIFY(watch.waitForEnd());

    QCOMPARE(watch.aborted.count(), stopped ? 1 : 0);
    QCOMPARE(watch.completed.count(), stopped ? 0 : 1);
    QCOMPARE(watch.closer.messages.size(), 1);
    // The page and the message tell how the run ended, and so do the rows.
    QVERIFY2(watch.closer.messages[0].startsWith(heading), qPrintable(watch.closer.messages[0]));
    QCOMPARE(window->label->text(), heading);
    QCOMPARE(fileStatuses(window->m_repairTree), statuses);
    QCOMPARE(linkStates(*window), links);
    QVERIFY(!window->StopRepairProcessBtn->isVisible());
    QCOMPARE(window->SaveRepairBtn->isEnabled(), saveEnabled);
    QCOMPARE(QDir(workFolder()).entryList(QDir::Files), workFiles);
    // Only finished outputs can be picked for the save: no file row, and no
    // stopped row, has a check box.
    for (int i = 0; i < 4; ++i)
        QVERIFY(!hasCheckBox(window->m_repairTree->topLevelItem(i)));
    QCOMPARE(window->m_repairTree->topLevelItem(1)->child(0)->checkState(ColName), Qt::Checked);
    // A stopped run's message has the stopped title and, in place of the
    // tick, a picture that claims no success; the files it never reached say
    // so as plain text, not as a link.
    QCOMPARE(watch.closer.titles[0], stopped ? QStringLiteral("Repair Stopped") : QStringLiteral("Repair Complete"));
    const QImage tick = repairFinishDialog(nullptr).label_2->pixmap(Qt::ReturnByValue).toImage();
    QVERIFY(!tick.isNull());
    QVERIFY(!watch.closer.pictures[0].isNull());
    QCOMPARE(watch.closer.pictures[0] == tick, !stopped);
    for (int i = 2; i < 4; ++i)
        QCOMPARE(window->m_repairTree->topLevelItem(i)->text(ColType),
                 stopped ? QStringLiteral("Not processed") : QString());
}

// The run ends while the stop question is open: the question closes as if
// answered No before the completion message shows, and does not come back
// for a run that has finished.
void RepairRunTest::runEndClosesStopQuestion()
{
    QTemporaryDir dir;
    writeJpeg(dir, "a.jpg", fixture::realJpeg(24, 24));
    writeJpeg(dir, "b.jpg", fixture::realJpeg(24, 24));
    auto window = makeWindow();
    addFiles(*window, dir.path(), {"a.jpg", "b.jpg"});
    QSignalSpy progressTexts(window.get(), &BrowseRepairDlg::ShowProgressLabel);
    QSemaphore questionShown;
    holdAtProgress(*window, QStringLiteral("Repairing file 2 "), questionShown);
    QSignalSpy completed(&window->m_repairThread, &QRepairThread::ProcessCompleted);
    QSignalSpy aborted(&window->m_repairThread, &QRepairThread::AbortProcess);
    window->StartRepairFilesBtnN->click();
    QVERIFY(reachedProgress(progressTexts, 2));

    bool questionUnderMessage = true;
    bool questionCameBack = false;
    StopDlg* question = window->m_stopDlg;
    // The question is left open; the worker finishes the last file meanwhile.
    whenModalOf<StopDlg>([&questionShown](StopDlg*) { questionShown.release(); });
    whenModalOf<repairFinishDialog>([&](repairFinishDialog* message) {
        questionUnderMessage = question->isVisible();
        message->OkBtn->click();
        // Should the question still be open, answer it so the test goes on.
        questionCameBack = question->isVisible();
        if (questionCameBack)
            question->OkBtn->click();
    });
    window->StopRepairProcessBtn->click();
    QVERIFY2(window->m_repairThread.wait(ModalDriver::kBoundMs), "the repair worker did not finish");

    QVERIFY(!questionUnderMessage);
    QVERIFY(!questionCameBack);
    QVERIFY(!question->isVisible());
    QCOMPARE(completed.count(), 1);
    QCOMPARE(aborted.count(), 0);
    QCOMPARE(g_state.stopRequested.load(), 0);
    QCOMPARE(window->label->text(), QStringLiteral("Repair process completed."));
    QCOMPARE(fileStatuses(window->m_repairTree), QStringList({"5", "5"}));
    QCOMPARE(QDir(workFolder()).entryList(QDir::Files), QStringList({"a.jpg", "b.jpg"}));
}

void RepairRunTest::failedRowsAndLinks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<QStringList>("workFiles");

    // A HEIC whose layout is known but whose rebuild writes nothing (no
    // header template for its handler box) fails like any failed photo.
    HeicFixtureRecipe noTemplate = idrSliceRecipe(HeicBoxLayout::MetaFirst, 48, 52);
    noTemplate.hdlrSize = 35;
    QTest::newRow("HEIC rebuild fails") << buildHeicFixture(noTemplate).bytes << "IMG_1.heic" << "2"
                                        << QStringList({"Advance Repair", "Advance Repair"}) << QStringList();

    // Only the thumbnail decodes: the main image fails, with its advanced
    // repair offered, and the thumbnail stays listed.
    const QByteArray thumbnailOnly =
        fixture::withThumbnailOnly(fixture::realJpeg(320, 240), fixture::realJpeg(160, 120));
    QTest::newRow("thumbnails only") << thumbnailOnly << "cam.jpg" << "2"
                                     << QStringList({"Advance Repair", "Advance Repair"})
                                     << QStringList({"Thumbnail Repaired/cam_[T1].jpg"});
}

// A failed file after a file that fails as a JPEG, so a wrong link would
// show the JPEG explanation.
void RepairRunTest::failedRowsAndLinks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QString, status);
    QFETCH(QStringList, links);
    QFETCH(QStringList, workFiles);
    QTemporaryDir dir;
    writeJpeg(dir, "bad.jpg", garbage());
    QVERIFY(writeFileBytes(dir.filePath(name), bytes));
    auto window = makeWindow();
    QVERIFY(repairFiles(*window, dir.path(), {"bad.jpg", name}));

    QCOMPARE(fileStatuses(window->m_repairTree), QStringList({"2", status}));
    QCOMPARE(linkStates(*window), links);
    QCOMPARE(repairrun::filesBelow(workFolder()), workFiles);

    // A click on the second row's link opens the advanced repair only when
    // that file failed.
    ModalDriver intro(QStringLiteral("advanced repair intro"), [](QWidget* modal) {
        auto* dialog = qobject_cast<AdvancedRepairDlg*>(modal);
        if (dialog)
            dialog->cancle->click();
        return dialog != nullptr;
    });
    QTest::mouseClick(window->m_buttonRecords[1].linkButton, Qt::LeftButton);
    QCOMPARE(intro.answered(), status == QLatin1String("2"));
}

void RepairRunTest::closingWaitsForRun()
{
    QTemporaryDir dir;
    writeJpeg(dir, "a.jpg", fixture::realJpeg(24, 24));
    writeJpeg(dir, "b.jpg", fixture::realJpeg(24, 24));
    auto window = makeWindow();
    addFiles(*window, dir.path(), {"a.jpg", "b.jpg"});
    QSignalSpy progressTexts(window.get(), &BrowseRepairDlg::ShowProgressLabel);
    QSemaphore gate;
    holdAtProgress(*window, QStringLiteral("Repairing file 1 "), gate);
    window->StartRepairFilesBtnN->click();
    QVERIFY(reachedProgress(progressTexts, 1));

    std::unique_ptr<QThread> opener(QThread::create([&gate] {
        QThread::msleep(200);
        gate.release();
    }));
    opener->start();
    window.reset();
    QVERIFY2(opener->wait(ModalDriver::kBoundMs), "the gate of the first file was not opened");
    QVERIFY(QFileInfo::exists(workFolder() + "/b.jpg"));
}

// A run with a sample announces its start from the worker: the page takes
// its running look again and the sample dialog closes.
void RepairRunTest::sampleRunStartSignal()
{
    auto window = makeWindow();
    window->SaveRepairBtn->show();
    window->StopRepairProcessBtn->hide();
    g_state.referenceDlg->show();
    BrowseRepairDlg* target = window.get();
    std::unique_ptr<QThread> worker(QThread::create([target] { emit target->ShowString(); }));
    worker->start();
    QVERIFY(worker->wait(5000));
    QTRY_VERIFY(!g_state.referenceDlg->isVisible());

    QCOMPARE(window->label->text(), QStringLiteral("Repairing selected photos"));
    QVERIFY(window->label_7->text().startsWith("This may take a while"));
    QVERIFY(window->SaveRepairBtn->isHidden());
    QVERIFY(!window->StopRepairProcessBtn->isHidden());
    QVERIFY(window->StopRepairProcessBtn->isEnabled());
}

void RepairRunTest::linkWidths_data()
{
    QTest::addColumn<LayoutLanguage>("language");
    QTest::addColumn<int>("rowHeight");
    QTest::newRow("English") << LayoutLanguage::English << 20;
    QTest::newRow("German") << LayoutLanguage::German << 20;
    QTest::newRow("Dutch") << LayoutLanguage::Dutch << 20;
    QTest::newRow("Brazil") << LayoutLanguage::Brazil << 20;
    QTest::newRow("Hindi") << LayoutLanguage::Hindi << 28;
}

// The first row repairs, so its link keeps the size it was made with; the
// second fails and its link, when it is offered, takes the width its text
// needs in the link's style. Both are as high as their rows, which are
// taller in Hindi.
void RepairRunTest::linkWidths()
{
    QFETCH(LayoutLanguage, language);
    QFETCH(int, rowHeight);
    setInterfaceLanguage(language);
    QTemporaryDir dir;
    writeJpeg(dir, "good.jpg", fixture::realJpeg(16, 16));
    writeJpeg(dir, "bad.jpg", garbage());
    auto window = makeWindow();
    QVERIFY(repairFiles(*window, dir.path(), {"good.jpg", "bad.jpg"}));

    QCOMPARE(window->m_buttonRecords[0].linkButton->size(), QSize(110, rowHeight));
    CustomButton* offered = window->m_buttonRecords[1].linkButton;
    QCOMPARE(offered->height(), rowHeight);
    QCOMPARE(offered->text(), BrowseRepairDlg::tr("Advance Repair"));
    QStyleOptionButton option;
    option.initFrom(offered);
    option.features = QStyleOptionButton::Flat;
    option.text = offered->text();
    const QRect space = offered->style()->subElementRect(QStyle::SE_PushButtonContents, &option, offered);
    QVERIFY2(space.width() >= QFontMetrics(offered->font()).horizontalAdvance(offered->text()),
             qPrintable(QStringLiteral("%1 px for the text").arg(space.width())));
    for (int file : {0, 1})
        QCOMPARE(window->m_repairTree->visualItemRect(window->m_repairTree->topLevelItem(file)).height(), rowHeight);
}

void RepairRunTest::linkPositionOutsideRecords()
{
    QTemporaryDir dir;
    writeJpeg(dir, "good.jpg", fixture::realJpeg(16, 16));
    auto window = makeWindow();
    QVERIFY(repairFiles(*window, dir.path(), {"good.jpg"}));

    for (uint position : {0u, 2u, 0xFFFFFFFFu})
        QVERIFY(QMetaObject::invokeMethod(window.get(), "OnsetCustomButton", Q_ARG(uint, position)));
    QVERIFY(QMetaObject::invokeMethod(window.get(), "OnshowCustomButton", Q_ARG(uint, 1u)));
    QCOMPARE(linkStates(*window), QStringList({"-"}));
}

void RepairRunTest::completionPicture_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<LayoutLanguage>("language");
    QTest::addColumn<bool>("previewable");
    QTest::addColumn<QString>("picture");
    using L = LayoutLanguage;
    QTest::newRow("96 en preview") << 1.0f << L::English << true << ":/images/96-DPI/preview1en.png";
    QTest::newRow("96 en heic") << 1.0f << L::English << false << ":/images/96-DPI/notSupporteden100.png";
    QTest::newRow("120 fr heic") << 1.25f << L::French << false << ":/images/120-DPI/notSupportedfr125.png";
    QTest::newRow("144 ja heic") << 1.75f << L::Japanese << false << ":/images/144-DPI/notSupportedja100.png";
    QTest::newRow("96 ko preview") << 1.0f << L::Korean << true << ":/images/Korean/96-DPI/preview1ko.png";
    QTest::newRow("no set at 1.1") << 1.1f << L::English << true << "";
}

void RepairRunTest::completionPicture()
{
    QFETCH(float, scale);
    QFETCH(LayoutLanguage, language);
    QFETCH(bool, previewable);
    QFETCH(QString, picture);
    setInterfaceLanguage(language);
    g_state.uiScale = scale;
    QCOMPARE(CompletionPreviewPicture(previewable), picture);
}

QTEST_MAIN(RepairRunTest)
#include "tst_repair_run.moc"
