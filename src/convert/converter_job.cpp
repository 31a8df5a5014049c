#include "convert/converter_job.h"

#include "convert/iview_ini.h"
#include "imaging/fit_resample.h"
#include "imaging/picture_file.h"
#include "imaging/picture_limits.h"
#include "imaging/thumbnail.h"

#include <QDir>
#include <QFileInfo>

namespace quiverel {

namespace {

bool fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

// The JPEG 2000 target size from the ini folder; false with a reason when
// the file has no usable [JP2] section.
bool jp2Target(const QString& iniFolder, qint64& bytes, QString* error) {
    const QString ini = QDir(iniFolder).filePath(QLatin1String(kIviewIniName));
    const std::optional<int> size = readJp2TargetSize(ini);
    if (!size) return fail(error, QStringLiteral("no [JP2] section in %1").arg(ini));
    if (*size <= 0)
        return fail(error, QStringLiteral("no JPEG 2000 target size in [JP2] of %1").arg(ini));
    bytes = *size;
    return true;
}

} // namespace

QString resolveConverterSource(const QString& source) {
    const QFileInfo info(source);
    const QString name = info.fileName();
    if (!name.contains(u'*') && !name.contains(u'?')) return source;
    if (QFileInfo::exists(source)) return source; // a file really named so
    const QStringList matches =
        QDir(info.path())
            .entryList({name}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    return matches.isEmpty() ? QString() : QDir(info.path()).filePath(matches.first());
}

bool runConverterJob(const ConverterJob& job, QString* error) {
    const PictureFormat format = formatForFileName(job.target);
    if (job.target.isEmpty() || format == PictureFormat::Unknown)
        return fail(error, QStringLiteral("unknown picture type of target: %1").arg(job.target));
    if (job.resample && !isSanePictureSize(job.resample->width(), job.resample->height()))
        return fail(error, QStringLiteral("unusable size %1 x %2")
                               .arg(job.resample->width())
                               .arg(job.resample->height()));

    EncodeOptions encode;
    if (job.iniFolder && format == PictureFormat::Jp2) {
        qint64 bytes = 0;
        if (!jp2Target(*job.iniFolder, bytes, error)) return false;
        encode.jp2TargetBytes = bytes;
    }

    const QString source = resolveConverterSource(job.source);
    if (source.isEmpty()) return fail(error, QStringLiteral("no file matches %1").arg(job.source));
    DecodeOptions decode;
    if (job.resample && job.keepAspect) decode.fitBox = *job.resample;
    QImage picture = loadPicture(source, decode, error);
    if (picture.isNull()) return false;
    if (job.resample)
        picture = job.keepAspect ? fitResample(picture, *job.resample)
                                 : stretchResample(picture, *job.resample);
    if (picture.isNull()) return fail(error, QStringLiteral("out of memory"));

    QString why;
    if (!savePicture(picture, job.target, encode, &why)) {
        if (encode.jp2TargetBytes && why.startsWith(u"cannot encode"))
            why = QStringLiteral("cannot fit %1 into %2 bytes")
                      .arg(job.target)
                      .arg(*encode.jp2TargetBytes);
        return fail(error, why);
    }
    return true;
}

namespace {

ConverterJob job(const QString& source, const QString& target, std::optional<QSize> size = {},
                 std::optional<QString> iniFolder = {}) {
    ConverterJob j;
    j.source = source;
    j.target = target;
    j.resample = size;
    j.keepAspect = true;
    j.iniFolder = iniFolder;
    return j;
}

} // namespace

bool convertPicture(const QString& source, const QString& target, QString* error) {
    return runConverterJob(job(source, target), error);
}

bool thumbnailPicture(const QString& source, const QString& target, QString* error) {
    return runConverterJob(job(source, target, kThumbnailBox), error);
}

bool resamplePicture(const QString& source, int width, int height, const QString& iniFolder,
                     const QString& target, QString* error) {
    return runConverterJob(job(source, target, QSize(width, height), iniFolder), error);
}

bool compressPicture(const QString& source, const QString& iniFolder, const QString& target,
                     QString* error) {
    return runConverterJob(job(source, target, std::nullopt, iniFolder), error);
}

} // namespace quiverel
