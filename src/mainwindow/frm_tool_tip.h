#pragma once
// frmToolTip: the information window shown under a hovered thumbnail.

#include <QWidget>

class QLabel;

namespace quiverel {

class frmToolTip : public QWidget {
    Q_OBJECT
public:
    frmToolTip(QWidget* owner, double guiScale);
    // Sets the text and makes the window as wide as the label plus its margin.
    void setText(const QString& text);

    QLabel* lblToolTip;
};

} // namespace quiverel
