#include "desktop/qt_desktop.h"

#include "desktop/trash.h"

#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

namespace quiverel {

QSize QtDesktop::screenSize() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize(1024, 768);
}

QPoint QtDesktop::cursorPos() const {
    return QCursor::pos();
}

bool QtDesktop::setCursorPos(QPoint screen) {
    QCursor::setPos(screen);
    return QCursor::pos() == screen;
}

void QtDesktop::setClipboard(const ClipboardContent& content) {
    auto* data = new QMimeData;
    if (!content.picture.isNull()) data->setImageData(content.picture);
    if (!content.filePath.isEmpty()) {
        const QUrl url = QUrl::fromLocalFile(content.filePath);
        data->setUrls({url});
        // File managers paste a copied file from this form.
        data->setData(QStringLiteral("x-special/gnome-copied-files"), "copy\n" + url.toEncoded());
    }
    if (!content.text.isEmpty()) data->setText(content.text);
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

bool QtDesktop::recycleFile(const QString& path) {
    return moveFileToTrash(path);
}

bool QtDesktop::openTextFile(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace quiverel
