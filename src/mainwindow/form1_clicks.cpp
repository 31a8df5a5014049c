// Form1: clicks on thumbnails, the hand-off, keys and deletion.

#include "mainwindow/form1.h"

#include "catalogue/file_names.h"
#include "catalogue/paging.h"
#include "catalogue/thumbnail_grid.h"
#include "convert/gif_info.h"
#include "imaging/picture_file.h"
#include "mainwindow/click_decision.h"
#include "mainwindow/hover_info.h"
#include "mainwindow/transmit.h"
#include "process/background_work.h"
#include "util/text_file.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFutureWatcher>
#include <QKeyEvent>
#include <QLabel>
#include <QTabBar>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

namespace quiverel {

void Form1::pause(int ms) {
    if (ms <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Form1::Image1_MouseDown(int cell, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    // Only the left and right buttons act.
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    setCursor(Qt::WaitCursor);
    clickedCell_ = cell;
    clickedButton_ = button;
    clickedModifiers_ = modifiers;
    Timer2->start();
}

void Form1::ClickThumbnail() {
    const PendingClick click{clickedCell_, clickedButton_, clickedModifiers_};
    // A click during a hand-off waits for it, so the selection, the current
    // picture, TX and the clipboard always name the same picture. The latest
    // such click is the one that runs.
    if (clickRunning_) {
        pendingClick_ = click;
        return;
    }
    clickRunning_ = true;
    std::optional<PendingClick> next = click;
    while (next && !unloaded_) {
        runClick(*next);
        next = std::exchange(pendingClick_, std::nullopt);
    }
    clickRunning_ = false;
    unsetCursor();
}

void Form1::runClick(const PendingClick& click) {
    Catalogue& cat = state_.catalogue;
    CurrentPicture& cur = state_.current;
    const int k = click.cell;
    const int row = pageOffset(cat.currentPage, cat.thumbsPerPage) + k;
    ClickInput input{click.button, click.modifiers, pic2->hasPicture(k),
                     cat.rows.value(row).fileName};
    if (extensionOf(input.fileName) == u".GIF")
        input.animatedGif = readGifInfo(cur.folder + input.fileName).imageCount > 1;
    const ClickDecision d = decideClick(input);
    leftClick_ = true;
    switch (d.branch) {
    case ClickBranch::Ignore:
        return;
    case ClickBranch::Mark:
        pic2->setCellMarked(k, true);
        cat.selectedIndex = k;
        return;
    default:
        break;
    }
    pic2->resetFrames();
    cat.selectedIndex = k;
    cur.fileName = d.fileName;
    if (d.select) pic2->setCellSelected(k, true);
    if (d.branch == ClickBranch::EmptyCell || d.branch == ClickBranch::NothingToSend) return;

    state_.transmit.namePrefix = txNamePrefix(state_.settings, d.fileName);
    cur.baseName = d.baseName;
    cur.extension = d.extension;
    const QString folder = cur.folder;
    const QString path = folder + d.fileName;
    if (d.branch == ClickBranch::SendText) {
        const auto text = readTextFile(path);
        SendTextToTransmit(ctx_, text.value_or(QString()), [this](int ms) { pause(ms); });
        return;
    }
    if (d.branch == ClickBranch::TextOptions) {
        ctx_.windows.showOptionsPanel({.picture = currentPictureRef(state_, row)});
        return;
    }

    const QImage picture = loadPictureInBackground(path);
    if (unloaded_) return;
    cur.picture = picture;
    cur.width = picture.width();
    cur.height = picture.height();
    cur.aspectRatio = cur.width > 0 ? double(cur.height) / cur.width : 0.0;
    if (d.openComposer) ctx_.windows.showComposer({.picture = currentPictureRef(state_, row)});
    leftClick_ = d.leftClick;
    state_.transmit.picture = picture;
    HandOff handOff{folder,      d.fileName,          picture, input.animatedGif,
                    d.leftClick, hover_->index() > -1};
    // A hand-off that failed (and said why) leaves TX as it was: the frame
    // must not claim otherwise.
    if (!SendToTransmit(ctx_, handOff, [this](int ms) { pause(ms); }))
        pic2->setCellSelected(k, false);
    if (d.openOptionsPanel)
        ctx_.windows.showOptionsPanel({.picture = currentPictureRef(state_, row)});
}

void Form1::Image1_DblClick(int cell) {
    Timer2->stop();
    ShowToolTip(QString());
    leftClick_ = false;
    if (!pic2->hasPicture(cell)) return;
    if (clickRunning_) { // the picture being sent stays the one shown
        QApplication::beep();
        return;
    }
    Catalogue& cat = state_.catalogue;
    CurrentPicture& cur = state_.current;
    const QString name =
        cat.rows.value(pageOffset(cat.currentPage, cat.thumbsPerPage) + cell).fileName;
    if (name.isEmpty()) {
        unsetCursor();
    } else if (extensionOf(name) != u".TXT") {
        ctx_.windows.showViewer({cur.folder, name});
        clickedCell_ = cell;
        clickedButton_ = Qt::LeftButton;
        clickedModifiers_ = {};
        ClickThumbnail();
    } else {
        pic2->resetFrames();
        pic2->setCellSelected(cell, true);
        cat.selectedIndex = cell;
        cur.extension = extensionOf(name);
        ctx_.desktop.openTextFile(cur.folder + name);
        unsetCursor();
    }
    cur.fileName.clear();
}

void Form1::keyPressEvent(QKeyEvent* event) {
    Form_KeyDown(event->key(), event->modifiers());
}

void Form1::Form_KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (cursor().shape() == Qt::WaitCursor || state_.transmit.handOffRunning) return;
    Catalogue& cat = state_.catalogue;
    const bool keypad = modifiers & Qt::KeypadModifier;
    if (key == Qt::Key_Delete) {
        const int k = cat.selectedIndex;
        if (!pic2->isCellSelected(k) && !pic2->isCellMarked(k)) return;
        bool anyMarked = false;
        for (int c = 0; c < pic2->cellCount(); ++c)
            anyMarked = anyMarked || pic2->isCellMarked(c);
        PromptAnswer answer;
        if (anyMarked) {
            answer = ctx_.prompts.message(this, QStringLiteral("Multiple delete"),
                                          QStringLiteral("Confirm multiple delete"),
                                          PromptIcon::Critical, PromptButtons::YesNo);
        } else {
            const QString path =
                state_.current.folder +
                cat.rows.value(pageOffset(cat.currentPage, cat.thumbsPerPage) + k).fileName;
            answer = ctx_.prompts.message(this, path, state_.text[33] + QStringLiteral("  ") + path,
                                          PromptIcon::Critical, PromptButtons::YesNo);
        }
        if (answer == PromptAnswer::Yes) DeleteMarked();
    } else if (key == Qt::Key_PageUp || (keypad && key == Qt::Key_Plus)) {
        Tabs->setCurrentIndex(nextPage(cat.currentPage, cat.pageCount) - 1);
        resetSelectedFrame();
    } else if (key == Qt::Key_PageDown || (keypad && key == Qt::Key_Minus)) {
        Tabs->setCurrentIndex(previousPage(cat.currentPage, cat.pageCount) - 1);
        resetSelectedFrame();
    }
}

bool Form1::recycle(const QString& path) {
    if (ctx_.desktop.recycleFile(path)) return true;
    ctx_.prompts.message(
        this, QStringLiteral("Brisendale"),
        path + QStringLiteral("\ncould not be moved to the trash and stays where it is."),
        PromptIcon::Warning);
    return false;
}

void Form1::DeleteMarked() {
    Catalogue& cat = state_.catalogue;
    const QString folder = state_.current.folder;
    const int offset = pageOffset(cat.currentPage, cat.thumbsPerPage);
    QList<int> cells;
    for (int c = 0; c < pic2->cellCount(); ++c)
        if (pic2->isCellMarked(c)) cells.append(c);
    const bool single = cells.isEmpty();
    if (single) cells.append(cat.selectedIndex);
    // From the last row down, so earlier rows keep their places.
    for (auto it = cells.crbegin(); it != cells.crend(); ++it) {
        const int row = offset + *it;
        if (row < 0 || row >= cat.rows.size() || cat.rows[row].fileName.isEmpty()) continue;
        const QString name = cat.rows[row].fileName;
        // A file that stays is shown again by the next scan.
        if (recycle(folder + name)) {
            const QString thumb = thumbnailPathOf(folder, name);
            if (QFile::exists(thumb)) ctx_.desktop.recycleFile(thumb);
        }
        if (single) {
            RemoveCatalogueRow();
            return;
        }
        cat.rows.removeAt(row);
        cat.pictureCache.removeAt(row);
    }
    refreshGrid();
}

} // namespace quiverel
