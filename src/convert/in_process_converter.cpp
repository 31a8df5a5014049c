#include "convert/in_process_converter.h"

#include "convert/converter_command_line.h"
#include "convert/converter_job.h"
#include "process/background_work.h"
#include "process/shell_and_wait.h"

#include <QDir>
#include <memory>

namespace quiverel {

InProcessConverter::InProcessConverter(const QString& appFolder, Prompts& prompts)
    : appFolder_(appFolder), prompts_(prompts) {}

bool InProcessConverter::run(const std::function<bool(QString*)>& operation) {
    // The worker gets the operation by value; the reason comes back through a shared box.
    auto error = std::make_shared<QString>();
    const bool ok = runInBackground([operation, error] { return operation(error.get()); });
    lastError_ = ok ? QString() : *error;
    return ok;
}

bool InProcessConverter::convert(const QString& source, const QString& target) {
    return run([=](QString* e) { return convertPicture(source, target, e); });
}

bool InProcessConverter::thumbnail(const QString& source, const QString& target) {
    return run([=](QString* e) { return thumbnailPicture(source, target, e); });
}

bool InProcessConverter::resample(const QString& source, int width, int height,
                                  const QString& iniFolder, const QString& target) {
    return run(
        [=](QString* e) { return resamplePicture(source, width, height, iniFolder, target, e); });
}

bool InProcessConverter::compress(const QString& source, const QString& iniFolder,
                                  const QString& target) {
    return run([=](QString* e) { return compressPicture(source, iniFolder, target, e); });
}

bool InProcessConverter::edit(const QString& file) {
    const QString program = QDir(appFolder_).filePath(QStringLiteral("i__view32.exe"));
    return F_7_AB_1_ShellAndWaitSimple(program, editArguments(file), prompts_);
}

} // namespace quiverel
