#include "tools/text_file_creator.h"

#include <QSaveFile>

namespace quiverel {

QByteArray textFileBytes(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return (t + QStringLiteral("\r\n")).toUtf8();
}

QString saveTextFile(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    const QByteArray bytes = textFileBytes(text);
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

QString dialogFolderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash + 1);
}

QString notSavedMessage(const QString& path, const QString& reason) {
    return QStringLiteral("The text could not be saved as\n") + path + u'\n' + reason;
}

void pasteIntoEasyPal(Desktop& desktop, const std::function<void(int ms)>& pause) {
    if (desktop.activateWindowByTitle(QStringLiteral("EasyPal"))) {
        if (pause) pause(500);
        desktop.sendKeys(QStringLiteral("{F7}"));
    }
}

} // namespace quiverel
