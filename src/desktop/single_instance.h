#pragma once
// One running copy per application folder. A lock left by a copy that
// crashed is recognised as stale and taken over.

#include <QString>
#include <memory>

class QLockFile;

namespace quiverel {

class SingleInstance {
public:
    explicit SingleInstance(const QString& appFolder);
    ~SingleInstance();
    // True when this copy holds the lock (taking it on the first call).
    bool acquire();

private:
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
};

} // namespace quiverel
