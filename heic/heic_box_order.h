#pragma once

#include "heic_state.h"

#include <cstdio>
#include <optional>

// Recognises the box order of an open HEIC file by its box tags and sizes
// alone. For a meta-first file the start of its meta box and the distance from
// there to the iinf tag are written to metaOffset and iinfDistance as soon as
// they are known, also when the check fails afterwards.
std::optional<HeicBoxLayout> checkHeicBoxOrder(FILE* file, char bigEndian, int* metaOffset,
                                               int* iinfDistance);
