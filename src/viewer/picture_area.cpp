#include "viewer/picture_area.h"

#include <QLabel>
#include <QWidget>

namespace quiverel {

PictureArea makePictureArea(QWidget* window) {
    auto* outer = new QWidget(window);
    outer->setObjectName(QStringLiteral("picOuter"));
    outer->setAutoFillBackground(true);
    auto* inner = new QLabel(outer);
    inner->setObjectName(QStringLiteral("imgInner"));
    inner->setAccessibleName(QStringLiteral("Picture"));
    inner->setScaledContents(false);
    inner->setMouseTracking(true);
    return {outer, inner};
}

} // namespace quiverel
