// Form1: clicks on thumbnails, the hand-off, keys and deletion.

#include "mainwindow/form1.h"

#include "catalogue/file_names.h"
#include "catalogue/paging.h"
#include "catalogue/thumbnail_grid.h"
#include "convert/gif_info.h"
#include "imaging/picture_file.h"
#include "mainwindow/frm_tool_tip.h"
#include "mainwindow/transmit.h"
#include "util/text_file.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QTabBar>
#include <QTimer>

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
    setCursor(Qt::WaitCursor);
    clickedCell_ = cell;
    clickedButton_ = button;
    clickedModifiers_ = modifiers;
    Timer2->start();
}

void Form1::ClickThumbnail() {
    Catalogue& cat = state_.catalogue;
    CurrentPicture& cur = state_.current;
    const int k = clickedCell_;
    leftClick_ = true;
    if (clickedModifiers_ & Qt::ControlModifier) {
        pic2->setCellMarked(k, true);
        cat.selectedIndex = k;
        unsetCursor();
        return;
    }
    pic2->resetFrames();
    cat.selectedIndex = k;
    if (!pic2->hasPicture(k)) {
        cur.fileName.clear();
        unsetCursor();
        return;
    }
    const int row = pageOffset(cat.currentPage, cat.thumbsPerPage) + k;
    cur.fileName = cat.rows.value(row).fileName;
    pic2->setCellSelected(k, true);
    if (cur.fileName.isEmpty() || cur.fileName == u"Faulty") {
        unsetCursor();
        return;
    }
    state_.transmit.namePrefix = txNamePrefix(state_.settings);
    cur.baseName = baseNameOf(cur.fileName);
    cur.extension = extensionOf(cur.fileName);
    const QString path = cur.folder + cur.fileName;
    const bool left = clickedButton_ != Qt::RightButton;

    if (cur.extension == u".TXT") {
        if (left) {
            const auto text = readTextFile(path);
            SendTextToTransmit(ctx_, text.value_or(QString()), [this](int ms) { pause(ms); });
        } else {
            ctx_.windows.open(WindowKind::OptionsPanel);
        }
        unsetCursor();
        return;
    }

    const bool animated = cur.extension == u".GIF" && readGifInfo(path).imageCount > 1;
    cur.picture = loadPicture(path);
    cur.width = cur.picture.width();
    cur.height = cur.picture.height();
    cur.aspectRatio = cur.width > 0 ? double(cur.height) / cur.width : 0.0;
    if ((clickedModifiers_ & Qt::ShiftModifier) && !animated)
        ctx_.windows.open(WindowKind::Composer);
    leftClick_ = left;
    state_.transmit.picture = cur.picture;
    HandOff handOff{cur.folder, cur.fileName, cur.picture, animated, left, hoverIndex_ > -1};
    SendToTransmit(ctx_, handOff, [this](int ms) { pause(ms); });
    if (!left) ctx_.windows.open(WindowKind::OptionsPanel);
    unsetCursor();
}

void Form1::Image1_DblClick(int cell) {
    Timer2->stop();
    ShowToolTip(QString());
    leftClick_ = false;
    if (!pic2->hasPicture(cell)) return;
    Catalogue& cat = state_.catalogue;
    CurrentPicture& cur = state_.current;
    cur.fileName = cat.rows.value(pageOffset(cat.currentPage, cat.thumbsPerPage) + cell).fileName;
    cur.extension = extensionOf(cur.fileName);
    if (cur.fileName.isEmpty()) {
        unsetCursor();
    } else if (cur.extension != u".TXT") {
        clickedCell_ = cell;
        clickedButton_ = Qt::LeftButton;
        ctx_.windows.open(WindowKind::Viewer);
        ClickThumbnail();
    } else {
        pic2->resetFrames();
        pic2->setCellSelected(cell, true);
        cat.selectedIndex = cell;
        ctx_.desktop.openTextFile(cur.folder + cur.fileName);
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
    refreshAfterRemoval();
}

} // namespace quiverel
