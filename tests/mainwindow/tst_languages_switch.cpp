#include "browse_repair_dlg.h"
#include "close_application_dlg.h"
#include "dialog_driver.h"
#include "global_state.h"
#include "language_rows.h"
#include "jpeg_fixture.h"
#include "language_table.h"
#include "mainwindow_run.h"
#include "my_tree_widget.h"
#include "settings_store.h"
#include "start_scale.h"
#include "temp_file.h"
#include "translation_folder.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<BrowseRepairDlg> makeWindow(float scale = 1.0f)
{
    g_startScale = scale;
    return std::make_unique<BrowseRepairDlg>(nullptr);
}

// The menu entry of each LanguageType.
const BrowseRepairDlg::LanguageAction kEntryOfType[kLanguageCount] = {
    BrowseRepairDlg::LangEnglish, BrowseRepairDlg::LangGerman,   BrowseRepairDlg::LangFrench,
    BrowseRepairDlg::LangItalian, BrowseRepairDlg::LangSpanish,  BrowseRepairDlg::LangJapanese,
    BrowseRepairDlg::LangChinese, BrowseRepairDlg::LangKorean,   BrowseRepairDlg::LangDutch,
    BrowseRepairDlg::LangBrazil,  BrowseRepairDlg::LangHindi,
};

int setFlagCount()
{
    int count = 0;
    for (int type = 0; type < kLanguageCount; ++type)
        count += g_state.*FindLanguage(type)->flag != 0;
    return count;
}

QList<int> markedEntries(BrowseRepairDlg& window, int page)
{
    QList<int> marked;
    for (int index = 0; index < BrowseRepairDlg::kLanguageActionCount; ++index)
        if (window.m_langActions[index][page]->isChecked())
            marked << index;
    return marked;
}

int storedLanguage()
{
    return platform::openSettings(g_state.settingsPath)->value(QStringLiteral("LanguageType"), -1).toInt();
}

} // namespace

// Choosing an interface language from either page's menu makes it current,
// stores it, marks it, swaps the translators, and the window re-texts and
// re-lays itself out in the new language.
class LanguagesSwitchTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void choiceFromEitherPage_data();
    void choiceFromEitherPage();
    void choosingTheCurrentLanguageKeepsItsMark();
    void germanRetextsAndMovesTheWindow();
    void everyLanguageRetextsTheWindow_data();
    void everyLanguageRetextsTheWindow();
    void otherLanguagesTranslatorsAreRemoved();
    void sizeColumnFollowsLanguageAndScale_data();
    void sizeColumnFollowsLanguageAndScale();
    void fileListHeaderOnlyOnceTheListIsSetUp();
    void switchWithoutCataloguesStillMovesTheWindow();
    void stoppedRunSaysSoInEveryCatalogue();
};

void LanguagesSwitchTest::initTestCase()
{
    useBuiltCatalogues();
    QVERIFY(QFile::exists(platform::translationFolder(QStringLiteral("DE")) + QStringLiteral("/LANG_DE.qm")));
}

void LanguagesSwitchTest::init()
{
    useBuiltCatalogues();
    setInterfaceLanguage(LayoutLanguage::English);
    g_state.showAsDisabled = 1;
    QFile::remove(qEnvironmentVariable("PICTAVO_SETTINGS_FILE"));
}

void LanguagesSwitchTest::cleanup()
{
    for (int type = 0; type < kLanguageCount; ++type) {
        QCoreApplication::removeTranslator(FindLanguage(type)->toolkitTranslator);
        QCoreApplication::removeTranslator(FindLanguage(type)->applicationTranslator);
    }
    QCoreApplication::processEvents();
}

void LanguagesSwitchTest::choiceFromEitherPage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("type");
    QTest::newRow("German, file list") << 0 << int(BrowseRepairDlg::LangGerman) << 1;
    QTest::newRow("Hindi, file list") << 0 << int(BrowseRepairDlg::LangHindi) << 10;
    QTest::newRow("Chinese, file list") << 0 << int(BrowseRepairDlg::LangChinese) << 6;
    QTest::newRow("Brazil, results") << 1 << int(BrowseRepairDlg::LangBrazil) << 9;
    QTest::newRow("Dutch, results") << 1 << int(BrowseRepairDlg::LangDutch) << 8;
    QTest::newRow("English, results") << 1 << int(BrowseRepairDlg::LangEnglish) << 0;
}

void LanguagesSwitchTest::choiceFromEitherPage()
{
    QFETCH(int, page);
    QFETCH(int, entry);
    QFETCH(int, type);
    auto window = makeWindow();
    window->CreateLanguageMenu2();
    const QList<int> otherPageMarks = markedEntries(*window, 1 - page);

    window->m_langActions[entry][page]->trigger();

    QCOMPARE(setFlagCount(), 1);
    QCOMPARE(g_state.*FindLanguage(type)->flag, 1);
    QCOMPARE(storedLanguage(), type);
    QCOMPARE(markedEntries(*window, page), QList<int>{entry});
    QCOMPARE(markedEntries(*window, 1 - page), otherPageMarks);
}

void LanguagesSwitchTest::choosingTheCurrentLanguageKeepsItsMark()
{
    auto window = makeWindow();
    QAction* english = window->m_langActions[BrowseRepairDlg::LangEnglish][0];
    QVERIFY(english->isChecked());
    english->trigger();
    QVERIFY(english->isChecked());
    QCOMPARE(markedEntries(*window, 0).size(), 1);
    QCOMPARE(storedLanguage(), 0);
}

void LanguagesSwitchTest::germanRetextsAndMovesTheWindow()
{
    auto window = makeWindow();
    window->Preview_Label->setText(QStringLiteral("preview"));
    QCOMPARE(window->SaveRepairBtn->geometry(), QRect(680, 530, 152, 32));
    QCOMPARE(window->m_languageButton->toolTip(), QStringLiteral("Languages"));

    window->m_langActions[BrowseRepairDlg::LangGerman][0]->trigger();
    QTRY_COMPARE(window->StartRepairFilesBtnN->text(), QStringLiteral("Reparieren"));
    QCOMPARE(window->StopRepairProcessBtn->text(), QStringLiteral("Anhalten"));
    QCOMPARE(window->SaveRepairBtn->text(), QStringLiteral("Reparierte Dateien speichern"));
    QCOMPARE(window->AddFilesBtnN->text(), QStringLiteral("Hinzufügen"));
    QCOMPARE(window->AddFilesBtnN->palette().color(QPalette::ButtonText), QColor(Qt::black));
    QCOMPARE(window->AbutBtn->toolTip(), QStringLiteral("Info"));
    QCOMPARE(window->BackBtn->toolTip(), QStringLiteral("Zurück"));
    QCOMPARE(window->m_languageButton->toolTip(), QStringLiteral("Sprache"));
    QCOMPARE(window->m_languageButton2->toolTip(), QStringLiteral("Sprache"));
    QCOMPARE(window->m_moreToolsButton->toolTip(), QStringLiteral("Weitere Tools"));
    QCOMPARE(g_state.actRepairVideo->text(), QStringLiteral("Video reparieren"));
    QCOMPARE(window->label->text(), QStringLiteral("Reparatur abgeschlossen."));
    QVERIFY(window->label_7->text().startsWith(QStringLiteral("Klicken Sie")));
    QCOMPARE(window->m_repairTree->headerItem()->text(0), QStringLiteral(" Dateiname"));
    QCOMPARE(window->m_closeDlg->label_2->text(), QStringLiteral("Möchten Sie das Programm wirklich beenden?"));
    QVERIFY(window->Preview_Label->text().isEmpty());
    QVERIFY(window->m_addFileButton->styleSheet().contains(QLatin1String(":/images/96-DPI/Add fileGR.png")));
    QCOMPARE(window->SaveRepairBtn->geometry(), QRect(618, 530, 214, 32));
    QCOMPARE(window->label_2->geometry(), QRect(45, 227, 95, 20));

    window->m_langActions[BrowseRepairDlg::LangEnglish][0]->trigger();
    QTRY_COMPARE(window->StartRepairFilesBtnN->text(), QStringLiteral("Repair"));
    QCOMPARE(window->m_languageButton->toolTip(), QStringLiteral("Language"));
    QCOMPARE(window->SaveRepairBtn->geometry(), QRect(680, 530, 152, 32));
    QCOMPARE(window->label_2->geometry(), QRect(45, 227, 55, 20));
    QVERIFY(window->m_addFileButton->styleSheet().contains(QLatin1String("Add fileEN.png")));
}

void LanguagesSwitchTest::everyLanguageRetextsTheWindow_data()
{
    addLanguageRows();
}

void LanguagesSwitchTest::everyLanguageRetextsTheWindow()
{
    QFETCH(int, type);
    QFETCH(QString, repair);
    QFETCH(QString, exitQuestion);
    QFETCH(QString, toolkitCancel);
    auto window = makeWindow();

    window->m_langActions[kEntryOfType[type]][0]->trigger();
    QTRY_COMPARE(window->StartRepairFilesBtnN->text(), repair);
    QCOMPARE(window->m_closeDlg->label_2->text(), exitQuestion);
    QCOMPARE(QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(), toolkitCancel);
    if (type == 0)
        return;
    QCOMPARE(untranslatedSamples({{window->SaveRepairBtn->text(), QStringLiteral("Save Repaired Files")},
                                  {window->StopRepairProcessBtn->text(), QStringLiteral("Stop")},
                                  {window->m_languageButton->toolTip(), QStringLiteral("Language")},
                                  {window->label->text(), QStringLiteral("Repair process completed.")},
                                  {window->m_repairTree->headerItem()->text(0), QStringLiteral(" File Name")},
                                  {g_state.actRecoverPhoto->text(), QStringLiteral("Recover Photo")}}),
             QString());
}

void LanguagesSwitchTest::otherLanguagesTranslatorsAreRemoved()
{
    // Started in German, as start-up would install it.
    SetLanguageFlags(1);
    InstallLanguage(*FindLanguage(1));
    auto window = makeWindow();
    QTRY_COMPARE(window->StartRepairFilesBtnN->text(), QStringLiteral("Reparieren"));
    QVERIFY(window->m_langActions[BrowseRepairDlg::LangGerman][0]->isChecked());

    window->m_langActions[BrowseRepairDlg::LangKorean][0]->trigger();
    QTRY_COMPARE(window->StartRepairFilesBtnN->text(), QString::fromUtf8("복구"));
    // German's translators are gone: removing them again fails.
    QVERIFY(!QCoreApplication::removeTranslator(FindLanguage(1)->applicationTranslator));
    QVERIFY(!QCoreApplication::removeTranslator(FindLanguage(1)->toolkitTranslator));
    QCOMPARE(window->label_4->geometry(), QRect(320, 7, 201, 20));
    QVERIFY(window->m_addFileButton->styleSheet().contains(QLatin1String(":/images/Korean/96-DPI/Add fileKO.png")));
}

void LanguagesSwitchTest::sizeColumnFollowsLanguageAndScale_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("width");
    QTest::newRow("Italian 1.25") << 1.25f << int(BrowseRepairDlg::LangItalian) << 137;
    QTest::newRow("Japanese 1.5") << 1.5f << int(BrowseRepairDlg::LangJapanese) << 165;
    QTest::newRow("Italian 1.1") << 1.1f << int(BrowseRepairDlg::LangItalian) << 70;
    QTest::newRow("French 1.0") << 1.0f << int(BrowseRepairDlg::LangFrench) << 70;
}

void LanguagesSwitchTest::sizeColumnFollowsLanguageAndScale()
{
    QFETCH(float, scale);
    QFETCH(int, entry);
    QFETCH(int, width);
    auto window = makeWindow();
    window->m_fileTree->setColumnCount(9);
    window->m_fileTree->header()->resizeSection(2, 70);
    g_state.uiScale = scale;

    window->m_langActions[entry][0]->trigger();
    QTRY_COMPARE(window->m_fileTree->header()->sectionSize(2), width);

    // Back to English: the column keeps the width it has.
    window->m_langActions[BrowseRepairDlg::LangEnglish][0]->trigger();
    QTRY_VERIFY(window->m_languageButton->toolTip() == QStringLiteral("Language"));
    QCOMPARE(window->m_fileTree->header()->sectionSize(2), width);
}

void LanguagesSwitchTest::fileListHeaderOnlyOnceTheListIsSetUp()
{
    auto window = makeWindow();
    // Italian would widen the size column, which the list does not have yet.
    window->m_langActions[BrowseRepairDlg::LangItalian][0]->trigger();
    QTRY_COMPARE(window->m_languageButton->toolTip(), QStringLiteral("Lingua"));
    QCOMPARE(window->m_fileTree->columnCount(), 0);

    window->m_fileTreeReady = true;
    window->m_langActions[BrowseRepairDlg::LangGerman][0]->trigger();
    QTRY_COMPARE(window->m_fileTree->columnCount(), 9);
    QCOMPARE(window->m_fileTree->headerItem()->text(2), QStringLiteral(" Größe (KB)"));
    QCOMPARE(window->m_fileTree->headerItem()->text(3), QStringLiteral("FileID"));
}

void LanguagesSwitchTest::switchWithoutCataloguesStillMovesTheWindow()
{
    // No translator is installed and neither language has a catalogue here.
    QTemporaryDir noCatalogues;
    qputenv(platform::kTranslationRootVariable, noCatalogues.path().toUtf8());
    auto window = makeWindow();
    window->m_langActions[BrowseRepairDlg::LangDutch][0]->trigger();
    QTRY_COMPARE(window->SaveRepairBtn->geometry(), QRect(596, 530, 236, 32));
    QVERIFY(window->m_addFileButton->styleSheet().contains(QLatin1String("Add fileDU.png")));
    QCOMPARE(window->m_languageButton->toolTip(), QStringLiteral("Language"));

    window->m_langActions[BrowseRepairDlg::LangHindi][0]->trigger();
    QTRY_COMPARE(window->SaveRepairBtn->geometry(), QRect(680, 530, 150, 32));
}

// A run stopped in German says so in German, and in English after a switch.
void LanguagesSwitchTest::stoppedRunSaysSoInEveryCatalogue()
{
    QTemporaryDir dir;
    for (const char* name : {"a.jpg", "b.jpg"})
        QVERIFY(writeFileBytes(dir.filePath(name), fixture::realJpeg(24, 24)));
    auto window = makeWindow();
    window->m_langActions[BrowseRepairDlg::LangGerman][0]->trigger();
    QTRY_COMPARE(window->StartRepairFilesBtnN->text(), QStringLiteral("Reparieren"));
    g_state.stopRequested = 0;
    mainwindowrun::stopAtProgress(*window, QStringLiteral("Repariere Datei 2 "));
    mainwindowrun::addFiles(*window, dir.path(), {"a.jpg", "b.jpg"});
    mainwindowrun::RunWatch watch(*window);
    window->StartRepairFilesBtnN->click();
    QVERIFY(watch.waitForEnd());

    QCOMPARE(watch.aborted.count(), 1);
    QCOMPARE(watch.closer.messages, QStringList({QStringLiteral("Reparatur angehalten.")}));
    QCOMPARE(window->label->text(), QStringLiteral("Reparatur angehalten."));
    window->m_langActions[BrowseRepairDlg::LangEnglish][1]->trigger();
    QTRY_COMPARE(window->label->text(), QStringLiteral("Repair process stopped."));
    g_state.stopRequested = 0;
}

QTEST_MAIN(LanguagesSwitchTest)
#include "tst_languages_switch.moc"
