#include "composer/size_settings.h"

#include "app/setup_ini.h"
#include "convert/iview_ini.h"
#include "util/numbers.h"

#include <QStringList>
#include <algorithm>

namespace quiverel {

namespace {

const QStringList& resolutionList() {
    static const QStringList list = {QStringLiteral("320x256 "),   QStringLiteral("400x300 "),
                                     QStringLiteral("640x480 "),   QStringLiteral("768x548 "),
                                     QStringLiteral("800x600 "),   QStringLiteral("1024x768 "),
                                     QStringLiteral("1152x864 "),  QStringLiteral("1200x900 "),
                                     QStringLiteral("1600x1200 "), QStringLiteral("No Resize")};
    return list;
}

// Digits grouped by threes with commas, as the labels have always shown them.
QString grouped(qint64 value) {
    const bool negative = value < 0;
    QString digits = QString::number(negative ? -value : value);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, u',');
    return negative ? u'-' + digits : digits;
}

} // namespace

int sizeSliderValue(qint64 targetBytes) {
    return int(
        std::clamp<qint64>(divideHalfEven(targetBytes, 1000), kSizeSliderMin, kSizeSliderMax));
}

int targetBytesFromSlider(int value) {
    return value * 1000;
}

QString sizeLabelText(qint64 targetBytes, const QString& bytesWord) {
    return grouped(targetBytes) + u' ' + bytesWord;
}

QString txTimeLabelText(qint64 targetBytes) {
    return QStringLiteral("Tx time = approx. ") + QString::number(EstimateTxSeconds(targetBytes)) +
           QStringLiteral(" seconds");
}

QString resolutionListText(int value) {
    if (value < kResizeSliderMin || value > kResizeSliderMax) return {};
    return resolutionList().at(value - 1);
}

QString resizeLabelText(int value, const QString& pixelsWord) {
    if (value == kNoResize) return resolutionListText(value);
    return resolutionListText(value) + pixelsWord;
}

QString resizeLabelForSetting(const QString& resizeSetting, const QString& pixelsWord) {
    // "No Resize" is shown alone, as the slider shows it; no setting shows nothing.
    if (resizeSetting.isEmpty() || resizeSetting == resolutionListText(kNoResize))
        return resizeSetting;
    return resizeSetting + u' ' + pixelsWord;
}

void applyResizeSlider(Settings& settings, int value) {
    if (value < kResizeSliderMin || value > kResizeSliderMax) return;
    settings.resizeIndex = value;
    // From the list, not the label: whatever the word for pixels is, the
    // setting stays a size the hand-off can read.
    settings.resizeSetting = resolutionListText(value).trimmed();
    deriveResize(settings);
}

} // namespace quiverel
