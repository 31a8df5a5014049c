#include "options/copy_to_folder.h"

#include "app/folders_ini.h"
#include "catalogue/file_stamp.h"
#include "desktop/desktop.h"
#include "imaging/picture_file.h"
#include "util/error_text.h"
#include "util/file_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace quiverel {

bool isSameFolder(const QString& folder, const QString& target) {
    const QString a = withTrailingSlash(QDir::cleanPath(folder));
    const QString b = withTrailingSlash(QDir::cleanPath(target));
    if (a.compare(b, Qt::CaseInsensitive) == 0) return true;
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

namespace {

QString folderProblem(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.exists()) return QStringLiteral("The folder does not exist.");
    if (!info.isDir()) return QStringLiteral("It is not a folder.");
    if (!canWriteIn(folder)) return ErrorText(errno);
    return {};
}

} // namespace

CopyResult copyOrMoveToFolder(const CopyRequest& request, Desktop& desktop, const TextTable& text) {
    CopyResult result;
    if (request.targetFolder.isEmpty()) return result;
    const QString target = withTrailingSlash(request.targetFolder);
    const QString source = request.folder + request.fileName;
    result.target = target + request.fileName;
    if (isSameFolder(request.folder, target)) {
        result.outcome = CopyOutcome::OwnFolder;
        result.report = {text[87], {}, PromptIcon::None};
        return result;
    }
    if (QFileInfo::exists(result.target) || QFileInfo(result.target).isSymLink()) {
        result.outcome = CopyOutcome::Clash;
        return result;
    }
    const QString verb = request.move ? text[39] : text[41];
    const QString failed = source + QStringLiteral("\ncould not be ") +
                           (request.move ? QStringLiteral("moved") : QStringLiteral("copied")) +
                           QStringLiteral(" to\n") + result.target;
    if (const QString problem = folderProblem(target); !problem.isEmpty()) {
        result.report = failureReport(failed, problem);
        return result;
    }
    // Written beside the target under a temporary name and renamed: a failed
    // copy leaves no part of a picture behind, and says the system's reason
    // (QFile::copy says "Unknown error" for a full disk).
    if (const QString why = copyFileStaged(source, result.target); !why.isEmpty()) {
        result.report = failureReport(failed, why);
        return result;
    }
    const qint64 size = QFileInfo(source).size();
    if (QFileInfo(result.target).size() != size) {
        QFile::remove(result.target);
        result.report = failureReport(failed, QStringLiteral("The copy was incomplete."));
        return result;
    }
    result.outcome = CopyOutcome::Copied;
    result.report = threeLineReport(source, u' ' + verb + u' ', result.target);
    if (request.move && !desktop.recycleFile(source)) {
        result.outcome = CopyOutcome::Kept;
        result.report = failureReport(
            threeLineReport(source, u' ' + text[41] + u' ', result.target).text,
            QStringLiteral("The original could not be removed and stays where it is."));
    }
    return result;
}

ClashRequest clashRequestFor(const CopyRequest& request, const QImage& thumbnail, int row,
                             QSize size) {
    ClashRequest clash;
    clash.mode = 5;
    clash.fileName = request.fileName;
    clash.targetFolder = withTrailingSlash(request.targetFolder);
    clash.sourceFolder = request.folder;
    clash.sourceRow = row;
    clash.sourceSize = size;
    clash.sourcePicture = thumbnail;
    clash.targetPicture = loadPicture(clash.targetFolder + request.fileName);
    clash.move = request.move;
    return clash;
}

} // namespace quiverel
