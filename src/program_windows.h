#pragma once
// The one place that knows every window of the program. It owns the context
// the windows share and the main window.

#include "app/context.h"
#include "app/windows.h"

#include <QPointer>
#include <memory>

namespace quiverel {

class Form1;
class Form3;
class Form5;
class frmHelp;

class ProgramWindows : public Windows {
public:
    ProgramWindows(AppState& state, Converter& converter, Desktop& desktop, Prompts& prompts,
                   Clock& clock, const QString& appFolder);
    ~ProgramWindows() override;

    Context& context() { return ctx_; }
    Form1& mainWindow() { return *main_; }

    bool available(WindowKind kind) const override;
    void showViewer(const ViewerRequest& request) override;
    void showZoom(const QString& caption, const QImage& picture) override;
    void showComposer(const ComposerRequest& request) override;
    void showOptionsPanel(const OptionsRequest& request) override;
    void showRenameReplace(const ClashRequest& request) override;
    void showSizeWindow(const SizeRequest& request) override;
    void showSearch() override;
    void showHelp(HelpPage page) override;
    void showTextFileCreator() override;
    void showFolderRemoval() override;
    std::optional<TextEffectsResult> showTextEffects(QWidget* opener) override;
    std::optional<QColor> showColourPicker(QWidget* opener,
                                           const ColourPickRequest& request) override;
    std::optional<QslResult> showQslDialog(QWidget* opener, const QslRequest& request) override;

private:
    // What a window changed goes into the shared state here and nowhere else.
    void apply(const ComposerResult& result);
    void apply(const OptionsResult& result);
    // Sizes count at once, while their sliders are still shown.
    void apply(const SizeResult& result);

    Context ctx_;
    std::unique_ptr<Form1> main_;
    QPointer<frmHelp> help_;
    QPointer<Form3> composer_;
    QPointer<Form5> options_;
};

} // namespace quiverel
