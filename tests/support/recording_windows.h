#pragma once
// Windows for tests: every call is recorded with its arguments, nothing
// opens. Dialogs answer what the test queued, else as if cancelled.

#include "app/windows.h"

#include <QList>

namespace quiverel::test {

struct WindowCall {
    WindowKind kind = WindowKind::Viewer;
    ViewerRequest viewer;
    QString caption;
    QImage picture;
    ClashRequest clash;
    ComposerRequest composer;
    OptionsRequest options;
    SizeRequest sizes;
    HelpPage page = HelpPage::Help;
    ColourPickRequest colour;
    QslRequest qsl;
};

class RecordingWindows : public Windows {
public:
    bool available(WindowKind) const override { return availableAll; }

    void showViewer(const ViewerRequest& request) override {
        record(WindowKind::Viewer).viewer = request;
    }
    void showZoom(const QString& caption, const QImage& picture) override {
        WindowCall& c = record(WindowKind::Zoom);
        c.caption = caption;
        c.picture = picture;
    }
    void showComposer(const ComposerRequest& request) override {
        record(WindowKind::Composer).composer = request;
    }
    void showOptionsPanel(const OptionsRequest& request) override {
        record(WindowKind::OptionsPanel).options = request;
    }
    void showRenameReplace(const ClashRequest& request) override {
        record(WindowKind::RenameReplace).clash = request;
    }
    void showSizeWindow(const SizeRequest& request) override {
        record(WindowKind::SizeWindow).sizes = request;
    }
    void showSearch() override { record(WindowKind::Search); }
    void showHelp(HelpPage page) override {
        static constexpr WindowKind kinds[] = {WindowKind::HelpText, WindowKind::HelpSetup,
                                               WindowKind::HelpLanguages, WindowKind::HelpAbout};
        record(kinds[int(page)]).page = page;
    }
    void showTextFileCreator() override { record(WindowKind::TextFileCreator); }
    void showFolderRemoval() override { record(WindowKind::FolderRemoval); }
    std::optional<TextEffectsResult> showTextEffects(QWidget*) override {
        record(WindowKind::TextEffects);
        return std::exchange(textEffectsAnswer, std::nullopt);
    }
    std::optional<QColor> showColourPicker(QWidget*, const ColourPickRequest& request) override {
        record(WindowKind::ColourPicker).colour = request;
        return std::exchange(colourAnswer, std::nullopt);
    }
    std::optional<QslResult> showQslDialog(QWidget*, const QslRequest& request) override {
        record(WindowKind::QslDialog).qsl = request;
        return std::exchange(qslAnswer, std::nullopt);
    }

    bool availableAll = false;
    QList<WindowKind> opened; // the kinds, in the order asked
    QList<WindowCall> calls;  // the same calls with their arguments
    std::optional<TextEffectsResult> textEffectsAnswer;
    std::optional<QColor> colourAnswer;
    std::optional<QslResult> qslAnswer;

private:
    WindowCall& record(WindowKind kind) {
        opened.append(kind);
        calls.append(WindowCall{});
        calls.last().kind = kind;
        return calls.last();
    }
};

} // namespace quiverel::test
