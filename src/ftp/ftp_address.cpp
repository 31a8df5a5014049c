#include "ftp/ftp_address.h"

#include <QByteArray>
#include <QStringList>
#include <QUrl>

namespace quiverel {

namespace {
bool validPort(const QString& text, int& port) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 1 || value > 65535 || text.startsWith(u'+')) return false;
    port = value;
    return true;
}
} // namespace

FtpAddress parseFtpAddress(const QString& server) {
    FtpAddress address;
    const QString text = server.trimmed();
    if (text.startsWith(u'[')) {
        const qsizetype close = text.indexOf(u']');
        if (close > 0) {
            const QString rest = text.mid(close + 1);
            if (rest.isEmpty() || (rest.startsWith(u':') && validPort(rest.mid(1), address.port))) {
                address.host = text.mid(1, close - 1);
                return address;
            }
        }
        address.host = text;
        return address;
    }
    const qsizetype colon = text.lastIndexOf(u':');
    // More than one colon: an IPv6 address without a port.
    if (colon > 0 && text.indexOf(u':') == colon && validPort(text.mid(colon + 1), address.port)) {
        address.host = text.left(colon);
        return address;
    }
    address.host = text;
    return address;
}

QByteArray ftpUrl(const FtpAddress& address, const QString& remotePath) {
    // Names of hosts go as typed (IDN included); only what would end the host
    // part of the URL early is encoded, so the connection fails on it instead.
    QByteArray host;
    for (const char c : address.host.toUtf8()) {
        if (static_cast<unsigned char>(c) < 0x21 || QByteArray("/?#@%\\").contains(c))
            host +=
                '%' + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
        else
            host += c;
    }
    if (address.host.contains(u':')) host = '[' + host + ']';
    QByteArray path;
    const QStringList parts = remotePath.split(u'/');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0) path += '/';
        path += QUrl::toPercentEncoding(parts[i]);
    }
    return "ftp://" + host + ':' + QByteArray::number(address.port) + '/' + path;
}

} // namespace quiverel
