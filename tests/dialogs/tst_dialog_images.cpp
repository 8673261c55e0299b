#include "advanced_repair_dlg.h"
#include "dialog_driver.h"
#include "dialog_look.h"
#include "global_state.h"
#include "language_rows.h"
#include "language_table.h"
#include "standalone_dialogs.h"
#include "reference_file_dlg.h"
#include "repair_finish_dialog.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

#include <memory>
#include <vector>

// Every image the dialogs name exists in each image set at its size, and
// every image a dialog's style sheet asks for can be loaded.
class DialogImagesTest : public QObject {
    Q_OBJECT
private slots:
    void imageHasItsSize_data();
    void imageHasItsSize();
    void styleSheetsNameExistingImages_data();
    void styleSheetsNameExistingImages();
    void picturesFitTheirLabels_data();
    void picturesFitTheirLabels();
    void titleIconsAreSquare_data();
    void titleIconsAreSquare();
};

namespace {

// The labels of `root` whose picture is larger than the label, so that part
// of it is cut; labels that stretch their picture are left out.
QStringList cutPictures(const QWidget* root)
{
    QStringList cut;
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        const QPixmap picture = label->pixmap(Qt::ReturnByValue);
        if (picture.isNull() || label->hasScaledContents())
            continue;
        const QSize size = picture.size() / picture.devicePixelRatio();
        const QSize room = label->contentsRect().size();
        if (size.width() > room.width() || size.height() > room.height())
            cut << QStringLiteral("%1/%2: %3x%4 picture in %5x%6")
                       .arg(root->metaObject()->className(), label->objectName())
                       .arg(size.width()).arg(size.height()).arg(room.width()).arg(room.height());
    }
    return cut;
}

// The title icons of `root`: labels drawing the product icon as their
// border image.
QList<QLabel*> titleIcons(const QWidget* root)
{
    static const QRegularExpression icon(QStringLiteral("border-image:\\s*url\\([^)]*/(16|24)\\.png\\)"));
    QList<QLabel*> icons;
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->styleSheet().contains(icon))
            icons << label;
    }
    return icons;
}

} // namespace

void DialogImagesTest::imageHasItsSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    const struct {
        const char* name;
        QSize sizes[3];
    } images[] = {
        {"16.png", {{24, 24}, {32, 32}, {36, 36}}},
        {"24.png", {{24, 24}, {30, 30}, {36, 36}}},
        {"OK- Normal.png", {{88, 25}, {112, 32}, {135, 39}}},
        {"OK- Hot.png", {{88, 25}, {112, 32}, {135, 39}}},
        {"logo_small.png", {{60, 60}, {72, 72}, {108, 108}}},
        {"Mark.png", {{66, 66}, {82, 82}, {99, 99}}},
        {"info.png", {{67, 67}, {82, 82}, {100, 100}}},
        {"Help.png", {{66, 66}, {82, 82}, {99, 99}}},
        {"Yes.png", {{88, 25}, {109, 31}, {132, 38}}},
        {"No-2.png", {{88, 25}, {109, 31}, {132, 38}}},
        {"No_select.png", {{88, 25}, {109, 31}, {132, 38}}},
        {"Browser 1.png", {{101, 25}, {125, 31}, {151, 37}}},
        {"Browser 2.png", {{101, 25}, {125, 31}, {151, 37}}},
        {"Repair 1.png", {{96, 29}, {120, 36}, {144, 44}}},
        {"Repair 2.png", {{96, 29}, {120, 36}, {144, 44}}},
        {"next.png", {{96, 29}, {120, 36}, {144, 44}}},
        {"Cancel- Normal.png", {{90, 26}, {112, 32}, {144, 44}}},
        {"Cancel - Hot.png", {{90, 26}, {120, 36}, {144, 44}}},
        {"img_SelectCheckBox.png", {{11, 11}, {16, 16}, {24, 24}}},
        {"img_UnSelectCheckBox.png", {{11, 11}, {16, 16}, {24, 24}}},
        {"Advance-repair-updated-icon.png", {{104, 99}, {130, 130}, {156, 156}}},
    };
    const float scales[3] = {1.0f, 1.25f, 1.5f};
    for (int set = 0; set < 3; ++set) {
        const QString folder = imageSetFolder(scales[set]);
        for (const auto& image : images) {
            const QString path = folder + QLatin1String(image.name);
            QTest::newRow(qPrintable(path)) << path << image.sizes[set];
        }
    }
}

void DialogImagesTest::imageHasItsSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
}

void DialogImagesTest::styleSheetsNameExistingImages_data()
{
    QTest::addColumn<float>("scale");
    QTest::newRow("96 DPI") << 1.0f;
    QTest::newRow("120 DPI") << 1.25f;
    QTest::newRow("144 DPI") << 1.5f;
}

void DialogImagesTest::styleSheetsNameExistingImages()
{
    QFETCH(float, scale);
    g_state.uiScale = scale;
    g_state.fileSuffix = QStringLiteral("jpg");

    auto sample = std::make_unique<ReferenceFileDlg>(nullptr, QString());
    std::vector<std::unique_ptr<QWidget>> dialogs = makeStandaloneDialogs();
    auto* intro = new AdvancedRepairDlg(nullptr, QString(), sample.get());
    intro->setAttribute(Qt::WA_DeleteOnClose, false);
    dialogs.emplace_back(intro);
    // The intro dialog styles the sample dialog's Repair button on Next.
    // Ends the sample dialog's modal run. A tick can come before the run's
    // own event loop exists (a reject then only hides the dialog), so every
    // tick shows the dialog again and rejects it until the run has ended.
    QTimer closer;
    closer.setInterval(50);
    QObject::connect(&closer, &QTimer::timeout, sample.get(), [&sample] {
        if (!sample->isVisible())
            sample->show();
        sample->reject();
    });
    closer.start();
    QMetaObject::invokeMethod(intro, "OnclickedNextDialog");
    closer.stop();

    const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
    int checked = 0;
    std::vector<QWidget*> roots{sample.get()};
    for (const auto& dialog : dialogs)
        roots.push_back(dialog.get());
    for (QWidget* root : roots) {
        auto widgets = root->findChildren<QWidget*>();
        widgets.append(root);
        for (QWidget* widget : widgets) {
            auto match = url.globalMatch(widget->styleSheet());
            while (match.hasNext()) {
                const QString path = match.next().captured(1);
                QVERIFY2(path.startsWith(imageSetFolder(scale)), qPrintable(path));
                QVERIFY2(QFile::exists(path), qPrintable(path));
                ++checked;
            }
        }
    }
    QVERIFY(checked >= 20);
}

void DialogImagesTest::picturesFitTheirLabels_data()
{
    styleSheetsNameExistingImages_data();
}

// Every picture a dialog shows in a label, the information picture of the
// message box included, is whole inside its label.
void DialogImagesTest::picturesFitTheirLabels()
{
    QFETCH(float, scale);
    g_state.uiScale = scale;
    QStringList cut;
    for (const auto& dialog : makeStandaloneDialogs())
        cut << cutPictures(dialog.get());
    QWidget owner;
    whenModalOf<repairFinishDialog>([&cut](repairFinishDialog* box) {
        cut << cutPictures(box);
        box->OkBtn->click();
    });
    ShowInformation(&owner, QStringLiteral("Information"), QStringLiteral("Message"));
    QCOMPARE(cut.join(QLatin1String("; ")), QString());
}

void DialogImagesTest::titleIconsAreSquare_data()
{
    addLanguageRows();
}

// The product icon in each dialog's title strip is square in every language.
void DialogImagesTest::titleIconsAreSquare()
{
    QFETCH(int, type);
    SetLanguageFlags(type);
    for (const float scale : {1.0f, 1.5f}) {
        g_state.uiScale = scale;
        QStringList stretched;
        int icons = 0;
        for (const auto& dialog : makeStandaloneDialogs()) {
            for (const QLabel* label : titleIcons(dialog.get())) {
                ++icons;
                if (label->width() != label->height())
                    stretched << QStringLiteral("%1/%2: %3x%4")
                                     .arg(dialog->metaObject()->className(), label->objectName())
                                     .arg(label->width()).arg(label->height());
            }
        }
        QCOMPARE(icons, 7);
        QCOMPARE(stretched.join(QLatin1String("; ")), QString());
    }
}

QTEST_MAIN(DialogImagesTest)
#include "tst_dialog_images.moc"
