// Shows the program's windows one after the other on the X display and
// saves what the display shows of each:
//   capture_windows <language code> <output folder>
// or saves the whole display (the program started on its own):
//   capture_windows --screen <file>
// The scale and the font DPI are chosen from the display as the program's
// start chooses them. Run through capture.sh, which provides the display.

#include "about_dlg.h"
#include "advanced_repair_dlg.h"
#include "browse_repair_dlg.h"
#include "exif_fixture.h"
#include "font_substitutes.h"
#include "global_state.h"
#include "jpeg_fixture.h"
#include "language_table.h"
#include "mainwindow_run.h"
#include "mainwindow_save.h"
#include "my_tree_widget.h"
#include "photo_fixture.h"
#include "q_download_app.h"
#include "q_show_update.h"
#include "reference_file_dlg.h"
#include "repair_run.h"
#include "repair_tree_columns.h"
#include "settings_store.h"
#include "standalone_dialogs.h"
#include "startup.h"
#include "translation_folder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItemIterator>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

QString g_outputPrefix;

// Lets the window manager place the window and the window paint itself,
// then saves the display's pixels of the window.
void capture(QWidget* window, const QString& name)
{
    QTest::qWaitForWindowExposed(window, 5000);
    QTest::qWait(400);
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(window->winId());
    const QString path = g_outputPrefix + name + QStringLiteral(".png");
    if (!shot.save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

void showAndCapture(QWidget* window, const QString& name)
{
    window->show();
    capture(window, name);
    window->hide();
}

// Starts a watch over modal dialogs that ends after 20 seconds, leaving a
// dialog still open then hidden.
void startBoundedWatch(QTimer& watch)
{
    QTimer::singleShot(20000, &watch, [&watch] {
        watch.stop();
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->hide();
    });
    watch.start();
}

// Runs `start`, which opens a modal dialog, captures that dialog once it is
// on screen and closes it. A close that comes before the dialog's own event
// loop exists only hides it, so it is shown again and closed until `start`
// returns; after 20 seconds the dialog is left hidden.
void captureModal(const QString& name, const std::function<void()>& start)
{
    QPointer<QWidget> current;
    bool captured = false;
    QTimer watch;
    watch.setInterval(100);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            current = modal;
            if (!captured)
                capture(modal, name);
            captured = true;
            modal->close();
        } else if (current && !current->isVisible()) {
            current->show();
        }
    });
    startBoundedWatch(watch);
    start();
}

// The id of the "Advance Repair" link of the results row of that name.
uint linkOfRow(const BrowseRepairDlg& window, const QString& name)
{
    for (int i = 0; i < window.m_repairTree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = window.m_repairTree->topLevelItem(i);
        if (row->text(ColName) == name)
            return row->text(ColButtonId).toUInt();
    }
    return 0;
}

// The sample dialog given a sample, as Browse would, and its Repair pressed.
void repairWithSample(ReferenceFileDlg* sample, const QString& samplePath)
{
    g_state.samplePath = samplePath;
    g_state.jpegSampleMode = 1;
    g_state.heicSampleMode = 0;
    sample->RefPath_Edit->setText(samplePath);
    sample->RefRepairBtn->setEnabled(true);
    QMetaObject::invokeMethod(sample->RefRepairBtn, "click", Qt::QueuedConnection);
}

// The "Advance Repair" link of the damaged photo's row opens the intro
// dialog; its Next opens the sample dialog as the user meets it. Each is
// captured; the sample dialog then repairs the photo with a sample, which
// cannot mend it, and the message that says so is captured and closed.
void captureSampleRepairDialogs(BrowseRepairDlg& window, const QString& folder)
{
    const QString samplePath = QDir(folder).filePath(QStringLiteral("sample.jpg"));
    repairrun::putFile(folder, QStringLiteral("sample.jpg"), fixture::realJpeg(640, 480));
    const uint link = linkOfRow(window, QStringLiteral("damaged.jpg"));
    QPointer<QWidget> intro;
    bool sampleCaptured = false;
    bool messageCaptured = false;
    QTimer watch;
    watch.setInterval(100);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (auto* introDialog = qobject_cast<AdvancedRepairDlg*>(modal)) {
            if (intro == introDialog)
                return;
            intro = introDialog;
            capture(introDialog, QStringLiteral("dialog_advanced_repair"));
            QMetaObject::invokeMethod(introDialog->NextBtn, "click", Qt::QueuedConnection);
        } else if (auto* sample = qobject_cast<ReferenceFileDlg*>(modal)) {
            if (sampleCaptured)
                return;
            capture(sample, QStringLiteral("dialog_sample"));
            sampleCaptured = true;
            repairWithSample(sample, samplePath);
        } else if (!messageCaptured) {
            capture(modal, QStringLiteral("message_sample_failed"));
            messageCaptured = true;
            modal->close();
        }
    });
    startBoundedWatch(watch);
    QMetaObject::invokeMethod(&window, "OnClickAddReference", Q_ARG(uint, link));
    QTest::qWaitFor([&] { return messageCaptured && !window.m_repairThread.isRunning(); }, 20000);
}

void captureMainWindow(const QString& folder)
{
    auto window = std::make_unique<BrowseRepairDlg>(nullptr);
    window->show();
    capture(window.get(), QStringLiteral("main_start"));

    // More photos than either tree shows at once, so both show their scroll
    // bars, and a JPEG and a HEIC that fail, so the results offer "Advance
    // Repair" for each.
    QStringList names{QStringLiteral("holiday.jpg"), QStringLiteral("damaged.jpg"), QStringLiteral("damaged.heic")};
    for (int i = 1; i <= 12; ++i)
        names << QStringLiteral("photo_%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
    for (const QString& name : names) {
        QFile photo(QDir(folder).filePath(name));
        photo.open(QIODevice::WriteOnly);
        photo.write(name.startsWith(QLatin1String("damaged.")) ? QByteArray(3000, 'x') : fixture::realJpeg(640, 480));
        photo.close();
    }
    mainwindowrun::addFiles(*window, folder, names);
    capture(window.get(), QStringLiteral("main_files"));

    captureModal(QStringLiteral("message_completion"), [&window] {
        QMetaObject::invokeMethod(window->StartRepairFilesBtnN, "click");
        QTest::qWaitFor([&window] { return window->SaveRepairBtn->isVisible(); }, 20000);
    });
    capture(window.get(), QStringLiteral("main_results"));

    captureSampleRepairDialogs(*window, folder);
    const uint heicLink = linkOfRow(*window, QStringLiteral("damaged.heic"));
    captureModal(QStringLiteral("dialog_advanced_repair_heic"), [&window, heicLink] {
        QMetaObject::invokeMethod(window.get(), "OnClickAddReference", Q_ARG(uint, heicLink));
    });
    // Neither question is answered, so the window stays as it is.
    g_state.pressedButtonName.clear();
    captureModal(QStringLiteral("dialog_back"), [&window] { QMetaObject::invokeMethod(window->BackBtn, "click"); });
    captureModal(QStringLiteral("dialog_exit"), [&window] { window->close(); });
}

// A photo written by the toolkit's JPEG writer.
QByteArray photoJpeg(int width, int height, quint32 seed)
{
    return fixture::encodeJpeg(fixture::photoPicture(width, height, seed), 90);
}

// The photos of the stopped run, in the order of the run: one that
// repairs, one whose main image is broken (it fails and offers the advanced
// repair), then more than the results page shows, which the stop leaves
// unreached.
QStringList writeStoppedRunPhotos(const QString& folder)
{
    QStringList names;
    for (int i = 1; i <= 16; ++i) {
        const QString name = QStringLiteral("holiday_%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
        const QByteArray bytes = i == 2 ? fixture::withThumbnailOnly(photoJpeg(640, 480, i), photoJpeg(160, 120, i))
                                        : photoJpeg(640, 480, i);
        repairrun::putFile(folder, name, bytes);
        names << name;
    }
    return names;
}

// A save step that captures the window of the class once it waits for its
// answer, then closes it.
mainwindowsave::ModalStep captureAndClose(const char* className, const QString& name)
{
    return [className, name](QWidget* modal) {
        if (!modal->inherits(className))
            return false;
        capture(modal, name);
        modal->close();
        return true;
    };
}

// Saves the results into a fresh folder below `folder`; `last` answers the
// save's closing window.
void saveInto(BrowseRepairDlg& window, const QString& folder, const mainwindowsave::ModalStep& last)
{
    QDir().mkpath(folder);
    mainwindowsave::ModalScript script({mainwindowsave::chooseFolder(folder), last});
    mainwindowsave::save(window, script);
}

// The save's messages: the dialog after files were saved, and the message
// when nothing was checked to save.
void captureSaveMessages(BrowseRepairDlg& window, const QString& folder)
{
    saveInto(window, folder + QStringLiteral("/saved"),
             captureAndClose("SavingFinishDlg", QStringLiteral("dialog_save_complete")));
    for (QTreeWidgetItemIterator it(window.m_repairTree); *it; ++it)
        (*it)->setCheckState(0, Qt::Unchecked);
    saveInto(window, folder + QStringLiteral("/nothing"),
             captureAndClose("repairFinishDialog", QStringLiteral("message_no_files_saved")));
}

// A run the user stopped at its third file: the message it ends with, the
// results page and the save's messages.
void captureStoppedRun(const QString& folder)
{
    const QString photos = folder + QStringLiteral("/stopped");
    const QStringList names = writeStoppedRunPhotos(photos);
    auto window = std::make_unique<BrowseRepairDlg>(nullptr);
    window->show();
    mainwindowrun::addFiles(*window, photos, names);
    mainwindowrun::stopAtProgress(*window, BrowseRepairDlg::tr("Repairing file ") + QStringLiteral("3 "));
    captureModal(QStringLiteral("message_stopped"), [&window] {
        QMetaObject::invokeMethod(window->StartRepairFilesBtnN, "click");
        QTest::qWaitFor([&window] { return window->SaveRepairBtn->isVisible(); }, 20000);
    });
    g_state.stopRequested = 0;
    capture(window.get(), QStringLiteral("main_stopped"));
    captureSaveMessages(*window, folder);
    window->hide();
}

// The download's failure with an address too long for one line; the port
// that is no number makes it invalid, so the download never starts.
void captureDownloadFailure(const QString& code)
{
    platform::openSettings(g_state.settingsPath)
        ->setValue(code + QStringLiteral("/UpdateNewLink"),
                   QStringLiteral("http://downloads.updates.photorepairservice.centraleurope.example.com:80x/"
                                  "releases/current-version/installers/?channel=stable&platform=linux-desktop/"));
    QDownloadApp download(nullptr);
    showAndCapture(&download, QStringLiteral("dialog_update_download_failed"));
    platform::openSettings(g_state.settingsPath)->remove(code + QStringLiteral("/UpdateNewLink"));
}

void captureDialogs()
{
    int index = 0;
    for (const auto& dialog : makeStandaloneDialogs()) {
        const QString name = QStringLiteral("dialog_%1_%2").arg(++index).arg(dialog->metaObject()->className());
        showAndCapture(dialog.get(), name);
    }
    AboutDlg about(nullptr);
    showAndCapture(&about, QStringLiteral("dialog_about"));
    QShowUpdate offer(nullptr);
    showAndCapture(&offer, QStringLiteral("dialog_update_offer"));
    QDownloadApp download(nullptr);
    showAndCapture(&download, QStringLiteral("dialog_update_download"));
}

} // namespace

int main(int argc, char* argv[])
{
    g_state.settingsPath = QString::fromLatin1(kSettingsPath);
    PrepareStartScale();
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--screen")
        return QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    if (argc != 3) {
        std::fprintf(stderr, "usage: capture_windows <language code> <output folder>\n");
        return 2;
    }
    platform::installFontSubstitutes();
    const QString code = QString::fromLatin1(argv[1]).toUpper();
    int type = 0;
    while (type < kLanguageCount && QLatin1String(FindLanguage(type)->code) != code)
        ++type;
    if (type == kLanguageCount) {
        std::fprintf(stderr, "unknown language %s\n", argv[1]);
        return 2;
    }
    InstallLanguage(*FindLanguage(type));
    SetLanguageFlags(type);
    const float scale = g_startScale;
    g_state.uiScale = scale;

    QDir(QString::fromLocal8Bit(argv[2])).mkpath(QStringLiteral("."));
    g_outputPrefix = QStringLiteral("%1/%2_%3_").arg(QString::fromLocal8Bit(argv[2]), code).arg(int(scale * 100));
    QTemporaryDir photos;
    captureMainWindow(photos.path());
    g_state.uiScale = scale;
    captureStoppedRun(photos.path());
    g_state.uiScale = scale;
    captureDialogs();
    captureDownloadFailure(code);
    return 0;
}
