#pragma once
// What a click on a thumbnail does, decided without a window: which branch
// of the hand-off runs and what the current-picture globals become.

#include <QString>
#include <Qt>

namespace quiverel {

enum class ClickBranch {
    Ignore,        // a button other than left and right
    Mark,          // Ctrl: the thumbnail gets a red frame, nothing is sent
    EmptyCell,     // no picture in the cell: the current file name is cleared
    NothingToSend, // an empty or "Faulty" row: selected, nothing sent
    SendText,      // left click on a text file
    TextOptions,   // right click on a text file: the options panel
    HandOff,       // a picture: TX files and clipboard, paste keys on a left click
};

struct ClickInput {
    Qt::MouseButton button = Qt::LeftButton;
    Qt::KeyboardModifiers modifiers;
    bool cellHasPicture = false;
    QString fileName;         // the row's file name
    bool animatedGif = false; // the file is a GIF of more than one image
};

struct ClickDecision {
    ClickBranch branch = ClickBranch::Ignore;
    bool select = false;          // the clicked thumbnail gets the selected frame
    bool setsCurrentFile = false; // the current file name becomes `fileName` (empty: cleared)
    QString fileName;
    QString baseName;              // the name less its last four characters
    QString extension;             // its last four characters in capitals
    bool leftClick = true;         // only a left click pastes
    bool openComposer = false;     // Shift on a still picture
    bool openOptionsPanel = false; // a right click
};

ClickDecision decideClick(const ClickInput& input);

} // namespace quiverel
