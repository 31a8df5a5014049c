// libFuzzer target: the converter's command-line parser. The input is its
// arguments, separated by NUL bytes; its first two also serve as the names of
// a received picture and a target, whose command lines must read back as them.
#include "convert/converter_command_line.h"
#include "support/fuzz_text.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quiverel;
    const QByteArray bytes = test::fuzzBytes(data, size);
    QStringList arguments;
    for (const QByteArray& part : bytes.split('\0'))
        arguments << QString::fromUtf8(part);
    QString error;
    const auto parsed = parseConverterArguments(arguments, &error);
    if (!parsed && error.isEmpty()) std::abort();

    // The program's own command lines: absolute names in a folder of received pictures.
    const auto fileName = [&](qsizetype i) {
        QString name = arguments.value(i);
        name.replace(u'/', u'_');
        return name.isEmpty() || name.startsWith(QStringLiteral("resample="))
                   ? QString()
                   : QStringLiteral("/nonexistent rx folder/") + name;
    };
    const QString source = fileName(0), target = fileName(1);
    if (source.isEmpty() || target.isEmpty()) return 0;
    const auto run = parseConverterArguments(convertArguments(source, target));
    if (!run || run->job.source != source || run->job.target != target) std::abort();
    const auto resampled = parseConverterArguments(
        resampleArguments(source, 320, 256, QStringLiteral("/ini"), target));
    if (!resampled || resampled->job.source != source || resampled->job.target != target ||
        resampled->job.resample != QSize(320, 256))
        std::abort();
    const auto edit = parseConverterArguments(editArguments(source));
    if (!edit || edit->editFile != source) std::abort();
    return 0;
}
