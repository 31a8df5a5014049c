#include "renamereplace/clash_texts.h"

#include "renamereplace/clash_names.h"

namespace quiverel {

namespace {

QString folderAndSize(const QString& folder, int width, int height, const QString& pixels) {
    return folderLabelText(folder) + u'\n' + QString::number(width) + QStringLiteral(" x ") +
           QString::number(height) + u' ' + pixels;
}

} // namespace

ClashTexts clashTexts(const AppState& state, const ClashRequest& r) {
    ClashTexts t;
    t.caption = r.fileName;
    t.question = r.fileName + QStringLiteral("\n ") + state.text[42];
    t.source =
        folderAndSize(r.sourceFolder, r.sourceSize.width(), r.sourceSize.height(), state.text[8]);
    t.target = folderAndSize(r.targetFolder, r.targetPicture.width(), r.targetPicture.height(),
                             state.text[8]);
    t.proposed = proposedFreeName(r.targetFolder, r.fileName);
    return t;
}

} // namespace quiverel
