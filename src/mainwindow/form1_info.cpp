// Form1: the pointer leaving the thumbnails, keys on the tabs, the timers and the clock.

#include "mainwindow/form1.h"

#include "catalogue/thumbnail_grid.h"
#include "mainwindow/hover_info.h"
#include "mainwindow/picture_info.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTabBar>
#include <QTimer>

namespace quiverel {

void Form1::createTimers() {
    auto* Timer1 = new QTimer(this); // the clock
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1->start(1000);
    clicks_ = new ClickQueue([this](const ThumbnailClick& click) { runClick(click); }, 750, this);
    // The clicked thumbnail counts as hovered, so a click pastes even
    // before the information window's timers saw the pointer.
    connect(clicks_, &ClickQueue::delayEnded, this, [this](int cell) { hover_->clicked(cell); });
    connect(clicks_, &ClickQueue::idle, this, [this] { unsetCursor(); });
    hover_ = new HoverInfo(ctx_, pic2, this, [this] { return cursor().shape() == Qt::WaitCursor; });
    connect(pic2, &ThumbnailGrid::cellHovered, hover_, &HoverInfo::pointerOnCell);
}

void Form1::watchControls() {
    for (QWidget* w : {static_cast<QWidget*>(lblInfo), static_cast<QWidget*>(lblPics),
                       static_cast<QWidget*>(lblSize), static_cast<QWidget*>(pic2),
                       static_cast<QWidget*>(Tabs), centralWidget()}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        hover_->pointerOff();
    } else if (watched == Tabs && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete || key->key() == Qt::Key_PageUp ||
            key->key() == Qt::Key_PageDown || (key->modifiers() & Qt::KeypadModifier)) {
            Form_KeyDown(key->key(), key->modifiers());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::viewerClosed() {
    setEnabled(true);
    hover_->viewerClosed();
    raise();
    activateWindow();
}

void Form1::Timer1_Timer() {
    setWindowTitle(state_.windowTitle + state_.settings.callSign);
    lblInfo->setText(clockLine(state_.text[7], ctx_.clock.localNow(), ctx_.clock.utcNow()));
}

} // namespace quiverel
