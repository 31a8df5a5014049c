#include "composer/save_picture_as.h"

#include "imaging/picture_file.h"
#include "renamereplace/clash_actions.h"
#include "renamereplace/clash_names.h"

#include <QDir>
#include <QFileInfo>

namespace quiverel {

namespace {

struct SaveType {
    const char* filter;
    const char* extension;
};

const SaveType kTypes[] = {
    {"BMP - Windows Bitmap (*.bmp)", ".bmp"},
    {"GIF - Compuserve GIF (*.gif)", ".gif"},
    {"JP2 - JPEG2000 Format (*.jp2)", ".jp2"},
    {"JPG - JPEG Files (*.jpg)", ".jpg"},
    {"PNG - Portable Network Graphics (*.png)", ".png"},
};
constexpr int kTypeCount = int(std::size(kTypes));

int typeOfExtension(const QString& extension) {
    for (int i = 0; i < kTypeCount; ++i)
        if (extension.compare(QLatin1String(kTypes[i].extension), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// Whether a folder, and no file, goes by `name` in `folder` (letters in any
// case, as the program compares names): nothing can be saved over it.
bool onlyAFolderIsNamed(const QString& folder, const QString& name) {
    if (QFileInfo(folder + name).isDir()) return true;
    bool folderFound = false;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.fileName().compare(name, Qt::CaseInsensitive) != 0) continue;
        if (!entry.isDir()) return false;
        folderFound = true;
    }
    return folderFound;
}

} // namespace

QStringList savePictureFilters() {
    QStringList filters;
    for (const SaveType& t : kTypes)
        filters.append(QString::fromLatin1(t.filter));
    return filters;
}

int savePictureFilterFor(const QString& fileName) {
    return typeOfExtension(u'.' + fileName.right(3));
}

QString withSaveExtension(const QString& path, int filter) {
    if (typeOfExtension(path.right(4)) >= 0 || filter < 0 || filter >= kTypeCount) return path;
    return path + QLatin1String(kTypes[filter].extension);
}

void SavePictureAs(Context& ctx, QWidget* owner, const CurrentPicture& cur, QString& pictureFolder,
                   const std::function<QImage()>& compose) {
    AppState& state = ctx.state;
    int type = savePictureFilterFor(cur.fileName);
    // Before any picture was added or saved, the dialog starts in the picture's folder.
    const QString startFolder = pictureFolder.isEmpty() ? cur.folder : pictureFolder;
    const QString start =
        startFolder + cur.fileName.chopped(std::min<qsizetype>(4, cur.fileName.size()));
    QString path =
        ctx.prompts.saveFileOfType(owner, state.text[78], start, savePictureFilters(), type);
    if (path.isEmpty()) return;
    path = withSaveExtension(path, type);
    const QImage composite = compose();
    const QFileInfo chosen(path);
    const QString folder = chosen.absolutePath() + u'/';
    // A folder is no picture to replace or rename around.
    if (onlyAFolderIsNamed(folder, chosen.fileName())) {
        ctx.prompts.message(owner, QString(),
                            path + QStringLiteral("\nA folder has this name. Please choose "
                                                  "another name for the picture."),
                            PromptIcon::Warning);
        return;
    }
    if (nameTakenIn(folder, chosen.fileName())) {
        ClashRequest clash;
        clash.mode = 3;
        clash.fileName = chosen.fileName();
        clash.targetFolder = folder;
        clash.sourceFolder = cur.folder;
        clash.sourceSize = QSize(cur.width, cur.height);
        clash.sourcePicture = composite;
        clash.targetPicture = loadPicture(path);
        clash.chosenPath = path;
        clash.pictureToSave = composite;
        ctx.windows.showRenameReplace(clash);
        return;
    }
    pictureFolder = folder;
    if (auto failure = saveComposite(state, composite, path))
        ctx.prompts.message(owner, QString(), failure->path + u'\n' + failure->reason,
                            PromptIcon::Warning);
}

} // namespace quiverel
