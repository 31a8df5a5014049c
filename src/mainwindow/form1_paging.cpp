// Form1: the page of thumbnails on show, the page tabs and the page buttons.

#include "mainwindow/form1.h"

#include "catalogue/file_names.h"
#include "catalogue/folder_scan.h"
#include "catalogue/load_thumbnail.h"
#include "catalogue/paging.h"
#include "catalogue/picture_cache.h"
#include "catalogue/thumbnail_grid.h"

#include <QApplication>
#include <QFile>
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

void Form1::loadRows(int first, int last) {
    loadCacheRows(state_.catalogue, state_.current.folder, first, last, thumbnailer_);
}

void Form1::LoadNextPage() {
    const Catalogue& cat = state_.catalogue;
    if (cat.rows.size() <= 1) return;
    const RowRange r = nextPageRows(cat.currentPage, cat.thumbsPerPage, cat.lastIndex());
    loadRows(r.first, r.last);
    TrimPictureCache();
}

void Form1::LoadPreviousPage() {
    const Catalogue& cat = state_.catalogue;
    if (cat.rows.size() <= 1) return;
    const RowRange r =
        previousPageRows(cat.currentPage, cat.thumbsPerPage, cat.pageCount, cat.lastIndex());
    loadRows(r.first, r.last);
    TrimPictureCache();
}

void Form1::TrimPictureCache() {
    trimPictureCache(state_.catalogue);
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
        LoadNextPage();
        break;
    case TabMove::Back:
        ShowPage();
        LoadPreviousPage();
        break;
    case TabMove::Jump: {
        const RowRange r = pageRows(cat.currentPage, cat.thumbsPerPage, cat.lastIndex());
        loadRows(r.first, r.last);
        ShowPage();
        LoadNextPage();
        LoadPreviousPage();
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
    ckNext->setChecked(false);
    Tabs->setCurrentIndex(nextPage(state_.catalogue.currentPage, state_.catalogue.pageCount) - 1);
    resetSelectedFrame();
    Tabs->setFocus();
}

void Form1::ckBack_MouseDown() {
    ckBack->setChecked(false);
    Tabs->setCurrentIndex(previousPage(state_.catalogue.currentPage, state_.catalogue.pageCount) -
                          1);
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

void Form1::RemoveCatalogueRow() {
    Catalogue& cat = state_.catalogue;
    const int row = pageOffset(cat.currentPage, cat.thumbsPerPage) + cat.selectedIndex;
    if (row < 0 || row >= cat.rows.size() || cat.rows[row].fileName.isEmpty()) return;
    QFile::remove(thumbnailPathOf(state_.current.folder, cat.rows[row].fileName));
    cat.rows.removeAt(row);
    cat.pictureCache.removeAt(row);
    refreshGrid();
}

void Form1::refreshGrid() {
    Catalogue& cat = state_.catalogue;
    if (cat.rows.isEmpty()) {
        cat.rows.append(CatalogueRow{});
        cat.pictureCache.append(QImage());
    }
    const int pictures = cat.rows.first().fileName.isEmpty() ? 0 : int(cat.rows.size());
    cat.pageCount = pageCountFor(pictures, cat.thumbsPerPage);
    if (cat.currentPage > cat.pageCount) cat.currentPage = cat.pageCount;
    cat.tabClickSuppressed = true;
    while (Tabs->count() > cat.pageCount)
        Tabs->removeTab(Tabs->count() - 1);
    while (Tabs->count() < cat.pageCount)
        Tabs->addTab(QString::number(Tabs->count() + 1));
    Tabs->setCurrentIndex(cat.currentPage - 1);
    cat.tabClickSuppressed = false;
    cat.previousPage = cat.currentPage;
    pic2->resetFrames();
    const RowRange r = pageRows(cat.currentPage, cat.thumbsPerPage, cat.lastIndex());
    loadRows(r.first, r.last);
    ShowPage();
    LoadNextPage();
    updatePicturesCaption(pictures);
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
