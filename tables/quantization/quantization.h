#pragma once

#include <QtGlobal>

// Front of the quantization table library. Made on the caller's stack for
// one DQT segment: completes the signature rows the damaged file left empty,
// picks the table class by the DC value and searches it with a prefix that
// shrinks from 25 values to 1. The answer is left in the global repair state
// (dqtSearchPending and the replacement buffers); the returned pointer is
// informative only.
class Quantization {
public:
    Quantization();
    virtual ~Quantization();

    const quint8* MatchKnownTable();
};
