#include "util/text_file.h"

#include "util/regular_file.h"
#include "util/temporary_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quiverel {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

QString decodeCp1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out.append(b >= 0x80 && b < 0xA0 ? QChar(kCp1252High[b - 0x80]) : QChar(b));
    }
    return out;
}

mode_t toMode(QFileDevice::Permissions p) {
    mode_t m = 0;
    if (p & QFileDevice::ReadOwner) m |= S_IRUSR;
    if (p & QFileDevice::WriteOwner) m |= S_IWUSR;
    if (p & QFileDevice::ExeOwner) m |= S_IXUSR;
    if (p & QFileDevice::ReadGroup) m |= S_IRGRP;
    if (p & QFileDevice::WriteGroup) m |= S_IWGRP;
    if (p & QFileDevice::ExeGroup) m |= S_IXGRP;
    if (p & QFileDevice::ReadOther) m |= S_IROTH;
    if (p & QFileDevice::WriteOther) m |= S_IWOTH;
    if (p & QFileDevice::ExeOther) m |= S_IXOTH;
    return m;
}

} // namespace

QString decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) return decodeCp1252(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n') ++i;
            start = i + 1;
        }
    }
    if (start < n) lines.append(text.mid(start));
    return lines;
}

std::optional<QString> readTextFile(const QString& path, qint64 maxBytes) {
    const auto bytes = readRegularFile(path, maxBytes, BeyondLimit::Cut);
    if (!bytes) return std::nullopt;
    return decodeText(*bytes);
}

QStringList readTextLines(const QString& path) {
    const auto text = readTextFile(path);
    return text ? splitLines(*text) : QStringList{};
}

bool writeFileAtomic(const QString& path, const QByteArray& bytes,
                     QFileDevice::Permissions permissions) {
    const QFileInfo info(path);
    QByteArray pattern = QFile::encodeName(temporaryPatternFor(info.absoluteFilePath()));
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return false;
    bool ok = true;
    qsizetype done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t w = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (w < 0 && errno == EINTR) continue;
        ok = w > 0;
        if (ok) done += w;
    }
    ok = ok && ::fchmod(fd, toMode(permissions)) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(pattern.constData(), QFile::encodeName(info.absoluteFilePath())) == 0;
    if (!ok) ::unlink(pattern.constData());
    return ok;
}

bool writeTextLines(const QString& path, const QStringList& lines,
                    QFileDevice::Permissions permissions) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return writeFileAtomic(path, bytes, permissions);
}

} // namespace quiverel
