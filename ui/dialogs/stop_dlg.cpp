#include "stop_dlg.h"

#include "keyboard_answers.h"
#include "dialog_layouts.h"

namespace {
const int kStripWidth = 498;
} // namespace

StopDlg::StopDlg(QWidget* parent)
    : FramelessDialog(parent, kStripWidth)
{
    setupUi(this);
    setWindowFlags(Qt::SplashScreen);
    m_geometry.size = QSize(498, 174);
    SetLanguageGeometry();

    label_3->setStyleSheet(QLatin1String(kPanelStyle));
    frame->setStyleSheet(QLatin1String(kPanelStyle));
    label_4->setStyleSheet(QLatin1String(kWhiteStyle));
    // The form's always-empty label lies over the question and, taking the
    // panel's background, would paint over most of its text.
    label->hide();
    applyTexts();

    applyImageStyle(OkBtn_2, QStringLiteral(
        "QPushButton{min-height: 20px;min-width: 20px; border-image: url(:/images/96-DPI/Yes.png)}"));
    applyImageStyle(OkBtn, QStringLiteral(
        "QPushButton{min-height: 20px;min-width: 20px; border-image: url(:/images/96-DPI/No-2.png)}"
        "QPushButton:pressed { border-image: url(:/images/96-DPI/No_select.png);}"));
    applyImageStyle(label_3, QLatin1String(kTitleIconStyle));
    applyImageStyle(label_5, QStringLiteral("border-image:url(:/images/96-DPI/Help.png);"));

    connect(OkBtn, SIGNAL(clicked()), this, SLOT(OnCancle()));
    setKeyboardAnswers(this, OkBtn_2, nullptr, {OkBtn_2, OkBtn});
}

StopDlg::~StopDlg() = default;

void StopDlg::applyTexts()
{
    label_6->setFont(bodyFont());
    label_6->setText(tr("You can't resume the process from this point. The photos repaired so far are kept."));
    applyHeaderLook(label_8, tr("Stop Repair"));
    label_2->setFont(bodyFont());
    label_2->setText(tr("Do you want to stop the current process?"));
    OkBtn_2->setFont(bodyFont());
    OkBtn_2->setText(tr("Yes"));
    OkBtn->setFont(bodyFont());
    OkBtn->setText(tr("No"));
}

void StopDlg::SetLanguageGeometry()
{
    m_geometry = stopLayout(layoutLanguage());
    applyDialogLayout(this, m_geometry);
}

void StopDlg::OnCancle()
{
    close();
}

void StopDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        applyTexts();
        SetLanguageGeometry();
    }
    QWidget::changeEvent(event);
}
