#pragma once
// The picture operations of the image converter. After each call the target
// file exists and holds the picture, or it does not exist at all.

#include <QString>

namespace quiverel {

class Converter {
public:
    virtual ~Converter() = default;

    // Any picture to the format named by the target's extension.
    virtual bool convert(const QString& source, const QString& target) = 0;
    // Fitted into 112 x 84 keeping the aspect ratio, saved by the target's extension.
    virtual bool thumbnail(const QString& source, const QString& target) = 0;
    // Fitted into width x height keeping the aspect ratio; JPEG 2000 options
    // come from the i_view32.ini in `iniFolder`.
    virtual bool resample(const QString& source, int width, int height, const QString& iniFolder,
                          const QString& target) = 0;
    // To a JPEG 2000 file of the target size set in the i_view32.ini in `iniFolder`.
    virtual bool compress(const QString& source, const QString& iniFolder,
                          const QString& target) = 0;
    // Opens the picture in the converter's own editor window and waits until it closes.
    virtual bool edit(const QString& file) = 0;

    // Why the last failed picture operation failed, when the converter knows.
    virtual QString lastError() const { return {}; }
};

} // namespace quiverel
