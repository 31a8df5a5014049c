#include "desktop/qt_prompts.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace quiverel {

namespace {
QMessageBox::Icon toIcon(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Warning:
        return QMessageBox::Warning;
    case PromptIcon::Critical:
        return QMessageBox::Critical;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toButtons(PromptButtons b) {
    switch (b) {
    case PromptButtons::Ok:
        return QMessageBox::Ok;
    case PromptButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}
} // namespace

PromptAnswer QtPrompts::message(QWidget* owner, const QString& title, const QString& text,
                                PromptIcon icon, PromptButtons buttons) {
    QMessageBox box(toIcon(icon), title.isEmpty() ? defaultPromptTitle() : title, text,
                    toButtons(buttons), owner);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Retry:
        return PromptAnswer::Retry;
    default:
        return PromptAnswer::Cancel;
    }
}

std::optional<QString> QtPrompts::input(QWidget* owner, const QString& title, const QString& prompt,
                                        const QString& initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(owner, title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok) return std::nullopt;
    return text;
}

QString QtPrompts::folder(QWidget* owner, const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(owner, title, start, QFileDialog::ShowDirsOnly);
}

QString QtPrompts::openFile(QWidget* owner, const QString& title, const QString& start,
                            const QString& filter) {
    return QFileDialog::getOpenFileName(owner, title, start, filter);
}

QString QtPrompts::saveFile(QWidget* owner, const QString& title, const QString& start,
                            const QString& filter) {
    return QFileDialog::getSaveFileName(owner, title, start, filter);
}

QString QtPrompts::saveFileOfType(QWidget* owner, const QString& title, const QString& start,
                                  const QStringList& filters, int& selected) {
    QString chosen = selected >= 0 && selected < filters.size() ? filters[selected] : QString();
    const QString path =
        QFileDialog::getSaveFileName(owner, title, start, filters.join(QStringLiteral(";;")),
                                     &chosen, QFileDialog::DontConfirmOverwrite);
    selected = int(filters.indexOf(chosen));
    return path;
}

std::optional<QColor> QtPrompts::colour(QWidget* owner, const QColor& initial) {
    const QColor c = QColorDialog::getColor(initial, owner);
    if (!c.isValid()) return std::nullopt;
    return c;
}

std::optional<QFont> QtPrompts::font(QWidget* owner, const QFont& initial) {
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial, owner);
    if (!ok) return std::nullopt;
    return f;
}

} // namespace quiverel
