#include "about_dlg.h"
#include "dialog_driver.h"
#include "global_state.h"
#include "language_rows.h"
#include "language_table.h"
#include "repair_finish_dialog.h"
#include "settings_store.h"
#include "url_open.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSysInfo>
#include <QTranslator>
#include <QtTest>

#include <vector>

Q_DECLARE_METATYPE(LayoutLanguage)

namespace {

// Where a heading's text ends in its panel: right of the last column of
// the label's picture that has ink of the black text.
int headingInkEnd(QLabel* heading)
{
    const QImage picture = heading->grab().toImage();
    for (int x = picture.width() - 1; x >= 0; --x) {
        for (int y = 0; y < picture.height(); ++y) {
            if (qGray(picture.pixel(x, y)) < 128)
                return heading->x() + x + 1;
        }
    }
    return heading->x();
}

// Where the about box looks for the licence document of a language.
QString licencePath(const QString& code)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Eula_%1.pdf").arg(code);
}

void writeLicence(const QString& code)
{
    QFile file(licencePath(code));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4\n");
}

} // namespace

class AboutDlgTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void systemLines();
    void rightsLine_data();
    void rightsLine();
    void supportLinkAndLicenceOfTheLanguage_data();
    void supportLinkAndLicenceOfTheLanguage();
    void licenceDocumentFallsBackToEnglish_data();
    void licenceDocumentFallsBackToEnglish();
    void licenceDocumentIsBuilt();
    void missingLicenceToldInGerman();
    void geometry_data();
    void geometry();
    void picturesByScale_data();
    void picturesByScale();
    void titleStripDrag();
    void languageChangeRedoesTextsAndLayout();
    void imageSizes_data();
    void imageSizes();
    void columnsLineUp_data();
    void columnsLineUp();
    void sectionRulesLineUp_data();
    void sectionRulesLineUp();

private:
    QList<QUrl> m_opened;
    QTranslator m_german;
};

void AboutDlgTest::initTestCase()
{
    platform::recordOpenedUrls(&m_opened);
}

void AboutDlgTest::init()
{
    g_state.uiScale = 1.0f;
    setInterfaceLanguage(LayoutLanguage::English);
    platform::openSettings(g_state.settingsPath)->clear();
    m_opened.clear();
}

void AboutDlgTest::cleanup()
{
    for (const QString& code : {"EN", "DE", "DU", "BR", "JA"})
        QFile::remove(licencePath(code));
    QCoreApplication::removeTranslator(&m_german);
    removeLanguageCatalogues();
    QCoreApplication::processEvents();
}

void AboutDlgTest::systemLines()
{
    AboutDlg about(nullptr);
    QCOMPARE(about.UserLabel->text(), QSysInfo::machineHostName());
    QCOMPARE(about.OSLabel->text(), QSysInfo::prettyProductName());
    QVERIFY(!about.VersionLabel->text().isEmpty());
    QCOMPARE(about.label_17->text(), QStringLiteral("8.0.0.0"));
    QCOMPARE(about.windowTitle(), QStringLiteral("Pictavo"));
    QVERIFY(about.isModal());
}

void AboutDlgTest::rightsLine_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("missing") << QString() << QStringLiteral("Copyright \u00a9 Velmora Data Recovery. All rights reserved.");
    QTest::newRow("set") << QStringLiteral("\u00a9 2026 <b>Someone</b>") << QStringLiteral("\u00a9 2026 <b>Someone</b>");
}

void AboutDlgTest::rightsLine()
{
    QFETCH(QString, stored);
    if (!stored.isNull())
        platform::openSettings(g_state.settingsPath)->setValue(QStringLiteral("CopyrightText"), stored);
    AboutDlg about(nullptr);
    QTEST(about.label_12->text(), "shown");
    QCOMPARE(about.label_12->font().family(), QStringLiteral("Segoe UI"));
}

void AboutDlgTest::supportLinkAndLicenceOfTheLanguage_data()
{
    QTest::addColumn<LayoutLanguage>("language");
    QTest::addColumn<QString>("code");
    QTest::newRow("English") << LayoutLanguage::English << "EN";
    QTest::newRow("Dutch") << LayoutLanguage::Dutch << "DU";
    QTest::newRow("Brazil") << LayoutLanguage::Brazil << "BR";
    QTest::newRow("Japanese") << LayoutLanguage::Japanese << "JA";
}

void AboutDlgTest::supportLinkAndLicenceOfTheLanguage()
{
    QFETCH(LayoutLanguage, language);
    QFETCH(QString, code);
    setInterfaceLanguage(language);
    {
        auto settings = platform::openSettings(g_state.settingsPath);
        settings->setValue(QStringLiteral("EN/SupportName"), QStringLiteral("English support"));
        settings->setValue(QStringLiteral("EN/SupportLink"), QStringLiteral("https://support.test/en"));
        settings->setValue(code + QLatin1String("/SupportName"), QStringLiteral("Support ") + code);
        settings->setValue(code + QLatin1String("/SupportLink"), QStringLiteral("https://support.test/") + code);
    }
    writeLicence(code);
    AboutDlg about(nullptr);
    QCOMPARE(about.SupportBtn->text(), QStringLiteral("<a href=\"https://support.test/%1\">Support %1</a>").arg(code));
    QVERIFY(about.SupportBtn->openExternalLinks());
    QVERIFY(about.SupportLinkBtn->isHidden());

    about.LicenseButton->click();
    QCOMPARE(m_opened.size(), 1);
    QVERIFY(m_opened.first().isLocalFile());
    QCOMPARE(m_opened.first().toLocalFile(), licencePath(code));
}

void AboutDlgTest::licenceDocumentFallsBackToEnglish_data()
{
    QTest::addColumn<LayoutLanguage>("language");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("opened"); // empty: the user is told instead
    QTest::newRow("German has its own") << LayoutLanguage::German << QStringList{"DE", "EN"} << "DE";
    QTest::newRow("German falls back") << LayoutLanguage::German << QStringList{"EN"} << "EN";
    QTest::newRow("Japanese falls back") << LayoutLanguage::Japanese << QStringList{"EN", "DE"} << "EN";
    QTest::newRow("English") << LayoutLanguage::English << QStringList{"EN"} << "EN";
    QTest::newRow("none at all") << LayoutLanguage::Dutch << QStringList{} << "";
    QTest::newRow("only another language's") << LayoutLanguage::Brazil << QStringList{"DE"} << "";
    QTest::newRow("English missing") << LayoutLanguage::English << QStringList{"DE"} << "";
}

void AboutDlgTest::licenceDocumentFallsBackToEnglish()
{
    QFETCH(LayoutLanguage, language);
    QFETCH(QStringList, present);
    QFETCH(QString, opened);
    setInterfaceLanguage(language);
    for (const QString& code : present)
        writeLicence(code);
    AboutDlg about(nullptr);

    QString told;
    bool modal = false;
    if (opened.isEmpty()) {
        whenModalOf<repairFinishDialog>([&](repairFinishDialog* message) {
            told = message->repairedLabl->text();
            modal = message->parentWidget() == &about;
            message->OkBtn->click();
        });
    }
    about.LicenseButton->click();
    if (opened.isEmpty()) {
        QVERIFY(m_opened.isEmpty());
        QCOMPARE(told, QStringLiteral("The licence document could not be opened."));
        QVERIFY(modal);
    } else {
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(m_opened.first().toLocalFile(), licencePath(opened));
    }
}

void AboutDlgTest::missingLicenceToldInGerman()
{
    setInterfaceLanguage(LayoutLanguage::German);
    QVERIFY(installGerman(m_german));
    AboutDlg about(nullptr);
    QString told;
    whenModalOf<repairFinishDialog>([&](repairFinishDialog* message) {
        told = message->repairedLabl->text();
        message->OkBtn->click();
    });
    about.LicenseButton->click();
    QCOMPARE(told, QStringLiteral("Das Lizenzdokument konnte nicht ge\u00f6ffnet werden."));
}

// The build writes the English licence document beside the program.
void AboutDlgTest::licenceDocumentIsBuilt()
{
    QFile pdf(QStringLiteral(PICTAVO_BUILD_DIR "/Eula_EN.pdf"));
    QVERIFY2(pdf.open(QIODevice::ReadOnly), qPrintable(pdf.fileName()));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    QVERIFY(bytes.contains("/Type /Page"));
    // The document's title is the licence text's heading, in UTF-16.
    const QString heading = QStringLiteral("Pictavo End-User Licence Agreement");
    QByteArray title("/Title (\xfe\xff");
    for (QChar c : heading)
        title.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
    QVERIFY(bytes.contains(title));
}

void AboutDlgTest::geometry_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<LayoutLanguage>("language");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("closeButton");
    QTest::addColumn<QRect>("supportLink");

    QTest::newRow("English 1.0") << 1.0f << LayoutLanguage::English << QSize(602, 368)
                                 << QRect(200, 281, 83, 26) << QRect(24, 239, 181, 22);
    QTest::newRow("English 1.25") << 1.25f << LayoutLanguage::English << QSize(752, 460)
                                  << QRect(250, 351, 103, 32) << QRect(30, 298, 226, 27);
    QTest::newRow("English 1.1") << 1.1f << LayoutLanguage::English << QSize(662, 404)
                                 << QRect(220, 309, 91, 28) << QRect(26, 262, 199, 24);
    QTest::newRow("Korean") << 1.0f << LayoutLanguage::Korean << QSize(602, 368)
                            << QRect(200, 281, 83, 26) << QRect(20, 239, 190, 22);
    QTest::newRow("Chinese") << 1.0f << LayoutLanguage::Chinese << QSize(602, 368)
                             << QRect(200, 281, 83, 26) << QRect(24, 239, 160, 31);
    QTest::newRow("Dutch") << 1.0f << LayoutLanguage::Dutch << QSize(602, 368)
                           << QRect(230, 281, 83, 26) << QRect(24, 239, 181, 22);
}

void AboutDlgTest::geometry()
{
    QFETCH(float, scale);
    QFETCH(LayoutLanguage, language);
    g_state.uiScale = scale;
    setInterfaceLanguage(language);
    AboutDlg about(nullptr);
    QTEST(about.size(), "size");
    QTEST(about.CloseButton->geometry(), "closeButton");
    QTEST(about.SupportBtn->geometry(), "supportLink");
    QTEST(about.SupportLinkBtn->geometry(), "supportLink");
    QCOMPARE(about.LabelPixmap->size(), QSize(int(215 * scale), int(335 * scale)));
    QCOMPARE(about.frame->size(), QSize(int(385 * scale), int(335 * scale)));
}

void AboutDlgTest::picturesByScale_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<QString>("folder");
    QTest::newRow("1.0") << 1.0f << "96-DPI";
    QTest::newRow("1.25") << 1.25f << "120-DPI";
    QTest::newRow("1.5") << 1.5f << "144-DPI";
    QTest::newRow("1.1") << 1.1f << "";
}

void AboutDlgTest::picturesByScale()
{
    QFETCH(float, scale);
    QFETCH(QString, folder);
    g_state.uiScale = scale;
    AboutDlg about(nullptr);
    const bool pictures = !folder.isEmpty();
    QCOMPARE(about.LabelPixmap->pixmap() && !about.LabelPixmap->pixmap()->isNull(), pictures);
    QCOMPARE(about.m_pPixmapLabel->pixmap() && !about.m_pPixmapLabel->pixmap()->isNull(), pictures);
    QCOMPARE(about.line1->pixmap() && !about.line1->pixmap()->isNull(), pictures);
    if (pictures) {
        QCOMPARE(about.LabelPixmap->pixmap()->size(),
                 QPixmap(QStringLiteral(":/images/%1/About small.png").arg(folder)).size());
        QVERIFY(about.CloseButton->styleSheet().contains(folder + QLatin1String("/img_MediumButton.png")));
        QVERIFY(about.LicenseButton->styleSheet().contains(folder + QLatin1String("/img_BigButtonActive.png")));
    } else {
        QVERIFY(about.CloseButton->styleSheet().isEmpty());
        QVERIFY(about.LicenseButton->styleSheet().isEmpty());
    }
}

void AboutDlgTest::titleStripDrag()
{
    AboutDlg about(nullptr);
    about.move(100, 100);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));

    g_aboutDragging = false;
    QTest::mousePress(&about, Qt::LeftButton, Qt::NoModifier, QPoint(300, 30));
    QVERIFY(!g_aboutDragging);
    QTest::mouseRelease(&about, Qt::LeftButton, Qt::NoModifier, QPoint(300, 30));

    QTest::mousePress(&about, Qt::LeftButton, Qt::NoModifier, QPoint(300, 29));
    QVERIFY(g_aboutDragging);
    QTest::mousePress(&about, Qt::RightButton, Qt::NoModifier, QPoint(300, 200));
    QVERIFY(g_aboutDragging);

    // A move with the left button held follows the mouse; without it, not.
    const QPoint start = about.pos();
    QMouseEvent held(QEvent::MouseMove, QPointF(310, 39), QPointF(about.mapToGlobal(QPoint(310, 39))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&about, &held);
    QCOMPARE(about.pos(), start + QPoint(10, 10));
    const QPoint moved = about.pos();
    QMouseEvent free(QEvent::MouseMove, QPointF(330, 59), QPointF(about.mapToGlobal(QPoint(330, 59))),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&about, &free);
    QCOMPARE(about.pos(), moved);

    QTest::mouseRelease(&about, Qt::LeftButton, Qt::NoModifier, QPoint(300, 29));
    QVERIFY(!g_aboutDragging);
}

void AboutDlgTest::languageChangeRedoesTextsAndLayout()
{
    AboutDlg about(nullptr);
    auto* title = about.findChild<QLabel*>(QStringLiteral("m_titleLabel"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("About"));

    setInterfaceLanguage(LayoutLanguage::German);
    QVERIFY(installGerman(m_german));
    QTRY_COMPARE(about.CloseButton->x(), 210);
    QCOMPARE(title->text(), QStringLiteral("Info"));
    QCOMPARE(about.CloseButton->text(), QStringLiteral("Schlie\u00dfen"));
    QCOMPARE(about.UserLabel->text(), QSysInfo::machineHostName());
    QCOMPARE(about.OSLabel->text(), QSysInfo::prettyProductName());
}

void AboutDlgTest::imageSizes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    const struct {
        const char* name;
        QSize sizes[3];
    } images[] = {
        {"About small.png", {{215, 335}, {268, 418}, {322, 502}}},
        {"img_Line.png", {{512, 1}, {640, 2}, {768, 2}}},
        {"img_Dot.png", {{1, 1}, {1, 1}, {1, 1}}},
        {"img_MediumButton.png", {{90, 26}, {112, 32}, {135, 39}}},
        {"img_BigButtonActive.png", {{159, 29}, {198, 36}, {238, 43}}},
        {"img_SoftwareUpdate.png", {{493, 368}, {616, 460}, {739, 552}}},
    };
    const float scales[3] = {1.0f, 1.25f, 1.5f};
    for (int set = 0; set < 3; ++set) {
        for (const auto& image : images) {
            const QString path = imageSetFolder(scales[set]) + QLatin1String(image.name);
            QTest::newRow(qPrintable(path)) << path << image.sizes[set];
        }
    }
}

void AboutDlgTest::imageSizes()
{
    QFETCH(QString, path);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QTEST(image.size(), "size");
}

void AboutDlgTest::columnsLineUp_data()
{
    addLanguageRows();
}

// The names of the information lines start in one column and their values
// in another, in every language.
void AboutDlgTest::columnsLineUp()
{
    QFETCH(int, type);
    SetLanguageFlags(type);
    AboutDlg about(nullptr);
    for (const auto& column : {std::vector<const char*>{"label_7", "label_6", "label_19", "label_22", "label_15"},
                               std::vector<const char*>{"label_21", "label_17", "UserLabel", "OSLabel", "VersionLabel"}}) {
        const int left = childGeometry(&about, column.front()).left();
        for (const char* name : column)
            QVERIFY2(childGeometry(&about, name).left() == left,
                     qPrintable(QStringLiteral("%1 starts at %2, not %3").arg(QLatin1String(name))
                                    .arg(childGeometry(&about, name).left()).arg(left)));
    }
}

void AboutDlgTest::sectionRulesLineUp_data()
{
    addLanguageRows();
}

// Both section rules start after the wider heading's text and end at the
// panel's right margin, which is as wide as its left one, in every language
// and scale.
void AboutDlgTest::sectionRulesLineUp()
{
    QFETCH(int, type);
    installLanguageOfRow(type);
    for (const float scale : {1.0f, 1.25f, 1.5f}) {
        g_state.uiScale = scale;
        AboutDlg about(nullptr);
        const int textEnd = qMax(headingInkEnd(about.label_20), headingInkEnd(about.label_16));
        const int margin = about.label_20->x();
        for (const QLabel* rule : {about.line1, about.line2}) {
            const QString where = QStringLiteral("%1 at %2 spans %3..%4, headings end at %5, panel %6 wide")
                                      .arg(rule->objectName()).arg(double(scale)).arg(rule->x())
                                      .arg(rule->geometry().right()).arg(textEnd)
                                      .arg(rule->parentWidget()->width());
            QVERIFY2(rule->x() > textEnd, qPrintable(where));
            QVERIFY2(rule->x() == about.line1->x(), qPrintable(where));
            QVERIFY2(rule->x() + rule->width() == rule->parentWidget()->width() - margin, qPrintable(where));
        }
    }
}

QTEST_MAIN(AboutDlgTest)
#include "tst_about_dlg.moc"
