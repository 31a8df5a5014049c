#pragma once
// The converter operations done inside the program, each on a worker thread
// while the interface stays alive; Edit starts i__view32.exe with /one.

#include "convert/converter.h"

#include <QString>
#include <functional>

namespace quiverel {

class Prompts;

class InProcessConverter : public Converter {
public:
    // `appFolder` holds i__view32.exe; `prompts` tells the failures of Edit.
    InProcessConverter(const QString& appFolder, Prompts& prompts);

    bool convert(const QString& source, const QString& target) override;
    bool thumbnail(const QString& source, const QString& target) override;
    bool resample(const QString& source, int width, int height, const QString& iniFolder,
                  const QString& target) override;
    bool compress(const QString& source, const QString& iniFolder, const QString& target) override;
    bool edit(const QString& file) override;

    // The reason the last failed picture operation gave.
    QString lastError() const override { return lastError_; }

private:
    bool run(const std::function<bool(QString*)>& operation);

    QString appFolder_;
    Prompts& prompts_;
    QString lastError_;
};

} // namespace quiverel
