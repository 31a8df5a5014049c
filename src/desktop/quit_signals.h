#pragma once
// Turns SIGTERM, SIGINT and SIGHUP (a logout, a kill, Ctrl+C) into a call on
// the event loop, so the program can save its settings as on a normal close.

#include <functional>

class QObject;

namespace quiverel {

// Installs the handlers once; `onQuit` runs on the thread of `context`.
void onQuitSignals(QObject* context, std::function<void()> onQuit);

} // namespace quiverel
