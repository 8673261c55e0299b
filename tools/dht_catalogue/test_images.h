#pragma once

#include <QImage>
#include <QString>

#include <map>
#include <random>
#include <set>
#include <vector>

struct NamedImage {
    QString name;
    QImage image;
};

// Drawn images of varied content and size: gradients, noise, text, shapes.
std::vector<NamedImage> drawnImages();

// A grayscale row of flat-ish 8x8 blocks whose DC differences, coded at
// quality 100, fall into the given categories: category c appears
// frequency[c] times (the first block's difference included).
QImage dcCategoryImage(const std::map<int, int>& frequency, std::mt19937& random);

// One AC symbol block design: its pixels and the AC symbols its coding emits
// at quality 100 (run << 4 | size, 0x00 end of block, 0xF0 sixteen zeros).
struct AcBlockDesign {
    std::vector<quint8> pixels;  // 64, row by row
    std::set<int> symbols;
};

// A design for every AC symbol that could be built.
std::vector<AcBlockDesign> acBlockDesigns(std::mt19937& random);

// A grayscale image made of the given designs, design i repeated weight[i]
// times, in shuffled order.
QImage acDesignImage(const std::vector<const AcBlockDesign*>& designs, const std::vector<int>& weights,
                     std::mt19937& random);
