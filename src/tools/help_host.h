#pragma once
// What the help window needs of the main window, handed in by the top of the
// program so the window never includes the main window's class.

#include <QPoint>
#include <functional>
#include <optional>

class QWidget;

namespace quiverel {

struct HelpHost {
    QWidget* mainWindow = nullptr; // the window is placed over it
    // Its position in twips; nothing while it is minimised.
    std::function<std::optional<QPoint>()> mainWindowTwips;
    // Presses its cmdRestart: Setup.ini read again, the grid made anew.
    std::function<void()> restart;
    // Puts the text table's captions on its menus.
    std::function<void()> reapplyCaptions;
};

} // namespace quiverel
