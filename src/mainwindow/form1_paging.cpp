// Form1: the page of thumbnails on show, the page tabs and the page buttons.

#include "mainwindow/form1.h"

#include "catalogue/folder_scan.h"
#include "catalogue/paging.h"
#include "catalogue/picture_cache.h"
#include "catalogue/thumbnail_grid.h"
#include "mainwindow/folder_session.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QWheelEvent>

namespace quiverel {

void Form1::ShowPage() {
    const QList<QImage> pictures = pagePictures(state_.catalogue, pic2->cellCount());
    const int offset = pageOffset(state_.catalogue.currentPage, state_.catalogue.thumbsPerPage);
    for (int k = 0; k < pictures.size(); ++k) {
        pic2->setCellPicture(k, pictures[k]);
        // A screen reader names the cell after its picture's file.
        pic2->Image1[k]->setAccessibleName(
            pictures[k].isNull() ? QString() : state_.catalogue.rows.value(offset + k).fileName);
    }
}

void Form1::resetSelectedFrame() {
    pic2->setCellSelected(state_.catalogue.selectedIndex, false);
}

void Form1::selectTab(int page) {
    Catalogue& cat = state_.catalogue;
    cat.tabClickSuppressed = true;
    Tabs->setCurrentIndex(page - 1);
    cat.tabClickSuppressed = false;
}

void Form1::Tabs_Click() {
    Catalogue& cat = state_.catalogue;
    if (cat.tabClickSuppressed || Tabs->currentIndex() < 0) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    cat.currentPage = Tabs->currentIndex() + 1;
    switch (tabMoveOf(cat.previousPage, cat.currentPage, cat.pageCount)) {
    case TabMove::Forward:
        ShowPage();
        session_->loadNextPage();
        break;
    case TabMove::Back:
        ShowPage();
        session_->loadPreviousPage();
        break;
    case TabMove::Jump: {
        const RowRange r = pageRows(cat.currentPage, cat.thumbsPerPage, cat.lastIndex());
        session_->loadRows(r.first, r.last);
        ShowPage();
        session_->loadNextPage();
        session_->loadPreviousPage();
        break;
    }
    }
    // Frames belong to the page shown: marks made on another page are gone.
    pic2->resetFrames();
    cat.previousPage = cat.currentPage;
    setEnabled(true);
    QApplication::restoreOverrideCursor();
}

void Form1::ckNext_MouseDown() {
    turnPage(ckNext, nextPage(state_.catalogue.currentPage, state_.catalogue.pageCount));
}

void Form1::ckBack_MouseDown() {
    turnPage(ckBack, previousPage(state_.catalogue.currentPage, state_.catalogue.pageCount));
}

void Form1::turnPage(QPushButton* button, int page) {
    button->setChecked(false);
    Tabs->setCurrentIndex(page - 1);
    resetSelectedFrame();
    Tabs->setFocus();
}

void Form1::wheelEvent(QWheelEvent* event) {
    // Turned away from the user pages back, towards the user forward.
    const int delta = event->angleDelta().y();
    if (delta == 0) return QMainWindow::wheelEvent(event);
    const Catalogue& cat = state_.catalogue;
    const int page = delta > 0 ? previousPage(cat.currentPage, cat.pageCount)
                               : nextPage(cat.currentPage, cat.pageCount);
    Tabs->setCurrentIndex(page - 1);
    event->accept();
}

void Form1::updatePicturesCaption(int pictures) {
    QString caption;
    const int index = state_.current.folderIndex;
    if (!state_.folders.notInMenu && index >= 0 && index < state_.folders.rows.size())
        caption = state_.folders.rows[index].caption;
    lblPics->setText(
        picturesCaption(caption, pictures, state_.text[6], state_.catalogue.searchResults));
}

} // namespace quiverel
