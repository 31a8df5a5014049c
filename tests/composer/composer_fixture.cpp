#include "composer_fixture.h"

#include "imaging/picture_file.h"

#include <QDir>

namespace quiverel {

QImage filled(int w, int h, QRgb c) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

ComposerFixture::ComposerFixture() {
    t.readTextTable();
    t.state.settings.guiScale = 1.0;
    t.state.transmit.txFolder = t.app.path() + QStringLiteral("/TX");
    QDir().mkpath(t.state.transmit.txFolder);
    QDir().mkpath(rx());
}

ComposerFixture::~ComposerFixture() {
    if (form) {
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        delete form.data();
    }
}

void ComposerFixture::setCurrent(const QString& name, const QImage& picture) {
    savePicture(picture, rx() + name);
    PictureRef& p = request.picture;
    p.folder = rx();
    p.fileName = name;
    p.picture = loadPicture(rx() + name);
    p.size = p.picture.size();
}

Form3* ComposerFixture::open() {
    form = Form3::open(t.ctx, request, nullptr);
    return form;
}

} // namespace quiverel
