#include "advanced_repair_dlg.h"
#include "back_application_dlg.h"
#include "close_application_dlg.h"
#include "dialog_driver.h"
#include "reference_file_dlg.h"
#include "dialog_look.h"
#include "global_state.h"
#include "language_rows.h"
#include "language_table.h"
#include "repair_finish_dialog.h"
#include "standalone_dialogs.h"
#include "stop_dlg.h"
#include "window_frame.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QTextDocument>
#include <QWindow>
#include <QtTest>

#include <memory>
#include <tuple>

namespace {

// Mouse events go to the window, as the window system would deliver them;
// the window hands them to the widget under the cursor or the grabber.
void sendMouse(QWidget* dialog, QEvent::Type type, QPoint local, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    QWindow* window = dialog->windowHandle();
    QMouseEvent event(type, local, local, window->mapToGlobal(local), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
}

void press(QWidget* dialog, QPoint local, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(dialog, QEvent::MouseButtonPress, local, button, button);
}

void release(QWidget* dialog, QPoint local, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(dialog, QEvent::MouseButtonRelease, local, button, Qt::NoButton);
}

void moveTo(QWidget* dialog, QPoint local, Qt::MouseButtons held)
{
    sendMouse(dialog, QEvent::MouseMove, local, Qt::NoButton, held);
}

} // namespace

// The frameless-window behaviour: title-strip hit test and drag, centring,
// the key body of the windows that never close from the keyboard, the
// image set by scale and the scaled per-language geometry.
class DialogFrameTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void titleStripHitTest_data();
    void titleStripHitTest();
    void leftDragInsideStripMovesWindow();
    void pressOutsideStripMovesNothing();
    void rightPressNeitherStartsNorEndsDrag();
    void releaseInAnyWindowEndsDrag();

    void centring_data();
    void centring();

    void escapeIsPassedOnOtherKeysSwallowed();
    void everyWindowHasTheProgramsName();

    void imageSetByScale_data();
    void imageSetByScale();
    void scaleWithoutImageSetShowsPlainLook();

    void scaledGeometryPerLanguage_data();
    void scaledGeometryPerLanguage();

    void messageBoxKeepsEnglishMargins_data();
    void messageBoxKeepsEnglishMargins();
    void languageRectangles_data();
    void languageRectangles();

private:
    void checkMessageBox(int type, float scale, const QString& message);
};

namespace {

// The distances of a message box's parts to its frame and edge: white bands
// to the frame's right (and the lower one to its bottom), OK to the right edge.
struct BoxMargins {
    int header, lowerBarRight, lowerBarBottom, ok;
};

BoxMargins boxMargins(const repairFinishDialog& box)
{
    const QRect frame = box.frame->geometry();
    return {frame.right() - box.label_8->geometry().right(),
            frame.right() - box.lower_barlabel->geometry().right(),
            frame.bottom() - box.lower_barlabel->geometry().bottom(), box.width() - 1 - box.OkBtn->geometry().right()};
}

// Where a word-wrapped label's text stands, in its parent: as wide as its
// longest line and as tall as its lines, placed by the label's alignment.
QRect wrappedTextRect(const QLabel* label)
{
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(label->font());
    document.setPlainText(label->text());
    document.setTextWidth(label->contentsRect().width());
    const QSize text(qCeil(document.idealWidth()), qCeil(document.size().height()));
    return QStyle::alignedRect(Qt::LeftToRight, label->alignment(), text, label->contentsRect())
        .translated(label->pos());
}

} // namespace

void DialogFrameTest::init()
{
    g_state.uiScale = 1.0f;
    g_dragging = false;
    setInterfaceLanguage(LayoutLanguage::English);
}

void DialogFrameTest::cleanup()
{
    removeLanguageCatalogues();
    QCoreApplication::processEvents();
}

void DialogFrameTest::titleStripHitTest_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("stripWidth");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inside");

    QTest::newRow("last pixel inside") << 1.0f << 500 << QPoint(499, 29) << true;
    QTest::newRow("origin inside") << 1.0f << 500 << QPoint(0, 0) << true;
    QTest::newRow("one column right of strip") << 1.0f << 500 << QPoint(500, 10) << false;
    QTest::newRow("one row below strip") << 1.0f << 500 << QPoint(10, 30) << false;
    QTest::newRow("1.25 truncates 1062.5 and 37.5") << 1.25f << 850 << QPoint(1061, 36) << true;
    QTest::newRow("1.25 column 1062 outside") << 1.25f << 850 << QPoint(1062, 0) << false;
    QTest::newRow("1.25 row 37 outside") << 1.25f << 850 << QPoint(0, 37) << false;
    QTest::newRow("stop dialog last column") << 1.0f << 498 << QPoint(497, 0) << true;
    QTest::newRow("stop dialog past strip") << 1.0f << 498 << QPoint(498, 0) << false;
    QTest::newRow("stop dialog at 1.5") << 1.5f << 498 << QPoint(746, 44) << true;
    QTest::newRow("stop dialog at 1.5 row 45") << 1.5f << 498 << QPoint(10, 45) << false;
}

void DialogFrameTest::titleStripHitTest()
{
    QFETCH(float, scale);
    QFETCH(int, stripWidth);
    QFETCH(QPoint, point);
    QFETCH(bool, inside);
    g_state.uiScale = scale;
    QCOMPARE(isInTitleStrip(point, stripWidth), inside);
    if (stripWidth == 498) {
        StopDlg dialog(nullptr);
        QCOMPARE(dialog.IsInTitleBar(point), inside);
    }
}

void DialogFrameTest::leftDragInsideStripMovesWindow()
{
    StopDlg dialog(nullptr);
    dialog.move(100, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    press(&dialog, QPoint(10, 10));
    QVERIFY(g_dragging);
    moveTo(&dialog, QPoint(60, 40), Qt::LeftButton);
    QCOMPARE(dialog.pos(), QPoint(150, 130));
    // The pressed point stays under the cursor on the next step as well.
    moveTo(&dialog, QPoint(15, 5), Qt::LeftButton);
    QCOMPARE(dialog.pos(), QPoint(155, 125));
    // Dragging off the screen is allowed.
    moveTo(&dialog, QPoint(-400, -300), Qt::LeftButton);
    QCOMPARE(dialog.pos(), QPoint(-255, -185));

    release(&dialog, QPoint(10, 10));
    QVERIFY(!g_dragging);
    moveTo(&dialog, QPoint(80, 80), Qt::NoButton);
    moveTo(&dialog, QPoint(90, 90), Qt::LeftButton);
    QCOMPARE(dialog.pos(), QPoint(-255, -185));
}

void DialogFrameTest::pressOutsideStripMovesNothing()
{
    StopDlg dialog(nullptr);
    dialog.move(100, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    g_dragging = true; // a left press outside every strip ends a stale drag
    press(&dialog, QPoint(10, 31));
    QVERIFY(!g_dragging);
    moveTo(&dialog, QPoint(60, 80), Qt::LeftButton);
    QCOMPARE(dialog.pos(), QPoint(100, 100));
    release(&dialog, QPoint(60, 80));
}

void DialogFrameTest::rightPressNeitherStartsNorEndsDrag()
{
    StopDlg dialog(nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    press(&dialog, QPoint(10, 10), Qt::RightButton);
    QVERIFY(!g_dragging);
    release(&dialog, QPoint(10, 10), Qt::RightButton);

    g_dragging = true;
    press(&dialog, QPoint(10, 10), Qt::RightButton);
    QVERIFY(g_dragging);
}

void DialogFrameTest::releaseInAnyWindowEndsDrag()
{
    StopDlg first(nullptr);
    repairFinishDialog second(nullptr);
    first.show();
    second.move(600, 300);
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));

    press(&first, QPoint(20, 5));
    QVERIFY(g_dragging);
    release(&second, QPoint(200, 100), Qt::RightButton);
    QVERIFY(!g_dragging);
}

void DialogFrameTest::centring_data()
{
    QTest::addColumn<QSize>("widgetSize");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("message box on main window") << QSize(498, 174) << QRect(100, 50, 850, 600)
                                                << QPoint(276, 263);
    QTest::newRow("odd differences truncate") << QSize(498, 174) << QRect(10, 20, 851, 601)
                                              << QPoint(186, 233);
    QTest::newRow("wider than rect truncates toward zero") << QSize(105, 98) << QRect(0, 0, 100, 100)
                                                           << QPoint(-2, 1);
    QTest::newRow("negative difference of -7") << QSize(107, 107) << QRect(40, 40, 100, 100)
                                               << QPoint(37, 37);
}

void DialogFrameTest::centring()
{
    QFETCH(QSize, widgetSize);
    QFETCH(QRect, rect);
    QFETCH(QPoint, expected);
    QWidget widget;
    widget.setFixedSize(widgetSize);
    CenterWidgetOnRect(&widget, rect);
    QCOMPARE(widget.pos(), expected);
}

// A task switcher or a screen reader names each window by its title.
void DialogFrameTest::everyWindowHasTheProgramsName()
{
    std::vector<std::unique_ptr<QWidget>> windows = makeStandaloneDialogs();
    auto* sample = new ReferenceFileDlg(nullptr, QString());
    windows.emplace_back(sample);
    windows.emplace_back(new AdvancedRepairDlg(nullptr, QString(), sample));
    QStringList faults;
    for (const auto& window : windows)
        if (window->windowTitle().trimmed() != QLatin1String("Pictavo"))
            faults << QStringLiteral("%1: \"%2\"").arg(window->metaObject()->className(), window->windowTitle());
    QCOMPARE(faults.join(QLatin1Char('\n')), QString());
}

void DialogFrameTest::escapeIsPassedOnOtherKeysSwallowed()
{
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    escape.accept();
    swallowWindowKey(&escape);
    QVERIFY(!escape.isAccepted());

    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    enter.ignore();
    swallowWindowKey(&enter);
    QVERIFY(enter.isAccepted());
}

void DialogFrameTest::imageSetByScale_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<QString>("folder");
    QTest::newRow("1.0") << 1.0f << QStringLiteral(":/images/96-DPI/");
    QTest::newRow("1.25") << 1.25f << QStringLiteral(":/images/120-DPI/");
    QTest::newRow("1.5") << 1.5f << QStringLiteral(":/images/144-DPI/");
    QTest::newRow("1.75") << 1.75f << QStringLiteral(":/images/144-DPI/");
    QTest::newRow("2.0") << 2.0f << QStringLiteral(":/images/144-DPI/");
    QTest::newRow("1.1 has no set") << 1.1f << QString();
    QTest::newRow("1.3 has no set") << 1.3f << QString();
}

void DialogFrameTest::imageSetByScale()
{
    QFETCH(float, scale);
    QFETCH(QString, folder);
    QCOMPARE(imageSetFolder(scale), folder);
    g_state.uiScale = scale;
    const QString sheet = imageStyle(QStringLiteral("border-image:url(:/images/96-DPI/16.png);"));
    QCOMPARE(sheet.isEmpty(), folder.isEmpty());
    if (!folder.isEmpty())
        QVERIFY(sheet.contains(folder + QLatin1String("16.png")));
}

void DialogFrameTest::scaleWithoutImageSetShowsPlainLook()
{
    g_state.uiScale = 1.1f;
    repairFinishDialog box(nullptr);
    QVERIFY(box.label_2->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(box.OkBtn->styleSheet().isEmpty());
    QCOMPARE(box.OkBtn->text(), QStringLiteral("OK"));
    QCOMPARE(box.label_3->styleSheet(), QStringLiteral("background-color: rgb(249,249,249);"));

    StopDlg stop(nullptr);
    QVERIFY(stop.OkBtn_2->styleSheet().isEmpty());
    QVERIFY(stop.label_5->styleSheet().isEmpty());
}

void DialogFrameTest::scaledGeometryPerLanguage_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("language");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("lowerBar");
    QTest::addColumn<QRect>("message");
    QTest::addColumn<QRect>("ok");

    const auto lang = [](LayoutLanguage l) { return int(l); };
    QTest::newRow("English 1.0") << 1.0f << lang(LayoutLanguage::English) << QSize(498, 174)
                                 << QRect(2, 135, 494, 37) << QRect(150, 38, 349, 89)
                                 << QRect(395, 140, 90, 26);
    QTest::newRow("English 1.25") << 1.25f << lang(LayoutLanguage::English) << QSize(622, 217)
                                  << QRect(2, 168, 617, 46) << QRect(187, 47, 436, 111)
                                  << QRect(493, 175, 112, 32);
    QTest::newRow("German 1.0") << 1.0f << lang(LayoutLanguage::German) << QSize(498, 174)
                                << QRect(2, 135, 494, 37) << QRect(110, 38, 349, 89)
                                << QRect(395, 140, 90, 26);
    QTest::newRow("Japanese shares German values") << 1.0f << lang(LayoutLanguage::Japanese)
                                                   << QSize(498, 174) << QRect(2, 135, 494, 37)
                                                   << QRect(110, 38, 349, 89) << QRect(395, 140, 90, 26);
    QTest::newRow("Italian") << 1.0f << lang(LayoutLanguage::Italian) << QSize(498, 174)
                             << QRect(2, 135, 494, 37) << QRect(110, 38, 349, 91)
                             << QRect(395, 140, 90, 26);
    QTest::newRow("Spanish") << 1.0f << lang(LayoutLanguage::Spanish) << QSize(498, 174)
                             << QRect(2, 135, 494, 37) << QRect(110, 30, 349, 110)
                             << QRect(395, 140, 90, 26);
    QTest::newRow("Hindi") << 1.0f << lang(LayoutLanguage::Hindi) << QSize(510, 184)
                           << QRect(2, 135, 505, 47) << QRect(110, 30, 387, 103)
                           << QRect(397, 145, 100, 26);
    QTest::newRow("Brazil 1.5") << 1.5f << lang(LayoutLanguage::Brazil) << QSize(765, 276)
                                << QRect(3, 202, 757, 70) << QRect(165, 45, 580, 154)
                                << QRect(595, 217, 150, 39);
    QTest::newRow("Dutch") << 1.0f << lang(LayoutLanguage::Dutch) << QSize(520, 184)
                           << QRect(2, 135, 515, 47) << QRect(110, 30, 397, 103)
                           << QRect(407, 145, 100, 26);
    QTest::newRow("Dutch 1.75") << 1.75f << lang(LayoutLanguage::Dutch) << QSize(910, 322)
                                << QRect(3, 236, 901, 82) << QRect(192, 52, 694, 180)
                                << QRect(712, 253, 175, 45);
}

void DialogFrameTest::scaledGeometryPerLanguage()
{
    QFETCH(float, scale);
    QFETCH(int, language);
    QFETCH(QSize, size);
    QFETCH(QRect, lowerBar);
    QFETCH(QRect, message);
    QFETCH(QRect, ok);
    g_state.uiScale = scale;
    setInterfaceLanguage(LayoutLanguage(language));

    repairFinishDialog box(nullptr);
    QCOMPARE(box.size(), size);
    QCOMPARE(box.minimumSize(), size);
    QCOMPARE(box.maximumSize(), size);
    QCOMPARE(box.lower_barlabel->geometry(), lowerBar);
    QCOMPARE(box.repairedLabl->geometry(), message);
    QCOMPARE(box.OkBtn->geometry(), ok);
    // The icons keep their English rectangles in every language.
    QCOMPARE(box.label_2->geometry(), scaledRect(QRect(20, 50, 66, 66), scale));
}

namespace {

enum class Kind { Stop, Exit, Back, Sample, Intro };

std::unique_ptr<QDialog> makeDialog(Kind kind, ReferenceFileDlg* sample)
{
    switch (kind) {
    case Kind::Stop: return std::make_unique<StopDlg>(nullptr);
    case Kind::Exit: return std::make_unique<CloseApplicationDlg>(nullptr);
    case Kind::Back: return std::make_unique<BackApplicationDlg>(nullptr);
    case Kind::Sample: return std::make_unique<ReferenceFileDlg>(nullptr, QString());
    case Kind::Intro: return std::make_unique<AdvancedRepairDlg>(nullptr, QString(), sample);
    }
    return nullptr;
}

} // namespace

void DialogFrameTest::messageBoxKeepsEnglishMargins_data()
{
    addLanguageRows();
}

// In every language and scale the message box's white bands reach its frame
// and OK stands as far from the right edge as in English, and the longest
// messages (the work-folder one of a save, the failures of a sample repair)
// stay inside the frame, between the bands.
void DialogFrameTest::messageBoxKeepsEnglishMargins()
{
    QFETCH(int, type);
    installLanguageOfRow(type);
    const char* const messages[] = {
        "The repaired files cannot be saved into the program's work folder, which is emptied when you go back or "
        "exit. Please choose another folder.",
        "The sample does not match the damaged photo, so the photo could not be repaired with it. Choose a sample "
        "taken with the same camera.",
        "The photo could not be repaired with this sample."};
    for (const float scale : {1.0f, 1.25f, 1.5f}) {
        for (const char* message : messages) {
            checkMessageBox(type, scale, QCoreApplication::translate("BrowseRepairDlg", message));
            if (QTest::currentTestFailed())
                return;
        }
    }
}

// The box at one scale with one message, against the English box's margins.
void DialogFrameTest::checkMessageBox(int type, float scale, const QString& message)
{
    g_state.uiScale = scale;
    setInterfaceLanguage(LayoutLanguage::English);
    const BoxMargins english = boxMargins(repairFinishDialog(nullptr));
    SetLanguageFlags(type);
    repairFinishDialog box(nullptr);
    box.repairedLabl->setText(message);
    const BoxMargins margins = boxMargins(box);
    const QString at = QStringLiteral(" at %1").arg(double(scale));
    for (const auto& [name, have, want] : {std::make_tuple("header", margins.header, english.header),
                                           std::make_tuple("lower bar", margins.lowerBarRight, english.lowerBarRight),
                                           std::make_tuple("lower bar bottom", margins.lowerBarBottom, english.lowerBarBottom),
                                           std::make_tuple("OK", margins.ok, english.ok)})
        QVERIFY2(qAbs(have - want) <= 1, qPrintable(QStringLiteral("%1 %2 px from the edge, English %3")
                                                        .arg(QLatin1String(name)).arg(have).arg(want) + at));
    const QRect inside(box.frame->x() + 1, box.label_8->geometry().bottom() + 1, box.frame->width() - 2,
                       box.lower_barlabel->y() - box.label_8->geometry().bottom() - 1);
    const QRect text = wrappedTextRect(box.repairedLabl);
    QVERIFY2(inside.contains(text), qPrintable(QStringLiteral("message %1,%2 %3x%4 outside %5,%6 %7x%8")
                                                   .arg(text.x()).arg(text.y()).arg(text.width()).arg(text.height())
                                                   .arg(inside.x()).arg(inside.y()).arg(inside.width())
                                                   .arg(inside.height()) + at + QStringLiteral(": ") + message));
}

void DialogFrameTest::languageRectangles_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("language");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QRect>("rect");

    const auto row = [](const char* name, Kind kind, float scale, LayoutLanguage language,
                        QSize size, const char* widget, QRect rect) {
        QTest::newRow(name) << int(kind) << scale << int(language) << size << widget << rect;
    };
    using L = LayoutLanguage;
    const QSize stop(498, 174), question(494, 176), sample(514, 232), intro(502, 275);
    row("stop English", Kind::Stop, 1.0f, L::English, stop, "label_2", {130, 30, 301, 41});
    row("stop German", Kind::Stop, 1.0f, L::German, stop, "label_2", {130, 40, 301, 55});
    row("stop French", Kind::Stop, 1.0f, L::French, stop, "label_2", {130, 30, 301, 49});
    row("stop Italian", Kind::Stop, 1.0f, L::Italian, stop, "label_2", {130, 30, 301, 50});
    row("stop Korean", Kind::Stop, 1.0f, L::Korean, stop, "label_2", {130, 30, 301, 41});
    row("stop panel one pixel down", Kind::Stop, 1.0f, L::English, stop, "frame", {0, 1, 497, 173});
    row("exit question", Kind::Exit, 1.0f, L::Spanish, question, "label_2", {120, 60, 261, 41});
    row("back question", Kind::Back, 1.0f, L::Hindi, question, "label_2", {120, 42, 331, 61});
    row("back at 1.25", Kind::Back, 1.25f, L::English, {617, 220}, "NoBtn", {486, 175, 110, 31});
    row("sample English", Kind::Sample, 1.0f, L::English, sample, "label_2", {55, 140, 351, 27});
    row("sample German", Kind::Sample, 1.0f, L::German, sample, "label_2", {55, 140, 401, 27});
    row("sample Chinese", Kind::Sample, 1.0f, L::Chinese, sample, "label_2", {55, 140, 401, 27});
    row("sample Dutch", Kind::Sample, 1.0f, L::Dutch, sample, "label_2", {55, 140, 351, 27});
    row("sample Hindi", Kind::Sample, 1.0f, L::Hindi, sample, "label_2", {55, 140, 351, 27});
    row("intro English", Kind::Intro, 1.0f, L::English, intro, "label", {140, 40, 345, 160});
    row("intro Italian", Kind::Intro, 1.0f, L::Italian, intro, "label", {140, 40, 345, 160});
    row("intro German", Kind::Intro, 1.0f, L::German, intro, "label", {140, 30, 345, 180});
    row("intro Brazil", Kind::Intro, 1.0f, L::Brazil, intro, "label", {140, 30, 345, 180});
    row("intro French", Kind::Intro, 1.0f, L::French, intro, "label", {140, 40, 345, 170});
    row("intro Spanish", Kind::Intro, 1.0f, L::Spanish, intro, "label", {140, 30, 345, 190});
    row("intro Spanish 1.25", Kind::Intro, 1.25f, L::Spanish, {627, 343}, "label", {175, 37, 431, 237});
    row("intro text line not scaled", Kind::Intro, 1.5f, L::English, {753, 412}, "String_label",
        {24, 45, 381, 21});
}

void DialogFrameTest::languageRectangles()
{
    QFETCH(int, kind);
    QFETCH(float, scale);
    QFETCH(int, language);
    QFETCH(QSize, size);
    QFETCH(QString, widget);
    QFETCH(QRect, rect);
    g_state.uiScale = scale;
    setInterfaceLanguage(LayoutLanguage(language));
    ReferenceFileDlg sample(nullptr, QString());
    const auto dialog = makeDialog(Kind(kind), &sample);
    QCOMPARE(dialog->size(), size);
    QCOMPARE(childGeometry(dialog.get(), qPrintable(widget)), rect);
}

QTEST_MAIN(DialogFrameTest)
#include "tst_dialog_frame.moc"
