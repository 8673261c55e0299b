#pragma once

#include <QMenu>

// The drop-down menu of a tool-strip button. It opens 12 pixels (scaled)
// below where its button puts it; right-aligned, it also ends 18 pixels
// (scaled) inside the main window's right edge.
class PopupMenu : public QMenu {
    Q_OBJECT
public:
    PopupMenu(QWidget* owner, bool alignRight, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* m_owner;
    bool m_alignRight;
};
