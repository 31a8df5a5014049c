#include "catalogue/frm_splash.h"

#include "app/unit_scale.h"

#include <QLabel>
#include <QProgressBar>
#include <algorithm>
#include <cmath>

namespace quiverel {

namespace {
constexpr QSizeF kTwips(4500, 1800);
const QString kTitle = QStringLiteral("Quiverel");
} // namespace

QRect splashGeometry(QSize mainWindow, double guiScale) {
    const double g = guiScale > 0 ? guiScale : 1.0;
    const QSize size(int(std::lround(kTwips.width() / 15 * g)),
                     int(std::lround(kTwips.height() / 15 * g)));
    // A main window smaller than the notice does not push it off the screen.
    return {std::max((mainWindow.width() - size.width()) / 2, 0),
            std::max((mainWindow.height() - size.height()) / 2, 0), size.width(), size.height()};
}

frmSplash::frmSplash(QWidget* owner, double guiScale)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint), guiScale_(guiScale) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(kTitle);
    units_ = new UnitScale(this, QSizeF(300, 120));
    Label1 = new QLabel(QStringLiteral("Creating thumbnails..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    units_->place(Label1, QRectF(20, 10, 260, 30));
    units_->setFontPoints(Label1, 10);
    lblDetail = new QLabel(this);
    lblDetail->setObjectName(QStringLiteral("lblDetail"));
    units_->place(lblDetail, QRectF(20, 42, 260, 24));
    units_->setFontPoints(lblDetail, 9);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    units_->place(ProgressBar1, QRectF(20, 74, 260, 24));
    Label1->raise();
}

void frmSplash::setGuiScale(double guiScale) {
    guiScale_ = guiScale;
}

void frmSplash::showProgress(const QString& heading, const QString& detail, int maximum,
                             int value) {
    // A caller that gives only the program's name has its message in `detail`.
    const bool bare = heading.isEmpty() || heading == kTitle;
    Label1->setText(bare ? detail : heading);
    lblDetail->setText(bare ? QString() : detail);
    ProgressBar1->setRange(0, std::max(maximum, 1));
    ProgressBar1->setValue(std::clamp(value, 0, std::max(maximum, 1)));
    if (!isVisible()) {
        const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
        const QRect place =
            splashGeometry(main ? main->frameGeometry().size() : QSize(), guiScale_);
        setFixedSize(place.size());
        move(place.topLeft());
        units_->relayout();
        show();
        raise();
    }
}

} // namespace quiverel
