#include "repair_finish_dialog.h"

#include "keyboard_answers.h"
#include "dialog_layouts.h"
#include "global_state.h"
#include "window_frame.h"

#include <QPixmap>
#include <QRegion>

namespace {
const int kStripWidth = 498;

// The neutral picture of a message that tells neither of a success nor of a
// failure.
void showInformationPicture(QLabel* picture)
{
    picture->clear();
    const QString folder = imageSetFolder(g_state.uiScale);
    if (!folder.isEmpty())
        showPictureFitted(picture, QPixmap(folder + QLatin1String("info.png")));
}
} // namespace

repairFinishDialog::repairFinishDialog(QWidget* parent)
    : FramelessDialog(parent, kStripWidth)
{
    setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    m_geometry.size = QSize(498, 174);
    SetLanguageGeometry();

    label_3->setStyleSheet(QLatin1String(kPanelStyle));
    frame->setStyleSheet(QLatin1String(kPanelStyle));
    lower_barlabel->setStyleSheet(QLatin1String(kWhiteStyle));
    label_2->clear();

    const QString folder = imageSetFolder(g_state.uiScale);
    if (!folder.isEmpty()) {
        label_3->setStyleSheet(imageStyle(QLatin1String(kTitleIconStyle)));
        OkBtn->setStyleSheet(imageStyle(QStringLiteral(
            "QPushButton{min-height: 20px;min-width: 20px; border-image: url(:/images/96-DPI/OK- Normal.png)}")));
        showPictureFitted(label_2, QPixmap(folder + QLatin1String("Mark.png")));
    }
    applyTexts();
    connect(OkBtn, SIGNAL(clicked()), this, SLOT(OnOK()));
    setKeyboardAnswers(this, OkBtn, nullptr, {OkBtn});
}

repairFinishDialog::~repairFinishDialog() = default;

void repairFinishDialog::applyTexts()
{
    const QString title = m_outcome == Outcome::Stopped  ? tr("Repair Stopped")
                          : m_outcome == Outcome::Failed ? tr("Repair Failed")
                                                         : tr("Repair Complete");
    applyHeaderLook(label_8, title);
    OkBtn->setFont(headerFont());
    OkBtn->setText(tr("OK"));
}

void repairFinishDialog::SetLanguageGeometry()
{
    m_geometry = repairFinishLayout(layoutLanguage());
    applyDialogLayout(this, m_geometry);
}

void repairFinishDialog::ShowAsStopped()
{
    showOutcome(Outcome::Stopped);
}

void repairFinishDialog::ShowAsFailed()
{
    showOutcome(Outcome::Failed);
}

void repairFinishDialog::showOutcome(Outcome outcome)
{
    m_outcome = outcome;
    showInformationPicture(label_2);
    applyTexts();
}

void repairFinishDialog::OnOK()
{
    close();
}

void repairFinishDialog::resizeEvent(QResizeEvent*)
{
    setMask(QRegion(rect()));
}

void repairFinishDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        applyTexts();
        SetLanguageGeometry();
    }
    QWidget::changeEvent(event);
}

void ShowInformation(QWidget* parent, const QString& title, const QString& message)
{
    repairFinishDialog box(parent);
    box.repairedLabl->setText(message);
    box.label_8->setText(title);
    showInformationPicture(box.label_2);
    CenterWidgetOnRect(&box, parent->geometry());
    box.exec();
}
