#pragma once
// A clash in a temporary application folder: the source folder "From" holds
// the current picture, the target folder "To" a file of the same name.

#include "app/windows.h"
#include "support/test_context.h"

#include <QImage>

namespace quiverel::test {

class ClashFixture {
public:
    ClashFixture();

    QString from() const { return ctx.app.path() + QStringLiteral("/From/"); }
    QString to() const { return ctx.app.path() + QStringLiteral("/To/"); }
    // A picture of one colour, saved as `path` by its extension.
    static QImage picture(QColor colour, QSize size = QSize(64, 48));
    void save(const QImage& picture, const QString& path);
    // The colour at the middle of the picture in `path`; invalid when unreadable.
    static QColor middleOf(const QString& path);
    // Colours as a JPEG keeps them.
    static bool isBlue(QColor c) { return c.isValid() && c.blue() > 200 && c.red() < 60; }
    static bool isRed(QColor c) { return c.isValid() && c.red() > 200 && c.blue() < 60; }
    // The names in `folder`, hidden ones too, sorted.
    static QStringList namesIn(const QString& folder);

    ClashRequest copyRequest(bool move) const;
    ClashRequest saveRequest(const QString& name) const;

    TestContext ctx;
    QImage oldPicture = picture(Qt::red);
    QImage newPicture = picture(Qt::blue);
};

} // namespace quiverel::test
