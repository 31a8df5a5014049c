#pragma once
// The converter's command lines as argument lists: built by the program for
// i__view32.exe and read by i__view32.exe itself. No shell is involved, so a
// file name may hold any character.

#include "convert/converter_job.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace quiverel {

struct ConverterCommand {
    enum class Action { Run, Edit, Help };
    Action action = Action::Run;
    ConverterJob job;    // Run
    QString editFile;    // Edit
    bool silent = false; // never ask or show anything
};

// Reads the arguments after the program name. Options ("/convert=", "/resample=(w,h)",
// "/aspectratio", "/silent", "/ini=", "/one", "--help") come in any order; the
// one other argument is the source, which may carry "/resample=(w,h)" glued to
// its end. Nothing, with a one-line reason, when the arguments make no command.
std::optional<ConverterCommand> parseConverterArguments(const QStringList& arguments,
                                                        QString* error = nullptr);

// What --help prints.
QString converterUsage();

// The five command lines, as the program hands them to i__view32.exe.
QStringList convertArguments(const QString& source, const QString& target);
QStringList thumbnailArguments(const QString& source, const QString& target);
QStringList resampleArguments(const QString& source, int width, int height,
                              const QString& iniFolder, const QString& target);
QStringList compressArguments(const QString& source, const QString& iniFolder,
                              const QString& target);
QStringList editArguments(const QString& file);

} // namespace quiverel
