#include "back_application_dlg.h"
#include "close_application_dlg.h"
#include "dialog_driver.h"
#include "global_state.h"
#include "repair_finish_dialog.h"
#include "stop_dlg.h"

#include <QPushButton>
#include <QTranslator>
#include <QtTest>

namespace {

// Runs the dialog modally and, once it is on screen, presses the named
// button, or Escape when the name is empty.
void answerWith(QDialog* dialog, const QString& buttonName)
{
    whenModal([buttonName](QWidget* modal) {
        QVERIFY(modal);
        if (buttonName.isEmpty()) {
            QTest::keyClick(modal, Qt::Key_Escape);
            return;
        }
        auto* button = modal->findChild<QPushButton*>(buttonName);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    });
    dialog->exec();
    QVERIFY(dialog->isHidden());
}

} // namespace

// The answer protocol of the questions and message boxes: the caller reads
// the object name of the pressed button, never its caption, and a dialog
// closed without a button answers nothing.
class DialogAnswersTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void confirmationAnswer_data();
    void confirmationAnswer();
    void escapeAfterEarlierYesReadsAsNo();
    void clickWithoutSenderAnswersNothing();
    void answerIsObjectNameAlsoInGerman();

    void stopQuestion_data();
    void stopQuestion();

    void messageBoxClosesOnOkAndEscape_data();
    void messageBoxClosesOnOkAndEscape();

private:
    QTranslator m_german;
};

void DialogAnswersTest::init()
{
    g_state.uiScale = 1.0f;
    setInterfaceLanguage(LayoutLanguage::English);
    g_state.pressedButtonName.clear();
    g_state.stopRequested = 0;
}

void DialogAnswersTest::cleanup()
{
    QCoreApplication::removeTranslator(&m_german);
}

void DialogAnswersTest::confirmationAnswer_data()
{
    QTest::addColumn<bool>("exitQuestion");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("answer");
    QTest::newRow("exit Yes") << true << "YesBtn" << "YesBtn";
    QTest::newRow("exit No") << true << "NoBtn" << "NoBtn";
    QTest::newRow("exit Escape") << true << "" << "";
    QTest::newRow("back Yes") << false << "YesBtn" << "YesBtn";
    QTest::newRow("back No") << false << "NoBtn" << "NoBtn";
    QTest::newRow("back Escape") << false << "" << "";
}

void DialogAnswersTest::confirmationAnswer()
{
    QFETCH(bool, exitQuestion);
    QFETCH(QString, press);
    QFETCH(QString, answer);
    QWidget owner;
    QDialog* dialog = exitQuestion ? static_cast<QDialog*>(new CloseApplicationDlg(&owner))
                                   : static_cast<QDialog*>(new BackApplicationDlg(&owner));
    answerWith(dialog, press);
    QCOMPARE(g_state.pressedButtonName, answer);
}

void DialogAnswersTest::escapeAfterEarlierYesReadsAsNo()
{
    QWidget owner;
    auto* back = new BackApplicationDlg(&owner);
    auto* exit = new CloseApplicationDlg(&owner);
    answerWith(back, QStringLiteral("YesBtn"));
    QCOMPARE(g_state.pressedButtonName, QStringLiteral("YesBtn"));
    answerWith(exit, QString());
    QVERIFY(g_state.pressedButtonName.isEmpty());

    // The same kept dialog: No, then Yes on a later showing, then Escape.
    answerWith(exit, QStringLiteral("NoBtn"));
    QCOMPARE(g_state.pressedButtonName, QStringLiteral("NoBtn"));
    answerWith(exit, QStringLiteral("YesBtn"));
    QCOMPARE(g_state.pressedButtonName, QStringLiteral("YesBtn"));
    answerWith(exit, QString());
    QVERIFY(g_state.pressedButtonName.isEmpty());
}

void DialogAnswersTest::clickWithoutSenderAnswersNothing()
{
    QWidget owner;
    CloseApplicationDlg dialog(&owner);
    dialog.show();
    g_state.pressedButtonName = QStringLiteral("YesBtn");
    QVERIFY(QMetaObject::invokeMethod(&dialog, "CloseApplication"));
    QVERIFY(g_state.pressedButtonName.isEmpty());
    QVERIFY(dialog.isHidden());
}

void DialogAnswersTest::answerIsObjectNameAlsoInGerman()
{
    setInterfaceLanguage(LayoutLanguage::German);
    QVERIFY(installGerman(m_german));
    QWidget owner;
    auto* exit = new CloseApplicationDlg(&owner);
    QCOMPARE(exit->YesBtn->text(), QStringLiteral("Ja"));
    QCOMPARE(exit->label_8->text(), QStringLiteral("Beenden"));
    answerWith(exit, QStringLiteral("YesBtn"));
    QCOMPARE(g_state.pressedButtonName, QStringLiteral("YesBtn"));

    auto* back = new BackApplicationDlg(&owner);
    QCOMPARE(back->NoBtn->text(), QStringLiteral("Nein"));
    answerWith(back, QStringLiteral("NoBtn"));
    QCOMPARE(g_state.pressedButtonName, QStringLiteral("NoBtn"));
}

void DialogAnswersTest::stopQuestion_data()
{
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("stopRequested");
    QTest::newRow("Yes stops") << "OkBtn_2" << 1;
    QTest::newRow("No goes on") << "OkBtn" << 0;
    QTest::newRow("Escape goes on") << "" << 0;
}

void DialogAnswersTest::stopQuestion()
{
    QFETCH(QString, press);
    QFETCH(int, stopRequested);
    QWidget owner;
    auto* stop = new StopDlg(&owner);
    // What the main window wires to the two buttons.
    connect(stop->OkBtn_2, &QPushButton::clicked, stop, [stop] {
        g_state.stopRequested = 1;
        stop->close();
    });
    connect(stop->OkBtn, &QPushButton::clicked, stop, &QWidget::close);
    QCOMPARE(stop->OkBtn_2->text(), QStringLiteral("Yes"));
    answerWith(stop, press);
    QCOMPARE(g_state.stopRequested.load(), stopRequested);
}

void DialogAnswersTest::messageBoxClosesOnOkAndEscape_data()
{
    QTest::addColumn<QString>("press");
    QTest::newRow("OK") << "OkBtn";
    QTest::newRow("Escape") << "";
}

void DialogAnswersTest::messageBoxClosesOnOkAndEscape()
{
    QFETCH(QString, press);
    QWidget owner;
    auto* box = new repairFinishDialog(&owner);
    QCOMPARE(box->label_8->text(), QStringLiteral("Repair Complete"));
    box->repairedLabl->setText(QStringLiteral("Repair process completed."));
    answerWith(box, press);
}

QTEST_MAIN(DialogAnswersTest)
#include "tst_dialog_answers.moc"
