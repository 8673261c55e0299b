#include "browse_repair_dlg.h"
#include "dialog_driver.h"
#include "global_state.h"
#include "my_tree_widget.h"
#include "preview_pictures.h"
#include "start_scale.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<BrowseRepairDlg> makeWindow(float scale)
{
    g_startScale = scale;
    return std::make_unique<BrowseRepairDlg>(nullptr);
}

QStringList imageUrls(const QString& styleSheet)
{
    static const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
    QStringList paths;
    auto match = url.globalMatch(styleSheet);
    while (match.hasNext())
        paths << match.next().captured(1);
    return paths;
}

QString sheetOf(BrowseRepairDlg& window, const char* name)
{
    auto* widget = window.findChild<QWidget*>(QLatin1String(name));
    return widget ? widget->styleSheet() : QStringLiteral("<missing widget>");
}

} // namespace

// The window's skin follows the interface scale, and every picture it can
// ask for is part of the embedded image sets.
class SkinStylesTest : public QObject {
    Q_OBJECT
private slots:
    void init();

    void sheetsBySet_data();
    void sheetsBySet();
    void progressBarAtEveryScale_data();
    void progressBarAtEveryScale();
    void addFileButtonByLanguage_data();
    void addFileButtonByLanguage();
    void toolStripStylesBySet_data();
    void toolStripStylesBySet();
    void everyRequestedImageExists_data();
    void everyRequestedImageExists();
    void picturesAreLoaded_data();
    void picturesAreLoaded();
    void checkBoxesGrowWithScale_data();
    void checkBoxesGrowWithScale();
    void resultsHeaderReadableDuringRun_data();
    void resultsHeaderReadableDuringRun();
};

void SkinStylesTest::init()
{
    setInterfaceLanguage(LayoutLanguage::English);
    g_state.showAsDisabled = 1;
    QFile::remove(qEnvironmentVariable("PICTAVO_SETTINGS_FILE"));
}

void SkinStylesTest::sheetsBySet_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<QByteArray>("widget");
    QTest::addColumn<QString>("expected");
    QTest::newRow("close 96") << 1.0f << QByteArray("CloseBtn")
                              << "QPushButton#CloseBtn{image: url(:/images/96-DPI/close-1.png);border: none;}"
                                 "QPushButton#CloseBtn:hover{image: url(:/images/96-DPI/close-2.png);border: none;}"
                                 "QPushButton#CloseBtn:Pressed {image: url(:/images/96-DPI/close_1.png);border: "
                                 "none;}";
    QTest::newRow("close 120 on page 2")
        << 1.25f << QByteArray("CloseBtn_2")
        << "QPushButton#CloseBtn_2{image: url(:/images/120-DPI/close_2.png);border: none;}"
           "QPushButton#CloseBtn_2:hover{image: url(:/images/120-DPI/close.png);border: none;}"
           "QPushButton#CloseBtn_2:Pressed {image: url(:/images/120-DPI/close_1.png);border: none;}";
    QTest::newRow("close 144 stretched")
        << 1.5f << QByteArray("CloseBtn")
        << "QPushButton:enabled {border-image: url(:/images/144-DPI/close_2.png);}QPushButton:hover { "
           "border-image: url(:/images/144-DPI/close.png);}QPushButton:Pressed { border-image: "
           "url(:/images/144-DPI/close_1.png);}";
    QTest::newRow("about 96 with blank")
        << 1.0f << QByteArray("AbutBtn_2")
        << "QPushButton#AbutBtn_2{ image: url(:/images/96-DPI/info 1.bmp);border: none;}QPushButton#AbutBtn_2:hover"
           "{image: url(:/images/96-DPI/info 2.bmp);border: none;}QPushButton#AbutBtn_2:Pressed {image: "
           "url(:/images/96-DPI/info 2.bmp);border: none;}";
    QTest::newRow("update 120 reversed")
        << 1.25f << QByteArray("UpdateBtn")
        << "QPushButton#UpdateBtn{image: url(:/images/120-DPI/update-2.BMP);border: none;}QPushButton#UpdateBtn:"
           "hover{image: url(:/images/120-DPI/update-1.BMP);border: none;}QPushButton#UpdateBtn:disabled {image: "
           "url(:/images/120-DPI/update-3.BMP);border: none;}QPushButton#UpdateBtn:Pressed {image: "
           "url(:/images/120-DPI/update-1.BMP);border: none;}";
    QTest::newRow("add 120 cancel face")
        << 1.25f << QByteArray("AddFilesBtnN")
        << "QPushButton#AddFilesBtnN{image: url(:/images/120-DPI/Cancel- Normal.png);border: none;}"
           "QPushButton#AddFilesBtnN:Pressed {image: url(:/images/120-DPI/add 2.png);border: none;}";
    QTest::newRow("minimise 144 minimum")
        << 2.0f << QByteArray("MinimiseBtn_2")
        << "QPushButton{min-height: 20px;min-width: 20px; border-image: url(:/images/144-DPI/minimize-1.png)}"
           "QPushButton:hover { border-image: url(:/images/144-DPI/minimize-2.png)}QPushButton:pressed { "
           "border-image: url(:/images/144-DPI/minimize-2.png);}";
    QTest::newRow("save 96 tight")
        << 1.0f << QByteArray("SaveRepairBtn")
        << "QPushButton::enabled{border-image: url(:/images/96-DPI/save 1.png);}QPushButton:disabled{border-image: "
           "url(:/images/96-DPI/save 2.png);}";
    QTest::newRow("back 120") << 1.25f << QByteArray("BackBtn")
                              << "QPushButton#BackBtn{image: url(:/images/120-DPI/Back_Nor.bmp);border: none;}"
                                 "QPushButton#BackBtn:hover{image: url(:/images/120-DPI/Back_H.bmp);border: none;}"
                                 "QPushButton#BackBtn:disabled {image: url(:/images/120-DPI/Back-Disable.bmp);"
                                 "border: none;}";
    QTest::newRow("menu 144 pressed picture")
        << 3.0f << QByteArray("MenuBtn")
        << "QPushButton:enabled {border-image: url(:/images/144-DPI/img_Menu.png);}QPushButton:hover { "
           "border-image: url(:/images/144-DPI/img_MenuHover.png);}QPushButton:Pressed { border-image: "
           "url(:/images/144-DPI/img_MenuPress.png);}";
    QTest::newRow("remove 144 keeps shape")
        << 1.5f << QByteArray("RemovFileBtnN")
        << "QPushButton#RemovFileBtnN{image: url(:/images/144-DPI/Remove File 1.png);border: none;}"
           "QPushButton#RemovFileBtnN:hover{image: url(:/images/144-DPI/Remove File 2.png);border: none;}"
           "QPushButton#RemovFileBtnN:Pressed {image: url(:/images/144-DPI/Remove File 3.png);border: none;}";
    QTest::newRow("stop between steps") << 1.1f << QByteArray("StopRepairProcessBtn")
                                        << "QPushButton:enabled {border-image: url(:/images/144-DPI/stop-1.png);}";
    QTest::newRow("check boxes 120")
        << 1.25f << QByteArray("ThumbChkbx")
        << "QCheckBox::indicator:checked {image: url(:/images/120-DPI/img_SelectCheckBox.png);}"
           "QCheckBox::indicator:unchecked {image: url(:/images/120-DPI/img_UnSelectCheckBox.png);}"
           "QCheckBox::indicator:indeterminate {image: url(:/images/120-DPI/img_PartiallyCheckBox.png);}";
    // Between 2.0 and 2.5 the window keeps the 144-DPI set rather than the
    // form's pictures, which are not embedded.
    QTest::newRow("repair 2.25") << 2.25f << QByteArray("StartRepairFilesBtnN")
                                 << "QPushButton:enabled {border-image: url(:/images/144-DPI/Repair 1.png);}"
                                    "QPushButton:disabled { border-image: url(:/images/144-DPI/Repair 2.png);}";
}

void SkinStylesTest::sheetsBySet()
{
    QFETCH(float, scale);
    QFETCH(QByteArray, widget);
    QFETCH(QString, expected);
    auto window = makeWindow(scale);
    QCOMPARE(sheetOf(*window, widget.constData()), expected);
}

void SkinStylesTest::progressBarAtEveryScale_data()
{
    QTest::addColumn<float>("scale");
    for (float scale : {1.0f, 1.25f, 1.1f, 2.25f, 4.0f})
        QTest::newRow(qPrintable(QString::number(double(scale)))) << scale;
}

void SkinStylesTest::progressBarAtEveryScale()
{
    QFETCH(float, scale);
    auto window = makeWindow(scale);
    QCOMPARE(window->progressBar->styleSheet(),
             QStringLiteral("QProgressBar:horizontal {border: 1px solid gray;border-radius: 2px;background: white;"
                            "padding: 0px;text-align: right;}QProgressBar::chunk:horizontal {background: "
                            "qlineargradient(x1: 0, y1: 0.5, x2: 1, y2: 0.5, stop: 0 green);}"));
}

void SkinStylesTest::addFileButtonByLanguage_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("code");
    QTest::newRow("English 96") << 1.0f << int(LayoutLanguage::English) << ":/images/96-DPI/" << "EN";
    QTest::newRow("German 120") << 1.25f << int(LayoutLanguage::German) << ":/images/120-DPI/" << "GR";
    QTest::newRow("Korean 144") << 1.5f << int(LayoutLanguage::Korean) << ":/images/Korean/144-DPI/" << "KO";
    QTest::newRow("Hindi 2.0") << 2.0f << int(LayoutLanguage::Hindi) << ":/images/144-DPI/" << "HI";
    // Off the quarter steps the button takes the 144-DPI set like the rest
    // of the window, so it is never left without a picture.
    QTest::newRow("Dutch 1.1") << 1.1f << int(LayoutLanguage::Dutch) << ":/images/144-DPI/" << "DU";
}

void SkinStylesTest::addFileButtonByLanguage()
{
    QFETCH(float, scale);
    QFETCH(int, language);
    QFETCH(QString, folder);
    QFETCH(QString, code);
    setInterfaceLanguage(LayoutLanguage(language));
    auto window = makeWindow(scale);
    QCOMPARE(window->m_addFileButton->styleSheet(),
             QStringLiteral("QPushButton:enabled {border-image: url(%1Add file%2.png);}QPushButton:hover { "
                            "border-image: url(%1Add file hot%2.png);}QPushButton:pressed {border-image: "
                            "url(%1Add filepress%2.png)}")
                 .arg(folder, code));
}

void SkinStylesTest::toolStripStylesBySet_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<QString>("folder");
    QTest::newRow("96") << 1.0f << ":/images/96-DPI/";
    QTest::newRow("120") << 1.25f << ":/images/120-DPI/";
    QTest::newRow("144") << 1.75f << ":/images/144-DPI/";
    QTest::newRow("between steps") << 1.1f << QString();
}

void SkinStylesTest::toolStripStylesBySet()
{
    QFETCH(float, scale);
    QFETCH(QString, folder);
    auto window = makeWindow(scale);
    if (folder.isEmpty()) {
        QVERIFY(window->m_moreToolsButton->styleSheet().isEmpty());
        QVERIFY(window->m_languageButton->styleSheet().isEmpty());
        QVERIFY(g_state.actRepairVideo->icon().isNull());
        return;
    }
    QCOMPARE(window->m_moreToolsButton->styleSheet(),
             QStringLiteral("QPushButton{border-image: url(%1img_MenuIcon.png)}QPushButton:hover { border-image: "
                            "url(%1img_MenuIconHover.png);}QPushButton::menu-indicator{ image:none;}")
                 .arg(folder));
    QCOMPARE(imageUrls(window->m_languageButton->styleSheet()).size(), 3);
    for (const QString& path : imageUrls(window->m_languageButton->styleSheet()))
        QVERIFY2(path.startsWith(folder), qPrintable(path));
    for (QAction* action :
         {g_state.actRecoverData, g_state.actRecoverPhoto, g_state.actRepairVideo, g_state.actMonitorDrive})
        QVERIFY(!action->icon().isNull());
    for (const char* icon : {"Recover-Drive.png", "Recover-Photo.png", "Video-Repair.png", "moniter-drive.png"})
        QVERIFY2(!QImage(folder + QLatin1String(icon)).isNull(), icon);
}

void SkinStylesTest::everyRequestedImageExists_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("language");
    for (float scale : {1.0f, 1.25f, 1.5f})
        for (int language = 0; language <= int(LayoutLanguage::Hindi); ++language)
            QTest::newRow(qPrintable(QStringLiteral("%1 language %2").arg(double(scale)).arg(language)))
                << scale << language;
    QTest::newRow("1.1") << 1.1f << 0;
    QTest::newRow("2.25") << 2.25f << 0;
}

void SkinStylesTest::everyRequestedImageExists()
{
    QFETCH(float, scale);
    QFETCH(int, language);
    setInterfaceLanguage(LayoutLanguage(language));
    auto window = makeWindow(scale);
    window->CreateLanguageMenu2();

    int checked = 0;
    auto widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        for (const QString& path : imageUrls(widget->styleSheet())) {
            QVERIFY2(!QImage(path).isNull(), qPrintable(widget->objectName() + QLatin1Char(' ') + path));
            ++checked;
        }
    }
    QVERIFY(checked >= 50);

    // The pictures of the preview area, centred in it, stay clear of the
    // results tree that covers its left edge. The offscreen screen is too
    // small for the larger scales: lay the window out as on one it fits.
    g_state.uiScale = scale;
    if (imageSetFolder(scale).isEmpty())
        return;
    window->SetLanguageGeometry();
    const QRect area = window->Preview_Label->geometry();
    const int clearWidth = 2 * (area.center().x() - window->m_repairTree->geometry().right());
    for (const QString& path : {CompletionPreviewPicture(true), CompletionPreviewPicture(false),
                                ResultsPlaceholderPicture(), ResultsNotSupportedPicture()}) {
        const QImage picture(path);
        QVERIFY2(!picture.isNull(), qPrintable(path));
        QVERIFY2(picture.width() <= clearWidth && picture.height() <= area.height(), qPrintable(path));
    }
}

void SkinStylesTest::picturesAreLoaded_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<QSize>("ribbon");
    QTest::newRow("96") << 1.0f << QSize(848, 40);
    QTest::newRow("120") << 1.25f << QSize(1060, 50);
    QTest::newRow("144") << 1.5f << QSize(1272, 60);
}

void SkinStylesTest::picturesAreLoaded()
{
    QFETCH(float, scale);
    QFETCH(QSize, ribbon);
    auto window = makeWindow(scale);
    QCOMPARE(window->topBar->pixmap(Qt::ReturnByValue).size(), ribbon);
    for (QLabel* label : {window->topBar_2, window->label_5, window->label_6, window->image_labelN,
                          window->SeperateLbl, window->SeperateLbl_8})
        QVERIFY2(!label->pixmap(Qt::ReturnByValue).isNull(), qPrintable(label->objectName()));
}

void SkinStylesTest::checkBoxesGrowWithScale_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("side");
    QTest::newRow("96") << 1.0f << 11;
    QTest::newRow("120") << 1.25f << 16;
    QTest::newRow("144") << 1.5f << 17;
    QTest::newRow("144 at 1.75") << 1.75f << 17;
}

// The select-all and thumbnail boxes are about as big, relative to the
// scale, in every image set, and stay inside their rectangles.
void SkinStylesTest::checkBoxesGrowWithScale()
{
    QFETCH(float, scale);
    QFETCH(int, side);
    auto window = makeWindow(scale);
    // The offscreen screen is too small for the larger scales: lay the
    // window out as on a screen it fits.
    g_state.uiScale = scale;
    window->SetLanguageGeometry();
    for (QCheckBox* box : {window->checkBox1, window->checkBox1_2, window->ThumbChkbx}) {
        box->ensurePolished();
        QStyleOptionButton option;
        option.initFrom(box);
        option.state |= box->isChecked() ? QStyle::State_On : QStyle::State_Off;
        const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        QCOMPARE(indicator.size(), QSize(side, side));
        QVERIFY2(box->rect().contains(indicator),
                 qPrintable(QStringLiteral("%1 %2,%3 in %4x%5").arg(box->objectName()).arg(indicator.x())
                                .arg(indicator.y()).arg(box->width()).arg(box->height())));
    }
}

void SkinStylesTest::resultsHeaderReadableDuringRun_data()
{
    QTest::addColumn<float>("scale");
    QTest::newRow("96") << 1.0f;
    QTest::newRow("120") << 1.25f;
    QTest::newRow("144") << 1.5f;
}

// A run disables the results tree; its header is drawn as in the idle state
// all the same, not in grey on its grey sections.
void SkinStylesTest::resultsHeaderReadableDuringRun()
{
    QFETCH(float, scale);
    auto window = makeWindow(scale);
    g_state.uiScale = scale;
    window->frame->hide();
    window->frame2->show();
    window->show();
    QVERIFY2(QTest::qWaitForWindowExposed(window.get()), "the main window was not shown");
    QHeaderView* header = window->m_repairTree->header();
    const QImage idle = header->grab().toImage();
    window->m_repairTree->setEnabled(false);
    const QImage running = header->grab().toImage();
    QVERIFY(!idle.isNull());
    QCOMPARE(running, idle);
}

QTEST_MAIN(SkinStylesTest)
#include "tst_skin_styles.moc"
