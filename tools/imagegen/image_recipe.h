#pragma once

#include <QFont>
#include <QPainter>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <functional>
#include <vector>

using Painter = std::function<void(QPainter&, const QSizeF&)>;

// One image of the three sets: its file name, its size in the 96-, 120- and
// 144-DPI sets and how it is drawn at a size. A ".bmp" image is opaque.
struct ImageRecipe {
    const char* name;
    QSize sizes[3];
    Painter draw;
};

// A small photo: sky, sun and hills inside a frame of the given colour.
void drawPhoto(QPainter& p, const QRectF& r, QColor frame);

// A name made at run time, kept as long as the program: the recipes keep
// pointers to their names.
const char* keptName(const QString& name);

// The font of drawn captions; scripts it lacks fall back to the installed
// fonts that have them.
QFont captionFont(qreal pixels, bool bold = true);

// The images of the main window's skin.
std::vector<ImageRecipe> mainWindowRecipes();

// The Korean pictures of the big add-file button, kept in a folder of their
// own beside the sets.
std::vector<ImageRecipe> koreanAddFileRecipes();

// The pictures of the results page's preview area for one image set (0, 1
// or 2): the placeholder, the picture after a run and the picture of a file
// that cannot be shown, each in every interface language. The Korean ones
// are drawn into the Korean folder tree.
std::vector<ImageRecipe> previewRecipes(int set, bool korean);
