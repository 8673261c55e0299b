#pragma once

#include <vector>

class QPushButton;

// Where a set of button columns may stand and how roomy they are, in pixels.
struct ColumnSpacing {
    int left, right, minWidth, padding, minGap;
};

// Stands rows of buttons in columns, each row listing its buttons from left
// to right. Every column is as wide as the widest text among its buttons plus
// `padding`, and at least `minWidth`; the first column starts at `left`, the
// last ends at `right`, and the columns between share the room evenly, never
// closer than `minGap` (then the first column moves left). Each button keeps
// its row and height.
void placeButtonColumns(const std::vector<std::vector<QPushButton*>>& rows, const ColumnSpacing& spacing);
