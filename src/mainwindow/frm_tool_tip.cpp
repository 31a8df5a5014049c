#include "mainwindow/frm_tool_tip.h"

#include <QLabel>

namespace quiverel {

frmToolTip::frmToolTip(QWidget* owner, double guiScale)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("frmToolTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(255, 255, 225));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    lblToolTip = new QLabel(this);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(std::max(10.0 * guiScale, 1.0));
    lblToolTip->setFont(f);
    lblToolTip->move(1, 0);
}

void frmToolTip::setText(const QString& text) {
    lblToolTip->setText(text);
    lblToolTip->adjustSize();
    resize(lblToolTip->width() + 4, lblToolTip->height() + 2);
}

} // namespace quiverel
