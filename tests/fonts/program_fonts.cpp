#include "font_substitutes.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace {

// Every test that shows widgets lays them out with the program's own font
// set-up, installed as soon as its application object exists, so no test
// can forget it. Tests without a window have no fonts to set up.
void installProgramFonts()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        platform::installFontSubstitutes();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProgramFonts)
