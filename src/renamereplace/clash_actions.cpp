#include "renamereplace/clash_actions.h"

#include "renamereplace/clash_files.h"
#include "renamereplace/clash_names.h"

namespace quiverel {

namespace {

ClashOutcome failed(const FileFailure& f) {
    return {true, f.path + u'\n' + f.reason, true, false};
}

ClashOutcome report(const QString& from, const QString& verb, const QString& to) {
    return {true, from + u'\n' + verb + u'\n' + to, false, false};
}

std::optional<FileFailure> copyOrMove(const ClashRequest& r, const QString& source,
                                      const QString& target) {
    return r.move ? moveFileOver(source, target) : copyFileOver(source, target);
}

QString spaced(const QString& text) {
    return u' ' + text + u' ';
}

} // namespace

std::optional<FileFailure> saveComposite(AppState& state, const QImage& picture,
                                         const QString& path) {
    if (auto f = savePictureAt(picture, path)) return f;
    state.current.extension = path.right(4).toLower();
    return std::nullopt;
}

ClashOutcome replaceClash(AppState& state, const ClashRequest& r) {
    const QString target = r.targetFolder + r.fileName;
    if (r.mode == 3) {
        const QString path = r.chosenPath.isEmpty() ? target : r.chosenPath;
        if (auto f = saveComposite(state, r.pictureToSave, path)) return failed(*f);
        removeThumbnailOf(r.targetFolder, r.fileName);
        return {};
    }
    const QString source = r.sourceFolder + r.fileName;
    if (auto f = copyOrMove(r, source, target)) return failed(*f);
    removeThumbnailOf(r.targetFolder, r.fileName);
    ClashOutcome done = report(source, r.move ? state.text[39] : spaced(state.text[41]), target);
    done.sourceRemoved = r.move;
    return done;
}

ClashOutcome renameClash(AppState& state, const ClashRequest& r, const QString& typed) {
    const QString name = renamedName(typed, r.fileName);
    state.current.extension = name.right(4);
    if (name.size() <= r.fileName.right(4).size())
        return {false, QStringLiteral("Please type a new name."), true, false};
    if (name.contains(QChar(0)))
        return {false, QStringLiteral("A file name cannot contain a null character."), true, false};
    if (nameTakenIn(r.targetFolder, name))
        return {false, state.text[92] + u' ' + name, false, false};
    const QString target = r.targetFolder + name;
    const QString source = r.sourceFolder + r.fileName;
    if (r.mode == 3) {
        if (auto f = saveComposite(state, r.pictureToSave, target)) return failed(*f);
        return report(source, state.text[91], target);
    }
    if (auto f = copyOrMove(r, source, target)) return failed(*f);
    ClashOutcome done = report(source, spaced(state.text[r.move ? 90 : 44]), target);
    done.sourceRemoved = r.move;
    return done;
}

} // namespace quiverel
