#pragma once

#include <QStringList>

class QWidget;

// The texts of `root` and its children that do not fit their widget's
// rectangle with the widget's font: labels (word-wrapped ones by the height
// of their lines), push buttons, check boxes and radio buttons, and label
// texts that a later sibling paints its background over. Widgets that are
// explicitly hidden or show a picture are left out. Each entry names the
// widget, its text and the space it needs against the space it has, or the
// widget that covers it. A tree view whose columns do not fit its view
// (the last one is cut) is named with the width they need, a header text
// whose ink, centred in its section's label space in its section's font,
// leaves that space is named with where its ink lies, and so is a link
// (a flat underlined button) that overlaps the sentence it starts or sits
// off its baseline. A link in a tree's row is named when its text is wider
// than the space its style gives it or leaves the tree's view, when its
// underline is cut off, or when it is higher than its row.
QStringList TextsThatDoNotFit(QWidget* root);
