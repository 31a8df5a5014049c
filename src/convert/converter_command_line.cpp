#include "convert/converter_command_line.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace quiverel {

namespace {

const QString kConvert = QStringLiteral("/convert=");
const QString kResample = QStringLiteral("/resample=");
const QString kIni = QStringLiteral("/ini=");
const QString kAspect = QStringLiteral("/aspectratio");
const QString kSilent = QStringLiteral("/silent");
const QString kOne = QStringLiteral("/one");

// "(w,h)" with decimal sizes from 1 to 65535.
std::optional<QSize> parseSize(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral(R"(^\(\s*(\d{1,5})\s*,\s*(\d{1,5})\s*\)\z)"));
    const auto m = form.match(text);
    if (!m.hasMatch()) return std::nullopt;
    const int w = m.captured(1).toInt(), h = m.captured(2).toInt();
    if (w < 1 || h < 1 || w > 65535 || h > 65535) return std::nullopt;
    return QSize(w, h);
}

std::optional<ConverterCommand> fail(QString* error, const QString& why) {
    if (error) *error = why;
    return std::nullopt;
}

} // namespace

std::optional<ConverterCommand> parseConverterArguments(const QStringList& arguments,
                                                        QString* error) {
    ConverterCommand c;
    std::optional<QString> source, target;
    bool edit = false;
    for (const QString& a : arguments) {
        if (a == u"--help") {
            c.action = ConverterCommand::Action::Help;
            return c;
        }
        if (a.startsWith(kConvert)) {
            target = a.mid(kConvert.size());
        } else if (a.startsWith(kResample)) {
            c.job.resample = parseSize(a.mid(kResample.size()));
            if (!c.job.resample) return fail(error, QStringLiteral("bad size in %1").arg(a));
        } else if (a.startsWith(kIni)) {
            c.job.iniFolder = a.mid(kIni.size());
        } else if (a == kAspect) {
            c.job.keepAspect = true;
        } else if (a == kSilent) {
            c.silent = true;
        } else if (a == kOne) {
            edit = true;
        } else if (!source) {
            source = a;
        } else {
            return fail(error, QStringLiteral("more than one source: %1").arg(a));
        }
    }
    if (!source || source->isEmpty()) return fail(error, QStringLiteral("no source picture given"));

    // "<source>/resample=(w,h)": the Resample form glues the option to the
    // source. A file really named so keeps its name.
    // A file name may hold line breaks: "." takes them, and "\z" leaves none over.
    static const QRegularExpression glued(QStringLiteral(R"(^(.+)/resample=(\([^()]*\))\z)"),
                                          QRegularExpression::DotMatchesEverythingOption);
    const auto m = glued.match(*source);
    if (m.hasMatch() && !QFileInfo::exists(*source)) {
        const std::optional<QSize> size = parseSize(m.captured(2));
        if (!size) return fail(error, QStringLiteral("bad size in %1").arg(*source));
        if (c.job.resample) return fail(error, QStringLiteral("two sizes given"));
        c.job.resample = size;
        source = m.captured(1);
    }

    if (edit) {
        if (target) return fail(error, QStringLiteral("/one and /convert= together"));
        c.action = ConverterCommand::Action::Edit;
        c.editFile = *source;
        return c;
    }
    if (!target || target->isEmpty())
        return fail(error, QStringLiteral("no /convert= target given"));
    c.job.source = *source;
    c.job.target = *target;
    return c;
}

QString converterUsage() {
    return QStringLiteral(
        "Usage: i__view32.exe SOURCE [options]\n"
        "  SOURCE /convert=TARGET                      convert by the target's extension\n"
        "  SOURCE /resample=(W,H) /aspectratio /convert=TARGET\n"
        "                                              fit into W x H (stretch without\n"
        "                                              /aspectratio)\n"
        "  SOURCE/resample=(W,H) ...                   the same, glued to the source\n"
        "  SOURCE /ini=FOLDER /convert=TARGET.jp2      JPEG 2000 of the size in\n"
        "                                              FOLDER/i_view32.ini [JP2]\n"
        "  SOURCE /one                                 open the picture for editing\n"
        "  /silent                                     never ask or show anything\n"
        "Pictures: .bmp .jpg .png .gif .jp2 .j2k, read by content. A \"*\" in the\n"
        "source's name takes the first matching file. Exit status 0 when the target\n"
        "was written.\n");
}

QStringList convertArguments(const QString& source, const QString& target) {
    return {source, kConvert + target};
}

QStringList thumbnailArguments(const QString& source, const QString& target) {
    return {source, QStringLiteral("/resample=(112,84)"), kAspect, kSilent, kConvert + target};
}

QStringList resampleArguments(const QString& source, int width, int height,
                              const QString& iniFolder, const QString& target) {
    return {source + QStringLiteral("/resample=(%1,%2)").arg(width).arg(height), kAspect,
            kIni + iniFolder, kConvert + target};
}

QStringList compressArguments(const QString& source, const QString& iniFolder,
                              const QString& target) {
    return {source, kIni + iniFolder, kConvert + target};
}

QStringList editArguments(const QString& file) {
    return {file, kOne};
}

} // namespace quiverel
