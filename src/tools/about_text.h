#pragma once
// The credit lines of the about page.

#include <QString>

namespace quiverel {

struct AboutText {
    QString title;  // lblQuiverel: the window title, a line break, what the program is for
    QString maker;  // lblMe: where to turn with questions and corrections
    QString thanks; // lblIrfan: thanks to the makers of the picture converter
};

AboutText aboutText(const QString& windowTitle);

} // namespace quiverel
