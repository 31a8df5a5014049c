#pragma once
// The transmit size and resolution settings: the JPEG 2000 target size in
// thousands of bytes and the resolution a picture is fitted into first.

#include "app/state.h"

#include <QString>

namespace quiverel {

inline constexpr int kSizeSliderMin = 1;    // thousands of bytes
inline constexpr int kSizeSliderMax = 120;  // thousands of bytes
inline constexpr int kResizeSliderMin = 1;  // 320x256
inline constexpr int kResizeSliderMax = 10; // No Resize
inline constexpr int kNoResize = 10;

// The size slider's value for a target size: thousands, halves to even
// (12500 gives 12, 13500 gives 14), held inside the slider's range.
int sizeSliderValue(qint64 targetBytes);
// The target size a slider value stands for.
int targetBytesFromSlider(int value);

// "15,000 bytes": the size grouped by thousands, a blank, the word for bytes.
QString sizeLabelText(qint64 targetBytes, const QString& bytesWord);
// "Tx time = approx. 80 seconds".
QString txTimeLabelText(qint64 targetBytes);

// The resolution list entry of a resize slider value ("640x480 ", "No Resize");
// empty outside 1..10.
QString resolutionListText(int value);
// The resize label of a slider value: the entry and the word for pixels, or
// "No Resize" alone.
QString resizeLabelText(int value, const QString& pixelsWord);
// The resize label for a setting as stored (which may be none of the list).
QString resizeLabelForSetting(const QString& resizeSetting, const QString& pixelsWord);

// The resize slider moved to `value`: the index, the setting ("640x480",
// "No Resize") and the size the hand-off fits into.
void applyResizeSlider(Settings& settings, int value);

} // namespace quiverel
