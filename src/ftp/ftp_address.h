#pragma once
// Where an upload goes: the server text of the settings ("host" or
// "host:port") and a remote path, as the URL the transfer library takes.

#include <QString>

namespace quiverel {

inline constexpr int kFtpPort = 21;

struct FtpAddress {
    QString host;
    int port = kFtpPort;
};

// "host", "host:port", "[v6]:port" or a bare IPv6 address; a port that is not
// a number from 1 to 65535 is left in the host, where the connection fails on it.
FtpAddress parseFtpAddress(const QString& server);

// "ftp://host:port/" followed by the remote path, every part of it
// percent-encoded so blanks, quotes and non-ASCII names reach the server as typed.
QByteArray ftpUrl(const FtpAddress& address, const QString& remotePath);

} // namespace quiverel
