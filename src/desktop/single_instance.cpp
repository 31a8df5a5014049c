#include "desktop/single_instance.h"

#include <QLockFile>

namespace quiverel {

SingleInstance::SingleInstance(const QString& appFolder)
    : lock_(std::make_unique<QLockFile>(appFolder + QStringLiteral("/quiverel.lock"))) {
    // A lock whose owner process is gone is stale whatever its age.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire() {
    if (!held_) held_ = lock_->tryLock(0);
    return held_;
}

} // namespace quiverel
