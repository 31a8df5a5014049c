// Form1: clicks on thumbnails, the hand-off, keys and deletion.

#include "mainwindow/form1.h"

#include "catalogue/file_names.h"
#include "catalogue/paging.h"
#include "catalogue/thumbnail_grid.h"
#include "convert/gif_info.h"
#include "mainwindow/click_decision.h"
#include "mainwindow/click_handoff.h"
#include "mainwindow/folder_session.h"
#include "mainwindow/hover_info.h"
#include "mainwindow/transmit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTabBar>

namespace quiverel {

void Form1::Image1_MouseDown(int cell, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    // Only the left and right buttons act.
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    setCursor(Qt::WaitCursor);
    clicks_->press({cell, button, modifiers});
}

void Form1::runClick(const ThumbnailClick& click) {
    Catalogue& cat = state_.catalogue;
    CurrentPicture& cur = state_.current;
    const int k = click.cell;
    const int row = pageOffset(cat.currentPage, cat.thumbsPerPage) + k;
    ClickInput input{click.button, click.modifiers, pic2->hasPicture(k),
                     cat.rows.value(row).fileName};
    if (extensionOf(input.fileName) == u".GIF")
        input.animatedGif = readGifInfo(cur.folder + input.fileName).imageCount > 1;
    const ClickDecision d = decideClick(input);
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

    // A hand-off that failed (and said why) leaves TX as it was: the frame
    // must not claim otherwise.
    if (!HandOffClick(ctx_, d, row, input.animatedGif, hover_->index() > -1,
                      [this] { return unloaded_; }))
        pic2->setCellSelected(k, false);
}

void Form1::Image1_DblClick(int cell) {
    clicks_->cancelDelay();
    hover_->ShowToolTip(QString());
    if (!pic2->hasPicture(cell)) return;
    if (clicks_->isRunning()) { // the picture being sent stays the one shown
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
        clicks_->runNow({cell, Qt::LeftButton, {}});
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
        PromptAnswer answer;
        if (!pic2->markedCells().isEmpty()) {
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
    session_->deleteCells(pic2->markedCells(),
                          [this](const QString& path) { return recycle(path); });
}

} // namespace quiverel
