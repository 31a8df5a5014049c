#pragma once
// Windows for tests: every call is recorded with its arguments, nothing
// opens. Dialogs answer what the test queued, else as if cancelled.

#include "app/windows.h"

#include <QList>

namespace quiverel::test {

struct WindowCall {
    WindowKind kind;
    ViewerRequest viewer;
    QString caption;
    QImage picture;
    ClashRequest clash;
    HelpPage page = HelpPage::Help;
    ColourPickRequest colour;
};

class RecordingWindows : public Windows {
public:
    bool available(WindowKind) const override { return availableAll; }

    void showViewer(const ViewerRequest& request) override {
        record({.kind = WindowKind::Viewer, .viewer = request});
    }
    void showZoom(const QString& caption, const QImage& picture) override {
        record({.kind = WindowKind::Zoom, .caption = caption, .picture = picture});
    }
    void showComposer() override { record({.kind = WindowKind::Composer}); }
    void showOptionsPanel() override { record({.kind = WindowKind::OptionsPanel}); }
    void showRenameReplace(const ClashRequest& request) override {
        record({.kind = WindowKind::RenameReplace, .clash = request});
    }
    void showSizeWindow() override { record({.kind = WindowKind::SizeWindow}); }
    void showSearch() override { record({.kind = WindowKind::Search}); }
    void showHelp(HelpPage page) override {
        static constexpr WindowKind kinds[] = {WindowKind::HelpText, WindowKind::HelpSetup,
                                               WindowKind::HelpLanguages, WindowKind::HelpAbout};
        record({.kind = kinds[int(page)], .page = page});
    }
    void showTextFileCreator() override { record({.kind = WindowKind::TextFileCreator}); }
    void showFolderRemoval() override { record({.kind = WindowKind::FolderRemoval}); }
    std::optional<TextEffectsResult> showTextEffects(QWidget*) override {
        record({.kind = WindowKind::TextEffects});
        return std::exchange(textEffectsAnswer, std::nullopt);
    }
    std::optional<QColor> showColourPicker(QWidget*, const ColourPickRequest& request) override {
        record({.kind = WindowKind::ColourPicker, .colour = request});
        return std::exchange(colourAnswer, std::nullopt);
    }

    bool availableAll = false;
    QList<WindowKind> opened; // the kinds, in the order asked
    QList<WindowCall> calls;  // the same calls with their arguments
    std::optional<TextEffectsResult> textEffectsAnswer;
    std::optional<QColor> colourAnswer;

private:
    void record(WindowCall call) {
        opened.append(call.kind);
        calls.append(std::move(call));
    }
};

} // namespace quiverel::test
