#include "ftp/ftp_error.h"

#include <curl/curl.h>

namespace quiverel {

QString operationName(int curlCode, FtpStage stage) {
    switch (curlCode) {
    case CURLE_FAILED_INIT:
    case CURLE_OUT_OF_MEMORY:
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_NOT_BUILT_IN:
        return QStringLiteral("InternetOpen");
    default:
        break;
    }
    switch (stage) {
    case FtpStage::Session:
    case FtpStage::Login:
        return QStringLiteral("InternetConnect");
    case FtpStage::OpenFile:
        return QStringLiteral("FtpOpenFile");
    case FtpStage::Write:
        return QStringLiteral("InternetWriteFile");
    }
    return QStringLiteral("InternetConnect");
}

QString internetErrorText(const QString& operation, int code, const QString& text) {
    return operation + QStringLiteral(" error code: ") + QString::number(code) +
           QStringLiteral(" Message: ") + text;
}

bool activeConnectionFailed(int curlCode, FtpStage stage, int lastReplyCode) {
    switch (curlCode) {
    case CURLE_FTP_PORT_FAILED:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_ACCEPT_TIMEOUT:
        return true;
    case CURLE_OK:
        return false;
    default:
        // 425: the server could not open the data connection to us.
        return stage == FtpStage::OpenFile && lastReplyCode == 425;
    }
}

QString hideSecret(QString text, const QString& secret) {
    if (!secret.isEmpty()) text.replace(secret, QStringLiteral("********"));
    return text;
}

} // namespace quiverel
