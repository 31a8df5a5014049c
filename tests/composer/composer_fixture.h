#pragma once
// A composer on a picture in a temporary application folder with the
// program's own converter, the English texts and a TX folder.

#include "composer/form3.h"
#include "support/test_context.h"

#include <QImage>
#include <QPointer>
#include <gtest/gtest.h>

namespace quiverel {

QImage filled(int w, int h, QRgb c);

class ComposerFixture : public ::testing::Test {
protected:
    ComposerFixture();
    ~ComposerFixture() override;
    // The folder of the current picture; its name has blanks.
    QString rx() const { return t.app.path() + QStringLiteral("/rx with blanks/"); }

    // The request's picture, as the main window hands it to the composer.
    void setCurrent(const QString& name, const QImage& picture);
    Form3* open();

    test::TestContext t{test::TestConverter::InProcess};
    ComposerRequest request;
    QPointer<Form3> form;
};

} // namespace quiverel
