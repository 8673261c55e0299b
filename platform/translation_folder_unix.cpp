#include "translation_folder.h"

#include <QCoreApplication>

namespace platform {

QString translationFolder(const QString& code)
{
    QString root = qEnvironmentVariable(kTranslationRootVariable);
    if (root.isEmpty())
        root = QCoreApplication::applicationDirPath() + QStringLiteral("/PhotoTranslation");
    return root + QStringLiteral("/") + code;
}

} // namespace platform
