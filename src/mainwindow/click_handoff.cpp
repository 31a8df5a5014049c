#include "mainwindow/click_handoff.h"

#include "mainwindow/transmit.h"
#include "process/background_work.h"
#include "util/text_file.h"

namespace quiverel {

bool HandOffClick(Context& ctx, const ClickDecision& d, int row, bool animatedGif, bool hovering,
                  const std::function<bool()>& closed) {
    CurrentPicture& cur = ctx.state.current;
    ctx.state.transmit.namePrefix = txNamePrefix(ctx.state.settings, d.fileName);
    cur.baseName = d.baseName;
    cur.extension = d.extension;
    const QString folder = cur.folder;
    const QString path = folder + d.fileName;
    if (d.branch == ClickBranch::SendText) {
        const auto text = readTextFile(path);
        SendTextToTransmit(ctx, text.value_or(QString()), &pauseWithEvents);
        return true;
    }
    if (d.branch == ClickBranch::TextOptions) {
        ctx.windows.showOptionsPanel({.picture = currentPictureRef(ctx.state, row)});
        return true;
    }

    const QImage picture = loadPictureInBackground(path);
    if (closed()) return true;
    cur.picture = picture;
    cur.width = picture.width();
    cur.height = picture.height();
    cur.aspectRatio = cur.width > 0 ? double(cur.height) / cur.width : 0.0;
    if (d.openComposer) ctx.windows.showComposer({.picture = currentPictureRef(ctx.state, row)});
    ctx.state.transmit.picture = picture;
    HandOff handOff{folder, d.fileName, picture, animatedGif, d.leftClick, hovering};
    const bool sent = SendToTransmit(ctx, handOff, &pauseWithEvents);
    if (d.openOptionsPanel)
        ctx.windows.showOptionsPanel({.picture = currentPictureRef(ctx.state, row)});
    return sent;
}

} // namespace quiverel
