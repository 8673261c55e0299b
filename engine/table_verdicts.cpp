#include "table_verdicts.h"

#include <QFileInfo>

namespace table_verdicts {

namespace {

struct Verdict {
    QString path;
    qint64 size = 0;
    int id = 0;
    QVector<int> table;
    bool sound = false;
};

// Only the repair worker thread mends and checks images.
QVector<Verdict>& verdicts()
{
    static QVector<Verdict> kept;
    return kept;
}

} // namespace

void forgetAll()
{
    verdicts().clear();
}

void remember(const QString& path, int id, const QVector<int>& table, bool sound)
{
    verdicts().append({path, QFileInfo(path).size(), id, table, sound});
}

std::optional<bool> recall(const QString& path, int id, const QVector<int>& table)
{
    QVector<Verdict>& kept = verdicts();
    const qint64 size = QFileInfo(path).size();
    for (int i = kept.size() - 1; i >= 0; --i) {
        if (kept[i].path == path && kept[i].size == size && kept[i].id == id && kept[i].table == table) {
            const bool sound = kept[i].sound;
            kept.remove(i);
            return sound;
        }
    }
    return std::nullopt;
}

} // namespace table_verdicts
