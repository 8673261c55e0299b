#pragma once

#include <QPushButton>

// The "Advance Repair" link of a results row. Any mouse button that presses
// it reports the row's button id.
class CustomButton : public QPushButton {
    Q_OBJECT
public:
    explicit CustomButton(QWidget* parent = nullptr);

    quint32 m_id = 0;

signals:
    void MousePressed(uint id);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
