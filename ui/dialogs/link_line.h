#pragma once

class QLabel;
class QPushButton;
class QWidget;

// Whether the sentence that a link starts is set one space after the link
// or goes straight on from it, as Japanese, Chinese and Korean texts do
// where the sentence continues the link's word.
enum class LinkJoin { Space, Direct };

// Places a link (a flat button) and the sentence it starts on one line just
// below `above`: the link keeps its left edge and height and becomes as wide
// as its text; the sentence follows it as `join` says, on the same baseline,
// and takes the room up to `rightEdge` and down to `bottom`.
void placeLinkLine(QPushButton* link, QLabel* sentence, const QWidget* above, int rightEdge, int bottom,
                   LinkJoin join);
