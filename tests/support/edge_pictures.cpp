#include "edge_pictures.h"

#include "photo_fixture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace fixture {

namespace {

constexpr int kBlock = 16;

void paintSky(QPainter& painter, int width, int height)
{
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(70, 120, 200));
    sky.setColorAt(1, QColor(190, 215, 240));
    painter.fillRect(0, 0, width, height, sky);
}

// Towers of block-aligned heights, each with a grid of lit windows; the
// right half of the skyline stands one block lower than the left.
void paintBuildings(QPainter& painter, int width, int height)
{
    paintSky(painter, width, height);
    const int towers = 7;
    for (int i = 0; i < towers; ++i) {
        const int left = i * width / towers;
        const int right = (i + 1) * width / towers;
        const int top = (height / 3 / kBlock + (i * 3) % 4 + (2 * i >= towers ? 1 : 0)) * kBlock;
        const QColor wall = QColor::fromHsv((i * 47) % 360, 40, 90 + 20 * (i % 3));
        painter.fillRect(left, top, right - left, height - top, wall);
        for (int y = top + 8; y + 10 < height; y += 24) {
            for (int x = left + 6; x + 10 < right; x += 18)
                painter.fillRect(x, y, 8, 12, QColor(250, 230, 140));
        }
    }
}

// Sky above the middle block border, dark sea below it.
void paintHorizon(QPainter& painter, int width, int height)
{
    const int horizon = height / 2 / kBlock * kBlock;
    paintSky(painter, width, horizon);
    painter.fillRect(0, horizon, width, height - horizon, QColor(20, 40, 70));
}

void paintText(QPainter& painter, int width, int height)
{
    painter.fillRect(0, 0, width, height, Qt::white);
    QFont font = painter.font();
    font.setPixelSize(kBlock);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int y = kBlock; y + kBlock <= height; y += 2 * kBlock) {
        painter.drawText(QRect(kBlock, y, width - 2 * kBlock, kBlock), Qt::AlignLeft | Qt::AlignVCenter,
                         "The quick brown fox jumps over the lazy dog 0123456789");
        painter.fillRect(kBlock, y + kBlock - 2, width / 2, 1, Qt::black);
    }
}

// A window: title bar across the top, a side panel, a list with a
// highlighted row, buttons and a status bar, all in flat colours.
void paintScreenshot(QPainter& painter, int width, int height)
{
    painter.fillRect(0, 0, width, height, QColor(240, 240, 240));
    painter.fillRect(0, 0, width, 2 * kBlock, QColor(45, 90, 160));
    painter.fillRect(0, 2 * kBlock, width / 4, height - 3 * kBlock, QColor(225, 228, 232));
    painter.fillRect(width / 4 + kBlock, 4 * kBlock, width / 2, 2 * kBlock, QColor(0, 120, 215));
    painter.fillRect(width - 6 * kBlock, height - 4 * kBlock, 4 * kBlock, 2 * kBlock, QColor(200, 200, 200));
    painter.fillRect(0, height - kBlock, width, kBlock, QColor(30, 30, 30));
    painter.setPen(Qt::black);
    for (int y = 7 * kBlock; y + kBlock < height - 5 * kBlock; y += kBlock)
        painter.drawText(width / 4 + kBlock, y + kBlock - 4, "Document name.jpg     2.4 MB");
}

// Two panels of one colour on white, the right one a block row shorter, so
// their lower edges form a step at the block border where they meet.
void paintPanels(QPainter& painter, int width, int height)
{
    painter.fillRect(0, 0, width, height, Qt::white);
    const int meet = width / 3 / kBlock * kBlock;
    const int bottom = height / 2 / kBlock * kBlock;
    const QColor panel(40, 60, 90);
    painter.fillRect(0, 2 * kBlock, meet, bottom - 2 * kBlock, panel);
    painter.fillRect(meet, 2 * kBlock, width - meet, bottom - 3 * kBlock, panel);
}

// Lines of words drawn from a fixed list by a fixed sequence, in a
// monospaced font, every 17 pixels from the top, a third of them indented.
void paintPage(QPainter& painter, int width, int height)
{
    static const char* const words[] = {"the",  "photo", "repair", "of",  "a",          "damaged",  "file",   "keeps", "its",
                                        "own",  "tables", "and",   "data", "src/main.c", "License:", "Files:", "*"};
    constexpr int kWords = int(sizeof(words) / sizeof(words[0]));
    constexpr int kLineHeight = 17;
    painter.fillRect(0, 0, width, height, Qt::white);
    QFont font("DejaVu Sans Mono");
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::black);
    quint32 state = 14;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return int(state >> 8);
    };
    for (int y = 4; y < height; y += kLineHeight) {
        QString line;
        for (int count = 1 + next() % 9; count > 0; --count)
            line += QString(words[next() % kWords]) + ' ';
        if (next() % 3 == 0)
            line.prepend("   ");
        painter.drawText(6, y + kLineHeight - 3, line);
    }
}

} // namespace

QImage edgePicture(EdgeScene scene, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    switch (scene) {
    case EdgeScene::Buildings:
        paintBuildings(painter, width, height);
        break;
    case EdgeScene::Horizon:
        paintHorizon(painter, width, height);
        break;
    case EdgeScene::Text:
        paintText(painter, width, height);
        break;
    case EdgeScene::Screenshot:
        paintScreenshot(painter, width, height);
        break;
    case EdgeScene::Panels:
        paintPanels(painter, width, height);
        break;
    case EdgeScene::GreyBand: {
        const int band = height * 3 / 4 / kBlock * kBlock;
        painter.drawImage(0, 0, photoPicture(width, band, 3));
        painter.fillRect(0, band, width, height - band, QColor(128, 128, 128));
        break;
    }
    case EdgeScene::Page:
        paintPage(painter, width, height);
        break;
    case EdgeScene::Pillarbox:
        painter.fillRect(0, 0, width, height, QColor(128, 128, 128));
        painter.drawImage(kBlock, 0, photoPicture(width - 2 * kBlock, height, 6));
        break;
    case EdgeScene::BlackBands: {
        const int band = height / 8 / kBlock * kBlock;
        painter.drawImage(0, band, photoPicture(width, height - 2 * band, 5));
        painter.fillRect(0, 0, width, band, Qt::black);
        painter.fillRect(0, height - band, width, band, Qt::black);
        break;
    }
    }
    return image;
}

} // namespace fixture
