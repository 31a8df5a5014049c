#pragma once
// What a file action of the options panel has to tell the user when it ends.

#include "desktop/prompts.h"

#include <QString>

namespace quiverel {

struct FileActionReport {
    QString text;  // empty: nothing to tell
    QString title; // empty: the program's name
    PromptIcon icon = PromptIcon::None;

    bool isEmpty() const { return text.isEmpty(); }
};

// The report of a finished file action: the source, the verb, the target, one a line.
FileActionReport threeLineReport(const QString& source, const QString& verb, const QString& target);

// A failed step: what was to happen, why it did not, and that the picture stays.
FileActionReport failureReport(const QString& what, const QString& reason);

} // namespace quiverel
