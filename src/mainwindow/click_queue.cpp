#include "mainwindow/click_queue.h"

#include <QTimer>

namespace quiverel {

ClickQueue::ClickQueue(Runner run, int delayMs, QObject* parent)
    : QObject(parent), run_(std::move(run)), delay_(new QTimer(this)) {
    delay_->setInterval(delayMs);
    delay_->setSingleShot(true);
    connect(delay_, &QTimer::timeout, this, [this] {
        Q_EMIT delayEnded(recorded_.cell);
        this->run();
    });
}

void ClickQueue::press(const ThumbnailClick& click) {
    recorded_ = click;
    delay_->start();
}

bool ClickQueue::isDelaying() const {
    return delay_->isActive();
}

void ClickQueue::cancelDelay() {
    delay_->stop();
}

void ClickQueue::runNow(const ThumbnailClick& click) {
    recorded_ = click;
    run();
}

void ClickQueue::run() {
    delay_->stop();
    if (running_) {
        pending_ = recorded_;
        return;
    }
    running_ = true;
    std::optional<ThumbnailClick> next = recorded_;
    while (next && !closed_) {
        run_(*next);
        next = std::exchange(pending_, std::nullopt);
    }
    running_ = false;
    Q_EMIT idle();
}

} // namespace quiverel
