#pragma once

#include <QPair>
#include <QString>
#include <QVector>

// Rows of a _data() table, one per interface language, with the columns
// "type" (LanguageType), "code" (folder code) and samples of what the
// language shows: "repair" (the main window's Repair button), "exitQuestion"
// (the exit confirmation) and "toolkitCancel" (the toolkit's own Cancel
// button, English where Debian has no toolkit catalogue). English, which
// has no catalogue, can be left out.
void addLanguageRows(bool withEnglish = true);

// Points the language folders at the catalogues that the build compiled.
void useBuiltCatalogues();

// Makes the row's language (a LanguageType) the interface language and
// installs its catalogues as the build compiled them.
void installLanguageOfRow(int type);

// Removes the catalogues of every language, so the next test starts in English.
void removeLanguageCatalogues();

// The English texts among `samples` (pairs of the text shown and its English
// source) that show empty or still in English, joined by " | ".
QString untranslatedSamples(const QVector<QPair<QString, QString>>& samples);
