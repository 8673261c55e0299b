#pragma once

#include "global_state.h"

#include <QTranslator>

// One interface language: its LanguageType value, its flag in g_state, its
// folder code, its two translation files and their translators.
struct LanguageInfo {
    int type;
    qint32 GlobalState::*flag;
    const char* code;
    const char* toolkitFile;
    const char* applicationFile;
    QTranslator* toolkitTranslator;
    QTranslator* applicationTranslator;
};

extern QTranslator g_qtTranslatorEN, g_appTranslatorEN;
extern QTranslator g_qtTranslatorDE, g_appTranslatorDE;
extern QTranslator g_qtTranslatorFR, g_appTranslatorFR;
extern QTranslator g_qtTranslatorIT, g_appTranslatorIT;
extern QTranslator g_qtTranslatorES, g_appTranslatorES;
extern QTranslator g_qtTranslatorJA, g_appTranslatorJA;
extern QTranslator g_qtTranslatorCN, g_appTranslatorCN;
extern QTranslator g_qtTranslatorKO, g_appTranslatorKO;
extern QTranslator g_qtTranslatorDU, g_appTranslatorDU;
extern QTranslator g_qtTranslatorBR, g_appTranslatorBR;
extern QTranslator g_qtTranslatorHI, g_appTranslatorHI;

constexpr int kLanguageCount = 11;

// The language of a LanguageType value, or nullptr outside 0-10.
const LanguageInfo* FindLanguage(int type);

// Clears the eleven language flags and sets the one of the given type (none
// for a value outside 0-10).
void SetLanguageFlags(int type);

// Loads the language's two files from its folder and installs the toolkit's
// translator, then the application's. A missing file is not reported.
void InstallLanguage(const LanguageInfo& language);
