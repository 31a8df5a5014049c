// Form1: what the folder session tells the window to show.

#include "mainwindow/form1.h"

#include "catalogue/frm_splash.h"
#include "catalogue/thumbnail_grid.h"
#include "mainwindow/folder_session.h"

#include <QLabel>
#include <QTabBar>

namespace quiverel {

void Form1::createSession() {
    session_ = new FolderSession(ctx_, this);
    session_->setHolds([this] { return isEnabled(); },
                       [this] { return clicks_->isRunning() || clicks_->isDelaying(); });
    connect(session_, &FolderSession::progress, this, &Form1::showSplash);
    connect(session_, &FolderSession::progressDone, this, [this] {
        if (splash_) splash_->hide();
    });
    connect(session_, &FolderSession::busy, this, [this](bool busy) { setEnabled(!busy); });
    connect(session_, &FolderSession::warning, this, [this](const QString& text) {
        ctx_.prompts.message(this, QStringLiteral("Brisendale"), text, PromptIcon::Warning);
    });
    connect(session_, &FolderSession::pagesChanged, this, &Form1::syncTabs);
    connect(session_, &FolderSession::gridCleared, this, [this] {
        for (int k = 0; k < pic2->cellCount(); ++k)
            pic2->setCellPicture(k, QImage());
        pic2->resetFrames();
    });
    connect(session_, &FolderSession::framesReset, pic2, &ThumbnailGrid::resetFrames);
    connect(session_, &FolderSession::pageStale, this, &Form1::ShowPage);
    connect(session_, &FolderSession::picturesCounted, this, &Form1::updatePicturesCaption);
}

FolderWatch& Form1::folderWatch() {
    return session_->watch();
}

void Form1::showSplash(const QString& caption, const QString& label, int maximum, int value) {
    if (!splash_) splash_ = new frmSplash(this);
    splash_->setGuiScale(state_.settings.guiScale);
    splash_->showProgress(caption, label, maximum, value);
}

void Form1::ShowFolder() {
    if (!session_->scan()) return;
    setEnabled(true);
    raise();
    activateWindow();
}

void Form1::syncTabs() {
    Catalogue& cat = state_.catalogue;
    const bool suppressed = cat.tabClickSuppressed;
    cat.tabClickSuppressed = true;
    while (Tabs->count() > cat.pageCount)
        Tabs->removeTab(Tabs->count() - 1);
    while (Tabs->count() < cat.pageCount)
        Tabs->addTab(QString::number(Tabs->count() + 1));
    Tabs->setCurrentIndex(cat.currentPage - 1);
    cat.tabClickSuppressed = suppressed;
}

void Form1::RemoveCatalogueRow() {
    session_->removeSelectedRow();
}

} // namespace quiverel
