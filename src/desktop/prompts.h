#pragma once
// Every message box, input box and file, folder, colour or font dialog the
// program shows goes through Prompts, so tests can answer them without a
// real modal dialog.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace quiverel {

enum class PromptIcon { None, Information, Warning, Critical, Question };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No, Retry };

class Prompts {
public:
    virtual ~Prompts() = default;

    // A message box; the title is the default title (the program's name) when empty.
    virtual PromptAnswer message(QWidget* owner, const QString& title, const QString& text,
                                 PromptIcon icon = PromptIcon::None,
                                 PromptButtons buttons = PromptButtons::Ok) = 0;
    // An input box; nothing when cancelled.
    virtual std::optional<QString> input(QWidget* owner, const QString& title,
                                         const QString& prompt, const QString& initial) = 0;
    // The folder picker; an empty text when cancelled.
    virtual QString folder(QWidget* owner, const QString& title, const QString& start) = 0;
    // File dialogs; an empty text when cancelled. `filter` as in Qt ("Pictures (*.jpg *.bmp)").
    virtual QString openFile(QWidget* owner, const QString& title, const QString& start,
                             const QString& filter) = 0;
    virtual QString saveFile(QWidget* owner, const QString& title, const QString& start,
                             const QString& filter) = 0;
    // The save dialog with a list of types (Qt filters); `selected` is the
    // index of the type chosen first and, on return, of the type the user
    // left chosen. A taken name is not asked about: the caller decides.
    virtual QString saveFileOfType(QWidget* owner, const QString& title, const QString& start,
                                   const QStringList& filters, int& /*selected*/) {
        return saveFile(owner, title, start, filters.join(QStringLiteral(";;")));
    }
    virtual std::optional<QColor> colour(QWidget* owner, const QColor& initial) = 0;
    virtual std::optional<QFont> font(QWidget* owner, const QFont& initial) = 0;

    // Convenience: a message with an OK button only.
    void tell(QWidget* owner, const QString& text, const QString& title = {},
              PromptIcon icon = PromptIcon::None) {
        message(owner, title, text, icon, PromptButtons::Ok);
    }
};

// The title message boxes get when the caller gives none.
QString defaultPromptTitle();

} // namespace quiverel
