#include "advanced_repair_dlg.h"
#include "dialog_driver.h"
#include "global_state.h"
#include "reference_file_dlg.h"
#include "window_frame.h"

#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

namespace {

const QString kJpegFilter = QStringLiteral("Images (*.JPEG *.JPG *.jpg *.jpeg )");
const QString kHeicFilter = QStringLiteral("Images (*.HEIC *.HEIF *.heic *.heif)");

// What the file picker showed, and what was picked in it.
struct PickerVisit {
    bool opened = false;
    QString title;
    QStringList filters;
    QString directory;
};

// Clicks Browse on the sample dialog; when a picker opens, chooses `file`
// in it, or cancels it when `file` is empty.
PickerVisit browse(ReferenceFileDlg& dialog, const QString& file)
{
    PickerVisit visit;
    ModalDriver answer(QStringLiteral("file picker"), [&](QWidget* modal) {
        auto* picker = qobject_cast<QFileDialog*>(modal);
        if (!picker)
            return false;
        visit.opened = true;
        visit.title = picker->windowTitle();
        visit.filters = picker->nameFilters();
        visit.directory = picker->directory().absolutePath();
        if (file.isEmpty()) {
            picker->reject();
            return true;
        }
        // Typed into the focused name field, as a user would.
        auto* nameField = picker->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!nameField) {
            picker->reject();
            QTest::qFail("the file picker has no name field", __FILE__, __LINE__);
            return true;
        }
        nameField->setText(file);
        QTest::keyClick(nameField, Qt::Key_Return);
        return true;
    });
    dialog.RefBrowse_Btn->click();
    return visit;
}

QString writeSampleJpeg()
{
    const QString path = QDir::temp().filePath(QStringLiteral("sample.jpg"));
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return image.save(path, "JPEG") ? path : QString();
}

QString writeSampleHeic()
{
    const QString path = QDir::temp().filePath(QStringLiteral("sample.heic"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(QByteArray("\0\0\0\x18" "ftypheic", 12));
    return path;
}

} // namespace

// The two steps of the advanced repair: the intro dialog and the sample
// dialog, with the real file picker.
class DialogSampleTest : public QObject {
    Q_OBJECT
public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

private slots:
    void initTestCase();
    void init();

    void browseBySuffix_data();
    void browseBySuffix();
    void cancelledSecondPickShowsNoPath();
    void jpegPickUnticksBox();
    void cancelButtonKeepsSample();

    void introSetsPromptBySuffix_data();
    void introSetsPromptBySuffix();
    void introEndings_data();
    void introEndings();
    void nextAtScale125UsesItsRepairFaces();

private:
    QString m_jpeg;
    QString m_heic;
};

void DialogSampleTest::initTestCase()
{
    m_jpeg = writeSampleJpeg();
    m_heic = writeSampleHeic();
    QVERIFY(!m_jpeg.isEmpty());
    QVERIFY(!m_heic.isEmpty());
}

void DialogSampleTest::init()
{
    g_state.uiScale = 1.0f;
    setInterfaceLanguage(LayoutLanguage::English);
    g_state.samplePath.clear();
    g_state.jpegSampleMode = 0;
    g_state.heicSampleMode = 0;
    g_state.applySampleToAll = 0;
    g_state.helpAdvanced = 0;
}

void DialogSampleTest::browseBySuffix_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("filter"); // empty: no picker opens
    QTest::addColumn<int>("jpegMode");
    QTest::addColumn<int>("heicMode");

    // Both flags start at 1: each kind of sample clears the other's flag.
    QTest::newRow("JPG") << "JPG" << kJpegFilter << 1 << 0;
    QTest::newRow("jpg") << "jpg" << kJpegFilter << 1 << 0;
    QTest::newRow("Jpg mixed case") << "Jpg" << kJpegFilter << 1 << 0;
    QTest::newRow("jpeg") << "jpeg" << kJpegFilter << 1 << 0;
    QTest::newRow("JPEG") << "JPEG" << kJpegFilter << 1 << 0;
    QTest::newRow("HEIC") << "HEIC" << kHeicFilter << 0 << 1;
    QTest::newRow("heic") << "heic" << kHeicFilter << 0 << 1;
    QTest::newRow("Heic mixed case") << "Heic" << kHeicFilter << 0 << 1;
    QTest::newRow("HEIF") << "HEIF" << kHeicFilter << 0 << 1;
    QTest::newRow("heif") << "heif" << kHeicFilter << 0 << 1;
    QTest::newRow("png opens nothing") << "png" << QString() << 1 << 1;
    QTest::newRow("no suffix opens nothing") << "" << QString() << 1 << 1;
}

void DialogSampleTest::browseBySuffix()
{
    QFETCH(QString, suffix);
    QFETCH(QString, filter);
    QFETCH(int, jpegMode);
    QFETCH(int, heicMode);
    ReferenceFileDlg dialog(nullptr, QString());
    g_state.fileSuffix = suffix;
    g_state.jpegSampleMode = 1;
    g_state.heicSampleMode = 1;
    const bool jpeg = filter == kJpegFilter;
    const QString pick = filter.isEmpty() ? QString() : (jpeg ? m_jpeg : m_heic);

    const PickerVisit visit = browse(dialog, pick);

    QCOMPARE(visit.opened, !filter.isEmpty());
    QCOMPARE(g_state.jpegSampleMode, jpegMode);
    QCOMPARE(g_state.heicSampleMode, heicMode);
    QCOMPARE(g_state.samplePath, pick);
    QCOMPARE(dialog.RefPath_Edit->toPlainText(), pick);
    QCOMPARE(dialog.RefRepairBtn->isEnabled(), !pick.isEmpty());
    if (!visit.opened)
        return;
    QCOMPARE(visit.title, QStringLiteral("Add File"));
    QCOMPARE(visit.filters, QStringList{filter});
    QCOMPARE(visit.directory, QStringLiteral("/home"));
    QCOMPARE(!dialog.refe_CheckBox->isHidden(), jpeg);
    QCOMPARE(!dialog.label_2->isHidden(), jpeg);
    QCOMPARE(dialog.refe_CheckBox->isEnabled(), jpeg);
}

void DialogSampleTest::cancelledSecondPickShowsNoPath()
{
    ReferenceFileDlg dialog(nullptr, QString());
    g_state.fileSuffix = QStringLiteral("jpg");
    browse(dialog, m_jpeg);
    QCOMPARE(dialog.RefPath_Edit->toPlainText(), m_jpeg);
    QVERIFY(dialog.RefRepairBtn->isEnabled());

    const PickerVisit visit = browse(dialog, QString());
    QVERIFY(visit.opened);
    QCOMPARE(g_state.jpegSampleMode, 1);
    QVERIFY(g_state.samplePath.isEmpty());
    QVERIFY(dialog.RefPath_Edit->toPlainText().isEmpty());
    QVERIFY(!dialog.RefRepairBtn->isEnabled());
}

void DialogSampleTest::jpegPickUnticksBox()
{
    ReferenceFileDlg dialog(nullptr, QString());
    g_state.fileSuffix = QStringLiteral("JPG");
    dialog.refe_CheckBox->setEnabled(true);
    dialog.refe_CheckBox->setChecked(true);
    g_state.applySampleToAll = 1;
    browse(dialog, m_jpeg);
    QCOMPARE(g_state.applySampleToAll, 0);
    QVERIFY(!dialog.refe_CheckBox->isChecked());
}

void DialogSampleTest::cancelButtonKeepsSample()
{
    ReferenceFileDlg dialog(nullptr, QString());
    g_state.fileSuffix = QStringLiteral("heic");
    browse(dialog, m_heic);
    g_state.applySampleToAll = 1;
    dialog.show();
    dialog.cancle->click();
    QVERIFY(dialog.isHidden());
    QCOMPARE(g_state.applySampleToAll, 0);
    QVERIFY(!dialog.RefRepairBtn->isEnabled());
    QCOMPARE(g_state.samplePath, m_heic);
    QCOMPARE(g_state.heicSampleMode, 1);
}

void DialogSampleTest::introSetsPromptBySuffix_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<bool>("boxShown");
    QTest::newRow("jpg") << "jpg" << "Add a sample JPEG:" << true;
    QTest::newRow("Jpeg") << "Jpeg" << "Add a sample JPEG:" << true;
    QTest::newRow("JPG") << "JPG" << "Add a sample JPEG:" << true;
    QTest::newRow("HEIC") << "HEIC" << "Add a sample HEIC:" << false;
    QTest::newRow("heif") << "heif" << "Add a sample HEIC:" << false;
    QTest::newRow("other format keeps previous use") << "png" << "previous prompt" << false;
}

void DialogSampleTest::introSetsPromptBySuffix()
{
    QFETCH(QString, suffix);
    QFETCH(QString, prompt);
    QFETCH(bool, boxShown);
    ReferenceFileDlg sample(nullptr, QString());
    // State left by an earlier HEIC use.
    sample.label->setText(QStringLiteral("previous prompt"));
    sample.refe_CheckBox->hide();
    sample.label_2->hide();
    sample.RefPath_Edit->setText(QStringLiteral("/old/sample.jpg"));
    sample.refe_CheckBox->setEnabled(true);
    sample.refe_CheckBox->setChecked(true);
    sample.RefRepairBtn->setEnabled(true);
    g_state.fileSuffix = suffix;

    QPointer<AdvancedRepairDlg> intro = new AdvancedRepairDlg(nullptr, QString(), &sample);
    intro->move(200, 100);
    QRect introGeometry;
    QString shownPrompt;
    QFont shownPromptFont;
    QWidget* shownFocus = nullptr;
    bool browseIsDefault = false;
    QPoint shownAt;
    bool sampleShown = false;
    whenModal([&](QWidget* modal) {
        QCOMPARE(modal, intro.data());
        introGeometry = intro->geometry();
        whenModal([&](QWidget* inner) {
            sampleShown = inner == &sample;
            shownPrompt = sample.label->text();
            shownPromptFont = sample.label->font();
            shownFocus = sample.focusWidget();
            browseIsDefault = sample.RefBrowse_Btn->isDefault() && !sample.RefRepairBtn->isDefault();
            shownAt = sample.pos();
            sample.reject();
        });
        intro->NextBtn->click();
    });
    intro->exec();

    QVERIFY(intro.isNull()); // deleted once its run is over
    QVERIFY(sampleShown);
    QCOMPARE(g_state.helpAdvanced, 1);
    QCOMPARE(shownPrompt, prompt);
    // The prompt has its font from the start, not only once Browse is used;
    // with no sample chosen yet, the keys go to Browse.
    const QFont header = headerFont();
    QCOMPARE(shownPromptFont.family(), header.family());
    QCOMPARE(shownPromptFont.pointSize(), header.pointSize());
    QCOMPARE(shownPromptFont.weight(), header.weight());
    QCOMPARE(shownFocus, sample.RefBrowse_Btn);
    QVERIFY(browseIsDefault);
    QCOMPARE(!sample.refe_CheckBox->isHidden(), boxShown);
    QCOMPARE(!sample.label_2->isHidden(), boxShown);
    QVERIFY(sample.RefPath_Edit->toPlainText().isEmpty());
    QVERIFY(!sample.refe_CheckBox->isChecked());
    QVERIFY(!sample.refe_CheckBox->isEnabled());
    QVERIFY(!sample.RefRepairBtn->isEnabled());
    QCOMPARE(sample.RefRepairBtn->text(), QStringLiteral("Repair"));
    QWidget probe;
    probe.setFixedSize(sample.size());
    CenterWidgetOnRect(&probe, introGeometry);
    QCOMPARE(shownAt, probe.pos());
}

void DialogSampleTest::introEndings_data()
{
    QTest::addColumn<bool>("escape");
    QTest::addColumn<int>("helpAdvanced");
    QTest::newRow("Cancel clears help flag") << false << 0;
    QTest::newRow("Escape cancels too") << true << 0;
}

void DialogSampleTest::introEndings()
{
    QFETCH(bool, escape);
    QFETCH(int, helpAdvanced);
    ReferenceFileDlg sample(nullptr, QString());
    g_state.helpAdvanced = 1;
    g_state.fileSuffix = QStringLiteral("jpg");
    QPointer<AdvancedRepairDlg> intro = new AdvancedRepairDlg(nullptr, QString(), &sample);
    whenModal([&](QWidget* modal) {
        QVERIFY(modal);
        if (escape)
            QTest::keyClick(modal, Qt::Key_Escape);
        else
            intro->cancle->click();
    });
    intro->exec();
    QVERIFY(intro.isNull());
    // Only the Next step captions the sample dialog's Repair button.
    QVERIFY(sample.RefRepairBtn->text().isEmpty());
    QVERIFY(sample.isHidden());
    QCOMPARE(g_state.helpAdvanced, helpAdvanced);
}

void DialogSampleTest::nextAtScale125UsesItsRepairFaces()
{
    g_state.uiScale = 1.25f;
    ReferenceFileDlg sample(nullptr, QString());
    g_state.fileSuffix = QStringLiteral("jpeg");
    QPointer<AdvancedRepairDlg> intro = new AdvancedRepairDlg(nullptr, QString(), &sample);
    QCOMPARE(intro->size(), QSize(627, 343));
    whenModal([&](QWidget*) {
        whenModal([&](QWidget*) { sample.reject(); });
        intro->NextBtn->click();
    });
    intro->exec();
    const QString sheet = sample.RefRepairBtn->styleSheet();
    QVERIFY(sheet.contains(QLatin1String(":/images/120-DPI/Repair 1.png")));
    QVERIFY(sheet.contains(QLatin1String(":/images/120-DPI/Repair 2.png")));
    QCOMPARE(sample.size(), QSize(642, 290));
}

QTEST_MAIN(DialogSampleTest)
#include "tst_dialog_sample.moc"
