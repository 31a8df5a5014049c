// frmHelp: the window, the help page and the about page.

#include "tools/frm_help.h"

#include "app/unit_scale.h"
#include "tools/about_text.h"
#include "tools/help_text.h"

#include <QFrame>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <tuple>

namespace quiverel {

namespace {
constexpr QSizeF kTwips(7050, 6000);
constexpr QSizeF kUnits(470, 400);
constexpr QRectF kWholeWindow(0, 0, 470, 400);

QPushButton* button(QWidget* parent, const char* name) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    return b;
}
} // namespace

frmHelp::frmHelp(Context& ctx, HelpHost host, QWidget* parent)
    : QDialog(parent), ctx_(ctx), state_(ctx.state), host_(std::move(host)) {
    setObjectName(QStringLiteral("frmHelp"));
    units_ = new UnitScale(this, kUnits);
    createHelpPage();
    createAboutPage();
    createSetupPage();
    createLanguagePage();
}

QFrame* frmHelp::createPage(const char* name, UnitScale*& units) {
    auto* page = new QFrame(this);
    page->setObjectName(QLatin1String(name));
    page->setFrameShape(QFrame::NoFrame);
    page->setAutoFillBackground(true);
    units_->place(page, kWholeWindow);
    units = new UnitScale(page, kUnits);
    page->hide();
    return page;
}

void frmHelp::createHelpPage() {
    frHelp = createPage("frHelp", helpUnits_);
    txtHelp = new QPlainTextEdit(frHelp);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setAccessibleName(QStringLiteral("Help text"));
    txtHelp->setReadOnly(true);
    helpUnits_->place(txtHelp, QRectF(200.0 / 15, 300.0 / 15, 6700.0 / 15, 4500.0 / 15));
    helpUnits_->setFontPoints(txtHelp, 8);

    cmdJP2 = button(frHelp, "cmdJP2");
    cmdLanguage = button(frHelp, "cmdLanguage");
    cmdAbout = button(frHelp, "cmdAbout");
    cmdClose = button(frHelp, "cmdClose");
    const std::pair<QPushButton*, QRectF> places[] = {
        {cmdJP2, QRectF(14, 340, 130, 28)},
        {cmdLanguage, QRectF(152, 340, 100, 28)},
        {cmdAbout, QRectF(260, 340, 90, 28)},
        {cmdClose, QRectF(358, 340, 98, 28)},
    };
    for (const auto& [b, rect] : places) {
        helpUnits_->place(b, rect);
        helpUnits_->setFontPoints(b, 9);
    }
    connect(cmdJP2, &QPushButton::clicked, this, &frmHelp::cmdJP2_Click);
    connect(cmdLanguage, &QPushButton::clicked, this, &frmHelp::cmdLanguage_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &frmHelp::cmdAbout_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmHelp::cmdClose_Click);
}

void frmHelp::createAboutPage() {
    frAbout = createPage("frAbout", aboutUnits_);
    imgAbout = new QLabel(frAbout);
    imgAbout->setObjectName(QStringLiteral("imgAbout"));
    imgAbout->setAccessibleName(QStringLiteral("Quiverel"));
    imgAbout->setScaledContents(true);
    aboutUnits_->place(imgAbout, QRectF(20, 30, 1200.0 / 15, 1731.0 / 15));
    QImageReader reader(ctx_.appFolder + QStringLiteral("/About.png"));
    reader.setAllocationLimit(64);
    if (const QImage picture = reader.read(); !picture.isNull())
        imgAbout->setPixmap(QPixmap::fromImage(picture));

    const AboutText text = aboutText(state_.windowTitle);
    const std::tuple<QLabel*&, const char*, QString, QRectF, double> labels[] = {
        {lblQuiverel, "lblQuiverel", text.title, QRectF(120, 30, 335, 70), 10},
        {lblMe, "lblMe", text.maker, QRectF(120, 115, 335, 80), 9},
        {lblIrfan, "lblIrfan", text.thanks, QRectF(120, 210, 335, 100), 9},
    };
    for (const auto& [label, name, caption, rect, points] : labels) {
        label = new QLabel(caption, frAbout);
        label->setObjectName(QLatin1String(name));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        aboutUnits_->place(label, rect);
        aboutUnits_->setFontPoints(label, points);
    }
}

double frmHelp::guiScale() const {
    const double scale = state_.settings.guiScale;
    return scale > 0 ? scale : 1.0;
}

void frmHelp::Form_Load() {
    const double scale = guiScale();
    const QSize size(int(std::lround(kTwips.width() / 15 * scale)),
                     int(std::lround(kTwips.height() / 15 * scale)));
    resize(size);
    if (host_.mainWindow) {
        const QRect main = host_.mainWindow->frameGeometry();
        move(main.left() + (main.width() - size.width()) / 2,
             std::max(0, (main.height() - size.height()) / 2));
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
    }
    units_->relayout();

    setWindowTitle(state_.text[5]);
    cmdClosed->setText(state_.text[14]);
    cmdOkSetup->setText(state_.text[14]);
    cmd2->setText(state_.text[15]);
    cmdPic->setText(state_.text[15]);
    prepareSetupFields();

    cmdJP2->setText(state_.text[13] + QStringLiteral(" Quiverel"));
    cmdLanguage->setText(state_.text[12]);
    cmdClose->setText(state_.text[14]);
    cmdAbout->setText(state_.text[106].isEmpty() ? QStringLiteral("&About") : state_.text[106]);
    fillHelpText();
    setWindowTitle(QStringLiteral("Help"));
    showOnly(frHelp);
    show();
}

void frmHelp::fillHelpText() {
    txtHelp->clear();
    const QString path = ctx_.appFolder + QStringLiteral("/Help.txt");
    const std::optional<QString> text = readHelpText(path, state_.settings.languageName);
    // Without the file the box says where it was looked for, not just nothing.
    txtHelp->setPlainText(text ? *text : QStringLiteral("Help.txt was not found:\n") + path);
}

void frmHelp::showOnly(QFrame* page) {
    for (QFrame* f : {frHelp, frAbout, frmSetup, frmLanguage})
        f->setVisible(f == page);
    page->raise();
}

void frmHelp::showPage(HelpPage page) {
    switch (page) {
    case HelpPage::Help:
        break;
    case HelpPage::Setup:
        cmdJP2_Click();
        break;
    case HelpPage::Languages:
        cmdLanguage_Click();
        break;
    case HelpPage::About:
        cmdAbout_Click();
        break;
    }
}

void frmHelp::cmdAbout_Click() {
    setWindowTitle(QStringLiteral("About"));
    showOnly(frAbout);
}

void frmHelp::cmdClose_Click() {
    close();
}

} // namespace quiverel
