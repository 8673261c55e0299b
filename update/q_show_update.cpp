#include "q_show_update.h"

#include "folder_handle.h"
#include "q_download_app.h"
#include "update_files.h"
#include "window_frame.h"

namespace {

DialogLayout offerLayout(LayoutLanguage language)
{
    const bool italian = language == LayoutLanguage::Italian;
    const bool brazil = language == LayoutLanguage::Brazil;
    return {QSize(491, 366),
            {
                // Cancel ends where the text box ends, in every language.
                {"CancelButton", QRect(384, 315, 91, 31)},
                {"UpdateButton", italian ? QRect(277, 315, 100, 31) : QRect(276, 315, 91, 31)},
                {"label", QRect(160, 35, 321, 41)},
                {"label_2", QRect(0, 0, 493, 370)},
                {"label_4", QRect(27, 314, brazil ? 205 : 165, 35)},
                {"textEdit", QRect(153, 90, 322, 162)},
            }};
}

} // namespace

QShowUpdate::QShowUpdate(QWidget* parent) : UpdateDialog(parent)
{
    setupUi(this);
    SetLanguageGeometry();
    SetBackground(label_2);
    setWindowFlags(kUpdateWindowFlags);
    setWindowTitle(tr("Pictavo "));
    UpdateButton->setEnabled(true);
    connect(UpdateButton, SIGNAL(clicked()), this, SLOT(DownloadApp()));
    connect(CancelButton, SIGNAL(clicked()), this, SLOT(CancelDownload()));
    ShowUpdateMessage();
}

QShowUpdate::~QShowUpdate() = default;

void QShowUpdate::ShowUpdateMessage()
{
    if (!g_minorUpdateFound && !g_majorUpdateFound)
        return;
    QString text = g_minorUpdateFound ? tr("A new minor update ") + g_minorVersionText
                                      : tr("A new major release ") + g_majorVersionText;
    text += tr(" is available. Click Update to proceed further.");
    text += QLatin1Char('\n');
    textEdit->append(text);
}

void QShowUpdate::SetLanguageGeometry()
{
    m_geometry = offerLayout(layoutLanguage());
    applyDialogLayout(this, m_geometry);
}

void QShowUpdate::DownloadApp()
{
    const QRect offerRect = geometry();
    hide();
    auto* download = new QDownloadApp(this);
    CenterWidgetOnRect(download, offerRect);
    download->show();
}

void QShowUpdate::CancelDownload()
{
    UpdateFolderHandle().removeEntry(QLatin1String(kUpdateInfoName));
    close();
}

void QShowUpdate::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        setWindowTitle(tr("Pictavo "));
        SetLanguageGeometry();
    }
    QWidget::changeEvent(event);
}
