#pragma once

#include <vector>

// One style of a skinned widget in one image set: a style-sheet shape and
// the image names it fills in, in the order of the shape's rules. A shape
// with an object-name selector takes the name as %1 and the folder as %2;
// one without takes the folder as %1. The images follow.
struct SkinStyle {
    const char* shape;
    std::vector<const char*> images;
};

// Widgets that share one style in the 96-, 120- and 144-DPI sets.
struct SkinRow {
    std::vector<const char*> widgets;
    SkinStyle sets[3];
};

extern const char* const kProgressBarStyle;

// The style sheets of the main window's buttons and check boxes.
const std::vector<SkinRow>& mainWindowSkinRows();

// One picture shown by labels, with the same file name in every set.
struct SkinPicture {
    std::vector<const char*> labels;
    const char* image;
};

const std::vector<SkinPicture>& mainWindowSkinPictures();
