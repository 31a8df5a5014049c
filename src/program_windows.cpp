#include "program_windows.h"

#include "catalogue/file_names.h"
#include "catalogue/folder_watch.h"
#include "catalogue/paging.h"
#include "catalogue/thumbnail_grid.h"
#include "composer/form3.h"
#include "composer/form8.h"
#include "composer/size_controls.h"
#include "mainwindow/form1.h"
#include "options/form5.h"
#include "qsl/form_qsl.h"
#include "renamereplace/form6.h"
#include "texteffects/frm_color.h"
#include "texteffects/frm_text.h"
#include "tools/form10.h"
#include "tools/form9.h"
#include "tools/frm_help.h"
#include "tools/frm_search.h"
#include "viewer/form2.h"
#include "viewer/form4.h"

#include <QLabel>

namespace quiverel {

ProgramWindows::ProgramWindows(AppState& state, Converter& converter, Desktop& desktop,
                               Prompts& prompts, Clock& clock, const QString& appFolder)
    : ctx_{state, converter, desktop, prompts, clock, *this, appFolder},
      main_(std::make_unique<Form1>(ctx_)) {}

ProgramWindows::~ProgramWindows() = default;

bool ProgramWindows::available(WindowKind kind) const {
    switch (kind) {
    case WindowKind::Viewer:
    case WindowKind::Zoom:
    case WindowKind::TextEffects:
    case WindowKind::ColourPicker:
    case WindowKind::Composer:
    case WindowKind::HelpText:
    case WindowKind::HelpSetup:
    case WindowKind::HelpLanguages:
    case WindowKind::HelpAbout:
    case WindowKind::Search:
    case WindowKind::TextFileCreator:
    case WindowKind::FolderRemoval:
    case WindowKind::SizeWindow:
    case WindowKind::OptionsPanel:
    case WindowKind::QslDialog:
    case WindowKind::RenameReplace:
        return true;
    default:
        return false;
    }
}

void ProgramWindows::showViewer(const ViewerRequest& request) {
    auto* viewer = new Form2(ctx_, request);
    QObject::connect(viewer, &Form2::closed, main_.get(), &Form1::viewerClosed);
    viewer->Form_Load();
}

void ProgramWindows::showZoom(const QString& caption, const QImage& picture) {
    auto* zoom = new Form4(ctx_);
    zoom->setCaption(caption);
    zoom->setPicture(picture);
    zoom->show();
}

void ProgramWindows::apply(const ComposerResult& result) {
    AppState& state = ctx_.state;
    state.frames = result.frames;
    state.folders.pictureFolder = result.pictureFolder;
    state.flags.composerFirstUse = result.layerHintPending;
    state.textLabel.hintPending = result.textHintPending;
}

void ProgramWindows::apply(const OptionsResult& result) {
    AppState& state = ctx_.state;
    state.folders.targetFolder = result.targetFolder;
    if (!result.renamedTo.isEmpty()) {
        state.current.fileName = result.renamedTo;
        state.current.baseName = baseNameOf(result.renamedTo);
    }
}

void ProgramWindows::apply(const SizeResult& result) {
    applySizes(ctx_.state.settings, result);
    main_->refreshSizeLabel();
}

void ProgramWindows::showComposer(const ComposerRequest& opened) {
    const AppState& state = ctx_.state;
    ComposerRequest request = opened;
    request.frames = state.frames;
    request.pictureFolder = state.folders.pictureFolder;
    request.layerHintPending = state.flags.composerFirstUse;
    request.textHintPending = state.textLabel.hintPending;
    Form3* composer = Form3::open(ctx_, request, main_.get());
    composer_ = composer;
    if (!composer) return;
    // The sliders read an odd size back as they show it before anyone listens.
    apply(composer->sizeControls->values());
    main_->setEnabled(false);
    QObject::connect(composer, &Form3::sizesChanged, main_.get(),
                     [this](const SizeResult& result) { apply(result); });
    QObject::connect(composer, &Form3::closed, main_.get(), [this](const ComposerResult& result) {
        apply(result);
        Form1& main = *main_;
        const Settings& s = ctx_.state.settings;
        main.grid()->setCellSelected(ctx_.state.catalogue.selectedIndex, true);
        main.setEnabled(true);
        main.sizeLabel()->setText(s.resizeSetting + QStringLiteral("  ") +
                                  QString::number(s.jp2TargetSize / 1000.0) + u'k');
    });
}

void ProgramWindows::showOptionsPanel(const OptionsRequest& opened) {
    if (options_) options_->close();
    const AppState& state = ctx_.state;
    const Catalogue& cat = state.catalogue;
    OptionsRequest request = opened;
    const int row = request.picture.row;
    request.thumbnail = cat.pictureCache.value(row);
    request.rowDate = cat.rows.value(row).dateTime;
    request.lastRow = cat.lastIndex();
    request.targetFolder = state.folders.targetFolder;
    Form1* main = main_.get();
    auto* panel = new Form5(ctx_, request, main);
    options_ = panel;
    QObject::connect(panel, &Form5::catalogueChanged, main, &Form1::ShowFolder);
    QObject::connect(panel, &Form5::pictureRemoved, main, &Form1::RemoveCatalogueRow);
    QObject::connect(panel, &Form5::closed, main, [this, main](const OptionsResult& result) {
        apply(result);
        // The composer gives the main window back when it closes; a composer
        // that did not open must not leave it disabled.
        if (result.composerChosen && composer_) return;
        main->setEnabled(true);
        main->raise();
        main->activateWindow();
    });
    main->setEnabled(false);
    panel->Form_Load();
    panel->show();
}

void ProgramWindows::showHelp(HelpPage page) {
    // The window is built anew at every opening.
    if (help_) help_->close();
    Form1* main = main_.get();
    HelpHost host;
    host.mainWindow = main;
    host.mainWindowTwips = [main]() -> std::optional<QPoint> {
        if (main->isMinimized()) return std::nullopt;
        return QPoint(main->x() * 15, main->y() * 15);
    };
    host.restart = [main] { main->cmdRestart_Click(); };
    host.reapplyCaptions = [this, main] {
        main->menus.applyCaptions(ctx_.state.text, ctx_.state.settings.autoPaste);
    };
    help_ = new frmHelp(ctx_, std::move(host), main);
    help_->setAttribute(Qt::WA_DeleteOnClose);
    help_->Form_Load();
    help_->showPage(page);
}

void ProgramWindows::showSearch() {
    auto* search = new frmSearch(ctx_, main_.get());
    QObject::connect(search, &frmSearch::found, main_.get(), &Form1::showSearchResults);
    search->Form_Load();
    search->show();
}

void ProgramWindows::showTextFileCreator() {
    auto* creator = new Form10(ctx_, main_.get());
    creator->Form_Load();
}

void ProgramWindows::showFolderRemoval() {
    auto* removal = new Form9(ctx_, main_.get());
    QObject::connect(removal, &Form9::removed, main_.get(), &Form1::BuildFolderMenu);
    removal->Form_Load();
    removal->show();
}

void ProgramWindows::showRenameReplace(const ClashRequest& request) {
    auto* dialog = new Form6(ctx_, request);
    QObject::connect(dialog, &Form6::sourceRemoved, main_.get(),
                     [this](const QString& folder, const QString& name, int row) {
                         Form1& main = *main_;
                         const Catalogue& cat = ctx_.state.catalogue;
                         // A grid showing another folder has no row of the moved file.
                         if (cat.searchResults || ctx_.state.current.folder != folder) return;
                         const int selected =
                             pageOffset(cat.currentPage, cat.thumbsPerPage) + cat.selectedIndex;
                         if (row == selected && row >= 0 && row < cat.rows.size() &&
                             cat.rows[row].fileName == name)
                             main.RemoveCatalogueRow();
                         else
                             main.folderWatch().poll(); // it finds the row by the file's name
                     });
    dialog->Form_Load();
}

void ProgramWindows::showSizeWindow(const SizeRequest& request) {
    auto* sizes = new Form8(ctx_, request, main_.get());
    QObject::connect(sizes, &Form8::sizesChanged, main_.get(),
                     [this](const SizeResult& result) { apply(result); });
    QObject::connect(sizes, &Form8::closed, main_.get(), &Form1::refreshSizeLabel);
    QObject::connect(sizes, &Form8::thumbnailHighlightCleared, main_.get(),
                     &Form1::clearSelectedFrame);
    sizes->Form_Load();
}

std::optional<TextEffectsResult> ProgramWindows::showTextEffects(QWidget* opener) {
    QWidget* self = nullptr; // the picker opens over the dialog
    frmText dialog(
        ctx_,
        [this, &self](int target, QColor current, ColourPicked picked) -> QWidget* {
            return frmColor::openModeless(ctx_, {ColourPicker::TextEffects, target, current}, self,
                                          std::move(picked));
        },
        opener);
    self = &dialog;
    return dialog.run();
}

std::optional<QColor> ProgramWindows::showColourPicker(QWidget* opener,
                                                       const ColourPickRequest& request) {
    frmColor picker(ctx_, request, opener);
    return picker.run();
}

std::optional<QslResult> ProgramWindows::showQslDialog(QWidget* opener, const QslRequest& request) {
    formQSL dialog(ctx_, request, opener);
    return dialog.run();
}

} // namespace quiverel
