#include "about_dlg.h"
#include "advanced_repair_dlg.h"
#include "browse_repair_dlg.h"
#include "global_state.h"
#include "jpeg_fixture.h"
#include "language_table.h"
#include "mainwindow_run.h"
#include "my_tree_widget.h"
#include "q_download_app.h"
#include "q_show_update.h"
#include "reference_file_dlg.h"
#include "repair_tree_columns.h"
#include "repair_finish_dialog.h"
#include "standalone_dialogs.h"
#include "startup.h"
#include "virtual_display.h"

#include <QFontInfo>
#include "text_fit.h"
#include "translation_folder.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

QStringList updateFailureMessages();
constexpr const char* kMonitorDpiVariable = "PICTAVO_TEST_MONITOR_DPI";

// Every window and dialog, in every interface language, shows its texts
// whole at the scale of this run: the scale is the font DPI the run gets
// (QT_FONT_DPI = scale x 96, as the program sets it), so each scale runs in
// a process of its own.
class TextFitTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void textsFit_data();
    void textsFit();

private:
    void checkModalRuns(BrowseRepairDlg& window, QStringList& misfits);

    float m_scale = 1.0f;
    const LanguageInfo* m_installed = nullptr;
};

void TextFitTest::initTestCase()
{
    qputenv(platform::kTranslationRootVariable, PICTAVO_BUILD_DIR "/PhotoTranslation");
    // The program's font set-up is in place before any test runs.
    QCOMPARE(QFontInfo(QFont(QStringLiteral("Segoe UI"))).family(), QStringLiteral("Open Sans"));
    QCOMPARE(QFontInfo(QGuiApplication::font()).family(), QStringLiteral("Roboto"));
    m_scale = float(QGuiApplication::primaryScreen()->logicalDotsPerInchY() / 96.0);
    QVERIFY2(m_scale == 1.0f || m_scale == 1.25f || m_scale == 1.5f, "QT_FONT_DPI must be 96, 120 or 144");
    if (qEnvironmentVariableIsSet(kMonitorDpiVariable))
        QVERIFY2(m_scale == g_startScale, "the font DPI does not follow the scale the start chose");
    qInfo("scale %.2f", double(m_scale));
}

void TextFitTest::cleanup()
{
    if (m_installed) {
        QCoreApplication::removeTranslator(m_installed->toolkitTranslator);
        QCoreApplication::removeTranslator(m_installed->applicationTranslator);
        m_installed = nullptr;
    }
}

void TextFitTest::textsFit_data()
{
    QTest::addColumn<int>("type");
    for (int type = 0; type < kLanguageCount; ++type)
        QTest::newRow(FindLanguage(type)->code) << type;
}

// The messages the main window runs modally: each is checked once it is
// open and then closed; the advanced repair's intro is answered with Next,
// so the sample dialog is checked as its user meets it. A close that comes
// before the modal run's own event loop exists only hides the dialog, so a
// hidden one is shown again and closed on a later tick while its run goes on.
void TextFitTest::checkModalRuns(BrowseRepairDlg& window, QStringList& misfits)
{
    QPointer<QWidget> current;
    bool checked = false;
    bool opened = false;
    QTimer watch;
    watch.setInterval(20);
    connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            if (modal == current && checked) {
                modal->close();
                return;
            }
            current = modal;
            checked = true;
            opened = true;
            misfits << TextsThatDoNotFit(modal);
            if (auto* intro = qobject_cast<AdvancedRepairDlg*>(modal))
                QMetaObject::invokeMethod(intro->NextBtn, "click", Qt::QueuedConnection);
            else
                modal->close();
        } else if (current && !current->isVisible() && current->testAttribute(Qt::WA_ShowModal)) {
            current->show();
        }
    });
    QTimer bound;
    bound.setSingleShot(true);
    bound.setInterval(20000);
    connect(&bound, &QTimer::timeout, [&misfits] {
        misfits << QStringLiteral("a modal message was still open after 20 seconds");
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->hide();
    });
    watch.start();
    const auto run = [&](const char* slot, QGenericArgument argument) {
        current = nullptr;
        opened = false;
        bound.start();
        QMetaObject::invokeMethod(&window, slot, argument);
        bound.stop();
        if (!opened)
            misfits << QStringLiteral("%1 opened no dialog").arg(QLatin1String(slot));
    };
    run("OnCompletionMsgBox", QGenericArgument());
    // The "Advance Repair" link of each damaged photo: its intro, then the
    // sample dialog for its format.
    for (int i = 0; i < window.m_repairTree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = window.m_repairTree->topLevelItem(i);
        if (row->text(ColName).startsWith(QLatin1String("damaged.")))
            run("OnClickAddReference", Q_ARG(uint, row->text(ColButtonId).toUInt()));
    }
}

void TextFitTest::textsFit()
{
    QFETCH(int, type);
    m_installed = FindLanguage(type);
    InstallLanguage(*m_installed);
    SetLanguageFlags(type);
    g_startScale = m_scale;

    QStringList misfits;
    {
        BrowseRepairDlg window(nullptr);
        // The offscreen screen is smaller than the window at the larger
        // scales; lay it out as on a screen it fits.
        g_state.uiScale = m_scale;
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&window, &change);
        window.resize(int(850 * m_scale), int(600 * m_scale));
        window.show();
        misfits << TextsThatDoNotFit(&window);
        // The file list with more photos than the trees show at once, a JPEG
        // and a HEIC of them damaged, then the results of their repair: the
        // trees show their vertical scroll bars, and the failed rows their
        // "Advance Repair" links.
        QTemporaryDir photos;
        QStringList names{QStringLiteral("damaged.jpg"), QStringLiteral("damaged.heic")};
        for (int i = 1; i <= 10; ++i)
            names << QStringLiteral("photo_%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
        for (const QString& name : names) {
            QFile photo(photos.filePath(name));
            QVERIFY(photo.open(QIODevice::WriteOnly));
            photo.write(name.startsWith(QLatin1String("damaged.")) ? QByteArray(3000, 'x') : fixture::realJpeg(64, 48));
            photo.close();
        }
        mainwindowrun::addFiles(window, photos.path(), names);
        misfits << TextsThatDoNotFit(&window);
        {
            // The run's watch closes its completion message; it ends before
            // the messages below are checked.
            mainwindowrun::RunWatch run(window);
            window.StartRepairFilesBtnN->click();
            QVERIFY2(run.waitForEnd(), "the repair run did not end");
        }
        QVERIFY2(window.m_repairTree->verticalScrollBar()->isVisible(), "the results fill no more than their tree");
        const QList<QPushButton*> links = window.m_repairTree->viewport()->findChildren<QPushButton*>();
        QVERIFY2(std::any_of(links.begin(), links.end(),
                             [](const QPushButton* link) { return link->isVisible() && !link->text().isEmpty(); }),
                 "the damaged photo's row offers no link");
        misfits << TextsThatDoNotFit(&window);
        checkModalRuns(window, misfits);
        window.hide();
    }

    g_state.uiScale = m_scale;
    g_state.fileSuffix = QStringLiteral("jpg");
    auto sample = std::make_unique<ReferenceFileDlg>(nullptr, QString());
    std::vector<std::unique_ptr<QWidget>> dialogs = makeStandaloneDialogs();
    // Checked as the user meets them: some set their fonts when shown.
    for (const auto& dialog : dialogs) {
        dialog->show();
        misfits << TextsThatDoNotFit(dialog.get());
        dialog->hide();
    }
    dialogs.clear();
    dialogs.emplace_back(new AboutDlg(nullptr));
    dialogs.emplace_back(new QShowUpdate(nullptr));
    // Without a download address the download dialog shows its failure
    // line, which names the address and so fits no rectangle: left out.
    auto* download = new QDownloadApp(nullptr);
    download->DownLoadProgressLabel->hide();
    // While it downloads, the dialog shows Cancel in place of OK.
    download->OkButton->hide();
    download->CancelButton->show();
    dialogs.emplace_back(download);
    // What the update tells in the program's message box when it fails.
    for (const QString& message : updateFailureMessages()) {
        auto* box = new repairFinishDialog(nullptr);
        box->label_8->setText(QDownloadApp::tr("Update failed"));
        box->repairedLabl->setText(message);
        dialogs.emplace_back(box);
    }
    misfits << TextsThatDoNotFit(sample.get());
    for (const auto& dialog : dialogs)
        misfits << TextsThatDoNotFit(dialog.get());

    for (const QString& misfit : misfits)
        qWarning("%s", qPrintable(misfit));
    QVERIFY2(misfits.isEmpty(), qPrintable(QStringLiteral("%1 texts do not fit").arg(misfits.size())));
}

// The failure texts of the update: each download failure alone, and each
// after the check's own line, in the current language.
QStringList updateFailureMessages()
{
    QStringList messages{QDownloadApp::tr("The download could not be verified."),
                         QDownloadApp::tr("The installer could not be started.")};
    const QString check = QCoreApplication::translate("QCheckUpdate", "The update check could not be completed.");
    using Cause = platform::DownloadFailure;
    for (Cause cause : {Cause::Unreachable, Cause::Refused, Cause::NotFound, Cause::CutShort, Cause::TooLarge,
                        Cause::TimedOut, Cause::NotSaved, Cause::Cancelled}) {
        messages << QDownloadApp::FailureText(cause) << check + QLatin1Char('\n') + QDownloadApp::FailureText(cause);
    }
    return messages;
}

// The font DPI decides the scale; a run without one is a run at 1.0. A run
// for a monitor starts an X server of that DPI and lets the program's start
// choose the scale and the font DPI.
int main(int argc, char* argv[])
{
    std::unique_ptr<VirtualDisplay> display;
    if (qEnvironmentVariableIsSet(kMonitorDpiVariable)) {
        display = std::make_unique<VirtualDisplay>(qEnvironmentVariable(kMonitorDpiVariable).toUInt());
        if (!display->error().isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(display->error()));
            return 1;
        }
        g_state.settingsPath = QString::fromLatin1(kSettingsPath);
        PrepareStartScale();
    } else if (!qEnvironmentVariableIsSet("QT_FONT_DPI")) {
        qputenv("QT_FONT_DPI", "96");
    }
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    QApplication app(argc, argv);
    TextFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_text_fit.moc"
