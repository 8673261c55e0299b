#pragma once

#include <QRect>
#include <QSize>

#include <vector>

// One widget of the main window's layout: its object name and its 96-DPI
// rectangle inside its page frame.
struct MainWindowRect {
    const char* objectName;
    QRect rect;
};

// The main window's rectangles for one interface language, unscaled. The
// page-1 close button keeps its x and width as floats; its row holds y and
// height.
struct MainWindowGeometry {
    float closeBtnX = 804.0f;
    float closeBtnWidth = 45.0f;
    QSize window{850, 600};
    std::vector<MainWindowRect> widgets;
};

// The tables of the eleven languages, each the English table with that
// language's own rows.
MainWindowGeometry EnglishMainWindowGeometry();
MainWindowGeometry GermanMainWindowGeometry();
MainWindowGeometry FrenchMainWindowGeometry();
MainWindowGeometry ItalianMainWindowGeometry();
MainWindowGeometry SpanishMainWindowGeometry();
MainWindowGeometry ChineseMainWindowGeometry();
MainWindowGeometry JapaneseMainWindowGeometry();
MainWindowGeometry KoreanMainWindowGeometry();
MainWindowGeometry DutchMainWindowGeometry();
MainWindowGeometry BrazilMainWindowGeometry();
MainWindowGeometry HindiMainWindowGeometry();
