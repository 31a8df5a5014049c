// Form1: pointer events on the thumbnails, the timers and the clock.

#include "mainwindow/form1.h"

#include "catalogue/thumbnail_grid.h"
#include "mainwindow/hover_info.h"
#include "mainwindow/picture_info.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTabBar>
#include <QTimer>

namespace quiverel {

void Form1::createTimers() {
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1->start();
    Timer2 = new QTimer(this);
    Timer2->setInterval(750);
    Timer2->setSingleShot(true);
    connect(Timer2, &QTimer::timeout, this, [this] {
        // The clicked thumbnail counts as hovered, so a click pastes even
        // before the information window's timers saw the pointer.
        hover_->clicked(clickedCell_);
        ClickThumbnail();
    });
    hover_ = new HoverInfo(ctx_, pic2, this, [this] { return cursor().shape() == Qt::WaitCursor; });
}

void Form1::watchCells() {
    for (QLabel* image : std::as_const(pic2->Image1)) {
        image->setMouseTracking(true);
        image->removeEventFilter(this);
        image->installEventFilter(this);
    }
    for (QWidget* w : {static_cast<QWidget*>(lblInfo), static_cast<QWidget*>(lblPics),
                       static_cast<QWidget*>(lblSize), static_cast<QWidget*>(pic2),
                       static_cast<QWidget*>(Tabs), centralWidget()}) {
        w->setMouseTracking(true);
        w->removeEventFilter(this);
        w->installEventFilter(this);
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    const int cell = int(pic2->Image1.indexOf(qobject_cast<QLabel*>(watched)));
    if (cell >= 0) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            Image1_MouseDown(cell, mouse->button(), mouse->modifiers());
            return true;
        case QEvent::MouseButtonDblClick:
            Image1_DblClick(cell);
            return true;
        case QEvent::MouseMove:
            // Consumed here: passed on to pic2 it would read as leaving the thumbnail.
            Image1_MouseMove(cell);
            return true;
        default:
            break;
        }
    } else if (event->type() == QEvent::MouseMove) {
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

void Form1::Image1_MouseMove(int k) {
    hover_->pointerOnCell(k);
}

void Form1::ShowToolTip(const QString& text) {
    hover_->ShowToolTip(text);
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
