#include "viewer/form2.h"

#include "desktop/prompts.h"
#include "util/numbers.h"
#include "util/regular_file.h"
#include "viewer/picture_area.h"
#include "viewer/viewer_geometry.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QMovie>
#include <QPixmap>
#include <QTimer>
#include <utility>

namespace quiverel {

Form2::Form2(Context& ctx, const ViewerRequest& request, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), file_(viewerFileOf(request)) {
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The main window stays disabled while the viewer is open.
    setWindowModality(Qt::ApplicationModal);
    setFocusPolicy(Qt::StrongFocus);

    const PictureArea area = makePictureArea(this);
    picOuter = area.picOuter;
    imgInner = area.imgInner;
    AniGIF = new QLabel(this);
    AniGIF->setObjectName(QStringLiteral("AniGIF"));
    AniGIF->setScaledContents(true);
    AniGIF->hide();
    movie = new QMovie(this);
    for (QObject* o : {static_cast<QObject*>(picOuter), static_cast<QObject*>(imgInner),
                       static_cast<QObject*>(AniGIF)})
        o->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(10);
    // The redisplay waits until the popup menu has closed.
    connect(Timer1, &QTimer::timeout, this, &Form2::ShowPicture);

    mnuPopup = new QMenu(QStringLiteral("Popup"), this);
    mnuDisplay[0] = mnuPopup->addAction(QStringLiteral("No compression"));
    mnuDisplay[1] = mnuPopup->addAction(QStringLiteral("Compressed"));
    connect(mnuDisplay[0], &QAction::triggered, this, [this] { mnuDisplay_Click(0); });
    connect(mnuDisplay[1], &QAction::triggered, this, [this] { mnuDisplay_Click(1); });
}

Form2::~Form2() = default;

void Form2::Form_Load() {
    screen_ = ctx_.desktop.screenSize();
    // The frame, where the platform knows it before showing; a window
    // manager that tells it only later gets the window placed again then.
    winId();
    border_ = frameBorder();
    AniGIF->hide();
    savedCursor_ = ctx_.desktop.cursorPos();
    setCursor(Qt::ArrowCursor);
    ShowPicture();
}

void Form2::ShowPicture() {
    if (closing_) return;
    const ViewerContent c =
        loadViewerContent(ctx_.converter, ctx_.state, ctx_.appFolder, file_, compressed_);
    CurrentPicture& cur = ctx_.state.current;
    cur.fileSizeText = c.fileSizeText;
    animated_ = c.animated;
    if (!c.displayable()) {
        cantDisplay();
        return;
    }
    movie->stop();
    AniGIF->hide();
    if (!c.animated) {
        if (!compressed_) {
            // The transmit version's size is not the picture's.
            cur.picture = c.picture;
            cur.width = c.shown.width();
            cur.height = c.shown.height();
        }
        imgInner->setPixmap(QPixmap::fromImage(c.shown));
        imgInner->resize(c.shown.size());
        imgInner->show();
        picOuter->show();
        shownSize_ = c.shown.size();
        placeStill(shownSize_);
        setWindowTitle(c.caption);
    } else {
        imgInner->hide();
        cur.height = c.gifSize.height();
        cur.aspectRatio = double(c.gifSize.height()) / c.gifSize.width();
        shownSize_ = animationArea(c.gifSize, ctx_.state.settings.guiScale);
        placeAnimation();
        setWindowTitle(c.caption);
        // The animation reads the file it was checked on: a FIFO or device
        // put there meanwhile must not block or flood the viewer.
        auto* gif = new QFile(this);
        openRegularFile(file_.path(), *gif); // left closed: the movie reads nothing
        movie->setDevice(gif);
        delete std::exchange(gifFile_, gif);
        // Loaded means a first frame could be read, not only a known format.
        const bool loaded =
            movie->isValid() && movie->jumpToFrame(0) && !movie->currentImage().isNull();
        if (!loaded) {
            warnCantDisplay(); // the viewer stays open with its empty area
        } else {
            AniGIF->setMovie(movie);
            movie->start();
        }
        AniGIF->show();
        AniGIF->raise();
    }
    show();
    raise();
    activateWindow();
    pointerToCentre();
    settleChecks_ = 0;
    QTimer::singleShot(150, this, &Form2::refitToFrame);
}

void Form2::placeStill(QSize picture) {
    const ViewerPlacement p = placeViewer(picture, screen_, border_);
    resize(p.client);
    move(p.frame.topLeft());
    placedFrame_ = p.frame.topLeft();
    picOuter->setGeometry(0, 0, p.client.width(), p.client.height());
    const Centring c = CentrePicture(picture, p.client);
    panHorizontal_ = c.panHorizontal;
    panVertical_ = c.panVertical;
    imgInner->move(p.picture);
}

void Form2::placeAnimation() {
    const QRect frame = animationFrame(shownSize_, screen_, border_);
    resize(shownSize_);
    move(frame.topLeft());
    placedFrame_ = frame.topLeft();
    picOuter->setGeometry(0, 0, shownSize_.width(), shownSize_.height());
    AniGIF->setGeometry(0, 0, shownSize_.width(), shownSize_.height());
    panHorizontal_ = panVertical_ = false;
}

void Form2::pointerToCentre() {
    const QRect frame = frameGeometry();
    const QPoint centre(frame.left() + frame.width() / 2, frame.top() + frame.height() / 2);
    // Where the desktop will not move the pointer, panning starts from where it is.
    panReference_ = ctx_.desktop.setCursorPos(centre) ? centre : ctx_.desktop.cursorPos();
}

bool Form2::MoveMouse(double x, double y) {
    const QPoint client(int(roundHalfEven(x)), int(roundHalfEven(y)));
    return ctx_.desktop.setCursorPos(mapToGlobal(client));
}

void Form2::mnuDisplay_Click(int index) {
    compressed_ = index > 0;
    Timer1->start();
}

void Form2::imgInner_MouseMove() {
    // The system's pointer, not the event's: the picture moves under it.
    const QPoint mouse = ctx_.desktop.cursorPos();
    if (panVertical_) {
        imgInner->move(imgInner->x(), panViewer(imgInner->y(), imgInner->height(), height(),
                                                mouse.y(), panReference_.y()));
        panReference_.setY(mouse.y());
    }
    if (panHorizontal_) {
        imgInner->move(
            panViewer(imgInner->x(), imgInner->width(), width(), mouse.x(), panReference_.x()),
            imgInner->y());
        panReference_.setX(mouse.x());
    }
}

void Form2::warnCantDisplay() {
    ctx_.prompts.message(this, QStringLiteral("Brisendale"),
                         QStringLiteral("Can't display this image"), PromptIcon::Warning,
                         PromptButtons::Ok);
}

void Form2::cantDisplay() {
    warnCantDisplay();
    CloseViewer();
}

void Form2::CloseViewer() {
    if (closing_) return;
    closing_ = true;
    Timer1->stop();
    movie->stop();
    hide();
    picOuter->hide();
    imgInner->hide();
    compressed_ = false;
    ctx_.desktop.setCursorPos(savedCursor_);
    Q_EMIT closed();
    close();
}

void Form2::mouseDown(Qt::MouseButton button, QPoint globalPos) {
    if (button == Qt::LeftButton)
        CloseViewer();
    else if (button == Qt::RightButton)
        mnuPopup->popup(globalPos);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* e = static_cast<QMouseEvent*>(event);
        mouseDown(e->button(), e->globalPosition().toPoint());
        return true;
    }
    if (event->type() == QEvent::MouseMove && watched == imgInner) {
        imgInner_MouseMove();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QSize Form2::frameBorder() const {
    const QSize frame = frameGeometry().size() - geometry().size();
    return QSize(std::max(0, frame.width()), std::max(0, frame.height()));
}

void Form2::refitToFrame() {
    // The window manager tells the frame, and may shift the window, only
    // after the first showing: place the window again, a few times while it
    // settles, with the real border.
    if (closing_ || !isVisible() || shownSize_.isEmpty()) return;
    const QSize frame = frameBorder();
    if (frame != border_ || frameGeometry().topLeft() != placedFrame_) {
        border_ = frame;
        if (animated_)
            placeAnimation();
        else
            placeStill(shownSize_);
        pointerToCentre();
    }
    if (++settleChecks_ < 3) QTimer::singleShot(150, this, &Form2::refitToFrame);
}

void Form2::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) CloseViewer();
}

void Form2::mousePressEvent(QMouseEvent*) {
    CloseViewer();
}

void Form2::closeEvent(QCloseEvent* event) {
    // The window manager's close button is one more close action.
    if (!closing_) CloseViewer();
    event->accept();
}

} // namespace quiverel
