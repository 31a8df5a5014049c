#include "desktop/send_keys.h"

#include <QHash>

namespace quiverel {

namespace {

constexpr int kMaxRepeat = 255;

const QHash<QString, quint32>& namedKeys() {
    static const QHash<QString, quint32> names = [] {
        QHash<QString, quint32> n{
            {QStringLiteral("BACKSPACE"), keysym::BackSpace},
            {QStringLiteral("BS"), keysym::BackSpace},
            {QStringLiteral("BKSP"), keysym::BackSpace},
            {QStringLiteral("BREAK"), keysym::Break},
            {QStringLiteral("CAPSLOCK"), keysym::CapsLock},
            {QStringLiteral("DELETE"), keysym::Delete},
            {QStringLiteral("DEL"), keysym::Delete},
            {QStringLiteral("DOWN"), keysym::Down},
            {QStringLiteral("END"), keysym::End},
            {QStringLiteral("ENTER"), keysym::Return},
            {QStringLiteral("ESC"), keysym::Escape},
            {QStringLiteral("HELP"), keysym::Help},
            {QStringLiteral("HOME"), keysym::Home},
            {QStringLiteral("INSERT"), keysym::Insert},
            {QStringLiteral("INS"), keysym::Insert},
            {QStringLiteral("LEFT"), keysym::Left},
            {QStringLiteral("NUMLOCK"), keysym::NumLock},
            {QStringLiteral("PGDN"), keysym::PageDown},
            {QStringLiteral("PGUP"), keysym::PageUp},
            {QStringLiteral("PRTSC"), keysym::Print},
            {QStringLiteral("RIGHT"), keysym::Right},
            {QStringLiteral("SCROLLLOCK"), keysym::ScrollLock},
            {QStringLiteral("TAB"), keysym::Tab},
            {QStringLiteral("UP"), keysym::Up},
            {QStringLiteral("ADD"), keysym::KeypadAdd},
            {QStringLiteral("SUBTRACT"), keysym::KeypadSubtract},
            {QStringLiteral("MULTIPLY"), keysym::KeypadMultiply},
            {QStringLiteral("DIVIDE"), keysym::KeypadDivide},
        };
        for (int f = 1; f <= 16; ++f)
            n.insert(QStringLiteral("F%1").arg(f), keysym::F1 + f - 1);
        return n;
    }();
    return names;
}

// The keysym of a character typed as itself. Latin-1 keysyms are the
// character's own number; the rest of Unicode is 0x01000000 + code point.
quint32 characterKeysym(char32_t c) {
    if (c == U'\t') return keysym::Tab;
    if (c == U'\n' || c == U'\r') return keysym::Return;
    if (c < 0x20 || (c >= 0x7f && c < 0xa0)) return 0; // other control characters
    if (c <= 0xff) return quint32(c);
    return 0x01000000u + quint32(c);
}

struct Parser {
    explicit Parser(const QList<uint>& t) : text(t) {}

    const QList<uint>& text;
    qsizetype pos = 0;
    QList<SentKey> keys;
    unsigned pending = 0;   // modifiers written before the next key or group
    QList<unsigned> groups; // modifiers held by each open "( )" group
    unsigned held() const {
        unsigned m = pending;
        for (unsigned g : groups)
            m |= g;
        return m;
    }

    void add(quint32 sym, unsigned extra, int times = 1) {
        for (int i = 0; i < times; ++i)
            keys.append({sym, held() | extra});
        pending = 0;
    }

    // A character typed as itself: an upper-case letter is its key with Shift.
    bool typeCharacter(char32_t c) {
        const quint32 sym = characterKeysym(c);
        if (sym == 0) return false;
        const QString s = QString::fromUcs4(&c, 1);
        if (s.size() == 1 && s[0].isUpper() && s.toLower() != s) {
            const char32_t lower = s.toLower().toUcs4().value(0);
            add(characterKeysym(lower), KeyShift);
        } else {
            add(sym, 0);
        }
        return true;
    }

    // "{...}" starting at pos (the opening brace).
    bool brace() {
        const qsizetype start = pos + 1;
        if (start >= text.size()) return false;
        // "{}}" names the closing brace itself.
        qsizetype close = -1;
        for (qsizetype i = (text[start] == U'}') ? start + 1 : start; i < text.size(); ++i)
            if (text[i] == U'}') {
                close = i;
                break;
            }
        if (close < 0 || close == start) return false;
        QString inside;
        for (qsizetype i = start; i < close; ++i) {
            const char32_t c = text[i];
            inside += QString::fromUcs4(&c, 1);
        }
        pos = close + 1;

        int times = 1;
        const qsizetype space = inside.lastIndexOf(QLatin1Char(' '));
        if (space > 0) {
            bool ok = false;
            const QString count = inside.mid(space + 1);
            times = count.toInt(&ok);
            // Digits only: "{F7 -1}" or "{F7 +3}" are mistakes, not counts.
            for (QChar ch : count)
                if (!ch.isDigit()) ok = false;
            if (!ok || times > kMaxRepeat) return false;
            inside.truncate(space);
        }

        const QList<uint> named = inside.toUcs4();
        if (named.size() == 1) {
            // The key itself: "{E}" is the e key, "{+}" the plus sign.
            char32_t c = named[0];
            const QString s = inside.toLower();
            if (s.size() == 1) c = s.toUcs4().value(0);
            const quint32 sym = characterKeysym(c);
            if (sym == 0) return false;
            add(sym, 0, times);
            return true;
        }
        const auto it = namedKeys().constFind(inside.toUpper());
        if (it == namedKeys().constEnd()) return false;
        add(it.value(), 0, times);
        return true;
    }

    bool modifier(unsigned bit) {
        if (pending & bit) return false; // "++a": the same modifier twice
        pending |= bit;
        ++pos;
        return true;
    }

    bool run() {
        while (pos < text.size()) {
            const char32_t c = text[pos];
            switch (c) {
            case U'+':
                if (!modifier(KeyShift)) return false;
                continue;
            case U'^':
                if (!modifier(KeyControl)) return false;
                continue;
            case U'%':
                if (!modifier(KeyAlt)) return false;
                continue;
            case U'(':
                groups.append(pending);
                pending = 0;
                ++pos;
                continue;
            case U')':
                if (groups.isEmpty() || pending) return false;
                groups.removeLast();
                ++pos;
                continue;
            case U'{':
                if (!brace()) return false;
                continue;
            case U'}':
                return false;
            case U'~':
                add(keysym::Return, 0);
                ++pos;
                continue;
            default:
                // "\r\n" is one line end, one Enter.
                if (c == U'\r' && pos + 1 < text.size() && text[pos + 1] == U'\n') {
                    ++pos;
                    continue;
                }
                if (!typeCharacter(c)) return false;
                ++pos;
                continue;
            }
        }
        return pending == 0 && groups.isEmpty();
    }
};

} // namespace

std::optional<QList<SentKey>> parseSendKeys(const QString& notation) {
    const QList<uint> text = notation.toUcs4();
    Parser p(text);
    if (!p.run()) return std::nullopt;
    return p.keys;
}

} // namespace quiverel
