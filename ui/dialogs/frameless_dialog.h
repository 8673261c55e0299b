#pragma once

#include <QDialog>
#include <QPoint>

// A dialog without a system title bar that the user moves by its top strip
// (stripWidth x 30 at 96 DPI, scaled). Keys keep the standard dialog
// handling: Escape rejects, Enter presses the default button.
class FramelessDialog : public QDialog {
    Q_OBJECT
public:
    FramelessDialog(QWidget* parent, int stripWidth);

    bool IsInTitleBar(const QPoint& point) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

    QPoint m_dragOffset;

private:
    int m_stripWidth;
};
