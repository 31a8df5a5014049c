// Form1: the information window under a hovered thumbnail and the clock.

#include "mainwindow/form1.h"

#include "catalogue/file_names.h"
#include "catalogue/paging.h"
#include "catalogue/thumbnail_grid.h"
#include "imaging/picture_size.h"
#include "mainwindow/frm_tool_tip.h"
#include "mainwindow/picture_info.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTabBar>
#include <QTimer>

namespace quiverel {

void Form1::createTimers() {
    const auto make = [this](int ms, bool running, void (Form1::*slot)()) {
        auto* t = new QTimer(this);
        t->setInterval(ms);
        connect(t, &QTimer::timeout, this, slot);
        if (running) t->start();
        return t;
    };
    Timer1 = make(1000, true, &Form1::Timer1_Timer);
    Timer2 = new QTimer(this);
    Timer2->setInterval(750);
    Timer2->setSingleShot(true);
    connect(Timer2, &QTimer::timeout, this, [this] {
        // The clicked thumbnail counts as hovered, so a click pastes even
        // before the information window's timers saw the pointer.
        hoverIndex_ = clickedCell_;
        ClickThumbnail();
    });
    Timer3 = new QTimer(this);
    Timer3->setInterval(1000);
    Timer3->setSingleShot(true); // stops itself
    Timer4 = make(100, false, &Form1::Timer4_Timer);
    Timer5 = make(100, true, &Form1::Timer5_Timer);
    Timer6 = new QTimer(this);
    Timer6->setInterval(5000);
    connect(Timer6, &QTimer::timeout, this, [this] {
        if (toolTip_) toolTip_->hide();
        Timer6->stop();
    });
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
        hoverIndex_ = -1;
        lastHoverCell_ = -1;
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
    const Catalogue& cat = state_.catalogue;
    const int row = pageOffset(cat.currentPage, cat.thumbsPerPage) + k;
    if (k == lastHoverCell_ && cat.currentPage == lastHoverPage_) return;
    lastHoverCell_ = k;
    lastHoverPage_ = cat.currentPage;
    if (Timer3->isActive() || cursor().shape() == Qt::WaitCursor) return;
    if (!pic2->hasPicture(k) || row > cat.lastIndex()) {
        pic2->Image1[k]->setToolTip(QString());
        return;
    }
    const CatalogueRow& r = cat.rows[row];
    const QString path = state_.current.folder + r.fileName;
    const qint64 bytes = QFileInfo(path).size();
    if (isTextType(r.fileName)) {
        hoverText_ = textHoverText(r.fileName, r.dateTime, bytes);
    } else {
        // The header tells the size; the picture itself is not decoded.
        const QSize size = pictureSizeOfFile(path);
        state_.current.width = size.width();
        state_.current.height = size.height();
        hoverText_ = pictureHoverText(r.fileName, r.dateTime, size, bytes);
    }
    hoverIndex_ = k;
}

void Form1::Timer5_Timer() {
    if (hoverIndex_ >= 0 && hoverIndex_ != polledHover_) {
        if (toolTip_) toolTip_->hide();
        Timer4->start();
        Timer6->stop();
    }
    polledHover_ = hoverIndex_;
}

void Form1::Timer4_Timer() {
    if (hoverIndex_ > -1) {
        ShowToolTip(hoverText_);
        Timer4->stop();
        Timer6->start();
    } else {
        ShowToolTip(QString());
    }
}

void Form1::ShowToolTip(const QString& text) {
    if (text.isEmpty()) {
        if (toolTip_) toolTip_->hide();
        return;
    }
    if (!toolTip_) toolTip_ = new frmToolTip(this, state_.settings.guiScale);
    toolTip_->setText(text);
    const int k = std::clamp(hoverIndex_, 0, pic2->cellCount() - 1);
    const QFrame* frame = pic2->Shape1[k];
    const QPoint underFrame = frame->mapToGlobal(QPoint(frame->width() / 2, frame->height()));
    toolTip_->move(underFrame.x() - toolTip_->width() / 2, underFrame.y() + (40 - 8 * k) / 15);
    toolTip_->show();
}

void Form1::viewerClosed() {
    setEnabled(true);
    Timer3->start();
    raise();
    activateWindow();
    hoverIndex_ = lastHoverCell_;
}

void Form1::Timer1_Timer() {
    setWindowTitle(state_.windowTitle + state_.settings.callSign);
    lblInfo->setText(clockLine(state_.text[7], ctx_.clock.localNow(), ctx_.clock.utcNow()));
}

} // namespace quiverel
