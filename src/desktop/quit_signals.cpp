#include "desktop/quit_signals.h"

#include <QObject>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace quiverel {

namespace {
int gSignalFds[2] = {-1, -1};

void handleSignal(int sig) {
    const char c = char(sig);
    [[maybe_unused]] const auto n = ::write(gSignalFds[0], &c, 1);
}
} // namespace

void onQuitSignals(QObject* context, std::function<void()> onQuit) {
    if (gSignalFds[0] >= 0) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gSignalFds) != 0) return;
    auto* notifier = new QSocketNotifier(gSignalFds[1], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [onQuit = std::move(onQuit)] {
        char c;
        [[maybe_unused]] const auto n = ::read(gSignalFds[1], &c, 1);
        onQuit();
    });
    struct sigaction sa {};
    sa.sa_handler = handleSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &sa, nullptr);
}

} // namespace quiverel
