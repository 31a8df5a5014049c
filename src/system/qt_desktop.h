#pragma once
// The desktop as Qt sees it: the primary screen and the pointer.

#include "system/desktop.h"

namespace quiverel {

class QtDesktop : public Desktop {
public:
    QSize screenSize() const override;
    QPoint cursorPos() const override;
    bool setCursorPos(QPoint screen) override;
};

} // namespace quiverel
