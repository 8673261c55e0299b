// Shows the program's windows one after the other on the X display and
// saves what the display shows of each:
//   capture_windows <language code> <output folder>
// or saves the whole display (the program started on its own):
//   capture_windows --screen <file>
// The scale and the font DPI are chosen from the display as the program's
// start chooses them. Run through capture.sh, which provides the display.

#include "about_dlg.h"
#include "browse_repair_dlg.h"
#include "font_substitutes.h"
#include "global_state.h"
#include "jpeg_fixture.h"
#include "language_table.h"
#include "mainwindow_run.h"
#include "q_download_app.h"
#include "q_show_update.h"
#include "reference_file_dlg.h"
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
    QTimer::singleShot(20000, &watch, [&watch] {
        watch.stop();
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->hide();
    });
    watch.start();
    start();
}

void captureMainWindow(const QString& folder)
{
    auto window = std::make_unique<BrowseRepairDlg>(nullptr);
    window->show();
    capture(window.get(), QStringLiteral("main_start"));

    // More photos than either tree shows at once, so both show their scroll
    // bars, and one that fails, so the results offer "Advance Repair".
    QStringList names{QStringLiteral("holiday.jpg"), QStringLiteral("damaged.jpg")};
    for (int i = 1; i <= 12; ++i)
        names << QStringLiteral("photo_%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
    for (const QString& name : names) {
        QFile photo(QDir(folder).filePath(name));
        photo.open(QIODevice::WriteOnly);
        photo.write(name == QLatin1String("damaged.jpg") ? QByteArray(3000, 'x') : fixture::realJpeg(640, 480));
        photo.close();
    }
    mainwindowrun::addFiles(*window, folder, names);
    capture(window.get(), QStringLiteral("main_files"));

    captureModal(QStringLiteral("message_completion"), [&window] {
        QMetaObject::invokeMethod(window->StartRepairFilesBtnN, "click");
        QTest::qWaitFor([&window] { return window->SaveRepairBtn->isVisible(); }, 20000);
    });
    capture(window.get(), QStringLiteral("main_results"));

    g_state.fileSuffix = QStringLiteral("jpg");
    captureModal(QStringLiteral("dialog_advanced_repair"), [&window] {
        QMetaObject::invokeMethod(window.get(), "OnClickAddReference", Q_ARG(uint, 0));
    });
    // Neither question is answered, so the window stays as it is.
    g_state.pressedButtonName.clear();
    captureModal(QStringLiteral("dialog_back"), [&window] { QMetaObject::invokeMethod(window->BackBtn, "click"); });
    captureModal(QStringLiteral("dialog_exit"), [&window] { window->close(); });
}

void captureDialogs()
{
    int index = 0;
    for (const auto& dialog : makeStandaloneDialogs()) {
        const QString name = QStringLiteral("dialog_%1_%2").arg(++index).arg(dialog->metaObject()->className());
        showAndCapture(dialog.get(), name);
    }
    ReferenceFileDlg sample(nullptr, QString());
    showAndCapture(&sample, QStringLiteral("dialog_sample"));
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
    captureDialogs();
    return 0;
}
