#pragma once

#include "dialog_look.h"
#include "frameless_dialog.h"
#include "global_state.h"

#include <QShowEvent>

// The shared shape of the yes/no questions of the main window: the answer
// is the object name of the button that was pressed ("YesBtn" or "NoBtn"),
// left in GlobalState::pressedButtonName for the caller.
template <class Form>
class ConfirmationDialog : public FramelessDialog, public Form {
public:
    void SetLanguageGeometry()
    {
        m_geometry = m_layout();
        applyDialogLayout(this, m_geometry);
    }

protected:
    ConfirmationDialog(QWidget* parent, DialogLayout (*layout)())
        : FramelessDialog(parent, 490), m_layout(layout)
    {
        this->setupUi(this);
        setWindowFlags(Qt::SplashScreen);
        m_geometry.size = QSize(494, 176);
        SetLanguageGeometry();
        this->frame->setStyleSheet(QLatin1String(kPanelStyle));
        this->label_3->setStyleSheet(QLatin1String(kPanelStyle));
        applyImages();
    }

    void applyTexts(const QString& title, const QString& question, const QString& yes,
                    const QString& no)
    {
        applyHeaderLook(this->label_8, title);
        this->YesBtn->setFont(headerFont());
        this->YesBtn->setText(yes);
        this->NoBtn->setFont(headerFont());
        this->NoBtn->setText(no);
        this->label_4->setStyleSheet(QLatin1String(kWhiteStyle));
        this->label_2->setFont(headerFont());
        this->label_2->setText(question);
    }

    void applyImages()
    {
        applyImageStyle(this->label_3, QLatin1String(kTitleIconStyle));
        applyImageStyle(this->YesBtn, QStringLiteral(
            "QPushButton{min-height: 20px;min-width: 20px; border-image: url(:/images/96-DPI/Yes.png)}"));
        applyImageStyle(this->NoBtn, QStringLiteral(
            "QPushButton{min-height: 20px;min-width: 20px; border-image: url(:/images/96-DPI/No-2.png)}"
            "QPushButton:pressed{min-height: 20px;min-width: 20px; border-image: "
            "url(:/images/96-DPI/No_select.png)}"));
        applyImageStyle(this->label_5, QStringLiteral("border-image:url(:/images/96-DPI/Help.png);"));
    }

    // A dialog closed without a button (Escape) must read as No, never as
    // the answer of an earlier showing.
    void showEvent(QShowEvent* event) override
    {
        g_state.pressedButtonName.clear();
        FramelessDialog::showEvent(event);
    }

    void recordAnswer(const QObject* button)
    {
        g_state.pressedButtonName = button ? button->objectName() : QString();
        close();
    }

private:
    DialogLayout (*m_layout)();
    DialogLayout m_geometry;
};
