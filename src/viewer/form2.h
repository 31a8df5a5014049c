#pragma once
// The picture viewer: one picture at its natural size, centred on the
// screen, panned with the pointer when larger than the screen; its
// compressed transmit version on request; animated GIFs playing.

#include "app/context.h"
#include "viewer/viewer_content.h"

#include <QPoint>
#include <QSize>
#include <QWidget>
#include <array>

class QAction;
class QFile;
class QLabel;
class QMenu;
class QMovie;
class QTimer;

namespace quiverel {

class Form2 : public QWidget {
    Q_OBJECT
public:
    // Form_Load shows the requested picture.
    Form2(Context& ctx, const ViewerRequest& request, QWidget* parent = nullptr);
    ~Form2() override;

    // Reads the screen and the pointer and shows the picture. The viewer may
    // close itself in here (a picture it cannot display): connect `closed` first.
    void Form_Load();
    void ShowPicture();
    // Moves the pointer to a point of the client area. False where the
    // desktop refuses to move it.
    bool MoveMouse(double x, double y);
    // 0 "No compression", 1 "Compressed": redisplays through Timer1.
    void mnuDisplay_Click(int index);
    void imgInner_MouseMove();
    // Every close action ends here: the pointer goes back, `closed` is
    // emitted and the window is deleted.
    void CloseViewer();

    bool compressedMode() const { return compressed_; }
    bool panHorizontal() const { return panHorizontal_; }
    bool panVertical() const { return panVertical_; }
    QPoint panReference() const { return panReference_; }
    QSize border() const { return border_; }
    // Tests and platforms without a window manager give the frame themselves.
    void setBorder(QSize border) { border_ = border; }

    QWidget* picOuter = nullptr;
    QLabel* imgInner = nullptr;
    QLabel* AniGIF = nullptr;
    QMovie* movie = nullptr;
    QTimer* Timer1 = nullptr;
    QMenu* mnuPopup = nullptr;
    std::array<QAction*, 2> mnuDisplay{};

Q_SIGNALS:
    // The viewer closed: the main window comes back (enabled, in front, its
    // Timer3 started, its hover marker restored).
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void mouseDown(Qt::MouseButton button, QPoint globalPos);
    void placeStill(QSize picture);
    void placeAnimation();
    void pointerToCentre();
    void warnCantDisplay();
    void cantDisplay();
    void refitToFrame();
    QSize frameBorder() const;

    Context& ctx_;
    ViewerFile file_;
    QFile* gifFile_ = nullptr; // the animation's device
    QSize screen_;
    QSize border_;
    QPoint savedCursor_;
    QPoint panReference_;
    bool panVertical_ = false;
    bool panHorizontal_ = false;
    bool compressed_ = false;
    bool animated_ = false;
    QSize shownSize_; // the still picture or the animation area
    bool closing_ = false;
    QPoint placedFrame_; // where the window's frame was put
    int settleChecks_ = 0;
};

} // namespace quiverel
