#pragma once
// Which files of the shown folder arrived and settled, and which went. An
// SSTV program writes a picture while it receives it: a new file is offered
// only once nothing new in the folder changed for a second, so that a burst of
// arrivals comes as one.

#include "catalogue/file_stamp.h"

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <functional>

namespace quiverel {

// How long an arrival must stay unchanged before it is offered.
inline constexpr int kSettleMs = 1000;

struct FolderChange {
    QStringList arrived; // settled new files, by name
    QStringList gone;    // catalogue files no longer there

    bool isEmpty() const { return arrived.isEmpty() && gone.isEmpty(); }
};

class ArrivalTracker {
public:
    using StampOf = std::function<FileStamp(const QString& name)>;

    // Starts over with the names the catalogue holds.
    void reset(const QStringList& known);

    // One look at the folder's current `names`; `stampOf` is asked only for
    // files not yet in the catalogue. Offered arrivals are neither offered
    // again nor reported gone until taken() or refuse() says what became of them.
    FolderChange observe(const QStringList& names, const StampOf& stampOf, const QDateTime& now);

    // An offered file is in the catalogue as `name` (its name may have been tidied).
    void taken(const QString& offered, const QString& name);
    // A file left out of the catalogue: offered again once it changes.
    void refuse(const QString& name, const FileStamp& stamp);

    int pendingCount() const { return int(pending_.size()); }
    // True while something needs looking at again without a folder event:
    // files still settling, or left out and perhaps still written to.
    bool waiting() const { return !pending_.isEmpty() || !refused_.isEmpty(); }
    QDateTime lastChange() const { return lastChange_; }

private:
    struct Pending {
        FileStamp stamp;
        QDateTime since; // when the stamp was last seen to change
    };
    QSet<QString> known_;
    QSet<QString> offered_;
    QHash<QString, FileStamp> refused_;
    QHash<QString, Pending> pending_;
    QDateTime lastChange_;
};

} // namespace quiverel
