#include "program_windows.h"

#include "composer/form8.h"
#include "mainwindow/form1.h"
#include "texteffects/frm_color.h"
#include "texteffects/frm_text.h"
#include "viewer/form2.h"
#include "viewer/form4.h"

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
    case WindowKind::SizeWindow:
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

void ProgramWindows::showSizeWindow() {
    auto* sizes = new Form8(ctx_, main_.get());
    QObject::connect(sizes, &Form8::mainSizeLabelStale, main_.get(), &Form1::refreshSizeLabel);
    QObject::connect(sizes, &Form8::thumbnailHighlightCleared, main_.get(),
                     &Form1::clearSelectedFrame);
    sizes->Form_Load();
}

std::optional<TextEffectsResult> ProgramWindows::showTextEffects(QWidget* opener) {
    QWidget* self = nullptr; // the picker opens over the dialog
    frmText dialog(
        ctx_,
        [this, &self](int target, QColor current) {
            return showColourPicker(self, {ColourPicker::TextEffects, target, current});
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

} // namespace quiverel
