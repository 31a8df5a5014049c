#pragma once
// How a failed upload is told: which of the four operations of the upload
// failed, the text of the report and what must never be shown in it.

#include <QString>

namespace quiverel {

// How far an upload had come when it failed.
enum class FtpStage {
    Session,  // before the connection was made
    Login,    // connected, not yet logged in
    OpenFile, // logged in, the remote file not yet being written
    Write,    // bytes of the file were being sent
};

// "InternetOpen", "InternetConnect", "FtpOpenFile" or "InternetWriteFile"
// for a libcurl result code and the stage it came in.
QString operationName(int curlCode, FtpStage stage);

// "<operation> error code: <code> Message: <text>".
QString internetErrorText(const QString& operation, int code, const QString& text);

// True when the server refused the active data connection or could not open
// it, the cases in which a passive connection may still work.
bool activeConnectionFailed(int curlCode, FtpStage stage, int lastReplyCode);

// `text` with every occurrence of `secret` blotted out, so a server that
// echoes the password back cannot make it appear on screen.
QString hideSecret(QString text, const QString& secret);

} // namespace quiverel
