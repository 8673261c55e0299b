#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

class QDialog;
class QLabel;
class QPixmap;
class QWidget;

// Resource folder of the image set for an interface scale: 96 DPI at
// exactly 1.0, 120 DPI at exactly 1.25, 144 DPI from 1.5 up. Any other
// scale has no set: the result is empty and no image is applied.
QString imageSetFolder(float scale);

// A style sheet written for the 96-DPI set, moved to the set of the current
// interface scale; empty when that scale has no set.
QString imageStyle(const QString& sheetFor96Dpi);

// Applies a style sheet from imageStyle() unless it is empty.
void applyImageStyle(QWidget* widget, const QString& sheetFor96Dpi);

// A 96-DPI length multiplied by the scale in single precision and
// truncated toward zero.
int scaledLength(int length, float scale);
QRect scaledRect(const QRect& rect, float scale);

// The languages whose rectangles a dialog's layout may tell apart.
enum class LayoutLanguage {
    English, German, French, Italian, Spanish, Chinese, Japanese, Korean, Dutch, Brazil, Hindi
};

// The first language whose flag is set, tested German, French, Italian,
// Spanish, Chinese, Japanese, Korean, Dutch, Brazilian Portuguese, Hindi;
// English when none is.
LayoutLanguage layoutLanguage();

// One laid-out widget: its object name and its 96-DPI rectangle relative
// to its parent.
struct WidgetRect {
    const char* objectName;
    QRect rect;
};

// A dialog's geometry table for one language.
struct DialogLayout {
    QSize size;
    std::vector<WidgetRect> widgets;
};

// Fixes the dialog's size and places each widget of the table, in order,
// all multiplied by the interface scale.
void applyDialogLayout(QDialog* dialog, const DialogLayout& layout);

// Fonts of the dialogs; point sizes are not scaled (start-up sets the
// font resolution instead).
QFont headerFont();
QFont bodyFont();

// Shows `picture` in `label`, scaled down to the label (keeping its
// proportions) when it is larger, so no part of it is cut.
void showPictureFitted(QLabel* label, const QPixmap& picture);

// The white, bold, centred header strip with its title.
void applyHeaderLook(QLabel* header, const QString& title);

extern const char* const kPanelStyle;
extern const char* const kWhiteStyle;
// The small product icon of every header, written for the 96-DPI set.
extern const char* const kTitleIconStyle;
