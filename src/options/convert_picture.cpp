#include "options/convert_picture.h"

#include "convert/converter.h"

#include <QFile>
#include <QFileInfo>

namespace quiverel {

QString convertedName(const QString& fileName, const QString& format) {
    return fileName.chopped(qMin<qsizetype>(3, fileName.size())) + format;
}

ConvertResult convertPicture(Converter& converter, const QString& folder, const QString& fileName,
                             const QString& format, const TextTable& text) {
    ConvertResult result;
    if (format.isEmpty()) {
        result.outcome = ConvertOutcome::NoFormat;
        result.report = {text[46], {}, PromptIcon::None};
        return result;
    }
    result.newName = convertedName(fileName, format);
    const QString source = folder + fileName;
    const QString target = folder + result.newName;
    // Converting "a.jpg" to "JPG" would write the picture over itself and then
    // delete it: the picture is already in that format.
    if (result.newName.compare(fileName, Qt::CaseInsensitive) == 0) {
        result.outcome = ConvertOutcome::Unchanged;
        result.report = {source + QStringLiteral("\nis a ") + format +
                             QStringLiteral(" picture already and stays as it is."),
                         {},
                         PromptIcon::None};
        return result;
    }
    // Another picture of that name would be overwritten.
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
        result.report = failureReport(text[92] + u' ' + result.newName,
                                      source + QStringLiteral("\nstays as it is."));
        return result;
    }
    const bool made = converter.convert(source, target);
    if (!made || QFileInfo(target).size() <= 0) {
        // The converter leaves no output on failure; an empty file is ours to remove.
        if (QFileInfo(target).isFile() && QFileInfo(target).size() == 0) QFile::remove(target);
        QString reason = converter.lastError();
        if (reason.isEmpty()) reason = QStringLiteral("No new file was made.");
        result.report =
            failureReport(source + QStringLiteral("\ncould not be converted to\n") + target,
                          reason + QStringLiteral("\nThe picture stays as it is."));
        return result;
    }
    QFile::remove(source);
    result.outcome = ConvertOutcome::Converted;
    result.report = threeLineReport(source, u' ' + text[86] + u' ', target);
    return result;
}

} // namespace quiverel
