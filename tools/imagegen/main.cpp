// Draws the images of the three image sets (96, 120 and 144 DPI).
// Button images are faces only: the buttons draw their own translated
// captions on top, so a face must leave room and contrast for the text.

#include "image_recipe.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <functional>
#include <vector>

// A small photo: sky, sun and hills inside a frame.
void drawPhoto(QPainter& p, const QRectF& r, QColor frame)
{
    p.setPen(QPen(frame, qMax<qreal>(1.0, r.width() / 16)));
    p.setBrush(QColor(225, 240, 255));
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 40));
    p.drawEllipse(QPointF(r.left() + r.width() * 0.7, r.top() + r.height() * 0.3), r.width() * 0.12,
                  r.width() * 0.12);
    QPainterPath hills;
    hills.moveTo(r.left(), r.bottom());
    hills.lineTo(r.left() + r.width() * 0.35, r.top() + r.height() * 0.45);
    hills.lineTo(r.left() + r.width() * 0.6, r.top() + r.height() * 0.75);
    hills.lineTo(r.left() + r.width() * 0.78, r.top() + r.height() * 0.58);
    hills.lineTo(r.right(), r.bottom());
    hills.closeSubpath();
    p.setBrush(QColor(60, 160, 80));
    p.drawPath(hills);
}

namespace {

const QColor kGreyBorder(150, 150, 150);
const QColor kBlueBorder(0, 112, 214);
const QColor kBlueTop(45, 140, 235);
const QColor kBlueBottom(0, 96, 190);

void drawFace(QPainter& p, const QSizeF& s, QColor top, QColor bottom, QColor border)
{
    const qreal pen = qMax<qreal>(1.0, s.height() / 25.0);
    const QRectF r(pen / 2, pen / 2, s.width() - pen, s.height() - pen);
    QLinearGradient fill(0, 0, 0, s.height());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(border, pen));
    p.setBrush(fill);
    const qreal radius = s.height() / 6.0;
    p.drawRoundedRect(r, radius, radius);
}

Painter whiteFace(QColor border)
{
    return [border](QPainter& p, const QSizeF& s) {
        drawFace(p, s, Qt::white, QColor(240, 240, 240), border);
    };
}

Painter blueFace()
{
    return [](QPainter& p, const QSizeF& s) { drawFace(p, s, kBlueTop, kBlueBottom, kBlueBorder); };
}

Painter greyFace()
{
    return [](QPainter& p, const QSizeF& s) {
        drawFace(p, s, QColor(160, 160, 160), QColor(135, 135, 135), QColor(120, 120, 120));
    };
}

void drawDisc(QPainter& p, const QSizeF& s, QColor light, QColor dark)
{
    const qreal d = qMin(s.width(), s.height()) * 0.94;
    const QRectF r((s.width() - d) / 2, (s.height() - d) / 2, d, d);
    QRadialGradient fill(r.center() - QPointF(d / 6, d / 6), d * 0.7);
    fill.setColorAt(0, light);
    fill.setColorAt(1, dark);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(r);
}

void drawGlyph(QPainter& p, const QSizeF& s, const QString& glyph, qreal share)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qMax(6, int(qMin(s.width(), s.height()) * share)));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(QPointF(0, 0), s), Qt::AlignCenter, glyph);
}

void drawTick(QPainter& p, const QRectF& box, QColor colour, qreal width)
{
    QPainterPath tick;
    tick.moveTo(box.left() + box.width() * 0.22, box.top() + box.height() * 0.52);
    tick.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.72);
    tick.lineTo(box.left() + box.width() * 0.78, box.top() + box.height() * 0.30);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

void drawMark(QPainter& p, const QSizeF& s)
{
    drawDisc(p, s, QColor(110, 200, 110), QColor(40, 150, 60));
    drawTick(p, QRectF(QPointF(0, 0), s), Qt::white, s.width() / 9.0);
}

void drawInfo(QPainter& p, const QSizeF& s)
{
    drawDisc(p, s, QColor(90, 170, 240), QColor(20, 100, 200));
    drawGlyph(p, s, QStringLiteral("i"), 0.62);
}

void drawHelp(QPainter& p, const QSizeF& s)
{
    drawDisc(p, s, QColor(200, 200, 200), QColor(120, 120, 120));
    drawGlyph(p, s, QStringLiteral("?"), 0.62);
}

// The product's icon: a small photo on a blue tile.
void drawProductIcon(QPainter& p, const QSizeF& s)
{
    const QRectF tile(0.5, 0.5, s.width() - 1, s.height() - 1);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlueBottom);
    p.drawRoundedRect(tile, s.width() / 5, s.width() / 5);
    const qreal m = s.width() * 0.2;
    drawPhoto(p, tile.adjusted(m, m, -m, -m), Qt::white);
}

// A damaged photo and a healthy sample photo joined by an arrow, with a
// wrench: the advanced repair from a sample file.
void drawAdvancedRepair(QPainter& p, const QSizeF& s)
{
    const qreal w = s.width(), h = s.height();
    const QRectF damaged(w * 0.05, h * 0.12, w * 0.42, h * 0.42);
    const QRectF sample(w * 0.53, h * 0.46, w * 0.42, h * 0.42);
    drawPhoto(p, sample, kBlueBottom);
    drawPhoto(p, damaged, QColor(110, 110, 110));
    p.setPen(QPen(QColor(200, 40, 40), qMax<qreal>(1.5, w / 40), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(damaged.topLeft() + QPointF(damaged.width() * 0.2, 0),
               damaged.center() + QPointF(0, damaged.height() * 0.1));
    p.drawLine(damaged.center() + QPointF(0, damaged.height() * 0.1),
               damaged.bottomLeft() + QPointF(damaged.width() * 0.55, 0));
    p.setPen(QPen(kBlueBorder, qMax<qreal>(2.0, w / 26), Qt::SolidLine, Qt::RoundCap));
    const QPointF from(w * 0.52, h * 0.30), to(w * 0.75, h * 0.40);
    p.drawLine(from, to);
    p.drawLine(to, to + QPointF(-w * 0.08, -h * 0.01));
    p.drawLine(to, to + QPointF(-w * 0.03, -h * 0.08));
    p.setPen(QPen(QColor(90, 90, 90), qMax<qreal>(2.0, w / 18), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w * 0.10, h * 0.92), QPointF(w * 0.36, h * 0.66));
    p.setBrush(QColor(90, 90, 90));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(w * 0.38, h * 0.64), w * 0.07, w * 0.07);
}

// A blue column with the product's photo tile in the middle: the picture
// beside the about box's panel and behind the update dialogs' left part.
void drawProductColumn(QPainter& p, const QRectF& column)
{
    QLinearGradient fill(column.topLeft(), column.bottomLeft());
    fill.setColorAt(0, kBlueTop);
    fill.setColorAt(1, kBlueBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRect(column);
    const qreal side = column.width() * 0.5;
    const QRectF tile(column.center().x() - side / 2, column.top() + column.height() * 0.3, side, side);
    drawPhoto(p, tile, Qt::white);
}

void drawAboutPicture(QPainter& p, const QSizeF& s)
{
    drawProductColumn(p, QRectF(QPointF(0, 0), s));
}

// White background with the product column on the left, under the text
// area that starts at a third of the width.
void drawUpdateBackground(QPainter& p, const QSizeF& s)
{
    p.fillRect(QRectF(QPointF(0, 0), s), QColor(254, 254, 254));
    drawProductColumn(p, QRectF(0, 0, s.width() * 0.28, s.height()));
}

Painter solid(QColor colour)
{
    return [colour](QPainter& p, const QSizeF& s) { p.fillRect(QRectF(QPointF(0, 0), s), colour); };
}

void drawCheckBox(QPainter& p, const QSizeF& s, bool ticked)
{
    const qreal pen = qMax<qreal>(1.0, s.width() / 12);
    const QRectF box(pen / 2, pen / 2, s.width() - pen, s.height() - pen);
    p.setPen(QPen(ticked ? kBlueBorder : QColor(120, 120, 120), pen));
    p.setBrush(ticked ? kBlueTop : QColor(Qt::white));
    p.drawRect(box);
    if (ticked)
        drawTick(p, box, Qt::white, qMax<qreal>(1.2, s.width() / 7));
}

std::vector<ImageRecipe> imageRecipes()
{
    const QSize yesNo[3] = {{88, 25}, {109, 31}, {132, 38}};
    const QSize browse[3] = {{101, 25}, {125, 31}, {151, 37}};
    const QSize tallFace[3] = {{96, 29}, {120, 36}, {144, 44}};
    return {
        {"16.png", {{24, 24}, {32, 32}, {36, 36}}, drawProductIcon},
        {"24.png", {{24, 24}, {30, 30}, {36, 36}}, drawProductIcon},
        {"OK- Normal.png", {{88, 25}, {112, 32}, {135, 39}}, whiteFace(kGreyBorder)},
        {"OK- Hot.png", {{88, 25}, {112, 32}, {135, 39}}, whiteFace(kBlueBorder)},
        {"logo_small.png", {{60, 60}, {72, 72}, {108, 108}}, drawProductIcon},
        {"Mark.png", {{66, 66}, {82, 82}, {99, 99}}, drawMark},
        {"info.png", {{67, 67}, {82, 82}, {100, 100}}, drawInfo},
        {"Help.png", {{66, 66}, {82, 82}, {99, 99}}, drawHelp},
        {"Yes.png", {yesNo[0], yesNo[1], yesNo[2]}, whiteFace(kGreyBorder)},
        {"No-2.png", {yesNo[0], yesNo[1], yesNo[2]}, whiteFace(kGreyBorder)},
        {"No_select.png", {yesNo[0], yesNo[1], yesNo[2]}, whiteFace(kBlueBorder)},
        {"Browser 1.png", {browse[0], browse[1], browse[2]}, whiteFace(kBlueBorder)},
        {"Browser 2.png", {browse[0], browse[1], browse[2]}, whiteFace(kGreyBorder)},
        {"Repair 1.png", {tallFace[0], tallFace[1], tallFace[2]}, blueFace()},
        {"Repair 2.png", {tallFace[0], tallFace[1], tallFace[2]}, greyFace()},
        {"next.png", {tallFace[0], tallFace[1], tallFace[2]}, blueFace()},
        {"Cancel- Normal.png", {{90, 26}, {112, 32}, {144, 44}}, whiteFace(kGreyBorder)},
        {"Cancel - Hot.png", {{90, 26}, {120, 36}, {144, 44}}, whiteFace(kGreyBorder)},
        {"img_SelectCheckBox.png", {{11, 11}, {16, 16}, {24, 24}},
         [](QPainter& p, const QSizeF& s) { drawCheckBox(p, s, true); }},
        {"img_UnSelectCheckBox.png", {{11, 11}, {16, 16}, {24, 24}},
         [](QPainter& p, const QSizeF& s) { drawCheckBox(p, s, false); }},
        {"Advance-repair-updated-icon.png", {{104, 99}, {130, 130}, {156, 156}}, drawAdvancedRepair},
        {"About small.png", {{215, 335}, {268, 418}, {322, 502}}, drawAboutPicture},
        {"img_Line.png", {{512, 1}, {640, 2}, {768, 2}}, solid(QColor(200, 200, 200))},
        {"img_Dot.png", {{1, 1}, {1, 1}, {1, 1}}, solid(QColor(160, 160, 160))},
        {"img_MediumButton.png", {{90, 26}, {112, 32}, {135, 39}}, whiteFace(kGreyBorder)},
        {"img_BigButtonActive.png", {{159, 29}, {198, 36}, {238, 43}}, whiteFace(kBlueBorder)},
        {"img_SoftwareUpdate.png", {{493, 368}, {616, 460}, {739, 552}}, drawUpdateBackground},
    };
}

// In the 144-DPI set the two Browse faces swap roles: "Browser 1.png" is the
// normal (grey-bordered) face there.
Painter painterFor(const ImageRecipe& recipe, int set)
{
    if (set == 2 && QByteArray(recipe.name) == "Browser 1.png")
        return whiteFace(kGreyBorder);
    if (set == 2 && QByteArray(recipe.name) == "Browser 2.png")
        return whiteFace(kBlueBorder);
    return recipe.draw;
}

bool writeImage(const QString& path, const QSize& size, const Painter& draw)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    const bool opaque = path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw(p, QSizeF(size));
    p.end();
    if (opaque)
        return image.convertToFormat(QImage::Format_RGB32).save(path, "BMP");
    return image.save(path, "PNG");
}

bool writeSet(const QString& folder, const std::vector<ImageRecipe>& recipes, int set)
{
    QDir dir(folder);
    dir.mkpath(QStringLiteral("."));
    for (const ImageRecipe& recipe : recipes) {
        const QString path = dir.filePath(QString::fromUtf8(recipe.name));
        dir.mkpath(QFileInfo(path).path());
        if (!writeImage(path, recipe.sizes[set], painterFor(recipe, set))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: imagegen <resources/images folder>\n");
        return 2;
    }
    const char* sets[3] = {"96-DPI", "120-DPI", "144-DPI"};
    auto recipes = imageRecipes();
    for (ImageRecipe& recipe : mainWindowRecipes())
        recipes.push_back(std::move(recipe));
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int set = 0; set < 3; ++set) {
        const QString folder = QLatin1String(sets[set]);
        auto setRecipes = recipes;
        for (ImageRecipe& recipe : previewRecipes(set, false))
            setRecipes.push_back(std::move(recipe));
        auto korean = koreanAddFileRecipes();
        for (ImageRecipe& recipe : previewRecipes(set, true))
            korean.push_back(std::move(recipe));
        if (!writeSet(root + QLatin1Char('/') + folder, setRecipes, set)
            || !writeSet(root + QStringLiteral("/Korean/") + folder, korean, set))
            return 1;
    }
    return 0;
}
