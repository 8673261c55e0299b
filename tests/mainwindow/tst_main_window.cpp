#include "browse_repair_dlg.h"
#include "global_state.h"
#include "mainwindow_run.h"
#include "my_tree_widget.h"
#include "repair_finish_dialog.h"
#include "stop_dlg.h"
#include "temp_file.h"
#include "tree_style_sheet.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QTreeWidgetItemIterator>
#include <QtTest>

#include <memory>
#include <utility>

using mainwindowrun::answerFileDialog;
using mainwindowrun::MessageCloser;

namespace {

void setLanguage(qint32 GlobalState::*flag)
{
    for (auto f : {&GlobalState::langEnglish, &GlobalState::langGerman, &GlobalState::langFrench,
                   &GlobalState::langItalian, &GlobalState::langSpanish, &GlobalState::langChinese,
                   &GlobalState::langKorean, &GlobalState::langJapanese, &GlobalState::langHindi,
                   &GlobalState::langBrazil, &GlobalState::langDutch})
        g_state.*f = 0;
    if (flag)
        g_state.*flag = 1;
}

std::unique_ptr<BrowseRepairDlg> makeWindow(float scale)
{
    g_startScale = scale;
    return std::make_unique<BrowseRepairDlg>(nullptr);
}

QRect rectOf(BrowseRepairDlg& window, const char* name)
{
    auto* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
    return widget ? widget->geometry() : QRect();
}

int checkedRows(QTreeWidget* tree)
{
    int count = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        count += (*it)->checkState(0) == Qt::Checked;
    return count;
}

// The results page on screen with rows enough, and a first column wide
// enough, for both scroll bars of its tree.
QScrollBar* shownResultsBar(BrowseRepairDlg& window, bool vertical)
{
    window.frame->hide();
    window.frame2->show();
    QTreeWidget* tree = window.m_repairTree;
    for (int i = 0; i < 40; ++i)
        new QTreeWidgetItem(tree, {QStringLiteral("photo_%1.jpg").arg(i)});
    tree->header()->resizeSection(0, tree->width() * 2);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return nullptr;
    return vertical ? tree->verticalScrollBar() : tree->horizontalScrollBar();
}

// What the scroll bar gives its style to lay out and draw.
QStyleOptionSlider sliderOption(const QScrollBar* bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return option;
}

// How long the rounded end of a handle is: the lines across it, from its
// first end on, that are narrower than its middle. `ink` tells the pixels
// of the handle.
template <typename Ink>
int roundedEndLength(const QImage& image, bool vertical, Ink ink)
{
    const int length = vertical ? image.height() : image.width();
    const int across = vertical ? image.width() : image.height();
    const auto width = [&](int along) {
        int count = 0;
        for (int c = 0; c < across; ++c)
            count += ink(vertical ? image.pixel(c, along) : image.pixel(along, c));
        return count;
    };
    const int full = width(length / 2);
    int along = 0;
    while (along < length / 2 && width(along) < full)
        ++along;
    return along;
}

// A tree like `tree`, with its sheet, columns, rows and size, on a page
// with the sheet of the page around `tree`. Here the tree's sheet comes
// first and the page's after it, an order in which the toolkit styles the
// tree's header and scroll bars from both sheets.
std::unique_ptr<QWidget> twinOf(const QTreeWidget* tree)
{
    auto page = std::make_unique<QWidget>();
    auto* twin = new MyTreeWidget(page.get());
    twin->setStyleSheet(tree->styleSheet());
    twin->setFont(tree->font());
    twin->setFrameStyle(tree->frameStyle());
    twin->setAlternatingRowColors(tree->alternatingRowColors());
    twin->setColumnCount(tree->columnCount());
    twin->setHeaderItem(tree->headerItem()->clone());
    for (int column = 0; column < tree->columnCount(); ++column) {
        twin->setColumnHidden(column, tree->isColumnHidden(column));
        twin->header()->resizeSection(column, tree->header()->sectionSize(column));
    }
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        twin->addTopLevelItem(tree->topLevelItem(i)->clone());
    twin->setGeometry(QRect(QPoint(), tree->size()));
    page->resize(tree->size());
    page->setStyleSheet(tree->parentWidget()->styleSheet());
    page->show();
    return page;
}

// Where two pictures of the same part differ, or that their sizes do.
QString difference(const QImage& shown, const QImage& expected)
{
    if (shown.size() != expected.size())
        return QStringLiteral("%1x%2 instead of %3x%4")
            .arg(shown.width())
            .arg(shown.height())
            .arg(expected.width())
            .arg(expected.height());
    const QImage a = shown.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    QPoint first;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y) && count++ == 0)
                first = QPoint(x, y);
        }
    }
    if (count == 0)
        return QString();
    return QStringLiteral("%1 pixels differ, the first at %2,%3").arg(count).arg(first.x()).arg(first.y());
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void startPage();
    void layoutAtScale_data();
    void layoutAtScale();
    void languageRows_data();
    void languageRows();
    void fixedScaleWhenResizeDisabled();
    void treeStyleSheet_data();
    void treeStyleSheet();
    void scrollBarArrowsAtTheEnds_data();
    void scrollBarArrowsAtTheEnds();
    void handleEndsKeepTheirShape_data();
    void handleEndsKeepTheirShape();
    void treesDrawTheirSheet_data();
    void treesDrawTheirSheet();
    void formatSize_data();
    void formatSize();
    void addFilesAcceptsBySuffix();
    void duplicateRefusedWithoutRegardToCase();
    void selectAllFollowsRows();
    void removingAllRowsDisablesButtons();
    void spaceDoesNotToggleRows();
    void workerSignalsArriveQueuedInOrder();
    void stopQuestion_data();
    void stopQuestion();
};

void MainWindowTest::init()
{
    setLanguage(nullptr);
    QFile::remove(qEnvironmentVariable("PICTAVO_SETTINGS_FILE"));
}

void MainWindowTest::startPage()
{
    auto window = makeWindow(1.0f);
    QCOMPARE(g_mainWindow, window.get());
    QVERIFY(g_state.referenceDlg);
    QCOMPARE(window->windowFlags() & Qt::FramelessWindowHint, Qt::FramelessWindowHint);
    QCOMPARE(window->windowTitle(), QStringLiteral("Pictavo"));
    QVERIFY(window->frame2->isHidden());
    QVERIFY(window->AddFilesBtnN->isHidden());
    QVERIFY(window->StartRepairFilesBtnN->isHidden());
    QVERIFY(!window->m_addFileButton->isHidden());
    QCOMPARE(window->m_fileTree->columnCount(), 0);
    QCOMPARE(window->m_fileTree->geometry(), QRect(22, 220, 805, 300));
    QCOMPARE(window->m_repairTree->geometry(), QRect(22, 160, 410, 310));
    QCOMPARE(window->m_addFileButton->geometry(), QRect(319, 80, 141, 141));
    QCOMPARE(window->m_repairTree->columnCount(), 7);
    for (int hidden : {2, 4, 5, 6})
        QVERIFY(window->m_repairTree->isColumnHidden(hidden));
    QCOMPARE(window->StartRepairFilesBtnN->text(), QStringLiteral("Repair"));
    QCOMPARE(window->SaveRepairBtn->text(), QStringLiteral("Save Repaired Files"));
    QCOMPARE(window->ThumbChkbx->checkState(), Qt::Checked);
    QVERIFY(!window->ThumbChkbx->isEnabled());
    QCOMPARE(g_state.helpStart, 1);
    QCOMPARE(g_state.toolbarInterval, 15);
}

void MainWindowTest::layoutAtScale_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QRect>("closeButton");
    QTest::addColumn<QRect>("addButton");
    QTest::addColumn<QRect>("repairTree");
    QTest::newRow("1.0") << 1.0f << QSize(850, 600) << QRect(804, 1, 45, 29) << QRect(15, 510, 101, 32)
                         << QRect(22, 160, 410, 310);
    QTest::newRow("1.25") << 1.25f << QSize(1062, 750) << QRect(1005, 1, 56, 36) << QRect(18, 637, 126, 40)
                          << QRect(27, 200, 512, 387);
    QTest::newRow("1.5") << 1.5f << QSize(1275, 900) << QRect(1206, 1, 67, 43) << QRect(22, 765, 151, 48)
                         << QRect(33, 240, 615, 465);
}

void MainWindowTest::layoutAtScale()
{
    QFETCH(float, scale);
    QFETCH(QSize, window);
    QFETCH(QRect, closeButton);
    QFETCH(QRect, addButton);
    QFETCH(QRect, repairTree);
    auto main = makeWindow(scale);
    QCOMPARE(main->minimumSize(), window);
    QCOMPARE(main->maximumSize(), window);
    QCOMPARE(main->CloseBtn->geometry(), closeButton);
    QCOMPARE(main->CloseBtn->minimumSize(), closeButton.size());
    QCOMPARE(main->AddFilesBtnN->geometry(), addButton);
    QCOMPARE(main->m_repairTree->geometry(), repairTree);
}

void MainWindowTest::languageRows_data()
{
    QTest::addColumn<int>("language"); // index into the flag list below, -1 for none
    QTest::addColumn<QByteArray>("widget");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("English save") << -1 << QByteArray("SaveRepairBtn") << QRect(680, 530, 152, 32);
    QTest::newRow("German save") << 0 << QByteArray("SaveRepairBtn") << QRect(618, 530, 214, 32);
    QTest::newRow("German caption") << 0 << QByteArray("label_2") << QRect(45, 227, 95, 20);
    QTest::newRow("Korean title") << 1 << QByteArray("label_4") << QRect(320, 7, 201, 20);
    QTest::newRow("Korean icon") << 1 << QByteArray("label_6") << QRect(22, 5, 28, 24);
    QTest::newRow("Brazil hint") << 2 << QByteArray("label_7") << QRect(22, 100, 760, 38);
    QTest::newRow("Dutch save") << 3 << QByteArray("SaveRepairBtn") << QRect(596, 530, 236, 32);
    QTest::newRow("Japanese icon") << 4 << QByteArray("label_5") << QRect(8, 5, 30, 24);
    QTest::newRow("German wins over Hindi") << 5 << QByteArray("SaveRepairBtn") << QRect(618, 530, 214, 32);
    QTest::newRow("more tools") << -1 << QByteArray("m_moreToolsButton") << QRect(800, 40, 20, 20);
}

void MainWindowTest::languageRows()
{
    QFETCH(int, language);
    QFETCH(QByteArray, widget);
    QFETCH(QRect, expected);
    const QVector<qint32 GlobalState::*> flags{&GlobalState::langGerman, &GlobalState::langKorean,
                                                &GlobalState::langBrazil, &GlobalState::langDutch,
                                                &GlobalState::langJapanese, &GlobalState::langHindi};
    setLanguage(language < 0 ? nullptr : flags[language]);
    if (language == 5)
        g_state.langGerman = 1;
    auto window = makeWindow(1.0f);
    QCOMPARE(rectOf(*window, widget.constData()), expected);

    // Back to English: the table is rewritten in full.
    setLanguage(nullptr);
    window->SetLanguageGeometry();
    QCOMPARE(window->SaveRepairBtn->geometry(), QRect(680, 530, 152, 32));
    QCOMPARE(window->label_2->geometry(), QRect(45, 227, 55, 20));
}

void MainWindowTest::fixedScaleWhenResizeDisabled()
{
    {
        QSettings settings(qEnvironmentVariable("PICTAVO_SETTINGS_FILE"), QSettings::IniFormat);
        settings.setValue("ResizeAppforDPI", false);
    }
    auto window = makeWindow(1.25f);
    QCOMPARE(g_state.uiScale, 1.0f);
    QCOMPARE(window->minimumSize(), QSize(850, 600));
}

void MainWindowTest::treeStyleSheet_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("headerHeight");
    QTest::newRow("1.0") << 1.0f << ":/images/96-DPI/" << 20;
    QTest::newRow("1.25") << 1.25f << ":/images/120-DPI/" << 25;
    QTest::newRow("1.5") << 1.5f << ":/images/144-DPI/" << 30;
    QTest::newRow("1.1") << 1.1f << ":/images/144-DPI/" << 40;
    QTest::newRow("1.75") << 1.75f << ":/images/144-DPI/" << 40;
    QTest::newRow("2.0") << 2.0f << ":/images/144-DPI/" << 40;
    QTest::newRow("2.25") << 2.25f << QString() << 0;
    QTest::newRow("2.5") << 2.5f << ":/images/144-DPI/" << 40;
}

void MainWindowTest::treeStyleSheet()
{
    QFETCH(float, scale);
    QFETCH(QString, folder);
    QFETCH(int, headerHeight);
    const QString sheet = TreeStyleSheet(scale);
    if (folder.isEmpty()) {
        QVERIFY(sheet.isEmpty());
        return;
    }
    QVERIFY(sheet.contains(folder + "img_SelectCheckBox.png"));
    QVERIFY(sheet.contains(folder + "ScrollBar/scrollbar_h_leftArrow_pressed.png"));
    QVERIFY(sheet.contains(QStringLiteral("height: %1px; margin: 1px;").arg(headerHeight)));
    // The arrows sit at the two ends of each bar, in its padding.
    for (const char* arrow : {"sub-line:vertical{", "add-line:vertical{", "sub-line:horizontal{",
                              "add-line:horizontal{"}) {
        const int rule = sheet.indexOf(QLatin1String(arrow));
        QVERIFY2(rule >= 0, arrow);
        const QString body = sheet.mid(rule, sheet.indexOf(QLatin1Char('}'), rule) - rule);
        const bool before = QByteArray(arrow).startsWith("sub");
        const bool vertical = QByteArray(arrow).contains("vertical");
        const QString end = vertical ? (before ? "top" : "bottom") : (before ? "left" : "right");
        QVERIFY2(body.contains("subcontrol-position: " + end + ";"), qPrintable(body));
        QVERIFY2(body.contains("subcontrol-origin: border;"), qPrintable(body));
    }
    QVERIFY(sheet.endsWith("QTreeWidget::item:pressed,QTreeWidget::item:selected{background-color:#3399ff;}"));
}

void MainWindowTest::scrollBarArrowsAtTheEnds_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QString>("picture"); // the up or left arrow's picture in the scale's set
    for (const auto& [scale, folder] : {std::pair<float, const char*>{1.0f, "96-DPI"}, {1.25f, "120-DPI"},
                                        {1.5f, "144-DPI"}}) {
        for (bool vertical : {true, false})
            QTest::addRow("%s %.2f", vertical ? "vertical" : "horizontal", double(scale))
                << scale << vertical
                << QStringLiteral(":/images/%1/ScrollBar/scrollbar_%2.png")
                       .arg(folder, vertical ? "upArrow" : "h_leftArrow");
    }
}

// Each arrow of a tree's scroll bar, as the real style lays it out on the
// window's tree, is a box of its picture's size at its own end of a bar as
// thick as the picture, so the arrow is drawn unscaled; the groove's colour
// shows behind the arrow's transparent corner.
void MainWindowTest::scrollBarArrowsAtTheEnds()
{
    QFETCH(float, scale);
    QFETCH(bool, vertical);
    QFETCH(QString, picture);
    const QImage arrow(picture);
    QVERIFY(!arrow.isNull());
    QCOMPARE(arrow.width(), arrow.height());
    const int size = arrow.width();
    QCOMPARE(qAlpha(arrow.pixel(0, 0)), 0);
    auto window = makeWindow(scale);
    QScrollBar* bar = shownResultsBar(*window, vertical);
    QVERIFY(bar && bar->isVisible());
    const QStyleOptionSlider option = sliderOption(bar);
    const QStyle* style = bar->style();
    const QRect sub = style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine, bar);
    const QRect add = style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, bar);
    const QRect groove = style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, bar);
    const QRect whole = bar->rect();
    const auto length = [vertical](const QRect& r) { return vertical ? r.height() : r.width(); };
    const auto first = [vertical](const QRect& r) { return vertical ? r.top() : r.left(); };
    const auto last = [vertical](const QRect& r) { return vertical ? r.bottom() : r.right(); };
    const QString where = QStringLiteral("bar %1x%2, up/left arrow %3,%4 %5x%6, down/right arrow %7,%8 %9x%10")
                              .arg(whole.width())
                              .arg(whole.height())
                              .arg(sub.x())
                              .arg(sub.y())
                              .arg(sub.width())
                              .arg(sub.height())
                              .arg(add.x())
                              .arg(add.y())
                              .arg(add.width())
                              .arg(add.height());
    QVERIFY2(length(whole) > 4 * size, qPrintable(where));
    QVERIFY2(sub.size() == QSize(size, size) && add.size() == QSize(size, size), qPrintable(where));
    QVERIFY2((vertical ? whole.width() : whole.height()) == size, qPrintable(where));
    QVERIFY2(first(sub) == first(whole), qPrintable(where));
    QVERIFY2(last(add) == last(whole), qPrintable(where));
    QVERIFY2(last(sub) < first(groove) && last(groove) < first(add), qPrintable(where));

    // The handle is at the start, so the groove is bare before the far arrow.
    const QImage shot = bar->grab().toImage();
    const QPoint grooveEnd = vertical ? QPoint(add.left(), add.top() - 2) : QPoint(add.left() - 2, add.top());
    const QRgb bare = shot.pixel(grooveEnd);
    for (const QRect& box : {sub, add}) {
        const QRgb corner = shot.pixel(box.topLeft());
        QVERIFY2(corner == bare, qPrintable(QStringLiteral("%1; arrow corner #%2, groove #%3")
                                                .arg(where)
                                                .arg(corner & 0xffffff, 6, 16, QLatin1Char('0'))
                                                .arg(bare & 0xffffff, 6, 16, QLatin1Char('0'))));
    }
}

void MainWindowTest::handleEndsKeepTheirShape_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QString>("picture"); // the handle's picture in the scale's set
    for (const auto& [scale, folder] : {std::pair<float, const char*>{1.0f, "96-DPI"}, {1.25f, "120-DPI"},
                                        {1.5f, "144-DPI"}}) {
        for (bool vertical : {true, false})
            QTest::addRow("%s %.2f", vertical ? "vertical" : "horizontal", double(scale))
                << scale << vertical
                << QStringLiteral(":/images/%1/ScrollBar/scrollbar_%2body.png").arg(folder, vertical ? "" : "h_");
    }
}

// A long handle, as the window's tree draws it, keeps the rounded ends of
// its picture: only the picture's middle is stretched, so each end is as
// long as in the picture drawn at the bar's width.
void MainWindowTest::handleEndsKeepTheirShape()
{
    QFETCH(float, scale);
    QFETCH(bool, vertical);
    QFETCH(QString, picture);
    auto window = makeWindow(scale);
    QScrollBar* bar = shownResultsBar(*window, vertical);
    QVERIFY(bar && bar->isVisible());
    const QStyleOptionSlider option = sliderOption(bar);
    const QRect handle =
        bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    const int thickness = vertical ? handle.width() : handle.height();
    QVERIFY2((vertical ? handle.height() : handle.width()) > 4 * thickness,
             qPrintable(QStringLiteral("handle %1x%2").arg(handle.width()).arg(handle.height())));

    const QImage image(picture);
    QVERIFY(!image.isNull());
    const int pictureEnd = roundedEndLength(image, vertical, [](QRgb pixel) { return qAlpha(pixel) >= 128; });
    QVERIFY(pictureEnd > 0);

    // A pixel is the handle's when it is closer to the handle's middle than
    // to the bar's groove.
    const QImage shot = bar->grab().toImage();
    const QImage drawn = shot.copy(handle);
    const int handleGrey = qGray(drawn.pixel(drawn.width() / 2, drawn.height() / 2));
    const QPoint inGroove = vertical ? QPoint(handle.center().x(), handle.bottom() + 4)
                                     : QPoint(handle.right() + 4, handle.center().y());
    const int grooveGrey = qGray(shot.pixel(inGroove));
    QVERIFY2(grooveGrey - handleGrey > 20,
             qPrintable(QStringLiteral("handle %1, groove %2").arg(handleGrey).arg(grooveGrey)));
    const int drawnEnd = roundedEndLength(
        drawn, vertical, [&](QRgb pixel) { return qGray(pixel) * 2 <= handleGrey + grooveGrey; });

    const int expected = qCeil(double(pictureEnd) * thickness / (vertical ? image.width() : image.height()));
    QVERIFY2(drawnEnd <= expected + 1,
             qPrintable(QStringLiteral("the drawn end is %1 px long, the picture's end at the bar's width %2 px")
                            .arg(drawnEnd)
                            .arg(expected)));
}

void MainWindowTest::treesDrawTheirSheet_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<bool>("results"); // the results tree, else the file list
    for (float scale : {1.0f, 1.25f, 1.5f}) {
        QTest::addRow("file list %.2f", double(scale)) << scale << false;
        QTest::addRow("results %.2f", double(scale)) << scale << true;
    }
}

// Each tree of the window draws its header and its scroll bars from its
// sheet, as a tree that is styled on its own does: the sheet of the page
// around it, set before the tree was made, does not keep them in the look
// they had before the tree's sheet came.
void MainWindowTest::treesDrawTheirSheet()
{
    QFETCH(float, scale);
    QFETCH(bool, results);
    auto window = makeWindow(scale);
    // The offscreen screen is smaller than the window at the larger scales;
    // the file list is made at the scale of a screen the window fits.
    g_state.uiScale = scale;
    QTemporaryDir dir;
    QTreeWidget* tree = nullptr;
    if (results) {
        QVERIFY(shownResultsBar(*window, true));
        tree = window->m_repairTree;
    } else {
        // As a user meets it: the window is on screen before files come.
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QStringList names;
        for (int i = 0; i < 40; ++i) {
            names << QStringLiteral("photo_%1.jpg").arg(i);
            QVERIFY(writeFileBytes(dir.filePath(names.back()), QByteArray(10, 'x')));
        }
        answerFileDialog(dir.path(), names);
        window->m_addFileButton->click();
        tree = window->m_fileTree;
        tree->header()->resizeSection(0, tree->width() * 2);
        QCoreApplication::processEvents();
    }
    QVERIFY(tree->verticalScrollBar()->isVisible());
    QVERIFY(tree->horizontalScrollBar()->isVisible());
    const auto page = twinOf(tree);
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    const auto* twin = page->findChild<QTreeWidget*>();
    QCOMPARE(twin->viewport()->size(), tree->viewport()->size());

    // The header's first section inside its margin, and the two bars.
    const QRect section(1, 1, tree->header()->width() - 2, twin->header()->height() - 2);
    QCOMPARE(tree->header()->height(), twin->header()->height());
    const QString header = difference(tree->header()->grab(section).toImage(),
                                      twin->header()->grab(section).toImage());
    QVERIFY2(header.isEmpty(), qPrintable("header: " + header));
    const QString vertical = difference(tree->verticalScrollBar()->grab().toImage(),
                                        twin->verticalScrollBar()->grab().toImage());
    QVERIFY2(vertical.isEmpty(), qPrintable("vertical bar: " + vertical));
    const QString horizontal = difference(tree->horizontalScrollBar()->grab().toImage(),
                                          twin->horizontalScrollBar()->grab().toImage());
    QVERIFY2(horizontal.isEmpty(), qPrintable("horizontal bar: " + horizontal));

}

void MainWindowTest::formatSize_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << qint64(0) << "0";
    QTest::newRow("1023 bytes") << qint64(1023) << "0";
    QTest::newRow("1536 bytes") << qint64(1536) << "1";
    QTest::newRow("1 MiB + 1") << (qint64(1) << 20) + 1 << "1024";
    QTest::newRow("5.5 MiB") << qint64(5.5 * (1 << 20)) << "5120";
    QTest::newRow("3 GiB + 1") << (qint64(3) << 30) + 1 << "3145728";
}

void MainWindowTest::formatSize()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(BrowseRepairDlg::FormatSizeKB(bytes), text);
}

void MainWindowTest::addFilesAcceptsBySuffix()
{
    QTemporaryDir dir;
    for (const char* name : {"a.jpg", "b.Jpeg", "c.heif", "d.CR2", "e.heic"})
        QVERIFY(writeFileBytes(dir.filePath(name), QByteArray(1536, 'x')));
    auto window = makeWindow(1.0f);
    setLanguage(&GlobalState::langSpanish);
    answerFileDialog(dir.path(), {"a.jpg", "b.Jpeg", "c.heif", "d.CR2", "e.heic"});
    window->AddFilesBtnN->show();
    QMetaObject::invokeMethod(window->m_addFileButton, "click");

    QTreeWidget* tree = window->m_fileTree;
    QCOMPARE(tree->columnCount(), 9);
    QCOMPARE(tree->topLevelItemCount(), 4);
    QStringList names;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        names << tree->topLevelItem(i)->text(0);
    QCOMPARE(names, QStringList({"a.jpg", "b.Jpeg", "d.CR2", "e.heic"}));
    QTreeWidgetItem* first = tree->topLevelItem(0);
    QCOMPARE(first->text(1), dir.filePath("a.jpg"));
    QCOMPARE(first->text(2), QStringLiteral("1"));
    QCOMPARE(first->text(3), QStringLiteral("0"));
    QCOMPARE(tree->topLevelItem(3)->text(3), QStringLiteral("3"));
    QCOMPARE(first->text(5), QStringLiteral("1536"));
    QCOMPARE(first->checkState(0), Qt::Checked);
    QCOMPARE(tree->header()->sectionSize(2), 110);
    QCOMPARE(window->checkBox1->checkState(), Qt::Checked);
    QVERIFY(window->StartRepairFilesBtnN->isEnabled());
    QVERIFY(window->m_addFileButton->isHidden());
    QCOMPARE(window->AddFilesBtnN->text(), QStringLiteral("Add"));
    QCOMPARE(g_state.helpAddFiles, 1);
    QCOMPARE(g_state.helpStart, 0);
}

void MainWindowTest::duplicateRefusedWithoutRegardToCase()
{
    QTemporaryDir dir;
    for (const char* name : {"A.JPG", "a.jpg", "n.jpg"})
        QVERIFY(writeFileBytes(dir.filePath(name), QByteArray(10, 'x')));
    auto window = makeWindow(1.0f);
    answerFileDialog(dir.path(), {"A.JPG"});
    window->m_addFileButton->click();
    QCOMPARE(window->m_fileTree->topLevelItemCount(), 1);

    MessageCloser closer;
    answerFileDialog(dir.path(), {"a.jpg", "n.jpg"});
    window->AddFilesBtnN->click();
    QCOMPARE(closer.messages, QStringList({"a.jpg\nFile name already added to list."}));
    QCOMPARE(window->m_fileTree->topLevelItemCount(), 2);
}

void MainWindowTest::selectAllFollowsRows()
{
    QTemporaryDir dir;
    for (const char* name : {"1.jpg", "2.jpg", "3.jpg"})
        QVERIFY(writeFileBytes(dir.filePath(name), QByteArray(10, 'x')));
    auto window = makeWindow(1.0f);
    answerFileDialog(dir.path(), {"1.jpg", "2.jpg", "3.jpg"});
    window->m_addFileButton->click();
    QTreeWidget* tree = window->m_fileTree;

    tree->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    emit tree->itemClicked(tree->topLevelItem(1), 0);
    QCOMPARE(window->checkBox1->checkState(), Qt::PartiallyChecked);
    QVERIFY(window->StartRepairFilesBtnN->isEnabled());

    window->checkBox1->setCheckState(Qt::Unchecked);
    emit window->checkBox1->clicked(false);
    QCOMPARE(checkedRows(tree), 0);
    QVERIFY(!window->StartRepairFilesBtnN->isEnabled());
    QVERIFY(!window->RemovFileBtnN->isEnabled());

    emit window->checkBox1->clicked(true);
    QCOMPARE(checkedRows(tree), 3);
    QVERIFY(window->StartRepairFilesBtnN->isEnabled());
    QVERIFY(!window->RemovFileBtnN->isEnabled());
    QVERIFY(!window->checkBox1->isTristate());
}

void MainWindowTest::removingAllRowsDisablesButtons()
{
    QTemporaryDir dir;
    for (const char* name : {"1.jpg", "2.jpg"})
        QVERIFY(writeFileBytes(dir.filePath(name), QByteArray(10, 'x')));
    auto window = makeWindow(1.0f);
    answerFileDialog(dir.path(), {"1.jpg", "2.jpg"});
    window->m_addFileButton->click();

    window->m_fileTree->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    window->RemovFileBtnN->click();
    QCOMPARE(window->m_fileTree->topLevelItemCount(), 1);
    QVERIFY(!window->StartRepairFilesBtnN->isEnabled());
    QVERIFY(window->RemovFileBtnN->isEnabled());

    window->m_fileTree->topLevelItem(0)->setCheckState(0, Qt::Checked);
    window->RemovFileBtnN->click();
    QCOMPARE(window->m_fileTree->topLevelItemCount(), 0);
    QCOMPARE(window->checkBox1->checkState(), Qt::Unchecked);
    QVERIFY(!window->checkBox1->isEnabled());
    QVERIFY(!window->RemovFileBtnN->isEnabled());
    QVERIFY(!window->label_2->isEnabled());

    // A cancelled dialog after removals does not bring the start page back.
    whenModal([](QWidget* picker) { picker->close(); });
    window->AddFilesBtnN->click();
    QVERIFY(window->m_addFileButton->isHidden());
}

void MainWindowTest::spaceDoesNotToggleRows()
{
    MyTreeWidget tree;
    tree.setColumnCount(1);
    auto* row = new QTreeWidgetItem(&tree, {"x"});
    row->setCheckState(0, Qt::Checked);
    tree.setCurrentItem(row);
    QTest::keyClick(&tree, Qt::Key_Space);
    QCOMPARE(row->checkState(0), Qt::Checked);
}

void MainWindowTest::workerSignalsArriveQueuedInOrder()
{
    auto window = makeWindow(1.0f);
    auto* row = new QTreeWidgetItem(window->m_repairTree, {"file.jpg"});
    new QTreeWidgetItem(row, {"file_[T1].jpg"});

    BrowseRepairDlg* target = window.get();
    QThread* worker = QThread::create([target, row] {
        emit target->displayItem();
        emit target->EnableProgressBar();
        emit target->SetProgressBarValue(10);
        emit target->SetOverAllProgress(3);
        emit target->SetOverAllProgressOne(7);
        emit target->ShowProgressLabel("Repairing 2 of 3", "70%");
        emit target->ExpandThumb(row);
    });
    worker->start();
    QVERIFY(worker->wait(5000));
    delete worker;

    // Nothing has reached the window until the user-interface thread runs.
    QCOMPARE(window->progressBar->maximum(), 100);
    QVERIFY(!row->isExpanded());

    QCoreApplication::processEvents();
    QCOMPARE(window->progressBar->maximum(), 10);
    QCOMPARE(window->progressBar->value(), 7);
    QCOMPARE(window->label_RepairFileName->text(), QStringLiteral("Repairing 2 of 3"));
    QCOMPARE(window->Percnt_Label->text(), QStringLiteral("70%"));
    QVERIFY(row->isExpanded());
    QVERIFY(window->frame->isHidden());
    QVERIFY(!window->frame2->isHidden());
    QVERIFY(!window->BackBtn->isEnabled());
    QCOMPARE(g_state.resultsPageShown, 1);
}

void MainWindowTest::stopQuestion_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("stopRequested");
    QTest::newRow("yes stops") << "OkBtn_2" << 1;
    QTest::newRow("no goes on") << "OkBtn" << 0;
}

void MainWindowTest::stopQuestion()
{
    QFETCH(QString, button);
    QFETCH(int, stopRequested);
    auto window = makeWindow(1.0f);
    g_state.stopRequested = 0;
    whenModalOf<StopDlg>([button](StopDlg* dialog) { dialog->findChild<QPushButton*>(button)->click(); });
    window->StopRepairProcessBtn->click();
    QCOMPARE(g_state.stopRequested.load(), stopRequested);
    QVERIFY(!window->m_stopDlg->isVisible());
    g_state.stopRequested = 0;
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
