#pragma once

#include <QString>

class QTreeView;

// The style sheet that both trees of the main window take at an interface
// scale; empty above 2.0 and below 2.5, where no sheet is used.
QString TreeStyleSheet(float scale);

// Gives `tree` its sheet and polishes its header and scroll bars anew, so
// that they draw from it: when the page around the tree had a sheet of its
// own before the tree was made, setting the tree's sheet alone leaves them
// in the look they first took from the page's sheet.
void ApplyTreeStyleSheet(QTreeView* tree, const QString& sheet);
