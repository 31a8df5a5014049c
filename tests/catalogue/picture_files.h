#pragma once
// Pictures drawn by the tests, written into folders.

#include <QColor>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

namespace quiverel::test {

inline bool writePicture(const QString& path, QSize size = {64, 48}, QColor colour = Qt::blue,
                         const char* format = nullptr) {
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    return img.save(path, format);
}

inline void setModified(const QString& path, const QDateTime& when) {
    QFile f(path);
    if (f.open(QIODevice::ReadWrite)) f.setFileTime(when, QFileDevice::FileModificationTime);
}

} // namespace quiverel::test
