#pragma once
// The real dialogs.

#include "desktop/prompts.h"

namespace quiverel {

class QtPrompts : public Prompts {
public:
    PromptAnswer message(QWidget* owner, const QString& title, const QString& text, PromptIcon icon,
                         PromptButtons buttons) override;
    std::optional<QString> input(QWidget* owner, const QString& title, const QString& prompt,
                                 const QString& initial) override;
    QString folder(QWidget* owner, const QString& title, const QString& start) override;
    QString openFile(QWidget* owner, const QString& title, const QString& start,
                     const QString& filter) override;
    QString saveFile(QWidget* owner, const QString& title, const QString& start,
                     const QString& filter) override;
    QString saveFileOfType(QWidget* owner, const QString& title, const QString& start,
                           const QStringList& filters, int& selected) override;
    std::optional<QColor> colour(QWidget* owner, const QColor& initial) override;
    std::optional<QFont> font(QWidget* owner, const QFont& initial) override;
};

} // namespace quiverel
