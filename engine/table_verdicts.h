#pragma once

#include <QString>
#include <QVector>

#include <optional>

// The verdicts the mend of a rewritten image gave on its quantization
// tables, kept for the decode check that follows, which would otherwise
// decode the image's coefficients a second time to reach the same ones.
namespace table_verdicts {

void forgetAll();
// Table `id` (natural order) of the file at `path`, as it now is, is sound
// or not.
void remember(const QString& path, int id, const QVector<int>& table, bool sound);
// The verdict remembered for table `id` of the file at `path` when the
// file and the table are still as they were; it is forgotten.
std::optional<bool> recall(const QString& path, int id, const QVector<int>& table);

} // namespace table_verdicts
