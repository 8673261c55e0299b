#include "browse_repair_dlg.h"
#include "font_substitutes.h"
#include "global_state.h"
#include "q_check_update.h"
#include "single_instance.h"
#include "startup.h"

#include <QApplication>
#include <QDebug>
#include <QMessageBox>

#include <cstdlib>

int main(int argc, char* argv[])
{
    g_state.settingsPath = QString::fromLatin1(kSettingsPath);
    PrepareStartScale();

    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    QApplication app(argc, argv);
    platform::installFontSubstitutes();
    QCoreApplication::processEvents();
    ApplyStartSettings();

    platform::SingleInstanceGuard guard;
    if (!guard.acquire(QString::fromLatin1(kInstanceKey))) {
        QMessageBox::information(nullptr, QStringLiteral("Pictavo"), QObject::tr("Pictavo already running."),
                                 QMessageBox::Ok);
        std::exit(0);
    }
    RemoveLeftoversOfEarlierRuns();
    qDebug() << "Application started successfully.";

    auto* window = new BrowseRepairDlg(nullptr);
    CenterOnDesktop(window);
    window->show();

    // One silent update check, started here and carried on by the event
    // loop: it speaks only when a newer version is offered.
    auto* startupCheck = new QCheckUpdate(window);
    startupCheck->hide();
    return QApplication::exec();
}
