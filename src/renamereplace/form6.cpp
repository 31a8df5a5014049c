#include "renamereplace/form6.h"

#include "app/unit_scale.h"
#include "renamereplace/clash_actions.h"
#include "renamereplace/clash_geometry.h"
#include "renamereplace/clash_texts.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <cmath>

namespace quiverel {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QString textOr(const AppState& state, int entry, const char* fallback) {
    const QString& t = state.text[size_t(entry)];
    return t.isEmpty() ? QString::fromLatin1(fallback) : t;
}

} // namespace

Form6::Form6(Context& ctx, const ClashRequest& request)
    : QWidget(nullptr, Qt::Window), ctx_(ctx), request_(request) {
    setObjectName(QStringLiteral("Form6"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0xAA, 0xAA, 0xAA));
    setPalette(grey);
    units_ = new UnitScale(this, kClashUnits);

    Shape1 = new QFrame(this);
    Shape2 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape2->setObjectName(QStringLiteral("Shape2"));
    for (QFrame* f : {Shape1, Shape2})
        f->setFrameShape(QFrame::Box);
    units_->place(Shape1, QRectF(10, 5, 180, 140));
    units_->place(Shape2, QRectF(210, 5, 180, 140));
    img1 = makeLabel(this, "img1");
    img2 = makeLabel(this, "img2");
    img1->setAccessibleName(QStringLiteral("New picture"));
    img2->setAccessibleName(QStringLiteral("Existing picture"));
    img1->setScaledContents(true);
    img2->setScaledContents(true);

    Label1 = makeLabel(this, "Label1");
    Label2 = makeLabel(this, "Label2");
    Label3 = makeLabel(this, "Label3");
    units_->place(Label1, QRectF(5, 190, 190, 60));
    units_->place(Label2, QRectF(205, 190, 190, 60));
    units_->place(Label3, QRectF(5, 147, 390, 40));

    txtRename = new QLineEdit(this);
    txtRename->setObjectName(QStringLiteral("txtRename"));
    txtRename->setAccessibleName(QStringLiteral("New name"));
    units_->place(txtRename, QRectF(110, 257, 280, 25));

    const AppState& s = ctx_.state;
    cmdRename = makeButton(this, "cmdRename", textOr(s, 29, "Rename"));
    cmdReplace = makeButton(this, "cmdReplace", textOr(s, 43, "Replace"));
    cmdCancel = makeButton(this, "cmdCancel", textOr(s, 37, "Cancel"));
    units_->place(cmdRename, QRectF(10, 257, 90, 25));
    units_->place(cmdReplace, QRectF(10, 290, 90, 25));
    units_->place(cmdCancel, QRectF(290, 290, 100, 25));
    connect(cmdRename, &QPushButton::clicked, this, &Form6::cmdRename_Click);
    connect(cmdReplace, &QPushButton::clicked, this, &Form6::cmdReplace_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &Form6::cmdCancel_Click);
    connect(txtRename, &QLineEdit::returnPressed, this, &Form6::cmdRename_Click);
}

void Form6::Form_Load() {
    QApplication::beep();
    const double g = ctx_.state.settings.guiScale > 0 ? ctx_.state.settings.guiScale : 1.0;
    const QSize size(int(std::lround(kClashTwips.width() / 15 * g)),
                     int(std::lround(kClashTwips.height() / 15 * g)));
    setFixedSize(size);
    const QSize screen = ctx_.desktop.screenSize();
    move((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2);

    const ClashTexts t = clashTexts(ctx_.state, request_);
    setWindowTitle(t.caption);
    Label1->setText(t.source);
    Label2->setText(t.target);
    // A long folder's second line may not fit the label; the whole path is at hand.
    Label1->setToolTip(request_.sourceFolder);
    Label2->setToolTip(request_.targetFolder);
    Label3->setText(t.question);
    txtRename->setText(t.proposed);
    showPicture(img1, request_.sourcePicture, kClashSourceArea);
    showPicture(img2, request_.targetPicture, kClashTargetArea);
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2),
                       static_cast<QWidget*>(Label3), static_cast<QWidget*>(txtRename),
                       static_cast<QWidget*>(cmdRename), static_cast<QWidget*>(cmdReplace),
                       static_cast<QWidget*>(cmdCancel)})
        units_->setFontPoints(w, 8);
    units_->relayout();
    show();
    txtRename->setFocus();
    txtRename->selectAll();
}

void Form6::showPicture(QLabel* label, const QImage& picture, const QRectF& area) {
    const QRectF place = fittedPictureRect(picture.size(), area);
    units_->place(label, place);
    if (picture.isNull()) return;
    // Scaled smoothly once; the label only stretches it on a resize.
    const QRect pixels = units_->toPixels(place);
    label->setPixmap(QPixmap::fromImage(picture.scaled(
        pixels.size().expandedTo(QSize(1, 1)), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

void Form6::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter p(this);
    p.scale(width() / kClashUnits.width(), height() / kClashUnits.height());
    p.setPen(QPen(QColor(0, 0, 255), 0));
    p.drawLines(clashArrowLines());
}

void Form6::keyPressEvent(QKeyEvent* event) {
    // Esc cancels, as in any dialog.
    if (event->key() == Qt::Key_Escape) return cmdCancel_Click();
    QWidget::keyPressEvent(event);
}

void Form6::finish(const ClashOutcome& outcome) {
    if (!outcome.message.isEmpty())
        ctx_.prompts.message(this, QString(), outcome.message,
                             outcome.failed ? PromptIcon::Warning : PromptIcon::None);
    if (outcome.sourceRemoved)
        Q_EMIT sourceRemoved(request_.sourceFolder, request_.fileName, request_.sourceRow);
    if (outcome.close) close();
}

void Form6::cmdReplace_Click() {
    finish(replaceClash(ctx_.state, request_));
}

void Form6::cmdRename_Click() {
    finish(renameClash(ctx_.state, request_, txtRename->text()));
}

void Form6::cmdCancel_Click() {
    close();
}

} // namespace quiverel
