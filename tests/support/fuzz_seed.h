#pragma once

#include <QByteArray>
#include <QtGlobal>

// A seed for a fuzz target that takes a mode byte and a 16-bit parameter in
// front of its body (fuzz/fuzz_input.h).
QByteArray fuzzSeed(quint8 mode, quint16 parameter, const QByteArray& body);
