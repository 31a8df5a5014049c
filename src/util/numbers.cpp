#include "util/numbers.h"

#include <cmath>
#include <limits>

namespace quiverel {

double leadingNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) ++i;
    const qsizetype digitsStart = i;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128)
            ++i;
    }
    if (i == digitsStart || (i == digitsStart + 1 && text[digitsStart] == u'.')) return 0.0;
    qsizetype end = i;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-')) ++j;
        const qsizetype expStart = j;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128)
            ++j;
        if (j > expStart) end = j;
    }
    bool ok = false;
    const double v = text.mid(start, end - start).toString().toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

long long roundHalfEven(double value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<long long>(std::nearbyint(value)); // default rounding mode: to even
}

qint64 divideHalfEven(qint64 numerator, qint64 denominator) {
    qint64 whole = numerator / denominator;
    qint64 rest = numerator % denominator;
    if (rest < 0) {
        whole -= 1;
        rest += denominator;
    }
    // Compared with what is left over rather than doubled, so nothing overflows.
    const qint64 over = denominator - rest;
    if (rest > over || (rest == over && (whole & 1) != 0)) whole += 1;
    return whole;
}

qint64 EstimateTxSeconds(qint64 bytes) {
    return divideHalfEven(bytes, 250) + 20;
}

namespace {
int clampedInt(QStringView text, double lo, double hi) {
    const double v = leadingNumber(text);
    if (v <= lo) return static_cast<int>(lo);
    if (v >= hi) return static_cast<int>(hi);
    return static_cast<int>(roundHalfEven(v));
}
} // namespace

int leadingInt16(QStringView text) {
    return clampedInt(text, -32768.0, 32767.0);
}

int leadingInt32(QStringView text) {
    return clampedInt(text, double(std::numeric_limits<int>::min()),
                      double(std::numeric_limits<int>::max()));
}

QString thousands(qint64 value) {
    if (value == 0) return {};
    QString digits = QString::number(value < 0 ? -value : value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return value < 0 ? u'-' + digits : digits;
}

} // namespace quiverel
