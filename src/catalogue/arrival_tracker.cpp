#include "catalogue/arrival_tracker.h"

#include <algorithm>

namespace quiverel {

void ArrivalTracker::reset(const QStringList& known) {
    known_.clear();
    for (const QString& name : known)
        if (!name.isEmpty()) known_.insert(name, {});
    touched_.clear();
    offered_.clear();
    refused_.clear();
    pending_.clear();
    lastChange_ = QDateTime();
    arrivalsHeld_ = false;
}

void ArrivalTracker::madeFrom(const QString& name, const FileStamp& stamp) {
    const auto it = known_.find(name);
    if (it == known_.end()) return;
    *it = stamp;
    touched_.insert(name);
}

void ArrivalTracker::touch(const QString& name) {
    if (known_.contains(name)) touched_.insert(name);
}

FolderChange ArrivalTracker::observe(const QStringList& names, const StampOf& stampOf,
                                     const QDateTime& now) {
    FolderChange change;
    const QSet<QString> present(names.cbegin(), names.cend());
    for (auto it = known_.begin(); it != known_.end();) {
        if (present.contains(it.key())) {
            ++it;
            continue;
        }
        change.gone.append(it.key());
        touched_.remove(it.key());
        it = known_.erase(it);
    }
    offered_.intersect(present);
    touched_.intersect(present);
    for (auto it = refused_.begin(); it != refused_.end();)
        it = present.contains(it.key()) ? std::next(it) : refused_.erase(it);
    for (auto it = pending_.begin(); it != pending_.end();)
        it = present.contains(it.key()) ? std::next(it) : pending_.erase(it);

    for (const QString& name : names) {
        if (offered_.contains(name)) continue;
        FileStamp stamp;
        const auto known = known_.find(name);
        if (known != known_.end()) {
            if (!touched_.remove(name) && !pending_.contains(name)) continue;
            stamp = stampOf(name);
            if (!stamp.exists) continue;
            if (!known->exists) {
                *known = stamp; // the first look only learns how the file is
                continue;
            }
            if (*known == stamp) {
                pending_.remove(name); // back as its thumbnail shows it
                continue;
            }
        } else {
            if (arrivalsHeld_) continue;
            stamp = stampOf(name);
            if (!stamp.exists) continue;
            const auto left = refused_.constFind(name);
            if (left != refused_.cend()) {
                if (*left == stamp) continue;
                refused_.remove(name);
            }
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
            (known_.contains(it.key()) ? change.changed : change.arrived).append(it.key());
            offered_.insert(it.key());
            it = pending_.erase(it);
        } else {
            ++it;
        }
    }
    std::sort(change.arrived.begin(), change.arrived.end());
    std::sort(change.changed.begin(), change.changed.end());
    std::sort(change.gone.begin(), change.gone.end());
    return change;
}

void ArrivalTracker::taken(const QString& offered, const QString& name, const FileStamp& stamp) {
    offered_.remove(offered);
    offered_.remove(name);
    refused_.remove(name);
    known_.insert(name, stamp);
    // Written to again while its thumbnail was made: the next look says so.
    if (stamp.exists) touched_.insert(name);
}

void ArrivalTracker::refuse(const QString& name, const FileStamp& stamp) {
    offered_.remove(name);
    known_.remove(name);
    touched_.remove(name);
    refused_.insert(name, stamp);
}

} // namespace quiverel
