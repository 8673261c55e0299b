#include "language_table.h"

#include "translation_folder.h"

#include <QCoreApplication>

QTranslator g_qtTranslatorEN, g_appTranslatorEN;
QTranslator g_qtTranslatorDE, g_appTranslatorDE;
QTranslator g_qtTranslatorFR, g_appTranslatorFR;
QTranslator g_qtTranslatorIT, g_appTranslatorIT;
QTranslator g_qtTranslatorES, g_appTranslatorES;
QTranslator g_qtTranslatorJA, g_appTranslatorJA;
QTranslator g_qtTranslatorCN, g_appTranslatorCN;
QTranslator g_qtTranslatorKO, g_appTranslatorKO;
QTranslator g_qtTranslatorDU, g_appTranslatorDU;
QTranslator g_qtTranslatorBR, g_appTranslatorBR;
QTranslator g_qtTranslatorHI, g_appTranslatorHI;

namespace {

const LanguageInfo kLanguages[kLanguageCount] = {
    {0, &GlobalState::langEnglish, "EN", "qt_en", "LANG_EN", &g_qtTranslatorEN, &g_appTranslatorEN},
    {1, &GlobalState::langGerman, "DE", "qt_de", "LANG_DE", &g_qtTranslatorDE, &g_appTranslatorDE},
    {2, &GlobalState::langFrench, "FR", "qt_fr", "LANG_FR", &g_qtTranslatorFR, &g_appTranslatorFR},
    {3, &GlobalState::langItalian, "IT", "qt_it", "LANG_IT", &g_qtTranslatorIT, &g_appTranslatorIT},
    {4, &GlobalState::langSpanish, "ES", "qt_es", "LANG_ES", &g_qtTranslatorES, &g_appTranslatorES},
    {5, &GlobalState::langJapanese, "JA", "qt_ja", "LANG_JA", &g_qtTranslatorJA, &g_appTranslatorJA},
    {6, &GlobalState::langChinese, "CN", "qt_zh_CN", "LANG_CN", &g_qtTranslatorCN, &g_appTranslatorCN},
    {7, &GlobalState::langKorean, "KO", "qt_ko", "LANG_KO", &g_qtTranslatorKO, &g_appTranslatorKO},
    {8, &GlobalState::langDutch, "DU", "qt_du", "LANG_DU", &g_qtTranslatorDU, &g_appTranslatorDU},
    {9, &GlobalState::langBrazil, "BR", "qt_br", "LANG_BR", &g_qtTranslatorBR, &g_appTranslatorBR},
    {10, &GlobalState::langHindi, "HI", "qt_hi", "LANG_HI", &g_qtTranslatorHI, &g_appTranslatorHI},
};

} // namespace

const LanguageInfo* FindLanguage(int type)
{
    if (type < 0 || type >= kLanguageCount)
        return nullptr;
    return &kLanguages[type];
}

void SetLanguageFlags(int type)
{
    for (const LanguageInfo& language : kLanguages)
        g_state.*language.flag = 0;
    if (const LanguageInfo* language = FindLanguage(type))
        g_state.*language->flag = 1;
}

void InstallLanguage(const LanguageInfo& language)
{
    const QString folder = platform::translationFolder(QString::fromLatin1(language.code));
    language.toolkitTranslator->load(QString::fromLatin1(language.toolkitFile), folder);
    QCoreApplication::installTranslator(language.toolkitTranslator);
    language.applicationTranslator->load(QString::fromLatin1(language.applicationFile), folder);
    QCoreApplication::installTranslator(language.applicationTranslator);
}
