#pragma once

#include <QPainter>
#include <QSize>
#include <QSizeF>

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

// The images of the main window's skin.
std::vector<ImageRecipe> mainWindowRecipes();

// The Korean pictures of the big add-file button, kept in a folder of their
// own beside the sets.
std::vector<ImageRecipe> koreanAddFileRecipes();
