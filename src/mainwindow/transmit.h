#pragma once
// The hand-off of a picture to the SSTV programs: the TX folder, the
// clipboard and the paste keys.

#include "app/context.h"

#include <QImage>
#include <QSize>
#include <functional>

namespace quiverel {

// Waits `ms` milliseconds while the interface goes on.
using Pause = std::function<void(int ms)>;
// The Pause of the running program: events are handled while it waits.
void pauseWithEvents(int ms);

// The call sign and "_" when the prefix flag is "Y" and a call sign is set.
// In the name the call sign is made safe (nameSafeText) and cut so that the
// prefix and `fileName` (or a name as long) stay within the name limit.
QString txNamePrefix(const Settings& settings, const QString& fileName = {});

// The resize of a hand-off, parsed from the resize setting as it stands: the
// setting's size, but never larger than the picture.
struct ResizeChoice {
    bool enabled = false;
    int width = 0;
    int height = 0;
};
ResizeChoice resizeForHandOff(const Settings& settings, QSize picture);

struct HandOff {
    QString folder;   // the picture's folder, ending in "/"
    QString fileName; // the picture's file name
    QImage picture;   // the transmit picture
    bool animatedGif = false;
    bool leftClick = true; // only a left click pastes
    bool hovering = true;  // the pointer rests on a thumbnail
};

// Replaces the files of TX by the transmit files, fills the clipboard and,
// for a left click with auto paste on, pastes into the SSTV programs. False
// when nothing was handed over: while another hand-off is still running, or
// when a file could not be made (the user is told the path and the reason;
// TX and the clipboard stay as they were, nothing is pasted).
bool SendToTransmit(Context& ctx, const HandOff& handOff, const Pause& pause);

// Text for the SSTV programs: the clipboard gets it, then, with auto paste
// on, the paste keys.
void SendTextToTransmit(Context& ctx, const QString& text, const Pause& pause);

// Brings EasyPal, KG-STV and MMSSTV to the front in turn and types their paste keys.
void PasteIntoSstvPrograms(Desktop& desktop, const Pause& pause);

} // namespace quiverel
