#include "fuzz_seed.h"

QByteArray fuzzSeed(quint8 mode, quint16 parameter, const QByteArray& body)
{
    QByteArray seed;
    seed.append(char(mode));
    seed.append(char(parameter >> 8));
    seed.append(char(parameter & 0xFF));
    return seed + body;
}
