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
#include "mainwindow_save.h"
#include "modal_recorder.h"
#include "my_tree_widget.h"
#include "reference_file_dlg.h"
#include "repair_finish_dialog.h"
#include "repair_run.h"
#include "repair_tree_columns.h"
#include "temp_file.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace mainwindowrun;

namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 90;

// A JPEG whose header segments are wiped while its scan data is intact: the
// normal run fails it, a sample of the same size and quality repairs it.
QByteArray wipedHeaders(QRgb colour)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes = fixture::encodeJpeg(image, 75);
    const int sos = fixture::markerOffset(bytes, 0xDA);
    bytes.replace(2, sos - 2, QByteArray(sos - 2, '\0'));
    return bytes;
}

// Scan data that stops at a second frame header, which the image loader
// refuses: the repair with a sample fails for this file.
QByteArray scanOfSecondFrame()
{
    return QByteArray(100, 'x') + QByteArray("\xFF\xDA", 2) + QByteArray(12, '\0') +
           fixture::segment(0xC0, QByteArray(15, '\x01')) + QByteArray(200, '\x55');
}

// Damaged bytes behind a start of image, an APP0 segment and a Huffman
// marker: the normal run's salvage cuts from that marker and writes a file
// that the image loader rejects.
QByteArray afterRejectedSalvage(const QByteArray& damaged)
{
    return QByteArray("\xFF\xD8", 2) + fixture::segment(0xE0, QByteArray(14, '\0')) +
           fixture::segment(0xC4, QByteArray(3, '\0')) + damaged;
}

QByteArray sampleJpeg()
{
    return fixture::realJpeg(kWidth, kHeight, 75);
}

// What the dialogs of one sample repair showed.
struct DialogTrace {
    QString introText;
    bool sampleDialogShown = false;
};

// Answers the intro dialog with Next and the sample dialog with the sample
// file (and the apply-to-all box when asked), then presses Repair.
void answerSampleDialogs(DialogTrace& trace, const QString& samplePath, bool applyToAll)
{
    whenModalOf<AdvancedRepairDlg>([&trace, samplePath, applyToAll](AdvancedRepairDlg* intro) {
        QVERIFY(intro);
        trace.introText = intro->label->text();
        whenModalOf<ReferenceFileDlg>([&trace, samplePath, applyToAll](ReferenceFileDlg* sample) {
            QVERIFY(sample);
            trace.sampleDialogShown = true;
            const QFileInfo info(samplePath);
            answerFileDialog(info.path(), {info.fileName()});
            sample->RefBrowse_Btn->click();
            QCOMPARE(sample->RefPath_Edit->toPlainText(), samplePath);
            if (applyToAll)
                sample->refe_CheckBox->click();
            sample->RefRepairBtn->click();
        });
        intro->NextBtn->click();
    });
}

// Presses the link of the file row and waits for the sample run's end.
bool repairWithSample(BrowseRepairDlg& window, int row, RunWatch& watch)
{
    CustomButton* link = window.m_buttonRecords[row].linkButton;
    if (link->isHidden() || !link->isEnabled())
        return false;
    QTest::mouseClick(link, Qt::LeftButton);
    return watch.waitForEnd();
}

QStringList fileStatuses(QTreeWidget* tree)
{
    QStringList statuses;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        statuses << tree->topLevelItem(i)->text(ColStatus);
    return statuses;
}

bool hasCheckBox(const QTreeWidgetItem* row)
{
    return row->data(ColName, Qt::CheckStateRole).isValid();
}

// Runs the normal repair over the files and checks that every row failed.
void runAndFailAll(BrowseRepairDlg& window, const QString& folder, const QStringList& names)
{
    QVERIFY(repairFiles(window, folder, names));
    for (const QString& status : fileStatuses(window.m_repairTree))
        QCOMPARE(status, QString::number(RowFailed));
}

struct Inputs {
    QTemporaryDir inputs;
    QTemporaryDir samples;
    QString put(const QString& name, const QByteArray& bytes) const
    {
        const QString path = inputs.filePath(name);
        return writeFileBytes(path, bytes) ? path : QString();
    }
    QString putSample(const QString& name, const QByteArray& bytes) const
    {
        const QString path = samples.filePath(name);
        return writeFileBytes(path, bytes) ? path : QString();
    }
};

// 48 slices, a known layout: a grid photo made by the real encoder; other
// counts: a file of filler slices. The damaged copy loses its meta box type,
// so the normal run cannot tell its box order, while the sample's boxes
// serve.
QByteArray damagedHeic(int slices)
{
    QByteArray bytes = slices == 48
        ? makeHeicPhoto(HeicBoxLayout::MetaFirst, 1).bytes
        : buildHeicFixture(idrSliceRecipe(HeicBoxLayout::MetaFirst, slices, slices + 4)).bytes;
    bytes.replace(findBox(bytes, "meta").start + 4, 4, "xxxx");
    return bytes;
}

} // namespace

class SampleRepairTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void jpegLinkRepairsRow_data();
    void jpegLinkRepairsRow();
    void applyToAllRepairsEveryFailedFile();
    void failedSampleRepairOffersLinkAgain();
    void sampleRunWithoutOutputEndsAsFailure();
    void stopAfterFirstFile();
    void thumbnailNamedFile();
    void heicSampleRun_data();
    void heicSampleRun();
    void sameNameInTwoFolders();
    void linkAtSubfolderName_data();
    void linkAtSubfolderName();
    void failedAttemptsLeaveNothing_data();
    void failedAttemptsLeaveNothing();
};

void SampleRepairTest::init()
{
    setInterfaceLanguage(LayoutLanguage::English);
    g_state.stopRequested = 0;
    g_state.jpegSampleMode = 0;
    g_state.heicSampleMode = 0;
    g_state.applySampleToAll = 0;
}

void SampleRepairTest::jpegLinkRepairsRow_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("lower-case suffix") << "photo.jpg";
    // A mixed-case suffix gets the same explanation and sample dialog.
    QTest::newRow("mixed-case suffix") << "Photo.Jpg";
}

void SampleRepairTest::jpegLinkRepairsRow()
{
    QFETCH(QString, name);
    Inputs files;
    const QByteArray damaged = wipedHeaders(qRgb(10, 200, 90));
    const QString damagedPath = files.put(name, damaged);
    const QString samplePath = files.putSample("sample.jpg", sampleJpeg());
    auto window = makeWindow();
    runAndFailAll(*window, files.inputs.path(), {name});

    DialogTrace trace;
    answerSampleDialogs(trace, samplePath, false);
    RunWatch watch(*window);
    QVERIFY(repairWithSample(*window, 0, watch));

    QVERIFY(trace.introText.startsWith("Advance Repair\n\nUse this option to repair severely damaged JPEG."));
    QVERIFY(trace.sampleDialogShown);
    QVERIFY(g_state.referenceDlg->isHidden());
    QCOMPARE(watch.completed.count(), 1);
    QCOMPARE(watch.progressTexts(), QStringList({"Repairing file 1 of 1 / 100 %"}));
    QCOMPARE(watch.closer.messages.size(), 1);

    QTreeWidgetItem* row = window->m_repairTree->topLevelItem(0);
    QCOMPARE(row->text(ColStatus), QString::number(RowRepaired));
    QVERIFY(!hasCheckBox(row));
    QVERIFY(window->m_buttonRecords[0].linkButton->isHidden());
    QCOMPARE(row->childCount(), 1);
    QTreeWidgetItem* output = row->child(0);
    const QString outputName = output->text(ColName);
    QCOMPARE(outputName, name);
    QCOMPARE(output->text(ColType), QStringLiteral("Repaired"));
    QCOMPARE(output->text(ColStatus), QString::number(RowOutput));
    QCOMPARE(output->checkState(ColName), Qt::Checked);
    QCOMPARE(output->text(ColResolution), QStringLiteral("90x120"));
    QVERIFY(row->isExpanded());

    const QImage repaired(workFolder() + "/" + outputName);
    QCOMPARE(repaired.size(), QSize(kWidth, kHeight));
    QCOMPARE(readFileBytes(damagedPath), damaged);
    QCOMPARE(g_state.jpegSampleMode, 0);
}

void SampleRepairTest::applyToAllRepairsEveryFailedFile()
{
    Inputs files;
    files.put("a.jpg", wipedHeaders(qRgb(200, 10, 10)));
    files.put("b.jpg", wipedHeaders(qRgb(10, 10, 200)));
    files.put("c.jpg", wipedHeaders(qRgb(90, 90, 10)));
    const QString samplePath = files.putSample("sample.jpg", sampleJpeg());
    auto window = makeWindow();
    runAndFailAll(*window, files.inputs.path(), {"a.jpg", "b.jpg", "c.jpg"});

    QSignalSpy statuses(window.get(), &BrowseRepairDlg::RunRowStatus);
    DialogTrace trace;
    answerSampleDialogs(trace, samplePath, true);
    RunWatch watch(*window);
    // The link of the second file; the box takes every failed file in order.
    QVERIFY(repairWithSample(*window, 1, watch));

    QCOMPARE(watch.progressTexts(), QStringList({"Repairing file 1 of 3 / 33 %", "Repairing file 2 of 3 / 66 %",
                                                 "Repairing file 3 of 3 / 100 %"}));
    // All three rows are queued before the first is repaired.
    QVERIFY(statuses.count() >= 4);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(statuses[i][1].toUInt(), uint(RowQueued));
    QCOMPARE(statuses[3][1].toUInt(), uint(RowSampleRepairing));
    QCOMPARE(fileStatuses(window->m_repairTree), QStringList({"5", "5", "5"}));
    for (int i = 0; i < 3; ++i) {
        QTreeWidgetItem* row = window->m_repairTree->topLevelItem(i);
        QCOMPARE(row->childCount(), 1);
        QCOMPARE(row->child(0)->text(ColName), row->text(ColName));
        QVERIFY(window->m_buttonRecords[i].linkButton->isHidden());
    }
}

void SampleRepairTest::failedSampleRepairOffersLinkAgain()
{
    Inputs files;
    files.put("a.jpg", wipedHeaders(qRgb(200, 10, 10)));
    files.put("b.jpg", scanOfSecondFrame());
    files.put("c.jpg", wipedHeaders(qRgb(90, 90, 10)));
    const QString samplePath = files.putSample("sample.jpg", sampleJpeg());
    auto window = makeWindow();
    runAndFailAll(*window, files.inputs.path(), {"a.jpg", "b.jpg", "c.jpg"});

    DialogTrace trace;
    answerSampleDialogs(trace, samplePath, true);
    RunWatch watch(*window);
    QVERIFY(repairWithSample(*window, 0, watch));

    // Only files that repaired report progress; the failed one ends failed
    // without an output, leaves nothing in the work folder and gets its link
    // back.
    QCOMPARE(watch.progressTexts(), QStringList({"Repairing file 1 of 3 / 33 %", "Repairing file 3 of 3 / 100 %"}));
    QCOMPARE(fileStatuses(window->m_repairTree), QStringList({"5", "2", "5"}));
    QCOMPARE(window->m_repairTree->topLevelItem(1)->childCount(), 0);
    QVERIFY(!QFile::exists(g_state.workFolder + "/b.jpg"));
    CustomButton* link = window->m_buttonRecords[1].linkButton;
    QVERIFY(!link->isHidden());
    QCOMPARE(link->text(), QStringLiteral("Advance Repair"));
}

// A sample run that lists nothing says that it failed, in the look of a run
// that did not finish; the next run that repairs says so again.
void SampleRepairTest::sampleRunWithoutOutputEndsAsFailure()
{
    Inputs files;
    files.put("a.jpg", scanOfSecondFrame());
    files.put("b.jpg", wipedHeaders(qRgb(90, 90, 10)));
    const QString samplePath = files.putSample("sample.jpg", sampleJpeg());
    auto window = makeWindow();
    runAndFailAll(*window, files.inputs.path(), {"a.jpg", "b.jpg"});
    const QImage tick = repairFinishDialog(nullptr).label_2->pixmap(Qt::ReturnByValue).toImage();

    DialogTrace trace;
    {
        answerSampleDialogs(trace, samplePath, false);
        RunWatch failed(*window);
        QVERIFY(repairWithSample(*window, 0, failed));
        QCOMPARE(fileStatuses(window->m_repairTree), QStringList({"2", "2"}));
        QCOMPARE(failed.closer.messages, QStringList({"The photo could not be repaired with this sample."}));
        QCOMPARE(failed.closer.titles, QStringList({"Repair Failed"}));
        QVERIFY(!failed.closer.pictures[0].isNull());
        QVERIFY(failed.closer.pictures[0] != tick);
    }

    answerSampleDialogs(trace, samplePath, false);
    RunWatch repaired(*window);
    QVERIFY(repairWithSample(*window, 1, repaired));
    QCOMPARE(fileStatuses(window->m_repairTree), QStringList({"2", "5"}));
    QCOMPARE(repaired.closer.titles, QStringList({"Repair Complete"}));
    QVERIFY(repaired.closer.messages[0].startsWith("Repair process completed."));
    QCOMPARE(repaired.closer.pictures[0], tick);
}

// A stop while the second of three files is in work: the first keeps its
// repair, the others wait for a later run, and the page is restored.
void SampleRepairTest::stopAfterFirstFile()
{
    Inputs files;
    files.put("a.jpg", wipedHeaders(qRgb(200, 10, 10)));
    files.put("b.jpg", wipedHeaders(qRgb(10, 10, 200)));
    files.put("c.jpg", wipedHeaders(qRgb(90, 90, 10)));
    const QString samplePath = files.putSample("sample.jpg", sampleJpeg());
    auto window = makeWindow();
    runAndFailAll(*window, files.inputs.path(), {"a.jpg", "b.jpg", "c.jpg"});
    stopAtProgress(*window, QStringLiteral("Repairing file 2 "));

    DialogTrace trace;
    answerSampleDialogs(trace, samplePath, true);
    RunWatch watch(*window);
    QVERIFY(repairWithSample(*window, 0, watch));

    QCOMPARE(watch.aborted.count(), 1);
    QCOMPARE(watch.completed.count(), 0);
    QCOMPARE(watch.closer.messages.size(), 1);
    QCOMPARE(fileStatuses(window->m_repairTree), QStringList({"5", "6", "6"}));
    QCOMPARE(window->m_repairTree->topLevelItem(0)->childCount(), 1);
    QCOMPARE(window->m_repairTree->topLevelItem(1)->childCount(), 0);
    QCOMPARE(window->m_repairTree->topLevelItem(2)->childCount(), 0);
    QCOMPARE(g_state.applySampleToAll, 0);
}

// A file named like a thumbnail: its repaired copy is listed as a thumbnail
// and lies in the thumbnail folder, from which the save takes thumbnails.
void SampleRepairTest::thumbnailNamedFile()
{
    Inputs files;
    files.put("cam_[T2].jpg", wipedHeaders(qRgb(10, 200, 90)));
    const QString samplePath = files.putSample("sample.jpg", sampleJpeg());
    auto window = makeWindow();
    runAndFailAll(*window, files.inputs.path(), {"cam_[T2].jpg"});

    DialogTrace trace;
    answerSampleDialogs(trace, samplePath, false);
    RunWatch watch(*window);
    QVERIFY(repairWithSample(*window, 0, watch));

    QTreeWidgetItem* row = window->m_repairTree->topLevelItem(0);
    QCOMPARE(row->childCount(), 1);
    QTreeWidgetItem* output = row->child(0);
    QCOMPARE(output->text(ColName), QStringLiteral("cam_[T2].jpg"));
    QCOMPARE(output->text(ColType), QStringLiteral("Thumbnail"));
    QVERIFY(output->text(ColStatus).isEmpty());
    QCOMPARE(output->checkState(ColName), Qt::Checked);
    QCOMPARE(output->text(ColResolution), QStringLiteral("90x120"));
    QCOMPARE(QImage(workFolder() + "/Thumbnail Repaired/cam_[T2].jpg").size(), QSize(kWidth, kHeight));
    QVERIFY(!QFileInfo::exists(workFolder() + "/cam_[T2].jpg"));
}

void SampleRepairTest::heicSampleRun_data()
{
    QTest::addColumn<int>("slices");
    QTest::addColumn<QString>("layoutText");
    QTest::addColumn<bool>("repaired");
    QTest::newRow("48 slices, standard") << 48 << "'sample HEIC image standard' of the same format." << true;
    // No layout has 7 slices: the rebuild writes nothing, and the row must
    // not be listed as repaired.
    QTest::newRow("7 slices, no layout") << 7 << "'sample HEIC image' of the same format." << false;
}

void SampleRepairTest::heicSampleRun()
{
    QFETCH(int, slices);
    QFETCH(QString, layoutText);
    QFETCH(bool, repaired);
    Inputs files;
    files.put("IMG_1.HEIC", damagedHeic(slices));
    const QString samplePath = files.putSample("sample.HEIC", makeHeicPhoto(HeicBoxLayout::MetaFirst, 2).bytes);
    auto window = makeWindow();
    runAndFailAll(*window, files.inputs.path(), {"IMG_1.HEIC"});

    bool layoutFlagged = false;
    whenModalOf<AdvancedRepairDlg>([&layoutFlagged](AdvancedRepairDlg*) {
        for (qint32 flag : g_state.heicLayoutFlags)
            layoutFlagged = layoutFlagged || flag != 0;
    });
    DialogTrace trace;
    answerSampleDialogs(trace, samplePath, false);
    RunWatch watch(*window);
    QVERIFY(repairWithSample(*window, 0, watch));

    QVERIFY2(trace.introText.contains(layoutText), qPrintable(trace.introText));
    QVERIFY(trace.introText.startsWith("Advance Repair\n\nUse this option to repair severely damaged HEIC image."));
    QCOMPARE(layoutFlagged, repaired);
    QCOMPARE(watch.completed.count(), 1);
    QCOMPARE(watch.closer.titles, QStringList({repaired ? "Repair Complete" : "Repair Failed"}));
    QTreeWidgetItem* row = window->m_repairTree->topLevelItem(0);
    CustomButton* link = window->m_buttonRecords[0].linkButton;
    if (!repaired) {
        QCOMPARE(row->text(ColStatus), QString::number(RowFailed));
        QCOMPARE(row->childCount(), 0);
        QVERIFY(!link->isHidden());
        QVERIFY(QDir(workFolder() + "/HEIC_Repaired").entryList(QDir::Files).isEmpty());
        return;
    }
    QCOMPARE(row->text(ColStatus), QString::number(RowRepaired));
    QVERIFY(link->isHidden());
    QCOMPARE(row->childCount(), 1);
    QTreeWidgetItem* output = row->child(0);
    QCOMPARE(output->text(ColName), QStringLiteral("IMG_1.HEIC"));
    QCOMPARE(output->text(ColType), QStringLiteral("Repaired"));
    QCOMPARE(output->text(ColStatus), QString::number(RowOutput));
    QCOMPARE(output->checkState(ColName), Qt::Checked);
    QVERIFY(output->text(ColResolution).isEmpty());
    const QByteArray rebuilt = readFileBytes(workFolder() + "/HEIC_Repaired/IMG_1.HEIC");
    QVERIFY(rebuilt.size() > 48 * 40);
    QCOMPARE(rebuilt.mid(4, 4), QByteArray("ftyp"));
    QCOMPARE(g_state.heicSampleMode, 1);
}

void SampleRepairTest::linkAtSubfolderName_data()
{
    QTest::addColumn<QString>("subfolder");
    QTest::addColumn<QString>("input");
    QTest::newRow("thumbnails") << "Thumbnail Repaired" << "cam_[T2].jpg";
    QTest::newRow("rebuilt HEIC files") << "HEIC_Repaired" << "IMG_1.HEIC";
}

// A link of the same user stands at a subfolder's name when a sample run
// begins: nothing is written through it, and the file is not repaired.
void SampleRepairTest::linkAtSubfolderName()
{
    QFETCH(QString, subfolder);
    QFETCH(QString, input);
    const bool heic = input.endsWith(".HEIC");
    Inputs files;
    files.put(input, heic ? damagedHeic(48) : wipedHeaders(qRgb(10, 200, 90)));
    const QString samplePath = heic ? files.putSample("sample.HEIC", makeHeicPhoto(HeicBoxLayout::MetaFirst, 2).bytes)
                                    : files.putSample("sample.jpg", sampleJpeg());
    auto window = makeWindow();
    runAndFailAll(*window, files.inputs.path(), {input});
    QTemporaryDir elsewhere;
    const QString link = workFolder() + QLatin1Char('/') + subfolder;
    QVERIFY(QDir(link).removeRecursively());
    QVERIFY(QFile::link(elsewhere.path(), link));

    DialogTrace trace;
    answerSampleDialogs(trace, samplePath, false);
    RunWatch watch(*window);
    QVERIFY(repairWithSample(*window, 0, watch));

    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    QTreeWidgetItem* row = window->m_repairTree->topLevelItem(0);
    QCOMPARE(row->childCount(), 0);
    QCOMPARE(row->text(ColStatus), QString::number(RowFailed));
    QVERIFY(QFile::remove(link));
}

// Two failed files of one name in different folders: the repair of the
// second one's link lands under the second row.
void SampleRepairTest::sameNameInTwoFolders()
{
    Inputs first;
    QTemporaryDir second;
    first.put("photo.jpg", QByteArray(3000, 'x'));
    const QString secondPath = second.filePath("photo.jpg");
    QVERIFY(writeFileBytes(secondPath, wipedHeaders(qRgb(10, 200, 90))));
    const QString samplePath = first.putSample("sample.jpg", sampleJpeg());
    auto window = makeWindow();
    addFiles(*window, first.inputs.path(), {"photo.jpg"});
    runAndFailAll(*window, second.path(), {"photo.jpg"});

    DialogTrace trace;
    answerSampleDialogs(trace, samplePath, false);
    RunWatch watch(*window);
    QVERIFY(repairWithSample(*window, 1, watch));

    QCOMPARE(fileStatuses(window->m_repairTree), QStringList({"2", "5"}));
    QCOMPARE(window->m_repairTree->topLevelItem(0)->childCount(), 0);
    QCOMPARE(window->m_repairTree->topLevelItem(1)->childCount(), 1);
    QVERIFY(!window->m_buttonRecords[0].linkButton->isHidden());
    QVERIFY(window->m_buttonRecords[1].linkButton->isHidden());
}

void SampleRepairTest::failedAttemptsLeaveNothing_data()
{
    QTest::addColumn<QByteArray>("damaged");
    QTest::addColumn<bool>("repaired");
    // The salvage's rejected file is gone, so the repaired copy keeps the
    // damaged file's own name.
    QTest::newRow("sample repair succeeds") << afterRejectedSalvage(wipedHeaders(qRgb(10, 200, 90)).mid(2)) << true;
    // Neither the salvage nor the sample repair gave a photo: nothing of the
    // file can be picked or saved.
    QTest::newRow("sample repair fails") << afterRejectedSalvage(scanOfSecondFrame()) << false;
}

// A photo whose salvage and, in one case, sample repair fail; then every
// row is selected and saved, as a user would.
void SampleRepairTest::failedAttemptsLeaveNothing()
{
    QFETCH(QByteArray, damaged);
    QFETCH(bool, repaired);
    Inputs files;
    files.put("photo.jpg", damaged);
    const QString samplePath = files.putSample("sample.jpg", sampleJpeg());
    auto window = makeWindow();
    runAndFailAll(*window, files.inputs.path(), {"photo.jpg"});
    QCOMPARE(repairrun::filesBelow(workFolder()), QStringList());

    DialogTrace trace;
    answerSampleDialogs(trace, samplePath, false);
    {
        // The watch closes the run's completion box; it must be gone before
        // the save, whose messages are the recorder's to read.
        RunWatch watch(*window);
        QVERIFY(repairWithSample(*window, 0, watch));
    }

    const QStringList outputs = repaired ? QStringList({"photo.jpg"}) : QStringList();
    QCOMPARE(repairrun::filesBelow(workFolder()), outputs);
    QTreeWidgetItem* row = window->m_repairTree->topLevelItem(0);
    QCOMPARE(row->text(ColStatus), QString::number(repaired ? RowRepaired : RowFailed));
    QCOMPARE(row->childCount(), outputs.size());
    if (repaired) {
        QCOMPARE(row->child(0)->text(ColName), QStringLiteral("photo.jpg"));
        QCOMPARE(QImage(workFolder() + "/photo.jpg").size(), QSize(kWidth, kHeight));
    }

    // Select all: off, then on again.
    window->checkBox1_2->click();
    window->checkBox1_2->click();
    QVERIFY(!hasCheckBox(row));
    QCOMPARE(window->SaveRepairBtn->isEnabled(), repaired);

    QTemporaryDir destination;
    mainwindowsave::ModalScript script({mainwindowsave::chooseFolder(destination.path())});
    ModalRecorder messages;
    mainwindowsave::save(*window, script);
    const QString saved = destination.path() + "/RepairedFiles";
    QCOMPARE(repairrun::filesBelow(saved), outputs);
    // A save that wrote nothing says so.
    QCOMPARE(messages.messages, QStringList({repaired ? QStringLiteral("Image(s) saved successfully.")
                                                      : QStringLiteral("No files were saved.")}));
    for (const QString& name : outputs)
        QCOMPARE(readFileBytes(saved + "/" + name), readFileBytes(workFolder() + "/" + name));
    QCOMPARE(int(g_state.savedCount), outputs.size());
}

QTEST_MAIN(SampleRepairTest)
#include "tst_sample_repair.moc"
