#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to a file, creating its folder; returns false on failure.
bool writeFileBytes(const QString& path, const QByteArray& bytes);

// Reads a whole file; empty when it cannot be read.
QByteArray readFileBytes(const QString& path);
