#pragma once
// Time and chance, behind a seam so tests can fix them.

#include <QDateTime>
#include <QRandomGenerator>

namespace quiverel {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime localNow() const = 0;
    virtual QDateTime utcNow() const = 0;
    // A random integer in [low, high).
    virtual int random(int low, int high) = 0;
};

class SystemClock : public Clock {
public:
    QDateTime localNow() const override { return QDateTime::currentDateTime(); }
    QDateTime utcNow() const override { return QDateTime::currentDateTimeUtc(); }
    int random(int low, int high) override {
        return high > low ? QRandomGenerator::global()->bounded(low, high) : low;
    }
};

// A clock that shows the time it was set to; random numbers from a fixed seed.
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
