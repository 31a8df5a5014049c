#include "app/setup_ini.h"

#include "util/numbers.h"
#include "util/text_file.h"

#include <cstdlib>

namespace quiverel {

namespace {

bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

// Moves past the line break at i (CR LF, LF or CR).
qsizetype skipLineEnd(const QString& t, qsizetype i) {
    if (i < t.size() && t[i] == u'\r') ++i;
    if (i < t.size() && t[i] == u'\n') ++i;
    return i;
}

QString numberText(double v) {
    return QString::number(v, 'g', 10);
}

// Whether the quote at j can close an item: only blanks follow it before a
// comma, a line break or the end of the text.
bool endsItem(const QString& t, qsizetype j) {
    qsizetype k = j + 1;
    while (k < t.size() && (t[k] == u' ' || t[k] == u'\t'))
        ++k;
    return k >= t.size() || t[k] == u',' || isLineEnd(t[k]);
}

// The quote that closes the item opened before `open`, line breaks being part
// of it: "" is a quote inside, and a single quote that cannot close the item
// is kept as text. -1 when a line opens with a quote that neither closes the
// item nor is doubled (that line is the next item: this one was never closed).
qsizetype closingQuote(const QString& t, qsizetype open) {
    const qsizetype n = t.size();
    bool lineStart = false;
    for (qsizetype j = open; j < n; ++j) {
        if (isLineEnd(t[j])) {
            lineStart = true;
            continue;
        }
        if (t[j] == u'"') {
            if (j + 1 < n && t[j + 1] == u'"') {
                ++j;
            } else if (endsItem(t, j)) {
                return j;
            } else if (lineStart) {
                return -1;
            }
        }
        if (t[j] != u' ' && t[j] != u'\t') lineStart = false;
    }
    return -1;
}

// The first quote on the item's own line that can close it, doubled or not.
qsizetype closingQuoteOnLine(const QString& t, qsizetype open) {
    for (qsizetype j = open; j < t.size() && !isLineEnd(t[j]); ++j)
        if (t[j] == u'"' && endsItem(t, j)) return j;
    return -1;
}

// A quoted item's text: each "" stands for one quote.
QString unescapedItem(QStringView inner) {
    QString out;
    out.reserve(inner.size());
    for (qsizetype j = 0; j < inner.size(); ++j) {
        out.append(inner[j]);
        if (inner[j] == u'"' && j + 1 < inner.size() && inner[j + 1] == u'"') ++j;
    }
    return out;
}

} // namespace

QStringList splitSetupItems(const QString& t) {
    QStringList items;
    const qsizetype n = t.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && (t[i] == u' ' || t[i] == u'\t'))
            ++i;
        QString item;
        if (i < n && t[i] == u'"') {
            const qsizetype open = i + 1;
            qsizetype end = closingQuote(t, open);
            if (end >= 0) {
                item = unescapedItem(QStringView(t).mid(open, end - open));
            } else {
                // Written before quotes were doubled: the quote that ends
                // the item on its own line, kept as it stands.
                end = closingQuoteOnLine(t, open);
                if (end < 0) { // no closing quote: the rest of the line
                    end = open;
                    while (end < n && !isLineEnd(t[end]))
                        ++end;
                }
                item = t.mid(open, end - open);
            }
            i = end + 1;
            while (i < n && t[i] != u',' && !isLineEnd(t[i]))
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && t[i] != u',' && !isLineEnd(t[i]))
                ++i;
            item = t.mid(start, i - start).trimmed();
        }
        items.append(item);
        if (i < n && t[i] == u',')
            ++i;
        else
            i = skipLineEnd(t, i);
    }
    return items;
}

void storeSetupItems(Settings& s, const QStringList& items) {
    const int count = int(std::min<qsizetype>(items.size(), kSetupItems));
    for (int k = 0; k < count; ++k) {
        const QString& v = items[k];
        switch (k + 1) {
        case 1:
            s.winDrmFolder = v;
            break;
        case 2:
            s.callSign = v;
            break;
        case 3:
            s.callSignPrefix = v;
            break;
        case 4:
            s.resizeSetting = v;
            break;
        case 5:
            s.languageName = v;
            break;
        case 6:
            s.line6 = leadingInt16(v);
            break;
        case 7:
            s.guiSize = leadingInt16(v);
            break;
        case 8:
            s.qslFrequency = v;
            break;
        case 9:
            s.qslMode = v;
            break;
        case 10:
            s.startupFolder = v;
            break;
        case 11:
            s.autoPaste = v.compare(u"Y", Qt::CaseInsensitive) == 0;
            break;
        case 12:
            s.savedLeft = leadingInt32(v);
            break;
        case 13:
            s.savedTop = leadingInt32(v);
            break;
        case 14:
            s.thumbsPerPage = leadingInt16(v);
            break;
        case 15:
            s.textDefaults.fontName = v;
            break;
        case 16:
            s.textDefaults.bold = leadingNumber(v) != 0.0;
            break;
        case 17:
            s.textDefaults.italic = leadingNumber(v) != 0.0;
            break;
        case 18:
            s.textDefaults.fontSize = leadingNumber(v);
            break;
        case 19:
            s.textDefaults.text = v;
            break;
        case 20:
            s.qslColours[0] = leadingInt32(v);
            break;
        case 21:
            s.qslColours[1] = leadingInt32(v);
            break;
        case 22:
            s.qslColours[2] = leadingInt32(v);
            break;
        case 23:
            s.ftpServer = v;
            break;
        case 24:
            s.ftpUser = v;
            break;
        case 25:
            s.ftpPassword = v;
            break;
        case 26:
            s.ftpFolder = v;
            break;
        }
    }
}

QStringList setupItemTexts(const Settings& s) {
    return {s.winDrmFolder,
            s.callSign,
            s.callSignPrefix,
            s.resizeSetting,
            s.languageName,
            QString::number(s.line6),
            QString::number(s.guiSize),
            s.qslFrequency,
            s.qslMode,
            s.startupFolder,
            s.autoPaste ? QStringLiteral("Y") : QStringLiteral("N"),
            QString::number(s.savedLeft),
            QString::number(s.savedTop),
            QString::number(s.thumbsPerPage),
            s.textDefaults.fontName,
            s.textDefaults.bold ? QStringLiteral("1") : QStringLiteral("0"),
            s.textDefaults.italic ? QStringLiteral("1") : QStringLiteral("0"),
            numberText(s.textDefaults.fontSize),
            s.textDefaults.text,
            QString::number(s.qslColours[0]),
            QString::number(s.qslColours[1]),
            QString::number(s.qslColours[2]),
            s.ftpServer,
            s.ftpUser,
            s.ftpPassword,
            s.ftpFolder};
}

QStringList formatSetupLines(const Settings& s) {
    QStringList lines = setupItemTexts(s);
    // A quote inside is doubled; line breaks stay as they are.
    for (QString& v : lines)
        v = u'"' + QString(v).replace(u'"', QStringLiteral("\"\"")) + u'"';
    return lines;
}

bool readSetupIni(const QString& path, Settings& settings) {
    const auto text = readTextFile(path, 1024 * 1024);
    if (!text) return false;
    storeSetupItems(settings, splitSetupItems(*text));
    return true;
}

bool writeSetupIni(const AppState& state, Settings settings,
                   std::optional<QPoint> mainWindowTwips) {
    if (mainWindowTwips) {
        settings.savedLeft = mainWindowTwips->x();
        settings.savedTop = mainWindowTwips->y();
    }
    return writeTextLines(state.iniFile(QStringLiteral("Setup.ini")), formatSetupLines(settings),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QString settingsNotSavedMessage(const QStringList& paths) {
    return QStringLiteral("The settings could not be saved:\n") + paths.join(u'\n');
}

void applySetupDefaults(Settings& s, QSize screen) {
    s.guiSize = std::clamp(s.guiSize, 670, 870);
    constexpr ColourCode defaults[3] = {65280, 16777215, 65535};
    for (int i = 0; i < 3; ++i)
        if (s.qslColours[i] == 0) s.qslColours[i] = defaults[i];
    if (s.savedLeft < 0 || s.savedLeft > screen.width() * 15) s.savedLeft = 0;
    if (s.savedTop < 0 || s.savedTop > screen.height() * 15) s.savedTop = 0;
    if (s.thumbsPerPage < 12)
        s.thumbsPerPage = 20;
    else if (s.thumbsPerPage > 30)
        s.thumbsPerPage = 30;
}

int guiSizeMenuIndex(int guiSize) {
    return std::abs(guiSize / 100 - 8);
}

void deriveResize(Settings& s) {
    static const QStringList kSizes = {"320x256",   "400x300",  "640x480",  "768x548",
                                       "800x600",   "1024x768", "1152x864", "1200x900",
                                       "1600x1200", "No Resize"};
    s.resizeIndex = int(kSizes.indexOf(s.resizeSetting)) + 1;
    const qsizetype p = s.resizeSetting.indexOf(u'x');
    if (p > 0) {
        s.resizeWidth = leadingInt16(QStringView(s.resizeSetting).left(p));
        s.resizeHeight = leadingInt16(QStringView(s.resizeSetting).mid(p + 1));
        s.resizeEnabled = true;
    } else {
        s.resizeEnabled = false;
    }
}

} // namespace quiverel
