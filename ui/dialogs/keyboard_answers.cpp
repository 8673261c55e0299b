#include "keyboard_answers.h"

#include <QPushButton>
#include <QShortcut>

void setKeyboardAnswers(QWidget* dialog, QPushButton* defaultButton, QPushButton* cancelButton,
                        std::initializer_list<QWidget*> order)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            if (button->focusPolicy() == Qt::NoFocus)
                button->setFocusPolicy(Qt::StrongFocus);
            button->setAutoDefault(true);
        }
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    defaultButton->setDefault(true);
    defaultButton->setFocus();
    if (cancelButton) {
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), dialog);
        QObject::connect(escape, &QShortcut::activated, cancelButton, &QPushButton::click);
    }
}

void keepFocusOnClick(QPushButton* button)
{
    button->setFocusPolicy(Qt::TabFocus);
}
