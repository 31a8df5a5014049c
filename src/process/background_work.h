#pragma once
// Long picture work off the interface thread: the caller waits in a local
// event loop, so windows keep painting and handlers keep running meanwhile.

#include <QImage>
#include <QString>
#include <functional>

namespace quiverel {

// Runs `work` on a worker thread and returns its result once it is done,
// letting events run while waiting. Called from any thread but the
// application's main one, it simply runs `work` there: a worker thread must
// not tie up another worker while it waits.
bool runInBackground(const std::function<bool()>& work);

// Decodes a picture file that way: a null picture when it cannot be read.
QImage loadPictureInBackground(const QString& path);

} // namespace quiverel
