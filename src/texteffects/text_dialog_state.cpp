#include "texteffects/text_dialog_state.h"

#include "texteffects/text_layout.h"

#include <algorithm>
#include <cmath>

namespace quiverel {

bool withinLineLimit(const QString& text) {
    return textLines(text).size() <= kMaxTextLines;
}

QString effectTextOf(const QString& editorText) {
    QStringList lines = textLines(editorText);
    return lines.join(QStringLiteral("\r\n"));
}

QString editorTextOf(const QString& effectText) {
    return textLines(effectText).join(u'\n');
}

QFont labelFont(const AppState& state) {
    const TextDefaults& d = state.settings.textDefaults;
    QFont f(d.fontName.trimmed().isEmpty() ? QStringLiteral("Arial") : d.fontName);
    // A size Setup.ini garbled: the default, or as large as text is drawn.
    double size = std::isfinite(d.fontSize) && d.fontSize > 0 ? d.fontSize : 20.0;
    f.setPointSizeF(std::min(size, double(kMaxFontPixels) * 72.0 / 96.0));
    f.setBold(d.bold);
    f.setItalic(d.italic);
    f.setUnderline(state.textLabel.underline);
    f.setStrikeOut(state.textLabel.strikeOut);
    return f;
}

void storeLabel(AppState& state, const QString& effectText, const QFont& font,
                ColourCode foreColour, ColourCode backColour) {
    TextDefaults& d = state.settings.textDefaults;
    d.text = effectText;
    d.fontName = font.family();
    d.fontSize = font.pointSizeF();
    d.bold = font.bold();
    d.italic = font.italic();
    state.textLabel.underline = font.underline();
    state.textLabel.strikeOut = font.strikeOut();
    state.textLabel.foreColour = foreColour;
    state.textLabel.backColour = backColour;
}

QString textHint(const AppState& state) {
    return QStringLiteral("  ") + state.text[96] + QStringLiteral("\r\n  ") + state.text[97];
}

bool takeTextHintPending(AppState& state) {
    const bool pending = state.textLabel.hintPending;
    state.textLabel.hintPending = false;
    return pending;
}

} // namespace quiverel
