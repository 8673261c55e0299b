#pragma once

class QLabel;
class QPushButton;
class QWidget;

// Places a link (a flat button) and the sentence it starts on one line just
// below `above`: the link keeps its left edge and height and becomes as wide
// as its text; the sentence starts one space after it, on the same baseline,
// and takes the room up to `rightEdge` and down to `bottom`.
void placeLinkLine(QPushButton* link, QLabel* sentence, const QWidget* above, int rightEdge, int bottom);
