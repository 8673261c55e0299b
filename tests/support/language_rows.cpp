#include "language_rows.h"

#include "language_table.h"
#include "translation_folder.h"

#include <QCoreApplication>
#include <QtTest>

#include <iterator>

void addLanguageRows(bool withEnglish)
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("repair");
    QTest::addColumn<QString>("exitQuestion");
    QTest::addColumn<QString>("toolkitCancel");
    const struct {
        const char* name;
        const char* code;
        const char* repair;
        const char* exitQuestion;
        const char* toolkitCancel;
    } rows[] = {
        {"English", "EN", "Repair", "Are you sure you want to exit?", "Cancel"},
        {"German", "DE", "Reparieren", "Möchten Sie das Programm wirklich beenden?", "Abbrechen"},
        {"French", "FR", "Réparer", "Voulez-vous vraiment quitter ?", "Annuler"},
        {"Italian", "IT", "Ripara", "Uscire dal programma?", "Annulla"},
        {"Spanish", "ES", "Reparar", "¿Seguro que desea salir?", "Cancelar"},
        {"Japanese", "JA", "修復", "終了してもよろしいですか？", "キャンセル"},
        {"Chinese", "CN", "修复", "确定要退出吗？", "取消"},
        {"Korean", "KO", "복구", "종료하시겠습니까?", "취소"},
        {"Dutch", "DU", "Repareren", "Weet u zeker dat u wilt afsluiten?", "Annuleren"},
        {"Brazilian Portuguese", "BR", "Reparar", "Tem certeza de que deseja sair?", "Cancelar"},
        {"Hindi", "HI", "सुधारें", "क्या आप वाकई बाहर निकलना चाहते हैं?", "Cancel"},
    };
    // Row N is LanguageType N.
    for (int type = withEnglish ? 0 : 1; type < int(std::size(rows)); ++type)
        QTest::newRow(rows[type].name) << type << QString::fromLatin1(rows[type].code)
                                       << QString::fromUtf8(rows[type].repair)
                                       << QString::fromUtf8(rows[type].exitQuestion)
                                       << QString::fromUtf8(rows[type].toolkitCancel);
}

void useBuiltCatalogues()
{
    qputenv(platform::kTranslationRootVariable, QByteArray(PICTAVO_BUILD_DIR "/PhotoTranslation"));
}

void installLanguageOfRow(int type)
{
    useBuiltCatalogues();
    SetLanguageFlags(type);
    InstallLanguage(*FindLanguage(type));
}

void removeLanguageCatalogues()
{
    for (int type = 0; type < kLanguageCount; ++type) {
        QCoreApplication::removeTranslator(FindLanguage(type)->toolkitTranslator);
        QCoreApplication::removeTranslator(FindLanguage(type)->applicationTranslator);
    }
}

QString untranslatedSamples(const QVector<QPair<QString, QString>>& samples)
{
    QStringList untranslated;
    for (const auto& sample : samples)
        if (sample.first.isEmpty() || sample.first == sample.second)
            untranslated << sample.second;
    return untranslated.join(QStringLiteral(" | "));
}
