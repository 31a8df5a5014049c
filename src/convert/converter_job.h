#pragma once
// The converter's picture work as plain functions: read the source, resample
// it when asked, write the target in the format its extension names. Safe to
// call from several threads at once; each call blocks until it is done.

#include <QSize>
#include <QString>
#include <optional>

namespace quiverel {

struct ConverterJob {
    QString source; // may hold "*" or "?" in its file name: the first match in name order
    QString target;
    std::optional<QSize> resample; // fit into (or, without keepAspect, stretch to) this size
    bool keepAspect = false;
    // The folder whose i_view32.ini gives the JPEG 2000 target size. Without
    // it, .jp2 targets get a fixed high quality.
    std::optional<QString> iniFolder;
};

// Runs the job. True when the target now holds the picture; otherwise false
// with one line of reason in `error`, and the target is as it was (a new
// target is never left half written).
bool runConverterJob(const ConverterJob& job, QString* error = nullptr);

// The file a source names: itself, or for a pattern the first matching file
// in name order (letter case ignored). Empty when nothing matches.
QString resolveConverterSource(const QString& source);

// The four picture operations of the converter, as the program calls them.
bool convertPicture(const QString& source, const QString& target, QString* error = nullptr);
bool thumbnailPicture(const QString& source, const QString& target, QString* error = nullptr);
bool resamplePicture(const QString& source, int width, int height, const QString& iniFolder,
                     const QString& target, QString* error = nullptr);
bool compressPicture(const QString& source, const QString& iniFolder, const QString& target,
                     QString* error = nullptr);

} // namespace quiverel
