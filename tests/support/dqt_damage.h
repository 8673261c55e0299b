#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Quantization tables of JPEG bytes, and the ways cards and transfers damage
// them.
namespace fixture {

// Offsets of the 64 values of every 8-bit table in the DQT segments, in
// file order.
QList<int> quantTableOffsets(const QByteArray& jpeg);

enum class DqtDamage {
    RandomRun, // a run of 6 to 20 values replaced by random bytes
    ZeroRun,   // a run of 4 to 24 values turned to zero
    Shifted,   // one value lost: the ones after it move up a place
    Truncated, // the table's tail lost: the bytes after it move into its place
};

QString nameOf(DqtDamage damage);

// The JPEG with table `table` (by file order) damaged that way; the
// random choices follow `seed`.
QByteArray withDqtDamage(QByteArray jpeg, int table, DqtDamage damage, quint32 seed);

} // namespace fixture
