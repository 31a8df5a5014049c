#include "mainwindow/picture_info.h"

#include "util/numbers.h"

#include <QLocale>

namespace quiverel {

QString datePart(const QString& dateTime) {
    return dateTime.section(u' ', 0, 0);
}

QString pictureHoverText(const QString& fileName, const QString& dateTime, QSize size,
                         qint64 bytes) {
    return u' ' + fileName + QStringLiteral("   ") + datePart(dateTime) + QStringLiteral(" \n  ") +
           QString::number(size.width()) + QStringLiteral(" x ") + QString::number(size.height()) +
           QStringLiteral("   ") + thousands(bytes) + QStringLiteral(" bytes ");
}

QString textHoverText(const QString& fileName, const QString& dateTime, qint64 bytes) {
    return u' ' + fileName + QStringLiteral("   ") + datePart(dateTime) +
           QStringLiteral(" \n      ") + thousands(bytes) + QStringLiteral(" bytes ");
}

QString foundInLine(const QString& folder) {
    return QStringLiteral("\n  Found in ") + folder + QStringLiteral("  ");
}

QString foundInFolder(const QStringList& results, const QString& fileName) {
    for (const QString& path : results) {
        const qsizetype slash = path.lastIndexOf(u'/');
        if (path.mid(slash + 1) == fileName) return path.left(slash + 1);
    }
    return {};
}

QString clockLine(const QString& word, const QDateTime& local, const QDateTime& utc) {
    const QLocale c = QLocale::c();
    return word + QStringLiteral("  ") + c.toString(local.time(), QStringLiteral("h:mm ap")) +
           QStringLiteral("  ( ") + c.toString(local.time(), QStringLiteral("hh:mm")) +
           QStringLiteral(" )") + QStringLiteral("     UTC  ") +
           c.toString(utc.time(), QStringLiteral("hh:mm:ss"));
}

} // namespace quiverel
