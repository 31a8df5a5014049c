#include "catalogue/arrival_tracker.h"

#include <algorithm>

namespace quiverel {

void ArrivalTracker::reset(const QStringList& known) {
    known_ = QSet<QString>(known.cbegin(), known.cend());
    known_.remove(QString());
    offered_.clear();
    refused_.clear();
    pending_.clear();
    lastChange_ = QDateTime();
}

FolderChange ArrivalTracker::observe(const QStringList& names, const StampOf& stampOf,
                                     const QDateTime& now) {
    FolderChange change;
    const QSet<QString> present(names.cbegin(), names.cend());
    for (auto it = known_.begin(); it != known_.end();) {
        if (present.contains(*it)) {
            ++it;
            continue;
        }
        change.gone.append(*it);
        it = known_.erase(it);
    }
    offered_.intersect(present);
    for (auto it = refused_.begin(); it != refused_.end();)
        it = present.contains(it.key()) ? std::next(it) : refused_.erase(it);
    for (auto it = pending_.begin(); it != pending_.end();)
        it = present.contains(it.key()) ? std::next(it) : pending_.erase(it);

    for (const QString& name : names) {
        if (known_.contains(name) || offered_.contains(name)) continue;
        const FileStamp stamp = stampOf(name);
        if (!stamp.exists) continue;
        const auto left = refused_.constFind(name);
        if (left != refused_.cend()) {
            if (*left == stamp) continue;
            refused_.remove(name);
        }
        const auto seen = pending_.constFind(name);
        if (seen != pending_.cend() && seen->stamp == stamp) continue;
        pending_.insert(name, {stamp, now});
        lastChange_ = now;
    }

    // All quiet for a second: everything waiting is offered at once. A file
    // written to on and on holds back the rest no longer than a file counts
    // as arriving.
    const bool quiet = lastChange_.isValid() && lastChange_.msecsTo(now) >= kSettleMs;
    for (auto it = pending_.begin(); it != pending_.end();) {
        const qint64 still = it->since.msecsTo(now);
        if (still >= kSettleMs && (quiet || still >= kArrivalSeconds * 1000LL)) {
            change.arrived.append(it.key());
            offered_.insert(it.key());
            it = pending_.erase(it);
        } else {
            ++it;
        }
    }
    std::sort(change.arrived.begin(), change.arrived.end());
    std::sort(change.gone.begin(), change.gone.end());
    return change;
}

void ArrivalTracker::taken(const QString& offered, const QString& name) {
    offered_.remove(offered);
    refused_.remove(name);
    known_.insert(name);
}

void ArrivalTracker::refuse(const QString& name, const FileStamp& stamp) {
    offered_.remove(name);
    known_.remove(name);
    refused_.insert(name, stamp);
}

} // namespace quiverel
