#include "clash_fixture.h"

#include "catalogue/file_names.h"
#include "imaging/picture_file.h"

#include <QDir>
#include <gtest/gtest.h>

namespace quiverel::test {

ClashFixture::ClashFixture() {
    ctx.readTextTable();
    QDir().mkpath(from());
    QDir().mkpath(to());
    save(newPicture, from() + QStringLiteral("sky.jpg"));
    save(oldPicture, to() + QStringLiteral("sky.jpg"));
    CurrentPicture& cur = ctx.state.current;
    cur.folder = from();
    cur.fileName = QStringLiteral("sky.jpg");
    cur.picture = newPicture;
    cur.width = newPicture.width();
    cur.height = newPicture.height();
}

QImage ClashFixture::picture(QColor colour, QSize size) {
    QImage p(size, QImage::Format_RGB32);
    p.fill(colour);
    return p;
}

void ClashFixture::save(const QImage& picture, const QString& path) {
    QString error;
    ASSERT_TRUE(savePicture(picture, path, {}, &error)) << error.toStdString();
}

QColor ClashFixture::middleOf(const QString& path) {
    const QImage p = loadPicture(path);
    if (p.isNull()) return {};
    return p.pixelColor(p.width() / 2, p.height() / 2);
}

QStringList ClashFixture::namesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

ClashRequest ClashFixture::copyRequest(bool move) const {
    ClashRequest r;
    r.mode = 5;
    r.fileName = QStringLiteral("sky.jpg");
    r.sourceRow = 2;
    r.targetFolder = to();
    r.sourceFolder = from();
    r.sourceSize = newPicture.size();
    r.sourcePicture = newPicture;
    r.targetPicture = oldPicture;
    r.move = move;
    return r;
}

ClashRequest ClashFixture::saveRequest(const QString& name) const {
    ClashRequest r;
    r.mode = 3;
    r.fileName = name;
    r.targetFolder = to();
    r.sourceFolder = from();
    r.sourceSize = newPicture.size();
    r.sourcePicture = newPicture;
    r.targetPicture = oldPicture;
    r.chosenPath = to() + name;
    r.pictureToSave = newPicture;
    return r;
}

} // namespace quiverel::test
