#pragma once
// A clock for tests: it shows the time it was set to, and its random numbers
// come from a fixed seed.

#include "desktop/clock.h"

namespace quiverel {

class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime local = QDateTime(QDate(2024, 5, 17), QTime(14, 30, 5)))
        : local_(std::move(local)), rng_(42) {}
    void set(QDateTime local) { local_ = std::move(local); }
    QDateTime localNow() const override { return local_; }
    QDateTime utcNow() const override { return local_.toUTC(); }
    int random(int low, int high) override { return high > low ? rng_.bounded(low, high) : low; }

private:
    QDateTime local_;
    QRandomGenerator rng_;
};

} // namespace quiverel
