#pragma once

#include <QDialog>
#include <QPoint>

class QLabel;

// The frame shared by the offer and download dialogs: a title bar without
// buttons, a drag by the top 30 pixels (scaled) of the client area, and no
// key that closes or triggers anything.
class UpdateDialog : public QDialog {
    Q_OBJECT
public:
    explicit UpdateDialog(QWidget* parent);

    bool IsInTitleBar(const QPoint& pos) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // The picture behind the whole dialog for the current interface scale.
    static void SetBackground(QLabel* label);

    QPoint m_dragOffset;
};

// Window flags of the update dialogs: a title bar without buttons.
constexpr Qt::WindowFlags kUpdateWindowFlags = Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint;
