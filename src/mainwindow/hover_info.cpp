#include "mainwindow/hover_info.h"

#include "catalogue/file_names.h"
#include "catalogue/paging.h"
#include "catalogue/thumbnail_grid.h"
#include "imaging/picture_size.h"
#include "mainwindow/frm_tool_tip.h"
#include "mainwindow/picture_info.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <algorithm>

namespace quiverel {

HoverInfo::HoverInfo(Context& ctx, ThumbnailGrid* grid, QWidget* window, std::function<bool()> busy)
    : QObject(window), ctx_(ctx), grid_(grid), window_(window), busy_(std::move(busy)) {
    const auto make = [this](int ms, bool running, void (HoverInfo::*slot)()) {
        auto* t = new QTimer(this);
        t->setInterval(ms);
        connect(t, &QTimer::timeout, this, slot);
        if (running) t->start();
        return t;
    };
    Timer3 = new QTimer(this);
    Timer3->setInterval(1000);
    Timer3->setSingleShot(true); // stops itself
    Timer4 = make(100, false, &HoverInfo::Timer4_Timer);
    Timer5 = make(100, true, &HoverInfo::Timer5_Timer);
    Timer6 = new QTimer(this);
    Timer6->setInterval(5000);
    connect(Timer6, &QTimer::timeout, this, [this] {
        if (toolTip_) toolTip_->hide();
        Timer6->stop();
    });
}

HoverInfo::~HoverInfo() {
    delete toolTip_;
}

void HoverInfo::pointerOnCell(int k) {
    const AppState& state = ctx_.state;
    const Catalogue& cat = state.catalogue;
    const int row = pageOffset(cat.currentPage, cat.thumbsPerPage) + k;
    if (k == lastHoverCell_ && cat.currentPage == lastHoverPage_) return;
    lastHoverCell_ = k;
    lastHoverPage_ = cat.currentPage;
    if (Timer3->isActive() || busy_()) return;
    if (!grid_->hasPicture(k) || row > cat.lastIndex()) {
        grid_->Image1[k]->setToolTip(QString());
        return;
    }
    const CatalogueRow& r = cat.rows[row];
    const QString path = state.current.folder + r.fileName;
    const qint64 bytes = QFileInfo(path).size();
    if (isTextType(r.fileName)) {
        hoverText_ = textHoverText(r.fileName, r.dateTime, bytes);
    } else {
        // The header tells the size; the picture itself is not decoded.
        const QSize size = pictureSizeOfFile(path);
        ctx_.state.current.width = size.width();
        ctx_.state.current.height = size.height();
        hoverText_ = pictureHoverText(r.fileName, r.dateTime, size, bytes);
    }
    if (cat.searchResults) {
        const QString from = foundInFolder(cat.searchResultPaths, r.fileName);
        if (!from.isEmpty()) hoverText_ += foundInLine(from);
    }
    hoverIndex_ = k;
}

void HoverInfo::pointerOff() {
    hoverIndex_ = -1;
    lastHoverCell_ = -1;
}

void HoverInfo::viewerClosed() {
    Timer3->start();
    hoverIndex_ = lastHoverCell_;
}

void HoverInfo::Timer5_Timer() {
    if (hoverIndex_ >= 0 && hoverIndex_ != polledHover_) {
        if (toolTip_) toolTip_->hide();
        Timer4->start();
        Timer6->stop();
    }
    polledHover_ = hoverIndex_;
}

void HoverInfo::Timer4_Timer() {
    if (hoverIndex_ > -1) {
        ShowToolTip(hoverText_);
        Timer4->stop();
        Timer6->start();
    } else {
        ShowToolTip(QString());
    }
}

void HoverInfo::ShowToolTip(const QString& text) {
    if (text.isEmpty()) {
        if (toolTip_) toolTip_->hide();
        return;
    }
    if (!toolTip_) toolTip_ = new frmToolTip(window_, ctx_.state.settings.guiScale);
    toolTip_->setText(text);
    const int k = std::clamp(hoverIndex_, 0, grid_->cellCount() - 1);
    const QFrame* frame = grid_->Shape1[k];
    const QPoint underFrame = frame->mapToGlobal(QPoint(frame->width() / 2, frame->height()));
    toolTip_->move(underFrame.x() - toolTip_->width() / 2, underFrame.y() + (40 - 8 * k) / 15);
    toolTip_->show();
}

void HoverInfo::dropWindow() {
    delete toolTip_;
    toolTip_ = nullptr;
}

} // namespace quiverel
