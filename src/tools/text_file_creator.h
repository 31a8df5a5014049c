#pragma once
// What the text file creator does with its text: save it as a file, or hand
// it to EasyPal through the clipboard.

#include "desktop/desktop.h"

#include <QString>
#include <functional>

namespace quiverel {

// The text as it is written: its lines ended by CR LF, and one CR LF more at
// the end, in UTF-8. An empty text gives just CR LF.
QByteArray textFileBytes(const QString& text);

// Writes the text to `path`, replacing the file only once the new one is
// complete. Empty on success, otherwise the reason.
QString saveTextFile(const QString& path, const QString& text);

// The folder part of a chosen path, up to and including the last "/"; empty
// when the path holds none (the dialog was cancelled).
QString dialogFolderOf(const QString& path);

// The message for a file that could not be written: the path and the reason.
QString notSavedMessage(const QString& path, const QString& reason);

// EasyPal, when its window is found, is brought to the front and, after half
// a second, given its paste key.
void pasteIntoEasyPal(Desktop& desktop, const std::function<void(int ms)>& pause);

} // namespace quiverel
