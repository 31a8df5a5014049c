#pragma once
// The information window under a hovered thumbnail: what the pointer rests
// on, the delay before the window shows, and the time it stays.

#include "app/context.h"

#include <QObject>
#include <QString>

class QTimer;
class QWidget;

namespace quiverel {

class ThumbnailGrid;
class frmToolTip;

class HoverInfo : public QObject {
    Q_OBJECT
public:
    // `busy` tells whether the window shows its busy pointer.
    HoverInfo(Context& ctx, ThumbnailGrid* grid, QWidget* window, std::function<bool()> busy);
    ~HoverInfo() override;

    // The pointer moved onto cell k (Image1_MouseMove).
    void pointerOnCell(int k);
    // The pointer moved over anything but a thumbnail.
    void pointerOff();
    // A clicked thumbnail counts as hovered.
    void clicked(int k) { hoverIndex_ = k; }
    // The viewer closed: hovering computes nothing for a moment, the last
    // hovered thumbnail counts again.
    void viewerClosed();
    // An empty text hides the window.
    void ShowToolTip(const QString& text);
    // The window is made again at its next showing, for a new GUI scale.
    void dropWindow();

    int index() const { return hoverIndex_; }
    const QString& text() const { return hoverText_; }
    frmToolTip* toolTip() const { return toolTip_; }

    QTimer* Timer3 = nullptr; // guard after the viewer closed
    QTimer* Timer4 = nullptr; // delay before the information window
    QTimer* Timer5 = nullptr; // hover polling
    QTimer* Timer6 = nullptr; // information window hides itself

private:
    void Timer4_Timer();
    void Timer5_Timer();

    Context& ctx_;
    ThumbnailGrid* grid_;
    QWidget* window_;
    std::function<bool()> busy_;
    frmToolTip* toolTip_ = nullptr;
    int hoverIndex_ = -1;
    QString hoverText_;
    int lastHoverCell_ = -1;
    int lastHoverPage_ = -1;
    int polledHover_ = -1;
};

} // namespace quiverel
