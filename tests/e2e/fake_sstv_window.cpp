// A stand-in for an SSTV program's window in the end-to-end tests: a plain X
// window with a given title that writes every key it receives to a log, one
// line per key press: the key's name and the modifiers held ("F7", "1",
// "e alt", "a shift"). Modifier keys on their own are not logged.
//
//   fake_sstv_window <title> <logfile>
//
// Prints "window <id>" and "ready" once the window is mapped; ends on
// SIGTERM or when the window is closed.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <string>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void onSignal(int) {
    stopRequested = 1;
}

std::string modifierNames(unsigned int state) {
    std::string s;
    if (state & ControlMask) s += " ctrl";
    if (state & Mod1Mask) s += " alt";
    if (state & ShiftMask) s += " shift";
    return s;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <title> <logfile>\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    std::FILE* log = std::fopen(argv[2], "a");
    if (!log) {
        std::fprintf(stderr, "cannot open %s: %s\n", argv[2], std::strerror(errno));
        return 1;
    }

    struct sigaction sa {};
    sa.sa_handler = onSignal; // no SA_RESTART: poll() returns at once
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);

    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    const int screen = DefaultScreen(d);
    const Window w = XCreateSimpleWindow(d, RootWindow(d, screen), 40, 40, 240, 120, 1,
                                         BlackPixel(d, screen), WhitePixel(d, screen));
    XStoreName(d, w, title.c_str());
    XChangeProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False),
                    XInternAtom(d, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()), int(title.size()));
    XClassHint hint{const_cast<char*>("fake_sstv_window"), const_cast<char*>("FakeSstvWindow")};
    XSetClassHint(d, w, &hint);
    XWMHints wmHints{};
    wmHints.flags = InputHint | StateHint;
    wmHints.input = True; // the window manager gives it the keyboard focus
    wmHints.initial_state = NormalState;
    XSetWMHints(d, w, &wmHints);
    Atom deleteWindow = XInternAtom(d, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(d, w, &deleteWindow, 1);
    XSelectInput(d, w, KeyPressMask | StructureNotifyMask | FocusChangeMask);
    XMapWindow(d, w);
    XFlush(d);

    bool mapped = false;
    struct pollfd pfd {
        ConnectionNumber(d), POLLIN, 0
    };
    while (!stopRequested) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && !mapped) {
                mapped = true;
                std::printf("window %lu\nready\n", static_cast<unsigned long>(w));
                std::fflush(stdout);
            } else if (e.type == KeyPress) {
                const KeySym sym = XLookupKeysym(&e.xkey, 0);
                if (IsModifierKey(sym)) continue;
                const char* name = XKeysymToString(sym);
                std::fprintf(log, "%s%s\n", name ? name : "NoSymbol",
                             modifierNames(e.xkey.state).c_str());
                std::fflush(log);
            } else if (e.type == FocusIn || e.type == FocusOut) {
                std::fprintf(stderr, "%s %s\n", title.c_str(),
                             e.type == FocusIn ? "focus in" : "focus out");
            } else if (e.type == ClientMessage && Atom(e.xclient.data.l[0]) == deleteWindow) {
                stopRequested = 1;
            } else if (e.type == DestroyNotify) {
                stopRequested = 1;
            }
        }
        if (stopRequested) break;
        pfd.revents = 0;
        // A window manager still starting up can drop the map request: ask again.
        if (poll(&pfd, 1, 200) == 0 && !mapped) {
            XMapWindow(d, w);
            XFlush(d);
        }
    }
    XCloseDisplay(d);
    std::fclose(log);
    return 0;
}
