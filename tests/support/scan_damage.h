#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace fixture {

enum class ScanDamage { BitFlip, ByteOverwrite };

// The JPEG with one byte of its first scan's data changed at a place the
// seed picks: one bit of it flipped, or the byte overwritten by another
// value. Bytes at an FF or right after one, and values that would make an
// FF, are not chosen: those make marker damage, not data damage.
QByteArray withScanDamage(const QByteArray& jpeg, ScanDamage damage, quint32 seed);

} // namespace fixture
