#include "button_columns.h"

#include <QFontMetrics>
#include <QPushButton>

namespace {

std::vector<int> columnWidths(const std::vector<std::vector<QPushButton*>>& rows, const ColumnSpacing& spacing)
{
    std::vector<int> widths;
    for (const auto& row : rows) {
        widths.resize(qMax(widths.size(), row.size()), spacing.minWidth);
        for (size_t column = 0; column < row.size(); ++column) {
            const QPushButton* button = row[column];
            const int need = QFontMetrics(button->font()).horizontalAdvance(button->text()) + spacing.padding;
            widths[column] = qMax(widths[column], need);
        }
    }
    return widths;
}

} // namespace

void placeButtonColumns(const std::vector<std::vector<QPushButton*>>& rows, const ColumnSpacing& spacing)
{
    const std::vector<int> widths = columnWidths(rows, spacing);
    const int columns = int(widths.size());
    int total = 0;
    for (const int width : widths)
        total += width;
    const int gap = columns < 2 ? 0
                                : qMax(spacing.minGap, (spacing.right - spacing.left - total) / (columns - 1));
    // From the last column leftwards, so the last one ends exactly at `right`.
    std::vector<int> lefts(widths.size());
    int end = spacing.right;
    for (int column = columns - 1; column >= 0; --column) {
        lefts[column] = end - widths[column];
        end = lefts[column] - gap;
    }
    for (const auto& row : rows) {
        for (size_t column = 0; column < row.size(); ++column) {
            QPushButton* button = row[column];
            button->setFixedWidth(widths[column]);
            button->move(lefts[column], button->y());
        }
    }
}
