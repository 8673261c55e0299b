#include "about_dlg.h"

#include "keyboard_answers.h"
#include "about_dlg_layout.h"
#include "global_state.h"
#include "window_frame.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

bool g_aboutDragging = false;

namespace {

const int kStripWidth = 602;

const char* const kButtonImageStyle =
    "QPushButton{border-image: url(:/images/96-DPI/%1)}"
    "QPushButton:hover { border-image: url(:/images/96-DPI/%1)}"
    "QPushButton:pressed { border-image: url(:/images/96-DPI/%1);}";

QGridLayout* tightGrid()
{
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    return grid;
}

QPalette blackTextPalette(QPalette palette)
{
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    return palette;
}

QPixmap imageOfSet(const char* name)
{
    const QString folder = imageSetFolder(g_state.uiScale);
    return folder.isEmpty() ? QPixmap() : QPixmap(folder + QLatin1String(name));
}

} // namespace

AboutDlg::AboutDlg(QWidget* parent) : QDialog(parent), m_dragOffset(0, 0)
{
    setupUi(this);
    SupportBtn->show();
    SupportLinkBtn->hide();
    SetLanguageGeometry();
    BuildTitleBar();

    m_contentLayout = tightGrid();
    QGridLayout* pictureColumn = tightGrid();
    pictureColumn->addWidget(LabelPixmap, 0, 0);
    QGridLayout* panelColumn = tightGrid();
    panelColumn->addWidget(frame, 0, 0);
    m_contentLayout->addLayout(pictureColumn, 0, 0);
    m_contentLayout->addLayout(panelColumn, 0, 1);

    SetDpiImages();
    SetSupportLink();
    connect(LicenseButton, SIGNAL(clicked()), this, SLOT(OpenLicense()));
    connect(SupportLinkBtn, SIGNAL(clicked()), this, SLOT(OpenSupport()));
    setKeyboardAnswers(this, CloseButton, nullptr, {CloseButton, LicenseButton, SupportLinkBtn});
    keepFocusOnClick(LicenseButton);
    keepFocusOnClick(SupportLinkBtn);

    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(tr("Pictavo"));

    m_mainLayout = tightGrid();
    m_mainLayout->addLayout(m_titleLayout, 0, 0);
    m_mainLayout->addLayout(m_contentLayout, 1, 0);
    MainFrame->setLayout(m_mainLayout);
}

AboutDlg::~AboutDlg() = default;

void AboutDlg::BuildTitleBar()
{
    const float scale = g_state.uiScale;
    m_pPixmapLabel->setPixmap(imageOfSet("16.png"));

    // Equal cells left and right of the caption keep it centred.
    const int sideWidth = int(15 * scale + 16 * scale);
    auto* spacer = new QLabel(MainFrame);
    spacer->setFixedSize(sideWidth, scaledLength(30, scale));

    m_titleLabel = new QLabel(MainFrame);
    m_titleLabel->setObjectName(QStringLiteral("m_titleLabel"));
    m_titleLabel->setFixedHeight(scaledLength(30, scale));
    m_titleLabel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_titleLabel->setText(tr("About"));
    m_titleLabel->setFont(QFont(QStringLiteral("Segoe UI Semibold"), 10));
    m_titleLabel->setPalette(blackTextPalette(m_titleLabel->palette()));

    auto* rule = new QLabel(MainFrame);
    rule->setFixedHeight(1);
    rule->setScaledContents(true);
    rule->setPixmap(imageOfSet("img_Line.png"));

    QGridLayout* row = tightGrid();
    row->addWidget(spacer, 0, 0);
    row->addWidget(m_titleLabel, 0, 1);
    row->setColumnStretch(1, 1);
    row->setColumnMinimumWidth(2, sideWidth);
    row->setColumnStretch(2, 0);

    QGridLayout* ruleRow = tightGrid();
    ruleRow->addWidget(rule, 0, 0);
    m_titleLayout = tightGrid();
    m_titleLayout->addLayout(row, 0, 0);
    m_titleLayout->addLayout(ruleRow, 1, 0);
}

void AboutDlg::SetDpiImages()
{
    const QString folder = imageSetFolder(g_state.uiScale);
    if (folder.isEmpty()) {
        CloseButton->setStyleSheet(QString());
        LicenseButton->setStyleSheet(QString());
        return;
    }
    LabelPixmap->setPixmap(imageOfSet("About small.png"));
    line1->setPixmap(imageOfSet("img_Dot.png"));
    line2->setPixmap(imageOfSet("img_Dot.png"));
    const QString buttonStyle = QString::fromLatin1(kButtonImageStyle);
    CloseButton->setStyleSheet(imageStyle(buttonStyle.arg(QLatin1String("img_MediumButton.png"))));
    LicenseButton->setStyleSheet(imageStyle(buttonStyle.arg(QLatin1String("img_BigButtonActive.png"))));
}

void AboutDlg::SetLanguageGeometry()
{
    m_geometry = aboutLayout(layoutLanguage());
    applyDialogLayout(this, m_geometry);
    placeSectionRules({label_20, label_16}, {line1, line2}, g_state.uiScale);
    for (QLabel* text : {label_18, label_20, label_7, label_21, label_6, label_17, label_19, UserLabel, label_16,
                         label_22, OSLabel, label_15, VersionLabel, label_12})
        text->setPalette(blackTextPalette(text->palette()));
    ShowSystemInfo();
}

bool AboutDlg::IsInTitleBar(const QPoint& pos) const
{
    return isInTitleStrip(pos, kStripWidth);
}

void AboutDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        g_aboutDragging = false;
        if (IsInTitleBar(event->pos())) {
            g_aboutDragging = true;
            m_dragOffset = event->globalPos() - frameGeometry().topLeft();
        }
    }
    QWidget::mousePressEvent(event);
}

void AboutDlg::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    if (g_aboutDragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPos() - m_dragOffset);
        event->accept();
    }
}

void AboutDlg::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    g_aboutDragging = false;
}

void AboutDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        m_titleLabel->setText(tr("About"));
        UserLabel->setText(m_computerName);
        SetLanguageGeometry();
    }
    QWidget::changeEvent(event);
}
