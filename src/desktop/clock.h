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

} // namespace quiverel
