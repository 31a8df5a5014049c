#pragma once
// Which files of the shown folder arrived and settled, which changed after
// they were taken in, and which went. An SSTV program writes a picture while
// it receives it, and writes it again when it fills in missing parts: a file
// is offered only once nothing new in the folder changed for a second, so
// that a burst comes as one.

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
    QStringList changed; // catalogue files written again, settled
    QStringList gone;    // catalogue files no longer there

    bool isEmpty() const { return arrived.isEmpty() && changed.isEmpty() && gone.isEmpty(); }
};

class ArrivalTracker {
public:
    using StampOf = std::function<FileStamp(const QString& name)>;

    // Starts over with the names the catalogue holds; their stamps are not known yet.
    void reset(const QStringList& known);
    // The stamp a catalogue file's thumbnail was made from (none: the file as
    // it is at the next look). Marks the file touched.
    void madeFrom(const QString& name, const FileStamp& stamp);
    // Something happened to catalogue file `name`: the next look compares it
    // with its stamp. A change inside a file raises no folder event, so only
    // touched catalogue files are looked at.
    void touch(const QString& name);

    // One look at the folder's current `names`; `stampOf` is asked for files
    // not yet in the catalogue and for touched or changing catalogue files.
    // Offered files are neither offered again nor (arrivals) reported gone
    // until taken() or refuse() says what became of them.
    FolderChange observe(const QStringList& names, const StampOf& stampOf, const QDateTime& now);

    // An offered file is in the catalogue as `name` (its name may have been
    // tidied), its thumbnail made from `stamp` (none: not known).
    void taken(const QString& offered, const QString& name, const FileStamp& stamp = {});
    // A file left out of the catalogue: offered again once it changes.
    void refuse(const QString& name, const FileStamp& stamp);
    // Files that are not known are not offered until arrivals are let in:
    // what the scan left out (a broken picture it could not move, a file
    // still being written) waits for the folder to change.
    void holdArrivals() { arrivalsHeld_ = true; }
    void letInArrivals() { arrivalsHeld_ = false; }

    int pendingCount() const { return int(pending_.size()); }
    // True while something needs looking at again without a folder event:
    // files still settling, touched, or left out and perhaps still written to.
    bool waiting() const {
        return !pending_.isEmpty() || !refused_.isEmpty() || !touched_.isEmpty();
    }
    QDateTime lastChange() const { return lastChange_; }

private:
    struct Pending {
        FileStamp stamp;
        QDateTime since; // when the stamp was last seen to change
    };
    QHash<QString, FileStamp> known_; // a stamp that does not exist: not known yet
    QSet<QString> touched_;
    QSet<QString> offered_;
    QHash<QString, FileStamp> refused_;
    QHash<QString, Pending> pending_;
    QDateTime lastChange_;
    bool arrivalsHeld_ = false;
};

} // namespace quiverel
