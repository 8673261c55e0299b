#include "already_exist_file_dlg.h"
#include "dialog_driver.h"
#include "folder_exist.h"
#include "global_state.h"
#include "language_rows.h"
#include "language_table.h"
#include "saving_finish_dlg.h"
#include "shell_open.h"
#include "text_fit.h"

#include <QDir>
#include <QFontMetrics>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

struct Answers {
    qint32 overwriteThis, renameThis, skipThis, overwriteAll, renameAll, skipAll;
};

Answers currentAnswers()
{
    return {g_state.overwriteThis, g_state.renameThis, g_state.skipThis,
            g_state.overwriteAll,  g_state.renameAll,  g_state.skipAll};
}

void setAllAnswers(qint32 value)
{
    g_state.overwriteThis = g_state.renameThis = g_state.skipThis = value;
    g_state.overwriteAll = g_state.renameAll = g_state.skipAll = value;
}

QString lineText(const QWidget* dialog, const char* name)
{
    return dialog->findChild<QLineEdit*>(QLatin1String(name))->text();
}

// Runs the dialog modally and, once it is up, presses the named button or,
// for an empty name, Escape.
void runAndAnswer(QDialog& dialog, const QString& button)
{
    whenModal([button](QWidget* modal) {
        QVERIFY(modal);
        if (button.isEmpty())
            QTest::keyClick(modal, Qt::Key_Escape);
        else
            modal->findChild<QPushButton*>(button)->click();
    });
    dialog.exec();
}

void touch(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// The columns of the layout tables: language, scale, the dialog's size and
// one widget's rectangle.
void addLayoutColumns()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<float>("scale");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QByteArray>("widget");
    QTest::addColumn<QRect>("rect");
}

// Sets the row's language and scale before its dialog is made.
void applyLayoutRow()
{
    QFETCH(int, language);
    QFETCH(float, scale);
    setInterfaceLanguage(LayoutLanguage(language));
    g_state.uiScale = scale;
}

void verifyLayout(QDialog& dialog)
{
    QFETCH(QSize, size);
    QFETCH(QByteArray, widget);
    QFETCH(QRect, rect);
    QCOMPARE(dialog.size(), size);
    QCOMPARE(childGeometry(&dialog, widget.constData()), rect);
}

} // namespace

Q_DECLARE_METATYPE(QRect)

// The three windows of a save: the saving-finished dialog, the file-exists
// prompt and the folder-exists prompt.
class DialogSavePromptsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void savingFinishedOkAndEscape_data();
    void savingFinishedOkAndEscape();
    void savingFinishedClickHereOpensFolderEachTime();
    void savingFinishedLayout_data();
    void savingFinishedLayout();
    void sentenceFollowsItsLink_data();
    void sentenceFollowsItsLink();

    void fileProposal_data();
    void fileProposal();
    void fileAnswers_data();
    void fileAnswers();
    void fileButtonsForAllFiles_data();
    void fileButtonsForAllFiles();
    void fileLayout_data();
    void fileLayout();
    void fileDragFromSurface();
    void fileButtonsKeepClearOfTheEdge_data();
    void fileButtonsKeepClearOfTheEdge();

    void folderProposal_data();
    void folderProposal();
    void folderAnswers_data();
    void folderAnswers();
    void folderLayout_data();
    void folderLayout();
    void folderTextBoxesLineUp_data();
    void folderTextBoxesLineUp();

    void promptsTakeGerman();

private:
    QTemporaryDir m_dir;
    QTranslator m_german;
};

void DialogSavePromptsTest::init()
{
    g_state.uiScale = 1.0f;
    setInterfaceLanguage(LayoutLanguage::English);
    g_state.copyCounter = 0;
    g_state.resultIndex = 0;
    QDir(m_dir.path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_dir.path() + QStringLiteral("/root/Thumbnail Repaired")));
    QVERIFY(QDir().mkpath(m_dir.path() + QStringLiteral("/root/HEIC_Repaired")));
    g_state.saveRoot = m_dir.path() + QStringLiteral("/root/");
}

void DialogSavePromptsTest::cleanup()
{
    platform::setShellOpener({});
    QCoreApplication::removeTranslator(&m_german);
    removeLanguageCatalogues();
    QCoreApplication::processEvents();
}

void DialogSavePromptsTest::savingFinishedOkAndEscape_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("counter");
    QTest::newRow("OK resets the counter") << "OkBtn" << 0;
    QTest::newRow("Escape keeps it") << QString() << 5;
}

void DialogSavePromptsTest::savingFinishedOkAndEscape()
{
    QFETCH(QString, button);
    QFETCH(int, counter);
    g_state.copyCounter = 5;
    SavingFinishDlg dialog(nullptr, QStringLiteral("/x/RepairedFiles"));
    runAndAnswer(dialog, button);
    QVERIFY(dialog.isHidden());
    QCOMPARE(g_state.copyCounter, counter);
}

void DialogSavePromptsTest::savingFinishedClickHereOpensFolderEachTime()
{
    QStringList opened;
    platform::setShellOpener([&opened](const QString& path) { opened << path; });
    const QString folder = QStringLiteral("/home/ü ser/Fotos #2/RepairedFiles");
    SavingFinishDlg dialog(nullptr, folder);
    QCOMPARE(g_state.dialogPath, folder);
    QCOMPARE(dialog.ViewSavedFiles->text(), QStringLiteral("Click here"));
    QCOMPARE(dialog.label_5->text(), QStringLiteral("Image(s) saved successfully."));
    QCOMPARE(dialog.label_8->text(), QStringLiteral("Saving Complete"));
    dialog.show();
    dialog.ViewSavedFiles->click();
    dialog.ViewSavedFiles->click();
    QCOMPARE(opened, QStringList({folder, folder}));
    QVERIFY(dialog.isVisible());
}

void DialogSavePromptsTest::savingFinishedLayout_data()
{
    addLayoutColumns();
    const int english = int(LayoutLanguage::English);
    QTest::newRow("English 1.25 link") << english << 1.25f << QSize(622, 217) << QByteArray("ViewSavedFiles")
                                       << QRect(187, 113, 80, 26);
    QTest::newRow("Brazil message") << int(LayoutLanguage::Brazil) << 1.0f << QSize(498, 174)
                                    << QByteArray("label_5") << QRect(135, 60, 241, 31);
    QTest::newRow("German sentence") << int(LayoutLanguage::German) << 1.0f << QSize(498, 174)
                                     << QByteArray("label_4") << QRect(234, 99, 246, 36);
    QTest::newRow("Japanese link") << int(LayoutLanguage::Japanese) << 1.0f << QSize(498, 174)
                                   << QByteArray("ViewSavedFiles") << QRect(150, 91, 80, 28);
}

void DialogSavePromptsTest::savingFinishedLayout()
{
    applyLayoutRow();
    SavingFinishDlg dialog(nullptr, QString());
    verifyLayout(dialog);
}

void DialogSavePromptsTest::sentenceFollowsItsLink_data()
{
    addLanguageRows();
}

// The "Click here" link starts below the start of the message above it and
// is as wide as its text; its sentence goes on one space after it (in
// Japanese, Chinese and Korean, where the sentence goes on from the link's
// word, right after it) on the same baseline; both start below the message.
void DialogSavePromptsTest::sentenceFollowsItsLink()
{
    QFETCH(int, type);
    QFETCH(QString, code);
    installLanguageOfRow(type);
    const bool joined = code == QLatin1String("JA") || code == QLatin1String("CN") || code == QLatin1String("KO");
    for (const float scale : {1.0f, 1.25f, 1.5f}) {
        g_state.uiScale = scale;
        SavingFinishDlg dialog(nullptr, QString());
        const QPushButton* link = dialog.ViewSavedFiles;
        const QLabel* sentence = dialog.label_4;
        const QString at = QStringLiteral(" at %1").arg(double(scale));
        const int textWidth = QFontMetrics(link->font()).horizontalAdvance(link->text());
        QVERIFY2(qAbs(link->width() - textWidth) <= 1,
                 qPrintable(QStringLiteral("link %1 wide for a text of %2").arg(link->width()).arg(textWidth) + at));
        const int gap = sentence->x() - (link->x() + link->width());
        const int space = joined ? 0 : QFontMetrics(sentence->font()).horizontalAdvance(QLatin1Char(' '));
        QVERIFY2(qAbs(gap - space) <= 1,
                 qPrintable(QStringLiteral("sentence %1 px after the link, a space is %2").arg(gap).arg(space) + at));
        QVERIFY2(link->x() == dialog.label_5->x(),
                 qPrintable(QStringLiteral("link starts at %1, the message at %2").arg(link->x()).arg(dialog.label_5->x()) +
                            at));
        const int messageBottom = dialog.label_5->geometry().bottom();
        QVERIFY2(link->y() > messageBottom && sentence->y() > messageBottom,
                 qPrintable(QStringLiteral("link at %1, sentence at %2, message ends at %3")
                                .arg(link->y()).arg(sentence->y()).arg(messageBottom) + at));
        QCOMPARE(TextsThatDoNotFit(&dialog).filter(QStringLiteral("ViewSavedFiles")).join(QLatin1String("; ")),
                 QString());
    }
}

void DialogSavePromptsTest::fileProposal_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<int>("counterBefore");
    QTest::addColumn<QString>("proposal");
    QTest::addColumn<int>("counterAfter");

    QTest::newRow("free") << "a.jpg" << "jpg" << QStringList() << 3 << "a.jpg" << 3;
    QTest::newRow("taken") << "a.jpg" << "jpg" << QStringList{"a.jpg"} << 0 << "Copy(1)_a.jpg" << 1;
    QTest::newRow("counter goes on") << "a.jpg" << "JPG" << QStringList{"a.jpg"} << 4 << "Copy(5)_a.jpg" << 5;
    QTest::newRow("taken copy name passed over")
        << "a.jpg" << "jpg" << QStringList{"a.jpg", "Copy(1)_a.jpg"} << 0 << "Copy(2)_a.jpg" << 2;
    QTest::newRow("thumbnail over HEIC") << "x_[T1].heic" << "HEIC" << QStringList{"Thumbnail Repaired/x_[T1].heic"}
                                         << 0 << "Copy(1)_x_[T1].heic" << 1;
    QTest::newRow("thumbnail probed in its folder")
        << "x_[T2].jpg" << "jpg" << QStringList{"x_[T2].jpg"} << 0 << "x_[T2].jpg" << 0;
    QTest::newRow("heic any case") << "b.heic" << "hEiC" << QStringList{"HEIC_Repaired/b.heic"} << 0
                                   << "Copy(1)_b.heic" << 1;
    QTest::newRow("heif at the root") << "b.heif" << "HEIF" << QStringList{"b.heif"} << 0 << "Copy(1)_b.heif" << 1;
    QTest::newRow("name with any characters") << "Füße #1 写真.jpg" << "jpg" << QStringList{"Füße #1 写真.jpg"} << 0
                                              << "Copy(1)_Füße #1 写真.jpg" << 1;
}

void DialogSavePromptsTest::fileProposal()
{
    QFETCH(QString, name);
    QFETCH(QString, suffix);
    QFETCH(QStringList, existing);
    QFETCH(int, counterBefore);
    QFETCH(QString, proposal);
    QFETCH(int, counterAfter);
    for (const QString& path : existing)
        touch(g_state.saveRoot + path);
    g_state.saveFileName = name;
    g_state.fileSuffix = suffix;
    g_state.copyCounter = counterBefore;

    AlreadyExistFileDlg dialog(nullptr);
    QCOMPARE(g_state.copyCounter, counterBefore);
    dialog.ProposeNewName();
    QCOMPARE(lineText(&dialog, "FileNameText"), name);
    QCOMPARE(lineText(&dialog, "RenameFileText"), proposal);
    QCOMPARE(g_state.copyCounter, counterAfter);
}

void DialogSavePromptsTest::fileAnswers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QVector<int>>("answers");
    QTest::newRow("Overwrite") << "OverwriteBtn" << QVector<int>{1, 0, 0, 0, 0, 0};
    QTest::newRow("Rename") << "RenameBtn" << QVector<int>{0, 1, 0, 0, 0, 0};
    QTest::newRow("Skip") << "SkipBtn" << QVector<int>{0, 0, 1, 0, 0, 0};
    QTest::newRow("Overwrite All") << "OverwriteAllBtn" << QVector<int>{0, 0, 0, 1, 0, 0};
    QTest::newRow("Rename All") << "RenameAllBtn" << QVector<int>{0, 0, 0, 0, 1, 0};
    QTest::newRow("Skip All") << "SkipAllBtn" << QVector<int>{0, 0, 1, 0, 0, 1};
    QTest::newRow("Escape skips all") << QString() << QVector<int>{0, 0, 1, 0, 0, 1};
}

void DialogSavePromptsTest::fileAnswers()
{
    QFETCH(QString, button);
    QFETCH(QVector<int>, answers);
    touch(g_state.saveRoot + QStringLiteral("a.jpg"));
    g_state.saveFileName = QStringLiteral("a.jpg");
    g_state.fileSuffix = QStringLiteral("jpg");
    g_state.renamedFileName.clear();
    AlreadyExistFileDlg dialog(nullptr);
    // Answers of an earlier prompt are cleared by every showing.
    setAllAnswers(1);
    runAndAnswer(dialog, button);
    const Answers a = currentAnswers();
    QCOMPARE((QVector<int>{a.overwriteThis, a.renameThis, a.skipThis, a.overwriteAll, a.renameAll, a.skipAll}),
             answers);
    QCOMPARE(g_state.renamedFileName, answers[1] ? QStringLiteral("Copy(1)_a.jpg") : QString());
    QVERIFY(dialog.isHidden());
}

void DialogSavePromptsTest::fileButtonsForAllFiles_data()
{
    QTest::addColumn<int>("resultIndex");
    QTest::addColumn<bool>("allShown");
    QTest::newRow("0") << 0 << true;
    QTest::newRow("1") << 1 << false;
    QTest::newRow("2") << 2 << true;
}

void DialogSavePromptsTest::fileButtonsForAllFiles()
{
    QFETCH(int, resultIndex);
    QFETCH(bool, allShown);
    g_state.resultIndex = quint16(resultIndex);
    g_state.saveFileName = QStringLiteral("a.jpg");
    AlreadyExistFileDlg dialog(nullptr);
    dialog.ProposeNewName();
    for (const char* name : {"RenameAllBtn", "OverwriteAllBtn", "SkipAllBtn"})
        QCOMPARE(dialog.findChild<QPushButton*>(QLatin1String(name))->isHidden(), !allShown);
    for (const char* name : {"RenameBtn", "OverwriteBtn", "SkipBtn"})
        QVERIFY(!dialog.findChild<QPushButton*>(QLatin1String(name))->isHidden());
}

void DialogSavePromptsTest::fileLayout_data()
{
    addLayoutColumns();
    const int english = int(LayoutLanguage::English);
    QTest::newRow("English 1.25") << english << 1.25f << QSize(595, 323) << QByteArray("FileNameText")
                                  << QRect(178, 56, 398, 31);
    QTest::newRow("German label") << int(LayoutLanguage::German) << 1.0f << QSize(476, 259)
                                  << QByteArray("label_2") << QRect(20, 45, 130, 20);
    QTest::newRow("German skip all") << int(LayoutLanguage::German) << 1.0f << QSize(476, 259)
                                     << QByteArray("SkipAllBtn") << QRect(361, 190, 101, 27);
    QTest::newRow("Korean rename field") << int(LayoutLanguage::Korean) << 1.0f << QSize(476, 259)
                                         << QByteArray("RenameFileText") << QRect(143, 85, 319, 25);
    QTest::newRow("Hindi rename all") << int(LayoutLanguage::Hindi) << 1.0f << QSize(476, 259)
                                      << QByteArray("RenameAllBtn") << QRect(20, 190, 101, 27);
}

void DialogSavePromptsTest::fileLayout()
{
    applyLayoutRow();
    AlreadyExistFileDlg dialog(nullptr);
    verifyLayout(dialog);
}

void DialogSavePromptsTest::fileDragFromSurface()
{
    AlreadyExistFileDlg dialog(nullptr);
    dialog.move(100, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QPoint start = dialog.frameGeometry().topLeft();
    auto* label = dialog.findChild<QWidget*>(QStringLiteral("label_2"));
    const QPoint inLabel(5, 5);
    const QPoint global = label->mapToGlobal(inLabel);
    QMouseEvent press(QEvent::MouseButtonPress, inLabel, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(label, &press);
    const QPoint moved = global + QPoint(30, 20);
    QMouseEvent move(QEvent::MouseMove, dialog.mapFromGlobal(moved), moved, Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&dialog, &move);
    QCOMPARE(dialog.pos(), start + QPoint(30, 20));

    // A press on a button stays with the button.
    QMouseEvent buttonPress(QEvent::MouseButtonPress, QPoint(3, 3), QPoint(0, 0), Qt::LeftButton, Qt::LeftButton,
                            Qt::NoModifier);
    QApplication::sendEvent(dialog.findChild<QPushButton*>(QStringLiteral("RenameBtn")), &buttonPress);
    QVERIFY(buttonPress.isAccepted());
}

void DialogSavePromptsTest::fileButtonsKeepClearOfTheEdge_data()
{
    addLanguageRows();
}

// The six answers stand in three columns whose buttons fit their texts, the
// last column 14 px (at 96 DPI) inside the dialog's edge; the two text boxes
// start and end together, inside that margin too.
void DialogSavePromptsTest::fileButtonsKeepClearOfTheEdge()
{
    QFETCH(int, type);
    installLanguageOfRow(type);
    const char* const columns[3][2] = {
        {"RenameBtn", "RenameAllBtn"}, {"OverwriteBtn", "OverwriteAllBtn"}, {"SkipBtn", "SkipAllBtn"}};
    for (const float scale : {1.0f, 1.25f, 1.5f}) {
        g_state.uiScale = scale;
        AlreadyExistFileDlg dialog(nullptr);
        const int edge = dialog.width() - scaledLength(14, scale);
        const QString at = QStringLiteral(" at %1").arg(double(scale));
        int previousRight = -1;
        for (const auto& column : columns) {
            const QRect top = childGeometry(&dialog, column[0]);
            const QRect bottom = childGeometry(&dialog, column[1]);
            const QString where = QStringLiteral("%1 spans %2..%3, %4 %5..%6")
                                      .arg(QLatin1String(column[0])).arg(top.left()).arg(top.right())
                                      .arg(QLatin1String(column[1])).arg(bottom.left()).arg(bottom.right()) + at;
            QVERIFY2(top.left() == bottom.left() && top.right() == bottom.right(), qPrintable(where));
            QVERIFY2(top.left() > previousRight, qPrintable(where));
            previousRight = top.right();
        }
        QVERIFY2(previousRight + 1 == edge,
                 qPrintable(QStringLiteral("the last column ends at %1, not %2").arg(previousRight + 1).arg(edge) + at));
        const QRect name = childGeometry(&dialog, "FileNameText");
        const QRect proposal = childGeometry(&dialog, "RenameFileText");
        QVERIFY2(name.left() == proposal.left() && name.right() == proposal.right() && name.right() < edge,
                 qPrintable(QStringLiteral("text boxes %1..%2 and %3..%4")
                                .arg(name.left()).arg(name.right()).arg(proposal.left()).arg(proposal.right()) + at));
        QCOMPARE(TextsThatDoNotFit(&dialog).filter(QStringLiteral("Btn ")).join(QLatin1String("; ")), QString());
    }
}

void DialogSavePromptsTest::folderProposal_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("proposal");
    QTest::newRow("first") << QStringList{"RepairedFiles"} << QStringList() << "Copy(1)_RepairedFiles";
    QTest::newRow("third") << QStringList{"RepairedFiles", "Copy(1)_RepairedFiles", "Copy(2)_RepairedFiles"}
                           << QStringList() << "Copy(3)_RepairedFiles";
    QTest::newRow("plain file does not block") << QStringList{"RepairedFiles"}
                                               << QStringList{"Copy(1)_RepairedFiles"} << "Copy(1)_RepairedFiles";
}

void DialogSavePromptsTest::folderProposal()
{
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);
    QFETCH(QString, proposal);
    const QString parent = m_dir.path() + QStringLiteral("/Zielördner");
    for (const QString& folder : folders)
        QVERIFY(QDir().mkpath(parent + QLatin1Char('/') + folder));
    for (const QString& file : files)
        touch(parent + QLatin1Char('/') + file);
    g_state.saveParentFolder = parent;
    g_state.saveFolderName = QStringLiteral("RepairedFiles");
    // The folder proposal counts on its own, whatever the file counter says.
    g_state.copyCounter = 9;
    FolderExist dialog;
    dialog.ProposeFolderName();
    QCOMPARE(lineText(&dialog, "FolderNameTxt"), QStringLiteral("RepairedFiles"));
    QCOMPARE(lineText(&dialog, "RenameToText"), proposal);
    QCOMPARE(g_state.copyCounter, 9);
}

void DialogSavePromptsTest::folderAnswers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QVector<int>>("answers"); // cancel, rename, overwrite folder
    QTest::addColumn<QString>("folderName");
    QTest::newRow("Rename") << "RenameBtn" << QVector<int>{0, 1, 0} << "Copy(1)_RepairedFiles";
    QTest::newRow("Overwrite") << "OverwriteBtn" << QVector<int>{0, 0, 1} << "RepairedFiles";
    QTest::newRow("Cancel") << "CancelBtn" << QVector<int>{1, 0, 0} << "RepairedFiles";
    QTest::newRow("Escape cancels") << QString() << QVector<int>{1, 0, 0} << "RepairedFiles";
}

void DialogSavePromptsTest::folderAnswers()
{
    QFETCH(QString, button);
    QFETCH(QVector<int>, answers);
    QFETCH(QString, folderName);
    g_state.saveParentFolder = m_dir.path();
    QVERIFY(QDir().mkpath(m_dir.path() + QStringLiteral("/RepairedFiles")));
    g_state.saveFolderName = QStringLiteral("RepairedFiles");
    g_state.folderCancel = 1;
    g_state.folderRename = 1;
    g_state.overwriteFolder = 0;
    FolderExist dialog;
    // Construction clears the two answers of the prompt itself.
    QCOMPARE(g_state.folderCancel, 0);
    QCOMPARE(g_state.folderRename, 0);
    runAndAnswer(dialog, button);
    QCOMPARE((QVector<int>{g_state.folderCancel, g_state.folderRename, g_state.overwriteFolder}), answers);
    QCOMPARE(g_state.saveFolderName, folderName);
    QVERIFY(dialog.isHidden());
}

void DialogSavePromptsTest::folderLayout_data()
{
    addLayoutColumns();
    QTest::newRow("English 1.5") << int(LayoutLanguage::English) << 1.5f << QSize(750, 318)
                                 << QByteArray("RenameBtn") << QRect(165, 210, 151, 48);
    QTest::newRow("German name label") << int(LayoutLanguage::German) << 1.0f << QSize(500, 212)
                                       << QByteArray("label_2") << QRect(20, 40, 142, 20);
    QTest::newRow("German rename label") << int(LayoutLanguage::German) << 1.0f << QSize(500, 212)
                                         << QByteArray("label_4") << QRect(20, 80, 115, 20);
    QTest::newRow("Japanese rename label") << int(LayoutLanguage::Japanese) << 1.0f << QSize(500, 212)
                                           << QByteArray("label_4") << QRect(20, 80, 142, 20);
    QTest::newRow("Dutch icon") << int(LayoutLanguage::Dutch) << 1.0f << QSize(500, 212) << QByteArray("label_3")
                                << QRect(10, 2, 24, 24);
}

void DialogSavePromptsTest::folderLayout()
{
    applyLayoutRow();
    FolderExist dialog;
    verifyLayout(dialog);
}

void DialogSavePromptsTest::folderTextBoxesLineUp_data()
{
    addLanguageRows();
}

// The folder's name and the proposed name start in one column and end
// with the Cancel button, in every language and scale.
void DialogSavePromptsTest::folderTextBoxesLineUp()
{
    QFETCH(int, type);
    SetLanguageFlags(type);
    for (const float scale : {1.0f, 1.25f, 1.5f}) {
        g_state.uiScale = scale;
        FolderExist dialog;
        const QRect name = dialog.FolderNameTxt->geometry();
        const QRect proposal = dialog.RenameToText->geometry();
        const QString where = QStringLiteral("name %1..%2, proposal %3..%4, Cancel ends at %5, at %6")
                                  .arg(name.left()).arg(name.right()).arg(proposal.left()).arg(proposal.right())
                                  .arg(dialog.CancelBtn->geometry().right()).arg(double(scale));
        QVERIFY2(name.left() == proposal.left(), qPrintable(where));
        QVERIFY2(name.right() == dialog.CancelBtn->geometry().right(), qPrintable(where));
        QVERIFY2(proposal.right() == dialog.CancelBtn->geometry().right(), qPrintable(where));
    }
}

void DialogSavePromptsTest::promptsTakeGerman()
{
    g_state.saveParentFolder = m_dir.path();
    g_state.saveFolderName = QStringLiteral("RepairedFiles");
    g_state.saveFileName = QStringLiteral("a.jpg");
    FolderExist folder;
    folder.ProposeFolderName();
    AlreadyExistFileDlg file(nullptr);
    file.ProposeNewName();
    SavingFinishDlg finished(nullptr, QString());
    QCOMPARE(childGeometry(&folder, "label_2").width(), 91);

    setInterfaceLanguage(LayoutLanguage::German);
    QVERIFY(installGerman(m_german));
    QTRY_COMPARE(folder.label_8->text(), QStringLiteral("Ordner vorhanden"));
    QCOMPARE(folder.CancelBtn->text(), QStringLiteral("Abbrechen"));
    QCOMPARE(childGeometry(&folder, "label_2"), QRect(20, 40, 142, 20));
    QCOMPARE(lineText(&folder, "RenameToText"), QStringLiteral("Copy(1)_RepairedFiles"));
    QCOMPARE(file.findChild<QLabel*>(QStringLiteral("label_8"))->text(), QStringLiteral("Datei vorhanden"));
    QCOMPARE(file.findChild<QPushButton*>(QStringLiteral("SkipAllBtn"))->text(), QStringLiteral("Alle überspringen"));
    QCOMPARE(childGeometry(&file, "OverwriteAllBtn"), QRect(168, 190, 146, 27));
    QCOMPARE(lineText(&file, "FileNameText"), QStringLiteral("a.jpg"));
    QCOMPARE(finished.label_8->text(), QStringLiteral("Speichern abgeschlossen"));
    QCOMPARE(finished.ViewSavedFiles->text(), QStringLiteral("Klicken Sie hier"));
    QCOMPARE(childGeometry(&finished, "ViewSavedFiles"), QRect(150, 91, 124, 28));
}

QTEST_MAIN(DialogSavePromptsTest)
#include "tst_dialog_save_prompts.moc"
