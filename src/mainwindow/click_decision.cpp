#include "mainwindow/click_decision.h"

#include "catalogue/file_names.h"

namespace quiverel {

ClickDecision decideClick(const ClickInput& in) {
    ClickDecision d;
    // Only the left and right buttons act.
    if (in.button != Qt::LeftButton && in.button != Qt::RightButton) return d;
    if (in.modifiers & Qt::ControlModifier) {
        d.branch = ClickBranch::Mark;
        return d;
    }
    d.setsCurrentFile = true;
    if (!in.cellHasPicture) {
        d.branch = ClickBranch::EmptyCell;
        return d;
    }
    d.select = true;
    d.fileName = in.fileName;
    if (in.fileName.isEmpty() || in.fileName == u"Faulty") {
        d.branch = ClickBranch::NothingToSend;
        return d;
    }
    d.baseName = baseNameOf(in.fileName);
    d.extension = extensionOf(in.fileName);
    d.leftClick = in.button == Qt::LeftButton;
    d.openOptionsPanel = !d.leftClick;
    if (d.extension == u".TXT") {
        d.branch = d.leftClick ? ClickBranch::SendText : ClickBranch::TextOptions;
        return d;
    }
    d.branch = ClickBranch::HandOff;
    d.openComposer = (in.modifiers & Qt::ShiftModifier) && !in.animatedGif;
    return d;
}

} // namespace quiverel
