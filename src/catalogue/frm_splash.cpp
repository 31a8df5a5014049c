#include "catalogue/frm_splash.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace quiverel {

frmSplash::frmSplash(QWidget* owner) : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    auto* layout = new QVBoxLayout(this);
    lblMessage = new QLabel(this);
    ProgressBar1 = new QProgressBar(this);
    layout->addWidget(lblMessage);
    layout->addWidget(ProgressBar1);
    resize(360, 90);
}

void frmSplash::showProgress(const QString& caption, const QString& label, int maximum, int value) {
    setWindowTitle(caption);
    lblMessage->setText(label);
    ProgressBar1->setRange(0, std::max(maximum, 1));
    ProgressBar1->setValue(std::clamp(value, 0, std::max(maximum, 1)));
    if (!isVisible()) {
        if (parentWidget()) {
            const QRect owner = parentWidget()->geometry();
            move(owner.center() - rect().center());
        }
        show();
        raise();
    }
}

} // namespace quiverel
