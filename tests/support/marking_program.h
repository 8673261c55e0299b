#pragma once

#include <QByteArray>
#include <QString>

// A small real program (a shell script) that writes the folder it runs in
// into the file `mark`, whole or not at all, so a test can see that it ran
// and where.
QByteArray markingProgram(const QString& mark);
