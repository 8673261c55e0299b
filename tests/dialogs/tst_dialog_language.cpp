#include "advanced_repair_dlg.h"
#include "back_application_dlg.h"
#include "close_application_dlg.h"
#include "dialog_driver.h"
#include "global_state.h"
#include "language_rows.h"
#include "language_table.h"
#include "reference_file_dlg.h"
#include "repair_finish_dialog.h"
#include "stop_dlg.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTranslator>
#include <QtTest>

// A language change while the program runs: the dialogs that the main
// window keeps hidden redo their texts from the new catalogue and their
// rectangles from the new language flag.
Q_DECLARE_METATYPE(LayoutLanguage)

class DialogLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void hiddenSampleDialogTakesGermanTextsAndLayout();
    void keptQuestionsTakeGermanTexts();
    void messageBoxReturnsToItsOwnTexts();
    void switchingBackRestoresEnglish();
    void everyLanguageRetextsTheKeptDialogs_data();
    void everyLanguageRetextsTheKeptDialogs();
    void stopQuestionFullyVisible_data();
    void stopQuestionFullyVisible();

private:
    void switchToGerman();
    QTranslator m_german;
};

void DialogLanguageTest::init()
{
    g_state.uiScale = 1.0f;
    setInterfaceLanguage(LayoutLanguage::English);
}

void DialogLanguageTest::cleanup()
{
    QCoreApplication::removeTranslator(&m_german);
    for (int type = 0; type < kLanguageCount; ++type) {
        QCoreApplication::removeTranslator(FindLanguage(type)->toolkitTranslator);
        QCoreApplication::removeTranslator(FindLanguage(type)->applicationTranslator);
    }
    QCoreApplication::processEvents();
}

void DialogLanguageTest::switchToGerman()
{
    setInterfaceLanguage(LayoutLanguage::German);
    QVERIFY(installGerman(m_german));
    QCoreApplication::processEvents();
}

void DialogLanguageTest::hiddenSampleDialogTakesGermanTextsAndLayout()
{
    ReferenceFileDlg sample(nullptr, QString());
    sample.label->setText(QStringLiteral("Add a sample HEIC:"));
    QCOMPARE(sample.RefBrowse_Btn->text(), QStringLiteral("Browse"));
    QCOMPARE(sample.label_2->width(), 351);
    QVERIFY(sample.isHidden());

    switchToGerman();
    QTRY_COMPARE(sample.RefBrowse_Btn->text(), QStringLiteral("Durchsuchen"));
    QCOMPARE(sample.cancle->text(), QStringLiteral("Abbrechen"));
    QCOMPARE(sample.label_2->text(), QStringLiteral("Auf alle JPEG-Dateien desselben Formats anwenden."));
    // The form's prompt comes back, in German.
    QVERIFY(sample.label->text().contains(QStringLiteral("Beispiel-JPEG hinzufügen:")));
    QCOMPARE(sample.label_2->geometry(), QRect(55, 140, 401, 27));
    QVERIFY(sample.isHidden());
}

void DialogLanguageTest::keptQuestionsTakeGermanTexts()
{
    QWidget owner;
    StopDlg stop(&owner);
    CloseApplicationDlg exit(&owner);
    BackApplicationDlg back(&owner);
    QCOMPARE(stop.label_2->geometry(), QRect(130, 30, 301, 41));

    switchToGerman();
    QTRY_COMPARE(stop.label_8->text(), QStringLiteral("Reparatur anhalten"));
    QCOMPARE(stop.OkBtn_2->text(), QStringLiteral("Ja"));
    QCOMPARE(stop.OkBtn->text(), QStringLiteral("Nein"));
    QCOMPARE(stop.label_2->geometry(), QRect(130, 40, 301, 55));
    QTRY_COMPARE(exit.label_2->text(), QStringLiteral("Möchten Sie das Programm wirklich beenden?"));
    QCOMPARE(exit.label_8->text(), QStringLiteral("Beenden"));
    QTRY_COMPARE(back.label_8->text(), QStringLiteral("Zurück"));
    QVERIFY(back.label_2->text().contains(QLatin1Char('\n')));
}

void DialogLanguageTest::messageBoxReturnsToItsOwnTexts()
{
    QWidget owner;
    repairFinishDialog box(&owner);
    box.label_8->setText(QStringLiteral("Already added files"));
    box.repairedLabl->setText(QStringLiteral("a.jpg\nFile name already added to list."));

    switchToGerman();
    QTRY_COMPARE(box.label_8->text(), QStringLiteral("Reparatur abgeschlossen"));
    QVERIFY(box.repairedLabl->text().isEmpty());
    QVERIFY(!box.label_2->pixmap(Qt::ReturnByValue).isNull()); // the icon stays
    QCOMPARE(box.repairedLabl->geometry(), QRect(110, 38, 349, 89));
}

void DialogLanguageTest::switchingBackRestoresEnglish()
{
    ReferenceFileDlg sample(nullptr, QString());
    switchToGerman();
    QTRY_COMPARE(sample.RefBrowse_Btn->text(), QStringLiteral("Durchsuchen"));

    setInterfaceLanguage(LayoutLanguage::Dutch);
    QCoreApplication::removeTranslator(&m_german);
    QTRY_COMPARE(sample.RefBrowse_Btn->text(), QStringLiteral("Browse"));
    QCOMPARE(sample.label_2->width(), 351);
}

void DialogLanguageTest::everyLanguageRetextsTheKeptDialogs_data()
{
    addLanguageRows();
}

void DialogLanguageTest::everyLanguageRetextsTheKeptDialogs()
{
    QFETCH(int, type);
    QFETCH(QString, exitQuestion);
    QWidget owner;
    StopDlg stop(&owner);
    CloseApplicationDlg exit(&owner);
    BackApplicationDlg back(&owner);
    ReferenceFileDlg sample(nullptr, QString());

    useBuiltCatalogues();
    SetLanguageFlags(type);
    InstallLanguage(*FindLanguage(type));
    QTRY_COMPARE(exit.label_2->text(), exitQuestion);
    if (type == 0)
        return;
    QCOMPARE(untranslatedSamples({{stop.label_8->text(), QStringLiteral("Stop Repair")},
                                  {stop.OkBtn_2->text(), QStringLiteral("Yes")},
                                  {exit.label_8->text(), QStringLiteral("Exit")},
                                  {back.label_8->text(), QStringLiteral("Back")},
                                  {sample.RefBrowse_Btn->text(), QStringLiteral("Browse")},
                                  {sample.label_2->text(), QStringLiteral("Apply to all JPEG of same format.")}}),
             QString());
}

void DialogLanguageTest::stopQuestionFullyVisible_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<LayoutLanguage>("language");
    using L = LayoutLanguage;
    const struct {
        const char* name;
        LayoutLanguage language;
    } languages[] = {{"English", L::English}, {"German", L::German},   {"French", L::French},
                     {"Italian", L::Italian}, {"Spanish", L::Spanish}, {"Chinese", L::Chinese},
                     {"Japanese", L::Japanese}, {"Korean", L::Korean}, {"Dutch", L::Dutch},
                     {"Brazil", L::Brazil},   {"Hindi", L::Hindi}};
    for (const float scale : {1.0f, 1.25f, 1.5f}) {
        for (const auto& entry : languages)
            QTest::addRow("%s %.2f", entry.name, double(scale)) << scale << entry.language;
    }
}

// The stop question as the user sees it: shown, its text fits its label at
// the font size the interface scale gives the program, and no widget stacked
// above it covers any of the text.
void DialogLanguageTest::stopQuestionFullyVisible()
{
    QFETCH(float, scale);
    QFETCH(LayoutLanguage, language);
    g_state.uiScale = scale;
    setInterfaceLanguage(language);
    if (language == LayoutLanguage::German)
        QVERIFY(installGerman(m_german));
    QWidget owner;
    StopDlg stop(&owner);
    stop.show();
    QVERIFY(QTest::qWaitForWindowExposed(&stop));
    QLabel* question = stop.label_2;
    QVERIFY(question->isVisible());
    if (language == LayoutLanguage::German)
        QCOMPARE(question->text(), QStringLiteral("Möchten Sie den laufenden Vorgang anhalten?"));

    QFont font = question->font();
    font.setPointSizeF(font.pointSizeF() * double(scale));
    const QRect area = question->contentsRect();
    const int flags = int(question->alignment()) | (question->wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect text = QFontMetrics(font).boundingRect(area, flags, question->text());
    QVERIFY2(area.contains(text), qPrintable(QStringLiteral("text %1x%2 at (%3,%4) in a label of %5x%6")
                                                 .arg(text.width()).arg(text.height()).arg(text.x()).arg(text.y())
                                                 .arg(area.width()).arg(area.height())));

    const QRect onPanel = text.translated(question->pos());
    const QObjectList siblings = question->parentWidget()->children();
    for (int i = siblings.indexOf(question) + 1; i < siblings.size(); ++i) {
        const auto* above = qobject_cast<QWidget*>(siblings[i]);
        if (above && above->isVisible())
            QVERIFY2(!above->geometry().intersects(onPanel), qPrintable(above->objectName()));
    }
}

QTEST_MAIN(DialogLanguageTest)
#include "tst_dialog_language.moc"
