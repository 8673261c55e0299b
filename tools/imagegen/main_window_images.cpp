// The main window's skin: tool-strip icons on the ribbon, title-strip
// buttons, the page buttons, the product-name picture and the big add-file
// button with its caption in each interface language.

#include "image_recipe.h"

#include <QFont>
#include <QByteArray>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace {

const QColor kRibbon(232, 240, 250);
const QColor kRibbonLine(190, 205, 225);
const QColor kBlue(0, 112, 214);
const QColor kLightBlue(45, 140, 235);
const QColor kHover(200, 222, 246);
const QColor kPressed(170, 200, 236);
const QColor kGrey(150, 150, 150);
const QColor kDarkGrey(90, 90, 90);

// The three sizes of an image drawn for a 96-DPI size.
std::array<QSize, 3> setSizes(QSize base)
{
    auto scaled = [base](float scale) {
        return QSize(int(float(base.width()) * scale), int(float(base.height()) * scale));
    };
    return {base, scaled(1.25f), scaled(1.5f)};
}

ImageRecipe recipe(const char* name, QSize base, Painter draw)
{
    const auto sizes = setSizes(base);
    return {name, {sizes[0], sizes[1], sizes[2]}, std::move(draw)};
}


// A tool-strip icon: the ribbon's colour behind it (the .bmp icons are
// opaque), a highlight square on hover and press, then the symbol.
enum class ToolState { Normal, Hover, Pressed, Disabled };

Painter toolIcon(ToolState state, std::function<void(QPainter&, const QRectF&, QColor)> symbol, bool opaque)
{
    return [state, symbol, opaque](QPainter& p, const QSizeF& s) {
        if (opaque)
            p.fillRect(QRectF(QPointF(0, 0), s), kRibbon);
        if (state == ToolState::Hover || state == ToolState::Pressed) {
            p.setPen(Qt::NoPen);
            p.setBrush(state == ToolState::Hover ? kHover : kPressed);
            p.drawRoundedRect(QRectF(QPointF(0, 0), s), s.width() / 6, s.width() / 6);
        }
        const QColor ink = state == ToolState::Disabled ? kGrey : kBlue;
        const qreal m = s.width() * 0.12;
        symbol(p, QRectF(m, m, s.width() - 2 * m, s.height() - 2 * m), ink);
    };
}

void discWithGlyph(QPainter& p, const QRectF& r, QColor ink, const QString& glyph)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(r);
    p.setPen(Qt::white);
    p.setFont(captionFont(r.height() * 0.72));
    p.drawText(r, Qt::AlignCenter, glyph);
}

void infoSymbol(QPainter& p, const QRectF& r, QColor ink) { discWithGlyph(p, r, ink, QStringLiteral("i")); }
void helpSymbol(QPainter& p, const QRectF& r, QColor ink) { discWithGlyph(p, r, ink, QStringLiteral("?")); }

// Two arrows chasing each other round a circle.
void updateSymbol(QPainter& p, const QRectF& r, QColor ink)
{
    const QColor colour = ink == kGrey ? kGrey : QColor(30, 150, 60);
    const qreal w = qMax<qreal>(1.5, r.width() / 7);
    p.setPen(QPen(colour, w, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF ring = r.adjusted(w, w, -w, -w);
    p.drawArc(ring, 30 * 16, 150 * 16);
    p.drawArc(ring, 210 * 16, 150 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const qreal a = w * 1.6;
    const QPointF left(ring.left(), ring.center().y());
    const QPointF right(ring.right(), ring.center().y());
    p.drawPolygon(QPolygonF({left + QPointF(-a, -a * 0.3), left + QPointF(a, -a * 0.3), left + QPointF(0, a)}));
    p.drawPolygon(QPolygonF({right + QPointF(-a, a * 0.3), right + QPointF(a, a * 0.3), right + QPointF(0, -a)}));
}

void backSymbol(QPainter& p, const QRectF& r, QColor ink)
{
    const qreal w = qMax<qreal>(1.8, r.width() / 6);
    p.setPen(QPen(ink, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal y = r.center().y();
    p.drawLine(QPointF(r.left() + w, y), QPointF(r.right() - w / 2, y));
    p.drawLine(QPointF(r.left() + w, y), QPointF(r.left() + r.width() * 0.45, r.top() + w));
    p.drawLine(QPointF(r.left() + w, y), QPointF(r.left() + r.width() * 0.45, r.bottom() - w));
}

// Three bars: the toggle of the tool strip.
void menuSymbol(QPainter& p, const QRectF& r, QColor ink)
{
    const qreal w = qMax<qreal>(1.5, r.height() / 7);
    p.setPen(QPen(ink, w, Qt::SolidLine, Qt::RoundCap));
    for (qreal share : {0.2, 0.5, 0.8}) {
        const qreal y = r.top() + r.height() * share;
        p.drawLine(QPointF(r.left() + w, y), QPointF(r.right() - w, y));
    }
}

// A globe: the Languages button.
void globeSymbol(QPainter& p, const QRectF& r, QColor ink)
{
    const qreal w = qMax<qreal>(1.0, r.width() / 14);
    p.setPen(QPen(ink, w));
    p.setBrush(ink == kGrey ? QColor(235, 235, 235) : QColor(220, 236, 252));
    const QRectF ball = r.adjusted(w, w, -w, -w);
    p.drawEllipse(ball);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ball.adjusted(ball.width() * 0.28, 0, -ball.width() * 0.28, 0));
    p.drawLine(QPointF(ball.left(), ball.center().y()), QPointF(ball.right(), ball.center().y()));
    p.drawLine(QPointF(ball.center().x(), ball.top()), QPointF(ball.center().x(), ball.bottom()));
}

// A grid of nine squares: More Tools.
void toolsSymbol(QPainter& p, const QRectF& r, QColor ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const qreal cell = r.width() / 3;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            p.drawRoundedRect(QRectF(r.left() + column * cell + cell * 0.15, r.top() + row * cell + cell * 0.15,
                                     cell * 0.7, cell * 0.7),
                              cell * 0.15, cell * 0.15);
}

// Title-strip buttons: a cross or a bar on white, red under the mouse for
// close, grey for minimise.
Painter titleButton(bool close, ToolState state)
{
    return [close, state](QPainter& p, const QSizeF& s) {
        QColor ink = kDarkGrey;
        if (state != ToolState::Normal) {
            QColor back = close ? QColor(220, 50, 50) : QColor(225, 225, 225);
            if (state == ToolState::Pressed)
                back = close ? QColor(170, 30, 30) : QColor(200, 200, 200);
            p.fillRect(QRectF(QPointF(0, 0), s), back);
            if (close)
                ink = Qt::white;
        }
        const qreal h = s.height() * 0.34;
        const QPointF c(s.width() / 2, s.height() / 2);
        p.setPen(QPen(ink, qMax<qreal>(1.2, s.height() / 18), Qt::SolidLine, Qt::RoundCap));
        if (close) {
            p.drawLine(c + QPointF(-h / 2, -h / 2), c + QPointF(h / 2, h / 2));
            p.drawLine(c + QPointF(-h / 2, h / 2), c + QPointF(h / 2, -h / 2));
        } else {
            p.drawLine(c + QPointF(-h / 2, h / 3), c + QPointF(h / 2, h / 3));
        }
    };
}

// A rounded button face; the button draws its own caption on top.
Painter face(QColor top, QColor bottom, QColor border)
{
    return [top, bottom, border](QPainter& p, const QSizeF& s) {
        const qreal pen = qMax<qreal>(1.0, s.height() / 25);
        QLinearGradient fill(0, 0, 0, s.height());
        fill.setColorAt(0, top);
        fill.setColorAt(1, bottom);
        p.setPen(QPen(border, pen));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(pen / 2, pen / 2, s.width() - pen, s.height() - pen), s.height() / 6,
                          s.height() / 6);
    };
}

Painter blueFace() { return face(kLightBlue, QColor(0, 96, 190), kBlue); }
Painter greyFace() { return face(QColor(175, 175, 175), QColor(140, 140, 140), QColor(120, 120, 120)); }
Painter whiteFace(QColor border) { return face(Qt::white, QColor(238, 238, 238), border); }
Painter redFace() { return face(QColor(235, 80, 70), QColor(195, 40, 35), QColor(170, 30, 30)); }

// The remove button has no text of its own: its face carries a minus sign
// and the caption.
Painter removeFace(QColor border, QColor top)
{
    return [border, top](QPainter& p, const QSizeF& s) {
        face(top, QColor(236, 236, 236), border)(p, s);
        const qreal d = s.height() * 0.52;
        const QRectF disc(s.height() * 0.3, (s.height() - d) / 2, d, d);
        discWithGlyph(p, disc, QColor(210, 50, 45), QStringLiteral("\u2212"));
        p.setPen(QColor(40, 40, 40));
        p.setFont(captionFont(s.height() * 0.42));
        p.drawText(QRectF(disc.right() + s.height() * 0.2, 0, s.width() - disc.right(), s.height()),
                   Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Remove"));
    };
}

void drawCheckIndicatorPartial(QPainter& p, const QSizeF& s)
{
    const qreal pen = qMax<qreal>(1.0, s.width() / 12);
    p.setPen(QPen(kBlue, pen));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(pen / 2, pen / 2, s.width() - pen, s.height() - pen));
    p.setPen(Qt::NoPen);
    p.setBrush(kLightBlue);
    const qreal m = s.width() * 0.28;
    p.drawRect(QRectF(m, m, s.width() - 2 * m, s.height() - 2 * m));
}

void drawSeparator(QPainter& p, const QSizeF& s)
{
    p.fillRect(QRectF(QPointF(0, 0), s), kRibbonLine);
}

void drawRibbon(QPainter& p, const QSizeF& s)
{
    p.fillRect(QRectF(QPointF(0, 0), s), kRibbon);
    const qreal line = qMax<qreal>(1.0, s.height() / 40);
    p.fillRect(QRectF(0, s.height() - line, s.width(), line), kRibbonLine);
}

void drawProductName(QPainter& p, const QSizeF& s)
{
    const qreal h = s.height();
    const QRectF tile(h * 0.08, h * 0.12, h * 0.76, h * 0.76);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(tile, tile.width() / 5, tile.width() / 5);
    drawPhoto(p, tile.adjusted(tile.width() * 0.2, tile.width() * 0.2, -tile.width() * 0.2, -tile.width() * 0.2),
              Qt::white);
    const qreal x = tile.right() + h * 0.18;
    p.setPen(kBlue);
    p.setFont(captionFont(h * 0.46));
    p.drawText(QRectF(x, h * 0.05, s.width() - x, h * 0.55), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("Pictavo"));
    p.setPen(kDarkGrey);
    p.setFont(captionFont(h * 0.2, false));
    p.drawText(QRectF(x, h * 0.62, s.width() - x, h * 0.3), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Photo Repair"));
}

// Menu icons of the other tools.
void drawDriveIcon(QPainter& p, const QSizeF& s, bool monitor)
{
    const QRectF body(s.width() * 0.06, s.height() * 0.3, s.width() * 0.88, s.height() * 0.44);
    p.setPen(QPen(kDarkGrey, qMax<qreal>(1.0, s.width() / 16)));
    p.setBrush(QColor(200, 205, 215));
    p.drawRoundedRect(body, s.width() / 10, s.width() / 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 180, 70));
    p.drawEllipse(QPointF(body.right() - body.height() * 0.4, body.center().y()), body.height() * 0.14,
                  body.height() * 0.14);
    if (monitor) {
        p.setPen(QPen(QColor(210, 50, 45), qMax<qreal>(1.0, s.width() / 14)));
        const qreal y = s.height() * 0.16;
        p.drawPolyline(QPolygonF({QPointF(s.width() * 0.05, y), QPointF(s.width() * 0.35, y),
                                  QPointF(s.width() * 0.45, 0.5), QPointF(s.width() * 0.55, s.height() * 0.26),
                                  QPointF(s.width() * 0.65, y), QPointF(s.width() * 0.95, y)}));
    } else {
        p.setPen(QPen(kBlue, qMax<qreal>(1.2, s.width() / 10), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s.width() * 0.5, s.height() * 0.78), QPointF(s.width() * 0.5, s.height() * 0.98));
    }
}

void drawFilmIcon(QPainter& p, const QSizeF& s)
{
    const QRectF film(s.width() * 0.1, s.height() * 0.15, s.width() * 0.8, s.height() * 0.7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 50, 60));
    p.drawRect(film);
    p.setBrush(Qt::white);
    const qreal hole = film.width() / 7;
    for (int i = 0; i < 3; ++i) {
        const qreal x = film.left() + hole * (1 + 2 * i);
        p.drawRect(QRectF(x, film.top() + hole * 0.4, hole, hole * 0.8));
        p.drawRect(QRectF(x, film.bottom() - hole * 1.2, hole, hole * 0.8));
    }
    p.setBrush(QColor(45, 140, 235));
    p.drawRect(film.adjusted(hole * 0.6, hole * 1.6, -hole * 0.6, -hole * 1.6));
}

void drawPhotoIcon(QPainter& p, const QSizeF& s)
{
    drawPhoto(p, QRectF(s.width() * 0.08, s.height() * 0.15, s.width() * 0.84, s.height() * 0.7), kBlue);
}

// The big add-file button of the empty list: a drop area with a plus sign
// and the caption in the interface language.
enum class AddFileState { Normal, Hot, Pressed };

Painter addFilePicture(const QString& caption, AddFileState state)
{
    return [caption, state](QPainter& p, const QSizeF& s) {
        const qreal w = s.width();
        QColor back(246, 249, 253), border(150, 175, 205);
        if (state == AddFileState::Hot)
            back = QColor(230, 241, 253), border = kBlue;
        if (state == AddFileState::Pressed)
            back = QColor(205, 224, 246), border = QColor(0, 80, 160);
        p.setPen(QPen(border, qMax<qreal>(1.0, w / 70), Qt::DashLine));
        p.setBrush(back);
        p.drawRoundedRect(QRectF(1, 1, w - 2, s.height() - 2), w / 12, w / 12);
        const qreal d = w * 0.42;
        const QRectF disc((w - d) / 2, s.height() * 0.12, d, d);
        QRadialGradient fill(disc.center() - QPointF(d / 6, d / 6), d * 0.7);
        fill.setColorAt(0, kLightBlue);
        fill.setColorAt(1, state == AddFileState::Pressed ? QColor(0, 70, 150) : QColor(0, 96, 190));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawEllipse(disc);
        p.setPen(QPen(Qt::white, d / 9, Qt::SolidLine, Qt::RoundCap));
        const QPointF c = disc.center();
        p.drawLine(c + QPointF(-d / 4, 0), c + QPointF(d / 4, 0));
        p.drawLine(c + QPointF(0, -d / 4), c + QPointF(0, d / 4));
        QFont font = captionFont(w * 0.1);
        // Latin, Hangul, Han and kana, Devanagari.
        font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("NanumGothic"),
                          QStringLiteral("Droid Sans Fallback"), QStringLiteral("Lohit Devanagari")});
        p.setFont(font);
        p.setPen(QColor(30, 60, 100));
        p.drawText(QRectF(w * 0.04, disc.bottom() + s.height() * 0.06, w * 0.92, s.height() * 0.34),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, caption);
    };
}

struct AddFileCaption {
    const char* code;
    const char* caption;
};

const AddFileCaption kAddFileCaptions[] = {
    {"EN", "Add File"},
    {"GR", "Datei hinzuf\u00fcgen"},
    {"FR", "Ajouter un fichier"},
    {"IT", "Aggiungi file"},
    {"ES", "A\u00f1adir archivo"},
    {"CN", "\u6dfb\u52a0\u6587\u4ef6"},
    {"JA", "\u30d5\u30a1\u30a4\u30eb\u3092\u8ffd\u52a0"},
    {"DU", "Bestand toevoegen"},
    {"BR", "Adicionar arquivo"},
    {"HI", "\u092b\u093c\u093e\u0907\u0932 \u091c\u094b\u0921\u093c\u0947\u0902"},
    {"KO", "\ud30c\uc77c \ucd94\uac00"},
};


void addFileRecipes(std::vector<ImageRecipe>& recipes, const AddFileCaption& language)
{
    const QSize size(141, 141);
    const QString code = QLatin1String(language.code);
    const QString caption = QString::fromUtf8(language.caption);
    recipes.push_back(recipe(keptName(QStringLiteral("Add file%1.png").arg(code)), size,
                             addFilePicture(caption, AddFileState::Normal)));
    recipes.push_back(recipe(keptName(QStringLiteral("Add file hot%1.png").arg(code)), size,
                             addFilePicture(caption, AddFileState::Hot)));
    recipes.push_back(recipe(keptName(QStringLiteral("Add filepress%1.png").arg(code)), size,
                             addFilePicture(caption, AddFileState::Pressed)));
}

void addToolIcons(std::vector<ImageRecipe>& recipes, std::vector<const char*> names,
                  std::function<void(QPainter&, const QRectF&, QColor)> symbol, std::vector<ToolState> states)
{
    for (size_t i = 0; i < names.size(); ++i) {
        const bool opaque = QByteArray(names[i]).toLower().endsWith(".bmp");
        recipes.push_back(recipe(names[i], QSize(20, 20), toolIcon(states[i], symbol, opaque)));
    }
}

// Trees: header sort arrows and the parts of the scroll bars.
Painter arrow(qreal angle, QColor ink)
{
    return [angle, ink](QPainter& p, const QSizeF& s) {
        p.translate(s.width() / 2, s.height() / 2);
        p.rotate(angle);
        const qreal a = qMin(s.width(), s.height()) * 0.28;
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPolygon(QPolygonF({QPointF(-a, -a / 2), QPointF(a, -a / 2), QPointF(0, a * 0.7)}));
    };
}

Painter scrollTrack(QColor fill)
{
    return [fill](QPainter& p, const QSizeF& s) { p.fillRect(QRectF(QPointF(0, 0), s), fill); };
}

Painter scrollHandle(QColor fill)
{
    return [fill](QPainter& p, const QSizeF& s) {
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        const qreal m = qMin(s.width(), s.height()) * 0.18;
        p.drawRoundedRect(QRectF(m, m, s.width() - 2 * m, s.height() - 2 * m), m * 2, m * 2);
    };
}

void addScrollBar(std::vector<ImageRecipe>& recipes, bool horizontal)
{
    const QString bar = horizontal ? QStringLiteral("ScrollBar/scrollbar_h_") : QStringLiteral("ScrollBar/scrollbar_");
    const QSize along = horizontal ? QSize(32, 16) : QSize(16, 32);
    const QColor states[3] = {QColor(190, 190, 190), QColor(150, 150, 150), QColor(120, 120, 120)};
    const char* suffixes[3] = {"", "_hover", "_pressed"};
    recipes.push_back(recipe(keptName(bar + QStringLiteral("bg.png")), along, scrollTrack(QColor(240, 240, 240))));
    const struct {
        const char* name;
        qreal angle;
    } arrows[2] = {{horizontal ? "leftArrow" : "upArrow", horizontal ? 90.0 : 180.0},
                   {horizontal ? "rightArrow" : "downArrow", horizontal ? -90.0 : 0.0}};
    for (int state = 0; state < 3; ++state) {
        recipes.push_back(recipe(keptName(bar + QStringLiteral("body%1.png").arg(QLatin1String(suffixes[state]))),
                                 along, scrollHandle(states[state])));
        for (const auto& end : arrows)
            recipes.push_back(recipe(keptName(bar + QLatin1String(end.name) + QLatin1String(suffixes[state])
                                              + QStringLiteral(".png")),
                                     QSize(16, 16), arrow(end.angle, states[state].darker(150))));
    }
}

} // namespace

const char* keptName(const QString& name)
{
    static std::vector<QByteArray> names;
    names.push_back(name.toUtf8());
    return names.back().constData();
}

QFont captionFont(qreal pixels, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(bold);
    font.setPixelSize(qMax(6, int(pixels)));
    return font;
}

std::vector<ImageRecipe> mainWindowRecipes()
{
    using S = ToolState;
    std::vector<ImageRecipe> recipes;
    addToolIcons(recipes, {"info 1.bmp", "info 2.bmp"}, infoSymbol, {S::Normal, S::Hover});
    addToolIcons(recipes, {"img_Help.bmp", "img_HelpHover.bmp"}, helpSymbol, {S::Normal, S::Hover});
    addToolIcons(recipes, {"update-1.BMP", "update-2.BMP", "update-3.BMP"}, updateSymbol,
                 {S::Normal, S::Hover, S::Disabled});
    addToolIcons(recipes, {"back_a.bmp", "back_b.bmp", "Back_Nor.bmp", "Back_H.bmp", "Back-Disable.bmp"},
                 backSymbol, {S::Normal, S::Disabled, S::Normal, S::Hover, S::Disabled});
    addToolIcons(recipes,
                 {"img_Menu.png", "img_MenuHover.png", "img_MenuPress.png", "img_Menu.bmp", "img_MenuHover.bmp"},
                 menuSymbol, {S::Normal, S::Hover, S::Pressed, S::Normal, S::Hover});
    addToolIcons(recipes,
                 {"Lang- Flag 1.bmp", "Lang- FlagHover.bmp", "Lang- Flag disable.bmp", "Lang- Flag 120 hot.bmp",
                  "Lang- Flag hover.bmp", "Lang- Flag disable hot.bmp", "Lang- Flag N.bmp",
                  "Lang- Flag 150 hot.bmp", "Lang- Flag disable 150 hot.bmp"},
                 globeSymbol,
                 {S::Normal, S::Hover, S::Disabled, S::Normal, S::Hover, S::Disabled, S::Normal, S::Hover,
                  S::Disabled});
    addToolIcons(recipes, {"img_MenuIcon.png", "img_MenuIconHover.png"}, toolsSymbol, {S::Normal, S::Hover});

    const QSize titleButtonSize(45, 29);
    recipes.push_back(recipe("close-1.png", titleButtonSize, titleButton(true, S::Normal)));
    recipes.push_back(recipe("close_2.png", titleButtonSize, titleButton(true, S::Normal)));
    recipes.push_back(recipe("close-2.png", titleButtonSize, titleButton(true, S::Hover)));
    recipes.push_back(recipe("close.png", titleButtonSize, titleButton(true, S::Hover)));
    recipes.push_back(recipe("close_1.png", titleButtonSize, titleButton(true, S::Pressed)));
    recipes.push_back(recipe("minimize-1.png", titleButtonSize, titleButton(false, S::Normal)));
    recipes.push_back(recipe("minimize-2.png", titleButtonSize, titleButton(false, S::Hover)));

    recipes.push_back(recipe("add 1.png", QSize(101, 32), whiteFace(kGrey)));
    recipes.push_back(recipe("add 2.png", QSize(101, 32), whiteFace(kBlue)));
    recipes.push_back(recipe("Remove File 1.png", QSize(105, 35), removeFace(kGrey, Qt::white)));
    recipes.push_back(recipe("Remove File 2.png", QSize(105, 35), removeFace(kBlue, Qt::white)));
    recipes.push_back(recipe("Remove File 3.png", QSize(105, 35), removeFace(kBlue, kHover)));
    recipes.push_back(recipe("save 1.png", QSize(152, 32), blueFace()));
    recipes.push_back(recipe("save 2.png", QSize(152, 32), greyFace()));
    recipes.push_back(recipe("save 3.png", QSize(152, 32), blueFace()));
    recipes.push_back(recipe("stop-1.png", QSize(117, 35), redFace()));

    recipes.push_back(recipe("img_PartiallyCheckBox.png", QSize(11, 11), drawCheckIndicatorPartial));
    recipes.push_back(recipe("img_MenuSeperator.png", QSize(1, 28), drawSeparator));
    recipes.push_back(recipe("top ribbon.png", QSize(848, 40), drawRibbon));
    recipes.push_back(recipe("Product Name.png", QSize(461, 103), drawProductName));

    const QSize menuIconSize(16, 16);
    recipes.push_back(recipe("Recover-Drive.png", menuIconSize,
                             [](QPainter& p, const QSizeF& s) { drawDriveIcon(p, s, false); }));
    recipes.push_back(recipe("moniter-drive.png", menuIconSize,
                             [](QPainter& p, const QSizeF& s) { drawDriveIcon(p, s, true); }));
    recipes.push_back(recipe("Video-Repair.png", menuIconSize, drawFilmIcon));
    recipes.push_back(recipe("Recover-Photo.png", menuIconSize, drawPhotoIcon));

    recipes.push_back(recipe("img_down_arrow.png", QSize(16, 16), arrow(0, kDarkGrey)));
    recipes.push_back(recipe("img_up_arrow.png", QSize(16, 16), arrow(180, kDarkGrey)));
    addScrollBar(recipes, false);
    addScrollBar(recipes, true);

    for (const AddFileCaption& language : kAddFileCaptions)
        if (qstrcmp(language.code, "KO") != 0)
            addFileRecipes(recipes, language);
    return recipes;
}

std::vector<ImageRecipe> koreanAddFileRecipes()
{
    std::vector<ImageRecipe> recipes;
    for (const AddFileCaption& language : kAddFileCaptions)
        if (qstrcmp(language.code, "KO") == 0)
            addFileRecipes(recipes, language);
    return recipes;
}
