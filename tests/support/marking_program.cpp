#include "marking_program.h"

#include <QFile>

QByteArray markingProgram(const QString& mark)
{
    const QByteArray target = "'" + QFile::encodeName(mark) + "'";
    const QByteArray part = "'" + QFile::encodeName(mark) + ".part'";
    return "#!/bin/sh\npwd > " + part + " && mv " + part + " " + target + "\n";
}
