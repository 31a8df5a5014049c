#pragma once
// frmSplash: the progress notice shown while thumbnails are made or old
// thumbnail folders are deleted.

#include <QWidget>

class QLabel;
class QProgressBar;

namespace quiverel {

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* owner);
    void showProgress(const QString& caption, const QString& label, int maximum, int value);

    QLabel* lblMessage;
    QProgressBar* ProgressBar1;
};

} // namespace quiverel
