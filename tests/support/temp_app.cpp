#include "support/temp_app.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quiverel::test {

TempApp::TempApp() {
    QDir(dir_.path()).mkpath(QStringLiteral("ini"));
}

void TempApp::write(const QString& relative, const QByteArray& bytes) const {
    const QString p = path() + u'/' + relative;
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

QByteArray TempApp::read(const QString& relative) const {
    QFile f(path() + u'/' + relative);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TempApp::exists(const QString& relative) const {
    return QFileInfo::exists(path() + u'/' + relative);
}

QByteArray shippedLanguageIni() {
    QFile f(QStringLiteral(QUIVEREL_SOURCE_DIR "/data/ini/Language.ini"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace quiverel::test
