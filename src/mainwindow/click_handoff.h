#pragma once
// What a decided click on a picture or text file does: the current picture,
// the TX files and clipboard, the paste keys, and the windows it asks for.

#include "app/context.h"
#include "mainwindow/click_decision.h"

#include <functional>

namespace quiverel {

// `row` is the catalogue row of the clicked picture, for the windows it opens.
// False when the hand-off failed (and said why): TX is as it was. `closed`
// says the program closed while the picture was loaded.
bool HandOffClick(Context& ctx, const ClickDecision& d, int row, bool animatedGif, bool hovering,
                  const std::function<bool()>& closed);

} // namespace quiverel
