#pragma once
// Prompts for tests: answers are queued by the test, every prompt shown is
// recorded. An unanswered prompt gets the harmless answer (Cancel or OK, No,
// nothing chosen) instead of blocking.

#include "desktop/prompts.h"

#include <QList>
#include <QVariant>
#include <deque>

namespace quiverel {

struct ShownPrompt {
    QString kind; // "message", "input", "folder", "open", "save", "colour", "font"
    QString title;
    QString text;
    PromptIcon icon = PromptIcon::None;
    PromptButtons buttons = PromptButtons::Ok;
};

class ScriptedPrompts : public Prompts {
public:
    // Answers are taken in order, whatever the kind of the prompt that takes them.
    void answer(PromptAnswer a) { answers_.push_back(QVariant::fromValue(int(a))); }
    void answerText(const QString& text) { answers_.push_back(text); }
    void answerCancel() { answers_.push_back(QVariant()); }
    void answerColour(const QColor& c) { answers_.push_back(c); }
    void answerFont(const QFont& f) { answers_.push_back(f); }

    const QList<ShownPrompt>& shown() const { return shown_; }
    // The texts of the messages shown, in order.
    QStringList messages() const;
    void clear() {
        shown_.clear();
        answers_.clear();
    }
    bool allAnswersUsed() const { return answers_.empty(); }
    // The last save dialog with types: the types offered and the one chosen first.
    QStringList saveFilters;
    int saveFilterChosenFirst = -1;

    PromptAnswer message(QWidget*, const QString& title, const QString& text, PromptIcon icon,
                         PromptButtons buttons) override;
    std::optional<QString> input(QWidget*, const QString& title, const QString& prompt,
                                 const QString& initial) override;
    QString folder(QWidget*, const QString& title, const QString& start) override;
    QString openFile(QWidget*, const QString& title, const QString& start,
                     const QString& filter) override;
    QString saveFile(QWidget*, const QString& title, const QString& start,
                     const QString& filter) override;
    // Records the types offered and the one chosen first; answers a path.
    QString saveFileOfType(QWidget*, const QString& title, const QString& start,
                           const QStringList& filters, int& selected) override;
    std::optional<QColor> colour(QWidget*, const QColor& initial) override;
    std::optional<QFont> font(QWidget*, const QFont& initial) override;

private:
    QVariant next();
    std::deque<QVariant> answers_;
    QList<ShownPrompt> shown_;
};

} // namespace quiverel
