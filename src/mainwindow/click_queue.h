#pragma once
// The click on a thumbnail: held a moment (a double click may follow), then
// run. A click that comes while another one's hand-off runs waits for it, so
// the selection, the current picture, TX and the clipboard always name the
// same picture; the latest such click is the one that runs.

#include <QObject>
#include <Qt>
#include <functional>
#include <optional>

class QTimer;

namespace quiverel {

struct ThumbnailClick {
    int cell = 0;
    Qt::MouseButton button = Qt::LeftButton;
    Qt::KeyboardModifiers modifiers;
};

class ClickQueue : public QObject {
    Q_OBJECT
public:
    using Runner = std::function<void(const ThumbnailClick&)>;
    ClickQueue(Runner run, int delayMs, QObject* parent = nullptr);

    // Records the click; it runs when the delay ends.
    void press(const ThumbnailClick& click);
    // Runs the recorded click now, or holds it while another one runs.
    void run();
    // Records `click` and runs it now.
    void runNow(const ThumbnailClick& click);
    // The recorded click will not run by itself (a double click came).
    void cancelDelay();
    bool isDelaying() const;
    bool isRunning() const { return running_; }
    // Nothing more runs (the window is closing).
    void close() { closed_ = true; }

Q_SIGNALS:
    // The delay ended: the recorded click on `cell` runs next.
    void delayEnded(int cell);
    // Every click ran.
    void idle();

private:
    Runner run_;
    QTimer* delay_;
    ThumbnailClick recorded_;
    std::optional<ThumbnailClick> pending_;
    bool running_ = false;
    bool closed_ = false;
};

} // namespace quiverel
