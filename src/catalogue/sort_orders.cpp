#include "catalogue/sort_orders.h"

#include "catalogue/file_names.h"
#include "util/file_times.h"

#include <algorithm>

namespace quiverel {

void SortByDate(QList<CatalogueRow>& rows) {
    // The texts parse once; rows received in the same second keep their order.
    QList<std::pair<qint64, qsizetype>> keys;
    keys.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        qint64 seconds = rows[i].modified;
        if (seconds == 0) {
            const QDateTime t = parseDateTimeText(rows[i].dateTime);
            seconds = t.isValid() ? t.toSecsSinceEpoch() : 0;
        }
        keys.append({seconds, i});
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    QList<CatalogueRow> sorted;
    sorted.reserve(rows.size());
    for (const auto& k : keys)
        sorted.append(rows[k.second]);
    rows = std::move(sorted);
}

void SortByName(QList<CatalogueRow>& rows) {
    if (rows.isEmpty() || rows.first().fileName.isEmpty()) return;
    QList<std::pair<QString, qsizetype>> keys;
    keys.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        keys.append({baseNameOf(rows[i].fileName).toUpper(), i});
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<CatalogueRow> sorted;
    sorted.reserve(rows.size());
    for (const auto& k : keys)
        sorted.append(rows[k.second]);
    rows = std::move(sorted);
}

void sortCatalogue(QList<CatalogueRow>& rows, int sortOrder) {
    if (sortOrder == 2)
        SortByName(rows);
    else
        SortByDate(rows);
}

} // namespace quiverel
