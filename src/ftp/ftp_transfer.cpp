#include "ftp/ftp_transfer.h"

#include "ftp/ftp_address.h"
#include "ftp/ftp_error.h"
#include "ftp/ftp_fields.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <curl/curl.h>
#include <memory>
#include <mutex>
#include <sys/socket.h>
#include <unistd.h>

namespace quiverel {

namespace {

constexpr qsizetype kReplyLimit = 2048;

// What the callbacks of one connection share.
struct Session {
    const FtpHooks* hooks = nullptr;
    FtpStage stage = FtpStage::Session;
    bool loggedIn = false;
    QByteArray pendingReply;
    QByteArray lastReply;
    int lastReplyCode = 0;

    QFile* file = nullptr;
    qint64 length = 0;
    qint64 read = 0;
    qint64 shown = -1;
    bool fileShrank = false;

    void startFile(QFile* f, qint64 size) {
        file = f;
        length = size;
        read = 0;
        shown = -1;
        fileShrank = false;
        pendingReply.clear();
        lastReply.clear();
        lastReplyCode = 0;
        stage = loggedIn ? FtpStage::OpenFile : FtpStage::Session;
    }
    void show(qint64 sent) {
        if (sent == shown) return;
        shown = sent;
        if (hooks->progress) hooks->progress(sent);
    }
};

// A reply ends with a line "ddd text"; "ddd-text" and other lines go before it.
void takeReplyLine(Session& s, const QByteArray& line) {
    static const QRegularExpression last(QStringLiteral("^(\\d{3})( |$)"));
    if (s.pendingReply.size() < kReplyLimit) s.pendingReply += line;
    const auto match = last.match(QString::fromLatin1(line));
    if (!match.hasMatch()) return;
    s.lastReply = s.pendingReply.left(kReplyLimit);
    s.pendingReply.clear();
    s.lastReplyCode = match.captured(1).toInt();
    if (s.lastReplyCode == 230) {
        s.loggedIn = true;
        if (s.stage < FtpStage::OpenFile) s.stage = FtpStage::OpenFile;
    } else if (s.stage == FtpStage::Session) {
        s.stage = FtpStage::Login;
    }
}

// Only what the server says is looked at; what we send (the password among
// it) is passed over.
int onDebug(CURL*, curl_infotype type, char* data, size_t size, void* p) {
    if (type != CURLINFO_HEADER_IN) return 0;
    auto& s = *static_cast<Session*>(p);
    const QByteArray text(data, qsizetype(size));
    for (const QByteArray& line : text.split('\n'))
        if (!line.trimmed().isEmpty()) takeReplyLine(s, line + '\n');
    return 0;
}

// Whole blocks of 100 bytes, as many as the library's buffer holds, then the rest.
size_t onRead(char* buffer, size_t size, size_t count, void* p) {
    auto& s = *static_cast<Session*>(p);
    s.stage = FtpStage::Write;
    const qint64 left = s.length - s.read;
    qint64 want = std::min<qint64>(left, qint64(size * count));
    if (want < left && want >= kFtpBlock) want -= want % kFtpBlock;
    if (want <= 0) return 0;
    const qint64 got = s.file->read(buffer, want);
    if (got != want) {
        s.fileShrank = true;
        return CURL_READFUNC_ABORT;
    }
    s.read += got;
    return size_t(got);
}

bool stopRequested(const FtpHooks& hooks) {
    return (hooks.cancel && hooks.cancel->cancelled()) ||
           (hooks.stopRequested && hooks.stopRequested());
}

int onProgress(void* p, curl_off_t, curl_off_t, curl_off_t, curl_off_t sentNow) {
    auto& s = *static_cast<Session*>(p);
    if (stopRequested(*s.hooks)) return 1;
    if (s.stage != FtpStage::Write) return 0;
    const qint64 sent = std::min<qint64>(sentNow, s.length);
    s.show(sent == s.length ? sent : sent - sent % kFtpBlock);
    return 0;
}

curl_socket_t onOpenSocket(void* p, curlsocktype, curl_sockaddr* address) {
    const int fd = ::socket(address->family, address->socktype | SOCK_CLOEXEC, address->protocol);
    if (fd >= 0 && !static_cast<FtpCancel*>(p)->track(fd)) {
        ::close(fd);
        return CURL_SOCKET_BAD;
    }
    return fd < 0 ? CURL_SOCKET_BAD : fd;
}

int onCloseSocket(void* p, curl_socket_t fd) {
    static_cast<FtpCancel*>(p)->forget(fd);
    return ::close(fd);
}

struct CurlDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};

void initialiseOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

void setMode(CURL* curl, bool passive) {
    curl_easy_setopt(curl, CURLOPT_FTPPORT, passive ? nullptr : "-");
}

} // namespace

void FtpCancel::cancel() {
    const std::lock_guard lock(mutex_);
    stop_ = true;
    for (const int fd : sockets_)
        ::shutdown(fd, SHUT_RDWR);
}

bool FtpCancel::track(int fd) {
    const std::lock_guard lock(mutex_);
    if (stop_) return false;
    sockets_.insert(fd);
    return true;
}

void FtpCancel::forget(int fd) {
    const std::lock_guard lock(mutex_);
    sockets_.erase(fd);
}

FtpOutcome uploadFiles(const FtpAccount& account, const QList<FtpFile>& files,
                       const FtpHooks& hooks, const FtpLimits& limits) {
    initialiseOnce();
    FtpOutcome outcome;
    if (holdsControlCharacter(account.server) || holdsControlCharacter(account.user) ||
        holdsControlCharacter(account.password) ||
        std::any_of(files.begin(), files.end(),
                    [](const FtpFile& f) { return holdsControlCharacter(f.remotePath); })) {
        // Nothing is sent: the library would pass a line break on as it stands.
        outcome.operation = operationName(CURLE_BAD_FUNCTION_ARGUMENT, FtpStage::Session);
        outcome.code = CURLE_BAD_FUNCTION_ARGUMENT;
        outcome.text = QStringLiteral("A setting holds a control character.");
        return outcome;
    }
    Session session;
    session.hooks = &hooks;

    const std::unique_ptr<CURL, CurlDeleter> handle(curl_easy_init());
    CURL* curl = handle.get();
    if (!curl) {
        outcome.operation = operationName(CURLE_FAILED_INIT, FtpStage::Session);
        outcome.code = CURLE_FAILED_INIT;
        outcome.text = QString::fromUtf8(curl_easy_strerror(CURLE_FAILED_INIT));
        return outcome;
    }
    const QByteArray user = account.user.toUtf8();
    const QByteArray password = account.password.toUtf8();
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Quiverel");
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, 0L);
    // An empty user name logs in anonymously, as the settings always allowed.
    if (!user.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, long(limits.connectSeconds));
    curl_easy_setopt(curl, CURLOPT_ACCEPTTIMEOUT_MS, long(limits.connectSeconds) * 1000);
    curl_easy_setopt(curl, CURLOPT_FTP_RESPONSE_TIMEOUT, long(limits.stallSeconds));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, long(limits.stallSeconds));
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, &onRead);
    curl_easy_setopt(curl, CURLOPT_READDATA, &session);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &onProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &session);
    if (hooks.cancel) {
        curl_easy_setopt(curl, CURLOPT_OPENSOCKETFUNCTION, &onOpenSocket);
        curl_easy_setopt(curl, CURLOPT_OPENSOCKETDATA, hooks.cancel);
        curl_easy_setopt(curl, CURLOPT_CLOSESOCKETFUNCTION, &onCloseSocket);
        curl_easy_setopt(curl, CURLOPT_CLOSESOCKETDATA, hooks.cancel);
    }
    // The debug hook only reads the server's replies; nothing is printed.
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, &onDebug);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &session);
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);

    const FtpAddress address = parseFtpAddress(account.server);
    bool passive = false;
    setMode(curl, passive);
    for (qsizetype i = 0; i < files.size(); ++i) {
        const FtpFile& f = files[i];
        const QByteArray url = ftpUrl(address, f.remotePath);
        curl_easy_setopt(curl, CURLOPT_URL, url.constData());
        CURLcode result = CURLE_OK;
        for (;;) {
            QFile local(f.localPath);
            if (!local.open(QIODevice::ReadOnly)) {
                outcome.localError = f.localPath + u'\n' + local.errorString();
                return outcome;
            }
            session.startFile(&local, local.size());
            if (hooks.fileStarted) hooks.fileStarted(int(i), session.length);
            result = curl_easy_perform(curl);
            if (result != CURLE_OK && !passive && !stopRequested(hooks) &&
                activeConnectionFailed(result, session.stage, session.lastReplyCode)) {
                passive = true;
                setMode(curl, passive);
                continue;
            }
            break;
        }
        if (result != CURLE_OK && stopRequested(hooks)) {
            outcome.cancelled = true;
            return outcome;
        }
        if (result != CURLE_OK) {
            outcome.passive = passive;
            outcome.operation = operationName(result, session.stage);
            outcome.code = result;
            // The library's text for the code: its error buffer may hold an
            // earlier, harmless complaint instead of the reason.
            outcome.text = QString::fromUtf8(curl_easy_strerror(result));
            if (session.fileShrank)
                outcome.text += QStringLiteral(" (%1 changed while it was sent)").arg(f.localPath);
            outcome.text = hideSecret(outcome.text, account.password);
            if (session.lastReplyCode >= 400)
                outcome.serverReply =
                    hideSecret(QString::fromUtf8(session.lastReply).trimmed(), account.password);
            return outcome;
        }
        session.show(session.length);
        ++outcome.filesSent;
    }
    outcome.ok = true;
    outcome.passive = passive;
    return outcome;
}

} // namespace quiverel
