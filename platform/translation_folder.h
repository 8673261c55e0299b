#pragma once

#include <QString>

namespace platform {

// Environment override of the folder that holds the per-language folders.
constexpr const char* kTranslationRootVariable = "PICTAVO_TRANSLATION_DIR";

// The folder of one interface language, e.g. ".../PhotoTranslation/DE".
QString translationFolder(const QString& code);

} // namespace platform
