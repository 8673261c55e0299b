#include "my_tree_widget.h"

#include <QKeyEvent>

void MyTreeWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space) {
        event->ignore();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void MyTreeWidget::contextMenuEvent(QContextMenuEvent* /*event*/)
{
}
