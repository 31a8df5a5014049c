#pragma once
// The new files of a hand-off are made in a hidden folder inside TX under
// their final names and moved into TX only when all are complete; the files
// of the previous hand-off are removed only then. A failure or a kill on the
// way leaves TX as it was (the hidden folder is a temporary, removed at the
// next start).

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace quiverel {

// A step that failed: the file it was for and the system's reason.
struct FileFailure {
    QString path;
    QString reason;
};

// The reason in an error text of the form "cannot ... <path>: <reason>";
// the whole text when it names no reason after `path`.
QString reasonAfterPath(const QString& error, const QString& path);

class TxStaging {
public:
    // Creates the TX folder when missing and the staging folder inside it.
    explicit TxStaging(const QString& txFolder);
    // Removes the staging folder with whatever is still in it.
    ~TxStaging();
    TxStaging(const TxStaging&) = delete;
    TxStaging& operator=(const TxStaging&) = delete;

    // Why the staging folder could not be made; nothing when it was.
    const std::optional<FileFailure>& setUpFailure() const { return setUpFailure_; }

    // Where the file `name` is made, and where it goes in TX.
    QString staged(const QString& name) const { return folder_ + u'/' + name; }
    QString final(const QString& name) const { return tx_ + u'/' + name; }

    // Writes `bytes` as the staged file `name`, flushed to the disk.
    std::optional<FileFailure> write(const QString& name, const QByteArray& bytes);
    // Copies the regular file `source` in as `name`.
    std::optional<FileFailure> copyIn(const QString& source, const QString& name);

    // Moves the staged files into TX, then removes the other files of TX. On
    // failure the files moved so far are taken out again.
    std::optional<FileFailure> commit();

private:
    QString tx_;
    QString folder_;
    std::optional<FileFailure> setUpFailure_;
};

} // namespace quiverel
