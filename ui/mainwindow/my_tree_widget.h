#pragma once

#include <QTreeWidget>

// The window's trees: Space neither toggles a check box nor activates an
// item, and a right click shows no menu.
class MyTreeWidget : public QTreeWidget {
    Q_OBJECT
public:
    using QTreeWidget::QTreeWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};
