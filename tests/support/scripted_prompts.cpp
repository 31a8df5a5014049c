#include "support/scripted_prompts.h"

namespace quiverel {

QStringList ScriptedPrompts::messages() const {
    QStringList out;
    for (const auto& p : shown_)
        if (p.kind == u"message") out.append(p.text);
    return out;
}

QVariant ScriptedPrompts::next() {
    if (answers_.empty()) return {};
    QVariant v = answers_.front();
    answers_.pop_front();
    return v;
}

PromptAnswer ScriptedPrompts::message(QWidget*, const QString& title, const QString& text,
                                      PromptIcon icon, PromptButtons buttons) {
    shown_.append({QStringLiteral("message"), title, text, icon, buttons});
    const QVariant v = next();
    if (v.typeId() == QMetaType::Int) return PromptAnswer(v.toInt());
    switch (buttons) {
    case PromptButtons::Ok:
        return PromptAnswer::Ok;
    case PromptButtons::YesNo:
        return PromptAnswer::No;
    default:
        return PromptAnswer::Cancel;
    }
}

std::optional<QString> ScriptedPrompts::input(QWidget*, const QString& title, const QString& prompt,
                                              const QString& initial) {
    shown_.append({QStringLiteral("input"), title, prompt + u'\n' + initial});
    const QVariant v = next();
    if (v.typeId() == QMetaType::QString) return v.toString();
    return std::nullopt;
}

QString ScriptedPrompts::folder(QWidget*, const QString& title, const QString& start) {
    shown_.append({QStringLiteral("folder"), title, start});
    return next().toString();
}

QString ScriptedPrompts::openFile(QWidget*, const QString& title, const QString& start,
                                  const QString&) {
    shown_.append({QStringLiteral("open"), title, start});
    return next().toString();
}

QString ScriptedPrompts::saveFile(QWidget*, const QString& title, const QString& start,
                                  const QString&) {
    shown_.append({QStringLiteral("save"), title, start});
    return next().toString();
}

QString ScriptedPrompts::saveFileOfType(QWidget*, const QString& title, const QString& start,
                                        const QStringList& filters, int& selected) {
    shown_.append({QStringLiteral("save"), title, start});
    saveFilters = filters;
    saveFilterChosenFirst = selected;
    return next().toString();
}

std::optional<QColor> ScriptedPrompts::colour(QWidget*, const QColor& initial) {
    shown_.append({QStringLiteral("colour"), {}, initial.name()});
    const QVariant v = next();
    if (v.typeId() == QMetaType::QColor) return v.value<QColor>();
    return std::nullopt;
}

std::optional<QFont> ScriptedPrompts::font(QWidget*, const QFont& initial) {
    shown_.append({QStringLiteral("font"), {}, initial.family()});
    const QVariant v = next();
    if (v.typeId() == QMetaType::QFont) return v.value<QFont>();
    return std::nullopt;
}

} // namespace quiverel
