#include "qsl/qsl_fields.h"

#include <QLocale>

namespace quiverel {

const QStringList& qslFrequencies() {
    static const QStringList items = {QStringLiteral("1.8"),    QStringLiteral("3.845"),
                                      QStringLiteral("7.173"),  QStringLiteral("7.228"),
                                      QStringLiteral("14.230"), QStringLiteral("14.233"),
                                      QStringLiteral("21.340"), QStringLiteral("28.680")};
    return items;
}

const QStringList& qslModes() {
    static const QStringList items = {QStringLiteral("SSTV"), QStringLiteral("Digital")};
    return items;
}

const QStringList& qslReports() {
    static const QStringList items = {
        QStringLiteral("595"), QStringLiteral("575"), QStringLiteral("555"), QStringLiteral("594"),
        QStringLiteral("574"), QStringLiteral("554"), QStringLiteral("444"), QStringLiteral("333")};
    return items;
}

QString qslListStart(const QString& saved, const QStringList& items, int index) {
    if (!saved.isEmpty()) return saved;
    return index >= 0 && index < items.size() ? items[index] : QString();
}

QString qslCallText(const QString& typed) {
    QString call = typed;
    for (QChar& c : call) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
        else if (c == u'0')
            c = QChar(0x00D8);
    }
    return call;
}

QString qslDateText(const QDateTime& utc) {
    return QLocale::system().toString(utc.toUTC().date(), QLocale::ShortFormat);
}

QString qslTimeText(const QDateTime& utc) {
    return utc.toUTC().time().toString(QStringLiteral("hh:mm"));
}

} // namespace quiverel
