#pragma once

#include <QByteArray>
#include <QVector>

// Whether a slice that codes a whole picture lists the entry points its
// parameter sets demand: one per row of coding tree blocks after the first
// with wavefront parallel processing, one per tile after the first with
// tiles. A slice coded for another picture size lists another number, which
// the decoder itself does not always notice. True also when the parameter
// sets use neither, or when the slice is no IDR I slice starting its
// picture, or uses parameter set extensions that this reading leaves out;
// false when the slice's header or its parameter sets cannot be read.
bool sliceEntryPointsFit(const QVector<QByteArray>& parameterSets, const QByteArray& slice);
