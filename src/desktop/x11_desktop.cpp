#include "desktop/x11_desktop.h"

#include "desktop/send_keys.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>
#include <QtDebug>

#include <algorithm>
#include <functional>
#include <poll.h>
#include <vector>

// X11 headers last: they #define names (None, Bool, Status) that Qt's headers use.
#include <X11/X.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace quiverel {

namespace {

// How long the window manager gets to make a window the active one.
constexpr int kActivateTimeoutMs = 2000;
constexpr int kActivatePollMs = 20;
constexpr int kActivateRepeatMs = 250;
// How often the window is activated again when the focus left it before a key.
constexpr int kRefocusAttempts = 3;
// A short gap between key strokes: some programs (Wine ones among them) read
// a burst of synthetic events slower than they arrive and drop keys.
constexpr int kKeyGapMs = 10;
// Deepest window searched below a nameless top-level window (a window
// manager's frame holds the client one or two levels down).
constexpr int kMaxDepth = 4;

// Collects X errors for the requests made while it lives, instead of the
// process-wide handler: a window that goes away while it is being looked at
// or activated is an ordinary event, never a crash or a message.
class ErrorTrap {
public:
    explicit ErrorTrap(Display* d) : display_(d) {
        XSync(display_, False);
        errors_ = 0;
        previous_ = XSetErrorHandler(&ErrorTrap::handler);
    }
    ~ErrorTrap() {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

    // Whether any request since the trap was set (or last asked) failed.
    bool failed() {
        XSync(display_, False);
        const bool any = errors_ != 0;
        errors_ = 0;
        return any;
    }

private:
    static int handler(Display*, XErrorEvent*) {
        ++errors_;
        return 0;
    }
    static inline int errors_ = 0;
    Display* display_;
    XErrorHandler previous_ = nullptr;
};

Atom atom(Display* d, const char* name) {
    return XInternAtom(d, name, False);
}

// A property of 32-bit items (windows, atoms, cardinals); empty when absent.
std::vector<unsigned long> longsProperty(Display* d, Window w, Atom property, Atom type) {
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> result;
    if (XGetWindowProperty(d, w, property, 0, 65536, False, type, &actualType, &format, &count,
                           &after, &data) == Success &&
        data && actualType == type && format == 32) {
        // Xlib hands 32-bit items over as longs.
        const auto* items = reinterpret_cast<const unsigned long*>(data);
        result.assign(items, items + count);
    }
    if (data) XFree(data);
    return result;
}

Window windowProperty(Display* d, Window w, const char* name) {
    const auto v = longsProperty(d, w, atom(d, name), XA_WINDOW);
    return v.empty() ? 0 : Window(v.front());
}

// A window's title: _NET_WM_NAME (UTF-8), else WM_NAME; cut at the first
// zero character, as the title a program sets ends there.
QString windowTitle(Display* d, Window w) {
    const Atom utf8 = atom(d, "UTF8_STRING");
    for (Atom property : {atom(d, "_NET_WM_NAME"), Atom(XA_WM_NAME)}) {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        QString title;
        if (XGetWindowProperty(d, w, property, 0, 1024, False, AnyPropertyType, &type, &format,
                               &count, &after, &data) == Success &&
            data && format == 8 && count > 0) {
            const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(count));
            const QByteArray text =
                bytes.left(bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0'));
            if (type == utf8) {
                title = QString::fromUtf8(text);
            } else if (type == XA_STRING) {
                title = QString::fromLatin1(text);
            } else {
                // COMPOUND_TEXT and the like: Xlib converts, else the bytes as they are.
                XTextProperty prop{data, type, format, count};
                char** list = nullptr;
                int n = 0;
                if (Xutf8TextPropertyToTextList(d, &prop, &list, &n) >= Success && list && n > 0)
                    title = QString::fromUtf8(list[0]);
                else
                    title = QString::fromLatin1(text);
                if (list) XFreeStringList(list);
            }
        }
        if (data) XFree(data);
        if (!title.isEmpty()) return title;
    }
    return {};
}

// The window manager's check window when a live one is running: the root
// names it, and it names itself. A window manager that died leaves the root's
// property naming a window that no longer exists (or is someone else's).
Window liveWindowManager(Display* d, Window root) {
    const Window check = windowProperty(d, root, "_NET_SUPPORTING_WM_CHECK");
    if (!check) return 0;
    return windowProperty(d, check, "_NET_SUPPORTING_WM_CHECK") == check ? check : 0;
}

bool rootSupports(Display* d, Window root, const char* name) {
    const Atom wanted = atom(d, name);
    for (unsigned long a : longsProperty(d, root, atom(d, "_NET_SUPPORTED"), XA_ATOM))
        if (Atom(a) == wanted) return true;
    return false;
}

// The children of a window, the topmost first (the order windows are
// listed in on the desktop the program comes from).
std::vector<Window> childrenTopFirst(Display* d, Window w) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int n = 0;
    std::vector<Window> result;
    if (XQueryTree(d, w, &root, &parent, &children, &n) && children)
        result.assign(children, children + n);
    if (children) XFree(children);
    return {result.rbegin(), result.rend()};
}

Window parentOf(Display* d, Window w) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(d, w, &root, &parent, &children, &n)) parent = 0;
    if (children) XFree(children);
    return parent;
}

bool titleMatches(const QString& title, const QString& part) {
    return !title.isEmpty() && title.contains(part, Qt::CaseInsensitive);
}

// Below a nameless window: the first named window, topmost first, not looking
// inside named ones. 0 when the first named one does not match or none is there.
Window searchBelow(Display* d, Window w, const QString& part, int depth) {
    if (depth > kMaxDepth) return 0;
    for (Window child : childrenTopFirst(d, w)) {
        const QString title = windowTitle(d, child);
        if (!title.isEmpty()) {
            if (titleMatches(title, part)) return child;
            continue;
        }
        if (Window found = searchBelow(d, child, part, depth + 1)) return found;
    }
    return 0;
}

Window searchTree(Display* d, Window root, const QString& part) {
    for (Window top : childrenTopFirst(d, root)) {
        const QString title = windowTitle(d, top);
        if (!title.isEmpty()) {
            if (titleMatches(title, part)) return top;
        } else if (Window found = searchBelow(d, top, part, 1)) {
            return found;
        }
    }
    return 0;
}

bool isAncestorOrSelf(Display* d, Window ancestor, Window w, Window root) {
    for (int i = 0; w && w != root && i < 64; ++i) {
        if (w == ancestor) return true;
        w = parentOf(d, w);
    }
    return false;
}

bool isMinimised(Display* d, Window w) {
    const Atom wmState = atom(d, "WM_STATE");
    const auto state = longsProperty(d, w, wmState, wmState);
    if (!state.empty() && state.front() == IconicState) return true;
    const Atom hidden = atom(d, "_NET_WM_STATE_HIDDEN");
    for (unsigned long a : longsProperty(d, w, atom(d, "_NET_WM_STATE"), XA_ATOM))
        if (Atom(a) == hidden) return true;
    return false;
}

// Through the window manager: ask it to activate the window (it also
// restores a minimised one and switches to its workspace), then wait until
// it says the window is the active one.
bool activateThroughWindowManager(Display* d, Window root, Window w, ErrorTrap& trap) {
    // A minimised window asks to be shown again by being mapped.
    if (isMinimised(d, w)) XMapWindow(d, w);

    const auto ask = [&] {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = w;
        e.xclient.message_type = atom(d, "_NET_ACTIVE_WINDOW");
        e.xclient.format = 32;
        e.xclient.data.l[0] = 2; // the request comes from a pager-like tool: honoured as the user's
        e.xclient.data.l[1] = CurrentTime;
        e.xclient.data.l[2] = 0;
        XSendEvent(d, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
        return !trap.failed();
    };
    if (!ask()) return false;

    const QDeadlineTimer deadline(kActivateTimeoutMs);
    QDeadlineTimer askAgain(kActivateRepeatMs);
    while (true) {
        const Window active = windowProperty(d, root, "_NET_ACTIVE_WINDOW");
        if (trap.failed()) return false;
        if (active == w) return true;
        if (deadline.hasExpired()) return false;
        // A click on another window right after the request (the user
        // choosing the next picture) can take the focus back before we look.
        if (askAgain.hasExpired()) {
            if (!ask()) return false;
            askAgain.setRemainingTime(kActivateRepeatMs);
        }
        QThread::msleep(kActivatePollMs);
    }
}

// Whether the window lists WM_TAKE_FOCUS among its WM_PROTOCOLS.
bool takesFocus(Display* d, Window w) {
    Atom* protocols = nullptr;
    int count = 0;
    bool found = false;
    if (XGetWMProtocols(d, w, &protocols, &count) && protocols) {
        const Atom wanted = atom(d, "WM_TAKE_FOCUS");
        found = std::find(protocols, protocols + count, wanted) != protocols + count;
    }
    if (protocols) XFree(protocols);
    return found;
}

// The server's time now, from the PropertyNotify of a zero-length append to a
// window of our own; CurrentTime when it does not come. On a connection of
// its own, as Qt reads the events of the program's one.
Time serverTime(Display* d) {
    Display* own = XOpenDisplay(DisplayString(d));
    if (!own) return CurrentTime;
    XSetWindowAttributes attributes{};
    attributes.event_mask = PropertyChangeMask;
    const Window w = XCreateWindow(own, DefaultRootWindow(own), -1, -1, 1, 1, 0, CopyFromParent,
                                   InputOnly, CopyFromParent, CWEventMask, &attributes);
    XChangeProperty(own, w, atom(own, "WM_NAME"), XA_STRING, 8, PropModeAppend, nullptr, 0);
    XFlush(own);
    Time time = CurrentTime;
    const QDeadlineTimer deadline(kActivateTimeoutMs);
    XEvent e{};
    while (!deadline.hasExpired()) {
        if (XCheckTypedWindowEvent(own, w, PropertyNotify, &e)) {
            time = e.xproperty.time;
            break;
        }
        pollfd fd{ConnectionNumber(own), POLLIN, 0};
        poll(&fd, 1, kActivatePollMs);
    }
    XDestroyWindow(own, w);
    XCloseDisplay(own);
    return time;
}

// Tells the window it is given the focus, as a window manager does: Wine
// programs, for one, keep their keyboard focus where it was until told.
void sendTakeFocus(Display* d, Window w) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = atom(d, "WM_PROTOCOLS");
    e.xclient.format = 32;
    e.xclient.data.l[0] = long(atom(d, "WM_TAKE_FOCUS"));
    e.xclient.data.l[1] = long(serverTime(d));
    XSendEvent(d, w, False, NoEventMask, &e);
}

// Without a window manager: map and raise the window and give it the input
// focus; it is in front when the focus is on it or inside it.
bool activateThroughFocus(Display* d, Window root, Window w, ErrorTrap& trap) {
    Window top = w;
    for (Window p = parentOf(d, top); p && p != root; p = parentOf(d, top))
        top = p;
    if (top != w) XMapRaised(d, top);
    XMapRaised(d, w);
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(d, w, &attributes) || trap.failed()) return false;
    if (attributes.map_state != IsViewable) return false;

    XSetInputFocus(d, w, RevertToParent, CurrentTime);
    if (trap.failed()) return false;
    if (takesFocus(d, w)) sendTakeFocus(d, w);
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(d, &focus, &revert);
    return !trap.failed() && isAncestorOrSelf(d, w, focus, root);
}

// The keyboard as the server maps it, read once per string of keys.
class KeyboardMap {
public:
    explicit KeyboardMap(Display* d) {
        XDisplayKeycodes(d, &min_, &max_);
        syms_ = XGetKeyboardMapping(d, KeyCode(min_), max_ - min_ + 1, &perCode_);
        XModifierKeymap* mods = XGetModifierMapping(d);
        if (mods) {
            const auto first = [&](int index) {
                for (int i = 0; i < mods->max_keypermod; ++i)
                    if (KeyCode k = mods->modifiermap[index * mods->max_keypermod + i]) return k;
                return KeyCode(0);
            };
            shift_ = first(ShiftMapIndex);
            control_ = first(ControlMapIndex);
            alt_ = first(Mod1MapIndex); // Alt is Mod1 on X keyboards
            XFreeModifiermap(mods);
        }
    }
    ~KeyboardMap() {
        if (syms_) XFree(syms_);
    }
    KeyboardMap(const KeyboardMap&) = delete;
    KeyboardMap& operator=(const KeyboardMap&) = delete;

    // The key that types `sym`, preferring one without Shift; 0 when none does.
    KeyCode find(KeySym sym, bool& needsShift) const {
        if (!syms_) return 0;
        for (int level = 0; level < std::min(perCode_, 2); ++level)
            for (int code = min_; code <= max_; ++code)
                if (syms_[(code - min_) * perCode_ + level] == sym) {
                    needsShift = level == 1;
                    return KeyCode(code);
                }
        return 0;
    }

    KeyCode shift() const { return shift_; }
    KeyCode control() const { return control_; }
    KeyCode alt() const { return alt_; }

private:
    int min_ = 0, max_ = 0, perCode_ = 0;
    KeySym* syms_ = nullptr;
    KeyCode shift_ = 0, control_ = 0, alt_ = 0;
};

} // namespace

X11Desktop::X11Desktop() {
    if (auto* app = qGuiApp)
        if (auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>())
            display_ = x11->display();
}

QPoint X11Desktop::cursorPos() const {
    if (!display_) return QtDesktop::cursorPos();
    Window root = 0, child = 0;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rootX, &rootY, &x, &y,
                       &mask))
        return QtDesktop::cursorPos();
    return {rootX, rootY};
}

bool X11Desktop::setCursorPos(QPoint screen) {
    if (!display_) return QtDesktop::setCursorPos(screen);
    XWarpPointer(display_, 0, DefaultRootWindow(display_), 0, 0, 0, 0, screen.x(), screen.y());
    XSync(display_, False);
    return cursorPos() == screen;
}

unsigned long X11Desktop::findWindow(const QString& titlePart) const {
    // An empty part would match the first window of all and type keys into it.
    if (!display_ || titlePart.isEmpty()) return 0;
    Display* d = display_;
    ErrorTrap trap(d);
    const Window root = DefaultRootWindow(d);
    if (liveWindowManager(d, root)) {
        const Atom clientList = atom(d, "_NET_CLIENT_LIST");
        const auto clients = longsProperty(d, root, clientList, XA_WINDOW);
        if (!clients.empty()) {
            for (unsigned long w : clients)
                if (titleMatches(windowTitle(d, Window(w)), titlePart)) return w;
            return 0;
        }
    }
    return searchTree(d, root, titlePart);
}

bool X11Desktop::findWindowByTitle(const QString& titlePart) {
    return findWindow(titlePart) != 0;
}

bool X11Desktop::activateWindowByTitle(const QString& titlePart) {
    target_ = findWindow(titlePart);
    return target_ && activate(target_);
}

bool X11Desktop::activate(unsigned long window) {
    Display* d = display_;
    const Window root = DefaultRootWindow(d);
    bool throughWindowManager = false;
    {
        // Looking at a dead window manager's check window fails; that is no
        // failure of the activation.
        ErrorTrap trap(d);
        throughWindowManager =
            liveWindowManager(d, root) && rootSupports(d, root, "_NET_ACTIVE_WINDOW");
    }
    ErrorTrap trap(d);
    return throughWindowManager ? activateThroughWindowManager(d, root, window, trap)
                                : activateThroughFocus(d, root, window, trap);
}

bool X11Desktop::focusOnTarget() const {
    if (!target_) return true;
    Display* d = display_;
    const Window root = DefaultRootWindow(d);
    ErrorTrap trap(d);
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(d, &focus, &revert);
    if (trap.failed() || focus == PointerRoot || focus == 0 || focus == root) return false;
    // The focus may sit on a child of the window or on its frame.
    return isAncestorOrSelf(d, Window(target_), focus, root) ||
           isAncestorOrSelf(d, focus, Window(target_), root);
}

bool X11Desktop::typeIntoTarget(const std::function<void()>& type) {
    Display* d = display_;
    for (int attempt = 0; attempt < kRefocusAttempts; ++attempt) {
        // While the server is held, the window manager cannot move the focus
        // between the look and the key: a click on another window (ours,
        // say, the user choosing the next picture) takes effect after it.
        XGrabServer(d);
        if (focusOnTarget()) {
            type();
            XSync(d, False);
            XUngrabServer(d);
            XFlush(d);
            return true;
        }
        XUngrabServer(d);
        XFlush(d);
        if (!activate(target_)) continue;
        const QDeadlineTimer deadline(kActivateTimeoutMs);
        while (!focusOnTarget() && !deadline.hasExpired())
            QThread::msleep(kActivatePollMs);
    }
    return false;
}

void X11Desktop::sendKeys(const QString& keys) {
    if (!display_) return;
    const auto parsed = parseSendKeys(keys);
    if (!parsed) {
        qWarning("Not typing the keys %s: they are not in the key notation", qPrintable(keys));
        return;
    }
    Display* d = display_;
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(d, &event, &error, &major, &minor)) {
        qWarning("Not typing the keys %s: the X server has no XTest", qPrintable(keys));
        return;
    }
    const KeyboardMap map(d);
    bool first = true;
    for (const SentKey& key : *parsed) {
        bool needsShift = false;
        const KeyCode code = map.find(KeySym(key.keysym), needsShift);
        if (!code) {
            // Skipped rather than mapped onto a spare key: changing the keyboard
            // map under the user's programs, which reload it in their own time,
            // is worse than one missing key. The SSTV programs' keys are on
            // every keyboard.
            qWarning("No key types the keysym 0x%x; skipped", unsigned(key.keysym));
            continue;
        }
        const unsigned modifiers = key.modifiers | (needsShift ? KeyShift : 0u);
        std::vector<KeyCode> held;
        if ((modifiers & KeyControl) && map.control()) held.push_back(map.control());
        if ((modifiers & KeyAlt) && map.alt()) held.push_back(map.alt());
        if ((modifiers & KeyShift) && map.shift()) held.push_back(map.shift());

        if (!first) QThread::msleep(kKeyGapMs);
        first = false;
        // Keys typed into whatever window took the focus meanwhile would act
        // on the wrong program.
        const bool typed = typeIntoTarget([&] {
            for (KeyCode m : held)
                XTestFakeKeyEvent(d, m, True, CurrentTime);
            XTestFakeKeyEvent(d, code, True, CurrentTime);
            XTestFakeKeyEvent(d, code, False, CurrentTime);
            for (auto m = held.rbegin(); m != held.rend(); ++m)
                XTestFakeKeyEvent(d, *m, False, CurrentTime);
        });
        if (!typed) {
            qWarning("Not typing the keys %s: their window lost the focus and did not get it back",
                     qPrintable(keys));
            return;
        }
    }
}

} // namespace quiverel
