#pragma once
// frmSplash: the progress notice shown while thumbnails are made or old
// thumbnail folders are deleted.

#include <QRect>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace quiverel {

class UnitScale;

// The notice's place on the screen: 4500 x 1800 twips at the GUI scale, at
// half the difference between the main window's size and its own (not
// below 0).
QRect splashGeometry(QSize mainWindow, double guiScale);

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* owner, double guiScale = 1.0);
    // The size of the notice the next time it is shown.
    void setGuiScale(double guiScale);
    // `heading` ("Creating thumbnails...") in the window, `detail` (the file
    // name and its number) under it, the bar at `value` of `maximum`.
    void showProgress(const QString& heading, const QString& detail, int maximum, int value);

    QLabel* Label1;
    QLabel* lblDetail;
    QProgressBar* ProgressBar1;

private:
    UnitScale* units_;
    double guiScale_;
};

} // namespace quiverel
