#pragma once
// What the text effects dialog keeps for the run and reads back: the main
// window's lblText store, the text rules of its text box, and the composer's
// note shown after the first text.

#include "app/state.h"

#include <QChar>
#include <QFont>
#include <QString>

namespace quiverel {

inline constexpr int kMaxTextLines = 3;
// Radio operators write zero slashed.
inline constexpr QChar kSlashedZero = QChar(0x00D8);

// Whether the text box's text has at most three lines.
bool withinLineLimit(const QString& text);

// The text box's lines (LF) as the program keeps them (CR LF), and back.
QString effectTextOf(const QString& editorText);
QString editorTextOf(const QString& effectText);

// The font of lblText: Setup.ini's name, size, bold and italic with the
// run's underline and strikethrough; Arial when Setup.ini names no font, 20
// points when it gives no usable size, and no more than 375 points.
QFont labelFont(const AppState& state);

// lblText after the dialog closes: caption, font, fore and back colour.
void storeLabel(AppState& state, const QString& effectText, const QFont& font,
                ColourCode foreColour, ColourCode backColour);

// The composer's note after the text is placed: two lines from the text table.
QString textHint(const AppState& state);
// True the first time after start-up only.
bool takeTextHintPending(AppState& state);

} // namespace quiverel
