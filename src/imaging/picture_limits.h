#pragma once
// Limits that keep a hostile or broken file from making the program allocate
// gigabytes: a header may claim any size, the memory must not follow it.

#include <QSize>

namespace quiverel {

// 8192 x 8192: far above any SSTV picture or camera photo the program meets.
inline constexpr qint64 kMaxPicturePixels = 8192LL * 8192LL;
// What Qt's readers may allocate for one picture (a 16-bit RGBA picture at the
// pixel limit needs 512 MB).
inline constexpr int kImageAllocationLimitMB = 600;
// Files larger than this are not read into memory.
inline constexpr qint64 kMaxPictureFileBytes = 512LL * 1024 * 1024;

inline bool isSanePictureSize(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width <= 65535 && height <= 65535 &&
           width * height <= kMaxPicturePixels;
}

inline bool isSanePictureSize(QSize size) {
    return isSanePictureSize(size.width(), size.height());
}

} // namespace quiverel
